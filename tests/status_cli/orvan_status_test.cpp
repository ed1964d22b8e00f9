// orvan-status as a monitoring system runs it: exit codes by the plugin
// convention, a JSON document that validates against the shipped schema,
// metrics that promtool accepts, and no printer call while a monitor runs.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <httplib.h>
#include <sys/stat.h>
#include <chrono>
#include <ctime>

#include <filesystem>

#include "report/runtime_files.h"
#include "report/status_publisher.h"
#include "simulator/control_journal.h"
#include "status/error_catalogue.h"
#include "status_cli/user_world.h"

namespace orvan::testing {
namespace {

const std::string kSchema = ORVAN_SOURCE_DIR "/monitoring/orvan-status.schema.json";
const std::string kRules = ORVAN_SOURCE_DIR "/monitoring/prometheus/orvan-alerts.yml";
const std::string kRuleTests = ORVAN_SOURCE_DIR "/monitoring/prometheus/orvan-alerts.test.yml";

TEST(OrvanStatus, ExitCodesFollowTheMonitoringPluginConvention) {
    UserWorld user;
    Finished f = user.run({});
    EXPECT_EQ(f.exitCode, 0) << f.out;
    EXPECT_EQ(f.out.rfind("OK - USB:Unit1: Ready;", 0), 0u) << f.out;

    user.sim("usb 0 error -0x0102D000");
    f = user.run({});
    EXPECT_EQ(f.exitCode, 2);
    EXPECT_NE(f.out.find("Printer Error(0102D000) : No Card. (Cards have run out.) Replenish the "
                         "cards."),
              std::string::npos)
        << f.out;

    user.sim("usb 0 error 0");
    user.sim("usb 0 ink 4");
    f = user.run({"--printer", "USB:Unit1"});
    EXPECT_EQ(f.exitCode, 1);
    EXPECT_NE(f.out.find("ink 8%"), std::string::npos) << f.out;
    EXPECT_EQ(user.run({"--warn", "5"}).exitCode, 0);

    user.sim("usb 0 remove");
    user.sim("net 0 remove");
    f = user.run({});
    EXPECT_EQ(f.exitCode, 3);
    EXPECT_EQ(f.out, "UNKNOWN - no printer\n");
    EXPECT_EQ(f.err, "Printer is not found.\n");

    f = user.run({"--warn", "eleven"});
    EXPECT_EQ(f.exitCode, 3);
    EXPECT_EQ(f.out.rfind("UNKNOWN - ", 0), 0u);
    // Under --json a refused line is JSON too, and the plugin's -V answers.
    f = user.run({"--json", "--warn=eleven"});
    EXPECT_EQ(f.exitCode, 3);
    const auto refused = nlohmann::json::parse(f.out, nullptr, false);
    ASSERT_FALSE(refused.is_discarded()) << f.out;
    EXPECT_EQ(refused["problem"], "--warn needs a percentage from 0 to 100");
    f = user.run({"-V"});
    EXPECT_EQ(f.exitCode, 0);
    EXPECT_EQ(f.out.rfind("orvan-status ", 0), 0u) << f.out;
}

TEST(OrvanStatus, JsonOutputValidatesAgainstTheShippedSchema) {
    UserWorld user;
    user.sim("usb 0 error -0x0102D000");
    user.sim("net 0 laminator-error 0x5A");
    user.sim("net 0 laminator-state 255");
    const std::string doc = user.dir.file("doc.json");
    const std::string validate =
        "import json, sys, jsonschema\n"
        "jsonschema.validate(json.load(open(sys.argv[1])), json.load(open(sys.argv[2])))\n";
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"--json", "--all"}, {"--json", "--printer", "USB:Unit9"}}) {
        const Finished f = user.run(args);
        ScratchDir::write(doc, f.out);
        const Finished v = user.tool({"/usr/bin/python3", "-c", validate, doc, kSchema});
        EXPECT_EQ(v.exitCode, 0) << f.out << "\n" << ScratchDir::read(user.dir.file("tool.err"));
    }
    user.sim("usb 0 remove");
    user.sim("net 0 remove");
    ScratchDir::write(doc, user.run({"--json"}).out);
    EXPECT_EQ(user.tool({"/usr/bin/python3", "-c", validate, doc, kSchema}).exitCode, 0);
    // A document that breaks it is caught: the check above can fail.
    ScratchDir::write(doc, "{\"schema\":\"orvan-status\",\"version\":1}");
    EXPECT_NE(user.tool({"/usr/bin/python3", "-c", validate, doc, kSchema}).exitCode, 0);
}

