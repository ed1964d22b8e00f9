#pragma once
// The colour-guidance library loaded at run time, found like the printer
// libraries. It is opened on its first call; a library that cannot be opened
// or lacks an entry point throws PortLibraryMissing from that call and every
// later one, without trying to open it again.
#include <memory>
#include <string>

#include "link/guidance_library.h"

namespace orvan::link {

class PortLibraryHandle;
struct GuidanceEntryPoints;

class DynamicGuidanceLibrary : public GuidanceLibrary {
  public:
    // path: the library file (findPortLibrary); empty when none was found.
    explicit DynamicGuidanceLibrary(std::string path);
    ~DynamicGuidanceLibrary() override;

    std::int32_t GetHueAdvisorID(std::int32_t card, std::int32_t row, std::int32_t frontSpeed,
                                 std::int32_t backSpeed, std::int32_t bendRow,
                                 std::int32_t bendColumn) override;
    std::int32_t GetGuidanceColorCode(std::int32_t id, std::int32_t* front, std::int32_t* back,
                                      std::int32_t* bend) override;

  private:
    const GuidanceEntryPoints& entries();

    std::unique_ptr<PortLibraryHandle> library_;
    std::unique_ptr<GuidanceEntryPoints> entries_;
};

}  // namespace orvan::link
