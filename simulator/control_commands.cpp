#include "simulator/control_commands.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <limits>

#include "simulator/printer_addresses.h"

namespace orvan::sim {
namespace {

using Target = ControlCommand::Target;

// Text: one text of min to max characters.
enum class Args {
    None,
    Number,
    CounterNumber,
    Text,
    TwoTexts,
    UnitNumber,
    PageByte,
    VersionText,
    IndexAddress
};

struct Verb {
    std::string_view name;
    Args args;
    std::int64_t min;
    std::int64_t max;
    void (*apply)(SimulatedPrinters&, const ControlCommand&, SimPrinter&);
};

constexpr std::int64_t kInt32Min = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t kUint32Max = std::numeric_limits<std::uint32_t>::max();

struct CounterName {
    std::string_view name;
    Counter counter;
};
constexpr std::array<CounterName, 7> kCounterNames = {{
    {"total", Counter::PrinterTotal},
    {"print", Counter::Print},
    {"head", Counter::ThermalHead},
    {"cleaning", Counter::Cleaning},
    {"error", Counter::Error},
    {"laminator-total", Counter::LaminatorTotal},
    {"laminator-cleaning", Counter::LaminatorCleaning},
}};

// The optional units by name: their inquiry byte.
struct UnitName {
    std::string_view name;
    int offset;
};
constexpr std::array<UnitName, 8> kUnitNames = {{
    {"magnetic", 40},
    {"contact-ic", 41},
    {"contact-ic-rw", 42},
    {"noncontact-ic", 43},
    {"turnover", 44},
    {"bend-remedy", 45},
    {"security-lock", 46},
    {"laminator", 47},
}};

// The version texts by name: their inquiry offset.
constexpr std::array<UnitName, 4> kVersionNames = {{
    {"printer", kPrinterVersionAt},
    {"laminator", kLaminatorVersionAt},
    {"config", kConfigVersionAt},
    {"table", kTableVersionAt},
}};
constexpr std::size_t kVersionLength = 8;
constexpr std::size_t kNetworkNameLength = 10;

template <std::size_t N>
std::optional<int> offsetOf(const std::array<UnitName, N>& names, std::string_view name) {
    for (const auto& n : names)
        if (n.name == name) return n.offset;
    return std::nullopt;
}

void setAttached(SimulatedPrinters& w, const ControlCommand& c, bool on) {
    if (c.target == Target::Usb) w.setUsbAttached(c.index, on);
    if (c.target == Target::Network) w.setNetworkAttached(c.index, on);
}

int number(const ControlCommand& c, std::size_t k = 0) {
    return static_cast<int>(c.numbers.at(k));
}

// Where the printer keeps what the media and laminator verbs change.
constexpr int kMediaPage = 0x23;
constexpr int kRibbonByte = 2;
constexpr int kInkSetsByte = 4;  // 16 bits, high byte first
constexpr int kLotByte = 8;
constexpr int kLotLength = 6;
constexpr int kLaminatorPage = 0x2C;
constexpr int kCassetteByte = 7;

void setEffectiveIPv6(const ControlCommand& c, SimPrinter& p) {
    if (const auto address = parseSimAddress(c.texts.at(0)); address && address->ipv6)
        p.setEffectiveIPv6(number(c) - 1, address->bytes);
}

// The size follows the rows: no verb is ever left empty.
constexpr Verb kPrinterVerbs[] = {
    {"option", Args::UnitNumber, 0, 255,
     [](auto&, const auto& c, SimPrinter& p) {
         p.setOption(number(c), static_cast<std::uint8_t>(number(c, 1)));
     }},
    {"page", Args::PageByte, 0, 255,
     [](auto&, const auto& c, SimPrinter& p) {
         p.setPageByte(number(c), number(c, 1), static_cast<std::uint8_t>(number(c, 2)));
     }},
    {"version", Args::VersionText, 0, 0,
     [](auto&, const auto& c, SimPrinter& p) { p.setInquiryText(number(c), c.texts.at(0)); }},
    {"error", Args::Number, kInt32Min, 0,
     [](auto&, const auto& c, SimPrinter& p) { p.setPrinterError(number(c)); }},
    {"state", Args::Number, 0, 255,
     [](auto&, const auto& c, SimPrinter& p) { p.setPrinterState(number(c)); }},
    {"laminator-state", Args::Number, 0, 255,
     [](auto&, const auto& c, SimPrinter& p) { p.setLaminatorState(number(c)); }},
    {"laminator-error", Args::Number, 0, 255,
     [](auto&, const auto& c, SimPrinter& p) { p.setLaminatorError(number(c)); }},
    {"ink", Args::Number, 0, 50, [](auto&, const auto& c, SimPrinter& p) { p.setInk(number(c)); }},
    {"film", Args::Number, 0, 10,
     [](auto&, const auto& c, SimPrinter& p) { p.setFilm(number(c)); }},
    {"cards", Args::Number, 0, 255,
     [](auto&, const auto& c, SimPrinter& p) { p.setCardCode(number(c)); }},
    {"counter", Args::CounterNumber, 0, kUint32Max,
     [](auto&, const auto& c, SimPrinter& p) {
         p.setCounter(static_cast<Counter>(c.numbers.at(0)),
                      static_cast<std::uint32_t>(c.numbers.at(1)));
     }},
    {"busy", Args::Number, 0, 1000000,
     [](auto&, const auto& c, SimPrinter& p) { p.setBusyFor(number(c)); }},
    {"locked", Args::Number, 0, 1,
     [](auto&, const auto& c, SimPrinter& p) { p.setLocked(number(c) != 0); }},
    {"password", Args::Text, 0, 8,
     [](auto&, const auto& c, SimPrinter& p) { p.setPassword(c.texts.at(0)); }},
    {"ribbon", Args::Number, 0, 255,
     [](auto&, const auto& c, SimPrinter& p) {
         p.setPageByte(kMediaPage, kRibbonByte, static_cast<std::uint8_t>(number(c)));
     }},
    {"ink-sets", Args::Number, 0, 65535,
     [](auto&, const auto& c, SimPrinter& p) {
         p.setPageByte(kMediaPage, kInkSetsByte, static_cast<std::uint8_t>(number(c) >> 8));
         p.setPageByte(kMediaPage, kInkSetsByte + 1, static_cast<std::uint8_t>(number(c) & 0xFF));
     }},
    {"lot", Args::Text, 0, kLotLength,
     [](auto&, const auto& c, SimPrinter& p) {
         p.setPageText(kMediaPage, kLotByte, kLotLength, c.texts.at(0));
     }},
    {"cassette", Args::Number, 0, 255,
     [](auto&, const auto& c, SimPrinter& p) {
         p.setPageByte(kLaminatorPage, kCassetteByte, static_cast<std::uint8_t>(number(c)));
     }},
    {"download-mode", Args::Number, 0, 1,
     [](auto&, const auto& c, SimPrinter& p) { p.setDownloadMode(number(c) != 0); }},
    {"maintenance-busy", Args::Number, 0, 1000,
     [](auto&, const auto& c, SimPrinter& p) { p.setMaintenanceBusyFor(number(c)); }},
    {"job", Args::TwoTexts, 0, 0,
     [](auto&, const auto& c, SimPrinter& p) {
         p.addJob({c.texts.at(0), c.texts.at(1)});
     }},
    {"print", Args::Number, 1, SimPrinter::kMaxCardsAtOnce,
     [](auto&, const auto& c, SimPrinter& p) { p.printCards(number(c)); }},
    {"jobs-clear", Args::None, 0, 0, [](auto&, const auto&, SimPrinter& p) { p.clearJobs(); }},
    {"remove", Args::None, 0, 0,
     [](auto& w, const auto& c, SimPrinter&) { setAttached(w, c, false); }},
    {"attach", Args::None, 0, 0,
     [](auto& w, const auto& c, SimPrinter&) { setAttached(w, c, true); }},
    {"ipsec", Args::Number, 0, 2,
     [](auto&, const auto& c, SimPrinter& p) {
         p.setIpsecMethod(static_cast<std::uint8_t>(number(c)));
     }},
    {"ipv6", Args::IndexAddress, 1, 3,
     [](auto&, const auto& c, SimPrinter& p) { setEffectiveIPv6(c, p); }},
    {"listed", Args::Number, 0, 1,
     [](auto& w, const auto& c, SimPrinter&) {
         if (c.target == Target::Network) w.networkPort(c.index).listed = number(c) != 0;
     }},
};

const Verb* findVerb(std::string_view name) {
    auto it = std::find_if(std::begin(kPrinterVerbs), std::end(kPrinterVerbs),
                           [&](const Verb& v) { return v.name == name; });
    return it == std::end(kPrinterVerbs) ? nullptr : &*it;
}

// Decimal or 0x-hexadecimal, with an optional sign; the whole word must be used.
std::optional<std::int64_t> parseNumber(std::string_view word, std::int64_t min, std::int64_t max) {
    bool negative = false;
    if (!word.empty() && (word[0] == '-' || word[0] == '+')) {
        negative = word[0] == '-';
        word.remove_prefix(1);
    }
    int base = 10;
    if (word.size() > 2 && word[0] == '0' && (word[1] == 'x' || word[1] == 'X')) {
        base = 16;
        word.remove_prefix(2);
    }
    if (word.empty() || word.size() > 16) return std::nullopt;
    std::uint64_t magnitude = 0;
    const auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), magnitude, base);
    if (ec != std::errc() || end != word.data() + word.size() || magnitude > (1ull << 32)) {
        return std::nullopt;
    }
    const auto value =
        negative ? -static_cast<std::int64_t>(magnitude) : static_cast<std::int64_t>(magnitude);
    if (value < min || value > max) return std::nullopt;
    return value;
}

