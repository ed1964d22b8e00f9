#pragma once
// The window's screens, in one list: the ten tabs in caption order and the
// dialogs. The units of the tabs beyond "Printer Status" live here, built
// from one context; the start-up, the cycles' tab dispatch and the front end
// all walk these rows.
#include <vector>

#include "history/history_form.h"
#include "link/guidance_library.h"
#include "link/wait_form.h"
#include "maintenance/others_tab.h"
#include "network/ipsec_dialog.h"
#include "network/printer_select_shell.h"
#include "network/printer_select_tab.h"
#include "shell/main_form.h"
#include "shell/rights.h"
#include "shell/screen.h"
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

// The screens the monitor itself owns: the "Printer Status" tab (its unit
// and view live with the cycle) and the two dialogs of the shell and link.
struct OwnScreens {
    Screen statusTab;
    AdminForm& admin;
    link::WaitForm& wait;
    history::HistoryForm& history;
};

class Screens {
  public:
    // A new card material chosen on the Media Setting tab recomputes the
    // hint colours of the grids.
    Screens(const tabs::TabContext& context, SettingTabLinks links, OwnScreens own);
    Screens(const Screens&) = delete;
    Screens& operator=(const Screens&) = delete;

    // In caption order: row i is tab i of SSTab1.
    const std::vector<Screen>& tabs() const { return tabs_; }
    const std::vector<Screen>& dialogs() const { return dialogs_; }
    // The tab at that position; a position past the tabs is an empty screen.
    const Screen& tab(int index) const;
    // What the cycles move while the tab at that position shows.
    const link::LinkPlan& plan(int index) const;

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

  private:
    std::vector<Screen> tabs_;
    std::vector<Screen> dialogs_;
};

}  // namespace orvan::shell
