// The monitor cycle on Timer1, the printer list rebuild and tab dispatch.
#include "link/link_messages.h"
#include "shell/monitor.h"
#include "shell/shell_messages.h"

#include <algorithm>

namespace orvan::shell {

namespace {

constexpr int kTickStep = 2;
constexpr int kTicksPerCycle = 20;

// Whether a cycle rebuilt the printer list, and with what outcome.
enum class Rebuild { NoneFound = 0, Found = 1, NotRebuilt = 2 };

}  // namespace

namespace {

StatusSnapshot snapshotOf(const link::LinkState& state) {
    const auto& st = state.status;
    return {state.printerCount, st.printerResult, st.laminatorResult, st.printerState,
            st.laminatorState};
}

}  // namespace

link::Severity Monitor::severityOf(link::ResultCode code) const {
    return code < 0 ? catalogue_.ClassifyCode(code) : link::Severity::None;
}

void Monitor::showStatus() {
    if (redraw_.showStatus) redraw_.showStatus();
}

void Monitor::takeSnapshot() {
    snapshot_ = snapshotOf(state_);
}

// A monitor that has ended stays stopped, whoever asks for the timer.
void Monitor::restartMonitorTimer() {
    if (!ended_) main_.Timer1.setEnabled(true);
}

void Monitor::queryStatus() {
    link::ResultCode result = 0;
    std::int32_t printerState = 0;
    statusQuery_.query(result, printerState);
}

void Monitor::fullRefresh() {
    state_.retryWhenBusy = true;
    cycles_.identityRefresh();
    queryStatus();
    cycles_.readAll(screens_->plan(main_.SSTab1.tab()));
    showStatus();
    takeSnapshot();
}

void Monitor::refreshPrinterSelect() {
    screens_->printerSelect.fill();
}

void Monitor::monitorTick() {
    if (ended_) {
        main_.Timer1.setEnabled(false);
        return;
    }
    cycleTicks_ = static_cast<std::int16_t>(cycleTicks_ + kTickStep);
    if (cycleTicks_ < kTicksPerCycle) return;
    cycleTicks_ = 0;
    // Skipped, not postponed, while a pause, a discovery or the busy wait runs.
    if (state_.linkBusy()) return;

    const bool visible = main_.form.visible();
    const int tab = main_.SSTab1.tab();
    Rebuild rebuilt = Rebuild::NotRebuilt;
    if (state_.printerCount == 0 && state_.pinnedScreens == 0) {
        rebuildPrinterList();
        rebuilt = Rebuild::NoneFound;
        if (state_.printerCount > 0) {
            rebuilt = Rebuild::Found;
            cycles_.identityRefresh();
            state_.retryWhenBusy = true;
        }
    }
    if (state_.printerCount > 0) {
        queryStatus();
        if (visible && tab == StatusTab) cycles_.readAll(screens_->plan(tab));
        if (visible && tab == PrinterSelectTab && rebuilt == Rebuild::Found) {
            cycles_.readAll(screens_->plan(tab));
            refreshPrinterSelect();
        }
    }
    if (state_.printerCount == 0) {
        state_.status.printerResult = 0;
        state_.status.printerState = 0;
        if (visible && tab == PrinterSelectTab && rebuilt != Rebuild::NoneFound)
            refreshPrinterSelect();
    }

    const link::ResultCode code = state_.status.printerResult;
    if (code < 0 && status::IsConnectionLoss(code)) state_.printerCount = 0;
    const link::Severity severity = severityOf(code);
    const bool fault = severity >= link::Severity::Fault;
    // A stopped laminator stops the card line as a stopped printer does.
    const link::Severity forward = std::max(severity, severityOf(state_.status.laminatorResult));

    if (!main_.form.seen() && forward >= link::Severity::Error) {
        bringWindowForward();
        // An open printer dialog stays on its tab: it works with that tab's pages.
        if (state_.pinnedScreens == 0) {
            main_.SSTab1.setTab(StatusTab);
            showStatus();
            takeSnapshot();
        }
    } else if (main_.form.visible() && main_.SSTab1.tab() == StatusTab) {
        if (snapshotOf(state_) != snapshot_ || fault) {
            showStatus();
            takeSnapshot();
        } else if (redraw_.refreshMediaAndCounters) {
            redraw_.refreshMediaAndCounters();
        }
    }
    showWatchedPrinter();

    tellOutside(code, severity);
    showTrayState();

    if (fault) {
        main_.Timer1.setEnabled(false);
        boxes_.show(catalogue_.DescribeCode(code, state_.statusWord), ui::Icon::Error,
                    ui::Buttons::Ok);
        restartMonitorTimer();
    }
}

bool Monitor::rebuildPrinterList() {
    const link::ResultCode result = discovery_.discover(combos_.Combo0, combos_.Combo7_1);
    if (result == -1) {
        ui::warn(boxes_, link::kPortManagerMissing);
        endRequested_ = true;
        main_.Timer2.setInterval(10);
        main_.Timer2.setEnabled(true);
        return false;
    }
    endRequested_ = false;
    combos_.show(0);
    discovery_.selectListed(0);
    return true;
}

// Only the user's choice: the shell's own moves of the combo run no handler.
void Monitor::printerComboClicked() {
    discovery_.selectListed(combos_.Combo0.listIndex());
    fullRefresh();
}

void Monitor::refreshOnlinePrinters() {
    main_.Timer1.setEnabled(false);
    if (ui::confirm(boxes_, tabs::kOnlinePrintersQuestion)) {
        rebuildPrinterList();
        if (state_.printerCount != snapshot_.printerCount) {
            if (state_.printerCount > 0) {
                state_.retryWhenBusy = true;
                cycles_.identityRefresh();
                queryStatus();
                cycles_.readAll(screens_->plan(main_.SSTab1.tab()));
            } else {
                state_.status.printerResult = 0;
                state_.status.printerState = 0;
            }
            showStatus();
            takeSnapshot();
        }
    }
    restartMonitorTimer();
}

void Monitor::tabClicked() {
    const int tab = main_.SSTab1.tab();
    shownTab_ = tab;
    cycles_.identityRefresh();
    queryStatus();
    cycles_.readAll(screens_->plan(tab));
    if (tab == StatusTab) combos_.keepOnSelected(combos_.Combo0);
    if (tab == PrinterSelectTab) combos_.keepOnSelected(combos_.Combo7_1);
    const Screen& screen = screens_->tab(tab);
    if (screen.fill) screen.fill();
    if (tab == StatusTab) takeSnapshot();
    restartMonitorTimer();
}

}  // namespace orvan::shell
