// The real window over a running monitor and the simulated printers: a click
// on any tab reaches the monitor and refreshes from the printer, the Status
// tab shows the printer's values, and an error brings a hidden window back.
// Timers are driven by calling the monitor, never by waiting.
#include <QComboBox>
#include <QLabel>
#include <QTabBar>
#include <QtTest>
#include <memory>

#include "qt/front_end.h"
#include "qt/qt_message_boxes.h"
#include "shell/platform.h"
#include "simulated_monitor.h"

using namespace orvan;

namespace {

constexpr link::ResultCode kNoCard = -0x0102D000;

// A monitor started with its window, as the program starts it.
struct RunningWindow {
    rig::SimulatedMonitor sim{shell::executableDirectory()};
    qt::QtMessageBoxes screenBoxes;  // the window's own; the monitor answers from the script
    std::unique_ptr<qt::FrontEnd> frontEnd;

    bool start() {
        return sim.start(
            [this] { frontEnd = std::make_unique<qt::FrontEnd>(sim.window(), screenBoxes); });
    }
    shell::MainForm& model() { return sim.monitor.main(); }
    qt::QtMainWindow& window() { return frontEnd->window(); }
    QTabBar* tabBar() { return window().tabs()->tabBar(); }
    QString text(const char* objectName) {
        auto* label = window().findChild<QLabel*>(objectName);
        return label ? label->text() : QStringLiteral("<no label %1>").arg(objectName);
    }
    // The user's click on a tab's caption.
    void clickTab(int index) {
        QTest::mouseClick(tabBar(), Qt::LeftButton, Qt::NoModifier,
                          tabBar()->tabRect(index).center());
    }
};

}  // namespace

class MonitorWindow : public QObject {
    Q_OBJECT

  private slots:
    void everyTabClickSwitchesTheModelAndRefreshesFromThePrinter();
    void statusTabShowsThePrintersValues();
    void anErrorBringsTheHiddenWindowBackOnTheStatusTab();
};

void MonitorWindow::everyTabClickSwitchesTheModelAndRefreshesFromThePrinter() {
    RunningWindow w;
    QVERIFY(w.start());
    QVERIFY(w.window().isVisible());
    QCOMPARE(w.window().tabs()->count(), shell::kTabCount);
    QCOMPARE(w.model().SSTab1.tab(), int(shell::StatusTab));

    // Status last, so that every click really switches the tab.
    for (int tab : {1, 2, 3, 4, 5, 6, 7, 8, 9, 0}) {
        w.sim.world.clearCalls();
        w.clickTab(tab);
        QCOMPARE(w.model().SSTab1.tab(), tab);
        QCOMPARE(w.window().tabs()->currentIndex(), tab);
        // The identity and the status are read afresh on every click.
        QCOMPARE(w.sim.world.countCalls("KQCMD_StandardInquiry"), 1);
        QCOMPARE(w.sim.world.countCalls("KQCMD_GetPrinterStatus"), 1);
    }
    // A healthy printer gives no tab a reason to speak up.
    QVERIFY(w.sim.boxes.shown().empty());
}

void MonitorWindow::statusTabShowsThePrintersValues() {
    RunningWindow w;
    sim::SimPrinter& printer = w.sim.world.usb(0);
    printer.setInk(35);
    printer.setCounter(sim::Counter::Print, 4321);
    QVERIFY(w.start());
    w.clickTab(shell::MediaSettingTab);
    printer.setCounter(sim::Counter::Print, 4322);  // a card printed meanwhile
    w.clickTab(shell::StatusTab);

    QCOMPARE(w.text("Label0_1"), QString("Ready"));
    QCOMPARE(w.text("Label0_2"), QString("Enough"));
    QCOMPARE(w.text("Label0_3_0"), QString("70"));
    QCOMPARE(w.text("Label0_7"), QString("Standard(1000)"));
    QCOMPARE(w.text("Label0_8"), QString(" 4322"));

    auto* printers = w.window().findChild<QComboBox*>("Combo0");
    QVERIFY(printers);
    QCOMPARE(printers->count(), 2);
    QCOMPARE(printers->itemText(0), QString("USB:Unit1"));
    QVERIFY2(printers->itemText(1).startsWith("NET:"), qPrintable(printers->itemText(1)));
    QCOMPARE(printers->currentIndex(), 0);
}

void MonitorWindow::anErrorBringsTheHiddenWindowBackOnTheStatusTab() {
    RunningWindow w;
    QVERIFY(w.start());
    w.clickTab(shell::MediaSettingTab);
    w.model().form.setVisible(false);
    QVERIFY(!w.window().isVisible());

    w.sim.world.usb(0).setPrinterError(kNoCard);
    w.sim.runCycle();

    QVERIFY(w.window().isVisible());
    QVERIFY(!w.model().Menu1.visible());
    QCOMPARE(w.window().tabs()->currentIndex(), int(shell::StatusTab));
    QCOMPARE(w.model().SSTab1.tab(), int(shell::StatusTab));
    QCOMPARE(w.text("Label0_1"),
             QString("Printer Error(0102D000) :\nNo Card. (Cards have run out.) "
                     "Replenish the cards."));
}

QTEST_MAIN(MonitorWindow)
#include "monitor_window.moc"
