#pragma once

// The HTTPS server of the host with the per-connection work done here rather than by
// cpp-httplib, so that no client can hold the workers: each connection has one deadline for
// its TLS handshake, headers and body together; one address holds at most a few connections
// that have not delivered their request (a new one pushes out the oldest of them); and each
// connection carries exactly one request and is closed after its answer, so requests sent
// ahead in the same write are never left waiting for a keep-alive that does not come.

#include <httplib.h>

#include <chrono>
#include <list>
#include <map>
#include <mutex>
#include <string>

namespace host {

struct ConnectionLimits
{
    // Time from accepting a connection until its request (handshake, headers, body) is in.
    std::chrono::milliseconds deliverTimeout{10000};
    // Time a single write of the answer may wait for the peer.
    std::chrono::milliseconds writeTimeout{15000};
    // Connections one address may hold before its request has arrived.
    int perAddress = 16;
    // Workers; with each address held to perAddress connections and each connection to the
    // deadline, many more workers than that keep a normal request from waiting behind slow ones.
    int workers = 64;
};

class GuardedServer : public httplib::SSLServer
{
public:
    GuardedServer(const char* certFile, const char* keyFile, const ConnectionLimits& limits);

    // After binding: cpp-httplib listens with a backlog of 5, so a burst of connections makes
    // the kernel drop the next ones and their clients retry a second or more later.
    void widenBacklog();

    // Ends the listening loop, also when it has not begun yet: cpp-httplib's own stop() does
    // nothing before then, and a stop that came first would leave the loop running for ever.
    void stopListening();

private:
    struct Entry
    {
        int socket = -1;
        bool delivered = false;
        bool evicted = false;
    };
    using Entries = std::list<Entry>;

    // Called by cpp-httplib's worker for every accepted socket; owns and closes it.
    bool process_and_close_socket(socket_t sock) override;

    // Registers the connection, pushing out the oldest waiting one of a full address; false
    // when every connection of the address is already being answered.
    bool admit(const std::string& address, int socket, Entries::iterator& entry);
    void release(const std::string& address, Entries::iterator entry);
    void markDelivered(Entries::iterator entry);

    ConnectionLimits m_limits;
    std::mutex m_mutex;
    std::map<std::string, Entries> m_connections;
};

} // namespace host
