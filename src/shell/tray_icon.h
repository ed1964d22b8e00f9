#pragma once
// The notification-area icon as the monitor drives it, and the icon's
// messages it answers. Its own header, so that the Qt tray needs nothing else
// of the shell.
#include <string>

#include "shell/tray_placement.h"
#include "status/status_presentation.h"

namespace orvan::shell {

// The icon's messages the monitor handles (Monitor::trayMouse); others are
// ignored.
inline constexpr int kTrayDoubleClick = 515;
inline constexpr int kTrayRightButton = 516;

// The tray arrives with its own screen.
class TrayIcon {
  public:
    virtual ~TrayIcon() = default;
    virtual void add() = 0;
    virtual void remove() = 0;
    // Whether the icon is in a notification area now (a tray host may come
    // later than the program, or go).
    virtual bool shown() { return true; }
    // Where the icon and the taskbar are now.
    virtual TrayGeometry geometry() { return {}; }
    // Shows the popup menu (MainForm's Menu1) and returns once it has
    // closed; a chosen item has run its click by then.
    virtual void trackPopup(const PopupPlacement&) {}
    // The watched printer's state at a glance, and the tooltip: the
    // printer's name and its status lines (no name without a printer).
    virtual void showState(status::Glance, const std::string& /*tooltip*/) {}
};

}  // namespace orvan::shell
