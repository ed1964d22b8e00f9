// The history from outside: orvan-history-gen refuses what is past its
// limits, and orvan-status tells the days of ink and film left from the
// history of the user's state folder.
#include <gtest/gtest.h>

#include <filesystem>

#include "profile/scratch_dir.h"
#include "status_cli/child_process.h"

namespace orvan::testing {
namespace {

const std::string kGenerator = ORVAN_BIN_DIR "/orvan-history-gen";
const std::string kStatus = ORVAN_BIN_DIR "/orvan-status";

TEST(HistoryGenerator, ArgumentsPastTheirLimitsAreRefusedWithTheUsage) {
    ScratchDir dir;
    const std::string file = dir.file("h.sqlite3");
    struct Case {
        std::vector<std::string> args;
        int exitCode;
    };
    const Case cases[] = {
        {{}, 2},
        {{file, "0"}, 2},
        {{file, "101"}, 2},
        {{file, "2", "801"}, 2},
        {{file, "2", "ten"}, 2},
        {{file, "2", "3", "99999999999999999999"}, 2},
        {{file, "1", "2", "3", "4"}, 2},
        {{"--help"}, 0},
        {{dir.file("no/such/folder/h.sqlite3"), "1", "2"}, 1},
        {{file, "2", "3"}, 0},
    };
    for (const auto& c : cases) {
        std::vector<std::string> argv{kGenerator};
        argv.insert(argv.end(), c.args.begin(), c.args.end());
        const Finished f = ChildProcess(argv, {}, dir.file("err")).wait();
        EXPECT_EQ(f.exitCode, c.exitCode) << (c.args.empty() ? "" : c.args.back());
        if (c.exitCode == 2) {
            EXPECT_NE(ScratchDir::read(dir.file("err")).find("usage:"), std::string::npos);
        }
    }
    EXPECT_TRUE(std::filesystem::exists(file));
}

TEST(HistoryGenerator, OrvanStatusTellsTheDaysLeftFromTheUsersHistory) {
    ScratchDir dir;
    const std::map<std::string, std::string> env{
        {"XDG_RUNTIME_DIR", dir.path().string()},   {"XDG_STATE_HOME", dir.file("state")},
        {"ORVAN_SIM_CONTROL", dir.file("sim.ctl")}, {"ORVAN_SIM_CALL_LOG", dir.file("calls.log")},
        {"ORVAN_SYSTEM_LIBDIR", ORVAN_BIN_DIR},
    };
    // Without history: the figures alone.
    Finished f = ChildProcess({kStatus, "--printer", "USB:Unit1"}, env, dir.file("err")).wait();
    EXPECT_NE(f.out.find("; ink "), std::string::npos) << f.out;
    EXPECT_EQ(f.out.find("(about"), std::string::npos) << f.out;
    // A month of the printer's history: the days left follow its figures.
    std::filesystem::create_directories(dir.file("state/orvan-status-monitor"));
    const std::string store = dir.file("state/orvan-status-monitor/history.sqlite3");
    ASSERT_EQ(ChildProcess({kGenerator, store, "1", "30"}, {}, dir.file("gen.err")).wait().exitCode,
              0);
    f = ChildProcess({kStatus, "--printer", "USB:Unit1"}, env, dir.file("err")).wait();
    EXPECT_NE(f.out.find("% (about "), std::string::npos) << f.out;
}

}  // namespace
}  // namespace orvan::testing
