#include "maintenance/others_tab.h"

#include <initializer_list>

#include "link/link_guard.h"
#include "maintenance/firmware_name.h"
#include "maintenance/maintenance_messages.h"
#include "maintenance/printer_maintenance.h"
#include "status/report_failure.h"
#include "ui/message_box.h"

namespace orvan::maintenance {
namespace {

constexpr int kFrames[] = {TestPrintFrame, FirmwareFrame, FolderClipFrame, TitleFrame,
                           AdministratorsFrame};
constexpr int kButtons[] = {PrintButton, StartButton, AdministratorsButton};

void showAll(std::initializer_list<ui::Control*> controls, bool visible) {
    for (ui::Control* c : controls) c->setVisible(visible);
}

}  // namespace

OthersTab::OthersTab(tabs::TabContext context, OthersLink link)
    : settingsFile(context, link.loop, link.chooser, link.settingsFileWritten),
      context_(std::move(context)),
      link_(std::move(link)),
      browser_(link_.files, context_.link.boxes, {Drive6, Dir6, File6, Text6}) {
    for (int index : kFrames)
        Frame6[static_cast<std::size_t>(index)] =
            std::make_unique<ui::Frame>(ui::indexed("Frame6", index));
    for (int index : kButtons)
        Cmd6[static_cast<std::size_t>(index)] =
            std::make_unique<ui::Button>(ui::indexed("Cmd6", index));
    for (auto& option : Opt6) sides_.add(option);

    const link::LinkState& state = context_.link.state;
    button(PrintButton).onClick = link::whenLinkIdle(state, [this] { testPrint(); });
    button(StartButton).onClick = link::whenLinkIdle(state, [this] { firmwareDownload(); });
    // Not a printer command, but its modal dialog must not open inside a
    // command's pause either.
    button(AdministratorsButton).onClick = link::whenLinkIdle(state, [this] { administrators(); });
    HScroll6.onChange = [this] { shiftFolderList(); };
}

ui::ControlList OthersTab::controls() {
    ui::ControlList list{Opt6, Drive6, Dir6, File6, HScroll6, Text6, Label6_2};
    list.add(Frame6);
    list.add(Cmd6);
    list.add(settingsFile.controls());
    return list;
}

void OthersTab::setup() {
    folderRead_ = false;
    HScroll6.setRange(0, ui::kFolderShiftSteps);
    HScroll6.setValue(0);
    shiftFolderList();
}

void OthersTab::fill() {
    // Read here rather than at start, so that a start that never opens this
    // tab never reads the folder.
    if (!folderRead_) browser_.open(link_.programDirectory, kFirmwarePattern);
    folderRead_ = true;
    sides_.select(static_cast<int>(TestSides::One));
    showGroups();
}

void OthersTab::showGroups() {
    const bool network = context_.link.state.selected.connection == link::Connection::Network;
    showAll({&frame(TestPrintFrame), &Opt6[0], &Opt6[1], &button(PrintButton)},
            !network && context_.open(kTestPrintRight));
    showAll({&frame(FirmwareFrame), &frame(FolderClipFrame), &Drive6, &Dir6, &File6, &HScroll6,
             &Text6, &button(StartButton)},
            !network && context_.open(kFirmwareRight));
    const bool administrator = link_.isAdministrator && link_.isAdministrator();
    showAll({&frame(AdministratorsFrame), &button(AdministratorsButton)}, administrator);
}

bool OthersTab::printerListed() {
    if (context_.link.state.printerCount != 0) return true;
    ui::warn(context_.link.boxes, tabs::kPrinterNotFound);
    return false;
}

// Both commands exist only for a USB printer. The printer may have changed
// since the tab was shown (a cycle found another one): the groups then
// follow it instead of the command going to a printer that cannot take it.
bool OthersTab::usbPrinterSelected() const {
    return context_.link.state.usb();
}

void OthersTab::testPrint() {
    if (!printerListed()) return;
    if (!usbPrinterSelected()) return showGroups();
    ui::MessageBoxes& boxes = context_.link.boxes;
    if (!ui::confirm(boxes, kTestPrintQuestion)) return;
    const int side = sides_.selected();
    if (side < 0) return;
    const link::ResultCode result = SendTestPrint(link_.channel, static_cast<TestSides>(side));
    if (result != 0)
        status::ReportFailure(boxes, kTestPrintFailed, result, context_.link.state.statusWord,
                              context_.link.catalogue);
    else if (context_.link.done)
        context_.link.done(kTestPrintStarted);
}

void OthersTab::firmwareDownload() {
    if (!printerListed()) return;
    if (!usbPrinterSelected()) return showGroups();
    ui::MessageBoxes& boxes = context_.link.boxes;
    if (!ui::confirm(boxes, kFirmwareQuestion)) return;
    const std::string file = TrimBlanks(Text6.text());
    switch (CheckFirmwareName(file)) {
        case FirmwareName::Empty:
            // Whatever the answer, nothing more happens.
            boxes.show(kFileNotSpecified, ui::Icon::Error, ui::Buttons::CancelTryAgainContinue);
            return;
        case FirmwareName::NoExtension:
            boxes.show(kFileNameInvalid, ui::Icon::Error, ui::Buttons::Ok);
            return;
        case FirmwareName::WithExtension:
            break;
    }
    if (!link_.files.canRead(file)) {
        boxes.show(kFileNotFound, ui::Icon::Question, ui::Buttons::Ok);
        return;
    }
    link::ResultCode result = 0;
    {
        ui::BusyPointer hourglass(link_.pointer);
        result = SendFirmware(link_.channel, file);
    }
    if (link_.firmwareSent) link_.firmwareSent(file, result);
    if (result != 0)
        status::ReportFailure(boxes, kFirmwareFailed, result, context_.link.state.statusWord,
                              context_.link.catalogue);
    else
        boxes.show(kFirmwareUpdated, ui::Icon::Information, ui::Buttons::Ok);
}

void OthersTab::administrators() {
    if (!printerListed()) return;
    if (link_.openAdministrators) link_.openAdministrators();
}

void OthersTab::shiftFolderList() {
    ui::ShiftFolderList(Dir6, kFolderListWidth, HScroll6.value());
}

}  // namespace orvan::maintenance
