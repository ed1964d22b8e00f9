#pragma once
// The metrics of a running server. The printers are polled on a thread of
// their own, on their own schedule, whether or not anyone scrapes; a scrape
// copies the last round's text and never waits for a printer, however slow
// a round is. Scrapes may come from several threads at once.
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

#include "headless/status_source.h"

namespace orvan::headless {

inline constexpr std::int64_t kMinPollIntervalMs = 2000;
inline constexpr std::int64_t kDefaultPollIntervalMs = 10000;

class MetricsPoller {
  public:
    struct Clock {
        std::function<std::int64_t()> wallSeconds;
        static Clock system();
    };

    MetricsPoller(StatusSource& source, Selection selection, Clock clock,
                  std::int64_t intervalMs = kDefaultPollIntervalMs);
    ~MetricsPoller();
    MetricsPoller(const MetricsPoller&) = delete;
    MetricsPoller& operator=(const MetricsPoller&) = delete;

    // One round now: the printers are asked, the text kept, afterRound run.
    void poll();
    // The last round's text ("" before the first); never asks a printer.
    std::string scrape() const;
    int rounds() const;
    // Runs on each round's printers before their metrics are made (the
    // history records them and adds their forecasts here), on the polling
    // thread.
    std::function<void(report::StatusDocument& doc)> beforeText;
    // Runs after each round with its metrics (the textfile is written here),
    // on the polling thread.
    std::function<void(const std::string& metrics)> afterRound;

    // Polls on a thread of its own: the first round before start returns,
    // then one every interval, counted from the end of the round before.
    void start();
    // Asks the thread to end and waits for it up to waitMs; false when a
    // round is still running then (the thread ends with it).
    bool stop(std::int64_t waitMs);

  private:
    void run();

    StatusSource& source_;
    Selection selection_;
    Clock clock_;
    std::int64_t intervalMs_;
    mutable std::mutex mutex_;  // the text and the count
    std::string text_;
    int rounds_ = 0;
    std::mutex runMutex_;  // the thread's schedule
    std::condition_variable wake_;
    bool stopping_ = false, running_ = false;
    std::thread thread_;
};

// The textfile collector's file in dir.
std::string TextfilePath(const std::string& dir);

}  // namespace orvan::headless
