#include "report/printer_reader.h"

#include <cstdint>
#include <span>

#include "link/conversions.h"
#include "link/ip_history.h"

namespace orvan::report {
namespace {

// Counters are unsigned on the printer.
std::int64_t unsignedCounter(std::int32_t value) {
    return static_cast<std::int64_t>(static_cast<std::uint32_t>(value));
}

// Sets the link's retry flag for the reads and puts it back afterwards.
class RetryFlag {
  public:
    RetryFlag(link::LinkState& state, bool retry) : state_(state), saved_(state.retryWhenBusy) {
        state_.retryWhenBusy = retry;
    }
    ~RetryFlag() { state_.retryWhenBusy = saved_; }
    RetryFlag(const RetryFlag&) = delete;
    RetryFlag& operator=(const RetryFlag&) = delete;

  private:
    link::LinkState& state_;
    bool saved_;
};

}  // namespace

std::string SelectedPrinterKey(const link::LinkState& state) {
    const link::SelectedPrinter& p = state.selected;
    std::string key = std::to_string(static_cast<int>(p.connection)) + "/" + p.name + "/" +
                      std::to_string(p.slot) + "/" + std::to_string(p.scsiId) + "/";
    for (std::uint8_t b : p.address) key += std::to_string(b) + ".";
    return key;
}

PrinterReader::PrinterReader(link::Channel& channel)
    : channel_(channel),
      pages_(channel, data_),
      net_(channel, data_),
      counters_(channel, data_, net_) {}

const PrinterDetails& PrinterReader::read(bool retry) {
    link::LinkState& state = channel_.state();
    if (state.idle()) return details_;
    const std::string key = SelectedPrinterKey(state);
    if (key != printerKey_) {
        details_ = {};
        data_ = {};
        printerKey_ = key;
    }
    RetryFlag flag(state, retry);
    if (state.usb())
        readUsb();
    else
        readNetwork();
    return details_;
}

void PrinterReader::readUsb() {
    if (pages_.senseInquiry() == 0) takeIdentity();
    if (pages_.sensePage(link::kPrintConditionPage) == 0) takeMedia();
    if (counters_.senseLogPage(link::kPrinterLogPage) == 0) takePrinterCounters(true);
    if (details_.laminatorInstalled && counters_.senseLogPage(link::kLaminatorLogPage) == 0)
        details_.counters.laminatorTotal = unsignedCounter(data_.image.Counters.LaminatorTotal);
}

// The network has no laminator total counter.
void PrinterReader::readNetwork() {
    if (net_.statusTabRead() == 0) {
        takeMedia();
        takePrinterCounters(false);
    }
    if (net_.propertyRead() == 0) {
        takeIdentity();
        takePrinterCounters(true);
    }
}

void PrinterReader::takeIdentity() {
    const link::Identity& id = data_.identity;
    details_.firmware =
        Firmware{id.PrinterVersion, id.LaminatorVersion, id.ConfigVersion, id.TableVersion};
    details_.laminatorInstalled = id.Option47() != 0;
}

void PrinterReader::takeMedia() {
    const link::PrintConditionPage& page = data_.image.PrintCondition;
    details_.inkQuantity = page.Byte48;
    details_.filmQuantity = page.Byte47;
    details_.cardCode = page.Byte49;
}

void PrinterReader::takePrinterCounters(bool withTotals) {
    const link::CounterFields& c = data_.image.Counters;
    ReportCounters& out = details_.counters;
    out.print = unsignedCounter(c.Print);
    out.cleaning = unsignedCounter(c.Cleaning);
    if (!withTotals) return;
    out.total = unsignedCounter(c.PrinterTotal);
    out.head = unsignedCounter(c.ThermalHead);
    out.error = unsignedCounter(c.Error);
}

}  // namespace orvan::report

namespace orvan::report {

PrinterReport BuildReport(const link::LinkState& state, const std::string& name, bool ipv6List,
                          const PrinterDetails& details, std::int64_t readAt) {
    PrinterReport r;
    r.name = name;
    const link::SelectedPrinter& p = state.selected;
    r.connection = p.connection == link::Connection::Network ? "network" : "usb";
    if (p.connection == link::Connection::Network) {
        const std::span<const std::uint8_t> bytes(p.address);
        r.address = ipv6List ? link::FormatIPv6(bytes).text
                             : link::FormatIPv4(bytes.first(link::kIPv4Length));
        r.id = "net:" + r.address;
    } else {
        r.id = "usb:" + std::to_string(p.slot) + ":" + std::to_string(p.scsiId);
    }
    r.up = state.printerCount != 0 && !state.ended;
    r.answered = true;
    r.status = state.status;
    r.statusWord = state.statusWord;
    r.details = details;
    r.readAt = readAt;
    return r;
}

}  // namespace orvan::report
