#pragma once
// The monitor's icon in the notification area.
#include <QSystemTrayIcon>

#include "shell/monitor.h"

namespace orvan::qt {

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
