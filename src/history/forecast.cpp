#include "history/forecast.h"

#include <algorithm>

namespace orvan::history {
namespace {

struct Supply {
    std::optional<double> daysLeft, perDay;
};

Supply supplyOf(const std::vector<LevelSample>& series, std::int64_t now,
                std::optional<int> LevelSample::*level) {
    const std::int64_t windowStart = now - kForecastWindowSeconds;
    std::optional<std::int64_t> start;
    std::optional<int> last;
    double used = 0;
    for (const LevelSample& s : series) {
        const auto value = s.*level;
        if (!value || s.at > now) continue;
        // What came before the window is only the level it starts with.
        if (!start || s.at <= windowStart) start = std::max(s.at, windowStart);
        if (last && s.at > windowStart && *value < *last)
            used += *last - *value;  // a rise is a refill
        last = value;
    }
    if (!start || now - *start < kMinForecastSpanSeconds || used <= 0) return {};
    const double perDay = used * 86400.0 / static_cast<double>(now - *start);
    return {*last / perDay, perDay};
}

}  // namespace

report::SupplyForecast Forecast(const std::vector<LevelSample>& series, std::int64_t now) {
    const Supply ink = supplyOf(series, now, &LevelSample::ink);
    const Supply film = supplyOf(series, now, &LevelSample::film);
    return {ink.daysLeft, film.daysLeft, ink.perDay, film.perDay};
}

}  // namespace orvan::history
