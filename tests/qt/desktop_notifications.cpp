// Printer errors reach the desktop's notification service over a real
// session bus: a bus of the test's own (never the developer's), with a
// stand-in notification service on it that records what arrives.
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QProcess>
#include <QtTest>

#include "qt/desktop_notifier.h"
#include "simulated_monitor.h"

using namespace orvan;

namespace {

constexpr link::ResultCode kNoCard = -0x0102D000;
constexpr link::ResultCode kFilmBroken = -0x0103A100;

}  // namespace

class NotificationService : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

  public:
    QStringList summaries, bodies, apps;
    QList<uint> replaced;
    QList<QStringList> actions;
    QList<QVariantMap> hints;
    uint lastId = 0;

  public slots:
    uint Notify(const QString& app, uint replaces, const QString&, const QString& summary,
                const QString& body, const QStringList& acts, const QVariantMap& hint, int) {
        apps << app;
        summaries << summary;
        bodies << body;
        replaced << replaces;
        actions << acts;
        hints << hint;
        // As the service does: a replacement keeps the id it replaces.
        return replaces != 0 ? replaces : ++lastId;
    }
};

class DesktopNotificationsTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        bus_.start("dbus-daemon", {"--session", "--nofork", "--print-address=1"});
        QVERIFY(bus_.waitForStarted());
        while (!bus_.canReadLine()) QVERIFY(bus_.waitForReadyRead(5000));
        address_ = QString::fromUtf8(bus_.readLine()).trimmed();
        QVERIFY(!address_.isEmpty());
    }
    void cleanupTestCase() {
        QDBusConnection::disconnectFromBus("service");
        QDBusConnection::disconnectFromBus("monitor");
        bus_.kill();
        bus_.waitForFinished();
    }

    void oneNotificationPerErrorOnset() {
        QDBusConnection serviceBus = QDBusConnection::connectToBus(address_, "service");
        QVERIFY(serviceBus.isConnected());
        NotificationService service;
        QVERIFY(serviceBus.registerObject("/org/freedesktop/Notifications", &service,
                                          QDBusConnection::ExportAllSlots));
        QVERIFY(serviceBus.registerService("org.freedesktop.Notifications"));

        qt::DBusNotifier notifier(QDBusConnection::connectToBus(address_, "monitor"));
        rig::SimulatedMonitor sim("", &notifier);
        notifier.onOpen = [&sim] { sim.monitor.openFromNotification(); };
        QVERIFY(sim.start());
        auto& printer = sim.world.usb(0);
        auto cycles = [&sim](int n) {
            for (int i = 0; i < n; ++i) sim.runCycle();
        };

        printer.setPrinterError(kNoCard);
        cycles(5);  // the onset, then the error lasting
        QTRY_COMPARE(service.summaries.size(), 1);
        printer.setPrinterError(0);
        cycles(2);
        printer.setPrinterError(kNoCard);  // it comes back
        cycles(3);
        printer.setPrinterError(kFilmBroken);  // another takes its place
        cycles(2);
        QTRY_COMPARE(service.summaries.size(), 3);
        // Messages on one connection arrive in order: a repeat while the first
        // error lasted would stand between these.
        const QString noCard = "No Card. (Cards have run out.) Replenish the cards.";
        QCOMPARE(service.bodies,
                 QStringList({noCard, noCard,
                              "Retransfer film is broken or is not detected. Install the "
                              "retransfer film correctly."}));
        QCOMPARE(service.summaries.at(0), QString("USB:Unit1: Printer Error(0102D000)"));
        QCOMPARE(service.apps.at(0), QString("Orvan Card Printer  Status Monitor"));
        // Each notice replaces the printer's last one, opens the window, and
        // says whose it is and what kind.
        QCOMPARE(service.replaced, (QList<uint>{0, 1, 1}));
        QCOMPARE(service.actions.at(0).value(0), QString("default"));
        QCOMPARE(service.hints.at(0).value("category").toString(), QString("device.error"));
        QVERIFY(!service.hints.at(0).value("desktop-entry").toString().isEmpty());

        // The laminator's errors come as notices of their own.
        printer.setPrinterError(0);
        printer.setLaminatorError(0x5A);
        cycles(2);
        QTRY_COMPARE(service.summaries.size(), 4);
        QCOMPARE(service.summaries.at(3), QString("USB:Unit1: Laminator Error(0500005A)"));
        QCOMPARE(service.replaced.at(3), 0u);

        // Opening a notice brings the hidden window forward on the Status tab.
        sim.monitor.main().SSTab1.setTab(shell::OthersTab);
        shell::minimize(sim.monitor.main(), true);
        QVERIFY(!sim.monitor.main().form.visible());
        QDBusMessage opened = QDBusMessage::createSignal(
            "/org/freedesktop/Notifications", "org.freedesktop.Notifications", "ActionInvoked");
        opened << 2u << QString("default");  // the laminator's notice
        serviceBus.send(opened);
        QTRY_VERIFY(sim.monitor.main().form.visible());
        QCOMPARE(sim.monitor.main().SSTab1.tab(), int(shell::StatusTab));
    }

  private:
    QProcess bus_;
    QString address_;
};

QTEST_MAIN(DesktopNotificationsTest)
#include "desktop_notifications.moc"
