#include "headless/cli_options.h"

#include <getopt.h>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <mutex>

namespace orvan::headless {
namespace {

constexpr std::string_view kUsage =
    "usage: orvan-status [--printer NAME|ADDRESS | --all] [--warn PERCENT] [--json] [-t S]\n"
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
    "  -w, --warning R ink or film percent in alert of range R is a warning (plugin\n"
    "                  ranges: 10: alerts below 10, @0:10 at or below 10; default\n"
    "                  @0:<--warn>)\n"
    "  -c, --critical R the same for critical (default none)\n"
    "  -t, --timeout S give up after S seconds with UNKNOWN (default 10), the wait\n"
    "                  for another program's round on the printers included\n"
    "  -V, --version   the version, then exit\n"
    "  -h, --help      this text, then exit\n"
    "Options take their value as --option VALUE or --option=VALUE.\n"
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
    "  --listen-on-any-address  allow --serve on 0.0.0.0 or [::]: every network of\n"
    "                  the machine, without encryption or password\n"
    "  --web-config F  with --serve: TLS (tls_server_config: cert_file, key_file) and\n"
    "                  users (basic_auth_users: name: bcrypt hash) from file F; with both,\n"
    "                  a wildcard address is allowed\n"
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
    {"--timeout", &CliOptions::timeoutSeconds, 1, "--timeout needs a number of seconds, 1 or more"},
};

const SecondsOption* secondsOption(std::string_view name) {
    for (const SecondsOption& option : kSecondsOptions)
        if (option.name == name) return &option;
    return nullptr;
}

// Checks what the options say together.
std::string conflicts(const CliOptions& o, bool printerGiven, bool allGiven) {
    if (printerGiven && allGiven) return "--printer and --all exclude each other";
    // Every address of the machine, unencrypted and without a password, only
    // when that is what is meant.
    if (!o.webConfig.empty() && o.mode != CliOptions::Mode::Serve)
        return "--web-config goes with --serve";
    // With a web configuration the file decides (TLS and users are needed).
    if (o.mode == CliOptions::Mode::Serve && IsWildcardAddress(o.listen.host) && !o.anyAddress &&
        o.webConfig.empty())
        return "--serve on " + o.listen.host +
               " serves every network of this machine; name one address, or add "
               "--listen-on-any-address";
    if (o.json && o.mode != CliOptions::Mode::Check) return "--json goes with a check only";
    return {};
}

}  // namespace

bool IsWildcardAddress(const std::string& host) {
    return host == "0.0.0.0" || host == "::" || host == "0:0:0:0:0:0:0:0" || host.empty();
}

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

namespace {

// Long options; the short ones are the monitoring-plugin conventions.
enum OptionId : int {
    kAll = 1000,
    kJson,
    kPrinter,
    kWarn,
    kServe,
    kTextfile,
    kInterval,
    kRediscover,
    kForget,
    kAnyAddress,
    kWebConfig
};
constexpr option kOptions[] = {
    {"help", no_argument, nullptr, 'h'},
    {"version", no_argument, nullptr, 'V'},
    {"timeout", required_argument, nullptr, 't'},
    {"warning", required_argument, nullptr, 'w'},
    {"critical", required_argument, nullptr, 'c'},
    {"all", no_argument, nullptr, kAll},
    {"json", no_argument, nullptr, kJson},
    {"printer", required_argument, nullptr, kPrinter},
    {"warn", required_argument, nullptr, kWarn},
    {"serve", required_argument, nullptr, kServe},
    {"textfile", required_argument, nullptr, kTextfile},
    {"interval", required_argument, nullptr, kInterval},
    {"rediscover", required_argument, nullptr, kRediscover},
    {"forget-after", required_argument, nullptr, kForget},
    {"listen-on-any-address", no_argument, nullptr, kAnyAddress},
    {"web-config", required_argument, nullptr, kWebConfig},
    {nullptr, 0, nullptr, 0},
};

const SecondsOption* secondsOptionOf(int id) {
    switch (id) {
        case kInterval:
            return secondsOption("--interval");
        case kRediscover:
            return secondsOption("--rediscover");
        case kForget:
            return secondsOption("--forget-after");
        case 't':
            return secondsOption("--timeout");
        default:
            return nullptr;
    }
}

// getopt_long keeps its place in globals: one parse at a time, from the start.
std::mutex parsing;

}  // namespace

