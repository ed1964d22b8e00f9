#include "tabs/setting_tab_buttons.h"

#include "link/link_guard.h"

namespace orvan::tabs {

SettingTabButtons::SettingTabButtons(SettingTabLink link, const link::LinkPlan& plan,
                                     SettingTabSteps steps)
    : link_(std::move(link)), plan_(plan), steps_(std::move(steps)) {}

void SettingTabButtons::wire(ui::Button& update, ui::Button& refresh) {
    update.onClick = link::whenLinkIdle(link_.state, [this] { click(kUpdateButton); });
    refresh.onClick = link::whenLinkIdle(link_.state, [this] { click(kRefreshButton); });
}

void SettingTabButtons::click(int index) {
    if (link_.state.printerCount == 0) {
        ui::warn(link_.boxes, kPrinterNotFound);
        return;
    }
    if (index == kRefreshButton) refresh();
    if (index == kUpdateButton) update();
}

void SettingTabButtons::refresh() {
    if (!ui::confirm(link_.boxes, kRefreshQuestion)) return;
    link_.cycles.identityRefresh();
    if (link_.queryStatus) link_.queryStatus();
    link_.cycles.readAll(plan_);
    if (steps_.fill) steps_.fill();
}

void SettingTabButtons::update() {
    if (!ui::confirm(link_.boxes, kChangeQuestion)) return;
    link::ResultCode result = 0;
    if (steps_.update) {
        result = steps_.update();
    } else {
        if (steps_.collect) steps_.collect();
        result = link_.cycles.applyAll(plan_);
    }
    if (result != 0)
        ui::warn(link_.boxes, link_.catalogue.DescribeCode(result, link_.state.statusWord));
    else if (link_.cycles.wrote() && link_.done)
        link_.done(kSettingsWritten + link_.state.selected.name);
}

}  // namespace orvan::tabs
