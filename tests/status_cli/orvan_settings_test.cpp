// orvan-settings as people and scripts run it, each step its own process on
// the one simulated world: save, change, diff, apply byte for byte, diff
// again; the refusals that write nothing; and with the monitor running, the
// job done by the monitor, not by the tool.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <sstream>
#include <thread>

#include "status_cli/user_world.h"

namespace orvan::testing {
namespace {

const std::string kSettings = ORVAN_BIN_DIR "/orvan-settings";

struct SettingsUser : UserWorld {
    SettingsUser() {
        program = kSettings;
        env["XDG_STATE_HOME"] = dir.file("state");
    }
    std::string file(const std::string& name) { return dir.file(name); }
    // The mode select requests the printers received, one per line, in hex.
    std::vector<std::string> selects() {
        std::vector<std::string> out;
        std::istringstream log(ScratchDir::read(dir.file("calls.log")));
        for (std::string line; std::getline(log, line);)
            if (line.rfind("KQCMD_ModeSelect ", 0) == 0) out.push_back(line.substr(17));
        return out;
    }
};

TEST(OrvanSettings, SavesDiffsAndAppliesOneStepAtATimeOnTheOneSimulatedWorld) {
    SettingsUser user;
    Finished f = user.run({"save", "-o", user.file("unit1.json")});
    ASSERT_EQ(f.exitCode, 0) << f.err;
    user.sim("usb 0 page 0x28 41 5");
    user.sim("usb 0 page 0x28 46 7");
    user.sim("usb 0 page 0x2C 4 9");

    f = user.run({"diff", user.file("unit1.json")});
    EXPECT_EQ(f.exitCode, 1);
    EXPECT_EQ(f.out,
              "USB:Unit1:\n"
              "  Resin K Ink Print Level    printer    2  file    0\n"
              "  Power Saving Interval      printer    7  file    2\n"
              "  Top Side Position          printer    2  file    0\n"
              "  3 to change, 32 the same\n");

    ::unlink(user.file("calls.log").c_str());
    f = user.run({"apply", user.file("unit1.json"), "--yes"});
    EXPECT_EQ(f.exitCode, 0) << f.out << f.err;
    EXPECT_EQ(user.selects(),
              (std::vector<std::string>{
                  "28 1e ff ff 02 02 02 02 01 ff ff 00 00 03 00 03 03 00 01 00 ff 00 02 03 03 ff "
                  "00 00 02 02 00 ff",
                  "2c 16 00 00 07 02 01 ff 01 01 ff ff ff ff 00 07 02 ff ff ff ff ff ff ff"}));
    EXPECT_EQ(user.run({"diff", user.file("unit1.json")}).exitCode, 0);
    int backups = 0;
    for (const auto& e :
         std::filesystem::directory_iterator(user.file("state/orvan-status-monitor/backups")))
        backups += e.is_regular_file();
    EXPECT_EQ(backups, 1);
}

TEST(OrvanSettings, SkipsWhatAPrinterCannotTakeAndRefusesABadFileBeforeAnyCall) {
    SettingsUser user;
    ASSERT_EQ(user.run({"save", "-o", user.file("unit1.json")}).exitCode, 0);
    user.sim("usb 0 option laminator 0");
    user.sim("usb 0 page 0x28 41 5");
    Finished f = user.run({"apply", user.file("unit1.json"), "--yes"});
    EXPECT_EQ(f.exitCode, 0) << f.out;
    EXPECT_NE(f.out.find("10 this printer cannot take"), std::string::npos) << f.out;
    EXPECT_NE(f.out.find("skipped: no laminator fitted"), std::string::npos) << f.out;

    const struct {
        std::string text, said;
    } refused[] = {
        {R"({"schema": "orvan-settings", "version": 2, "settings": {}})", "another version"},
        {R"({"schema": "orvan-settings", "version": 1, "settings": {"Counters.Print": {"value": 1}}})",
         "Unknown setting \"Counters.Print\""},
        {R"({"schema": "orvan-settings", "version": 1, "settings": {"PrintCondition.Byte41": {"value": 9}}})",
         "Resin K Ink Print Level) is 9, outside -3..3"},
        {R"({"schema": "orvan-settings", "version": 1, "settings": )", "not valid JSON"},
    };
    for (const auto& r : refused) {
        ScratchDir::write(user.file("bad.json"), r.text);
        ::unlink(user.file("calls.log").c_str());
        f = user.run({"apply", user.file("bad.json"), "--yes"});
        EXPECT_EQ(f.exitCode, 3);
        EXPECT_NE(f.err.find(r.said), std::string::npos) << f.err;
        EXPECT_NE(f.err.find("nothing was written"), std::string::npos) << f.err;
        EXPECT_EQ(user.printerCalls(), 0) << r.text;
    }
}

TEST(OrvanSettings, WithTheMonitorRunningTheMonitorDoesTheJob) {
    SettingsUser user;
    ASSERT_EQ(user.run({"save", "-o", user.file("unit1.json")}).exitCode, 0);
    std::map<std::string, std::string> monitorEnv = user.env;
    monitorEnv["QT_QPA_PLATFORM"] = "offscreen";
    monitorEnv["ORVAN_SIM_CALL_LOG"] = user.file("monitor-calls.log");
    ChildProcess monitor({ORVAN_BIN_DIR "/OrvanStatusMonitor", "-s"}, monitorEnv,
                         user.file("monitor.err"));
    const auto socket = user.file("orvan-status-monitor.sock");
    for (int i = 0; i < 100 && !std::filesystem::exists(socket); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    ASSERT_TRUE(std::filesystem::exists(socket)) << ScratchDir::read(user.file("monitor.err"));

    user.sim("usb 0 page 0x28 41 5");
    ::unlink(user.file("calls.log").c_str());
    Finished f = user.run({"apply", user.file("unit1.json"), "--yes"});
    EXPECT_EQ(f.exitCode, 0) << f.out << f.err;
    EXPECT_NE(f.out.find("1 setting now matches the file"), std::string::npos) << f.out;
    EXPECT_EQ(user.run({"diff", user.file("unit1.json")}).exitCode, 0);
    EXPECT_EQ(user.printerCalls(), 0);  // the tool itself called no printer
    monitor.signal(SIGTERM);
}

}  // namespace
}  // namespace orvan::testing