ParsedOptions ParseOptions(const std::vector<std::string>& args) {
    std::vector<std::string> words{"orvan-status"};
    words.insert(words.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (auto& w : words) argv.push_back(w.data());
    argv.push_back(nullptr);

    const std::lock_guard lock(parsing);
    optind = 0;  // a fresh scan (GNU)
    opterr = 0;
    CliOptions o;
    bool printerGiven = false, allGiven = false;
    const bool json = std::find(args.begin(), args.end(), "--json") != args.end();
    auto refuse = [json](std::string why) {
        return ParsedOptions{std::nullopt, std::move(why), json};
    };
    const int argc = static_cast<int>(words.size());
    for (int c; (c = getopt_long(argc, argv.data(), "+hVt:w:c:", kOptions, nullptr)) != -1;) {
        const std::string value = optarg ? optarg : "";
        if (c == '?' || c == ':') {
            const std::string word =
                optind > 0 && optind <= argc ? words[static_cast<std::size_t>(optind - 1)] : "";
            // A short option's letter, else the word itself (a long option's
            // optopt is its id, no letter).
            const bool letter = optopt > 0 && optopt < 128;
            return refuse(letter ? "option -" + std::string(1, static_cast<char>(optopt)) +
                                       " is unknown or needs a value"
                                 : "unknown option or missing value: " + word);
        }
        if (const SecondsOption* seconds = secondsOptionOf(c)) {
            const auto n = number(value, seconds->min, kMaxSeconds);
            if (!n) return refuse(seconds->error);
            o.*(seconds->field) = *n;
            continue;
        }
        switch (c) {
            case 'h':
                o.mode = CliOptions::Mode::Help;
                return {o, {}, json};
            case 'V':
                o.mode = CliOptions::Mode::Version;
                return {o, {}, json};
            case 'w':
            case 'c': {
                auto range = report::PluginRange::parse(value);
                if (!range)
                    return refuse(std::string(c == 'w' ? "-w" : "-c") +
                                  " needs a range such as 10: or @0:10");
                (c == 'w' ? o.warningRange : o.criticalRange) = std::move(range);
                break;
            }
            case kAll:
                allGiven = true;
                o.selection.kind = Selection::Kind::All;
                break;
            case kJson:
                o.json = true;
                break;
            case kPrinter:
                if (value.empty()) return refuse("--printer needs a name or an address");
                printerGiven = true;
                o.selection = {Selection::Kind::Named, value};
                break;
            case kWarn: {
                const auto n = number(value, 0, 100);
                if (!n) return refuse("--warn needs a percentage from 0 to 100");
                o.warnPercent = *n;
                break;
            }
            case kServe: {
                const auto listen = ParseListenAddress(value);
                if (!listen) return refuse("--serve needs HOST:PORT, e.g. 127.0.0.1:9464");
                o.listen = *listen;
                o.mode = CliOptions::Mode::Serve;
                break;
            }
            case kAnyAddress:
                o.anyAddress = true;
                break;
            case kWebConfig:
                if (value.empty()) return refuse("--web-config needs a file");
                o.webConfig = value;
                break;
            case kTextfile:
                if (value.empty()) return refuse("--textfile needs a folder");
                o.textfileDir = value;
                if (o.mode == CliOptions::Mode::Check) o.mode = CliOptions::Mode::Textfile;
                break;
            default:
                return refuse("unknown option");
        }
    }
    if (optind < argc)
        return refuse("unexpected argument " + words[static_cast<std::size_t>(optind)]);
    // Metrics cover every printer unless one is named.
    if (o.mode != CliOptions::Mode::Check && !printerGiven) o.selection.kind = Selection::Kind::All;
    if (std::string e = conflicts(o, printerGiven, allGiven); !e.empty()) return refuse(e);
    return {o, {}, json};
}

report::MediaThresholds CliOptions::thresholds() const {
    report::MediaThresholds t(warnPercent);
    if (warningRange) t.warning = *warningRange;
    t.critical = criticalRange;
    return t;
}

std::string_view Usage() {
    return kUsage;
}

}  // namespace orvan::headless
