#pragma once
// Message boxes for tests: records every box and answers from a script.
#include <deque>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "ui/message_box.h"

namespace orvan::ui {

struct ShownBox {
    std::string text;
    Icon icon;
    Buttons buttons;
};

class ScriptedMessageBoxes : public MessageBoxes {
  public:
    // Queues the answer to the next box that asks a question.
    void answerNext(Answer a) { answers_.push_back(a); }
    Answer show(const std::string& text, Icon icon, Buttons buttons) override;
    const std::vector<ShownBox>& shown() const { return shown_; }
    void clear() { shown_.clear(); }
    // Runs while a box is open (e.g. to check that a timer was stopped).
    std::function<void(const ShownBox&)> whileOpen;

  private:
    std::deque<Answer> answers_;
    std::vector<ShownBox> shown_;
};

}  // namespace orvan::ui
