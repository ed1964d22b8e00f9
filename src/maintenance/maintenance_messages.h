#pragma once
// What the Others tab says about test prints and firmware downloads.
#include "tabs/tab_messages.h"

namespace orvan::maintenance {

inline constexpr const char* kTestPrintQuestion = "Would you like to start Test Print?";
inline constexpr const char* kTestPrintFailed = "It fails to start Test Print.";
inline constexpr const char* kFirmwareQuestion = "Would you like to update Printer Firmware?";
inline constexpr const char* kFirmwareFailed = "It fails to update Printer Firmware.";
inline constexpr const char* kFirmwareUpdated =
    "Firmware was updated correctly.\rTurn off and on the printer power to run new firmware.";
inline constexpr const char* kTestPrintStarted = "Test print started";
inline constexpr const char* kFileNameInvalid = "File name is invalid.";
// The Others tab's settings files.
inline constexpr const char* kSaveSettingsTitle = "Save the Printer's Settings";
inline constexpr const char* kLoadSettingsTitle = "Load a Settings File";
inline constexpr const char* kSettingsFilter = "Settings files (*.json)";
inline constexpr const char* kSettingsNotWritten = "The settings could not be written to ";
inline constexpr const char* kSettingsSaved = "Settings saved to ";
inline constexpr const char* kSettingsApplied = "Settings file applied to ";
using tabs::kFileNotFound;
using tabs::kFileNotSpecified;

}  // namespace orvan::maintenance
