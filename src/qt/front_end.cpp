#include "qt/front_end.h"

#include <QEvent>

#include "qt/accessible_widgets.h"

namespace orvan::qt {

FrontEnd::FrontEnd(shell::Monitor& monitor, QtMessageBoxes& boxes)
    : monitor_(monitor), window_(buildMainWindow(monitor.main())) {
    installAccessibility();
    boxes.setParent(window_.get());
    pages_ = new TabPages(*window_, monitor.screens().tabs());
    dialogs_ = new Dialogs(window_.get(), monitor.screens().dialogs());
    // An activation of the window ends a program that was told to end.
    window_->installEventFilter(this);
}

FrontEnd::~FrontEnd() = default;

bool FrontEnd::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window_.get() && event->type() == QEvent::WindowActivate) monitor_.activate();
    return false;
}

}  // namespace orvan::qt
