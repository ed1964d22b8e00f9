#include "report/check_output.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace orvan::report {
namespace {

std::string percentText(const std::optional<int>& percent) {
    return percent ? std::to_string(*percent) + "%" : std::string("unknown");
}

// "40%", with "(about 6 days)" when the history tells how long it lasts.
std::string supplyText(const std::optional<int>& percent, const std::optional<double>& daysLeft) {
    std::string text = percentText(percent);
    if (percent && daysLeft) text += " (" + AboutDays(*daysLeft) + ")";
    return text;
}

std::string counterText(const std::optional<std::int64_t>& value) {
    return value ? std::to_string(*value) : std::string("unknown");
}

// A result's code and message after a state line that does not carry them.
std::string deviceText(const DeviceText& d) {
    std::string out = d.state;
    if (d.message.empty()) return out;
    if (d.severity >= Severity::Error) return out + " " + d.message;
    return out + " (" + d.code + " " + d.message + ")";
}

// A line of the check: "|" starts the performance data and a line break a
// new line, so neither may come from a printer's text.
std::string plain(std::string text) {
    for (char& c : text)
        if (c == '|' || static_cast<unsigned char>(c) < 0x20) c = c == '|' ? '/' : ' ';
    return text;
}

// Labels may hold anything but "=" and "'"; they are quoted for the blanks.
std::string label(const std::string& printer, const char* what) {
    std::string name = printer;
    std::replace(name.begin(), name.end(), '\'', '_');
    std::replace(name.begin(), name.end(), '=', '_');
    name = plain(name);
    return "'" + name + " " + what + "'";
}

// value%;warn;crit;0;100 with the ranges as given: "@0:10" alerts at or below 10.
std::string percentValue(const std::optional<int>& percent, const MediaThresholds& thresholds) {
    if (!percent) return "U";
    return std::to_string(*percent) + "%;" + thresholds.warning.text + ";" +
           (thresholds.critical ? thresholds.critical->text : "") + ";0;100";
}

// Counts of printers per verdict, for the summary line.
std::string summary(const std::vector<Verdict>& verdicts) {
    std::string out = std::to_string(verdicts.size()) + " printers";
    constexpr std::array<Verdict, 4> kOrder = {Verdict::Critical, Verdict::Warning,
                                               Verdict::Unknown, Verdict::Ok};
    for (Verdict v : kOrder) {
        const auto n = std::count(verdicts.begin(), verdicts.end(), v);
        if (n == 0) continue;
        std::string name = VerdictName(v);
        std::transform(name.begin(), name.end(), name.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        out += ", " + std::to_string(n) + " " + name;
    }
    return out;
}

}  // namespace

std::string AboutDays(double days) {
    const long rounded = days < 0 ? 0 : std::lround(days);
    if (rounded > 9999) return "more than 9999 days";
    return "about " + std::to_string(rounded) + (rounded == 1 ? " day" : " days");
}

std::string PrinterLine(const status::ErrorCatalogue& catalogue, const PrinterReport& report) {
    std::string line = report.name + ": " + deviceText(PrinterText(catalogue, report));
    if (!report.up || !report.answered) {
        if (!report.answered && report.up) line += " (no answer)";
        return plain(line);
    }
    const DeviceText laminator = LaminatorText(catalogue, report);
    if (!laminator.state.empty()) line += "; laminator " + deviceText(laminator);
    const std::string cards = CardText(report.details);
    line += "; ink " + supplyText(InkPercent(report.details), report.forecast.inkDaysLeft);
    line += ", film " + supplyText(FilmPercent(report.details), report.forecast.filmDaysLeft);
    line += ", cards " + (cards.empty() ? std::string("unknown") : cards);
    line += ", print counter " + counterText(report.details.counters.print);
    return plain(line);
}

std::string PerformanceData(const PrinterReport& report, const MediaThresholds& thresholds) {
    // A printer without an answer has no values, only what an older read left.
    const bool live = report.up && report.answered;
    const auto print = live ? report.details.counters.print : std::nullopt;
    const auto ink = live ? InkPercent(report.details) : std::nullopt;
    const auto film = live ? FilmPercent(report.details) : std::nullopt;
    return label(report.name, "ink") + "=" + percentValue(ink, thresholds) + " " +
           label(report.name, "film") + "=" + percentValue(film, thresholds) + " " +
           label(report.name, "print counter") + "=" +
           (print ? std::to_string(*print) + "c" : std::string("U"));
}

CheckOutput CheckText(const StatusDocument& doc, const status::ErrorCatalogue& catalogue,
                      const MediaThresholds& thresholds, const std::string& unknownReason) {
    if (doc.printers.empty())
        return {"UNKNOWN - " + (unknownReason.empty() ? "no printer" : unknownReason) + "\n",
                Verdict::Unknown};
    std::vector<Verdict> verdicts;
    std::string perf;
    for (const auto& p : doc.printers) {
        verdicts.push_back(Judge(catalogue, p, thresholds).verdict);
        perf += (perf.empty() ? "" : " ") + PerformanceData(p, thresholds);
    }
    const Verdict overall = OverallVerdict(doc, catalogue, thresholds);
    const std::string state = VerdictName(overall);
    if (doc.printers.size() == 1)
        return {state + " - " + PrinterLine(catalogue, doc.printers[0]) + " | " + perf + "\n",
                overall};
    std::string text = state + " - " + summary(verdicts) + " | " + perf + "\n";
    for (std::size_t i = 0; i < doc.printers.size(); ++i)
        text += std::string(VerdictName(verdicts[i])) + " - " +
                PrinterLine(catalogue, doc.printers[i]) + "\n";
    return {text, overall};
}

}  // namespace orvan::report
