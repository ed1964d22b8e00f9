#include "link/printer_list.h"

#include <gtest/gtest.h>

#include "discovery/network_list_data.h"

namespace orvan::link {
namespace {

using testing::ipv6;
using testing::ListedPrinter;
using testing::networkListData;

TEST(NetworkListParsing, UsesOnlyTheEntriesItsDataHolds) {
    const std::vector<ListedPrinter> two{{"A", {}, {}, {}}, {"B", {}, {}, {}}};
    EXPECT_EQ(parseNetworkList(networkListData(two, 10), false).size(), 2u);

    auto cut = networkListData(two, 2);  // the second entry lacks its last byte
    cut.pop_back();
    EXPECT_EQ(parseNetworkList(cut, false).size(), 1u);

    EXPECT_EQ(parseNetworkList(networkListData(two, 0xFFFFFFFF), false).size(), 0u);
    EXPECT_EQ(parseNetworkList(std::vector<std::uint8_t>(10, 0xFF), false).size(), 0u);

    const std::vector<ListedPrinter> twelve(12, ListedPrinter{"P", {}, {}, {}});
    EXPECT_EQ(parseNetworkList(networkListData(twelve), false).size(), 10u);
}

TEST(NetworkListParsing, NameStopsAtTenCharactersOrTheFirstZero) {
    const auto entries = parseNetworkList(
        networkListData({{"ABCDEFGHIJ", {10, 0, 0, 7}, {}, {}}, {"AB", {}, {}, {}}}), false);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].displayName, "NET:ABCDEFGHIJ");  // the address is not part of it
    EXPECT_EQ(entries[0].ipv4, (IPv4Bytes{10, 0, 0, 7}));
    EXPECT_EQ(entries[1].name, "AB");
}

TEST(NetworkListParsing, LinkLocalLookingFirstAddressGivesWayToTheSecond) {
    const AddressBytes linkLocal = ipv6({0xFE, 0x80}, 0x11);
    const AddressBytes global = ipv6({0x20, 0x01, 0x0D, 0xB8}, 0x22);
    const auto pick = [](const AddressBytes& first, const AddressBytes& second) {
        return parseNetworkList(networkListData({{"P", {1, 2, 3, 4}, first, second}}), true).at(0);
    };
    EXPECT_EQ(pick(linkLocal, global).ipv6, global);
    EXPECT_EQ(pick(linkLocal, global).ipv4, IPv4Bytes{}) << "IPv4 field unused in an IPv6 list";
    EXPECT_EQ(pick(linkLocal, {}).ipv6, linkLocal) << "no second address to take";
    EXPECT_EQ(pick(global, ipv6({0x20, 0x02})).ipv6, global);
    // Either byte alone is enough to prefer the second address.
    EXPECT_EQ(pick(ipv6({0xFE, 0xC0}), global).ipv6, global);
    EXPECT_EQ(pick(ipv6({0x20, 0x80}), global).ipv6, global);
}

}  // namespace
}  // namespace orvan::link
