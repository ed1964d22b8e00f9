#pragma once
// Printer and laminator errors as freedesktop notifications
// (org.freedesktop.Notifications on the session bus). Sending never waits
// for the notification service: a desktop without one simply shows nothing.
// A notice names the program's desktop entry, belongs to the device-error
// category, replaces the last one of its device, and opening it (its
// default action) runs the notifier's onOpen.
#include <QDBusConnection>
#include <QObject>
#include <array>

#include "shell/desktop_notifications.h"

namespace orvan::qt {

class DBusNotifier : public QObject, public shell::DesktopNotifier {
    Q_OBJECT

  public:
    explicit DBusNotifier(QDBusConnection bus = QDBusConnection::sessionBus());
    void notify(const shell::Notice& notice) override;

  private slots:
    void actionInvoked(uint id, const QString& action);

  private:
    QDBusConnection bus_;
    // The id the service gave the last notice of each device (0: none).
    std::array<uint, 2> shown_{};
};

}  // namespace orvan::qt
