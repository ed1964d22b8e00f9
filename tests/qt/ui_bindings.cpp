// Rules of the widget bindings: a model change reaches the widget, a user
// gesture reaches the model and raises its event exactly once, and neither
// side outliving the other breaks anything.
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QSignalSpy>
#include <QTabBar>
#include <QtTest>
#include <memory>

#include "qt/control_widgets.h"
#include "qt/picture_widgets.h"
#include "qt/qt_event_loop.h"
#include "qt/qt_message_boxes.h"
#include "qt/widget_link.h"
#include "qt/window_bindings.h"

using namespace orvan;

namespace {

// A widget on `parent` bound to `control`, as the binder binds a form's.
template <typename Widget, typename Control>
Widget* bound(Control& control, QWidget* parent) {
    auto* widget = new Widget(parent);
    qt::bind(widget, control);
    return widget;
}

}  // namespace

class UiBindings : public QObject {
    Q_OBJECT

  private slots:
    void aMessageBoxIsWideEnoughForItsTitle();
    void modelChangesReachTheWidget();
    void geometryOnlyWhereTheLogicSetsIt();
    void buttonClickRaisesClickOnce();
    void comboSelectionRaisesClickOnceAndEditsRaiseChange();
    void comboDropDownRunsBeforeTheListOpens();
    void comboChangesOnlyOnPurpose();
    void listClickSelectsAndOpens();
    void checkAndOptionClicksFollowTheModel();
    void scrollAndTextGesturesRaiseChangeOnce();
    void tabClickRaisesClickOnceAndCodeDoesNotEcho();
    void accessibleNamesComeFromCaptionsOrLabels();
    void pictureDrawsRectanglesAtFifteenTwipsPerPixel();
    void timersFollowEnabledAndInterval();
    void eitherSideMayGoFirst();
};

void UiBindings::modelChangesReachTheWidget() {
    QWidget page;
    ui::Label label("Label0_1");
    ui::TextBox text("Text1");
    auto* l = bound<QLabel>(label, &page);
    auto* t = bound<QLineEdit>(text, &page);
    QCOMPARE(l->objectName(), QString("Label0_1"));

    label.setCaption("Printing <b>now</b>");
    label.setBackColour(ui::kRed);
    label.setEnabled(false);
    QCOMPARE(l->text(), QString("Printing <b>now</b>"));
    QCOMPARE(l->textFormat(), Qt::PlainText);
    QCOMPARE(l->palette().color(QPalette::Window), QColor(255, 0, 0));
    QVERIFY(!l->isEnabled());

    text.setMaxLength(8);
    text.setPasswordChar('*');
    text.setText("secret");
    QCOMPARE(t->maxLength(), 8);
    QCOMPARE(t->echoMode(), QLineEdit::Password);
    QCOMPARE(t->text(), QString("secret"));

    page.show();
    label.setVisible(false);
    QVERIFY(l->isHidden());
    label.setVisible(true);
    QVERIFY(l->isVisible());
}

void UiBindings::geometryOnlyWhereTheLogicSetsIt() {
    QWidget frame;
    frame.resize(400, 300);
    ui::Label line("Label5[3]");
    auto* l = bound<QLabel>(line, &frame);
    const QRect before = l->geometry();
    line.setLeft(300);  // top and height still 0: the layout decides
    QCOMPARE(l->geometry(), before);
    line.setTop(1500);
    line.setHeight(450);
    QCOMPARE(l->y(), 100);
    QCOMPARE(l->x(), 20);
    QCOMPARE(l->height(), 30);
}

void UiBindings::buttonClickRaisesClickOnce() {
    QWidget page;
    ui::Button button("Cmd1[0]");
    button.setCaption("Update");
    int clicks = 0;
    button.onClick = [&] { ++clicks; };
    auto* b = bound<QPushButton>(button, &page);
    page.show();
    QTest::mouseClick(b, Qt::LeftButton);
    QCOMPARE(clicks, 1);
    QCOMPARE(b->text(), QString("Update"));
}

