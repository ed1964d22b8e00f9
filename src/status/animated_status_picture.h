#pragma once
// The animated picture of the Status tab: the logo, or the cleaning reminder
// once the printer has printed enough cards since its last cleaning, on a
// background tinted by the overall state.
#include <cstdint>
#include <string>

#include "status/state_decoding.h"
#include "ui/controls.h"

namespace orvan::status {

// Cards after which the printer asks to be cleaned.
inline constexpr std::int64_t kCleaningDue = 1000;

class AnimatedStatusPicture {
  public:
    AnimatedStatusPicture(ui::AnimatedPicture& view, std::string programDir);

    // Shows the picture for the printer's cleaning counter and tints it for
    // the overall state. Reloads only when the picture changes and re-tints
    // only when the state changes, so the animation is not restarted on
    // every status tick.
    void show(bool printerConnected, std::int64_t cleaningCounter, DisplayState overall);

    // Forgets the applied tint, so the next show() applies it again.
    void reset() { lastTint_ = kNoTint; }

    const std::string& loadedPath() const { return lastPath_; }

  private:
    static constexpr int kNoTint = -1;
    static constexpr int kMarginLeft = 8;  // pixels
    static constexpr int kMarginTop = 14;

    ui::AnimatedPicture& view_;
    std::string programDir_;
    std::string lastPath_;
    int lastTint_ = kNoTint;
};

}  // namespace orvan::status
