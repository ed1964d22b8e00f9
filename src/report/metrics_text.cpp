#include "report/metrics_text.h"

#include <array>
#include <cstdio>
#include <functional>
#include <optional>

namespace orvan::report {
namespace {

using Sample = std::optional<double>;

struct Family {
    const char* name;
    const char* type;
    const char* help;
    // The sample of one printer; empty when there is none.
    Sample (*value)(const PrinterReport&, const status::ErrorCatalogue&);
};

bool live(const PrinterReport& r) {
    return r.up && r.answered;
}

template <class T>
Sample ifLive(const PrinterReport& r, const std::optional<T>& value) {
    if (!live(r) || !value) return std::nullopt;
    return static_cast<double>(*value);
}

Sample ratio(const PrinterReport& r, const std::optional<int>& percent) {
    if (!live(r) || !percent) return std::nullopt;
    return *percent / 100.0;
}

Sample laminator(const PrinterReport& r, double value) {
    if (!live(r) || !r.details.laminatorInstalled) return std::nullopt;
    return value;
}

Sample days(const PrinterReport& r, const std::optional<double>& left) {
    if (!live(r) || !left) return std::nullopt;
    return *left;
}

const std::array<Family, 19> kFamilies = {{
    {"orvan_printer_up", "gauge", "1 when the printer is listed and answers its status query.",
     [](const PrinterReport& r, const auto&) -> Sample { return live(r) ? 1.0 : 0.0; }},
    {"orvan_printer_state_code", "gauge", "What the printer is doing (0 idle, 50 printing, ...).",
     [](const PrinterReport& r, const auto&) {
         return ifLive(r, std::optional<int>(r.status.printerState));
     }},
    {"orvan_printer_severity", "gauge",
     "Severity of the printer's result: 0 none, 1 transient, 2 busy, 3 error, 4 fault.",
     [](const PrinterReport& r, const auto& c) {
         return ifLive(r, std::optional<int>(static_cast<int>(PrinterText(c, r).severity)));
     }},
    {"orvan_printer_result_code", "gauge", "The printer's result code (0 no error).",
     [](const PrinterReport& r, const auto&) {
         return ifLive(r, std::optional<int>(r.status.printerResult));
     }},
    {"orvan_laminator_state_code", "gauge", "What the laminator is doing (0 idle).",
     [](const PrinterReport& r, const auto&) { return laminator(r, r.status.laminatorState); }},
    {"orvan_laminator_severity", "gauge", "Severity of the laminator's result, as the printer's.",
     [](const PrinterReport& r, const auto& c) {
         return laminator(r, static_cast<int>(LaminatorText(c, r).severity));
     }},
    {"orvan_laminator_result_code", "gauge", "The laminator's result code (0 no error).",
     [](const PrinterReport& r, const auto&) { return laminator(r, r.status.laminatorResult); }},
    {"orvan_printer_ink_ratio", "gauge", "Ink ribbon left, 0 to 1.",
     [](const PrinterReport& r, const auto&) { return ratio(r, InkPercent(r.details)); }},
    {"orvan_printer_film_ratio", "gauge", "Retransfer film left, 0 to 1.",
     [](const PrinterReport& r, const auto&) { return ratio(r, FilmPercent(r.details)); }},
    {"orvan_printer_ink_days_left", "gauge",
     "Days until the ink ribbon runs out at the rate of the last 14 days (absent: too little "
     "history).",
     [](const PrinterReport& r, const auto&) { return days(r, r.forecast.inkDaysLeft); }},
    {"orvan_printer_film_days_left", "gauge",
     "Days until the retransfer film runs out at the rate of the last 14 days (absent: too "
     "little history).",
     [](const PrinterReport& r, const auto&) { return days(r, r.forecast.filmDaysLeft); }},
    {"orvan_printer_cards_empty", "gauge", "1 when the printer reports no cards left.",
     [](const PrinterReport& r, const auto&) -> Sample {
         if (!live(r) || CardText(r.details).empty()) return std::nullopt;
         return CardText(r.details) == "None" ? 1.0 : 0.0;
     }},
    {"orvan_printer_prints_total", "counter", "Print Counter: cards printed since it was cleared.",
     [](const PrinterReport& r, const auto&) { return ifLive(r, r.details.counters.print); }},
    {"orvan_printer_cards_total", "counter", "Printer Total Counter: every card printed.",
     [](const PrinterReport& r, const auto&) { return ifLive(r, r.details.counters.total); }},
    {"orvan_printer_head_cards_total", "counter", "Thermal Head Counter: cards on this head.",
     [](const PrinterReport& r, const auto&) { return ifLive(r, r.details.counters.head); }},
    {"orvan_printer_cleaning_cards_total", "counter",
     "Cleaning Counter: cards since the last cleaning.",
     [](const PrinterReport& r, const auto&) { return ifLive(r, r.details.counters.cleaning); }},
    {"orvan_printer_errors_total", "counter", "Error Counter: errors the printer counted.",
     [](const PrinterReport& r, const auto&) { return ifLive(r, r.details.counters.error); }},
    {"orvan_laminator_cards_total", "counter", "Laminator Total Counter: every card laminated.",
     [](const PrinterReport& r, const auto&) {
         return ifLive(r, r.details.counters.laminatorTotal);
     }},
    {"orvan_printer_last_read_timestamp_seconds", "gauge",
     "When the printer's status was last read, seconds since 1970.",
     [](const PrinterReport& r, const auto&) -> Sample { return static_cast<double>(r.readAt); }},
}};

std::string number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.10g", value);
    return text;
}

// Length of the well-formed UTF-8 sequence starting at s[i], or 0 when there
// is none (overlong forms and surrogates included).
std::size_t utf8Length(const std::string& s, std::size_t i) {
    const auto at = [&s](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char b = at(i);
    if (b < 0x80) return 1;
    std::size_t n = 0;
    unsigned char low = 0x80, high = 0xBF;  // range of the second byte
    if (b >= 0xC2 && b <= 0xDF) {
        n = 2;
    } else if (b >= 0xE0 && b <= 0xEF) {
        n = 3;
        if (b == 0xE0) low = 0xA0;
        if (b == 0xED) high = 0x9F;
    } else if (b >= 0xF0 && b <= 0xF4) {
        n = 4;
        if (b == 0xF0) low = 0x90;
        if (b == 0xF4) high = 0x8F;
    }
    if (n == 0 || i + n > s.size()) return 0;
    if (at(i + 1) < low || at(i + 1) > high) return 0;
    for (std::size_t k = 2; k < n; ++k)
        if ((at(i + k) & 0xC0) != 0x80) return 0;
    return n;
}

// Every series of a printer carries its name and its id: two network
// printers with one factory name are two series.
std::string seriesLabels(const PrinterReport& r) {
    return "printer=\"" + LabelValue(r.name) + "\",id=\"" + LabelValue(r.id) + "\"";
}

std::string infoLabels(const PrinterReport& r) {
    const Firmware fw = r.details.firmware.value_or(Firmware{});
    const std::string name = r.name.rfind("NET:", 0) == 0 ? r.name.substr(4) : r.name;
    return seriesLabels(r) + ",name=\"" + LabelValue(name) + "\",connection=\"" +
           LabelValue(r.connection) + "\",address=\"" + LabelValue(r.address) +
           "\",printer_firmware=\"" + LabelValue(fw.printer) + "\",laminator_firmware=\"" +
           LabelValue(fw.laminator) + "\",config_version=\"" + LabelValue(fw.config) +
           "\",table_version=\"" + LabelValue(fw.table) + "\"";
}

}  // namespace

std::string LabelValue(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t n = utf8Length(text, i);
        if (n == 0) {
            out += '?';
            ++i;
            continue;
        }
        const char c = text[i];
        if (c == '\\')
            out += "\\\\";
        else if (c == '"')
            out += "\\\"";
        else if (c == '\n')
            out += "\\n";
        else
            out.append(text, i, n);
        i += n;
    }
    return out;
}

