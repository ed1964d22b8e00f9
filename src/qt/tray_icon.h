#pragma once
// The monitor's icon in the notification area: its gestures go to the
// monitor as the icon's messages, and its popup menu opens where the
// placement rules put it.
#include <QMenu>
#include <QPointer>
#include <QSystemTrayIcon>
#include <QTimer>
#include <array>
#include <functional>

#include "shell/tray_icon.h"

namespace orvan::qt {

// The program's own icon beside the program (the platform's computer icon
// if the file is missing), for the tray and the window.
inline constexpr const char* kProgramIconFile = "orvan-status-monitor.png";
QIcon programIcon();

// The tray's picture for a state: the printer icon of the icon theme (the
// program's own without one) with a dot in the state's colour.
QIcon stateIcon(status::Glance state);
QColor stateColour(status::Glance state);

class QtTrayIcon : public shell::TrayIcon {
  public:
    explicit QtTrayIcon(QObject* parent);
    void add() override;
    void remove() override;
    // In a notification area now: wanted, and a tray host is there.
    bool shown() override;
    // The icon's rectangle and the taskbar around it, in the coordinates of
    // the screen that shows it (where the pointer is when the tray host does
    // not tell where the icon is).
    shell::TrayGeometry geometry() override;
    void trackPopup(const shell::PopupPlacement& placement) override;
    void showState(status::Glance state, const std::string& tooltip) override;

    // The icon's gestures go to `mouse` as messages; `menu` is the popup.
    // `changed` runs when a notification area appears or goes (a tray host
    // may start after the program, as at login).
    void connectTo(std::function<void(int)> mouse, QMenu* menu, std::function<void()> changed = {});
    // The message of a gesture (kTrayDoubleClick, kTrayRightButton), 0 for
    // one the monitor does not handle.
    static int messageOf(QSystemTrayIcon::ActivationReason reason);

    QSystemTrayIcon& icon() { return icon_; }
    // Where the last popup opened, in global coordinates.
    QPoint lastPopupAt() const { return lastPopupAt_; }

  private:
    void watchTrayHost();

    QSystemTrayIcon icon_;
    QTimer watch_;
    bool wanted_ = false;
    bool available_ = false;
    std::function<void()> changed_;
    QPointer<QMenu> menu_;
    std::function<void(int)> mouse_;
    QPoint lastPopupAt_;
    // Each state's picture, drawn once: a picture drawn anew for every
    // change would pile up in Qt's pixmap cache of a monitor left running.
    std::array<QIcon, 5> stateIcons_;
    int shownState_ = -1;
};

}  // namespace orvan::qt
