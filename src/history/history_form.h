#pragma once
// The history window: the printer (the watched one, or any in the store),
// the span (a day, a week, a month, a year), the events as a kind and a text
// filter leave them, with their CSV export, the audit of writes and the
// forecast. The timeline and the charts are drawn by the front end from
// page(); everything else is on the model controls.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "history/history_view.h"
#include "ui/control_list.h"
#include "ui/controls.h"
#include "ui/form.h"

namespace orvan::history {

// Rows the lists show at most; the summary says when there are more.
inline constexpr std::size_t kMaxShownRows = 5000;

class HistoryForm {
  public:
    static constexpr const char* kForm = "history_dialog";  // its Designer form

    struct Links {
        // The store, read only; null with why when there is none.
        std::function<std::unique_ptr<Store>(std::string& why)> openStore;
        std::function<std::int64_t()> now;
    };

    HistoryForm(const status::ErrorCatalogue& catalogue, Links links);

    ui::ControlList controls() {
        return {form,      PrinterCombo, SpanCombo,   KindCombo,   FilterText,   EventList,
                AuditList, ExportButton, CloseButton, InkForecast, FilmForecast, Summary};
    }

    // Shows the window (not modal) on printer (a key; empty or unknown: the
    // first in the store).
    void open(const std::string& printer);
    // Reads the page again for what the controls choose.
    void refresh();
    const HistoryPage& page() const { return page_; }
    // The key of the printer shown ("" for none).
    std::string printer() const;
    // Runs after each refresh: the front end redraws its charts.
    std::function<void()> onPageChanged;
    // Where the CSV goes (the front end asks the user); "" when nothing was chosen.
    std::function<std::string()> chooseExportFile;

    ui::Form form{"HistoryForm"};
    ui::ComboBox PrinterCombo{"PrinterCombo"};
    ui::ComboBox SpanCombo{"SpanCombo"};
    ui::ComboBox KindCombo{"KindCombo"};  // "All events", then each kind
    ui::TextBox FilterText{"FilterText"};
    ui::ListBox EventList{"EventList"};
    ui::ListBox AuditList{"AuditList"};
    ui::Button ExportButton{"ExportButton"};
    ui::Button CloseButton{"CloseButton"};
    ui::Label InkForecast{"InkForecast"};
    ui::Label FilmForecast{"FilmForecast"};
    ui::Label Summary{"Summary"};

  private:
    void fillLists();
    void exportCsv();

    const status::ErrorCatalogue& catalogue_;
    Links links_;
    std::vector<PrinterName> printers_;
    HistoryPage page_;
    bool filling_ = false;
};

}  // namespace orvan::history
