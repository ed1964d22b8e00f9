#pragma once
// What the Qt layer builds the window from: the main form, the rows of the
// tab pages and of the dialogs, and what an activation of the window runs.
// The window needs nothing else of the shell.
#include <functional>
#include <vector>

#include "history/history_form.h"
#include "shell/main_form.h"
#include "shell/screen.h"

namespace orvan::shell {

struct WindowModel {
    MainForm& main;
    const std::vector<Screen>& tabs;
    const std::vector<Screen>& dialogs;
    // The window came to the front: a program told to end ends then.
    std::function<void()> activated;
    // The history window, whose charts the front end draws.
    history::HistoryForm& history;
};

}  // namespace orvan::shell
