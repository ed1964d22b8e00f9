// The simulated network printer through the settings library: request
// lists, the item reply format, sequence numbers, writes and the printer list.
#include <gtest/gtest.h>

#include <array>
#include <map>
#include <memory>
#include <vector>

#include "simulator/printer_list_data.h"
#include "simulator/sim_settings_port.h"

namespace orvan::sim {
namespace {

constexpr std::array<std::uint8_t, 16> kNetIPv4 = {192, 168, 0, 51};

// Items of a reply by id: the value from data byte 1 on.
std::map<int, Bytes> itemsOf(const Bytes& reply) {
    std::map<int, Bytes> items;
    for (std::size_t at = 0; at + 2 <= reply.size();) {
        const std::size_t length = reply[at + 1];
        EXPECT_LE(at + 2 + length, reply.size()) << "item runs past the reply";
        EXPECT_GE(length, 1u);
        items[reply[at]] = Bytes(reply.begin() + at + 3, reply.begin() + at + 2 + length);
        at += 2 + length;
    }
    return items;
}

class NetworkReplies : public ::testing::Test {
  protected:
    std::int32_t connect(const std::array<std::uint8_t, 16>& address = kNetIPv4,
                         bool ipv6 = false) {
        std::int32_t connection = 0;
        EXPECT_EQ(port.P_Connect(&connection, 1, &word, ipv6 ? 1 : 0, address.data(), 0, 0), 0);
        return connection;
    }
    void ask(std::initializer_list<int> items) {
        bool first = true;
        for (int item : items) {
            EXPECT_EQ(
                first ? port.U_Set1stPrinterInfo(item, 0) : port.U_SetNextPrinterInfo(item, 0), 0);
            first = false;
        }
    }
    Bytes reply(std::int32_t connection, std::int32_t expectSequence) {
        std::array<std::uint8_t, LNK_REPLY_BUFFER_SIZE> buffer{};
        std::int32_t length = static_cast<std::int32_t>(buffer.size());
        std::int32_t sequence = 0;
        LNK_REPLY_HEADER header{};
        EXPECT_EQ(
            port.P_CheckReply(connection, &word, &sequence, &header, buffer.data(), &length, 300),
            0);
        EXPECT_EQ(sequence, expectSequence);
        EXPECT_EQ(header.length, length);
        return Bytes(buffer.begin(), buffer.begin() + length);
    }