void UiBindings::comboSelectionRaisesClickOnceAndEditsRaiseChange() {
    QWidget page;
    ui::ComboBox combo("Combo1_1");
    for (const char* s : {"Low", "Mid", "High"}) combo.addItem(s);
    combo.setListIndex(0);
    int clicks = 0, changes = 0;
    combo.onClick = [&] { ++clicks; };
    combo.onChange = [&] { ++changes; };
    auto* c = bound<qt::ModelComboBox>(combo, &page);
    page.show();
    QCOMPARE(c->count(), 3);
    QCOMPARE(c->currentIndex(), 0);

    QTest::keyClick(c, Qt::Key_Down);
    QCOMPARE(combo.listIndex(), 1);
    QCOMPARE(clicks, 1);
    QCOMPARE(changes, 0);

    combo.setListIndex(2);  // from code: one click, and the widget follows
    QCOMPARE(clicks, 2);
    QCOMPARE(c->currentIndex(), 2);
    combo.removeItem(0);
    QCOMPARE(c->count(), 2);
    QCOMPARE(c->currentIndex(), 1);

    ui::ComboBox address("Combo7_1");
    address.setEditable(true);
    address.onChange = [&] { ++changes; };
    auto* a = bound<qt::ModelComboBox>(address, &page);
    QVERIFY(a->isEditable());
    a->lineEdit()->setFocus();
    QTest::keyClicks(a->lineEdit(), "10.1");
    QCOMPARE(address.text(), std::string("10.1"));
    QCOMPARE(changes, 4);  // one per keystroke, as typed
    address.setText("192.168.0.1");
    QCOMPARE(a->currentText(), QString("192.168.0.1"));
}

// The wheel over a combo without the focus changes nothing; Ctrl+PageDown
// and Ctrl+PageUp in a combo switch tabs and leave the choice alone.
void UiBindings::comboChangesOnlyOnPurpose() {
    QTabWidget tabs;
    auto* page = new QWidget;
    tabs.addTab(page, "one");
    tabs.addTab(new QWidget, "two");
    ui::ComboBox combo("Combo0");
    combo.addItem("USB:Unit1");
    combo.addItem("NET:ORVAN02");
    combo.setListIndex(0);
    int clicks = 0;
    combo.onClick = [&] { ++clicks; };
    auto* w = bound<qt::ModelComboBox>(combo, page);
    tabs.show();
    QVERIFY(QTest::qWaitForWindowExposed(&tabs));

    QWheelEvent wheel(QPointF(5, 5), w->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -120),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(w, &wheel);
    QCOMPARE(w->currentIndex(), 0);
    QCOMPARE(combo.listIndex(), 0);

    w->setFocus();
    QTest::keyClick(w, Qt::Key_PageDown, Qt::ControlModifier);
    QCOMPARE(tabs.currentIndex(), 1);
    QTest::keyClick(w, Qt::Key_PageUp, Qt::ControlModifier);
    QCOMPARE(tabs.currentIndex(), 0);
    QCOMPARE(combo.listIndex(), 0);
    QCOMPARE(clicks, 0);
}

void UiBindings::comboDropDownRunsBeforeTheListOpens() {
    QWidget page;
    ui::ComboBox combo("Combo0");
    combo.onDropDown = [&] { combo.addItem("USB printer"); };
    auto* c = bound<qt::ModelComboBox>(combo, &page);
    page.show();
    c->showPopup();
    QCOMPARE(c->count(), 1);
    c->hidePopup();
}

void UiBindings::listClickSelectsAndOpens() {
    QWidget page;
    ui::ListBox list("Dir6");
    list.addItem("/");
    list.addItem("  home");
    int clicks = 0, opens = 0;
    list.onClick = [&] { ++clicks; };
    list.onDoubleClick = [&] { ++opens; };
    auto* w = new QListWidget(&page);
    qt::bind(w, list);
    page.show();
    QCOMPARE(w->count(), 2);
    QCOMPARE(w->objectName(), QString("Dir6"));

    const QRect second = w->visualItemRect(w->item(1));
    QTest::mouseClick(w->viewport(), Qt::LeftButton, {}, second.center());
    QCOMPARE(list.listIndex(), 1);
    QCOMPARE(clicks, 1);
    QCOMPARE(opens, 1);  // a folder opens on one click
    // The arrows only choose; Enter opens.
    QTest::keyClick(w, Qt::Key_Up);
    QCOMPARE(list.listIndex(), 0);
    QCOMPARE(opens, 1);
    QTest::keyClick(w, Qt::Key_Return);
    QCOMPARE(opens, 2);
    QCOMPARE(clicks, 2);  // the row was chosen already

    list.setListIndex(1);  // from code: the widget follows, no echo
    QCOMPARE(w->currentRow(), 1);
    QCOMPARE(clicks, 3);
}

