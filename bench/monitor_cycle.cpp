// What one monitor cycle costs beside the bare status call it makes, both
// against the in-process simulated printers, so that one run shows how much
// the cycle adds around the printer. The cycle runs with its window hidden
// (status query only) and showing the Status tab (pages read and drawn).
#include <benchmark/benchmark.h>

#include <cstdint>

#include "tests/qt/simulated_monitor.h"

namespace {

using orvan::rig::SimulatedMonitor;

// The simulator logs every call; the log is emptied after each round so that
// its growth does not end up in the numbers.
void BM_BareStatusCall(benchmark::State& state) {
    SimulatedMonitor rig;
    std::int32_t printerResult = 0, printerState = 0, laminatorResult = 0, laminatorState = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(rig.commands.KQCMD_TestUnitReady(0, 0));
        benchmark::DoNotOptimize(rig.commands.KQCMD_GetPrinterStatus(
            0, 0, &printerResult, &printerState, &laminatorResult, &laminatorState));
        rig.world.clearCalls();
    }
}
BENCHMARK(BM_BareStatusCall);

void BM_MonitorCycle(benchmark::State& state) {
    SimulatedMonitor rig;
    if (!rig.start()) {
        state.SkipWithError("the monitor did not start");
        return;
    }
    rig.monitor.main().form.setVisible(state.range(0) != 0);
    rig.world.clearCalls();
    rig.runCycle();
    // A cycle that found no printer would measure discovery instead.
    if (rig.world.countCalls("KQCMD_GetPrinterStatus") != 1) {
        state.SkipWithError("a cycle did not query the printer's status exactly once");
        return;
    }
    // How many library calls one cycle makes, to read the ratio by.
    state.counters["printer_calls"] = static_cast<double>(rig.world.calls().size());
    for (auto _ : state) {
        rig.runCycle();
        rig.world.clearCalls();
    }
}
BENCHMARK(BM_MonitorCycle)->ArgName("window_shown")->Arg(0)->Arg(1);

}  // namespace

BENCHMARK_MAIN();
