// The request cycle: sequence numbers, failures at each step, and the
// connection closed on every path that opened it.
#include "net_fixture.h"

namespace orvan::test {
namespace {

TEST_F(NetTest, SequenceNumberAdvancesPerRequestAndWrapsAfter32767) {
    link.state.sequence = 32766;
    ASSERT_EQ(net.conditionRead(), 0);  // two requests
    ASSERT_EQ(link.settings.sent.size(), 2u);
    EXPECT_EQ(link.settings.sent[0].sequence, 32767);
    EXPECT_EQ(link.settings.sent[1].sequence, 1);
    EXPECT_EQ(link.state.sequence, 1);
}

TEST_F(NetTest, ReplyWithAnotherSequenceNumberIsRejectedAndChangesNothing) {
    data.image.PrintCondition.Byte55 = 3;
    link.settings.queueReply(item(31, {1}));
    link.settings.sequenceSkew.push_back(1);
    EXPECT_EQ(net.securityLockRead(), link::kSequenceMismatch);
    EXPECT_EQ(data.image.PrintCondition.Byte55, 3);
    EXPECT_EQ(link.settings.closes, 1);
    EXPECT_EQ(link.state.lastNetworkResult, -16);
}

TEST_F(NetTest, MismatchOnTheFirstRequestSendsNoSecond) {
    link.settings.sequenceSkew.push_back(-1);
    EXPECT_EQ(net.bendRemedyRead(), -16);
    EXPECT_EQ(link.settings.sent.size(), 1u);
    EXPECT_EQ(link.settings.closes, 1);
}

TEST_F(NetTest, FailedConnectClosesNothingAndReturnsItsResult) {
    link.settings.results.push("P_Connect", {-2});
    link.settings.statusWordOnFailure = 10060;
    EXPECT_EQ(net.mediaRead(), -2);
    EXPECT_EQ(link.settings.closes, 0);
    EXPECT_TRUE(link.settings.sent.empty());
    EXPECT_EQ(link.state.statusWord, 10060);
    EXPECT_EQ(link.state.lastNetworkResult, -2);
}

TEST_F(NetTest, NegativeFlushEndsTheCycleWithoutWaitingForAReply) {
    link.settings.results.push("P_FlushStatusReq", {-4});
    EXPECT_EQ(net.mediaRead(), -4);
    EXPECT_EQ(link.settings.count("P_CheckReply"), 0);
    EXPECT_EQ(link.settings.sent.size(), 1u);
    EXPECT_EQ(link.settings.closes, 1);
}

TEST_F(NetTest, FailedReplyCheckEndsTheCycleAndKeepsTheFields) {
    data.image.LaminatorSetting.Byte2 = 9;
    link.settings.queueReply(counterItem(63, 5));
    link.settings.queueReply(item(200, {1}));
    link.settings.results.push("P_CheckReply", {0, 3});
    EXPECT_EQ(net.laminatorRead(), 3);
    EXPECT_EQ(data.image.Counters.LaminatorCleaning, 5);  // the first request got through
    EXPECT_EQ(data.image.LaminatorSetting.Byte2, 9);
    EXPECT_EQ(link.settings.closes, 1);
    EXPECT_EQ(link.state.lastNetworkResult, 3);
}

TEST_F(NetTest, FailedWriteIsReturnedAfterClosing) {
    link.settings.results.push("P_FlushSettingValue", {-9});
    EXPECT_EQ(net.networkWrite(), -9);
    EXPECT_EQ(link.settings.closes, 1);
    EXPECT_EQ(link.settings.names().back(), "P_Close");
}

TEST_F(NetTest, PositiveFlushStillWaitsForTheReply) {
    link.settings.results.push("P_FlushSettingReq", {2});
    link.settings.queueReply(item(31, {1}));
    EXPECT_EQ(net.securityLockRead(), 0);
    EXPECT_EQ(data.image.PrintCondition.Byte55, 1);
}

TEST_F(NetTest, QueueQueryFailureEndsTheStatusRead) {
    link.settings.results.push("P_QueryQueueStatus", {-6});
    EXPECT_EQ(net.statusTabRead(), -6);
    EXPECT_EQ(link.settings.count("P_CheckReply"), 2);
    EXPECT_EQ(link.settings.closes, 1);
}

}  // namespace
}  // namespace orvan::test
