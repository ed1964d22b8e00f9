// Reading mode pages into the settings image, and falling back to the last
// good copy when a read fails.
#include "page_fixture.h"

namespace orvan::test {
namespace {

using link::kLaminatorPage;
using link::kMagneticPage;
using link::kMediaInfoPage;
using link::kNetworkPage;
using link::kPrintConditionPage;

TEST_F(PagesTest, SensePageReadsPageByteNFromReplyByteNPlus4) {
    link.commands.modePages[kPrintConditionPage] =
        senseReply(kPrintConditionPage,
                   {{8, 11}, {9, 12}, {16, 13}, {33, 14}, {41, 15}, {47, 16}, {55, 17}, {58, 255}});
    ASSERT_EQ(pages.sensePage(kPrintConditionPage), 0);
    const auto& pc = data.image.PrintCondition;
    EXPECT_EQ(pc.Byte8, 11);
    EXPECT_EQ(pc.Byte9, 12);
    EXPECT_EQ(pc.Byte16, 13);
    EXPECT_EQ(pc.Byte33, 14);
    EXPECT_EQ(pc.Byte41, 15);
    EXPECT_EQ(pc.Byte47, 16);
    EXPECT_EQ(pc.Byte55, 17);
    EXPECT_EQ(pc.Byte58, 255);

    link.commands.modePages[kLaminatorPage] =
        senseReply(kLaminatorPage, {{2, 1}, {6, 5}, {7, 9}, {9, 3}, {14, 4}, {16, 170}});
    ASSERT_EQ(pages.sensePage(kLaminatorPage), 0);
    const auto& lm = data.image.LaminatorSetting;
    EXPECT_EQ(lm.Byte2, 1);
    EXPECT_EQ(lm.Byte6, 5);
    EXPECT_EQ(lm.Byte7, 9);
    EXPECT_EQ(lm.Byte9, 3);
    EXPECT_EQ(lm.Byte14, 4);
    EXPECT_EQ(lm.Byte16, 170);

    const auto call = link.commands.callsTo("KQCMD_ModeSense").front();
    EXPECT_EQ(call.args, (std::vector<std::int64_t>{3, 5, 1, kPrintConditionPage}));
}

TEST_F(PagesTest, MediaInfoTextCountAndType) {
    link.commands.modePages[kMediaInfoPage] = senseReply(kMediaInfoPage, {{2, 3},
                                                                          {4, 0x80},
                                                                          {5, 0x01},
                                                                          {8, 'A'},
                                                                          {9, '1'},
                                                                          {10, '2'},
                                                                          {11, '3'},
                                                                          {12, '4'},
                                                                          {13, '5'},
                                                                          {14, 'X'}});
    ASSERT_EQ(pages.sensePage(kMediaInfoPage), 0);
    EXPECT_EQ(data.image.MediaInfo.Byte2, 3);
    EXPECT_EQ(data.image.MediaInfo.Count, 32769);  // 16-bit, never negative
    EXPECT_EQ(data.image.MediaInfo.Text, "A12345");

    link.commands.modePages[kMediaInfoPage] = senseReply(kMediaInfoPage, {{8, 0}, {9, 'B'}});
    ASSERT_EQ(pages.sensePage(kMediaInfoPage), 0);
    EXPECT_EQ(data.image.MediaInfo.Text, "");

    link.commands.modePages[kMediaInfoPage] = senseReply(kMediaInfoPage, {{8, 'C'}, {9, 'D'}});
    ASSERT_EQ(pages.sensePage(kMediaInfoPage), 0);
    EXPECT_EQ(data.image.MediaInfo.Text, "CD");
}

TEST_F(PagesTest, NetworkPageNameCopiesUpToItsFirstZero) {
    data.image.NetworkSetting.Name.fill('Z');
    data.image.NetworkSetting.Name[10] = 0;
    std::map<int, std::uint8_t> bytes{{2, 192},   {3, 168},   {4, 0},    {5, 50},    {14, 3},
                                      {16, 1},    {17, 'P'},  {18, 'R'}, {19, '1'},  {20, 0},
                                      {21, 'Q'},  {27, 0x42}, {28, 7},   {31, 0xFE}, {46, 0x01},
                                      {47, 0x20}, {62, 0x99}};
    link.commands.modePages[kNetworkPage] = senseReply(kNetworkPage, bytes);
    ASSERT_EQ(pages.sensePage(kNetworkPage), 0);
    const auto& nw = data.image.NetworkSetting;
    EXPECT_EQ(link::networkName(nw), "PR1");
    EXPECT_EQ(nw.Name[3], 0);
    EXPECT_EQ(nw.Name[4], 'Z');  // after the terminator the old bytes stay
    EXPECT_EQ(nw.Name[9], 'Z');
    EXPECT_EQ(nw.Byte2, 192);
    EXPECT_EQ(nw.Byte5, 50);
    EXPECT_EQ(nw.Byte14, 3);
    EXPECT_EQ(nw.Byte16, 1);
    EXPECT_EQ(nw.Byte27, 0x42);
    EXPECT_EQ(nw.Byte28, 7);
    EXPECT_EQ(nw.Block31[0], 0xFE);
    EXPECT_EQ(nw.Block31[15], 0x01);
    EXPECT_EQ(nw.Block47[0], 0x20);
    EXPECT_EQ(nw.Block47[15], 0x99);
}

TEST_F(PagesTest, NetworkNameOfTenCharactersHasNoTerminatorAndReadsAsTen) {
    std::map<int, std::uint8_t> bytes;
    for (int i = 0; i < 10; ++i) bytes[17 + i] = static_cast<std::uint8_t>('a' + i);
    link.commands.modePages[kNetworkPage] = senseReply(kNetworkPage, bytes);
    ASSERT_EQ(pages.sensePage(kNetworkPage), 0);
    EXPECT_EQ(link::networkName(data.image.NetworkSetting), "abcdefghij");
    EXPECT_EQ(data.image.NetworkSetting.Name[10], 0);
}

TEST_F(PagesTest, ReplyForAnotherPageChangesNeitherImage) {
    link.commands.modePages[kPrintConditionPage] = senseReply(kMagneticPage, {{2, 1}, {8, 9}});
    data.image.PrintCondition.Byte8 = 4;
    const auto image = data.image;
    const auto lastGood = data.lastGood;
    EXPECT_EQ(pages.sensePage(kPrintConditionPage), 0);
    EXPECT_EQ(data.image, image);
    EXPECT_EQ(data.lastGood, lastGood);
}

TEST_F(PagesTest, ReplyWithNothingWrittenChangesNothing) {
    data.image.MagneticSetting.Byte2 = 6;
    const auto image = data.image;
    EXPECT_EQ(pages.sensePage(kMagneticPage), 0);  // the fake has no such page
    EXPECT_EQ(data.image, image);
}

TEST_F(PagesTest, GoodReadCopiesTheWholeImageToLastGood) {
    data.image.CardMaterial = 2;
    link.commands.modePages[kMagneticPage] = senseReply(kMagneticPage, {{2, 1}, {3, 0}, {7, 3}});
    ASSERT_EQ(pages.sensePage(kMagneticPage), 0);
    EXPECT_EQ(data.lastGood, data.image);
    EXPECT_EQ(data.lastGood.MagneticSetting.Byte7, 3);
}

TEST_F(PagesTest, FailedReadRestoresOnlyThatPageFromLastGood) {
    link.commands.modePages[kPrintConditionPage] =
        senseReply(kPrintConditionPage, {{41, 20}, {50, 30}, {58, 1}});
    link.commands.modePages[kMagneticPage] = senseReply(kMagneticPage, {{2, 1}, {7, 3}});
    ASSERT_EQ(pages.sensePage(kPrintConditionPage), 0);
    ASSERT_EQ(pages.sensePage(kMagneticPage), 0);
    const auto goodCondition = data.image.PrintCondition;

    // The user edits both pages; then a read of 0x28 fails.
    data.image.PrintCondition.Byte41 = 99;
    data.image.PrintCondition.Byte58 = 0;
    data.image.MagneticSetting.Byte7 = 8;
    link.commands.results.push("KQCMD_ModeSense", {-0x0102D000});
    EXPECT_EQ(pages.sensePage(kPrintConditionPage), -0x0102D000);

    EXPECT_EQ(data.image.PrintCondition, goodCondition);
    EXPECT_EQ(data.image.MagneticSetting.Byte7, 8);  // another page: left as edited
}

TEST_F(PagesTest, FailedNetworkReadRestoresTheNameUpToItsZero) {
    data.lastGood.NetworkSetting.Name = {'A', 'B', 'C', 0, 'x', 'x', 'x', 'x', 'x', 'x', 0};
    data.lastGood.NetworkSetting.Block47.fill(0x11);
    data.lastGood.NetworkSetting.Byte14 = 2;
    data.image.NetworkSetting.Name = {'N', 'E', 'W', 'N', 'A', 'M', 'E', '1', '2', '3', 0};
    data.image.NetworkSetting.Block47.fill(0x77);
    link.commands.results.push("KQCMD_ModeSense", {-5});
    EXPECT_EQ(pages.sensePage(kNetworkPage), -5);
    const auto& nw = data.image.NetworkSetting;
    EXPECT_EQ(link::networkName(nw), "ABC");
    EXPECT_EQ(nw.Name[4], 'A');  // beyond the restored 0: as it was
    EXPECT_EQ(nw.Block47, data.lastGood.NetworkSetting.Block47);
    EXPECT_EQ(nw.Byte14, 2);
}

TEST_F(PagesTest, SensePageRetriesOnlyWhenAskedToWaitOutBusy) {
    link.commands.results.always("KQCMD_ModeSense", 1);
    link.state.retryWhenBusy = false;
    EXPECT_EQ(pages.sensePage(kPrintConditionPage), 1);
    EXPECT_EQ(link.commands.count("KQCMD_ModeSense"), 1);
    EXPECT_EQ(link.loop.now(), 0);

    link.commands.clear();
    link.state.retryWhenBusy = true;
    EXPECT_EQ(pages.sensePage(kPrintConditionPage), 1);
    EXPECT_EQ(link.commands.count("KQCMD_ModeSense"), 3);
    EXPECT_EQ(link.loop.now(), 2000);  // two one-second pauses
    EXPECT_FALSE(link.state.pauseActive);
}

TEST_F(PagesTest, SensePageStopsAtANegativeResult) {
    link.state.retryWhenBusy = true;
    link.commands.results.push("KQCMD_ModeSense", {-7, 1, 1});
    EXPECT_EQ(pages.sensePage(kPrintConditionPage), -7);
    EXPECT_EQ(link.commands.count("KQCMD_ModeSense"), 1);
    EXPECT_EQ(link.loop.now(), 0);
}

TEST_F(PagesTest, PageCommandsNeedASelectedUsbPrinter) {
    link.state.printerCount = 0;
    EXPECT_EQ(pages.sensePage(kPrintConditionPage), 0);
    EXPECT_EQ(pages.selectPage(kPrintConditionPage), 0);
    EXPECT_EQ(pages.senseInquiry(), 0);
    EXPECT_EQ(pages.readPrinterBuffer(link::kJobListBuffer), 0);

    link.network();
    EXPECT_EQ(pages.sensePage(kPrintConditionPage), 0);
    EXPECT_EQ(pages.selectPage(kNetworkPage), 0);
    EXPECT_TRUE(link.commands.calls.empty());
    EXPECT_EQ(data.image, link::SettingsImage{});
}

}  // namespace
}  // namespace orvan::test
