#pragma once
// The common library loaded at run time, found like the printer libraries.
// It is opened on its first call; a library that cannot be opened or lacks
// an entry point throws PortLibraryMissing from that call and every later
// one, without trying to open it again.
#include <memory>
#include <string>

#include "link/common_library.h"

namespace orvan::link {

class PortLibraryHandle;
struct CommonEntryPoints;

class DynamicCommonLibrary : public CommonLibrary {
  public:
    // path: the library file (findPortLibrary); empty when none was found.
    explicit DynamicCommonLibrary(std::string path);
    ~DynamicCommonLibrary() override;

    std::int32_t KQIKE_Pkcs12(const std::uint8_t* fileData, std::int32_t fileLength,
                              const std::uint8_t* password, std::int32_t passwordLength,
                              std::uint8_t* publicOut, std::int32_t* publicLength,
                              std::uint8_t* privateOut, std::int32_t* privateLength) override;
    std::int32_t KQIKE_DerToPem(const std::uint8_t* fileData, std::int32_t fileLength,
                                std::uint8_t* pemOut, std::int32_t* pemLength) override;

  private:
    const CommonEntryPoints& entries();

    std::unique_ptr<PortLibraryHandle> library_;
    std::unique_ptr<CommonEntryPoints> entries_;
};

}  // namespace orvan::link
