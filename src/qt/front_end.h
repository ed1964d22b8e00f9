#pragma once
// The Qt windows of the monitor, bound to the shell's models: the main
// window, its tab pages and the dialogs, all from the list of screens.
#include <QObject>
#include <functional>
#include <memory>

#include "qt/dialogs.h"
#include "qt/main_window.h"
#include "qt/qt_message_boxes.h"
#include "qt/tab_pages.h"
#include "shell/window_model.h"

namespace orvan::qt {

class FrontEnd : public QObject {
  public:
    FrontEnd(const shell::WindowModel& model, QtMessageBoxes& boxes);
    ~FrontEnd() override;
    QtMainWindow& window() { return *window_; }
    TabPages& pages() { return *pages_; }
    Dialogs& dialogs() { return *dialogs_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    std::function<void()> activated_;
    std::unique_ptr<QtMainWindow> window_;
    TabPages* pages_;   // owned by the window
    Dialogs* dialogs_;  // owned by the window
};

}  // namespace orvan::qt
