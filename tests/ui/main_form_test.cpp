// Rules of the main window's frame: where "Minimize" puts it.
#include <gtest/gtest.h>

#include "shell/main_form.h"

namespace orvan::shell {
namespace {

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
