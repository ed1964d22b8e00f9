#pragma once
// A setting tab over the in-process simulator: the link's cycles, scripted
// message boxes and the rights test, as the shell hands them to every tab.
#include <cstdint>
#include <map>
#include <vector>

#include "cycles/cycle_rig.h"
#include "status/error_catalogue.h"
#include "tabs/tab_context.h"
#include "ui/scripted_message_boxes.h"

namespace orvan::testing {

struct TabRig : CycleRig {
    ui::ScriptedMessageBoxes boxes;
    status::ErrorCatalogue catalogue = status::BuildErrorCatalogue();
    const link::LinkPlan& plan;  // the tab's
    bool administrator = true;
    std::vector<bool> granted = std::vector<bool>(12, false);
    std::vector<std::string> told;  // the status line's messages

    explicit TabRig(const link::LinkPlan& tabPlan) : plan(tabPlan) {}

    tabs::TabContext context() {
        return tabs::TabContext{
            tabs::SettingTabLink{state, cycles, catalogue, boxes, [] {},
                                 [this](const std::string& text) { told.push_back(text); }},
            data,
            [this](std::size_t i) { return administrator || (i < granted.size() && granted[i]); }};
    }

    // What a tab click does before the tab's own fill: identity and pages.
    void readTab() {
        cycles.identityRefresh();
        cycles.readAll(plan);
    }

    // The last page request sent to the selected USB printer.
    std::vector<std::uint8_t> lastSelect(int page) {
        const auto* request = world.usb(0).lastSelect(page);
        return request ? *request : std::vector<std::uint8_t>{};
    }

    // The setting values of the last network write, item by item in order.
    std::vector<std::pair<std::int64_t, std::uint8_t>> writtenValues() const {
        std::vector<std::pair<std::int64_t, std::uint8_t>> out;
        for (const auto& c : world.calls()) {
            if (c.operation == "U_Set1stSettingValue") out.clear();
            if ((c.operation == "U_Set1stSettingValue" || c.operation == "U_SetNextSettingValue") &&
                !c.args.empty())
                out.emplace_back(c.args[0], c.bytes.empty() ? 0 : c.bytes[0]);
        }
        return out;
    }
};

}  // namespace orvan::testing
