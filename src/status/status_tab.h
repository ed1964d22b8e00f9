#pragma once
// The controls of the "Printer Status" tab. The view (status_view.h) fills
// them; the front end draws them. The printer combo of the "Printer
// Selection" frame belongs to the shell and is only borrowed here.
#include <array>

#include "link/counters.h"
#include "link/link_plan.h"
#include "link/net_requests.h"
#include "link/pages.h"
#include "ui/control_list.h"
#include "ui/controls.h"

namespace orvan::status {

// Size of the two gauge boxes, twips. The fill keeps a 60 twip margin on the
// right and 75 at the bottom, so any box of similar proportions works.
inline constexpr int kGaugeWidth = 1700;
inline constexpr int kGaugeHeight = 300;

struct StatusTab {
    // Its Designer form, and what the cycles move while it shows.
    static constexpr const char* kForm = "status_tab";
    static inline const link::LinkPlan kLinkPlan{
        .retriesWhenBusy = false,
        .usbReads = {link::logPage(link::kPrinterLogPage), link::modePage(link::kMediaInfoPage),
                     link::modePage(link::kPrintConditionPage), link::buffer(link::kJobListBuffer)},
        .netRead = &link::NetworkRequests::statusTabRead};

    explicit StatusTab(ui::ComboBox& printerCombo);
    StatusTab(const StatusTab&) = delete;
    StatusTab& operator=(const StatusTab&) = delete;

    // The controls that are on screen. The spare picture box Pic0[0] is not:
    // nothing ever shows it.
    ui::ControlList controls();

    // "Printer Status": the printer and laminator lines with their pictures
    // and the animated picture. Placed by position, since the lines move.
    ui::Label Label0_1{"Label0_1"};
    ui::Label Label0_6{"Label0_6"};
    // [0] spare, [1] ink gauge, [2] film gauge, [3] ink type, [4] printer
    // state, [5] laminator state.
    std::array<ui::PictureBox, 6> Pic0{ui::PictureBox{"Pic0[0]"}, ui::PictureBox{"Pic0[1]"},
                                       ui::PictureBox{"Pic0[2]"}, ui::PictureBox{"Pic0[3]"},
                                       ui::PictureBox{"Pic0[4]"}, ui::PictureBox{"Pic0[5]"}};
    ui::AnimatedPicture WebBrowser1{"WebBrowser1"};

    // "Media Status": card quantity, and the ink and film percentages beside
    // their gauges Pic0[1] and Pic0[2].
    ui::Label Label0_2{"Label0_2"};
    std::array<ui::Label, 1> Label0_3{ui::Label{"Label0_3[0]"}};
    std::array<ui::Label, 1> Label0_4{ui::Label{"Label0_4[0]"}};

    // "Ink": the ink type is Pic0[3]; [0] is the caption of the value [1].
    std::array<ui::Label, 2> Label0_5{ui::Label{"Label0_5[0]"}, ui::Label{"Label0_5[1]"}};

    // "Film".
    ui::Label Label0_7{"Label0_7"};

    // "Print Counter".
    ui::Label Label0_8{"Label0_8"};
    ui::Button Cmd0_1{"Cmd0_1"};

    // "Printer Selection".
    ui::ComboBox& Combo0;
    ui::Button Cmd0_2{"Cmd0_2"};
    // "History...": the history window on the watched printer.
    ui::Button Cmd0_3{"Cmd0_3"};

    // "Document Information": owner names and document names, row by row.
    std::array<ui::ComboBox, 2> Combo2{ui::ComboBox{"Combo2[0]"}, ui::ComboBox{"Combo2[1]"}};
};

}  // namespace orvan::status
