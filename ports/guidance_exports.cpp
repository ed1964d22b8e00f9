// C entry points of the stand-in colour-guidance library. The colours come
// from the model in simulator/hue_model.cpp: a transfer force that grows with
// temperature and with slower speed, measured against thresholds per card
// type, and bands of similar remedy force for the bend remedy grid.
// `orvan-sim guidance ...` and `orvan-sim fail GetHueAdvisorID ...` make it
// fail, through the control file the port libraries follow.
#pragma GCC visibility push(default)
#include "orvan_guidance.h"
#pragma GCC visibility pop

#include "ports/process_world.h"

using orvan::ports::ProcessWorld;

// This library serves no printers, so it keeps no report of them.
orvan::sim::ReportedPrinters orvan::ports::reportedPrinters() {
    return orvan::sim::ReportedPrinters::None;
}

extern "C" {

int32_t GetHueAdvisorID(int32_t card, int32_t row, int32_t frontSpeed, int32_t backSpeed,
                        int32_t bendRow, int32_t bendColumn) {
    return ProcessWorld::instance().run([&](ProcessWorld& w) {
        return w.guidance().GetHueAdvisorID(card, row, frontSpeed, backSpeed, bendRow, bendColumn);
    });
}

int32_t GetGuidanceColorCode(int32_t id, int32_t* front, int32_t* back, int32_t* bend) {
    return ProcessWorld::instance().run(
        [&](ProcessWorld& w) { return w.guidance().GetGuidanceColorCode(id, front, back, bend); });
}

}  // extern "C"
