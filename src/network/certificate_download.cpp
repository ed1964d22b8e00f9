#include "network/certificate_download.h"

#include <string>

#include "link/password.h"
#include "link/port_libraries.h"
#include "network/certificate_forms.h"
#include "network/network_messages.h"
#include "network/printer_select_tab.h"
#include "network/typed_address.h"
#include "status/report_failure.h"
#include "tabs/setting_tab_buttons.h"

namespace orvan::network {
namespace {

constexpr link::ResultCode kNoPasswordResult = 1;

// One write of the download: its buffer, its bytes and its failure text.
struct BufferWrite {
    std::uint8_t buffer;
    std::span<const std::uint8_t> bytes;
    bool lengthPrefixed;
    const char* failureText;
};

// A converted output that the library says is longer than its buffer, or
// empty, cannot be sent: the library broke its word.
bool wellFormed(std::int32_t length, std::int32_t capacity) {
    return length > 0 && length <= capacity;
}

// A library that is missing or fails inside is a failed conversion.
template <class Call>
link::ResultCode convert(link::CommonLibrary* common, Call&& call) {
    if (common == nullptr) return link::kInvalidParameter;
    try {
        return call(*common);
    } catch (const link::PortLibraryMissing&) {
        return link::kInvalidParameter;
    } catch (const link::PortLibraryFailure&) {
        return link::kInvalidParameter;
    }
}

}  // namespace

const DownloadTypeRow& DownloadTypeAt(int index) {
    for (const DownloadTypeRow& row : kDownloadTypes)
        if (static_cast<int>(row.type) == index) return row;
    return kDownloadTypes[0];
}

CertificateDownload::CertificateDownload(tabs::TabContext context, DownloadLinks links,
                                         CertificatePasswordForm& prompt, PrinterSelectTab& tab)
    : context_(std::move(context)), links_(links), prompt_(prompt), tab_(tab) {}

link::ResultCode CertificateDownload::run(DownloadType type, std::span<const std::uint8_t> file) {
    using Step = link::ResultCode (CertificateDownload::*)(std::span<const std::uint8_t>);
    static constexpr Step kSteps[] = {&CertificateDownload::presharedKey,
                                      &CertificateDownload::printerCertificate,
                                      &CertificateDownload::caCertificate};
    const auto index = static_cast<std::size_t>(type);
    if (index >= std::size(kSteps)) return link::kInvalidParameter;
    const Step step = kSteps[index];
    const link::ResultCode result = (this->*step)(file);
    if (result == 0 && context_.link.done) context_.link.done(kCertificateDownloaded);
    return result;
}

link::ResultCode CertificateDownload::told(const char* failureText, link::ResultCode result) {
    if (result != 0)
        status::ReportFailure(context_.link.boxes, failureText, result,
                              context_.link.state.statusWord, context_.link.catalogue);
    return result;
}

link::ResultCode CertificateDownload::conversionFailed(const char* failureText) {
    return told(failureText, link::kInvalidParameter);
}

// The key file and one 0 byte after it.
link::ResultCode CertificateDownload::presharedKey(std::span<const std::uint8_t> file) {
    link::SecretBytes key(file.size() + 1);
    std::copy(file.begin(), file.end(), key.data());
    const link::ResultCode r =
        link::WritePrinterBuffer(links_.channel, link::kPresharedKeyBuffer, key.span());
    if (r != 0) return told(kPresharedKeyFailure, r);
    return switchIpsecTo(link::IpsecMethod::PresharedKey);
}

link::ResultCode CertificateDownload::printerCertificate(std::span<const std::uint8_t> file) {
    prompt_.ask();
    std::string typed = TrimBlanks(prompt_.password());
    if (typed.empty()) {
        ui::warn(context_.link.boxes, kNoPassword);
        return kNoPasswordResult;
    }
    // The password's codes and the 0 after them, in a zeroed buffer; a
    // character the codes cannot carry is refused, never sent changed.
    link::SecretBytes password(kPasswordBufferSize);
    const auto characters = link::SingleByteCodes(typed, password.span());
    link::WipeText(typed);
    if (!characters) {
        ui::warn(context_.link.boxes, tabs::kPasswordNotSingleByte);
        return kNoPasswordResult;
    }
    if (*characters >= kPasswordBufferSize) return conversionFailed(kPkcs12ConversionFailure);
    const auto passwordLength = static_cast<std::int32_t>(*characters + 1);

    link::SecretBytes publicKey(kKeyOutputSize), privateKey(kKeyOutputSize);
    std::int32_t publicLength = kKeyOutputSize, privateLength = kKeyOutputSize;
    const link::ResultCode converted = convert(links_.common, [&](link::CommonLibrary& common) {
        return common.KQIKE_Pkcs12(file.data(), static_cast<std::int32_t>(file.size()),
                                   password.data(), passwordLength, publicKey.data(), &publicLength,
                                   privateKey.data(), &privateLength);
    });
    if (converted != 0 || !wellFormed(publicLength, kKeyOutputSize) ||
        !wellFormed(privateLength, kKeyOutputSize))
        return conversionFailed(kPkcs12ConversionFailure);

    const BufferWrite writes[] = {
        {link::kPublicKeyBuffer, publicKey.first(static_cast<std::size_t>(publicLength)), true,
         kPublicKeyFailure},
        {link::kPrivateKeyBuffer, privateKey.first(static_cast<std::size_t>(privateLength)), true,
         kPrivateKeyFailure},
        {link::kPasswordBuffer, password.first(static_cast<std::size_t>(passwordLength)), false,
         kPasswordFailure},
    };
    for (const BufferWrite& w : writes) {
        const link::ResultCode r =
            w.lengthPrefixed ? link::WriteLengthPrefixed(links_.channel, w.buffer, w.bytes)
                             : link::WritePrinterBuffer(links_.channel, w.buffer, w.bytes);
        if (r != 0) return told(w.failureText, r);
    }
    return switchIpsecTo(link::IpsecMethod::PrinterCertificate);
}

// A CA certificate changes nothing else: the IPsec mode stays as it is.
link::ResultCode CertificateDownload::caCertificate(std::span<const std::uint8_t> file) {
    link::SecretBytes pem(kPemOutputSize);
    std::int32_t pemLength = kPemOutputSize;
    const link::ResultCode converted = convert(links_.common, [&](link::CommonLibrary& common) {
        return common.KQIKE_DerToPem(file.data(), static_cast<std::int32_t>(file.size()),
                                     pem.data(), &pemLength);
    });
    if (converted != 0 || !wellFormed(pemLength, kPemOutputSize))
        return conversionFailed(kDerConversionFailure);
    return told(kCaCertificateFailure,
                link::WriteLengthPrefixed(links_.channel, link::kCaCertificateBuffer,
                                          pem.first(static_cast<std::size_t>(pemLength))));
}

// The printer's IPsec mode to the method, its clock, and the mode read back
// into the image; the first failure stops the rest. "Sync Time" tells its
// own failure.
link::ResultCode CertificateDownload::switchIpsecTo(link::IpsecMethod method) {
    link::ResultCode r = told(kIpsecModeFailure, link::WriteIpsecMode(links_.channel, method));
    if (r != 0) return r;
    r = tab_.syncTime();
    if (r != 0) return r;
    r = told(kIpsecModeReadFailure, links_.pages.readPrinterBuffer(link::kIpsecModeBuffer));
    if (r == 0) tab_.ipsecModeRead();
    return r;
}

}  // namespace orvan::network
