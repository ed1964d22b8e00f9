#pragma once
// The desktop's file dialogs for the core's questions: over the window that
// is active, with the question's title and filter.
#include "ui/file_chooser.h"

namespace orvan::qt {

class FileDialogs : public ui::FileChooser {
  public:
    std::optional<std::string> fileToSave(const ui::FileQuestion& question) override;
    std::optional<std::string> fileToOpen(const ui::FileQuestion& question) override;
};

}  // namespace orvan::qt
