#include "shell/posix_file_system.h"

#include <fcntl.h>
#include <mntent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <string_view>
#include <system_error>

namespace orvan::shell {
namespace {

namespace fs = std::filesystem;

// File systems of the kernel's own, never where a person keeps a file.
constexpr std::array<std::string_view, 20> kPseudo = {
    "proc",       "sysfs",    "devtmpfs",    "devpts",     "cgroup", "cgroup2", "mqueue",
    "securityfs", "debugfs",  "tracefs",     "pstore",     "bpf",    "autofs",  "hugetlbfs",
    "fusectl",    "configfs", "binfmt_misc", "rpc_pipefs", "nsfs",   "efivarfs"};

// Where volumes a person uses are mounted: removable media, extra disks.
constexpr std::array<std::string_view, 4> kUserMounts = {"/media/", "/mnt/", "/run/media/",
                                                         "/home/"};

bool userVolume(std::string_view type, std::string_view dir) {
    if (std::find(kPseudo.begin(), kPseudo.end(), type) != kPseudo.end()) return false;
    return std::any_of(kUserMounts.begin(), kUserMounts.end(),
                       [dir](std::string_view prefix) { return dir.starts_with(prefix); });
}

// Names of the entries of a folder that are (or are not) folders, sorted.
std::optional<std::vector<std::string>> entries(const std::string& path, bool wantFolders) {
    std::error_code ec;
    fs::directory_iterator it(path, fs::directory_options::skip_permission_denied, ec);
    if (ec) return std::nullopt;
    std::vector<std::string> names;
    for (; it != fs::directory_iterator(); it.increment(ec)) {
        if (ec) return std::nullopt;
        std::error_code typeError;
        const bool folder = it->is_directory(typeError);
        if (typeError || folder != wantFolders) continue;
        if (!wantFolders && !it->is_regular_file(typeError)) continue;
        names.push_back(it->path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace

PosixFileSystem::PosixFileSystem(std::string mountTable) : mountTable_(std::move(mountTable)) {}

std::vector<ui::Volume> PosixFileSystem::volumes() {
    std::vector<ui::Volume> volumes = {{"/", "/"}};
    if (FILE* table = setmntent(mountTable_.c_str(), "r")) {
        while (const mntent* m = getmntent(table)) {
            const std::string dir = m->mnt_dir ? m->mnt_dir : "";
            const std::string type = m->mnt_type ? m->mnt_type : "";
            const bool known = std::any_of(volumes.begin(), volumes.end(),
                                           [&dir](const ui::Volume& v) { return v.root == dir; });
            if (!known && userVolume(type, dir)) volumes.push_back({dir, dir});
        }
        endmntent(table);
    }
    std::sort(volumes.begin() + 1, volumes.end(),
              [](const ui::Volume& a, const ui::Volume& b) { return a.root < b.root; });
    return volumes;
}

std::optional<std::vector<std::string>> PosixFileSystem::folders(const std::string& path) {
    return entries(path, true);
}

std::optional<std::vector<std::string>> PosixFileSystem::files(const std::string& path) {
    return entries(path, false);
}

bool PosixFileSystem::canRead(const std::string& path) {
    if (path.empty()) return false;
    // Opened without blocking, so a named pipe or a device cannot stall the test.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat st {};
    const bool regular = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
    ::close(fd);
    return regular;
}

}  // namespace orvan::shell
