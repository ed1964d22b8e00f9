#pragma once
// The colour-guidance library over the model of hue_model.h. It answers as
// the world's guidance setting says, takes scripted results like the port
// libraries ("fail GetHueAdvisorID -1") and logs every call with its
// arguments.
#include "link/guidance_library.h"
#include "simulator/simulated_printers.h"

namespace orvan::sim {

class SimGuidance : public link::GuidanceLibrary {
  public:
    explicit SimGuidance(SimulatedPrinters& world) : world_(world) {}

    std::int32_t GetHueAdvisorID(std::int32_t card, std::int32_t row, std::int32_t frontSpeed,
                                 std::int32_t backSpeed, std::int32_t bendRow,
                                 std::int32_t bendColumn) override;
    // Fills each wanted buffer (HUE_BUFFER_SIZE values) with the colours of
    // its grid, last cell first; a null buffer is left out of the answer.
    std::int32_t GetGuidanceColorCode(std::int32_t id, std::int32_t* front, std::int32_t* back,
                                      std::int32_t* bend) override;

  private:
    SimulatedPrinters& world_;
};

}  // namespace orvan::sim
