#include "report/printer_report.h"

#include <array>
#include <cstdio>

#include "status/status_presentation.h"

namespace orvan::report {
namespace {

constexpr int kInkFull = 50;
constexpr int kFilmFull = 10;

struct CardRow {
    int code;
    const char* text;
};
constexpr std::array<CardRow, 2> kCardTexts = {{{0, "Enough"}, {2, "None"}}};

constexpr std::array<const char*, 5> kSeverityNames = {"None", "Transient", "Busy", "Error",
                                                       "Fault"};
constexpr std::array<const char*, 4> kVerdictNames = {"OK", "WARNING", "CRITICAL", "UNKNOWN"};
// Rank of each verdict (by its number) when several printers are combined.
constexpr std::array<int, 4> kVerdictRank = {0, 2, 3, 1};

std::optional<int> percentOf(const std::optional<int>& quantity, int full) {
    if (!quantity || *quantity < 0 || *quantity > full) return std::nullopt;
    return *quantity * 100 / full;
}

status::StatusView present(const status::ErrorCatalogue& catalogue, const PrinterReport& r) {
    status::StatusInputs in;
    in.status = r.status;
    in.printerConnected = r.up;
    in.laminatorInstalled = r.details.laminatorInstalled;
    in.networkStatusWord = r.statusWord;
    return status::PresentStatus(catalogue, in);
}

// The Status tab's line "<Device> Error(<code>) :\r<message>" in its two parts;
// a line without the break is all state.
void splitLine(const std::string& line, DeviceText& out) {
    const auto cr = line.find('\r');
    out.state = line.substr(0, cr);
    if (cr != std::string::npos) out.message = line.substr(cr + 1);
}

DeviceText describe(const status::ErrorCatalogue& catalogue, const std::string& line,
                    ResultCode code, std::int32_t statusWord) {
    DeviceText text;
    splitLine(line, text);
    if (code < 0) {
        text.severity = catalogue.ClassifyCode(code);
        text.code = CodeHex(code);
        // Transient and busy results keep the state line; their message
        // still says what the printer reported.
        if (text.message.empty()) text.message = catalogue.DescribeCode(code, statusWord);
    }
    return text;
}

}  // namespace

DeviceText PrinterText(const status::ErrorCatalogue& catalogue, const PrinterReport& report) {
    const status::StatusView view = present(catalogue, report);
    if (!report.up) {
        DeviceText lost;
        lost.state = view.printer.text;
        return lost;
    }
    return describe(catalogue, view.printer.text, report.status.printerResult, report.statusWord);
}

DeviceText LaminatorText(const status::ErrorCatalogue& catalogue, const PrinterReport& report) {
    const status::StatusView view = present(catalogue, report);
    if (view.laminatorState == status::DisplayState::Absent) return {};
    return describe(catalogue, view.laminator.text, report.status.laminatorResult,
                    report.statusWord);
}

std::optional<int> InkPercent(const PrinterDetails& details) {
    return percentOf(details.inkQuantity, kInkFull);
}

std::optional<int> FilmPercent(const PrinterDetails& details) {
    return percentOf(details.filmQuantity, kFilmFull);
}

std::string CardText(const PrinterDetails& details) {
    if (!details.cardCode) return {};
    for (const auto& row : kCardTexts)
        if (row.code == *details.cardCode) return row.text;
    return {};
}

std::string CodeHex(ResultCode code) {
    char text[16];
    std::snprintf(text, sizeof text, "%08X", status::Magnitude(code));
    return text;
}

const char* SeverityName(Severity severity) {
    const auto i = static_cast<std::size_t>(severity);
    return i < kSeverityNames.size() ? kSeverityNames[i] : "None";
}

const char* VerdictName(Verdict verdict) {
    return kVerdictNames[static_cast<std::size_t>(verdict)];
}

Verdict Worse(Verdict a, Verdict b) {
    return kVerdictRank[static_cast<std::size_t>(a)] >= kVerdictRank[static_cast<std::size_t>(b)]
               ? a
               : b;
}

Judgement Judge(const status::ErrorCatalogue& catalogue, const PrinterReport& report,
                const MediaThresholds& thresholds) {
    if (!report.up) return {Verdict::Critical, "printer lost"};
    if (!report.answered) return {Verdict::Unknown, "no answer from the printer"};
    const DeviceText printer = PrinterText(catalogue, report);
    const DeviceText laminator = LaminatorText(catalogue, report);
    const Severity worst = std::max(printer.severity, laminator.severity);
    if (worst >= Severity::Error) return {Verdict::Critical, SeverityName(worst)};
    if (worst >= Severity::Transient) return {Verdict::Warning, SeverityName(worst)};
    const std::pair<std::optional<int>, const char*> media[] = {
        {InkPercent(report.details), "ink low"}, {FilmPercent(report.details), "film low"}};
    for (const auto& [percent, reason] : media)
        if (percent && thresholds.critical && thresholds.critical->alerts(*percent))
            return {Verdict::Critical, reason};
    for (const auto& [percent, reason] : media)
        if (percent && thresholds.warning.alerts(*percent)) return {Verdict::Warning, reason};
    return {};
}

}  // namespace orvan::report
