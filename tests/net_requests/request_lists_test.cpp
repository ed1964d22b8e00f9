// What each network operation asks for, in the order it is sent, and over
// how many connections.
#include "net_fixture.h"

namespace orvan::test {
namespace {

using Items = std::vector<std::int32_t>;
struct Expected {
    std::string kind;
    Items items;
};

using Operation = link::ResultCode (link::NetworkRequests::*)();

struct ReadCase {
    const char* name;
    Operation op;
    std::vector<Expected> requests;
};

const ReadCase kReads[] = {
    {"identity",
     &link::NetworkRequests::identityRead,
     {{"property", {30, 31, 32, 35, 50, 51, 54, 55, 56, 57, 58, 59}}}},
    {"status tab",
     &link::NetworkRequests::statusTabRead,
     {{"status", {13, 10, 11, 12, 14, 30, 33}}, {"setting", {51}}, {"queue", {}}}},
    {"condition",
     &link::NetworkRequests::conditionRead,
     {{"setting", {70, 71, 72, 74, 75, 85, 86, 92, 95, 22, 24, 27, 29, 30, 40, 41, 42}},
      {"property", {50, 57}}}},
    {"retransfer", &link::NetworkRequests::retransferRead, {{"setting", {76, 77, 78, 93, 94}}}},
    {"bend remedy",
     &link::NetworkRequests::bendRemedyRead,
     {{"setting", {79, 80}}, {"property", {57}}}},
    {"media", &link::NetworkRequests::mediaRead, {{"status", {13, 14, 15}}, {"setting", {51, 20}}}},
    {"property",
     &link::NetworkRequests::propertyRead,
     {{"property", {30, 31, 32, 35, 50, 51, 54, 55, 56, 57, 58, 59}},
      {"status", {30, 31, 32, 33, 35}}}},
    {"laminator",
     &link::NetworkRequests::laminatorRead,
     {{"status", {63}}, {"setting", {200, 201, 202, 203, 204, 205, 206, 207, 208, 209, 210}}}},
    {"network",
     &link::NetworkRequests::networkRead,
     {{"setting", {1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 12, 13, 14}}, {"property", {3}}}},
    {"security lock", &link::NetworkRequests::securityLockRead, {{"setting", {31}}}},
    {"counter reread", &link::NetworkRequests::counterReread, {{"status", {30, 35}}}},
};

TEST_F(NetTest, EachReadSendsItsItemListsInOrderOverOneConnection) {
    for (const auto& c : kReads) {
        SCOPED_TRACE(c.name);
        link.settings.sent.clear();
        link.settings.connects = link.settings.closes = 0;
        EXPECT_EQ((net.*c.op)(), 0);
        ASSERT_EQ(link.settings.sent.size(), c.requests.size());
        for (std::size_t i = 0; i < c.requests.size(); ++i) {
            EXPECT_EQ(link.settings.sent[i].kind, c.requests[i].kind);
            EXPECT_EQ(link.settings.sent[i].items, c.requests[i].items);
        }
        EXPECT_EQ(link.settings.connects, 1);
        EXPECT_EQ(link.settings.closes, 1);
    }
}

TEST_F(NetTest, ConnectGetsTheSelectedAddressAndFamily) {
    link.state.preferIPv6 = true;
    link.state.selected.address = {0xFE, 0x80, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 9};
    net.securityLockRead();
    EXPECT_EQ(link.settings.connectedAddress, link.state.selected.address);
    EXPECT_EQ(link.settings.connectedIPv6, 1);
    const auto connect = link.settings.callsTo("P_Connect").front();
    EXPECT_EQ(connect.args, (std::vector<std::int64_t>{1, 1, 0, 0}));
}

TEST_F(NetTest, RepliesAreAwaited300msInTheirOwnCapacity) {
    net.statusTabRead();
    const auto checks = link.settings.callsTo("P_CheckReply");
    ASSERT_EQ(checks.size(), 3u);
    EXPECT_EQ(checks[0].args[2], 513);  // capacity handed in
    EXPECT_EQ(checks[0].args[3], 300);
    EXPECT_EQ(checks[2].args[2], 544);  // the queue reply has a buffer of its own
}

TEST_F(NetTest, NameProbeWaits3000msAndRunsWithoutAListedPrinter) {
    link.state.printerCount = 0;
    link.settings.queueReply(textItem(1, "FOUND"));
    EXPECT_EQ(net.nameProbe(), 0);
    ASSERT_EQ(link.settings.sent.size(), 1u);
    EXPECT_EQ(link.settings.sent[0].kind, "setting");
    EXPECT_EQ(link.settings.sent[0].items, Items{1});
    EXPECT_EQ(link.settings.callsTo("P_CheckReply")[0].args[3], 3000);
    EXPECT_EQ(link::networkName(data.image.NetworkSetting), "FOUND");
}

TEST_F(NetTest, OperationsDoNothingWithoutANetworkPrinter) {
    link.state.printerCount = 0;
    for (const auto& c : kReads) EXPECT_EQ((net.*c.op)(), 0) << c.name;
    EXPECT_EQ(net.conditionWrite(), 0);
    EXPECT_EQ(net.counterClear(), 0);
    link.usb();
    for (const auto& c : kReads) EXPECT_EQ((net.*c.op)(), 0) << c.name;
    EXPECT_EQ(net.networkWrite(), 0);
    link.state.selected.connection = link::Connection::None;
    link.state.printerCount = 1;
    EXPECT_EQ(net.laminatorWrite(), 0);
    EXPECT_TRUE(link.settings.calls.empty());
}

}  // namespace
}  // namespace orvan::test
