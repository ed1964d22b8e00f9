#include "headless/metrics_poller.h"

#include <chrono>

#include "report/metrics_text.h"
#include "status/error_catalogue.h"

namespace orvan::headless {

MetricsPoller::Clock MetricsPoller::Clock::system() {
    using namespace std::chrono;
    return {
        [] { return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count(); },
        [] { return duration_cast<seconds>(system_clock::now().time_since_epoch()).count(); }};
}

MetricsPoller::MetricsPoller(StatusSource& source, Selection selection, Clock clock,
                             std::int64_t minIntervalMs)
    : source_(source),
      selection_(std::move(selection)),
      clock_(std::move(clock)),
      minIntervalMs_(minIntervalMs) {}

std::string MetricsPoller::scrape() {
    std::lock_guard lock(mutex_);
    const std::int64_t now = clock_.monotonicMs();
    if (lastRoundMs_ && now - *lastRoundMs_ < minIntervalMs_) return text_;
    const report::StatusDocument doc = source_.take(selection_, clock_.wallSeconds());
    text_ = report::MetricsText(doc, status::SharedCatalogue());
    // The interval counts from the end of a round, so a slow round is not
    // followed at once by another.
    lastRoundMs_ = clock_.monotonicMs();
    ++rounds_;
    if (afterRound) afterRound(text_);
    return text_;
}

int MetricsPoller::rounds() const {
    std::lock_guard lock(mutex_);
    return rounds_;
}

std::string TextfilePath(const std::string& dir) {
    return dir + "/orvan_printers.prom";
}

}  // namespace orvan::headless
