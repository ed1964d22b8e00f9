#pragma once
// Saving a printer's settings to a document, and applying a document to a
// printer: read everything the file covers, compare, keep a backup of what
// the printer had, write the pages that change after one busy wait, read
// them back and say which settings took. The caller holds the link for the
// whole job (the monitor's link guard, or the access lock of a tool).
#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "link/cycles.h"
#include "link/link_state.h"
#include "link/printer_data.h"
#include "settings_file/settings_comparison.h"
#include "settings_file/settings_document.h"

namespace orvan::settings_file {

// The printer the job runs on, selected on the link.
struct PrinterAccess {
    link::LinkState& state;
    link::Cycles& cycles;
    link::PrinterData& data;
    std::function<std::string(link::ResultCode)> describe;  // a failure in words
    // Whether this user may use the function of a rights index (the tabs'
    // Update); none: everything is open.
    std::function<bool(std::size_t)> isOpen = {};
    // After the writes of an apply: the settings sent (their captions) and
    // the first failure, 0 when every write took (the audit of writes).
    std::function<void(const std::string& settings, link::ResultCode result)> audit = {};
};

struct ReadOutcome {
    std::string failure;  // "" when every read took
    bool ok() const { return failure.empty(); }
};

// Reads the identity and every page the file's settings live on (the
// laminator's only with one fitted, the network page only when asked for).
ReadOutcome readPrinterSettings(PrinterAccess& access, bool withNetwork);

SourcePrinter sourceOf(const PrinterAccess& access);

struct StepOutcome {
    std::string title;  // "print condition page (0x28)"
    bool sent = false;
    link::ResultCode result = 0;
    bool took() const { return sent && result == 0; }
};

struct ApplyReport {
    std::string printer;
    bool dryRun = false;
    Comparison before;                  // what was to change
    std::string backupPath;             // where the printer's settings were kept
    std::vector<StepOutcome> steps;     // empty: nothing was sent
    std::vector<std::string> matched;   // keys that now hold the file's value
    std::vector<std::string> notTaken;  // keys written that did not take
    std::string failure;                // why the job stopped ("" when it did not)
    bool compared = false;              // the printer was read and compared
    // Nothing to change, or every page sent took and every setting written
    // reads back as the file has it. (Settings this printer cannot take are
    // not written; the comparison says so.)
    bool ok() const {
        return failure.empty() && notTaken.empty() &&
               std::all_of(steps.begin(), steps.end(),
                           [](const StepOutcome& s) { return s.took(); });
    }
};

// Keeps the printer's current settings before the first write; returns the
// path written, or "" when it could not be kept (nothing is then written).
using BackupWriter = std::function<std::string(const SettingsDocument& current)>;

ApplyReport applyDocument(PrinterAccess& access, const SettingsDocument& doc, bool dryRun,
                          const BackupWriter& backup, const std::string& now);

// The screens among the comparison's changes this user may not change, by
// name ("" when every one is open).
std::string screensClosedTo(const std::function<bool(std::size_t)>& isOpen,
                            const Comparison& comparison);
// Whether the document carries network settings (saved with them).
bool hasNetworkSettings(const SettingsDocument& doc);

// For people: the table of rows, then what happened.
std::string describeComparison(const Comparison& comparison);
std::string describeReport(const ApplyReport& report);
// For programs: the same as JSON.
std::string reportJson(const ApplyReport& report);
std::string comparisonJson(const std::string& printer, const Comparison& comparison);

}  // namespace orvan::settings_file
