#include "shell/platform.h"

#include "link/library_locator.h"

#include <fcntl.h>
#include <grp.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <vector>

namespace orvan::shell {

PosixPlatform::PosixPlatform(std::string lockName) : lockName_(std::move(lockName)) {}

PosixPlatform::~PosixPlatform() {
    if (lockFd_ >= 0) close(lockFd_);
}

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

bool PosixPlatform::acquireInstanceLock() {
    if (lockFd_ >= 0) return true;
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    std::string dir = (runtime && *runtime) ? runtime : "/tmp";
    std::string path = dir + "/" + lockName_;
    if (!runtime || !*runtime) path += "." + std::to_string(getuid());
    int fd = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    // Without a lock file we cannot tell; letting the program run is kinder
    // than refusing it.
    if (fd < 0) return true;
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        close(fd);
        return false;
    }
    lockFd_ = fd;  // held until the process ends
    return true;
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
