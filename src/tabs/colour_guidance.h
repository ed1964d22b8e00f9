#pragma once
// The hint colours of the three grids (front and back retransfer, bend
// remedy), as the colour-guidance library computes them for the card type
// and the cells chosen in all three grids. The Retransfer and Bend Remedy
// tabs paint their cells from the table; a change of card material on the
// Media Setting tab recomputes it. A missing or failing library shows
// nothing and leaves the table as it was (all 0, black, before the first
// success).
#include <array>
#include <cstdint>
#include <string_view>

#include "link/guidance_library.h"
#include "link/settings_image.h"

namespace orvan::tabs {

inline constexpr int kGridCells = 30;
// BendCell when the bend remedy is switched off.
inline constexpr int kBendDisabled = 30;

// The three blocks of the table, in table order.
enum class HintBlock : int { Front = 0, Back = 1, Bend = 2 };

// Card type names of the configuration file's CARDTYPE; other values have no name.
std::string_view cardTypeName(int cardType);

class ColourGuidance {
  public:
    static constexpr std::size_t kEntries = 3 * kGridCells;

    // library may be null: no guidance at all.
    ColourGuidance(link::GuidanceLibrary* library, const link::SettingsImage& image);
    ColourGuidance(const ColourGuidance&) = delete;
    ColourGuidance& operator=(const ColourGuidance&) = delete;

    // Asks the library for the colours of the current card type and choices
    // (CardMaterial, FrontCell, BackCell, BendCell and the bend speed byte)
    // and takes the blocks it filled.
    void UpdateHintColours();

    const std::array<std::int32_t, kEntries>& HintColours() const { return hints_; }
    // The colour of one cell of one grid; 0 for a cell outside the grid.
    std::int32_t hint(HintBlock block, int cell) const;

  private:
    link::GuidanceLibrary* library_;
    const link::SettingsImage& image_;
    std::array<std::int32_t, kEntries> hints_{};
};

}  // namespace orvan::tabs
