#pragma once
// Decides what of a printer's successive observations goes into the history:
// found and lost; each change of the printer's and the laminator's state and
// result, with its text; ink and film when they change; the counters at each
// state change and every ten minutes while they move.
#include <cstdint>
#include <map>
#include <optional>
#include <string>

#include "history/history_records.h"
#include "report/printer_report.h"
#include "status/error_catalogue.h"

namespace orvan::history {

inline constexpr std::int64_t kCounterIntervalSeconds = 600;
// Printers remembered at once; a longer list forgets the one seen longest ago.
inline constexpr std::size_t kMaxTrackedPrinters = 256;

class EventRecorder {
  public:
    explicit EventRecorder(const status::ErrorCatalogue& catalogue) : catalogue_(catalogue) {}

    // What to store of this observation made at now (possibly nothing).
    Batch observe(const report::PrinterReport& report, std::int64_t now);

  private:
    struct Seen {
        bool up = false;
        link::DeviceStatus status;
        std::optional<int> ink, film;
        report::ReportCounters counters;
        std::int64_t countersAt = 0;
        std::int64_t lastSeen = 0;
    };
    void changes(const report::PrinterReport& r, const link::DeviceStatus& was, bool fresh,
                 std::int64_t now, Batch& batch);
    void levels(const report::PrinterReport& r, Seen& seen, Batch& batch);
    void counters(const report::PrinterReport& r, Seen& seen, bool stateChanged, Batch& batch);
    Seen& seenOf(const std::string& key, std::int64_t now, bool& first);

    const status::ErrorCatalogue& catalogue_;
    std::map<std::string, Seen> seen_;
};

}  // namespace orvan::history
