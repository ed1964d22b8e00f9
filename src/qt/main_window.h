#pragma once
// The main window on screen: its frame (the ten tabs and "Minimize") is the
// form main_window.ui bound to the MainForm model, and the tray's popup
// menu is built beside it. Each tab's own form is put into its page.
#include <QMainWindow>
#include <QMenu>
#include <QTabWidget>
#include <memory>

#include "shell/main_form.h"

namespace orvan::qt {

class QtMainWindow : public QMainWindow {
  public:
    explicit QtMainWindow(shell::MainForm& model, QWidget* parent = nullptr);

    // The page of tab `index`, for a tab's form; null for an index out of range.
    QWidget* page(int index) const;
    // Puts `content` into the page of tab `index`, filling it.
    void setPage(int index, QWidget* content);

    QTabWidget* tabs() const { return tabs_; }
    QMenu* menu() const { return menu_; }  // the tray's popup menu

  private:
    QTabWidget* tabs_;
    QMenu* menu_;
};

// Builds the window for a main form model. Start-up calls this, then fills
// the pages and shows the window through the model.
std::unique_ptr<QtMainWindow> buildMainWindow(shell::MainForm& model);

}  // namespace orvan::qt
