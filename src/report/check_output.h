#pragma once
// The text of a monitoring check: one line per printer in the plugin
// convention ("STATE - text | performance data"), and its exit code.
#include <string>
#include <vector>

#include "report/report_json.h"

namespace orvan::report {

// "<name>: <state text> <message>; ink 100% (about 12 days), film 100%,
// cards Enough, print counter 1234", with the laminator's line when it has
// something to say and the days left where the history tells them.
std::string PrinterLine(const status::ErrorCatalogue& catalogue, const PrinterReport& report);

// Performance data of one printer: ink and film in percent with the warning
// threshold, the print counter. Labels carry the printer's name.
std::string PerformanceData(const PrinterReport& report, const MediaThresholds& thresholds);

// "about 3 days" (rounded; "about 1 day").
std::string AboutDays(double days);

struct CheckOutput {
    std::string text;  // every line, each ending in a newline
    Verdict verdict = Verdict::Unknown;
};

// One printer: one line. Several: a summary line carrying all performance
// data, then one line per printer. No printer: UNKNOWN with unknownReason.
CheckOutput CheckText(const StatusDocument& doc, const status::ErrorCatalogue& catalogue,
                      const MediaThresholds& thresholds, const std::string& unknownReason);

}  // namespace orvan::report
