#pragma once
// The "Printer Setting" tab: print levels and print modes (page 0x28), the
// magnetic encoder (page 0x2A), power control and the operator panel. The
// settings image is the tab's state; the value labels beside the scroll bars
// are the working copy between showing and collecting.
#include <array>
#include <memory>

#include "link/link_plan.h"
#include "link/net_requests.h"
#include "link/pages.h"
#include "tabs/option_pair.h"
#include "tabs/setting_tab_buttons.h"
#include "tabs/tab_context.h"
#include "ui/control_list.h"
#include "ui/controls.h"

namespace orvan::tabs {

// Scroll bar indexes of HScroll1 and Label1_3.
enum PrinterSettingBar : int {
    ResinKLevel = 0,
    UvLevel = 1,
    PeelOffLevel = 2,
    YmcLevel = 3,
    RetryCount = 4,
    DisplayContrast = 5,
};

class PrinterSettingTab {
  public:
    // Its Designer form, and what the cycles move while it shows.
    static constexpr const char* kForm = "printer_setting_tab";
    static inline const link::LinkPlan kLinkPlan{
        .usbReads = {link::modePage(link::kPrintConditionPage),
                     link::modePage(link::kMagneticPage)},
        .netRead = &link::NetworkRequests::conditionRead,
        .usbWrites = {link::kPrintConditionPage, link::kMagneticPage},
        .netWrite = &link::NetworkRequests::conditionWrite};

    explicit PrinterSettingTab(TabContext context);
    PrinterSettingTab(const PrinterSettingTab&) = delete;
    PrinterSettingTab& operator=(const PrinterSettingTab&) = delete;

    // Once at start: the two lists, and "Update" for those allowed to change.
    void setup();
    // Image -> controls.
    void fill();
    // Controls -> image (run by "Update" before the write).
    void collect();

    ui::ControlList controls();

    // Group frames: "Printer Setting", "MG Unit", "Power Control", "Others".
    std::array<ui::Frame, 4> Frame1{ui::Frame{"Frame1[0]"}, ui::Frame{"Frame1[1]"},
                                    ui::Frame{"Frame1[2]"}, ui::Frame{"Frame1[3]"}};
    // The frame of each option pair, named after the pair.
    ui::Frame FrameOpt1_1{"FrameOpt1_1"}, FrameOpt1_2{"FrameOpt1_2"}, FrameOpt1_3{"FrameOpt1_3"},
        FrameOpt1_4{"FrameOpt1_4"}, FrameOpt1_5{"FrameOpt1_5"}, FrameOpt1_6{"FrameOpt1_6"},
        FrameOpt1_7{"FrameOpt1_7"}, FrameOpt1_8{"FrameOpt1_8"}, FrameOpt1_9{"FrameOpt1_9"};

    std::array<ui::HScrollBar, 6> HScroll1{
        ui::HScrollBar{"HScroll1[0]"}, ui::HScrollBar{"HScroll1[1]"},
        ui::HScrollBar{"HScroll1[2]"}, ui::HScrollBar{"HScroll1[3]"},
        ui::HScrollBar{"HScroll1[4]"}, ui::HScrollBar{"HScroll1[5]"}};
    std::array<ui::Label, 6> Label1_3{ui::Label{"Label1_3[0]"}, ui::Label{"Label1_3[1]"},
                                      ui::Label{"Label1_3[2]"}, ui::Label{"Label1_3[3]"},
                                      ui::Label{"Label1_3[4]"}, ui::Label{"Label1_3[5]"}};

    OptionPair Opt1_1{ui::OptionButton{"Opt1_1[0]"}, ui::OptionButton{"Opt1_1[1]"}};
    OptionPair Opt1_2{ui::OptionButton{"Opt1_2[0]"}, ui::OptionButton{"Opt1_2[1]"}};
    OptionPair Opt1_3{ui::OptionButton{"Opt1_3[0]"}, ui::OptionButton{"Opt1_3[1]"}};
    OptionPair Opt1_4{ui::OptionButton{"Opt1_4[0]"}, ui::OptionButton{"Opt1_4[1]"}};
    OptionPair Opt1_5{ui::OptionButton{"Opt1_5[0]"}, ui::OptionButton{"Opt1_5[1]"}};
    OptionPair Opt1_6{ui::OptionButton{"Opt1_6[0]"}, ui::OptionButton{"Opt1_6[1]"}};
    OptionPair Opt1_7{ui::OptionButton{"Opt1_7[0]"}, ui::OptionButton{"Opt1_7[1]"}};
    OptionPair Opt1_8{ui::OptionButton{"Opt1_8[0]"}, ui::OptionButton{"Opt1_8[1]"}};
    OptionPair Opt1_9{ui::OptionButton{"Opt1_9[0]"}, ui::OptionButton{"Opt1_9[1]"}};

    ui::ComboBox Combo1_1{"Combo1_1"};  // "Power Saving Interval"
    ui::ComboBox Combo1_2{"Combo1_2"};  // "Display Counter"

    std::array<ui::Button, 2> Cmd1{ui::Button{"Cmd1[0]"}, ui::Button{"Cmd1[1]"}};

  private:
    void fillWithoutPrinter();
    void fillFromImage();
    void showValueLabel(int index);

    TabContext context_;
    SettingTabButtons buttons_;
};

}  // namespace orvan::tabs
