// The stand-in common library as the program loads it, converting real
// files that the openssl command made: current and legacy PKCS#12 files,
// a DER certificate, and what must fail without writing past a buffer.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>

#include "link/dynamic_common_library.h"
#include "link/port_libraries.h"
#include "support/certificate_files.h"

namespace orvan::link {
namespace {

using Bytes = std::vector<std::uint8_t>;
using testing::CertificateFiles;

const std::string kCommonPath = ORVAN_BIN_DIR "/libLNKCOM.so";
constexpr std::int32_t kBufferSize = 8190;

struct Converted {
    std::int32_t result;
    Bytes publicKey, privateKey;
};

Converted pkcs12(CommonLibrary& library, const Bytes& file, const std::string& password,
                 std::int32_t capacity = kBufferSize) {
    Bytes codes(password.begin(), password.end());
    codes.push_back(0);  // passed with its 0, as the monitor does
    Bytes publicKey(kBufferSize, 0xAA), privateKey(kBufferSize, 0xAA);
    std::int32_t publicLength = capacity, privateLength = capacity;
    const std::int32_t r =
        library.KQIKE_Pkcs12(file.data(), static_cast<std::int32_t>(file.size()), codes.data(),
                             static_cast<std::int32_t>(codes.size()), publicKey.data(),
                             &publicLength, privateKey.data(), &privateLength);
    // Past what it wrote, the buffers are as they were.
    for (std::size_t i = static_cast<std::size_t>(publicLength); i < publicKey.size(); ++i)
        EXPECT_EQ(publicKey[i], 0xAA) << i;
    for (std::size_t i = static_cast<std::size_t>(privateLength); i < privateKey.size(); ++i)
        EXPECT_EQ(privateKey[i], 0xAA) << i;
    publicKey.resize(static_cast<std::size_t>(publicLength));
    privateKey.resize(static_cast<std::size_t>(privateLength));
    return {r, publicKey, privateKey};
}

TEST(CommonLibrary, OpensCurrentAndLegacyPkcs12FilesWithTheirPasswordOnly) {
    const CertificateFiles& files = CertificateFiles::get();
    ASSERT_TRUE(files.made()) << "the openssl command could not make the files";
    DynamicCommonLibrary library(kCommonPath);
    for (const std::string& name : CertificateFiles::pkcs12Files()) {
        SCOPED_TRACE(name);
        const Bytes file = files.bytes(name);
        const Converted good = pkcs12(library, file, CertificateFiles::kPassword);
        EXPECT_EQ(good.result, 0);
        EXPECT_EQ(good.publicKey, files.certificatePem());
        EXPECT_EQ(good.privateKey, files.privateKeyPem());

        const Converted wrong = pkcs12(library, file, "orvan-24");
        EXPECT_EQ(wrong.result, KQIKE_UNREADABLE);
        EXPECT_TRUE(wrong.publicKey.empty() && wrong.privateKey.empty());
        // One byte short for the longer output: the shorter one fits, yet
        // neither is written.
        const auto shorter = static_cast<std::int32_t>(
            std::max(files.certificatePem().size(), files.privateKeyPem().size()) - 1);
        const Converted tight = pkcs12(library, file, CertificateFiles::kPassword, shorter);
        EXPECT_EQ(tight.result, KQIKE_TOO_LARGE);
        EXPECT_TRUE(tight.publicKey.empty() && tight.privateKey.empty());
    }
    Bytes cut = files.bytes("current.p12");
    cut.resize(cut.size() - 40);
    EXPECT_EQ(pkcs12(library, cut, CertificateFiles::kPassword).result, KQIKE_UNREADABLE);
    EXPECT_EQ(pkcs12(library, files.bytes("ca.cer"), CertificateFiles::kPassword).result,
              KQIKE_UNREADABLE);
    EXPECT_EQ(pkcs12(library, files.bytes("no-mac.p12"), CertificateFiles::kPassword).result,
              KQIKE_UNREADABLE);
}

TEST(CommonLibrary, TurnsADerCertificateIntoPemAndRefusesWhatIsNotOne) {
    const CertificateFiles& files = CertificateFiles::get();
    ASSERT_TRUE(files.made());
    DynamicCommonLibrary library(kCommonPath);
    auto pem = [&](const Bytes& file, std::int32_t capacity) {
        Bytes out(8191, 0xAA);
        std::int32_t length = capacity;
        const std::int32_t r = library.KQIKE_DerToPem(
            file.data(), static_cast<std::int32_t>(file.size()), out.data(), &length);
        EXPECT_TRUE(std::all_of(out.begin() + length, out.end(), [](auto b) { return b == 0xAA; }));
        out.resize(static_cast<std::size_t>(length));
        return std::make_pair(r, out);
    };
    const Bytes der = files.bytes("ca.cer");
    EXPECT_EQ(pem(der, 8191), std::make_pair(0, files.certificatePem()));
    const auto exact = static_cast<std::int32_t>(files.certificatePem().size());
    EXPECT_EQ(pem(der, exact).first, 0);
    EXPECT_EQ(pem(der, exact - 1), std::make_pair(KQIKE_TOO_LARGE, Bytes{}));
    EXPECT_EQ(pem(files.certificatePem(), 8191).first, KQIKE_UNREADABLE);  // PEM is no DER
    EXPECT_EQ(pem(Bytes(der.begin(), der.begin() + 100), 8191).first, KQIKE_UNREADABLE);

    // Arguments no caller should pass are refused, not followed.
    std::int32_t length = 16;
    std::array<std::uint8_t, 16> out{};
    EXPECT_EQ(library.KQIKE_DerToPem(nullptr, 10, out.data(), &length), KQIKE_BAD_ARGUMENT);
    EXPECT_EQ(library.KQIKE_DerToPem(der.data(), -1, out.data(), &length), KQIKE_BAD_ARGUMENT);
    EXPECT_EQ(library.KQIKE_DerToPem(der.data(), 10, out.data(), nullptr), KQIKE_BAD_ARGUMENT);
    length = 16;
    EXPECT_EQ(
        library.KQIKE_Pkcs12(der.data(), 10, nullptr, 4, out.data(), &length, out.data(), &length),
        KQIKE_BAD_ARGUMENT);
}

TEST(CommonLibrary, AMissingLibraryFailsEveryCall) {
    DynamicCommonLibrary absent("/nonexistent/libLNKCOM.so");
    std::int32_t length = 0;
    EXPECT_THROW(absent.KQIKE_DerToPem(nullptr, 0, nullptr, &length), PortLibraryMissing);
    EXPECT_THROW(absent.KQIKE_DerToPem(nullptr, 0, nullptr, &length), PortLibraryMissing);
}

}  // namespace
}  // namespace orvan::link
