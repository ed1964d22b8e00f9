// One metrics scrape of ten simulated printers (five USB, five network)
// beside the bare status calls the scrape makes, all against the in-process
// simulator: the ratio of the two is what a scrape adds around the printers.
#include <benchmark/benchmark.h>

#include "headless/printer_survey.h"
#include "report/metrics_text.h"
#include "simulator/sim_command_port.h"
#include "simulator/sim_settings_port.h"
#include "simulator/simulated_printers.h"
#include "status/error_catalogue.h"
#include "ui/virtual_clock.h"

namespace {

using namespace orvan;

constexpr int kPrinters = 10;

sim::SimulatedPrinters tenPrinters() {
    sim::SimulatedPrinters world;
    for (int i = 0; i < kPrinters / 2; ++i) {
        world.addUsbPrinter();
        sim::SimPrinter net;
        net.setPageText(0x2D, 17, 10, "ORVAN1" + std::to_string(i));
        net.setPageByte(0x2D, 5, static_cast<std::uint8_t>(60 + i));
        world.addNetworkPrinter(std::move(net));
    }
    return world;
}

struct Fleet {
    ui::VirtualClockLoop loop;
    sim::SimulatedPrinters world = tenPrinters();
    sim::SimCommandPort commands{world};
    sim::SimSettingsPort settings{world};
    headless::PrinterSurvey survey{commands, settings, loop, {true, true, false, "", false}};
    const headless::Selection all{headless::Selection::Kind::All, ""};

    // The first round discovers; the measured ones only ask.
    bool ready() {
        const auto round = survey.run(all, 0);
        world.clearCalls();
        return round.printers.size() == kPrinters;
    }
};

// What a scrape costs: every printer's status, media and counters, and the
// metrics text.
void BM_ScrapeTenPrinters(benchmark::State& state) {
    Fleet fleet;
    if (!fleet.ready()) {
        state.SkipWithError("the ten printers were not all listed");
        return;
    }
    for (auto _ : state) {
        report::StatusDocument doc;
        doc.printers = fleet.survey.run(fleet.all, 0).printers;
        benchmark::DoNotOptimize(report::MetricsText(doc, status::SharedCatalogue()));
        state.counters["printer_calls"] = static_cast<double>(fleet.world.calls().size());
        fleet.world.clearCalls();
    }
}
BENCHMARK(BM_ScrapeTenPrinters);

// The status queries of the same ten printers and nothing else.
void BM_BareStatusTenPrinters(benchmark::State& state) {
    Fleet fleet;
    if (!fleet.ready()) {
        state.SkipWithError("the ten printers were not all listed");
        return;
    }
    for (auto _ : state) {
        fleet.survey.queryStatusOnly();
        state.counters["printer_calls"] = static_cast<double>(fleet.world.calls().size());
        fleet.world.clearCalls();
    }
}
BENCHMARK(BM_BareStatusTenPrinters);

// One round with fifty network printers about, each call 20 ms late as over
// a slow network: the wall time a poll takes, its printer calls and how many
// printers it covered.
void BM_RoundFiftyNetworkPrintersAt20ms(benchmark::State& state) {
    ui::VirtualClockLoop loop;
    sim::SimulatedPrinters world;
    for (int i = 0; i < 50; ++i) {
        sim::SimPrinter net;
        net.setPageText(0x2D, 17, 10, "ORVAN" + std::to_string(100 + i));
        net.setPageByte(0x2D, 5, static_cast<std::uint8_t>(100 + i));  // 192.168.0.100..149
        world.addNetworkPrinter(std::move(net));
    }
    sim::SimCommandPort commands{world};
    sim::SimSettingsPort settings{world};
    headless::PrinterSurvey survey{commands, settings, loop, {false, true, false, "", false}};
    const headless::Selection all{headless::Selection::Kind::All, ""};
    // The network printer list carries at most ten entries; the round asks
    // every printer it lists.
    const auto listed = static_cast<double>(survey.run(all, 0).printers.size());
    world.setNetworkLatencyMs(20);
    world.clearCalls();
    for (auto _ : state) {
        benchmark::DoNotOptimize(survey.run(all, 0));
        state.counters["printer_calls"] = static_cast<double>(world.calls().size());
        state.counters["printers"] = listed;
        world.clearCalls();
    }
}
BENCHMARK(BM_RoundFiftyNetworkPrintersAt20ms)
    ->Iterations(2)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