void UiBindings::checkAndOptionClicksFollowTheModel() {
    QWidget page;
    ui::CheckBox check("Check2");
    check.setValue(ui::CheckState::Grayed);
    int checkClicks = 0;
    check.onClick = [&] { ++checkClicks; };
    auto* cb = bound<QCheckBox>(check, &page);
    QCOMPARE(cb->checkState(), Qt::PartiallyChecked);

    ui::OptionButton a("Opt1_1[0]"), b("Opt1_1[1]");
    ui::OptionGroup group;
    group.add(a);
    group.add(b);
    group.select(0);
    int clicksB = 0;
    b.onClick = [&] { ++clicksB; };
    auto* ra = bound<QRadioButton>(a, &page);
    auto* rb = bound<QRadioButton>(b, &page);
    page.show();

    QTest::mouseClick(cb, Qt::LeftButton);
    QCOMPARE(check.value(), ui::CheckState::Checked);
    QCOMPARE(cb->checkState(), Qt::Checked);
    QTest::mouseClick(cb, Qt::LeftButton);
    QCOMPARE(check.value(), ui::CheckState::Unchecked);
    QCOMPARE(checkClicks, 2);

    QTest::mouseClick(rb, Qt::LeftButton);
    QCOMPARE(clicksB, 1);
    QVERIFY(!ra->isChecked());
    QVERIFY(rb->isChecked());
    QTest::mouseClick(rb, Qt::LeftButton);  // the selected option stays selected
    QVERIFY(rb->isChecked());
    QCOMPARE(clicksB, 1);
}

void UiBindings::scrollAndTextGesturesRaiseChangeOnce() {
    QWidget page;
    ui::HScrollBar bar("HScroll1[3]");
    bar.setRange(0, 10);
    bar.setValue(4);
    int scrollChanges = 0;
    bar.onChange = [&] { ++scrollChanges; };
    auto* s = bound<QScrollBar>(bar, &page);
    QCOMPARE(s->maximum(), 10);
    QCOMPARE(s->value(), 4);

    ui::TextBox text("Text5");
    text.setMaxLength(3);
    int textChanges = 0;
    text.onChange = [&] { ++textChanges; };
    auto* t = bound<QLineEdit>(text, &page);
    page.show();

    s->triggerAction(QAbstractSlider::SliderSingleStepAdd);  // the arrow button
    QCOMPARE(bar.value(), 5);
    QCOMPARE(scrollChanges, 1);
    bar.setRange(0, 3);  // narrowing from code clamps both sides
    QCOMPARE(s->value(), 3);
    QCOMPARE(scrollChanges, 2);

    QTest::keyClicks(t, "abcd");
    QCOMPARE(text.text(), std::string("abc"));
    QCOMPARE(textChanges, 3);
    QCOMPARE(t->text(), QString("abc"));
}

void UiBindings::tabClickRaisesClickOnceAndCodeDoesNotEcho() {
    ui::TabControl tabs("SSTab1");
    tabs.setCount(3);
    int clicks = 0;
    tabs.onClick = [&] { ++clicks; };
    QTabWidget w;  // as its form has it: two of the three pages
    w.addTab(new QWidget, "One");
    w.addTab(new QWidget, "Two");
    qt::bind(&w, tabs);
    w.show();
    QCOMPARE(w.count(), 3);
    QCOMPARE(w.tabText(1), QString("Two"));
    QCOMPARE(w.widget(1)->accessibleName(), QString("Two"));
    QVERIFY(!w.usesScrollButtons());

    QTest::mouseClick(w.tabBar(), Qt::LeftButton, {}, w.tabBar()->tabRect(2).center());
    QCOMPARE(tabs.tab(), 2);
    QCOMPARE(clicks, 1);
    tabs.setTab(0);
    QCOMPARE(w.currentIndex(), 0);
    QCOMPARE(clicks, 2);

    // A click handler that sends the user elsewhere wins over the click.
    tabs.onClick = [&] {
        ++clicks;
        if (tabs.tab() == 1) tabs.setTab(2);
    };
    QTest::mouseClick(w.tabBar(), Qt::LeftButton, {}, w.tabBar()->tabRect(1).center());
    QCOMPARE(w.currentIndex(), 2);
    QCOMPARE(tabs.tab(), 2);
    QCOMPARE(clicks, 4);
}

