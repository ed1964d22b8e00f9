// The history window on screen: the Status tab's "History..." button opens
// it on the watched printer over a year of generated history, with the
// timeline, the level lines and the card bars drawn, and the filter and the
// span reaching the lists and the charts.
#include <QChartView>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QXYSeries>
#include <QtTest>
#include <filesystem>
#include <memory>

#include "history/history_generator.h"
#include "qt/front_end.h"
#include "qt/qt_message_boxes.h"
#include "report/status_publisher.h"
#include "shell/platform.h"
#include "tests/qt/simulated_monitor.h"

using namespace orvan;

namespace {

struct WindowWithHistory {
    QTemporaryDir dir;
    std::string path = (dir.path() + "/history.sqlite3").toStdString();
    report::StatusPublisher publisher{(dir.path() + "/status.json").toStdString()};
    std::unique_ptr<rig::SimulatedMonitor> sim;
    qt::QtMessageBoxes screenBoxes;
    std::unique_ptr<qt::FrontEnd> frontEnd;

    bool start() {
        std::string why;
        auto store = history::Store::open(path, why);
        if (!store) return false;
        // A year of ten printers ending now; the first is the watched USB:Unit1.
        history::GenerateHistory(*store, status::SharedCatalogue(),
                                 {10, 365, static_cast<std::int64_t>(std::time(nullptr)), 3});
        store.reset();
        sim = std::make_unique<rig::SimulatedMonitor>(shell::executableDirectory(), nullptr,
                                                      nullptr, &publisher, path);
        return sim->start(
            [this] { frontEnd = std::make_unique<qt::FrontEnd>(sim->window(), screenBoxes); });
    }
};

int pointsIn(QChartView* view) {
    int n = 0;
    for (QAbstractSeries* s : view->chart()->series())
        if (auto* line = qobject_cast<QXYSeries*>(s)) n += line->count();
    return n;
}

}  // namespace

class HistoryWindow : public QObject {
    Q_OBJECT

  private slots:
    void theStatusTabsButtonOpensAYearOfTheWatchedPrinter();
};

void HistoryWindow::theStatusTabsButtonOpensAYearOfTheWatchedPrinter() {
    WindowWithHistory w;
    QVERIFY(w.start());
    w.sim->runCycle();
    auto* button = w.frontEnd->window().findChild<QPushButton*>("Cmd0_3");
    QVERIFY(button);
    QTest::mouseClick(button, Qt::LeftButton);
    auto* dialog = w.frontEnd->dialogs().dialog(history::HistoryForm::kForm);
    QVERIFY(dialog);
    QVERIFY(dialog->isVisible());
    QVERIFY(!dialog->isModal());
    auto* printer = dialog->findChild<QComboBox*>("PrinterCombo");
    QCOMPARE(printer->count(), 10);
    QVERIFY(printer->currentText().contains("usb:0:0"));
    QCOMPARE(dialog->findChildren<QChartView*>().size(), 2);
    auto* levels = dialog->findChild<QWidget*>("levelsArea")->findChild<QChartView*>();
    QVERIFY(levels);
    const int weekPoints = pointsIn(levels);
    QVERIFY(weekPoints > 0);

    // A year: more points; the list follows the filter typed.
    QTest::keyClick(dialog->findChild<QComboBox*>("SpanCombo"), Qt::Key_End);
    QVERIFY(pointsIn(levels) > weekPoints);
    auto* events = dialog->findChild<QListWidget*>("EventList");
    const int all = events->count();
    QVERIFY(all > 0);
    QTest::keyClicks(dialog->findChild<QLineEdit*>("FilterText"), "No Card");
    QVERIFY(events->count() < all);
    for (int i = 0; i < events->count(); ++i) QVERIFY(events->item(i)->text().contains("No Card"));
    QVERIFY(!dialog->findChild<QLabel*>("InkForecast")->text().isEmpty());

    QTest::mouseClick(dialog->findChild<QPushButton*>("CloseButton"), Qt::LeftButton);
    QVERIFY(!dialog->isVisible());
}

QTEST_MAIN(HistoryWindow)
#include "history_window.moc"
