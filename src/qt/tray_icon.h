#pragma once
// The monitor's icon in the notification area.
#include <QSystemTrayIcon>

#include "shell/monitor.h"

namespace orvan::qt {

// The program's own icon beside the program (the platform's computer icon
// if the file is missing), for the tray and the window.
inline constexpr const char* kProgramIconFile = "orvan-status-monitor.png";
QIcon programIcon();

class QtTrayIcon : public shell::TrayIcon {
  public:
    explicit QtTrayIcon(QObject* parent);
    void add() override;
    void remove() override;
    QSystemTrayIcon& icon() { return icon_; }

  private:
    QSystemTrayIcon icon_;
};

}  // namespace orvan::qt
