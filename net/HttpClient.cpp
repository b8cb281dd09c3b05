#include "net/HttpClient.h"

#include <QCoreApplication>
#include <QFile>
#include <QIODevice>
#include <QUrl>

#include <curl/curl.h>
#include <openssl/err.h>
#include <openssl/pem.h>
#include <openssl/ssl.h>
#include <openssl/x509.h>

#include <chrono>
#include <vector>

namespace net {

namespace {

using Clock = std::chrono::steady_clock;

// How often a waiting request hands control to the keep-alive callback.
constexpr int kPollMs = 50;
constexpr long kMaxRedirects = 20;
// A certificate bundle is a few hundred kilobytes; anything far larger is not one.
constexpr qint64 kMaxCaFileBytes = 16 * kMiB;

QString tr(const char* text)
{
    return QCoreApplication::translate("net", text);
}

bool ensureCurl()
{
    static const bool ready = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
    return ready;
}

QString hostOf(const QUrl& url)
{
    if (url.port() > 0)
        return QStringLiteral("%1:%2").arg(url.host()).arg(url.port());
    return url.host();
}

bool isTlsError(CURLcode rc)
{
    switch (rc) {
    case CURLE_PEER_FAILED_VERIFICATION:
    case CURLE_SSL_CONNECT_ERROR:
    case CURLE_SSL_CERTPROBLEM:
    case CURLE_SSL_CIPHER:
    case CURLE_SSL_CACERT_BADFILE:
    case CURLE_SSL_ISSUER_ERROR:
    case CURLE_SSL_PINNEDPUBKEYNOTMATCH:
    case CURLE_SSL_INVALIDCERTSTATUS:
    case CURLE_SSL_CRL_BADFILE:
    case CURLE_SSL_SHUTDOWN_FAILED:
    case CURLE_USE_SSL_FAILED:
        return true;
    default:
        return false;
    }
}

// A reply that was cut short is not handed on; an error page of the server is.
void keepBody(HttpResponse& r, QByteArray& body)
{
    if (r.ok() || r.error == HttpError::Http)
        r.body = std::move(body);
}

} // namespace

HttpLimits FileLimits()
{
    HttpLimits limits;
    limits.totalTimeoutMs = 60 * 60 * 1000;
    limits.maxBodyBytes = 1024 * kMiB;
    return limits;
}

struct HttpClient::Impl
{
    // What one request gathers while it runs; the callbacks write here.
    struct Transfer
    {
        QByteArray* body = nullptr;
        QIODevice* device = nullptr;
        qint64 limit = 0;
        qint64 received = 0;
        bool tooLarge = false;
        bool outputFailed = false;
        QString statusLine;
        QByteArray location; // of the last response that had one
        Clock::time_point lastActivity;
        curl_off_t lastDown = 0;
        curl_off_t lastUp = 0;
    };

    CURL* easy = nullptr;
    HttpLimits limits;
    QString caFile;
    std::vector<X509*> caCerts;
    QString caError;
    ProxyServer proxy;
    bool follow = true;
    bool close = false;
    std::function<void()> keepAlive;
    bool running = false;
    char errorBuffer[CURL_ERROR_SIZE] = {};

    ~Impl()
    {
        freeCerts();
        if (easy)
            curl_easy_cleanup(easy);
    }

    void freeCerts()
    {
        for (X509* cert : caCerts)
            X509_free(cert);
        caCerts.clear();
    }

    void loadCaFile(const QString& path)
    {
        freeCerts();
        caError.clear();
        caFile = path;
        if (path.isEmpty())
            return;
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            caError = tr("Не удалось открыть файл сертификатов \"%1\": %2").arg(path, file.errorString());
            return;
        }
        if (file.size() > kMaxCaFileBytes) {
            caError = tr("Файл сертификатов \"%1\" слишком велик.").arg(path);
            return;
        }
        const QByteArray pem = file.readAll();
        BIO* bio = BIO_new_mem_buf(pem.constData(), static_cast<int>(pem.size()));
        while (X509* cert = PEM_read_bio_X509(bio, nullptr, nullptr, nullptr))
            caCerts.push_back(cert);
        BIO_free(bio);
        // The reading loop always ends on an error ("no start line") that is no error at all.
        ERR_clear_error();
        if (caCerts.empty())
            caError = tr("В файле \"%1\" нет ни одного сертификата в формате PEM.").arg(path);
    }

