#include "status/status_view.h"

#include <algorithm>
#include <cmath>
#include <span>
#include <utility>

#include "link/conversions.h"
#include "link/counters.h"
#include "link/link_guard.h"
#include "link/link_messages.h"
#include "status/report_failure.h"
#include "status/status_presentation.h"

namespace orvan::status {
namespace {

// The fill stops short of the box's right and bottom edges, twips.
constexpr int kGaugeRightMargin = 60;
constexpr int kGaugeBottomMargin = 75;

struct CodeText {
    int code;
    const char* text;
};

// Codes the printer may add later show nothing new: the label keeps what it
// said, rather than flashing an empty line.
constexpr CodeText kCardQuantity[] = {{0, "Enough"}, {2, "None"}};
constexpr CodeText kFilmType[] = {{0, "Standard(1000)"}, {2, "Standard(750)"}};

constexpr CodeText kInkPictures[] = {
    {0, "YMCK.gif"}, {2, "YMCKPO.gif"}, {3, "K.gif"}, {4, "YMCKK.gif"}, {5, "YMCKUV.gif"},
};
constexpr const char* kUnknownInkPicture = "INKUNK.gif";

const char* find(std::span<const CodeText> table, int code) {
    for (const auto& row : table)
        if (row.code == code) return row.text;
    return nullptr;
}

void showCode(ui::Label& label, std::span<const CodeText> table, int code) {
    if (const char* text = find(table, code)) label.setCaption(text);
}

const std::string& nameAt(const std::vector<std::string>& names, int i) {
    static const std::string kNone;
    return i >= 0 && static_cast<std::size_t>(i) < names.size() ? names[static_cast<std::size_t>(i)]
                                                                : kNone;
}

// Rows that both name lists can supply: a count that runs past the names
// shows only the documents that are really there.
int jobRows(const link::JobList& jobs) {
    const std::size_t names = std::min(jobs.owners.size(), jobs.documents.size());
    return static_cast<int>(std::clamp<long long>(jobs.count, 0, static_cast<long long>(names)));
}

}  // namespace

void UseCounters(StatusSources& sources, link::Counters& counters) {
    sources.clearCounters = [&counters] { return counters.clearCounters(); };
    // The reread's own failure is silent: the label keeps the old count.
    sources.rereadCounters = [&counters] { counters.rereadCounters(); };
}

void DrawGauge(ui::PictureBox& box, ui::Label& percent, int quantity, int full) {
    box.setVisible(true);
    box.clearDrawing();
    if (full <= 0 || quantity < 0 || quantity > full) {
        box.setPicture("");
        percent.setCaption("");
        return;
    }
    const int usable = std::max(0, box.width() - kGaugeRightMargin);
    const int x = static_cast<int>(std::lround(static_cast<double>(usable) * quantity / full));
    const int h = std::max(0, box.height() - kGaugeBottomMargin);
    box.fillRect({0, 0, x, h, kGaugeColour});
    percent.setCaption(std::to_string(quantity * 100 / full));
}

StatusTabView::StatusTabView(StatusTab& tab, StatusSources sources)
    : tab_(tab), src_(std::move(sources)), animation_(tab.WebBrowser1, src_.programDir) {
    // Both lists show the same document in the same row, whichever the user
    // touches.
    for (int i = 0; i < 2; ++i) {
        tab_.Combo2[i].onClick = [this, i] { followJobList(i); };
        tab_.Combo2[i].onDropDown = [this, i] { followJobList(i); };
    }
    tab_.Cmd0_1.onClick = link::whenLinkIdle(src_.link, [this] { clearPrintCounter(); });
}

void StatusTabView::reset() {
    for (ui::Label* l : {&tab_.Label0_1, &tab_.Label0_2, &tab_.Label0_3[0], &tab_.Label0_4[0],
                         &tab_.Label0_5[1], &tab_.Label0_7, &tab_.Label0_8})
        l->setCaption("");
    for (int i = 0; i <= 3; ++i) tab_.Pic0[i].setVisible(false);
    tab_.WebBrowser1.setVisible(false);
    clearJobLists();
    tab_.Cmd0_1.setEnabled(src_.counterClearOpen && src_.counterClearOpen());
    animation_.reset();
}

void StatusTabView::ShowStatus() {
    const StatusInputs in = InputsOf(src_.link, src_.data);
    const StatusView view = PresentStatus(src_.catalogue, in);
    ApplyStatusLine(view.printer, tab_.Label0_1, tab_.Pic0[4], src_.programDir);
    ApplyStatusLine(view.laminator, tab_.Label0_6, tab_.Pic0[5], src_.programDir);
    animation_.show(in.printerConnected, src_.data.image.Counters.Cleaning, view.overall);
    showInkPicture();
    refreshMediaAndCounters();
}

void StatusTabView::showInkPicture() {
    ui::PictureBox& pic = tab_.Pic0[3];
    pic.setVisible(true);
    pic.clearDrawing();
    if (!connected()) {
        pic.setPicture("");
        return;
    }
    const char* file = find(kInkPictures, src_.data.image.MediaInfo.Byte2);
    pic.setPicture(ProgramFile(src_.programDir, file ? file : kUnknownInkPicture));
}

void StatusTabView::refreshMediaAndCounters() {
    if (connected())
        showMedia();
    else
        emptyMedia();
}

void StatusTabView::emptyMedia() {
    tab_.Label0_2.setCaption("");
    for (int i : {1, 2}) {
        tab_.Pic0[i].setVisible(true);
        tab_.Pic0[i].clearDrawing();
        tab_.Pic0[i].setPicture("");
    }
    for (ui::Label* l :
         {&tab_.Label0_3[0], &tab_.Label0_4[0], &tab_.Label0_5[1], &tab_.Label0_7, &tab_.Label0_8})
        l->setCaption("");
    clearJobLists();
}

void StatusTabView::showMedia() {
    const link::SettingsImage& image = src_.data.image;
    showCode(tab_.Label0_2, kCardQuantity, image.PrintCondition.Byte49);
    DrawGauge(tab_.Pic0[1], tab_.Label0_3[0], image.PrintCondition.Byte48, kInkFull);
    DrawGauge(tab_.Pic0[2], tab_.Label0_4[0], image.PrintCondition.Byte47, kFilmFull);
    tab_.Label0_5[1].setCaption(link::NumberText(image.MediaInfo.Count));
    showCode(tab_.Label0_7, kFilmType, image.PrintCondition.Byte20);
    tab_.Label0_8.setCaption(link::NumberText(image.Counters.Print));
    showJobList(src_.data.jobs);
}

void StatusTabView::showJobList(const link::JobList& jobs) {
    ui::ComboBox& owners = tab_.Combo2[0];
    ui::ComboBox& documents = tab_.Combo2[1];
    const int rows = jobRows(jobs);
    owners.setEnabled(rows > 0);
    documents.setEnabled(rows > 0);
    if (rows == 0) {
        clearJobLists();
        return;
    }
    // The user looking at a later document keeps it while the queue in front
    // of it is unchanged.
    const int selected = documents.listIndex();
    if (rows > 1 && documents.count() == rows && selected > 0 &&
        documents.item(selected) == nameAt(jobs.documents, selected))
        return;
    clearJobLists();
    for (int i = 0; i < rows; ++i) {
        owners.addItem(nameAt(jobs.owners, i));
        documents.addItem(nameAt(jobs.documents, i));
    }
    owners.setListIndex(0);
    documents.setListIndex(0);
}

void StatusTabView::clearJobLists() {
    tab_.Combo2[0].clear();
    tab_.Combo2[1].clear();
}

void StatusTabView::followJobList(int from) {
    tab_.Combo2[1 - from].setListIndex(tab_.Combo2[from].listIndex());
}

void StatusTabView::clearPrintCounter() {
    if (!connected()) {
        ui::warn(src_.boxes, link::kPrinterNotFound);
        return;
    }
    if (!ui::confirm(src_.boxes, "Would you like to clear Print Counter?")) return;
    const link::ResultCode code = src_.clearCounters ? src_.clearCounters() : 0;
    if (code != 0) {
        ReportFailure(src_.boxes, "It fails to clear Print Counter.", code, src_.link.statusWord,
                      src_.catalogue);
        return;
    }
    if (src_.rereadCounters) src_.rereadCounters();
}

}  // namespace orvan::status
