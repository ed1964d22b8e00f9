#pragma once
// What the monitor and the programs beside it say about the printer link:
// the port libraries and the port manager missing, no printer to talk to.

namespace orvan::link {

inline constexpr const char* kNoLibraries =
    "LNKCMD.dll and LNKSET.dll is not found. Status Monitor ends.";
inline constexpr const char* kPortManagerMissing =
    "KQ Port Manager is not found. Status Monitor ends.";
inline constexpr const char* kPrinterNotFound = "Printer is not found.";

}  // namespace orvan::link
