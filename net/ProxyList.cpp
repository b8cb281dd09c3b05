#include "net/ProxyList.h"

#include "core/Cp1251.h"
#include "core/TextForms.h"
#include "net/Extract.h"
#include "net/Requests.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <algorithm>

namespace net {

namespace {

constexpr ExtractMode Strict = ExtractMode::Strict;
// A page shows fifteen rows; walking a page row by row costs time in proportion to its size
// times its rows, so a page with thousands of rows is refused.
constexpr int kMaxRowsPerPage = 1000;

// "\x41\x42" -> "AB"; a piece that is not a hexadecimal character code adds nothing.
QString fromHexEscapes(const QString& text)
{
    QString result;
    for (const QString& piece : text.split(QStringLiteral("\\x"))) {
        bool ok = false;
        const uint code = piece.toUInt(&ok, 16);
        if (ok && !piece.isEmpty() && code <= 0xFFFF)
            result += QChar(static_cast<char16_t>(code));
    }
    return result;
}

} // namespace

QString ProxyListQueryText(const ProxyQuery& query, int page)
{
    QString text;
    const char* protocols[] = {"http", "https", "socks4", "socks5"};
    for (unsigned i = 0; i < 4; ++i) {
        if (query.protocols & (1u << i))
            text = QueryJoin(text, QStringLiteral("protocol=%1").arg(QLatin1String(protocols[i])));
    }
    for (int level = 1; level <= 4; ++level) {
        if (query.anonymity & (1u << (level - 1)))
            text = QueryJoin(text, QStringLiteral("anonlvl=%1").arg(level));
    }
    static const QRegularExpression separators(QStringLiteral("[,;]"));
    for (const QString& code : query.countries.split(separators, Qt::SkipEmptyParts)) {
        if (!code.trimmed().isEmpty())
            text = QueryJoin(text, QStringLiteral("country=%1").arg(code.trimmed()));
    }
    if (query.minUptime > 0)
        text = QueryJoin(text, QStringLiteral("min_uptime=%1").arg(query.minUptime));
    if (query.maxResponseMs > 0)
        text = QueryJoin(text, QStringLiteral("max_response_time=%1").arg(query.maxResponseMs / 1000));
    if (page > 1)
        text = QueryJoin(text, QStringLiteral("offset=%1").arg((page - 1) * kProxyListPageRows));
    return text;
}

QString ProxyListPageUrl(const QString& root, const ProxyQuery& query, int page)
{
    QString base = root.trimmed();
    while (base.endsWith(u'/'))
        base.chop(1);
    const QString text = ProxyListQueryText(query, page);
    return text.isEmpty() ? base + u'/' : base + QStringLiteral("/?") + text;
}

int ProxyListParsePage(const QString& page, const ProxyQuery& query, QStringList& list)
{
    QString table = ExtractBetween(page, QStringLiteral("<tbody>"), QStringLiteral("</tbody>"), Strict);
    // The ports on the page are shifted by a number hidden in an invisible element.
    const QString hidden =
        ExtractBetween(page, QStringLiteral("<div style=\"display:none\" data-"), QStringLiteral("</div>"),
                       ExtractMode::Empty);
    const int shift = IntOrZero(ExtractBetween(hidden, QStringLiteral("=\""), QStringLiteral("\""), ExtractMode::Empty));

    int rows = 0;
    while (table.contains(QStringLiteral("<tr>"), Qt::CaseInsensitive)) {
        if (rows >= kMaxRowsPerPage) {
            throw core::EConvertError(
                QCoreApplication::translate("net", "На странице списка proxy-серверов больше %1 строк.")
                    .arg(kMaxRowsPerPage));
        }
        const QString row = ExtractSegment(table, QStringLiteral("<tr>"));
        const QString script = ExtractBetween(row, QStringLiteral("<script>"), QStringLiteral("</script>"), Strict);
        // The host hides in two halves: one written backwards, one hex-escaped Base64.
        QString first = ExtractNested(script, QStringLiteral("var"), QStringLiteral("split"), QStringLiteral("'"),
                                      QStringLiteral("'"), Strict);
        std::reverse(first.begin(), first.end());
        const QString encoded = ExtractBetween(script, QStringLiteral("atob('"), QStringLiteral("'"), Strict);
        const QString second = cp1251::decode(QByteArray::fromBase64(cp1251::encode(fromHexEscapes(encoded))));
        const int offset = StrictInt(ExtractNested(script, QStringLiteral("pp ="), QStringLiteral(";"),
                                                   QStringLiteral("("), QStringLiteral(" "), Strict));
        const qint64 port = qint64(shift) + offset;
        if (query.port == 0 || port == query.port)
            list << QStringLiteral("%1%2:%3").arg(first, second).arg(port);
        ++rows;
    }
    return rows;
}

bool ProxyListFetch(QStringList& list, const ProxyQuery& query, const QString& root, const PageGetter& get,
                    QString* error)
{
    list.clear();
    int rows = kProxyListPageRows;
    for (int page = 1; list.size() < query.wanted && rows >= kProxyListPageRows; ++page) {
        if (page > kProxyListMaxPages)
            break;
        const HttpResponse response = get(ProxyListPageUrl(root, query, page));
        if (!response.ok()) {
            if (error)
                *error = response.message;
            return false;
        }
        try {
            rows = ProxyListParsePage(cp1251::decode(response.body), query, list);
        } catch (const core::EConvertError& e) {
            if (error)
                *error = e.message();
            return false;
        }
    }
    return true;
}

} // namespace net
