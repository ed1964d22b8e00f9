// The history window's model: any printer of the store, a span, events by
// kind and text with the filter held to its length, the CSV of what the
// filter shows, the audit and the forecast; no store is said, not hidden.
#include <gtest/gtest.h>

#include <algorithm>

#include "history/history_form.h"
#include "history_rig.h"

namespace orvan::testing {
namespace {

using history::EventKind;

struct FormRig : HistoryRig {
    std::string exportTo;
    std::int64_t now = kT0 + 3600;
    history::HistoryForm form{
        catalogue(),
        {[this](std::string& why) { return history::Store::open(path, why, true); },
         [this] { return now; }}};
    FormRig() {
        form.chooseExportFile = [this] { return exportTo; };
    }
    void add(const std::string& key, std::int64_t at, EventKind kind, std::int64_t code,
             const std::string& text) {
        auto store = open();
        history::Batch b;
        b.printer = {key, "Name " + key};
        b.events.push_back({at, kind, code, text, {}});
        ASSERT_TRUE(store->write(b));
    }
};

TEST(HistoryForm, ItShowsAnyPrinterOfTheStoreAndFiltersItsEventsByKindAndText) {
    FormRig rig;
    rig.add("usb:0:0", kT0, EventKind::PrinterState, 0, "Ready");
    rig.add("usb:0:0", kT0 + 10, EventKind::PrinterResult, -0x0102D000,
            "0102D000 No Card, \"empty\"");
    rig.add("usb:0:0", kT0 + 20, EventKind::PrinterResult, 0, "no error");
    rig.add("net:10.0.0.9", kT0 + 30, EventKind::Lost, 0, "Printer is not found.");
    {
        auto store = rig.open();
        history::Batch w;
        w.printer = {"usb:0:0", "Name usb:0:0"};
        w.audit =
            history::AuditEntry{kT0 + 5, "Printer Setting", "mode pages 21", true, 0, "ann", {}};
        ASSERT_TRUE(store->write(w));
    }
    auto& f = rig.form;
    f.open("usb:0:0");
    EXPECT_TRUE(f.form.visible());
    EXPECT_EQ(f.PrinterCombo.items(), (std::vector<std::string>{"Name net:10.0.0.9 (net:10.0.0.9)",
                                                                "Name usb:0:0 (usb:0:0)"}));
    EXPECT_EQ(f.printer(), "usb:0:0");
    EXPECT_EQ(f.EventList.count(), 3);
    EXPECT_EQ(f.AuditList.items(),
              std::vector<std::string>{
                  "2026-05-28T20:26:45Z  ann  Printer Setting  mode pages 21  written"});
    EXPECT_EQ(f.page().timeline.errors.size(), 1u);

    struct Case {
        int kind;
        std::string text;
        std::vector<std::string> rows;
    };
    const Case cases[] = {
        {0,
         "",
         {"2026-05-28T20:26:40Z  printer state  Ready",
          "2026-05-28T20:26:50Z  printer result  0102D000 No Card, \"empty\"",
          "2026-05-28T20:27:00Z  printer result  no error"}},
        {4,
         "",
         {"2026-05-28T20:26:50Z  printer result  0102D000 No Card, \"empty\"",
          "2026-05-28T20:27:00Z  printer result  no error"}},
        {4, "card", {"2026-05-28T20:26:50Z  printer result  0102D000 No Card, \"empty\""}},
        {1, "", {}},
        // Longer than the filter takes: only its first part is looked for.
        {0, "Ready" + std::string(300, '!'), {}},
    };
    for (const auto& c : cases) {
        f.KindCombo.setListIndex(c.kind);
        f.FilterText.setText(c.text);
        EXPECT_EQ(f.EventList.items(), c.rows) << c.kind << " " << c.text.substr(0, 10);
    }
    EXPECT_EQ(f.FilterText.text().size(), history::kMaxFilterBytes);

    // The export writes what the filter shows.
    f.KindCombo.setListIndex(4);
    f.FilterText.setText("card");
    rig.exportTo = rig.dir.file("events.csv");
    f.ExportButton.click();
    EXPECT_EQ(ScratchDir::read(rig.exportTo),
              "time,printer,kind,code,text\r\n2026-05-28T20:26:50Z,usb:0:0,printer "
              "result,-16961536,\"0102D000 No Card, \"\"empty\"\"\"\r\n");
    EXPECT_EQ(f.Summary.caption(), "1 events written to " + rig.exportTo);
    rig.exportTo = "";  // the user chose no file: nothing happens
    f.ExportButton.click();
    EXPECT_EQ(f.Summary.caption(), "1 events written to " + rig.dir.file("events.csv"));

    f.PrinterCombo.setListIndex(0);
    EXPECT_EQ(f.printer(), "net:10.0.0.9");
    f.CloseButton.click();
    EXPECT_FALSE(f.form.visible());
}

TEST(HistoryForm, MoreEventsThanTheListShowsAreSaidAndAllOfThemExported) {
    FormRig rig;
    {
        auto store = rig.open();
        std::vector<history::Batch> batches;
        for (std::size_t i = 0; i < history::kMaxShownRows + 100; ++i) {
            history::Batch b;
            b.printer = {"usb:0:0", "USB:Unit1"};
            b.events.push_back({kT0 + static_cast<std::int64_t>(i) % 3000,
                                EventKind::PrinterState,
                                0,
                                "Ready",
                                {}});
            batches.push_back(std::move(b));
        }
        ASSERT_TRUE(store->writeAll(batches));
    }
    rig.form.open("");
    EXPECT_EQ(rig.form.EventList.count(), static_cast<int>(history::kMaxShownRows));
    EXPECT_EQ(rig.form.Summary.caption(), "5100 events (the first 5000 listed), 0 writes");
    rig.exportTo = rig.dir.file("all.csv");
    rig.form.ExportButton.click();
    const std::string csv = ScratchDir::read(rig.exportTo);
    EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 5101);
}

TEST(HistoryForm, WithoutAStoreItSaysSoAndShowsNothing) {
    FormRig rig;
    rig.form.open("usb:0:0");
    EXPECT_EQ(rig.form.PrinterCombo.count(), 0);
    EXPECT_EQ(rig.form.EventList.count(), 0);
    EXPECT_NE(rig.form.Summary.caption().find("No history: "), std::string::npos);
    EXPECT_EQ(rig.form.InkForecast.caption(), "Ink ribbon: too little history for a forecast");
}

}  // namespace
}  // namespace orvan::testing
