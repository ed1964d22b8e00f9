#include "settings_file/settings_job.h"

#include <algorithm>
#include <nlohmann/json.hpp>

#include "link/link_plan.h"

namespace orvan::settings_file {
namespace {

// The carriers a job reads, in order.
std::vector<Carrier> carriersToRead(const link::Identity& identity, bool withNetwork) {
    std::vector<Carrier> carriers;
    for (const Setting& s : settingCatalogue()) {
        if (s.carrier == Carrier::Network && !withNetwork) continue;
        if (s.carrier == Carrier::Laminator && !unitFitted(Unit::Laminator, identity)) continue;
        if (std::find(carriers.begin(), carriers.end(), s.carrier) == carriers.end())
            carriers.push_back(s.carrier);
    }
    std::sort(carriers.begin(), carriers.end());
    return carriers;
}

// One read or write per page over USB, per request over the network.
bool sameTransfer(Carrier a, Carrier b, bool usb) {
    return usb ? carrierLink(a).usbPage == carrierLink(b).usbPage
               : carrierLink(a).netWrite == carrierLink(b).netWrite;
}

std::vector<Carrier> oneEach(const std::vector<Carrier>& carriers, bool usb) {
    std::vector<Carrier> out;
    for (Carrier c : carriers)
        if (std::none_of(out.begin(), out.end(),
                         [&](Carrier o) { return sameTransfer(o, c, usb); }))
            out.push_back(c);
    return out;
}

std::string titleOf(Carrier c, bool usb) {
    return usb ? std::string(carrierLink(c).usbTitle)
               : std::string(carrierLink(c).screen) + " request";
}

std::string captionsToWrite(const Comparison& comparison) {
    std::string text;
    for (const auto& row : comparison.rows)
        if (row.toWrite()) text += (text.empty() ? "" : ", ") + std::string(row.setting->caption);
    return text;
}

// A step never sent counts as failed: the printer went away.
constexpr link::ResultCode kNotSent = -1;

link::ResultCode firstFailure(const std::vector<StepOutcome>& steps) {
    for (const auto& step : steps)
        if (!step.took()) return step.sent ? step.result : kNotSent;
    return 0;
}

std::string shownText(const std::optional<int>& value) {
    return value ? std::to_string(*value) : std::string("-");
}

}  // namespace

bool hasNetworkSettings(const SettingsDocument& doc) {
    return std::any_of(doc.values.begin(), doc.values.end(), [](const auto& kv) {
        const Setting* s = findSetting(kv.first);
        return s && s->carrier == Carrier::Network;
    });
}

std::string screensClosedTo(const std::function<bool(std::size_t)>& isOpen,
                            const Comparison& comparison) {
    std::string closed;
    for (Carrier c : carriersToWrite(comparison)) {
        const CarrierLink& link = carrierLink(c);
        if (!isOpen || isOpen(link.rightIndex)) continue;
        if (closed.find(link.screen) != std::string::npos) continue;
        closed += (closed.empty() ? "" : ", ") + std::string(link.screen);
    }
    return closed;
}

// Whether the link talks to a printer now: a read while it does not (the
// monitor ending, no printer selected) reads nothing and must not count.
bool talking(const link::LinkState& state) {
    return state.usb() || state.network();
}

ReadOutcome readPrinterSettings(PrinterAccess& access, bool withNetwork) {
    const std::string name = access.state.selected.name;
    if (!talking(access.state)) return {"No printer is selected"};
    if (const auto r = access.cycles.identityRefresh(); r != 0)
        return {"Cannot read the identity of " + name + ": " + access.describe(r)};
    const bool usb = access.state.usb();
    for (Carrier c : oneEach(carriersToRead(access.data.identity, withNetwork), usb)) {
        if (!talking(access.state)) return {name + " was lost while being read"};
        link::LinkPlan plan;
        if (usb)
            plan.usbReads = {link::modePage(carrierLink(c).usbPage)};
        else
            plan.netRead = carrierLink(c).netRead;
        if (const auto r = access.cycles.readAll(plan); r != 0)
            return {"Cannot read the " + titleOf(c, usb) + " of " + name + ": " +
                    access.describe(r)};
    }
    if (!talking(access.state)) return {name + " was lost while being read"};
    return {};
}

SourcePrinter sourceOf(const PrinterAccess& access) {
    const link::Identity& id = access.data.identity;
    return {access.state.selected.name,
            access.state.usb() ? "usb" : "network",
            id.PrinterVersion,
            id.LaminatorVersion,
            id.ConfigVersion,
            id.TableVersion,
            fittedUnits(id)};
}

ApplyReport applyDocument(PrinterAccess& access, const SettingsDocument& doc, bool dryRun,
                          const BackupWriter& backup, const std::string& now) {
    ApplyReport report;
    report.printer = access.state.selected.name;
    report.dryRun = dryRun;
    const bool withNetwork = hasNetworkSettings(doc);
    if (auto read = readPrinterSettings(access, withNetwork); !read.ok()) {
        report.failure = read.failure + "; nothing was written";
        return report;
    }
    report.before = compare(doc, access.data.image, access.data.identity, access.state.usb());
    report.compared = true;
    if (dryRun || report.before.changes() == 0) return report;
    if (const std::string closed = screensClosedTo(access.isOpen, report.before); !closed.empty()) {
        report.failure =
            "This user may not change the settings of " + closed + "; nothing was written";
        return report;
    }

    const SettingsDocument current =
        documentOf(access.data.image, access.data.identity, sourceOf(access), now, withNetwork);
    report.backupPath = backup ? backup(current) : std::string();
    if (report.backupPath.empty()) {
        report.failure =
            "The printer's settings could not be kept before writing; nothing was "
            "written";
        return report;
    }

    const bool usb = access.state.usb();
    const std::vector<Carrier> writes = oneEach(carriersToWrite(report.before), usb);
    std::vector<link::Cycles::WriteStep> steps;
    for (Carrier c : writes) steps.push_back({carrierLink(c).usbPage, carrierLink(c).netWrite});
    applyToImage(report.before, access.data.image);
    const std::vector<link::ResultCode> results = access.cycles.applySteps(steps);
    if (results.empty()) {
        report.failure = access.state.printerCount == 0
                             ? report.printer + " was lost; nothing was written"
                             : "The write was cancelled; nothing was written";
        // The image holds the file's values the printer never got.
        readPrinterSettings(access, withNetwork);
        return report;
    }
    for (std::size_t i = 0; i < writes.size(); ++i)
        report.steps.push_back(
            {titleOf(writes[i], usb), i < results.size(), i < results.size() ? results[i] : 0});
    if (access.audit) access.audit(captionsToWrite(report.before), firstFailure(report.steps));

    if (auto read = readPrinterSettings(access, withNetwork); !read.ok()) {
        report.failure = "Written, but not read back: " + read.failure;
        return report;
    }
    for (const auto& row : report.before.rows) {
        if (!row.toWrite()) continue;
        const int byte = link::fieldValue(access.data.image, row.setting->field);
        (byte == byteOf(*row.setting, row.fileValue) ? report.matched : report.notTaken)
            .push_back(std::string(row.setting->key));
    }
    return report;
}

std::string describeComparison(const Comparison& comparison) {
    std::string text;
    char line[200];
    int same = 0;
    for (const auto& row : comparison.rows) {
        if (!row.differs) {
            ++same;
            continue;
        }
        std::snprintf(line, sizeof line, "  %-26.26s printer %4s  file %4d%s%s\n",
                      std::string(row.setting->caption).c_str(),
                      shownText(row.printerValue).c_str(), row.fileValue,
                      row.takes() ? "" : "  skipped: ", row.refusal.c_str());
        text += line;
    }
    text += "  " + std::to_string(comparison.changes()) + " to change, " + std::to_string(same) +
            " the same";
    if (comparison.skipped() > 0)
        text += ", " + std::to_string(comparison.skipped()) + " this printer cannot take";
    return text + "\n";
}

std::string describeReport(const ApplyReport& report) {
    std::string text = report.printer + ":\n" + describeComparison(report.before);
    if (!report.backupPath.empty()) text += "Its settings before: " + report.backupPath + "\n";
    for (const auto& step : report.steps)
        text += (step.took() ? "Written: "
                 : step.sent ? "Failed:  "
                             : "Not sent: ") +
                step.title + "\n";
    if (report.matched.size() == 1) text += "1 setting now matches the file\n";
    if (report.matched.size() > 1)
        text += std::to_string(report.matched.size()) + " settings now match the file\n";
    for (const auto& key : report.notTaken) {
        const Setting* s = findSetting(key);
        text += "Did not take: " + std::string(s ? s->caption : key) + "\n";
    }
    if (!report.failure.empty()) text += report.failure + "\n";
    if (report.dryRun) text += "Nothing was written (a dry run)\n";
    return text;
}

namespace {

nlohmann::json rowsJson(const Comparison& comparison) {
    nlohmann::json rows = nlohmann::json::array();
    for (const auto& row : comparison.rows) {
        nlohmann::json r = {{"key", row.setting->key},
                            {"caption", row.setting->caption},
                            {"file", row.fileValue},
                            {"differs", row.differs}};
        r["printer"] = row.printerValue ? nlohmann::json(*row.printerValue) : nlohmann::json();
        if (!row.takes()) r["refused"] = row.refusal;
        rows.push_back(std::move(r));
    }
    return rows;
}

}  // namespace

std::string comparisonJson(const std::string& printer, const Comparison& comparison) {
    return nlohmann::json{{"printer", printer},
                          {"changes", comparison.changes()},
                          {"skipped", comparison.skipped()},
                          {"rows", rowsJson(comparison)}}
        .dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

std::string reportJson(const ApplyReport& report) {
    nlohmann::json steps = nlohmann::json::array();
    for (const auto& s : report.steps)
        steps.push_back({{"write", s.title}, {"sent", s.sent}, {"result", s.result}});
    return nlohmann::json{{"printer", report.printer},   {"dryRun", report.dryRun},
                          {"ok", report.ok()},           {"rows", rowsJson(report.before)},
                          {"backup", report.backupPath}, {"writes", steps},
                          {"matched", report.matched},   {"notTaken", report.notTaken},
                          {"failure", report.failure}}
        .dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

}  // namespace orvan::settings_file
