// However often Prometheus scrapes, the printers are asked at most once
// every two seconds; the scrapes in between get the last round's metrics.
#include <gtest/gtest.h>

#include "headless/metrics_poller.h"
#include "headless/survey_rig.h"
#include "profile/scratch_dir.h"

namespace orvan::testing {
namespace {

TEST(MetricsPoller, PrintersAreAskedAtMostOnceEveryTwoSeconds) {
    ScratchDir runtime;
    SurveyRig rig;
    headless::StatusSource source(
        {runtime.file("monitor.lock"), runtime.file("status.json"), runtime.file("access.lock")},
        [&rig]() -> headless::PrinterSurvey& { return rig.survey ? *rig.survey : rig.make(); }, 0);
    std::int64_t nowMs = 0;
    headless::MetricsPoller poller(source, all(),
                                   {[&nowMs] { return nowMs; }, [] { return 1700000000; }});
    int textfileWrites = 0;
    poller.afterRound = [&textfileWrites](const std::string&) { ++textfileWrites; };

    const std::string first = poller.scrape();
    EXPECT_NE(first.find("orvan_printer_up{printer=\"USB:Unit1\"} 1"), std::string::npos);
    const int calls = rig.world.countCalls("KQCMD_TestUnitReady");
    rig.world.usb(0).setInk(4);
    for (nowMs = 100; nowMs < 2000; nowMs += 300) EXPECT_EQ(poller.scrape(), first);
    EXPECT_EQ(rig.world.countCalls("KQCMD_TestUnitReady"), calls);
    EXPECT_EQ(poller.rounds(), 1);

    nowMs = 2000;
    const std::string second = poller.scrape();
    EXPECT_NE(second.find("orvan_printer_ink_ratio{printer=\"USB:Unit1\"} 0.08"),
              std::string::npos);
    EXPECT_EQ(rig.world.countCalls("KQCMD_TestUnitReady"), 2 * calls);
    EXPECT_EQ(poller.rounds(), 2);
    EXPECT_EQ(textfileWrites, 2);
}

}  // namespace
}  // namespace orvan::testing
