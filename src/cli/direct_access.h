#pragma once
// The port libraries and a printer survey over them, made only when a run
// needs to ask the printers itself (no monitor of this user drives them).
// Shared by orvan-status and orvan-settings.
#include <cstdint>
#include <functional>
#include <optional>

#include "headless/printer_survey.h"
#include "headless/sleeping_loop.h"
#include "link/dynamic_port_libraries.h"

namespace orvan::cli {

class DirectAccess {
  public:
    DirectAccess(std::int64_t rediscoverSeconds, std::int64_t forgetSeconds)
        : rediscoverSeconds_(rediscoverSeconds), forgetSeconds_(forgetSeconds) {}
    headless::PrinterSurvey& survey(bool retry);
    headless::SleepingLoop& loop() { return loop_; }
    // What this user may change, as the monitor decides it: an
    // administrator everything, others what the administrators opened.
    static std::function<bool(std::size_t)> userRights();

  private:
    std::int64_t rediscoverSeconds_, forgetSeconds_;
    headless::SleepingLoop loop_;
    std::optional<link::DynamicCommandLibrary> commands_;
    std::optional<link::DynamicSettingsLibrary> settings_;
    std::optional<headless::PrinterSurvey> survey_;
};

}  // namespace orvan::cli
