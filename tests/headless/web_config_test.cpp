// The web configuration of --serve: only TLS and bcrypt users are taken, and
// anything else is refused with its line; over TLS a scrape needs a user
// with the right password.
#include <crypt.h>
#include <openssl/evp.h>

#include <gtest/gtest.h>
#include <httplib.h>

#include <cstdlib>
#include <thread>

#include "headless/metrics_server.h"
#include "headless/survey_rig.h"
#include "headless/web_config.h"
#include "profile/scratch_dir.h"

namespace orvan::testing {
namespace {

std::string bcrypt(const std::string& password) {
    char salt[CRYPT_GENSALT_OUTPUT_SIZE];
    EXPECT_NE(crypt_gensalt_rn("$2b$", 4, nullptr, 0, salt, sizeof(salt)), nullptr);
    crypt_data work{};
    return crypt_r(password.c_str(), salt, &work);
}

std::string basic(const std::string& pair) {
    std::string out(4 * ((pair.size() + 2) / 3) + 1, '\0');
    const int n = EVP_EncodeBlock(reinterpret_cast<unsigned char*>(out.data()),
                                  reinterpret_cast<const unsigned char*>(pair.data()),
                                  static_cast<int>(pair.size()));
    return "Basic " + out.substr(0, static_cast<std::size_t>(n));
}

TEST(WebConfig, OnlyTlsAndBcryptUsersAreTakenAndEverythingElseIsRefusedWithItsLine) {
    const std::string hash = bcrypt("s3cret");
    std::string why;
    const auto config = headless::ParseWebConfig(
        "# the site's file\ntls_server_config:\n  cert_file: server.crt\n"
        "  key_file: \"/etc/keys/server.key\"\nbasic_auth_users:\n  prometheus: '" +
            hash + "'\n",
        "/etc/orvan", why);
    ASSERT_TRUE(config.has_value()) << why;
    EXPECT_EQ(config->certFile, "/etc/orvan/server.crt");
    EXPECT_EQ(config->keyFile, "/etc/keys/server.key");
    EXPECT_EQ(config->users.at("prometheus"), hash);

    const std::pair<std::string, std::string> refused[] = {
        {"http_server_config:\n  http2: false\n", "line 1: unknown setting http_server_config"},
        {"tls_server_config:\n  client_ca_file: ca.crt\n",
         "line 2: unknown setting client_ca_file"},
        {"basic_auth_users:\n  alice: plain-text\n", "line 2: the password of alice is no bcrypt"},
        {"tls_server_config:\n  cert_file: a.crt\n", "cert_file and key_file go together"},
        {"tls_server_config\n", "line 1: not a key: value line"},
    };
    for (const auto& [text, reason] : refused) {
        EXPECT_FALSE(headless::ParseWebConfig(text, "", why).has_value()) << text;
        EXPECT_NE(why.find(reason), std::string::npos) << why;
    }

    EXPECT_TRUE(headless::CheckBasicAuth(*config, basic("prometheus:s3cret")));
    for (const std::string& wrong :
         {basic("prometheus:S3cret"), basic("alice:s3cret"), basic("prometheus"),
          std::string("Bearer x"), std::string("Basic !!!!"), "Basic " + std::string(2000, 'A')})
        EXPECT_FALSE(headless::CheckBasicAuth(*config, wrong)) << wrong;
}

TEST(WebConfig, OverTlsAScrapeNeedsAUserWithTheRightPassword) {
    ScratchDir dir;
    const std::string cert = dir.file("server.crt"), key = dir.file("server.key");
    const std::string make =
        "openssl req -x509 -newkey ec -pkeyopt ec_paramgen_curve:P-256 "
        "-nodes -keyout " +
        key + " -out " + cert + " -subj /CN=localhost -days 1 >/dev/null 2>&1";
    ASSERT_EQ(std::system(make.c_str()), 0);
    headless::WebConfig web;
    web.certFile = cert;
    web.keyFile = key;
    web.users["prometheus"] = bcrypt("s3cret");

    SurveyRig printers;
    headless::StatusSource source(
        {dir.file("monitor.lock"), dir.file("status.json"), dir.file("access.lock")},
        [&printers]() -> headless::PrinterSurvey& { return printers.make(); }, 0);
    headless::MetricsPoller poller(source, all(), {[] { return 1700000000; }});
    poller.poll();
    headless::MetricsServer server(poller);
    std::string why;
    ASSERT_TRUE(server.useWebConfig(web, why)) << why;
    const int port = server.bind({"127.0.0.1", 0});
    ASSERT_GT(port, 0);
    std::thread serving([&server] { server.serve(); });

    httplib::SSLClient client("127.0.0.1", port);
    client.enable_server_certificate_verification(false);
    client.set_connection_timeout(2);
    client.set_read_timeout(2);
    auto anonymous = client.Get("/metrics");
    ASSERT_TRUE(anonymous);
    EXPECT_EQ(anonymous->status, 401);
    client.set_basic_auth("prometheus", "wrong");
    EXPECT_EQ(client.Get("/metrics")->status, 401);
    client.set_basic_auth("prometheus", "s3cret");
    const auto scrape = client.Get("/metrics");
    ASSERT_TRUE(scrape);
    EXPECT_EQ(scrape->status, 200);
    EXPECT_NE(scrape->body.find("orvan_printer_up{"), std::string::npos);

    // Plain HTTP on the TLS port gets no answer.
    httplib::Client plain("127.0.0.1", port);
    plain.set_read_timeout(2);
    const auto clear = plain.Get("/metrics");
    EXPECT_TRUE(!clear || clear->status != 200);

    server.stop();
    serving.join();
    headless::MetricsServer broken(poller);
    web.keyFile = cert;  // not the certificate's key
    EXPECT_FALSE(broken.useWebConfig(web, why));
}

}  // namespace
}  // namespace orvan::testing
