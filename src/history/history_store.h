#pragma once
// The history's SQLite file: its schema (numbered by PRAGMA user_version and
// brought up to date by migrations), one transaction per write, and the
// retention that keeps it within an age and a size. A file that is damaged,
// locked by another program for longer than a moment, or made by a newer
// program is refused with the reason; the callers carry on without history.
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "history/history_records.h"
#include "history/sqlite_db.h"

namespace orvan::history {

// The schema this program writes.
inline constexpr int kSchemaVersion = 2;
// How long a write waits for another process's transaction.
inline constexpr int kBusyTimeoutMs = 250;

struct Retention {
    std::int64_t maxAgeDays = 400;
    std::int64_t maxBytes = 256LL * 1024 * 1024;
};

class Store {
  public:
    // Opens or creates the file, in WAL mode, migrated to kSchemaVersion. A
    // read-only store never creates nor migrates: an older schema than this
    // program reads is refused as well.
    static std::unique_ptr<Store> open(const std::string& path, std::string& why,
                                       bool readOnly = false);
    Store(const Store&) = delete;
    Store& operator=(const Store&) = delete;

    // Everything in batch, in one transaction; false (with error()) when
    // nothing of it was stored.
    bool write(const Batch& batch);
    // Many batches in one transaction (a generated past, an import).
    bool writeAll(const std::vector<Batch>& batches);
    // Removes what is older than the retention's age, then the oldest rows
    // until the used pages fit its size. False on a failure.
    bool applyRetention(std::int64_t now, const Retention& retention);

    int schemaVersion();
    // Bytes of the file's pages in use.
    std::int64_t usedBytes();
    const std::string& error() const { return error_; }
    Database& db() { return *db_; }

  private:
    explicit Store(std::unique_ptr<Database> db) : db_(std::move(db)) {}
    bool migrate(std::string& why);
    std::optional<std::int64_t> printerId(const PrinterName& printer);
    bool writeRows(std::int64_t printer, const Batch& batch);
    bool trimOldest(std::int64_t maxBytes);
    bool fail();

    std::unique_ptr<Database> db_;
    std::map<std::string, std::pair<std::int64_t, std::string>> printerIds_;  // key: id, name
    std::string error_;
};

}  // namespace orvan::history
