#include "simulator/shared_world.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <random>
#include <thread>

#include "simulator/file_descriptor.h"
#include "simulator/world_codec.h"

namespace orvan::sim {
namespace {

constexpr int kOpenFlags = O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK;

// Only our own plain file, of a size a state can have.
bool trusted(const struct stat& st) {
    return S_ISREG(st.st_mode) && st.st_uid == ::geteuid() &&
           static_cast<std::uint64_t>(st.st_size) <= WorldCodec::kMaxEncodedSize;
}

bool readAll(int fd, std::span<std::uint8_t> out) {
    std::size_t done = 0;
    while (done < out.size()) {
        const ssize_t got =
            ::pread(fd, out.data() + done, out.size() - done, static_cast<off_t>(done));
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) return false;
        done += static_cast<std::size_t>(got);
    }
    return true;
}

bool writeAll(int fd, std::span<const std::uint8_t> bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t put = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (put < 0 && errno == EINTR) continue;
        if (put <= 0) return false;
        done += static_cast<std::size_t>(put);
    }
    return true;
}

// A fresh chain of saves starts at a random generation, so a file deleted
// and written again is never taken for the one a process saw before.
std::uint64_t firstGeneration() {
    std::random_device random;
    return (std::uint64_t{random()} << 32) | random();
}

}  // namespace

SharedWorld::FileIdentity SharedWorld::identity(const struct stat& st, std::uint64_t generation) {
    return {
        true,       st.st_dev,         st.st_ino,         static_cast<std::uint64_t>(st.st_size),
        generation, st.st_mtim.tv_sec, st.st_mtim.tv_nsec};
}

SharedWorld::SharedWorld(std::string controlPath, std::chrono::milliseconds lockWait)
    : statePath_(statePath(controlPath)),
      lockPath_(lockPath(controlPath)),
      lockWait_(lockWait),
      world_(defaultScenario()),
      journal_(std::move(controlPath)) {}

SharedWorld::~SharedWorld() {
    if (lockFd_ >= 0) ::close(lockFd_);
}

std::string SharedWorld::statePath(const std::string& controlPath) {
    return controlPath + ".state";
}

std::string SharedWorld::lockPath(const std::string& controlPath) {
    return controlPath + ".lock";
}

SharedWorld::Turn::Turn(SharedWorld& world) : world_(world), locked_(false) {
    switch (world.lock()) {
        case Hold::Locked:
            locked_ = true;
            world.refresh();
            break;
        case Hold::Busy:
            // Unsure what the others did meanwhile: read the file again next
            // time, and leave the control lines to the lock's holder.
            world.stale_ = true;
            return;
        case Hold::Unshared:
            break;
    }
    world.journal_.poll(world.world_);
}

SharedWorld::Turn::~Turn() {
    if (locked_) world_.unlock();
}

void SharedWorld::Turn::share() {
    if (locked_) world_.save();
}

SharedWorld::Hold SharedWorld::lock() {
    if (lockFd_ < 0) {
        lockFd_ = ::open(lockPath_.c_str(), O_RDWR | O_CREAT | kOpenFlags, 0600);
        struct stat st {};
        if (lockFd_ >= 0 && (::fstat(lockFd_, &st) != 0 || !trusted(st))) {
            ::close(lockFd_);
            lockFd_ = -1;
        }
        if (lockFd_ < 0) return Hold::Unshared;
    }
    const auto deadline = std::chrono::steady_clock::now() + lockWait_;
    while (::flock(lockFd_, LOCK_EX | LOCK_NB) != 0) {
        if (errno != EWOULDBLOCK && errno != EINTR) return Hold::Unshared;
        if (std::chrono::steady_clock::now() >= deadline) return Hold::Busy;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return Hold::Locked;
}

void SharedWorld::unlock() {
    ::flock(lockFd_, LOCK_UN);
}

void SharedWorld::refresh() {
    FileDescriptor fd(::open(statePath_.c_str(), O_RDONLY | kOpenFlags));
    struct stat st {};
    if (fd.get() < 0 || ::fstat(fd.get(), &st) != 0) {
        startFromDefaults({});
        return;
    }
    FileIdentity found = identity(st, 0);
    std::uint8_t header[WorldCodec::kHeaderSize] = {};
    const bool ours = trusted(st) && readAll(fd.get(), header);
    const auto generation = ours ? WorldCodec::generation(header) : std::nullopt;
    if (!generation) {
        startFromDefaults(found);
        return;
    }
    found.generation = *generation;
    if (found == seen_ && !stale_) return;
    Bytes bytes(found.size);
    auto state = readAll(fd.get(), bytes) ? WorldCodec::decode(bytes) : std::nullopt;
    if (!state) {
        startFromDefaults(found);
        return;
    }
    world_.replacePrinters(std::move(state->printers));
    journal_.setPosition(std::move(state->journal));
    saved_ = std::move(bytes);
    seen_ = found;
    stale_ = false;
}

// A file that is gone or not a state of ours: the default printers, and
// the control file applied from its start, as in a new world.
void SharedWorld::startFromDefaults(FileIdentity seen) {
    if (seen == seen_ && !stale_) return;
    world_.replacePrinters(defaultScenario());
    journal_.setPosition({});
    saved_.clear();
    seen_ = seen;
    stale_ = false;
}

void SharedWorld::save() {
    const std::uint64_t generation =
        seen_.present && !saved_.empty() ? seen_.generation : firstGeneration();
    if (!saved_.empty() && WorldCodec::encode(world_, journal_.position(), generation) == saved_)
        return;
    Bytes bytes = WorldCodec::encode(world_, journal_.position(), generation + 1);
    if (bytes.size() > WorldCodec::kMaxEncodedSize) return;
    const std::string temporary = statePath_ + ".tmp" + std::to_string(::getpid());
    ::unlink(temporary.c_str());  // left by a process that ended while saving
    FileDescriptor fd(::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | kOpenFlags, 0600));
    struct stat st {};
    if (fd.get() < 0) return;
    if (!writeAll(fd.get(), bytes) || ::fstat(fd.get(), &st) != 0 ||
        std::rename(temporary.c_str(), statePath_.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return;
    }
    seen_ = identity(st, generation + 1);
    saved_ = std::move(bytes);
}

}  // namespace orvan::sim
