#include "status/animated_status_picture.h"

#include <utility>

#include "status/status_presentation.h"

namespace orvan::status {

AnimatedStatusPicture::AnimatedStatusPicture(ui::AnimatedPicture& view, std::string programDir)
    : view_(view), programDir_(std::move(programDir)) {}

void AnimatedStatusPicture::show(bool printerConnected, std::int64_t cleaningCounter,
                                 DisplayState overall) {
    const bool cleaningDue = printerConnected && cleaningCounter >= kCleaningDue;
    const std::string path = ProgramFile(programDir_, cleaningDue ? "CLEANING.gif" : "LOGO.gif");
    view_.setVisible(true);
    if (path != lastPath_) {
        lastPath_ = path;
        view_.setPicture(path);
        view_.setMargins(kMarginLeft, kMarginTop);
        lastTint_ = kNoTint;  // a new page starts untinted
    }
    const int state = static_cast<int>(overall);
    if (state != lastTint_) {
        view_.setTint(OverallTint(overall));
        lastTint_ = state;
    }
}

}  // namespace orvan::status
