// Rules of the main window and the message boxes as the user sees them.
#include <QtTest/qtestspontaneevent.h>
#include <QAccessible>
#include <QApplication>
#include <QLocalSocket>
#include <QMessageBox>
#include <QPushButton>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "qt/control_link.h"
#include "qt/forward_listener.h"
#include "qt/main_window.h"
#include "qt/picture_widgets.h"
#include "qt/qt_message_boxes.h"
#include "qt/tray_icon.h"
#include "shell/platform.h"

using namespace orvan;

namespace {

// Runs `inspect` on the message box once it is up, then presses the button
// captioned `press` (mnemonics aside), or closes the box when `press` is empty.
void whenBoxOpens(std::function<void(QMessageBox&)> inspect, QString press) {
    QTimer::singleShot(0, [inspect, press] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        inspect(*box);
        if (press.isEmpty()) return box->reject();  // Escape or the close box
        for (QAbstractButton* b : box->buttons())
            if (b->text().remove('&') == press) return b->click();
        box->reject();
        QFAIL(qPrintable("no button " + press));
    });
}

QStringList buttonTexts(const QMessageBox& box) {
    QStringList texts;
    for (QAbstractButton* b : box.buttons()) texts << b->text().remove('&');
    texts.sort();
    return texts;
}

}  // namespace

class UiMainWindow : public QObject {
    Q_OBJECT

  private slots:
    void tenTabsInCaptionOrderAllVisible();
    void widgetsCarryTheirControlNames();
    void minimizeHidesTheWindow();
    void closeBoxAsksTheModel();
    void messageBoxShowsTitleIconAndButtons();
    void messageBoxAnswersMapBack();
    void trayShowsTheProgramsOwnIcon();
    void trayDrawsEachStatesPictureOnce();
    void aSecondStartsRequestAloneBringsTheWindowForward();
};

void UiMainWindow::tenTabsInCaptionOrderAllVisible() {
    shell::MainForm model;
    auto window = qt::buildMainWindow(model);
    model.form.setVisible(true);
    QTabWidget* tabs = window->tabs();
    const QStringList captions = {
        "Printer Status", "Printer Setting", "Retransfer",     "Bend Remedy",   "Media Setting",
        "Property",       "Laminator",       "Printer Select", "Security Lock", "Others"};
    QCOMPARE(tabs->count(), shell::kTabCount);
    for (int i = 0; i < shell::kTabCount; ++i) {
        QCOMPARE(qt::withoutMnemonic(tabs->tabText(i)), captions[i]);
        QCOMPARE(tabs->widget(i)->accessibleName(), captions[i]);
    }
    QCOMPARE(tabs->tabText(shell::PrinterSelectTab), QString("Printer S&elect"));
    model.SSTab1.setTab(shell::OthersTab);
    QCOMPARE(tabs->currentIndex(), int(shell::OthersTab));
    QVERIFY(tabs->tabBar()->sizeHint().width() <= tabs->width());
    QCOMPARE(window->windowTitle(), QString("Orvan Card Printer  Status Monitor"));

    // The window keeps its size whatever page is built into it later.
    const QSize before = window->size();
    auto* content = new QLabel("status page");
    content->setMinimumSize(2000, 2000);
    window->setPage(shell::StatusTab, content);
    QCoreApplication::processEvents();
    QVERIFY(window->page(shell::StatusTab)->isAncestorOf(content));
    QCOMPARE(window->size(), before);
    QVERIFY(window->minimumSizeHint().height() < 1000);
    QVERIFY(!window->page(shell::kTabCount));
}

