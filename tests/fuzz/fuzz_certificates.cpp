// Arbitrary bytes as a PKCS#12 file (with a password taken from the input)
// and as a DER certificate: the stand-in common library's conversions must
// answer a result, write only inside their buffers and leak nothing.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>

#include "ports/certificates/certificate_conversions.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0 || size > 16384) return 0;
    // The first byte says how much of the rest is the password.
    const std::size_t passwordLength = std::min<std::size_t>(data[0], size - 1);
    const std::uint8_t* password = data + 1;
    const std::uint8_t* file = password + passwordLength;
    const auto fileLength = static_cast<std::int32_t>(size - 1 - passwordLength);

    // Small buffers, so that outputs too large for them are tried as well.
    std::array<std::uint8_t, 600> publicKey{}, privateKey{}, pem{};
    std::int32_t publicLength = publicKey.size(), privateLength = privateKey.size();
    const std::int32_t r = orvan::ports::ConvertPkcs12(
        file, fileLength, password, static_cast<std::int32_t>(passwordLength), publicKey.data(),
        &publicLength, privateKey.data(), &privateLength);
    if (r == 0 && (publicLength <= 0 || privateLength <= 0)) __builtin_trap();
    if (publicLength > static_cast<std::int32_t>(publicKey.size()) ||
        privateLength > static_cast<std::int32_t>(privateKey.size()))
        __builtin_trap();

    std::int32_t pemLength = pem.size();
    const std::int32_t d = orvan::ports::ConvertDerToPem(data, static_cast<std::int32_t>(size),
                                                         pem.data(), &pemLength);
    if ((d == 0) != (pemLength > 0) || pemLength > static_cast<std::int32_t>(pem.size()))
        __builtin_trap();
    return 0;
}
