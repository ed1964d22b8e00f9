// What the shared world adds to one stand-in library call: the lock, a look at
// the state file's header, the control file, and the state written back when
// the call changed it. The monitor makes several such calls every cycle.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <string>

#include "simulator/shared_world.h"
#include "simulator/sim_command_port.h"

namespace {

using namespace orvan;

struct Folder {
    Folder() {
        char name[] = "/tmp/orvan-bench-world-XXXXXX";
        path = ::mkdtemp(name) != nullptr ? name : "";
    }
    ~Folder() {
        if (!path.empty()) std::filesystem::remove_all(path);
    }
    std::string path;
};

std::int32_t statusCall(sim::SharedWorld& world, sim::SimCommandPort& port) {
    return world.run([&](sim::SimulatedPrinters&) {
        std::int32_t v[4] = {};
        return port.KQCMD_GetPrinterStatus(0, 0, &v[0], &v[1], &v[2], &v[3]);
    });
}

// A status query that changes nothing: nothing is written.
void BM_StatusCallUnchangedWorld(benchmark::State& state) {
    Folder folder;
    sim::SharedWorld world(folder.path + "/sim.ctl");
    sim::SimCommandPort port{world.printers()};
    world.printers().setCallLogLimit(0);
    statusCall(world, port);
    for (auto _ : state) benchmark::DoNotOptimize(statusCall(world, port));
}
BENCHMARK(BM_StatusCallUnchangedWorld);

// A status query during a busy period: each uses up a query, so each saves.
void BM_StatusCallSavingTheWorld(benchmark::State& state) {
    Folder folder;
    sim::SharedWorld world(folder.path + "/sim.ctl");
    sim::SimCommandPort port{world.printers()};
    world.printers().setCallLogLimit(0);
    world.printers().usb(0).setBusyFor(1000000);
    for (auto _ : state) benchmark::DoNotOptimize(statusCall(world, port));
    state.counters["busy_left"] = world.printers().usb(0).busyQueriesLeft();
}
BENCHMARK(BM_StatusCallSavingTheWorld);

}  // namespace

BENCHMARK_MAIN();
