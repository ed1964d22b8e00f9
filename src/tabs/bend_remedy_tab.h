#pragma once
// The "Bend Remedy" tab: the temperature and speed of the roller that
// flattens the card after retransfer, chosen on a grid of 6 temperature rows
// by 5 speed columns tinted with hint colours, or "Disable" (page 0x28 bytes
// 36 and 37). Without a printer or without a bend remedy unit the whole tab
// offers nothing.
//
// Cell numbering: cell = row * 5 + column; row 0 is the bottom row
// (temperature byte), column 0 the rightmost (speed byte 0, not mirrored).
// The remedy is either "Disable" (BendCell 30, no cell marked) or exactly
// one marked cell.
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

class BendRemedyTab {
  public:
    // Its Designer form, and what the cycles move while it shows.
    static constexpr const char* kForm = "bend_remedy_tab";
    static inline const link::LinkPlan kLinkPlan{
        .usbReads = {link::modePage(link::kPrintConditionPage)},
        .netRead = &link::NetworkRequests::bendRemedyRead,
        .usbWrites = {link::kPrintConditionPage},
        .netWrite = &link::NetworkRequests::bendRemedyWrite,
        .reloadsCardMaterial = true};

    BendRemedyTab(TabContext context, ColourGuidance& guidance);
    BendRemedyTab(const BendRemedyTab&) = delete;
    BendRemedyTab& operator=(const BendRemedyTab&) = delete;

    // Once at start: a red grid, nothing chosen, and "Update" for those
    // allowed to change.
    void setup();
    // Image -> controls.
    void fill();
    // Controls -> image (run by "Update" before the write).
    void collect();

    ui::ControlList controls();

    CellGrid Label3_1 = ui::controlArray<ui::Label, kGridCells>("Label3_1");
    ui::OptionButton Opt3_1{"Opt3_1"};  // "Disable"
    ui::Label Label3_2{"Label3_2"};     // card type
    std::array<ui::Button, 2> Cmd3{ui::Button{"Cmd3[0]"}, ui::Button{"Cmd3[1]"}};

  private:
    bool unitFitted() const;
    void fillWithoutUnit();
    void fillFromImage();
    // A cell, or kBendDisabled for "Disable".
    void select(int choice);
    void applyHintColours();

    TabContext context_;
    ColourGuidance& guidance_;
    SettingTabButtons buttons_;
    // The grid shows the printer's setting (a fill found the unit): only
    // then do clicks choose and "Update" write the remedy's bytes.
    bool showing_ = false;
    bool selecting_ = false;  // the tab's own change of "Disable"
};

}  // namespace orvan::tabs
