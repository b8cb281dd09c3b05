// The HTTP client against real servers on 127.0.0.1: headers, encodings, redirects, cookies,
// forms, TLS verification, slow, endless and broken replies, and a proxy with authentication.

#include "LocalServers.h"
#include "TestHelpers.h"
#include "net/HttpClient.h"
#include "net/Requests.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

using testsupport::LocalHttpServer;

namespace {

const std::string kPage = "<html><body>Тиражи — results</body></html>";

std::unique_ptr<LocalHttpServer> makeServer(LocalHttpServer::Tls tls = LocalHttpServer::Tls::Trusted)
{
    auto server = std::make_unique<LocalHttpServer>(tls);
    httplib::Server& s = server->http();
    s.Get("/page", [](const httplib::Request&, httplib::Response& res) { res.set_content(kPage, "text/html"); });
    s.Get("/gzip", [](const httplib::Request&, httplib::Response& res) {
        res.set_header("Content-Encoding", "gzip");
        res.set_content(testsupport::Compress(kPage, true), "application/octet-stream");
    });
    s.Get("/deflate", [](const httplib::Request&, httplib::Response& res) {
        res.set_header("Content-Encoding", "deflate");
        res.set_content(testsupport::Compress(kPage, false), "application/octet-stream");
    });
    s.Get("/bomb", [](const httplib::Request&, httplib::Response& res) {
        static const std::string bomb = testsupport::Compress(std::string(40 * 1024 * 1024, '\0'), true);
        res.set_header("Content-Encoding", "gzip");
        res.set_content(bomb, "application/octet-stream");
    });
    s.Get("/redirect", [](const httplib::Request&, httplib::Response& res) { res.set_redirect("/page"); });
    s.Get("/loop", [](const httplib::Request&, httplib::Response& res) { res.set_redirect("/loop"); });
    s.Get("/cookie/set", [](const httplib::Request&, httplib::Response& res) {
        res.set_header("Set-Cookie", "sid=42; Path=/");
        res.set_content("set", "text/plain");
    });
    s.Get("/cookie/echo", [](const httplib::Request& req, httplib::Response& res) {
        res.set_content(req.get_header_value("Cookie"), "text/plain");
    });
    s.Post("/form", [](const httplib::Request& req, httplib::Response& res) {
        res.set_content(req.get_header_value("Content-Type") + "|" + req.body, "text/plain");
    });
    s.Get("/missing", [](const httplib::Request&, httplib::Response& res) {
        res.status = 404;
        res.set_content("gone", "text/plain");
    });
    s.Get("/error", [](const httplib::Request&, httplib::Response& res) {
        res.status = 500;
        res.set_content("oops", "text/plain");
    });
    s.Get("/slow", [](const httplib::Request&, httplib::Response& res) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1500));
        res.set_content("late", "text/plain");
    });
    s.Get("/endless", [](const httplib::Request&, httplib::Response& res) {
        res.set_chunked_content_provider("application/octet-stream", [](size_t, httplib::DataSink& sink) {
            static const std::string chunk(64 * 1024, 'x');
            return sink.write(chunk.data(), chunk.size());
        });
    });
    s.Get("/drip", [](const httplib::Request&, httplib::Response& res) {
        res.set_chunked_content_provider("application/octet-stream", [](size_t, httplib::DataSink& sink) {
            std::this_thread::sleep_for(std::chrono::milliseconds(40));
            return sink.write("x", 1);
        });
    });
    server->start();
    return server;
}

net::HttpClient trustingClient(bool cookies = false)
{
    net::HttpClient client(cookies);
    client.setCaFile(testsupport::TestCaFile());
    return client;
}

std::string text(const net::HttpResponse& r)
{
    return r.body.toStdString();
}

} // namespace

