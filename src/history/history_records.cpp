#include "history/history_records.h"

namespace orvan::history {
namespace {

struct KindRow {
    EventKind kind;
    std::string_view name;
};

constexpr std::array<KindRow, 6> kKindNames = {{{EventKind::Found, "found"},
                                                {EventKind::Lost, "lost"},
                                                {EventKind::PrinterState, "printer state"},
                                                {EventKind::PrinterResult, "printer result"},
                                                {EventKind::LaminatorState, "laminator state"},
                                                {EventKind::LaminatorResult, "laminator result"}}};

}  // namespace

std::string_view KindName(EventKind kind) {
    for (const auto& row : kKindNames)
        if (row.kind == kind) return row.name;
    return "";
}

std::optional<EventKind> KindOf(int number) {
    for (const auto& row : kKindNames)
        if (static_cast<int>(row.kind) == number) return row.kind;
    return std::nullopt;
}

std::string Bounded(std::string_view text, std::size_t limit) {
    if (text.size() <= limit) return std::string(text);
    std::size_t end = limit;
    // Back up over continuation bytes to the start of the cut sequence.
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
    return std::string(text.substr(0, end));
}

}  // namespace orvan::history
