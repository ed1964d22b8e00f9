#pragma once
// The colour-guidance library, beside the printer libraries: the hint colours
// of the retransfer and bend remedy grids. The methods carry the library's
// entry-point names and argument lists (see orvan_guidance.h). Unlike the
// printer libraries it is optional: without it the grids keep their colours.
#include <cstdint>

#include "orvan_guidance.h"

namespace orvan::link {

class GuidanceLibrary {
  public:
    virtual ~GuidanceLibrary() = default;
    virtual std::int32_t GetHueAdvisorID(std::int32_t card, std::int32_t row,
                                         std::int32_t frontSpeed, std::int32_t backSpeed,
                                         std::int32_t bendRow, std::int32_t bendColumn) = 0;
    // Each buffer holds HUE_BUFFER_SIZE values.
    virtual std::int32_t GetGuidanceColorCode(std::int32_t id, std::int32_t* front,
                                              std::int32_t* back, std::int32_t* bend) = 0;
};

}  // namespace orvan::link