    static size_t onBody(char* data, size_t size, size_t count, void* user)
    {
        auto& t = *static_cast<Transfer*>(user);
        const auto bytes = static_cast<qint64>(size * count);
        t.lastActivity = Clock::now();
        if (t.received + bytes > t.limit) {
            t.tooLarge = true;
            return 0;
        }
        t.received += bytes;
        if (t.device) {
            if (t.device->write(data, bytes) != bytes) {
                t.outputFailed = true;
                return 0;
            }
        } else {
            t.body->append(data, bytes);
        }
        return size * count;
    }

    static size_t onHeader(char* data, size_t size, size_t count, void* user)
    {
        auto& t = *static_cast<Transfer*>(user);
        t.lastActivity = Clock::now();
        const QByteArray line = QByteArray(data, static_cast<qsizetype>(size * count)).trimmed();
        // Every response of a redirect chain starts with its own status line; the last one counts.
        if (line.startsWith("HTTP/"))
            t.statusLine = QString::fromLatin1(line);
        else if (line.size() > 9 && line.left(9).toLower() == "location:")
            t.location = line.mid(9).trimmed();
        return size * count;
    }

    static int onProgress(void* user, curl_off_t, curl_off_t down, curl_off_t, curl_off_t up)
    {
        auto& t = *static_cast<Transfer*>(user);
        if (down != t.lastDown || up != t.lastUp) {
            t.lastDown = down;
            t.lastUp = up;
            t.lastActivity = Clock::now();
        }
        return 0;
    }

    // Adds the extra bundle to the store libcurl has already filled with the system's certificates.
    static CURLcode onSslContext(CURL*, void* context, void* user)
    {
        const auto& certs = *static_cast<std::vector<X509*>*>(user);
        X509_STORE* store = SSL_CTX_get_cert_store(static_cast<SSL_CTX*>(context));
        for (X509* cert : certs)
            X509_STORE_add_cert(store, cert);
        ERR_clear_error(); // a certificate the store already holds is reported, harmlessly
        return CURLE_OK;
    }

    template <typename T> void set(CURLoption option, T value) { curl_easy_setopt(easy, option, value); }

    HttpResponse perform(const QString& address, Transfer& t, const QByteArray* postBody);
    void classify(HttpResponse& r, CURLcode rc, const Transfer& t, const QUrl& url, bool readTimeout, bool tooLong);
    static QString refusedRedirect(CURL* easy, const Transfer& t, const QUrl& from);
};

HttpClient::HttpClient(bool cookies) : m(std::make_unique<Impl>())
{
    if (ensureCurl())
        m->easy = curl_easy_init();
    // An empty cookie file switches the cookie engine on without reading anything.
    if (m->easy && cookies)
        curl_easy_setopt(m->easy, CURLOPT_COOKIEFILE, "");
}

HttpClient::~HttpClient() = default;
HttpClient::HttpClient(HttpClient&&) noexcept = default;
HttpClient& HttpClient::operator=(HttpClient&&) noexcept = default;

void HttpClient::setLimits(const HttpLimits& limits)
{
    m->limits = limits;
}

const HttpLimits& HttpClient::limits() const
{
    return m->limits;
}

void HttpClient::setCaFile(const QString& path)
{
    m->loadCaFile(path);
}

void HttpClient::setProxy(const ProxyServer& proxy)
{
    m->proxy = proxy;
}

void HttpClient::setFollowRedirects(bool on)
{
    m->follow = on;
}

void HttpClient::setCloseConnection(bool on)
{
    m->close = on;
}

