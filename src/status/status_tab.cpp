#include "status/status_tab.h"

namespace orvan::status {
namespace {

// The two scales are labelled at 0, 50 and 100 by spacing alone, lined up
// under the gauge box.
constexpr const char* kScaleCaption = "0             50          100";

struct Placement {
    int left, top, width, height;
};

void place(ui::Control& c, const Placement& p) {
    c.setLeft(p.left);
    c.setTop(p.top);
    c.setWidth(p.width);
    c.setHeight(p.height);
}

// The "Printer Status" frame positions its children itself (the status
// lines move when they show an error), so they carry full geometry, twips.
constexpr Placement kFrame = {0, 0, 7800, 2900};
constexpr Placement kPrinterPicture = {240, 420, 600, 600};
constexpr Placement kPrinterLine = {960, 600, 4500, 360};
constexpr Placement kLaminatorPicture = {240, 1940, 600, 600};
constexpr Placement kLaminatorLine = {960, 2120, 4500, 360};
constexpr Placement kAnimation = {5640, 300, 1980, 2460};

}  // namespace

StatusTab::StatusTab(ui::ComboBox& printerCombo) : Combo0(printerCombo) {
    printerStatusFrame.setCaption("Printer Status");
    mediaStatusFrame.setCaption("Media Status");
    inkFrame.setCaption("Ink");
    filmFrame.setCaption("Film");
    printCounterFrame.setCaption("Print Counter");
    printerSelectionFrame.setCaption("Printer Selection");
    documentFrame.setCaption("Document Information");

    place(printerStatusFrame, kFrame);
    place(Pic0[4], kPrinterPicture);
    place(Label0_1, kPrinterLine);
    place(Pic0[5], kLaminatorPicture);
    place(Label0_6, kLaminatorLine);
    place(WebBrowser1, kAnimation);

    cardQuantityCaption.setCaption("Card Quantity");
    inkQuantityCaption.setCaption("Ink Quantity");
    filmQuantityCaption.setCaption("Film Quantity");
    inkScale.setCaption(kScaleCaption);
    filmScale.setCaption(kScaleCaption);
    inkPercent.setCaption("%");
    filmPercent.setCaption("%");
    for (int i : {1, 2}) {
        Pic0[i].setWidth(kGaugeWidth);
        Pic0[i].setHeight(kGaugeHeight);
        Pic0[i].setBorder(true);
    }

    Label0_5[0].setCaption("Number of Ink Sets");
    Cmd0_1.setCaption("Clear");
    printerNameCaption.setCaption("Printer Name");
    Cmd0_2.setCaption("Update");
    ownerNameCaption.setCaption("Owner Name");
    documentNameCaption.setCaption("Document Name");
}

}  // namespace orvan::status
