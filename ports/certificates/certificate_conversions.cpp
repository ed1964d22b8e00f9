#include "ports/certificates/certificate_conversions.h"

#include <openssl/bio.h>
#include <openssl/crypto.h>
#include <openssl/err.h>
#include <openssl/pem.h>
#include <openssl/pkcs12.h>
#include <openssl/provider.h>
#include <openssl/x509.h>

#include <algorithm>
#include <memory>
#include <string>

namespace orvan::ports {
namespace {

template <auto Free>
struct Freer {
    template <class T>
    void operator()(T* p) const {
        Free(p);
    }
};
using Pkcs12Ptr = std::unique_ptr<PKCS12, Freer<PKCS12_free>>;
using X509Ptr = std::unique_ptr<X509, Freer<X509_free>>;
using KeyPtr = std::unique_ptr<EVP_PKEY, Freer<EVP_PKEY_free>>;
using BioPtr = std::unique_ptr<BIO, Freer<BIO_free>>;

void freeCertificates(STACK_OF(X509) * chain) {
    sk_X509_pop_free(chain, X509_free);
}
using ChainPtr = std::unique_ptr<STACK_OF(X509), Freer<freeCertificates>>;

// Current PKCS#12 files (AES with PBKDF2) need only the default provider;
// the legacy ones many certificate stores still export (RC2) need the
// legacy provider too. Loading one provider by name stops OpenSSL from
// loading the default one by itself, so both are loaded, once, and given
// back when the library is unloaded (before OpenSSL's own clean-up, which
// was registered before them).
struct Providers {
    OSSL_PROVIDER* standard = OSSL_PROVIDER_load(nullptr, "default");
    OSSL_PROVIDER* legacy = OSSL_PROVIDER_load(nullptr, "legacy");  // missing: no legacy files
    ~Providers() {
        if (legacy != nullptr) OSSL_PROVIDER_unload(legacy);
        if (standard != nullptr) OSSL_PROVIDER_unload(standard);
    }
};

void loadProviders() {
    static const Providers providers;
    (void)providers;
}

// Where an output goes: the caller's buffer and its size, read on entry.
struct Output {
    std::uint8_t* data;
    std::int32_t* length;
    std::int32_t capacity;
};

bool takeOutput(std::uint8_t* data, std::int32_t* length, Output& out) {
    if (length == nullptr || *length < 0 || (data == nullptr && *length > 0)) return false;
    out = {data, length, *length};
    *length = 0;
    return true;
}

// The text a memory BIO holds, if it fits the output.
std::int32_t fits(BIO* bio, const Output& out) {
    char* text = nullptr;
    const long size = BIO_get_mem_data(bio, &text);
    if (size <= 0 || text == nullptr) return KQIKE_UNREADABLE;
    return size <= out.capacity ? 0 : KQIKE_TOO_LARGE;
}

void copyOut(BIO* bio, Output& out) {
    char* text = nullptr;
    const long size = BIO_get_mem_data(bio, &text);
    std::copy_n(reinterpret_cast<const std::uint8_t*>(text), size, out.data);
    *out.length = static_cast<std::int32_t>(size);
}

// The password as OpenSSL reads it (UTF-8), from ISO 8859-1 codes up to the
// first 0. Wiped when it goes.
class Utf8Password {
  public:
    Utf8Password(const std::uint8_t* codes, std::int32_t length) {
        text_.reserve(2 * static_cast<std::size_t>(length) + 1);
        for (std::int32_t i = 0; i < length && codes[i] != 0; ++i) {
            const std::uint8_t c = codes[i];
            if (c < 0x80) {
                text_.push_back(static_cast<char>(c));
            } else {
                text_.push_back(static_cast<char>(0xC0 | (c >> 6)));
                text_.push_back(static_cast<char>(0x80 | (c & 0x3F)));
            }
        }
    }
    ~Utf8Password() { OPENSSL_cleanse(text_.data(), text_.size()); }
    Utf8Password(const Utf8Password&) = delete;
    Utf8Password& operator=(const Utf8Password&) = delete;
    const char* c_str() const { return text_.c_str(); }

