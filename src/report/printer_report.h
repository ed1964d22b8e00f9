#pragma once
// One printer's status as the tools outside the window see it: the values
// the Status tab shows (state text, catalogue message, ink, film, cards,
// print counter), the other counters and the firmware versions. A value that
// no read delivered is left empty rather than shown as 0.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "link/link_state.h"
#include "link/result_code.h"
#include "report/plugin_range.h"
#include "status/error_catalogue.h"

namespace orvan::report {

using link::ResultCode;
using link::Severity;

// Monitoring-plugin exit codes, which are also the per-printer verdicts.
enum class Verdict : int { Ok = 0, Warning = 1, Critical = 2, Unknown = 3 };

// Ink and film at or below this percentage are a warning.
inline constexpr int kDefaultWarnPercent = 10;

struct ReportCounters {
    // Counters are unsigned on the printer; a value past 2^31 stays positive.
    std::optional<std::int64_t> print, total, head, cleaning, error, laminatorTotal;
    bool operator==(const ReportCounters&) const = default;
};

struct Firmware {
    std::string printer, laminator, config, table;
    bool operator==(const Firmware&) const = default;
};

// What the reads beside the status query delivered.
struct PrinterDetails {
    std::optional<int> inkQuantity;   // 0..50
    std::optional<int> filmQuantity;  // 0..10
    std::optional<int> cardCode;      // 0 enough, 2 none
    ReportCounters counters;
    std::optional<Firmware> firmware;
    bool laminatorInstalled = false;
    bool operator==(const PrinterDetails&) const = default;
};

// When the ink ribbon and the film run out at the rate of the last days,
// from the history; empty when there is too little of it.
struct SupplyForecast {
    std::optional<double> inkDaysLeft, filmDaysLeft;
    std::optional<double> inkPercentPerDay, filmPercentPerDay;  // the rates they rest on
    bool operator==(const SupplyForecast&) const = default;
};

struct PrinterReport {
    std::string name;  // as the printer combos list it: "USB:Unit1", "NET:ORVAN02"
    // What tells printers apart whatever their names: "usb:<slot>:<SCSI id>" or
    // "net:<address>" (two network printers may carry one factory name).
    std::string id;
    std::string connection;  // "usb" or "network"
    std::string address;     // network printers: the address text
    bool up = false;         // listed and not lost by the status query
    bool answered = false;   // the status query got an answer (a hidden failure did not)
    link::DeviceStatus status;
    std::int32_t statusWord = 0;  // explains a network socket failure
    PrinterDetails details;
    std::int64_t readAt = 0;  // seconds since 1970 of the status query
    SupplyForecast forecast;
    bool operator==(const PrinterReport&) const = default;
};

// The texts of one device as the Status tab shows them.
struct DeviceText {
    std::string state;    // "Ready", "Printing", "Printer Error(0102D000) :", ...
    std::string message;  // the catalogue message of the result ("" when none)
    std::string code;     // the result in 8 hex digits ("" for no error)
    Severity severity = Severity::None;
};

DeviceText PrinterText(const status::ErrorCatalogue& catalogue, const PrinterReport& report);
// Empty state when no laminator is attached.
DeviceText LaminatorText(const status::ErrorCatalogue& catalogue, const PrinterReport& report);

// Percentages as the gauges show them; empty outside the printer's range.
std::optional<int> InkPercent(const PrinterDetails& details);
std::optional<int> FilmPercent(const PrinterDetails& details);
// "Enough", "None", or empty for a code without a text.
std::string CardText(const PrinterDetails& details);

std::string CodeHex(ResultCode code);
const char* SeverityName(Severity severity);
const char* VerdictName(Verdict verdict);

struct Judgement {
    Verdict verdict = Verdict::Ok;
    std::string reason;  // why it is not OK
};

// Lost: CRITICAL; a result of severity Error or Fault (printer or laminator):
// CRITICAL; no answer: UNKNOWN; a transient or busy result: WARNING; ink or
// film percent in alert of the critical range: CRITICAL, of the warning
// range (by default at or below 10): WARNING.
Judgement Judge(const status::ErrorCatalogue& catalogue, const PrinterReport& report,
                const MediaThresholds& thresholds);

// The worse of two verdicts: OK < UNKNOWN < WARNING < CRITICAL.
Verdict Worse(Verdict a, Verdict b);

}  // namespace orvan::report
