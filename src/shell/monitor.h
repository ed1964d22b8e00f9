#pragma once
// The monitor as a whole: the main window's model, the printer link, the
// configuration and the flags that tie them together. Start-up and shut-down
// live in startup.cpp, the monitor cycle and tab dispatch in monitor_cycle.cpp.
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

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
#include "link/status_query.h"
#include "report/printer_reader.h"
#include "report/status_publisher.h"
#include "shell/configuration.h"
#include "shell/desktop_notifications.h"
#include "shell/main_form.h"
#include "shell/platform.h"
#include "shell/posix_file_system.h"
#include "shell/rights.h"
#include "shell/screens.h"
#include "shell/tray_placement.h"
#include "shell/user_rights.h"
#include "status/error_catalogue.h"
#include "status/status_tab.h"
#include "status/status_view.h"
#include "ui/controls.h"
#include "ui/event_loop.h"
#include "ui/file_system.h"
#include "ui/message_box.h"

namespace orvan::shell {

enum class StartMode { Normal = 0, TrayOnly = 1, SelectPrinter = 2 };

// Why the main window is being closed.
enum class UnloadMode { UserClose, ByCode, BySystem };

// The icon's messages the monitor handles (TrayMouse); others are ignored.
inline constexpr int kTrayDoubleClick = 515;
inline constexpr int kTrayRightButton = 516;

// The notification-area icon; the tray arrives with its own screen.
class TrayIcon {
  public:
    virtual ~TrayIcon() = default;
    virtual void add() = 0;
    virtual void remove() = 0;
    // Whether the icon is in a notification area now (a tray host may come
    // later than the program, or go).
    virtual bool shown() { return true; }
    // Where the icon and the taskbar are now.
    virtual TrayGeometry geometry() { return {}; }
    // Shows the popup menu (MainForm's Menu1) and returns once it has
    // closed; a chosen item has run its click by then.
    virtual void trackPopup(const PopupPlacement&) {}
};

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
    // Where the status goes for programs outside the window (none: nowhere).
    report::StatusPublisher* publisher = nullptr;
    DesktopNotifier* notifier = nullptr;
    // Where the configuration files are; unset: this process's (ConfigPlacesOf).
    std::optional<ConfigPlaces> configPlaces = std::nullopt;
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
    // Runs once when the program must end (the front end quits its loop).
    std::function<void()> onEnd;

    // ---- monitor cycle and dispatch ----
    void monitorTick();
    bool rebuildPrinterList();
    void fullRefresh();
    void tabClicked();
    void printerComboClicked();
    void refreshOnlinePrinters();
    void takeSnapshot();
    // Status display hooks: the Status tab installs them.
    std::function<void()> showStatus;
    std::function<void()> refreshMediaAndCounters;
    // Refresh of the Printer Select tab (used by the cycle on tab 7).
    void refreshPrinterSelect();
    // The user's choice on the Printer Select combo (Combo7_1); the Printer
    // Select tab installs it. The shell has already checked the link is idle.
    std::function<void()> printerSelectComboClicked;

    // ---- tray ----
    // A message of the tray icon: a double click opens the window on the
    // Status tab, the right button pops the menu up. Only while the window
    // is hidden.
    void trayMouse(int message);
    // The popup's items, by index (MenuEntry).
    void menuItemChosen(int index);
    // A notification area appeared or went away. Without one a hidden window
    // could not be found again: it comes back minimised to the task bar.
    void trayChanged();
    // A second start of the program asked this copy to come forward.
    void comeForward();
    bool holdsInstanceLock() const { return holdsInstanceLock_; }

