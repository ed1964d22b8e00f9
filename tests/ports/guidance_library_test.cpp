// The stand-in colour-guidance library as the program loads it, following
// the same control file as the printer libraries.
#include <gtest/gtest.h>

#include <array>

#include "link/dynamic_guidance_library.h"
#include "link/port_libraries.h"
#include "port_test_env.h"

namespace orvan::link {
namespace {

const std::string kGuidancePath = ORVAN_BIN_DIR "/libHueAdvisor.so";

TEST(GuidanceLibrary, BuiltLibraryColoursTheGridsAndFollowsTheControlFile) {
    test::resetSimulation();
    DynamicGuidanceLibrary library(kGuidancePath);
    std::array<std::int32_t, HUE_BUFFER_SIZE> front{}, back{}, bend{};
    const std::int32_t id = library.GetHueAdvisorID(0, 2, 2, 2, 2, 1);
    ASSERT_GE(id, 0);
    EXPECT_EQ(library.GetGuidanceColorCode(id, front.data(), back.data(), bend.data()), 0b111);
    EXPECT_EQ(front[29 - 15], 0x00FF00) << "PVC's standard cell";

    ASSERT_TRUE(sim::appendControlLine(test::testControlFile(), "guidance off"));
    EXPECT_LT(library.GetHueAdvisorID(0, 2, 2, 2, 2, 1), 0);
    test::resetSimulation();
    EXPECT_EQ(library.GetHueAdvisorID(0, 2, 2, 2, 2, 1), id);
}

TEST(GuidanceLibrary, MissingLibraryOrEntryPointFailsEveryCall) {
    DynamicGuidanceLibrary absent("/nonexistent/libHueAdvisor.so");
    EXPECT_THROW(absent.GetHueAdvisorID(0, 0, 0, 0, 0, 0), PortLibraryMissing);
    EXPECT_THROW(absent.GetHueAdvisorID(0, 0, 0, 0, 0, 0), PortLibraryMissing);
    // A printer library is no guidance library.
    DynamicGuidanceLibrary wrong(test::kCommandLibraryPath);
    std::array<std::int32_t, HUE_BUFFER_SIZE> buffer{};
    EXPECT_THROW(wrong.GetGuidanceColorCode(0, buffer.data(), buffer.data(), buffer.data()),
                 PortLibraryMissing);
}

}  // namespace
}  // namespace orvan::link
