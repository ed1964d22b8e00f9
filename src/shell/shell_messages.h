#pragma once
// Messages of the start-up and the printer list that programs beside the
// monitor (orvan-status) show as well.

namespace orvan::shell {

inline constexpr const char* kNoLibraries =
    "LNKCMD.dll and LNKSET.dll is not found. Status Monitor ends.";
inline constexpr const char* kPortManagerMissing =
    "KQ Port Manager is not found. Status Monitor ends.";

}  // namespace orvan::shell
