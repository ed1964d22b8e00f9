// What the monitor tells the world outside its window after each cycle: a
// desktop notification at the onset of a printer error, and its status for
// orvan-status, published when it changes.
#include <ctime>

#include "shell/monitor.h"
#include "status/state_decoding.h"

namespace orvan::shell {
namespace {

// Ink, film and counters are read for the published status and the history every fifth
// cycle (ten seconds); the status itself every cycle.
constexpr int kCyclesPerDetailRead = 5;

}  // namespace

void Monitor::tellOutside(link::ResultCode code, link::Severity severity) {
    if (ended_) return;
    if (state_.printerCount > 0) {
        const auto& entries = discovery_.entries();
        const auto index = static_cast<std::size_t>(state_.selected.listIndex);
        if (index < entries.size()) {
            const report::SupplyForecast forecast =
                watched_ ? watched_->forecast : report::SupplyForecast{};
            watched_ =
                report::BuildReport(state_, entries[index].displayName, discovery_.ipv6List(),
                                    reportReader_.details(), wallNow());
            watched_->forecast = forecast;
        }
    }
    notifyDesktop(code, severity);
    readDetails();
    recordHistory();
    publishStatus();
}

std::optional<report::PrinterReport> Monitor::watchedAsSeen() const {
    if (!watched_) return std::nullopt;
    report::PrinterReport printer = *watched_;
    if (state_.printerCount == 0) {
        printer.up = false;
        printer.status = state_.status;
    }
    return printer;
}

// Ink, film and counters for the published status and the history; only
// the copy holding the single-instance lock reads them.
void Monitor::readDetails() {
    if (!holdsInstanceLock_ || (!env_.publisher && !history_)) return;
    if (state_.printerCount == 0 || !watched_) return;
    // A printer newly chosen is read at once.
    const std::string key = report::SelectedPrinterKey(state_);
    if (cyclesToDetails_ == 0 || key != detailsKey_) {
        detailsKey_ = key;
        cyclesToDetails_ = 0;
        reportReader_.read(false);
        watched_->details = reportReader_.details();
    }
    cyclesToDetails_ = (cyclesToDetails_ + 1) % kCyclesPerDetailRead;
}

namespace {

// The status line "<Device> Error(...) :\r<message>" as its two parts.
std::pair<std::string, std::string> splitLine(const std::string& line) {
    const auto cr = line.find('\r');
    return {line.substr(0, cr), cr == std::string::npos ? "" : line.substr(cr + 1)};
}

}  // namespace

// The printer's errors and the laminator's, each device its own notices.
void Monitor::notifyDesktop(link::ResultCode code, link::Severity severity) {
    if (!env_.notifier || !start_.desktopNotifications || !watched_) return;
    // A lost printer is no printer error, nor its laminator's.
    const bool found = state_.printerCount > 0;
    const link::ResultCode laminator = state_.status.laminatorResult;
    const auto printerLine =
        splitLine(status::PrinterErrorText(catalogue_, code, state_.statusWord));
    const auto laminatorLine =
        splitLine(status::LaminatorErrorText(catalogue_, laminator, state_.statusWord));
    const auto notices = {
        notices_.onResult(watched_->name, code, found ? severity : link::Severity::None,
                          printerLine.first, printerLine.second),
        laminatorNotices_.onResult(watched_->name, laminator,
                                   found ? severityOf(laminator) : link::Severity::None,
                                   laminatorLine.first, laminatorLine.second)};
    for (const auto& notice : notices)
        if (notice) env_.notifier->notify(*notice);
}

// Only the copy that holds the single-instance lock publishes: orvan-status
// trusts the file because that lock is held.
void Monitor::publishStatus() {
    if (!env_.publisher || !holdsInstanceLock_) return;
    report::StatusDocument doc;
    doc.source = report::Source::Monitor;
    doc.generatedAt = wallNow();
    if (auto printer = watchedAsSeen()) doc.printers.push_back(std::move(*printer));
    env_.publisher->publish(doc, catalogue_);
}

}  // namespace orvan::shell
