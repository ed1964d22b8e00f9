#include "headless/metrics_server.h"
#include "ui/ascii_case.h"

#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <openssl/err.h>
#include <openssl/ssl.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <chrono>
#include <string>
#include <vector>

namespace orvan::headless {
namespace {

using Clock = std::chrono::steady_clock;

constexpr const char* kMetricsType = "text/plain; version=0.0.4; charset=utf-8";

// Limits of a small endpoint that a monitoring system scrapes now and then.
// One thread serves every connection without ever blocking on one, so a
// client that is slow, idle or hostile holds nothing up; what it may send and
// how long it may take are bounded.
constexpr std::size_t kLongestRequestHead = 8 * 1024;  // request line and headers
constexpr std::size_t kMostConnections = 64;
constexpr auto kRequestTime = std::chrono::seconds(2);   // to send the request head
constexpr auto kResponseTime = std::chrono::seconds(5);  // to take the answer

// Once answered, what the client still sends (a body nobody asked for) is
// read and dropped up to this much, so that closing does not reset the
// connection under the answer.
constexpr std::size_t kMostDrained = 1024 * 1024;

// After a failed socket or TLS call: the connection only has to wait.
bool onlyWaiting() {
    return errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR;
}

void setNonBlocking(int fd) {
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
}

std::string response(int status, const char* reason, const std::string& type,
                     const std::string& body, bool head, const char* extra = "") {
    std::string out = "HTTP/1.1 " + std::to_string(status) + " " + reason +
                      "\r\nContent-Type: " + type +
                      "\r\nContent-Length: " + std::to_string(body.size()) + "\r\n" + extra +
                      "Connection: close\r\n\r\n";
    if (!head) out += body;
    return out;
}

// The value of a header (its name in lower case), "" when absent.
std::string headerValue(const std::string& head, const std::string& name) {
    std::size_t at = head.find("\r\n");
    while (at != std::string::npos && at + 2 < head.size()) {
        const std::size_t start = at + 2, end = head.find("\r\n", start);
        const std::string line = head.substr(start, end - start);
        const auto colon = line.find(':');
        if (colon == name.size() && ui::equalsIgnoringCase(name, line.substr(0, colon))) {
            const auto value = line.find_first_not_of(' ', colon + 1);
            return value == std::string::npos ? "" : line.substr(value);
        }
        at = end;
    }
    return {};
}

// 0.0.0.0 or ::, however the address was written.
bool unspecified(const sockaddr& a) {
    if (a.sa_family == AF_INET)
        return reinterpret_cast<const sockaddr_in&>(a).sin_addr.s_addr == htonl(INADDR_ANY);
    if (a.sa_family == AF_INET6)
        return IN6_IS_ADDR_UNSPECIFIED(&reinterpret_cast<const sockaddr_in6&>(a).sin6_addr);
    return false;
}

}  // namespace

struct MetricsServer::Connection {
    int fd = -1;
    SSL* tls = nullptr;
    bool handshaken = false;
    bool wantWrite = false;  // TLS waits to write before it can go on
    std::string in, out;
    std::size_t sent = 0, drained = 0;
    Clock::time_point deadline;
    bool answering() const { return !out.empty() && sent < out.size(); }
    bool answered() const { return !out.empty() && sent >= out.size(); }
};

struct MetricsServer::Loop {
    SSL_CTX* tls = nullptr;
    int listener = -1;
    Clock::time_point listenerPausedUntil;  // out of descriptors: accept later
    int wake[2] = {-1, -1};                 // stop() writes here
    std::vector<Connection> connections;
};

MetricsServer::MetricsServer(MetricsPoller& poller) : poller_(poller), loop_(new Loop) {
    if (::pipe2(loop_->wake, O_CLOEXEC | O_NONBLOCK) != 0) loop_->wake[0] = loop_->wake[1] = -1;
}

MetricsServer::~MetricsServer() {
    for (auto& c : loop_->connections) close(c);
    if (loop_->tls) SSL_CTX_free(loop_->tls);
    for (int fd : {loop_->listener, loop_->wake[0], loop_->wake[1]})
        if (fd >= 0) ::close(fd);
}

// Only this process may listen on the port: a second server must fail, not
// share it (SO_REUSEADDR only lets a restart reuse a port in TIME_WAIT).
int MetricsServer::bind(const ListenAddress& address, bool anyAddress) {
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_flags = AI_PASSIVE | AI_NUMERICSERV;
    addrinfo* found = nullptr;
    const std::string port = std::to_string(address.port);
    if (::getaddrinfo(address.host.c_str(), port.c_str(), &hints, &found) != 0) return -1;
    int fd = -1;
    for (addrinfo* a = found; a && fd < 0; a = a->ai_next) {
        if (!anyAddress && unspecified(*a->ai_addr)) continue;
        fd = ::socket(a->ai_family, a->ai_socktype | SOCK_CLOEXEC, a->ai_protocol);
        if (fd < 0) continue;
        int yes = 1;
        ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof(yes));
        if (::bind(fd, a->ai_addr, a->ai_addrlen) != 0 || ::listen(fd, 64) != 0) {
            ::close(fd);
            fd = -1;
        }
    }
    ::freeaddrinfo(found);
    if (fd < 0) return -1;
    setNonBlocking(fd);
    sockaddr_storage bound{};
    socklen_t length = sizeof(bound);
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&bound), &length);
    loop_->listener = fd;
    return ntohs(bound.ss_family == AF_INET6 ? reinterpret_cast<sockaddr_in6&>(bound).sin6_port
                                             : reinterpret_cast<sockaddr_in&>(bound).sin_port);
}

