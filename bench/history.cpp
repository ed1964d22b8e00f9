// What the history costs: the monitor's idle cycle with and without it (the
// published status on in both, as in the program), the size of a year of
// ten printers, and the queries the history window makes over that year.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <string>

#include <QApplication>
#include <chrono>
#include <memory>

#include "history/forecast.h"
#include "history/history_generator.h"
#include "history/history_queries.h"
#include "qt/front_end.h"
#include "qt/qt_message_boxes.h"
#include "report/status_publisher.h"
#include "shell/platform.h"
#include "tests/qt/simulated_monitor.h"

namespace {

namespace fs = std::filesystem;
using namespace orvan;

struct TempDir {
    fs::path path;
    TempDir() {
        std::string pattern = (fs::temp_directory_path() / "orvan-bench-XXXXXX").string();
        if (mkdtemp(pattern.data())) path = pattern;
    }
    ~TempDir() {
        std::error_code ec;
        fs::remove_all(path, ec);
    }
};

void BM_IdleCycle(benchmark::State& state) {
    TempDir dir;
    report::StatusPublisher publisher((dir.path / "status.json").string());
    const std::string history = state.range(0) ? (dir.path / "history.sqlite3").string() : "";
    rig::SimulatedMonitor rig("", nullptr, nullptr, &publisher, history);
    if (!rig.start()) {
        state.SkipWithError("the monitor did not start");
        return;
    }
    rig.monitor.main().form.setVisible(false);
    for (int i = 0; i < 10; ++i) rig.runCycle();  // found, first levels and counters stored
    rig.world.clearCalls();
    for (auto _ : state) {
        rig.runCycle();
        rig.world.clearCalls();
    }
    state.SetLabel(state.range(0) ? "recording" : "no history");
}
BENCHMARK(BM_IdleCycle)->ArgName("history")->Arg(0)->Arg(1);

// One year of ten printers, made once for the benchmarks below.
struct Year {
    TempDir dir;
    std::string path = (dir.path / "history.sqlite3").string();
    std::int64_t end = 1780000000;
    double seconds = 0;
    Year() {
        std::string why;
        auto store = history::Store::open(path, why);
        const auto started = std::clock();
        history::GenerateHistory(*store, status::SharedCatalogue(), {10, 365, end, 1});
        seconds = static_cast<double>(std::clock() - started) / CLOCKS_PER_SEC;
    }
};

Year& year() {
    static Year y;
    return y;
}

void BM_YearOfTenPrinters(benchmark::State& state) {
    Year& y = year();
    std::string why;
    auto store = history::Store::open(y.path, why, true);
    for (auto _ : state) benchmark::DoNotOptimize(store->usedBytes());
    std::error_code ec;
    std::uintmax_t bytes = fs::file_size(y.path, ec);
    const auto wal = fs::file_size(y.path + "-wal", ec);
    if (!ec) bytes += wal;
    state.counters["file_MB"] = static_cast<double>(bytes) / 1e6;
    state.counters["used_MB"] = static_cast<double>(store->usedBytes()) / 1e6;
    state.counters["events"] =
        static_cast<double>(store->db().scalar("SELECT count(*) FROM events").value_or(0));
    state.counters["counters"] =
        static_cast<double>(store->db().scalar("SELECT count(*) FROM counters").value_or(0));
    state.counters["generate_s"] = y.seconds;
}
BENCHMARK(BM_YearOfTenPrinters)->Iterations(1);

// What the history window reads when it opens on a year of the busiest
// printer: the events, the levels, the cards per day, the audit, the forecast.
void BM_HistoryWindowYearQueries(benchmark::State& state) {
    Year& y = year();
    std::string why;
    auto store = history::Store::open(y.path, why, true);
    const std::string printer = "usb:0:0";
    const history::Span span{y.end - 365 * 86400LL, y.end};
    std::size_t rows = 0;
    for (auto _ : state) {
        rows = history::Events(*store, {printer, span, {}, "", history::kMaxRows}).size();
        rows += history::Levels(*store, printer, span).size();
        rows += history::CardsPerDay(*store, printer, span).size();
        rows += history::Audit(*store, printer, span).size();
        benchmark::DoNotOptimize(history::ForecastFor(*store, printer, y.end));
        benchmark::DoNotOptimize(history::Printers(*store));
    }
    state.counters["rows"] = static_cast<double>(rows);
}
BENCHMARK(BM_HistoryWindowYearQueries)->Unit(benchmark::kMillisecond);

// The history window opened by the Status tab's button on the year of the
// watched printer (usb:0:0 in the made-up past), drawn once, as the user
// sees it; a year chosen as its span.
void BM_HistoryWindowOpensOnAYear(benchmark::State& state) {
    Year& y = year();
    TempDir dir;
    report::StatusPublisher publisher((dir.path / "status.json").string());
    rig::SimulatedMonitor sim(shell::executableDirectory(), nullptr, nullptr, &publisher, y.path);
    qt::QtMessageBoxes boxes;
    std::unique_ptr<qt::FrontEnd> frontEnd;
    if (!sim.start([&] { frontEnd = std::make_unique<qt::FrontEnd>(sim.window(), boxes); })) {
        state.SkipWithError("the monitor did not start");
        return;
    }
    sim.runCycle();
    history::HistoryForm& window = sim.monitor.window().history;
    window.SpanCombo.setListIndex(static_cast<int>(history::SpanChoice::Year));
    // The first opening builds the window too: the one a user waits for most.
    const auto started = std::chrono::steady_clock::now();
    sim.monitor.statusTab().Cmd0_3.click();
    QApplication::processEvents();
    state.counters["first_open_ms"] =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - started)
            .count();
    window.form.setVisible(false);
    QApplication::processEvents();
    for (auto _ : state) {
        sim.monitor.statusTab().Cmd0_3.click();
        QApplication::processEvents();
        state.PauseTiming();
        if (!window.form.visible()) state.SkipWithError("the window did not open");
        state.counters["events"] = static_cast<double>(window.page().events.size());
        window.form.setVisible(false);
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_HistoryWindowOpensOnAYear)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
