#include "shell/platform.h"

#include "link/library_locator.h"

#include <grp.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>

#include <filesystem>
#include <vector>

namespace orvan::shell {

PosixPlatform::PosixPlatform(std::string lockName) : lockName_(std::move(lockName)) {}

PosixPlatform::~PosixPlatform() = default;

bool PosixPlatform::isAdministrator() {
    if (geteuid() == 0) return true;
    const group* admins = getgrnam(kPrinterAdminGroup);
    if (!admins) return false;
    if (getegid() == admins->gr_gid) return true;
    int n = getgroups(0, nullptr);
    if (n <= 0) return false;
    std::vector<gid_t> groups(static_cast<std::size_t>(n));
    n = getgroups(n, groups.data());
    for (int i = 0; i < n; ++i)
        if (groups[static_cast<std::size_t>(i)] == admins->gr_gid) return true;
    return false;
}

// The lock is held until the process ends; a program beside it can see that
// without taking it. Without a usable lock file we cannot tell: the program
// runs rather than refusing, and orvan-status, seeing no lock, does not take
// its published status.
bool PosixPlatform::acquireInstanceLock() {
    if (instanceLock_) return true;
    // Without a private runtime directory there is nowhere safe for the lock:
    // the monitor runs, but cannot be found by a second start or orvan-status.
    std::string why;
    if (!report::RuntimeDirectory(&why)) {
        std::fprintf(stderr, "%s; a second copy cannot be detected\n", why.c_str());
        return true;
    }
    const std::string path = report::RuntimePath(lockName_);
    instanceLock_ = report::FileLock::acquire(path, 0);
    if (!instanceLock_) {
        if (report::LockHeldElsewhere(path)) return false;  // a copy runs
        // A lock file that cannot be used (another user's, not a file): the
        // monitor runs, but cannot be found by a second start.
        std::fprintf(stderr, "%s cannot be used as the single-instance lock\n", path.c_str());
        return true;
    }
    printerAccess_ = report::FileLock::acquire(report::RuntimePath(report::kPrinterAccessLockName),
                                               kPrinterAccessWaitMs);
    return true;
}

// A connect to a local socket answers at once: listening or not, this never
// waits on the other copy, and a copy that does not read the request cannot
// hold this one up (the request fits the socket's buffer).
bool PosixPlatform::askRunningCopyForward() {
    const std::string path = report::RuntimePath(kForwardSocketName);
    sockaddr_un address{};
    if (path.size() >= sizeof(address.sun_path)) return false;
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0) return false;
    bool sent = false;
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) == 0) {
        const std::size_t length = std::strlen(kForwardRequest);
        sent = ::send(fd, kForwardRequest, length, MSG_NOSIGNAL) == static_cast<ssize_t>(length);
    }
    ::close(fd);
    return sent;
}

bool PosixPlatform::fileExists(const std::string& path) {
    struct stat st {};
    return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

std::string PosixPlatform::systemLibraryDirectory() {
    return link::systemLibraryDir();
}

std::string PosixPlatform::currentDirectory() {
    std::error_code ec;
    auto p = std::filesystem::current_path(ec);
    return ec ? std::string(".") : p.string();
}

std::string executablePath() {
    std::error_code ec;
    auto p = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : p.string();
}

std::string executableDirectory() {
    std::string exe = executablePath();
    return exe.empty() ? std::string() : std::filesystem::path(exe).parent_path().string();
}

}  // namespace orvan::shell
