#pragma once
// From the last status answer to what the status lines say: each device's
// display state, its state text and its error text.
#include <cstdint>
#include <string>

#include "link/link_state.h"
#include "status/error_catalogue.h"
#include "ui/control.h"

namespace orvan::status {

// Numbered as the overall state combines them.
enum class DisplayState : int { Ready = 0, Running = 1, Failed = 2, Absent = 3 };

DisplayState PrinterDisplayState(const ErrorCatalogue& catalogue, const link::DeviceStatus& status,
                                 bool printerConnected);

// Absent unless a printer is connected and has a laminator attached.
DisplayState LaminatorDisplayState(const ErrorCatalogue& catalogue,
                                   const link::DeviceStatus& status, bool printerConnected,
                                   bool laminatorInstalled);

// What a running device is doing. Unknown printer states read "Printer is
// busy."; unknown laminator states read as empty text.
std::string PrinterStateText(std::int32_t printerState);
std::string LaminatorStateText(std::int32_t laminatorState);

// "<Device> Error(<code>) :\r<message>". The code is the magnitude in 8
// upper-case hex digits; a printer's network socket failure (-2) shows the
// socket error from the status word instead.
std::string PrinterErrorText(const ErrorCatalogue& catalogue, ResultCode code,
                             std::int32_t networkStatusWord);
std::string LaminatorErrorText(const ErrorCatalogue& catalogue, ResultCode code,
                               std::int32_t networkStatusWord);

// 3 when the printer is absent; else the worst of the two, where a missing
// laminator counts as ready.
DisplayState OverallState(DisplayState printer, DisplayState laminator);

// Background tint of the animated picture for an overall state.
ui::Colour OverallTint(DisplayState overall);

}  // namespace orvan::status
