#include "simulator/control_commands.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <limits>

namespace orvan::sim {
namespace {

using Target = ControlCommand::Target;

enum class Args { None, Number, CounterNumber, TwoTexts, UnitNumber, PageByte, VersionText };

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

constexpr std::array<Verb, 19> kPrinterVerbs = {{
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
    {"download-mode", Args::Number, 0, 1,
     [](auto&, const auto& c, SimPrinter& p) { p.setDownloadMode(number(c) != 0); }},
    {"maintenance-busy", Args::Number, 0, 1000,
     [](auto&, const auto& c, SimPrinter& p) { p.setMaintenanceBusyFor(number(c)); }},
    {"job", Args::TwoTexts, 0, 0,
     [](auto&, const auto& c, SimPrinter& p) {
         p.addJob({c.texts.at(0), c.texts.at(1)});
     }},
    {"jobs-clear", Args::None, 0, 0, [](auto&, const auto&, SimPrinter& p) { p.clearJobs(); }},
    {"remove", Args::None, 0, 0,
     [](auto& w, const auto& c, SimPrinter&) { setAttached(w, c, false); }},
    {"attach", Args::None, 0, 0,
     [](auto& w, const auto& c, SimPrinter&) { setAttached(w, c, true); }},
}};

const Verb* findVerb(std::string_view name) {
    auto it = std::find_if(kPrinterVerbs.begin(), kPrinterVerbs.end(),
                           [&](const Verb& v) { return v.name == name; });
    return it == kPrinterVerbs.end() ? nullptr : &*it;
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

// reset | fail <operation> <code> [calls] [status word] | mismatch <replies>
std::optional<ControlCommand> parseWorldCommand(std::span<const std::string> words) {
    ControlCommand c;
    c.verb = words[0];
    if (c.verb == "reset") return words.size() == 1 ? std::optional(c) : std::nullopt;
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
        world = defaultScenario();
    } else if (c.verb == "mismatch") {
        world.scriptSequenceMismatch(static_cast<int>(c.numbers.at(0)));
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
           "  counter <total|print|head|cleaning|error|laminator-total|laminator-cleaning> <n>\n"
           "  busy <queries>          busy for the next status or position queries\n"
           "  maintenance-busy <n>    the next n test prints or firmware downloads answer busy\n"
           "  download-mode <0|1>     firmware is taken only in the download mode\n"
           "  job <owner> <document>  jobs-clear   remove   attach\n"
           "  option <unit> <0..255>  fits (1, 2: the kind) or removes (0) a unit: magnetic,\n"
           "                          contact-ic, contact-ic-rw, noncontact-ic, turnover,\n"
           "                          bend-remedy, security-lock, laminator\n"
           "  page <code> <byte> <0..255>   any byte of a mode page, e.g. page 0x28 58 255\n"
           "  version <printer|laminator|config|table> <text>   a version text (8 at most)\n"
           "world commands:\n"
           "  reset                   back to the default printers\n"
           "  fail <operation> <code> [calls] [status word]   e.g. fail KQCMD_ModeSelect 1 3\n"
           "  mismatch <replies>      network replies with a wrong sequence number\n"
           "  path                    print the control file's path\n"
           "  last                    the last test print and firmware download of each\n"
           "                          printer, as the running monitor's printers received them\n";
}

}  // namespace orvan::sim
