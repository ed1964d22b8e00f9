#pragma once
// Discovery: builds the list of printers the monitor can watch (the searched
// printer, USB printers, the network list), fills both printer combos and the
// entry codes of the Printer Select combo.
#include <array>
#include <cstdint>
#include <functional>
#include <vector>

#include "link/channel.h"
#include "link/ip_history.h"
#include "link/net_requests.h"
#include "link/printer_data.h"
#include "link/printer_list.h"
#include "ui/controls.h"

namespace orvan::link {

struct DiscoveryOptions {
    bool hasCommandLibrary = false;
    bool hasSettingsLibrary = false;
    // The user searched an address (in state().selected.address) that the
    // next run asks first.
    bool searchPending = false;
};

class Discovery {
  public:
    static constexpr int kMaxUsbPrinters = 16;
    static constexpr std::array<std::int32_t, 3> kListTimeoutsMs{3000, 1000, 500};

    Discovery(Channel& channel, NetworkRequests& requests, PrinterData& data,
              const IpHistory& history);

    DiscoveryOptions options;

    // Rebuilds the list and both combos (combo0 on the Status tab, combo7_1 on
    // the Printer Select tab). Returns 0, -1 when a library file is missing,
    // else the failing library result. The combos' positions are left to the
    // caller; selectedPosition() says which one to choose.
    ResultCode discover(ui::ComboBox& combo0, ui::ComboBox& combo7_1);

    const std::vector<PrinterEntry>& entries() const { return entries_; }
    const EntryCodes& entryCodes() const { return codes_; }
    int searchedPosition() const { return searched_; }
    int selectedPosition() const { return selected_; }
    int usbCount() const { return usbCount_; }
    // Address family of the list built by the last run.
    bool ipv6List() const { return ipv6List_; }

    // Network list time-out rotation; kept between runs, reset at start.
    int timeoutStep() const { return timeoutStep_; }
    void resetTimeoutStep() { timeoutStep_ = 0; }

    // Makes list entry index the watched printer (connection None when there
    // is no such entry).
    void selectListed(int index);
    // Runs after every selection, so that what names the watched printer
    // follows it.
    std::function<void()> onSelected;

  private:
    void collect();
    void dropAll();
    void probeSearched();
    void scanUsb();
    ResultCode scanAttempts(bool first, std::int32_t& slot, std::int32_t& scsiId);
    void listNetwork();
    void readNetworkList(LNK_PRINTER_LIST& list);
    void append(PrinterEntry entry);
    class ComboFiller;
    void fillCombos(ui::ComboBox& combo0, ui::ComboBox& combo7_1);
    void addStoredAddresses(ComboFiller& filler);

    Channel& channel_;
    NetworkRequests& requests_;
    PrinterData& data_;
    const IpHistory& history_;

    std::vector<PrinterEntry> entries_;
    EntryCodes codes_{};
    ResultCode result_ = 0;
    int searched_ = -1;
    int selected_ = 0;
    int usbCount_ = 0;
    int timeoutStep_ = 0;
    bool ipv6List_ = false;
};

}  // namespace orvan::link
