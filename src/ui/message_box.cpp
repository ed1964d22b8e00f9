#include "ui/message_box.h"

namespace orvan::ui {

Answer closedAnswer(Buttons buttons) {
    switch (buttons) {
        case Buttons::Ok:
            return Answer::Ok;
        case Buttons::YesNo:
            return Answer::No;
        default:
            return Answer::Cancel;
    }
}

Answer GatedMessageBoxes::show(const std::string& text, Icon icon, Buttons buttons) {
    if (open_ && !open_()) return closedAnswer(buttons);
    return boxes_.show(text, icon, buttons);
}

void warn(MessageBoxes& boxes, const std::string& text) {
    boxes.show(text, Icon::Warning, Buttons::Ok);
}

bool confirm(MessageBoxes& boxes, const std::string& question) {
    return boxes.show(question, Icon::Question, Buttons::OkCancel) == Answer::Ok;
}

}  // namespace orvan::ui
