#pragma once
// One screen of the window, a tab page or a dialog, as its unit declares it:
// its Designer form, its controls, and for a tab its set-up, its fill and
// its link plan. A unit names its form `kForm` and its plan `kLinkPlan`.
#include <functional>

#include "link/link_plan.h"
#include "ui/control_list.h"
#include "ui/form.h"

namespace orvan::shell {

struct Screen {
    const char* form = "";  // forms/<form>.ui
    std::function<ui::ControlList()> controls;
    // Tabs: once at start-up, the last tab first.
    std::function<void()> setup;
    // Tabs: the printer image onto the controls, on a click on the tab.
    std::function<void()> fill;
    // Tabs: what the cycles read and write while the tab shows.
    const link::LinkPlan* plan = nullptr;
    // Dialogs: its window, and the form of the dialog it opens over (none:
    // the main window).
    ui::Form* window = nullptr;
    const char* over = nullptr;
};

template <typename Unit>
Screen tabScreen(Unit& unit) {
    return {Unit::kForm, [&unit] { return unit.controls(); }, [&unit] { unit.setup(); },
            [&unit] { unit.fill(); }, &Unit::kLinkPlan};
}

template <typename Unit>
Screen dialogScreen(Unit& unit, const char* over = nullptr) {
    return {Unit::kForm, [&unit] { return unit.controls(); }, {}, {}, nullptr, &unit.form, over};
}

}  // namespace orvan::shell
