// The host under hostile clients on 127.0.0.1: slow and idle connections, pipelined requests,
// names with a NUL, links out of the files folder, and TLS 1.2 clients offering only CBC suites.

#include "LiveHost.h"
#include "net/Requests.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>

#include <openssl/err.h>
#include <openssl/ssl.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>
#include <vector>

namespace {

using namespace std::chrono_literals;

int connectTo(int port)
{
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_port = htons(static_cast<uint16_t>(port));
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    // Reads in the tests never wait long, whatever the server does.
    timeval tv{1, 0};
    ::setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &tv, sizeof tv);
    if (::connect(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// A TLS client of our own, so the tests choose the protocol, the suites and the bytes sent.
class TlsClient
{
public:
    TlsClient(int port, const char* tls12Ciphers = nullptr)
    {
        m_ctx = SSL_CTX_new(TLS_client_method());
        if (tls12Ciphers) {
            SSL_CTX_set_max_proto_version(m_ctx, TLS1_2_VERSION);
            SSL_CTX_set_cipher_list(m_ctx, tls12Ciphers);
        }
        m_fd = connectTo(port);
        m_ssl = SSL_new(m_ctx);
        SSL_set_fd(m_ssl, m_fd);
        m_ready = m_fd >= 0 && SSL_connect(m_ssl) == 1;
        ERR_clear_error();
    }
    ~TlsClient()
    {
        SSL_free(m_ssl);
        SSL_CTX_free(m_ctx);
        if (m_fd >= 0)
            ::close(m_fd);
    }
    bool ready() const { return m_ready; }

    // Sends the bytes in one write and reads until the server closes, for at most `limit`.
    // `closed` tells whether the server closed within it.
    std::string exchange(const std::string& bytes, std::chrono::milliseconds limit, bool* closed)
    {
        *closed = false;
        std::string reply;
        if (!m_ready || SSL_write(m_ssl, bytes.data(), static_cast<int>(bytes.size())) <= 0)
            return reply;
        const auto end = std::chrono::steady_clock::now() + limit;
        char buffer[4096];
        while (std::chrono::steady_clock::now() < end) {
            const int n = SSL_read(m_ssl, buffer, sizeof buffer);
            if (n > 0) {
                reply.append(buffer, static_cast<std::size_t>(n));
                continue;
            }
            const int error = SSL_get_error(m_ssl, n);
            if (error == SSL_ERROR_ZERO_RETURN || (error == SSL_ERROR_SYSCALL && errno != EAGAIN)) {
                *closed = true;
                break;
            }
        }
        ERR_clear_error();
        return reply;
    }

private:
    SSL_CTX* m_ctx = nullptr;
    SSL* m_ssl = nullptr;
    int m_fd = -1;
    bool m_ready = false;
};

std::string get(const std::string& path)
{
    return "GET " + path + " HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n";
}

int countOf(const std::string& text, const std::string& part)
{
    int count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

host::ConnectionLimits quickLimits()
{
    host::ConnectionLimits limits;
    limits.deliverTimeout = 1000ms;
    limits.writeTimeout = 2000ms;
    return limits;
}

TEST(HostGuard, SlowAndIdleClientsDoNotHoldANormalRequestPastTheDeadline)
{
    const host::ConnectionLimits limits = quickLimits();
    testsupport::LiveHost host(8u << 20, limits);
    writeFile(host.dataDir() + QStringLiteral("/files/autoupdates/note.txt"), "served");

    // A hundred connections that never start TLS.
    std::vector<int> idle;
    for (int i = 0; i < 100; ++i) {
        const int fd = connectTo(host.port());
        ASSERT_GE(fd, 0);
        idle.push_back(fd);
    }
    // Eight that start a TLS record announcing 512 bytes and then send one byte a second.
    std::atomic<bool> done{false};
    std::vector<std::thread> slow;
    for (int i = 0; i < 8; ++i) {
        slow.emplace_back([&host, &done] {
            const int fd = connectTo(host.port());
            const char head[] = {0x16, 0x03, 0x01, 0x02, 0x00};
            for (int sent = 0; fd >= 0 && sent < 8 && !done; ++sent) {
                const char byte = sent < 5 ? head[sent] : 0;
                if (::send(fd, &byte, 1, MSG_NOSIGNAL) != 1)
                    break;
                for (int tick = 0; tick < 10 && !done; ++tick)
                    std::this_thread::sleep_for(100ms);
            }
            if (fd >= 0)
                ::close(fd);
        });
    }
    std::this_thread::sleep_for(300ms);

    net::RequestOptions options;
    options.caFile = testsupport::TestCaFile();
    options.limits.readTimeoutMs = 8000;
    options.limits.totalTimeoutMs = 10000;
    QElapsedTimer timer;
    timer.start();
    const net::HttpResponse response =
        net::HttpGetText(host.url() + QStringLiteral("/files/autoupdates/note.txt"), false, options);
    const qint64 elapsed = timer.elapsed();
    done = true;
    for (auto& t : slow)
        t.join();
    EXPECT_TRUE(response.ok()) << response.message.toStdString();
    EXPECT_EQ(response.body, "served");
    EXPECT_LT(elapsed, 3 * limits.deliverTimeout.count()) << "a normal request waited behind slow clients";

    // Past the deadline the server has let go of every idle connection.
    int released = 0;
    const auto until = std::chrono::steady_clock::now() + 3 * limits.deliverTimeout;
    for (int fd : idle) {
        pollfd p{fd, POLLIN, 0};
        while (::poll(&p, 1, 100) == 0 && std::chrono::steady_clock::now() < until) {
        }
        char byte = 0;
        if (::recv(fd, &byte, 1, MSG_DONTWAIT) == 0)
            ++released;
        ::close(fd);
    }
    EXPECT_EQ(released, 100);
}

TEST(HostGuard, PipelinedRequestsDoNotHangTheConnection)
{
    testsupport::LiveHost host(8u << 20, quickLimits());
    writeFile(host.dataDir() + QStringLiteral("/files/a.txt"), "first");
    writeFile(host.dataDir() + QStringLiteral("/files/b.txt"), "second");
    TlsClient client(host.port());
    ASSERT_TRUE(client.ready());
    bool closed = false;
    const auto start = std::chrono::steady_clock::now();
    const std::string reply = client.exchange(get("/files/a.txt") + get("/files/b.txt") + get("/files/a.txt"), 4000ms, &closed);
    const auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_TRUE(closed);
    EXPECT_LT(elapsed, 2000ms) << "the connection waited for nothing";
    // Either all three are answered in order, or the first alone and the connection is closed.
    ASSERT_EQ(reply.rfind("HTTP/1.1 200 OK\r\n", 0), 0u) << reply;
    const int answers = countOf(reply, "HTTP/1.1 ");
    EXPECT_TRUE(answers == 1 || answers == 3) << reply;
    EXPECT_NE(reply.find("first"), std::string::npos);
}

TEST(HostGuard, ANulInTheNameAndALinkOutOfTheFolderAreRefused)
{
    testsupport::LiveHost host(8u << 20, quickLimits());
    const QString files = host.dataDir() + QStringLiteral("/files");
    writeFile(files + QStringLiteral("/update.txt"), "public update");
    writeFile(host.dataDir() + QStringLiteral("/secret.txt"), "private data");
    writeFile(host.dataDir() + QStringLiteral("/outside/inner.txt"), "private folder");
    ASSERT_TRUE(QFile::link(host.dataDir() + QStringLiteral("/secret.txt"), files + QStringLiteral("/secret.txt")));
    ASSERT_TRUE(QFile::link(host.dataDir() + QStringLiteral("/outside"), files + QStringLiteral("/outside")));
    ASSERT_TRUE(QFile::link(files + QStringLiteral("/update.txt"), files + QStringLiteral("/alias.txt")));

    struct Case
    {
        const char* path;
        const char* status; // the start of the answer
        const char* body;   // what must (200) or must not (refused) be in it
    };
    const Case cases[] = {
        {"/files/update.txt", "HTTP/1.1 200", "public update"},
        {"/files/alias.txt", "HTTP/1.1 200", "public update"}, // a link that stays inside is fine
        {"/files/update.txt%00.png", "HTTP/1.1 400", "public update"},
        {"/files/secret.txt", "HTTP/1.1 403", "private data"},
        {"/files/outside/inner.txt", "HTTP/1.1 403", "private folder"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        TlsClient client(host.port());
        ASSERT_TRUE(client.ready());
        bool closed = false;
        const std::string reply = client.exchange(get(c.path), 3000ms, &closed);
        EXPECT_EQ(reply.rfind(c.status, 0), 0u) << reply;
        const bool served = reply.find(c.body) != std::string::npos;
        EXPECT_EQ(served, std::string(c.status) == "HTTP/1.1 200") << reply;
    }
}

TEST(HostGuard, TlsTwelveOnlyWithAeadSuites)
{
    testsupport::LiveHost host(8u << 20, quickLimits());
    EXPECT_FALSE(TlsClient(host.port(), "ECDHE-ECDSA-AES128-SHA:ECDHE-ECDSA-AES256-SHA:ECDHE-ECDSA-AES128-SHA256:"
                                        "ECDHE-ECDSA-AES256-SHA384:ECDHE-RSA-AES128-SHA:AES128-SHA")
                     .ready());
    EXPECT_TRUE(TlsClient(host.port(), "ECDHE-ECDSA-AES128-GCM-SHA256").ready());
    EXPECT_TRUE(TlsClient(host.port(), "ECDHE-ECDSA-CHACHA20-POLY1305").ready());
    EXPECT_TRUE(TlsClient(host.port()).ready()) << "TLS 1.3";
}

} // namespace
