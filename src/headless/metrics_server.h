#pragma once
// The HTTP side of `orvan-status --serve`: GET /metrics in the Prometheus
// text format, on the one address given. A small HTTP/1.1 server of its own:
// GET and HEAD only, one answer per connection, every request's size and
// time bounded, one thread that never waits on a client.
#include <atomic>
#include <memory>
#include <string>

#include "headless/cli_options.h"
#include "headless/metrics_poller.h"
#include "headless/web_config.h"

namespace orvan::headless {

class MetricsServer {
  public:
    explicit MetricsServer(MetricsPoller& poller);
    ~MetricsServer();
    MetricsServer(const MetricsServer&) = delete;
    MetricsServer& operator=(const MetricsServer&) = delete;

    // Binds the address; returns the port listened on (the one chosen when
    // 0 was asked), or -1 when the address cannot be bound (in use, or not
    // this machine's) or is every address of the machine however it is
    // written ("0", "[::0]") and anyAddress does not allow that.
    int bind(const ListenAddress& address, bool anyAddress = false);
    // Serves until stop(); false when it could not.
    bool serve();
    // From any thread; a stop before serve() began ends it at once too.
    void stop();
    // TLS and basic-auth users from a web configuration; false with why when
    // the certificate or key cannot be used. Before serve().
    bool useWebConfig(const WebConfig& config, std::string& why);

  private:
    struct Connection;
    struct Loop;
    std::string answer(const std::string& head) const;
    void accept();
    bool readFrom(Connection& c);
    bool writeTo(Connection& c);
    bool drain(Connection& c);
    long receiveSome(Connection& c, char* buffer, std::size_t size);
    long sendSome(Connection& c, const char* data, std::size_t size);
    void close(Connection& c);

    MetricsPoller& poller_;
    std::unique_ptr<Loop> loop_;
    std::atomic<bool> stopRequested_{false};
    WebConfig web_;
};

}  // namespace orvan::headless
