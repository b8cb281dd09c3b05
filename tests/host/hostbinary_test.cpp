// The real vertoma-host binary: its own certificate on first start, the update files, bounded
// bodies, and a kill in the middle of writes that loses nothing it had confirmed.

#include "LiveHost.h"
#include "TestPaths.h"
#include "host/Database.h"
#include "net/Requests.h"
#include "online/SystemsLibrary.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <atomic>
#include <mutex>
#include <thread>

namespace {

// Starts the binary on a free port and waits for the line that names it.
class HostProcess
{
public:
    explicit HostProcess(const QStringList& args)
    {
        m_process.setProcessChannelMode(QProcess::SeparateChannels);
        m_process.start(QStringLiteral(VERTOMA_HOST_PATH), QStringList{QStringLiteral("--port"), QStringLiteral("0")} + args);
        if (!m_process.waitForStarted(10000))
            return;
        QByteArray out;
        while (!out.contains('\n') && m_process.waitForReadyRead(20000))
            out += m_process.readAllStandardOutput();
        const auto m = QRegularExpression(QStringLiteral("https://127\\.0\\.0\\.1:(\\d+)")).match(QString::fromUtf8(out));
        if (m.hasMatch())
            m_port = m.captured(1).toInt();
        m_banner = QString::fromUtf8(out);
    }
    ~HostProcess()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.terminate();
            if (!m_process.waitForFinished(10000))
                m_process.kill();
            m_process.waitForFinished(5000);
        }
    }
    int port() const { return m_port; }
    QString url() const { return QStringLiteral("https://127.0.0.1:%1").arg(m_port); }
    QString banner() const { return m_banner; }
    QProcess& process() { return m_process; }

private:
    QProcess m_process;
    int m_port = 0;
    QString m_banner;
};

online::ClientIdentity writer()
{
    online::ClientIdentity id;
    id.appver = QStringLiteral("0.1.0");
    id.hwdid = QStringLiteral("HW");
    id.cl_name = QStringLiteral("Писатель");
    id.cl_mail = QStringLiteral("w@example.test");
    return id;
}

online::tSystemData numbered(int k)
{
    online::tSystemData s;
    s.nums = 6 + k % 40;
    s.olap = 2;
    s.csize = 2;
    s.title = QStringLiteral("Система № %1").arg(k);
    s.descr = QStringLiteral("запись %1").arg(k);
    s.author = QStringLiteral("Писатель");
    s.cl_mail = QStringLiteral("w@example.test");
    s.clist = QStringLiteral("1 2 3 4 5\r\n2 3 4 5 6");
    return s;
}

} // namespace

TEST(HostBinaryTest, MakesItsOwnCertificateOnceAndServesWithIt)
{
    QTemporaryDir dir;
    QString firstCert;
    {
        HostProcess host({QStringLiteral("--data"), dir.path()});
        ASSERT_GT(host.port(), 0) << host.banner().toStdString();
        const QString cert = dir.filePath(QStringLiteral("host-cert.pem"));
        const QString key = dir.filePath(QStringLiteral("host-key.pem"));
        ASSERT_TRUE(QFileInfo::exists(cert));
        ASSERT_TRUE(QFileInfo::exists(key));
        EXPECT_EQ(QFileInfo(key).permissions() & (QFileDevice::ReadGroup | QFileDevice::ReadOther), QFileDevice::Permissions());
        QFile f(cert);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        firstCert = QString::fromLatin1(f.readAll());

        // A client that trusts the made certificate talks to the host; TLS stays verified.
        online::SystemsLibrary lib(online::ServiceClient({host.url(), cert, {}, {}}), writer());
        QString error;
        EXPECT_GT(lib.upload(numbered(1), false, &error), 0) << error.toStdString();
        online::SystemsLibrary untrusted(online::ServiceClient({host.url(), {}, {}, {}}), writer());
        std::vector<online::tSystemData> list;
        EXPECT_FALSE(untrusted.list(list, nullptr, &error));
    }
    // The second start keeps the pair and the data.
    HostProcess again({QStringLiteral("--data"), dir.path()});
    ASSERT_GT(again.port(), 0);
    QFile f(dir.filePath(QStringLiteral("host-cert.pem")));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromLatin1(f.readAll()), firstCert);
    online::SystemsLibrary lib(online::ServiceClient({again.url(), dir.filePath(QStringLiteral("host-cert.pem")), {}, {}}),
                               writer());
    std::vector<online::tSystemData> list;
    QString error;
    ASSERT_TRUE(lib.list(list, nullptr, &error)) << error.toStdString();
    EXPECT_EQ(list.size(), 1u);
}

