#include "tabs/colour_guidance.h"

#include <exception>

namespace orvan::tabs {
namespace {

constexpr std::string_view kCardTypeNames[] = {"PVC", "PET-G", "HR-PET-G"};

// The bend row the library is given while the remedy is off.
constexpr std::int32_t kBendRowDisabled = 10;

// The choices as the library takes them, in its argument order.
struct Choices {
    std::int32_t card, row, frontSpeed, backSpeed, bendRow, bendColumn;
};

Choices choicesOf(const link::SettingsImage& s) {
    Choices c{};
    c.card = s.CardMaterial == 1 || s.CardMaterial == 2 ? s.CardMaterial : 0;
    c.row = s.FrontCell / 6;
    c.frontSpeed = 5 - s.FrontCell % 6;
    c.backSpeed = 5 - s.BackCell % 6;
    if (s.BendCell == kBendDisabled) {
        c.bendRow = kBendRowDisabled;
        c.bendColumn = s.PrintCondition.Byte37;
    } else {
        c.bendRow = s.BendCell / 5;
        c.bendColumn = s.BendCell % 5;
    }
    return c;
}

}  // namespace

std::string_view cardTypeName(int cardType) {
    if (cardType < 0 || cardType >= static_cast<int>(std::size(kCardTypeNames))) return {};
    return kCardTypeNames[cardType];
}

ColourGuidance::ColourGuidance(link::GuidanceLibrary* library, const link::SettingsImage& image)
    : library_(library), image_(image) {}

std::int32_t ColourGuidance::hint(HintBlock block, int cell) const {
    if (cell < 0 || cell >= kGridCells) return 0;
    return hints_[static_cast<std::size_t>(static_cast<int>(block) * kGridCells + cell)];
}

void ColourGuidance::UpdateHintColours() {
    if (library_ == nullptr) return;
    const Choices c = choicesOf(image_);
    std::array<std::array<std::int32_t, HUE_BUFFER_SIZE>, 3> buffers{};
    std::int32_t bits = -1;
    try {
        const std::int32_t id = library_->GetHueAdvisorID(c.card, c.row, c.frontSpeed, c.backSpeed,
                                                          c.bendRow, c.bendColumn);
        if (id < 0) return;
        bits = library_->GetGuidanceColorCode(id, buffers[0].data(), buffers[1].data(),
                                              buffers[2].data());
    } catch (const std::exception&) {
        return;  // missing library or entry point, or a failing call: nothing changes
    }
    if (bits < 0) return;
    // The library answers each grid from its last cell to its first.
    for (std::size_t block = 0; block < buffers.size(); ++block) {
        if ((bits & (1 << block)) == 0) continue;
        for (std::size_t j = 0; j < kGridCells; ++j)
            hints_[block * kGridCells + kGridCells - 1 - j] = buffers[block][j];
    }
}

}  // namespace orvan::tabs
