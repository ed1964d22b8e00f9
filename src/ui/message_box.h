#pragma once
// Every message box goes through this interface; its title is always the
// monitor's title. Tests script the answers.
#include <functional>
#include <string>

namespace orvan::ui {

inline constexpr const char* kMonitorTitle = "Orvan Card Printer  Status Monitor";

enum class Icon { Warning, Error, Question, Information };
enum class Buttons { Ok, OkCancel, YesNo, CancelTryAgainContinue };
enum class Answer { Ok, Cancel, Yes, No, TryAgain, Continue };

class MessageBoxes {
  public:
    virtual ~MessageBoxes() = default;
    // Shows the box modally and returns the button the user pressed. Closing
    // the box without a button gives Cancel (or No, or Ok for an OK-only box).
    virtual Answer show(const std::string& text, Icon icon, Buttons buttons) = 0;
};

// The answer of a box closed without pressing a button.
Answer closedAnswer(Buttons buttons);

// Passes boxes on while open() says so; once it does not (the program has
// ended), no box opens any more and each answers as if closed at once.
class GatedMessageBoxes : public MessageBoxes {
  public:
    GatedMessageBoxes(MessageBoxes& boxes, std::function<bool()> open)
        : boxes_(boxes), open_(std::move(open)) {}
    Answer show(const std::string& text, Icon icon, Buttons buttons) override;

  private:
    MessageBoxes& boxes_;
    std::function<bool()> open_;
};

// Shorthands for the conventions every screen uses.
void warn(MessageBoxes& boxes, const std::string& text);
bool confirm(MessageBoxes& boxes, const std::string& question);  // OK/Cancel, true on OK

}  // namespace orvan::ui