TEST(HostBinaryTest, RefusesBadStartArguments)
{
    QProcess p;
    p.start(QStringLiteral(VERTOMA_HOST_PATH), {QStringLiteral("--port"), QStringLiteral("0")});
    ASSERT_TRUE(p.waitForFinished(10000));
    EXPECT_EQ(p.exitCode(), 2);
    QTemporaryDir dir;
    p.start(QStringLiteral(VERTOMA_HOST_PATH), {QStringLiteral("--data"), dir.path(), QStringLiteral("--port"), QStringLiteral("x")});
    ASSERT_TRUE(p.waitForFinished(10000));
    EXPECT_EQ(p.exitCode(), 2);
    p.start(QStringLiteral(VERTOMA_HOST_PATH), {QStringLiteral("--data"), dir.path(), QStringLiteral("--port"),
                                                QStringLiteral("0"), QStringLiteral("--cert"), dir.filePath(QStringLiteral("none.pem"))});
    ASSERT_TRUE(p.waitForFinished(10000));
    EXPECT_EQ(p.exitCode(), 1);
    EXPECT_FALSE(p.readAllStandardError().isEmpty());
}

TEST(HostServerTest, ServesTheUpdateFilesAndBoundsTheBody)
{
    testsupport::LiveHost host(64 * 1024);
    const QString folder = QDir(host.dataDir()).filePath(QStringLiteral("files/autoupdates"));
    ASSERT_TRUE(QDir(folder).exists());
    QFile cfg(QDir(folder).filePath(QStringLiteral("Numeko_AU.cfg")));
    ASSERT_TRUE(cfg.open(QIODevice::WriteOnly));
    cfg.write("[Vertoma_5x54.exe]\r\nVerId=1.0.0.121\r\n");
    cfg.close();
    net::RequestOptions options;
    options.caFile = testsupport::TestCaFile();
    net::HttpResponse r = net::HttpGetText(host.url() + QStringLiteral("/files/autoupdates/Numeko_AU.cfg"), true, options);
    ASSERT_TRUE(r.ok()) << r.message.toStdString();
    EXPECT_EQ(r.body, QByteArray("[Vertoma_5x54.exe]\r\nVerId=1.0.0.121\r\n"));
    r = net::HttpGetText(host.url() + QStringLiteral("/files/autoupdates/UpdDescr/none.txt"), true, options);
    EXPECT_TRUE(r.notFound());
    r = net::HttpGetText(host.url() + QStringLiteral("/files/../vertoma-host.sqlite"), true, options);
    EXPECT_FALSE(r.ok());

    // A body over the bound is refused with the envelope's error row, and nothing is stored.
    online::tSystemData big = numbered(1);
    big.descr = QString(100 * 1024, u'x');
    online::SystemsLibrary lib(online::ServiceClient(host.address()), writer());
    QString error;
    EXPECT_EQ(lib.upload(big, false, &error), -1);
    EXPECT_TRUE(error.contains(QStringLiteral("Слишком большой запрос"))) << error.toStdString();
    std::vector<online::tSystemData> list;
    ASSERT_TRUE(lib.list(list, nullptr, &error)) << error.toStdString();
    EXPECT_TRUE(list.empty());
    // The host is still there.
    EXPECT_GT(lib.upload(numbered(2), false, &error), 0) << error.toStdString();
}