    SimulatedPrinters world = defaultScenario();
    SimSettingsPort port{world};
    std::int32_t word = -1;
};

TEST_F(NetworkReplies, SettingItemsCarryTheirValueFromDataByteOne) {
    const auto c = connect();
    ask({1, 3, 72, 14, 250});  // 250 is not an item: left out
    ASSERT_EQ(port.P_FlushSettingReq(c, &word, 7, 0, 1, 0), 0);
    const auto items = itemsOf(reply(c, 7));
    EXPECT_EQ(items.size(), 4u);
    EXPECT_EQ(items.at(1), (Bytes{'O', 'R', 'V', 'A', 'N', '0', '2', 0, 0, 0}));
    EXPECT_EQ(items.at(3), (Bytes{192, 168, 0, 51}));
    EXPECT_EQ(items.at(72), (Bytes{3}));
    ASSERT_EQ(items.at(14).size(), 48u);  // three IPv6 blocks
    EXPECT_EQ(items.at(14)[0], 0xFE);
    EXPECT_EQ(items.at(14)[16], 0xFD);
    EXPECT_EQ(port.P_Close(c, nullptr), 0);
    EXPECT_EQ(port.openSessions(), 0u);
}

TEST_F(NetworkReplies, PropertyAndCounterItemsMatchTheUsbView) {
    world.network(0).setCounter(Counter::Print, 0x00010203);
    const auto c = connect();
    ask({30, 51, 3});
    ASSERT_EQ(port.P_FlushPropertyReq(c, &word, 1, 0, 0), 0);
    auto items = itemsOf(reply(c, 1));
    EXPECT_EQ(items.at(30), (Bytes{'1', '.', '0', '2', '.', '0', '0', '3'}));
    EXPECT_EQ(items.at(51), (Bytes{1}));  // laminator fitted
    EXPECT_EQ(items.at(3).size(), 6u);

    ask({30, 14, 15, 11});
    ASSERT_EQ(port.P_FlushStatusReq(c, &word, 2, 0, 0), 0);
    items = itemsOf(reply(c, 2));
    EXPECT_EQ(items.at(30), (Bytes{0x00, 0x01, 0x02, 0x03}));
    EXPECT_EQ(items.at(14), (Bytes{0, 250}));
    EXPECT_EQ(items.at(15), (Bytes{'A', '1', '2', '3', '4', '5'}));
    EXPECT_EQ(items.at(11), (Bytes{40}));
}

TEST_F(NetworkReplies, StatusItemsReportStateOrErrorBytes) {
    const auto c = connect();
    world.network(0).setPrinterState(50);
    world.network(0).setLaminatorState(18);
    ask({1, 62});
    ASSERT_EQ(port.P_FlushStatusReq(c, &word, 3, 0, 0), 0);
    auto items = itemsOf(reply(c, 3));
    EXPECT_EQ(items.at(1)[0], 50);
    EXPECT_EQ(items.at(62)[0], 18);

    world.network(0).setPrinterError(-0x0142B200);
    world.network(0).setLaminatorError(0x5A);
    ASSERT_EQ(port.P_FlushStatusReq(c, &word, 4, 0, 0), 0);
    items = itemsOf(reply(c, 4));
    EXPECT_EQ(items.at(1), (Bytes{255, 0x42, 0xB2, 0x00}));
    EXPECT_EQ(items.at(62), (Bytes{255, 0x5A}));
    port.P_Close(c, nullptr);
}

TEST_F(NetworkReplies, ReplyCarriesTheRequestsSequenceUnlessScripted) {
    const auto c = connect();
    ask({1});
    ASSERT_EQ(port.P_FlushSettingReq(c, &word, 32767, 0, 1, 0), 0);
    reply(c, 32767);
    world.scriptSequenceMismatch(1);
    ASSERT_EQ(port.P_FlushSettingReq(c, &word, 32767, 0, 1, 0), 0);
    reply(c, 1);
    EXPECT_EQ(port.P_FlushSettingReq(c, &word, 0, 0, 1, 0), kInvalidArgument);

    std::array<std::uint8_t, 16> buffer{};
    std::int32_t length = 16, sequence = 0;
    EXPECT_EQ(port.P_CheckReply(c, &word, &sequence, nullptr, buffer.data(), &length, 300),
              kReplyTimeout)
        << "no request outstanding";
    port.P_Close(c, nullptr);
}

TEST_F(NetworkReplies, CheckReplyNeverWritesBeyondTheCapacity) {
    const auto c = connect();
    ask({1, 3, 4, 5});
    ASSERT_EQ(port.P_FlushSettingReq(c, &word, 9, 0, 1, 0), 0);
    // Exactly five bytes on the heap: one more written would be caught.
    auto small = std::make_unique<std::uint8_t[]>(5);
    std::int32_t length = 5, sequence = 0;
    ASSERT_EQ(port.P_CheckReply(c, &word, &sequence, nullptr, small.get(), &length, 300), 0);
    EXPECT_EQ(length, 5);
    EXPECT_EQ(small[0], 1);
    EXPECT_EQ(small[1], 11);

    ASSERT_EQ(port.P_QueryQueueStatus(c, &word, 10), 0);
    length = -3;
    EXPECT_EQ(port.P_CheckReply(c, &word, &sequence, nullptr, small.get(), &length, 300),
              kInvalidArgument);
    port.P_Close(c, nullptr);
}

TEST_F(NetworkReplies, SettingWritesChangeThePrinter) {
    const auto c = connect();
    const std::uint8_t level = 5, cooling = 1;
    const std::uint8_t name[10] = {'L', 'O', 'B', 'B', 'Y'};
    const std::uint8_t zero[4] = {};
    const std::uint8_t cassette = 0;
    ASSERT_EQ(port.U_Set1stSettingValue(72, 1, &level, 0), 0);
    ASSERT_EQ(port.U_SetNextSettingValue(95, 1, &cooling, 0), 0);
    ASSERT_EQ(port.U_SetNextSettingValue(1, 10, name, 0), 0);
    ASSERT_EQ(port.U_SetNextSettingValue(50, 4, zero, 0), 0);
    ASSERT_EQ(port.U_SetNextSettingValue(208, 1, &cassette, 0), 0);  // read only
    ASSERT_EQ(port.P_FlushSettingValue(c, &word, 12, 0, 0, 0), 0);
    EXPECT_TRUE(reply(c, 12).empty());

    const SimPrinter& p = world.network(0);
    EXPECT_EQ(p.pageByte(0x28, 50), 5);
    EXPECT_EQ(p.pageByte(0x28, 58), 1);
    EXPECT_EQ(p.name(), "LOBBY");
    EXPECT_EQ(p.counter(Counter::Print), 0u);
    EXPECT_EQ(p.pageByte(0x2C, 7), 3);
    EXPECT_EQ(world.lastCall("P_FlushSettingValue")->bytes[0], 72);
    EXPECT_EQ(port.U_Set1stSettingValue(72, 300, &level, 0), kInvalidArgument);
    port.P_Close(c, nullptr);
}

TEST_F(NetworkReplies, QueueReplyListsUpToFiveDocuments) {
    for (int i = 0; i < 7; ++i) world.network(0).addJob({"owner", "doc" + std::to_string(i)});
    const auto c = connect();
    ASSERT_EQ(port.P_QueryQueueStatus(c, &word, 5), 0);
    std::array<std::uint8_t, LNK_QUEUE_REPLY_SIZE> buffer{};
    std::int32_t length = LNK_QUEUE_REPLY_SIZE, sequence = 0;
    ASSERT_EQ(port.P_CheckReply(c, &word, &sequence, nullptr, buffer.data(), &length, 300), 0);
    EXPECT_EQ(length, 4 + 5 * 108);
    EXPECT_EQ(buffer[0], 7);
    EXPECT_EQ(buffer[4], 'o');
    EXPECT_EQ(buffer[4 + 32], 'd');                // document name at code 16
    EXPECT_EQ(buffer[4 + 4 * 108 + 32 + 6], '4');  // fifth record
    port.P_Close(c, nullptr);
}

TEST_F(NetworkReplies, RemovedPrinterTimesOutWithSocketError) {
    const auto c = connect();
    world.setNetworkAttached(0, false);
    ask({1, 62});
    EXPECT_EQ(port.P_FlushStatusReq(c, &word, 1, 0, 0), kSocketFailure);
    EXPECT_EQ(word, kSocketTimedOut);
    std::int32_t again = 0;
    word = 0;
    EXPECT_EQ(port.P_Connect(&again, 1, &word, 0, kNetIPv4.data(), 0, 0), kSocketFailure);
    EXPECT_EQ(word, kSocketTimedOut);
    port.P_Close(c, nullptr);

    world.setNetworkAttached(0, true);
    const auto byIPv6 = connect(world.network(0).effectiveIPv6()[1], true);
    EXPECT_EQ(port.P_FlushStatusReq(byIPv6, &word, 2, 0, 0), 0);
    port.P_Close(byIPv6, nullptr);
}

TEST_F(NetworkReplies, ScriptedNetworkResultCarriesItsStatusWord) {
    world.scriptResult("P_FlushStatusReq", -2, 1, 10051);
    const auto c = connect();
    ask({1});
    EXPECT_EQ(port.P_FlushStatusReq(c, &word, 1, 0, 0), -2);
    EXPECT_EQ(word, 10051);
    EXPECT_EQ(port.P_FlushStatusReq(c, &word, 2, 0, 0), 0);
    EXPECT_EQ(word, 0);
    port.P_Close(c, nullptr);
}

TEST_F(NetworkReplies, PrinterListDataFollowsTheEntryLayout) {
    SimPrinter second;
    second.setPageText(0x2D, 17, 10, "TENCHARSXY");
    world.addNetworkPrinter(second);
    LNK_PRINTER_LIST list{};
    ASSERT_EQ(port.U_OpenPrinterList(&list), 0);
    ASSERT_EQ(port.P_RefreshPrinterList(1, &list, &word, 3000), 0);
    EXPECT_EQ(world.lastCall("P_RefreshPrinterList")->args, (std::vector<std::int64_t>{1, 3000}));
    std::int32_t size = 0;
    ASSERT_EQ(port.U_GetPrinterListSize(&list, &size), 0);
    ASSERT_EQ(size, 22 + 2 * 104);
    std::vector<std::uint8_t> data(static_cast<std::size_t>(size));
    ASSERT_EQ(port.U_GetPrinterListData(&list, data.data(), size), 0);
    EXPECT_EQ(data[4], 2);
    EXPECT_EQ(data[5] | data[6] | data[7], 0);
    const auto entry = [&](int n, std::size_t at) { return data[22 + n * 104 + at]; };
    EXPECT_EQ(entry(0, 0), 'O');
    EXPECT_EQ(entry(0, 7), 0);
    EXPECT_EQ(entry(0, 13), 51);    // IPv4 192.168.0.51
    EXPECT_EQ(entry(0, 42), 0xFE);  // link-local address
    EXPECT_EQ(entry(0, 58), 0xFD);  // second address
    EXPECT_EQ(entry(1, 9), 'Y');    // a ten-character name fills its field

    // Asking for fewer bytes than the list holds gets exactly that many.
    auto small = std::make_unique<std::uint8_t[]>(30);
    EXPECT_EQ(port.U_GetPrinterListData(&list, small.get(), 30), 0);
    EXPECT_EQ(small[22], 'O');
    ASSERT_EQ(port.U_FreePrinterList(&list), 0);
    EXPECT_EQ(list.handle, nullptr);
    EXPECT_EQ(port.U_GetPrinterListSize(&list, &size), kInvalidArgument);
}

TEST_F(NetworkReplies, SessionsAreLimitedSoThatLeaksShow) {
    for (std::size_t i = 0; i < SimSettingsPort::kMaxSessions; ++i) connect();
    std::int32_t c = 0;
    EXPECT_EQ(port.P_Connect(&c, 1, &word, 0, kNetIPv4.data(), 0, 0), kSocketFailure);
    EXPECT_EQ(word, kSocketTooMany);
}

}  // namespace
}  // namespace orvan::sim