void UiMainWindow::widgetsCarryTheirControlNames() {
    shell::MainForm model;
    auto window = qt::buildMainWindow(model);
    QCOMPARE(window->objectName(), QString("MainForm"));
    QVERIFY(window->findChild<QTabWidget*>("SSTab1"));
    auto* minimize = window->findChild<QPushButton*>("Cmdm");
    QVERIFY(minimize);
    QCOMPARE(minimize->text(), QString("&Minimize"));
    QCOMPARE(QAccessible::queryAccessibleInterface(minimize)->text(QAccessible::Name),
             QString("Minimize"));
    // The tray's message receiver is no widget: nothing to see or to read out.
    QVERIFY(!window->findChild<QWidget*>("Picture1"));

    QMenu* menu = window->menu();
    QCOMPARE(menu->objectName(), QString("Menu1"));
    QCOMPARE(menu->title(), QString("Menue"));
    const auto actions = menu->actions();
    QCOMPARE(actions.size(), 4);
    QCOMPARE(actions[0]->objectName(), QString("MenuItem[0]"));
    QCOMPARE(actions[0]->text(), QString("Open(&O)"));
    QCOMPARE(menu->defaultAction(), actions[0]);
    QVERIFY(actions[1]->isSeparator());
    QCOMPARE(actions[2]->text(), QString("Version(&A)"));
    QCOMPARE(actions[3]->text(), QString("History(&H)..."));

    int versions = 0;
    model.MenuItem[shell::MenuVersion].onClick = [&] { ++versions; };
    actions[2]->trigger();
    QCOMPARE(versions, 1);
}

// Into the tray when there is one, else onto the task bar; an error brings
// it back un-minimised (bringForward), and the window manager's own
// minimise reaches the model.
void UiMainWindow::minimizeHidesTheWindow() {
    shell::MainForm model;
    auto window = qt::buildMainWindow(model);
    bool tray = true;
    model.Cmdm.onClick = [&] { shell::minimize(model, tray); };
    model.form.setVisible(true);
    QVERIFY(window->isVisible());
    QTest::mouseClick(window->findChild<QPushButton*>("Cmdm"), Qt::LeftButton);
    QVERIFY(!window->isVisible());
    QVERIFY(!model.form.visible());
    QVERIFY(!model.Menu1.visible());

    tray = false;
    model.form.bringForward();
    QVERIFY(window->isVisible());
    QTest::mouseClick(window->findChild<QPushButton*>("Cmdm"), Qt::LeftButton);
    QVERIFY(window->isVisible());
    QTRY_VERIFY(window->isMinimized());
    model.form.bringForward();
    QTRY_VERIFY(!window->isMinimized());

    window->showMinimized();
    QTRY_VERIFY(model.form.minimized());
    QVERIFY(!model.form.seen());
}

void UiMainWindow::closeBoxAsksTheModel() {
    shell::MainForm model;
    auto window = qt::buildMainWindow(model);
    model.form.setVisible(true);
    int asked = 0;
    model.form.onCloseRequested = [&] { ++asked; };  // the user said No

    QCloseEvent byUser;  // the close box: an event from the window system
    QSpontaneKeyEvent::setSpontaneous(&byUser);
    qApp->notify(window.get(), &byUser);  // as delivered, keeping it spontaneous
    QCOMPARE(asked, 1);
    QVERIFY(!byUser.isAccepted());
    QVERIFY(window->isVisible());

    window->close();  // by code: goes through, and the model follows
    QCOMPARE(asked, 1);
    QVERIFY(!window->isVisible());
    QVERIFY(!model.form.visible());
    model.form.setVisible(true);
    QVERIFY(window->isVisible());
}

void UiMainWindow::messageBoxShowsTitleIconAndButtons() {
    qt::QtMessageBoxes boxes;
    whenBoxOpens(
        [](QMessageBox& box) {
            QCOMPARE(box.windowTitle(), QString("Orvan Card Printer  Status Monitor"));
            QCOMPARE(box.icon(), QMessageBox::Question);
            QCOMPARE(buttonTexts(box), (QStringList{"No", "Yes"}));
            QCOMPARE(box.textFormat(), Qt::PlainText);
        },
        "No");
    QCOMPARE(
        boxes.show("Would you like to end Status Monitor?", ui::Icon::Question, ui::Buttons::YesNo),
        ui::Answer::No);

    whenBoxOpens(
        [](QMessageBox& box) {
            QCOMPARE(box.icon(), QMessageBox::Warning);
            QCOMPARE(box.text(), QString("Update failed.\nDetails:"));
            QCOMPARE(buttonTexts(box), (QStringList{"OK"}));
        },
        "OK");
    QCOMPARE(boxes.show("Update failed.\rDetails:", ui::Icon::Warning, ui::Buttons::Ok),
             ui::Answer::Ok);
}

