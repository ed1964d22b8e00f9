#pragma once
// What the shell asks of the operating system: the administrator test, the
// single-instance lock, file existence and where the program lives.
#include <memory>
#include <optional>
#include <string>

#include "report/runtime_files.h"

namespace orvan::shell {

class Platform {
  public:
    virtual ~Platform() = default;
    // Root, or a member of the printer administrators' group.
    virtual bool isAdministrator() = 0;
    // Takes the single-instance lock; false when another copy holds it.
    virtual bool acquireInstanceLock() = 0;
    // Asks the copy that holds the lock to bring its window forward; false
    // when no copy answered.
    virtual bool askRunningCopyForward() { return false; }
    virtual bool fileExists(const std::string& path) = 0;
    // The directory the port libraries are installed in.
    virtual std::string systemLibraryDirectory() = 0;
    virtual std::string currentDirectory() = 0;
};

// The real thing on a POSIX system.
class PosixPlatform : public Platform {
  public:
    // lockName names the lock file in the user's runtime directory.
    explicit PosixPlatform(std::string lockName = report::kInstanceLockName);
    ~PosixPlatform() override;
    // The instance lock's holder drives the printers: it also takes the
    // printer-access lock, waiting up to this long for an orvan-status round
    // in progress to end.
    static constexpr int kPrinterAccessWaitMs = 15000;
    bool isAdministrator() override;
    bool acquireInstanceLock() override;
    bool askRunningCopyForward() override;
    bool fileExists(const std::string& path) override;
    std::string systemLibraryDirectory() override;
    std::string currentDirectory() override;

  private:
    std::string lockName_;
    std::optional<report::FileLock> instanceLock_;
    std::optional<report::FileLock> printerAccess_;
};

// Where the running copy listens for a second start's request to come
// forward: a local socket in the user's runtime directory.
inline constexpr const char* kForwardSocketName = "orvan-status-monitor.sock";
// What a second start sends there.
inline constexpr const char* kForwardRequest = "forward\n";

// The group whose members may change printer settings.
inline constexpr const char* kPrinterAdminGroup = "lpadmin";

// The directory holding the running executable ("" when unknown).
std::string executableDirectory();
std::string executablePath();

}  // namespace orvan::shell
