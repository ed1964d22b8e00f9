#pragma once
// What orvan-status does with the history: a server records the printers it
// polls itself (a running monitor records the one it watches) and adds each
// printer's forecast to its metrics; a one-off check only reads the
// forecasts, and never creates a store.
#include <cstdint>
#include <map>
#include <string>

#include "history/history_keeper.h"
#include "report/report_json.h"

namespace orvan::headless {

class HistoryFeed {
  public:
    // say: told once when the history cannot be kept.
    HistoryFeed(std::string path, history::HistoryKeeper::Say say);

    // Records doc's printers when they were asked directly, then adds every
    // printer's forecast (worked out again at most every ten minutes).
    void feed(report::StatusDocument& doc, std::int64_t now);

  private:
    history::HistoryKeeper keeper_;
    std::map<std::string, std::pair<std::int64_t, report::SupplyForecast>> forecasts_;
};

// The forecasts of doc's printers from the store at path, read only; none
// when there is no store or it cannot be read.
void AddForecasts(report::StatusDocument& doc, const std::string& path, std::int64_t now);

}  // namespace orvan::headless
