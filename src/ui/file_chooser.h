#pragma once
// The desktop's own file dialogs: where to save a file, which file to open.
// The core asks; the front end shows the dialog; tests answer from a script.
#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace orvan::ui {

struct FileQuestion {
    std::string title;
    std::string filter;     // "Settings files (*.json)"
    std::string suggested;  // a file name or path to start from ("" none)
};

class FileChooser {
  public:
    virtual ~FileChooser() = default;
    // The path chosen; nullopt when the user cancelled.
    virtual std::optional<std::string> fileToSave(const FileQuestion& question) = 0;
    virtual std::optional<std::string> fileToOpen(const FileQuestion& question) = 0;
};

// For tests: answers from a script (cancel when it runs out) and records
// what was asked.
class ScriptedFileChooser : public FileChooser {
  public:
    void answerNext(std::optional<std::string> path) { answers_.push_back(std::move(path)); }
    std::optional<std::string> fileToSave(const FileQuestion& q) override { return take(q); }
    std::optional<std::string> fileToOpen(const FileQuestion& q) override { return take(q); }
    const std::vector<FileQuestion>& asked() const { return asked_; }

  private:
    std::optional<std::string> take(const FileQuestion& q) {
        asked_.push_back(q);
        if (answers_.empty()) return std::nullopt;
        auto a = std::move(answers_.front());
        answers_.pop_front();
        return a;
    }
    std::deque<std::optional<std::string>> answers_;
    std::vector<FileQuestion> asked_;
};

}  // namespace orvan::ui
