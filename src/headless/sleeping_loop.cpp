#include "headless/sleeping_loop.h"

#include <thread>

namespace orvan::headless {

SleepingLoop::~SleepingLoop() {
    for (auto& [timer, slot] : timers_)
        if (!slot.alive.expired()) timer->unobserve(slot.observer);
}

void SleepingLoop::attach(ui::Timer& timer) {
    auto old = timers_.find(&timer);
    if (old != timers_.end() && !old->second.alive.expired()) return;
    if (old != timers_.end()) timers_.erase(old);
    Slot slot;
    slot.observer = timer.observe([this](ui::Control& c, ui::Property p) {
        if (p == ui::Property::Enabled || p == ui::Property::Range)
            rearm(static_cast<ui::Timer&>(c));
    });
    slot.alive = timer.lifetime();
    timers_[&timer] = slot;
    rearm(timer);
}

void SleepingLoop::detach(ui::Timer& timer) {
    auto it = timers_.find(&timer);
    if (it == timers_.end()) return;
    timer.unobserve(it->second.observer);
    timers_.erase(it);
}

void SleepingLoop::rearm(ui::Timer& t) {
    auto& slot = timers_[&t];
    if (t.enabled() && t.interval() > 0)
        slot.due = Clock::now() + std::chrono::milliseconds(t.interval());
    else
        slot.due.reset();
}

ui::Timer* SleepingLoop::nextDue() {
    std::erase_if(timers_, [](const auto& entry) { return entry.second.alive.expired(); });
    ui::Timer* best = nullptr;
    std::optional<Clock::time_point> bestDue;
    for (auto& [timer, slot] : timers_) {
        if (!slot.due) continue;
        if (!bestDue || *slot.due < *bestDue) {
            best = timer;
            bestDue = slot.due;
        }
    }
    return best;
}

void SleepingLoop::fire(ui::Timer& t) {
    timers_[&t].due = Clock::now() + std::chrono::milliseconds(t.interval());
    t.tick();
}

void SleepingLoop::processEvents() {
    while (ui::Timer* t = nextDue()) {
        if (*timers_[t].due > Clock::now()) break;
        fire(*t);
    }
}

void SleepingLoop::waitForEvents() {
    ui::Timer* t = nextDue();
    if (!t) return;
    std::this_thread::sleep_until(*timers_[t].due);
    fire(*t);
}

}  // namespace orvan::headless
