// orvan-settings: a printer's settings as a file - save them, compare a file
// with printers, apply it - on the monitor's own core. With the user's
// monitor running, the monitor carries the job out; otherwise this program
// asks the printers itself, holding the printer-access lock for the run.
#include <unistd.h>

#include <chrono>
#include <ctime>
#include <iostream>
#include <thread>

#include "cli/direct_access.h"
#include "cli/monitor_handoff.h"
#include "cli/settings_options.h"
#include "history/audit.h"
#include "history/history_keeper.h"
#include "link/busy_wait.h"
#include "link/counters.h"
#include "link/pages.h"
#include "report/printer_reader.h"
#include "report/runtime_files.h"
#include "settings_file/settings_document.h"
#include "status/error_catalogue.h"

namespace {

using namespace orvan;
using settings_file::RunAnswer;
using settings_file::Verb;

constexpr int kAccessWaitMs = 15000;
// A printer that stays busy this long is not written to.
constexpr int kBusyChecks = 240;
constexpr auto kBusyCheckEvery = std::chrono::milliseconds(500);

std::string currentDirectory() {
    char buffer[4096];
    return ::getcwd(buffer, sizeof buffer) ? buffer : "/";
}

headless::Selection selectionOf(const settings_file::SettingsRequest& r) {
    if (r.all) return {headless::Selection::Kind::All, ""};
    if (!r.printer.empty()) return {headless::Selection::Kind::Named, r.printer};
    return {};
}

bool monitorStarted() {
    const std::string lock = report::RuntimePath(report::kInstanceLockName);
    return !lock.empty() && report::LockHeldElsewhere(lock);
}

RunAnswer runDirect(const settings_file::SettingsRequest& request,
                    const settings_file::SettingsDocument* doc) {
    RunAnswer answer;
    const auto access = report::FileLock::acquire(
        report::RuntimePath(report::kPrinterAccessLockName), kAccessWaitMs);
    if (!access) {
        answer.problem = "another program is using the printers";
        return answer;
    }
    cli::DirectAccess direct(0, 0);
    // Every write goes into the user's history, as the monitor's do.
    history::HistoryKeeper history(
        history::DefaultStorePath(true), status::SharedCatalogue(),
        [](const std::string& message) { std::cerr << "orvan-settings: " << message << '\n'; });
    const auto& catalogue = status::SharedCatalogue();
    const std::time_t now = std::time(nullptr);
    const auto isOpen = cli::DirectAccess::userRights();
    const auto survey = direct.survey(true).forEachChosen(
        selectionOf(request), now, [&](headless::ChosenPrinter& p) {
            // A monitor started meanwhile drives the printers from now on:
            // the printers not yet done are left to a new run.
            if (monitorStarted()) {
                answer.problem =
                    "a monitor started; stopped before " + p.channel.state().selected.name;
                return;
            }
            link::Pages pages(p.channel, p.data);
            link::Counters counters(p.channel, p.data, p.net);
            link::StatusQuery query(p.channel);
            ui::Timer timer1{"Timer1"};
            link::BusyWait busy(
                p.channel, query, [&](link::ResultCode c) { return catalogue.ClassifyCode(c); },
                timer1);
            const auto waitUntilFree = [&busy] {
                for (int i = 0; i < kBusyChecks; ++i) {
                    if (!busy.isBusy()) return true;
                    std::this_thread::sleep_for(kBusyCheckEvery);
                }
                return false;
            };
            link::Cycles cycles(p.channel, pages, p.net, counters, p.data, {waitUntilFree, {}});
            settings_file::PrinterAccess printer{
                p.channel.state(),
                cycles,
                p.data,
                [&](link::ResultCode c) {
                    return catalogue.DescribeCode(c, p.channel.state().statusWord);
                },
                isOpen,
                [&](const std::string& settings, link::ResultCode result) {
                    const link::LinkState& state = p.channel.state();
                    const auto printer =
                        report::BuildReport(state, state.selected.name, p.ipv6List, {}, now);
                    history.audit({printer.id, printer.name},
                                  history::AuditOf("Settings file", request.file + ": " + settings,
                                                   result, now));
                }};
            try {
                answer.printers.push_back(settings_file::runOnPrinter(
                    printer, request, doc, settings_file::userBackups(now), now));
            } catch (const std::exception& e) {
                // One printer's trouble does not stop the others.
                settings_file::PrinterAnswer failed;
                failed.printer = p.channel.state().selected.name;
                failed.text = failed.printer + ": " + e.what() + "\n";
                answer.printers.push_back(std::move(failed));
            }
        });
    if (!survey.problem.empty()) answer.problem = survey.problem;
    return answer;
}

int printAnswer(const cli::SettingsOptions& o, const RunAnswer& answer) {
    if (!answer.problem.empty()) std::cerr << "orvan-settings: " << answer.problem << '\n';
    if (o.request.verb == Verb::Save) {
        for (const auto& p : answer.printers) {
            if (p.document.empty()) {
                std::cerr << p.text;
                continue;
            }
            if (o.output.empty()) {
                std::cout << p.document;
            } else if (!report::WriteFileAtomically(o.output, p.document, 0644)) {
                std::cerr << "orvan-settings: cannot write " << o.output << '\n';
                return settings_file::kExitUnknown;
            } else {
                std::cerr << p.text;
            }
        }
        return answer.exit();
    }
    if (o.json) {
        std::cout << '[';
        for (std::size_t i = 0; i < answer.printers.size(); ++i)
            std::cout << (i ? "," : "") << answer.printers[i].json;
        std::cout << "]\n";
    } else {
        for (const auto& p : answer.printers) std::cout << p.text;
    }
    return answer.exit();
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    const auto parsed = cli::parseSettingsOptions(args, currentDirectory());
    if (!parsed.options) {
        std::cerr << "orvan-settings: " << parsed.error << "\n" << cli::settingsUsage();
        return settings_file::kExitUnknown;
    }
    const cli::SettingsOptions& o = *parsed.options;
    if (o.mode == cli::SettingsOptions::Mode::Help) {
        std::cout << cli::settingsUsage();
        return 0;
    }
    if (o.mode == cli::SettingsOptions::Mode::Version) {
        std::cout << "orvan-settings " << ORVAN_VERSION << '\n';
        return 0;
    }
    // A file that cannot be taken is refused before any printer is asked.
    std::optional<settings_file::SettingsDocument> doc;
    if (o.request.verb != Verb::Save) {
        auto read = settings_file::readDocumentFile(o.request.file);
        if (auto* error = std::get_if<settings_file::ReadError>(&read)) {
            std::cerr << "orvan-settings: " << o.request.file << ": " << error->message
                      << "; nothing was written\n";
            return settings_file::kExitUnknown;
        }
        doc = std::get<settings_file::SettingsDocument>(std::move(read));
    }
    try {
        const cli::Handoff handoff = cli::handToMonitor(o.request);
        if (handoff.outcome == cli::Handoff::Outcome::Failed) {
            std::cerr << "orvan-settings: " << handoff.why << '\n';
            return settings_file::kExitUnknown;
        }
        if (handoff.outcome == cli::Handoff::Outcome::Answered)
            return printAnswer(o, handoff.answer);
        return printAnswer(o, runDirect(o.request, doc ? &*doc : nullptr));
    } catch (const std::exception& e) {
        std::cerr << "orvan-settings: " << e.what() << '\n';
        return settings_file::kExitUnknown;
    }
}
