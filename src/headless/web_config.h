#pragma once
// The web configuration of a metrics endpoint, in the file format monitoring
// exporters share:
//
//     tls_server_config:
//       cert_file: server.crt      # relative to the file's folder
//       key_file: server.key
//     basic_auth_users:
//       prometheus: $2y$10$...     # bcrypt hashes only
//
// Only these keys are taken; anything else is refused with its line, rather
// than a security setting silently ignored.
#include <cstddef>
#include <map>
#include <optional>
#include <string>

namespace orvan::headless {

struct WebConfig {
    std::string certFile, keyFile;             // both, or neither
    std::map<std::string, std::string> users;  // name -> bcrypt hash
    bool tls() const { return !certFile.empty(); }
    bool passwords() const { return !users.empty(); }
};

inline constexpr std::size_t kMaxWebConfigBytes = 64 * 1024;
inline constexpr std::size_t kMaxWebUsers = 100;

// nullopt with why set when the file cannot be read or says anything else.
std::optional<WebConfig> ReadWebConfig(const std::string& path, std::string& why);
std::optional<WebConfig> ParseWebConfig(const std::string& text, const std::string& folder,
                                        std::string& why);

// Whether an "Authorization" header value names a user with the right
// password ("Basic " and base64 of user:password).
bool CheckBasicAuth(const WebConfig& config, const std::string& authorization);

}  // namespace orvan::headless
