#include "status/status_tab.h"

namespace orvan::status {
namespace {

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
// The state pictures are 48 pixels square.
constexpr Placement kPrinterPicture = {240, 420, 720, 720};
constexpr Placement kPrinterLine = {1080, 600, 5640, 360};
constexpr Placement kLaminatorPicture = {240, 1940, 720, 720};
constexpr Placement kLaminatorLine = {1080, 2120, 5640, 360};
constexpr Placement kAnimation = {6840, 300, 1980, 2460};

}  // namespace

StatusTab::StatusTab(ui::ComboBox& printerCombo) : Combo0(printerCombo) {
    place(Pic0[4], kPrinterPicture);
    place(Label0_1, kPrinterLine);
    place(Pic0[5], kLaminatorPicture);
    place(Label0_6, kLaminatorLine);
    place(WebBrowser1, kAnimation);
    for (int i : {1, 2}) {
        Pic0[i].setWidth(kGaugeWidth);
        Pic0[i].setHeight(kGaugeHeight);
        Pic0[i].setBorder(true);
    }
}

ui::ControlList StatusTab::controls() {
    return {Label0_1,    Label0_6, Pic0[1],  Pic0[2],  Pic0[3],  Pic0[4],  Pic0[5],
            WebBrowser1, Label0_2, Label0_3, Label0_4, Label0_5, Label0_7, Label0_8,
            Cmd0_1,      Combo0,   Cmd0_2,   Combo2,   Cmd0_3};
}

}  // namespace orvan::status
