#include "link/discovery.h"

#include <algorithm>

#include "link/conversions.h"
#include "link/link_guard.h"

namespace orvan::link {

namespace {

std::string addressText(const AddressBytes& address, bool ipv6) {
    const std::span<const std::uint8_t> bytes(address);
    return ipv6 ? FormatIPv6(bytes).text : FormatIPv4(bytes.first(kIPv4Length));
}

bool sameAddress(const PrinterEntry& entry, const IpHistoryEntry& stored, bool ipv6) {
    if (ipv6) return entry.ipv6 == stored.address;
    return std::equal(entry.ipv4.begin(), entry.ipv4.end(), stored.address.begin());
}

}  // namespace

Discovery::Discovery(Channel& channel, NetworkRequests& requests, PrinterData& data,
                     const IpHistory& history)
    : channel_(channel), requests_(requests), data_(data), history_(history) {
    codes_.fill(entry_code::kUnused);
}

ResultCode Discovery::discover(ui::ComboBox& combo0, ui::ComboBox& combo7_1) {
    LinkState& st = channel_.state();
    if (st.ended) return 0;  // the list stays as it was
    RaisedFlag running(st.discoveryRunning);
    st.printerCount = 0;
    usbCount_ = 0;
    entries_.clear();
    searched_ = -1;
    result_ = 0;
    ipv6List_ = st.preferIPv6;
    try {
        collect();
    } catch (const PortLibraryMissing&) {
        result_ = -1;
        dropAll();
    } catch (...) {
        dropAll();
    }
    st.printerCount = static_cast<std::int16_t>(entries_.size());
    fillCombos(combo0, combo7_1);
    selected_ = std::max(searched_, 0);
    return result_;
}

// Whatever was found before a library failed cannot be trusted.
void Discovery::dropAll() {
    entries_.clear();
    searched_ = -1;
    usbCount_ = 0;
}

void Discovery::collect() {
    if (options.hasSettingsLibrary && options.searchPending) probeSearched();
    if (options.hasCommandLibrary) scanUsb();
    if (options.hasSettingsLibrary) listNetwork();
}

void Discovery::probeSearched() {
    const ResultCode probed = requests_.nameProbe();
    if (probed < 0) {
        result_ = probed;
        return;
    }
    const AddressBytes& address = channel_.state().selected.address;
    PrinterEntry e;
    e.kind = EntryKind::Searched;
    if (ipv6List_)
        e.ipv6 = address;
    else
        std::copy_n(address.begin(), kIPv4Length, e.ipv4.begin());
    e.displayName = addressText(address, ipv6List_);
    e.name = networkName(data_.image.NetworkSetting);
    searched_ = static_cast<int>(entries_.size());
    append(std::move(e));
}

void Discovery::scanUsb() {
    std::int32_t slot = 0, scsiId = 0;
    for (int n = 0; n < kMaxUsbPrinters; ++n) {
        result_ = scanAttempts(n == 0, slot, scsiId);
        if (n > 0 && result_ == kNoMorePrinters) {
            result_ = 0;  // every printer has been found
            return;
        }
        if (result_ != 0) return;
        PrinterEntry e;
        e.kind = EntryKind::Usb;
        e.slot = slot;
        e.scsiId = scsiId;
        e.displayName = "USB:Unit" + std::to_string(static_cast<std::int64_t>(scsiId) + 1);
        append(std::move(e));
        ++usbCount_;
    }
}

// The channel's attempt loop skips every call while the printer count is 0,
// which it is while discovery starts; the scan needs the calls regardless.
// A retry asks from the same printer as the first attempt did.
ResultCode Discovery::scanAttempts(bool first, std::int32_t& slot, std::int32_t& scsiId) {
    CommandLibrary& lib = channel_.commands();
    const std::int32_t fromSlot = first ? 0 : slot, fromScsiId = first ? 0 : scsiId;
    ResultCode r = 0;
    for (int n = 1; n <= Channel::kAttempts; ++n) {
        slot = fromSlot;
        scsiId = fromScsiId;
        r = first ? lib.KQCMD_ScanPrinter(&slot, &scsiId)
                  : lib.KQCMD_ScanPrinterNext(&slot, &scsiId);
        if (r <= 0 || n == Channel::kAttempts) break;
        channel_.pause();
        if (channel_.state().ended) break;
    }
    return r;
}

void Discovery::listNetwork() {
    SettingsLibrary& lib = channel_.settings();
    LNK_PRINTER_LIST list{};
    lib.U_OpenPrinterList(&list);
    try {
        readNetworkList(list);
    } catch (...) {
        try {
            lib.U_FreePrinterList(&list);
        } catch (...) {
        }
        throw;
    }
    lib.U_FreePrinterList(&list);
}

void Discovery::readNetworkList(LNK_PRINTER_LIST& list) {
    LinkState& st = channel_.state();
    SettingsLibrary& lib = channel_.settings();
    const std::int32_t timeout = kListTimeoutsMs[static_cast<std::size_t>(timeoutStep_)];
    timeoutStep_ = (timeoutStep_ + 1) % static_cast<int>(kListTimeoutsMs.size());

    ResultCode r = lib.P_RefreshPrinterList(ipv6List_ ? 1 : 0, &list, &st.statusWord, timeout);
    if (r < 0) {
        result_ = r;
        return;
    }
    std::int32_t size = 0;
    r = lib.U_GetPrinterListSize(&list, &size);
    if (r != 0) {
        result_ = r;
        return;
    }
    // A size that is negative or absurd cannot be trusted with an allocation;
    // the library never writes more than the size it is given.
    if (size <= 0) return;
    size = std::min(size, list_layout::kMaxDataSize);
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    r = lib.U_GetPrinterListData(&list, bytes.data(), size);
    if (r != 0) {
        result_ = r;
        return;
    }
    for (auto& e : parseNetworkList(bytes, ipv6List_)) append(std::move(e));
}

void Discovery::append(PrinterEntry entry) {
    entries_.push_back(std::move(entry));
    channel_.state().printerCount = static_cast<std::int16_t>(entries_.size());
}

// Fills both combos in step, coding the Printer Select positions as it goes.
class Discovery::ComboFiller {
  public:
    ComboFiller(ui::ComboBox& combo0, ui::ComboBox& combo7_1, EntryCodes& codes)
        : combo0_(combo0), combo7_1_(combo7_1), codes_(codes) {
        codes_.fill(entry_code::kUnused);
        combo0_.clear();
        combo7_1_.clear();
    }
    // A printer (or "No Printer") shows on both combos.
    void addPrinter(const std::string& text, std::int16_t code) {
        combo0_.addItem(text);
        addChoice(text, code);
    }
    // Only positions 0..29 are coded; later items are listed all the same.
    void addChoice(const std::string& text, std::int16_t code) {
        combo7_1_.addItem(text);
        if (position_ < codes_.size()) codes_[position_] = code;
        ++position_;
    }
    void recode(int position, std::int16_t code) {
        if (position >= 0 && static_cast<std::size_t>(position) < codes_.size())
            codes_[static_cast<std::size_t>(position)] = code;
    }

