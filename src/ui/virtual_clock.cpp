#include "ui/virtual_clock.h"

namespace orvan::ui {

VirtualClockLoop::~VirtualClockLoop() {
    for (auto& [timer, slot] : timers_)
        if (!slot.alive.expired()) timer->unobserve(slot.observer);
}

void VirtualClockLoop::attach(Timer& timer) {
    auto old = timers_.find(&timer);
    if (old != timers_.end() && !old->second.alive.expired()) return;
    if (old != timers_.end()) timers_.erase(old);  // a dead timer's address, reused
    Slot slot;
    slot.observer = timer.observe([this](Control& c, Property p) {
        if (p == Property::Enabled || p == Property::Range) rearm(static_cast<Timer&>(c));
    });
    slot.alive = timer.lifetime();
    timers_[&timer] = slot;
    rearm(timer);
}

void VirtualClockLoop::detach(Timer& timer) {
    auto it = timers_.find(&timer);
    if (it == timers_.end()) return;
    timer.unobserve(it->second.observer);
    timers_.erase(it);
}

// Enabling a timer or changing its interval starts its period afresh.
void VirtualClockLoop::rearm(Timer& t) {
    auto& slot = timers_[&t];
    slot.due = (t.enabled() && t.interval() > 0) ? now_ + t.interval() : -1;
    slot.armed = ++order_;
}

// Timers destroyed while attached are dropped here rather than touched.
Timer* VirtualClockLoop::nextDue() {
    std::erase_if(timers_, [](const auto& entry) { return entry.second.alive.expired(); });
    Timer* best = nullptr;
    const Slot* bestSlot = nullptr;
    for (auto& [timer, slot] : timers_) {
        if (slot.due < 0) continue;
        if (!bestSlot || slot.due < bestSlot->due ||
            (slot.due == bestSlot->due && slot.armed < bestSlot->armed)) {
            best = timer;
            bestSlot = &slot;
        }
    }
    return best;
}

void VirtualClockLoop::fire(Timer& t) {
    auto& slot = timers_[&t];
    if (slot.due > now_) now_ = slot.due;
    // The next period starts now; the handler may stop or re-arm the timer.
    slot.due = now_ + t.interval();
    slot.armed = ++order_;
    t.tick();
}

void VirtualClockLoop::processEvents() {
    while (Timer* t = nextDue()) {
        if (timers_[t].due > now_) break;
        fire(*t);
    }
}

void VirtualClockLoop::waitForEvents() {
    ++waits_;
    if (Timer* t = nextDue()) {
        fire(*t);
        return;
    }
    if (!onIdle) throw EventLoopStalled("a wait found no timer running and no idle action");
    onIdle();
}

void VirtualClockLoop::advance(std::int64_t ms) {
    const std::int64_t end = now_ + ms;
    while (Timer* t = nextDue()) {
        if (timers_[t].due > end) break;
        fire(*t);
    }
    if (now_ < end) now_ = end;
}

}  // namespace orvan::ui
