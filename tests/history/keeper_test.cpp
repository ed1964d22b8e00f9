// The keeper: what it records reaches the store, a store it cannot use is
// said once and the rest carries on, the retention runs once a day, and the
// store's place follows XDG_STATE_HOME.
#include <gtest/gtest.h>

#include <cstdlib>

#include "history/audit.h"
#include "history/history_keeper.h"
#include "history/history_queries.h"
#include "history_rig.h"

namespace orvan::testing {
namespace {

TEST(HistoryKeeper, AStoreItCannotUseIsSaidOnceAndNothingElseChanges) {
    struct Case {
        const char* name;
        std::function<void(HistoryRig&)> spoil;
        const char* why;
    };
    const Case cases[] = {
        {"damaged", [](HistoryRig& r) { ScratchDir::write(r.path, std::string(4096, 'x')); },
         "not a database"},
        {"a folder in its place", [](HistoryRig& r) { std::filesystem::create_directory(r.path); },
         "unable to open"},
    };
    for (const auto& c : cases) {
        HistoryRig rig;
        c.spoil(rig);
        std::vector<std::string> said;
        history::HistoryKeeper keeper(rig.path, catalogue(),
                                      [&](const std::string& m) { said.push_back(m); });
        report::PrinterReport r = plainPrinter();
        for (int i = 0; i < 50; ++i) {
            r.status.printerResult = i % 2 ? -0x0102D000 : 0;
            keeper.observe(r, kT0 + 2 * i);
        }
        keeper.audit({"usb:0:0", "USB:Unit1"}, history::AuditOf("s", "p", 0, kT0 + 200, "ann"));
        ASSERT_EQ(said.size(), 1u) << c.name;
        EXPECT_NE(said[0].find(c.why), std::string::npos) << c.name << ": " << said[0];
        EXPECT_NE(said[0].find(rig.path), std::string::npos) << c.name;
        EXPECT_FALSE(keeper.working()) << c.name;
        EXPECT_FALSE(keeper.forecast("usb:0:0", kT0).inkDaysLeft) << c.name;
    }
}

TEST(HistoryKeeper, AStoreAnotherProgramHoldsIsSaidOnceAndTheKeeperGoesOnWithout) {
    HistoryRig rig;
    ASSERT_TRUE(rig.open());
    sqlite3* other = nullptr;
    sqlite3_open(rig.path.c_str(), &other);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
    std::vector<std::string> said;
    history::HistoryKeeper keeper(rig.path, catalogue(),
                                  [&](const std::string& m) { said.push_back(m); });
    report::PrinterReport r = plainPrinter();
    for (int i = 0; i < 5; ++i) {
        r.status.printerState = i % 2 ? 50 : 0;
        keeper.observe(r, kT0 + 2 * i);
    }
    sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(other);
    ASSERT_EQ(said.size(), 1u);
    EXPECT_NE(said[0].find("locked"), std::string::npos) << said[0];
    EXPECT_FALSE(keeper.working());
    EXPECT_EQ(rig.count("events"), 0);
}

TEST(HistoryKeeper, ObservationsAndWritesAreStoredAndTheRetentionRunsDaily) {
    HistoryRig rig;
    int said = 0;
    history::HistoryKeeper keeper(rig.path, catalogue(), [&](const std::string&) { ++said; },
                                  {10, 1LL << 30});
    report::PrinterReport r = plainPrinter();
    keeper.observe(r, kT0);
    keeper.audit({"usb:0:0", "USB:Unit1"},
                 history::AuditOf("Printer Setting", "page 0x21", 0, kT0 + 1, "ann"));
    EXPECT_EQ(rig.count("events"), 2);
    EXPECT_EQ(rig.count("audit"), 1);
    // Eleven days on, the first day's rows are past the age, but the
    // retention waits for its day.
    r.status.printerState = 50;
    keeper.observe(r, kT0 + 11 * kDaySeconds);
    EXPECT_EQ(rig.count("events"), 1) << "the retention ran: a day had passed";
    r.status.printerState = 0;
    keeper.observe(r, kT0 + 11 * kDaySeconds + 60);
    EXPECT_EQ(rig.count("events"), 2);
    EXPECT_EQ(said, 0);
    EXPECT_TRUE(keeper.working());
}

TEST(HistoryKeeper, TheStoreLivesInTheUsersStateFolder) {
    ScratchDir home;
    const std::string savedHome = std::getenv("HOME") ? std::getenv("HOME") : "";
    const char* savedStateEnv = std::getenv("XDG_STATE_HOME");
    const std::string savedState = savedStateEnv ? savedStateEnv : "";
    setenv("HOME", home.path().c_str(), 1);
    struct Case {
        const char* state;  // nullptr: unset
        std::string expected;
    };
    const Case cases[] = {
        {nullptr, home.file(".local/state/orvan-status-monitor/history.sqlite3")},
        {"relative/dir", home.file(".local/state/orvan-status-monitor/history.sqlite3")},
        {"/somewhere", "/somewhere/orvan-status-monitor/history.sqlite3"},
    };
    for (const auto& c : cases) {
        if (c.state)
            setenv("XDG_STATE_HOME", c.state, 1);
        else
            unsetenv("XDG_STATE_HOME");
        EXPECT_EQ(history::DefaultStorePath(false), c.expected) << (c.state ? c.state : "unset");
    }
    unsetenv("XDG_STATE_HOME");
    history::DefaultStorePath(true);
    EXPECT_TRUE(std::filesystem::is_directory(home.file(".local/state/orvan-status-monitor")));
    setenv("HOME", savedHome.c_str(), 1);
    if (savedStateEnv) setenv("XDG_STATE_HOME", savedState.c_str(), 1);
}

}  // namespace
}  // namespace orvan::testing
