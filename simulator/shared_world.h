#pragma once
// One simulated world for every process that loads a stand-in library: what
// a settings tool writes, the monitor started after it reads. The world lives
// in a state file beside the control file. Each call takes it under a lock,
// reads it again when another process changed it, applies the new control
// lines, runs, and writes it back (whole, through a rename) when anything
// changed. A missing or unreadable state file means the default printers.
#include <sys/stat.h>

#include <chrono>
#include <cstdint>
#include <string>
#include <utility>

#include "simulator/control_journal.h"
#include "simulator/simulated_printers.h"

namespace orvan::sim {

class SharedWorld {
  public:
    // A lock held longer than this (a process stopped in the middle of a
    // call) is passed by: the call then runs on what this process last saw,
    // and nothing is saved.
    static constexpr std::chrono::milliseconds kDefaultLockWait{3000};

    explicit SharedWorld(std::string controlPath,
                         std::chrono::milliseconds lockWait = kDefaultLockWait);
    ~SharedWorld();
    SharedWorld(const SharedWorld&) = delete;
    SharedWorld& operator=(const SharedWorld&) = delete;

    // The control file's path with ".state" and ".lock" added.
    static std::string statePath(const std::string& controlPath);
    static std::string lockPath(const std::string& controlPath);

    SimulatedPrinters& printers() { return world_; }
    const ControlJournal& journal() const { return journal_; }

    // Runs `call(printers())` with the world current, and shares what it changed.
    template <class Call>
    auto run(Call&& call) {
        Turn turn(*this);
        auto result = std::forward<Call>(call)(world_);
        turn.share();
        return result;
    }

  private:
    // What tells one version of the state file from another.
    struct FileIdentity {
        bool present = false;
        std::uint64_t device = 0, inode = 0, size = 0, generation = 0;
        std::int64_t changedSeconds = 0, changedNanoseconds = 0;  // an edit in place
        bool operator==(const FileIdentity&) const = default;
    };

    // One call's hold on the world: locked and current from construction,
    // unlocked at the end.
    class Turn {
      public:
        explicit Turn(SharedWorld& world);
        ~Turn();
        Turn(const Turn&) = delete;
        Turn& operator=(const Turn&) = delete;
        void share();

      private:
        SharedWorld& world_;
        bool locked_;
    };

    enum class Hold {
        Locked,
        Busy,      // another process kept the lock past the wait
        Unshared,  // no lock file can be had: this process keeps a world of its own
    };
    Hold lock();
    static FileIdentity identity(const struct stat& st, std::uint64_t generation);
    void unlock();
    // Loads the state file when it is not the one this process saw last.
    void refresh();
    void startFromDefaults(FileIdentity seen);
    void save();

    std::string statePath_;
    std::string lockPath_;
    std::chrono::milliseconds lockWait_;
    SimulatedPrinters world_;
    ControlJournal journal_;
    int lockFd_ = -1;
    FileIdentity seen_;
    bool stale_ = false;  // changed without the lock: read the file again
    Bytes saved_;         // the state as last loaded or saved
};

}  // namespace orvan::sim
