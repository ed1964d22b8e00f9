#pragma once
// A started monitor with a setting tab's Update and Refresh wired the way
// every tab wires them, a timer that runs something in the middle of a link
// operation, and every gesture that would start one.
#include <functional>
#include <memory>

#include "shell_rig.h"
#include "tabs/setting_tab_buttons.h"

namespace orvan::testing {

struct GestureRig : ShellRig {
    ui::Button update{"Cmd1[0]"}, refresh{"Cmd1[1]"};
    std::unique_ptr<tabs::SettingTabButtons> buttons;
    ui::Timer meanwhile{"Meanwhile"};
    int fills = 0, collects = 0, printerSelectChoices = 0;

    GestureRig() {
        EXPECT_TRUE(start());
        buttons = std::make_unique<tabs::SettingTabButtons>(
            monitor->tabContext().link, tabs::PrinterSettingTab::kLinkPlan,
            tabs::SettingTabSteps{[this] { ++fills; }, [this] { ++collects; }, {}});
        buttons->wire(update, refresh);
        probe().onPrinterSelectChoice([this] { ++printerSelectChoices; });
        loop.attach(meanwhile);
        world.clearCalls();
        redraws = 0;
    }
    ~GestureRig() { loop.detach(meanwhile); }

    // Runs `what` once, ms from now, inside whatever is waiting then.
    void after(int ms, std::function<void()> what) {
        meanwhile.onTick = [this, what = std::move(what)] {
            meanwhile.setEnabled(false);
            what();
        };
        meanwhile.setInterval(ms);
        meanwhile.setEnabled(true);
    }

    // A tab click, both printer combos, the Status tab's Update and Clear,
    // and a setting tab's Update and Refresh.
    void everyGesture() {
        main().SSTab1.setTab(shell::LaminatorTab);
        combos().Combo0.setListIndex(1);
        combos().Combo7_1.setListIndex(1);
        monitor->statusTab().Cmd0_2.click();
        monitor->statusTab().Cmd0_1.click();
        update.click();
        refresh.click();
    }
};

}  // namespace orvan::testing
