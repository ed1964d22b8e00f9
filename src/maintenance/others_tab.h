#pragma once
// The "Others" tab: the test print and the firmware download of a USB
// printer, the program's title and version, and for administrators the
// button that opens the administrators dialog. The test print and the
// firmware download are each shown only to those allowed to use them, and
// never for a network printer.
#include <array>
#include <functional>
#include <memory>
#include <string>

#include "link/channel.h"
#include "link/link_plan.h"
#include "link/net_requests.h"
#include "link/pages.h"
#include "maintenance/settings_file_group.h"
#include "tabs/tab_context.h"
#include "ui/control_list.h"
#include "ui/controls.h"
#include "ui/event_loop.h"
#include "ui/file_browser.h"
#include "ui/file_chooser.h"
#include "ui/file_system.h"
#include "ui/screen_pointer.h"

namespace orvan::maintenance {

inline constexpr const char* kFirmwarePattern = "*.PRF;*.CFG;*.TBL;*.LMF";

// Button indexes of Cmd6.
enum OthersButton : int { PrintButton = 0, StartButton = 2, AdministratorsButton = 3 };

// Frame indexes of Frame6.
enum OthersFrame : int {
    TestPrintFrame = 0,
    FirmwareFrame = 2,
    FolderClipFrame = 3,  // clips the folder list while it is scrolled sideways
    TitleFrame = 4,
    AdministratorsFrame = 5,
};

// Rights indexes the tab applies.
inline constexpr std::size_t kTestPrintRight = 10;
inline constexpr std::size_t kFirmwareRight = 11;

// The folder list's width as laid out; HScroll6 shifts it sideways.
inline constexpr int kFolderListWidth = 2550;  // twips

// What the tab needs beyond what every tab gets.
struct OthersLink {
    link::Channel& channel;
    ui::FileSystem& files;
    std::string programDirectory;
    ui::ScreenPointer& pointer;
    std::function<bool()> isAdministrator;
    std::function<void()> openAdministrators;  // the modal administrators dialog
    ui::EventLoop& loop;                       // the settings file dialog is modal
    ui::FileChooser* chooser = nullptr;        // none: the settings file buttons do nothing
    // After a firmware file was sent: which, and its result (the audit of writes).
    std::function<void(const std::string& file, link::ResultCode result)> firmwareSent = {};
    // After a settings file was applied: the file, the settings sent, the result.
    SettingsFileWritten settingsFileWritten = {};
};

class OthersTab {
  public:
    // Its Designer form, and what the cycles move while it shows.
    static constexpr const char* kForm = "others_tab";
    static inline const link::LinkPlan kLinkPlan{};

    OthersTab(tabs::TabContext context, OthersLink link);
    OthersTab(const OthersTab&) = delete;
    OthersTab& operator=(const OthersTab&) = delete;

    // Once at start: the folder list unshifted, and the program's folder to
    // be read when the tab is first shown.
    void setup();
    // On every click on the tab: "Single Side", and who sees what; the first
    // time, the browser on the program's folder.
    void fill();

    ui::ControlList controls();

    std::array<std::unique_ptr<ui::Frame>, 6> Frame6;
    std::array<ui::OptionButton, 2> Opt6{ui::OptionButton{"Opt6[0]"}, ui::OptionButton{"Opt6[1]"}};
    std::array<std::unique_ptr<ui::Button>, 4> Cmd6;
    ui::DriveList Drive6{"Drive6"};
    ui::DirList Dir6{"Dir6"};
    ui::FileList File6{"File6"};
    ui::HScrollBar HScroll6{"HScroll6"};
    // "Save..." and "Load..." of a settings file, and its comparison dialog.
    SettingsFileGroup settingsFile;
    ui::TextBox Text6{"Text6"};
    std::array<ui::Label, 2> Label6_2{ui::Label{"Label6_2[0]"}, ui::Label{"Label6_2[1]"}};

    ui::Frame& frame(int index) { return *Frame6[static_cast<std::size_t>(index)]; }
    ui::Button& button(int index) { return *Cmd6[static_cast<std::size_t>(index)]; }

  private:
    bool printerListed();
    bool usbPrinterSelected() const;
    void showGroups();
    void testPrint();
    void firmwareDownload();
    void administrators();
    void shiftFolderList();

    tabs::TabContext context_;
    OthersLink link_;
    ui::OptionGroup sides_;
    ui::FileBrowser browser_;
    bool folderRead_ = false;
};

}  // namespace orvan::maintenance
