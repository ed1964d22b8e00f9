#include "simulator/simulated_printers.h"

#include <algorithm>
#include <iterator>

namespace orvan::sim {

int SimulatedPrinters::addUsbPrinter(SimPrinter printer, std::int32_t slot,
                                     std::optional<std::int32_t> scsiId) {
    if (usbCount() >= kMaxUsbPrinters) return -1;
    const int index = usbCount();
    usb_.push_back({slot, scsiId.value_or(index), true, std::move(printer)});
    return index;
}

int SimulatedPrinters::addNetworkPrinter(SimPrinter printer, bool listed) {
    if (networkCount() >= kMaxNetworkPrinters) return -1;
    network_.push_back({true, listed, std::move(printer)});
    return networkCount() - 1;
}

std::optional<int> SimulatedPrinters::findUsb(std::int32_t slot, std::int32_t scsiId) const {
    for (int i = 0; i < usbCount(); ++i) {
        if (usb_[i].slot == slot && usb_[i].scsiId == scsiId) return i;
    }
    return std::nullopt;
}

std::optional<int> SimulatedPrinters::findNetwork(bool ipv6,
                                                  std::span<const std::uint8_t> address) const {
    if (address.size() != (ipv6 ? 16u : 4u)) return std::nullopt;
    for (int i = 0; i < networkCount(); ++i) {
        const SimPrinter& p = network_[i].printer;
        if (!ipv6) {
            const auto own = p.ipv4();
            if (std::equal(address.begin(), address.end(), own.begin())) return i;
            continue;
        }
        for (const auto& own : p.effectiveIPv6()) {
            const bool unset = std::all_of(own.begin(), own.end(), [](auto b) { return b == 0; });
            if (!unset && std::equal(address.begin(), address.end(), own.begin())) return i;
        }
    }
    return std::nullopt;
}

void SimulatedPrinters::scriptResult(std::string_view operation, ResultCode code, int calls,
                                     std::int32_t statusWord) {
    if (calls > 0 && scripts_.size() < kMaxScripts)
        scripts_.push_back({std::string(operation), {code, statusWord}, calls});
}

std::optional<ScriptedResult> SimulatedPrinters::takeScriptedResult(std::string_view operation) {
    auto it = std::find_if(scripts_.begin(), scripts_.end(),
                           [&](const Script& s) { return s.operation == operation; });
    if (it == scripts_.end()) return std::nullopt;
    const ScriptedResult result = it->result;
    if (--it->remaining <= 0) scripts_.erase(it);
    return result;
}

bool SimulatedPrinters::takeSequenceMismatch() {
    if (sequenceMismatches_ <= 0) return false;
    --sequenceMismatches_;
    return true;
}

void SimulatedPrinters::applyReplyEdit(Bytes& reply) {
    if (replyEdits_.empty()) return;
    auto edit = std::move(replyEdits_.front());
    replyEdits_.pop_front();
    edit(reply);
}

void SimulatedPrinters::replacePrinters(SimulatedPrinters other) {
    usb_ = std::move(other.usb_);
    network_ = std::move(other.network_);
    scripts_ = std::move(other.scripts_);
    sequenceMismatches_ = other.sequenceMismatches_;
    replyEdits_ = std::move(other.replyEdits_);
    guidance_ = other.guidance_;
    networkLatencyMs_ = other.networkLatencyMs_;
}

void SimulatedPrinters::setCallLogLimit(std::size_t limit) {
    callLogLimit_ = limit;
    if (calls_.size() > limit) calls_.erase(calls_.begin(), calls_.end() - limit);
}

void SimulatedPrinters::record(CallRecord call) {
    ++recorded_;
    if (callLogLimit_ == 0) return;
    if (calls_.size() >= callLogLimit_) {
        const auto dropped = std::max<std::size_t>(1, callLogLimit_ / 2);
        calls_.erase(calls_.begin(), calls_.begin() + static_cast<std::ptrdiff_t>(dropped));
    }
    calls_.push_back(std::move(call));
}

std::vector<CallRecord> SimulatedPrinters::callsTo(std::string_view operation) const {
    std::vector<CallRecord> out;
    std::copy_if(calls_.begin(), calls_.end(), std::back_inserter(out),
                 [&](const CallRecord& c) { return c.operation == operation; });
    return out;
}

int SimulatedPrinters::countCalls(std::string_view operation) const {
    return static_cast<int>(std::count_if(calls_.begin(), calls_.end(), [&](const CallRecord& c) {
        return c.operation == operation;
    }));
}

const CallRecord* SimulatedPrinters::lastCall(std::string_view operation) const {
    auto it = std::find_if(calls_.rbegin(), calls_.rend(),
                           [&](const CallRecord& c) { return c.operation == operation; });
    return it == calls_.rend() ? nullptr : &*it;
}

SimulatedPrinters defaultScenario() {
    SimulatedPrinters world;
    world.addUsbPrinter();

    SimPrinter net;
    net.setPageText(0x2D, 17, 10, "ORVAN02");
    net.setPageByte(0x2D, 5, 51);  // 192.168.0.51
    net.setPageByte(0x2D, 62, 0x51);
    net.setEffectiveIPv6(
        0, {0xFE, 0x80, 0, 0, 0, 0, 0, 0, 0x00, 0x4F, 0x52, 0xFF, 0xFE, 0x56, 0x00, 0x51});
    net.setEffectiveIPv6(1, {0xFD, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x51});
    const std::uint8_t mac[6] = {0x02, 0x4F, 0x52, 0x56, 0x00, 0x51};
    net.setMac(std::span<const std::uint8_t, 6>(mac));
    world.addNetworkPrinter(std::move(net));
    return world;
}

}  // namespace orvan::sim