TEST(HostServerTest, AStopThatComesBeforeServingEndsItAtOnce)
{
    // A signal right after the start reaches stop() before the serving thread has begun.
    QTemporaryDir dir;
    host::HostOptions options;
    options.dataDir = dir.path();
    options.certFile = QStringLiteral(VERTOMA_TEST_DATA_DIR "/net/server.pem");
    options.keyFile = QStringLiteral(VERTOMA_TEST_DATA_DIR "/net/server.key");
    host::HostServer server;
    QString error;
    ASSERT_TRUE(server.start(options, &error)) << error.toStdString();
    server.stop();
    server.serve(); // returns instead of serving for ever
    server.stop();  // and a second stop touches nothing

    // The same with the threads falling as they may.
    for (int i = 0; i < 20; ++i) {
        testsupport::LiveHost host;
        EXPECT_GT(host.port(), 0);
    }
}

TEST(HostBinaryTest, AKillDuringWritesLosesNothingConfirmed)
{
    QTemporaryDir dir;
    const QString cert = QStringLiteral(VERTOMA_TEST_DATA_DIR "/net/server.pem");
    const QStringList args{QStringLiteral("--data"), dir.path(), QStringLiteral("--cert"), cert, QStringLiteral("--key"),
                           QStringLiteral(VERTOMA_TEST_DATA_DIR "/net/server.key")};
    std::vector<std::pair<int, int>> confirmed; // library id, k
    {
        HostProcess host(args);
        ASSERT_GT(host.port(), 0) << host.banner().toStdString();
        std::mutex mutex;
        std::atomic<bool> stop{false};
        std::atomic<int> next{0};
        std::vector<std::thread> writers;
        for (int w = 0; w < 3; ++w) {
            writers.emplace_back([&] {
                online::SystemsLibrary lib(online::ServiceClient({host.url(), testsupport::TestCaFile(), {}, {}}),
                                           writer());
                while (!stop) {
                    const int k = next++;
                    QString error;
                    const int id = lib.upload(numbered(k), false, &error);
                    if (id <= 0)
                        return; // the host is gone
                    const std::lock_guard lock(mutex);
                    confirmed.emplace_back(id, k);
                }
            });
        }
        // Kill it while the writers are busy.
        while (true) {
            {
                const std::lock_guard lock(mutex);
                if (confirmed.size() >= 40)
                    break;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        host.process().kill();
        host.process().waitForFinished(5000);
        stop = true;
        for (auto& t : writers)
            t.join();
    }
    ASSERT_GE(confirmed.size(), 40u);
    {
        host::Database db;
        QString error;
        ASSERT_TRUE(db.open(QDir(dir.path()).filePath(QStringLiteral("vertoma-host.sqlite")), &error))
            << error.toStdString();
        EXPECT_EQ(db.integrityCheck(), QStringLiteral("ok"));
    }
    HostProcess again(args);
    ASSERT_GT(again.port(), 0);
    online::SystemsLibrary lib(online::ServiceClient({again.url(), testsupport::TestCaFile(), {}, {}}), writer());
    std::vector<online::tSystemData> list;
    QString error;
    ASSERT_TRUE(lib.list(list, nullptr, &error)) << error.toStdString();
    std::map<int, online::tSystemData> byId;
    for (const auto& s : list)
        byId[s.id] = s;
    for (const auto& [id, k] : confirmed) {
        ASSERT_TRUE(byId.count(id)) << "confirmed system " << id << " lost";
        EXPECT_EQ(byId[id].title, numbered(k).title);
        EXPECT_EQ(byId[id].nums, numbered(k).nums);
        QString lines;
        ASSERT_TRUE(lib.fetchLines(id, lines, &error)) << error.toStdString();
        EXPECT_EQ(lines, QStringLiteral("01 02 03 04 05\r\n02 03 04 05 06"));
    }
    // The host goes on numbering after the last stored system.
    const int id = lib.upload(numbered(1000), false, &error);
    EXPECT_GT(id, byId.rbegin()->first) << error.toStdString();
}
