#pragma once
// A whole monitor over the in-process simulated printers, on the virtual
// clock and with scripted message boxes: what the front-end test and the
// benchmarks start from. Nothing in it waits for a person or for real time.
#include <functional>
#include <string>

#include "shell/monitor.h"
#include "simulator/sim_command_port.h"
#include "simulator/sim_guidance.h"
#include "simulator/sim_settings_port.h"
#include "simulator/simulated_printers.h"
#include "tests/support/fake_platform.h"
#include "tests/support/monitor_probe.h"
#include "ui/scripted_message_boxes.h"
#include "ui/virtual_clock.h"

namespace orvan::rig {

// The configuration file lives in a folder that does not exist: it reads as
// empty and a save could never touch a real file.
inline constexpr const char* kNowhereExecutable = "/nonexistent/orvan-rig/OrvanStatusMonitor";

struct SimulatedMonitor {
    // One monitor cycle is this many ticks of Timer1.
    static constexpr int kTicksPerCycle = 10;

    ui::VirtualClockLoop loop;
    ui::ScriptedMessageBoxes boxes;
    testing::FakePlatform platform;
    testing::CountingTray tray;
    sim::SimulatedPrinters world = sim::defaultScenario();
    sim::SimCommandPort commands{world};
    sim::SimSettingsPort settings{world};
    sim::SimGuidance guidance{world};
    shell::Monitor monitor;

    // Pictures come from `programDirectory`. The tray icon is `trayIcon` when
    // given (the real one), else a counting stand-in; notifications go to
    // `notifier` when given.
    explicit SimulatedMonitor(const std::string& programDirectory = "")
        : SimulatedMonitor(programDirectory, nullptr, nullptr) {}
    SimulatedMonitor(const std::string& programDirectory, shell::DesktopNotifier* notifier)
        : SimulatedMonitor(programDirectory, notifier, nullptr) {}
    SimulatedMonitor(const std::string& programDirectory, shell::TrayIcon* trayIcon)
        : SimulatedMonitor(programDirectory, nullptr, trayIcon) {}
    // A status publisher and a history file, when given, as the program has them.
    SimulatedMonitor(const std::string& programDirectory, shell::DesktopNotifier* notifier,
                     shell::TrayIcon* trayIcon, report::StatusPublisher* publisher = nullptr,
                     const std::string& historyPath = {})
        : monitor(shell::Environment{.loop = loop,
                                     .boxes = boxes,
                                     .platform = platform,
                                     .commands = commands,
                                     .settings = settings,
                                     .programDirectory = programDirectory,
                                     .executablePath = kNowhereExecutable,
                                     .tray = trayIcon ? trayIcon : &tray,
                                     .guidance = &guidance,
                                     .publisher = publisher,
                                     .notifier = notifier,
                                     .historyPath = historyPath}) {}

    // Starts as the program does; `beforeLoad` runs where the program builds
    // its window. False when the monitor ended during start-up.
    bool start(const std::function<void()>& beforeLoad = {}) {
        if (!monitor.initialise("")) return false;
        if (beforeLoad) beforeLoad();
        monitor.load();
        return !monitor.activate();
    }

    // What the front end is built from, as the program hands it over.
    shell::WindowModel window() { return monitor.window(); }
    shell::MonitorProbe probe() { return {monitor}; }

    // Exactly one monitor cycle, as Timer1 would drive it.
    void runCycle() {
        for (int i = 0; i < kTicksPerCycle; ++i) monitor.monitorTick();
    }
};

}  // namespace orvan::rig
