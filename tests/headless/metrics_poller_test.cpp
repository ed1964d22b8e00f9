// The printers are polled on the poller's own schedule; a scrape only copies
// the last round's text, so however often or slowly it comes it never asks a
// printer, and the textfile is written after every round.
#include <gtest/gtest.h>

#include "headless/metrics_poller.h"
#include "headless/survey_rig.h"
#include "profile/scratch_dir.h"

namespace orvan::testing {
namespace {

TEST(MetricsPoller, ScrapesCopyTheLastRoundAndNeverAskAPrinter) {
    ScratchDir runtime;
    SurveyRig rig;
    headless::StatusSource source(
        {runtime.file("monitor.lock"), runtime.file("status.json"), runtime.file("access.lock")},
        [&rig]() -> headless::PrinterSurvey& { return rig.survey ? *rig.survey : rig.make(); }, 0);
    std::int64_t wall = 1700000000;
    headless::MetricsPoller poller(source, all(), {[&wall] { return wall; }});
    int textfileWrites = 0;
    poller.afterRound = [&textfileWrites](const std::string&) { ++textfileWrites; };
    EXPECT_EQ(poller.scrape(), "");  // nothing polled yet, nothing asked

    poller.poll();
    const std::string first = poller.scrape();
    EXPECT_NE(first.find("orvan_printer_up{printer=\"USB:Unit1\",id=\"usb:0:0\"} 1"),
              std::string::npos)
        << first;
    const int calls = rig.printerCalls();
    rig.world.usb(0).setInk(4);
    for (int i = 0; i < 100; ++i) EXPECT_EQ(poller.scrape(), first);
    EXPECT_EQ(rig.printerCalls(), calls);

    wall += 60;  // ink is read again a minute on
    poller.poll();
    EXPECT_NE(
        poller.scrape().find("orvan_printer_ink_ratio{printer=\"USB:Unit1\",id=\"usb:0:0\"} 0.08"),
        std::string::npos);
    EXPECT_EQ(poller.rounds(), 2);
    EXPECT_EQ(textfileWrites, 2);

    // On its own thread: the first round before start returns; a stop wakes
    // the wait for the next one at once.
    poller.start();
    EXPECT_EQ(poller.rounds(), 3);
    EXPECT_TRUE(poller.stop(10000));
}

}  // namespace
}  // namespace orvan::testing
