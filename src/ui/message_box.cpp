#include "ui/message_box.h"

namespace orvan::ui {

void warn(MessageBoxes& boxes, const std::string& text) {
    boxes.show(text, Icon::Warning, Buttons::Ok);
}

bool confirm(MessageBoxes& boxes, const std::string& question) {
    return boxes.show(question, Icon::Question, Buttons::OkCancel) == Answer::Ok;
}

}  // namespace orvan::ui
