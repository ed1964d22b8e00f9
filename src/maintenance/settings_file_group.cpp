#include "maintenance/settings_file_group.h"

#include <ctime>
#include <filesystem>

#include "link/link_guard.h"
#include "link/link_messages.h"
#include "maintenance/maintenance_messages.h"
#include "report/runtime_files.h"
#include "settings_file/settings_backups.h"

namespace orvan::maintenance {
namespace {

// A file name from a printer name: "USB:Unit1" -> "USB_Unit1.json".
std::string suggestedName(const std::string& printer) {
    std::string name;
    for (char c : printer) name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    return (name.empty() ? "printer" : name) + ".json";
}

}  // namespace

SettingsFileGroup::SettingsFileGroup(tabs::TabContext context, ui::EventLoop& loop,
                                     ui::FileChooser* chooser, SettingsFileWritten written)
    : dialog(context, loop, std::move(written)), context_(std::move(context)), chooser_(chooser) {
    const link::LinkState& state = context_.link.state;
    SaveSettingsButton.onClick = link::whenLinkIdle(state, [this] { save(); });
    LoadSettingsButton.onClick = link::whenLinkIdle(state, [this] { load(); });
}

void SettingsFileGroup::save() {
    link::LinkState& state = context_.link.state;
    if (state.printerCount == 0) {
        ui::warn(context_.link.boxes, link::kPrinterNotFound);
        return;
    }
    if (!chooser_) return;
    // The printer named in the dialog is the one saved: it stays the watched
    // one while the user chooses the file.
    const link::PinnedPrinter pinned(state);
    const std::string printerName = state.selected.name;
    auto path =
        chooser_->fileToSave({kSaveSettingsTitle, kSettingsFilter, suggestedName(printerName)});
    if (!path || path->empty()) return;
    if (!std::filesystem::path(*path).has_extension()) *path += ".json";

    settings_file::PrinterAccess printer{
        state, context_.link.cycles, context_.data, [this, &state](link::ResultCode c) {
            return context_.link.catalogue.DescribeCode(c, state.statusWord);
        }};
    const bool withNetwork = NetworkSettingsCheck.checked();
    if (const auto read = settings_file::readPrinterSettings(printer, withNetwork); !read.ok()) {
        ui::warn(context_.link.boxes, read.failure + ".");
        return;
    }
    const std::string text = settings_file::encodeDocument(settings_file::documentOf(
        context_.data.image, context_.data.identity, settings_file::sourceOf(printer),
        settings_file::isoTime(std::time(nullptr)), withNetwork));
    if (!report::WriteFileAtomically(*path, text, 0644)) {
        ui::warn(context_.link.boxes, kSettingsNotWritten + *path + ".");
        return;
    }
    if (context_.link.done) context_.link.done(kSettingsSaved + *path);
}

void SettingsFileGroup::load() {
    if (!chooser_) return;
    const auto path = chooser_->fileToOpen({kLoadSettingsTitle, kSettingsFilter, ""});
    if (!path || path->empty()) return;
    auto read = settings_file::readDocumentFile(*path);
    if (auto* error = std::get_if<settings_file::ReadError>(&read)) {
        ui::warn(context_.link.boxes, error->message + ".");
        return;
    }
    if (context_.link.state.printerCount == 0) {
        ui::warn(context_.link.boxes, link::kPrinterNotFound);
        return;
    }
    dialog.open(std::get<settings_file::SettingsDocument>(std::move(read)), *path);
}

}  // namespace orvan::maintenance
