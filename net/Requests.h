#pragma once

// Stateless requests: a fresh client per call, no proxy, no cookies carried between calls.
// The online libraries and the update use them; the proxy search reaches the proxy-list
// service with them.

#include "net/HttpClient.h"

#include <QString>
#include <QStringList>

#include <functional>

namespace net {

// What every stateless request may be given: an extra certificate bundle, limits and a
// keep-alive callback for a caller on the window thread.
struct RequestOptions
{
    QString caFile;
    HttpLimits limits;
    std::function<void()> keepAlive;
};

// Downloads the address into the file: the file is created, or replaced whole once the body
// has arrived; on any failure an existing file stays as it was.
HttpResponse HttpGetFile(const QString& url, const QString& fileName, const RequestOptions& options);
HttpResponse HttpGetFile(const QString& url, const QString& fileName);
// The body as received, not decoded from any character set.
HttpResponse HttpGetText(const QString& url, bool followRedirects, const RequestOptions& options = {});
// fields: "name=value" lines.
HttpResponse HttpPostForm(const QString& url, const QStringList& fields, bool followRedirects,
                          const RequestOptions& options = {});
// The same with fields already in the character set the server expects ("name=value" bytes).
HttpResponse HttpPostFormBytes(const QString& url, const QList<QByteArray>& fields, bool followRedirects,
                               const RequestOptions& options = {});

// The address up to and including its last "/".
QString UrlFolder(const QString& url);
// a + "&" + b when both are not empty, otherwise the one that is (or empty).
QString QueryJoin(const QString& a, const QString& b);

} // namespace net
