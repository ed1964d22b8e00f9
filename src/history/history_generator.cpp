#include "history/history_generator.h"

#include <algorithm>
#include <random>
#include <vector>

#include "history/audit.h"
#include "history/event_recorder.h"

namespace orvan::history {
namespace {

constexpr std::int64_t kDay = 86400;
constexpr std::int64_t kHour = 3600;
constexpr int kInkFull = 50, kFilmFull = 10;
// Cards one unit of ink ribbon and of film lasts (a full ribbon: 1000 cards).
constexpr int kCardsPerInkUnit = 20, kCardsPerFilmUnit = 100;
constexpr int kPrinting = 50;

// Errors a working day may bring, each with how long it lasts.
struct ErrorRow {
    std::int32_t code;
    std::int64_t seconds;
};
constexpr ErrorRow kErrors[] = {
    {-0x0102D000, 900},  // no card
    {-0x0102DB00, 60},   // initialising
};

struct Printer {
    report::PrinterReport report;
    int inkUsed = 0, filmUsed = 0;  // cards on the present ribbon and film
};

class Day {
  public:
    Day(EventRecorder& recorder, std::vector<Batch>& out, std::mt19937& random)
        : recorder_(recorder), out_(out), random_(random) {}

    void observe(Printer& p, std::int64_t at) {
        p.report.readAt = at;
        Batch b = recorder_.observe(p.report, at);
        if (!b.empty()) out_.push_back(std::move(b));
    }

    // A job of `cards` cards from `at`, a card every 30 seconds.
    std::int64_t job(Printer& p, std::int64_t at, int cards) {
        p.report.status.printerState = kPrinting;
        observe(p, at);
        for (int i = 0; i < cards; ++i) printCard(p);
        at += 30 * cards;
        p.report.status.printerState = 0;
        observe(p, at);
        return at;
    }

    void error(Printer& p, std::int64_t at) {
        const ErrorRow& e = kErrors[pick(0, std::size(kErrors) - 1)];
        p.report.status.printerResult = e.code;
        observe(p, at);
        p.report.status.printerResult = 0;
        observe(p, at + e.seconds);
    }

    void lostFor(Printer& p, std::int64_t at, std::int64_t seconds) {
        p.report.up = false;
        observe(p, at);
        p.report.up = true;
        observe(p, at + seconds);
    }

    std::size_t pick(std::size_t low, std::size_t high) {
        return std::uniform_int_distribution<std::size_t>(low, high)(random_);
    }
    bool chance(double p) { return std::bernoulli_distribution(p)(random_); }

  private:
    void printCard(Printer& p) {
        auto& c = p.report.details.counters;
        ++*c.print;
        ++*c.total;
        ++*c.head;
        ++*c.cleaning;
        auto& ink = *p.report.details.inkQuantity;
        auto& film = *p.report.details.filmQuantity;
        // An empty ribbon or film is replaced before the next card.
        if (ink == 0) ink = kInkFull, p.inkUsed = 0;
        if (film == 0) film = kFilmFull, p.filmUsed = 0;
        if (++p.inkUsed % kCardsPerInkUnit == 0) --ink;
        if (++p.filmUsed % kCardsPerFilmUnit == 0) --film;
    }

    EventRecorder& recorder_;
    std::vector<Batch>& out_;
    std::mt19937& random_;
};

Printer makePrinter(int index) {
    Printer p;
    auto& r = p.report;
    const bool usb = index < 4;
    r.name = usb ? "USB:Unit" + std::to_string(index + 1)
                 : "NET:ORVAN" + std::to_string(index + 1 < 10 ? 0 : 1) +
                       std::to_string((index + 1) % 10);
    r.id = usb ? "usb:0:" + std::to_string(index) : "net:192.168.0." + std::to_string(50 + index);
    r.connection = usb ? "usb" : "network";
    r.up = r.answered = true;
    r.details.inkQuantity = kInkFull;
    r.details.filmQuantity = kFilmFull;
    r.details.cardCode = 0;
    r.details.laminatorInstalled = index % 3 == 0;
    r.details.counters = {0, 10000 * index, 5000, 0, 0, std::nullopt};
    if (r.details.laminatorInstalled) r.details.counters.laminatorTotal = 0;
    return p;
}

// One working day of one printer: jobs from 8 to 18 o'clock with counters
// looked at every ten minutes, now and then an error, a loss or a write.
void workingDay(Day& day, Printer& p, std::int64_t start, int busyness, std::vector<Batch>& out) {
    std::int64_t at = start + 8 * kHour;
    const std::int64_t end = start + 18 * kHour;
    while (at < end) {
        if (day.chance(0.25)) at = day.job(p, at, static_cast<int>(day.pick(1, busyness)));
        if (day.chance(0.004)) day.error(p, at + 60);
        if (day.chance(0.001))
            day.lostFor(p, at + 120, static_cast<std::int64_t>(day.pick(60, 3600)));
        if (day.chance(0.0005)) {
            Batch b;
            b.printer = {p.report.id, p.report.name};
            b.audit = AuditOf("Printer Setting", "mode pages 28 2A", 0, at + 30, "operator");
            out.push_back(std::move(b));
        }
        at += 600;
        day.observe(p, at);
    }
}

}  // namespace

bool GenerateHistory(Store& store, const status::ErrorCatalogue& catalogue,
                     const GeneratorPlan& plan, GeneratorTotals* totals) {
    std::mt19937 random(plan.seed);
    EventRecorder recorder(catalogue);
    std::vector<Printer> printers;
    for (int i = 0; i < plan.printers; ++i) printers.push_back(makePrinter(i));
    const std::int64_t first = plan.end - plan.end % kDay - plan.days * kDay;
    for (int d = 0; d < plan.days; ++d) {
        std::vector<Batch> batches;
        Day day(recorder, batches, random);
        const std::int64_t start = first + d * kDay;
        const bool weekend = (start / kDay + 3) % 7 >= 5;  // 1970-01-01 was a Thursday
        for (std::size_t i = 0; i < printers.size(); ++i) {
            if (!weekend) workingDay(day, printers[i], start, 4 + static_cast<int>(i) * 2, batches);
            day.observe(printers[i], start + 23 * kHour);
        }
        if (totals) totals->batches += static_cast<std::int64_t>(batches.size());
        if (!store.writeAll(batches)) return false;
    }
    return true;
}

}  // namespace orvan::history
