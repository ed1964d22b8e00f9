#include "network/certificate_forms.h"

#include "link/link_guard.h"
#include "link/password.h"
#include "network/certificate_file.h"
#include "network/network_messages.h"
#include "network/typed_address.h"
#include "tabs/setting_tab_buttons.h"

namespace orvan::network {
namespace {

constexpr int kPasswordLength = 255;

// The path checks answer with the stop icon and three buttons, whatever is pressed.
void stop(ui::MessageBoxes& boxes, const char* text) {
    boxes.show(text, ui::Icon::Error, ui::Buttons::CancelTryAgainContinue);
}

}  // namespace

std::string FileTooLargeText(std::size_t largest) {
    return "The file is too large. At most " + std::to_string(largest) +
           " bytes can be downloaded.";
}

// ---- "Select Certificate Download File" ---------------------------------------

CertificateFileForm::CertificateFileForm(tabs::TabContext context, ui::EventLoop& loop,
                                         ui::FileSystem& files, std::string programDirectory,
                                         Download download)
    : context_(std::move(context)),
      loop_(loop),
      programDirectory_(std::move(programDirectory)),
      download_(std::move(download)),
      browser_(files, context_.link.boxes, {Drive5, Dir5, File5, Text5}) {
    HScroll5.setRange(0, ui::kFolderShiftSteps);
    HScroll5.onChange = [this] {
        ui::ShiftFolderList(Dir5, kChooserFolderListWidth, HScroll5.value());
    };
    Cmd5[kWriteButton].onClick = link::whenLinkIdle(context_.link.state, [this] { write(); });
    Cmd5[kCancelButton].onClick = [this] { form.setVisible(false); };
}

ui::ControlList CertificateFileForm::controls() {
    return {form, Drive5, Dir5, File5, Text5, HScroll5, Cmd5};
}

void CertificateFileForm::open(DownloadType type) {
    type_ = type;
    HScroll5.setValue(0);
    ui::ShiftFolderList(Dir5, kChooserFolderListWidth, 0);
    browser_.open(programDirectory_, DownloadTypeAt(static_cast<int>(type)).pattern);
    form.showModal(loop_);
}

// The chooser stays open after any failure, for another file or "Cancel".
void CertificateFileForm::write() {
    ui::MessageBoxes& boxes = context_.link.boxes;
    const std::string path = TrimBlanks(Text5.text());
    if (path.empty()) {
        stop(boxes, kFileNotSpecified);
        return;
    }
    const std::size_t largest = DownloadTypeAt(static_cast<int>(type_)).largestFile;
    const CertificateFile file = ReadCertificateFile(path, largest);
    switch (file.check) {
        case FileCheck::NotFound:
            stop(boxes, kFileNotFound);
            return;
        case FileCheck::TooLarge:
            ui::warn(boxes, FileTooLargeText(largest));
            return;
        case FileCheck::Empty:
            ui::warn(boxes, kFileEmpty);
            return;
        case FileCheck::Read:
            break;
    }
    // Without the USB printer the writes would do nothing and look done.
    if (!context_.link.state.usb()) {
        ui::warn(boxes, tabs::kPrinterNotFound);
        return;
    }
    // One link operation from here on, the password prompt included: the
    // monitor's cycle must not lose or switch the printer in the middle.
    const link::WaitingForEvents waiting(context_.link.state);
    if (download_(type_, file.bytes.span()) == 0) form.setVisible(false);
}

// ---- "Printer Certificate Password" ---------------------------------------------

CertificatePasswordForm::CertificatePasswordForm(ui::EventLoop& loop) : loop_(loop) {
    Text1.setMaxLength(kPasswordLength);
    Text1.setPasswordChar('*');
    Command1.onClick = [this] {
        link::WipeText(password_);
        password_ = Text1.text();
        Text1.setText("");
        form.setVisible(false);
    };
}

ui::ControlList CertificatePasswordForm::controls() {
    return {form, Text1, Command1};
}

void CertificatePasswordForm::ask() {
    Text1.setText("");
    form.showModal(loop_);
    Text1.setText("");
}

void CertificatePasswordForm::forget() {
    link::WipeText(password_);
}

}  // namespace orvan::network
