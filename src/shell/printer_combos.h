#pragma once
// The two printer combos, the "Printer Status" tab's Combo0 and the Printer
// Select tab's Combo7_1, both listing the printers found. The shell moves
// them itself (a list rebuild, the remembered printer, a tab click putting
// one back on the watched printer); such a move is no choice of the user's
// and runs no handler.
#include <functional>

#include "link/link_state.h"
#include "ui/controls.h"

namespace orvan::shell {

class PrinterCombos {
  public:
    explicit PrinterCombos(link::LinkState& state) : state_(state) {}
    PrinterCombos(const PrinterCombos&) = delete;
    PrinterCombos& operator=(const PrinterCombos&) = delete;

    ui::ComboBox Combo0{"Combo0"};
    ui::ComboBox Combo7_1{"Combo7_1"};

    // The user's choice on Combo0 runs `statusChosen`, on Combo7_1
    // `selectChosen`. A choice while a link operation waits is ignored and
    // puts the combo back on the watched printer.
    void wire(std::function<void()> statusChosen, std::function<void()> selectChosen);
    // Both combos on that position, or on none where one lists fewer.
    void show(int position);
    // The combo back on the watched printer when it stands on another one.
    void keepOnSelected(ui::ComboBox& combo);
    // True while the shell moves a combo itself (for the Printer Select tab).
    const bool& moving() const { return moving_; }

  private:
    ui::Control::Handler guarded(ui::ComboBox& combo, std::function<void()> chosen);
    void putOnSelected(ui::ComboBox& combo);
    void place(ui::ComboBox& combo, int position);

    link::LinkState& state_;
    bool moving_ = false;
};

}  // namespace orvan::shell
