// The "Others" tab: what the test print and the firmware download send to
// the printer and say to the user, the name check before a download, the
// attempts after busy answers, and who sees which group.
#include <gtest/gtest.h>

#include <filesystem>

#include "maintenance/firmware_name.h"
#include "others_rig.h"

namespace orvan::testing {
namespace {

using maintenance::TestSides;
using ui::Answer;
using ui::Buttons;
using ui::Icon;
using Args = std::vector<std::int64_t>;

constexpr const char* kBusyText = "Printer is on Printing. Command could not be accepted.";

TEST(OthersTab, TestPrintSendsSevenForOneSideAndTwentyThreeForBoth) {
    OthersRig rig;
    rig.print(TestSides::One);
    EXPECT_EQ(rig.world.lastCall("KQCMD_SendDiagnostic")->args, (Args{0, 0, 1, 7, 1}));
    ASSERT_EQ(rig.boxes.shown().size(), 1u);  // the question; success says nothing
    EXPECT_EQ(rig.lastBox().text, "Would you like to start Test Print?");
    EXPECT_EQ(rig.lastBox().icon, Icon::Question);
    EXPECT_EQ(rig.lastBox().buttons, Buttons::OkCancel);

    rig.print(TestSides::Both);
    EXPECT_EQ(rig.world.lastCall("KQCMD_SendDiagnostic")->args, (Args{0, 0, 1, 23, 1}));
    EXPECT_EQ(rig.world.usb(0).lastTestPrint()->result, 0);

    // Cancel, or no side chosen, sends nothing.
    rig.boxes.answerNext(Answer::Cancel);
    rig.tab.button(maintenance::PrintButton).click();
    rig.tab.Opt6[1].setValue(false);
    rig.boxes.answerNext(Answer::Ok);
    rig.tab.button(maintenance::PrintButton).click();
    EXPECT_EQ(rig.world.countCalls("KQCMD_SendDiagnostic"), 2);
}

TEST(OthersTab, BusyAnswersGetThreeAttemptsOneSecondApartThenTheFailureText) {
    OthersRig rig;
    rig.world.usb(0).setMaintenanceBusyFor(3);
    const auto start = rig.loop.now();
    rig.print(TestSides::Both);
    EXPECT_EQ(rig.world.countCalls("KQCMD_SendDiagnostic"), 3);
    EXPECT_EQ(rig.loop.now() - start, 2000);
    EXPECT_EQ(rig.lastBox().text,
              std::string("It fails to start Test Print.\rDetails:") + kBusyText);
    EXPECT_EQ(rig.lastBox().icon, Icon::Warning);

    // An error ends the attempts at once.
    rig.world.clearCalls();
    rig.world.usb(0).setPrinterError(-0x0102D000);
    const auto before = rig.loop.now();
    rig.print(TestSides::One);
    EXPECT_EQ(rig.world.countCalls("KQCMD_SendDiagnostic"), 1);
    EXPECT_EQ(rig.loop.now(), before);
    EXPECT_EQ(rig.lastBox().text,
              "It fails to start Test Print.\rDetails:No Card. (Cards have run out.) Replenish "
              "the cards.");

    // The firmware download keeps to the same rule.
    rig.world.clearCalls();
    rig.world.usb(0).setMaintenanceBusyFor(3);
    rig.download(rig.dir.file("A100.PRF"));
    EXPECT_EQ(rig.world.countCalls("KQCMD_UpdateFirmware"), 3);
    EXPECT_EQ(rig.lastBox().text,
              std::string("It fails to update Printer Firmware.\rDetails:") + kBusyText);
}

TEST(OthersTab, FirmwareNameNeedsThreeCharactersAfterItsLastDotAndAnExistingFile) {
    OthersRig rig;
    const std::string dir = rig.dir.path().string();
    ScratchDir::write(rig.dir.file("fw.BIN"), "x");
    ScratchDir::write(rig.dir.file("fw.PRFX"), "x");
    std::filesystem::create_directory(rig.dir.file("folder.PRF"));
    std::filesystem::create_directory(rig.dir.file("fw.v"));
    ScratchDir::write(rig.dir.file("fw.v/1"), "x");
    struct Case {
        std::string typed;
        std::string box;  // empty: the file went to the printer
        Icon icon;
        Buttons buttons;
    };
    const Case cases[] = {
        {"  " + dir + "/fw.BIN ", "", Icon::Information, Buttons::Ok},  // outside the pattern
        {dir + "/fw.PRFX", "File name is invalid.", Icon::Error, Buttons::Ok},
        {dir + "/fw.v/1", "File name is invalid.", Icon::Error, Buttons::Ok},  // no dot of its own
        {"", "File is not specified.", Icon::Error, Buttons::CancelTryAgainContinue},
        {"   ", "File is not specified.", Icon::Error, Buttons::CancelTryAgainContinue},
        {dir + "/missing.PRF", "File is not found.", Icon::Question, Buttons::Ok},
        {dir + "/folder.PRF", "File is not found.", Icon::Question, Buttons::Ok},
    };
    rig.world.usb(0).setDownloadMode(true);
    for (const Case& c : cases) {
        rig.world.clearCalls();
        rig.boxes.clear();
        rig.tab.Text6.setText(c.typed);
        rig.boxes.answerNext(Answer::Ok);
        // Whatever is answered to "not specified", nothing more happens.
        if (c.buttons == Buttons::CancelTryAgainContinue) rig.boxes.answerNext(Answer::TryAgain);
        rig.tab.button(maintenance::StartButton).click();
        const bool sent = rig.world.countCalls("KQCMD_UpdateFirmware") == 1;
        EXPECT_EQ(sent, c.box.empty()) << c.typed;
        if (c.box.empty()) continue;
        ASSERT_EQ(rig.boxes.shown().size(), 2u) << c.typed;
        EXPECT_EQ(rig.lastBox().text, c.box) << c.typed;
        EXPECT_EQ(rig.lastBox().icon, c.icon) << c.typed;
        EXPECT_EQ(rig.lastBox().buttons, c.buttons) << c.typed;
    }
    // The blanks around a name are not part of it; characters count, not bytes.
    EXPECT_EQ(rig.world.usb(0).firmwareDownloads(), std::vector<std::string>{dir + "/fw.BIN"});
    EXPECT_EQ(maintenance::CheckFirmwareName("fw.\xC3\x84"
                                             "BC"),
              maintenance::FirmwareName::WithExtension);
    EXPECT_EQ(maintenance::CheckFirmwareName(".PRF"), maintenance::FirmwareName::WithExtension);
}

TEST(OthersTab, DownloadOutsideTheDownloadModeFailsInsideItTellsToRestartThePrinter) {
    OthersRig rig;
    const std::string path = rig.dir.file("A100.PRF");
    std::vector<bool> pointer;
    rig.pointer.observe([&](ui::Control&, ui::Property) { pointer.push_back(rig.pointer.busy()); });
    rig.boxes.whileOpen = [&](const ui::ShownBox&) { EXPECT_FALSE(rig.pointer.busy()); };

    rig.download(path);
    EXPECT_EQ(rig.lastBox().text,
              "It fails to update Printer Firmware.\rDetails:The firmware cannot be downloaded. "
              "Set the printer to the Download mode.");
    EXPECT_EQ(rig.lastBox().icon, Icon::Warning);
    // The path travels whole, as the library reads it, to the printer chosen.
    const auto* call = rig.world.lastCall("KQCMD_UpdateFirmware");
    EXPECT_EQ(call->args, (Args{0, 0, 0}));
    EXPECT_EQ(std::string(call->bytes.begin(), call->bytes.end()), path);
    EXPECT_EQ(pointer, (std::vector<bool>{true, false}));

    rig.world.usb(0).setDownloadMode(true);
    rig.download(path);
    EXPECT_EQ(rig.lastBox().text,
              "Firmware was updated correctly.\rTurn off and on the printer power to run new "
              "firmware.");
    EXPECT_EQ(rig.lastBox().icon, Icon::Information);
    EXPECT_EQ(rig.world.usb(0).firmwareDownloads(), std::vector<std::string>{path});
}

TEST(OthersTab, GroupsFollowTheConnectionAndTheRights) {
    struct Case {
        bool administrator, testRight, firmwareRight, network;
        bool testShown, firmwareShown, administratorsShown;
    };
    const Case cases[] = {
        {true, false, false, false, true, true, true},
        {true, true, true, true, false, false, true},  // network: neither, even for them
        {false, true, false, false, true, false, false},
        {false, false, true, false, false, true, false},
        {false, true, true, true, false, false, false},
        {false, false, false, false, false, false, false},
    };
    for (const Case& c : cases) {
        OthersRig rig;
        rig.administrator = c.administrator;
        rig.granted[10] = c.testRight;
        rig.granted[11] = c.firmwareRight;
        if (c.network) rig.useNetwork();
        rig.tab.Opt6[1].setValue(true);
        rig.tab.fill();
        auto& t = rig.tab;
        auto expectShown = [](std::initializer_list<const ui::Control*> group, bool shown) {
            for (const ui::Control* control : group)
                EXPECT_EQ(control->visible(), shown) << control->name();
        };
        expectShown({&t.frame(maintenance::TestPrintFrame), &t.Opt6[0], &t.Opt6[1],
                     &t.button(maintenance::PrintButton)},
                    c.testShown);
        expectShown({&t.frame(maintenance::FirmwareFrame), &t.frame(maintenance::FolderClipFrame),
                     &t.Drive6, &t.Dir6, &t.File6, &t.HScroll6, &t.Text6,
                     &t.button(maintenance::StartButton)},
                    c.firmwareShown);
        EXPECT_EQ(t.frame(maintenance::AdministratorsFrame).visible(), c.administratorsShown);
        EXPECT_EQ(t.button(maintenance::AdministratorsButton).visible(), c.administratorsShown);
        EXPECT_TRUE(t.Opt6[0].value());  // every refresh chooses "Single Side"
        EXPECT_TRUE(t.Label6_2[0].visible());
    }
}

TEST(OthersTab, EveryButtonNeedsAListedPrinterAndOnlyAUsbPrinterTakesTheCommands) {
    OthersRig rig;
    rig.state.printerCount = 0;
    for (int button :
         {maintenance::PrintButton, maintenance::StartButton, maintenance::AdministratorsButton}) {
        rig.boxes.clear();
        rig.tab.button(button).click();
        ASSERT_EQ(rig.boxes.shown().size(), 1u);
        EXPECT_EQ(rig.lastBox().text, "Printer is not found.");
        EXPECT_EQ(rig.lastBox().icon, Icon::Warning);
    }
    EXPECT_EQ(rig.adminDialogs, 0);
    rig.useUsb();
    rig.tab.button(maintenance::AdministratorsButton).click();
    EXPECT_EQ(rig.adminDialogs, 1);

    // The monitor moved to a network printer while the groups were up: the
    // groups go, and nothing is sent or asked.
    rig.useNetwork();
    rig.boxes.clear();
    rig.tab.button(maintenance::PrintButton).click();
    rig.tab.button(maintenance::StartButton).click();
    EXPECT_TRUE(rig.boxes.shown().empty());
    EXPECT_FALSE(rig.tab.button(maintenance::PrintButton).visible());
    EXPECT_FALSE(rig.tab.button(maintenance::StartButton).visible());
    EXPECT_EQ(rig.world.countCalls("KQCMD_SendDiagnostic"), 0);
    EXPECT_EQ(rig.world.countCalls("KQCMD_UpdateFirmware"), 0);
}

TEST(OthersTab, ButtonsAreIgnoredWhileACommandPauses) {
    OthersRig rig;
    ui::Timer meanwhile{"Meanwhile"};
    rig.loop.attach(meanwhile);
    meanwhile.onTick = [&] {
        meanwhile.setEnabled(false);
        EXPECT_TRUE(rig.state.pauseActive);
        rig.tab.Text6.setText(rig.dir.file("A100.PRF"));
        rig.tab.button(maintenance::StartButton).click();
        rig.tab.button(maintenance::AdministratorsButton).click();
    };
    meanwhile.setInterval(500);
    meanwhile.setEnabled(true);
    rig.world.usb(0).setMaintenanceBusyFor(1);
    rig.print(TestSides::One);
    EXPECT_EQ(rig.world.countCalls("KQCMD_SendDiagnostic"), 2);
    EXPECT_EQ(rig.world.countCalls("KQCMD_UpdateFirmware"), 0);
    EXPECT_EQ(rig.adminDialogs, 0);
    EXPECT_EQ(rig.boxes.shown().size(), 1u);
    rig.loop.detach(meanwhile);
}

// The folder is read when the tab is first shown; later clicks on the tab
// keep where the user went, and only a new start reads the program folder.
TEST(OthersTab, ReadsTheProgramFolderOnFirstShowingOnly) {
    OthersRig rig;
    const std::string dir = rig.dir.path().string();
    std::filesystem::create_directory(rig.dir.file("sub"));
    rig.tab.setup();
    rig.tab.fill();  // the new start's first showing sees the new folder
    int sub = 0;
    while (sub < rig.tab.Dir6.count() && rig.tab.Dir6.rowPath(sub) != dir + "/sub") ++sub;
    ASSERT_LT(sub, rig.tab.Dir6.count());
    rig.tab.Dir6.setListIndex(sub);
    rig.tab.Dir6.doubleClick();
    ASSERT_EQ(rig.tab.Dir6.path(), dir + "/sub");
    rig.tab.fill();
    EXPECT_EQ(rig.tab.Dir6.path(), dir + "/sub");
    rig.tab.setup();
    rig.tab.fill();
    EXPECT_EQ(rig.tab.Dir6.path(), dir);
}

TEST(OthersTab, OpensOnTheProgramFolderAndShiftsTheFolderListSideways) {
    OthersRig rig;
    const std::string dir = rig.dir.path().string();
    EXPECT_EQ(rig.tab.Dir6.path(), dir);
    EXPECT_EQ(rig.tab.File6.pattern(), "*.PRF;*.CFG;*.TBL;*.LMF");
    EXPECT_EQ(rig.tab.File6.items(), (std::vector<std::string>{"A100.PRF", "B200.CFG"}));
    EXPECT_EQ(rig.tab.Text6.text(), dir + "/A100.PRF");
    EXPECT_EQ(rig.tab.HScroll6.min(), 0);
    EXPECT_EQ(rig.tab.HScroll6.max(), 10);

    // Value v moves the list 150 v twips left and widens it as much, so its
    // right edge stays where it was laid out (2550 twips wide).
    const std::pair<int, std::pair<int, int>> steps[] = {
        {0, {0, 2550}}, {10, {-1500, 4050}}, {4, {-600, 3150}}, {0, {0, 2550}}};
    for (const auto& [value, geometry] : steps) {
        rig.tab.HScroll6.setValue(value);
        EXPECT_EQ(rig.tab.Dir6.left(), geometry.first) << value;
        EXPECT_EQ(rig.tab.Dir6.width(), geometry.second) << value;
        EXPECT_EQ(rig.tab.Dir6.left() + rig.tab.Dir6.width(), 2550);
    }
    rig.tab.HScroll6.setValue(11);  // beyond the bar
    EXPECT_EQ(rig.tab.Dir6.left(), -1500);
}

}  // namespace
}  // namespace orvan::testing
