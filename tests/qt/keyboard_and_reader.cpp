// Every page and dialog bound to its model, as a keyboard user and a screen
// reader meet it: what Tab reaches and in which order, the grids as one Tab
// stop walked with the arrows, mnemonics that never collide, names that tell
// apart what only the position on screen does, disabled text that reads.
#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTabBar>
#include <QtTest>
#include <memory>

#include "qt/control_link.h"
#include "qt/form_binder.h"
#include "qt/forms.h"
#include "qt/front_end.h"
#include "qt/main_window.h"
#include "qt/qt_message_boxes.h"
#include "qt/widget_link.h"
#include "shell/platform.h"
#include "simulated_monitor.h"
#include "ui/control_list.h"

using namespace orvan;

namespace {

struct Window {
    rig::SimulatedMonitor sim{shell::executableDirectory()};
    qt::QtMessageBoxes screenBoxes;
    std::unique_ptr<qt::FrontEnd> frontEnd;

    bool start() {
        return sim.start(
            [&] { frontEnd = std::make_unique<qt::FrontEnd>(sim.window(), screenBoxes); });
    }
    qt::QtMainWindow& window() { return frontEnd->window(); }
    QDialog* dialog(const shell::Screen& screen) {
        return window().findChild<QDialog*>(qt::toQt(ui::widgetName(screen.window->name())));
    }
    // The tab's page, shown.
    QWidget* page(int tab) {
        sim.monitor.main().SSTab1.setTab(tab);
        QCoreApplication::processEvents();
        return frontEnd->window().tabs()->widget(tab);
    }
};

QString spokenName(QAccessibleInterface* a) {
    return a->text(QAccessible::Name);
}

// Roles a screen reader stops at: what can be used, and what tells something.
// Labels are left out: a caption repeated beside each row ("%", the "Light"
// and "Dark" ends of each level) is read with its row, and an empty value
// label is not read at all.
bool heard(QAccessible::Role role) {
    switch (role) {
        case QAccessible::PushButton:
        case QAccessible::CheckBox:
        case QAccessible::RadioButton:
        case QAccessible::ComboBox:
        case QAccessible::ScrollBar:
        case QAccessible::EditableText:
        case QAccessible::List:
        case QAccessible::PageTab:
        case QAccessible::ProgressBar:
        case QAccessible::Graphic:
        case QAccessible::Grouping:
        case QAccessible::Client:
            return true;
        default:
            return false;
    }
}

// Nameless and yet fine: Qt's own parts of a scrolled area (its viewport,
// its scroll bars and their holders) are read as parts of the area they
// scroll, and a reader names a scroll bar by its direction.
bool mayBeNameless(QAccessibleInterface* a) {
    const auto* w = qobject_cast<QWidget*>(a->object());
    for (int up = 0; w && up < 2; ++up, w = w->parentWidget())
        if (w->objectName().startsWith(QLatin1String("qt_scrollarea_"))) return true;
    return false;
}

// Where a visible node has siblings of one role under one name, or an
// empty name, one line each.
void findUnclearNames(QAccessibleInterface* node, const QString& path, QStringList& faults) {
    QMap<QPair<int, QString>, int> seen;
    for (int i = 0; i < node->childCount(); ++i) {
        QAccessibleInterface* child = node->child(i);
        if (!child || child->state().invisible) continue;
        const QString name = spokenName(child);
        const QString where =
            path + " > " + (child->object() ? child->object()->objectName() : "?");
        if (name != qt::withoutMnemonic(name))
            faults << where + " keeps a mnemonic mark in its name: " + name;
        if (heard(child->role())) {
            if (name.trimmed().isEmpty() && !mayBeNameless(child))
                faults << where + QStringLiteral(" (role %1) has no name").arg(child->role());
            else if (!name.trimmed().isEmpty() && ++seen[{child->role(), name}] == 2)
                faults << where + " shares its name with a sibling: " + name;
        }
        // A combo's list pops up apart; a list's rows are its items.
        if (child->role() != QAccessible::ComboBox && child->role() != QAccessible::List)
            findUnclearNames(child, where, faults);
    }
}

QStringList unclearNames(QWidget* top) {
    QStringList faults;
    findUnclearNames(QAccessible::queryAccessibleInterface(top), top->objectName(), faults);
    return faults;
}

// What Tab visits inside `root`, in order, as Qt's focus chain has it.
QStringList tabChain(QWidget* root) {
    QStringList names;
    for (QWidget* w = root->nextInFocusChain(); w != root; w = w->nextInFocusChain()) {
        if (w == root->window()) break;
        if (root->isAncestorOf(w) && (w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(root))
            names << w->objectName();
    }
    return names;
}

QChar mnemonic(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != u'&') continue;
        if (text[i + 1] != u'&') return text[i + 1].toUpper();
        ++i;
    }
    return {};
}

