#pragma once
// The "Property" tab: what the printer is. Firmware versions, the optional
// units fitted and the life counters, as the last refresh read them; the tab
// never reads or writes the printer itself.
#include <array>
#include <memory>

#include "link/counters.h"
#include "link/link_plan.h"
#include "link/net_requests.h"
#include "link/pages.h"
#include "tabs/tab_context.h"
#include "ui/control_list.h"
#include "ui/controls.h"

namespace orvan::tabs {

class PropertyTab {
  public:
    // Its Designer form, and what the cycles move while it shows.
    static constexpr const char* kForm = "property_tab";
    static inline const link::LinkPlan kLinkPlan{
        .usbReads = {link::logPage(link::kPrinterLogPage),
                     link::modePage(link::kPrintConditionPage)},
        .netRead = &link::NetworkRequests::propertyRead};

    // The indexes of Label5 the tab uses; the others are null.
    static constexpr int kLabelCount = 37;

    explicit PropertyTab(TabContext context);
    PropertyTab(const PropertyTab&) = delete;
    PropertyTab& operator=(const PropertyTab&) = delete;

    // Empties every value label (at start, and without a printer).
    void clear();
    void setup() { clear(); }
    // Versions, units and counters from the last refresh.
    void fill();

    ui::ControlList controls();
    ui::Label& label5(int index) { return *Label5[static_cast<std::size_t>(index)]; }

    std::array<std::unique_ptr<ui::Label>, kLabelCount> Label5;

  private:
    TabContext context_;
};

}  // namespace orvan::tabs
