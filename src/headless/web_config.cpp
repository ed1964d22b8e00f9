#include "headless/web_config.h"

#include <crypt.h>
#include <openssl/crypto.h>
#include <openssl/evp.h>

#include <fstream>
#include <iterator>
#include <sstream>
#include <vector>

namespace orvan::headless {
namespace {

std::string trimmed(const std::string& s) {
    const auto first = s.find_first_not_of(" \t\r");
    if (first == std::string::npos) return {};
    return s.substr(first, s.find_last_not_of(" \t\r") - first + 1);
}

// A value as written: quotes around it go; a comment after it goes.
std::string valueOf(std::string v) {
    v = trimmed(v);
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
        return v.substr(1, v.size() - 2);
    if (const auto hash = v.find(" #"); hash != std::string::npos) v = trimmed(v.substr(0, hash));
    return v;
}

bool bcryptHash(const std::string& hash) {
    return hash.size() == 60 &&
           (hash.rfind("$2a$", 0) == 0 || hash.rfind("$2b$", 0) == 0 || hash.rfind("$2y$", 0) == 0);
}

std::string inFolder(const std::string& folder, const std::string& file) {
    return file.empty() || file.front() == '/' || folder.empty() ? file : folder + "/" + file;
}

}  // namespace

std::optional<WebConfig> ParseWebConfig(const std::string& text, const std::string& folder,
                                        std::string& why) {
    WebConfig config;
    std::string section;
    std::istringstream lines(text);
    std::string raw;
    for (int number = 1; std::getline(lines, raw); ++number) {
        const std::string line = trimmed(raw);
        if (line.empty() || line.front() == '#') continue;
        const auto colon = line.find(':');
        auto refuse = [&](const std::string& what) {
            why = "web configuration line " + std::to_string(number) + ": " + what;
            return std::nullopt;
        };
        if (colon == std::string::npos) return refuse("not a key: value line");
        const std::string key = trimmed(line.substr(0, colon));
        const std::string value = valueOf(line.substr(colon + 1));
        const bool nested = raw.front() == ' ' || raw.front() == '\t';
        if (!nested) {
            if (!value.empty() || (key != "tls_server_config" && key != "basic_auth_users"))
                return refuse("unknown setting " + key);
            section = key;
            continue;
        }
        if (section == "tls_server_config" && key == "cert_file") {
            config.certFile = inFolder(folder, value);
        } else if (section == "tls_server_config" && key == "key_file") {
            config.keyFile = inFolder(folder, value);
        } else if (section == "basic_auth_users" && !key.empty()) {
            if (!bcryptHash(value)) return refuse("the password of " + key + " is no bcrypt hash");
            if (config.users.size() >= kMaxWebUsers) return refuse("too many users");
            config.users[key] = value;
        } else {
            return refuse("unknown setting " + key);
        }
    }
    if (config.certFile.empty() != config.keyFile.empty()) {
        why = "web configuration: cert_file and key_file go together";
        return std::nullopt;
    }
    return config;
}

std::optional<WebConfig> ReadWebConfig(const std::string& path, std::string& why) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        why = "cannot read the web configuration " + path;
        return std::nullopt;
    }
    std::string text;
    text.resize(kMaxWebConfigBytes + 1);
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    text.resize(static_cast<std::size_t>(in.gcount()));
    if (text.size() > kMaxWebConfigBytes) {
        why = "the web configuration " + path + " is too large";
        return std::nullopt;
    }
    const auto slash = path.rfind('/');
    return ParseWebConfig(text, slash == std::string::npos ? "" : path.substr(0, slash), why);
}

bool CheckBasicAuth(const WebConfig& config, const std::string& authorization) {
    const std::string scheme = "Basic ";
    if (authorization.size() < scheme.size() || authorization.size() > 1024 ||
        authorization.compare(0, scheme.size(), scheme) != 0)
        return false;
    const std::string encoded = trimmed(authorization.substr(scheme.size()));
    if (encoded.empty() || encoded.size() % 4 != 0) return false;
    std::vector<unsigned char> decoded(encoded.size() / 4 * 3 + 1);
    const int n =
        EVP_DecodeBlock(decoded.data(), reinterpret_cast<const unsigned char*>(encoded.data()),
                        static_cast<int>(encoded.size()));
    if (n < 0) return false;
    std::string pair(decoded.begin(), decoded.begin() + n);
    while (!pair.empty() && pair.back() == '\0') pair.pop_back();  // base64 padding
    const auto colon = pair.find(':');
    if (colon == std::string::npos) return false;
    const auto user = config.users.find(pair.substr(0, colon));
    if (user == config.users.end()) return false;
    crypt_data work{};
    const char* hashed = crypt_r(pair.substr(colon + 1).c_str(), user->second.c_str(), &work);
    return hashed && std::string(hashed).size() == user->second.size() &&
           CRYPTO_memcmp(hashed, user->second.data(), user->second.size()) == 0;
}

}  // namespace orvan::headless
