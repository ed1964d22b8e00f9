#include "history/history_store.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <array>

namespace orvan::history {
namespace {

// Migration i brings a store from version i to i + 1. Never edit one that
// has shipped: add the next.
constexpr std::array<const char*, kSchemaVersion> kMigrations = {
    // 0 -> 1: printers, their events, levels and counters.
    "CREATE TABLE printers (id INTEGER PRIMARY KEY, key TEXT NOT NULL UNIQUE, name TEXT NOT NULL);"
    "CREATE TABLE events (printer INTEGER NOT NULL REFERENCES printers(id), at INTEGER NOT NULL,"
    " kind INTEGER NOT NULL, code INTEGER NOT NULL, text TEXT NOT NULL);"
    "CREATE INDEX events_by_time ON events (printer, at);"
    "CREATE TABLE levels (printer INTEGER NOT NULL REFERENCES printers(id), at INTEGER NOT NULL,"
    " ink INTEGER, film INTEGER);"
    "CREATE INDEX levels_by_time ON levels (printer, at);"
    "CREATE TABLE counters (printer INTEGER NOT NULL REFERENCES printers(id), at INTEGER NOT NULL,"
    " print INTEGER, total INTEGER, head INTEGER, cleaning INTEGER, error INTEGER,"
    " laminator INTEGER);"
    "CREATE INDEX counters_by_time ON counters (printer, at);",
    // 1 -> 2: the audit of writes to the printers.
    "CREATE TABLE audit (printer INTEGER NOT NULL REFERENCES printers(id), at INTEGER NOT NULL,"
    " screen TEXT NOT NULL, settings TEXT NOT NULL, ok INTEGER NOT NULL, result INTEGER NOT NULL,"
    " user TEXT NOT NULL);"
    "CREATE INDEX audit_by_time ON audit (printer, at);",
};

constexpr std::array<const char*, 4> kTables = {"events", "levels", "counters", "audit"};

// Over its size, the store loses a sixteenth of each table's rows per step
// (at most this many), so a huge store is trimmed in bounded steps and a
// small one keeps most of its rows.
constexpr std::int64_t kMaxTrimRowsPerStep = 20000;
constexpr std::int64_t kTrimFraction = 16;
constexpr int kMaxTrimSteps = 200;

std::optional<std::int64_t> opt(const std::optional<int>& v) {
    return v ? std::optional<std::int64_t>(*v) : std::nullopt;
}

}  // namespace

std::unique_ptr<Store> Store::open(const std::string& path, std::string& why, bool readOnly) {
    // The history is the user's own: a new file is readable by him alone
    // (SQLite gives its journal files the same mode).
    if (!readOnly) {
        const int fd = ::open(path.c_str(), O_CREAT | O_WRONLY | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd >= 0) ::close(fd);
    }
    auto db = Database::open(path, readOnly, kBusyTimeoutMs, why);
    if (!db) return nullptr;
    std::unique_ptr<Store> store(new Store(std::move(db)));
    const auto version = store->db_->scalar("PRAGMA user_version");
    if (!version) {
        why = store->db_->error();
        return nullptr;
    }
    if (*version > kSchemaVersion) {
        why = "it was made by a newer version of this program (schema " + std::to_string(*version) +
              ")";
        return nullptr;
    }
    if (readOnly) {
        if (*version < kSchemaVersion) {
            why = "it has an older schema (" + std::to_string(*version) + ")";
            return nullptr;
        }
        return store;
    }
    // Space freed by retention goes back to the file system bit by bit;
    // the setting only takes on a new file.
    if (*version == 0 && !store->db_->exec("PRAGMA auto_vacuum = INCREMENTAL")) {
        why = store->db_->error();
        return nullptr;
    }
    // A bounded page cache: a recorder that runs for months stays the size it
    // starts at (SQLite's own default lets it grow to 2 MB).
    if (!store->db_->exec("PRAGMA journal_mode = WAL; PRAGMA synchronous = NORMAL; "
                          "PRAGMA cache_size = -512") ||
        !store->migrate(why)) {
        if (why.empty()) why = store->db_->error();
        return nullptr;
    }
    return store;
}

bool Store::migrate(std::string& why) {
    for (int v = static_cast<int>(*db_->scalar("PRAGMA user_version")); v < kSchemaVersion; ++v) {
        const std::string sql = std::string("BEGIN IMMEDIATE;") + kMigrations[v] +
                                "PRAGMA user_version = " + std::to_string(v + 1) + "; COMMIT;";
        if (!db_->exec(sql)) {
            why = db_->error();
            db_->exec("ROLLBACK");
            return false;
        }
    }
    return true;
}

int Store::schemaVersion() {
    return static_cast<int>(db_->scalar("PRAGMA user_version").value_or(-1));
}

std::int64_t Store::usedBytes() {
    const auto pages = db_->scalar("PRAGMA page_count").value_or(0);
    const auto free = db_->scalar("PRAGMA freelist_count").value_or(0);
    return (pages - free) * db_->scalar("PRAGMA page_size").value_or(0);
}

bool Store::fail() {
    error_ = db_->error();
    db_->exec("ROLLBACK");
    return false;
}

std::optional<std::int64_t> Store::printerId(const PrinterName& printer) {
    const auto known = printerIds_.find(printer.key);
    if (known != printerIds_.end() && known->second.second == printer.name)
        return known->second.first;
    Statement s = db_->prepare(
        "INSERT INTO printers (key, name) VALUES (?1, ?2) ON CONFLICT(key) DO UPDATE SET "
        "name = excluded.name RETURNING id");
    s.bind(1, Bounded(printer.key)).bind(2, Bounded(printer.name));
    if (!s.step()) return std::nullopt;
    const std::int64_t id = s.integer(0);
    s.run();
    printerIds_[printer.key] = {id, printer.name};
    return id;
}

bool Store::write(const Batch& batch) {
    if (batch.empty()) return true;
    if (!db_->exec("BEGIN IMMEDIATE")) return fail();
    const auto id = printerId(batch.printer);
    if (!id || !writeRows(*id, batch)) {
        printerIds_.clear();  // a rolled-back insert leaves no id behind
        return fail();
    }
    if (!db_->exec("COMMIT")) {
        printerIds_.clear();
        return fail();
    }
    return true;
}

bool Store::writeAll(const std::vector<Batch>& batches) {
    if (!db_->exec("BEGIN IMMEDIATE")) return fail();
    for (const Batch& batch : batches) {
        if (batch.empty()) continue;
        const auto id = printerId(batch.printer);
        if (!id || !writeRows(*id, batch)) {
            printerIds_.clear();
            return fail();
        }
    }
    if (!db_->exec("COMMIT")) {
        printerIds_.clear();
        return fail();
    }
    return true;
}

bool Store::writeRows(std::int64_t printer, const Batch& batch) {
    for (const Event& e : batch.events) {
        Statement s = db_->prepare("INSERT INTO events VALUES (?1, ?2, ?3, ?4, ?5)");
        s.bind(1, printer).bind(2, e.at).bind(3, static_cast<std::int64_t>(e.kind));
        if (!s.bind(4, e.code).bind(5, Bounded(e.text)).run()) return false;
    }
    if (const auto& l = batch.levels) {
        Statement s = db_->prepare("INSERT INTO levels VALUES (?1, ?2, ?3, ?4)");
        if (!s.bind(1, printer).bind(2, l->at).bind(3, opt(l->ink)).bind(4, opt(l->film)).run())
            return false;
    }
    if (const auto& c = batch.counters) {
        Statement s = db_->prepare("INSERT INTO counters VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8)");
        s.bind(1, printer).bind(2, c->at).bind(3, c->print).bind(4, c->total).bind(5, c->head);
        if (!s.bind(6, c->cleaning).bind(7, c->error).bind(8, c->laminator).run()) return false;
    }
    if (const auto& a = batch.audit) {
        Statement s = db_->prepare("INSERT INTO audit VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7)");
        s.bind(1, printer).bind(2, a->at).bind(3, Bounded(a->screen)).bind(4, Bounded(a->settings));
        if (!s.bind(5, std::int64_t{a->ok}).bind(6, a->result).bind(7, Bounded(a->user)).run())
            return false;
    }
    return true;
}

bool Store::applyRetention(std::int64_t now, const Retention& retention) {
    const std::int64_t oldest = now - retention.maxAgeDays * 86400;
    if (!db_->exec("BEGIN IMMEDIATE")) return fail();
    for (const char* table : kTables) {
        Statement s = db_->prepare(std::string("DELETE FROM ") + table + " WHERE at < ?1");
        if (!s.bind(1, oldest).run()) return fail();
    }
    if (!db_->exec("COMMIT")) return fail();
    if (!trimOldest(retention.maxBytes)) return fail();
    db_->exec("PRAGMA incremental_vacuum");
    return true;
}

// The oldest rows of every table go first, a step at a time, until the pages
// in use fit maxBytes.
bool Store::trimOldest(std::int64_t maxBytes) {
    for (int step = 0; step < kMaxTrimSteps && usedBytes() > maxBytes; ++step) {
        if (!db_->exec("BEGIN IMMEDIATE")) return false;
        bool any = false;
        for (const char* table : kTables) {
            const std::int64_t rows =
                db_->scalar(std::string("SELECT count(*) FROM ") + table).value_or(0);
            const std::int64_t trim =
                std::min(kMaxTrimRowsPerStep, (rows + kTrimFraction - 1) / kTrimFraction);
            Statement s = db_->prepare(std::string("DELETE FROM ") + table +
                                       " WHERE rowid IN (SELECT rowid FROM " + table +
                                       " ORDER BY at LIMIT ?1)");
            if (!s.bind(1, trim).run()) return false;
            any = any || db_->scalar("SELECT changes()").value_or(0) > 0;
        }
        if (!db_->exec("COMMIT")) return false;
        if (!any) break;
        db_->exec("PRAGMA incremental_vacuum");
    }
    return true;
}

}  // namespace orvan::history
