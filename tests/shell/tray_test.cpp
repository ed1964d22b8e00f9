// The tray icon: where its menu opens for each taskbar edge, which gestures
// it answers and when, and what each menu item brings back.
#include <gtest/gtest.h>

#include "shell_rig.h"

namespace orvan::testing {
namespace {

using shell::PopupPlacement;
using shell::Rect;
using shell::TrayGeometry;

constexpr int kScreenW = 1280, kScreenH = 900;
constexpr int kMenuW = 120, kMenuH = 80;

TEST(TrayPlacement, TheMenuOpensBesideTheNotificationAreaAtEachTaskbarEdge) {
    struct Case {
        const char* edge;
        Rect taskbar, area;
        PopupPlacement placement;
        shell::Point topLeft;  // of a 120 x 80 menu
    };
    const Case cases[] = {
        // Above the area, its right edge at the area's right edge.
        {"bottom",
         {0, 860, 1280, 900},
         {1100, 862, 1280, 898},
         {72, {1280, 898}, {1100, 862, 1280, 900}},
         {1160, 782}},
        // Below the taskbar.
        {"top",
         {0, 0, 1280, 40},
         {1100, 0, 1280, 40},
         {72, {1280, 0}, {1100, 0, 1280, 40}},
         {1160, 40}},
        {"right",
         {1200, 0, 1280, 900},
         {1200, 800, 1280, 900},
         {72, {1280, 900}, {1200, 800, 1280, 900}},
         {1160, 720}},
        {"left", {0, 0, 80, 900}, {0, 800, 80, 900}, {64, {0, 900}, {0, 800, 80, 900}}, {0, 720}},
    };
    for (const Case& c : cases) {
        const PopupPlacement placement =
            shell::PlacePopup(TrayGeometry{c.taskbar, c.area, kScreenW, kScreenH});
        EXPECT_EQ(placement, c.placement) << c.edge;
        EXPECT_EQ(shell::PopupTopLeft(placement, kMenuW, kMenuH, kScreenW, kScreenH), c.topLeft)
            << c.edge;
    }
    // A menu taller than the room above the area stays on the screen.
    const PopupPlacement bottom = cases[0].placement;
    EXPECT_EQ(shell::PopupTopLeft(bottom, kMenuW, 2000, kScreenW, kScreenH),
              (shell::Point{1160, 0}));
}

TEST(TrayPlacement, TheTaskbarIsWhatPanelsTakeElseTheEdgeNearestTheIcon) {
    const Rect screen{0, 0, kScreenW, kScreenH};
    // A panel that reserves its strip at the bottom.
    EXPECT_EQ(shell::TaskbarAround({1200, 872, 1224, 896}, screen, {0, 0, 1280, 868}),
              (Rect{0, 868, 1280, 900}));
    // Panels at the top and the bottom: the one that holds the icon.
    EXPECT_EQ(shell::TaskbarAround({20, 4, 44, 28}, screen, {0, 32, 1280, 868}),
              (Rect{0, 0, 1280, 32}));
    // Nothing reserved (a tray host without a window manager): the nearest edge.
    EXPECT_EQ(shell::TaskbarAround({1100, 872, 1124, 896}, screen, screen),
              (Rect{0, 872, 1280, 900}));
    EXPECT_EQ(shell::TaskbarAround({4, 400, 28, 424}, screen, screen), (Rect{0, 0, 28, 900}));
    // Which decides the edge the placement uses.
    const Rect bottom = shell::TaskbarAround({1100, 872, 1124, 896}, screen, screen);
    EXPECT_EQ(shell::PlacePopup({bottom, {1100, 872, 1124, 896}, kScreenW, kScreenH}).anchor,
              (shell::Point{1124, 896}));
}

struct TrayRig : ShellRig {
    TrayRig() {
        EXPECT_TRUE(start());
        tray.where = {{0, 860, 1280, 900}, {1100, 862, 1280, 898}, kScreenW, kScreenH};
        world.clearCalls();
    }
    void hide() { shell::minimize(main(), true); }
    bool shown() { return main().form.visible(); }
};

TEST(TrayGestures, AreIgnoredWhileTheWindowShowsAndWhileTheMenuIsUp) {
    TrayRig rig;
    rig.monitor->trayMouse(shell::kTrayDoubleClick);
    rig.monitor->trayMouse(shell::kTrayRightButton);
    EXPECT_EQ(rig.tray.popups, 0);
    EXPECT_TRUE(rig.world.calls().empty());

    rig.hide();
    int nested = 0;
    rig.tray.whileTracking = [&] {
        EXPECT_TRUE(rig.probe().trayMenuOpen());
        EXPECT_TRUE(rig.main().Menu1.visible());
        EXPECT_TRUE(rig.main().MenuItem[shell::MenuOpen].isDefault());
        if (nested++ > 0) return;
        rig.monitor->trayMouse(shell::kTrayRightButton);
        rig.monitor->trayMouse(shell::kTrayDoubleClick);
    };
    rig.monitor->trayMouse(shell::kTrayRightButton);
    EXPECT_EQ(rig.tray.popups, 1);
    EXPECT_EQ(rig.tray.placements[0], (PopupPlacement{72, {1280, 898}, {1100, 862, 1280, 900}}));
    // Dismissed without a choice: still hidden, the menu no longer up.
    EXPECT_FALSE(rig.probe().trayMenuOpen());
    EXPECT_FALSE(rig.shown());
    EXPECT_TRUE(rig.world.calls().empty());

    // Messages other than the two are nobody's business; so is a double
    // click while a command pauses.
    for (int other : {512, 513, 514, 517}) rig.monitor->trayMouse(other);
    rig.state().pauseActive = true;
    rig.monitor->trayMouse(shell::kTrayDoubleClick);
    rig.state().pauseActive = false;
    EXPECT_FALSE(rig.shown());
    EXPECT_EQ(rig.tray.popups, 1);
    EXPECT_TRUE(rig.world.calls().empty());
}

TEST(TrayGestures, DoubleClickAndOpenBringTheWindowBackOnAFreshStatusTab) {
    for (bool byMenu : {false, true}) {
        TrayRig rig;
        rig.main().SSTab1.setTab(shell::LaminatorTab);
        rig.hide();
        rig.world.clearCalls();
        rig.redraws = 0;
        rig.tray.whileTracking = [&] { rig.main().MenuItem[shell::MenuOpen].click(); };
        rig.monitor->trayMouse(byMenu ? shell::kTrayRightButton : shell::kTrayDoubleClick);
        EXPECT_TRUE(rig.shown()) << byMenu;
        EXPECT_FALSE(rig.main().Menu1.visible());
        EXPECT_EQ(rig.main().SSTab1.tab(), shell::StatusTab);
        EXPECT_GE(rig.world.countCalls("KQCMD_StandardInquiry"), 1);
        EXPECT_GE(rig.world.countCalls("KQCMD_GetPrinterStatus"), 1);
        EXPECT_GE(rig.world.countCalls("KQCMD_LogSense"), 1);  // the Status tab's pages
        EXPECT_GT(rig.redraws, 0);
    }
}

TEST(TrayGestures, VersionOpensTheOthersTabRefreshed) {
    for (int hiddenOn : {shell::StatusTab, shell::OthersTab}) {
        TrayRig rig;
        rig.main().SSTab1.setTab(hiddenOn);
        auto& others = rig.monitor->screens().others;
        others.Opt6[1].setValue(true);
        rig.hide();
        rig.tray.whileTracking = [&] { rig.main().MenuItem[shell::MenuVersion].click(); };
        rig.monitor->trayMouse(shell::kTrayRightButton);
        EXPECT_TRUE(rig.shown()) << hiddenOn;
        EXPECT_FALSE(rig.main().Menu1.visible());
        EXPECT_EQ(rig.main().SSTab1.tab(), shell::OthersTab);
        EXPECT_TRUE(others.Opt6[0].value()) << hiddenOn;  // the tab's refresh ran
    }
}

// The icon shows the watched printer at a glance, hidden window or not, and
// is told only what changed.
TEST(TrayState, FollowsTheWatchedPrinterAndIsToldOnlyChanges) {
    TrayRig rig;
    rig.hide();
    ASSERT_FALSE(rig.tray.states.empty());
    EXPECT_EQ(rig.tray.states.back(),
              std::make_pair(status::Glance::Ready, std::string("USB:Unit1\nReady\nReady")));
    const std::size_t told = rig.tray.states.size();
    rig.loop.advance(kCycleMs);
    EXPECT_EQ(rig.tray.states.size(), told);

    rig.world.usb(0).setPrinterError(-0x0142B200);
    rig.loop.advance(kCycleMs);
    ASSERT_EQ(rig.tray.states.size(), told + 1);
    EXPECT_EQ(rig.tray.states.back().first, status::Glance::Error);
    EXPECT_EQ(rig.tray.states.back().second.substr(0, 35), "USB:Unit1\nPrinter Error(0142B200) :");

    rig.world.setUsbAttached(0, false);
    rig.world.setNetworkAttached(0, false);
    rig.loop.advance(kCycleMs);
    rig.loop.advance(kCycleMs);
    EXPECT_EQ(rig.tray.states.back(),
              std::make_pair(status::Glance::NoPrinter, std::string("Printer is not found.")));
}

}  // namespace
}  // namespace orvan::testing
