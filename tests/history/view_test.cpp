// What the history view draws: bands of the printer's states in the Status
// tab's colours, each until the next change; errors marked with their codes;
// the page of a span with its filtered events.
#include <gtest/gtest.h>

#include "history/history_view.h"
#include "history_rig.h"
#include "status/status_presentation.h"

namespace orvan::testing {
namespace {

using history::EventKind;

ui::Colour statusTabColour(link::DeviceStatus status) {
    status::StatusInputs in;
    in.status = status;
    in.printerConnected = true;
    return status::PresentStatus(catalogue(), in).printer.colour.value_or(ui::kBlack);
}

TEST(HistoryView, StatesAreBandsInTheStatusTabsColoursAndErrorsAreMarkedWithTheirCodes) {
    const std::vector<history::Event> events = {
        {kT0 - 50, EventKind::PrinterState, 0, "Ready", {}},  // before the span: not drawn
        {kT0 + 10, EventKind::Found, 0, "Ready", {}},
        {kT0 + 10, EventKind::PrinterState, 0, "Ready", {}},
        {kT0 + 20, EventKind::PrinterState, 50, "Printing", {}},
        {kT0 + 30, EventKind::PrinterState, 0, "Ready", {}},
        {kT0 + 40, EventKind::PrinterResult, -0x0102D000, "No card", {}},
        {kT0 + 45, EventKind::PrinterResult, -0x0102DB00, "Initializing", {}},  // no error mark
        {kT0 + 50, EventKind::PrinterResult, 0, "no error", {}},
        {kT0 + 60, EventKind::Lost, 0, "Printer is not found.", {}},
        {kT0 + 70, EventKind::Found, 0, "Ready", {}},
    };
    const auto t = history::TimelineOf(events, {kT0, kT0 + 100}, catalogue());
    const ui::Colour ready = statusTabColour({});
    const ui::Colour error = statusTabColour({-0x0102D000, 0, 0, 0});
    std::vector<std::tuple<std::int64_t, std::int64_t, std::string>> spans;
    for (const auto& b : t.bands) spans.emplace_back(b.from - kT0, b.to - kT0, b.text);
    const decltype(spans) expected = {
        {10, 20, "Ready"},
        {20, 30, "Printing"},
        {30, 40, "Ready"},
        {40, 45, "Printer Error(0102D000) :"},
        // A transient result keeps the state line: the look goes on, one band.
        {45, 60, "Ready"},
        {60, 70, "Printer is not found."},
        {70, 100, "Ready"},
    };
    EXPECT_EQ(spans, expected);
    EXPECT_EQ(t.bands[0].colour, ready);
    EXPECT_EQ(t.bands[3].colour, error);
    ASSERT_EQ(t.bands[5].text, "Printer is not found.");
    EXPECT_NE(t.bands[5].colour, ready) << "lost is drawn apart";
    EXPECT_NE(t.bands[5].colour, error);
    EXPECT_EQ(t.errors, (std::vector<history::ErrorMark>{{kT0 + 40, "0102D000"}}));
}

TEST(HistoryView, APageHoldsTheSpanChosenWithTheFilteredEventsAndTheForecast) {
    HistoryRig rig;
    auto store = rig.open();
    ASSERT_TRUE(store);
    const std::int64_t now = kT0 + 40 * kDaySeconds;
    for (int day = 0; day < 40; ++day) {
        history::Batch b;
        b.printer = {"usb:0:0", "USB:Unit1"};
        b.events.push_back({kT0 + day * kDaySeconds,
                            EventKind::PrinterState,
                            day % 2 ? 50 : 0,
                            day % 2 ? "Printing" : "Ready",
                            {}});
        b.levels = history::LevelSample{kT0 + day * kDaySeconds, 100 - 2 * day, 60};
        ASSERT_TRUE(store->write(b));
    }
    struct Case {
        history::SpanChoice span;
        std::string text;
        std::size_t events, bands;
    };
    const Case cases[] = {
        {history::SpanChoice::Day, "", 1, 1},
        {history::SpanChoice::Week, "", 7, 7},
        {history::SpanChoice::Week, "print", 4, 7},
        {history::SpanChoice::Year, "", 40, 40},
    };
    for (const auto& c : cases) {
        const auto page =
            history::ReadPage(*store, catalogue(), "usb:0:0", c.span, now, {}, c.text);
        EXPECT_EQ(page.events.size(), c.events) << history::kSpanNames[int(c.span)] << c.text;
        EXPECT_EQ(page.timeline.bands.size(), c.bands) << history::kSpanNames[int(c.span)];
        // 2 % a day from the level the window starts with (day 26) to day 39.
        EXPECT_NEAR(*page.forecast.inkPercentPerDay, 26.0 / 14, 0.01);
    }
    // A span with no change in it: how the printer stood when it began, all along.
    const auto quiet = history::ReadPage(*store, catalogue(), "usb:0:0", history::SpanChoice::Day,
                                         now + kDaySeconds / 2, {}, "");
    EXPECT_TRUE(quiet.events.empty());
    ASSERT_EQ(quiet.timeline.bands.size(), 1u);
    EXPECT_EQ(quiet.timeline.bands[0].text, "Printing");
    EXPECT_EQ(quiet.timeline.bands[0].from, quiet.span.from);
    EXPECT_EQ(quiet.timeline.bands[0].to, quiet.span.to);
    EXPECT_EQ(history::ForecastLine("Ink", 3.4, 2.04),
              "Ink: about 3 days left (2.0 % a day over the last 14 days)");
}

}  // namespace
}  // namespace orvan::testing
