#include "link/dynamic_common_library.h"

#include "link/library_handle.h"

namespace orvan::link {

struct CommonEntryPoints {
    decltype(&::KQIKE_Pkcs12) KQIKE_Pkcs12 = nullptr;
    decltype(&::KQIKE_DerToPem) KQIKE_DerToPem = nullptr;
};

DynamicCommonLibrary::DynamicCommonLibrary(std::string path)
    : library_(std::make_unique<PortLibraryHandle>(std::move(path))) {}

DynamicCommonLibrary::~DynamicCommonLibrary() = default;

const CommonEntryPoints& DynamicCommonLibrary::entries() {
    if (entries_) return *entries_;
    library_->open();
    auto found = std::make_unique<CommonEntryPoints>();
    library_->resolve(found->KQIKE_Pkcs12, "KQIKE_Pkcs12");
    library_->resolve(found->KQIKE_DerToPem, "KQIKE_DerToPem");
    entries_ = std::move(found);
    return *entries_;
}

std::int32_t DynamicCommonLibrary::KQIKE_Pkcs12(
    const std::uint8_t* fileData, std::int32_t fileLength, const std::uint8_t* password,
    std::int32_t passwordLength, std::uint8_t* publicOut, std::int32_t* publicLength,
    std::uint8_t* privateOut, std::int32_t* privateLength) {
    return entries().KQIKE_Pkcs12(fileData, fileLength, password, passwordLength, publicOut,
                                  publicLength, privateOut, privateLength);
}

std::int32_t DynamicCommonLibrary::KQIKE_DerToPem(const std::uint8_t* fileData,
                                                  std::int32_t fileLength, std::uint8_t* pemOut,
                                                  std::int32_t* pemLength) {
    return entries().KQIKE_DerToPem(fileData, fileLength, pemOut, pemLength);
}

}  // namespace orvan::link
