#pragma once
// The "Update" (index 0) and "Refresh" (index 1) buttons that every setting
// tab shares: "Printer is not found." without a printer, a question first,
// then the tab's own fill or collect step around the link's cycles.
#include <functional>
#include <string>

#include "link/cycles.h"
#include "link/link_messages.h"
#include "link/link_plan.h"
#include "link/link_state.h"
#include "status/error_catalogue.h"
#include "tabs/tab_messages.h"
#include "ui/controls.h"
#include "ui/message_box.h"

namespace orvan::tabs {

inline constexpr int kUpdateButton = 0;
inline constexpr int kRefreshButton = 1;

using link::kPrinterNotFound;

// What the buttons need of the rest of the monitor.
struct SettingTabLink {
    link::LinkState& state;
    link::Cycles& cycles;
    const status::ErrorCatalogue& catalogue;
    ui::MessageBoxes& boxes;
    std::function<void()> queryStatus;  // status query into the shared status
    // Tells the user in the window's status line that something took.
    std::function<void(const std::string&)> done = {};
};

// One tab's steps.
struct SettingTabSteps {
    std::function<void()> fill;     // image -> controls
    std::function<void()> collect;  // controls -> image
    // Replaces collect + apply-all for tabs whose Update sends a command of
    // its own; returns the result to report (0: nothing to report).
    std::function<link::ResultCode()> update;
};

class SettingTabButtons {
  public:
    // `plan` is what the tab's Refresh reads and its Update writes.
    SettingTabButtons(SettingTabLink link, const link::LinkPlan& plan, SettingTabSteps steps);

    // Installs the click handlers of the tab's two buttons; a click while a
    // link operation waits for window events is ignored (link_guard.h).
    void wire(ui::Button& update, ui::Button& refresh);
    void click(int index);

  private:
    void refresh();
    void update();

    SettingTabLink link_;
    const link::LinkPlan& plan_;
    SettingTabSteps steps_;
};

}  // namespace orvan::tabs
