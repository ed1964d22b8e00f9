// What the shell gives the "Others" tab: the administrators dialog, and the
// configuration files of an installed program, where the rights come only
// from the system file.
#include <gtest/gtest.h>

#include <filesystem>

#include "shell_rig.h"

namespace orvan::testing {
namespace {

TEST(OthersWiring, AdministratorsOpensTheModalDialogWhoseUpdateKeepsTheRights) {
    ShellRig rig;
    ASSERT_TRUE(rig.start());
    rig.main().SSTab1.setTab(shell::OthersTab);
    auto& others = rig.monitor->screens().others;
    ASSERT_TRUE(others.button(maintenance::AdministratorsButton).visible());
    shell::AdminForm& dialog = rig.monitor->adminForm();
    rig.main().Timer1.setEnabled(false);  // so the dialog's wait comes to the user at once
    int idles = 0;
    rig.loop.onIdle = [&] {
        ++idles;
        EXPECT_TRUE(dialog.form.visible());
        EXPECT_TRUE(dialog.form.modal());
        dialog.Check1[10]->setChecked(true);
        dialog.Cmd1[0].click();  // "Update"
    };
    others.button(maintenance::AdministratorsButton).click();
    EXPECT_EQ(idles, 1);
    EXPECT_FALSE(dialog.form.visible());
    EXPECT_TRUE(rig.monitor->rights().granted(shell::Right::TestPrint));
    EXPECT_NE(rig.ini().find("USERTAB=A"), std::string::npos) << rig.ini();
}

// An installed program: its folder holds the install's marker, the user's
// values live in his configuration folder, the rights in the system file.
struct InstalledRig : ShellRig {
    InstalledRig() {
        std::filesystem::create_directories(dir.path() / "program");
        std::filesystem::create_directories(dir.path() / "config");
        std::filesystem::create_directories(dir.path() / "etc");
        ScratchDir::write(program("OrvanStatusMonitor.installed"), "");
        monitor.reset();
        shell::Environment env{
            loop, boxes, platform, commands, settings, program(""), program("OrvanStatusMonitor"),
            &tray};
        env.configPlaces =
            shell::ConfigPlaces{true, (dir.path() / "config").string(), systemFile()};
        monitor = std::make_unique<shell::Monitor>(std::move(env));
    }
    std::string program(const std::string& name) const {
        return (dir.path() / "program" / name).string();
    }
    std::string userFile() const { return (dir.path() / "config/OrvanStatusMonitor.ini").string(); }
    std::string systemFile() const { return (dir.path() / "etc/OrvanStatusMonitor.ini").string(); }
};

TEST(OthersWiring, AnInstalledProgramIgnoresTheUsersOwnRightsAndKeepsHisValuesApart) {
    InstalledRig rig;
    rig.platform.administrator = false;
    // Every right in the user's own file; only "Printer Setting" granted by
    // an administrator.
    ScratchDir::write(rig.userFile(),
                      "[ADMIN]\nUSERTAB=0123456789AB\n[MEDIASETTING]\nCARDTYPE=4\n");
    ScratchDir::write(rig.systemFile(), "[ADMIN]\nUSERTAB=1\n");
    rig.boxes.answerNext(ui::Answer::Ok);  // display only
    ASSERT_TRUE(rig.start());
    EXPECT_EQ(rig.probe().startFlags().configFile, rig.userFile());
    EXPECT_TRUE(rig.monitor->isOpen(1));
    for (int right : {0, 2, 4, 7, 10, 11}) EXPECT_FALSE(rig.monitor->isOpen(right)) << right;
    EXPECT_EQ(rig.monitor->configuration().ReadCardType(), 4);

    rig.main().SSTab1.setTab(shell::OthersTab);
    auto& others = rig.monitor->screens().others;
    EXPECT_FALSE(others.button(maintenance::PrintButton).visible());
    EXPECT_FALSE(others.button(maintenance::StartButton).visible());
    EXPECT_FALSE(others.button(maintenance::AdministratorsButton).visible());

    // The watched printer is remembered in the user's file, never beside
    // the program.
    rig.boxes.answerNext(ui::Answer::Yes);
    EXPECT_FALSE(rig.monitor->queryUnload(shell::UnloadMode::UserClose));
    EXPECT_NE(ScratchDir::read(rig.userFile()).find("PRINTER=USB:Unit1"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(rig.program("OrvanStatusMonitor.ini")));
    EXPECT_EQ(ScratchDir::read(rig.systemFile()), "[ADMIN]\nUSERTAB=1\n");
}

}  // namespace
}  // namespace orvan::testing
