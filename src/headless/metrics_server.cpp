#include "headless/metrics_server.h"

#include <httplib.h>

namespace orvan::headless {
namespace {

constexpr const char* kMetricsType = "text/plain; version=0.0.4; charset=utf-8";
// Scrapes wait for one another at the poller anyway.
constexpr std::size_t kWorkers = 2;

}  // namespace

MetricsServer::MetricsServer(MetricsPoller& poller) : server_(std::make_unique<httplib::Server>()) {
    server_->new_task_queue = [] { return new httplib::ThreadPool(kWorkers); };
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
    return server_->listen_after_bind();
}

void MetricsServer::stop() {
    server_->stop();
}

}  // namespace orvan::headless
