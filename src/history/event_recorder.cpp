#include "history/event_recorder.h"

#include <algorithm>
#include <array>

namespace orvan::history {
namespace {

// One device's state or result as an event.
struct Field {
    EventKind kind;
    std::int32_t link::DeviceStatus::*value;
    bool laminator;
};

constexpr std::array<Field, 4> kFields = {{
    {EventKind::PrinterState, &link::DeviceStatus::printerState, false},
    {EventKind::PrinterResult, &link::DeviceStatus::printerResult, false},
    {EventKind::LaminatorState, &link::DeviceStatus::laminatorState, true},
    {EventKind::LaminatorResult, &link::DeviceStatus::laminatorResult, true},
}};

bool isResult(EventKind kind) {
    return kind == EventKind::PrinterResult || kind == EventKind::LaminatorResult;
}

// A result as "<code> <message>", or "no error"; a state as the Status tab's line.
std::string eventText(const report::DeviceText& device, EventKind kind, std::int32_t value) {
    if (!isResult(kind)) return device.state;
    if (value >= 0) return "no error";
    return device.code + " " + device.message;
}

bool hasCounters(const report::ReportCounters& c) {
    return c.print || c.total || c.head || c.cleaning || c.error || c.laminatorTotal;
}

}  // namespace

EventRecorder::Seen& EventRecorder::seenOf(const std::string& key, std::int64_t now, bool& first) {
    auto it = seen_.find(key);
    first = it == seen_.end();
    if (first) {
        if (seen_.size() >= kMaxTrackedPrinters)
            seen_.erase(
                std::min_element(seen_.begin(), seen_.end(), [](const auto& a, const auto& b) {
                    return a.second.lastSeen < b.second.lastSeen;
                }));
        it = seen_.emplace(key, Seen{}).first;
    }
    it->second.lastSeen = now;
    return it->second;
}

// Nothing but a few comparisons while nothing changes: the monitor calls
// this every cycle.
Batch EventRecorder::observe(const report::PrinterReport& r, std::int64_t now) {
    Batch batch;
    const std::string& key = r.id.empty() ? r.name : r.id;
    bool first = false;
    Seen& seen = seenOf(key, now, first);
    const bool wasUp = seen.up;
    if (r.up != wasUp && (r.up || !first)) {
        const std::string state = report::PrinterText(catalogue_, r).state;
        batch.events.push_back({now, r.up ? EventKind::Found : EventKind::Lost, 0, state, {}});
    }
    seen.up = r.up;
    if (r.up && r.answered) {
        if (first || !wasUp || r.status != seen.status)
            changes(r, seen.status, first || !wasUp, now, batch);
        seen.status = r.status;
        levels(r, seen, batch);
        counters(r, seen, !batch.events.empty(), batch);
    }
    if (!batch.empty()) batch.printer = {key, r.name};
    return batch;
}

// A state or result that differs from the last one seen; fresh (first
// sight, or back after a loss): the states, and any error there is.
void EventRecorder::changes(const report::PrinterReport& r, const link::DeviceStatus& was,
                            bool fresh, std::int64_t now, Batch& batch) {
    std::optional<report::DeviceText> printer, laminator;
    for (const Field& f : kFields) {
        if (f.laminator && !r.details.laminatorInstalled) continue;
        const std::int32_t value = r.status.*f.value;
        if (fresh ? isResult(f.kind) && value >= 0 : value == was.*f.value) continue;
        auto& device = f.laminator ? laminator : printer;
        if (!device)
            device = f.laminator ? report::LaminatorText(catalogue_, r)
                                 : report::PrinterText(catalogue_, r);
        batch.events.push_back({now, f.kind, value, eventText(*device, f.kind, value), {}});
    }
}

void EventRecorder::levels(const report::PrinterReport& r, Seen& seen, Batch& batch) {
    const auto ink = report::InkPercent(r.details);
    const auto film = report::FilmPercent(r.details);
    if ((!ink && !film) || (ink == seen.ink && film == seen.film)) return;
    seen.ink = ink;
    seen.film = film;
    batch.levels = LevelSample{seen.lastSeen, ink, film};
}

void EventRecorder::counters(const report::PrinterReport& r, Seen& seen, bool stateChanged,
                             Batch& batch) {
    const report::ReportCounters& c = r.details.counters;
    if (!hasCounters(c)) return;
    const bool due =
        seen.countersAt == 0 || seen.lastSeen - seen.countersAt >= kCounterIntervalSeconds;
    // An idle printer's counters stand still: nothing new to store.
    if (!stateChanged && !(due && c != seen.counters)) return;
    seen.counters = c;
    seen.countersAt = seen.lastSeen;
    batch.counters = CounterSample{seen.lastSeen, c.print, c.total,         c.head,
                                   c.cleaning,    c.error, c.laminatorTotal};
}

}  // namespace orvan::history
