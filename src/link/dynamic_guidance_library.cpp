#include "link/dynamic_guidance_library.h"

#include "link/library_handle.h"

namespace orvan::link {

struct GuidanceEntryPoints {
    decltype(&::GetHueAdvisorID) GetHueAdvisorID = nullptr;
    decltype(&::GetGuidanceColorCode) GetGuidanceColorCode = nullptr;
};

DynamicGuidanceLibrary::DynamicGuidanceLibrary(std::string path)
    : library_(std::make_unique<PortLibraryHandle>(std::move(path))) {}

DynamicGuidanceLibrary::~DynamicGuidanceLibrary() = default;

const GuidanceEntryPoints& DynamicGuidanceLibrary::entries() {
    if (entries_) return *entries_;
    library_->open();
    auto found = std::make_unique<GuidanceEntryPoints>();
    library_->resolve(found->GetHueAdvisorID, "GetHueAdvisorID");
    library_->resolve(found->GetGuidanceColorCode, "GetGuidanceColorCode");
    entries_ = std::move(found);
    return *entries_;
}

std::int32_t DynamicGuidanceLibrary::GetHueAdvisorID(std::int32_t card, std::int32_t row,
                                                     std::int32_t frontSpeed,
                                                     std::int32_t backSpeed, std::int32_t bendRow,
                                                     std::int32_t bendColumn) {
    return entries().GetHueAdvisorID(card, row, frontSpeed, backSpeed, bendRow, bendColumn);
}

std::int32_t DynamicGuidanceLibrary::GetGuidanceColorCode(std::int32_t id, std::int32_t* front,
                                                          std::int32_t* back, std::int32_t* bend) {
    return entries().GetGuidanceColorCode(id, front, back, bend);
}

}  // namespace orvan::link