bool parseArgs(const Verb& verb, std::span<const std::string> args, ControlCommand& out) {
    switch (verb.args) {
        case Args::None:
            return args.empty();
        case Args::Number: {
            if (args.size() != 1) return false;
            const auto n = parseNumber(args[0], verb.min, verb.max);
            if (n) out.numbers.push_back(*n);
            return n.has_value();
        }
        case Args::CounterNumber: {
            if (args.size() != 2) return false;
            auto it = std::find_if(kCounterNames.begin(), kCounterNames.end(),
                                   [&](const CounterName& c) { return c.name == args[0]; });
            const auto n = parseNumber(args[1], verb.min, verb.max);
            if (it == kCounterNames.end() || !n) return false;
            out.numbers = {static_cast<std::int64_t>(it->counter), *n};
            return true;
        }
        case Args::Text: {
            if (args.size() != 1) return false;
            const auto length = static_cast<std::int64_t>(args[0].size());
            if (length < verb.min || length > verb.max) return false;
            out.texts = {args[0]};
            return true;
        }
        case Args::TwoTexts:
            if (args.size() != 2) return false;
            out.texts.assign(args.begin(), args.end());
            return true;
        case Args::UnitNumber: {
            if (args.size() != 2) return false;
            const auto offset = offsetOf(kUnitNames, args[0]);
            const auto n = parseNumber(args[1], verb.min, verb.max);
            if (!offset || !n) return false;
            out.numbers = {*offset, *n};
            return true;
        }
        case Args::PageByte: {
            // A page the printer keeps, a byte past the code and length.
            if (args.size() != 3) return false;
            const auto page = parseNumber(args[0], 0x23, 0x2D);
            const auto offset = parseNumber(args[1], 2, 255);
            const auto n = parseNumber(args[2], verb.min, verb.max);
            const PageLayout* layout = page ? findPageLayout(static_cast<int>(*page)) : nullptr;
            if (!layout || !offset || !n || static_cast<std::size_t>(*offset) >= layout->size)
                return false;
            out.numbers = {*page, *offset, *n};
            return true;
        }
        case Args::IndexAddress: {
            // An effective IPv6 address: its number and its text.
            if (args.size() != 2) return false;
            const auto n = parseNumber(args[0], verb.min, verb.max);
            const auto address = parseSimAddress(args[1]);
            if (!n || !address || !address->ipv6) return false;
            out.numbers = {*n};
            out.texts = {args[1]};
            return true;
        }
        case Args::VersionText: {
            if (args.size() != 2 || args[1].size() > kVersionLength) return false;
            const auto offset = offsetOf(kVersionNames, args[0]);
            if (!offset) return false;
            out.numbers = {*offset};
            out.texts = {args[1]};
            return true;
        }
    }
    return false;
}

