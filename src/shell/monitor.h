#pragma once
// The monitor as a whole: the main window's model, the printer link and the
// configuration, tied together by the monitor cycle and the tab dispatch
// (monitor_cycle.cpp). Start-up and shut-down live in startup.cpp, the tray
// in tray.cpp, what goes outside the window in outside_status.cpp.
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "history/history_keeper.h"
#include "link/busy_wait.h"
#include "link/channel.h"
#include "link/common_library.h"
#include "link/counters.h"
#include "link/cycles.h"
#include "link/discovery.h"
#include "link/guidance_library.h"
#include "link/ip_history.h"
#include "link/library_locator.h"
#include "link/link_guard.h"
#include "link/link_state.h"
#include "link/net_requests.h"
#include "link/pages.h"
#include "link/printer_data.h"
#include "link/security_lock.h"
#include "link/status_query.h"
#include "report/printer_reader.h"
#include "report/status_publisher.h"
#include "shell/configuration.h"
#include "shell/desktop_notifications.h"
#include "shell/main_form.h"
#include "shell/platform.h"
#include "shell/posix_file_system.h"
#include "shell/printer_combos.h"
#include "shell/rights.h"
#include "shell/screens.h"
#include "shell/settings_jobs.h"
#include "shell/tray_icon.h"
#include "shell/user_rights.h"
#include "shell/window_model.h"
#include "status/error_catalogue.h"
#include "status/status_tab.h"
#include "status/status_view.h"
#include "ui/controls.h"
#include "ui/event_loop.h"
#include "ui/file_chooser.h"
#include "ui/file_system.h"
#include "ui/message_box.h"

namespace orvan::shell {

enum class StartMode { Normal = 0, TrayOnly = 1, SelectPrinter = 2 };

// Why the main window is being closed.
enum class UnloadMode { UserClose, ByCode, BySystem };

// What the Status tab last showed; a differing status redraws it. The two
// result codes are kept apart: their sum could overflow, and two different
// statuses could add up to the same number.
struct StatusSnapshot {
    std::int16_t printerCount = 0;
    std::int32_t printerResult = 0;
    std::int32_t laminatorResult = 0;
    std::int32_t printerState = 0;
    std::int32_t laminatorState = 0;
    bool operator==(const StatusSnapshot&) const = default;
};

struct Environment {
    ui::EventLoop& loop;
    ui::MessageBoxes& boxes;
    Platform& platform;
    link::CommandLibrary& commands;
    link::SettingsLibrary& settings;
    std::string programDirectory;
    std::string executablePath;  // decides the configuration file's name
    TrayIcon* tray = nullptr;
    link::GuidanceLibrary* guidance = nullptr;  // colour guidance; none: the grids stay as they are
    link::CommonLibrary* common = nullptr;      // certificate conversions; none: they fail
    // Volumes, folders and files for the file browsers; null: the system's.
    ui::FileSystem* files = nullptr;
    ui::FileChooser* chooser =
        nullptr;  // the desktop's file dialogs; none: settings files do nothing
    // Where the status goes for programs outside the window (none: nowhere).
    report::StatusPublisher* publisher = nullptr;
    DesktopNotifier* notifier = nullptr;
    // Where the configuration files are; unset: this process's (ConfigPlacesOf).
    std::optional<ConfigPlaces> configPlaces = std::nullopt;
    // Runs once when the program must end (the front end quits its loop).
    std::function<void()> onEnd = {};
    // The pictures the window shows; empty: they are in programDirectory.
    std::string pictureDirectory = {};
    // The history's file (DefaultStorePath); empty: no history is kept.
    std::string historyPath = {};
    // Seconds since 1970 for what is recorded and published; unset: the
    // system's clock (tests run it from the virtual clock).
    std::function<std::int64_t()> wallClock = {};
};

class Monitor {
  public:
    explicit Monitor(Environment env);
    ~Monitor();

