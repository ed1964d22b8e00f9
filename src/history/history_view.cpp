#include "history/history_view.h"

#include <cstdio>

#include "report/check_output.h"
#include "report/printer_report.h"
#include "status/status_presentation.h"

namespace orvan::history {
namespace {

constexpr std::array<std::int64_t, 4> kSpanSeconds = {86400, 7 * 86400, 31 * 86400, 365 * 86400};
// A lost printer's band.
constexpr ui::Colour kLostColour = 0x808080;
constexpr std::size_t kMaxTimelineEvents = kMaxRows;

// The printer as the events so far leave it.
struct Known {
    bool up = true;
    bool laminator = false;
    link::DeviceStatus status;
};

void apply(Known& k, const Event& e) {
    const auto value = static_cast<std::int32_t>(e.code);
    switch (e.kind) {
        case EventKind::Found:
            k.up = true;
            break;
        case EventKind::Lost:
            k.up = false;
            break;
        case EventKind::PrinterState:
            k.status.printerState = value;
            break;
        case EventKind::PrinterResult:
            k.status.printerResult = value;
            break;
        case EventKind::LaminatorState:
            k.laminator = true;
            k.status.laminatorState = value;
            break;
        case EventKind::LaminatorResult:
            k.laminator = true;
            k.status.laminatorResult = value;
            break;
    }
}

Band bandOf(const Known& k, std::int64_t from, const status::ErrorCatalogue& catalogue) {
    report::PrinterReport r;
    r.up = k.up;
    r.answered = true;
    r.status = k.status;
    r.details.laminatorInstalled = k.laminator;
    if (!k.up) return {from, from, kLostColour, report::PrinterText(catalogue, r).state};
    status::StatusInputs in;
    in.status = k.status;
    in.printerConnected = true;
    in.laminatorInstalled = k.laminator;
    const status::StatusView view = status::PresentStatus(catalogue, in);
    return {from, from, view.printer.colour.value_or(ui::kBlack),
            view.printer.text.substr(0, view.printer.text.find('\r'))};
}

}  // namespace

std::int64_t SpanSeconds(SpanChoice span) {
    return kSpanSeconds[static_cast<std::size_t>(span)];
}

Timeline TimelineOf(const std::vector<Event>& events, Span span,
                    const status::ErrorCatalogue& catalogue) {
    Timeline t;
    Known known;
    for (const Event& e : events) {
        if (e.at < span.from || e.at >= span.to) continue;
        apply(known, e);
        const bool result =
            e.kind == EventKind::PrinterResult || e.kind == EventKind::LaminatorResult;
        const auto code = static_cast<std::int32_t>(e.code);
        if (result && code < 0 && catalogue.ClassifyCode(code) >= link::Severity::Error)
            t.errors.push_back({e.at, report::CodeHex(code)});
        Band band = bandOf(known, e.at, catalogue);
        if (!t.bands.empty() && t.bands.back().from == e.at) t.bands.pop_back();
        if (!t.bands.empty()) {
            t.bands.back().to = e.at;
            // The same look goes on: one band.
            if (t.bands.back().colour == band.colour && t.bands.back().text == band.text) continue;
        }
        t.bands.push_back(std::move(band));
    }
    if (!t.bands.empty()) t.bands.back().to = span.to;
    return t;
}

HistoryPage ReadPage(Store& store, const status::ErrorCatalogue& catalogue,
                     const std::string& printer, SpanChoice choice, std::int64_t now,
                     const std::set<EventKind>& kinds, const std::string& text) {
    HistoryPage page;
    page.span = {now - SpanSeconds(choice), now + 1};
    const auto all = Events(store, {printer, page.span, {}, "", kMaxTimelineEvents});
    // The timeline starts with how the printer stood when the span began.
    std::vector<Event> drawn = LastEventsBefore(store, printer, page.span.from);
    for (Event& e : drawn) e.at = page.span.from;
    drawn.insert(drawn.end(), all.begin(), all.end());
    page.timeline = TimelineOf(drawn, page.span, catalogue);
    page.events = kinds.empty() && text.empty()
                      ? all
                      : Events(store, {printer, page.span, kinds, text, kMaxRows});
    page.levels = Levels(store, printer, page.span);
    page.cards = CardsPerDay(store, printer, page.span);
    page.audit = Audit(store, printer, page.span);
    page.forecast = ForecastFor(store, printer, now);
    return page;
}

std::string ForecastLine(const char* supply, const std::optional<double>& daysLeft,
                         const std::optional<double>& perDay) {
    if (!daysLeft || !perDay) return std::string(supply) + ": too little history for a forecast";
    char rate[32];
    std::snprintf(rate, sizeof rate, "%.1f", *perDay);
    return std::string(supply) + ": " + report::AboutDays(*daysLeft) + " left (" + rate +
           " % a day over the last 14 days)";
}

}  // namespace orvan::history
