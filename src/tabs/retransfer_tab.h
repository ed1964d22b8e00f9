#pragma once
// The "Retransfer" tab: the transfer temperature shared by both card sides
// and the transfer speed of each side, chosen on two grids of 5 temperature
// rows by 6 speed columns tinted with hint colours, and the UV print speed of
// each side (page 0x28 bytes 33, 34, 35, 56 and 57).
//
// Cell numbering, both grids: cell = row * 6 + column; row 0 is the bottom
// row (temperature byte), column 0 the rightmost (speed byte 5). The two
// selections always share their row.
#include <array>

#include "link/link_plan.h"
#include "link/net_requests.h"
#include "link/pages.h"
#include "tabs/colour_guidance.h"
#include "tabs/hint_grid.h"
#include "tabs/setting_tab_buttons.h"
#include "tabs/tab_context.h"
#include "ui/control_array.h"
#include "ui/control_list.h"
#include "ui/controls.h"

namespace orvan::tabs {

class RetransferTab {
  public:
    // Its Designer form, and what the cycles move while it shows.
    static constexpr const char* kForm = "retransfer_tab";
    static inline const link::LinkPlan kLinkPlan{
        .usbReads = {link::modePage(link::kPrintConditionPage)},
        .netRead = &link::NetworkRequests::retransferRead,
        .usbWrites = {link::kPrintConditionPage},
        .netWrite = &link::NetworkRequests::retransferWrite,
        .reloadsCardMaterial = true};

    RetransferTab(TabContext context, ColourGuidance& guidance);
    RetransferTab(const RetransferTab&) = delete;
    RetransferTab& operator=(const RetransferTab&) = delete;

    // Once at start: red grids, and "Update" for those allowed to change.
    void setup();
    // Image -> controls.
    void fill();
    // Controls -> image (run by "Update" before the write).
    void collect();

    ui::ControlList controls();

    CellGrid Label2_3 = ui::controlArray<ui::Label, kGridCells>("Label2_3");  // "Front Side"
    CellGrid Label2_4 = ui::controlArray<ui::Label, kGridCells>("Label2_4");  // "Back Side"
    ui::Label Label2_5{"Label2_5"};                                           // card type
    // "UV Speed" of the front [0] and back [1] side.
    std::array<ui::HScrollBar, 2> HScroll2{ui::HScrollBar{"HScroll2[0]"},
                                           ui::HScrollBar{"HScroll2[1]"}};
    std::array<ui::Button, 2> Cmd2{ui::Button{"Cmd2[0]"}, ui::Button{"Cmd2[1]"}};

  private:
    // A grid and the image's selection in it.
    struct Side {
        CellGrid RetransferTab::*grid;
        std::int16_t link::SettingsImage::*cell;
    };
    static const Side kFront, kBack;

    void fillWithoutPrinter();
    void fillFromImage();
    // A click on a cell of `chosen`'s grid: the other side's selection moves
    // into the same row.
    void select(const Side& chosen, const Side& other, int cell);
    void applyHintColours();

    TabContext context_;
    ColourGuidance& guidance_;
    SettingTabButtons buttons_;
    // The grids show the printer's settings (a fill with a printer ran):
    // only then do cells take clicks and "Update" write the grids' bytes.
    bool showing_ = false;
};

}  // namespace orvan::tabs
