#pragma once
// The questions of the monitor's start and end.

namespace orvan::shell {

inline constexpr const char* kDisplayOnlyQuestion =
    "There is no authority to update printer setting information. Is it all right although it is "
    "only displayed?";
inline constexpr const char* kEndQuestion = "Would you like to end Status Monitor?";

}  // namespace orvan::shell
