// The simulated printer's test print and firmware download: busy answers
// that the control command scripts, the download mode, and the report that
// `orvan-sim last` shows of what each printer last received.
#include <gtest/gtest.h>

#include "link/conversions.h"
#include "profile/scratch_dir.h"
#include "simulator/control_commands.h"
#include "simulator/maintenance_report.h"
#include "simulator/sim_command_port.h"
#include "simulator/world_report.h"

namespace orvan::sim {
namespace {

using testing::ScratchDir;

bool run(SimulatedPrinters& world, std::string_view line) {
    const auto command = parseControlLine(line);
    return command && applyControl(*command, world);
}

TEST(SimulatedMaintenance, BusyAnswersAndTheDownloadModeAreScriptedPerPrinter) {
    ScratchDir dir;
    const std::string file = dir.file("FW.PRF");
    ScratchDir::write(file, "firmware");
    const auto wide = link::TextToWideBytes(file);
    SimulatedPrinters world = defaultScenario();
    SimCommandPort port(world);

    EXPECT_TRUE(run(world, "usb 0 maintenance-busy 3"));
    EXPECT_EQ(port.KQCMD_SendDiagnostic(0, 0, 1, 23, 1), kCommandBusy);
    EXPECT_EQ(port.KQCMD_UpdateFirmware(0, 0, wide.data(), 0), kCommandBusy);
    EXPECT_EQ(port.KQCMD_SendDiagnostic(0, 0, 1, 23, 1), kCommandBusy);
    EXPECT_EQ(port.KQCMD_SendDiagnostic(0, 0, 1, 23, 1), 0);

    // Outside the download mode the printer asks for it; inside it takes the file.
    EXPECT_EQ(port.KQCMD_UpdateFirmware(0, 0, wide.data(), 0), kNotInDownloadMode);
    EXPECT_TRUE(world.usb(0).firmwareDownloads().empty());
    EXPECT_TRUE(run(world, "usb 0 download-mode 1"));
    EXPECT_EQ(port.KQCMD_UpdateFirmware(0, 0, wide.data(), 0), 0);
    EXPECT_EQ(world.usb(0).firmwareDownloads(), std::vector<std::string>{file});
    EXPECT_TRUE(run(world, "usb 0 download-mode 0"));
    EXPECT_FALSE(world.usb(0).downloadMode());

    for (const char* bad : {"usb 0 download-mode 2", "usb 0 maintenance-busy -1",
                            "usb 0 maintenance-busy 1001", "usb 0 download-mode"})
        EXPECT_FALSE(run(world, bad)) << bad;
}

TEST(SimulatedMaintenance, TheReportSaysWhatEachPrinterLastReceived) {
    ScratchDir dir;
    SimulatedPrinters world = defaultScenario();
    SimCommandPort port(world);
    EXPECT_EQ(maintenanceReport(world), "");

    const auto wide = link::TextToWideBytes("/no/such/FW.PRF");
    port.KQCMD_SendDiagnostic(0, 0, 1, 7, 1);
    port.KQCMD_SendDiagnostic(0, 0, 1, 23, 1);
    port.KQCMD_UpdateFirmware(0, 0, wide.data(), 0);
    const std::string report =
        "usb 0 test print 23 (both sides): answered 0\n"
        "usb 0 firmware \"/no/such/FW.PRF\": answered -0x09000004\n";
    EXPECT_EQ(maintenanceReport(world), report);

    const std::string path = dir.file("orvan-sim.ctl.last");
    EXPECT_FALSE(readReport(path));
    ASSERT_TRUE(replaceFile(path, report));
    EXPECT_EQ(readReport(path), report);
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"orvan-sim.ctl.last"});  // no temporary left
    EXPECT_EQ(resultText(INT32_MIN), "-0x80000000");
}

}  // namespace
}  // namespace orvan::sim
