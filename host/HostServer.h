#pragma once

// The stand-in service host over HTTPS: the library paths answered by the request handler, the
// update files served from the folder "files" of the data folder, bounded request bodies, and
// an error row for every refused request. Only the files inside "files" are served, never
// through a link that leads out of it, and only over TLS 1.2 with AEAD suites or TLS 1.3.

#include "host/Database.h"
#include "host/GuardedServer.h"
#include "host/RequestHandler.h"

#include <QString>
#include <QStringList>

#include <atomic>
#include <cstddef>
#include <memory>

namespace host {

struct HostOptions
{
    QString dataDir;
    QString bindAddress = QStringLiteral("127.0.0.1");
    int port = 0; // 0: any free port
    // Both empty: "host-cert.pem" and "host-key.pem" of the data folder, made when missing.
    QString certFile;
    QString keyFile;
    // Names the made certificate is valid for, besides localhost and 127.0.0.1.
    QStringList names;
    std::size_t maxBodyBytes = 8u << 20;
    ConnectionLimits connections;
};

class HostServer
{
public:
    HostServer();
    ~HostServer();
    HostServer(const HostServer&) = delete;
    HostServer& operator=(const HostServer&) = delete;

    // Opens the storage, prepares the certificate and binds the port. False with the reason.
    bool start(const HostOptions& options, QString* error);
    int port() const { return m_port; }
    const QString& certFile() const { return m_certFile; }
    RequestHandler& handler() { return *m_handler; }
    // Serves until stop(); returns at once when start() failed. A stop() that comes before
    // serve() makes it return at once.
    void serve();
    void stop();

private:
    Database m_db;
    std::unique_ptr<RequestHandler> m_handler;
    std::unique_ptr<GuardedServer> m_server;
    QString m_certFile;
    int m_port = 0;
    std::atomic<bool> m_served{false};
};

} // namespace host
