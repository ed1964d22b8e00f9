#pragma once
// The simulated world behind the stand-in libraries: the USB printers in
// scan order, the network printers, how the colour guidance answers,
// scripted faults and a log of every call.
#include <algorithm>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "simulator/sim_printer.h"

namespace orvan::sim {

class WorldCodec;

struct UsbPort {
    std::int32_t slot = 0;
    std::int32_t scsiId = 0;
    bool attached = true;
    SimPrinter printer;
};

struct NetworkPort {
    bool attached = true;
    // In the printer list the library hands out; an unlisted printer (one on
    // another subnet) answers only at its address.
    bool listed = true;
    SimPrinter printer;
};

// One library call as the simulator saw it.
struct CallRecord {
    std::string operation;
    std::vector<std::int64_t> args;  // the arguments of interest, in call order
    Bytes bytes;                     // request, value or data bytes passed in
};

// How the stand-in colour guidance answers (orvan-sim guidance ...).
struct GuidanceSetting {
    bool offered = true;  // false: no guidance for any choice (a negative identifier)
    int blocks = 0b111;   // the answer buffers it fills: bit 0 front, 1 back, 2 bend
    bool operator==(const GuidanceSetting&) const = default;
};

struct ScriptedResult {
    ResultCode code = 0;
    std::int32_t statusWord = 0;  // network calls: the socket error to report
};

class SimulatedPrinters {
  public:
    static constexpr int kMaxUsbPrinters = 16;
    static constexpr int kMaxNetworkPrinters = 64;
    static constexpr std::size_t kMaxScripts = 1000;
    static constexpr int kMaxSequenceMismatches = 1000000;
    // In-process tests read the whole log of a test; a long-running program
    // keeps a short one (setCallLogLimit).
    static constexpr std::size_t kDefaultCallLogLimit = 100000;

    // ---- printers -------------------------------------------------------
    // Returns the new printer's index, or -1 when 16 are attached already.
    // scsiId defaults to the index, so the printers scan in adding order.
    int addUsbPrinter(SimPrinter printer = {}, std::int32_t slot = 0,
                      std::optional<std::int32_t> scsiId = std::nullopt);
    // -1 when 64 are known already.
    int addNetworkPrinter(SimPrinter printer, bool listed = true);
    int usbCount() const { return static_cast<int>(usb_.size()); }
    int networkCount() const { return static_cast<int>(network_.size()); }
    // Index out of range: std::out_of_range.
    UsbPort& usbPort(int index) { return usb_.at(index); }
    NetworkPort& networkPort(int index) { return network_.at(index); }
    const UsbPort& usbPort(int index) const { return usb_.at(index); }
    const NetworkPort& networkPort(int index) const { return network_.at(index); }
    SimPrinter& usb(int index) { return usbPort(index).printer; }
    SimPrinter& network(int index) { return networkPort(index).printer; }
    // Removal keeps the printer and its settings for re-attachment.
    void setUsbAttached(int index, bool attached) { usbPort(index).attached = attached; }
    void setNetworkAttached(int index, bool attached) { networkPort(index).attached = attached; }

    // Position in scan order of the printer at the address, attached or not.
    std::optional<int> findUsb(std::int32_t slot, std::int32_t scsiId) const;
    // Network printer answering at the address (4 bytes, or 16 for IPv6).
    std::optional<int> findNetwork(bool ipv6, std::span<const std::uint8_t> address) const;

    // ---- scripted faults ------------------------------------------------
    // The next `calls` calls of the operation answer `code` and do nothing
    // else. Scripts for one operation run one after another.
    void scriptResult(std::string_view operation, ResultCode code, int calls = 1,
                      std::int32_t statusWord = 0);
    std::optional<ScriptedResult> takeScriptedResult(std::string_view operation);
    // The next `replies` network replies carry a sequence number other than
    // the one their request was sent with.
    void scriptSequenceMismatch(int replies) {
        sequenceMismatches_ = std::clamp(sequenceMismatches_ + replies, 0, kMaxSequenceMismatches);
    }
    bool takeSequenceMismatch();
    // Edits the next network reply before it is handed out (cut it short,
    // corrupt an item).
    void scriptReplyEdit(std::function<void(Bytes&)> edit) {
        replyEdits_.push_back(std::move(edit));
    }
    void applyReplyEdit(Bytes& reply);
    // Every network call takes this long first, as over a slow network
    // (orvan-sim net-latency <ms>).
    int networkLatencyMs() const { return networkLatencyMs_; }
    void setNetworkLatencyMs(int ms) { networkLatencyMs_ = ms < 0 ? 0 : ms; }
    GuidanceSetting& guidance() { return guidance_; }
    const GuidanceSetting& guidance() const { return guidance_; }

    // Takes the printers, scripted faults and settings of `other`; this
    // world's call log and its limit stay.
    void replacePrinters(SimulatedPrinters other);

    // ---- call log -------------------------------------------------------
    // Keeps the latest `limit` calls at most (0: none), dropping the older
    // half when full.
    void setCallLogLimit(std::size_t limit);
    void record(CallRecord call);
    // Calls recorded since the world began, whether still kept or not.
    std::uint64_t recordedCalls() const { return recorded_; }
    const std::vector<CallRecord>& calls() const { return calls_; }
    std::vector<CallRecord> callsTo(std::string_view operation) const;
    int countCalls(std::string_view operation) const;
    const CallRecord* lastCall(std::string_view operation) const;
    void clearCalls() { calls_.clear(); }

  private:
    friend class WorldCodec;

    struct Script {
        std::string operation;
        ScriptedResult result;
        int remaining;
    };

    std::vector<UsbPort> usb_;
    std::vector<NetworkPort> network_;
    std::deque<Script> scripts_;
    int sequenceMismatches_ = 0;
    std::deque<std::function<void(Bytes&)>> replyEdits_;
    GuidanceSetting guidance_;
    int networkLatencyMs_ = 0;
    std::vector<CallRecord> calls_;
    std::size_t callLogLimit_ = kDefaultCallLogLimit;
    std::uint64_t recorded_ = 0;
};

// One USB printer (slot 0, SCSI id 0) and one network printer, both with
// every option and a laminator.
SimulatedPrinters defaultScenario();

}  // namespace orvan::sim
