#pragma once
// The main window on screen: the ten tabs, the "Minimize" button, the hidden
// picture box and the tray's popup menu, all bound to the MainForm model.
// Each tab's own widgets are put into its page by that tab's front end.
#include <QMenu>
#include <QTabWidget>
#include <QWidget>
#include <memory>

#include "shell/main_form.h"

namespace orvan::qt {

class PictureView;

class QtMainWindow : public QWidget {
  public:
    static constexpr int kMinimumWidth = 1000;  // every tab caption visible at once

    explicit QtMainWindow(shell::MainForm& model, QWidget* parent = nullptr);

    // The (initially empty) page of tab `index`, for a tab's widgets; null
    // for an index out of range.
    QWidget* page(int index) const;
    // Puts `content` into the page of tab `index`, filling it.
    void setPage(int index, QWidget* content);

    QTabWidget* tabs() const { return tabs_; }
    QMenu* menu() const { return menu_; }  // the tray's popup menu
    PictureView* trayPicture() const { return picture_; }

  private:
    QTabWidget* tabs_;
    QMenu* menu_;
    PictureView* picture_;
};

// Builds the window for a main form model. Start-up calls this, then fills
// the pages and shows the window through the model.
std::unique_ptr<QtMainWindow> buildMainWindow(shell::MainForm& model);

}  // namespace orvan::qt