// Mnemonics of what shows in `root` and of the tab bar, one entry per
// collision or per push button without one.
QStringList mnemonicFaults(QWidget* root, QTabBar* tabs) {
    QMap<QChar, QString> owner;
    QStringList faults;
    auto claim = [&](const QString& text, const QString& who) {
        const QChar key = mnemonic(text);
        if (key.isNull()) return;
        if (owner.contains(key))
            faults << QStringLiteral("%1 and %2 share Alt+%3").arg(owner[key], who).arg(key);
        owner[key] = who;
    };
    if (tabs)
        for (int i = 0; i < tabs->count(); ++i) claim(tabs->tabText(i), tabs->tabText(i));
    // The other pages are hidden, and a dialog over this one is a window of its own.
    for (QWidget* w : root->window()->findChildren<QWidget*>()) {
        if (w->window() != root->window() || !w->isVisibleTo(root->window())) continue;
        if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            claim(button->text(), button->objectName());
            if (qobject_cast<QPushButton*>(w) && mnemonic(button->text()).isNull())
                faults << button->objectName() + " has no mnemonic";
        }
        if (auto* label = qobject_cast<QLabel*>(w); label && label->buddy())
            claim(label->text(), label->objectName());
    }
    return faults;
}

}  // namespace

class KeyboardAndReader : public QObject {
    Q_OBJECT

  private slots:
    void everyPageAndDialogNamesWhatItShowsApart();
    void tabReachesEveryValueInReadingOrderAndMnemonicsNeverCollide();
    void aGridIsOneTabStopWalkedWithTheArrows();
    void aFolderOpensOnOneClickOrEnterAndDisabledTextReads();
};

void KeyboardAndReader::everyPageAndDialogNamesWhatItShowsApart() {
    Window w;
    QVERIFY(w.start());
    w.window().show();
    QStringList faults;
    for (int tab = 0; tab < shell::kTabCount; ++tab) {
        w.page(tab);
        faults << unclearNames(&w.window());
    }
    for (const shell::Screen& screen : w.sim.monitor.screens().dialogs()) {
        screen.window->setVisible(true);
        QCoreApplication::processEvents();
        QDialog* dialog = w.dialog(screen);
        QVERIFY2(dialog, screen.form);
        faults << unclearNames(dialog);
        screen.window->setVisible(false);
    }
    // The wait dialog stands apart from the screens.
    std::unique_ptr<QWidget> wait(qt::createForm(link::WaitForm::kForm));
    QVERIFY(qt::bindForm(wait.get(), w.sim.monitor.busyWait().form().controls()).ok());
    wait->show();
    faults << unclearNames(wait.get());
    for (const QString& fault : faults) qWarning("%s", qPrintable(fault));
    QVERIFY2(faults.isEmpty(), "see the warnings above");

    // What sits side by side on screen is told apart by name.
    auto name = [&](const char* widget) {
        return spokenName(
            QAccessible::queryAccessibleInterface(w.window().findChild<QWidget*>(widget)));
    };
    w.page(shell::LaminatorTab);
    QCOMPARE(name("HScroll8_0"), QString("Bottom Position"));
    QCOMPARE(name("HScroll8_1"), QString("Top Position"));
    QCOMPARE(name("Combo8_1"), QString("Bottom Temperature"));
    QCOMPARE(name("topFilmFrame"), QString("Top Film Type"));
    w.page(shell::PrinterSelectTab);
    QCOMPARE(name("ipsecMethodFrame"), QString("IPSec Key Type"));
    QCOMPARE(name("Command7_2"), QString("IPSec Details ..."));
    // Pictures are images; the printer combo's text field has its label's name.
    w.page(shell::StatusTab);
    QCOMPARE(
        QAccessible::queryAccessibleInterface(w.window().findChild<QWidget*>("Pic0_4"))->role(),
        QAccessible::Graphic);
    auto* printers = w.window().findChild<QComboBox*>("Combo0");
    if (printers->lineEdit())
        QCOMPARE(printers->lineEdit()->accessibleName(), QString("Printer Name"));
    // A cell says where it is, what its colour means and whether it is chosen.
    w.page(shell::RetransferTab);
    QCOMPARE(name("Label2_3_15"), QString("Temperature 0, Speed 0: standard, selected"));
    QVERIFY(!name("Label2_3_0").endsWith(':'));
    QCOMPARE(name("legendRecommendedBox"), QString("Cyan box: Recomended."));
}

