#pragma once
// Builds network printer list data as the settings library delivers it.
#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "link/printer_list.h"

namespace orvan::testing {

struct ListedPrinter {
    std::string name;
    std::array<std::uint8_t, 4> ipv4{};
    link::AddressBytes ipv6{};
    link::AddressBytes secondIPv6{};
};

// claimed: the entry count written into the header (defaults to the entries given).
inline std::vector<std::uint8_t> networkListData(const std::vector<ListedPrinter>& printers,
                                                 std::int64_t claimed = -1) {
    using namespace link::list_layout;
    std::vector<std::uint8_t> data(kFirstEntry + printers.size() * kEntrySize, 0xEE);
    const auto count = static_cast<std::uint32_t>(claimed < 0 ? printers.size() : claimed);
    for (int i = 0; i < 4; ++i) data[kCount + i] = static_cast<std::uint8_t>(count >> (8 * i));
    for (std::size_t i = 0; i < printers.size(); ++i) {
        auto* e = data.data() + kFirstEntry + i * kEntrySize;
        std::fill_n(e, kNameLength, 0);
        std::copy_n(printers[i].name.begin(), std::min(printers[i].name.size(), kNameLength), e);
        std::copy(printers[i].ipv4.begin(), printers[i].ipv4.end(), e + kIPv4);
        std::copy(printers[i].ipv6.begin(), printers[i].ipv6.end(), e + kIPv6);
        std::copy(printers[i].secondIPv6.begin(), printers[i].secondIPv6.end(), e + kSecondIPv6);
    }
    return data;
}

inline link::AddressBytes ipv6(std::initializer_list<std::uint8_t> leading, std::uint8_t last = 0) {
    link::AddressBytes a{};
    std::copy(leading.begin(), leading.end(), a.begin());
    a[15] = last;
    return a;
}

}  // namespace orvan::testing