void MetricsServer::stop() {
    stopRequested_ = true;
    if (loop_->wake[1] >= 0) {
        const char byte = 1;
        [[maybe_unused]] const auto n = ::write(loop_->wake[1], &byte, 1);
    }
}

bool MetricsServer::useWebConfig(const WebConfig& config, std::string& why) {
    web_ = config;
    if (!config.tls()) return true;
    SSL_CTX* ctx = SSL_CTX_new(TLS_server_method());
    if (!ctx || !SSL_CTX_set_min_proto_version(ctx, TLS1_2_VERSION) ||
        SSL_CTX_use_certificate_chain_file(ctx, config.certFile.c_str()) != 1 ||
        SSL_CTX_use_PrivateKey_file(ctx, config.keyFile.c_str(), SSL_FILETYPE_PEM) != 1 ||
        SSL_CTX_check_private_key(ctx) != 1) {
        why = "cannot use the certificate " + config.certFile + " with the key " + config.keyFile;
        if (ctx) SSL_CTX_free(ctx);
        ERR_clear_error();
        return false;
    }
    loop_->tls = ctx;
    return true;
}

void MetricsServer::close(Connection& c) {
    if (c.tls) SSL_free(c.tls);
    c.tls = nullptr;
    if (c.fd >= 0) ::close(c.fd);
    c.fd = -1;
}

namespace {

// A TLS call's outcome as the plain socket calls give it: the count, 0 at
// the end, or -1 with errno EAGAIN while it waits.
long tlsOutcome(SSL* tls, int result, bool& wantWrite) {
    if (result > 0) return result;
    const int error = SSL_get_error(tls, result);
    ERR_clear_error();
    wantWrite = error == SSL_ERROR_WANT_WRITE;
    if (error == SSL_ERROR_WANT_READ || error == SSL_ERROR_WANT_WRITE) {
        errno = EAGAIN;
        return -1;
    }
    if (error == SSL_ERROR_ZERO_RETURN) return 0;
    errno = EPROTO;
    return -1;
}

}  // namespace

