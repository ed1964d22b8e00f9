// Writing pages: every request starts as 0xFF (leave unchanged), then only
// the writable fields go in at their select positions.
#include "page_fixture.h"

namespace orvan::test {
namespace {

using link::kLaminatorPage;
using link::kMagneticPage;
using link::kMediaInfoPage;
using link::kNetworkPage;
using link::kPrintConditionPage;

void expectUnchangedAt(const Bytes& request, std::initializer_list<int> positions) {
    for (int p : positions) EXPECT_EQ(request.at(p), 0xFF) << "select byte " << p;
}

TEST_F(PagesTest, PrintConditionWriteUsesItsOwnLayout) {
    auto& pc = data.image.PrintCondition;
    pc.Byte8 = 1, pc.Byte16 = 2, pc.Byte20 = 3, pc.Byte22 = 4, pc.Byte23 = 5;
    pc.Byte33 = 6, pc.Byte34 = 7, pc.Byte35 = 8, pc.Byte36 = 9, pc.Byte37 = 10;
    pc.Byte41 = 11, pc.Byte42 = 12, pc.Byte43 = 13, pc.Byte44 = 14, pc.Byte45 = 15;
    pc.Byte46 = 16, pc.Byte50 = 17, pc.Byte51 = 18, pc.Byte53 = 19, pc.Byte54 = 20;
    pc.Byte56 = 21, pc.Byte57 = 22, pc.Byte58 = 23;
    // Read-only and stored-only values the printer must never receive.
    pc.Byte9 = 0xA9, pc.Byte39 = 0xB9, pc.Byte47 = 0xC7, pc.Byte48 = 0xC8, pc.Byte49 = 0xC9;
    pc.Byte55 = 0xD5;

    ASSERT_EQ(pages.selectPage(kPrintConditionPage), 0);
    const Bytes r = link.commands.lastSelect(kPrintConditionPage);
    ASSERT_EQ(r.size(), 32u);
    EXPECT_EQ(r[0], 0x28);
    EXPECT_EQ(r[1], 30);
    const std::map<int, int> expected{{18, 1},  {11, 2},  {17, 3},  {19, 4},  {12, 5},  {4, 6},
                                      {5, 7},   {6, 8},   {7, 9},   {8, 10},  {13, 11}, {14, 12},
                                      {15, 13}, {16, 14}, {21, 15}, {22, 16}, {23, 17}, {24, 18},
                                      {26, 19}, {27, 20}, {28, 21}, {29, 22}, {30, 23}};
    for (const auto& [at, value] : expected) EXPECT_EQ(r[at], value) << "select byte " << at;
    expectUnchangedAt(r, {2, 3, 9, 10, 20, 25, 31});
    for (std::uint8_t never : {0xA9, 0xB9, 0xC7, 0xC8, 0xC9, 0xD5})
        EXPECT_EQ(std::count(r.begin(), r.end(), never), 0) << int(never);
}

TEST_F(PagesTest, MagneticWriteLeavesTheGapsUnchanged) {
    data.image.MagneticSetting = {1, 0, 3};
    ASSERT_EQ(pages.selectPage(kMagneticPage), 0);
    EXPECT_EQ(link.commands.lastSelect(kMagneticPage),
              (Bytes{0x2A, 8, 1, 0, 0xFF, 0xFF, 0xFF, 3, 0xFF, 0xFF}));
}

TEST_F(PagesTest, LaminatorWriteNeverSendsTheCassetteState) {
    auto& lm = data.image.LaminatorSetting;
    lm = {1, 2, 3, 4, 5, 0, 7, 8, 9, 10, 11};  // Byte7 = 0 must not go out
    ASSERT_EQ(pages.selectPage(kLaminatorPage), 0);
    const Bytes r = link.commands.lastSelect(kLaminatorPage);
    ASSERT_EQ(r.size(), 24u);
    EXPECT_EQ(r[1], 22);
    EXPECT_EQ((Bytes{r.begin() + 2, r.begin() + 7}), (Bytes{1, 2, 3, 4, 5}));
    EXPECT_EQ(r[8], 7);
    EXPECT_EQ(r[9], 8);
    EXPECT_EQ(r[14], 9);
    EXPECT_EQ(r[16], 11);
    expectUnchangedAt(r, {7, 10, 11, 12, 13, 17, 18, 19, 20, 21, 22, 23});
}

TEST_F(PagesTest, NetworkReadThenWriteSendsTheShortNameAndItsZero) {
    data.image.NetworkSetting.Name.fill('Z');
    link.commands.modePages[kNetworkPage] = senseReply(kNetworkPage, {{2, 10},
                                                                      {13, 1},
                                                                      {17, 'A'},
                                                                      {18, 'B'},
                                                                      {19, 'C'},
                                                                      {20, 0},
                                                                      {27, 0x33},
                                                                      {28, 0x44},
                                                                      {29, 1},
                                                                      {30, 0},
                                                                      {31, 0xFE},
                                                                      {62, 0x05}});
    ASSERT_EQ(pages.sensePage(kNetworkPage), 0);
    ASSERT_EQ(pages.selectPage(kNetworkPage), 0);

    const Bytes r = link.commands.lastSelect(kNetworkPage);
    ASSERT_EQ(r.size(), 80u);
    EXPECT_EQ(r[0], 0x2D);
    EXPECT_EQ(r[1], 78);
    EXPECT_EQ(r[2], 10);
    EXPECT_EQ(r[13], 1);
    EXPECT_EQ((Bytes{r.begin() + 17, r.begin() + 21}), (Bytes{'A', 'B', 'C', 0}));
    expectUnchangedAt(r, {21, 22, 23, 24, 25, 26});
    EXPECT_EQ(r[27], 0x33);  // stored only, written back as read
    expectUnchangedAt(r, {28});
    EXPECT_EQ(r[29], 1);
    EXPECT_EQ(r[30], 0);
    EXPECT_EQ(r[31], 0xFE);
    EXPECT_EQ(r[62], 0x05);
    for (int i = 63; i < 80; ++i) EXPECT_EQ(r[i], 0xFF) << i;
}

TEST_F(PagesTest, LaminatorRoundTripSendsBackWhatWasRead) {
    link.commands.modePages[kLaminatorPage] = senseReply(kLaminatorPage, {{2, 1},
                                                                          {3, 2},
                                                                          {4, 3},
                                                                          {5, 4},
                                                                          {6, 5},
                                                                          {7, 6},
                                                                          {8, 7},
                                                                          {9, 8},
                                                                          {14, 9},
                                                                          {15, 10},
                                                                          {16, 11}});
    ASSERT_EQ(pages.sensePage(kLaminatorPage), 0);
    data.image.LaminatorSetting.Byte5 = 40;
    ASSERT_EQ(pages.selectPage(kLaminatorPage), 0);
    EXPECT_EQ(link.commands.lastSelect(kLaminatorPage),
              (Bytes{0x2C, 22,   1, 2,  3,  40,   5,    0xFF, 7,    8,    0xFF, 0xFF,
                     0xFF, 0xFF, 9, 10, 11, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
}

TEST_F(PagesTest, SelectRetriesTransientResultsWhateverTheBusyFlag) {
    link.state.retryWhenBusy = false;
    link.commands.results.always("KQCMD_ModeSelect", 2);
    EXPECT_EQ(pages.selectPage(kMagneticPage), 2);
    EXPECT_EQ(link.commands.count("KQCMD_ModeSelect"), 3);
    EXPECT_EQ(link.loop.now(), 2000);

    link.commands.clear();
    link.commands.results.always("KQCMD_ModeSelect", 0);
    link.commands.results.push("KQCMD_ModeSelect", {1});
    EXPECT_EQ(pages.selectPage(kMagneticPage), 0);
    EXPECT_EQ(link.commands.count("KQCMD_ModeSelect"), 2);
    EXPECT_EQ(link.loop.now(), 3000);
}

// Whatever runs while the one-second pause lets events through (an edit of
// the image, another printer selected, another page read into its own
// buffer), each retry sends the first attempt's bytes to its printer.
TEST_F(PagesTest, RetriesResendTheFirstAttemptsBytesToTheFirstAttemptsPrinter) {
    data.image.MagneticSetting = {1, 0, 3};
    link.commands.modePages[kLaminatorPage] = senseReply(kLaminatorPage, {{2, 0x44}}, 24);
    link.commands.results.push("KQCMD_ModeSelect", {1, 1});
    ui::Timer meanwhile{"Meanwhile"};
    link.loop.attach(meanwhile);
    meanwhile.onTick = [&] {
        data.image.MagneticSetting = {9, 9, 9};
        link.state.selected.slot = 7;
        link.state.selected.scsiId = 8;
        pages.sensePage(kLaminatorPage);
        link.state.selected.slot = 3;  // the fake answers the read only as printer 3/5
        link.state.selected.scsiId = 5;
        pages.sensePage(kLaminatorPage);
        link.state.selected.slot = 7;
    };
    meanwhile.setInterval(500);
    meanwhile.setEnabled(true);

    EXPECT_EQ(pages.selectPage(kMagneticPage), 0);
    meanwhile.setEnabled(false);
    const auto selects = link.commands.callsTo("KQCMD_ModeSelect");
    ASSERT_EQ(selects.size(), 3u);
    for (const auto& call : selects) {
        EXPECT_EQ(call.args, (std::vector<std::int64_t>{3, 5, 1, kMagneticPage}));
        EXPECT_EQ(call.bytes, (Bytes{0x2A, 8, 1, 0, 0xFF, 0xFF, 0xFF, 3, 0xFF, 0xFF}));
    }
    EXPECT_GE(link.commands.count("KQCMD_ModeSense"), 4);  // a read in each pause
}

// Each pause waits a whole second of its own; one that starts under another
// neither cuts the outer one short nor is cut short by it.
TEST_F(PagesTest, ANestedPauseWaitsItsOwnSecondAndTheOuterOneNoLess) {
    ui::Timer meanwhile{"Meanwhile"};
    link.loop.attach(meanwhile);
    std::int64_t innerStart = -1, innerEnd = -1;
    meanwhile.onTick = [&] {
        meanwhile.setEnabled(false);
        innerStart = link.loop.now();
        link.channel.pause();
        innerEnd = link.loop.now();
    };
    meanwhile.setInterval(400);
    meanwhile.setEnabled(true);
    link.channel.pause();
    EXPECT_EQ(innerStart, 400);
    EXPECT_EQ(innerEnd, 1400);
    EXPECT_GE(link.loop.now(), 1000);
    EXPECT_FALSE(link.state.pauseActive);
    EXPECT_EQ(link.state.waitingOperations, 0);
}

TEST_F(PagesTest, FailedSelectLeavesTheImageAsEdited) {
    data.image.PrintCondition.Byte41 = 77;
    const auto image = data.image;
    link.commands.results.push("KQCMD_ModeSelect", {-0x09000010});
    EXPECT_EQ(pages.selectPage(kPrintConditionPage), -0x09000010);
    EXPECT_EQ(link.commands.count("KQCMD_ModeSelect"), 1);
    EXPECT_EQ(data.image, image);
}

TEST_F(PagesTest, ReadOnlyAndUnknownPagesAreNeverWritten) {
    EXPECT_EQ(pages.selectPage(kMediaInfoPage), 0);
    EXPECT_EQ(pages.selectPage(0x31), 0);
    EXPECT_EQ(link.commands.count("KQCMD_ModeSelect"), 0);
}

}  // namespace
}  // namespace orvan::test
