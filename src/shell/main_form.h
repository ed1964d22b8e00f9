#pragma once
// The main window's own controls: the tab control, the "Minimize" button, the
// tray's popup menu, the hidden picture box that receives the tray icon's
// messages, the two window timers and the mouse pointer. Each tab's controls live with that
// tab's logic; this struct holds only the frame around them.
#include <array>
#include <string>

#include "ui/control_list.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "ui/screen_pointer.h"
#include "ui/timer.h"

namespace orvan::shell {

// Tab indexes of SSTab1, in caption order.
enum Tab : int {
    StatusTab = 0,
    PrinterSettingTab = 1,
    RetransferTab = 2,
    BendRemedyTab = 3,
    MediaSettingTab = 4,
    PropertyTab = 5,
    LaminatorTab = 6,
    PrinterSelectTab = 7,
    SecurityLockTab = 8,
    OthersTab = 9,
};
inline constexpr int kTabCount = 10;

// Indexes of the popup menu's items.
enum MenuEntry : int { MenuOpen = 0, MenuSeparator = 1, MenuVersion = 2, MenuHistory = 3 };
inline constexpr int kMenuItemCount = 4;

struct MainForm {
    MainForm();

    // The window's frame on screen. The tray's menu is built apart, and
    // Picture1 only stands for the tray icon's messages.
    ui::ControlList controls() { return {form, SSTab1, Cmdm, PrinterLine, DoneLine}; }

    ui::Form form{"MainForm"};
    ui::TabControl SSTab1{"SSTab1"};
    ui::Button Cmdm{"Cmdm"};
    // The status line at the foot of the window: the printer every tab and
    // dialog reads and writes.
    ui::Label PrinterLine{"PrinterLine"};
    // Beside it, for a few seconds: what a write did ("Settings written to
    // USB:Unit1"); a failure keeps its message box instead.
    ui::Label DoneLine{"DoneLine"};
    ui::Timer DoneTimer{"DoneTimer"};
    ui::Menu Menu1{"Menu1"};
    std::array<ui::MenuItem, kMenuItemCount> MenuItem{
        ui::MenuItem{"MenuItem[0]"}, ui::MenuItem{"MenuItem[1]"}, ui::MenuItem{"MenuItem[2]"},
        ui::MenuItem{"MenuItem[3]"}};
    ui::PictureBox Picture1{"Picture1"};
    ui::Timer Timer1{"Timer1"};
    ui::Timer Timer2{"Timer2"};
    // The mouse pointer over the whole window.
    ui::ScreenPointer Pointer{"Pointer"};
};

// Puts the window out of sight: hidden into the tray when there is one,
// else minimised to the task bar, so that it can always be found again.
void minimize(MainForm& main, bool trayShown);

// What the status line says about the watched printer.
std::string printerLineText(bool found, const std::string& name);

}  // namespace orvan::shell