TEST(OrvanStatus, ServedMetricsPassPromtoolAndSoDoTheShippedRules) {
    UserWorld user;
    user.sim("usb 0 ink 4");
    ChildProcess server = user.start({"--serve", "127.0.0.1:0"});
    const std::string line = server.readLine();  // "listening on http://127.0.0.1:<port>/metrics"
    const auto colon = line.rfind(':');
    ASSERT_NE(colon, std::string::npos) << line;
    const int port = std::atoi(line.c_str() + colon + 1);
    ASSERT_GT(port, 0) << line;

    httplib::Client client("127.0.0.1", port);
    const auto scrape = client.Get("/metrics");
    ASSERT_TRUE(scrape) << line;
    EXPECT_EQ(scrape->status, 200);
    EXPECT_NE(
        scrape->body.find("orvan_printer_ink_ratio{printer=\"USB:Unit1\",id=\"usb:0:0\"} 0.08\n"),
        std::string::npos);
    EXPECT_NE(
        scrape->body.find("orvan_printer_up{printer=\"NET:ORVAN02\",id=\"net:192.168.0.51\"} 1\n"),
        std::string::npos);
    const auto missing = client.Get("/other");
    ASSERT_TRUE(missing);
    EXPECT_EQ(missing->status, 404);

    const std::string metrics = user.dir.file("scrape.prom");
    ScratchDir::write(metrics, scrape->body);
    EXPECT_EQ(user.tool({"/bin/sh", "-c", "promtool check metrics < \"$0\"", metrics}).exitCode, 0)
        << ScratchDir::read(user.dir.file("tool.err"));
    EXPECT_EQ(user.tool({"/bin/sh", "-c", "promtool check rules \"$0\"", kRules}).exitCode, 0)
        << ScratchDir::read(user.dir.file("tool.err"));
    // The rules' own unit tests: when each alert fires and what it says.
    EXPECT_EQ(user.tool({"/bin/sh", "-c", "cd \"$(dirname \"$0\")\" && promtool test rules \"$0\"",
                         kRuleTests})
                  .exitCode,
              0)
        << ScratchDir::read(user.dir.file("tool.err"));

    // SIGTERM ends it at once, whatever a client holds open meanwhile.
    httplib::Client idle("127.0.0.1", port);
    idle.set_keep_alive(true);
    idle.Get("/");
    const auto asked = std::chrono::steady_clock::now();
    server.signal(SIGTERM);
    EXPECT_EQ(server.wait().exitCode, 0);
    EXPECT_LT(std::chrono::steady_clock::now() - asked, std::chrono::seconds(1));
}

TEST(OrvanStatus, WithAMonitorRunningNoPrinterIsCalled) {
    UserWorld user;
    // What a running monitor leaves: its lock held, its status published.
    auto lock = report::FileLock::acquire(user.dir.file(report::kInstanceLockName), 0);
    ASSERT_TRUE(lock.has_value());
    report::StatusPublisher published(user.dir.file(report::kStatusFileName));
    report::StatusDocument doc;
    doc.source = report::Source::Monitor;
    doc.generatedAt = std::time(nullptr);  // fresh: an older status is a stopped monitor
    report::PrinterReport usb;
    usb.name = "USB:Unit1";
    usb.connection = "usb";
    usb.up = usb.answered = true;
    usb.status.printerResult = -0x0142B200;
    usb.details.inkQuantity = 0;
    doc.printers = {usb};
    ASSERT_TRUE(published.publish(doc, status::SharedCatalogue()));

    Finished f = user.run({});
    EXPECT_EQ(f.exitCode, 2);
    EXPECT_NE(
        f.out.find("Printer Error(0142B200) : Ink ribbon has run out. Replace with a new one."),
        std::string::npos)
        << f.out;
    f = user.run({"--textfile", user.dir.path().string()});
    EXPECT_NE(
        ScratchDir::read(user.dir.file("orvan_printers.prom")).find("orvan_status_from_monitor 1"),
        std::string::npos);
    EXPECT_EQ(user.printerCalls(), 0);

    // Without the monitor the same run asks the printers, and the log shows it.
    lock.reset();
    f = user.run({"--textfile", user.dir.path().string()});
    EXPECT_EQ(f.exitCode, 0) << f.err;
    EXPECT_GT(user.printerCalls(), 0);
    struct stat st {};
    ASSERT_EQ(::stat(user.dir.file("orvan_printers.prom").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0644u);  // the node exporter runs as another user
}

}  // namespace
}  // namespace orvan::testing
