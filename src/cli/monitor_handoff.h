#pragma once
// Handing a settings job to the user's running monitor: never two programs on
// one printer. The monitor listens on the local socket a second start uses
// to bring its window forward; the job goes there as one line and the
// monitor answers when it has carried it out.
#include <string>

#include "settings_file/settings_request.h"

namespace orvan::cli {

struct Handoff {
    enum class Outcome { NoMonitor, Answered, Failed };
    Outcome outcome = Outcome::NoMonitor;
    settings_file::RunAnswer answer;
    std::string why;  // Failed: what went wrong
};

// How long the monitor may take, busy waits included, and how long a busy
// monitor is asked again.
inline constexpr int kAnswerWaitSeconds = 600;
inline constexpr int kBusyRetrySeconds = 60;

Handoff handToMonitor(const settings_file::SettingsRequest& request);

}  // namespace orvan::cli
