#include "report/runtime_files.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <thread>

namespace orvan::report {
namespace {

constexpr int kRetryStepMs = 20;

flock writeLockRequest() {
    flock request{};
    request.l_type = F_WRLCK;
    request.l_whence = SEEK_SET;
    request.l_start = 0;
    request.l_len = 0;  // the whole file
    return request;
}

bool writeAll(int fd, const std::string& data) {
    std::size_t done = 0;
    while (done < data.size()) {
        const ssize_t n = ::write(fd, data.data() + done, data.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

}  // namespace

std::optional<std::string> RuntimeDirectory(std::string* why) {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime && *runtime) return std::string(runtime);
    const std::string own = "/run/user/" + std::to_string(::getuid());
    struct stat st {};
    if (::lstat(own.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::getuid() &&
        (st.st_mode & 0777) == 0700)
        return own;
    if (why)
        *why = "no private runtime directory: XDG_RUNTIME_DIR is not set and " + own +
               " is not this user's folder with mode 0700";
    return std::nullopt;
}

std::string RuntimePath(const std::string& name) {
    const auto dir = RuntimeDirectory();
    return dir ? *dir + "/" + name : std::string();
}

namespace {

bool ownRegularFile(int fd) {
    struct stat st {};
    return ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::getuid();
}

}  // namespace

FileLock::FileLock(FileLock&& other) noexcept : fd_(other.fd_) {
    other.fd_ = -1;
}

FileLock& FileLock::operator=(FileLock&& other) noexcept {
    if (this != &other) {
        if (fd_ >= 0) ::close(fd_);
        fd_ = other.fd_;
        other.fd_ = -1;
    }
    return *this;
}

FileLock::~FileLock() {
    if (fd_ >= 0) ::close(fd_);
}

std::optional<FileLock> FileLock::acquire(const std::string& path, int waitMs) {
    if (path.empty()) return std::nullopt;
    const int fd =
        ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0600);
    if (fd < 0) return std::nullopt;
    if (!ownRegularFile(fd)) {
        ::close(fd);
        return std::nullopt;
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMs);
    for (;;) {
        flock request = writeLockRequest();
        if (::fcntl(fd, F_OFD_SETLK, &request) == 0) return FileLock(fd);
        if (errno != EAGAIN && errno != EACCES && errno != EINTR) {
            ::close(fd);
            return std::nullopt;
        }
        if (std::chrono::steady_clock::now() >= deadline) break;
        std::this_thread::sleep_for(std::chrono::milliseconds(kRetryStepMs));
    }
    ::close(fd);
    return std::nullopt;
}

bool LockHeldElsewhere(const std::string& path) {
    // Non-blocking: a FIFO in the file's place never holds the reader up.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    if (fd < 0) return false;
    flock request = writeLockRequest();
    const bool held =
        ownRegularFile(fd) && ::fcntl(fd, F_OFD_GETLK, &request) == 0 && request.l_type != F_UNLCK;
    ::close(fd);
    return held;
}

namespace {

// Temporary files of this file that a process which has ended (a crash)
// left behind: "<file>.tmp-<pid>-<n>" of a pid that runs no more.
void removeLeftovers(const std::string& path) {
    namespace fs = std::filesystem;
    const fs::path file(path);
    const std::string prefix = file.filename().string() + ".tmp-";
    std::error_code ec;
    fs::directory_iterator it(file.has_parent_path() ? file.parent_path() : fs::path("."), ec);
    for (int seen = 0; !ec && it != fs::directory_iterator() && seen < 4096;
         it.increment(ec), ++seen) {
        const std::string name = it->path().filename().string();
        if (name.rfind(prefix, 0) != 0) continue;
        const long pid = std::strtol(name.c_str() + prefix.size(), nullptr, 10);
        if (pid <= 0 || pid == ::getpid()) continue;
        if (::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH) {
            std::error_code ignored;
            fs::remove(it->path(), ignored);
        }
    }
}

}  // namespace

bool WriteFileAtomically(const std::string& path, const std::string& contents, unsigned mode) {
    if (path.empty()) return false;  // nowhere to put it (no runtime folder)
    static std::atomic<unsigned> counter{0};
    // The temporary name does not end like the file, so a collector that
    // reads "*.prom" never picks up a half-written one.
    std::string temp;
    int fd = -1;
    for (int tries = 0; tries < 16 && fd < 0; ++tries) {
        temp = path + ".tmp-" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
        fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd < 0 && errno != EEXIST) return false;
    }
    if (fd < 0) return false;
    // On disk before the rename: a crash leaves the old file or the new one.
    bool ok =
        ::fchmod(fd, static_cast<mode_t>(mode)) == 0 && writeAll(fd, contents) && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    ok = ok && ::rename(temp.c_str(), path.c_str()) == 0;
    if (!ok) ::unlink(temp.c_str());
    removeLeftovers(path);
    return ok;
}

std::optional<std::string> ReadOwnFile(const std::string& path, std::size_t maxBytes) {
    // Non-blocking: a FIFO in the file's place never holds the reader up.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    if (fd < 0) return std::nullopt;
    struct stat st {};
    std::optional<std::string> out;
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::getuid() &&
        static_cast<std::size_t>(st.st_size) <= maxBytes) {
        std::string data(maxBytes + 1, '\0');
        std::size_t got = 0;
        for (;;) {
            const ssize_t n = ::read(fd, data.data() + got, data.size() - got);
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) break;
            got += static_cast<std::size_t>(n);
            if (got == data.size()) break;
        }
        // A file that grew past the limit while being read is not taken.
        if (got <= maxBytes) out = data.substr(0, got);
    }
    ::close(fd);
    return out;
}

}  // namespace orvan::report
