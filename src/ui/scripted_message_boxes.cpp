#include "ui/scripted_message_boxes.h"

namespace orvan::ui {

Answer ScriptedMessageBoxes::show(const std::string& text, Icon icon, Buttons buttons) {
    shown_.push_back({text, icon, buttons});
    if (whileOpen) whileOpen(shown_.back());
    if (buttons == Buttons::Ok) return Answer::Ok;
    if (answers_.empty()) throw std::logic_error("unexpected question: " + text);
    Answer a = answers_.front();
    answers_.pop_front();
    return a;
}

}  // namespace orvan::ui
