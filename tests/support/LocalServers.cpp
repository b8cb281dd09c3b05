#include "LocalServers.h"

#include "TestPaths.h"
#include "core/GameMath.h"
#include "core/TextForms.h"

#include <QByteArray>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>
#include <zlib.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <sstream>
#include <stdexcept>

namespace testsupport {

namespace {

std::string certPath(const char* name)
{
    return std::string(VERTOMA_TEST_DATA_DIR "/net/") + name;
}

std::string lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return text;
}

int connectLoopback(int port)
{
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_port = htons(static_cast<uint16_t>(port));
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (::connect(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// Copies bytes both ways until one side closes or the server stops.
void relay(int a, int b, const RawTcpServer& self)
{
    char buf[16384];
    pollfd fds[2] = {{a, POLLIN, 0}, {b, POLLIN, 0}};
    while (!self.stopping()) {
        if (::poll(fds, 2, 100) < 0)
            return;
        for (int i = 0; i < 2; ++i) {
            if (!(fds[i].revents & (POLLIN | POLLHUP | POLLERR)))
                continue;
            const ssize_t got = ::recv(fds[i].fd, buf, sizeof buf, 0);
            if (got <= 0 || !RawTcpServer::writeAll(fds[1 - i].fd, std::string(buf, static_cast<size_t>(got))))
                return;
        }
    }
}

} // namespace

QString TestCaFile()
{
    return QString::fromStdString(certPath("ca.pem"));
}

// ---- LocalHttpServer

LocalHttpServer::LocalHttpServer(Tls tls) : m_tls(tls != Tls::None)
{
    switch (tls) {
    case Tls::None:
        m_server = std::make_unique<httplib::Server>();
        break;
    case Tls::Trusted:
        m_server = std::make_unique<httplib::SSLServer>(certPath("server.pem").c_str(), certPath("server.key").c_str());
        break;
    case Tls::Stranger:
        m_server =
            std::make_unique<httplib::SSLServer>(certPath("stranger.pem").c_str(), certPath("stranger.key").c_str());
        break;
    case Tls::WrongHost:
        m_server =
            std::make_unique<httplib::SSLServer>(certPath("wronghost.pem").c_str(), certPath("wronghost.key").c_str());
        break;
    }
    if (!m_server->is_valid())
        throw std::runtime_error("the test server could not load its certificate");
    // Recorded before the handler runs, so a test sees the request as soon as its reply is in.
    m_server->set_pre_routing_handler([this](const httplib::Request& req, httplib::Response&) {
        SeenRequest seen;
        seen.method = req.method;
        seen.path = req.path;
        seen.target = req.target;
        for (const auto& [k, v] : req.params)
            seen.params[k] = v;
        for (const auto& [k, v] : req.headers)
            seen.headers[lower(k)] = v;
        seen.body = req.body;
        const std::lock_guard lock(m_mutex);
        m_requests.push_back(std::move(seen));
        return httplib::Server::HandlerResponse::Unhandled;
    });
    m_server->set_keep_alive_max_count(1);
}

LocalHttpServer::~LocalHttpServer()
{
    if (!m_thread.joinable())
        return;
    // cpp-httplib's stop() does nothing until the listening loop has begun.
    while (!m_server->is_running() && !m_listenEnded)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    m_server->stop();
    m_thread.join();
}

void LocalHttpServer::start()
{
    m_port = m_server->bind_to_any_port("127.0.0.1");
    if (m_port <= 0)
        throw std::runtime_error("the test server could not bind a port");
    m_thread = std::thread([this] {
        m_server->listen_after_bind();
        m_listenEnded = true;
    });
    for (int i = 0; i < 500 && !m_server->is_running(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
}

QString LocalHttpServer::url() const
{
    return QStringLiteral("%1://127.0.0.1:%2").arg(m_tls ? QStringLiteral("https") : QStringLiteral("http")).arg(m_port);
}

std::vector<SeenRequest> LocalHttpServer::requests() const
{
    const std::lock_guard lock(m_mutex);
    return m_requests;
}

void LocalHttpServer::clearRequests()
{
    const std::lock_guard lock(m_mutex);
    m_requests.clear();
}

// ---- RawTcpServer

RawTcpServer::RawTcpServer(std::function<void(int, const RawTcpServer&)> handler) : m_handler(std::move(handler))
{
    m_listen = ::socket(AF_INET, SOCK_STREAM, 0);
    const int yes = 1;
    ::setsockopt(m_listen, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t len = sizeof addr;
    if (::bind(m_listen, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0 || ::listen(m_listen, 16) != 0 ||
        ::getsockname(m_listen, reinterpret_cast<sockaddr*>(&addr), &len) != 0)
        throw std::runtime_error("the raw test server could not listen");
    m_port = ntohs(addr.sin_port);
    m_acceptor = std::thread([this] { acceptLoop(); });
}

RawTcpServer::~RawTcpServer()
{
    m_stop = true;
    m_acceptor.join();
    for (std::thread& worker : m_workers)
        worker.join();
    ::close(m_listen);
}

void RawTcpServer::acceptLoop()
{
    while (!m_stop) {
        pollfd pfd{m_listen, POLLIN, 0};
        if (::poll(&pfd, 1, 50) <= 0)
            continue;
        const int fd = ::accept(m_listen, nullptr, nullptr);
        if (fd < 0)
            continue;
        const std::lock_guard lock(m_mutex);
        m_workers.emplace_back([this, fd] {
            m_handler(fd, *this);
            ::close(fd);
        });
    }
}

std::string RawTcpServer::readHead(int socket, const RawTcpServer& self)
{
    std::string head;
    char c = 0;
    while (!self.stopping() && head.size() < 65536) {
        pollfd pfd{socket, POLLIN, 0};
        if (::poll(&pfd, 1, 100) <= 0)
            continue;
        if (::recv(socket, &c, 1, 0) != 1)
            return {};
        head += c;
        if (head.size() >= 4 && head.compare(head.size() - 4, 4, "\r\n\r\n") == 0)
            return head;
    }
    return {};
}

bool RawTcpServer::writeAll(int socket, const std::string& bytes)
{
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::send(socket, bytes.data() + done, bytes.size() - done, MSG_NOSIGNAL);
        if (n <= 0)
            return false;
        done += static_cast<size_t>(n);
    }
    return true;
}

// ---- LocalProxy

LocalProxy::LocalProxy(std::string user, std::string password)
    : m_user(std::move(user)), m_password(std::move(password)),
      m_server([this](int socket, const RawTcpServer& self) { handle(socket, self); })
{
}

std::vector<std::string> LocalProxy::targets() const
{
    const std::lock_guard lock(m_mutex);
    return m_targets;
}

void LocalProxy::handle(int socket, const RawTcpServer& self)
{
    const std::string head = RawTcpServer::readHead(socket, self);
    if (head.empty())
        return;
    std::istringstream lines(head);
    std::string method, target, version;
    lines >> method >> target >> version;
    std::string credentials;
    std::string line;
    std::getline(lines, line);
    std::string forwardedHead;
    while (std::getline(lines, line) && line != "\r") {
        const std::string name = lower(line.substr(0, line.find(':')));
        if (name == "proxy-authorization") {
            credentials = line.substr(line.find(':') + 1);
            credentials.erase(0, credentials.find_first_not_of(' '));
            credentials.erase(credentials.find_last_not_of("\r ") + 1);
        } else if (name != "proxy-connection" && name != "connection") {
            forwardedHead += line + "\n";
        }
    }
    if (!m_user.empty()) {
        const QByteArray expected = QByteArray::fromStdString(m_user + ':' + m_password).toBase64();
        if (credentials != "Basic " + expected.toStdString()) {
            ++m_refused;
            RawTcpServer::writeAll(socket, "HTTP/1.1 407 Proxy Authentication Required\r\n"
                                           "Proxy-Authenticate: Basic realm=\"test\"\r\nContent-Length: 0\r\n"
                                           "Connection: close\r\n\r\n");
            return;
        }
    }
    std::string hostPort = target;
    std::string path = "/";
    if (method != "CONNECT") {
        const size_t scheme = target.find("://");
        hostPort = scheme == std::string::npos ? target : target.substr(scheme + 3);
        const size_t slash = hostPort.find('/');
        if (slash != std::string::npos) {
            path = hostPort.substr(slash);
            hostPort.erase(slash);
        }
    }
    const size_t colon = hostPort.rfind(':');
    const std::string host = hostPort.substr(0, colon);
    const int port = colon == std::string::npos ? 80 : std::atoi(hostPort.c_str() + colon + 1);
    // This proxy never reaches beyond the machine it runs on.
    if (host != "127.0.0.1" && host != "localhost") {
        RawTcpServer::writeAll(socket, "HTTP/1.1 403 Forbidden\r\nContent-Length: 0\r\nConnection: close\r\n\r\n");
        return;
    }
    const int upstream = connectLoopback(port);
    if (upstream < 0) {
        RawTcpServer::writeAll(socket, "HTTP/1.1 502 Bad Gateway\r\nContent-Length: 0\r\nConnection: close\r\n\r\n");
        return;
    }
    ++m_forwarded;
    {
        const std::lock_guard lock(m_mutex);
        m_targets.push_back(hostPort);
    }
    if (method == "CONNECT")
        RawTcpServer::writeAll(socket, "HTTP/1.1 200 Connection established\r\n\r\n");
    else
        RawTcpServer::writeAll(upstream, method + ' ' + path + ' ' + version + "\r\n" + forwardedHead +
                                             "Connection: close\r\n\r\n");
    relay(socket, upstream, self);
    ::close(upstream);
}

// ---- OperatorSite

DowngradeRedirect::DowngradeRedirect()
{
    const auto answer = [](const httplib::Request&, httplib::Response& res) {
        res.set_content("served in plain text", "text/plain");
    };
    m_plain.http().Get(".*", answer);
    m_plain.http().Post(".*", answer);
    m_plain.start();
    const std::string plain = m_plain.url().toStdString();
    const auto redirect = [plain](const httplib::Request& req, httplib::Response& res) {
        res.set_redirect(plain + req.target, 307);
    };
    m_secure.http().Get(".*", redirect);
    m_secure.http().Post(".*", redirect);
    m_secure.start();
}

OperatorSite::OperatorSite(LocalHttpServer::Tls tls) : m_server(tls)
{
    m_server.http().Get("/en/buscador", [this](const httplib::Request& req, httplib::Response& res) {
        if (const int delay = m_delayMs)
            std::this_thread::sleep_for(std::chrono::milliseconds(delay));
        const std::string date = req.get_param_value("startDate");
        const std::lock_guard lock(m_mutex);
        if (int& failures = m_failures[date]; failures > 0) {
            --failures;
            res.status = 500;
            res.set_content("failure", "text/plain");
            return;
        }
        const auto page = m_pages.find(date);
        if (page == m_pages.end()) {
            res.status = 404;
            res.set_content("<html><body>Not found</body></html>", "text/html");
            return;
        }
        res.set_content(page->second, "text/html; charset=utf-8");
    });
    m_server.start();
}

void OperatorSite::setPage(const std::string& date, const std::string& html)
{
    const std::lock_guard lock(m_mutex);
    m_pages[date] = html;
}

void OperatorSite::serveDraws(const core::TDrawsArray& draws)
{
    for (const core::TDrawRec& d : draws)
        setPage(core::DrawDateText(d).toStdString(), ResultsPage({d}));
}

void OperatorSite::failNext(const std::string& date, int count)
{
    const std::lock_guard lock(m_mutex);
    m_failures[date] = count;
}

std::vector<std::string> OperatorSite::askedDates() const
{
    std::vector<std::string> dates;
    for (const SeenRequest& r : m_server.requests()) {
        const auto it = r.params.find("startDate");
        if (it != r.params.end())
            dates.push_back(it->second);
    }
    return dates;
}

std::string OperatorSite::DrawBlock(const core::TDrawRec& draw)
{
    std::string block = "<div class=\"cuerpoRegionIzq\">\n <h3>Draw</h3>\n <div class=\"combinacion\">\n"
                        "  <p>Lucky combination</p>\n  <ul>\n";
    for (int i = 0; i < core::CombSize; ++i)
        block += "   <li>" + std::to_string(draw.Values[i]) + "</li>\n";
    block += "  </ul>\n </div>\n <p>Key number: <span class=\"bolaPeq\">" + std::to_string(draw.Extra) +
             "</span></p>\n</div>\n<div class=\"cuerpoRegionDerecha\">\n <p>Prizes</p>\n</div>\n";
    return block;
}

std::string OperatorSite::ResultsPage(const core::TDrawsArray& draws)
{
    std::string page = "<!DOCTYPE html>\n<html><head><title>Results — результаты</title></head><body>\n"
                       "<div id=\"drawsList\">\n";
    for (const core::TDrawRec& d : draws)
        page += DrawBlock(d);
    page += "<!-- while JQuery is not added to the grid... -->\n</div>\n</body></html>\n";
    return page;
}

// ---- the proxy-list page

std::string ProxyListPage(const std::vector<ProxyRow>& rows, int shift)
{
    std::string page = "<html><body><div style=\"display:none\" data-p=\"" + std::to_string(shift) +
                       "\"></div>\n<table><thead><tr><th>Proxy</th></tr></thead>\n<tbody>";
    for (const ProxyRow& row : rows) {
        // The first half of the host goes backwards, the second as hex-escaped Base64.
        const size_t half = row.host.size() / 2;
        std::string first = row.host.substr(0, half);
        std::reverse(first.begin(), first.end());
        const std::string encoded = QByteArray::fromStdString(row.host.substr(half)).toBase64().toStdString();
        std::string escaped;
        for (unsigned char c : encoded) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02x", c);
            escaped += hex;
        }
        page += "<tr><td><script>var h = '" + first + "'.split('').reverse().join(''); var t = atob('" + escaped +
                "'); var pp = (" + std::to_string(row.port - shift) + " + 0); document.write(h + t);</script></td>"
                "<td>HTTPS</td></tr>\n";
    }
    page += "</tbody></table></body></html>\n";
    return page;
}

std::string Compress(const std::string& bytes, bool gzip)
{
    z_stream z{};
    deflateInit2(&z, Z_BEST_COMPRESSION, Z_DEFLATED, gzip ? 31 : 15, 8, Z_DEFAULT_STRATEGY);
    std::string out(deflateBound(&z, bytes.size()) + 32, '\0');
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(bytes.data()));
    z.avail_in = static_cast<uInt>(bytes.size());
    z.next_out = reinterpret_cast<Bytef*>(out.data());
    z.avail_out = static_cast<uInt>(out.size());
    deflate(&z, Z_FINISH);
    out.resize(z.total_out);
    deflateEnd(&z);
    return out;
}

} // namespace testsupport
