// A server records the printers it polls itself, never those a running
// monitor watches (the monitor records those), and its metrics carry the
// days left once the history holds enough of them.
#include <gtest/gtest.h>

#include "headless/history_feed.h"
#include "headless/metrics_poller.h"
#include "headless/survey_rig.h"
#include "history/history_queries.h"
#include "profile/scratch_dir.h"
#include "report/report_fixture.h"

namespace orvan::testing {
namespace {

constexpr std::int64_t kDay = 86400;

TEST(HistoryFeed, AServerRecordsWhatItPollsAndItsMetricsTellTheDaysLeft) {
    ScratchDir runtime;
    SurveyRig rig;
    headless::StatusSource source(
        {runtime.file("monitor.lock"), runtime.file("status.json"), runtime.file("access.lock")},
        [&rig]() -> headless::PrinterSurvey& { return rig.survey ? *rig.survey : rig.make(); }, 0);
    std::int64_t wall = 1780000000;
    std::vector<std::string> said;
    headless::HistoryFeed feed(runtime.file("history.sqlite3"),
                               [&said](const std::string& why) { said.push_back(why); });
    headless::MetricsPoller poller(source, all(), {[&wall] { return wall; }});
    poller.beforeText = [&](report::StatusDocument& doc) { feed.feed(doc, wall); };
    const std::string inkDays =
        "orvan_printer_ink_days_left{printer=\"USB:Unit1\",id=\"usb:0:0\"} ";
    // Ink 50, 45, 40, 35 of 50 on four days: 10 % a day, 70 % left.
    for (int day = 0; day < 4; ++day) {
        rig.world.usb(0).setInk(50 - 5 * day);
        poller.poll();
        if (day < 2) {
            EXPECT_EQ(poller.scrape().find(inkDays), std::string::npos) << "day " << day;
        }
        wall += kDay;
    }
    wall -= kDay;
    const std::string text = poller.scrape();
    EXPECT_NE(text.find(inkDays + "7\n"), std::string::npos) << text;
    EXPECT_EQ(text.find("orvan_printer_film_days_left{printer=\"USB:Unit1\""), std::string::npos)
        << "the film did not move";
    EXPECT_TRUE(said.empty());

    // What a monitor published is its own to record.
    report::StatusDocument fromMonitor;
    fromMonitor.source = report::Source::Monitor;
    auto watched = readyPrinter();
    watched.id = "usb:7:7";
    fromMonitor.printers = {watched};
    feed.feed(fromMonitor, wall + 60);
    std::string why;
    auto store = history::Store::open(runtime.file("history.sqlite3"), why, true);
    ASSERT_TRUE(store) << why;
    for (const auto& p : history::Printers(*store)) EXPECT_NE(p.key, "usb:7:7");
    EXPECT_FALSE(history::Levels(*store, "usb:0:0", {wall - 5 * kDay, wall + 1}).empty());
}

}  // namespace
}  // namespace orvan::testing