  private:
    ui::ComboBox& combo0_;
    ui::ComboBox& combo7_1_;
    EntryCodes& codes_;
    std::size_t position_ = 0;
};

void Discovery::fillCombos(ui::ComboBox& combo0, ui::ComboBox& combo7_1) {
    ComboFiller filler(combo0, combo7_1, codes_);
    if (entries_.empty()) filler.addPrinter(kNoPrinterText, entry_code::kNoPrinter);
    for (const auto& e : entries_)
        filler.addPrinter(e.displayName, static_cast<std::int16_t>(e.kind));
    if (options.hasSettingsLibrary) addStoredAddresses(filler);
}

// Remembered addresses of the list's family go below the printers, on the
// Printer Select combo only; one that is the searched printer is not listed
// twice but marks the searched entry with its slot.
void Discovery::addStoredAddresses(ComboFiller& filler) {
    const std::uint8_t length = ipv6List_ ? kIPv6Length : kIPv4Length;
    const PrinterEntry* searched =
        searched_ >= 0 ? &entries_[static_cast<std::size_t>(searched_)] : nullptr;
    bool found = false, separated = false;
    for (std::size_t s = 0; s < history_.entries.size(); ++s) {
        const IpHistoryEntry& stored = history_.entries[s];
        if (stored.length != length) continue;
        found = true;
        const auto slot = static_cast<std::int16_t>(s);
        if (searched && sameAddress(*searched, stored, ipv6List_)) {
            filler.recode(searched_, entry_code::kSearchedStored + slot);
            continue;
        }
        if (!separated) filler.addChoice(kSeparatorText, entry_code::kStoredSeparator);
        separated = true;
        filler.addChoice(addressText(stored.address, ipv6List_), entry_code::kStored + slot);
    }
    if (!found) return;
    filler.addChoice(kSeparatorText, entry_code::kDeleteSeparator);
    filler.addChoice(kDeletePrinterText, entry_code::kDeletePrinter);
}

void Discovery::selectListed(int index) {
    SelectedPrinter& selected = channel_.state().selected;
    if (index < 0 || index >= static_cast<int>(entries_.size())) {
        selected.connection = Connection::None;
    } else {
        selectEntry(entries_[static_cast<std::size_t>(index)], ipv6List_, selected);
        selected.listIndex = index;
    }
    if (onSelected) onSelected();
}

}  // namespace orvan::link
