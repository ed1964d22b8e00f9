#pragma once
// The command line of orvan-status.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "report/plugin_range.h"
#include "report/printer_report.h"

namespace orvan::headless {

// Which printers a run reports.
struct Selection {
    enum class Kind { Remembered, Named, All };
    Kind kind = Kind::Remembered;
    std::string name;  // Named: a list name ("USB:Unit1") or an address
};

struct ListenAddress {
    std::string host;  // an address to bind, without brackets
    int port = 0;      // 0: any free port
};

struct CliOptions {
    enum class Mode { Check, Serve, Textfile, Help, Version };
    Mode mode = Mode::Check;
    Selection selection;
    int warnPercent = report::kDefaultWarnPercent;
    // -w and -c: plugin ranges for ink and film percent (default: --warn).
    std::optional<report::PluginRange> warningRange, criticalRange;
    report::MediaThresholds thresholds() const;
    bool json = false;
    ListenAddress listen;
    std::string textfileDir;              // with Serve too: rewritten after each poll
    std::int64_t intervalSeconds = 10;    // Serve: how often the printers are polled
    std::int64_t rediscoverSeconds = 60;  // Serve: how often new printers are looked for
    std::int64_t forgetSeconds = 86400;   // a lost printer is reported this long (0: always)
    std::int64_t timeoutSeconds = 10;     // a check or textfile run: UNKNOWN after this long
    bool anyAddress = false;              // --serve on a wildcard address was asked for explicitly
    std::string webConfig;  // --web-config: TLS and basic-auth users for --serve
};

// 0.0.0.0 and :: listen on every address of the machine.
bool IsWildcardAddress(const std::string& host);

struct ParsedOptions {
    std::optional<CliOptions> options;
    std::string error;  // what is wrong when there are no options
    bool json = false;  // --json was asked for: the error goes out as JSON too
};

ParsedOptions ParseOptions(const std::vector<std::string>& args);

// "127.0.0.1:9464", "[::1]:9464", "localhost:9464"; nullopt for anything else.
std::optional<ListenAddress> ParseListenAddress(std::string_view text);

std::string_view Usage();

}  // namespace orvan::headless
