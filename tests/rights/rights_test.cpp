// Which functions are open to whom, and the administrators dialog that grants
// them through the configuration file.
#include "shell/rights.h"

#include <gtest/gtest.h>

#include "profile/scratch_dir.h"
#include "shell/configuration.h"
#include "ui/virtual_clock.h"

namespace orvan::shell {
namespace {

using orvan::testing::ScratchDir;

std::vector<std::size_t> openIndexes(const UserRights& rights, bool admin) {
    std::vector<std::size_t> open;
    for (std::size_t i = 0; i < kUserRightCount; ++i)
        if (IsOpen(rights, admin, i)) open.push_back(i);
    return open;
}

class RightsTest : public ::testing::Test {
  protected:
    ScratchDir dir;
    std::string file = dir.file("OrvanStatusMonitor.ini");
    Configuration config{file};
    Profile raw{file};

    std::string userTab() const { return raw.readString("ADMIN", "USERTAB", "<absent>", 255); }
};

using IsOpenForUser = RightsTest;

TEST_F(IsOpenForUser, NonAdministratorGetsOnlyTheGrantedAdministratorEverything) {
    ScratchDir::write(file, "[ADMIN]\nUSERTAB=14\n");
    const UserRights rights = config.LoadUserRights();
    EXPECT_EQ(openIndexes(rights, false), (std::vector<std::size_t>{1, 4}));
    EXPECT_FALSE(IsOpen(rights, false, kUserRightCount));  // no flag, nothing opened
    EXPECT_EQ(openIndexes(rights, true).size(), kUserRightCount);
}

using AdminDialog = RightsTest;

TEST_F(AdminDialog, OpensWithTheBoxesOfTheGrantedFlagsChecked) {
    UserRights rights;
    rights.flags[2] = rights.flags[9] = true;
    AdminForm dialog(rights, {});
    ui::VirtualClockLoop loop;
    std::vector<std::size_t> checked;
    loop.onIdle = [&] {
        for (std::size_t i = 0; i < kUserRightCount; ++i)
            if (dialog.Check1[i] && dialog.Check1[i]->checked()) checked.push_back(i);
        dialog.Cmd1[1].click();
    };
    dialog.open(loop);
    EXPECT_EQ(checked, (std::vector<std::size_t>{2, 9}));
    EXPECT_FALSE(dialog.form.visible());
}

TEST_F(AdminDialog, UpdateSavesTheCheckedFunctionsAndClearsFiveAndSix) {
    ScratchDir::write(file, "[ADMIN]\nUSERTAB=56\n");  // edited by hand
    UserRights rights = config.LoadUserRights();
    AdminForm dialog(rights, [this](const UserRights& r) { config.SaveUserRights(r); });
    ui::VirtualClockLoop loop;
    loop.onIdle = [&] {
        for (std::size_t i : {0, 2, 11}) dialog.Check1[i]->setChecked(true);
        dialog.Cmd1[0].click();
    };
    dialog.open(loop);
    EXPECT_FALSE(dialog.form.visible());
    EXPECT_EQ(userTab(), "02B");
    EXPECT_EQ(openIndexes(rights, false), (std::vector<std::size_t>{0, 2, 11}));
}

TEST_F(AdminDialog, UpdateWithNothingCheckedRemovesTheKey) {
    ScratchDir::write(file, "[ADMIN]\nUSERTAB=4\n");
    UserRights rights = config.LoadUserRights();
    AdminForm dialog(rights, [this](const UserRights& r) { config.SaveUserRights(r); });
    ui::VirtualClockLoop loop;
    loop.onIdle = [&] {
        dialog.Check1[4]->setChecked(false);
        dialog.Cmd1[0].click();
    };
    dialog.open(loop);
    EXPECT_EQ(userTab(), "<absent>");
    EXPECT_EQ(rights, UserRights{});
}

TEST_F(AdminDialog, CloseAndTheCloseBoxSaveNothing) {
    ScratchDir::write(file, "[ADMIN]\nUSERTAB=1\n");
    UserRights rights = config.LoadUserRights();
    int saves = 0;
    AdminForm dialog(rights, [&](const UserRights&) { ++saves; });
    ui::VirtualClockLoop loop;
    loop.onIdle = [&] {
        dialog.Check1[3]->setChecked(true);
        dialog.Cmd1[1].click();
    };
    dialog.open(loop);
    loop.onIdle = [&] {
        dialog.Check1[8]->setChecked(true);
        dialog.form.requestClose();
    };
    dialog.open(loop);
    EXPECT_EQ(saves, 0);
    EXPECT_EQ(openIndexes(rights, false), (std::vector<std::size_t>{1}));
    EXPECT_EQ(userTab(), "1");
}

}  // namespace
}  // namespace orvan::shell
