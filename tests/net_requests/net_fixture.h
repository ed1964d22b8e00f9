#pragma once
// A network printer behind the fake settings library.
#include <gtest/gtest.h>

#include "link/net_requests.h"
#include "support/fake_ports.h"

namespace orvan::test {

class NetTest : public ::testing::Test {
  protected:
    FakeLink link;
    link::PrinterData data;
    link::NetworkRequests net{link.channel, data};

    void SetUp() override { link.network(); }

    // The values a write sent, as {item, bytes}.
    std::vector<std::pair<std::int32_t, Bytes>> written() const {
        return link.settings.sent.empty() ? std::vector<std::pair<std::int32_t, Bytes>>{}
                                          : link.settings.sent.back().values;
    }
    std::vector<std::int32_t> writtenItems() const {
        std::vector<std::int32_t> ids;
        for (const auto& v : written()) ids.push_back(v.first);
        return ids;
    }
};

}  // namespace orvan::test