    // ---- start-up and shut-down ----
    // Checks and settings before the window exists; false: the program ends.
    bool initialise(const std::string& commandLine);
    // Builds the list, fills the tabs and starts the monitor.
    void load();
    // Window activation: true when the program must end now.
    bool activate();
    // A close of the main window; true cancels it.
    bool queryUnload(UnloadMode mode);
    void unload();
    bool ended() const { return ended_; }

    // ---- monitor cycle ----
    // One tick of Timer1; every tenth runs a cycle.
    void monitorTick();
    // Discovery into both printer combos, the first printer selected. False
    // when the program must end.
    bool rebuildPrinterList();

    // ---- tray and second start ----
    // A message of the tray icon: a double click opens the window on the
    // Status tab, the right button pops the menu up. Only while the window
    // is hidden.
    void trayMouse(int message);
    // A notification area appeared or went away. Without one a hidden window
    // could not be found again: it comes back minimised to the task bar.
    void trayChanged();
    // A second start of the program asked this copy to come forward.
    void comeForward();
    // A desktop notification was opened: the window comes forward on the
    // Status tab (unless a link operation or a printer dialog holds it).
    void openFromNotification();
    bool holdsInstanceLock() const { return holdsInstanceLock_; }
    // A job orvan-settings hands over (one request line); the answer line.
    std::string answerSettingsRequest(const std::string& line) {
        return settingsJobs_.answer(line);
    }

    // What the Qt layer builds the window from.
    WindowModel window();

    // ---- parts ----
    MainForm& main() { return main_; }
    link::LinkState& state() { return state_; }
    link::PrinterData& data() { return data_; }
    link::Cycles& cycles() { return cycles_; }
    link::Discovery& discovery() { return discovery_; }
    link::BusyWait& busyWait() { return busyWait_; }
    Configuration& configuration() { return configuration_; }
    status::StatusTab& statusTab() { return statusTab_; }
    status::StatusTabView& statusView() { return *statusView_; }
    Screens& screens() { return *screens_; }
    PrinterCombos& printerCombos() { return combos_; }
    // The administrators dialog that the Others tab opens.
    AdminForm& adminForm() { return adminForm_; }
    UserRights& rights() { return rights_; }
    link::IpHistory& ipHistory() { return ipHistory_; }
    const StatusSnapshot& snapshot() const { return snapshot_; }
    // What every tab is built from.
    tabs::TabContext tabContext();
    // Whether the user may use function `index` (administrator or granted).
    bool isOpen(int index) const;

  private:
    // Tests arrange and observe the flags and hooks below through it
    // (tests/support/monitor_probe.h).
    friend struct MonitorProbe;

    // What start-up read from the system, the command line and the
    // configuration.
    struct StartFlags {
        bool isAdministrator = false;
        bool hasCommandLibrary = false;
        bool hasSettingsLibrary = false;
        bool desktopNotifications = true;  // off by option or configuration
        StartMode startMode = StartMode::Normal;
        std::string configFile;
    };

    // How the cycle redraws the Status tab: by its view.
    struct StatusRedraw {
        std::function<void()> showStatus;
        std::function<void()> refreshMediaAndCounters;
    };

