// The metrics as Prometheus reads them: one sample per printer and family,
// label values escaped, nothing made up for a printer that did not answer.
#include <gtest/gtest.h>

#include "report/metrics_text.h"
#include "report/report_fixture.h"

namespace orvan::testing {
namespace {

bool has(const std::string& text, const std::string& line) {
    return text.find(line + "\n") != std::string::npos;
}

TEST(MetricsText, EveryValueOfAnAnsweringPrinterIsASample) {
    report::StatusDocument doc;
    auto r = readyPrinter();
    r.status = {-0x0102D000, 0, 0, 18};
    r.details.inkQuantity = 4;
    doc.printers = {r};
    const std::string text = report::MetricsText(doc, catalogue());
    for (const char* line : {
             "# TYPE orvan_printer_up gauge",
             "orvan_printer_up{printer=\"USB:Unit1\",id=\"usb:0:0\"} 1",
             "orvan_printer_severity{printer=\"USB:Unit1\",id=\"usb:0:0\"} 3",
             "orvan_printer_result_code{printer=\"USB:Unit1\",id=\"usb:0:0\"} -16961536",
             "orvan_laminator_state_code{printer=\"USB:Unit1\",id=\"usb:0:0\"} 18",
             "orvan_printer_ink_ratio{printer=\"USB:Unit1\",id=\"usb:0:0\"} 0.08",
             "orvan_printer_film_ratio{printer=\"USB:Unit1\",id=\"usb:0:0\"} 0.8",
             "orvan_printer_cards_empty{printer=\"USB:Unit1\",id=\"usb:0:0\"} 0",
             "# TYPE orvan_printer_prints_total counter",
             "orvan_printer_prints_total{printer=\"USB:Unit1\",id=\"usb:0:0\"} 1234",
             "orvan_printer_cards_total{printer=\"USB:Unit1\",id=\"usb:0:0\"} 15230",
             "orvan_printer_head_cards_total{printer=\"USB:Unit1\",id=\"usb:0:0\"} 8800",
             "orvan_printer_cleaning_cards_total{printer=\"USB:Unit1\",id=\"usb:0:0\"} 120",
             "orvan_printer_errors_total{printer=\"USB:Unit1\",id=\"usb:0:0\"} 7",
             "orvan_laminator_cards_total{printer=\"USB:Unit1\",id=\"usb:0:0\"} 640",
             "orvan_printer_info{printer=\"USB:Unit1\",id=\"usb:0:0\",name=\"USB:Unit1\","
             "connection=\"usb\","
             "address=\"\",printer_firmware=\"1.02.003\",laminator_firmware=\"L1.10\","
             "config_version=\"C2.00\",table_version=\"T3.05\"} 1",
             "orvan_status_printers 1",
             "orvan_status_from_monitor 0",
         })
        EXPECT_TRUE(has(text, line)) << line << "\n---\n" << text;
}

TEST(MetricsText, ALostPrinterKeepsOnlyUpInfoAndReadTime) {
    report::StatusDocument doc;
    auto r = readyPrinter("NET:ORVAN02");
    r.connection = "network";
    r.address = "192.168.0.51";
    r.up = false;
    doc.printers = {r};
    doc.source = report::Source::Monitor;
    const std::string text = report::MetricsText(doc, catalogue());
    EXPECT_TRUE(has(text, "orvan_printer_up{printer=\"NET:ORVAN02\",id=\"net:192.168.0.51\"} 0"));
    EXPECT_TRUE(has(text,
                    "orvan_printer_last_read_timestamp_seconds{printer=\"NET:ORVAN02\",id=\"net:"
                    "192.168.0.51\"} "
                    "1700000000"));
    EXPECT_TRUE(has(text, "orvan_status_from_monitor 1"));
    EXPECT_EQ(text.find("ink_ratio"), std::string::npos);
    EXPECT_EQ(text.find("prints_total"), std::string::npos);
    EXPECT_NE(
        text.find(
            "orvan_printer_info{printer=\"NET:ORVAN02\",id=\"net:192.168.0.51\",name=\"ORVAN02\","
            "connection=\"network\",address=\"192.168.0.51\""),
        std::string::npos);
}

// Printers are told apart by their id: two network printers with one
// factory name are two series.
// The alerts show an error's code as the window does: in hexadecimal, for
// the printer and for the laminator.
TEST(MetricsText, AnErrorsCodeIsALabelInHexadecimal) {
    report::StatusDocument doc;
    auto r = readyPrinter();
    r.status = {-0x0102D000, 0, -0x0500005A, 0};
    doc.printers = {r};
    const std::string text = report::MetricsText(doc, catalogue());
    EXPECT_TRUE(has(text,
                    "orvan_printer_error_info{printer=\"USB:Unit1\",id=\"usb:0:0\","
                    "device=\"printer\",code=\"0102D000\"} 1"))
        << text;
    EXPECT_TRUE(has(text,
                    "orvan_printer_error_info{printer=\"USB:Unit1\",id=\"usb:0:0\","
                    "device=\"laminator\",code=\"0500005A\"} 1"));
    doc.printers[0].status = {};
    EXPECT_EQ(report::MetricsText(doc, catalogue()).find("error_info"), std::string::npos);
}

TEST(MetricsText, TwoPrintersOfOneNameAreTwoSeries) {
    report::StatusDocument doc;
    auto a = readyPrinter("NET:ORVAN02");
    auto b = a;
    b.id = "net:192.168.0.52";
    b.up = false;
    doc.printers = {a, b};
    const std::string text = report::MetricsText(doc, catalogue());
    EXPECT_TRUE(has(text, "orvan_printer_up{printer=\"NET:ORVAN02\",id=\"net:192.168.0.51\"} 1"));
    EXPECT_TRUE(has(text, "orvan_printer_up{printer=\"NET:ORVAN02\",id=\"net:192.168.0.52\"} 0"));
}

TEST(MetricsText, LabelValuesAreEscapedAndMadeUtf8) {
    EXPECT_EQ(report::LabelValue("a\"b\\c\nd"), "a\\\"b\\\\c\\nd");
    EXPECT_EQ(report::LabelValue("caf\xC3\xA9"), "caf\xC3\xA9");
    // A stray byte, an overlong form, a surrogate and a sequence cut short.
    EXPECT_EQ(report::LabelValue("x\xFFy\xC0\xAFz\xED\xA0\x80w\xE2\x82"), "x?y??z???w??");
}

}  // namespace
}  // namespace orvan::testing
