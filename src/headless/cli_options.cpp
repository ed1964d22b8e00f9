#include "headless/cli_options.h"

#include <cctype>
#include <charconv>

namespace orvan::headless {
namespace {

constexpr std::string_view kUsage =
    "usage: orvan-status [--printer NAME|ADDRESS | --all] [--warn PERCENT] [--json]\n"
    "       orvan-status [--printer NAME|ADDRESS | --all] --serve HOST:PORT [--textfile DIR]\n"
    "                    [--interval S] [--rediscover S] [--forget-after S]\n"
    "       orvan-status [--printer NAME|ADDRESS | --all] --textfile DIR\n"
    "\n"
    "Prints the status of the printer the monitor remembers (or the one named, or\n"
    "all of them) and exits 0 OK, 1 WARNING, 2 CRITICAL, 3 UNKNOWN.\n"
    "  --printer X     a printer as the list names it (USB:Unit1, NET:ORVAN02) or its address\n"
    "  --all           every printer found\n"
    "  --warn N        ink or film at or below N percent is a warning (default 10)\n"
    "  --json          one JSON document (schema orvan-status, version 1)\n"
    "  --serve H:P     serve Prometheus metrics at http://H:P/metrics (every printer\n"
    "                  unless --printer)\n"
    "  --textfile DIR  write the metrics to DIR/orvan_printers.prom for the node\n"
    "                  exporter's textfile collector\n"
    "  --interval S    with --serve: poll the printers every S seconds (default 10, at\n"
    "                  least 2); scrapes get the last poll's values at once\n"
    "  --rediscover S  with --serve: look for new or returned printers every S seconds\n"
    "                  (default 60) and after a printer is lost\n"
    "  --forget-after S  a lost printer is reported (up 0) for S seconds after it was\n"
    "                  lost (default 86400; 0 reports it until it comes back)\n"
    "While a monitor runs for this user, its published status is read instead of\n"
    "the printers.\n";

std::optional<int> number(std::string_view text, int min, int max) {
    int value = 0;
    const auto* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end || value < min || value > max)
        return std::nullopt;
    return value;
}

// The options that take a number of seconds.
constexpr int kMaxSeconds = 10 * 365 * 86400;
struct SecondsOption {
    std::string_view name;
    std::int64_t CliOptions::*field;
    int min;
    const char* error;
};
constexpr SecondsOption kSecondsOptions[] = {
    {"--interval", &CliOptions::intervalSeconds, 2,
     "--interval needs a number of seconds, 2 or more"},
    {"--rediscover", &CliOptions::rediscoverSeconds, 1,
     "--rediscover needs a number of seconds, 1 or more"},
    {"--forget-after", &CliOptions::forgetSeconds, 0,
     "--forget-after needs a number of seconds, 0 or more"},
};

const SecondsOption* secondsOption(std::string_view name) {
    for (const SecondsOption& option : kSecondsOptions)
        if (option.name == name) return &option;
    return nullptr;
}

// Checks what the options say together.
std::string conflicts(const CliOptions& o, bool printerGiven, bool allGiven) {
    if (printerGiven && allGiven) return "--printer and --all exclude each other";
    if (o.json && o.mode != CliOptions::Mode::Check) return "--json goes with a check only";
    return {};
}

}  // namespace

std::optional<ListenAddress> ParseListenAddress(std::string_view text) {
    const auto colon = text.rfind(':');
    if (colon == std::string_view::npos || colon == 0) return std::nullopt;
    std::string_view host = text.substr(0, colon);
    const auto port = number(text.substr(colon + 1), 0, 65535);
    if (!port) return std::nullopt;
    if (host.front() == '[') {
        if (host.size() < 3 || host.back() != ']') return std::nullopt;
        host = host.substr(1, host.size() - 2);
    } else if (host.find(':') != std::string_view::npos) {
        return std::nullopt;  // an IPv6 address needs its brackets
    }
    for (char c : host)
        if (!(std::isalnum(static_cast<unsigned char>(c)) || c == '.' || c == ':' || c == '-'))
            return std::nullopt;
    return ListenAddress{std::string(host), *port};
}

ParsedOptions ParseOptions(const std::vector<std::string>& args) {
    CliOptions o;
    bool printerGiven = false, allGiven = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto value = [&]() -> const std::string* {
            return i + 1 < args.size() ? &args[++i] : nullptr;
        };
        if (a == "--help" || a == "-h") {
            o.mode = CliOptions::Mode::Help;
            return {o, {}};
        } else if (a == "--all") {
            allGiven = true;
            o.selection.kind = Selection::Kind::All;
        } else if (a == "--json") {
            o.json = true;
        } else if (a == "--printer") {
            const std::string* v = value();
            if (!v || v->empty()) return {std::nullopt, "--printer needs a name or an address"};
            printerGiven = true;
            o.selection = {Selection::Kind::Named, *v};
        } else if (a == "--warn") {
            const std::string* v = value();
            const auto n = v ? number(*v, 0, 100) : std::nullopt;
            if (!n) return {std::nullopt, "--warn needs a percentage from 0 to 100"};
            o.warnPercent = *n;
        } else if (a == "--serve") {
            const std::string* v = value();
            const auto listen = v ? ParseListenAddress(*v) : std::nullopt;
            if (!listen) return {std::nullopt, "--serve needs HOST:PORT, e.g. 127.0.0.1:9464"};
            o.listen = *listen;
            o.mode = CliOptions::Mode::Serve;
        } else if (a == "--textfile") {
            const std::string* v = value();
            if (!v || v->empty()) return {std::nullopt, "--textfile needs a folder"};
            o.textfileDir = *v;
            if (o.mode == CliOptions::Mode::Check) o.mode = CliOptions::Mode::Textfile;
        } else if (const SecondsOption* option = secondsOption(a)) {
            const std::string* v = value();
            const auto n = v ? number(*v, option->min, kMaxSeconds) : std::nullopt;
            if (!n) return {std::nullopt, std::string(option->error)};
            o.*(option->field) = *n;
        } else {
            return {std::nullopt, "unknown option " + a};
        }
    }
    // Metrics cover every printer unless one is named.
    if (o.mode != CliOptions::Mode::Check && !printerGiven) o.selection.kind = Selection::Kind::All;
    if (std::string e = conflicts(o, printerGiven, allGiven); !e.empty()) return {std::nullopt, e};
    return {o, {}};
}

std::string_view Usage() {
    return kUsage;
}

}  // namespace orvan::headless