void HttpClient::setKeepAlive(std::function<void()> keepAlive)
{
    m->keepAlive = std::move(keepAlive);
}

const char* HttpClient::acceptHeader()
{
    return "text/html,application/xhtml+xml,application/xml;q=0.9,*/*;q=0.8";
}

const char* HttpClient::acceptEncoding()
{
    return "gzip, deflate, sdch";
}

const char* HttpClient::userAgent()
{
    return "Mozilla/5.0 (Windows NT 6.1; WOW64) AppleWebKit/537.36 (KHTML, like Gecko) Chrome/47.0.2526.80 "
           "Safari/537.36";
}

HttpResponse HttpClient::get(const QString& url)
{
    QByteArray body;
    Impl::Transfer t;
    t.body = &body;
    HttpResponse r = m->perform(url, t, nullptr);
    keepBody(r, body);
    return r;
}

HttpResponse HttpClient::postForm(const QString& url, const QStringList& fields)
{
    QList<QByteArray> bytes;
    bytes.reserve(fields.size());
    for (const QString& field : fields)
        bytes.push_back(field.toUtf8());
    return postFormBytes(url, bytes);
}

HttpResponse HttpClient::postFormBytes(const QString& url, const QList<QByteArray>& fields)
{
    QByteArray form;
    for (const QByteArray& field : fields) {
        const qsizetype eq = field.indexOf('=');
        const QByteArray name = eq < 0 ? field : field.left(eq);
        const QByteArray value = eq < 0 ? QByteArray() : field.mid(eq + 1);
        if (!form.isEmpty())
            form += '&';
        form += name.toPercentEncoding() + '=' + value.toPercentEncoding();
    }
    QByteArray body;
    Impl::Transfer t;
    t.body = &body;
    HttpResponse r = m->perform(url, t, &form);
    keepBody(r, body);
    return r;
}

HttpResponse HttpClient::getInto(const QString& url, QIODevice& device)
{
    Impl::Transfer t;
    t.device = &device;
    return m->perform(url, t, nullptr);
}

