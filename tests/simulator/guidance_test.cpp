// The stand-in colour guidance: its maps per card type, the order of its
// answer, and the failures the control commands script.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "simulator/control_commands.h"
#include "simulator/hue_model.h"
#include "simulator/sim_guidance.h"

namespace orvan::sim {
namespace {

using Grid = std::array<std::int32_t, hue::kCells>;
using Buffer = std::array<std::int32_t, HUE_BUFFER_SIZE>;

// The factory settings: temperature 2, both speeds 2, remedy row 2 speed 1.
constexpr hue::Choice kFactory{0, 2, 2, 2, 2, 1};

hue::Choice forCard(int card, hue::Choice choice = kFactory) {
    choice.card = card;
    return choice;
}

int count(const Grid& grid, std::int32_t colour) {
    return static_cast<int>(std::count(grid.begin(), grid.end(), colour));
}

bool run(SimulatedPrinters& world, std::string_view line) {
    const auto command = parseControlLine(line);
    return command && applyControl(*command, world);
}

TEST(GuidanceModel, EachCardTypeShowsTheWholeLegendOnAMapOfItsOwn) {
    const std::int32_t legend[] = {hue::kStandard, hue::kRecommended, hue::kBendsMuch,
                                   hue::kDefects, hue::kProhibited};
    std::set<Grid> maps;
    for (int card = 0; card < 3; ++card) {
        const hue::Hints hints = hue::hintsFor(forCard(card));
        for (const Grid* grid : {&hints.front, &hints.back}) {
            for (std::int32_t colour : legend) EXPECT_GT(count(*grid, colour), 0) << card;
            EXPECT_EQ(count(*grid, hue::kStandard), 1) << card;
            for (std::int32_t colour : *grid)
                EXPECT_TRUE(std::find(std::begin(legend), std::end(legend), colour) !=
                            std::end(legend));
        }
        // The coldest, fastest corner and the hottest, slowest one.
        EXPECT_EQ(hints.front[5], hue::kProhibited);
        EXPECT_EQ(hints.front[24], hue::kProhibited);
        maps.insert(hints.front);
    }
    EXPECT_EQ(maps.size(), 3u);
    EXPECT_EQ(hue::hintsFor(kFactory).front[15], hue::kStandard);  // PVC's factory setting
}

TEST(GuidanceModel, BendingFollowsTheOtherSideAndTheRemedy) {
    // PVC front cell 20: temperature 3, speed 3.
    hue::Choice choice = kFactory;
    EXPECT_EQ(hue::hintsFor(choice).front[20], hue::kRecommended);
    choice.backSpeed = 4;  // the back side pressed harder deforms the card more
    EXPECT_EQ(hue::hintsFor(choice).front[20], hue::kBendsMuch);
    choice.bendRow = 5;  // a strong remedy flattens it again
    choice.bendColumn = 0;
    EXPECT_EQ(hue::hintsFor(choice).front[20], hue::kRecommended);
    choice.bendRow = hue::kBendOff;
    EXPECT_EQ(hue::hintsFor(choice).front[20], hue::kBendsMuch);

    // The bend grid: equal colours exactly for equal bands of remedy force.
    const Grid& bend = hue::hintsFor(kFactory).bend;
    for (int a = 0; a < hue::kCells; ++a)
        for (int b = 0; b < hue::kCells; ++b) {
            const int forceA = a / 5 + 4 - a % 5, forceB = b / 5 + 4 - b % 5;
            EXPECT_EQ(bend[a] == bend[b], forceA / 2 == forceB / 2) << a << " " << b;
        }
}

TEST(GuidanceLibrary, AnswersLastCellFirstForEveryChoiceItKnows) {
    SimulatedPrinters world = defaultScenario();
    SimGuidance library(world);
    const std::int32_t id = library.GetHueAdvisorID(1, 3, 0, 5, 10, 200);  // remedy off
    ASSERT_GE(id, 0);
    Buffer front{}, back{}, bend{};
    EXPECT_EQ(library.GetGuidanceColorCode(id, front.data(), back.data(), bend.data()), 0b111);
    const hue::Hints hints = hue::hintsFor({1, 3, 0, 5, hue::kBendOff, 0});
    for (int j = 0; j < hue::kCells; ++j) {
        EXPECT_EQ(front[j], hints.front[29 - j]) << j;
        EXPECT_EQ(back[j], hints.back[29 - j]) << j;
        EXPECT_EQ(bend[j], hints.bend[29 - j]) << j;
    }
    EXPECT_EQ(front[30], 0) << "only 30 values are written";

    // Arguments out of range, and identifiers never handed out, get nothing.
    EXPECT_LT(library.GetHueAdvisorID(3, 0, 0, 0, 0, 0), 0);
    EXPECT_LT(library.GetHueAdvisorID(0, 5, 0, 0, 0, 0), 0);
    EXPECT_LT(library.GetHueAdvisorID(0, 0, 6, 0, 0, 0), 0);
    EXPECT_LT(library.GetHueAdvisorID(0, 0, 0, 0, 6, 0), 0);
    EXPECT_LT(library.GetHueAdvisorID(0, 0, 0, 0, 0, 5), 0);
    EXPECT_LT(library.GetGuidanceColorCode(-1, front.data(), back.data(), bend.data()), 0);
    EXPECT_LT(library.GetGuidanceColorCode(1 << 30, front.data(), back.data(), bend.data()), 0);
    EXPECT_EQ(library.GetGuidanceColorCode(id, nullptr, back.data(), nullptr), 0b010);
}

TEST(GuidanceLibrary, ControlCommandsTakeItsGuidanceAwayWholeOrInPart) {
    SimulatedPrinters world = defaultScenario();
    SimGuidance library(world);
    Buffer front{}, back{}, bend{};
    const auto answer = [&] {
        front.fill(-7);
        back.fill(-7);
        bend.fill(-7);
        const std::int32_t id = library.GetHueAdvisorID(0, 2, 2, 2, 2, 1);
        return id < 0 ? id
                      : library.GetGuidanceColorCode(id, front.data(), back.data(), bend.data());
    };

    ASSERT_TRUE(run(world, "guidance blocks 5"));
    EXPECT_EQ(answer(), 0b101);
    EXPECT_EQ(back[0], -7) << "a block it does not fill stays untouched";
    EXPECT_NE(front[0], -7);
    ASSERT_TRUE(run(world, "guidance blocks 0"));
    EXPECT_EQ(answer(), 0);
    ASSERT_TRUE(run(world, "guidance off"));
    EXPECT_LT(answer(), 0);
    ASSERT_TRUE(run(world, "guidance on"));
    EXPECT_EQ(answer(), 0b111);

    // Scripted answers, as for the printer libraries.
    ASSERT_TRUE(run(world, "fail GetHueAdvisorID -3 2"));
    EXPECT_EQ(answer(), -3);
    EXPECT_EQ(answer(), -3);
    EXPECT_EQ(answer(), 0b111);
    ASSERT_TRUE(run(world, "fail GetGuidanceColorCode -1"));
    EXPECT_EQ(answer(), -1);
    ASSERT_TRUE(run(world, "guidance off"));
    ASSERT_TRUE(run(world, "reset"));
    EXPECT_EQ(answer(), 0b111);

    for (const char* bad : {"guidance", "guidance maybe", "guidance blocks 8", "guidance blocks",
                            "guidance on 1", "guidance blocks -1"})
        EXPECT_FALSE(parseControlLine(bad)) << bad;
}

}  // namespace
}  // namespace orvan::sim
