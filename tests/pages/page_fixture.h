#pragma once
// A USB printer behind the fake command library, with the page reader.
#include <gtest/gtest.h>

#include <map>

#include "link/pages.h"
#include "support/fake_ports.h"

namespace orvan::test {

// A sense reply: the 4-byte header, then the page with byte 0 = code and
// the given page bytes (others 0).
inline Bytes senseReply(std::uint8_t code, const std::map<int, std::uint8_t>& pageBytes,
                        std::size_t pageSize = 80) {
    Bytes reply(4 + pageSize, 0);
    reply[4] = code;
    reply[5] = static_cast<std::uint8_t>(pageSize - 2);
    for (const auto& [at, value] : pageBytes) reply[4 + at] = value;
    return reply;
}

class PagesTest : public ::testing::Test {
  protected:
    FakeLink link;
    link::PrinterData data;
    link::Pages pages{link.channel, data};

    void SetUp() override { link.usb(); }
};

}  // namespace orvan::test