// guidance on | guidance off | guidance blocks <0..7>
std::optional<ControlCommand> parseGuidanceCommand(std::span<const std::string> words) {
    ControlCommand c;
    c.verb = words[0];
    if (words.size() == 2 && (words[1] == "on" || words[1] == "off")) {
        c.texts = {words[1]};
        return c;
    }
    if (words.size() != 3 || words[1] != "blocks") return std::nullopt;
    const auto blocks = parseNumber(words[2], 0, 7);
    if (!blocks) return std::nullopt;
    c.texts = {words[1]};
    c.numbers = {*blocks};
    return c;
}

void applyGuidanceCommand(const ControlCommand& c, SimulatedPrinters& world) {
    GuidanceSetting& guidance = world.guidance();
    const std::string& mode = c.texts.at(0);
    if (mode == "blocks") {
        guidance.blocks = static_cast<int>(c.numbers.at(0));
        return;
    }
    guidance.offered = mode == "on";
    if (guidance.offered) guidance.blocks = GuidanceSetting{}.blocks;
}

// reset | fail <operation> <code> [calls] [status word] | mismatch <replies> | guidance ...
// | net-add <address> [name] | net-remove <address> | net-latency <ms>
std::optional<ControlCommand> parseWorldCommand(std::span<const std::string> words) {
    ControlCommand c;
    c.verb = words[0];
    if (c.verb == "reset") return words.size() == 1 ? std::optional(c) : std::nullopt;
    if (c.verb == "guidance") return parseGuidanceCommand(words);
    if (c.verb == "net-add" || c.verb == "net-remove") {
        const std::size_t most = c.verb == "net-add" ? 3 : 2;
        if (words.size() < 2 || words.size() > most || !parseSimAddress(words[1]))
            return std::nullopt;
        if (words.size() == 3 && words[2].size() > kNetworkNameLength) return std::nullopt;
        c.texts.assign(words.begin() + 1, words.end());
        return c;
    }
    if (c.verb == "net-latency" && words.size() == 2) {
        auto ms = parseNumber(words[1], 0, 1000);
        if (!ms) return std::nullopt;
        c.numbers = {*ms};
        return c;
    }
    if (c.verb == "mismatch" && words.size() == 2) {
        auto n = parseNumber(words[1], 1, 1000);
        if (!n) return std::nullopt;
        c.numbers = {*n};
        return c;
    }
    if (c.verb != "fail" || words.size() < 3 || words.size() > 5 || !isOperationName(words[1])) {
        return std::nullopt;
    }
    c.texts = {words[1]};
    const auto code = parseNumber(words[2], kInt32Min, std::numeric_limits<std::int32_t>::max());
    const auto calls =
        words.size() > 3 ? parseNumber(words[3], 1, 1000000) : std::optional<std::int64_t>(1);
    const auto word = words.size() > 4 ? parseNumber(words[4], kInt32Min, kUint32Max)
                                       : std::optional<std::int64_t>(0);
    if (!code || !calls || !word) return std::nullopt;
    c.numbers = {*code, *calls, *word};
    return c;
}

