#include "history/csv_export.h"

#include <ctime>

#include "report/metrics_text.h"

namespace orvan::history {
namespace {

// Only the bytes that are not UTF-8 change; the label escapes do not apply.
std::string validUtf8(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        const unsigned char b = static_cast<unsigned char>(text[i]);
        const std::size_t n = b < 0x80 ? 1 : b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : 2;
        const std::string seq(text.substr(i, n));
        if (b < 0x80 || report::LabelValue(seq) == seq) {
            out += seq;
            i += seq.size();
        } else {
            out += '?';
            ++i;
        }
    }
    return out;
}

}  // namespace

std::string CsvField(std::string_view text) {
    const std::string valid = validUtf8(text);
    if (valid.find_first_of(",\"\r\n") == std::string::npos) return valid;
    std::string out = "\"";
    for (char c : valid) {
        if (c == '"') out += '"';
        out += c;
    }
    return out + "\"";
}

std::string IsoTime(std::int64_t at) {
    const std::time_t t = static_cast<std::time_t>(at);
    std::tm tm{};
    gmtime_r(&t, &tm);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &tm);
    return text;
}

std::string EventsCsv(const std::vector<Event>& events) {
    std::string out = "time,printer,kind,code,text\r\n";
    for (const Event& e : events)
        out += IsoTime(e.at) + "," + CsvField(e.printer) + "," + CsvField(KindName(e.kind)) + "," +
               std::to_string(e.code) + "," + CsvField(e.text) + "\r\n";
    return out;
}

}  // namespace orvan::history
