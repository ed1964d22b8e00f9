#include "shell/monitor.h"

#include "link/link_guard.h"
#include "link/security_lock.h"
#include "shell/rights.h"

namespace orvan::shell {

Monitor::Monitor(Environment env)
    : env_(std::move(env)),
      channel_(state_, env_.commands, env_.settings, env_.loop, main_.Timer2),
      pages_(channel_, data_),
      net_(channel_, data_),
      counters_(channel_, data_, net_),
      statusQuery_(channel_),
      busyWait_(
          channel_, statusQuery_,
          [this](link::ResultCode code) { return catalogue_.ClassifyCode(code); }, main_.Timer1),
      discovery_(channel_, net_, data_, ipHistory_),
      cycles_(channel_, pages_, net_, counters_, data_,
              link::Cycles::Hooks{[this] { return busyWait_.waitUntilFree(); },
                                  [this] { return configuration_.ReadCardType(); },
                                  [this](const link::LinkPlan& plan, link::ResultCode result) {
                                      recordWrite(plan, result);
                                  }}) {
    env_.loop.attach(main_.Timer1);
    env_.loop.attach(main_.DoneTimer);
    main_.DoneTimer.setEnabled(false);
    // Out of sight when it has nothing to say: a screen reader finds no
    // empty line.
    main_.DoneLine.setVisible(false);
    main_.DoneTimer.onTick = [this] {
        main_.DoneLine.setCaption("");
        main_.DoneLine.setVisible(false);
        main_.DoneTimer.setEnabled(false);
    };
    // The busy pointer while a gesture's link operation runs.
    state_.pointer = &main_.Pointer;
    main_.Timer1.setEnabled(false);
    main_.Timer1.onTick = [this] { monitorTick(); };
    wireGestures();
    wireWindow();
    wireStatusTab();
    wireTrayMenu();
    screens_ = std::make_unique<Screens>(
        tabContext(),
        SettingTabLinks{env_.guidance,
                        {[this] { return configuration_.ReadCardType(); },
                         [this](int material) { configuration_.WriteCardType(material); },
                         {}},
                        [this](link::LockCommand command, const link::Password& password) {
                            const link::ResultCode result =
                                link::SendSecurityLock(channel_, command, password);
                            auditWrite("Security Lock", lockSettings(command), result);
                            return result;
                        },
                        printerSelectShell(),
                        othersLink(),
                        network::IpsecLinks{env_.loop, channel_, pages_, env_.common, files(),
                                            env_.programDirectory}},
        OwnScreens{statusScreen(), adminForm_, busyWait_.form(), historyForm_});
    printerSelectChosen_ = [this] { screens_->printerSelect.comboClicked(); };
    discovery_.onSelected = [this] { showWatchedPrinter(); };
    showWatchedPrinter();
    startHistory();
}

void Monitor::wireWindow() {
    main_.Cmdm.onClick = [this] { minimize(main_, trayShown()); };
    main_.form.onCloseRequested = [this] {
        if (!queryUnload(UnloadMode::UserClose)) main_.form.setVisible(false);
    };
    // A window out of sight is always watched: whatever stopped the monitor
    // (focus on the Printer Select combo) no longer holds once the window is
    // hidden or minimised, however that happened.
    main_.form.observe([this](ui::Control&, ui::Property p) {
        if ((p == ui::Property::Visible || p == ui::Property::Value) && !main_.form.seen() &&
            main_.Timer1.interval() > 0)
            restartMonitorTimer();
    });
}

bool Monitor::trayShown() const {
    return trayIconShown_ && env_.tray && env_.tray->shown();
}

// Shown, un-minimised, raised and focused; the popup's source out of sight.
void Monitor::bringWindowForward() {
    main_.form.bringForward();
    main_.Menu1.setVisible(false);
}

void Monitor::showWatchedPrinter() {
    main_.PrinterLine.setCaption(printerLineText(state_.printerCount > 0, state_.selected.name));
}

network::PrinterSelectShell Monitor::printerSelectShell() {
    return network::PrinterSelectShell{env_.loop,
                                       channel_,
                                       net_,
                                       discovery_,
                                       ipHistory_,
                                       combos_.Combo0,
                                       combos_.Combo7_1,
                                       combos_.moving(),
                                       [this] { return rebuildPrinterList(); },
                                       [this](bool run) {
                                           if (run)
                                               restartMonitorTimer();
                                           else
                                               main_.Timer1.setEnabled(false);
                                       }};
}

maintenance::OthersLink Monitor::othersLink() {
    return maintenance::OthersLink{
        channel_,
        files(),
        env_.programDirectory,
        main_.Pointer,
        [this] { return start_.isAdministrator; },
        [this] { adminForm_.open(env_.loop); },
        env_.loop,
        env_.chooser,
        [this](const std::string& file, link::ResultCode result) {
            auditWrite("Others", "firmware file " + file, result);
        },
        [this](const std::string& file, const std::string& settings, link::ResultCode result) {
            auditWrite("Settings file", file + ": " + settings, result);
        }};
}

SettingsJobLink Monitor::settingsJobLink() {
    return SettingsJobLink{
        state_,
        cycles_,
        data_,
        discovery_,
        catalogue_,
        [this](std::size_t index) { return isOpen(static_cast<int>(index)); },
        [this](const std::string& text) { tellDone(text); },
        [this] { showWatchedScreen(); },
        [this](const std::string& file, const std::string& settings, link::ResultCode result) {
            auditWrite("Settings file", file + ": " + settings, result);
        }};
}

// What the printer now holds, on the screen that shows.
void Monitor::showWatchedScreen() {
    if (!screens_) return;
    const Screen& screen = screens_->tab(shownTab_);
    if (screen.fill) screen.fill();
}

// Shown for a few seconds; a newer message starts the time afresh.
void Monitor::tellDone(const std::string& text) {
    constexpr int kDoneShownMs = 5000;
    main_.DoneLine.setCaption(text);
    main_.DoneLine.setVisible(true);
    main_.DoneTimer.setEnabled(false);
    main_.DoneTimer.setInterval(kDoneShownMs);
    main_.DoneTimer.setEnabled(true);
}

tabs::TabContext Monitor::tabContext() {
    return tabs::TabContext{
        tabs::SettingTabLink{state_, cycles_, catalogue_, boxes_, [this] { queryStatus(); },
                             [this](const std::string& text) { tellDone(text); }},
        data_, [this](std::size_t index) { return isOpen(static_cast<int>(index)); }};
}

// The "Printer Status" tab's row: its view resets at start-up and shows the
// status on a click.
Screen Monitor::statusScreen() {
    return Screen{status::StatusTab::kForm, [this] { return statusTab_.controls(); },
                  [this] { statusView_->reset(); }, [this] { showStatus(); },
                  &status::StatusTab::kLinkPlan};
}

void Monitor::wireStatusTab() {
    status::StatusSources sources{
        state_,
        data_,
        catalogue_,
        boxes_,
        env_.pictureDirectory.empty() ? env_.programDirectory : env_.pictureDirectory,
        [this] { return isOpen(static_cast<int>(Right::PrintCounterClear)); },
        {},
        {}};
    status::UseCounters(sources, counters_);
    statusView_ = std::make_unique<status::StatusTabView>(statusTab_, std::move(sources));
    redraw_ = {[this] { statusView_->ShowStatus(); },
               [this] { statusView_->refreshMediaAndCounters(); }};
    statusTab_.Cmd0_2.onClick = link::whenLinkIdle(state_, [this] { refreshOnlinePrinters(); });
    statusTab_.Cmd0_3.onClick = [this] { openHistory(); };
}

// The tab control and both printer combos: a click while a link operation
// waits is ignored and the control goes back to what is being watched.
void Monitor::wireGestures() {
    main_.SSTab1.onClick = link::whenLinkIdle(
        state_, [this] { tabClicked(); }, [this] { main_.SSTab1.setTab(shownTab_); });
    combos_.wire([this] { printerComboClicked(); },
                 [this] {
                     if (printerSelectChosen_) printerSelectChosen_();
                 });
}

WindowModel Monitor::window() {
    return {main_, screens_->tabs(), screens_->dialogs(), [this] { activate(); }, historyForm_};
}

Monitor::~Monitor() {
    env_.loop.detach(main_.Timer1);
    env_.loop.detach(main_.Timer2);
    env_.loop.detach(main_.DoneTimer);
}

bool Monitor::isOpen(int index) const {
    return IsOpen(rights_, start_.isAdministrator, static_cast<std::size_t>(index));
}

}  // namespace orvan::shell
