#pragma once
// The common library, beside the printer libraries: the certificate
// conversions of the IPsec key download. The methods carry the library's
// entry-point names and argument lists (see orvan_common.h). Like the colour
// guidance it is optional: without it a certificate cannot be converted.
#include <cstdint>

#include "orvan_common.h"

namespace orvan::link {

class CommonLibrary {
  public:
    virtual ~CommonLibrary() = default;
    // Output lengths: on entry the buffer's size, on return the bytes written.
    virtual std::int32_t KQIKE_Pkcs12(const std::uint8_t* fileData, std::int32_t fileLength,
                                      const std::uint8_t* password, std::int32_t passwordLength,
                                      std::uint8_t* publicOut, std::int32_t* publicLength,
                                      std::uint8_t* privateOut, std::int32_t* privateLength) = 0;
    virtual std::int32_t KQIKE_DerToPem(const std::uint8_t* fileData, std::int32_t fileLength,
                                        std::uint8_t* pemOut, std::int32_t* pemLength) = 0;
};

}  // namespace orvan::link
