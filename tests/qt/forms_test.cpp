// Every screen's form against its model: each control has a widget of its
// kind and each capitalised widget a control; what a screen reader is told;
// and every caption of the setting tabs on screen.
#include <QAbstractButton>
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

struct Screens {
    rig::SimulatedMonitor sim;
    shell::UserRights rights;
    shell::AdminForm admin{rights, {}};

    ui::ControlList controls(qt::FormId id) {
        shell::Monitor& m = sim.monitor;
        switch (id) {
            case qt::FormId::MainWindow:
                return m.main().controls();
            case qt::FormId::StatusTab:
                return m.statusTab().controls();
            case qt::FormId::PrinterSettingTab:
                return m.settingTabs().printerSetting.controls();
            case qt::FormId::RetransferTab:
                return m.settingTabs().retransfer.controls();
            case qt::FormId::BendRemedyTab:
                return m.settingTabs().bendRemedy.controls();
            case qt::FormId::PropertyTab:
                return m.settingTabs().property.controls();
            case qt::FormId::MediaSettingTab:
                return m.settingTabs().mediaSetting.controls();
            case qt::FormId::LaminatorTab:
                return m.settingTabs().laminator.controls();
            case qt::FormId::SecurityLockTab:
                return m.settingTabs().securityLock.controls();
            case qt::FormId::PrinterSelectTab:
                return m.settingTabs().printerSelect.controls();
            case qt::FormId::Ipv6SettingDialog:
                return m.settingTabs().printerSelect.ipv6Setting.controls();
            case qt::FormId::Ipv6PropertyDialog:
                return m.settingTabs().printerSelect.ipv6Property.controls();
            case qt::FormId::OthersTab:
                return m.settingTabs().others.controls();
            case qt::FormId::AdminDialog:
                return admin.controls();
            case qt::FormId::WaitDialog:
                return m.busyWait().form().controls();
            case qt::FormId::IpsecDialog:
                return m.settingTabs().ipsec.controls();
            case qt::FormId::CertificateFileDialog:
                return m.settingTabs().ipsec.chooser.controls();
            case qt::FormId::CertificatePasswordDialog:
                return m.settingTabs().ipsec.prompt.controls();
        }
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

// Every text the page shows: labels, frame titles and button captions.
QStringList shownTexts(QWidget* page) {
    QStringList texts;
    for (auto* l : page->findChildren<QLabel*>()) texts << l->text();
    for (auto* g : page->findChildren<QGroupBox*>()) texts << g->title();
    for (auto* b : page->findChildren<QAbstractButton*>()) texts << b->text();
    return texts;
}

}  // namespace

class FormsTest : public QObject {
    Q_OBJECT

