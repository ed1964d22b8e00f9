#pragma once
// The tabs beyond "Printer Status", each with its logic and controls, built
// from one context and installed into the monitor's tab dispatch.
#include <array>

#include "link/guidance_library.h"
#include "shell/main_form.h"
#include "shell/tab_handlers.h"
#include "tabs/bend_remedy_tab.h"
#include "tabs/colour_guidance.h"
#include "tabs/printer_setting_tab.h"
#include "tabs/property_tab.h"
#include "tabs/retransfer_tab.h"
#include "tabs/tab_context.h"

namespace orvan::shell {

struct SettingTabs {
    // guidance: the colour-guidance library, or null for none.
    SettingTabs(const tabs::TabContext& context, link::GuidanceLibrary* guidance);
    SettingTabs(const SettingTabs&) = delete;
    SettingTabs& operator=(const SettingTabs&) = delete;

    // Sets each tab's start-up step and its refresh on a tab click.
    void install(std::array<TabHandlers, kTabCount>& handlers);

    // The hint colours the grids paint from; a change of card material
    // recomputes them with guidance.UpdateHintColours().
    tabs::ColourGuidance guidance;
    tabs::PrinterSettingTab printerSetting;
    tabs::RetransferTab retransfer;
    tabs::BendRemedyTab bendRemedy;
    tabs::PropertyTab property;
};

}  // namespace orvan::shell
