#pragma once
// The printer combo of the Printer Select tab: choosing a listed printer,
// "Delete Printer" for a remembered address, and "Scan Printer" for a typed
// one. Every position of the combo has an entry code (discovery.h) that says
// what it holds.
#include <functional>
#include <optional>

#include "network/printer_select_shell.h"
#include "network/typed_address.h"
#include "tabs/tab_context.h"

namespace orvan::network {

inline constexpr const char* kAddedQuestion = "This printer is added.";
inline constexpr const char* kSearchedQuestion = "This printer is searched.";
inline constexpr const char* kDeletedQuestion = "This printer is deleted.";
inline constexpr const char* kScanPrinterText = "Scan Printer...";

class PrinterChoice {
  public:
    // `fill` shows the current printer on the tab.
    PrinterChoice(tabs::TabContext& context, PrinterSelectShell& shell, std::function<void()> fill);
    ~PrinterChoice();
    PrinterChoice(const PrinterChoice&) = delete;
    PrinterChoice& operator=(const PrinterChoice&) = delete;

    // The combo's position was chosen (by the user, or set from code).
    void clicked();
    // "Scan Printer": the combo's text read as an address of the family
    // chosen on the tab, then a search, a stored address or a rediscovery.
    void scan(bool ipv6);

    // The combo position last chosen (0-29).
    int lastChosen() const { return lastChosen_; }
    // The address the next rebuild of this tab asks first, if any.
    const std::optional<PrinterAddress>& searched() const { return searched_; }

  private:
    void choose(int position);
    void fullRefresh();
    void deleteChosenSlot();
    void putBack();
    void forgetSearched();
    void rebuildAndChooseFirst();
    bool askToSearch(bool ipv6);
    void search(bool ipv6);

    tabs::TabContext& context_;
    PrinterSelectShell& shell_;
    std::function<void()> fill_;
    int lastChosen_ = 0;
    std::optional<PrinterAddress> searched_;
    int observer_ = 0;
};

}  // namespace orvan::network
