#include "report/report_json.h"

#include <nlohmann/json.hpp>

namespace orvan::report {
namespace {

using nlohmann::json;

template <class T>
json orNull(const std::optional<T>& value) {
    return value ? json(*value) : json(nullptr);
}

json deviceJson(const DeviceText& text, ResultCode result, std::int32_t state) {
    return {{"result", result},         {"code", text.code},
            {"state", state},           {"severity", SeverityName(text.severity)},
            {"state_text", text.state}, {"message", text.message}};
}

json countersJson(const ReportCounters& c) {
    return {{"print", orNull(c.print)}, {"total", orNull(c.total)},
            {"head", orNull(c.head)},   {"cleaning", orNull(c.cleaning)},
            {"error", orNull(c.error)}, {"laminator_total", orNull(c.laminatorTotal)}};
}

json firmwareJson(const std::optional<Firmware>& f) {
    if (!f) return nullptr;
    return {{"printer", f->printer},
            {"laminator", f->laminator},
            {"config", f->config},
            {"table", f->table}};
}

json printerJson(const PrinterReport& r, const status::ErrorCatalogue& catalogue,
                 const MediaThresholds& thresholds) {
    const DeviceText printer = PrinterText(catalogue, r);
    const DeviceText laminator = LaminatorText(catalogue, r);
    const Judgement judged = Judge(catalogue, r, thresholds);
    json lam = deviceJson(laminator, r.status.laminatorResult, r.status.laminatorState);
    lam["installed"] = r.details.laminatorInstalled;
    const std::string cards = CardText(r.details);
    return {{"name", r.name},
            {"id", r.id},
            {"connection", r.connection},
            {"address", r.address},
            {"up", r.up},
            {"answered", r.answered},
            {"read_at", r.readAt},
            {"verdict", VerdictName(judged.verdict)},
            {"exit_code", static_cast<int>(judged.verdict)},
            {"reason", judged.reason},
            {"state_text", printer.state},
            {"message", printer.message},
            {"printer", deviceJson(printer, r.status.printerResult, r.status.printerState)},
            {"laminator", lam},
            {"status_word", r.statusWord},
            {"ink_percent", orNull(InkPercent(r.details))},
            {"film_percent", orNull(FilmPercent(r.details))},
            {"ink_quantity", orNull(r.details.inkQuantity)},
            {"film_quantity", orNull(r.details.filmQuantity)},
            {"cards", cards.empty() ? json(nullptr) : json(cards)},
            {"card_code", orNull(r.details.cardCode)},
            {"counters", countersJson(r.details.counters)},
            {"firmware", firmwareJson(r.details.firmware)}};
}

}  // namespace

Verdict OverallVerdict(const StatusDocument& doc, const status::ErrorCatalogue& catalogue,
                       const MediaThresholds& thresholds) {
    if (doc.printers.empty()) return Verdict::Unknown;
    Verdict worst = Verdict::Ok;
    for (const auto& p : doc.printers)
        worst = Worse(worst, Judge(catalogue, p, thresholds).verdict);
    return worst;
}

std::string EncodeDocument(const StatusDocument& doc, const status::ErrorCatalogue& catalogue,
                           const MediaThresholds& thresholds) {
    json printers = json::array();
    for (const auto& p : doc.printers) printers.push_back(printerJson(p, catalogue, thresholds));
    const Verdict overall = OverallVerdict(doc, catalogue, thresholds);
    const json out = {{"schema", kSchemaName},
                      {"version", kSchemaVersion},
                      {"source", doc.source == Source::Monitor ? "monitor" : "printer"},
                      {"generated_at", doc.generatedAt},
                      {"warn_percent", thresholds.warnPercent},
                      {"verdict", VerdictName(overall)},
                      {"exit_code", static_cast<int>(overall)},
                      {"messages", doc.messages},
                      {"problem", doc.problem},
                      {"printers", printers}};
    // Texts from a printer are not always valid UTF-8; replace what is not.
    return out.dump(-1, ' ', false, json::error_handler_t::replace);
}

}  // namespace orvan::report
