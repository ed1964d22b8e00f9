#pragma once
// How a failed printer operation is put before the user.
#include <cstdint>
#include <string>

#include "status/error_catalogue.h"
#include "ui/message_box.h"

namespace orvan::status {

// "<failure text>\rDetails:<catalogue message>", the text of an operation's
// failure box. An unknown code leaves "Details:" with nothing after it.
std::string FailureText(const ErrorCatalogue& catalogue, const std::string& failureText,
                        ResultCode code, std::int32_t statusWord);

// An operation with its own failure text failed: warning, OK.
void ReportFailure(ui::MessageBoxes& boxes, const std::string& failureText, ResultCode code,
                   std::int32_t statusWord, const ErrorCatalogue& catalogue = SharedCatalogue());

// A setting tab's update failed: the catalogue message alone, warning, OK.
void ReportCodeMessage(ui::MessageBoxes& boxes, ResultCode code, std::int32_t statusWord,
                       const ErrorCatalogue& catalogue = SharedCatalogue());

// The printer reports a fault: the catalogue message alone, error icon, OK.
void ReportFault(ui::MessageBoxes& boxes, ResultCode code, std::int32_t statusWord,
                 const ErrorCatalogue& catalogue = SharedCatalogue());

}  // namespace orvan::status