bool applyWorldCommand(const ControlCommand& c, SimulatedPrinters& world) {
    if (c.verb == "reset") {
        world.replacePrinters(defaultScenario());
    } else if (c.verb == "net-add" || c.verb == "net-remove") {
        const auto address = parseSimAddress(c.texts.at(0));
        if (!address) return false;
        if (c.verb == "net-remove") return removeNetworkPrinterAt(world, *address);
        addNetworkPrinterAt(world, *address, c.texts.size() > 1 ? c.texts[1] : "");
    } else if (c.verb == "net-latency") {
        world.setNetworkLatencyMs(static_cast<int>(c.numbers.at(0)));
    } else if (c.verb == "mismatch") {
        world.scriptSequenceMismatch(static_cast<int>(c.numbers.at(0)));
    } else if (c.verb == "guidance") {
        applyGuidanceCommand(c, world);
    } else {
        world.scriptResult(c.texts.at(0), static_cast<ResultCode>(c.numbers.at(0)),
                           static_cast<int>(c.numbers.at(1)),
                           static_cast<std::int32_t>(c.numbers.at(2)));
    }
    return true;
}

}  // namespace

std::optional<std::vector<std::string>> splitControlWords(std::string_view line) {
    std::vector<std::string> words;
    std::size_t i = 0;
    while (i < line.size()) {
        const char c = line[i];
        if (c == ' ' || c == '\t') {
            ++i;
            continue;
        }
        std::string word;
        if (c == '"') {
            ++i;
            bool closed = false;
            while (i < line.size() && !closed) {
                char d = line[i++];
                if (d == '\\' && i < line.size()) {
                    d = line[i++];
                } else if (d == '"') {
                    closed = true;
                    continue;
                }
                if (static_cast<unsigned char>(d) < 0x20) return std::nullopt;
                word.push_back(d);
            }
            if (!closed) return std::nullopt;
        } else {
            while (i < line.size() && line[i] != ' ' && line[i] != '\t') {
                if (static_cast<unsigned char>(line[i]) < 0x20 || line[i] == '"')
                    return std::nullopt;
                word.push_back(line[i++]);
            }
        }
        words.push_back(std::move(word));
    }
    return words;
}

