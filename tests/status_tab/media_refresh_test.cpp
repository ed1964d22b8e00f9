// Gauges, quantities, ink type and counters of the Status tab.
#include "status_tab_fixture.h"

namespace orvan::status::testing {
namespace {

constexpr int kBarHeight = kGaugeHeight - 75;
constexpr int kUsableWidth = kGaugeWidth - 60;

struct GaugeCase {
    std::int16_t quantity;
    int barWidth;  // -1: the gauge is emptied
    const char* percent;
};

void expectGauge(const ui::PictureBox& box, const ui::Label& percent, const GaugeCase& c) {
    if (c.barWidth < 0)
        EXPECT_TRUE(box.drawing().empty()) << c.quantity;
    else
        EXPECT_EQ(box.drawing(),
                  (std::vector<ui::FilledRect>{{0, 0, c.barWidth, kBarHeight, kGaugeColour}}))
            << c.quantity;
    EXPECT_EQ(percent.caption(), c.percent) << c.quantity;
    EXPECT_TRUE(box.visible());
}

using MediaGauges = StatusTabTest;

TEST_F(MediaGauges, BarIsItsShareOfTheUsableWidthAndOutOfRangeEmpties) {
    const GaugeCase ink[] = {{25, kUsableWidth / 2, "50"},
                             {50, kUsableWidth, "100"},
                             {51, -1, ""},
                             {30, 984, "60"},
                             {-1, -1, ""}};
    const GaugeCase film[] = {
        {0, 0, "0"}, {10, kUsableWidth, "100"}, {11, -1, ""}, {7, 1148, "70"}};
    for (const auto& c : ink) {
        data.image.PrintCondition.Byte48 = c.quantity;
        view->refreshMediaAndCounters();
        expectGauge(tab.Pic0[1], tab.Label0_3[0], c);
    }
    for (const auto& c : film) {
        data.image.PrintCondition.Byte47 = c.quantity;
        view->refreshMediaAndCounters();
        expectGauge(tab.Pic0[2], tab.Label0_4[0], c);
    }
}

TEST(GaugeDrawing, BarWidthRoundsToTheNearestTwipAndNeverGoesNegative) {
    ui::PictureBox box{"box"};
    ui::Label percent{"percent"};
    box.setWidth(1000);  // 940 usable: one ink step is 18.8 twips
    box.setHeight(300);
    DrawGauge(box, percent, 1, kInkFull);
    EXPECT_EQ(box.drawing().at(0).x2, 19);
    box.setWidth(40);  // smaller than the margins
    box.setHeight(50);
    DrawGauge(box, percent, 10, kFilmFull);
    EXPECT_EQ(box.drawing(), (std::vector<ui::FilledRect>{{0, 0, 0, 0, kGaugeColour}}));
}

using MediaCodes = StatusTabTest;

TEST_F(MediaCodes, UnknownCardAndFilmCodesKeepThePreviousText) {
    const struct {
        std::int16_t card, film;
        const char *cardText, *filmText;
    } steps[] = {{0, 2, "Enough", "Standard(750)"},
                 {1, 1, "Enough", "Standard(750)"},
                 {2, 0, "None", "Standard(1000)"}};
    for (const auto& s : steps) {
        data.image.PrintCondition.Byte49 = s.card;
        data.image.PrintCondition.Byte20 = s.film;
        view->refreshMediaAndCounters();
        EXPECT_EQ(tab.Label0_2.caption(), s.cardText);
        EXPECT_EQ(tab.Label0_7.caption(), s.filmText);
    }
}

TEST_F(MediaCodes, InkSetsAndPrintCounterShowWithALeadingBlank) {
    data.image.MediaInfo.Count = 3;
    data.image.Counters.Print = 123456;
    view->refreshMediaAndCounters();
    EXPECT_EQ(tab.Label0_5[1].caption(), " 3");
    EXPECT_EQ(tab.Label0_8.caption(), " 123456");
}

using InkPicture = StatusTabTest;

TEST_F(InkPicture, RibbonTypeChoosesThePictureAndNoPrinterEmptiesIt) {
    const std::pair<std::int16_t, const char*> cases[] = {
        {0, "YMCK.gif"},  {1, "INKUNK.gif"}, {2, "YMCKPO.gif"}, {3, "K.gif"},
        {4, "YMCKK.gif"}, {5, "YMCKUV.gif"}, {6, "INKUNK.gif"}, {255, "INKUNK.gif"},
    };
    for (const auto& [type, file] : cases) {
        data.image.MediaInfo.Byte2 = type;
        view->showInkPicture();
        EXPECT_EQ(tab.Pic0[3].picture(), programFile(file)) << type;
    }
    link.printerCount = 0;
    view->showInkPicture();
    EXPECT_EQ(tab.Pic0[3].picture(), "");
    EXPECT_TRUE(tab.Pic0[3].visible());
}

using NoPrinter = StatusTabTest;

TEST_F(NoPrinter, EmptiesEveryMediaValueGaugeAndJobList) {
    data.image.PrintCondition = {};  // every code 0: all labels filled
    data.image.PrintCondition.Byte48 = 20;
    setJobs({"a", "b"});
    view->refreshMediaAndCounters();
    ASSERT_EQ(tab.Combo2[1].count(), 2);

    link.printerCount = 0;
    view->refreshMediaAndCounters();
    for (const ui::Label* l : {&tab.Label0_2, &tab.Label0_3[0], &tab.Label0_4[0], &tab.Label0_5[1],
                               &tab.Label0_7, &tab.Label0_8})
        EXPECT_EQ(l->caption(), "") << l->name();
    EXPECT_TRUE(tab.Pic0[1].drawing().empty());
    EXPECT_TRUE(tab.Pic0[2].drawing().empty());
    EXPECT_EQ(tab.Combo2[0].count(), 0);
    EXPECT_EQ(tab.Combo2[1].count(), 0);
}

}  // namespace
}  // namespace orvan::status::testing
