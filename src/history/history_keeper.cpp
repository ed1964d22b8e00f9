#include "history/history_keeper.h"

#include <sys/stat.h>

#include <cstdlib>

#include "history/history_queries.h"

namespace orvan::history {
namespace {

// An environment folder is used only when it is an absolute path.
std::string absoluteEnv(const char* name) {
    const char* value = std::getenv(name);
    return value && value[0] == '/' ? value : "";
}

}  // namespace

std::string DefaultStorePath(bool create) {
    std::string state = absoluteEnv("XDG_STATE_HOME");
    if (state.empty()) {
        const std::string home = absoluteEnv("HOME");
        if (home.empty()) return "";
        state = home + "/.local/state";
        if (create) {
            mkdir((home + "/.local").c_str(), 0700);
            mkdir(state.c_str(), 0700);
        }
    } else if (create) {
        mkdir(state.c_str(), 0700);
    }
    const std::string dir = state + "/orvan-status-monitor";
    if (create) mkdir(dir.c_str(), 0700);
    return dir + "/history.sqlite3";
}

HistoryKeeper::HistoryKeeper(std::string path, const status::ErrorCatalogue& catalogue, Say say,
                             Retention retention)
    : path_(std::move(path)), recorder_(catalogue), say_(std::move(say)), retention_(retention) {}

// why is a copy: it may be the text of the store this lets go.
void HistoryKeeper::giveUp(std::string why) {
    store_.reset();
    if (failed_) return;
    failed_ = true;
    if (say_) say_("History is off: " + path_ + ": " + why);
}

Store* HistoryKeeper::store() {
    if (failed_) return nullptr;
    if (!store_) {
        std::string why;
        if (path_.empty()) {
            giveUp("no folder for it (HOME is not set)");
            return nullptr;
        }
        store_ = Store::open(path_, why);
        if (!store_) giveUp(why);
    }
    return store_.get();
}

void HistoryKeeper::write(const Batch& batch, std::int64_t now) {
    if (batch.empty() && retainedAt_ != 0 && now - retainedAt_ < kRetentionIntervalSeconds) return;
    Store* s = store();
    if (!s) return;
    if (!s->write(batch)) return giveUp(s->error());
    if (retainedAt_ == 0 || now - retainedAt_ >= kRetentionIntervalSeconds) {
        retainedAt_ = now;
        if (!s->applyRetention(now, retention_)) giveUp(s->error());
    }
}

void HistoryKeeper::observe(const report::PrinterReport& report, std::int64_t now) {
    if (failed_) return;
    write(recorder_.observe(report, now), now);
}

void HistoryKeeper::audit(const PrinterName& printer, const AuditEntry& entry) {
    if (failed_) return;
    Batch batch;
    batch.printer = printer;
    batch.audit = entry;
    write(batch, entry.at);
}

report::SupplyForecast HistoryKeeper::forecast(const std::string& printer, std::int64_t now) {
    Store* s = store();
    return s ? ForecastFor(*s, printer, now) : report::SupplyForecast{};
}

}  // namespace orvan::history
