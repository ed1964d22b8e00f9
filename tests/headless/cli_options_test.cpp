// orvan-status's command line: what each option selects, and every
// malformed line refused with a reason (exit 3 in the program).
#include <gtest/gtest.h>

#include "headless/cli_options.h"

namespace orvan::testing {
namespace {

using headless::CliOptions;
using headless::Selection;

CliOptions parse(std::vector<std::string> args) {
    const auto p = headless::ParseOptions(args);
    EXPECT_TRUE(p.options.has_value()) << p.error;
    return p.options.value_or(CliOptions{});
}

TEST(CliOptions, ChecksServersAndTextfilesSelectTheirPrinters) {
    auto o = parse({});
    EXPECT_EQ(o.mode, CliOptions::Mode::Check);
    EXPECT_EQ(o.selection.kind, Selection::Kind::Remembered);
    EXPECT_EQ(o.warnPercent, 10);
    o = parse({"--printer", "192.168.0.51", "--warn", "25", "--json"});
    EXPECT_EQ(o.selection.kind, Selection::Kind::Named);
    EXPECT_EQ(o.selection.name, "192.168.0.51");
    EXPECT_EQ(o.warnPercent, 25);
    EXPECT_TRUE(o.json);
    o = parse({"--serve", "127.0.0.1:9464"});
    EXPECT_EQ(o.mode, CliOptions::Mode::Serve);
    EXPECT_EQ(o.selection.kind, Selection::Kind::All);  // metrics: every printer
    EXPECT_EQ(o.listen.host, "127.0.0.1");
    EXPECT_EQ(o.listen.port, 9464);
    o = parse({"--textfile", "/var/lib/node", "--serve", "[::1]:0", "--printer", "USB:Unit1"});
    EXPECT_EQ(o.mode, CliOptions::Mode::Serve);
    EXPECT_EQ(o.listen.host, "::1");
    EXPECT_EQ(o.textfileDir, "/var/lib/node");
    EXPECT_EQ(o.selection.kind, Selection::Kind::Named);
    EXPECT_EQ(parse({"--textfile", "d"}).mode, CliOptions::Mode::Textfile);
    EXPECT_EQ(parse({"--all"}).selection.kind, Selection::Kind::All);
    EXPECT_EQ(parse({"--help"}).mode, CliOptions::Mode::Help);
    EXPECT_EQ(parse({"-V"}).mode, CliOptions::Mode::Version);
    EXPECT_EQ(parse({"--version"}).mode, CliOptions::Mode::Version);
    // The plugin conventions: --opt=value, -t/--timeout, and the server's periods.
    o = parse({"--printer=NET:ORVAN02", "--warn=5", "-t", "30"});
    EXPECT_EQ(o.selection.name, "NET:ORVAN02");
    EXPECT_EQ(o.warnPercent, 5);
    EXPECT_EQ(o.timeoutSeconds, 30);
    EXPECT_EQ(parse({}).timeoutSeconds, 10);
    o = parse({"--serve=127.0.0.1:0", "--interval=5", "--rediscover", "120", "--forget-after=0"});
    EXPECT_EQ(o.intervalSeconds, 5);
    EXPECT_EQ(o.rediscoverSeconds, 120);
    EXPECT_EQ(o.forgetSeconds, 0);
    o = parse({"-w", "20:", "--critical=@0:5"});
    EXPECT_EQ(o.thresholds().warning.text, "20:");
    EXPECT_EQ(o.thresholds().critical->text, "@0:5");
    EXPECT_EQ(parse({"--warn", "15"}).thresholds().warning.text, "@0:15");
    // Every address of the machine only when asked for in so many words.
    EXPECT_TRUE(parse({"--serve", "0.0.0.0:9464", "--listen-on-any-address"}).anyAddress);
    EXPECT_TRUE(parse({"--listen-on-any-address", "--serve=[::]:9464"}).anyAddress);
    // With a web configuration its TLS and users decide (checked when it is read).
    EXPECT_EQ(parse({"--serve", "0.0.0.0:9464", "--web-config=/etc/orvan/web.yml"}).webConfig,
              "/etc/orvan/web.yml");
}

TEST(CliOptions, MalformedLinesAreRefused) {
    const std::vector<std::vector<std::string>> bad = {
        {"--printer"},
        {"--printer", ""},
        {"--warn", "101"},
        {"--warn", "-1"},
        {"--warn", "10%"},
        {"--serve", "9464"},
        {"--serve", ":9464"},
        {"--serve", "::1:9464"},
        {"--serve", "host:65536"},
        {"--serve", "a b:1"},
        {"--serve", "[::1]"},
        {"--textfile"},
        {"--all", "--printer", "x"},
        {"--json", "--serve", "127.0.0.1:1"},
        {"-s"},
        {"-t", "0"},
        {"--timeout=x"},
        {"--interval", "1"},
        {"--forget-after=-1"},
        {"--all", "stray"},
        {"-w", "10:5"},
        {"--critical", "low"},
        {"--serve", "0.0.0.0:9464"},
        {"--serve", "[::]:9464"},
        {"--web-config", "web.yml"},
    };
    for (const auto& args : bad) {
        const auto p = headless::ParseOptions(args);
        EXPECT_FALSE(p.options.has_value()) << args[0];
        EXPECT_FALSE(p.error.empty());
    }
}

}  // namespace
}  // namespace orvan::testing
