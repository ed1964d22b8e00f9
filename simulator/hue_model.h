#pragma once
// The stand-in colour guidance's model of transfer force and remedy force:
// which hint colour each cell of the three grids gets for a card type and
// the current choices. See hue_model.cpp for the model itself.
#include <array>
#include <cstdint>
#include <optional>

namespace orvan::sim::hue {

inline constexpr int kCells = 30;

// The legend colours of the retransfer grids (0xBBGGRR).
inline constexpr std::int32_t kStandard = 0x00FF00;
inline constexpr std::int32_t kRecommended = 0xFFFF00;
inline constexpr std::int32_t kBendsMuch = 0x00FFFF;
inline constexpr std::int32_t kDefects = 0xFF8080;
inline constexpr std::int32_t kProhibited = 0x0000FF;

// The bend remedy grid: one colour per band of similar remedy force, weakest first.
inline constexpr std::array<std::int32_t, 5> kRemedyBands = {0xFFC080, 0xFFFF80, 0x80FF80, 0x80FFFF,
                                                             0x8080FF};

// The bend row that stands for "remedy off".
inline constexpr int kBendOff = 10;

// The arguments of GetHueAdvisorID.
struct Choice {
    int card = 0;        // 0 PVC, 1 PET-G, 2 HR-PET-G
    int row = 0;         // retransfer temperature byte, 0..4
    int frontSpeed = 0;  // speed bytes, 0 (fast) .. 5 (slow)
    int backSpeed = 0;
    int bendRow = 0;     // bend remedy temperature byte 0..5, or kBendOff
    int bendColumn = 0;  // bend remedy speed byte, 0 (slow) .. 4 (fast)
    bool operator==(const Choice&) const = default;
};

// The identifier of a choice; nullopt when an argument is out of range. With
// the remedy off its column does not matter (and is not checked).
std::optional<std::int32_t> identifierOf(const Choice& choice);
// The choice an identifier stands for; nullopt for one never handed out.
std::optional<Choice> choiceOf(std::int32_t identifier);

// Colours by cell number of each grid (cell = row * 6 + column for the
// retransfer grids, row * 5 + column for the bend grid).
struct Hints {
    std::array<std::int32_t, kCells> front{}, back{}, bend{};
};
Hints hintsFor(const Choice& choice);

}  // namespace orvan::sim::hue