HttpResponse HttpClient::Impl::perform(const QString& address, Transfer& t, const QByteArray* postBody)
{
    HttpResponse r;
    const QUrl url(address.trimmed(), QUrl::TolerantMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || url.host().isEmpty() || (scheme != u"http" && scheme != u"https")) {
        r.error = HttpError::Setup;
        r.message = tr("Некорректный адрес: \"%1\"").arg(address);
        return r;
    }
    if (!easy) {
        r.error = HttpError::Setup;
        r.message = tr("Не удалось подготовить сетевой запрос.");
        return r;
    }
    if (!caError.isEmpty()) {
        r.error = HttpError::Setup;
        r.message = caError;
        return r;
    }
    if (running) {
        r.error = HttpError::Setup;
        r.message = tr("Предыдущий сетевой запрос ещё не завершён.");
        return r;
    }

    // Request parameters always go out percent-encoded.
    const QByteArray encoded = url.toEncoded();
    const QByteArray proxyAddress =
        proxy.host.isEmpty() ? QByteArray() : QStringLiteral("http://%1:%2").arg(proxy.host).arg(proxy.port).toUtf8();
    const QByteArray proxyUser = proxy.user.toUtf8();
    const QByteArray proxyPassword = proxy.password.toUtf8();
    t.limit = limits.maxBodyBytes;

    curl_slist* headers = curl_slist_append(nullptr, (QByteArray("Accept: ") + acceptHeader()).constData());
    errorBuffer[0] = '\0';
    set(CURLOPT_URL, encoded.constData());
    set(CURLOPT_NOSIGNAL, 1L);
    set(CURLOPT_PROTOCOLS_STR, "http,https");
    // What began as verified TLS stays so: a redirect to plain http would hand the reply (and a
    // package that is then run) to anyone on the way.
    const bool secure = scheme == u"https";
    set(CURLOPT_REDIR_PROTOCOLS_STR, secure ? "https" : "http,https");
    set(CURLOPT_FOLLOWLOCATION, follow ? 1L : 0L);
    set(CURLOPT_MAXREDIRS, kMaxRedirects);
    set(CURLOPT_USERAGENT, userAgent());
    set(CURLOPT_HTTPHEADER, headers);
    set(CURLOPT_ACCEPT_ENCODING, acceptEncoding());
    set(CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(limits.connectTimeoutMs));
    set(CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(limits.maxBodyBytes));
    set(CURLOPT_SSLVERSION, static_cast<long>(CURL_SSLVERSION_TLSv1_2));
    set(CURLOPT_SSL_VERIFYPEER, 1L);
    set(CURLOPT_SSL_VERIFYHOST, 2L);
    if (caCerts.empty()) {
        set(CURLOPT_SSL_CTX_FUNCTION, static_cast<curl_ssl_ctx_callback>(nullptr));
    } else {
        set(CURLOPT_SSL_CTX_FUNCTION, &Impl::onSslContext);
        set(CURLOPT_SSL_CTX_DATA, &caCerts);
    }
    // An empty proxy also keeps libcurl from taking one from the environment.
    set(CURLOPT_PROXY, proxyAddress.constData());
    set(CURLOPT_PROXYAUTH, static_cast<long>(CURLAUTH_BASIC));
    set(CURLOPT_PROXYUSERNAME, proxyUser.isEmpty() ? nullptr : proxyUser.constData());
    set(CURLOPT_PROXYPASSWORD, proxyUser.isEmpty() ? nullptr : proxyPassword.constData());
    set(CURLOPT_FORBID_REUSE, close ? 1L : 0L);
    set(CURLOPT_ERRORBUFFER, errorBuffer);
    set(CURLOPT_WRITEFUNCTION, &Impl::onBody);
    set(CURLOPT_WRITEDATA, &t);
    set(CURLOPT_HEADERFUNCTION, &Impl::onHeader);
    set(CURLOPT_HEADERDATA, &t);
    set(CURLOPT_NOPROGRESS, 0L);
    set(CURLOPT_XFERINFOFUNCTION, &Impl::onProgress);
    set(CURLOPT_XFERINFODATA, &t);
    if (postBody) {
        set(CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(postBody->size()));
        set(CURLOPT_COPYPOSTFIELDS, postBody->constData());
    } else {
        set(CURLOPT_HTTPGET, 1L);
    }

    running = true;
    CURLM* multi = curl_multi_init();
    curl_multi_add_handle(multi, easy);
    const Clock::time_point start = Clock::now();
    t.lastActivity = start;
    CURLcode rc = CURLE_OK;
    bool readTimeout = false;
    bool tooLong = false;
    for (;;) {
        int active = 0;
        const CURLMcode mc = curl_multi_perform(multi, &active);
        if (mc != CURLM_OK) {
            rc = CURLE_FAILED_INIT;
            qstrncpy(errorBuffer, curl_multi_strerror(mc), sizeof errorBuffer);
            break;
        }
        if (active == 0) {
            int left = 0;
            while (CURLMsg* msg = curl_multi_info_read(multi, &left)) {
                if (msg->msg == CURLMSG_DONE)
                    rc = msg->data.result;
            }
            break;
        }
        const Clock::time_point now = Clock::now();
        if (now - t.lastActivity > std::chrono::milliseconds(limits.readTimeoutMs)) {
            readTimeout = true;
            break;
        }
        if (limits.totalTimeoutMs > 0 && now - start > std::chrono::milliseconds(limits.totalTimeoutMs)) {
            tooLong = true;
            break;
        }
        if (keepAlive)
            keepAlive();
        curl_multi_poll(multi, nullptr, 0, kPollMs, nullptr);
    }
    long status = 0;
    curl_easy_getinfo(easy, CURLINFO_RESPONSE_CODE, &status);
    char* effective = nullptr;
    curl_easy_getinfo(easy, CURLINFO_EFFECTIVE_URL, &effective);
    const QUrl where = effective ? QUrl(QString::fromUtf8(effective)) : url;
    const QString refused =
        secure && rc == CURLE_UNSUPPORTED_PROTOCOL ? refusedRedirect(easy, t, where) : QString();
    // Taking the handle out ends a transfer that was cut short and drops its connection.
    curl_multi_remove_handle(multi, easy);
    curl_multi_cleanup(multi);
    curl_slist_free_all(headers);
    set(CURLOPT_HTTPHEADER, static_cast<curl_slist*>(nullptr));
    set(CURLOPT_ERRORBUFFER, static_cast<char*>(nullptr));
    running = false;

    r.status = static_cast<int>(status);
    r.statusLine = t.statusLine;
    classify(r, rc, t, where.host().isEmpty() ? url : where, readTimeout, tooLong);
    if (!refused.isEmpty()) {
        r.error = HttpError::Redirect;
        r.message = tr("Сервер %1 перенаправил запрос на незащищённый адрес \"%2\": переход отклонён, "
                       "данные принимаются только по протоколу https.")
                        .arg(hostOf(where.host().isEmpty() ? url : where), refused);
    }
    return r;
}