long MetricsServer::receiveSome(Connection& c, char* buffer, std::size_t size) {
    if (!c.tls) return ::recv(c.fd, buffer, size, 0);
    if (!c.handshaken) {
        const long r = tlsOutcome(c.tls, SSL_accept(c.tls), c.wantWrite);
        if (r <= 0) return r == 0 ? -1 : r;
        c.handshaken = true;
    }
    return tlsOutcome(c.tls, SSL_read(c.tls, buffer, static_cast<int>(size)), c.wantWrite);
}

long MetricsServer::sendSome(Connection& c, const char* data, std::size_t size) {
    if (!c.tls) return ::send(c.fd, data, size, MSG_NOSIGNAL);
    return tlsOutcome(c.tls, SSL_write(c.tls, data, static_cast<int>(size)), c.wantWrite);
}

// The answer to a complete request head: GET and HEAD of "/metrics" and "/"
// only; anything else is refused without reading a body.
std::string MetricsServer::answer(const std::string& head) const {
    const auto lineEnd = head.find("\r\n");
    const std::string line = head.substr(0, lineEnd);
    const auto firstSpace = line.find(' ');
    const auto secondSpace = line.find(' ', firstSpace + 1);
    if (firstSpace == std::string::npos || secondSpace == std::string::npos ||
        line.compare(secondSpace + 1, 5, "HTTP/") != 0)
        return response(400, "Bad Request", "text/plain", "Bad request.\n", false);
    const std::string method = line.substr(0, firstSpace);
    const std::string target = line.substr(firstSpace + 1, secondSpace - firstSpace - 1);
    const bool head_ = method == "HEAD";
    if (method != "GET" && !head_)
        return response(405, "Method Not Allowed", "text/plain", "Only GET and HEAD are served.\n",
                        false, "Allow: GET, HEAD\r\n");
    if (web_.passwords() && !CheckBasicAuth(web_, headerValue(head, "authorization")))
        return response(401, "Unauthorized", "text/plain", "Unauthorized.\n", head_,
                        "WWW-Authenticate: Basic realm=\"orvan-status\", charset=\"UTF-8\"\r\n");
    const std::string path = target.substr(0, target.find('?'));
    if (path == "/metrics") return response(200, "OK", kMetricsType, poller_.scrape(), head_);
    if (path == "/")
        return response(200, "OK", "text/plain", "Card printer metrics are at /metrics\n", head_);
    return response(404, "Not Found", "text/plain", "Not found.\n", head_);
}

