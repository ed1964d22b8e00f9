// orvan-status: the status of the card printers for monitoring systems, on
// the monitor's own core and port library loader, without a window.
#include <pthread.h>
#include <signal.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <optional>
#include <thread>

#include "cli/direct_access.h"
#include "headless/history_feed.h"
#include "headless/metrics_server.h"
#include "headless/status_source.h"
#include "report/check_output.h"
#include "report/metrics_text.h"
#include "report/runtime_files.h"
#include "shell/platform.h"
#include "status/error_catalogue.h"

namespace {

using namespace orvan;

// How long a round waits for another program's round on the printers.
constexpr int kAccessWaitMs = 15000;
// How long the end of a server waits for a round in progress.
constexpr std::int64_t kStopWaitMs = 500;

std::int64_t wallSeconds() {
    return headless::MetricsPoller::Clock::system().wallSeconds();
}

void printMessages(const report::StatusDocument& doc) {
    for (const auto& m : doc.messages) std::cerr << m << '\n';
}

// Whoever answers first, the run or its time-out, answers alone.
std::atomic<bool> answered{false};
bool claimAnswer() {
    return !answered.exchange(true);
}

// The run's answer may go out only if the time-out has not given one.
void answerOrWait() {
    if (!claimAnswer()) std::this_thread::sleep_for(std::chrono::hours(1));  // it is exiting
}

// The days left of ink and film, from the history whoever watches keeps.
report::StatusDocument takeWithForecasts(const headless::CliOptions& o,
                                         headless::StatusSource& source) {
    const std::int64_t now = wallSeconds();
    report::StatusDocument doc = source.take(o.selection, now);
    headless::AddForecasts(doc, history::DefaultStorePath(false), now);
    return doc;
}

int check(const headless::CliOptions& o, headless::StatusSource& source) {
    const report::StatusDocument doc = takeWithForecasts(o, source);
    answerOrWait();
    printMessages(doc);
    const auto& catalogue = status::SharedCatalogue();
    const report::CheckOutput out = report::CheckText(doc, catalogue, o.thresholds(), doc.problem);
    if (o.json)
        std::cout << report::EncodeDocument(doc, catalogue, o.thresholds()) << '\n';
    else
        std::cout << out.text;
    return static_cast<int>(out.verdict);
}

bool writeTextfile(const std::string& dir, const std::string& metrics) {
    const std::string path = headless::TextfilePath(dir);
    if (report::WriteFileAtomically(path, metrics, 0644)) return true;
    std::cerr << "cannot write " << path << '\n';
    return false;
}

int textfile(const headless::CliOptions& o, headless::StatusSource& source) {
    const report::StatusDocument doc = takeWithForecasts(o, source);
    answerOrWait();
    printMessages(doc);
    const auto& catalogue = status::SharedCatalogue();
    if (!writeTextfile(o.textfileDir, report::MetricsText(doc, catalogue)))
        return static_cast<int>(report::Verdict::Unknown);
    return static_cast<int>(report::CheckText(doc, catalogue, o.thresholds(), doc.problem).verdict);
}

int serve(const headless::CliOptions& o, headless::StatusSource& source) {
    // SIGINT and SIGTERM are taken by one thread that stops the server; the
    // server's own threads, started after this, inherit the mask.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    // The printers this server asks itself go into the history.
    headless::HistoryFeed history(history::DefaultStorePath(true),
                                  [](const std::string& why) { std::cerr << why << '\n'; });
    headless::MetricsPoller poller(source, o.selection, headless::MetricsPoller::Clock::system(),
                                   o.intervalSeconds * 1000);
    poller.beforeText = [&history](report::StatusDocument& doc) {
        history.feed(doc, wallSeconds());
    };
    if (!o.textfileDir.empty())
        poller.afterRound = [&o](const std::string& metrics) {
            writeTextfile(o.textfileDir, metrics);
        };
    headless::MetricsServer server(poller);
    headless::WebConfig web;
    if (!o.webConfig.empty()) {
        std::string why;
        const auto read = headless::ReadWebConfig(o.webConfig, why);
        if (!read || !server.useWebConfig(*read, why)) {
            std::cerr << why << '\n';
            return static_cast<int>(report::Verdict::Unknown);
        }
        web = *read;
    }
    // Every address of the machine: with TLS and passwords, or when asked for.
    const bool anyAddress = o.anyAddress || (web.tls() && web.passwords());
    const int port = server.bind(o.listen, anyAddress);
    if (port < 0) {
        std::cerr << "cannot listen on " << o.listen.host << ":" << o.listen.port
                  << ": the address is in use (another server there?), not this machine's, or "
                     "every address of it (that needs --listen-on-any-address)\n";
        return static_cast<int>(report::Verdict::Unknown);
    }
    if (headless::IsWildcardAddress(o.listen.host) || o.anyAddress)
        std::cerr << "warning: serving on every address of this machine"
                  << (web.tls() && web.passwords() ? "" : ", without encryption or password")
                  << '\n';
    // The stopper is up before the first round, which may wait on the
    // printers: a signal then ends the program at once.
    std::atomic<bool> serving{false};
    std::thread stopper([&server, &serving, stopSignals] {
        int signal = 0;
        sigwait(&stopSignals, &signal);
        if (!serving) std::_Exit(0);
        server.stop();
    });
    poller.start();
    const bool ipv6 = o.listen.host.find(':') != std::string::npos;
    std::cout << "listening on " << (web.tls() ? "https" : "http") << "://" << (ipv6 ? "[" : "")
              << o.listen.host << (ipv6 ? "]" : "") << ":" << port << "/metrics" << std::endl;
    serving = true;
    const bool served = server.serve();
    // serve() also ends when listening fails; wake the stopper to let it go.
    pthread_kill(stopper.native_handle(), SIGTERM);
    stopper.join();
    const int rc = served ? 0 : static_cast<int>(report::Verdict::Unknown);
    // A round stuck on a printer does not hold the end up.
    if (!poller.stop(kStopWaitMs)) std::_Exit(rc);
    return rc;
}

// UNKNOWN with the reason, as JSON when JSON was asked for.
int unknown(const std::string& why, bool json) {
    if (json) {
        report::StatusDocument doc;
        doc.problem = why;
        doc.generatedAt = wallSeconds();
        std::cout << report::EncodeDocument(doc, status::SharedCatalogue(),
                                            report::kDefaultWarnPercent)
                  << '\n';
    } else {
        std::cout << "UNKNOWN - " << why << '\n';
    }
    return static_cast<int>(report::Verdict::Unknown);
}

// A check that has not finished after its time-out ends UNKNOWN, whatever a
// printer or another program's round keeps it waiting for.
void endAfter(std::int64_t seconds, bool json) {
    std::thread([seconds, json] {
        std::this_thread::sleep_for(std::chrono::seconds(seconds));
        if (!claimAnswer()) return;  // the run answered meanwhile
        unknown("timed out after " + std::to_string(seconds) + " s", json);
        std::cout.flush();
        std::_Exit(static_cast<int>(report::Verdict::Unknown));
    }).detach();
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    const headless::ParsedOptions parsed = headless::ParseOptions(args);
    if (!parsed.options) {
        std::cerr << headless::Usage();
        return unknown(parsed.error, parsed.json);
    }
    const headless::CliOptions& o = *parsed.options;
    if (o.mode == headless::CliOptions::Mode::Help) {
        std::cout << headless::Usage();
        return 0;
    }
    if (o.mode == headless::CliOptions::Mode::Version) {
        std::cout << "orvan-status " << ORVAN_VERSION << '\n';
        return 0;
    }
    if (o.mode != headless::CliOptions::Mode::Serve) endAfter(o.timeoutSeconds, o.json);
    // Never a shared folder: without the user's own runtime directory a
    // running monitor could not be seen, and two programs might drive one
    // printer.
    std::string why;
    if (!report::RuntimeDirectory(&why)) return unknown(why, o.json);
    cli::DirectAccess direct(o.rediscoverSeconds, o.forgetSeconds);
    // A one-off check may wait out a busy printer; a server answers scrapes.
    const bool retry = o.mode != headless::CliOptions::Mode::Serve;
    // A check waits for another program's round at most half its time.
    const int accessWaitMs =
        retry ? static_cast<int>(std::min<std::int64_t>(kAccessWaitMs, o.timeoutSeconds * 500))
              : kAccessWaitMs;
    headless::StatusSource source(
        headless::RuntimePaths::ofUser(),
        [&direct, retry]() -> headless::PrinterSurvey& { return direct.survey(retry); },
        accessWaitMs);
    switch (o.mode) {
        case headless::CliOptions::Mode::Serve:
            return serve(o, source);
        case headless::CliOptions::Mode::Textfile:
            return textfile(o, source);
        default:
            return check(o, source);
    }
}
