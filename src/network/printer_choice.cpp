#include "network/printer_choice.h"

#include "link/printer_list.h"
#include "network/printer_select_tab.h"

namespace orvan::network {
namespace {

namespace code = link::entry_code;

// The remembered slot an entry code names: 100 + s (the searched printer is
// stored in s) or 200 + s (s listed on its own).
std::optional<std::size_t> slotOfCode(std::int16_t entryCode) {
    int slot = -1;
    if (entryCode >= code::kStored)
        slot = entryCode - code::kStored;
    else if (entryCode >= code::kSearchedStored)
        slot = entryCode - code::kSearchedStored;
    if (slot < 0 || slot >= static_cast<int>(link::kIpHistorySlots)) return std::nullopt;
    return static_cast<std::size_t>(slot);
}

bool codedPosition(int position) {
    return position >= 0 && position < static_cast<int>(link::kEntryCodeCount);
}

}  // namespace

PrinterChoice::PrinterChoice(tabs::TabContext& context, PrinterSelectShell& shell,
                             std::function<void()> fill)
    : context_(context), shell_(shell), fill_(std::move(fill)) {
    // The shell's own moves of the combo (a rebuild, the remembered printer
    // at start, a tab click putting it back on the watched printer) are
    // where the combo stands too: "Delete Printer" must return there, not
    // to whatever the user last chose before them.
    observer_ = shell_.printerCombo.observe([this](ui::Control& c, ui::Property p) {
        if (p != ui::Property::ListIndex || !shell_.selectingPrinter) return;
        const int position = static_cast<ui::ComboBox&>(c).listIndex();
        if (codedPosition(position)) lastChosen_ = position;
    });
}

PrinterChoice::~PrinterChoice() {
    shell_.printerCombo.unobserve(observer_);
}

void PrinterChoice::clicked() {
    const int position = shell_.printerCombo.listIndex();
    const int found = context_.link.state.printerCount;
    if (position < 0 || (found == 0 && position == 0)) return;
    if (position < found) {
        choose(position);
        return;
    }
    if (!codedPosition(position)) return;
    const auto entryCode = shell_.discovery.entryCodes()[static_cast<std::size_t>(position)];
    if (entryCode == code::kDeletePrinter)
        deleteChosenSlot();
    else
        lastChosen_ = position;
}

void PrinterChoice::choose(int position) {
    shell_.discovery.selectListed(position);
    fullRefresh();
    if (fill_) fill_();
    lastChosen_ = position;
}

void PrinterChoice::fullRefresh() {
    tabs::SettingTabLink& link = context_.link;
    link.cycles.identityRefresh();
    link.state.retryWhenBusy = true;
    if (link.queryStatus) link.queryStatus();
    link.cycles.readAll(PrinterSelectTab::kLinkPlan);
}

// "Delete Printer" acts on the remembered address at the last chosen
// position, when it is of the family the list shows.
void PrinterChoice::deleteChosenSlot() {
    std::optional<std::size_t> slot;
    if (codedPosition(lastChosen_))
        slot = slotOfCode(shell_.discovery.entryCodes()[static_cast<std::size_t>(lastChosen_)]);
    const std::uint8_t family =
        context_.link.state.preferIPv6 ? link::kIPv6Length : link::kIPv4Length;
    if (slot && shell_.history.entries[*slot].length != family) slot.reset();
    putBack();
    if (!slot) return;
    link::IpHistoryEntry& entry = shell_.history.entries[*slot];
    const std::string question = AddressText(StoredAddress(entry)) + " " + kDeletedQuestion;
    if (!ui::confirm(context_.link.boxes, question)) return;
    entry = {};
    lastChosen_ = static_cast<int>(link::kEntryCodeCount) - 1;
    shell_.printerCombo.setText(kScanPrinterText);
    forgetSearched();
    rebuildAndChooseFirst();
}

// Back on the last chosen position; set from code, that runs its choice
// again. A position the list no longer has leaves the combo on none.
void PrinterChoice::putBack() {
    ui::ComboBox& combo = shell_.printerCombo;
    if (lastChosen_ < combo.count()) {
        combo.setListIndex(lastChosen_);
        return;
    }
    combo.setListIndex(-1);
    combo.setText("");
}

void PrinterChoice::forgetSearched() {
    searched_.reset();
    shell_.discovery.options.searchPending = false;
}

void PrinterChoice::rebuildAndChooseFirst() {
    if (!shell_.rebuildPrinterList()) return;
    if (context_.link.state.printerCount > 0)
        choose(0);
    else if (fill_)
        fill_();
}

void PrinterChoice::scan(bool ipv6) {
    shell_.runMonitor(false);
    if (askToSearch(ipv6)) search(ipv6);
    shell_.runMonitor(true);
}

// The question the combo's text leads to; true when the user goes ahead.
bool PrinterChoice::askToSearch(bool ipv6) {
    ui::MessageBoxes& boxes = context_.link.boxes;
    const auto typed = TypedAddress(shell_.printerCombo.text(), ipv6);
    if (!typed) return ui::confirm(boxes, tabs::kOnlinePrintersQuestion);
    const std::string text = AddressText(*typed);
    if (FindStored(shell_.history, *typed)) {
        // Only an OK makes it the address searched for.
        if (!ui::confirm(boxes, text + " " + kSearchedQuestion)) return false;
        searched_ = *typed;
        return true;
    }
    if (!ui::confirm(boxes, text + " " + kAddedQuestion)) return false;
    if (StoreAddress(shell_.history, *typed)) {
        searched_ = *typed;
        return true;
    }
    // All ten slots are in use: nothing is stored, and the search goes on
    // as a rediscovery without it.
    forgetSearched();
    return ui::confirm(boxes, tabs::kOnlinePrintersQuestion);
}

// The searched address is handed to discovery only now: until the user
// says OK, the watched printer's address stays what it is.
void PrinterChoice::search(bool ipv6) {
    link::LinkState& state = context_.link.state;
    state.preferIPv6 = ipv6;
    const std::uint8_t family = ipv6 ? link::kIPv6Length : link::kIPv4Length;
    const bool pending = searched_ && searched_->length == family;
    if (pending) state.selected.address = searched_->bytes;
    shell_.discovery.options.searchPending = pending;
    rebuildAndChooseFirst();
}

}  // namespace orvan::network
