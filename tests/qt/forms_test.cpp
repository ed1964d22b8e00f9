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
#include <QRadioButton>
#include <QtTest>
#include <functional>
#include <memory>

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
            case qt::FormId::PropertyTab:
                return m.settingTabs().property.controls();
            case qt::FormId::OthersTab:
                return m.settingTabs().others.controls();
            case qt::FormId::AdminDialog:
                return admin.controls();
            case qt::FormId::WaitDialog:
                return m.busyWait().form().controls();
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
    frontEnd->pages().ensure(shell::PropertyTab);
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
    const std::pair<qt::FormId, QStringList> pages[] = {
        {qt::FormId::PrinterSettingTab, printerSetting},
        {qt::FormId::PropertyTab, property},
        {qt::FormId::OthersTab, others}};
    for (const auto& [id, captions] : pages) {
        std::unique_ptr<QWidget> page(qt::createForm(id));
        qt::bindForm(page.get(), screens.controls(id));
        const QStringList shown = shownTexts(page.get());
        for (const QString& caption : captions)
            QVERIFY2(shown.contains(caption), qPrintable(caption));
    }
}

QTEST_MAIN(FormsTest)
#include "forms_test.moc"
