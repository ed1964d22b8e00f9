#include "cli/monitor_handoff.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <thread>

#include "report/runtime_files.h"
#include "shell/platform.h"

namespace orvan::cli {
namespace {

using Clock = std::chrono::steady_clock;

class Socket {
  public:
    Socket() : fd_(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0)) {}
    ~Socket() {
        if (fd_ >= 0) ::close(fd_);
    }
    Socket(const Socket&) = delete;
    Socket& operator=(const Socket&) = delete;
    int fd() const { return fd_; }

  private:
    int fd_;
};

bool sendAll(int fd, const std::string& text) {
    std::size_t sent = 0;
    while (sent < text.size()) {
        const ssize_t n = ::send(fd, text.data() + sent, text.size() - sent, MSG_NOSIGNAL);
        if (n <= 0) return false;
        sent += static_cast<std::size_t>(n);
    }
    return true;
}

// Reads until the monitor closes, within the size and time limits.
std::optional<std::string> readAnswer(int fd) {
    std::string text;
    const auto deadline = Clock::now() + std::chrono::seconds(kAnswerWaitSeconds);
    char buffer[16384];
    while (Clock::now() < deadline) {
        pollfd p{fd, POLLIN, 0};
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (::poll(&p, 1, static_cast<int>(left.count())) <= 0) return std::nullopt;
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0) return std::nullopt;
        if (n == 0) return text;
        text.append(buffer, static_cast<std::size_t>(n));
        if (text.size() > settings_file::kMaxAnswerBytes) return std::nullopt;
    }
    return std::nullopt;
}

Handoff askOnce(const settings_file::SettingsRequest& request, const std::string& path) {
    Socket socket;
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (socket.fd() < 0 || path.size() >= sizeof address.sun_path)
        return {Handoff::Outcome::Failed, {}, "cannot reach the monitor's socket"};
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    if (::connect(socket.fd(), reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0)
        return {Handoff::Outcome::Failed, {}, "the monitor is running but does not answer"};
    if (!sendAll(socket.fd(), settings_file::encodeRequest(request)))
        return {Handoff::Outcome::Failed, {}, "the monitor did not take the job"};
    const auto text = readAnswer(socket.fd());
    const auto answer = text ? settings_file::decodeAnswer(*text) : std::nullopt;
    if (!answer)
        return {Handoff::Outcome::Failed,
                {},
                "the monitor gave no answer in time; it may still be carrying the job out (its "
                "window shows the printer it waits for)"};
    return {Handoff::Outcome::Answered, *answer, ""};
}

}  // namespace

Handoff handToMonitor(const settings_file::SettingsRequest& request) {
    const std::string lock = report::RuntimePath(report::kInstanceLockName);
    if (lock.empty() || !report::LockHeldElsewhere(lock)) return {};
    const std::string path = report::RuntimePath(shell::kForwardSocketName);
    const auto giveUp = Clock::now() + std::chrono::seconds(kBusyRetrySeconds);
    for (;;) {
        Handoff h = askOnce(request, path);
        const bool busy = h.outcome == Handoff::Outcome::Answered &&
                          h.answer.problem == settings_file::kMonitorBusy;
        if (!busy || Clock::now() >= giveUp) return h;
        std::this_thread::sleep_for(std::chrono::seconds(1));
    }
}

}  // namespace orvan::cli
