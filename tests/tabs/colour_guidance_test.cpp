// The colour guidance: what the library is asked, and how its answer lands
// in the hint colour table.
#include <gtest/gtest.h>

#include "fake_guidance.h"
#include "link/dynamic_guidance_library.h"
#include "tabs/colour_guidance.h"

namespace orvan::testing {
namespace {

using Arguments = std::array<std::int32_t, 6>;
using Table = std::array<std::int32_t, tabs::ColourGuidance::kEntries>;

struct GuidanceRig {
    FakeGuidance library;
    link::SettingsImage image;
    tabs::ColourGuidance guidance{&library, image};

    Arguments argumentsFor(int card, int front, int back, int bend) {
        image.CardMaterial = static_cast<std::int16_t>(card);
        image.FrontCell = static_cast<std::int16_t>(front);
        image.BackCell = static_cast<std::int16_t>(back);
        image.BendCell = static_cast<std::int16_t>(bend);
        guidance.UpdateHintColours();
        return library.identifierCalls.back();
    }
};

TEST(ColourGuidance, AsksForTheCardTypeAndTheThreeSelectionsInTheLibrarysOrder) {
    GuidanceRig rig;
    rig.image.PrintCondition.Byte37 = 3;
    // card, row, front speed, back speed, bend row, bend column
    EXPECT_EQ(rig.argumentsFor(0, 15, 12, 7), (Arguments{0, 2, 2, 5, 1, 2}));
    EXPECT_EQ(rig.argumentsFor(2, 29, 24, 0), (Arguments{2, 4, 0, 5, 0, 0}));
    EXPECT_EQ(rig.argumentsFor(1, 0, 5, 29), (Arguments{1, 0, 5, 0, 5, 4}));
    // Remedy off: row 10 and the remedy's speed byte as it stands.
    EXPECT_EQ(rig.argumentsFor(1, 15, 12, 30), (Arguments{1, 2, 2, 5, 10, 3}));
    // Only 1 and 2 are card types of their own; anything else is PVC.
    EXPECT_EQ(rig.argumentsFor(5, 15, 12, 7)[0], 0);
    EXPECT_EQ(rig.argumentsFor(-1, 15, 12, 7)[0], 0);
    // The colours are asked for the identifier the first call gave.
    rig.library.identifier = 4321;
    rig.guidance.UpdateHintColours();
    EXPECT_EQ(rig.library.colourCalls.back(), 4321);
}

TEST(ColourGuidance, EachFilledBufferLandsReversedInItsBlockAndTheOthersStay) {
    GuidanceRig rig;
    for (std::size_t b = 0; b < 3; ++b) rig.library.fillCounting(b, 1000 * static_cast<int>(b));
    rig.guidance.UpdateHintColours();
    const Table& hints = rig.guidance.HintColours();
    EXPECT_EQ(hints[29], 0);  // front buffer value 0 belongs to front cell 29
    EXPECT_EQ(hints[0], 29);
    EXPECT_EQ(hints[59], 1000);
    EXPECT_EQ(hints[30], 1029);
    EXPECT_EQ(hints[89], 2000);
    EXPECT_EQ(hints[60], 2029);
    EXPECT_EQ(rig.guidance.hint(tabs::HintBlock::Bend, 0), 2029);

    // Bit 1 alone: only the back block (entries 30..59) changes.
    const Table before = hints;
    for (std::size_t b = 0; b < 3; ++b) rig.library.fillCounting(b, 5000);
    rig.library.bits = 0b010;
    rig.guidance.UpdateHintColours();
    for (std::size_t k = 0; k < hints.size(); ++k) {
        if (k >= 30 && k < 60)
            EXPECT_EQ(hints[k], 5000 + 59 - static_cast<int>(k)) << k;
        else
            EXPECT_EQ(hints[k], before[k]) << k;
    }
    // Bits 0 and 2: front and bend, not back.
    rig.library.bits = 0b101;
    rig.library.fillCounting(1, 9000);
    rig.guidance.UpdateHintColours();
    EXPECT_EQ(hints[0], 5029);
    EXPECT_EQ(hints[30], 5029);
    EXPECT_EQ(hints[60], 5029);
}

TEST(ColourGuidance, NoGuidanceLeavesEveryEntryAsItWas) {
    GuidanceRig rig;
    rig.library.fillCounting(0, 100);
    rig.library.fillCounting(1, 200);
    rig.library.fillCounting(2, 300);
    // Before the first success every entry is 0 (black).
    rig.library.identifier = -1;
    rig.guidance.UpdateHintColours();
    EXPECT_EQ(rig.guidance.HintColours(), Table{});
    EXPECT_TRUE(rig.library.colourCalls.empty()) << "no colours asked without an identifier";

    rig.library.identifier = 3;
    rig.guidance.UpdateHintColours();
    const Table good = rig.guidance.HintColours();
    ASSERT_EQ(good[0], 129);

    rig.library.fillCounting(0, 7000);
    rig.library.identifier = -5;
    rig.guidance.UpdateHintColours();
    EXPECT_EQ(rig.guidance.HintColours(), good);
    rig.library.identifier = 3;
    rig.library.bits = -1;  // a failed answer, whatever it wrote
    rig.guidance.UpdateHintColours();
    EXPECT_EQ(rig.guidance.HintColours(), good);
    rig.library.missing = true;
    EXPECT_NO_THROW(rig.guidance.UpdateHintColours());
    EXPECT_EQ(rig.guidance.HintColours(), good);

    // No library at all, or one that is not found: nothing to ask, nothing thrown.
    link::SettingsImage image;
    tabs::ColourGuidance none(nullptr, image);
    none.UpdateHintColours();
    EXPECT_EQ(none.HintColours(), Table{});
    link::DynamicGuidanceLibrary absent("");
    tabs::ColourGuidance notFound(&absent, image);
    EXPECT_NO_THROW(notFound.UpdateHintColours());
    EXPECT_NO_THROW(notFound.UpdateHintColours());
    EXPECT_EQ(notFound.HintColours(), Table{});
}

}  // namespace
}  // namespace orvan::testing
