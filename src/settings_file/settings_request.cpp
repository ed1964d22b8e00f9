#include "settings_file/settings_request.h"

#include <algorithm>
#include <nlohmann/json.hpp>

#include "settings_file/settings_backups.h"

namespace orvan::settings_file {
namespace {

using nlohmann::json;

constexpr std::size_t kMaxText = 4096;
constexpr std::size_t kMaxPrinters = 64;
constexpr const char* kVerbs[] = {"save", "diff", "apply"};

std::optional<std::string> shortText(const json& j, const char* key) {
    const auto it = j.find(key);
    if (it == j.end()) return std::string();
    if (!it->is_string() || it->get_ref<const std::string&>().size() > kMaxText)
        return std::nullopt;
    return it->get<std::string>();
}

bool flag(const json& j, const char* key, bool otherwise) {
    const auto it = j.find(key);
    return it != j.end() && it->is_boolean() ? it->get<bool>() : otherwise;
}

}  // namespace

int RunAnswer::exit() const {
    int worst = problem.empty() ? kExitSame : kExitUnknown;
    for (const auto& p : printers) worst = std::max(worst, p.exit);
    return worst;
}

std::string encodeRequest(const SettingsRequest& r) {
    return kRequestPrefix +
           json{{"verb", kVerbs[static_cast<int>(r.verb)]},
                {"file", r.file},
                {"printer", r.printer},
                {"all", r.all},
                {"dryRun", r.dryRun},
                {"network", r.withNetwork}}
               .dump(-1, ' ', false, nlohmann::json::error_handler_t::replace) +
           "\n";
}

std::optional<SettingsRequest> decodeRequest(const std::string& line) {
    const std::string prefix = kRequestPrefix;
    if (line.size() > kMaxRequestBytes || line.compare(0, prefix.size(), prefix) != 0)
        return std::nullopt;
    const json j = json::parse(line.substr(prefix.size()), nullptr, false);
    if (!j.is_object()) return std::nullopt;
    SettingsRequest r;
    const auto verb = shortText(j, "verb");
    const auto file = shortText(j, "file");
    const auto printer = shortText(j, "printer");
    if (!verb || !file || !printer) return std::nullopt;
    const auto found = std::find(std::begin(kVerbs), std::end(kVerbs), *verb);
    if (found == std::end(kVerbs)) return std::nullopt;
    r.verb = static_cast<Verb>(found - std::begin(kVerbs));
    r.file = *file;
    r.printer = *printer;
    r.all = flag(j, "all", false);
    r.dryRun = flag(j, "dryRun", true);
    r.withNetwork = flag(j, "network", false);
    if (r.verb != Verb::Save && (r.file.empty() || r.file[0] != '/')) return std::nullopt;
    return r;
}

std::string encodeAnswer(const RunAnswer& answer) {
    json printers = json::array();
    for (const auto& p : answer.printers)
        printers.push_back({{"printer", p.printer},
                            {"exit", p.exit},
                            {"text", p.text},
                            {"json", p.json},
                            {"document", p.document}});
    return json{{"problem", answer.problem}, {"printers", printers}}.dump(
               -1, ' ', false, nlohmann::json::error_handler_t::replace) +
           "\n";
}

std::optional<RunAnswer> decodeAnswer(const std::string& text) {
    if (text.size() > kMaxAnswerBytes) return std::nullopt;
    const json j = json::parse(text, nullptr, false);
    if (!j.is_object() || !j.contains("printers") || !j["printers"].is_array()) return std::nullopt;
    RunAnswer answer;
    answer.problem = j.value("problem", std::string());
    for (const auto& p : j["printers"]) {
        if (!p.is_object() || answer.printers.size() >= kMaxPrinters) return std::nullopt;
        PrinterAnswer a;
        a.printer = p.value("printer", std::string());
        a.exit = std::clamp(p.value("exit", kExitUnknown), kExitSame, kExitUnknown);
        a.text = p.value("text", std::string());
        a.json = p.value("json", std::string());
        a.document = p.value("document", std::string());
        answer.printers.push_back(std::move(a));
    }
    return answer;
}

PrinterAnswer runOnPrinter(PrinterAccess& access, const SettingsRequest& request,
                           const SettingsDocument* doc, const BackupWriter& backup,
                           std::time_t now) {
    PrinterAnswer answer;
    answer.printer = access.state.selected.name;
    if (request.verb == Verb::Save) {
        const ReadOutcome read = readPrinterSettings(access, request.withNetwork);
        if (!read.ok()) {
            answer.text = read.failure + "\n";
            return answer;
        }
        answer.document =
            encodeDocument(documentOf(access.data.image, access.data.identity, sourceOf(access),
                                      isoTime(now), request.withNetwork));
        answer.exit = kExitSame;
        answer.text = "Saved the settings of " + answer.printer + "\n";
        return answer;
    }
    if (!doc) return answer;
    const bool dryRun = request.verb == Verb::Diff || request.dryRun;
    const ApplyReport report = applyDocument(access, *doc, dryRun, backup, isoTime(now));
    if (request.verb == Verb::Diff) {
        answer.json = comparisonJson(answer.printer, report.before);
        answer.text =
            answer.printer + ":\n" +
            (report.failure.empty() ? describeComparison(report.before) : report.failure + "\n");
        answer.exit = !report.failure.empty() ? kExitUnknown
                      : report.before.same()  ? kExitSame
                                              : kExitDiffers;
        return answer;
    }
    answer.json = reportJson(report);
    answer.text = describeReport(report);
    if (!report.compared)
        answer.exit = kExitUnknown;
    else if (dryRun)
        answer.exit = report.before.same() ? kExitSame : kExitDiffers;
    else
        answer.exit = report.ok() ? kExitSame : kExitDiffers;
    return answer;
}

BackupWriter userBackups(std::time_t now) {
    return [now](const SettingsDocument& current) {
        return keepBackup(backupDirectory(), current.source.name, now, encodeDocument(current));
    };
}

}  // namespace orvan::settings_file
