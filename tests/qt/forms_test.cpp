// Every screen's form against its model: each control has a widget of its
// kind and each capitalised widget a control; whose captions are shown; and
// what a screen reader is told.
#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QtTest>
#include <functional>
#include <memory>
#include <tuple>

#include "qt/accessible_widgets.h"
#include "qt/form_binder.h"
#include "qt/forms.h"
#include "qt/front_end.h"
#include "qt/qt_message_boxes.h"
#include "shell/platform.h"
#include "shell/rights.h"
#include "simulated_monitor.h"

using namespace orvan;

namespace {

// Every screen's row with its controls: the main window, the tabs and the
// dialogs, as the front end binds them.
struct Screens {
    rig::SimulatedMonitor sim;

    std::vector<std::pair<QString, ui::ControlList>> all() {
        std::vector<std::pair<QString, ui::ControlList>> out{
            {"main_window", sim.monitor.main().controls()}};
        for (const auto* list : {&sim.monitor.screens().tabs(), &sim.monitor.screens().dialogs()})
            for (const shell::Screen& screen : *list)
                out.emplace_back(screen.form, screen.controls());
        return out;
    }
    ui::ControlList controls(const QString& form) {
        for (auto& [name, controls] : all())
            if (name == form) return controls;
        return {};
    }
};

QAccessibleInterface* accessible(QWidget* w) {
    return QAccessible::queryAccessibleInterface(w);
}

QString spokenName(QWidget* w) {
    QAccessibleInterface* a = accessible(w);
    return a ? a->text(QAccessible::Name) : QString();
}

}  // namespace

class FormsTest : public QObject {
    Q_OBJECT

  private slots:
    void everyScreenMatchesItsForm();
    void aMissingRenamedOrWrongWidgetIsFound();
    void staticCaptionsAreTheFormsAndTheLogicsReachTheWidgets();
    void aScreenReaderHearsCaptionsLabelsAndValuesNeverInternalNames();
    void theIpv6DialogsAreModalOverTheWindowAndFollowTheirModels();
    void theIpsecWindowsStackAndTheFolderListScrollsSideways();
};

void FormsTest::everyScreenMatchesItsForm() {
    Screens screens;
    QStringList listed;
    for (const auto& [name, controls] : screens.all()) {
        std::unique_ptr<QWidget> form(qt::createForm(name.toLatin1().constData()));
        QVERIFY2(form, qPrintable(name));
        QVERIFY(controls.size() > 0);
        const qt::FormMismatch mismatch = qt::checkForm(form.get(), controls);
        QVERIFY2(mismatch.ok(), qPrintable(name + ": " + mismatch.describe()));
        listed << name;
    }
    // And no form is left without its screen.
    listed.sort();
    QStringList forms = qt::allForms();
    forms.sort();
    QCOMPARE(listed, forms);
}

void FormsTest::aMissingRenamedOrWrongWidgetIsFound() {
    Screens screens;
    const ui::ControlList controls = screens.controls("printer_setting_tab");
    std::unique_ptr<QWidget> form(qt::createForm("printer_setting_tab"));
    delete form->findChild<QWidget*>("HScroll1_3");
    form->findChild<QWidget*>("Cmd1_1")->setObjectName("Cmd1_9");
    delete form->findChild<QWidget*>("Combo1_2");
    form->findChild<QLabel*>("displayCounterCaption")->setObjectName("Combo1_2");

    const qt::FormMismatch mismatch = qt::checkForm(form.get(), controls);
    QCOMPARE(mismatch.missing, (QStringList{"HScroll1[3]", "Cmd1[1]"}));
    QCOMPARE(mismatch.wrongKind, QStringList{"Combo1_2"});
    QCOMPARE(mismatch.unbound, QStringList{"Cmd1_9"});
    QVERIFY(!mismatch.ok());
}

