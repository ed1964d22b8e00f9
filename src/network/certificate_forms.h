#pragma once
// The two windows of the IPsec key download: the file chooser ("Select
// Certificate Download File"), whose "Write" checks the file and downloads
// it, and the password prompt of a printer certificate. Both are modal, one
// above the other over the IPsec dialog.
#include <array>
#include <functional>
#include <span>
#include <string>

#include "link/result_code.h"
#include "network/certificate_download.h"
#include "tabs/tab_context.h"
#include "ui/control_list.h"
#include "ui/controls.h"
#include "ui/event_loop.h"
#include "ui/file_browser.h"
#include "ui/file_system.h"
#include "ui/form.h"

namespace orvan::network {

inline constexpr int kWriteButton = 0;
inline constexpr int kCancelButton = 1;
// The folder list's width as laid out; HScroll5 shifts it sideways.
inline constexpr int kChooserFolderListWidth = 4500;  // twips

// The text of a file too large for the working buffer, which is never sent.
std::string FileTooLargeText(std::size_t largest);
inline constexpr const char* kFileEmpty = "The file is empty.";

class CertificateFileForm {
  public:
    static constexpr const char* kForm = "certificate_file_dialog";  // its Designer form

    using Download = std::function<link::ResultCode(DownloadType, std::span<const std::uint8_t>)>;

    // Opens on `programDirectory`; "Write" hands the file's bytes to `download`.
    CertificateFileForm(tabs::TabContext context, ui::EventLoop& loop, ui::FileSystem& files,
                        std::string programDirectory, Download download);
    CertificateFileForm(const CertificateFileForm&) = delete;
    CertificateFileForm& operator=(const CertificateFileForm&) = delete;

    // Shows the files of that type in the program's folder, the first one
    // chosen, and returns once the chooser is closed.
    void open(DownloadType type);

    ui::ControlList controls();

    ui::Form form{"CertificateFileForm"};
    ui::DriveList Drive5{"Drive5"};
    ui::DirList Dir5{"Dir5"};
    ui::FileList File5{"File5"};
    ui::TextBox Text5{"Text5"};  // the chosen file's path
    ui::HScrollBar HScroll5{"HScroll5"};
    std::array<ui::Button, 2> Cmd5{ui::Button{"Cmd5[0]"}, ui::Button{"Cmd5[1]"}};

  private:
    void write();

    tabs::TabContext context_;
    ui::EventLoop& loop_;
    std::string programDirectory_;
    Download download_;
    ui::FileBrowser browser_;
    DownloadType type_ = DownloadType::PresharedKey;
};

class CertificatePasswordForm {
  public:
    static constexpr const char* kForm = "certificate_password_dialog";  // its Designer form

    CertificatePasswordForm(ui::EventLoop& loop);
    CertificatePasswordForm(const CertificatePasswordForm&) = delete;
    CertificatePasswordForm& operator=(const CertificatePasswordForm&) = delete;
    ~CertificatePasswordForm() { forget(); }

    // Shows the prompt with an empty box and returns once it is closed. "OK"
    // keeps what was typed as the password; closing it otherwise keeps the
    // one before.
    void ask();
    // The password last entered ("" at first).
    const std::string& password() const { return password_; }
    // Wipes the password: the IPsec dialog keeps it only while it is open.
    void forget();

    ui::ControlList controls();

    ui::Form form{"CertificatePasswordForm"};
    ui::TextBox Text1{"Text1"};
    ui::Button Command1{"Command1"};  // "OK"

  private:
    ui::EventLoop& loop_;
    std::string password_;
};

}  // namespace orvan::network
