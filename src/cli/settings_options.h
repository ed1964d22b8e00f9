#pragma once
// The command line of orvan-settings:
//   orvan-settings save [--printer X] [-o FILE] [--network]
//   orvan-settings diff FILE [--printer X | --all] [--json]
//   orvan-settings apply FILE [--printer X | --all] [--dry-run] [--yes] [--json]
#include <optional>
#include <string>
#include <vector>

#include "settings_file/settings_request.h"

namespace orvan::cli {

struct SettingsOptions {
    enum class Mode { Run, Help, Version };
    Mode mode = Mode::Run;
    settings_file::SettingsRequest request;
    std::string output;  // save: the file to write; "" standard output
    bool json = false;
};

struct ParsedSettingsOptions {
    std::optional<SettingsOptions> options;
    std::string error;
};

// FILE is made absolute against `currentDirectory`.
ParsedSettingsOptions parseSettingsOptions(const std::vector<std::string>& args,
                                           const std::string& currentDirectory);
std::string settingsUsage();

}  // namespace orvan::cli
