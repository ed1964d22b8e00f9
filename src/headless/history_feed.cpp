#include "headless/history_feed.h"

#include "history/history_queries.h"
#include "status/error_catalogue.h"

namespace orvan::headless {
namespace {

constexpr std::int64_t kForecastEverySeconds = 600;
// A server polls a few printers; more forecasts than this are not kept.
constexpr std::size_t kMaxForecasts = 256;

}  // namespace

HistoryFeed::HistoryFeed(std::string path, history::HistoryKeeper::Say say)
    : keeper_(std::move(path), status::SharedCatalogue(), std::move(say)) {}

void HistoryFeed::feed(report::StatusDocument& doc, std::int64_t now) {
    // Never both for one printer: what the monitor published, it recorded.
    if (doc.source == report::Source::Printer)
        for (const auto& p : doc.printers) keeper_.observe(p, now);
    if (forecasts_.size() > kMaxForecasts) forecasts_.clear();
    for (auto& p : doc.printers) {
        auto& [at, forecast] = forecasts_[p.id];
        if (at == 0 || now - at >= kForecastEverySeconds) {
            at = now;
            forecast = keeper_.forecast(p.id, now);
        }
        p.forecast = forecast;
    }
}

void AddForecasts(report::StatusDocument& doc, const std::string& path, std::int64_t now) {
    if (path.empty() || doc.printers.empty()) return;
    std::string why;
    const auto store = history::Store::open(path, why, true);
    if (!store) return;
    for (auto& p : doc.printers) p.forecast = history::ForecastFor(*store, p.id, now);
}

}  // namespace orvan::headless