TEST(HttpClient, SendsTheBrowserHeadersAndDecodesEveryEncoding)
{
    auto server = makeServer();
    net::HttpClient client = trustingClient();
    for (const char* path : {"/page", "/gzip", "/deflate"}) {
        const net::HttpResponse r = client.get(server->url() + QString::fromLatin1(path));
        ASSERT_TRUE(r.ok()) << path << ": " << r.message.toStdString();
        EXPECT_EQ(r.status, 200);
        EXPECT_EQ(text(r), kPage) << path;
    }
    const auto seen = server->requests();
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[0].headers.at("accept"), "text/html,application/xhtml+xml,application/xml;q=0.9,*/*;q=0.8");
    EXPECT_EQ(seen[0].headers.at("accept-encoding"), "gzip, deflate, sdch");
    EXPECT_EQ(seen[0].headers.at("user-agent"),
              "Mozilla/5.0 (Windows NT 6.1; WOW64) AppleWebKit/537.36 (KHTML, like Gecko) "
              "Chrome/47.0.2526.80 Safari/537.36");
}

TEST(HttpClient, RedirectsAreFollowedOnlyWhenAsked)
{
    auto server = makeServer(LocalHttpServer::Tls::None);
    const net::HttpResponse followed = net::HttpGetText(server->url() + QStringLiteral("/redirect"), true);
    ASSERT_TRUE(followed.ok()) << followed.message.toStdString();
    EXPECT_EQ(text(followed), kPage);
    const net::HttpResponse kept = net::HttpGetText(server->url() + QStringLiteral("/redirect"), false);
    ASSERT_TRUE(kept.ok());
    EXPECT_EQ(kept.status, 302);
    // A redirect loop ends with an error, not for ever.
    const net::HttpResponse loop = net::HttpGetText(server->url() + QStringLiteral("/loop"), true);
    EXPECT_EQ(loop.error, net::HttpError::Network);
}

TEST(HttpClient, CookiesLiveWithTheMainClientOnly)
{
    auto server = makeServer();
    net::HttpClient client = trustingClient(true);
    ASSERT_TRUE(client.get(server->url() + QStringLiteral("/cookie/set")).ok());
    EXPECT_EQ(text(client.get(server->url() + QStringLiteral("/cookie/echo"))), "sid=42");

    net::RequestOptions options;
    options.caFile = testsupport::TestCaFile();
    ASSERT_TRUE(net::HttpGetText(server->url() + QStringLiteral("/cookie/set"), true, options).ok());
    const net::HttpResponse fresh = net::HttpGetText(server->url() + QStringLiteral("/cookie/echo"), true, options);
    ASSERT_TRUE(fresh.ok());
    EXPECT_EQ(text(fresh), "") << "a stateless request carries no cookie of an earlier one";
}

TEST(HttpClient, FormPostsAreEncoded)
{
    auto server = makeServer(LocalHttpServer::Tls::None);
    const net::HttpResponse r = net::HttpPostForm(
        server->url() + QStringLiteral("/form"),
        {QStringLiteral("name=Сценарий 1"), QStringLiteral("code=a&b=c"), QStringLiteral("empty=")}, true);
    ASSERT_TRUE(r.ok()) << r.message.toStdString();
    EXPECT_EQ(text(r), "application/x-www-form-urlencoded|name=%D0%A1%D1%86%D0%B5%D0%BD%D0%B0%D1%80%D0%B8%D0%B9%201&"
                       "code=a%26b%3Dc&empty=");
}

TEST(HttpClient, HttpErrorsCarryTheirStatus)
{
    auto server = makeServer();
    net::HttpClient client = trustingClient();
    const net::HttpResponse missing = client.get(server->url() + QStringLiteral("/missing"));
    EXPECT_TRUE(missing.notFound());
    EXPECT_EQ(missing.message, QStringLiteral("HTTP/1.1 404 Not Found"));
    const net::HttpResponse failed = client.get(server->url() + QStringLiteral("/error"));
    EXPECT_EQ(failed.error, net::HttpError::Http);
    EXPECT_EQ(failed.status, 500);
    EXPECT_FALSE(failed.notFound());
    EXPECT_EQ(failed.message, QStringLiteral("HTTP/1.1 500 Internal Server Error"));
}

