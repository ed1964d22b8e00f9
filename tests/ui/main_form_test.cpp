// Rules of the main window's frame: its tabs by index, its menu and the
// "Minimize" button.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/main_form.h"

namespace orvan::shell {
namespace {

TEST(MainFrame, TabsCarryTheirCaptionsInIndexOrder) {
    MainForm main;
    const std::vector<std::string> expected = {
        "Printer Status", "Printer Setting", "Retransfer",     "Bend Remedy",   "Media Setting",
        "Property",       "Laminator",       "Printer Select", "Security Lock", "Others"};
    EXPECT_EQ(main.SSTab1.captions(), expected);
    EXPECT_EQ(expected[PrinterSelectTab], "Printer Select");
    EXPECT_EQ(expected[OthersTab], "Others");
}

// Into the tray when there is one; without one the window stays on the task
// bar, so it can never be lost.
TEST(MainFrame, MinimizeHidesIntoTheTrayOrElseMinimisesToTheTaskBar) {
    for (bool tray : {true, false}) {
        SCOPED_TRACE(tray ? "tray" : "no tray");
        MainForm main;
        main.form.setVisible(true);
        main.Menu1.setVisible(true);
        minimize(main, tray);
        EXPECT_EQ(main.form.visible(), !tray);
        EXPECT_EQ(main.form.minimized(), !tray);
        EXPECT_FALSE(main.form.seen());
        EXPECT_FALSE(main.Menu1.visible());
        main.form.bringForward();
        EXPECT_TRUE(main.form.seen());
    }
}

}  // namespace
}  // namespace orvan::shell
