#pragma once
// A grid of 30 cells tinted with hint colours, as the Retransfer and Bend
// Remedy tabs show them: the selected cell has a border and the text "*".
#include <array>

#include "tabs/colour_guidance.h"
#include "ui/controls.h"

namespace orvan::tabs {

using CellGrid = std::array<ui::Label, kGridCells>;

// Every cell red, without border or text: the grid offers no choice.
void showNoChoice(CellGrid& grid);

// Marks a cell as the selected one, or takes the mark off it; its colour
// stays. A cell outside the grid is ignored.
void markCell(CellGrid& grid, int cell, bool selected);

// Each cell takes the colour of its entry in the guidance's block.
void paintHints(CellGrid& grid, const ColourGuidance& guidance, HintBlock block);

// The cell that was clicked, for every cell of the grid.
template <class OnCell>
void onCellClick(CellGrid& grid, OnCell onCell) {
    for (int i = 0; i < kGridCells; ++i)
        grid[static_cast<std::size_t>(i)].onClick = [onCell, i] { onCell(i); };
}

// A cell number as a valid cell: anything outside 0..29 counts as cell 0.
int validCell(int cell);

}  // namespace orvan::tabs