void KeyboardAndReader::tabReachesEveryValueInReadingOrderAndMnemonicsNeverCollide() {
    Window w;
    QVERIFY(w.start());
    QTabBar* tabs = w.window().tabs()->tabBar();
    for (int tab = 0; tab < shell::kTabCount; ++tab) {
        QWidget* page = w.page(tab);
        const QStringList faults = mnemonicFaults(page, tabs);
        QVERIFY2(faults.isEmpty(), qPrintable(tabs->tabText(tab) + ": " + faults.join("; ")));
        // Every value on the page is a Tab stop, the scroll bars included.
        const QStringList chain = tabChain(page);
        for (QWidget* input : page->findChildren<QWidget*>()) {
            const bool value = qobject_cast<QScrollBar*>(input) ||
                               qobject_cast<QComboBox*>(input) || qobject_cast<QLineEdit*>(input) ||
                               qobject_cast<QAbstractButton*>(input);
            if (value && input->isVisibleTo(page) && !input->objectName().isEmpty() &&
                !qobject_cast<QComboBox*>(input->parentWidget()))
                QVERIFY2(chain.contains(input->objectName()), qPrintable(input->objectName()));
        }
    }
    // In reading order: the laminator's bottom side before its top side, the
    // folder list before the file list.
    auto inOrder = [](const QStringList& chain, const QStringList& expected) {
        QStringList seen;
        for (const QString& name : chain)
            if (expected.contains(name)) seen << name;
        return seen == expected ? QString() : seen.join(' ');
    };
    // The arrow keys move a bar the way they point, as its arrow buttons do.
    auto* level = w.page(shell::PrinterSettingTab)->findChild<QScrollBar*>("HScroll1_3");
    QVERIFY(level);
    const int before = level->value();
    QTest::keyClick(level, Qt::Key_Right);
    QCOMPARE(level->value(), before + 1);
    QTest::keyClick(level, Qt::Key_Left);
    QCOMPARE(level->value(), before);

    QCOMPARE(inOrder(tabChain(w.page(shell::LaminatorTab)),
                     {"Opt8_3_0", "HScroll8_0", "Combo8_1", "Opt8_4_0", "HScroll8_1", "Combo8_2"}),
             QString());
    QCOMPARE(inOrder(tabChain(w.page(shell::SecurityLockTab)),
                     {"Opt9_1", "Text9_2_0", "Opt9_2", "Opt9_3", "Text9_2_1", "Cmd9_0"}),
             QString());
    QCOMPARE(inOrder(tabChain(w.page(shell::OthersTab)),
                     {"Drive6", "Dir6", "HScroll6", "File6", "Text6", "Cmd6_2"}),
             QString());

    // The dialogs keep their own mnemonics apart, the certificate chooser's
    // lists in reading order too.
    for (const shell::Screen& screen : w.sim.monitor.screens().dialogs()) {
        screen.window->setVisible(true);
        QCoreApplication::processEvents();
        QDialog* dialog = w.dialog(screen);
        QVERIFY2(dialog, screen.form);
        const QStringList faults = mnemonicFaults(dialog, nullptr);
        QVERIFY2(faults.isEmpty(), qPrintable(QString(screen.form) + ": " + faults.join("; ")));
        if (QString(screen.form) == "certificate_file_dialog")
            QCOMPARE(inOrder(tabChain(dialog), {"Drive5", "Dir5", "HScroll5", "File5", "Cmd5_0"}),
                     QString());
        screen.window->setVisible(false);
    }
}

