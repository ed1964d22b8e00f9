#pragma once
// A colour-guidance library that answers what the test tells it and keeps
// the arguments of every call.
#include <array>
#include <cstdint>
#include <vector>

#include "link/guidance_library.h"
#include "link/port_libraries.h"

namespace orvan::testing {

struct FakeGuidance : link::GuidanceLibrary {
    using Buffer = std::array<std::int32_t, HUE_BUFFER_SIZE>;

    std::int32_t identifier = 7;   // GetHueAdvisorID's answer
    std::int32_t bits = 0b111;     // GetGuidanceColorCode's answer
    std::array<Buffer, 3> fill{};  // what it writes into the front, back and bend buffers
    bool missing = false;          // every call fails as a library that is not there
    std::vector<std::array<std::int32_t, 6>> identifierCalls;
    std::vector<std::int32_t> colourCalls;  // the identifiers asked for

    std::int32_t GetHueAdvisorID(std::int32_t card, std::int32_t row, std::int32_t frontSpeed,
                                 std::int32_t backSpeed, std::int32_t bendRow,
                                 std::int32_t bendColumn) override {
        if (missing) throw link::PortLibraryMissing("libHueAdvisor.so: not found");
        identifierCalls.push_back({card, row, frontSpeed, backSpeed, bendRow, bendColumn});
        return identifier;
    }

    std::int32_t GetGuidanceColorCode(std::int32_t id, std::int32_t* front, std::int32_t* back,
                                      std::int32_t* bend) override {
        colourCalls.push_back(id);
        std::int32_t* buffers[] = {front, back, bend};
        for (std::size_t b = 0; b < 3; ++b)
            for (std::size_t j = 0; j < HUE_BUFFER_SIZE; ++j) buffers[b][j] = fill[b][j];
        return bits;
    }

    // Buffer values base + j, so that where each one lands shows.
    void fillCounting(std::size_t block, std::int32_t base) {
        for (std::size_t j = 0; j < HUE_BUFFER_SIZE; ++j)
            fill[block][j] = base + static_cast<std::int32_t>(j);
    }
};

}  // namespace orvan::testing
