#include "qt/front_end.h"

#include <QEvent>

#include "qt/accessible_widgets.h"
#include "qt/history_charts.h"

namespace orvan::qt {

FrontEnd::FrontEnd(const shell::WindowModel& model, QtMessageBoxes& boxes)
    : activated_(model.activated), window_(buildMainWindow(model.main)) {
    installAccessibility();
    boxes.setParent(window_.get());
    pages_ = new TabPages(*window_, model.tabs);
    dialogs_ = new Dialogs(window_.get(), model.dialogs);
    // The history window's timeline and charts, drawn from its model.
    dialogs_->onBuilt = [&history = model.history](const std::string& form, QDialog* dialog) {
        if (form == history::HistoryForm::kForm) new HistoryCharts(dialog, history);
    };
    // An activation of the window ends a program that was told to end.
    window_->installEventFilter(this);
}

FrontEnd::~FrontEnd() = default;

bool FrontEnd::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window_.get() && event->type() == QEvent::WindowActivate && activated_)
        activated_();
    return false;
}

}  // namespace orvan::qt
