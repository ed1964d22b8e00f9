// The days left of ink and film on known consumption series.
#include <gtest/gtest.h>

#include <cmath>

#include "history/forecast.h"
#include "history_rig.h"

namespace orvan::testing {
namespace {

using history::LevelSample;

// One sample a day from day 0 to `days`, ink from inkAt(day), film fixed.
std::vector<LevelSample> daily(int days, const std::function<int(int)>& inkAt) {
    std::vector<LevelSample> out;
    for (int d = 0; d <= days; ++d) out.push_back({kT0 + d * kDaySeconds, inkAt(d), 60});
    return out;
}

TEST(HistoryForecast, DaysLeftComeFromTheLastTwoWeeksWithRefillsLeftOut) {
    struct Case {
        const char* name;
        std::vector<LevelSample> series;
        std::int64_t now;
        std::optional<double> daysLeft, perDay;  // ink
    };
    const Case cases[] = {
        // 4 % a day, 40 % left at day 14: ten days.
        {"steady", daily(14, [](int d) { return 96 - 4 * d; }), kT0 + 14 * kDaySeconds, 10.0, 4.0},
        // 30 days of history: only the last 14 count (2 % a day then).
        {"older days ignored",
         daily(30, [](int d) { return d < 16 ? 100 - 3 * d : 52 - 2 * (d - 16); }),
         kT0 + 30 * kDaySeconds, 24.0 / 2.0, 2.0},
        // 5 % a day, refilled to 100 on day 6: the rise is no consumption.
        {"refill in the middle",
         daily(10, [](int d) { return d < 6 ? 80 - 5 * d : 100 - 5 * (d - 6); }),
         kT0 + 10 * kDaySeconds, 80.0 / 4.5, 4.5},
        {"one day only", daily(1, [](int d) { return 90 - 10 * d; }), kT0 + kDaySeconds, {}, {}},
        {"one sample", {{kT0, 50, 50}}, kT0 + 5 * kDaySeconds, {}, {}},
        {"no consumption", daily(10, [](int) { return 70; }), kT0 + 10 * kDaySeconds, {}, {}},
        {"no samples", {}, kT0, {}, {}},
    };
    for (const auto& c : cases) {
        const report::SupplyForecast f = history::Forecast(c.series, c.now);
        ASSERT_EQ(f.inkDaysLeft.has_value(), c.daysLeft.has_value()) << c.name;
        if (c.daysLeft) {
            EXPECT_NEAR(*f.inkDaysLeft, *c.daysLeft, 0.01) << c.name;
            EXPECT_NEAR(*f.inkPercentPerDay, *c.perDay, 0.01) << c.name;
        }
        EXPECT_FALSE(f.filmDaysLeft) << c.name << ": the film did not move";
    }
}

}  // namespace
}  // namespace orvan::testing
