#include "qt/desktop_notifier.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QGuiApplication>
#include <QString>
#include <QStringList>
#include <QVariantMap>

namespace orvan::qt {
namespace {

constexpr const char* kService = "org.freedesktop.Notifications";
constexpr const char* kPath = "/org/freedesktop/Notifications";
constexpr const char* kInterface = "org.freedesktop.Notifications";
constexpr const char* kAppName = "Orvan Card Printer  Status Monitor";
constexpr const char* kIcon = "printer-error";
constexpr const char* kDefaultAction = "default";
// The desktop entry when the program did not name its own.
constexpr const char* kDesktopEntry = "orvan-status-monitor";

QString desktopEntry() {
    const QString named = QGuiApplication::desktopFileName();
    return named.isEmpty() ? QString(kDesktopEntry) : named;
}

}  // namespace

DBusNotifier::DBusNotifier(QDBusConnection bus) : bus_(std::move(bus)) {
    bus_.connect(kService, kPath, kInterface, "ActionInvoked", this,
                 SLOT(actionInvoked(uint, QString)));
}

void DBusNotifier::notify(const shell::Notice& notice) {
    const auto slot = static_cast<std::size_t>(notice.source);
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kInterface, "Notify");
    QVariantMap hints;
    hints.insert("urgency", QVariant::fromValue<uchar>(2));  // critical
    hints.insert("category", QStringLiteral("device.error"));
    hints.insert("desktop-entry", desktopEntry());
    call << QString(kAppName) << shown_[slot] << QString(kIcon)
         << QString::fromStdString(notice.summary) << QString::fromStdString(notice.body)
         << QStringList{kDefaultAction, QStringLiteral("Open")} << hints << -1;
    auto* watcher = new QDBusPendingCallWatcher(bus_.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, slot](QDBusPendingCallWatcher* finished) {
                const QDBusPendingReply<uint> reply = *finished;
                if (reply.isValid()) shown_[slot] = reply.value();
                finished->deleteLater();
            });
}

void DBusNotifier::actionInvoked(uint id, const QString& action) {
    const bool ours = id != 0 && (id == shown_[0] || id == shown_[1]);
    if (ours && action == QLatin1String(kDefaultAction) && onOpen) onOpen();
}

}  // namespace orvan::qt
