// The Status tab's pictures come from the picture folder the program was
// given (an install's data folder), not from the program's own folder.
#include <gtest/gtest.h>

#include "shell_rig.h"

namespace orvan::testing {
namespace {

TEST(PictureFolder, TheStatusTabsPicturesComeFromIt) {
    ShellRig rig;
    rig.monitor = std::make_unique<shell::Monitor>(
        shell::Environment{.loop = rig.loop,
                           .boxes = rig.boxes,
                           .platform = rig.platform,
                           .commands = rig.commands,
                           .settings = rig.settings,
                           .programDirectory = rig.dir.path().string(),
                           .executablePath = rig.dir.file("OrvanStatusMonitor"),
                           .tray = &rig.tray,
                           .pictureDirectory = "/pictures"});
    ASSERT_TRUE(rig.start());
    const auto& tab = rig.monitor->statusTab();
    EXPECT_EQ(tab.Pic0[4].picture(), "/pictures/P_READY.gif");
    EXPECT_EQ(tab.WebBrowser1.picture().rfind("/pictures/", 0), 0u) << tab.WebBrowser1.picture();
}

}  // namespace
}  // namespace orvan::testing
