#pragma once
// The JSON document of `orvan-status --json` and of the status the monitor
// publishes: schema "orvan-status", version 1 (monitoring/orvan-status.schema.json).
// Both carry the same printer objects, so the published status reads back
// into the very reports the monitor wrote.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "report/printer_report.h"

namespace orvan::report {

inline constexpr const char* kSchemaName = "orvan-status";
inline constexpr int kSchemaVersion = 1;

// Where the printers' values came from.
enum class Source { Printer, Monitor };

struct StatusDocument {
    Source source = Source::Printer;
    std::int64_t generatedAt = 0;  // seconds since 1970
    std::vector<PrinterReport> printers;
    std::vector<std::string> messages;  // what the window would have shown in a box
    std::string problem;  // why there is no printer to report ("" when there are printers)
};

// The whole document, with each printer's texts and verdict at thresholds
// and the overall verdict. One line, no trailing newline.
std::string EncodeDocument(const StatusDocument& doc, const status::ErrorCatalogue& catalogue,
                           const MediaThresholds& thresholds);

// Reads a document back. The texts and verdicts in it are ignored (they are
// worked out again); anything missing, of the wrong type or out of range
// makes the whole document unreadable.
std::optional<StatusDocument> DecodeDocument(std::string_view text);

// Overall verdict of a document: the worst printer's, UNKNOWN without printers.
Verdict OverallVerdict(const StatusDocument& doc, const status::ErrorCatalogue& catalogue,
                       const MediaThresholds& thresholds);

}  // namespace orvan::report
