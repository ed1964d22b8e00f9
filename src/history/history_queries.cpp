#include "history/history_queries.h"

#include <algorithm>

#include "history/forecast.h"

namespace orvan::history {
namespace {

constexpr std::int64_t kDay = 86400;
// No printer makes a card faster than this: a counter that grew more than
// that allows is another printer's or was set, not printed.
constexpr std::int64_t kMinSecondsPerCard = 5;

std::optional<int> optInt(const std::optional<std::int64_t>& v) {
    return v ? std::optional<int>(static_cast<int>(*v)) : std::nullopt;
}

std::size_t rows(std::size_t limit) {
    return std::min(limit, kMaxRows);
}

// The printer's id, or -1 for every printer.
std::string printerClause() {
    return " AND (?1 = '' OR p.key = ?1)";
}

}  // namespace

Span Bounded(Span span) {
    span.from = std::max(span.from, span.to - kMaxSpanDays * kDay);
    return span;
}

namespace {

// A query over one printer (?1) and a bounded span (?2 to ?3), at most
// `limit` rows (?4).
Statement spanQuery(Store& store, const std::string& sql, const std::string& printer, Span span,
                    std::size_t limit) {
    span = Bounded(span);
    Statement s = store.db().prepare(sql);
    s.bind(1, printer).bind(2, span.from).bind(3, span.to);
    s.bind(4, static_cast<std::int64_t>(rows(limit)));
    return s;
}

}  // namespace

std::vector<PrinterName> Printers(Store& store) {
    std::vector<PrinterName> out;
    Statement s = store.db().prepare("SELECT key, name FROM printers ORDER BY name, key LIMIT ?1");
    s.bind(1, static_cast<std::int64_t>(kMaxRows));
    while (s.step()) out.push_back({s.text(0), s.text(1)});
    return out;
}

std::vector<Event> Events(Store& store, const EventFilter& f) {
    const Span span = Bounded(f.span);
    std::string kinds;
    for (EventKind k : f.kinds)
        kinds += (kinds.empty() ? "" : ",") + std::to_string(static_cast<int>(k));
    Statement s = store.db().prepare(
        "SELECT e.at, e.kind, e.code, e.text, p.key FROM events e JOIN printers p ON "
        "p.id = e.printer WHERE e.at >= ?2 AND e.at < ?3" +
        printerClause() + " AND (?4 = '' OR instr(lower(e.text), lower(?4)) > 0)" +
        (kinds.empty() ? std::string() : " AND e.kind IN (" + kinds + ")") +
        " ORDER BY e.at, e.rowid LIMIT ?5");
    s.bind(1, f.printer).bind(2, span.from).bind(3, span.to);
    s.bind(4, Bounded(f.text, kMaxFilterBytes)).bind(5, static_cast<std::int64_t>(rows(f.limit)));
    std::vector<Event> out;
    while (s.step()) {
        const auto kind = KindOf(static_cast<int>(s.integer(1)));
        if (!kind) continue;  // a kind this program does not know
        out.push_back({s.integer(0), *kind, s.integer(2), s.text(3), s.text(4)});
    }
    return out;
}

std::vector<Event> LastEventsBefore(Store& store, const std::string& printer, std::int64_t before) {
    // SQLite takes the other columns of a max() from its row.
    Statement s = store.db().prepare(
        "SELECT max(e.at), e.kind, e.code, e.text, p.key FROM events e JOIN printers p ON "
        "p.id = e.printer WHERE p.key = ?1 AND e.at < ?2 AND e.at >= ?3 GROUP BY e.kind "
        "ORDER BY 1");
    s.bind(1, printer).bind(2, before).bind(3, before - kMaxSpanDays * kDay);
    std::vector<Event> out;
    while (s.step())
        if (const auto kind = KindOf(static_cast<int>(s.integer(1))))
            out.push_back({s.integer(0), *kind, s.integer(2), s.text(3), s.text(4)});
    return out;
}

std::vector<LevelSample> Levels(Store& store, const std::string& printer, Span span,
                                std::size_t limit) {
    Statement s = spanQuery(store,
                            "SELECT l.at, l.ink, l.film FROM levels l JOIN printers p ON "
                            "p.id = l.printer WHERE l.at >= ?2 AND l.at < ?3" +
                                printerClause() + " ORDER BY l.at LIMIT ?4",
                            printer, span, limit);
    std::vector<LevelSample> out;
    while (s.step())
        out.push_back({s.integer(0), optInt(s.optionalInteger(1)), optInt(s.optionalInteger(2))});
    return out;
}

std::vector<DayCount> CardsPerDay(Store& store, const std::string& printer, Span span) {
    span = Bounded(span);
    // The sample before the span is where the first day's count starts.
    Statement s =
        spanQuery(store,
                  "SELECT c.at, c.total FROM counters c JOIN printers p ON p.id = c.printer "
                  "WHERE p.key = ?1 AND c.total IS NOT NULL AND c.at < ?3 AND c.at >= "
                  "(SELECT coalesce(max(c2.at), ?2) FROM counters c2 WHERE c2.printer = p.id AND "
                  "c2.total IS NOT NULL AND c2.at < ?2) ORDER BY c.at LIMIT ?4",
                  printer, span, kMaxRows);
    std::vector<DayCount> out;
    std::optional<std::int64_t> last, lastAt;
    while (s.step()) {
        const std::int64_t at = s.integer(0), total = s.integer(1);
        // A counter that went back was reset or belongs to another head: no cards.
        const bool printed =
            last && total > *last && total - *last <= (at - *lastAt) / kMinSecondsPerCard + 1;
        if (printed && at >= span.from) {
            const std::int64_t day = at - at % kDay;
            if (out.empty() || out.back().day != day) out.push_back({day, 0});
            out.back().cards += total - *last;
        }
        last = total;
        lastAt = at;
    }
    return out;
}

std::vector<AuditEntry> Audit(Store& store, const std::string& printer, Span span,
                              std::size_t limit) {
    Statement s = spanQuery(store,
                            "SELECT a.at, a.screen, a.settings, a.ok, a.result, a.user, p.key "
                            "FROM audit a JOIN printers p ON p.id = a.printer WHERE a.at >= ?2 "
                            "AND a.at < ?3" +
                                printerClause() + " ORDER BY a.at, a.rowid LIMIT ?4",
                            printer, span, limit);
    std::vector<AuditEntry> out;
    while (s.step())
        out.push_back({s.integer(0), s.text(1), s.text(2), s.integer(3) != 0, s.integer(4),
                       s.text(5), s.text(6)});
    return out;
}

report::SupplyForecast ForecastFor(Store& store, const std::string& printer, std::int64_t now) {
    const std::int64_t start = now - kForecastWindowSeconds;
    std::vector<LevelSample> series;
    // The level the window starts with.
    Statement before = store.db().prepare(
        "SELECT l.at, l.ink, l.film FROM levels l JOIN printers p ON p.id = l.printer "
        "WHERE p.key = ?1 AND l.at < ?2 ORDER BY l.at DESC LIMIT 1");
    before.bind(1, printer).bind(2, start);
    if (before.step())
        series.push_back({before.integer(0), optInt(before.optionalInteger(1)),
                          optInt(before.optionalInteger(2))});
    const auto window = Levels(store, printer, {start, now + 1});
    series.insert(series.end(), window.begin(), window.end());
    return Forecast(series, now);
}

}  // namespace orvan::history
