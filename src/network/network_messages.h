#pragma once
// The messages of the network screens. A field filled in wrongly: the fixed
// text, then "Details:" and the field's tag (and, where the screen shows it,
// the text as typed). The IPsec settings and the key download: each failure
// text goes before "Details:" and the catalogue's message for the result.
#include <string>

#include "tabs/tab_messages.h"
#include "ui/message_box.h"

namespace orvan::network {

inline constexpr const char* kInvalidInputText =
    "Invalid input paramter. Please confirm input paramter.";

inline void ReportInvalidInput(ui::MessageBoxes& boxes, const std::string& details) {
    ui::warn(boxes, std::string(kInvalidInputText) + "\rDetails:" + details);
}

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

// Told in the window's status line when a download took.
inline constexpr const char* kCertificateDownloaded = "Certificate downloaded";

// Shown alone, without details.
inline constexpr const char* kNoPassword = "There is no password of certificate.";

using tabs::kFileNotFound;
using tabs::kFileNotSpecified;

}  // namespace orvan::network
