#pragma once
// The "Media Setting" tab: what the printer reports of the loaded ink ribbon
// (page 0x23), and the card in use. Film type and thickness are printer
// settings (page 0x28); the card material lives only on this workstation, in
// the configuration file, and decides the colour hints of the grids.
#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "link/link_plan.h"
#include "link/net_requests.h"
#include "link/pages.h"
#include "tabs/setting_tab_buttons.h"
#include "tabs/tab_context.h"
#include "ui/control_list.h"
#include "ui/controls.h"

namespace orvan::tabs {

// Combo4 indexes.
enum MediaSettingList : int { MaterialList = 0, FilmTypeList = 1, ThicknessList = 2 };

// Where the card material is remembered, and who must hear of a new one.
struct CardMaterialLink {
    std::function<std::int16_t()> readCardType;  // from the configuration file, 0 by default
    std::function<void(int)> writeCardType;      // to the configuration file
    // Runs when "Update" stores a material other than the one before (not
    // for a change of film type or thickness): the hint colours depend on it.
    std::function<void()> cardMaterialChanged;
};

// The text of an ink ribbon code, leading blanks included.
std::string RibbonName(int code);

class MediaSettingTab {
  public:
    // Its Designer form, and what the cycles move while it shows.
    static constexpr const char* kForm = "media_setting_tab";
    static inline const link::LinkPlan kLinkPlan{
        .usbReads = {link::modePage(link::kMediaInfoPage),
                     link::modePage(link::kPrintConditionPage)},
        .netRead = &link::NetworkRequests::mediaRead,
        .usbWrites = {link::kPrintConditionPage},
        .netWrite = &link::NetworkRequests::mediaWrite,
        .reloadsCardMaterial = true};

    MediaSettingTab(TabContext context, CardMaterialLink cardMaterial);
    MediaSettingTab(const MediaSettingTab&) = delete;
    MediaSettingTab& operator=(const MediaSettingTab&) = delete;

    // Once at start: the three lists, and "Update" for those allowed to change.
    void setup();
    // Image (and the remembered material) -> controls.
    void fill();
    // Controls -> image and the configuration file (run by "Update" before the write).
    void collect();

    ui::ControlList controls();

    // "Name", "Number of Ink Sets", "Ink Lot Number".
    std::array<ui::Label, 3> Label4_0{ui::Label{"Label4_0[0]"}, ui::Label{"Label4_0[1]"},
                                      ui::Label{"Label4_0[2]"}};
    // "Material", "Film Type", "Thickness".
    std::array<ui::ComboBox, 3> Combo4{ui::ComboBox{"Combo4[0]"}, ui::ComboBox{"Combo4[1]"},
                                       ui::ComboBox{"Combo4[2]"}};
    std::array<ui::Button, 2> Cmd4{ui::Button{"Cmd4[0]"}, ui::Button{"Cmd4[1]"}};

  private:
    void fillWithoutPrinter();

    TabContext context_;
    CardMaterialLink cardMaterial_;
    SettingTabButtons buttons_;
};

}  // namespace orvan::tabs
