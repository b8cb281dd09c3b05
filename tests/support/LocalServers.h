#pragma once

// Real servers on 127.0.0.1 for the network tests: an HTTP or HTTPS server (cpp-httplib over
// OpenSSL, certificates of the test authority in tests/data/net), a raw TCP server for replies
// no well-behaved server sends, and an HTTP proxy with optional basic authentication that
// tunnels only to the loopback address. Each listens on a free port and stops with its object.

#include "core/GameTypes.h"

#include <QString>

#include <httplib.h>

#include <atomic>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace testsupport {

// Paths of the test certificates.
QString TestCaFile();

struct SeenRequest
{
    std::string method;
    std::string path;
    std::string target; // path and query as sent
    std::map<std::string, std::string> params;
    std::map<std::string, std::string> headers; // names in lower case
    std::string body;
};

class LocalHttpServer
{
public:
    enum class Tls {
        None,      // plain HTTP
        Trusted,   // signed by the test authority for 127.0.0.1
        Stranger,  // self-signed, trusted by nobody
        WrongHost, // signed by the test authority, but for another host name
    };
    explicit LocalHttpServer(Tls tls = Tls::Trusted);
    ~LocalHttpServer();
    LocalHttpServer(const LocalHttpServer&) = delete;
    LocalHttpServer& operator=(const LocalHttpServer&) = delete;

    // Handlers are added before start().
    httplib::Server& http() { return *m_server; }
    // Binds a free port of 127.0.0.1 and serves from a thread of its own.
    void start();
    int port() const { return m_port; }
    // "https://127.0.0.1:port" (or "http://...").
    QString url() const;

    std::vector<SeenRequest> requests() const;
    void clearRequests();

private:
    std::unique_ptr<httplib::Server> m_server;
    std::thread m_thread;
    std::atomic<bool> m_listenEnded{false};
    int m_port = 0;
    bool m_tls = false;
    mutable std::mutex m_mutex;
    std::vector<SeenRequest> m_requests;
};

// A trusted HTTPS server that answers every request with a redirect to the same path on a plain
// HTTP server beside it, which answers anything it is asked: the downgrade an attacker on the
// way would try. Both are started.
class DowngradeRedirect
{
public:
    DowngradeRedirect();
    QString url() const { return m_secure.url(); }
    QString plainUrl() const { return m_plain.url(); }
    // How many requests reached the plain server.
    std::size_t plainRequests() const { return m_plain.requests().size(); }

private:
    LocalHttpServer m_plain{LocalHttpServer::Tls::None};
    LocalHttpServer m_secure{LocalHttpServer::Tls::Trusted};
};

// Accepts connections on 127.0.0.1 and hands each socket to the handler on a thread of its own.
// The handler should return soon after stopping() turns true.
class RawTcpServer
{
public:
    explicit RawTcpServer(std::function<void(int socket, const RawTcpServer& self)> handler);
    ~RawTcpServer();
    RawTcpServer(const RawTcpServer&) = delete;
    RawTcpServer& operator=(const RawTcpServer&) = delete;

    int port() const { return m_port; }
    bool stopping() const { return m_stop; }

    // Reads up to the blank line that ends a request head; empty when the peer went away.
    static std::string readHead(int socket, const RawTcpServer& self);
    static bool writeAll(int socket, const std::string& bytes);

private:
    void acceptLoop();

    std::function<void(int, const RawTcpServer&)> m_handler;
    int m_listen = -1;
    int m_port = 0;
    std::atomic<bool> m_stop{false};
    std::thread m_acceptor;
    std::mutex m_mutex;
    std::vector<std::thread> m_workers;
};

// An HTTP proxy: CONNECT tunnels and absolute-form requests, to 127.0.0.1 only. With a user,
// every request must carry matching basic credentials or gets 407.
class LocalProxy
{
public:
    explicit LocalProxy(std::string user = {}, std::string password = {});
    int port() const { return m_server.port(); }
    // Requests that passed the authentication and reached their target.
    int forwarded() const { return m_forwarded; }
    // Requests refused for missing or wrong credentials.
    int refused() const { return m_refused; }
    // The targets ("host:port") of the forwarded requests, in order.
    std::vector<std::string> targets() const;

private:
    void handle(int socket, const RawTcpServer& self);

    std::string m_user;
    std::string m_password;
    std::atomic<int> m_forwarded{0};
    std::atomic<int> m_refused{0};
    mutable std::mutex m_mutex;
    std::vector<std::string> m_targets;
    RawTcpServer m_server;
};

// The operator's results site: "/en/buscador" answers a page in the operator's markup for the
// dates it holds and 404 for every other date.
class OperatorSite
{
public:
    explicit OperatorSite(LocalHttpServer::Tls tls = LocalHttpServer::Tls::Trusted);

    // The page of one date ("dd/mm/yyyy"), served as it is.
    void setPage(const std::string& date, const std::string& html);
    // One page per draw of the list, with that draw alone, under its date text.
    void serveDraws(const core::TDrawsArray& draws);
    // The next count requests for the date fail with status 500 before the page is served.
    void failNext(const std::string& date, int count);
    // Every request first waits this long.
    void setDelayMs(int ms) { m_delayMs = ms; }

    LocalHttpServer& server() { return m_server; }
    QString url() const { return m_server.url(); }
    // The start dates asked for, in order.
    std::vector<std::string> askedDates() const;

    // The results page with the given draws, one block each, in this order.
    static std::string ResultsPage(const core::TDrawsArray& draws);
    // One draw block: five "<li>" numbers and the key number.
    static std::string DrawBlock(const core::TDrawRec& draw);

private:
    LocalHttpServer m_server;
    mutable std::mutex m_mutex;
    std::map<std::string, std::string> m_pages;
    std::map<std::string, int> m_failures;
    std::atomic<int> m_delayMs{0};
};

// A page of the proxy-list service with the rows given ("host", port as shown = shift + g).
struct ProxyRow
{
    std::string host;
    int port = 0;
};
std::string ProxyListPage(const std::vector<ProxyRow>& rows, int shift);

// gzip (windowBits 31) or zlib ("deflate") form of the bytes.
std::string Compress(const std::string& bytes, bool gzip);

} // namespace testsupport
