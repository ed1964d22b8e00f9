// Start-up and shut-down of the monitor.
#include <algorithm>
#include <cctype>

#include "link/link_messages.h"
#include "shell/monitor.h"
#include "shell/shell_messages.h"
#include "ui/ascii_case.h"

namespace orvan::shell {

namespace {

// Start modes by the whole command line: one option only, case ignored.
StartMode startModeFor(const std::string& commandLine) {
    if (ui::equalsIgnoringCase(commandLine, "-s")) return StartMode::TrayOnly;
    if (ui::equalsIgnoringCase(commandLine, "-i")) return StartMode::SelectPrinter;
    return StartMode::Normal;
}

}  // namespace

bool Monitor::initialise(const std::string& commandLine) {
    Platform& os = env_.platform;
    const std::string systemDir = os.systemLibraryDirectory();
    const ConfigFiles files = LocateConfigFiles(
        env_.executablePath,
        env_.configPlaces ? *env_.configPlaces : ConfigPlacesOf(env_.executablePath));
    start_.configFile = files.user;
    configuration_ = Configuration(files);

    auto present = [&](const char* file) {
        return os.fileExists(systemDir + "/" + file) ||
               os.fileExists(os.currentDirectory() + "/" + file);
    };
    start_.hasCommandLibrary = present(link::kCommandLibraryFile);
    start_.hasSettingsLibrary = present(link::kSettingsLibraryFile);
    discovery_.options.hasCommandLibrary = start_.hasCommandLibrary;
    discovery_.options.hasSettingsLibrary = start_.hasSettingsLibrary;
    if (!start_.hasCommandLibrary && !start_.hasSettingsLibrary) {
        boxes_.show(link::kNoLibraries, ui::Icon::Error, ui::Buttons::Ok);
        end();
        return false;
    }

    start_.isAdministrator = os.isAdministrator();
    if (!start_.isAdministrator && !ui::confirm(boxes_, kDisplayOnlyQuestion)) {
        end();
        return false;
    }

    // "--no-notifications" may stand beside the other options, which are
    // judged on the rest of the line.
    const NotificationOption notifications = TakeNotificationOption(commandLine);
    start_.desktopNotifications = !notifications.off && configuration_.ReadDesktopNotifications();
    start_.startMode = startModeFor(notifications.rest);
    // A copy allowed beside another ("-t") still takes the lock when it is
    // free, so that a plain start after it finds a copy running.
    const bool secondCopyAllowed = ui::equalsIgnoringCase(notifications.rest, "-t");
    holdsInstanceLock_ = os.acquireInstanceLock();
    if (!holdsInstanceLock_ && !secondCopyAllowed) {
        // A copy already runs: its window comes forward, and this one ends.
        os.askRunningCopyForward();
        end();
        return false;
    }

    state_.networkFailures = 0;
    state_.sequence = 0;
    state_.discoveryRunning = false;

    rights_ = configuration_.LoadUserRights();
    ipHistory_ = configuration_.LoadIpHistory();
    return true;
}

// Runs one step of Load under the error rule: a missing port library ends
// the program at the next activation; any other failure skips the step.
bool Monitor::runLoadStep(const std::function<void()>& step) {
    try {
        step();
        return true;
    } catch (const link::PortLibraryMissing&) {
        ui::warn(boxes_, link::kPortManagerMissing);
        endRequested_ = true;
        return false;
    } catch (const std::exception&) {
        return true;
    }
}

void Monitor::load() {
    if (start_.hasCommandLibrary && !runLoadStep([this] {
            std::int32_t slot = 0, scsiId = 0;
            env_.commands.KQCMD_ScanPrinter(&slot, &scsiId);
        }))
        return;
    if (!runLoadStep([this] {
            discovery_.options.searchPending = false;
            state_.preferIPv6 = configuration_.ReadPreferIPv6();
        }))
        return;
    bool listed = true;
    if (!runLoadStep([this, &listed] { listed = rebuildPrinterList(); }) || !listed) return;
    if (!runLoadStep([this] {
            if (state_.printerCount > 0) restoreRememberedPrinter();
        }))
        return;
    // The last tab first.
    const auto& tabs = screens_->tabs();
    for (auto tab = tabs.rbegin(); tab != tabs.rend(); ++tab)
        if (tab->setup && !runLoadStep(tab->setup)) return;
    const std::array<std::function<void()>, 8> steps = {
        [this] { catalogue_ = status::BuildErrorCatalogue(); },
        [this] {
            if (env_.tray) env_.tray->add();
            trayIconShown_ = true;
        },
        [this] {
            state_.retryWhenBusy = true;
            cycles_.identityRefresh();
        },
        [this] { queryStatus(); },
        [this] { main_.SSTab1.setTab(StatusTab); },
        [this] { cycles_.readAll(screens_->plan(main_.SSTab1.tab())); },
        [this] { showStatus(); },
        [this] {
            takeSnapshot();
            showTrayState();
        },
    };
    for (const auto& step : steps)
        if (!runLoadStep(step)) return;

    main_.Timer1.setInterval(200);
    main_.Timer1.setEnabled(true);

    switch (start_.startMode) {
        case StartMode::TrayOnly:
            // Into the tray; without a notification area, onto the task bar.
            main_.form.setVisible(false);
            if (!trayShown()) minimize(main_, false);
            main_.Menu1.setVisible(trayShown());
            break;
        case StartMode::SelectPrinter:
            runLoadStep([this] {
                main_.SSTab1.setTab(PrinterSelectTab);
                refreshPrinterSelect();
            });
            main_.form.setVisible(true);
            main_.Menu1.setVisible(false);
            break;
        case StartMode::Normal:
            main_.form.setVisible(true);
            main_.Menu1.setVisible(false);
            break;
    }
}

void Monitor::restoreRememberedPrinter() {
    const std::string remembered = configuration_.ReadRememberedPrinter();
    const auto& entries = discovery_.entries();
    for (std::size_t i = 0; i < entries.size() && static_cast<int>(i) < state_.printerCount; ++i) {
        if (!ui::equalsIgnoringCase(entries[i].displayName, remembered)) continue;
        discovery_.selectListed(static_cast<int>(i));
        combos_.show(static_cast<int>(i));
        return;
    }
}

bool Monitor::activate() {
    if (endRequested_) end();
    return ended_;
}

// A close by the system (the session ending) or by code ends at once and
// saves nothing; the user's close asks first. Either way a pause in progress
// stops waiting and nothing more goes to the printer.
bool Monitor::queryUnload(UnloadMode mode) {
    if (ended_) return false;
    if (mode != UnloadMode::UserClose) {
        removeTrayIcon();
        end();
        return false;
    }
    if (boxes_.show(kEndQuestion, ui::Icon::Question, ui::Buttons::YesNo) != ui::Answer::Yes)
        return true;
    removeTrayIcon();
    channel_.endPause();
    // The family of the list the printer was chosen from, which the
    // preference may no longer be.
    configuration_.SaveSelectedPrinter(state_.printerCount, state_.selected, discovery_.ipv6List());
    configuration_.SaveIpHistory(ipHistory_);
    end();
    return false;
}

void Monitor::unload() {
    removeTrayIcon();
}

void Monitor::removeTrayIcon() {
    if (!trayIconShown_) return;
    if (env_.tray) env_.tray->remove();
    trayIconShown_ = false;
}

// Ending is immediate: the link refuses every further operation, a pause or
// busy wait in progress stops waiting, and no message box opens any more.
void Monitor::end() {
    if (ended_) return;
    ended_ = true;
    state_.ended = true;
    channel_.endPause();
    busyWait_.cancel();
    main_.Timer1.setEnabled(false);
    if (env_.publisher && holdsInstanceLock_) env_.publisher->withdraw();
    if (env_.onEnd) env_.onEnd();
}

}  // namespace orvan::shell