TEST(HttpClient, CertificatesAreVerifiedAndFailuresNameTheHost)
{
    auto trusted = makeServer();
    const QString host = QStringLiteral("127.0.0.1:%1").arg(trusted->port());
    // The system's certificates alone do not know the test authority.
    net::HttpClient plain;
    const net::HttpResponse unknown = plain.get(trusted->url() + QStringLiteral("/page"));
    EXPECT_EQ(unknown.error, net::HttpError::Tls);
    EXPECT_TRUE(unknown.message.contains(host)) << unknown.message.toStdString();
    EXPECT_TRUE(trusted->requests().empty()) << "nothing is sent over an unverified connection";

    auto stranger = makeServer(LocalHttpServer::Tls::Stranger);
    net::HttpClient client = trustingClient();
    const net::HttpResponse selfSigned = client.get(stranger->url() + QStringLiteral("/page"));
    EXPECT_EQ(selfSigned.error, net::HttpError::Tls);
    EXPECT_TRUE(selfSigned.message.contains(QStringLiteral("127.0.0.1:%1").arg(stranger->port())));

    auto wrongHost = makeServer(LocalHttpServer::Tls::WrongHost);
    const net::HttpResponse mismatch = client.get(wrongHost->url() + QStringLiteral("/page"));
    EXPECT_EQ(mismatch.error, net::HttpError::Tls);
    EXPECT_TRUE(mismatch.message.contains(QStringLiteral("127.0.0.1:%1").arg(wrongHost->port())));
    EXPECT_TRUE(stranger->requests().empty());
    EXPECT_TRUE(wrongHost->requests().empty());
}

TEST(HttpClient, AnUnusableCertificateFileIsAnErrorBeforeAnyRequest)
{
    auto server = makeServer();
    QTemporaryDir dir;
    net::HttpClient client;
    client.setCaFile(dir.filePath(QStringLiteral("none.pem")));
    net::HttpResponse r = client.get(server->url() + QStringLiteral("/page"));
    EXPECT_EQ(r.error, net::HttpError::Setup);
    EXPECT_TRUE(r.message.contains(QStringLiteral("none.pem")));
    const QString junk = dir.filePath(QStringLiteral("junk.pem"));
    QFile f(junk);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("not a certificate\n");
    f.close();
    client.setCaFile(junk);
    r = client.get(server->url() + QStringLiteral("/page"));
    EXPECT_EQ(r.error, net::HttpError::Setup);
    EXPECT_TRUE(server->requests().empty());
    EXPECT_EQ(client.get(QStringLiteral("ftp://127.0.0.1/x")).error, net::HttpError::Setup);
}

TEST(HttpClient, ASilentServerTimesOutWhileTheWindowKeepsGoing)
{
    auto server = makeServer();
    net::HttpClient client = trustingClient();
    net::HttpLimits limits;
    limits.readTimeoutMs = 300;
    client.setLimits(limits);
    int kept = 0;
    client.setKeepAlive([&kept] { ++kept; });
    const auto start = std::chrono::steady_clock::now();
    const net::HttpResponse r = client.get(server->url() + QStringLiteral("/slow"));
    const auto spent = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(r.error, net::HttpError::Timeout);
    EXPECT_TRUE(r.message.contains(QStringLiteral("300"))) << r.message.toStdString();
    EXPECT_TRUE(r.message.contains(QStringLiteral("127.0.0.1")));
    EXPECT_LT(spent, std::chrono::milliseconds(1400)) << "cut off before the reply came";
    EXPECT_GE(kept, 3) << "the wait handed control back many times";
}

