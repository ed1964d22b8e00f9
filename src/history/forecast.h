#pragma once
// How long the ink ribbon and the film last at the rate of the last two
// weeks. Levels that rise are refills: the rise is not consumption, and what
// was used before and after it counts alike.
#include <cstdint>
#include <optional>
#include <vector>

#include "history/history_records.h"
#include "report/printer_report.h"

namespace orvan::history {

inline constexpr std::int64_t kForecastWindowSeconds = 14 * 86400;
// Less observation than this, or no consumption in it, is too little to tell.
inline constexpr std::int64_t kMinForecastSpanSeconds = 2 * 86400;

// series: the samples of the window in time order; the first may be older
// (the level the window started with) and counts from the window's start.
report::SupplyForecast Forecast(const std::vector<LevelSample>& series, std::int64_t now);

}  // namespace orvan::history
