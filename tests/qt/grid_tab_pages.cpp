// The Retransfer and Bend Remedy pages: the cells built into each form lie
// where the axis captions say, and a click or a key on a cell reaches the
// tab, whose selection and colours come back to the screen.
#include <QLabel>
#include <QRadioButton>
#include <QTabBar>
#include <QtTest>
#include <memory>

#include "qt/forms.h"
#include "qt/front_end.h"
#include "qt/qt_message_boxes.h"
#include "shell/platform.h"
#include "simulated_monitor.h"

using namespace orvan;

namespace {

QLabel* cell(QWidget* root, const QString& name) {
    return root->findChild<QLabel*>(name);
}

}  // namespace

class GridTabPages : public QObject {
    Q_OBJECT

  private slots:
    void cellsLieBottomUpFromTheRightAtTheirPitch();
    void clicksAndKeysOnCellsChooseAndTheScreenFollows();
};

void GridTabPages::cellsLieBottomUpFromTheRightAtTheirPitch() {
    std::unique_ptr<QWidget> retransfer(qt::createForm(tabs::RetransferTab::kForm));
    for (const char* grid : {"frontCells", "backCells"})
        QCOMPARE(retransfer->findChild<QWidget*>(grid)->size(), QSize(121, 84));
    // 315 x 265 twips at a pitch of 300 x 250: 21 x 17 or 18 pixels, 20 apart.
    QCOMPARE(cell(retransfer.get(), "Label2_3_0")->geometry(), QRect(100, 67, 21, 17));
    QCOMPARE(cell(retransfer.get(), "Label2_3_5")->geometry(), QRect(0, 67, 21, 17));
    QCOMPARE(cell(retransfer.get(), "Label2_3_24")->geometry(), QRect(100, 0, 21, 18));
    QCOMPARE(cell(retransfer.get(), "Label2_4_29")->geometry(), QRect(0, 0, 21, 18));
    QCOMPARE(cell(retransfer.get(), "Label2_4_14")->geometry(), QRect(60, 33, 21, 18));
    QCOMPARE(cell(retransfer.get(), "Label2_3_0")->property("accessiblePrefix").toString(),
             QString("Temperature -2, Speed -3: "));
    QCOMPARE(cell(retransfer.get(), "Label2_4_29")->property("accessiblePrefix").toString(),
             QString("Temperature +2, Speed +2: "));

    std::unique_ptr<QWidget> bend(qt::createForm(tabs::BendRemedyTab::kForm));
    QCOMPARE(bend->findChild<QWidget*>("bendCells")->size(), QSize(101, 101));
    QCOMPARE(cell(bend.get(), "Label3_1_0")->geometry(), QRect(80, 83, 21, 18));
    QCOMPARE(cell(bend.get(), "Label3_1_29")->geometry(), QRect(0, 0, 21, 18));
    QCOMPARE(cell(bend.get(), "Label3_1_25")->property("accessiblePrefix").toString(),
             QString("Temperature 0, Speed -2: "));
    QVERIFY(!cell(bend.get(), "Label3_1_30"));
}

void GridTabPages::clicksAndKeysOnCellsChooseAndTheScreenFollows() {
    rig::SimulatedMonitor sim{shell::executableDirectory()};
    qt::QtMessageBoxes screenBoxes;
    std::unique_ptr<qt::FrontEnd> frontEnd;
    QVERIFY(
        sim.start([&] { frontEnd = std::make_unique<qt::FrontEnd>(sim.window(), screenBoxes); }));
    QMainWindow& window = frontEnd->window();
    sim.monitor.main().SSTab1.setTab(shell::RetransferTab);
    QVERIFY(frontEnd->pages().built(shell::RetransferTab));

    QLabel* standard = cell(&window, "Label2_3_15");
    QCOMPARE(standard->text(), QString("*"));
    QCOMPARE(standard->palette().color(QPalette::Window), QColor(0, 255, 0));  // PVC's standard
    QCOMPARE(standard->accessibleName(), QString("Temperature 0, Speed 0: standard, selected"));

    QTest::mouseClick(cell(&window, "Label2_3_3"), Qt::LeftButton);
    QCOMPARE(cell(&window, "Label2_3_3")->text(), QString("*"));
    QCOMPARE(standard->text(), QString());
    QCOMPARE(cell(&window, "Label2_4_3")->text(), QString("*"));  // the back side's row follows
    // The hints follow the choice: the standard cell is green whatever is chosen.
    QCOMPARE(standard->palette().color(QPalette::Window), QColor(0, 255, 0));

    QLabel* back = cell(&window, "Label2_4_10");
    back->setFocus();
    QTest::keyClick(back, Qt::Key_Space);
    QCOMPARE(back->text(), QString("*"));
    QCOMPARE(cell(&window, "Label2_3_9")->text(), QString("*"));
    QCOMPARE(sim.monitor.data().image.FrontCell, 9);

    sim.monitor.main().SSTab1.setTab(shell::BendRemedyTab);
    QVERIFY(frontEnd->pages().built(shell::BendRemedyTab));
    QCOMPARE(cell(&window, "Label3_1_11")->text(), QString("*"));
    auto* disable = window.findChild<QRadioButton*>("Opt3_1");
    QTest::mouseClick(disable, Qt::LeftButton);
    QVERIFY(disable->isChecked());
    QCOMPARE(cell(&window, "Label3_1_11")->text(), QString());
    QTest::mouseClick(cell(&window, "Label3_1_0"), Qt::LeftButton);
    QVERIFY(!disable->isChecked());
    QCOMPARE(sim.monitor.data().image.BendCell, 0);
    QVERIFY(sim.boxes.shown().empty());
}

QTEST_MAIN(GridTabPages)
#include "grid_tab_pages.moc"