TEST(HttpClient, AnEndlessReplyIsCutAtTheBound)
{
    auto server = makeServer();
    net::HttpClient client = trustingClient();
    // The bound as it stands, and a smaller one.
    net::HttpResponse r = client.get(server->url() + QStringLiteral("/endless"));
    EXPECT_EQ(r.error, net::HttpError::TooLarge);
    EXPECT_TRUE(r.message.contains(QString::number(16 * 1024 * 1024))) << r.message.toStdString();
    EXPECT_TRUE(r.body.isEmpty()) << "a cut reply is not handed on";
    net::HttpLimits limits;
    limits.maxBodyBytes = 100 * 1024;
    client.setLimits(limits);
    r = client.get(server->url() + QStringLiteral("/endless"));
    EXPECT_EQ(r.error, net::HttpError::TooLarge);
    // A small compressed body that inflates past the bound is cut too.
    client.setLimits(net::HttpLimits{});
    r = client.get(server->url() + QStringLiteral("/bomb"));
    EXPECT_EQ(r.error, net::HttpError::TooLarge);
}

TEST(HttpClient, ADripFeedEndsAtTheTimeBound)
{
    auto server = makeServer();
    net::HttpClient client = trustingClient();
    net::HttpLimits limits;
    // Bytes keep coming, so only the bound on the whole exchange can end it; the read timeout is
    // kept well above it so a slow machine cannot mistake the drip for silence.
    limits.readTimeoutMs = 3000;
    limits.totalTimeoutMs = 900;
    client.setLimits(limits);
    const net::HttpResponse r = client.get(server->url() + QStringLiteral("/drip"));
    EXPECT_EQ(r.error, net::HttpError::TooLong);
    EXPECT_TRUE(r.message.contains(QStringLiteral("0.9"))) << r.message.toStdString();
}

TEST(HttpClient, BrokenRepliesAndClosedPorts)
{
    testsupport::RawTcpServer shortBody([](int socket, const testsupport::RawTcpServer& self) {
        if (!testsupport::RawTcpServer::readHead(socket, self).empty())
            testsupport::RawTcpServer::writeAll(socket, "HTTP/1.1 200 OK\r\nContent-Length: 100\r\n\r\nshort");
    });
    net::HttpResponse r = net::HttpGetText(QStringLiteral("http://127.0.0.1:%1/").arg(shortBody.port()), true);
    EXPECT_EQ(r.error, net::HttpError::Network);
    EXPECT_TRUE(r.message.contains(QStringLiteral("127.0.0.1:%1").arg(shortBody.port()))) << r.message.toStdString();

    testsupport::RawTcpServer garbage([](int socket, const testsupport::RawTcpServer& self) {
        if (!testsupport::RawTcpServer::readHead(socket, self).empty())
            testsupport::RawTcpServer::writeAll(socket, "\x01\x02 this is no http\r\n\r\n");
    });
    r = net::HttpGetText(QStringLiteral("http://127.0.0.1:%1/").arg(garbage.port()), true);
    EXPECT_EQ(r.error, net::HttpError::Network);

    // A port nobody listens on: the one a server had before it stopped.
    int closedPort = 0;
    {
        testsupport::RawTcpServer gone([](int, const testsupport::RawTcpServer&) {});
        closedPort = gone.port();
    }
    r = net::HttpGetText(QStringLiteral("http://127.0.0.1:%1/").arg(closedPort), true);
    EXPECT_EQ(r.error, net::HttpError::Network);
}

