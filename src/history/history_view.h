#pragma once
// What a history view shows of one printer over a span: the timeline of its
// states as bands in the Status tab's colours with its errors marked by
// code, its ink and film, its cards per day, its events as a filter leaves
// them, and the audit. Worked out without a window, drawn by the front end.
#include <array>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "history/history_queries.h"
#include "status/error_catalogue.h"
#include "ui/control.h"

namespace orvan::history {

enum class SpanChoice { Day = 0, Week = 1, Month = 2, Year = 3 };
inline constexpr std::array<const char*, 4> kSpanNames = {"Day", "Week", "Month", "Year"};
std::int64_t SpanSeconds(SpanChoice span);

struct Band {
    std::int64_t from = 0, to = 0;
    ui::Colour colour = 0;
    std::string text;  // the state line
    bool operator==(const Band&) const = default;
};

struct ErrorMark {
    std::int64_t at = 0;
    std::string code;  // "0102D000"
    bool operator==(const ErrorMark&) const = default;
};

struct Timeline {
    std::vector<Band> bands;
    std::vector<ErrorMark> errors;
};

// The bands from the state and result changes of events (oldest first),
// each lasting until the next change or the span's end; before the first
// event nothing is known and nothing drawn.
Timeline TimelineOf(const std::vector<Event>& events, Span span,
                    const status::ErrorCatalogue& catalogue);

struct HistoryPage {
    Span span;
    Timeline timeline;
    std::vector<LevelSample> levels;
    std::vector<DayCount> cards;
    std::vector<Event> events;  // as the filter leaves them
    std::vector<AuditEntry> audit;
    report::SupplyForecast forecast;
};

// Everything the view shows of printer for the span ending at now.
HistoryPage ReadPage(Store& store, const status::ErrorCatalogue& catalogue,
                     const std::string& printer, SpanChoice span, std::int64_t now,
                     const std::set<EventKind>& kinds, const std::string& text);

// "Ink: about 6 days left (4.2 % a day over the last 14 days)", or that
// there is too little history.
std::string ForecastLine(const char* supply, const std::optional<double>& daysLeft,
                         const std::optional<double>& perDay);

}  // namespace orvan::history
