// The check's text in the monitoring-plugin form, as a monitoring system
// parses it: status word, the printer's line, "|" and performance data.
#include <gtest/gtest.h>

#include "report/check_output.h"
#include "report/report_fixture.h"

namespace orvan::testing {
namespace {

report::CheckOutput check(const std::vector<report::PrinterReport>& printers,
                          const std::string& problem = "") {
    report::StatusDocument doc;
    doc.printers = printers;
    return report::CheckText(doc, catalogue(), 10, problem);
}

TEST(CheckOutput, OnePrinterIsOneLineWithItsMessageAndPerformanceData) {
    auto r = readyPrinter();
    r.status.printerResult = -0x0102D000;
    const auto out = check({r});
    EXPECT_EQ(out.verdict, report::Verdict::Critical);
    EXPECT_EQ(out.text,
              "CRITICAL - USB:Unit1: Printer Error(0102D000) : No Card. (Cards have run out.) "
              "Replenish the cards.; laminator Ready; ink 80%, film 80%, cards Enough, print "
              "counter 1234 | 'USB:Unit1 ink'=80%;@0:10;;0;100 'USB:Unit1 film'=80%;@0:10;;0;100 "
              "'USB:Unit1 print counter'=1234c\n");

    r.status.printerResult = -0x0102DB00;
    r.status.printerState = 1;
    r.details.inkQuantity.reset();
    r.details.cardCode = 2;
    r.details.laminatorInstalled = false;
    EXPECT_EQ(check({r}).text,
              "WARNING - USB:Unit1: Initializing (0102DB00 Printer is initializing.); ink "
              "unknown, film 80%, cards None, print counter 1234 | 'USB:Unit1 ink'=U "
              "'USB:Unit1 film'=80%;@0:10;;0;100 'USB:Unit1 print counter'=1234c\n");
}

TEST(CheckOutput, SeveralPrintersGetASummaryLineThenOneLineEach) {
    auto lost = readyPrinter("NET:OFFICE|2");
    lost.up = false;
    const auto out = check({readyPrinter(), lost});
    EXPECT_EQ(out.verdict, report::Verdict::Critical);
    const std::string expected =
        "CRITICAL - 2 printers, 1 critical, 1 ok | 'USB:Unit1 ink'=80%;@0:10;;0;100 'USB:Unit1 "
        "film'=80%;@0:10;;0;100 'USB:Unit1 print counter'=1234c 'NET:OFFICE/2 "
        "ink'=U 'NET:OFFICE/2 film'=U 'NET:OFFICE/2 print counter'=U\n"
        "OK - USB:Unit1: Ready; laminator Ready; ink 80%, film 80%, cards Enough, print counter "
        "1234\n"
        "CRITICAL - NET:OFFICE/2: Printer is not found.\n";
    EXPECT_EQ(out.text, expected);
}

TEST(CheckOutput, NothingToReportIsUnknownWithTheReason) {
    EXPECT_EQ(check({}, "no printer").text, "UNKNOWN - no printer\n");
    EXPECT_EQ(check({}).verdict, report::Verdict::Unknown);
}

}  // namespace
}  // namespace orvan::testing
