#pragma once
// The conversions of the stand-in common library on OpenSSL: a PKCS#12 file
// into the PEM text of its certificate and of its private key (unencrypted
// PKCS#8), and a DER certificate into PEM. Arguments and results are those
// of the library's entry points (orvan_common.h); the exports and the tests
// call these directly.
#include <cstdint>

#include "orvan_common.h"

namespace orvan::ports {

std::int32_t ConvertPkcs12(const std::uint8_t* fileData, std::int32_t fileLength,
                           const std::uint8_t* password, std::int32_t passwordLength,
                           std::uint8_t* publicOut, std::int32_t* publicLength,
                           std::uint8_t* privateOut, std::int32_t* privateLength);

std::int32_t ConvertDerToPem(const std::uint8_t* fileData, std::int32_t fileLength,
                             std::uint8_t* pemOut, std::int32_t* pemLength);

// Most MAC iterations a PKCS#12 file may ask for: a file asking for more
// would hold the window for minutes before its password is even checked.
// A file without a MAC is refused too.
inline constexpr long kMostMacIterations = 1'000'000;

}  // namespace orvan::ports
