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

TEST(MainFrame, MinimizeHidesWindowAndMenu) {
    MainForm main;
    wireMinimize(main);
    main.form.setVisible(true);
    main.Menu1.setVisible(true);
    main.Cmdm.click();
    EXPECT_FALSE(main.form.visible());
    EXPECT_FALSE(main.Menu1.visible());
}

}  // namespace
}  // namespace orvan::shell
