#pragma once
// The "Laminator" tab: the optional laminator's page 0x2C. Laminate mode and
// HR control, for each film side (bottom and top) its film type, position
// and temperature, the common speed and cooling time, the two laminator
// counters and which film cassettes are loaded. A side can be changed only
// while its cassette is in.
#include <array>
#include <memory>

#include "link/counters.h"
#include "link/link_plan.h"
#include "link/net_requests.h"
#include "link/pages.h"
#include "tabs/option_pair.h"
#include "tabs/setting_tab_buttons.h"
#include "tabs/tab_context.h"
#include "ui/control_list.h"
#include "ui/controls.h"

namespace orvan::tabs {

// HScroll8 indexes.
enum LaminatorSide : int { BottomSide = 0, TopSide = 1 };

class LaminatorTab {
  public:
    // Its Designer form, and what the cycles move while it shows.
    static constexpr const char* kForm = "laminator_tab";
    static inline const link::LinkPlan kLinkPlan{
        .usbReads = {link::logPage(link::kLaminatorLogPage), link::modePage(link::kLaminatorPage)},
        .netRead = &link::NetworkRequests::laminatorRead,
        .usbWrites = {link::kLaminatorPage},
        .netWrite = &link::NetworkRequests::laminatorWrite};

    // Label8 indexes in use: the cassette labels (bottom, top), the two
    // counters, and the position labels (bottom, top).
    static constexpr int kBottomCassette = 0, kTopCassette = 1;
    static constexpr int kCleaningCounter = 3, kTotalCounter = 5;
    static constexpr int kBottomPosition = 8, kTopPosition = 11;
    static constexpr int kLabelCount = 12;

    explicit LaminatorTab(TabContext context);
    LaminatorTab(const LaminatorTab&) = delete;
    LaminatorTab& operator=(const LaminatorTab&) = delete;

    // Once at start: the four value lists, and "Update" for those allowed to change.
    void setup();
    // Image -> controls.
    void fill();
    // Controls -> image (run by "Update" before the write).
    void collect();

    ui::ControlList controls();
    ui::Label& label8(int index) { return *Label8[static_cast<std::size_t>(index)]; }

    OptionPair Opt8_1{ui::OptionButton{"Opt8_1[0]"}, ui::OptionButton{"Opt8_1[1]"}};  // mode
    OptionPair Opt8_2{ui::OptionButton{"Opt8_2[0]"}, ui::OptionButton{"Opt8_2[1]"}};  // HR
    OptionPair Opt8_3{ui::OptionButton{"Opt8_3[0]"}, ui::OptionButton{"Opt8_3[1]"}};  // bottom
    OptionPair Opt8_4{ui::OptionButton{"Opt8_4[0]"}, ui::OptionButton{"Opt8_4[1]"}};  // top

    std::array<std::unique_ptr<ui::Label>, kLabelCount> Label8;
    std::array<ui::HScrollBar, 2> HScroll8{ui::HScrollBar{"HScroll8[0]"},
                                           ui::HScrollBar{"HScroll8[1]"}};

    ui::ComboBox Combo8_1{"Combo8_1"};  // bottom temperature
    ui::ComboBox Combo8_2{"Combo8_2"};  // top temperature
    ui::ComboBox Combo8_3{"Combo8_3"};  // speed
    ui::ComboBox Combo8_4{"Combo8_4"};  // cooling time

    std::array<ui::Button, 2> Cmd8{ui::Button{"Cmd8[0]"}, ui::Button{"Cmd8[1]"}};

  private:
    void fillWithoutLaminator(bool printerFound);
    void showSide(int side);
    void clearSide(int side);
    void showCommon(bool cassetteKnown);
    void showPosition(int side);

    TabContext context_;
    SettingTabButtons buttons_;
};

}  // namespace orvan::tabs
