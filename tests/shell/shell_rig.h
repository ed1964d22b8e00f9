#pragma once
// A monitor on the virtual clock, the simulated printers and a scratch
// program directory, with a scriptable platform.
#include <memory>
#include <string>

#include "profile/scratch_dir.h"
#include "shell/monitor.h"
#include "simulator/sim_command_port.h"
#include "simulator/sim_settings_port.h"
#include "simulator/simulated_printers.h"
#include "support/fake_platform.h"
#include "support/monitor_probe.h"
#include "ui/scripted_message_boxes.h"
#include "ui/virtual_clock.h"

namespace orvan::testing {

// One monitor cycle on the virtual clock.
inline constexpr int kCycleMs = 2000;

struct ShellRig {
    ui::VirtualClockLoop loop;
    ui::ScriptedMessageBoxes boxes;
    FakePlatform platform;
    CountingTray tray;
    sim::SimulatedPrinters world = sim::defaultScenario();
    sim::SimCommandPort commands{world};
    sim::SimSettingsPort settings{world};
    ScratchDir dir;
    // What the monitor is built with; a test may point them elsewhere and rebuild.
    shell::Platform* platformInUse = &platform;
    link::CommandLibrary* commandsInUse = &commands;
    link::GuidanceLibrary* guidance = nullptr;
    link::CommonLibrary* common = nullptr;  // certificate conversions
    report::StatusPublisher* publisher = nullptr;
    shell::DesktopNotifier* notifier = nullptr;
    // The history's file (empty: none) and the wall clock (unset: the system's).
    std::string historyPath;
    std::function<std::int64_t()> wallClock;
    std::unique_ptr<shell::Monitor> monitor;
    int redraws = 0, mediaRefreshes = 0;

    ShellRig() { rebuild(); }

    void rebuild() {
        monitor.reset();
        monitor = std::make_unique<shell::Monitor>(
            shell::Environment{.loop = loop,
                               .boxes = boxes,
                               .platform = *platformInUse,
                               .commands = *commandsInUse,
                               .settings = settings,
                               .programDirectory = dir.path().string(),
                               .executablePath = dir.file("OrvanStatusMonitor"),
                               .tray = &tray,
                               .guidance = guidance,
                               .common = common,
                               .publisher = publisher,
                               .notifier = notifier,
                               .historyPath = historyPath,
                               .wallClock = wallClock});
        probe().redrawStatusWith([this] { ++redraws; }, [this] { ++mediaRefreshes; });
    }

    std::string ini() const { return ScratchDir::read(dir.file("OrvanStatusMonitor.ini")); }
    void writeIni(const std::string& text) {
        ScratchDir::write(dir.file("OrvanStatusMonitor.ini"), text);
    }

    // Initialise and load as the program does; false when it ended early.
    bool start(const std::string& commandLine = "") {
        if (!monitor->initialise(commandLine)) return false;
        monitor->load();
        return !monitor->activate();
    }
    shell::MainForm& main() { return monitor->main(); }
    link::LinkState& state() { return monitor->state(); }
    shell::PrinterCombos& combos() { return monitor->printerCombos(); }
    shell::MonitorProbe probe() { return {*monitor}; }
};

}  // namespace orvan::testing