void UiBindings::accessibleNamesComeFromCaptionsOrLabels() {
    QWidget page;
    ui::Button open("Cmd9");
    open.setCaption("Open(&O)");
    ui::Label caption("Label7_2");
    caption.setCaption("IP Address");
    ui::TextBox address("Text7_1");
    auto* b = bound<QPushButton>(open, &page);
    auto* t = bound<QLineEdit>(address, &page);
    auto* l = new QLabel(&page);
    l->setBuddy(t);
    qt::bind(l, caption);
    // A caption names its own widget through Qt; an internal name never does.
    QCOMPARE(b->text(), QString("Open(&O)"));
    QVERIFY(b->accessibleName().isEmpty());
    QCOMPARE(t->objectName(), QString("Text7_1"));
    // The input follows the label beside it, to empty and back.
    QCOMPARE(t->accessibleName(), QString("IP Address"));
    caption.setCaption("IPv6 Address");
    QCOMPARE(t->accessibleName(), QString("IPv6 Address"));
    caption.setCaption("");
    QCOMPARE(t->accessibleName(), QString());
    QCOMPARE(qt::withoutMnemonic("Save && &Exit"), QString("Save & Exit"));
}

void UiBindings::pictureDrawsRectanglesAtFifteenTwipsPerPixel() {
    ui::PictureBox gauge("Picture3[0]");
    qt::PictureView view;
    qt::bind(&view, gauge);
    view.resize(60, 40);
    gauge.fillRect({150, 150, 450, 300, ui::kBlue});  // 10,10 to 30,20 pixels
    const QImage img = view.grab().toImage();
    QCOMPARE(QColor(img.pixel(20, 15)), QColor(0, 0, 255));
    QCOMPARE(QColor(img.pixel(30, 20)), QColor(0, 0, 255));
    QVERIFY(QColor(img.pixel(31, 21)) != QColor(0, 0, 255));
    QVERIFY(QColor(img.pixel(5, 5)) != QColor(0, 0, 255));

    gauge.setPicture("no-such-picture.bmp");  // missing: nothing, and no failure
    QVERIFY(!view.hasPicture());
}

void UiBindings::timersFollowEnabledAndInterval() {
    ui::Timer timer("Timer1");
    timer.setEnabled(false);
    int ticks = 0;
    timer.onTick = [&] { ++ticks; };
    qt::QtEventLoop loop;
    loop.attach(timer);
    QTimer* q = loop.timerFor(timer);
    QVERIFY(q);
    QVERIFY(!q->isActive());
    timer.setInterval(200);
    timer.setEnabled(true);
    QVERIFY(q->isActive());
    QCOMPARE(q->interval(), 200);
    QMetaObject::invokeMethod(q, "timeout");
    QCOMPARE(ticks, 1);
    timer.setInterval(0);
    QVERIFY(!q->isActive());
    loop.detach(timer);
    QVERIFY(!loop.timerFor(timer));
}

void UiBindings::eitherSideMayGoFirst() {
    auto label = std::make_unique<ui::Label>("Label1");
    auto widget = std::make_unique<QLabel>();
    qt::bind(widget.get(), *label);
    widget.reset();
    label->setCaption("still fine");  // no widget left to update

    auto button = std::make_unique<ui::Button>("Cmd2");
    QWidget page;
    auto* b = bound<QPushButton>(*button, &page);
    page.show();
    button.reset();
    QTest::mouseClick(b, Qt::LeftButton);  // the control is gone: nothing to raise
    QVERIFY(b->isVisible());
}

void UiBindings::aMessageBoxIsWideEnoughForItsTitle() {
    QMessageBox box(QMessageBox::Warning, QString::fromUtf8(ui::kMonitorTitle), "OK?",
                    QMessageBox::Ok);
    const int title = QFontMetrics(QApplication::font("QMdiSubWindowTitleBar"))
                          .horizontalAdvance(box.windowTitle());
    QVERIFY(box.sizeHint().width() < title);  // a short message alone would cut it
    qt::fitTitle(box);
    QVERIFY(box.sizeHint().width() > title);
}

QTEST_MAIN(UiBindings)
#include "ui_bindings.moc"