TEST(HttpClient, ProxyWithBasicAuthentication)
{
    auto server = makeServer();
    testsupport::LocalProxy proxy("agent", "p@ss:word");
    net::HttpClient client = trustingClient();
    client.setProxy({QStringLiteral("127.0.0.1"), proxy.port(), QStringLiteral("agent"), QStringLiteral("p@ss:word")});
    const net::HttpResponse r = client.get(server->url() + QStringLiteral("/page"));
    ASSERT_TRUE(r.ok()) << r.message.toStdString();
    EXPECT_EQ(text(r), kPage);
    EXPECT_EQ(proxy.forwarded(), 1);
    ASSERT_EQ(proxy.targets().size(), 1u);
    EXPECT_EQ(proxy.targets()[0], "127.0.0.1:" + std::to_string(server->port()));

    client.setProxy({QStringLiteral("127.0.0.1"), proxy.port(), QStringLiteral("agent"), QStringLiteral("wrong")});
    const net::HttpResponse refused = client.get(server->url() + QStringLiteral("/page"));
    EXPECT_FALSE(refused.ok());
    EXPECT_TRUE(refused.message.contains(QStringLiteral("proxy 127.0.0.1:%1").arg(proxy.port())))
        << refused.message.toStdString();
    EXPECT_EQ(proxy.refused(), 1);
    EXPECT_EQ(server->requests().size(), 1u) << "the refused request never reached the server";

    // Back to a direct connection: the proxy sees nothing more.
    client.setProxy({});
    ASSERT_TRUE(client.get(server->url() + QStringLiteral("/page")).ok());
    EXPECT_EQ(proxy.forwarded(), 1);
}

TEST(HttpClient, ADirectRequestIgnoresProxiesOfTheEnvironment)
{
    auto server = makeServer();
    testsupport::LocalProxy proxy;
    const QByteArray address = QStringLiteral("http://127.0.0.1:%1").arg(proxy.port()).toLatin1();
    qputenv("https_proxy", address);
    qputenv("HTTPS_PROXY", address);
    net::HttpClient client = trustingClient();
    const net::HttpResponse r = client.get(server->url() + QStringLiteral("/page"));
    qunsetenv("https_proxy");
    qunsetenv("HTTPS_PROXY");
    ASSERT_TRUE(r.ok()) << r.message.toStdString();
    EXPECT_EQ(proxy.forwarded(), 0);
}

TEST(HttpGetFile, ReplacesTheFileOnlyWithAWholeBody)
{
    auto server = makeServer();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("update.bin"));
    net::RequestOptions options;
    options.caFile = testsupport::TestCaFile();
    options.limits = net::FileLimits();
    net::HttpResponse r = net::HttpGetFile(server->url() + QStringLiteral("/gzip"), path, options);
    ASSERT_TRUE(r.ok()) << r.message.toStdString();
    EXPECT_TRUE(r.body.isEmpty());
    EXPECT_EQ(testsupport::ReadFile(path).toStdString(), kPage);

    r = net::HttpGetFile(server->url() + QStringLiteral("/missing"), path, options);
    EXPECT_TRUE(r.notFound());
    EXPECT_EQ(testsupport::ReadFile(path).toStdString(), kPage) << "the old file stays";
    options.limits.maxBodyBytes = 1000;
    r = net::HttpGetFile(server->url() + QStringLiteral("/endless"), path, options);
    EXPECT_EQ(r.error, net::HttpError::TooLarge);
    EXPECT_EQ(testsupport::ReadFile(path).toStdString(), kPage);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 1) << "no temporary file is left behind";
}

TEST(HttpRequests, AddressHelpers)
{
    EXPECT_EQ(net::UrlFolder(QStringLiteral("https://h/files/a/b.cfg")), QStringLiteral("https://h/files/a/"));
    EXPECT_EQ(net::UrlFolder(QStringLiteral("https://h/")), QStringLiteral("https://h/"));
    EXPECT_EQ(net::UrlFolder(QStringLiteral("nothing")), QString());
    EXPECT_EQ(net::QueryJoin(QStringLiteral("a=1"), QStringLiteral("b=2")), QStringLiteral("a=1&b=2"));
    EXPECT_EQ(net::QueryJoin(QString(), QStringLiteral("b=2")), QStringLiteral("b=2"));
    EXPECT_EQ(net::QueryJoin(QStringLiteral("a=1"), QString()), QStringLiteral("a=1"));
    EXPECT_EQ(net::QueryJoin(QString(), QString()), QString());
}
