#pragma once
// The message of a field the user filled in wrongly on the network screens:
// the fixed text, then "Details:" and the field's tag (and, where the screen
// shows it, the text as typed).
#include <string>

#include "ui/message_box.h"

namespace orvan::network {

inline constexpr const char* kInvalidInputText =
    "Invalid input paramter. Please confirm input paramter.";

inline void ReportInvalidInput(ui::MessageBoxes& boxes, const std::string& details) {
    ui::warn(boxes, std::string(kInvalidInputText) + "\rDetails:" + details);
}

}  // namespace orvan::network
