#include "history/audit.h"

#include <pwd.h>
#include <unistd.h>

#include <vector>

namespace orvan::history {

std::string LoginName() {
    const uid_t uid = geteuid();
    long size = sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(size > 0 && size < 65536 ? static_cast<std::size_t>(size) : 16384);
    passwd entry{};
    passwd* found = nullptr;
    if (getpwuid_r(uid, &entry, buffer.data(), buffer.size(), &found) == 0 && found &&
        found->pw_name)
        return Bounded(found->pw_name, 64);
    return "uid " + std::to_string(uid);
}

AuditEntry AuditOf(std::string screen, std::string settings, std::int64_t result, std::int64_t now,
                   std::string user) {
    AuditEntry entry;
    entry.at = now;
    entry.screen = std::move(screen);
    entry.settings = std::move(settings);
    entry.ok = result == 0;
    entry.result = result;
    entry.user = std::move(user);
    return entry;
}

}  // namespace orvan::history
