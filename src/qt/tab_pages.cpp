#include "qt/tab_pages.h"

#include "qt/form_binder.h"
#include "qt/forms.h"

namespace orvan::qt {
namespace {

struct TabPage {
    int tab;
    FormId form;
    ui::ControlList (*controls)(shell::Monitor&);
};

const TabPage kPages[] = {
    {shell::StatusTab, FormId::StatusTab,
     [](shell::Monitor& m) { return m.statusTab().controls(); }},
    {shell::PrinterSettingTab, FormId::PrinterSettingTab,
     [](shell::Monitor& m) { return m.settingTabs().printerSetting.controls(); }},
    {shell::RetransferTab, FormId::RetransferTab,
     [](shell::Monitor& m) { return m.settingTabs().retransfer.controls(); }},
    {shell::BendRemedyTab, FormId::BendRemedyTab,
     [](shell::Monitor& m) { return m.settingTabs().bendRemedy.controls(); }},
    {shell::PropertyTab, FormId::PropertyTab,
     [](shell::Monitor& m) { return m.settingTabs().property.controls(); }},
    {shell::MediaSettingTab, FormId::MediaSettingTab,
     [](shell::Monitor& m) { return m.settingTabs().mediaSetting.controls(); }},
    {shell::LaminatorTab, FormId::LaminatorTab,
     [](shell::Monitor& m) { return m.settingTabs().laminator.controls(); }},
    {shell::SecurityLockTab, FormId::SecurityLockTab,
     [](shell::Monitor& m) { return m.settingTabs().securityLock.controls(); }},
    {shell::PrinterSelectTab, FormId::PrinterSelectTab,
     [](shell::Monitor& m) { return m.settingTabs().printerSelect.controls(); }},
    {shell::OthersTab, FormId::OthersTab,
     [](shell::Monitor& m) { return m.settingTabs().others.controls(); }},
};

}  // namespace

TabPages::TabPages(QtMainWindow& window, shell::Monitor& monitor)
    : QObject(&window), window_(window), monitor_(monitor) {
    connect(window.tabs(), &QTabWidget::currentChanged, this, [this](int tab) { ensure(tab); });
    ensure(window.tabs()->currentIndex());
}

bool TabPages::built(int tab) const {
    return tab >= 0 && tab < shell::kTabCount && built_[static_cast<std::size_t>(tab)];
}

void TabPages::ensure(int tab) {
    if (tab < 0 || tab >= shell::kTabCount || built(tab)) return;
    for (const TabPage& page : kPages) {
        if (page.tab != tab) continue;
        built_[static_cast<std::size_t>(tab)] = true;
        QWidget* content = createForm(page.form);
        const FormMismatch mismatch = bindForm(content, page.controls(monitor_));
        if (!mismatch.ok()) qWarning("tab %d: %s", tab, qPrintable(mismatch.describe()));
        window_.setPage(tab, content);
    }
}

}  // namespace orvan::qt
