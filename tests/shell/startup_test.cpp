// Start-up checks, the command line, the error rule of loading and the three
// ways the program ends.
#include <gtest/gtest.h>

#include <cstdlib>

#include "shell_rig.h"

namespace orvan::testing {
namespace {

using ui::Answer;
using ui::Icon;

TEST(StartUp, WithoutEitherLibraryTheProgramEndsWithAnError) {
    ShellRig rig;
    rig.platform.files.clear();
    EXPECT_FALSE(rig.start());
    ASSERT_EQ(rig.boxes.shown().size(), 1u);
    EXPECT_EQ(rig.boxes.shown()[0].text,
              "LNKCMD.dll and LNKSET.dll is not found. Status Monitor ends.");
    EXPECT_EQ(rig.boxes.shown()[0].icon, Icon::Error);
    EXPECT_TRUE(rig.monitor->ended());
}

TEST(StartUp, OnlyTheSettingsLibraryListsOnlyNetworkPrinters) {
    ShellRig rig;
    rig.platform.files = {"/current/libLNKSET.so"};
    ASSERT_TRUE(rig.start());
    EXPECT_FALSE(rig.probe().startFlags().hasCommandLibrary);
    ASSERT_GT(rig.combos().Combo0.count(), 0);
    for (const auto& item : rig.combos().Combo0.items())
        EXPECT_EQ(item.rfind("NET:", 0), 0u) << item;
    EXPECT_EQ(rig.world.countCalls("KQCMD_ScanPrinter"), 0);
}

TEST(StartUp, ANonAdministratorMustAcceptADisplayOnlyRun) {
    ShellRig cancelled;
    cancelled.platform.administrator = false;
    cancelled.boxes.answerNext(Answer::Cancel);
    EXPECT_FALSE(cancelled.start());
    EXPECT_EQ(cancelled.boxes.shown().at(0).icon, Icon::Question);

    ShellRig accepted;
    accepted.platform.administrator = false;
    accepted.boxes.answerNext(Answer::Ok);
    EXPECT_TRUE(accepted.start());
    EXPECT_FALSE(accepted.probe().startFlags().isAdministrator);
    EXPECT_FALSE(accepted.monitor->isOpen(1));
}

TEST(StartUp, TheWholeCommandLineChoosesTheStartModeIgnoringCase) {
    ShellRig hidden;
    ASSERT_TRUE(hidden.start("-S"));
    EXPECT_EQ(hidden.probe().startFlags().startMode, shell::StartMode::TrayOnly);
    EXPECT_FALSE(hidden.main().form.visible());
    EXPECT_TRUE(hidden.main().Menu1.visible());

    ShellRig select;
    ASSERT_TRUE(select.start("-i"));
    EXPECT_EQ(select.main().SSTab1.tab(), shell::PrinterSelectTab);
    EXPECT_TRUE(select.main().form.visible());

    ShellRig both;
    ASSERT_TRUE(both.start("-s -t"));
    EXPECT_EQ(both.probe().startFlags().startMode, shell::StartMode::Normal);
    EXPECT_TRUE(both.main().form.visible());
    EXPECT_FALSE(both.main().Menu1.visible());
}

// The running copy's window comes forward instead.
TEST(StartUp, ASecondCopyEndsSilentlyUnlessAllowedByDashT) {
    ShellRig second;
    second.platform.lockFree = false;
    EXPECT_FALSE(second.start(""));
    EXPECT_TRUE(second.boxes.shown().empty());
    EXPECT_EQ(second.platform.forwardRequests, 1);

    ShellRig mixed;
    mixed.platform.lockFree = false;
    EXPECT_FALSE(mixed.start("-s -t"));  // "-s -t" is not "-t"

    ShellRig allowed;
    allowed.platform.lockFree = false;
    EXPECT_TRUE(allowed.start("-T"));
    EXPECT_EQ(allowed.probe().startFlags().startMode, shell::StartMode::Normal);
    EXPECT_EQ(allowed.platform.forwardRequests, 0);
}

// The real lock of the platform services, in a runtime directory of the
// test's own; everything else as scripted.
class LockingPlatform : public FakePlatform {
  public:
    bool acquireInstanceLock() override {
        ++lockAttempts;
        return lock.acquireInstanceLock();
    }
    shell::PosixPlatform lock{"orvan-test.lock"};
};

TEST(StartUp, ACopyAllowedByDashTStillHoldsTheLockForLaterStarts) {
    ScratchDir runtime;
    const char* saved = std::getenv("XDG_RUNTIME_DIR");
    const std::string before = saved ? saved : "";
    ::setenv("XDG_RUNTIME_DIR", runtime.path().c_str(), 1);
    auto startWith = [](ShellRig& rig, LockingPlatform& platform, const std::string& line) {
        rig.platformInUse = &platform;
        rig.rebuild();
        return rig.start(line);
    };

    LockingPlatform firstOs, plainOs, secondTOs;
    ShellRig first, plain, secondT;
    const bool firstRuns = startWith(first, firstOs, "-t");
    const bool plainRuns = startWith(plain, plainOs, "");
    const bool secondTRuns = startWith(secondT, secondTOs, "-T");
    if (saved)
        ::setenv("XDG_RUNTIME_DIR", before.c_str(), 1);
    else
        ::unsetenv("XDG_RUNTIME_DIR");

    EXPECT_TRUE(firstRuns);
    EXPECT_EQ(firstOs.lockAttempts, 1);
    EXPECT_FALSE(plainRuns);  // the "-t" copy holds the lock
    EXPECT_TRUE(plain.monitor->ended());
    EXPECT_TRUE(plain.boxes.shown().empty());
    EXPECT_TRUE(secondTRuns);  // only its own test is skipped
}

TEST(StartUp, LoadingSelectsTheRememberedPrinterIgnoringCase) {
    ShellRig rig;
    const std::string netName = [&] {
        ShellRig probe;
        probe.start();
        return probe.combos().Combo0.item(1);
    }();
    ASSERT_EQ(netName.rfind("NET:", 0), 0u);
    std::string lower = netName;
    for (auto& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    rig.writeIni("[PrinterSetting]\nprinter =  " + lower + " \n");
    ASSERT_TRUE(rig.start());
    EXPECT_EQ(rig.state().selected.connection, link::Connection::Network);
    EXPECT_EQ(rig.combos().Combo0.listIndex(), 1);
    EXPECT_EQ(rig.combos().Combo7_1.listIndex(), 1);
}

TEST(StartUp, AnAbsentRememberedPrinterLeavesTheFirstSelected) {
    ShellRig rig;
    rig.writeIni("[PRINTERSETTING]\nPRINTER=NET:GONE\n");
    ASSERT_TRUE(rig.start());
    EXPECT_EQ(rig.state().selected.connection, link::Connection::Usb);
    EXPECT_EQ(rig.combos().Combo0.listIndex(), 0);
}

TEST(StartUp, LoadingRunsTheFirstRefreshAndStartsTheMonitor) {
    ShellRig rig;
    ASSERT_TRUE(rig.start());
    EXPECT_EQ(rig.tray.added, 1);
    EXPECT_TRUE(rig.probe().trayIconShown());
    EXPECT_EQ(rig.redraws, 1);
    EXPECT_TRUE(rig.main().Timer1.enabled());
    EXPECT_EQ(rig.main().Timer1.interval(), 200);
    EXPECT_GE(rig.world.countCalls("KQCMD_StandardInquiry"), 1);
    EXPECT_FALSE(rig.state().retryWhenBusy);  // read-all clears it at the end
}

// A command library that vanished after the file check.
class VanishedCommands : public sim::SimCommandPort {
  public:
    using SimCommandPort::SimCommandPort;
    std::int32_t KQCMD_ScanPrinter(std::int32_t*, std::int32_t*) override {
        throw link::PortLibraryMissing("libLNKCMD.so");
    }
};

TEST(StartUp, AMissingPortLibraryDuringLoadEndsAtTheFirstActivation) {
    ShellRig rig;
    VanishedCommands vanished(rig.world);
    rig.monitor = std::make_unique<shell::Monitor>(
        shell::Environment{rig.loop, rig.boxes, rig.platform, vanished, rig.settings,
                           rig.dir.path().string(), rig.dir.file("OrvanStatusMonitor"), &rig.tray});
    ASSERT_TRUE(rig.monitor->initialise(""));
    rig.monitor->load();
    ASSERT_EQ(rig.boxes.shown().size(), 1u);
    EXPECT_EQ(rig.boxes.shown()[0].text, "KQ Port Manager is not found. Status Monitor ends.");
    EXPECT_EQ(rig.boxes.shown()[0].icon, Icon::Warning);
    EXPECT_FALSE(rig.main().Timer1.enabled());
    EXPECT_FALSE(rig.monitor->ended());
    EXPECT_TRUE(rig.monitor->activate());
    EXPECT_TRUE(rig.monitor->ended());
}

TEST(ShutDown, AClosedByTheSystemEndsAtOnceAndSavesNothing) {
    ShellRig rig;
    ASSERT_TRUE(rig.start());
    EXPECT_FALSE(rig.monitor->queryUnload(shell::UnloadMode::BySystem));
    EXPECT_TRUE(rig.monitor->ended());
    EXPECT_EQ(rig.tray.removed, 1);
    EXPECT_TRUE(rig.ini().empty());
    EXPECT_TRUE(rig.boxes.shown().empty());
}

TEST(ShutDown, NoToTheEndQuestionKeepsEverythingRunning) {
    ShellRig rig;
    ASSERT_TRUE(rig.start());
    rig.boxes.answerNext(Answer::No);
    EXPECT_TRUE(rig.monitor->queryUnload(shell::UnloadMode::UserClose));
    EXPECT_EQ(rig.boxes.shown().back().text, "Would you like to end Status Monitor?");
    EXPECT_FALSE(rig.monitor->ended());
    EXPECT_TRUE(rig.main().Timer1.enabled());
    EXPECT_EQ(rig.tray.removed, 0);
    EXPECT_TRUE(rig.ini().empty());
}

TEST(ShutDown, YesSavesTheSelectedPrinterAndTheAddressHistory) {
    ShellRig rig;
    rig.writeIni("[IPREGISTRY]\n5IPTABLE=4,10.0.0.7\n");
    ASSERT_TRUE(rig.start());
    rig.state().pauseActive = true;  // a command pause under the close stops waiting
    rig.boxes.answerNext(Answer::Yes);
    EXPECT_FALSE(rig.monitor->queryUnload(shell::UnloadMode::UserClose));
    EXPECT_TRUE(rig.monitor->ended());
    EXPECT_FALSE(rig.state().pauseActive);
    EXPECT_EQ(rig.tray.removed, 1);
    const std::string ini = rig.ini();
    EXPECT_NE(ini.find("PRINTER=USB:Unit1"), std::string::npos) << ini;
    EXPECT_NE(ini.find("SLOT="), std::string::npos);
    EXPECT_NE(ini.find("0IPTABLE=4,10.0.0.7"), std::string::npos) << ini;
    EXPECT_EQ(ini.find("5IPTABLE"), std::string::npos) << ini;
}

// One byte a character on the printer: "Caf\xE9" is the same text in the
// list, both combos, the status line and the configuration file, and is
// found there again at the next start.
TEST(ShutDown, ALatin1PrinterNameIsOneTextEverywhere) {
    ShellRig rig;
    rig.world.network(0).setPageText(0x2D, 17, 10, "Caf\xE9");
    ASSERT_TRUE(rig.start());
    const std::string name = "NET:Caf\u00E9";
    EXPECT_EQ(rig.combos().Combo0.item(1), name);
    EXPECT_EQ(rig.combos().Combo7_1.item(1), name);
    rig.combos().Combo0.setListIndex(1);
    EXPECT_EQ(rig.main().PrinterLine.caption(), "Printer: " + name);
    rig.boxes.answerNext(Answer::Yes);
    rig.monitor->queryUnload(shell::UnloadMode::UserClose);
    EXPECT_NE(rig.ini().find("PRINTER=" + name + "\n"), std::string::npos) << rig.ini();

    rig.rebuild();
    ASSERT_TRUE(rig.start());
    EXPECT_EQ(rig.state().selected.connection, link::Connection::Network);
    EXPECT_EQ(rig.state().selected.name, name);
}

// The preference may change after the list was built (the Printer Select
// tab switches it); the remembered address keeps the family it was found in.
TEST(ShutDown, YesSavesTheAddressInTheFamilyOfTheListItCameFrom) {
    ShellRig rig;
    rig.writeIni("[PRINTERSETTING]\nIPTYPE=4\n");
    ASSERT_TRUE(rig.start());
    rig.combos().Combo0.setListIndex(1);
    ASSERT_EQ(rig.state().selected.connection, link::Connection::Network);
    rig.state().preferIPv6 = true;
    rig.boxes.answerNext(Answer::Yes);
    EXPECT_FALSE(rig.monitor->queryUnload(shell::UnloadMode::UserClose));
    const std::string ini = rig.ini();
    EXPECT_NE(ini.find("IPTYPE=4"), std::string::npos) << ini;
    EXPECT_NE(ini.find("IPADDRESS=192.168.0.51"), std::string::npos) << ini;
}

}  // namespace
}  // namespace orvan::testing
