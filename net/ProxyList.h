#pragma once

// The public proxy-list service: the query of one page and the parse of the page it returns.
// The page structure belongs to that service; the markers here are the ones it used last.

#include "net/HttpClient.h"

#include <QString>
#include <QStringList>

#include <functional>

namespace net {

enum ProxyProtocol : unsigned {
    ProtocolHttp = 1u << 0,
    ProtocolHttps = 1u << 1,
    ProtocolSocks4 = 1u << 2,
    ProtocolSocks5 = 1u << 3,
};

struct ProxyQuery
{
    unsigned protocols = 0;      // ProxyProtocol bits
    unsigned anonymity = 0;      // bit l-1 for level l = 1..4
    int wanted = 30;             // entries wanted
    int maxResponseMs = 0;       // 0: any
    int minUptime = 0;           // per cent, 0: any
    int port = 0;                // 0: any
    QString countries;           // codes separated by "," or ";"
};

// Rows a full page of the service holds; a shorter page is the last one.
inline constexpr int kProxyListPageRows = 15;
// A service that keeps sending full pages of entries that do not match cannot hold the search
// for ever.
inline constexpr int kProxyListMaxPages = 100;

// The query text of page 1, 2, ... (no leading "?").
QString ProxyListQueryText(const ProxyQuery& query, int page);
// The address of that page below the service's root.
QString ProxyListPageUrl(const QString& root, const ProxyQuery& query, int page);
// Adds the candidates of one page ("host:port") to the list and returns the number of rows it
// counted, added or not. Throws core::EConvertError when the page is not of the expected form.
int ProxyListParsePage(const QString& page, const ProxyQuery& query, QStringList& list);

using PageGetter = std::function<HttpResponse(const QString& url)>;
// Clears the list and fills it page by page while it holds fewer entries than wanted and the
// previous page was full. False with the error when a request or a page failed.
bool ProxyListFetch(QStringList& list, const ProxyQuery& query, const QString& root, const PageGetter& get,
                    QString* error);

} // namespace net
