#pragma once
// The metrics of a running server: however often they are scraped, the
// printers are asked at most once per interval; scrapes in between get the
// text of the last round. Scrapes may come from several threads at once.
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <string>

#include "headless/status_source.h"

namespace orvan::headless {

inline constexpr std::int64_t kMinPollIntervalMs = 2000;

class MetricsPoller {
  public:
    struct Clock {
        std::function<std::int64_t()> monotonicMs;
        std::function<std::int64_t()> wallSeconds;
        static Clock system();
    };

    MetricsPoller(StatusSource& source, Selection selection, Clock clock,
                  std::int64_t minIntervalMs = kMinPollIntervalMs);

    // The metrics text, polling first when the last round is old enough.
    std::string scrape();
    int rounds() const;
    // Runs after each round with its metrics (the textfile is written here).
    std::function<void(const std::string& metrics)> afterRound;

  private:
    StatusSource& source_;
    Selection selection_;
    Clock clock_;
    std::int64_t minIntervalMs_;
    mutable std::mutex mutex_;
    std::optional<std::int64_t> lastRoundMs_;
    std::string text_;
    int rounds_ = 0;
};

// The textfile collector's file in dir.
std::string TextfilePath(const std::string& dir);

}  // namespace orvan::headless
