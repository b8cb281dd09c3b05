#include "host/HostServer.h"

#include "host/SelfSigned.h"
#include "online/Conventions.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHostInfo>

#include <httplib.h>
#include <openssl/ssl.h>

namespace host {

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("host", text);
}

const char* const kReplyType = "text/xml; charset=utf-8";

// TLS 1.2 only with forward secrecy and authenticated encryption, as the usual "intermediate"
// server configuration; TLS 1.3 keeps its own (all AEAD) suites.
const char* const kTls12Ciphers = "ECDHE-ECDSA-AES128-GCM-SHA256:ECDHE-RSA-AES128-GCM-SHA256:"
                                  "ECDHE-ECDSA-AES256-GCM-SHA384:ECDHE-RSA-AES256-GCM-SHA384:"
                                  "ECDHE-ECDSA-CHACHA20-POLY1305:ECDHE-RSA-CHACHA20-POLY1305";

bool restrictTls(SSL_CTX* ctx)
{
    return ctx && SSL_CTX_set_min_proto_version(ctx, TLS1_2_VERSION) == 1 &&
           SSL_CTX_set_cipher_list(ctx, kTls12Ciphers) == 1;
}

// The status for a path under "/files/" that must not be served, 0 when it may be. The path
// is already decoded: a "%00" became a NUL the file system would cut the name at, and a link
// may lead out of the folder, which only the resolved path shows.
int refusedFile(const std::string& path, const QString& filesDir)
{
    if (path.find('\0') != std::string::npos)
        return 400;
    const QString relative = QString::fromUtf8(path).mid(QStringLiteral("/files/").size());
    const QFileInfo target(QDir(filesDir).filePath(relative));
    if (!target.exists())
        return 0; // the server's own answer (404) follows
    const QString root = QFileInfo(filesDir).canonicalFilePath();
    const QString real = target.canonicalFilePath();
    if (root.isEmpty() || real.isEmpty() || (real != root && !real.startsWith(root + u'/')))
        return 403;
    return 0;
}

} // namespace

HostServer::HostServer() = default;

HostServer::~HostServer()
{
    stop();
}

bool HostServer::start(const HostOptions& options, QString* error)
{
    const QDir data(options.dataDir);
    if (!data.exists() && !QDir().mkpath(options.dataDir)) {
        if (error)
            *error = tr("Не удалось создать папку данных \"%1\"").arg(options.dataDir);
        return false;
    }
    const std::size_t maxBody = options.maxBodyBytes;
    const QString files = data.filePath(QStringLiteral("files"));
    QDir().mkpath(QDir(files).filePath(QStringLiteral("autoupdates")));

    m_certFile = options.certFile;
    QString keyFile = options.keyFile;
    if (m_certFile.isEmpty() != keyFile.isEmpty()) {
        if (error)
            *error = tr("Сертификат и ключ указываются только вместе (--cert и --key)");
        return false;
    }
    if (m_certFile.isEmpty()) {
        m_certFile = data.filePath(QStringLiteral("host-cert.pem"));
        keyFile = data.filePath(QStringLiteral("host-key.pem"));
        if (!QFileInfo::exists(m_certFile) || !QFileInfo::exists(keyFile)) {
            QStringList names = options.names;
            names << QStringLiteral("localhost") << QStringLiteral("127.0.0.1") << QStringLiteral("::1");
            const QString machine = QHostInfo::localHostName();
            if (!machine.isEmpty())
                names << machine;
            names.removeDuplicates();
            if (!MakeSelfSignedPair(m_certFile, keyFile, names, error))
                return false;
        }
    }

    if (!m_db.open(data.filePath(QStringLiteral("vertoma-host.sqlite")), error))
        return false;
    m_handler = std::make_unique<RequestHandler>(m_db);

    m_server = std::make_unique<GuardedServer>(m_certFile.toLocal8Bit().constData(),
                                               keyFile.toLocal8Bit().constData(), options.connections);
    if (!m_server->is_valid() || !restrictTls(m_server->ssl_context())) {
        if (error)
            *error = tr("Не удалось загрузить сертификат \"%1\" и ключ \"%2\"").arg(m_certFile, keyFile);
        m_server.reset();
        return false;
    }
    m_server->set_payload_max_length(options.maxBodyBytes);
    m_server->set_pre_routing_handler([files](const httplib::Request& req, httplib::Response& res) {
        if (req.path.rfind("/files/", 0) != 0)
            return httplib::Server::HandlerResponse::Unhandled;
        const int refused = refusedFile(req.path, files);
        if (refused == 0)
            return httplib::Server::HandlerResponse::Unhandled;
        res.status = refused;
        return httplib::Server::HandlerResponse::Handled;
    });
    // The body is read here rather than by the server, whose own form reader stops at 8 KiB.
    m_server->Post(R"(/scripts/[A-Za-z_]+\.php)",
                   [this, maxBody](const httplib::Request& req, httplib::Response& res,
                                   const httplib::ContentReader& reader) {
                       std::string body;
                       const bool whole = reader([&body, maxBody](const char* data, std::size_t size) {
                           body.append(data, size);
                           return body.size() <= maxBody;
                       });
                       const QByteArray reply =
                           whole ? m_handler->handle(req.path, ParseForm(body))
                                 : online::ErrorReply(tr("Слишком большой запрос: больше %1 байт").arg(maxBody));
                       res.set_content(reply.constData(), static_cast<std::size_t>(reply.size()), kReplyType);
                   });
    m_server->set_mount_point("/files", QFile::encodeName(files).toStdString());
    // A refused request still gets the envelope, so a client shows why.
    m_server->set_error_handler([maxBody](const httplib::Request& req, httplib::Response& res) {
        QString message;
        switch (res.status) {
        case 413:
            message = tr("Слишком большой запрос: больше %1 байт").arg(maxBody);
            break;
        case 404:
            message = tr("Не найдено: %1").arg(QString::fromStdString(req.path));
            break;
        case 403:
            message = tr("Файл вне папки files не выдается: %1").arg(QString::fromStdString(req.path));
            break;
        case 400:
            message = tr("Некорректный запрос: %1").arg(QString::fromUtf8(QByteArray::fromStdString(req.path).toPercentEncoding("/")));
            break;
        default:
            message = tr("Запрос отклонен (код %1)").arg(res.status);
            break;
        }
        const QByteArray reply = online::ErrorReply(message);
        res.set_content(reply.constData(), static_cast<std::size_t>(reply.size()), kReplyType);
    });

    const std::string address = options.bindAddress.toStdString();
    if (options.port == 0) {
        m_port = m_server->bind_to_any_port(address);
    } else {
        m_port = m_server->bind_to_port(address, options.port) ? options.port : -1;
    }
    if (m_port <= 0) {
        if (error)
            *error = tr("Не удалось занять порт %1 на адресе %2").arg(options.port).arg(options.bindAddress);
        m_server.reset();
        return false;
    }
    m_server->widenBacklog();
    return true;
}

void HostServer::serve()
{
    if (m_server)
        m_server->listen_after_bind();
    m_served = true;
}

void HostServer::stop()
{
    // After the loop has ended its socket is gone, and a second stop must not touch it.
    if (m_server && !m_served)
        m_server->stopListening();
}

} // namespace host
