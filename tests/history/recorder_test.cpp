// What the recorder keeps of successive observations: found and lost, state
// and result changes with their texts, levels when they change, counters at
// state changes and every ten minutes while they move.
#include <gtest/gtest.h>

#include "history/event_recorder.h"
#include "history_rig.h"

namespace orvan::testing {
namespace {

using history::EventKind;

struct Step {
    std::int64_t at;
    std::function<void(report::PrinterReport&)> change;
    // What this observation records: events as "kind:code:text", then
    // "levels", "counters" when they are written.
    std::vector<std::string> expected;
};

std::vector<std::string> recorded(const history::Batch& b) {
    std::vector<std::string> out;
    for (const auto& e : b.events)
        out.push_back(std::string(history::KindName(e.kind)) + ":" + std::to_string(e.code) + ":" +
                      e.text);
    if (b.levels) out.push_back("levels");
    if (b.counters) out.push_back("counters");
    return out;
}

void run(const char* name, const std::vector<Step>& steps) {
    history::EventRecorder recorder(catalogue());
    report::PrinterReport r = plainPrinter();
    for (std::size_t i = 0; i < steps.size(); ++i) {
        if (steps[i].change) steps[i].change(r);
        const history::Batch b = recorder.observe(r, steps[i].at);
        EXPECT_EQ(recorded(b), steps[i].expected) << name << ", step " << i;
        for (const auto& e : b.events) EXPECT_EQ(e.at, steps[i].at) << name << ", step " << i;
        EXPECT_EQ(b.printer.key, b.empty() ? "" : "usb:0:0");
    }
}

const auto noCard = [](report::PrinterReport& r) { r.status.printerResult = -0x0102D000; };
const auto noError = [](report::PrinterReport& r) { r.status.printerResult = 0; };
const auto lost = [](report::PrinterReport& r) { r.up = false; };
const auto back = [](report::PrinterReport& r) { r.up = true; };

TEST(HistoryRecorder, AnErrorsOnsetAndRecoveryAreEventsWithTheCatalogueText) {
    run("error",
        {
            {kT0, nullptr, {"found:0:Ready", "printer state:0:Ready", "levels", "counters"}},
            {kT0 + 2, nullptr, {}},
            {kT0 + 4,
             noCard,
             {"printer result:-16961536:0102D000 No Card. (Cards have run out.) Replenish the "
              "cards.",
              "counters"}},
            {kT0 + 6, nullptr, {}},
            {kT0 + 8, noError, {"printer result:0:no error", "counters"}},
        });
}

TEST(HistoryRecorder, ALossAndARediscoveryAreEventsAndTheErrorFoundOnReturnIsToo) {
    run("loss",
        {
            {kT0, nullptr, {"found:0:Ready", "printer state:0:Ready", "levels", "counters"}},
            {kT0 + 2, lost, {"lost:0:Printer is not found."}},
            {kT0 + 4, nullptr, {}},
            {kT0 + 6,
             [](report::PrinterReport& r) {
                 back(r);
                 noCard(r);
             },
             {"found:0:Printer Error(0102D000) :", "printer state:0:Printer Error(0102D000) :",
              "printer result:-16961536:0102D000 No Card. (Cards have run out.) Replenish the "
              "cards.",
              "counters"}},
        });
}

TEST(HistoryRecorder, LevelsWhenTheyChangeCountersEveryTenMinutesWhileTheyMove) {
    const auto printed = [](report::PrinterReport& r) { ++*r.details.counters.total; };
    run("levels and counters",
        {
            {kT0, nullptr, {"found:0:Ready", "printer state:0:Ready", "levels", "counters"}},
            {kT0 + 60, printed, {}},
            {kT0 + 120, [](report::PrinterReport& r) { r.details.inkQuantity = 39; }, {"levels"}},
            {kT0 + 599, printed, {}},
            {kT0 + 600, nullptr, {"counters"}},
            {kT0 + 1300, nullptr, {}},  // still: nothing to store
            {kT0 + 1400,
             [](report::PrinterReport& r) { r.status.printerState = 50; },
             {"printer state:50:Printing", "counters"}},
        });
}

TEST(HistoryRecorder, TheLaminatorsChangesAreRecordedOnlyWhenOneIsFitted) {
    history::EventRecorder recorder(catalogue());
    report::PrinterReport r = readyPrinter();
    recorder.observe(r, kT0);
    r.status.laminatorResult = -0x0102D000;
    const auto with = recorder.observe(r, kT0 + 2);
    ASSERT_EQ(with.events.size(), 1u);
    EXPECT_EQ(with.events[0].kind, EventKind::LaminatorResult);
    r.details.laminatorInstalled = false;
    r.status.laminatorResult = 0;
    EXPECT_TRUE(recorder.observe(r, kT0 + 4).events.empty());
}

TEST(HistoryRecorder, MorePrintersThanItRemembersForgetTheOneSeenLongestAgo) {
    history::EventRecorder recorder(catalogue());
    report::PrinterReport r = plainPrinter();
    const auto observe = [&](std::size_t i, std::int64_t at) {
        r.id = "net:10.0." + std::to_string(i / 250) + "." + std::to_string(i % 250);
        return recorder.observe(r, at);
    };
    for (std::size_t i = 0; i < history::kMaxTrackedPrinters; ++i)
        EXPECT_FALSE(observe(i, kT0 + static_cast<std::int64_t>(i)).events.empty());
    EXPECT_TRUE(observe(0, kT0 + 1000).events.empty()) << "still remembered";
    // One more: the one seen longest ago (printer 1) is forgotten, not printer 0.
    EXPECT_FALSE(observe(history::kMaxTrackedPrinters, kT0 + 1001).events.empty());
    EXPECT_TRUE(observe(0, kT0 + 1002).events.empty());
    EXPECT_EQ(observe(1, kT0 + 1003).events.size(), 2u) << "seen afresh: found, and its state";
}

}  // namespace
}  // namespace orvan::testing
