// The JSON document: what the monitor publishes reads back into the same
// reports, and a file that is not such a document is refused whole.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "report/report_fixture.h"
#include "report/report_json.h"

namespace orvan::testing {
namespace {

using nlohmann::json;

report::StatusDocument sample() {
    report::StatusDocument doc;
    doc.source = report::Source::Monitor;
    doc.generatedAt = 1700000005;
    auto usb = readyPrinter();
    usb.status = {-0x0102D000, 0, -0x0500005A, 0};
    usb.details.counters.print = 4294967295LL;  // an unsigned counter at its top
    auto net = readyPrinter("NET:ORVAN02");
    net.connection = "network";
    net.address = "192.168.0.51";
    net.statusWord = 10060;
    net.details.firmware->printer = "V\xff\x01";  // not UTF-8
    net.details.counters.laminatorTotal.reset();
    auto lost = readyPrinter("USB:Unit2");
    lost.up = false;
    lost.details = {};
    doc.printers = {usb, net, lost};
    doc.messages = {"Error happens in DLL. Memory is not enough."};
    return doc;
}

TEST(ReportJson, APublishedStatusReadsBackIntoTheSameReports) {
    const auto doc = sample();
    const std::string text = report::EncodeDocument(doc, catalogue(), 10);
    const auto back = report::DecodeDocument(text);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(back->source, report::Source::Monitor);
    EXPECT_EQ(back->generatedAt, 1700000005);
    EXPECT_EQ(back->messages, doc.messages);
    ASSERT_EQ(back->printers.size(), 3u);
    EXPECT_EQ(back->printers[0], doc.printers[0]);
    EXPECT_EQ(back->printers[2], doc.printers[2]);
    // The text that was not UTF-8 arrives replaced, everything else as it was.
    auto net = doc.printers[1];
    net.details.firmware->printer = "V\xEF\xBF\xBD\x01";
    EXPECT_EQ(back->printers[1], net);

    const json j = json::parse(text);
    EXPECT_EQ(j["verdict"], "CRITICAL");
    EXPECT_EQ(j["exit_code"], 2);
    EXPECT_EQ(j["printers"][0]["state_text"], "Printer Error(0102D000) :");
    EXPECT_EQ(j["printers"][0]["message"], "No Card. (Cards have run out.) Replenish the cards.");
    EXPECT_EQ(j["printers"][0]["laminator"]["code"], "0500005A");
    EXPECT_EQ(j["printers"][0]["laminator"]["message"], "The film cassette is detached.");
    EXPECT_EQ(j["printers"][0]["ink_percent"], 80);
    EXPECT_EQ(j["printers"][2]["ink_percent"], nullptr);
    EXPECT_EQ(j["printers"][2]["verdict"], "CRITICAL");
}

TEST(ReportJson, ADocumentWithAnyFieldWrongIsRefusedWhole) {
    const json good = json::parse(report::EncodeDocument(sample(), catalogue(), 10));
    using Edit = std::function<void(json&)>;
    const std::vector<Edit> edits = {
        [](json& j) { j["schema"] = "other"; },
        [](json& j) { j["version"] = 2; },
        [](json& j) { j["source"] = "elsewhere"; },
        [](json& j) { j.erase("printers"); },
        [](json& j) { j["printers"] = json::object(); },
        [](json& j) { j["printers"][0].erase("up"); },
        [](json& j) { j["printers"][0]["up"] = 1; },
        [](json& j) { j["printers"][0]["connection"] = "serial"; },
        [](json& j) { j["printers"][0]["printer"]["result"] = 4294967296LL; },
        [](json& j) { j["printers"][0]["printer"]["state"] = "0"; },
        [](json& j) { j["printers"][0]["ink_quantity"] = 256; },
        [](json& j) { j["printers"][0]["counters"]["print"] = -1; },
        [](json& j) { j["printers"][0]["counters"]["total"] = 1e3; },
        [](json& j) { j["printers"][0]["counters"]["head"] = 18446744073709551615ULL; },
        [](json& j) { j["printers"][0]["firmware"]["table"] = std::string(2000, 'x'); },
        [](json& j) {
            for (int i = 0; i < 70; ++i) j["printers"].push_back(j["printers"][0]);
        },
    };
    ASSERT_TRUE(report::DecodeDocument(good.dump()).has_value());
    for (std::size_t i = 0; i < edits.size(); ++i) {
        json bad = good;
        edits[i](bad);
        EXPECT_FALSE(report::DecodeDocument(bad.dump()).has_value()) << "edit " << i;
    }
    for (const char* garbage : {"", "{", "[]", "null", "{\"schema\":\"orvan-status\"}", "\xff\xfe"})
        EXPECT_FALSE(report::DecodeDocument(garbage).has_value()) << garbage;
}

}  // namespace
}  // namespace orvan::testing
