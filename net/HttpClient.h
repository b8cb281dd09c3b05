#pragma once

// One HTTP/HTTPS client on libcurl. Every request carries the browser-like headers the
// operator's site and the services expect, follows redirects when asked (from an https address
// only to https ones, so a verified download never goes on in plain text), decodes gzip and
// deflate bodies, and verifies TLS 1.2 or newer against the system's certificates plus an
// optional extra bundle. A request runs in a loop that hands control to a keep-alive callback
// about twenty times a second, so a window on the same thread stays alive while it waits; the
// same loop enforces the read timeout (no bytes for that long), a bound on the body and a bound
// on the whole exchange, so neither a silent server nor an endless reply can hold it forever.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class QIODevice;

namespace net {

inline constexpr qint64 kMiB = 1024 * 1024;

enum class HttpError {
    None,
    Http,     // the server answered with a status of 400 or above
    Network,  // could not connect, connection broken, bad reply, proxy refused
    Tls,      // the certificate or the TLS handshake failed
    Timeout,  // nothing arrived for the read timeout
    TooLarge, // the body grew past its bound
    TooLong,  // the exchange did not end within its bound
    Setup,    // the request could not be made (bad address, unreadable certificate file)
    Output,   // the body could not be written where it was going
    Redirect, // an https request was sent on to an address without TLS
};

struct HttpResponse
{
    HttpError error = HttpError::None;
    int status = 0;     // of the last response, 0 when none arrived
    QString statusLine; // as the server sent it, e.g. "HTTP/1.1 404 Not Found"
    QByteArray body;    // decoded; for a file download it stays empty
    QString message;    // ready to show: names the host and what went wrong
    bool ok() const { return error == HttpError::None; }
    bool notFound() const { return error == HttpError::Http && status == 404; }
};

struct HttpLimits
{
    int connectTimeoutMs = 5000;
    int readTimeoutMs = 10000;
    int totalTimeoutMs = 120000; // 0: no bound on the whole exchange
    qint64 maxBodyBytes = 16 * kMiB;
};

// Limits for downloads into a file: the same time-outs, larger bounds.
HttpLimits FileLimits();

struct ProxyServer
{
    QString host; // empty: connect directly
    int port = 0;
    QString user;
    QString password;
};

class HttpClient
{
public:
    // With cookies, cookies the server sets live as long as the client and go with every request.
    explicit HttpClient(bool cookies = false);
    ~HttpClient();
    HttpClient(HttpClient&&) noexcept;
    HttpClient& operator=(HttpClient&&) noexcept;

    void setLimits(const HttpLimits& limits);
    const HttpLimits& limits() const;
    // An extra PEM bundle trusted besides the system's certificates; empty for none.
    void setCaFile(const QString& path);
    void setProxy(const ProxyServer& proxy);
    void setFollowRedirects(bool on);
    // Each request opens its own connection and closes it when done.
    void setCloseConnection(bool on);
    // Called while a request waits; the client never calls it from inside libcurl.
    void setKeepAlive(std::function<void()> keepAlive);

    HttpResponse get(const QString& url);
    // fields: "name=value" lines, sent as an ordinary form post.
    HttpResponse postForm(const QString& url, const QStringList& fields);
    // The same with fields already in the character set the server expects ("name=value" bytes);
    // both sides are percent-encoded byte for byte.
    HttpResponse postFormBytes(const QString& url, const QList<QByteArray>& fields);
    // The body goes into the device as it arrives; body of the response stays empty.
    HttpResponse getInto(const QString& url, QIODevice& device);

    // The fixed request headers, for the tests to compare with what a server saw.
    static const char* acceptHeader();
    static const char* acceptEncoding();
    static const char* userAgent();

private:
    struct Impl;
    std::unique_ptr<Impl> m;
};

} // namespace net
