#pragma once
// One settings job, as orvan-settings asks for it: from its own command line,
// or handed to the user's running monitor over the local socket that brings
// its window forward (one JSON line there, the answer one JSON line back).
#include <ctime>
#include <optional>
#include <string>
#include <vector>

#include "settings_file/settings_job.h"

namespace orvan::settings_file {

// What a request line starts with on the monitor's socket.
inline constexpr const char* kRequestPrefix = "settings ";
inline constexpr std::size_t kMaxRequestBytes = 8 * 1024;
inline constexpr std::size_t kMaxAnswerBytes = 4 * 1024 * 1024;

enum class Verb { Save, Diff, Apply };

struct SettingsRequest {
    Verb verb = Verb::Diff;
    std::string file;          // the file to read (diff, apply); absolute
    std::string printer;       // a list name or address; "" the watched one
    bool all = false;          // every listed printer
    bool dryRun = true;        // apply: only show what it would do
    bool withNetwork = false;  // save: the network page's settings too
    bool operator==(const SettingsRequest&) const = default;
};

// The monitor's answer while another printer operation holds its link: the
// tool asks again a little later.
inline constexpr const char* kMonitorBusy = "the monitor is busy with another printer operation";

// Exit codes, per printer and for the run: the worst of its printers.
inline constexpr int kExitSame = 0, kExitDiffers = 1, kExitUnknown = 3;

struct PrinterAnswer {
    std::string printer;
    int exit = kExitUnknown;
    std::string text;      // for people
    std::string json;      // for programs (one JSON object)
    std::string document;  // save: the file's text
};

struct RunAnswer {
    std::vector<PrinterAnswer> printers;
    std::string problem;  // no printer, no such printer, a refused file
    int exit() const;
};

std::string encodeRequest(const SettingsRequest& request);
std::optional<SettingsRequest> decodeRequest(const std::string& line);
std::string encodeAnswer(const RunAnswer& answer);
std::optional<RunAnswer> decodeAnswer(const std::string& text);

// Runs the request on one printer selected on the link. doc is the file
// already read (diff and apply).
PrinterAnswer runOnPrinter(PrinterAccess& access, const SettingsRequest& request,
                           const SettingsDocument* doc, const BackupWriter& backup,
                           std::time_t now);

// The backup writer of the user's state folder.
BackupWriter userBackups(std::time_t now);

}  // namespace orvan::settings_file
