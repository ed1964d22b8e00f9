// The days left that the history tells: "(about N days)" after the ink and
// film of orvan-status's line, and their metrics, absent without a forecast.
#include <gtest/gtest.h>

#include "report/check_output.h"
#include "report/metrics_text.h"
#include "report/report_fixture.h"

namespace orvan::testing {
namespace {

TEST(ForecastText, TheDaysLeftAreToldWhereTheHistoryKnowsThem) {
    struct Case {
        const char* name;
        std::optional<double> ink, film;
        bool up;
        const char* line;  // the check's media part
        std::vector<std::string> metrics, absent;
    };
    const Case cases[] = {
        {"both",
         6.4,
         0.6,
         true,
         "ink 80% (about 6 days), film 80% (about 1 day),",
         {"orvan_printer_ink_days_left{printer=\"USB:Unit1\",id=\"usb:0:0\"} 6.4",
          "orvan_printer_film_days_left{printer=\"USB:Unit1\",id=\"usb:0:0\"} 0.6"},
         {}},
        {"ink only",
         12.0,
         {},
         true,
         "ink 80% (about 12 days), film 80%,",
         {"orvan_printer_ink_days_left{printer=\"USB:Unit1\",id=\"usb:0:0\"} 12"},
         {"orvan_printer_film_days_left"}},
        {"too little history",
         {},
         {},
         true,
         "ink 80%, film 80%,",
         {},
         {"orvan_printer_ink_days_left", "orvan_printer_film_days_left"}},
        {"very long", 123456.0, {}, true, "ink 80% (more than 9999 days),", {}, {}},
        {"lost printer",
         5.0,
         5.0,
         false,
         "Printer is not found.",
         {},
         {"orvan_printer_ink_days_left", "orvan_printer_film_days_left"}},
    };
    for (const auto& c : cases) {
        report::StatusDocument doc;
        auto r = readyPrinter();
        r.up = c.up;
        r.forecast.inkDaysLeft = c.ink;
        r.forecast.filmDaysLeft = c.film;
        doc.printers = {r};
        const std::string line = report::CheckText(doc, catalogue(), 10, "").text;
        EXPECT_NE(line.find(c.line), std::string::npos) << c.name << ": " << line;
        const std::string text = report::MetricsText(doc, catalogue());
        for (const auto& m : c.metrics)
            EXPECT_NE(text.find(m + "\n"), std::string::npos) << c.name << ": " << m;
        for (const auto& m : c.absent)
            EXPECT_EQ(text.find(m), std::string::npos) << c.name << ": " << m;
    }
}

}  // namespace
}  // namespace orvan::testing
