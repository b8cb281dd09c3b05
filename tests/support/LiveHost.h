#pragma once

// The stand-in service host running inside the test on 127.0.0.1, with the test authority's
// server certificate, over a temporary data folder. Header-only: a test that uses it links
// vertoma_host.

#include "LocalServers.h"
#include "TestPaths.h"
#include "host/HostServer.h"
#include "online/ServiceClient.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <thread>

namespace testsupport {

class LiveHost
{
public:
    explicit LiveHost(std::size_t maxBody = 8u << 20, const host::ConnectionLimits& connections = {})
    {
        host::HostOptions options;
        options.dataDir = m_dir.path();
        options.certFile = QStringLiteral(VERTOMA_TEST_DATA_DIR "/net/server.pem");
        options.keyFile = QStringLiteral(VERTOMA_TEST_DATA_DIR "/net/server.key");
        options.maxBodyBytes = maxBody;
        options.connections = connections;
        QString error;
        m_started = m_server.start(options, &error);
        EXPECT_TRUE(m_started) << error.toStdString();
        if (m_started)
            m_thread = std::thread([this] { m_server.serve(); });
    }
    ~LiveHost()
    {
        m_server.stop();
        if (m_thread.joinable())
            m_thread.join();
    }
    LiveHost(const LiveHost&) = delete;
    LiveHost& operator=(const LiveHost&) = delete;

    QString url() const { return QStringLiteral("https://127.0.0.1:%1").arg(m_server.port()); }
    int port() const { return m_server.port(); }
    QString dataDir() const { return m_dir.path(); }
    host::HostServer& server() { return m_server; }
    online::ServiceAddress address() const { return {url(), TestCaFile(), {}, {}}; }

private:
    QTemporaryDir m_dir;
    host::HostServer m_server;
    std::thread m_thread;
    bool m_started = false;
};

} // namespace testsupport
