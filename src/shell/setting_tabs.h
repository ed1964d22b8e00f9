#pragma once
// The tabs beyond "Printer Status", each with its logic and controls, built
// from one context and installed into the monitor's tab dispatch.
#include <array>

#include "link/guidance_library.h"
#include "maintenance/others_tab.h"
#include "network/ipsec_dialog.h"
#include "network/printer_select_shell.h"
#include "network/printer_select_tab.h"
#include "shell/main_form.h"
#include "shell/tab_handlers.h"
#include "tabs/bend_remedy_tab.h"
#include "tabs/colour_guidance.h"
#include "tabs/laminator_tab.h"
#include "tabs/media_setting_tab.h"
#include "tabs/printer_setting_tab.h"
#include "tabs/property_tab.h"
#include "tabs/retransfer_tab.h"
#include "tabs/security_lock_tab.h"
#include "tabs/tab_context.h"

namespace orvan::shell {

// What single tabs need of the shell beyond the common context.
struct SettingTabLinks {
    link::GuidanceLibrary* guidance = nullptr;  // null: no colour guidance
    tabs::CardMaterialLink cardMaterial;
    tabs::LockSender sendLock;
    network::PrinterSelectShell printerSelect;
    maintenance::OthersLink others;
    network::IpsecLinks ipsec;
};

struct SettingTabs {
    // A new card material chosen on the Media Setting tab recomputes the
    // hint colours of the grids.
    SettingTabs(const tabs::TabContext& context, SettingTabLinks links);
    SettingTabs(const SettingTabs&) = delete;
    SettingTabs& operator=(const SettingTabs&) = delete;

    // Sets each tab's start-up step and its refresh on a tab click.
    void install(std::array<TabHandlers, kTabCount>& handlers);

    // The hint colours the grids paint from.
    tabs::ColourGuidance guidance;
    tabs::PrinterSettingTab printerSetting;
    tabs::RetransferTab retransfer;
    tabs::BendRemedyTab bendRemedy;
    tabs::PropertyTab property;
    tabs::MediaSettingTab mediaSetting;
    tabs::LaminatorTab laminator;
    tabs::SecurityLockTab securityLock;
    network::PrinterSelectTab printerSelect;
    maintenance::OthersTab others;
    // Opened by the Printer Select tab's IPsec "Details ...".
    network::IpsecForm ipsec;
};

}  // namespace orvan::shell
