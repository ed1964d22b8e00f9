#pragma once
// The history as whatever watches printers keeps it: the store opened at the
// first thing to record, each observation and write recorded, the retention
// applied once a day. When the store cannot be opened or a write fails (a
// damaged file, another program holding it), say() is told once and the
// keeper carries on without history.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "history/event_recorder.h"
#include "history/history_store.h"

namespace orvan::history {

inline constexpr std::int64_t kRetentionIntervalSeconds = 86400;

// $XDG_STATE_HOME/orvan-status-monitor/history.sqlite3, XDG_STATE_HOME being
// ~/.local/state when unset or not absolute; "" without a home. The folder
// is made (mode 0700) when create is set.
std::string DefaultStorePath(bool create);

class HistoryKeeper {
  public:
    using Say = std::function<void(const std::string& message)>;

    HistoryKeeper(std::string path, const status::ErrorCatalogue& catalogue, Say say,
                  Retention retention = {});

    void observe(const report::PrinterReport& report, std::int64_t now);
    // A write to printer (its key and name) at entry.at.
    void audit(const PrinterName& printer, const AuditEntry& entry);
    // The forecast of a printer, from what is stored; empty without a store.
    report::SupplyForecast forecast(const std::string& printer, std::int64_t now);

    // False once the history has been given up.
    bool working() const { return !failed_; }
    const std::string& path() const { return path_; }

  private:
    Store* store();
    void write(const Batch& batch, std::int64_t now);
    void giveUp(std::string why);

    std::string path_;
    EventRecorder recorder_;
    Say say_;
    Retention retention_;
    std::unique_ptr<Store> store_;
    bool failed_ = false;
    std::int64_t retainedAt_ = 0;
};

}  // namespace orvan::history
