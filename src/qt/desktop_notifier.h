#pragma once
// Printer errors as freedesktop notifications (org.freedesktop.Notifications
// on the session bus). Sending never waits for the notification service: a
// desktop without one simply shows nothing.
#include <QDBusConnection>

#include "shell/desktop_notifications.h"

namespace orvan::qt {

class DBusNotifier : public shell::DesktopNotifier {
  public:
    explicit DBusNotifier(QDBusConnection bus = QDBusConnection::sessionBus());
    void notify(const shell::Notice& notice) override;

  private:
    QDBusConnection bus_;
};

}  // namespace orvan::qt