// The address a refused redirect pointed to, or empty when the failure was no redirect.
QString HttpClient::Impl::refusedRedirect(CURL* easy, const Transfer& t, const QUrl& from)
{
    char* next = nullptr;
    QUrl target;
    if (curl_easy_getinfo(easy, CURLINFO_REDIRECT_URL, &next) == CURLE_OK && next && *next)
        target = QUrl(QString::fromUtf8(next));
    else if (!t.location.isEmpty())
        target = from.resolved(QUrl(QString::fromUtf8(t.location), QUrl::TolerantMode));
    if (!target.isValid() || target.scheme().compare(u"https", Qt::CaseInsensitive) == 0)
        return {};
    return target.toString();
}

void HttpClient::Impl::classify(HttpResponse& r, CURLcode rc, const Transfer& t, const QUrl& url, bool readTimeout,
                                bool tooLong)
{
    const QString host = hostOf(url);
    const QString detail = errorBuffer[0] ? QString::fromUtf8(errorBuffer) : QString::fromUtf8(curl_easy_strerror(rc));
    if (t.tooLarge || rc == CURLE_FILESIZE_EXCEEDED) {
        r.error = HttpError::TooLarge;
        r.message = tr("Ответ сервера %1 больше %2 байт: загрузка прервана.").arg(host).arg(limits.maxBodyBytes);
    } else if (t.outputFailed) {
        r.error = HttpError::Output;
        r.message = tr("Не удалось записать данные, полученные от сервера %1: %2")
                        .arg(host, t.device ? t.device->errorString() : QString());
    } else if (readTimeout) {
        r.error = HttpError::Timeout;
        r.message = tr("Сервер %1 не отвечает: нет данных %2 мс.").arg(host).arg(limits.readTimeoutMs);
    } else if (tooLong) {
        r.error = HttpError::TooLong;
        r.message = tr("Ответ сервера %1 не получен целиком за %2 с: загрузка прервана.")
                        .arg(host)
                        .arg(limits.totalTimeoutMs / 1000.0);
    } else if (isTlsError(rc)) {
        r.error = HttpError::Tls;
        r.message = tr("Не удалось установить защищённое соединение с сервером %1: %2").arg(host, detail);
    } else if (rc != CURLE_OK) {
        r.error = HttpError::Network;
        r.message = proxy.host.isEmpty()
                        ? tr("Ошибка связи с сервером %1: %2").arg(host, detail)
                        : tr("Ошибка связи с сервером %1 через proxy %2:%3: %4")
                              .arg(host, proxy.host)
                              .arg(proxy.port)
                              .arg(detail);
    } else if (r.status >= 400) {
        r.error = HttpError::Http;
        r.message = r.statusLine.isEmpty() ? QStringLiteral("HTTP %1").arg(r.status) : r.statusLine;
    }
}

} // namespace net
