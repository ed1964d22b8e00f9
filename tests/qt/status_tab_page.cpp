// The Status tab and the administrators dialog on screen: the status lines
// sit where the view puts them, the printer's line breaks show, a long
// message is shown whole, and the dialog's gestures reach its model.
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QtTest>
#include <memory>

#include "link/printer_data.h"
#include "qt/form_binder.h"
#include "qt/forms.h"
#include "qt/picture_widgets.h"
#include "shell/rights.h"
#include "status/status_view.h"
#include "ui/scripted_message_boxes.h"

using namespace orvan;

class StatusTabPage : public QObject {
    Q_OBJECT

  private slots:
    void statusLinesFollowTheViewsPlacementAndLineBreaks();
    void adminDialogGesturesReachTheModel();
};

void StatusTabPage::statusLinesFollowTheViewsPlacementAndLineBreaks() {
    link::LinkState state;
    state.printerCount = 1;
    link::PrinterData data;
    ui::ScriptedMessageBoxes boxes;
    ui::ComboBox combo0("Combo0");
    status::StatusTab tab(combo0);
    status::StatusTabView view(
        tab, {state, data, status::SharedCatalogue(), boxes, "", [] { return false; }, {}, {}});
    std::unique_ptr<QWidget> page(qt::createForm(status::StatusTab::kForm));
    QVERIFY(qt::bindForm(page.get(), tab.controls()).ok());
    view.reset();
    page->show();

    auto* line = page->findChild<QLabel*>("Label0_1");
    QVERIFY(line);
    view.ShowStatus();
    QCOMPARE(line->y(), 600 / 15);
    QCOMPARE(line->height(), 360 / 15);

    state.status.printerResult = -0x0102D000;
    view.ShowStatus();
    QCOMPARE(line->y(), 420 / 15);
    QCOMPARE(line->height(), 1100 / 15);
    QCOMPARE(line->text(), QString("Printer Error(0102D000) :\nNo Card. (Cards have run out.) "
                                   "Replenish the cards."));
    QCOMPARE(line->font().pointSize(), 11);

    // The longest messages are shown whole: the line is as tall as its text
    // needs, and the state picture is not cut by its box.
    for (int code : {-0x0104C200, -0x0104AB00}) {
        state.status.printerResult = code;
        view.ShowStatus();
        QVERIFY(line->text().endsWith("power again."));
        QVERIFY(line->height() >= line->heightForWidth(line->width()));
    }
    auto* picture = page->findChild<qt::PictureView*>("Pic0_4");
    QVERIFY(picture && picture->hasPicture());
    const QSize pictureSize = QPixmap(qt::programFile("P_ERROR.gif")).size();
    QCOMPARE(pictureSize, QSize(48, 48));
    QVERIFY(picture->contentsRect().width() >= pictureSize.width());
    QVERIFY(picture->contentsRect().height() >= pictureSize.height());

    auto* gauge = page->findChild<qt::PictureView*>("Pic0_1");
    QVERIFY(gauge);
    QCOMPARE(gauge->size(), QSize(status::kGaugeWidth / 15, status::kGaugeHeight / 15));
    QCOMPARE(gauge->accessibleName(), QString("Ink Quantity"));
    QVERIFY(!page->findChild<QPushButton*>("Cmd0_1")->isEnabled());
}

void StatusTabPage::adminDialogGesturesReachTheModel() {
    shell::UserRights rights;
    rights.flags[4] = true;
    int saves = 0;
    shell::AdminForm model(rights, [&](const shell::UserRights&) { ++saves; });
    std::unique_ptr<QWidget> built(qt::createForm(shell::AdminForm::kForm));
    QWidget& dialog = *built;
    QVERIFY(qt::bindForm(&dialog, model.controls()).ok());
    QCOMPARE(dialog.windowTitle(), QString("Administrators"));
    QCOMPARE(dialog.findChildren<QCheckBox*>().size(), 10);

    model.form.onLoad();
    model.form.setVisible(true);
    QVERIFY(dialog.isVisible());
    auto* media = dialog.findChild<QCheckBox*>("Check1_4");
    QVERIFY(media && media->isChecked());
    QTest::mouseClick(dialog.findChild<QCheckBox*>("Check1_10"), Qt::LeftButton);
    QVERIFY(model.Check1[10]->checked());

    QTest::mouseClick(dialog.findChild<QPushButton*>("Cmd1_0"), Qt::LeftButton);
    QCOMPARE(saves, 1);
    QVERIFY(rights.flags[10]);
    QVERIFY(!dialog.isVisible());
}

QTEST_MAIN(StatusTabPage)
#include "status_tab_page.moc"
