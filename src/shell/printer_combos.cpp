#include "shell/printer_combos.h"

#include "link/link_guard.h"

namespace orvan::shell {

void PrinterCombos::wire(std::function<void()> statusChosen, std::function<void()> selectChosen) {
    Combo0.onClick = guarded(Combo0, std::move(statusChosen));
    Combo7_1.onClick = guarded(Combo7_1, std::move(selectChosen));
}

// The shell's own moves are never undone.
ui::Control::Handler PrinterCombos::guarded(ui::ComboBox& combo, std::function<void()> chosen) {
    auto whenIdle =
        link::whenLinkIdle(state_, std::move(chosen), [this, &combo] { putOnSelected(combo); });
    return [this, whenIdle = std::move(whenIdle)] {
        if (!moving_) whenIdle();
    };
}

void PrinterCombos::show(int position) {
    link::RaisedFlag moving(moving_);
    place(Combo0, position);
    place(Combo7_1, position);
}

void PrinterCombos::keepOnSelected(ui::ComboBox& combo) {
    const int selected = state_.selected.listIndex;
    if (state_.printerCount > 1 && combo.listIndex() >= 0 && combo.listIndex() != selected)
        putOnSelected(combo);
}

void PrinterCombos::putOnSelected(ui::ComboBox& combo) {
    link::RaisedFlag moving(moving_);
    place(combo, state_.printerCount > 0 ? state_.selected.listIndex : 0);
}

void PrinterCombos::place(ui::ComboBox& combo, int position) {
    combo.setListIndex(position < combo.count() ? position : -1);
}

}  // namespace orvan::shell