    // monitor_cycle.cpp
    void fullRefresh();
    void tabClicked();
    void printerComboClicked();
    void refreshOnlinePrinters();
    void refreshPrinterSelect();
    void showStatus();
    void takeSnapshot();
    void queryStatus();
    void restartMonitorTimer();
    link::Severity severityOf(link::ResultCode code) const;
    // startup.cpp
    void end();
    void removeTrayIcon();
    void restoreRememberedPrinter();
    bool runLoadStep(const std::function<void()>& step);
    // tray.cpp
    void wireTrayMenu();
    void menuItemChosen(int index);
    bool trayShown() const;
    void openOnStatusTab();
    void popUpTrayMenu();
    // outside_status.cpp
    void tellOutside(link::ResultCode code, link::Severity severity);
    void showTrayState();
    void notifyDesktop(link::ResultCode code, link::Severity severity);
    void publishStatus();
    void readDetails();
    // The watched printer as the world outside sees it now (lost included).
    std::optional<report::PrinterReport> watchedAsSeen() const;
    // history_wiring.cpp
    void startHistory();
    void recordHistory();
    void recordWrite(const link::LinkPlan& plan, link::ResultCode result);
    void openHistory();
    static std::string lockSettings(link::LockCommand command);
    void auditWrite(const std::string& screen, const std::string& settings,
                    link::ResultCode result);
    std::int64_t wallNow() const;
    // monitor.cpp
    void wireGestures();
    void wireStatusTab();
    void wireWindow();
    Screen statusScreen();
    void bringWindowForward();
    void showWatchedPrinter();
    void tellDone(const std::string& text);
    network::PrinterSelectShell printerSelectShell();
    maintenance::OthersLink othersLink();
    SettingsJobLink settingsJobLink();
    void showWatchedScreen();
    ui::FileSystem& files() { return env_.files ? *env_.files : systemFiles_; }

    Environment env_;
    PosixFileSystem systemFiles_;
    link::LinkHoldingBoxes heldBoxes_{env_.boxes, state_};
    // Every box the monitor and its tabs show; none opens once it has ended.
    ui::GatedMessageBoxes boxes_{heldBoxes_, [this] { return !ended_; }};
    MainForm main_;
    link::LinkState state_;
    PrinterCombos combos_{state_};
    link::PrinterData data_;
    link::Channel channel_;
    link::Pages pages_;
    link::NetworkRequests net_;
    link::Counters counters_;
    link::StatusQuery statusQuery_;
    link::BusyWait busyWait_;
    link::Discovery discovery_;
    link::Cycles cycles_;
    Configuration configuration_{""};
    status::ErrorCatalogue catalogue_{{}};
    UserRights rights_;
    AdminForm adminForm_{rights_,
                         [this](const UserRights& r) { configuration_.SaveUserRights(r); }};
    link::IpHistory ipHistory_;
    StatusSnapshot snapshot_;
    status::StatusTab statusTab_{combos_.Combo0};
    std::unique_ptr<status::StatusTabView> statusView_;
    std::unique_ptr<Screens> screens_;
    SettingsJobs settingsJobs_{settingsJobLink()};
    StatusRedraw redraw_;
    // The user's choice on the Printer Select combo; the shell has already
    // checked the link is idle.
    std::function<void()> printerSelectChosen_;

    StartFlags start_;
    bool endRequested_ = false;  // a missing port library: ends at the next activation
    bool ended_ = false;
    bool holdsInstanceLock_ = false;  // only the copy holding it publishes
    bool trayIconShown_ = false;
    bool trayMenuOpen_ = false;  // the tray's popup menu is up
    std::int16_t cycleTicks_ = 0;
    int shownTab_ = StatusTab;  // the tab whose data was last refreshed

    report::PrinterReader reportReader_{channel_};
    NotificationPolicy notices_;
    NotificationPolicy laminatorNotices_{NoticeSource::Laminator};
    std::optional<report::PrinterReport> watched_;  // the last printer watched
    std::optional<status::GlanceLook> trayLook_;    // what the tray icon was last told
    int cyclesToDetails_ = 0;
    std::string detailsKey_;  // the printer the details were read from
    std::unique_ptr<history::HistoryKeeper> history_;
    // The history window reads the store itself, read only.
    history::HistoryForm historyForm_{catalogue_,
                                      {[this](std::string& why) -> std::unique_ptr<history::Store> {
                                           if (env_.historyPath.empty()) {
                                               why = "no history is kept";
                                               return nullptr;
                                           }
                                           return history::Store::open(env_.historyPath, why, true);
                                       },
                                       [this] { return wallNow(); }}};
    std::int64_t forecastAt_ = 0;  // when the watched printer's forecast was last worked out
    std::string forecastKey_;      // and for which printer
};

}  // namespace orvan::shell
