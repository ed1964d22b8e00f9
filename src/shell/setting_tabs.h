#pragma once
// The tabs beyond "Printer Status", each with its logic and controls, built
// from one context and installed into the monitor's tab dispatch.
#include <array>

#include "maintenance/others_tab.h"
#include "shell/main_form.h"
#include "shell/tab_handlers.h"
#include "tabs/printer_setting_tab.h"
#include "tabs/property_tab.h"
#include "tabs/tab_context.h"

namespace orvan::shell {

struct SettingTabs {
    SettingTabs(const tabs::TabContext& context, maintenance::OthersLink othersLink);
    SettingTabs(const SettingTabs&) = delete;
    SettingTabs& operator=(const SettingTabs&) = delete;

    // Sets each tab's start-up step and its refresh on a tab click.
    void install(std::array<TabHandlers, kTabCount>& handlers);

    tabs::PrinterSettingTab printerSetting;
    tabs::PropertyTab property;
    maintenance::OthersTab others;
};

}  // namespace orvan::shell