std::string MetricsText(const StatusDocument& doc, const status::ErrorCatalogue& catalogue) {
    std::string out;
    for (const Family& f : kFamilies) {
        std::string samples;
        for (const auto& p : doc.printers)
            if (const Sample v = f.value(p, catalogue))
                samples += std::string(f.name) + "{" + seriesLabels(p) + "} " + number(*v) + "\n";
        if (samples.empty()) continue;
        out += std::string("# HELP ") + f.name + " " + f.help + "\n# TYPE " + f.name + " " +
               f.type + "\n" + samples;
    }
    if (!doc.printers.empty()) {
        out +=
            "# HELP orvan_printer_info The printer's name, connection, address and versions.\n"
            "# TYPE orvan_printer_info gauge\n";
        for (const auto& p : doc.printers) out += "orvan_printer_info{" + infoLabels(p) + "} 1\n";
    }
    // The code of each error as the window shows it (hexadecimal), for the
    // alerts' texts: a float sample cannot be shown that way.
    std::string errors;
    for (const auto& p : doc.printers) {
        if (!p.up) continue;
        const std::pair<const char*, ResultCode> devices[] = {
            {"printer", p.status.printerResult}, {"laminator", p.status.laminatorResult}};
        for (const auto& [device, code] : devices)
            if (code < 0)
                errors += "orvan_printer_error_info{" + seriesLabels(p) + ",device=\"" + device +
                          "\",code=\"" + CodeHex(code) + "\"} 1\n";
    }
    if (!errors.empty())
        out +=
            "# HELP orvan_printer_error_info The result code of an error, in hexadecimal as the "
            "window shows it, by device (printer or laminator).\n"
            "# TYPE orvan_printer_error_info gauge\n" +
            errors;
    out +=
        "# HELP orvan_status_printers How many printers this status reports.\n"
        "# TYPE orvan_status_printers gauge\n"
        "orvan_status_printers " +
        std::to_string(doc.printers.size()) + "\n";
    out +=
        "# HELP orvan_status_from_monitor 1 when the values come from the running monitor.\n"
        "# TYPE orvan_status_from_monitor gauge\n"
        "orvan_status_from_monitor " +
        std::string(doc.source == Source::Monitor ? "1" : "0") + "\n";
    return out;
}

}  // namespace orvan::report