// A caption that never changes is written in the form alone: binding keeps
// it on screen and hands it to the model. One the logic set before the page
// was built wins, and one it sets afterwards reaches the widget and what a
// screen reader hears.
void FormsTest::staticCaptionsAreTheFormsAndTheLogicsReachTheWidgets() {
    Screens screens;
    tabs::PrinterSettingTab& tab = screens.sim.monitor.screens().printerSetting;
    tab.Label1_3[tabs::YmcLevel].setCaption("2");
    tab.FrameOpt1_4.setCaption("JIS Mode (none fitted)");
    std::unique_ptr<QWidget> page(qt::createForm(tabs::PrinterSettingTab::kForm));
    QVERIFY(qt::bindForm(page.get(), tab.controls()).ok());

    auto* levels = page->findChild<QGroupBox*>("Frame1_0");
    QCOMPARE(levels->title(), QString("Printer Setting"));
    QCOMPARE(tab.Frame1[0].caption(), std::string("Printer Setting"));
    QCOMPARE(page->findChild<QRadioButton*>("Opt1_6_1")->text(), QString("MG Stripe"));
    QCOMPARE(tab.Opt1_6[1].caption(), std::string("MG Stripe"));
    QCOMPARE(page->findChild<QPushButton*>("Cmd1_1")->text(), QString("Re&fresh"));  // Alt+F
    QCOMPARE(tab.Cmd1[1].caption(), std::string("Refresh"));
    QCOMPARE(page->findChild<QLabel*>("Label1_3_3")->text(), QString("2"));
    auto* jis = page->findChild<QGroupBox*>("FrameOpt1_4");
    QCOMPARE(jis->title(), QString("JIS Mode (none fitted)"));

    tab.Frame1[0].setCaption("Print Levels");
    QCOMPARE(levels->title(), QString("Print Levels"));
    QCOMPARE(spokenName(levels), QString("Print Levels"));

    // A dialog's title and a label's long text come from the form as well.
    std::unique_ptr<QWidget> wait(qt::createForm(link::WaitForm::kForm));
    link::WaitForm& waitForm = screens.sim.monitor.busyWait().form();
    QVERIFY(qt::bindForm(wait.get(), waitForm.controls()).ok());
    QCOMPARE(wait->windowTitle(), QString("Orvan Card Printer  Status Monitor"));
    QCOMPARE(wait->findChild<QLabel*>("Label1")->text(),
             QString("Please wait! Printer is printing or offline.     The contents are saved "
                     "automatically after it ends."));
    QCOMPARE(waitForm.CancelButton.caption(), std::string("Cancel"));
}

