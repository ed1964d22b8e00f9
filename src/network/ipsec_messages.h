#pragma once
// The texts the IPsec settings and the key download show: each failure text
// goes before "Details:" and the catalogue's message for the result.
namespace orvan::network {

inline constexpr const char* kIpsecModeFailure = "It fails to setting IP Sec mode.";
inline constexpr const char* kIpsecModeReadFailure = "It fails to get IP Sec mode.";
inline constexpr const char* kSyncTimeFailure = "It fails to setting Sync Time.";
inline constexpr const char* kPresharedKeyFailure = "It fails to download preshared key.";
inline constexpr const char* kPublicKeyFailure = "It fails to download public key.";
inline constexpr const char* kPrivateKeyFailure = "It fails to download private key.";
inline constexpr const char* kPasswordFailure = "It fails to download password.";
inline constexpr const char* kCaCertificateFailure = "It fails to download CA Certificate data.";
inline constexpr const char* kPkcs12ConversionFailure =
    "It fails to convert(DLL) printer certificate key.";
inline constexpr const char* kDerConversionFailure =
    "It fails to convert(DLL) CA Certificate data.";

// Shown alone, without details.
inline constexpr const char* kNoPassword = "There is no password of certificate.";
inline constexpr const char* kFileNotSpecified = "File is not specified.";
inline constexpr const char* kFileNotFound = "File is not found.";

}  // namespace orvan::network
