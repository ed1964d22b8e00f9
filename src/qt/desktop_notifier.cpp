#include "qt/desktop_notifier.h"

#include <QDBusMessage>
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

}  // namespace

DBusNotifier::DBusNotifier(QDBusConnection bus) : bus_(std::move(bus)) {}

void DBusNotifier::notify(const shell::Notice& notice) {
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kInterface, "Notify");
    QVariantMap hints;
    hints.insert("urgency", QVariant::fromValue<uchar>(2));  // critical
    call << QString(kAppName) << 0u << QString(kIcon) << QString::fromStdString(notice.summary)
         << QString::fromStdString(notice.body) << QStringList() << hints << -1;
    bus_.send(call);
}

}  // namespace orvan::qt