std::string joinControlWords(std::span<const std::string> words) {
    std::string line;
    for (const auto& w : words) {
        if (!line.empty()) line.push_back(' ');
        const bool plain = !w.empty() && w.find_first_of(" \t\"\\") == std::string::npos;
        if (plain) {
            line += w;
            continue;
        }
        line.push_back('"');
        for (char c : w) {
            if (c == '"' || c == '\\') line.push_back('\\');
            line.push_back(c);
        }
        line.push_back('"');
    }
    return line;
}

std::optional<ControlCommand> parseControlWords(std::span<const std::string> words) {
    if (words.empty()) return std::nullopt;
    if (words[0] != "usb" && words[0] != "net") return parseWorldCommand(words);
    if (words.size() < 3) return std::nullopt;
    ControlCommand c;
    c.target = words[0] == "usb" ? Target::Usb : Target::Network;
    const auto index = parseNumber(words[1], 0, 255);
    const Verb* verb = findVerb(words[2]);
    if (!index || verb == nullptr || !parseArgs(*verb, words.subspan(3), c)) return std::nullopt;
    c.index = static_cast<int>(*index);
    c.verb = words[2];
    return c;
}

std::optional<ControlCommand> parseControlLine(std::string_view line) {
    if (line.size() > kMaxControlLine) return std::nullopt;
    const auto words = splitControlWords(line);
    if (!words || words->empty() || words->front().starts_with("#")) return std::nullopt;
    return parseControlWords(*words);
}

