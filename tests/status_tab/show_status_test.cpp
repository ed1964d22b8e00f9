// The full redraw of the Status tab and its reset at start.
#include "status_tab_fixture.h"

namespace orvan::status::testing {
namespace {

using ShowStatus = StatusTabTest;

TEST_F(ShowStatus, PrinterLineTakesTextColourFontPlaceAndPictureOfItsState) {
    view->ShowStatus();
    EXPECT_EQ(tab.Label0_1.caption(), "Ready");
    EXPECT_EQ(tab.Label0_1.foreColour(), 0xFF0000u);
    EXPECT_EQ(tab.Pic0[4].picture(), programFile("P_READY.gif"));

    link.status.printerResult = -0x0102D000;
    view->ShowStatus();
    EXPECT_EQ(tab.Label0_1.caption(),
              "Printer Error(0102D000) :\rNo Card. (Cards have run out.) Replenish the cards.");
    EXPECT_EQ(tab.Label0_1.foreColour(), 0x0000FFu);
    EXPECT_EQ(tab.Label0_1.fontSize(), 11);
    EXPECT_EQ(tab.Label0_1.top(), 420);
    EXPECT_EQ(tab.Label0_1.height(), 1100);
    EXPECT_EQ(tab.Pic0[4].picture(), programFile("P_ERROR.gif"));

    link.status.printerResult = 0;  // and back once the cards are in
    view->ShowStatus();
    EXPECT_EQ(tab.Label0_1.fontSize(), 14);
    EXPECT_EQ(tab.Label0_1.top(), 600);
    EXPECT_EQ(tab.Label0_1.height(), 360);
}

TEST_F(ShowStatus, LaminatorLineOnlyWithALaminatorAttached) {
    link.status.laminatorResult = -0x0500005A;
    view->ShowStatus();
    EXPECT_EQ(tab.Label0_6.caption(), "");
    EXPECT_FALSE(tab.Pic0[5].visible());
    EXPECT_EQ(tab.WebBrowser1.tint(), 0xC0FFC0u);

    data.identity.Option[7] = 1;
    view->ShowStatus();
    EXPECT_EQ(tab.Label0_6.caption(),
              "Laminator Error(0500005A) :\rThe film cassette is detached.");
    EXPECT_EQ(tab.Label0_6.top(), 1940);
    EXPECT_EQ(tab.Pic0[5].picture(), programFile("L_ERROR.gif"));
    EXPECT_TRUE(tab.Pic0[5].visible());
    EXPECT_EQ(tab.WebBrowser1.tint(), 0xFFC0FFu);
}

TEST_F(ShowStatus, AlsoDrawsAnimationInkPictureGaugesAndCounters) {
    data.image.MediaInfo.Byte2 = 3;
    data.image.PrintCondition.Byte48 = 50;
    data.image.Counters.Print = 7;
    data.image.Counters.Cleaning = 1000;
    view->ShowStatus();
    EXPECT_EQ(tab.Pic0[3].picture(), programFile("K.gif"));
    EXPECT_EQ(tab.Label0_3[0].caption(), "100");
    EXPECT_EQ(tab.Label0_8.caption(), " 7");
    EXPECT_EQ(tab.WebBrowser1.picture(), programFile("CLEANING.gif"));

    link.printerCount = 0;
    view->ShowStatus();
    EXPECT_EQ(tab.Label0_1.caption(), "Printer is not found.");
    EXPECT_EQ(tab.Label0_8.caption(), "");
    EXPECT_EQ(tab.WebBrowser1.picture(), programFile("LOGO.gif"));
}

using Reset = StatusTabTest;

TEST_F(Reset, EmptiesValuesHidesMediaPicturesAndOpensClearByRight) {
    data.image.Counters.Print = 3;
    setJobs({"a"});
    view->ShowStatus();
    view->reset();
    for (const ui::Label* l : {&tab.Label0_1, &tab.Label0_2, &tab.Label0_3[0], &tab.Label0_4[0],
                               &tab.Label0_5[1], &tab.Label0_7, &tab.Label0_8})
        EXPECT_EQ(l->caption(), "") << l->name();
    for (int i = 0; i <= 3; ++i) EXPECT_FALSE(tab.Pic0[i].visible()) << i;
    EXPECT_FALSE(tab.WebBrowser1.visible());
    EXPECT_EQ(tab.Combo2[1].count(), 0);
    EXPECT_FALSE(tab.Cmd0_1.enabled());

    clearOpen = true;
    view->reset();
    EXPECT_TRUE(tab.Cmd0_1.enabled());
}

TEST_F(Reset, TintIsAppliedAgainOnTheNextRedraw) {
    view->ShowStatus();
    tab.WebBrowser1.setTint(ui::kWhite);  // what a reloaded page starts with
    view->ShowStatus();
    EXPECT_EQ(tab.WebBrowser1.tint(), ui::kWhite);  // unchanged state: not re-tinted
    view->reset();
    view->ShowStatus();
    EXPECT_EQ(tab.WebBrowser1.tint(), 0xC0FFC0u);
}

}  // namespace
}  // namespace orvan::status::testing
