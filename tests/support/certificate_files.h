#pragma once
// Certificate files as a site makes them with the openssl command: a key
// and a self-signed certificate, then a current PKCS#12 file (AES with
// PBKDF2), two legacy ones (RC2, as many certificate stores still export,
// and 3DES) and the certificate alone in DER. Made once per test program in
// a folder of its own, removed when the program ends.
#include <stdlib.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace orvan::testing {

class CertificateFiles {
  public:
    static constexpr const char* kPassword = "Orvan-24";  // eight characters

    static const CertificateFiles& get() {
        static const CertificateFiles files;
        return files;
    }

    bool made() const { return made_; }
    std::string path(const std::string& name) const { return (dir_ / name).string(); }
    std::vector<std::uint8_t> bytes(const std::string& name) const {
        std::ifstream in(path(name), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    // What a conversion must give: the certificate and the private key as
    // openssl writes them in PEM (the key unencrypted, PKCS#8).
    std::vector<std::uint8_t> certificatePem() const { return bytes("cert.pem"); }
    std::vector<std::uint8_t> privateKeyPem() const { return bytes("key8.pem"); }

    // The PKCS#12 files, all protected by kPassword (and no-mac.p12, whose
    // password nothing checks before its keys are decrypted).
    static std::vector<std::string> pkcs12Files() {
        return {"current.p12", "legacy-rc2.p12", "legacy-3des.pfx"};
    }

  private:
    CertificateFiles() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "orvan-certs-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) return;
        dir_ = pattern;
        const std::string pass = std::string(" -passout pass:") + kPassword;
        const std::string pkcs12 = "openssl pkcs12 -export -in cert.pem -inkey key.pem" + pass;
        const std::string commands[] = {
            "openssl req -x509 -newkey ec -pkeyopt ec_paramgen_curve:P-256 -nodes"
            " -keyout key.pem -out cert.pem -subj /CN=orvan-test-printer -days 30",
            "openssl pkey -in key.pem -out key8.pem",
            pkcs12 + " -out current.p12",
            pkcs12 + " -legacy -out legacy-rc2.p12",
            pkcs12 +
                " -certpbe PBE-SHA1-3DES -keypbe PBE-SHA1-3DES -macalg sha1"
                " -out legacy-3des.pfx",
            "openssl x509 -in cert.pem -outform DER -out ca.cer",
            pkcs12 + " -nomac -out no-mac.p12",
        };
        made_ = true;
        for (const std::string& command : commands) {
            const std::string line =
                "cd '" + dir_.string() + "' && " + command + " >/dev/null 2>&1";
            made_ = made_ && std::system(line.c_str()) == 0;
        }
    }
    ~CertificateFiles() {
        std::error_code ec;
        if (!dir_.empty()) std::filesystem::remove_all(dir_, ec);
    }

    std::filesystem::path dir_;
    bool made_ = false;
};

}  // namespace orvan::testing
