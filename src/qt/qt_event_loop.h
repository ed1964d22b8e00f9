#pragma once
// The real event pump: Qt's own, with a QTimer behind each attached timer.
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <map>

#include "ui/event_loop.h"

namespace orvan::qt {

class QtEventLoop : public ui::EventLoop {
  public:
    void processEvents() override;
    // Sleeps in Qt until something arrives (a tick, a click) and runs it.
    void waitForEvents() override;
    void attach(ui::Timer& timer) override;
    void detach(ui::Timer& timer) override;

    // The QTimer behind an attached timer, or null.
    QTimer* timerFor(const ui::Timer& timer) const;

  private:
    QObject owner_;
    std::map<const ui::Timer*, QPointer<QTimer>> timers_;
};

}  // namespace orvan::qt
