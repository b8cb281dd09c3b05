#include "net/Requests.h"

#include "core/SafeWrite.h"

#include <QIODevice>

namespace net {

namespace {

void prepare(HttpClient& client, bool followRedirects, const RequestOptions& options)
{
    client.setLimits(options.limits);
    client.setCaFile(options.caFile);
    client.setFollowRedirects(followRedirects);
    client.setCloseConnection(true);
    client.setKeepAlive(options.keepAlive);
}

} // namespace

HttpResponse HttpGetFile(const QString& url, const QString& fileName, const RequestOptions& options)
{
    HttpClient client;
    prepare(client, true, options);
    HttpResponse response;
    QString error;
    const bool written = core::WriteFileSafely(
        fileName,
        [&](QIODevice& device, QString* message) {
            response = client.getInto(url, device);
            if (!response.ok() && message)
                *message = response.message;
            return response.ok();
        },
        &error);
    if (!written && response.ok()) {
        response.error = HttpError::Output;
        response.message = error;
    }
    return response;
}

HttpResponse HttpGetFile(const QString& url, const QString& fileName)
{
    RequestOptions options;
    options.limits = FileLimits();
    return HttpGetFile(url, fileName, options);
}

HttpResponse HttpGetText(const QString& url, bool followRedirects, const RequestOptions& options)
{
    HttpClient client;
    prepare(client, followRedirects, options);
    return client.get(url);
}

HttpResponse HttpPostForm(const QString& url, const QStringList& fields, bool followRedirects,
                          const RequestOptions& options)
{
    HttpClient client;
    prepare(client, followRedirects, options);
    return client.postForm(url, fields);
}

HttpResponse HttpPostFormBytes(const QString& url, const QList<QByteArray>& fields, bool followRedirects,
                               const RequestOptions& options)
{
    HttpClient client;
    prepare(client, followRedirects, options);
    return client.postFormBytes(url, fields);
}

QString UrlFolder(const QString& url)
{
    const qsizetype slash = url.lastIndexOf(u'/');
    return slash < 0 ? QString() : url.left(slash + 1);
}

QString QueryJoin(const QString& a, const QString& b)
{
    if (a.isEmpty())
        return b;
    if (b.isEmpty())
        return a;
    return a + u'&' + b;
}

} // namespace net
