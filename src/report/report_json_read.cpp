// Reading a status document back: every field checked for its type and
// range, since the file comes from outside this process.
#include <limits>
#include <nlohmann/json.hpp>

#include "report/report_json.h"

namespace orvan::report {
namespace {

using nlohmann::json;

constexpr std::size_t kMaxPrinters = 64;
constexpr std::size_t kMaxMessages = 64;
constexpr std::size_t kMaxText = 1024;
constexpr std::int64_t kMaxCounter = std::numeric_limits<std::uint32_t>::max();

// ---- reading back ---------------------------------------------------------

// Thrown by the field readers below; DecodeDocument turns it into nullopt.
struct Unreadable {};

const json& field(const json& object, const char* name) {
    if (!object.is_object()) throw Unreadable{};
    auto it = object.find(name);
    if (it == object.end()) throw Unreadable{};
    return *it;
}

std::int64_t integer(const json& value, std::int64_t min, std::int64_t max) {
    if (!value.is_number_integer()) throw Unreadable{};
    const auto n = value.get<std::int64_t>();
    if (value.is_number_unsigned() && value.get<std::uint64_t>() > static_cast<std::uint64_t>(max))
        throw Unreadable{};
    if (n < min || n > max) throw Unreadable{};
    return n;
}

std::int32_t int32(const json& value) {
    return static_cast<std::int32_t>(integer(value, std::numeric_limits<std::int32_t>::min(),
                                             std::numeric_limits<std::int32_t>::max()));
}

template <class T>
std::optional<T> optionalInteger(const json& value, std::int64_t min, std::int64_t max) {
    if (value.is_null()) return std::nullopt;
    return static_cast<T>(integer(value, min, max));
}

std::string text(const json& value) {
    if (!value.is_string()) throw Unreadable{};
    const auto& s = value.get_ref<const std::string&>();
    if (s.size() > kMaxText) throw Unreadable{};
    return s;
}

bool boolean(const json& value) {
    if (!value.is_boolean()) throw Unreadable{};
    return value.get<bool>();
}

ReportCounters readCounters(const json& c) {
    auto one = [&c](const char* name) {
        return optionalInteger<std::int64_t>(field(c, name), 0, kMaxCounter);
    };
    return {one("print"),    one("total"), one("head"),
            one("cleaning"), one("error"), one("laminator_total")};
}

std::optional<Firmware> readFirmware(const json& f) {
    if (f.is_null()) return std::nullopt;
    return Firmware{text(field(f, "printer")), text(field(f, "laminator")),
                    text(field(f, "config")), text(field(f, "table"))};
}

PrinterReport readPrinter(const json& p) {
    PrinterReport r;
    r.name = text(field(p, "name"));
    // A status written before printers had ids has none: the name stands in.
    r.id = p.is_object() && p.contains("id") ? text(p["id"]) : r.name;
    r.connection = text(field(p, "connection"));
    if (r.connection != "usb" && r.connection != "network") throw Unreadable{};
    r.address = text(field(p, "address"));
    r.up = boolean(field(p, "up"));
    r.answered = boolean(field(p, "answered"));
    r.readAt = integer(field(p, "read_at"), 0, std::numeric_limits<std::int64_t>::max());
    const json& printer = field(p, "printer");
    r.status.printerResult = int32(field(printer, "result"));
    r.status.printerState = int32(field(printer, "state"));
    const json& lam = field(p, "laminator");
    r.status.laminatorResult = int32(field(lam, "result"));
    r.status.laminatorState = int32(field(lam, "state"));
    r.details.laminatorInstalled = boolean(field(lam, "installed"));
    r.statusWord = int32(field(p, "status_word"));
    r.details.inkQuantity = optionalInteger<int>(field(p, "ink_quantity"), 0, 255);
    r.details.filmQuantity = optionalInteger<int>(field(p, "film_quantity"), 0, 255);
    r.details.cardCode = optionalInteger<int>(field(p, "card_code"), 0, 255);
    r.details.counters = readCounters(field(p, "counters"));
    r.details.firmware = readFirmware(field(p, "firmware"));
    return r;
}

StatusDocument readDocument(const json& d) {
    if (text(field(d, "schema")) != kSchemaName) throw Unreadable{};
    if (integer(field(d, "version"), 0, 1000) != kSchemaVersion) throw Unreadable{};
    StatusDocument doc;
    const std::string source = text(field(d, "source"));
    if (source != "printer" && source != "monitor") throw Unreadable{};
    doc.source = source == "monitor" ? Source::Monitor : Source::Printer;
    doc.generatedAt =
        integer(field(d, "generated_at"), 0, std::numeric_limits<std::int64_t>::max());
    const json& printers = field(d, "printers");
    const json& messages = field(d, "messages");
    if (!printers.is_array() || printers.size() > kMaxPrinters) throw Unreadable{};
    if (!messages.is_array() || messages.size() > kMaxMessages) throw Unreadable{};
    for (const json& p : printers) doc.printers.push_back(readPrinter(p));
    for (const json& m : messages) doc.messages.push_back(text(m));
    doc.problem = text(field(d, "problem"));
    return doc;
}

}  // namespace

std::optional<StatusDocument> DecodeDocument(std::string_view input) {
    const json parsed = json::parse(input, nullptr, false);
    if (parsed.is_discarded()) return std::nullopt;
    try {
        return readDocument(parsed);
    } catch (const Unreadable&) {
        return std::nullopt;
    } catch (const json::exception&) {
        return std::nullopt;
    }
}

}  // namespace orvan::report
