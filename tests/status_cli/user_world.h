#pragma once
// One user's world for the programs a test runs as child processes.
#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "simulator/control_journal.h"
#include "status_cli/child_process.h"

namespace orvan::testing {

// One user's world: a runtime directory, the simulator's control file and
// the log of every printer call the stand-in libraries answer.
struct UserWorld {
    std::string program = ORVAN_BIN_DIR "/orvan-status";
    ScratchDir dir;
    std::map<std::string, std::string> env{
        {"XDG_RUNTIME_DIR", dir.path().string()},
        {"ORVAN_SIM_CONTROL", dir.file("sim.ctl")},
        {"ORVAN_SIM_CALL_LOG", dir.file("calls.log")},
        {"ORVAN_SYSTEM_LIBDIR", ORVAN_BIN_DIR},
    };

    void sim(const std::string& line) {
        ASSERT_TRUE(sim::appendControlLine(dir.file("sim.ctl"), line));
    }
    ChildProcess start(std::vector<std::string> args) {
        args.insert(args.begin(), program);
        return ChildProcess(args, env, dir.file("stderr"));
    }
    Finished run(const std::vector<std::string>& args) { return start(args).wait(); }
    Finished tool(const std::vector<std::string>& argv) {
        return ChildProcess(argv, {}, dir.file("tool.err")).wait();
    }
    int printerCalls() {
        const std::string log = ScratchDir::read(dir.file("calls.log"));
        return static_cast<int>(std::count(log.begin(), log.end(), '\n'));
    }
};

}  // namespace orvan::testing