bool applyControl(const ControlCommand& command, SimulatedPrinters& world) {
    if (command.target == Target::World) return applyWorldCommand(command, world);
    const bool usb = command.target == Target::Usb;
    if (command.index >= (usb ? world.usbCount() : world.networkCount())) return false;
    const Verb* verb = findVerb(command.verb);
    if (verb == nullptr) return false;
    SimPrinter& printer = usb ? world.usb(command.index) : world.network(command.index);
    verb->apply(world, command, printer);
    return true;
}

std::string_view controlUsage() {
    return "usage: orvan-sim <usb|net> <n> <command>   or   orvan-sim <command>\n"
           "printer commands (n = printer number, from 0):\n"
           "  error <code>            printer error, e.g. -0x0102D000; 0 clears it\n"
           "  state <0..255>          printer state, e.g. 50 printing\n"
           "  laminator-state <0..255>   laminator-error <0..255> (0 clears)\n"
           "  ink <0..50>   film <0..10>   cards <code>   locked <0|1>\n"
           "  password <text>         the lock unit's password (8 at most; \"\" removes it)\n"
           "  ribbon <0..255>   ink-sets <0..65535>   lot <text>   the loaded ink ribbon\n"
           "                          (ribbon code, e.g. 2 YMCK-PO, 254 no tag; lot: 6 at most)\n"
           "  cassette <0..255>       laminator film cassettes: 0 none, 1 top, 2 bottom, 3 both\n"
           "  counter <total|print|head|cleaning|error|laminator-total|laminator-cleaning> <n>\n"
           "  print <1..100000>       prints that many cards at once: the print, total and\n"
           "                          head counters rise, ink and film fall by the ribbon's use\n"
           "  busy <queries>          busy for the next status or position queries\n"
           "  maintenance-busy <n>    the next n test prints or firmware downloads answer busy\n"
           "  download-mode <0|1>     firmware is taken only in the download mode\n"
           "  job <owner> <document>  jobs-clear   remove   attach\n"
           "  ipsec <0|1|2>           IPsec mode (buffer 0xA0): off, preshared key, certificate\n"
           "  ipv6 <1..3> <address>   an IPv6 address the printer uses (net printers)\n"
           "  listed <0|1>            whether a net printer is in the printer list\n"
           "  option <unit> <0..255>  fits (1, 2: the kind) or removes (0) a unit: magnetic,\n"
           "                          contact-ic, contact-ic-rw, noncontact-ic, turnover,\n"
           "                          bend-remedy, security-lock, laminator\n"
           "  page <code> <byte> <0..255>   any byte of a mode page, e.g. page 0x28 58 255\n"
           "  version <printer|laminator|config|table> <text>   a version text (8 at most)\n"
           "world commands:\n"
           "  reset                   back to the default printers\n"
           "  fail <operation> <code> [calls] [status word]   e.g. fail KQCMD_ModeSelect 1 3\n"
           "  mismatch <replies>      network replies with a wrong sequence number\n"
           "  guidance <on|off>       colour guidance for every choice, or none (off)\n"
           "  guidance blocks <0..7>  fill only these grids: 1 front, 2 back, 4 bend remedy\n"
           "  net-add <address> [name]   a network printer answering at an IPv4 or IPv6\n"
           "                          address, not in the printer list (another subnet)\n"
           "  net-remove <address>    the printer at that address goes away\n"
           "  net-latency <ms>        every network call takes this long first (0..1000)\n"
           "  show                    what the printers hold: network page, IPsec, clock,\n"
           "                          the IPsec key buffers 0x80 to 0x84\n"
           "  path                    print the control file's path\n"
           "  last                    the last test print and firmware download of each\n"
           "                          printer, as the running monitor's printers received them\n"
           "  -h, --help              this text\n"
           "  -V, --version           the version\n";
}

}  // namespace orvan::sim
