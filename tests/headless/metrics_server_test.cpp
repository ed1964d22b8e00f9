// The metrics endpoint on loopback holds under slow clients and hostile
// requests: a scrape is answered at once while others trickle or idle, a
// wrong method is refused before its body is read, a large body or a flood
// of headers costs next to no memory, and a busy port is refused. Every client here is bounded in
// time and bytes.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "headless/metrics_poller.h"
#include "headless/metrics_server.h"
#include "headless/survey_rig.h"
#include "profile/scratch_dir.h"

namespace orvan::testing {
namespace {

using Clock = std::chrono::steady_clock;

// A loopback connection with every wait bounded.
class Connection {
  public:
    explicit Connection(int port) : fd_(::socket(AF_INET, SOCK_STREAM, 0)) {
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_port = htons(static_cast<std::uint16_t>(port));
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        connected_ = ::connect(fd_, reinterpret_cast<sockaddr*>(&a), sizeof(a)) == 0;
    }
    ~Connection() { ::close(fd_); }
    bool connected() const { return connected_; }
    // False once the server has closed or the wait ran out.
    bool send(const std::string& bytes, int waitMs = 2000) {
        std::size_t sent = 0;
        while (sent < bytes.size()) {
            pollfd p{fd_, POLLOUT, 0};
            if (::poll(&p, 1, waitMs) <= 0) return false;
            const ssize_t n = ::send(fd_, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
            if (n <= 0) return false;
            sent += static_cast<std::size_t>(n);
        }
        return true;
    }
    // Everything until the server closes, or until waitMs have passed.
    std::string receive(int waitMs) {
        std::string got;
        const auto end = Clock::now() + std::chrono::milliseconds(waitMs);
        char buffer[4096];
        while (Clock::now() < end && got.size() < (1 << 20)) {
            pollfd p{fd_, POLLIN, 0};
            const auto left =
                std::chrono::duration_cast<std::chrono::milliseconds>(end - Clock::now()).count();
            if (::poll(&p, 1, static_cast<int>(std::max<long>(left, 0))) <= 0) break;
            const ssize_t n = ::recv(fd_, buffer, sizeof(buffer), 0);
            if (n <= 0) break;
            got.append(buffer, static_cast<std::size_t>(n));
        }
        return got;
    }

  private:
    int fd_;
    bool connected_ = false;
};

long residentKiB() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
    return 0;
}

struct ServedRig {
    ScratchDir runtime;
    SurveyRig printers;
    headless::StatusSource source{
        {runtime.file("monitor.lock"), runtime.file("status.json"), runtime.file("access.lock")},
        [this]() -> headless::PrinterSurvey& {
            return printers.survey ? *printers.survey : printers.make();
        },
        0};
    headless::MetricsPoller poller{source, all(), {[] { return 1700000000; }}};
    headless::MetricsServer server{poller};
    int port = -1;
    std::thread serving;

    ServedRig() {
        poller.poll();
        port = server.bind({"127.0.0.1", 0});
        serving = std::thread([this] { server.serve(); });
    }
    ~ServedRig() {
        server.stop();
        serving.join();
    }
    // A whole GET of /metrics; the time it took in milliseconds.
    long scrape(std::string& answer) {
        const auto start = Clock::now();
        Connection c(port);
        c.send("GET /metrics HTTP/1.1\r\nHost: x\r\nConnection: close\r\n\r\n");
        answer = c.receive(5000);
        return static_cast<long>(
            std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count());
    }
};

TEST(MetricsServer, AScrapeIsAnsweredAtOnceWhileOthersIdleOrTrickle) {
    ServedRig rig;
    ASSERT_GT(rig.port, 0);
    std::vector<std::unique_ptr<Connection>> idle;
    for (int i = 0; i < 8; ++i) idle.push_back(std::make_unique<Connection>(rig.port));
    std::vector<std::unique_ptr<Connection>> trickling;
    for (int i = 0; i < 64; ++i) {  // every slot: the longest sending makes room
        trickling.push_back(std::make_unique<Connection>(rig.port));
        trickling.back()->send("G");
    }
    std::string answer;
    const long ms = rig.scrape(answer);
    EXPECT_LT(ms, 1000);
    EXPECT_EQ(answer.rfind("HTTP/1.1 200", 0), 0u) << answer.substr(0, 200);
    EXPECT_NE(answer.find("orvan_printer_up{printer=\"USB:Unit1\""), std::string::npos);
}

TEST(MetricsServer, WrongMethodsLargeBodiesAndHeaderFloodsAreRefusedCheaply) {
    ServedRig rig;
    const long before = residentKiB();
    {
        Connection post(rig.port);
        post.send(
            "POST /metrics HTTP/1.1\r\nHost: x\r\nContent-Length: 300000000\r\n"
            "Content-Encoding: gzip\r\n\r\n");
        post.send(std::string(64 * 1024, 'x'), 500);  // the server may close meanwhile
        const std::string answer = post.receive(2000);
        EXPECT_EQ(answer.rfind("HTTP/1.1 405", 0), 0u) << answer.substr(0, 200);
        EXPECT_NE(answer.find("Allow: GET, HEAD"), std::string::npos);
    }
    {
        Connection head(rig.port);
        head.send("HEAD /metrics HTTP/1.1\r\nHost: x\r\nConnection: close\r\n\r\n");
        EXPECT_EQ(head.receive(2000).rfind("HTTP/1.1 200", 0), 0u);
    }
    {
        // 20 MB of headers, sent as fast as the server takes them: refused
        // after its limit, and the rest dropped.
        Connection flood(rig.port);
        flood.send("GET /metrics HTTP/1.1\r\nHost: x\r\n");
        const std::string header = "X-Flood: " + std::string(1000, 'y') + "\r\n";
        std::string block;
        for (int i = 0; i < 1000; ++i) block += header;
        for (int i = 0; i < 20 && flood.send(block, 1000); ++i) {
        }
        EXPECT_EQ(flood.receive(2000).rfind("HTTP/1.1 431", 0), 0u);
    }
    std::string answer;
    EXPECT_LT(rig.scrape(answer), 1000);
    EXPECT_EQ(answer.rfind("HTTP/1.1 200", 0), 0u);
    EXPECT_LT(residentKiB() - before, 5 * 1024) << "KiB grown";
}

// A busy port is not shared, and every address of the machine, however it
// is written, needs to be asked for.
TEST(MetricsServer, ABusyPortAndAnUnaskedWildcardAreRefused) {
    ServedRig rig;
    headless::MetricsServer second(rig.poller);
    EXPECT_EQ(second.bind({"127.0.0.1", rig.port}), -1);
    for (const char* wildcard : {"0", "0.0.0.0", "::", "0::0"}) {
        headless::MetricsServer any(rig.poller);
        EXPECT_EQ(any.bind({wildcard, 0}), -1) << wildcard;
    }
    headless::MetricsServer allowed(rig.poller);
    EXPECT_GT(allowed.bind({"0", 0}, true), 0);
}

}  // namespace
}  // namespace orvan::testing