void MetricsServer::accept() {
    auto& connections = loop_->connections;
    for (;;) {
        const int fd = ::accept4(loop_->listener, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (fd < 0) {
            // Out of descriptors: the listener stays readable; wait a while
            // rather than spin on it.
            if (errno == EMFILE || errno == ENFILE)
                loop_->listenerPausedUntil = Clock::now() + std::chrono::seconds(1);
            return;
        }
        const auto open = std::count_if(connections.begin(), connections.end(),
                                        [](const Connection& c) { return c.fd >= 0; });
        if (static_cast<std::size_t>(open) >= kMostConnections) {
            // Full: the client that has been sending its request longest
            // makes room, so slow clients cannot keep a scrape out.
            auto oldest = connections.end();
            for (auto it = connections.begin(); it != connections.end(); ++it)
                if (it->fd >= 0 && it->out.empty() &&
                    (oldest == connections.end() || it->deadline < oldest->deadline))
                    oldest = it;
            if (oldest == connections.end()) {
                ::close(fd);
                continue;
            }
            // Closed here, removed after this round (the round's indexes stay).
            close(*oldest);
        }
        Connection c;
        c.fd = fd;
        c.deadline = Clock::now() + kRequestTime;
        if (loop_->tls) {
            c.tls = SSL_new(loop_->tls);
            if (!c.tls || SSL_set_fd(c.tls, fd) != 1) {
                close(c);
                continue;
            }
            SSL_set_accept_state(c.tls);
        }
        connections.push_back(std::move(c));
    }
}

// Reads what came; once the head is complete the answer replaces it. False
// when the connection is done with.
bool MetricsServer::readFrom(Connection& c) {
    char buffer[2048];
    for (;;) {
        const long n = receiveSome(c, buffer, sizeof(buffer));
        if (n == 0) return false;
        if (n < 0) return onlyWaiting();
        c.in.append(buffer, static_cast<std::size_t>(std::min<ssize_t>(
                                n, static_cast<ssize_t>(kLongestRequestHead + 4 - c.in.size()))));
        const auto end = c.in.find("\r\n\r\n");
        if (end != std::string::npos) {
            c.out = answer(c.in.substr(0, end + 2));
        } else if (c.in.size() > kLongestRequestHead) {
            c.out = response(431, "Request Header Fields Too Large", "text/plain",
                             "The request head is too large.\n", false);
        } else {
            continue;
        }
        c.in.clear();
        c.in.shrink_to_fit();
        c.deadline = Clock::now() + kResponseTime;
        return true;
    }
}

bool MetricsServer::writeTo(Connection& c) {
    while (c.sent < c.out.size()) {
        const long n = sendSome(c, c.out.data() + c.sent, c.out.size() - c.sent);
        if (n < 0) return onlyWaiting();
        c.sent += static_cast<std::size_t>(n);
    }
    if (c.tls) {
        SSL_shutdown(c.tls);  // close_notify; the peer's is not waited for
        ERR_clear_error();
    }
    ::shutdown(c.fd, SHUT_WR);
    return true;  // answered: drained until the client closes
}

bool MetricsServer::drain(Connection& c) {
    char buffer[4096];
    for (;;) {
        const long n = receiveSome(c, buffer, sizeof(buffer));
        if (n == 0) return false;
        if (n < 0) return onlyWaiting();
        c.drained += static_cast<std::size_t>(n);
        if (c.drained > kMostDrained) return false;
    }
}

bool MetricsServer::serve() {
    if (loop_->listener < 0) return false;
    auto& connections = loop_->connections;
    while (!stopRequested_) {
        const bool listening = Clock::now() >= loop_->listenerPausedUntil;
        std::vector<pollfd> watched{{listening ? loop_->listener : -1, POLLIN, 0},
                                    {loop_->wake[0], POLLIN, 0}};
        auto next = Clock::now() + std::chrono::seconds(1);
        for (const auto& c : connections) {
            const bool out = c.wantWrite || c.answering();
            watched.push_back({c.fd, static_cast<short>(out ? POLLOUT : POLLIN), 0});
            next = std::min(next, c.deadline);
        }
        const auto wait = std::chrono::ceil<std::chrono::milliseconds>(next - Clock::now()).count();
        if (::poll(watched.data(), watched.size(), static_cast<int>(std::max<long>(wait, 0))) < 0 &&
            errno != EINTR)
            return false;
        if (stopRequested_) break;
        if (watched[0].revents & POLLIN) accept();
        const auto now = Clock::now();
        // Connections accepted just now are not in `watched`; they wait a round.
        for (std::size_t i = 0; i + 2 < watched.size(); ++i) {
            Connection& c = connections[i];
            if (c.fd < 0) continue;  // made room for a newer one
            const short events = watched[i + 2].revents;
            bool open = now < c.deadline && !(events & POLLERR);
            // Readable, or writable for a TLS handshake that waited to write.
            const bool ready = events & (POLLIN | POLLOUT);
            if (open && c.answered()) {
                open = !(events & POLLHUP) && (!ready || drain(c));
            } else if (open && !c.answering()) {
                open = !(events & POLLHUP) && (!ready || readFrom(c));
            }
            if (open && c.answering()) open = writeTo(c);
            if (!open) close(c);
        }
        std::erase_if(connections, [](const Connection& c) { return c.fd < 0; });
    }
    return true;
}

}  // namespace orvan::headless
