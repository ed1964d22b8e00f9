// The store: schema and migrations, refusal of files it cannot use, one
// transaction per write, retention by age and by size.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include "history/history_queries.h"
#include "history_rig.h"

namespace orvan::testing {
namespace {

using history::Batch;
using history::EventKind;
using history::Statement;
using history::Store;

Batch eventAt(std::int64_t at, const std::string& text = "Ready") {
    Batch b;
    b.printer = {"usb:0:0", "USB:Unit1"};
    b.events.push_back({at, EventKind::PrinterState, 0, text, {}});
    return b;
}

TEST(HistoryStore, NewAndOlderFilesAreBroughtToTheCurrentSchemaInWalMode) {
    HistoryRig rig;
    {
        // A file as the first version left it: no audit table yet.
        sqlite3* db = nullptr;
        sqlite3_open(rig.path.c_str(), &db);
        sqlite3_exec(db,
                     "CREATE TABLE printers (id INTEGER PRIMARY KEY, key TEXT NOT NULL UNIQUE, "
                     "name TEXT NOT NULL); CREATE TABLE events (printer INTEGER, at INTEGER, kind "
                     "INTEGER, code INTEGER, text TEXT); CREATE TABLE levels (printer INTEGER, at "
                     "INTEGER, ink INTEGER, film INTEGER); CREATE TABLE counters (printer INTEGER, "
                     "at INTEGER, print INTEGER, total INTEGER, head INTEGER, cleaning INTEGER, "
                     "error INTEGER, laminator INTEGER); INSERT INTO printers VALUES (1, "
                     "'usb:0:0', 'USB:Unit1'); INSERT INTO events VALUES (1, 5, 3, 0, 'Ready'); "
                     "PRAGMA user_version = 1;",
                     nullptr, nullptr, nullptr);
        sqlite3_close(db);
    }
    auto store = rig.open();
    ASSERT_TRUE(store);
    EXPECT_EQ(store->schemaVersion(), history::kSchemaVersion);
    EXPECT_EQ(rig.count("events"), 1) << "the old rows stay";
    EXPECT_EQ(rig.count("audit"), 0) << "the new table is there";
    Batch audit;
    audit.printer = {"usb:0:0", "USB:Unit1"};
    audit.audit = history::AuditEntry{7, "printer_setting", "page 0x21", true, 0, "ann", {}};
    EXPECT_TRUE(store->write(audit));
    EXPECT_EQ(rig.count("audit"), 1);
    store.reset();

    HistoryRig fresh;
    ASSERT_TRUE(fresh.open());
    EXPECT_EQ(fresh.scalar("PRAGMA user_version"), history::kSchemaVersion);
    std::string why;
    auto again = Store::open(fresh.path, why, true);
    ASSERT_TRUE(again) << why;
    EXPECT_EQ(again->db().scalar("PRAGMA journal_mode").has_value(), true);
    Statement mode = again->db().prepare("PRAGMA journal_mode");
    ASSERT_TRUE(mode.step());
    EXPECT_EQ(mode.text(0), "wal");
}

TEST(HistoryStore, FilesItCannotUseAreRefusedWithTheReason) {
    struct Case {
        const char* name;
        std::string contents;  // the file as found; empty: made by the case
        const char* why;
    };
    const std::string garbage(8192, '\x5a');
    const std::string header = std::string("SQLite format 3\0", 16) + std::string(4080, '\xff');
    const Case cases[] = {
        {"garbage", garbage, "not a database"},
        {"damaged header", header, ""},
    };
    for (const auto& c : cases) {
        HistoryRig rig;
        ScratchDir::write(rig.path, c.contents);
        std::string why;
        EXPECT_FALSE(Store::open(rig.path, why)) << c.name;
        EXPECT_FALSE(why.empty()) << c.name;
        EXPECT_NE(why.find(c.why), std::string::npos) << c.name << ": " << why;
    }
    // Made by a newer program.
    HistoryRig newer;
    ASSERT_TRUE(newer.open());
    {
        sqlite3* db = nullptr;
        sqlite3_open(newer.path.c_str(), &db);
        sqlite3_exec(db, "PRAGMA user_version = 99", nullptr, nullptr, nullptr);
        sqlite3_close(db);
    }
    std::string why;
    EXPECT_FALSE(Store::open(newer.path, why));
    EXPECT_NE(why.find("newer version"), std::string::npos) << why;
    // A folder that is not there.
    EXPECT_FALSE(Store::open("/nonexistent-folder/history.sqlite3", why));
}

TEST(HistoryStore, AWriteWhileAnotherProgramHoldsTheFileFailsWithinTheBusyTimeout) {
    HistoryRig rig;
    auto store = rig.open();
    ASSERT_TRUE(store);
    sqlite3* other = nullptr;
    sqlite3_open(rig.path.c_str(), &other);
    ASSERT_EQ(sqlite3_exec(other,
                           "BEGIN EXCLUSIVE; INSERT INTO printers (key, name) VALUES "
                           "('x', 'x')",
                           nullptr, nullptr, nullptr),
              SQLITE_OK);
    EXPECT_FALSE(store->write(eventAt(kT0)));
    EXPECT_NE(store->error().find("locked"), std::string::npos) << store->error();
    sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(other);
    // Nothing half-written stays; the next write goes through.
    EXPECT_EQ(rig.count("events"), 0);
    EXPECT_TRUE(store->write(eventAt(kT0)));
    EXPECT_EQ(rig.count("events"), 1);
}

TEST(HistoryStore, TextsLongerThanTheirLimitAreCutOnAWholeCharacter) {
    HistoryRig rig;
    auto store = rig.open();
    ASSERT_TRUE(store);
    struct Case {
        std::string text;
        std::size_t stored;
    };
    const std::string e = "\xc3\xa9";  // two bytes
    const Case cases[] = {
        {std::string(history::kMaxTextBytes, 'a'), history::kMaxTextBytes},
        {std::string(5000, 'a'), history::kMaxTextBytes},
        {std::string(history::kMaxTextBytes - 1, 'a') + e, history::kMaxTextBytes - 1},
    };
    std::int64_t at = kT0;
    for (const auto& c : cases) {
        Batch b = eventAt(++at, c.text);
        b.printer.name = std::string(10000, 'n');
        ASSERT_TRUE(store->write(b));
        const auto events = history::Events(*store, {"", {at, at + 1}, {}, "", 10});
        ASSERT_EQ(events.size(), 1u);
        EXPECT_EQ(events[0].text, c.text.substr(0, c.stored));
    }
    EXPECT_EQ(history::Printers(*store)[0].name.size(), history::kMaxTextBytes);
}

TEST(HistoryStore, RetentionRemovesRowsOlderThanItsAgeAndTheOldestBeyondItsSize) {
    HistoryRig rig;
    auto store = rig.open();
    ASSERT_TRUE(store);
    const std::int64_t now = kT0 + 500 * kDaySeconds;
    // One event a day for 500 days, with level and counter rows.
    for (int day = 0; day < 500; ++day) {
        Batch b = eventAt(kT0 + day * kDaySeconds);
        b.levels = history::LevelSample{kT0 + day * kDaySeconds, 50, 50};
        b.counters = history::CounterSample{kT0 + day * kDaySeconds, 1, 2, 3, 4, 5, 6};
        ASSERT_TRUE(store->write(b));
    }
    ASSERT_TRUE(store->applyRetention(now, {400, 1LL << 30}));
    for (const char* table : {"events", "levels", "counters"}) {
        EXPECT_EQ(rig.count(table), 400) << table;
        EXPECT_EQ(rig.scalar(std::string("SELECT min(at) FROM ") + table), now - 400 * kDaySeconds)
            << table;
    }
    // A size cap below what is stored: the oldest go first, the newest stay.
    for (int i = 0; i < 3000; ++i)
        ASSERT_TRUE(store->write(eventAt(now + i, std::string(400, 'x'))));
    const std::int64_t before = store->usedBytes();
    ASSERT_TRUE(store->applyRetention(now + 3000, {400, before / 2}));
    EXPECT_LE(store->usedBytes(), before / 2);
    EXPECT_EQ(rig.scalar("SELECT max(at) FROM events"), now + 2999);
    EXPECT_GT(rig.count("events"), 0);
}

}  // namespace
}  // namespace orvan::testing
