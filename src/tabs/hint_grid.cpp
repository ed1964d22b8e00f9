#include "tabs/hint_grid.h"

namespace orvan::tabs {
namespace {

constexpr const char* kSelectedText = "*";
// The library's colours are 0xBBGGRR; anything above is not a colour.
constexpr std::uint32_t kColourBits = 0xFFFFFF;

}  // namespace

void showNoChoice(CellGrid& grid) {
    for (auto& cell : grid) {
        cell.setBorder(false);
        cell.setBackColour(ui::kRed);
        cell.setCaption("");
    }
}

void markCell(CellGrid& grid, int cell, bool selected) {
    if (cell < 0 || cell >= kGridCells) return;
    ui::Label& label = grid[static_cast<std::size_t>(cell)];
    label.setBorder(selected);
    label.setCaption(selected ? kSelectedText : "");
}

void paintHints(CellGrid& grid, const ColourGuidance& guidance, HintBlock block) {
    for (int i = 0; i < kGridCells; ++i)
        grid[static_cast<std::size_t>(i)].setBackColour(
            static_cast<ui::Colour>(guidance.hint(block, i)) & kColourBits);
}

int validCell(int cell) {
    return cell >= 0 && cell < kGridCells ? cell : 0;
}

}  // namespace orvan::tabs
