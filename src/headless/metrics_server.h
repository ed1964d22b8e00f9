#pragma once
// The HTTP side of `orvan-status --serve`: GET /metrics in the Prometheus
// text format, on the one address given. The HTTP work is cpp-httplib's.
#include <atomic>
#include <memory>

#include "headless/cli_options.h"
#include "headless/metrics_poller.h"

namespace httplib {
class Server;
}

namespace orvan::headless {

class MetricsServer {
  public:
    explicit MetricsServer(MetricsPoller& poller);
    ~MetricsServer();
    MetricsServer(const MetricsServer&) = delete;
    MetricsServer& operator=(const MetricsServer&) = delete;

    // Binds the address; returns the port listened on (the one chosen when
    // 0 was asked), or -1 when the address cannot be bound.
    int bind(const ListenAddress& address);
    // Serves until stop(); false when it could not.
    bool serve();
    // From any thread.
    void stop();

  private:
    std::unique_ptr<httplib::Server> server_;
    std::atomic<bool> serving_{false}, stopRequested_{false};
};

}  // namespace orvan::headless
