// The generated past is what watching such printers would have stored:
// every kind of event, levels that run down and are refilled, a forecast for
// a busy printer, and the same past for the same seed.
#include <gtest/gtest.h>

#include "history/history_generator.h"
#include "history/history_queries.h"
#include "history_rig.h"

namespace orvan::testing {
namespace {

TEST(HistoryGenerator, AMonthOfTwoPrintersHasEveryKindOfRecordAndIsTheSameForASeed) {
    HistoryRig a, b;
    const history::GeneratorPlan plan{3, 60, kT0, 7};
    for (HistoryRig* rig : {&a, &b}) {
        auto store = rig->open();
        ASSERT_TRUE(store);
        ASSERT_TRUE(history::GenerateHistory(*store, catalogue(), plan)) << store->error();
    }
    auto store = a.open();
    const history::Span span{kT0 - 60 * kDaySeconds, kT0};
    EXPECT_EQ(history::Printers(*store).size(), 3u);
    std::set<history::EventKind> kinds;
    for (const auto& e : history::Events(*store, {"", span, {}, "", history::kMaxRows}))
        kinds.insert(e.kind);
    for (auto kind : {history::EventKind::Found, history::EventKind::PrinterState,
                      history::EventKind::PrinterResult})
        EXPECT_TRUE(kinds.count(kind)) << history::KindName(kind);
    const std::string busy = "usb:0:2";
    EXPECT_GT(history::CardsPerDay(*store, busy, span).size(), 30u);
    EXPECT_TRUE(history::ForecastFor(*store, busy, kT0).inkDaysLeft);
    for (const char* table : {"events", "levels", "counters"})
        EXPECT_EQ(a.count(table), b.count(table)) << table;
    EXPECT_GT(a.count("levels"), 10);
}

}  // namespace
}  // namespace orvan::testing
