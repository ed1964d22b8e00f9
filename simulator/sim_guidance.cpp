#include "simulator/sim_guidance.h"

#include <algorithm>
#include <array>

#include "simulator/hue_model.h"

namespace orvan::sim {
namespace {

constexpr std::int32_t kNoGuidance = -1;

}  // namespace

std::int32_t SimGuidance::GetHueAdvisorID(std::int32_t card, std::int32_t row,
                                          std::int32_t frontSpeed, std::int32_t backSpeed,
                                          std::int32_t bendRow, std::int32_t bendColumn) {
    world_.record({"GetHueAdvisorID", {card, row, frontSpeed, backSpeed, bendRow, bendColumn}, {}});
    if (auto scripted = world_.takeScriptedResult("GetHueAdvisorID")) return scripted->code;
    if (!world_.guidance().offered) return kNoGuidance;
    return hue::identifierOf({card, row, frontSpeed, backSpeed, bendRow, bendColumn})
        .value_or(kNoGuidance);
}

std::int32_t SimGuidance::GetGuidanceColorCode(std::int32_t id, std::int32_t* front,
                                               std::int32_t* back, std::int32_t* bend) {
    world_.record({"GetGuidanceColorCode", {id}, {}});
    if (auto scripted = world_.takeScriptedResult("GetGuidanceColorCode")) return scripted->code;
    const auto choice = hue::choiceOf(id);
    if (!choice) return kNoGuidance;
    const hue::Hints hints = hue::hintsFor(*choice);
    const std::array<std::pair<std::int32_t*, const std::array<std::int32_t, hue::kCells>*>, 3>
        blocks = {{{front, &hints.front}, {back, &hints.back}, {bend, &hints.bend}}};
    std::int32_t filled = 0;
    for (std::size_t b = 0; b < blocks.size(); ++b) {
        auto [buffer, colours] = blocks[b];
        if (buffer == nullptr || (world_.guidance().blocks & (1 << b)) == 0) continue;
        std::reverse_copy(colours->begin(), colours->end(), buffer);
        filled |= 1 << b;
    }
    return filled;
}

}  // namespace orvan::sim
