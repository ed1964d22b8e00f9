#pragma once
// What the history window and the forecast read from the store. Every query
// is bounded: a span of at most kMaxSpanDays, at most a given number of rows,
// a filter text of at most kMaxFilterBytes.
#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "history/history_records.h"
#include "history/history_store.h"
#include "report/printer_report.h"

namespace orvan::history {

inline constexpr std::int64_t kMaxSpanDays = 400;
inline constexpr std::size_t kMaxFilterBytes = 200;
inline constexpr std::size_t kMaxRows = 100000;

struct Span {
    std::int64_t from = 0, to = 0;  // seconds since 1970, from <= at < to
};

// The span actually queried: to kept, from moved up to kMaxSpanDays before it.
Span Bounded(Span span);

struct EventFilter {
    std::string printer;  // key; empty: every printer
    Span span;
    std::set<EventKind> kinds;  // empty: every kind
    std::string text;           // contained in the text, case ignored (ASCII)
    std::size_t limit = 10000;  // at most kMaxRows
};

std::vector<PrinterName> Printers(Store& store);
// Oldest first.
std::vector<Event> Events(Store& store, const EventFilter& filter);
// The last event of each kind before `before`, oldest first: how the printer
// stood when a span begins.
std::vector<Event> LastEventsBefore(Store& store, const std::string& printer, std::int64_t before);
std::vector<LevelSample> Levels(Store& store, const std::string& printer, Span span,
                                std::size_t limit = kMaxRows);

struct DayCount {
    std::int64_t day = 0;  // start of the day, seconds since 1970 (UTC)
    std::int64_t cards = 0;
    bool operator==(const DayCount&) const = default;
};
// Cards printed per day, from the growth of the total counter between samples.
std::vector<DayCount> CardsPerDay(Store& store, const std::string& printer, Span span);

std::vector<AuditEntry> Audit(Store& store, const std::string& printer, Span span,
                              std::size_t limit = 10000);

// The forecast from the last two weeks of the printer's levels.
report::SupplyForecast ForecastFor(Store& store, const std::string& printer, std::int64_t now);

}  // namespace orvan::history
