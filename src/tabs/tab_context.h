#pragma once
// What a tab needs of the rest of the monitor: the link and its data for
// showing and changing settings, the shared buttons' link, and the rights
// test. The shell builds one and hands it to every tab.
#include <cstddef>
#include <functional>

#include "link/printer_data.h"
#include "tabs/setting_tab_buttons.h"

namespace orvan::tabs {

struct TabContext {
    SettingTabLink link;
    link::PrinterData& data;
    // Whether the current user may use the function of that rights index
    // (an administrator, or a function granted to all users).
    std::function<bool(std::size_t)> isOpen;

    bool connected() const { return link.state.printerCount != 0; }
    bool open(std::size_t rightIndex) const { return isOpen && isOpen(rightIndex); }
};

}  // namespace orvan::tabs