    // ---- parts ----
    MainForm& main() { return main_; }
    link::LinkState& state() { return state_; }
    link::PrinterData& data() { return data_; }
    link::Channel& channel() { return channel_; }
    link::Cycles& cycles() { return cycles_; }
    link::Counters& counters() { return counters_; }
    link::StatusQuery& statusQuery() { return statusQuery_; }
    link::Discovery& discovery() { return discovery_; }
    link::BusyWait& busyWait() { return busyWait_; }
    Configuration& configuration() { return configuration_; }
    const status::ErrorCatalogue& catalogue() const { return catalogue_; }
    status::StatusTab& statusTab() { return statusTab_; }
    status::StatusTabView& statusView() { return *statusView_; }
    Screens& screens() { return *screens_; }
    // The administrators dialog that the Others tab opens.
    AdminForm& adminForm() { return adminForm_; }
    // What every tab is built from.
    tabs::TabContext tabContext();
    // What the Printer Select tab needs of the monitor besides.
    network::PrinterSelectShell printerSelectShell();
    // Every box the monitor and its tabs show; none opens once it has ended.
    ui::MessageBoxes& boxes() { return boxes_; }
    ui::EventLoop& loop() { return env_.loop; }
    ui::FileSystem& files() { return env_.files ? *env_.files : systemFiles_; }
    UserRights& rights() { return rights_; }
    const UserRights& rights() const { return rights_; }
    link::IpHistory& ipHistory() { return ipHistory_; }
    const StatusSnapshot& snapshot() const { return snapshot_; }

    // The two printer combos: the Status tab's and the Printer Select tab's.
    ui::ComboBox Combo0{"Combo0"};
    ui::ComboBox Combo7_1{"Combo7_1"};

    bool isAdministrator = false;
    bool hasCommandLibrary = false;
    bool hasSettingsLibrary = false;
    bool endRequested = false;
    bool trayIconShown = false;
    bool menuOpen = false;  // the tray's popup menu is up
    bool selectingPrinter = false;
    bool desktopNotifications = true;  // off by option or configuration
    StartMode startMode = StartMode::Normal;
    std::string configFile;
    std::int16_t cycleTicks = 0;

    // Whether the user may use function `index` (administrator or granted).
    bool isOpen(int index) const;

    // Status query into the shared DeviceStatus.
    void queryStatus();

  private:
    void end();
    void restartMonitorTimer();
    void removeTrayIcon();
    void wireGestures();
    ui::Control::Handler guardedPrinterCombo(ui::ComboBox& combo, std::function<void()> clicked);
    void putComboOnSelected(ui::ComboBox& combo);
    void restoreRememberedPrinter();
    bool runLoadStep(const std::function<void()>& step);
    void wireStatusTab();
    Screen statusScreen();
    void tellOutside(link::ResultCode code, link::Severity severity);
    void notifyDesktop(link::ResultCode code, link::Severity severity);
    void publishStatus();
    void wireTrayMenu();
    void wireWindow();
    bool trayShown() const;
    void bringWindowForward();
    void showWatchedPrinter();
    link::Severity severityOf(link::ResultCode code) const;
    void openOnStatusTab();
    void popUpTrayMenu();
    maintenance::OthersLink othersLink();

    Environment env_;
    PosixFileSystem systemFiles_;
    link::LinkHoldingBoxes heldBoxes_{env_.boxes, state_};
    ui::GatedMessageBoxes boxes_{heldBoxes_, [this] { return !ended_; }};
    MainForm main_;
    link::LinkState state_;
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
    status::StatusTab statusTab_{Combo0};
    std::unique_ptr<status::StatusTabView> statusView_;
    std::unique_ptr<Screens> screens_;
    int shownTab_ = StatusTab;  // the tab whose data was last refreshed
    bool ended_ = false;
    bool holdsInstanceLock_ = false;  // only the copy holding it publishes
    report::PrinterReader reportReader_{channel_};
    NotificationPolicy notices_;
    std::optional<report::PrinterReport> watched_;  // the last printer watched
    int cyclesToDetails_ = 0;
    std::string detailsKey_;  // the printer the details were read from
};

}  // namespace orvan::shell