void UiMainWindow::messageBoxAnswersMapBack() {
    qt::QtMessageBoxes boxes;
    whenBoxOpens(
        [](QMessageBox& box) {
            QCOMPARE(box.icon(), QMessageBox::Critical);
            QCOMPARE(buttonTexts(box), (QStringList{"Cancel", "Continue", "Try Again"}));
        },
        "Try Again");
    QCOMPARE(boxes.show("Card jam.", ui::Icon::Error, ui::Buttons::CancelTryAgainContinue),
             ui::Answer::TryAgain);

    whenBoxOpens([](QMessageBox&) {}, "Continue");
    QCOMPARE(boxes.show("Card jam.", ui::Icon::Error, ui::Buttons::CancelTryAgainContinue),
             ui::Answer::Continue);

    // Closed without a button: the cautious answer.
    whenBoxOpens([](QMessageBox&) {}, "");
    QCOMPARE(boxes.show("Would you like to change Printer Setting?", ui::Icon::Question,
                        ui::Buttons::OkCancel),
             ui::Answer::Cancel);
}

void UiMainWindow::trayShowsTheProgramsOwnIcon() {
    qt::QtTrayIcon tray(nullptr);
    const QImage shown = tray.icon().icon().pixmap(64, 64).toImage();
    const QImage own(qt::programFile(qt::kProgramIconFile));
    QCOMPARE(own.size(), QSize(64, 64));
    QCOMPARE(shown.size(), own.size());
    // The card's black panel, and the corner left transparent.
    QCOMPARE(shown.pixelColor(43, 50), own.pixelColor(43, 50));
    QCOMPARE(shown.pixelColor(43, 50), QColor("#1a1a1a"));
    QCOMPARE(shown.pixelColor(0, 0).alpha(), 0);
}

// A monitor left running changes state for weeks: each state's picture is
// drawn once and shown again, so Qt's pixmap cache never fills with copies.
void UiMainWindow::trayDrawsEachStatesPictureOnce() {
    qt::QtTrayIcon tray(nullptr);
    struct Step {
        status::Glance state;
        const char* tooltip;
    };
    const Step steps[] = {{status::Glance::Error, "USB:Unit1\nNo Card."},
                          {status::Glance::Ready, "USB:Unit1\nReady"},
                          {status::Glance::Error, "USB:Unit1\nCard jam."}};
    QList<qint64> keys;
    for (const Step& step : steps) {
        tray.showState(step.state, step.tooltip);
        keys << tray.icon().icon().cacheKey();
        QCOMPARE(tray.icon().toolTip(), QString::fromUtf8(step.tooltip));
    }
    QVERIFY(keys[0] != keys[1]);
    QCOMPARE(keys[2], keys[0]);
    // The dot in the error colour, bottom right.
    const QImage shown = tray.icon().icon().pixmap(64, 64).toImage();
    QCOMPARE(shown.pixelColor(50, 50), QColor(0xD3, 0x2F, 0x2F));
}

// Only the exact request of a second start brings the window forward; junk,
// an over-long line or a silent connection do nothing.
void UiMainWindow::aSecondStartsRequestAloneBringsTheWindowForward() {
    QTemporaryDir dir;
    const QString path = dir.filePath("forward.sock");
    int forwards = 0;
    qt::ForwardListener listener(path, [&forwards] { ++forwards; });
    QVERIFY(listener.listening());
    auto send = [&path](const QByteArray& bytes) {
        QLocalSocket socket;
        socket.connectToServer(path);
        QVERIFY(socket.waitForConnected(1000));
        if (!bytes.isEmpty()) socket.write(bytes);
        socket.flush();
        // The listener closes every connection once read, a silent one after
        // its wait: nothing more can come of it then.
        QTRY_VERIFY_WITH_TIMEOUT(socket.state() == QLocalSocket::UnconnectedState, 3000);
    };
    send(shell::kForwardRequest);
    QTRY_COMPARE(forwards, 1);
    for (const QByteArray& other :
         {QByteArray("hello\n"), QByteArray(200, 'f'), QByteArray("forward"), QByteArray()})
        send(other);
    QCoreApplication::processEvents();
    QCOMPARE(forwards, 1);
}

QTEST_MAIN(UiMainWindow)
#include "ui_main_window.moc"
