#include "host/GuardedServer.h"

#include <openssl/err.h>
#include <openssl/ssl.h>

#include <arpa/inet.h>
#include <fcntl.h>
#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>

namespace host {

namespace {

using Clock = std::chrono::steady_clock;

std::string numericAddress(const sockaddr_storage& addr, socklen_t len, int* port)
{
    char host[NI_MAXHOST] = {};
    char service[NI_MAXSERV] = {};
    if (getnameinfo(reinterpret_cast<const sockaddr*>(&addr), len, host, sizeof host, service, sizeof service,
                    NI_NUMERICHOST | NI_NUMERICSERV) != 0)
        return {};
    if (port)
        *port = std::atoi(service);
    return host;
}

std::string peerAddress(int socket, int* port = nullptr)
{
    sockaddr_storage addr{};
    socklen_t len = sizeof addr;
    if (getpeername(socket, reinterpret_cast<sockaddr*>(&addr), &len) != 0)
        return {};
    return numericAddress(addr, len, port);
}

// Waits until the socket is ready for what OpenSSL asked for, at most until the deadline.
bool waitFor(int socket, int sslError, Clock::time_point deadline)
{
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    if (left <= 0)
        return false;
    pollfd p{socket, static_cast<short>(sslError == SSL_ERROR_WANT_WRITE ? POLLOUT : POLLIN), 0};
    int rc = 0;
    do {
        rc = ::poll(&p, 1, static_cast<int>(left));
    } while (rc < 0 && errno == EINTR);
    return rc > 0;
}

// One TLS connection over a non-blocking socket: reads end at the connection's deadline,
// each write waits at most the write timeout.
class TlsStream : public httplib::Stream
{
public:
    TlsStream(SSL* ssl, int socket, Clock::time_point readDeadline, std::chrono::milliseconds writeTimeout)
        : m_ssl(ssl), m_socket(socket), m_readDeadline(readDeadline), m_writeTimeout(writeTimeout)
    {
    }

    bool is_readable() const override
    {
        return SSL_pending(m_ssl) > 0 || waitFor(m_socket, SSL_ERROR_WANT_READ, m_readDeadline);
    }
    bool is_writable() const override
    {
        return waitFor(m_socket, SSL_ERROR_WANT_WRITE, Clock::now() + m_writeTimeout);
    }

    ssize_t read(char* ptr, size_t size) override
    {
        for (;;) {
            const int n = SSL_read(m_ssl, ptr, static_cast<int>(std::min<size_t>(size, INT_MAX)));
            if (n > 0)
                return n;
            const int error = SSL_get_error(m_ssl, n);
            if (error == SSL_ERROR_ZERO_RETURN)
                return 0;
            if ((error != SSL_ERROR_WANT_READ && error != SSL_ERROR_WANT_WRITE) ||
                !waitFor(m_socket, error, m_readDeadline))
                return -1;
        }
    }

    ssize_t write(const char* ptr, size_t size) override
    {
        const Clock::time_point deadline = Clock::now() + m_writeTimeout;
        for (;;) {
            const int n = SSL_write(m_ssl, ptr, static_cast<int>(std::min<size_t>(size, INT_MAX)));
            if (n > 0)
                return n;
            const int error = SSL_get_error(m_ssl, n);
            if ((error != SSL_ERROR_WANT_READ && error != SSL_ERROR_WANT_WRITE) || !waitFor(m_socket, error, deadline))
                return -1;
        }
    }

    void get_remote_ip_and_port(std::string& ip, int& port) const override { ip = peerAddress(m_socket, &port); }

    void get_local_ip_and_port(std::string& ip, int& port) const override
    {
        sockaddr_storage addr{};
        socklen_t len = sizeof addr;
        if (getsockname(m_socket, reinterpret_cast<sockaddr*>(&addr), &len) == 0)
            ip = numericAddress(addr, len, &port);
    }