void FormsTest::aScreenReaderHearsCaptionsLabelsAndValuesNeverInternalNames() {
    rig::SimulatedMonitor sim{shell::executableDirectory()};
    qt::QtMessageBoxes screenBoxes;
    std::unique_ptr<qt::FrontEnd> frontEnd;
    QVERIFY(
        sim.start([&] { frontEnd = std::make_unique<qt::FrontEnd>(sim.window(), screenBoxes); }));
    QMainWindow& window = frontEnd->window();
    // A tab's page is built when the tab is first shown, with what its model
    // holds by then.
    QVERIFY(!window.findChild<QWidget*>("HScroll1_3"));
    sim.monitor.main().SSTab1.setTab(shell::PrinterSettingTab);
    QVERIFY(frontEnd->pages().built(shell::PrinterSettingTab));
    QCOMPARE(window.findChild<QLabel*>("Label1_3_3")->text(), QString("0"));
    for (int tab : {shell::PropertyTab, shell::MediaSettingTab, shell::LaminatorTab,
                    shell::SecurityLockTab, shell::PrinterSelectTab})
        frontEnd->pages().ensure(tab);
    sim.monitor.main().SSTab1.setTab(shell::StatusTab);

    QCOMPARE(accessible(&window)->role(), QAccessible::Window);
    QList<QWidget*> widgets = window.findChildren<QWidget*>();
    for (QWidget* w : widgets) {
        const QString name = spokenName(w);
        QVERIFY2(name != w->objectName() || !w->objectName().front().isUpper(), qPrintable(name));
        QVERIFY2(!name.contains('['), qPrintable(name));
    }

    auto* printers = window.findChild<QComboBox*>("Combo0");
    QCOMPARE(printers->currentText(), QString("USB:Unit1"));
    QCOMPARE(spokenName(printers), QString("Printer Name"));
    QCOMPARE(accessible(printers)->text(QAccessible::Value), QString("USB:Unit1"));
    QCOMPARE(spokenName(window.findChild<QComboBox*>("Combo2_1")), QString("Document Name"));
    QCOMPARE(spokenName(window.findChild<QWidget*>("HScroll1_3")), QString("YMC Ink Print Level"));
    QCOMPARE(spokenName(window.findChild<QWidget*>("FrameOpt1_2")), QString("ISO Mode"));
    QCOMPARE(accessible(window.findChild<QRadioButton*>("Opt1_2_0"))->role(),
             QAccessible::RadioButton);
    QCOMPARE(spokenName(window.findChild<QWidget*>("Combo4_0")), QString("Material"));
    QCOMPARE(spokenName(window.findChild<QWidget*>("Combo8_4")), QString("Cooling Time"));
    QCOMPARE(spokenName(window.findChild<QWidget*>("Text9_2_1")),
             QString("Type the password again to confirm:"));
    sim.monitor.main().SSTab1.setTab(shell::PrinterSelectTab);
    QCOMPARE(spokenName(window.findChild<QComboBox*>("Combo7_1")), QString("Current Printer"));
    QCOMPARE(spokenName(window.findChild<QWidget*>("Text7_1")), QString("IP Address"));
    QCOMPARE(spokenName(window.findChild<QLabel*>("Label7_4_2")),
             QString("MAC Address: 02-4F-52-56-00-50"));
    sim.monitor.main().SSTab1.setTab(shell::StatusTab);

    // The two status lines say whose they are.
    QCOMPARE(spokenName(window.findChild<QLabel*>("Label0_1")), QString("Printer status: Ready"));
    QCOMPARE(spokenName(window.findChild<QLabel*>("Label0_6")), QString("Laminator status: Ready"));

    // A gauge is a progress bar with the percentage beside it as its value.
    QWidget* ink = window.findChild<QWidget*>("Pic0_1");
    QAccessibleInterface* gauge = accessible(ink);
    QCOMPARE(gauge->role(), QAccessible::ProgressBar);
    QCOMPARE(spokenName(ink), QString("Ink Quantity"));
    QCOMPARE(gauge->valueInterface()->currentValue().toInt(), 80);
    QCOMPARE(gauge->valueInterface()->maximumValue().toInt(), 100);

    // Values that go empty are read as empty, not as what they said before.
    sim.world.setUsbAttached(0, false);
    sim.world.setNetworkAttached(0, false);
    sim.runCycle();
    sim.runCycle();
    QCOMPARE(spokenName(window.findChild<QLabel*>("Label0_2")), QString("Card Quantity: "));
    QVERIFY(!gauge->valueInterface()->currentValue().isValid());
}

void FormsTest::theIpv6DialogsAreModalOverTheWindowAndFollowTheirModels() {
    rig::SimulatedMonitor sim{shell::executableDirectory()};
    qt::QtMessageBoxes screenBoxes;
    std::unique_ptr<qt::FrontEnd> frontEnd;
    QVERIFY(
        sim.start([&] { frontEnd = std::make_unique<qt::FrontEnd>(sim.window(), screenBoxes); }));
    sim.monitor.main().SSTab1.setTab(shell::PrinterSelectTab);
    sim.monitor.main().Timer1.setEnabled(false);  // the wait idles between gestures
    network::PrinterSelectTab& tab = sim.monitor.screens().printerSelect;
    // Built when first shown.
    QVERIFY(!frontEnd->window().findChild<QDialog*>("Ipv6SettingForm"));
    QDialog* dialog = nullptr;
    bool shown = false;
    sim.loop.onIdle = [&] {
        dialog = frontEnd->window().findChild<QDialog*>("Ipv6SettingForm");
        QVERIFY(dialog);
        shown = dialog->isVisible();
        QCOMPARE(dialog->windowTitle(), QString("IPv6 Setting"));
        QCOMPARE(dialog->windowModality(), Qt::ApplicationModal);
        QCOMPARE(dialog->parentWidget(), &frontEnd->window());
        QCOMPARE(dialog->findChild<QLineEdit*>("Text1_0")->text(), QString(" FD00::50"));
        QCOMPARE(spokenName(dialog->findChild<QLineEdit*>("Text1_4")), QString("Default Gateway"));
        QVERIFY(!dialog->findChild<QPushButton*>("Cmd1_0")->isEnabled());  // automatic mode
        dialog->findChild<QPushButton*>("Cmd1_2")->click();
    };
    tab.Command7_4.click();
    sim.loop.onIdle = nullptr;
    QVERIFY(shown);
    QVERIFY(!dialog->isVisible());

    // Over the network the property dialog opens instead.
    QDialog* property = nullptr;
    sim.monitor.printerCombos().Combo7_1.setListIndex(1);
    sim.monitor.main().Timer1.setEnabled(false);
    QString second;
    sim.loop.onIdle = [&] {
        property = frontEnd->window().findChild<QDialog*>("Ipv6PropertyForm");
        QVERIFY(property);
        second = property->findChild<QLabel*>("Label1_2")->text();
        property->findChild<QPushButton*>("Cmd1_2")->click();
    };
    tab.Command7_4.click();
    sim.loop.onIdle = nullptr;
    QCOMPARE(second, QString(" FD00::51"));
    QVERIFY(property && !property->isVisible());
}