  private slots:
    void everyScreenMatchesItsForm();
    void aMissingRenamedOrWrongWidgetIsFound();
    void aScreenReaderHearsCaptionsLabelsAndValuesNeverInternalNames();
    void everyCaptionOfTheSettingTabsIsOnScreen();
    void theIpv6DialogsAreModalOverTheWindowAndFollowTheirModels();
    void theIpsecWindowsStackAndTheFolderListScrollsSideways();
};

void FormsTest::everyScreenMatchesItsForm() {
    Screens screens;
    for (qt::FormId id : qt::kAllForms) {
        std::unique_ptr<QWidget> form(qt::createForm(id));
        const ui::ControlList controls = screens.controls(id);
        QVERIFY(controls.size() > 0);
        const qt::FormMismatch mismatch = qt::checkForm(form.get(), controls);
        QVERIFY2(mismatch.ok(), qPrintable(form->objectName() + ": " + mismatch.describe()));
    }
}

void FormsTest::aMissingRenamedOrWrongWidgetIsFound() {
    Screens screens;
    const ui::ControlList controls = screens.controls(qt::FormId::PrinterSettingTab);
    std::unique_ptr<QWidget> form(qt::createForm(qt::FormId::PrinterSettingTab));
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

void FormsTest::aScreenReaderHearsCaptionsLabelsAndValuesNeverInternalNames() {
    rig::SimulatedMonitor sim{shell::executableDirectory()};
    qt::QtMessageBoxes screenBoxes;
    std::unique_ptr<qt::FrontEnd> frontEnd;
    QVERIFY(
        sim.start([&] { frontEnd = std::make_unique<qt::FrontEnd>(sim.monitor, screenBoxes); }));
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

void FormsTest::everyCaptionOfTheSettingTabsIsOnScreen() {
    Screens screens;
    const QStringList printerSetting = {"Printer Setting",
                                        "YMC Ink Print Level",
                                        "Resin K Ink Print Level",
                                        "UV Ink Print Level",
                                        "Peel Off Ink Print Level",
                                        "Light",
                                        "Dark",
                                        "Resin K Ink Print Mode",
                                        "Standard",
                                        "Fine",
                                        "MG Peel Mode",
                                        "MG Stripe",
                                        "Standby Mode",
                                        "Front Wait",
                                        "Back Wait",
                                        "Back Side Cooling",
                                        "Enable",
                                        "Disable",
                                        "MG Unit",
                                        "Number of Retry",
                                        "0",
                                        "3",
                                        "ISO Mode",
                                        "JIS Mode",
                                        "Lo-Co",
                                        "Hi-Co",
                                        "Power Control",
                                        "Power Saving Interval",
                                        "HR Control",
                                        "Others",
                                        "Buzzer",
                                        "Display Contrast",
                                        "-3",
                                        "Display Mode",
                                        "Counter",
                                        "Laminator Status",
                                        "Display Counter",
                                        "Update",
                                        "Refresh"};
    const QStringList property = {"Printer",
                                  "Config.",
                                  "Table",
                                  "Laminator",
                                  "Magnetic Encoder",
                                  "Contact IC Encoder",
                                  "Contact IC R/W",
                                  "Non-Contact IC Encoder",
                                  "Turn Over Unit",
                                  "Bend Remedy Unit",
                                  "Security Lock",
                                  "Counter",
                                  "Print Counter",
                                  "Cleaning Counter",
                                  "Error Counter",
                                  "Printer Total Counter",
                                  "Thermal Head Counter"};
    const QStringList others = {"Test Print",
                                "Single Side",
                                "Both Sides",
                                "Print",
                                "Firmware DownLoad",
                                "Start",
                                "Orvan Card Printer  Status Monitor",
                                "Version 11.07.21.0",
                                "Administrators ..."};
    const QStringList mediaSetting = {
        "Ink Status", "Name",      "Number of Ink Sets", "Ink Lot Number", "Card Type",
        "Material",   "Film Type", "Thickness",          "Update",         "Refresh"};
    const QStringList laminator = {"Basic",
                                   "Laminate Mode",
                                   "Laminate",
                                   "Pass Through",
                                   "HR Control",
                                   "Enable",
                                   "Disable",
                                   "Counter",
                                   "Cleaning Counter",
                                   "Laminator Total Counter",
                                   "Bottom Side Setting",
                                   "Top Side Setting",
                                   "Film Type",
                                   "Patch",
                                   "Overlay",
                                   "Position",
                                   "-7",
                                   "7",
                                   "Temperature",
                                   "Common Setting",
                                   "Speed",
                                   "Cooling Time",
                                   "Update",
                                   "Refresh"};
    const QStringList securityLock = {"Status",           "Setting",
                                      "Security Lock",    "Security Unlock",
                                      "New Password",     "Delete Password",
                                      "Type a password:", "Type the password again to confirm:",
                                      "Update",           "Refresh"};
    const QStringList gridAxes = {"Temperature", "(High)", "(Low)", "Speed", "(Fast)",
                                  "(Slow)",      "+2",     "+1",    "-1",    "-2"};
    const QStringList retransfer = QStringList{"Card Type",
                                               "Front Side",
                                               "Back Side",
                                               " 0",
                                               "0",
                                               "-3",
                                               "UV Speed",
                                               "The color shows a hint for the choice.",
                                               "       : Standard.",
                                               "       : Recomended.",
                                               "       : Card bends much.",
                                               "       : Retransfer defects happen.",
                                               "       : Prohibited. Don't choose them.",
                                               "Note:",
                                               "Setting a value toward the top right end increases "
                                               "the transfer force, however heat deformation of "
                                               "the card will also be greater.",
                                               "Update",
                                               "Refresh"} +
                                   gridAxes;
    const QStringList bendRemedy =
        QStringList{"Card Type",
                    "Bend Remedy Setting",
                    " 0",
                    "0",
                    "-3",
                    "-4",
                    "-5",
                    "Disable",
                    "Note:",
                    "Setting a value toward the top right end increases the bend remedy force, "
                    "however impact of heat on the card will also be greater.  Parts for which the "
                    "bend remedy force is similar is indicated using the same color in the setting "
                    "area.",
                    "Update",
                    "Refresh"} +
        gridAxes;
    const QStringList printerSelect = {"Current Printer",
                                       "IPv4",
                                       "IPv6",
                                       "Scan Printer",
                                       "Printer Name",
                                       "Default Interface",
                                       "Network",
                                       "USB",
                                       "IPv4 Network Setting",
                                       "Obtain and IP Address Automatically",
                                       "Use the following IP Address",
                                       "IP Address",
                                       "Subnet Mask",
                                       "Default Gateway",
                                       "Current Address",
                                       "IPv6 Network Setting",
                                       "Details ...",
                                       "Session Timeout",
                                       "MAC Address",
                                       "Security Setting",
                                       "IPSec Disable",
                                       "IPSec Enable",
                                       "Preshared Key",
                                       "Printer Certificate",
                                       "Sync Time",
                                       "Update",
                                       "Refresh"};
    const QStringList ipv6Setting = {"IPv6 Setting Address",
                                     "IPv6 Address",
                                     "Default Gateway",
                                     "Subnet Prefix Length",
                                     "Update",
                                     "Refresh",
                                     "Close"};
    const QStringList ipv6Property = {"IPv6 Effective Address", "IPv6 Address 1", "IPv6 Address 2",
                                      "IPv6 Address 3",         "Refresh",        "Close"};
    const QStringList ipsec = {"Certificate Download", "Download Type", "Select...", "Close"};
    const QStringList chooser = {"File Selection", "Write", "Cancel"};
    const QStringList prompt = {"Please input password for Printer Certificate.", "OK"};
    const std::pair<qt::FormId, QStringList> pages[] = {
        {qt::FormId::PrinterSettingTab, printerSetting},
        {qt::FormId::RetransferTab, retransfer},
        {qt::FormId::BendRemedyTab, bendRemedy},
        {qt::FormId::PropertyTab, property},
        {qt::FormId::MediaSettingTab, mediaSetting},
        {qt::FormId::LaminatorTab, laminator},
        {qt::FormId::SecurityLockTab, securityLock},
        {qt::FormId::PrinterSelectTab, printerSelect},
        {qt::FormId::Ipv6SettingDialog, ipv6Setting},
        {qt::FormId::Ipv6PropertyDialog, ipv6Property},
        {qt::FormId::OthersTab, others},

        {qt::FormId::IpsecDialog, ipsec},
        {qt::FormId::CertificateFileDialog, chooser},
        {qt::FormId::CertificatePasswordDialog, prompt}};
    for (const auto& [id, captions] : pages) {
        std::unique_ptr<QWidget> page(qt::createForm(id));
        qt::bindForm(page.get(), screens.controls(id));
        const QStringList shown = shownTexts(page.get());
        for (const QString& caption : captions)
            QVERIFY2(shown.contains(caption), qPrintable(caption));
    }
}

void FormsTest::theIpv6DialogsAreModalOverTheWindowAndFollowTheirModels() {
    rig::SimulatedMonitor sim{shell::executableDirectory()};
    qt::QtMessageBoxes screenBoxes;
    std::unique_ptr<qt::FrontEnd> frontEnd;
    QVERIFY(
        sim.start([&] { frontEnd = std::make_unique<qt::FrontEnd>(sim.monitor, screenBoxes); }));
    sim.monitor.main().SSTab1.setTab(shell::PrinterSelectTab);
    sim.monitor.main().Timer1.setEnabled(false);  // the wait idles between gestures
    network::PrinterSelectTab& tab = sim.monitor.settingTabs().printerSelect;
    auto* dialog = frontEnd->window().findChild<QDialog*>("Ipv6SettingForm");
    QVERIFY(dialog);
    QVERIFY(!dialog->isVisible());
    QCOMPARE(dialog->windowTitle(), QString("IPv6 Setting"));

    bool shown = false;
    sim.loop.onIdle = [&] {
        shown = dialog->isVisible();
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
    auto* property = frontEnd->window().findChild<QDialog*>("Ipv6PropertyForm");
    QVERIFY(property);
    sim.monitor.Combo7_1.setListIndex(1);
    sim.monitor.main().Timer1.setEnabled(false);
    QString second;
    sim.loop.onIdle = [&] {
        second = property->findChild<QLabel*>("Label1_2")->text();
        property->findChild<QPushButton*>("Cmd1_2")->click();
    };
    tab.Command7_4.click();
    sim.loop.onIdle = nullptr;
    QCOMPARE(second, QString(" FD00::51"));
    QVERIFY(!property->isVisible());
}

void FormsTest::theIpsecWindowsStackAndTheFolderListScrollsSideways() {
    rig::SimulatedMonitor sim{shell::executableDirectory()};
    qt::QtMessageBoxes screenBoxes;
    std::unique_ptr<qt::FrontEnd> frontEnd;
    QVERIFY(
        sim.start([&] { frontEnd = std::make_unique<qt::FrontEnd>(sim.monitor, screenBoxes); }));
    network::IpsecForm& ipsec = sim.monitor.settingTabs().ipsec;
    // Each window is the child of the one it opens over.
    auto* dialog = frontEnd->window().findChild<QDialog*>("IpsecForm");
    QVERIFY(dialog);
    // The chooser and the prompt come with the dialog's first showing.
    QVERIFY(!dialog->findChild<QDialog*>("CertificateFileForm"));
    ipsec.form.setVisible(true);
    QCoreApplication::processEvents();
    auto* chooser = dialog->findChild<QDialog*>("CertificateFileForm");
    QVERIFY(chooser);
    auto* prompt = chooser->findChild<QDialog*>("CertificatePasswordForm");
    QVERIFY(prompt);
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
