// What the setting writes send: one-byte values in list order, 255 left out
// where it means "not offered", read-only items never.
#include "net_fixture.h"

namespace orvan::test {
namespace {

using Items = std::vector<std::int32_t>;

TEST_F(NetTest, ConditionWriteSendsEveryFieldInListOrder) {
    auto& pc = data.image.PrintCondition;
    pc.Byte41 = 1, pc.Byte42 = 2, pc.Byte50 = 3, pc.Byte43 = 4, pc.Byte44 = 5, pc.Byte16 = 6;
    pc.Byte23 = 7, pc.Byte8 = 8, pc.Byte58 = 9, pc.Byte45 = 10, pc.Byte46 = 11, pc.Byte51 = 12;
    pc.Byte53 = 13, pc.Byte54 = 14;
    data.image.MagneticSetting = {17, 16, 15};
    ASSERT_EQ(net.conditionWrite(), 0);
    ASSERT_EQ(link.settings.sent.size(), 1u);
    EXPECT_EQ(link.settings.sent[0].kind, "values");
    EXPECT_EQ(writtenItems(),
              (Items{70, 71, 72, 74, 75, 85, 86, 92, 95, 22, 24, 27, 29, 30, 40, 41, 42}));
    for (std::size_t i = 0; i < written().size(); ++i)
        EXPECT_EQ(written()[i].second, Bytes{static_cast<std::uint8_t>(i + 1)}) << i;
    EXPECT_EQ(link.settings.count("U_Set1stSettingValue"), 1);
    EXPECT_EQ(link.settings.count("U_SetNextSettingValue"), 16);
}

TEST_F(NetTest, BackSideCoolingNotOfferedIsLeftOutOfTheWrite) {
    data.image.PrintCondition.Byte58 = 255;
    ASSERT_EQ(net.conditionWrite(), 0);
    const Items ids = writtenItems();
    EXPECT_EQ(std::count(ids.begin(), ids.end(), 95), 0);
    EXPECT_EQ(ids.size(), 16u);

    data.image.PrintCondition.Byte58 = 254;
    ASSERT_EQ(net.conditionWrite(), 0);
    EXPECT_EQ(writtenItems()[8], 95);
}

TEST_F(NetTest, RetransferWriteLeavesOutEach255Separately) {
    auto& pc = data.image.PrintCondition;
    pc.Byte33 = 1, pc.Byte34 = 2, pc.Byte35 = 255, pc.Byte56 = 255, pc.Byte57 = 3;
    ASSERT_EQ(net.retransferWrite(), 0);
    EXPECT_EQ(writtenItems(), (Items{76, 77, 78, 94}));  // 255 is a value for item 78
    EXPECT_EQ(written()[2].second, Bytes{255});

    pc.Byte56 = 0, pc.Byte57 = 255;
    ASSERT_EQ(net.retransferWrite(), 0);
    EXPECT_EQ(writtenItems(), (Items{76, 77, 78, 93}));
}

TEST_F(NetTest, LaminatorWriteNeverSendsTheCassetteState) {
    data.image.LaminatorSetting = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
    ASSERT_EQ(net.laminatorWrite(), 0);
    EXPECT_EQ(writtenItems(), (Items{200, 201, 202, 203, 204, 205, 206, 207, 209, 210}));
    const std::vector<std::uint8_t> values{1, 3, 4, 5, 2, 7, 10, 11, 9, 8};
    for (std::size_t i = 0; i < values.size(); ++i)
        EXPECT_EQ(written()[i].second, Bytes{values[i]}) << writtenItems()[i];
}

TEST_F(NetTest, NetworkWriteSendsOnlyTheNameAsTenBytes) {
    auto& nw = data.image.NetworkSetting;
    nw.Name = {'A', 'B', 'C', 0, 'o', 'l', 'd', 0, 0, 0, 0};
    nw.Byte2 = 10, nw.Byte14 = 3, nw.Byte29 = 1;
    data.image.IpsecEnabled = 1;
    ASSERT_EQ(net.networkWrite(), 0);
    ASSERT_EQ(written().size(), 1u);
    EXPECT_EQ(written()[0].first, 1);
    EXPECT_EQ(written()[0].second, (Bytes{'A', 'B', 'C', 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(link.settings.callsTo("U_Set1stSettingValue")[0].args[1], 10);
}

TEST_F(NetTest, MediaAndBendRemedyWritesSendTheirFields) {
    data.image.PrintCondition.Byte20 = 2, data.image.PrintCondition.Byte22 = 1;
    ASSERT_EQ(net.mediaWrite(), 0);
    EXPECT_EQ(written(), (std::vector<std::pair<std::int32_t, Bytes>>{{51, {2}}, {20, {1}}}));
    data.image.PrintCondition.Byte36 = 4, data.image.PrintCondition.Byte37 = 5;
    ASSERT_EQ(net.bendRemedyWrite(), 0);
    EXPECT_EQ(written(), (std::vector<std::pair<std::int32_t, Bytes>>{{79, {4}}, {80, {5}}}));
}

TEST_F(NetTest, CounterClearSendsFourZeroBytesForItems50And54) {
    data.image.Counters.Print = 5;
    ASSERT_EQ(net.counterClear(), 0);
    EXPECT_EQ(written(), (std::vector<std::pair<std::int32_t, Bytes>>{{50, {0, 0, 0, 0}},
                                                                      {54, {0, 0, 0, 0}}}));
    EXPECT_EQ(data.image.Counters.Print, 5);  // the clear itself reads nothing back
}

TEST_F(NetTest, OneValueWriteCarriesTheGivenBytes) {
    const Bytes clock{125, 0, 14, 9, 30, 5, 0, 0};
    ASSERT_EQ(net.writeSettingValue(10, clock), 0);
    EXPECT_EQ(written(), (std::vector<std::pair<std::int32_t, Bytes>>{{10, clock}}));
    EXPECT_EQ(link.settings.closes, 1);
}

}  // namespace
}  // namespace orvan::test
