#pragma once
// What the history holds: events of a printer (found, lost, a change of
// state or result), its ink and film levels, its counters and the audit of
// the writes made to it. Times are seconds since 1970.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvan::history {

// Texts longer than this are cut before they are stored: a printer or a
// damaged file never fills the store with one row.
inline constexpr std::size_t kMaxTextBytes = 512;

enum class EventKind : int {
    Found = 1,
    Lost = 2,
    PrinterState = 3,
    PrinterResult = 4,
    LaminatorState = 5,
    LaminatorResult = 6,
};

inline constexpr std::array<EventKind, 6> kEventKinds = {
    EventKind::Found,         EventKind::Lost,           EventKind::PrinterState,
    EventKind::PrinterResult, EventKind::LaminatorState, EventKind::LaminatorResult};

// "found", "lost", "printer state", ...; "" for a number that is no kind.
std::string_view KindName(EventKind kind);
std::optional<EventKind> KindOf(int number);

// A printer as the store knows it: the key that tells printers apart
// ("usb:<slot>:<id>", "net:<address>") and the name it was last seen under.
struct PrinterName {
    std::string key;
    std::string name;
    bool operator==(const PrinterName&) const = default;
};

struct Event {
    std::int64_t at = 0;
    EventKind kind = EventKind::Found;
    std::int64_t code = 0;  // the state or result code (0 for found and lost)
    std::string text;       // the state text or the catalogue message
    std::string printer;    // the printer's key (filled by queries)
    bool operator==(const Event&) const = default;
};

// Percentages as the gauges show them; empty: not read.
struct LevelSample {
    std::int64_t at = 0;
    std::optional<int> ink, film;
    bool operator==(const LevelSample&) const = default;
};

struct CounterSample {
    std::int64_t at = 0;
    std::optional<std::int64_t> print, total, head, cleaning, error, laminator;
    bool operator==(const CounterSample&) const = default;
};

// One write to a printer: which screen or settings file, which settings,
// whether it took, and who made it.
struct AuditEntry {
    std::int64_t at = 0;
    std::string screen;
    std::string settings;
    bool ok = false;
    std::int64_t result = 0;
    std::string user;
    std::string printer;  // the printer's key (filled by queries)
    bool operator==(const AuditEntry&) const = default;
};

// What one observation adds, stored in one transaction.
struct Batch {
    PrinterName printer;
    std::vector<Event> events;
    std::optional<LevelSample> levels;
    std::optional<CounterSample> counters;
    std::optional<AuditEntry> audit;
    bool empty() const { return events.empty() && !levels && !counters && !audit; }
};

// text cut to at most kMaxTextBytes, never inside a UTF-8 sequence.
std::string Bounded(std::string_view text, std::size_t limit = kMaxTextBytes);

}  // namespace orvan::history
