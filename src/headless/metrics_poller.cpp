#include "headless/metrics_poller.h"

#include <chrono>

#include "report/metrics_text.h"
#include "status/error_catalogue.h"

namespace orvan::headless {

MetricsPoller::Clock MetricsPoller::Clock::system() {
    using namespace std::chrono;
    return {[] { return duration_cast<seconds>(system_clock::now().time_since_epoch()).count(); }};
}

MetricsPoller::MetricsPoller(StatusSource& source, Selection selection, Clock clock,
                             std::int64_t intervalMs)
    : source_(source),
      selection_(std::move(selection)),
      clock_(std::move(clock)),
      intervalMs_(std::max(intervalMs, kMinPollIntervalMs)) {}

MetricsPoller::~MetricsPoller() {
    stop(-1);
}

void MetricsPoller::poll() {
    report::StatusDocument doc = source_.take(selection_, clock_.wallSeconds());
    if (beforeText) beforeText(doc);
    std::string text = report::MetricsText(doc, status::SharedCatalogue());
    {
        std::lock_guard lock(mutex_);
        text_ = text;
        ++rounds_;
    }
    if (afterRound) afterRound(text);
}

std::string MetricsPoller::scrape() const {
    std::lock_guard lock(mutex_);
    return text_;
}

int MetricsPoller::rounds() const {
    std::lock_guard lock(mutex_);
    return rounds_;
}

void MetricsPoller::start() {
    poll();
    std::lock_guard lock(runMutex_);
    if (thread_.joinable()) return;
    stopping_ = false;
    running_ = true;
    thread_ = std::thread([this] { run(); });
}

void MetricsPoller::run() {
    std::unique_lock lock(runMutex_);
    while (!stopping_) {
        if (wake_.wait_for(lock, std::chrono::milliseconds(intervalMs_),
                           [this] { return stopping_; }))
            break;
        lock.unlock();
        poll();
        lock.lock();
    }
    running_ = false;
    wake_.notify_all();
}

bool MetricsPoller::stop(std::int64_t waitMs) {
    std::unique_lock lock(runMutex_);
    if (!thread_.joinable()) return true;
    stopping_ = true;
    wake_.notify_all();
    const bool ended = waitMs < 0 ? (wake_.wait(lock, [this] { return !running_; }), true)
                                  : wake_.wait_for(lock, std::chrono::milliseconds(waitMs),
                                                   [this] { return !running_; });
    lock.unlock();
    if (ended)
        thread_.join();
    else
        thread_.detach();  // a round that does not end keeps its thread; the process ends
    return ended;
}

std::string TextfilePath(const std::string& dir) {
    return dir + "/orvan_printers.prom";
}

}  // namespace orvan::headless