void KeyboardAndReader::aGridIsOneTabStopWalkedWithTheArrows() {
    Window w;
    QVERIFY(w.start());
    w.window().show();
    QApplication::setActiveWindow(&w.window());
    QVERIFY(QTest::qWaitForWindowActive(&w.window()));
    QWidget* page = w.page(shell::RetransferTab);
    auto cell = [&](int k) { return page->findChild<QLabel*>(QString("Label2_3_%1").arg(k)); };

    // One stop per grid, at the chosen cell, before the bar that follows it.
    auto stops = [&] {
        QStringList grid;
        for (const QString& name : tabChain(page))
            if (name.startsWith("Label2_") || name.startsWith("HScroll2_")) grid << name;
        return grid;
    };
    QCOMPARE(stops(), (QStringList{"Label2_3_15", "HScroll2_0", "Label2_4_15", "HScroll2_1"}));

    // Tab goes on from the grid to the bar below it.
    cell(15)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(cell(15), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QString("HScroll2_0"));
    // Column 0 is the rightmost and row 0 the bottom one.
    cell(15)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(cell(15), Qt::Key_Right);
    QCOMPARE(QApplication::focusWidget(), cell(14));
    QTest::keyClick(cell(14), Qt::Key_Up);
    QCOMPARE(QApplication::focusWidget(), cell(20));
    QTest::keyClick(cell(20), Qt::Key_Left);
    QCOMPARE(QApplication::focusWidget(), cell(21));
    // The edge keeps the focus in the grid.
    cell(24)->setFocus();
    QTest::keyClick(cell(24), Qt::Key_Up);
    QCOMPARE(QApplication::focusWidget(), cell(24));
    // Tab comes back to the cell last visited, and nothing was chosen yet.
    QCOMPARE(stops().first(), QString("Label2_3_24"));
    QCOMPARE(cell(15)->text(), QString("*"));
    cell(3)->setFocus();
    QTest::keyClick(cell(3), Qt::Key_Space);
    QCOMPARE(cell(3)->text(), QString("*"));
    QCOMPARE(cell(3)->accessibleName().section(':', 0, 0), QString("Temperature -2, Speed 0"));
    QVERIFY(cell(3)->accessibleName().endsWith(", selected"));
    QCOMPARE(cell(15)->accessibleName(), QString("Temperature 0, Speed 0: standard"));
}

void KeyboardAndReader::aFolderOpensOnOneClickOrEnterAndDisabledTextReads() {
    Window w;
    QVERIFY(w.start());
    w.window().show();
    QWidget* page = w.page(shell::OthersTab);
    auto& others = w.sim.monitor.screens().others;
    auto* folders = page->findChild<QListWidget*>("Dir6");
    QVERIFY(folders->count() > 1);
    QVERIFY(others.Dir6.path() != "/");
    const QRect root = folders->visualItemRect(folders->item(0));
    QTest::mouseClick(folders->viewport(), Qt::LeftButton, {}, root.center());
    QCOMPARE(others.Dir6.path(), std::string("/"));
    // Enter opens the folder the arrows went to.
    folders->setCurrentRow(1);
    const std::string next = others.Dir6.rowPath(1);
    QTest::keyClick(folders, Qt::Key_Return);
    QCOMPARE(others.Dir6.path(), next);
    QVERIFY(w.sim.boxes.shown().empty());

    // A locked password field is light cyan; its text still reads (4.5:1).
    w.page(shell::SecurityLockTab);
    auto* password = w.window().findChild<QLineEdit*>("Text9_2_0");
    QVERIFY(!password->isEnabled());
    const QPalette pal = password->palette();
    QCOMPARE(pal.color(QPalette::Disabled, QPalette::Base), QColor(0xC0, 0xFF, 0xFF));
    for (auto role : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText})
        QVERIFY(qt::contrast(pal.color(QPalette::Disabled, role),
                             pal.color(QPalette::Disabled, QPalette::Base)) >=
                qt::kReadableContrast);
    QCOMPARE(pal.color(QPalette::Active, QPalette::Base), QColor(0xC0, 0xFF, 0xFF));
}

QTEST_MAIN(KeyboardAndReader)
#include "keyboard_and_reader.moc"
