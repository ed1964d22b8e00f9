#pragma once
// A store in a scratch folder and printers observed at given times, for the
// history tests.
#include <sqlite3.h>

#include <memory>
#include <string>

#include "history/history_store.h"
#include "profile/scratch_dir.h"
#include "report/report_fixture.h"

namespace orvan::testing {

inline constexpr std::int64_t kT0 = 1780000000;  // a Monday in 2026
inline constexpr std::int64_t kDaySeconds = 86400;

struct HistoryRig {
    ScratchDir dir;
    std::string path = dir.file("history.sqlite3");

    std::unique_ptr<history::Store> open() {
        std::string why;
        auto store = history::Store::open(path, why);
        if (!store) ADD_FAILURE() << why;
        return store;
    }

    // Rows in a table, read by a connection of the test's own.
    std::int64_t count(const std::string& table) const {
        return scalar("SELECT count(*) FROM " + table);
    }
    std::int64_t scalar(const std::string& sql) const {
        sqlite3* db = nullptr;
        sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
        sqlite3_stmt* st = nullptr;
        std::int64_t value = -1;
        if (sqlite3_prepare_v2(db, sql.c_str(), -1, &st, nullptr) == SQLITE_OK &&
            sqlite3_step(st) == SQLITE_ROW)
            value = sqlite3_column_int64(st, 0);
        sqlite3_finalize(st);
        sqlite3_close(db);
        return value;
    }
};

// The fixture's printer without a laminator, ink 40 of 50 (80 %), film 8 of 10.
inline report::PrinterReport plainPrinter() {
    report::PrinterReport r = readyPrinter();
    r.details.laminatorInstalled = false;
    return r;
}

}  // namespace orvan::testing
