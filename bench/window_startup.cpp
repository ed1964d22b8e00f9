// How long the monitor takes from nothing to its window on screen, beside a
// bare window with ten empty tabs, so that one run shows what the monitor's
// own start-up (printer list, first refresh, the Status tab's widgets) adds.
// Runs on the offscreen platform: no display needed.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTabWidget>
#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include <unistd.h>

#include "qt/forms.h"
#include "qt/front_end.h"
#include "qt/qt_message_boxes.h"
#include "shell/platform.h"
#include "tests/qt/simulated_monitor.h"

namespace {

using orvan::rig::SimulatedMonitor;

// The monitor with its window, built as the program builds them.
struct MonitorWithWindow {
    SimulatedMonitor sim{orvan::shell::executableDirectory()};
    orvan::qt::QtMessageBoxes screenBoxes;
    std::unique_ptr<orvan::qt::FrontEnd> frontEnd;
};

// Lets the window system deliver what showing posted (expose, layout, paint).
void settle() {
    QApplication::processEvents();
}

void BM_MonitorWindowStartup(benchmark::State& state) {
    for (auto _ : state) {
        auto m = std::make_unique<MonitorWithWindow>();
        const bool started = m->sim.start([&m] {
            m->frontEnd = std::make_unique<orvan::qt::FrontEnd>(m->sim.window(), m->screenBoxes);
        });
        if (!started || !m->frontEnd->window().isVisible()) {
            state.SkipWithError("the monitor window did not come up");
            break;
        }
        settle();
        state.PauseTiming();  // tearing down is not start-up
        m.reset();
        settle();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_MonitorWindowStartup)->Unit(benchmark::kMillisecond);

// The same start without a window: what the core's start-up costs alone.
void BM_MonitorStartupWithoutWindow(benchmark::State& state) {
    for (auto _ : state) {
        auto m = std::make_unique<MonitorWithWindow>();
        if (!m->sim.start()) {
            state.SkipWithError("the monitor did not start");
            break;
        }
        state.PauseTiming();
        m.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_MonitorStartupWithoutWindow)->Unit(benchmark::kMillisecond);

// A bare window of ten tabs shown, its first page made by `firstPage`.
void showBareWindow(benchmark::State& state, QWidget* (*firstPage)()) {
    for (auto _ : state) {
        auto window = std::make_unique<QTabWidget>();
        window->addTab(firstPage(), QStringLiteral("Tab 0"));
        for (int i = 1; i < orvan::shell::kTabCount; ++i)
            window->addTab(new QWidget, QStringLiteral("Tab %1").arg(i));
        window->resize(1000, 640);
        window->show();
        settle();
        state.PauseTiming();
        window.reset();
        settle();
        state.ResumeTiming();
    }
}

void BM_BareTabWindowShown(benchmark::State& state) {
    showBareWindow(state, [] { return new QWidget; });
}
BENCHMARK(BM_BareTabWindowShown)->Unit(benchmark::kMillisecond);

// The bare window with the Status tab's form, unbound, on its first page:
// what the form's own widgets cost to show, before any binding or data.
void BM_BareWithStatusFormShown(benchmark::State& state) {
    showBareWindow(state, [] { return orvan::qt::createForm("status_tab"); });
}
BENCHMARK(BM_BareWithStatusFormShown)->Unit(benchmark::kMillisecond);

// Prints the table as usual, then what it means: the window's start-up and
// the Status form's alone, each as a multiple of the bare window's CPU time.
class RatioReporter : public benchmark::ConsoleReporter {
  public:
    RatioReporter() : ConsoleReporter(isatty(STDOUT_FILENO) ? OO_Color : OO_None) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if (run.run_type == Run::RT_Iteration || median)
                cpu_[run.run_name.function_name] = run.GetAdjustedCPUTime();
        }
    }

    void Finalize() override {
        ConsoleReporter::Finalize();
        const double bare = cpu("BM_BareTabWindowShown");
        const double window = cpu("BM_MonitorWindowStartup");
        const double form = cpu("BM_BareWithStatusFormShown");
        if (bare <= 0 || window <= 0) return;
        std::printf("Window start-up: %.1f times the bare ten-tab window", window / bare);
        if (form > 0) std::printf(" (the Status form alone, unbound: %.1f times)", form / bare);
        std::printf("\n");
    }

  private:
    double cpu(const std::string& name) const {
        const auto found = cpu_.find(name);
        return found == cpu_.end() ? 0 : found->second;
    }

    std::map<std::string, double> cpu_;
};

// The offscreen platform says on every start that it cannot raise a window
// or pass on its size hints; a desktop's platform does both without a word.
// Left out, so that the figures are not a count of lines written to stderr.
QtMessageHandler standardHandler = nullptr;

void quietOffscreen(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.startsWith(QLatin1String("This plugin does not support"))) return;
    if (standardHandler)
        standardHandler(type, context, message);
    else
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

// The ratios follow the console table only; asked for JSON or CSV, the
// benchmark library's own reporter writes what was asked for.
bool consoleAskedFor(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg.rfind("--benchmark_format=", 0) == 0) return arg == "--benchmark_format=console";
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    const bool console = consoleAskedFor(argc, argv);
    // The benchmark's own options go first, so that Qt never sees them.
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    standardHandler = qInstallMessageHandler(quietOffscreen);
    if (console) {
        RatioReporter reporter;
        benchmark::RunSpecifiedBenchmarks(&reporter);
    } else {
        benchmark::RunSpecifiedBenchmarks();
    }
    benchmark::Shutdown();
    return 0;
}
