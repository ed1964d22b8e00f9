// The tray icon on screen: its gestures reach the monitor through the icon's
// own signals, its menu pops up where the placement puts it, and each item
// brings the window back on its tab.
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <memory>

#include "qt/front_end.h"
#include "qt/qt_message_boxes.h"
#include "qt/tray_icon.h"
#include "shell/platform.h"
#include "simulated_monitor.h"

using namespace orvan;

namespace {

// The offscreen platform has no notification area; this icon stands as if
// a tray host showed it, so that "Minimize" hides into it.
struct HostedTray : qt::QtTrayIcon {
    using QtTrayIcon::QtTrayIcon;
    bool shown() override { return true; }
};

struct TrayWindow {
    HostedTray tray{nullptr};
    rig::SimulatedMonitor sim{shell::executableDirectory(), &tray};
    qt::QtMessageBoxes screenBoxes;
    std::unique_ptr<qt::FrontEnd> frontEnd;

    bool start() {
        return sim.start([this] {
            frontEnd = std::make_unique<qt::FrontEnd>(sim.window(), screenBoxes);
            tray.connectTo([this](int message) { sim.monitor.trayMouse(message); },
                           frontEnd->window().menu());
        });
    }
    qt::QtMainWindow& window() { return frontEnd->window(); }
    void minimize() { QTest::mouseClick(window().findChild<QPushButton*>("Cmdm"), Qt::LeftButton); }
    void gesture(QSystemTrayIcon::ActivationReason reason) { emit tray.icon().activated(reason); }
    // Runs `choose` on the popup once it is up.
    void whenMenuOpens(std::function<void(QMenu&)> choose) {
        QTimer::singleShot(0, [this, choose] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QVERIFY(menu);
            QVERIFY(sim.probe().trayMenuOpen());
            QCOMPARE(menu->pos(), tray.lastPopupAt());
            choose(*menu);
            menu->close();
        });
    }
};

QAction* actionNamed(QMenu& menu, const QString& text) {
    for (QAction* a : menu.actions())
        if (a->text() == text) return a;
    return nullptr;
}

}  // namespace

class TrayMenu : public QObject {
    Q_OBJECT

  private slots:
    void doubleClickBringsTheHiddenWindowBackOnTheStatusTab();
    void rightClickPopsTheMenuUpAndVersionOpensTheOthersTab();
};

void TrayMenu::doubleClickBringsTheHiddenWindowBackOnTheStatusTab() {
    TrayWindow w;
    QVERIFY(w.start());
    w.window().tabs()->setCurrentIndex(shell::PropertyTab);
    w.sim.world.clearCalls();
    w.gesture(QSystemTrayIcon::DoubleClick);  // the window shows: nothing happens
    QVERIFY(w.sim.world.calls().empty());

    w.minimize();
    QVERIFY(!w.window().isVisible());
    w.gesture(QSystemTrayIcon::Trigger);  // a single click is not one of the gestures
    QVERIFY(!w.window().isVisible());
    w.gesture(QSystemTrayIcon::DoubleClick);
    QVERIFY(w.window().isVisible());
    QCOMPARE(w.window().tabs()->currentIndex(), int(shell::StatusTab));
    QCOMPARE(w.sim.monitor.main().SSTab1.tab(), int(shell::StatusTab));
    QVERIFY(w.sim.world.countCalls("KQCMD_GetPrinterStatus") > 0);
}

void TrayMenu::rightClickPopsTheMenuUpAndVersionOpensTheOthersTab() {
    TrayWindow w;
    QVERIFY(w.start());
    w.minimize();

    // Dismissed: the window stays in the tray.
    QStringList items;
    bool openIsBold = false;
    w.whenMenuOpens([&](QMenu& menu) {
        for (QAction* a : menu.actions()) items << (a->isSeparator() ? "-" : a->text());
        openIsBold = menu.actions()[0]->font().bold() && menu.defaultAction() == menu.actions()[0];
    });
    w.gesture(QSystemTrayIcon::Context);
    QCOMPARE(items, (QStringList{"Open(&O)", "-", "Version(&A)", "History(&H)..."}));
    QVERIFY(openIsBold);
    QVERIFY(!w.sim.probe().trayMenuOpen());
    QVERIFY(!w.window().isVisible());

    w.whenMenuOpens([](QMenu& menu) { actionNamed(menu, "Version(&A)")->trigger(); });
    w.gesture(QSystemTrayIcon::Context);
    QVERIFY(w.window().isVisible());
    QCOMPARE(w.window().tabs()->currentIndex(), int(shell::OthersTab));
    auto* version = w.window().findChild<QLabel*>("Label6_2_1");
    QVERIFY(version);
    QVERIFY(version->isVisible());
    QCOMPARE(version->text(), QString("Version 11.07.21.0"));
    QVERIFY(w.window().findChild<QWidget*>("Cmd6_0")->isVisible());
}

QTEST_MAIN(TrayMenu)
#include "tray_menu.moc"