    socket_t socket() const override { return m_socket; }

private:
    SSL* m_ssl;
    int m_socket;
    Clock::time_point m_readDeadline;
    std::chrono::milliseconds m_writeTimeout;
};

} // namespace

GuardedServer::GuardedServer(const char* certFile, const char* keyFile, const ConnectionLimits& limits)
    : httplib::SSLServer(certFile, keyFile), m_limits(limits)
{
    const int workers = std::max(1, limits.workers);
    new_task_queue = [workers] { return new httplib::ThreadPool(static_cast<size_t>(workers)); };
}

void GuardedServer::widenBacklog()
{
    // Listening again on a listening socket only changes its backlog.
    ::listen(svr_sock_, SOMAXCONN);
}

void GuardedServer::stopListening()
{
    if (is_running()) {
        stop();
        return;
    }
    // A listening socket that is shut down fails its next accept, which ends the loop as soon
    // as it begins; the loop then closes the socket itself.
    const socket_t sock = svr_sock_;
    if (sock != INVALID_SOCKET)
        ::shutdown(sock, SHUT_RDWR);
}

bool GuardedServer::admit(const std::string& address, int socket, Entries::iterator& entry)
{
    const std::lock_guard lock(m_mutex);
    Entries& entries = m_connections[address];
    const auto waiting = [](const Entry& e) { return !e.evicted && !e.delivered; };
    const auto held = std::count_if(entries.begin(), entries.end(), [](const Entry& e) { return !e.evicted; });
    if (held >= m_limits.perAddress) {
        // The oldest connection still short of its request makes room; shutting it down wakes
        // its worker, which then releases it. The socket is still open: its worker closes it
        // only after taking it out of this list under the same lock.
        const auto oldest = std::find_if(entries.begin(), entries.end(), waiting);
        if (oldest == entries.end())
            return false;
        oldest->evicted = true;
        ::shutdown(oldest->socket, SHUT_RDWR);
    }
    entry = entries.insert(entries.end(), Entry{socket, false, false});
    return true;
}

void GuardedServer::release(const std::string& address, Entries::iterator entry)
{
    const std::lock_guard lock(m_mutex);
    const auto it = m_connections.find(address);
    if (it == m_connections.end())
        return;
    it->second.erase(entry);
    if (it->second.empty())
        m_connections.erase(it);
}

void GuardedServer::markDelivered(Entries::iterator entry)
{
    const std::lock_guard lock(m_mutex);
    if (!entry->evicted)
        entry->delivered = true;
}

bool GuardedServer::process_and_close_socket(socket_t sock)
{
    const Clock::time_point deadline = Clock::now() + m_limits.deliverTimeout;
    const std::string address = peerAddress(sock);
    Entries::iterator entry;
    if (!admit(address, sock, entry)) {
        ::close(sock);
        return false;
    }
    bool answered = false;
    const int flags = ::fcntl(sock, F_GETFL, 0);
    SSL* ssl = flags < 0 || ::fcntl(sock, F_SETFL, flags | O_NONBLOCK) < 0 ? nullptr : SSL_new(ssl_context());
    if (ssl && SSL_set_fd(ssl, sock) == 1) {
        bool ready = false;
        for (;;) {
            const int rc = SSL_accept(ssl);
            if (rc == 1) {
                ready = true;
                break;
            }
            const int error = SSL_get_error(ssl, rc);
            if ((error != SSL_ERROR_WANT_READ && error != SSL_ERROR_WANT_WRITE) || !waitFor(sock, error, deadline))
                break;
        }
        if (ready) {
            TlsStream stream(ssl, sock, deadline, m_limits.writeTimeout);
            bool closed = false;
            answered = process_request(stream, true, closed, [this, entry, ssl](httplib::Request& req) {
                req.ssl = ssl;
                markDelivered(entry);
            });
            // Without a close_notify some clients take the end of the connection for a cut.
            SSL_shutdown(ssl);
        }
    }
    ERR_clear_error();
    if (ssl)
        SSL_free(ssl);
    release(address, entry);
    ::close(sock);
    return answered;
}

} // namespace host
