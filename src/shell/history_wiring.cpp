// The history of the watched printer: each cycle's observation, the
// forecast its gauges show, and the audit of every write a screen makes.
#include <cctype>
#include <cstdio>
#include <cstring>
#include <ctime>

#include "history/audit.h"
#include "history/history_view.h"
#include "shell/monitor.h"

namespace orvan::shell {
namespace {

// The forecast rests on days of levels: worked out again this often.
constexpr std::int64_t kForecastEverySeconds = 600;

// "printer_setting_tab" as "Printer Setting".
std::string screenName(const std::string& form) {
    std::string name = form;
    for (const char* tail : {"_tab", "_dialog"})
        if (name.size() > std::strlen(tail) && name.ends_with(tail))
            name.resize(name.size() - std::strlen(tail));
    bool start = true;
    for (char& c : name) {
        if (c == '_') c = ' ';
        if (start && c != ' ') c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        start = c == ' ';
    }
    return name;
}

// What a write sent: its mode pages over USB, its settings request over
// the network.
std::string settingsOf(const link::LinkPlan& plan, bool usb) {
    if (!usb) return "network settings";
    std::string text = "mode pages";
    for (std::uint8_t page : plan.usbWrites) {
        char hex[8];
        std::snprintf(hex, sizeof hex, " %02X", page);
        text += hex;
    }
    return text;
}

struct LockRow {
    link::LockCommand command;
    const char* settings;
};
constexpr LockRow kLockSettings[] = {
    {link::LockCommand::NewPassword, "security lock: new password"},
    {link::LockCommand::DeletePassword, "security lock: password deleted"},
    {link::LockCommand::Unlock, "security lock: unlock"},
    {link::LockCommand::Lock, "security lock: lock"},
};

}  // namespace

std::string Monitor::lockSettings(link::LockCommand command) {
    for (const auto& row : kLockSettings)
        if (row.command == command) return row.settings;
    return "security lock";
}

std::int64_t Monitor::wallNow() const {
    return env_.wallClock ? env_.wallClock() : static_cast<std::int64_t>(std::time(nullptr));
}

void Monitor::startHistory() {
    if (env_.historyPath.empty()) return;
    // Said once, in the status line: the monitor goes on without history.
    history_ = std::make_unique<history::HistoryKeeper>(
        env_.historyPath, catalogue_, [this](const std::string& why) { tellDone(why); });
}

// Only the copy holding the single-instance lock records, as only it
// publishes: orvan-status records the printers no monitor watches.
void Monitor::recordHistory() {
    if (!history_ || !holdsInstanceLock_ || !watched_) return;
    const std::int64_t now = wallNow();
    // A lost printer is told as lost; a found one as it is, without a copy.
    if (state_.printerCount == 0)
        history_->observe(*watchedAsSeen(), now);
    else
        history_->observe(*watched_, now);
    if (watched_->id != forecastKey_ || now - forecastAt_ >= kForecastEverySeconds) {
        forecastKey_ = watched_->id;
        forecastAt_ = now;
        const report::SupplyForecast f = history_->forecast(watched_->id, now);
        watched_->forecast = f;
        statusTab_.Pic0[1].setToolTip(
            history::ForecastLine("Ink ribbon", f.inkDaysLeft, f.inkPercentPerDay));
        statusTab_.Pic0[2].setToolTip(
            history::ForecastLine("Film", f.filmDaysLeft, f.filmPercentPerDay));
    }
}

// The watched printer's history, or the first printer's in the store.
void Monitor::openHistory() {
    historyForm_.open(watched_ ? watched_->id : "");
}

void Monitor::recordWrite(const link::LinkPlan& plan, link::ResultCode result) {
    if (!history_ || !holdsInstanceLock_) return;
    std::string screen;
    if (screens_) {
        for (const Screen& tab : screens_->tabs())
            if (tab.plan == &plan) screen = screenName(tab.form);
        // A dialog's own plan: the dialog over the tab that opened it.
        if (screen.empty()) screen = screenName(screens_->tab(main_.SSTab1.tab()).form) + " dialog";
    }
    auditWrite(screen, settingsOf(plan, state_.usb()), result);
}

// Each write goes down against the printer it went to, with the user's name.
void Monitor::auditWrite(const std::string& screen, const std::string& settings,
                         link::ResultCode result) {
    if (!history_ || !holdsInstanceLock_) return;
    const auto& entries = discovery_.entries();
    const auto index = static_cast<std::size_t>(state_.selected.listIndex);
    if (index >= entries.size()) return;
    const std::int64_t now = wallNow();
    const report::PrinterReport printer =
        report::BuildReport(state_, entries[index].displayName, discovery_.ipv6List(), {}, now);
    history_->audit({printer.id, printer.name}, history::AuditOf(screen, settings, result, now));
}

}  // namespace orvan::shell
