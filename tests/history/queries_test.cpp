// What the history window reads: events by printer, span, kind and text,
// bounded in span, text and rows; cards per day; the audit; CSV export.
#include <gtest/gtest.h>

#include "history/csv_export.h"
#include "history/history_queries.h"
#include "history_rig.h"

namespace orvan::testing {
namespace {

using history::Batch;
using history::EventKind;

void addEvent(history::Store& s, const std::string& key, std::int64_t at, EventKind kind,
              const std::string& text) {
    Batch b;
    b.printer = {key, "Name of " + key};
    b.events.push_back({at, kind, -1, text, {}});
    ASSERT_TRUE(s.write(b));
}

std::vector<std::string> texts(const std::vector<history::Event>& events) {
    std::vector<std::string> out;
    for (const auto& e : events) out.push_back(e.text);
    return out;
}

TEST(HistoryQueries, EventsAreFilteredByPrinterSpanKindAndTextWithinTheirLimits) {
    HistoryRig rig;
    auto store = rig.open();
    ASSERT_TRUE(store);
    addEvent(*store, "usb:0:0", kT0, EventKind::PrinterState, "Ready");
    addEvent(*store, "usb:0:0", kT0 + 10, EventKind::PrinterResult, "0102D000 No card");
    addEvent(*store, "net:10.0.0.2", kT0 + 20, EventKind::PrinterResult, "0102D000 No card");
    addEvent(*store, "usb:0:0", kT0 + 30, EventKind::Lost, "Printer Not Connected");
    addEvent(*store, "usb:0:0", kT0 - 500 * kDaySeconds, EventKind::Found, "ancient");
    struct Case {
        const char* name;
        history::EventFilter filter;
        std::vector<std::string> expected;
    };
    const history::Span all{kT0 - 1000 * kDaySeconds, kT0 + 100};
    const Case cases[] = {
        {"one printer",
         {"usb:0:0", {kT0, kT0 + 100}, {}, "", 100},
         {"Ready", "0102D000 No card", "Printer Not Connected"}},
        {"every printer, by kind",
         {"", {kT0, kT0 + 100}, {EventKind::PrinterResult}, "", 100},
         {"0102D000 No card", "0102D000 No card"}},
        {"text, case ignored",
         {"usb:0:0", {kT0, kT0 + 100}, {}, "NOT CONN", 100},
         {"Printer Not Connected"}},
        {"span end excluded",
         {"usb:0:0", {kT0, kT0 + 30}, {}, "", 100},
         {"Ready", "0102D000 No card"}},
        {"span over the limit is cut",
         {"usb:0:0", all, {}, "", 100},
         {"Ready", "0102D000 No card", "Printer Not Connected"}},
        {"row limit", {"", {kT0, kT0 + 100}, {}, "", 2}, {"Ready", "0102D000 No card"}},
        {"a filter text over its limit is cut",
         {"", {kT0, kT0 + 100}, {}, "Ready" + std::string(history::kMaxFilterBytes, 'z'), 100},
         {}},
        {"a text longer than its limit is only its first part",
         {"", {kT0, kT0 + 100}, {}, std::string(history::kMaxFilterBytes - 5, ' ') + "Ready", 100},
         {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(texts(history::Events(*store, c.filter)), c.expected) << c.name;
    // A request for more rows than any query returns is held to the most.
    history::EventFilter greedy{"", {kT0, kT0 + 100}, {}, "", 10'000'000};
    EXPECT_EQ(history::Events(*store, greedy).size(), 4u);
    EXPECT_EQ(history::Printers(*store).size(), 2u);
}

TEST(HistoryQueries, CardsPerDayAreTheTotalCountersGrowthAndTheAuditNamesTheUser) {
    HistoryRig rig;
    auto store = rig.open();
    ASSERT_TRUE(store);
    const std::int64_t day0 = kT0 - kT0 % kDaySeconds;
    const std::pair<std::int64_t, std::int64_t> totals[] = {
        {day0 - 100, 1000},                   // before the span: the start
        {day0 + 3600, 1010},                  // day 0: 10
        {day0 + 7200, 1030},                  // day 0: 20 more
        {day0 + kDaySeconds + 60, 1030},      // day 1: none
        {day0 + 2 * kDaySeconds, 5},          // the counter went back: no cards
        {day0 + 2 * kDaySeconds + 60, 12},    // day 2: 7
        {day0 + 2 * kDaySeconds + 70, 9000},  // more than ten seconds can print: no cards
    };
    for (const auto& [at, total] : totals) {
        Batch b;
        b.printer = {"usb:0:0", "USB:Unit1"};
        b.counters = history::CounterSample{at, {}, total, {}, {}, {}, {}};
        ASSERT_TRUE(store->write(b));
    }
    const std::vector<history::DayCount> expected = {{day0, 30}, {day0 + 2 * kDaySeconds, 7}};
    EXPECT_EQ(history::CardsPerDay(*store, "usb:0:0", {day0, day0 + 3 * kDaySeconds}), expected);

    Batch write;
    write.printer = {"usb:0:0", "USB:Unit1"};
    write.audit =
        history::AuditEntry{kT0, "Printer Setting", "mode page 0x21", false, -5, "ann", {}};
    ASSERT_TRUE(store->write(write));
    const auto audit = history::Audit(*store, "usb:0:0", {kT0, kT0 + 1});
    ASSERT_EQ(audit.size(), 1u);
    EXPECT_EQ(audit[0].user, "ann");
    EXPECT_EQ(audit[0].screen, "Printer Setting");
    EXPECT_FALSE(audit[0].ok);
    EXPECT_EQ(audit[0].printer, "usb:0:0");
}

TEST(HistoryCsv, TheFilteredListIsExportedWithCommasQuotesAndLineBreaksQuoted) {
    HistoryRig rig;
    auto store = rig.open();
    ASSERT_TRUE(store);
    addEvent(*store, "usb:0:0", kT0, EventKind::PrinterResult, "Jam, at \"exit\"");
    addEvent(*store, "usb:0:0", kT0 + 1, EventKind::PrinterResult, "two\r\nlines");
    addEvent(*store, "usb:0:0", kT0 + 2, EventKind::PrinterState, "Ready");
    addEvent(*store, "usb:0:0", kT0 + 3, EventKind::PrinterResult, "caf\xc3\xa9 \xff");
    const auto shown =
        history::Events(*store, {"usb:0:0", {kT0, kT0 + 10}, {EventKind::PrinterResult}, "", 100});
    EXPECT_EQ(history::EventsCsv(shown),
              "time,printer,kind,code,text\r\n"
              "2026-05-28T20:26:40Z,usb:0:0,printer result,-1,\"Jam, at \"\"exit\"\"\"\r\n"
              "2026-05-28T20:26:41Z,usb:0:0,printer result,-1,\"two\r\nlines\"\r\n"
              "2026-05-28T20:26:43Z,usb:0:0,printer result,-1,caf\xc3\xa9 ?\r\n");
}

}  // namespace
}  // namespace orvan::testing
