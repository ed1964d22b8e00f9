#include "qt/qt_event_loop.h"

#include <QCoreApplication>

#include "qt/window_bindings.h"

namespace orvan::qt {

void QtEventLoop::processEvents() {
    QCoreApplication::processEvents();
}

void QtEventLoop::waitForEvents() {
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void QtEventLoop::attach(ui::Timer& timer) {
    auto it = timers_.find(&timer);
    if (it != timers_.end() && it->second) return;
    timers_[&timer] = makeTimer(timer, &owner_);
}

void QtEventLoop::detach(ui::Timer& timer) {
    auto it = timers_.find(&timer);
    if (it == timers_.end()) return;
    delete it->second.data();  // its link lets go of the model timer
    timers_.erase(it);
}

QTimer* QtEventLoop::timerFor(const ui::Timer& timer) const {
    auto it = timers_.find(&timer);
    return it == timers_.end() ? nullptr : it->second.data();
}

}  // namespace orvan::qt