  private:
    std::string text_;
};

// Without a MAC the password cannot be checked before the key bags are
// decrypted, with as many iterations as the file asks for: such a file is
// refused, as is one whose MAC asks for too many.
bool checkable(const PKCS12* p12) {
    if (!PKCS12_mac_present(p12)) return false;
    const ASN1_INTEGER* iterations = nullptr;
    PKCS12_get0_mac(nullptr, nullptr, nullptr, &iterations, p12);
    return iterations == nullptr || ASN1_INTEGER_get(iterations) <= kMostMacIterations;
}

std::int32_t pkcs12ToPem(const std::uint8_t* fileData, std::int32_t fileLength,
                         const Utf8Password& password, Output& publicOut, Output& privateOut) {
    const unsigned char* at = fileData;
    Pkcs12Ptr p12(d2i_PKCS12(nullptr, &at, fileLength));
    if (!p12 || !checkable(p12.get())) return KQIKE_UNREADABLE;
    EVP_PKEY* key = nullptr;
    X509* certificate = nullptr;
    STACK_OF(X509)* chain = nullptr;
    const int parsed = PKCS12_parse(p12.get(), password.c_str(), &key, &certificate, &chain);
    const KeyPtr keyOwner(key);
    const X509Ptr certificateOwner(certificate);
    const ChainPtr chainOwner(chain);
    if (!parsed || key == nullptr || certificate == nullptr) return KQIKE_UNREADABLE;

    const BioPtr publicText(BIO_new(BIO_s_mem()));
    // Secure memory is cleared when it is freed.
    const BioPtr privateText(BIO_new(BIO_s_secmem()));
    if (!publicText || !privateText || !PEM_write_bio_X509(publicText.get(), certificate) ||
        !PEM_write_bio_PKCS8PrivateKey(privateText.get(), key, nullptr, nullptr, 0, nullptr,
                                       nullptr))
        return KQIKE_UNREADABLE;
    // Both outputs fit, or neither is written.
    if (const std::int32_t r = fits(publicText.get(), publicOut); r != 0) return r;
    if (const std::int32_t r = fits(privateText.get(), privateOut); r != 0) return r;
    copyOut(publicText.get(), publicOut);
    copyOut(privateText.get(), privateOut);
    return 0;
}

}  // namespace

std::int32_t ConvertPkcs12(const std::uint8_t* fileData, std::int32_t fileLength,
                           const std::uint8_t* password, std::int32_t passwordLength,
                           std::uint8_t* publicOut, std::int32_t* publicLength,
                           std::uint8_t* privateOut, std::int32_t* privateLength) {
    Output publicKey{}, privateKey{};
    if (!takeOutput(publicOut, publicLength, publicKey) ||
        !takeOutput(privateOut, privateLength, privateKey))
        return KQIKE_BAD_ARGUMENT;
    if (fileData == nullptr || fileLength <= 0 || passwordLength < 0 ||
        (password == nullptr && passwordLength > 0))
        return KQIKE_BAD_ARGUMENT;
    loadProviders();
    const Utf8Password utf8(password, passwordLength);
    const std::int32_t result = pkcs12ToPem(fileData, fileLength, utf8, publicKey, privateKey);
    ERR_clear_error();
    return result;
}

std::int32_t ConvertDerToPem(const std::uint8_t* fileData, std::int32_t fileLength,
                             std::uint8_t* pemOut, std::int32_t* pemLength) {
    Output pem{};
    if (!takeOutput(pemOut, pemLength, pem)) return KQIKE_BAD_ARGUMENT;
    if (fileData == nullptr || fileLength <= 0) return KQIKE_BAD_ARGUMENT;
    loadProviders();
    const unsigned char* at = fileData;
    const X509Ptr certificate(d2i_X509(nullptr, &at, fileLength));
    const BioPtr text(BIO_new(BIO_s_mem()));
    std::int32_t result = KQIKE_UNREADABLE;
    if (certificate && text && PEM_write_bio_X509(text.get(), certificate.get())) {
        result = fits(text.get(), pem);
        if (result == 0) copyOut(text.get(), pem);
    }
    ERR_clear_error();
    return result;
}

}  // namespace orvan::ports
