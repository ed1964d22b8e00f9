#pragma once
// The questions and messages the setting tabs share, and those of the file
// choosers on the tabs and dialogs built on them.

namespace orvan::tabs {

// A password goes to the printer as single-byte codes; one that has no such
// code is refused rather than sent cut or changed.
inline constexpr const char* kPasswordNotSingleByte =
    "The password contains a character that cannot be sent to the printer. "
    "Use letters, digits and signs of a single-byte character set only.";
inline constexpr const char* kRefreshQuestion = "Would you like to refresh Printer Setting?";
inline constexpr const char* kChangeQuestion = "Would you like to change Printer Setting?";
inline constexpr const char* kOnlinePrintersQuestion =
    "Would you like to refresh the status of Online Printers?";

// Told in the window's status line when a write took.
inline constexpr const char* kSettingsWritten = "Settings written to ";
inline constexpr const char* kPasswordSet = "Password set";

inline constexpr const char* kFileNotSpecified = "File is not specified.";
inline constexpr const char* kFileNotFound = "File is not found.";

}  // namespace orvan::tabs
