#pragma once
// The files by which the monitor and orvan-status of one user find each
// other in the user's runtime directory: the monitor's single-instance lock,
// the status it publishes, and the lock held by whoever is driving the
// printers, so that two programs never talk to one printer at once.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace orvan::report {

inline constexpr const char* kInstanceLockName = "orvan-status-monitor.lock";
inline constexpr const char* kStatusFileName = "orvan-status-monitor.status.json";
inline constexpr const char* kPrinterAccessLockName = "orvan-printer-access.lock";

// The user's private runtime directory: $XDG_RUNTIME_DIR, else
// /run/user/<uid> when it is this user's own folder with mode 0700 (so a cron
// job without the variable still finds the user's monitor). Never a shared
// folder such as /tmp: nullopt, with why in `why`, when there is none.
std::optional<std::string> RuntimeDirectory(std::string* why = nullptr);

// <runtime directory>/<name>; "" when there is no runtime directory.
std::string RuntimePath(const std::string& name);

// A write lock on a file, held until the object goes (open file description
// locks: two holders in one process exclude each other too).
class FileLock {
  public:
    FileLock(FileLock&& other) noexcept;
    FileLock& operator=(FileLock&& other) noexcept;
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;
    ~FileLock();

    // Takes the lock, trying again every few milliseconds for up to waitMs;
    // nullopt when someone else still holds it then, or when it could not be
    // taken at all (no such folder, a file of another user or not a regular
    // file): a lock not taken is never counted as held.
    static std::optional<FileLock> acquire(const std::string& path, int waitMs);

  private:
    explicit FileLock(int fd) : fd_(fd) {}
    int fd_ = -1;
};

// Whether another open file holds a write lock on path; it takes nothing.
// A file that is not this user's own regular file is not trusted: false.
bool LockHeldElsewhere(const std::string& path);

// Writes contents to path through a temporary file in the same folder and a
// rename, so a reader sees the old or the new file, never part of one.
bool WriteFileAtomically(const std::string& path, const std::string& contents, unsigned mode);

// The contents of a regular file owned by this user, at most maxBytes;
// nullopt for anything else (missing, too big, someone else's, a link).
std::optional<std::string> ReadOwnFile(const std::string& path, std::size_t maxBytes);

}  // namespace orvan::report
