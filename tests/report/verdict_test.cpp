// A monitoring check's verdict: lost or in error is CRITICAL, transient or
// busy results and low media a WARNING, no answer UNKNOWN.
#include <gtest/gtest.h>

#include "report/check_output.h"
#include "report/report_fixture.h"

namespace orvan::testing {
namespace {

using report::Verdict;

Verdict judge(const report::PrinterReport& r, int warn = 10) {
    return report::Judge(catalogue(), r, warn).verdict;
}

TEST(Verdict, ErrorsAndLossAreCriticalTransientAndBusyResultsAWarning) {
    auto r = readyPrinter();
    EXPECT_EQ(judge(r), Verdict::Ok);
    r.status.printerState = 50;  // printing with no error result is fine
    EXPECT_EQ(judge(r), Verdict::Ok);

    r.status.printerResult = -0x0102D000;  // No Card, Error
    EXPECT_EQ(judge(r), Verdict::Critical);
    r.status.printerResult = -0x02000001;  // port service, Fault
    EXPECT_EQ(judge(r), Verdict::Critical);
    r.status.printerResult = -0x0102DB00;  // initializing, Transient
    EXPECT_EQ(judge(r), Verdict::Warning);
    r.status.printerResult = -0x0102D400;  // printing, Busy
    EXPECT_EQ(judge(r), Verdict::Warning);
    r.status.printerResult = -0x0102D001;  // not in the catalogue
    EXPECT_EQ(judge(r), Verdict::Ok);

    r.status.printerResult = 0;
    r.status.laminatorResult = -0x0500005A;  // the laminator's film cassette
    EXPECT_EQ(judge(r), Verdict::Critical);
    r.details.laminatorInstalled = false;  // a laminator that is not there says nothing
    EXPECT_EQ(judge(r), Verdict::Ok);

    r.answered = false;
    EXPECT_EQ(judge(r), Verdict::Unknown);
    r.up = false;
    EXPECT_EQ(judge(r), Verdict::Critical);
}

TEST(Verdict, InkOrFilmAtOrBelowTheThresholdIsAWarning) {
    auto r = readyPrinter();
    r.details.inkQuantity = 5;  // 10 %
    EXPECT_EQ(judge(r), Verdict::Warning);
    r.details.inkQuantity = 6;  // 12 %
    EXPECT_EQ(judge(r), Verdict::Ok);
    EXPECT_EQ(judge(r, 12), Verdict::Warning);
    r.details.filmQuantity = 1;  // 10 %
    EXPECT_EQ(judge(r), Verdict::Warning);
    r.details.filmQuantity = 2;
    EXPECT_EQ(judge(r), Verdict::Ok);
    // Not offered (255) or never read: no gauge, no warning.
    r.details.inkQuantity = 255;
    r.details.filmQuantity.reset();
    EXPECT_EQ(judge(r), Verdict::Ok);
    EXPECT_EQ(judge(r, 100), Verdict::Ok);
}

// -w and -c in the plugin range syntax: outside the range alerts, inside
// with "@"; the default warning is "at or below --warn".
TEST(Verdict, InkAndFilmThresholdsFollowThePluginRangeSyntax) {
    struct Case {
        const char* range;
        double value;
        bool alerts;
    };
    const Case cases[] = {
        {"10", 11, true},    {"10", 10, false},    {"10", -1, true},     {"10:", 9, true},
        {"10:", 10, false},  {"~:10", -50, false}, {"~:10", 11, true},   {"10:20", 15, false},
        {"10:20", 21, true}, {"@10:20", 15, true}, {"@10:20", 9, false}, {"@0:10", 10, true},
    };
    for (const Case& c : cases) {
        const auto range = report::PluginRange::parse(c.range);
        ASSERT_TRUE(range.has_value()) << c.range;
        EXPECT_EQ(range->alerts(c.value), c.alerts) << c.range << " " << c.value;
    }
    const std::string tooLong(40, '1');
    for (std::string_view bad : {std::string_view(""), std::string_view("@"), std::string_view("x"),
                                 std::string_view("10:5"), std::string_view("1e999"),
                                 std::string_view("10:x"), std::string_view(tooLong)})
        EXPECT_FALSE(report::PluginRange::parse(bad).has_value()) << bad;

    auto r = readyPrinter();
    r.details.inkQuantity = 10;  // 20 %
    report::MediaThresholds t;
    t.warning = *report::PluginRange::parse("30:");
    EXPECT_EQ(report::Judge(catalogue(), r, t).verdict, Verdict::Warning);
    t.critical = report::PluginRange::parse("25:");
    EXPECT_EQ(report::Judge(catalogue(), r, t).verdict, Verdict::Critical);
    EXPECT_EQ(report::Judge(catalogue(), r, t).reason, "ink low");
}

TEST(Verdict, SeveralPrintersTakeTheWorst) {
    report::StatusDocument doc;
    EXPECT_EQ(report::OverallVerdict(doc, catalogue(), 10), Verdict::Unknown);
    doc.printers = {readyPrinter("A"), readyPrinter("B")};
    doc.printers[1].answered = false;
    EXPECT_EQ(report::OverallVerdict(doc, catalogue(), 10), Verdict::Unknown);
    doc.printers[0].details.inkQuantity = 1;
    EXPECT_EQ(report::OverallVerdict(doc, catalogue(), 10), Verdict::Warning);
    doc.printers[1].up = false;
    EXPECT_EQ(report::OverallVerdict(doc, catalogue(), 10), Verdict::Critical);
}

}  // namespace
}  // namespace orvan::testing
