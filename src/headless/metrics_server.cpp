#include "headless/metrics_server.h"

#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>

#include <httplib.h>

#include <thread>

namespace orvan::headless {
namespace {

constexpr const char* kMetricsType = "text/plain; version=0.0.4; charset=utf-8";

// Limits of a small endpoint that a monitoring system scrapes now and then.
// A client that is slow to send its request, or keeps an idle connection,
// holds a worker only briefly; enough workers stay free for a scrape.
constexpr std::size_t kWorkers = 16;
constexpr time_t kReadTimeoutSeconds = 1;
constexpr time_t kWriteTimeoutSeconds = 2;
constexpr time_t kKeepAliveSeconds = 1;
constexpr std::size_t kKeepAliveRequests = 10;
constexpr std::size_t kLargestBody = 1024;

bool methodServed(const std::string& method) {
    return method == "GET" || method == "HEAD";
}

// Only this process may listen on the port: a second server must fail, not
// share it (no SO_REUSEPORT).
void socketOptions(socket_t sock) {
    int yes = 1;
    setsockopt(sock, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof(yes));
    setsockopt(sock, IPPROTO_TCP, TCP_NODELAY, &yes, sizeof(yes));
}

}  // namespace

MetricsServer::MetricsServer(MetricsPoller& poller) : server_(std::make_unique<httplib::Server>()) {
    server_->new_task_queue = [] { return new httplib::ThreadPool(kWorkers); };
    server_->set_socket_options(socketOptions);
    server_->set_read_timeout(kReadTimeoutSeconds, 0);
    server_->set_write_timeout(kWriteTimeoutSeconds, 0);
    server_->set_keep_alive_timeout(kKeepAliveSeconds);
    server_->set_keep_alive_max_count(kKeepAliveRequests);
    server_->set_payload_max_length(kLargestBody);
    // Anything but GET and HEAD is answered before its body is read, and the
    // connection closes, so no body is ever read, kept or decompressed.
    server_->set_pre_routing_handler([](const httplib::Request& req, httplib::Response& res) {
        if (methodServed(req.method)) return httplib::Server::HandlerResponse::Unhandled;
        res.status = 405;
        res.set_header("Allow", "GET, HEAD");
        res.set_header("Connection", "close");
        res.set_content("Only GET and HEAD are served.\n", "text/plain");
        return httplib::Server::HandlerResponse::Handled;
    });
    server_->Get("/metrics", [&poller](const httplib::Request&, httplib::Response& res) {
        res.set_content(poller.scrape(), kMetricsType);
    });
    server_->Get("/", [](const httplib::Request&, httplib::Response& res) {
        res.set_content("Card printer metrics are at /metrics\n", "text/plain");
    });
}

MetricsServer::~MetricsServer() = default;

int MetricsServer::bind(const ListenAddress& address) {
    if (address.port == 0) return server_->bind_to_any_port(address.host.c_str());
    return server_->bind_to_port(address.host.c_str(), address.port) ? address.port : -1;
}

bool MetricsServer::serve() {
    serving_ = true;
    const bool served = stopRequested_ || server_->listen_after_bind();
    serving_ = false;
    return served;
}

// A stop that comes before the server runs must still end it: the library's
// own stop does nothing until then.
void MetricsServer::stop() {
    stopRequested_ = true;
    while (serving_ && !server_->is_running()) std::this_thread::yield();
    server_->stop();
}

}  // namespace orvan::headless
