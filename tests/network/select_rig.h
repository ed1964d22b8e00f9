#pragma once
// The Printer Select tab inside a started monitor on the simulated printers,
// wired as the shell wires it: the printer combos, the list rebuild, the
// monitor timer and the address history. The tab is showing.
#include <functional>
#include <string>
#include <vector>

#include "network/printer_select_tab.h"
#include "shell/shell_rig.h"

namespace orvan::testing {

struct SelectRig : ShellRig {
    SelectRig() { begin(); }

    network::PrinterSelectTab& tab() { return monitor->screens().printerSelect; }
    ui::ComboBox& combo() { return combos().Combo7_1; }
    link::IpHistory& history() { return monitor->ipHistory(); }
    link::SettingsImage& image() { return monitor->data().image; }

    // The user picks a position of the printer combo.
    void choose(int position) { combo().setListIndex(position); }
    // The user types into the printer combo and presses "Scan Printer".
    void scan(const std::string& typed, bool ipv6 = false) {
        tab().Option7_5[ipv6 ? 1 : 0].setValue(true);
        combo().setText(typed);
        tab().Command7_1.click();
    }
    void update() {
        boxes.answerNext(ui::Answer::Ok);
        tab().Cmd7[tabs::kUpdateButton].click();
    }
    void rebuildWithHistory() {
        monitor->rebuildPrinterList();
        tab().fill();
    }
    // The texts of every box shown, in order.
    std::vector<std::string> shownTexts() const {
        std::vector<std::string> texts;
        for (const auto& box : boxes.shown()) texts.push_back(box.text);
        return texts;
    }
    // The last page request sent to the USB printer.
    std::vector<std::uint8_t> lastSelect(int page) {
        const auto* request = world.usb(0).lastSelect(page);
        return request ? *request : std::vector<std::uint8_t>{};
    }

    // Shows a dialog modally and runs `steps` one by one while it waits, as
    // the user would; the dialog is closed by its close box if still open.
    void whileOpen(ui::Form& form, const std::function<void()>& open,
                   std::vector<std::function<void()>> steps) {
        main().Timer1.setEnabled(false);  // the wait then idles between gestures
        std::size_t next = 0;
        loop.onIdle = [&] {
            if (next < steps.size())
                steps[next++]();
            else
                form.requestClose();
        };
        open();
        loop.onIdle = nullptr;
    }

  protected:
    // A rig that builds its monitor with other parts first, then begins.
    struct Deferred {};
    explicit SelectRig(Deferred) {}
    void begin() {
        EXPECT_TRUE(start());
        main().SSTab1.setTab(shell::PrinterSelectTab);
        world.clearCalls();
        boxes.clear();
    }
};

// A remembered IPv4 address.
inline link::IpHistoryEntry storedIPv4(std::uint8_t a, std::uint8_t b, std::uint8_t c,
                                       std::uint8_t d) {
    link::IpHistoryEntry entry;
    entry.address = {a, b, c, d};
    entry.length = link::kIPv4Length;
    return entry;
}

}  // namespace orvan::testing
