#pragma once
// The IPsec key download: a preshared key, a printer certificate (PKCS#12,
// converted by the common library into its public and private key, sent
// with its password) or a CA certificate (DER, converted into PEM), each
// into its printer buffers over USB. A key or printer certificate then
// switches the printer's IPsec mode to match, sets its clock and reads the
// mode back. Every failure is told with its own text and stops the rest.
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "link/buffer_writes.h"
#include "link/channel.h"
#include "link/common_library.h"
#include "link/pages.h"
#include "tabs/tab_context.h"

namespace orvan::network {

class PrinterSelectTab;
class CertificatePasswordForm;

// Combo1's index.
enum class DownloadType { PresharedKey = 0, PrinterCertificate = 1, CaCertificate = 2 };

struct DownloadTypeRow {
    DownloadType type;
    const char* item;         // as the dialog's list shows it
    const char* pattern;      // the files the chooser lists
    std::size_t largestFile;  // what the working buffer takes
};

// A preshared key needs room for the 0 byte after it.
inline constexpr std::array<DownloadTypeRow, 3> kDownloadTypes = {{
    {DownloadType::PresharedKey, "Preshared Key", "*.key", 8192},
    {DownloadType::PrinterCertificate, "Printer Certificate", "*.pfx;*.p12", 8193},
    {DownloadType::CaCertificate, "CA Certificate", "*.cer", 8193},
}};

// The row of a list index; index 0's for one outside the list.
const DownloadTypeRow& DownloadTypeAt(int index);

// What the conversions may write: the PKCS#12 outputs go into buffers of
// 8192 bytes with two of them for the length, the PEM text into 8193.
inline constexpr std::int32_t kKeyOutputSize = 8190;
inline constexpr std::int32_t kPemOutputSize = 8191;
// The password buffer: up to 255 single-byte codes and the 0 after them.
inline constexpr std::size_t kPasswordBufferSize = 256;

// What a download needs of the monitor besides a tab's context.
struct DownloadLinks {
    link::Channel& channel;
    link::Pages& pages;           // reads the IPsec mode back
    link::CommonLibrary* common;  // none found: every conversion fails
};

class CertificateDownload {
  public:
    // The prompt asks for a printer certificate's password; the tab's "Sync
    // Time" sets the clock.
    CertificateDownload(tabs::TabContext context, DownloadLinks links,
                        CertificatePasswordForm& prompt, PrinterSelectTab& tab);

    // Sends the file's bytes as `type` says. 0 on success, else the result
    // of what failed (1 for a missing password, kInvalidParameter for a
    // conversion), already told to the user.
    link::ResultCode run(DownloadType type, std::span<const std::uint8_t> file);

  private:
    link::ResultCode presharedKey(std::span<const std::uint8_t> file);
    link::ResultCode printerCertificate(std::span<const std::uint8_t> file);
    link::ResultCode caCertificate(std::span<const std::uint8_t> file);
    link::ResultCode switchIpsecTo(link::IpsecMethod method);
    link::ResultCode conversionFailed(const char* failureText);
    // Shows the failure of a step with its result; returns the result.
    link::ResultCode told(const char* failureText, link::ResultCode result);

    tabs::TabContext context_;
    DownloadLinks links_;
    CertificatePasswordForm& prompt_;
    PrinterSelectTab& tab_;
};

}  // namespace orvan::network