void FormsTest::theIpsecWindowsStackAndTheFolderListScrollsSideways() {
    rig::SimulatedMonitor sim{shell::executableDirectory()};
    qt::QtMessageBoxes screenBoxes;
    std::unique_ptr<qt::FrontEnd> frontEnd;
    QVERIFY(
        sim.start([&] { frontEnd = std::make_unique<qt::FrontEnd>(sim.window(), screenBoxes); }));
    network::IpsecForm& ipsec = sim.monitor.screens().ipsec;
    // Each window is built when first shown, as the child of the one it opens over.
    QVERIFY(!frontEnd->window().findChild<QDialog*>("IpsecForm"));
    ipsec.form.setVisible(true);
    ipsec.chooser.form.setVisible(true);
    ipsec.prompt.form.setVisible(true);
    QCoreApplication::processEvents();
    auto* dialog = frontEnd->window().findChild<QDialog*>("IpsecForm");
    QVERIFY(dialog);
    auto* chooser = dialog->findChild<QDialog*>("CertificateFileForm");
    QVERIFY(chooser);
    auto* prompt = chooser->findChild<QDialog*>("CertificatePasswordForm");
    QVERIFY(prompt);
    ipsec.prompt.form.setVisible(false);
    QCOMPARE(dialog->windowTitle(), QString("IPSec Setting"));
    QCOMPARE(chooser->windowTitle(), QString("Select Certificate Download File"));
    QCOMPARE(prompt->windowTitle(), QString("Printer Certificate Password"));
    auto* types = dialog->findChild<QComboBox*>("Combo1");
    QCOMPARE(types->count(), 3);
    QCOMPARE(types->itemText(2), QString("CA Certificate"));
    QCOMPARE(spokenName(types), QString("Download Type"));
    auto* password = prompt->findChild<QLineEdit*>("Text1");
    QCOMPARE(password->echoMode(), QLineEdit::Password);
    QCOMPARE(password->maxLength(), 255);
    QCOMPARE(spokenName(password), QString("Please input password for Printer Certificate."));

    // The bar below the folder list moves it left and widens it inside its
    // clip, 10 px a step, its right edge staying put.
    ipsec.chooser.form.setVisible(true);
    QCoreApplication::processEvents();
    auto* folders = chooser->findChild<QListWidget*>("Dir5");
    for (const auto& [step, left, width] :
         {std::tuple{10, -100, 400}, {3, -30, 330}, {0, 0, 300}}) {
        ipsec.chooser.HScroll5.setValue(step);
        QCOMPARE(folders->geometry(), QRect(left, 0, width, 180));
    }
    QCOMPARE(spokenName(chooser->findChild<QWidget*>("Dir5")), QString("Folder"));
    ipsec.chooser.form.setVisible(false);
    ipsec.form.setVisible(false);
}

QTEST_MAIN(FormsTest)
#include "forms_test.moc"
