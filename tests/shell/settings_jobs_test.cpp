// The settings jobs orvan-settings hands to the running monitor: carried out
// as one link operation, on the printer asked for, the watched one kept.
#include <gtest/gtest.h>

#include "settings_file/settings_request.h"
#include "shell_rig.h"
#include "support/scratch_state_home.h"

namespace orvan::testing {
namespace {

using settings_file::RunAnswer;
using settings_file::SettingsRequest;
using settings_file::Verb;

struct JobRig : ShellRig {
    ScratchStateHome stateHome;
    std::string file = dir.file("settings.json");
    JobRig() { EXPECT_TRUE(start()); }
    RunAnswer ask(Verb verb, const std::string& printer = "", bool all = false) {
        const SettingsRequest r{verb, file, printer, all, false, false};
        const auto answer = settings_file::decodeAnswer(
            monitor->answerSettingsRequest(settings_file::encodeRequest(r)));
        EXPECT_TRUE(answer);
        return answer.value_or(RunAnswer{});
    }
    int selects() const { return world.countCalls("KQCMD_ModeSelect"); }
};

TEST(SettingsJobs, TheMonitorSavesComparesAndAppliesOnTheWatchedPrinterAndSaysSo) {
    JobRig rig;
    RunAnswer saved = rig.ask(Verb::Save);
    ASSERT_EQ(saved.printers.size(), 1u);
    ScratchDir::write(rig.file, saved.printers[0].document);
    rig.world.usb(0).setPageByte(0x28, 41, 5);

    EXPECT_EQ(rig.ask(Verb::Diff).exit(), settings_file::kExitDiffers);
    EXPECT_EQ(rig.selects(), 0);
    const RunAnswer applied = rig.ask(Verb::Apply);
    EXPECT_EQ(applied.exit(), settings_file::kExitSame) << applied.printers[0].text;
    EXPECT_EQ(rig.world.usb(0).pageByte(0x28, 41), 3);
    EXPECT_EQ(rig.selects(), 1);
    EXPECT_EQ(rig.stateHome.backups(), 1);
    EXPECT_EQ(rig.main().DoneLine.caption(), "Settings file applied to USB:Unit1");
    EXPECT_EQ(rig.ask(Verb::Diff).exit(), settings_file::kExitSame);
}

TEST(SettingsJobs, AJobOnAnotherPrinterLeavesTheWatchedOneAsItWas) {
    JobRig rig;
    ScratchDir::write(rig.file, rig.ask(Verb::Save).printers.at(0).document);
    const auto watched = rig.state().selected;
    const auto image = rig.monitor->data().image;
    rig.world.network(0).setPageByte(0x28, 46, 7);

    const RunAnswer applied = rig.ask(Verb::Apply, "NET:ORVAN02");
    ASSERT_EQ(applied.printers.size(), 1u);
    EXPECT_EQ(applied.printers[0].printer, "NET:ORVAN02");
    EXPECT_EQ(rig.world.network(0).pageByte(0x28, 46), 2);
    EXPECT_EQ(rig.state().selected.name, watched.name);
    EXPECT_EQ(rig.state().selected.connection, watched.connection);
    EXPECT_EQ(rig.monitor->data().image, image);

    // --all: the watched printer too, whose new settings stay on screen.
    rig.world.usb(0).setPageByte(0x28, 41, 5);
    rig.world.network(0).setPageByte(0x28, 41, 5);
    EXPECT_EQ(rig.ask(Verb::Apply, "", true).printers.size(), 2u);
    EXPECT_EQ(rig.world.network(0).pageByte(0x28, 41), 3);
    EXPECT_EQ(rig.monitor->data().image.PrintCondition.Byte41, 3);
    EXPECT_EQ(rig.state().selected.name, watched.name);
    EXPECT_EQ(rig.ask(Verb::Diff, "USB:Unit9").problem, "no such printer: USB:Unit9");
}

TEST(SettingsJobs, NothingStartsWhileAnotherOperationHoldsTheLinkOrTheFileIsRefused) {
    JobRig rig;
    ScratchDir::write(rig.file, rig.ask(Verb::Save).printers.at(0).document);
    rig.world.usb(0).setPageByte(0x28, 41, 5);
    {
        const link::WaitingForEvents question(rig.state());
        EXPECT_EQ(rig.ask(Verb::Apply).problem, settings_file::kMonitorBusy);
    }
    ScratchDir::write(rig.file, R"({"schema": "orvan-settings", "version": 2, "settings": {}})");
    EXPECT_NE(rig.ask(Verb::Apply).problem.find("another version"), std::string::npos);
    EXPECT_EQ(rig.selects(), 0);
    EXPECT_EQ(rig.stateHome.backups(), 0);
    EXPECT_EQ(rig.world.usb(0).pageByte(0x28, 41), 5);
}

}  // namespace
}  // namespace orvan::testing
