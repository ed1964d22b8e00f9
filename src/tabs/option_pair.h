#pragma once
// Two option buttons that stand for one page byte: how the byte selects one
// of them, and what byte the selection gives back. Used by every tab that
// shows a setting as a pair of choices.
#include <array>
#include <cstdint>

#include "ui/controls.h"

namespace orvan::tabs {

using OptionPair = std::array<ui::OptionButton, 2>;

enum class PairRule {
    ZeroIsFirst,  // byte 0 selects the first option; written 0 when it is selected, else 1
    OneIsFirst,   // byte 1 selects the first option; written 0 when the second is selected, else 1
    NonZeroIsFirst,  // a non-zero byte selects the first option; written 1 when it is selected,
                     // else 0
};

// Keeps the pair exclusive: selecting one clears the other.
void groupPair(OptionPair& pair);

// Selects the option the byte stands for.
void showPair(OptionPair& pair, int field, PairRule rule);

// The byte the current selection gives.
std::int16_t collectPair(const OptionPair& pair, PairRule rule);

void clearPair(OptionPair& pair);
void enablePair(OptionPair& pair, bool enabled);

}  // namespace orvan::tabs
