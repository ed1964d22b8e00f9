#include "history/history_form.h"

#include "history/csv_export.h"
#include "report/runtime_files.h"

namespace orvan::history {
namespace {

std::string eventRow(const Event& e) {
    return IsoTime(e.at) + "  " + std::string(KindName(e.kind)) + "  " + e.text;
}

std::string auditRow(const AuditEntry& a) {
    return IsoTime(a.at) + "  " + a.user + "  " + a.screen + "  " + a.settings + "  " +
           (a.ok ? std::string("written") : "failed (" + std::to_string(a.result) + ")");
}

}  // namespace

HistoryForm::HistoryForm(const status::ErrorCatalogue& catalogue, Links links)
    : catalogue_(catalogue), links_(std::move(links)) {
    for (const char* name : kSpanNames) SpanCombo.addItem(name);
    SpanCombo.setListIndex(static_cast<int>(SpanChoice::Week));
    KindCombo.addItem("All events");
    for (EventKind kind : kEventKinds) KindCombo.addItem(std::string(KindName(kind)));
    KindCombo.setListIndex(0);
    FilterText.setMaxLength(static_cast<int>(kMaxFilterBytes));
    const auto again = [this] {
        if (!filling_) refresh();
    };
    PrinterCombo.onClick = again;
    SpanCombo.onClick = again;
    KindCombo.onClick = again;
    FilterText.onChange = again;
    ExportButton.onClick = [this] { exportCsv(); };
    CloseButton.onClick = [this] { form.setVisible(false); };
}

std::string HistoryForm::printer() const {
    const int i = PrinterCombo.listIndex();
    return i >= 0 && static_cast<std::size_t>(i) < printers_.size() ? printers_[i].key : "";
}

void HistoryForm::open(const std::string& printer) {
    std::string why;
    const auto store = links_.openStore ? links_.openStore(why) : nullptr;
    printers_ = store ? Printers(*store) : std::vector<PrinterName>{};
    filling_ = true;
    PrinterCombo.clear();
    int chosen = printers_.empty() ? -1 : 0;
    for (std::size_t i = 0; i < printers_.size(); ++i) {
        PrinterCombo.addItem(printers_[i].name + " (" + printers_[i].key + ")");
        if (printers_[i].key == printer) chosen = static_cast<int>(i);
    }
    PrinterCombo.setListIndex(chosen);
    filling_ = false;
    refresh();
    if (!store) Summary.setCaption("No history: " + why);
    form.setVisible(true);
}

void HistoryForm::refresh() {
    std::string why;
    const auto store = links_.openStore ? links_.openStore(why) : nullptr;
    page_ = {};
    if (store && !printer().empty()) {
        std::set<EventKind> kinds;
        const int kind = KindCombo.listIndex();  // 0: every kind
        if (kind > 0 && static_cast<std::size_t>(kind) <= kEventKinds.size())
            kinds.insert(kEventKinds[static_cast<std::size_t>(kind) - 1]);
        const auto span = static_cast<SpanChoice>(std::max(0, SpanCombo.listIndex()));
        page_ =
            ReadPage(*store, catalogue_, printer(), span, links_.now(), kinds, FilterText.text());
    }
    fillLists();
    const auto& f = page_.forecast;
    InkForecast.setCaption(ForecastLine("Ink ribbon", f.inkDaysLeft, f.inkPercentPerDay));
    FilmForecast.setCaption(ForecastLine("Film", f.filmDaysLeft, f.filmPercentPerDay));
    if (onPageChanged) onPageChanged();
}

void HistoryForm::fillLists() {
    const std::size_t shown = std::min(page_.events.size(), kMaxShownRows);
    std::vector<std::string> rows;
    rows.reserve(shown);
    for (std::size_t i = 0; i < shown; ++i) rows.push_back(eventRow(page_.events[i]));
    EventList.setItems(std::move(rows));
    rows.clear();
    for (std::size_t i = 0; i < std::min(page_.audit.size(), kMaxShownRows); ++i)
        rows.push_back(auditRow(page_.audit[i]));
    AuditList.setItems(std::move(rows));
    std::string summary = std::to_string(page_.events.size()) + " events";
    if (shown < page_.events.size()) summary += " (the first " + std::to_string(shown) + " listed)";
    Summary.setCaption(summary + ", " + std::to_string(page_.audit.size()) + " writes");
}

// What the filter shows, every row of it, in one file.
void HistoryForm::exportCsv() {
    const std::string path = chooseExportFile ? chooseExportFile() : "";
    if (path.empty()) return;
    const bool written = report::WriteFileAtomically(path, EventsCsv(page_.events), 0600);
    Summary.setCaption(written ? std::to_string(page_.events.size()) + " events written to " + path
                               : "Cannot write " + path);
}

}  // namespace orvan::history
