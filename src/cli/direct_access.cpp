#include "cli/direct_access.h"

#include <filesystem>

#include "link/library_locator.h"
#include "shell/configuration.h"
#include "shell/platform.h"
#include "shell/rights.h"

namespace orvan::cli {

namespace {

shell::Configuration monitorConfiguration() {
    // The monitor's configuration file beside this program, found as the
    // monitor finds it: beside it in a build tree, the user's own file when
    // installed (the tools then live in the monitor's program folder, with a
    // link on the PATH).
    const auto monitor = std::filesystem::path(shell::executableDirectory()) / "OrvanStatusMonitor";
    return shell::Configuration(shell::LocateConfigFiles(monitor, shell::ConfigPlacesOf(monitor)));
}

}  // namespace

std::function<bool(std::size_t)> DirectAccess::userRights() {
    const shell::UserRights rights = monitorConfiguration().LoadUserRights();
    const bool administrator = shell::PosixPlatform().isAdministrator();
    return [rights, administrator](std::size_t index) {
        return shell::IsOpen(rights, administrator, index);
    };
}

headless::PrinterSurvey& DirectAccess::survey(bool retry) {
    if (survey_) return *survey_;
    const std::string dir = link::systemLibraryDir();
    const auto commandPath = link::findPortLibrary(link::kCommandLibraryFile, dir);
    const auto settingsPath = link::findPortLibrary(link::kSettingsLibraryFile, dir);
    commands_.emplace(commandPath.value_or(""));
    settings_.emplace(settingsPath.value_or(""));
    const shell::Configuration config = monitorConfiguration();
    headless::SurveySettings settings{commandPath.has_value(),
                                      settingsPath.has_value(),
                                      config.ReadPreferIPv6(),
                                      config.ReadRememberedPrinter(),
                                      retry,
                                      rediscoverSeconds_,
                                      forgetSeconds_};
    survey_.emplace(*commands_, *settings_, loop_, settings);
    return *survey_;
}

}  // namespace orvan::cli
