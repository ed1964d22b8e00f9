#include "maintenance/settings_file_dialog.h"

#include <algorithm>
#include <ctime>

#include "link/link_guard.h"
#include "link/link_messages.h"
#include "maintenance/maintenance_messages.h"
#include "settings_file/settings_backups.h"
#include "settings_file/settings_request.h"

namespace orvan::maintenance {
namespace {

using settings_file::ComparisonRow;

bool listed(const std::vector<std::string>& keys, std::string_view key) {
    return std::find(keys.begin(), keys.end(), key) != keys.end();
}

// What the last column says of a row.
std::string noteOf(const ComparisonRow& row, const settings_file::ApplyReport* done) {
    if (done && listed(done->matched, row.setting->key)) return "now matches";
    if (done && listed(done->notTaken, row.setting->key)) return "did not take";
    if (!row.takes()) return row.refusal;
    return row.differs ? "differs" : "";
}

// "1 change", "3 changes".
std::string counted(std::size_t n, const std::string& one, const std::string& many) {
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

std::string countsOf(const settings_file::Comparison& c) {
    std::string text = std::to_string(c.changes()) + " to change";
    if (c.skipped() > 0) text += ", " + std::to_string(c.skipped()) + " this printer cannot take";
    return text + ".";
}

}  // namespace

SettingsFileForm::SettingsFileForm(tabs::TabContext context, ui::EventLoop& loop,
                                   SettingsFileWritten written)
    : context_(std::move(context)), loop_(loop), written_(std::move(written)) {
    Command1.onClick = link::whenLinkIdle(context_.link.state, [this] { apply(); });
    Command2.onClick = [this] { form.setVisible(false); };
    form.onCloseRequested = [this] { form.setVisible(false); };
}

settings_file::PrinterAccess SettingsFileForm::access() {
    link::LinkState& state = context_.link.state;
    return {state,
            context_.link.cycles,
            context_.data,
            [this, &state](link::ResultCode c) {
                return context_.link.catalogue.DescribeCode(c, state.statusWord);
            },
            context_.isOpen,
            [this](const std::string& settings, link::ResultCode result) {
                if (written_) written_(path_, settings, result);
            }};
}

void SettingsFileForm::open(settings_file::SettingsDocument doc, const std::string& path) {
    auto printer = access();
    const auto read =
        settings_file::readPrinterSettings(printer, settings_file::hasNetworkSettings(doc));
    if (!read.ok()) {
        ui::warn(context_.link.boxes, read.failure + ".");
        return;
    }
    doc_ = std::move(doc);
    path_ = path;
    comparison_ = settings_file::compare(doc_, context_.data.image, context_.data.identity,
                                         context_.link.state.usb());
    Label1.setCaption("File: " + path +
                      (doc_.source.name.empty() ? "" : ", saved from " + doc_.source.name) +
                      (doc_.savedAt.empty() ? "" : " at " + doc_.savedAt) +
                      "\nPrinter: " + context_.link.state.selected.name);
    show(nullptr);
    // The printer compared stays the watched one while the dialog is up.
    const link::PinnedPrinter pinned(context_.link.state);
    form.showModal(loop_);
}

void SettingsFileForm::show(const settings_file::ApplyReport* done) {
    std::vector<ui::TableRow> rows;
    for (const auto& row : comparison_.rows) {
        const std::string printer = row.printerValue ? std::to_string(*row.printerValue) : "-";
        rows.push_back({{std::string(row.setting->caption), printer, std::to_string(row.fileValue),
                         noteOf(row, done)},
                        row.toWrite() || (done && listed(done->notTaken, row.setting->key)),
                        !row.takes()});
    }
    Table1.setRows(std::move(rows));
    const std::string closed = settings_file::screensClosedTo(context_.isOpen, comparison_);
    Command1.setEnabled(comparison_.changes() > 0 && closed.empty());
    if (done) return;
    Label2.setCaption(
        countsOf(comparison_) +
        (closed.empty() ? "" : " This user may not change the settings of " + closed + "."));
}

void SettingsFileForm::apply() {
    link::LinkState& state = context_.link.state;
    if (state.printerCount == 0) {
        ui::warn(context_.link.boxes, link::kPrinterNotFound);
        return;
    }
    const std::string question =
        "Apply " + counted(static_cast<std::size_t>(comparison_.changes()), "change", "changes") +
        " from the settings file to " + state.selected.name + "?";
    if (!ui::confirm(context_.link.boxes, question)) return;
    auto printer = access();
    const std::time_t now = std::time(nullptr);
    const auto report = settings_file::applyDocument(
        printer, doc_, false, settings_file::userBackups(now), settings_file::isoTime(now));
    if (report.compared)
        comparison_ = settings_file::compare(doc_, context_.data.image, context_.data.identity,
                                             context_.link.state.usb());
    show(&report);
    std::string result = report.failure;
    if (result.empty())
        result = counted(report.matched.size(), "setting now matches", "settings now match") +
                 " the file" +
                 (report.notTaken.empty()
                      ? ""
                      : ", " + std::to_string(report.notTaken.size()) + " did not take");
    // Which pages took and which not, a failure in the catalogue's words.
    for (const auto& step : report.steps) {
        if (step.took()) continue;
        result += ". " + step.title + ": " +
                  (step.sent ? context_.link.catalogue.DescribeCode(step.result, state.statusWord)
                             : std::string("not sent"));
    }
    if (!report.backupPath.empty()) result += ". Before: " + report.backupPath;
    Label2.setCaption(result + ".");
    if (!report.matched.empty() && context_.link.done)
        context_.link.done(kSettingsApplied + state.selected.name);
}

}  // namespace orvan::maintenance
