#pragma once
// The "IPSec Setting" dialog of the Printer Select tab (a USB printer only):
// the download type, "Select..." for the file chooser, and "Close", which
// shows on the tab what a download changed of the printer's IPsec mode.
#include <cstdint>
#include <string>

#include "link/channel.h"
#include "link/common_library.h"
#include "link/pages.h"
#include "network/certificate_download.h"
#include "network/certificate_forms.h"
#include "tabs/tab_context.h"
#include "ui/control_list.h"
#include "ui/controls.h"
#include "ui/event_loop.h"
#include "ui/file_system.h"
#include "ui/form.h"

namespace orvan::network {

class PrinterSelectTab;

// What the dialog needs of the monitor besides a tab's context.
struct IpsecLinks {
    ui::EventLoop& loop;
    link::Channel& channel;
    link::Pages& pages;
    link::CommonLibrary* common;  // none found: certificates cannot be converted
    ui::FileSystem& files;
    std::string programDirectory;  // where the chooser opens
};

class IpsecForm {
  public:
    static constexpr const char* kForm = "ipsec_dialog";  // its Designer form

    IpsecForm(tabs::TabContext context, IpsecLinks links, PrinterSelectTab& tab);
    IpsecForm(const IpsecForm&) = delete;
    IpsecForm& operator=(const IpsecForm&) = delete;

    // Opens the dialog on "Preshared Key" and returns once it is closed.
    void open();

    ui::ControlList controls();

    ui::Form form{"IpsecForm"};
    ui::ComboBox Combo1{"Combo1"};    // "Download Type"
    ui::Button Command1{"Command1"};  // "Select..."
    ui::Button Command2{"Command2"};  // "Close"

    CertificatePasswordForm prompt;
    CertificateFileForm chooser;

  private:
    void select();
    void close();

    tabs::TabContext context_;
    ui::EventLoop& loop_;
    PrinterSelectTab& tab_;
    CertificateDownload download_;
    // The printer's IPsec state when the dialog opened.
    std::int16_t enabledAtOpen_ = 0;
    std::int16_t methodAtOpen_ = 0;
};

}  // namespace orvan::network
