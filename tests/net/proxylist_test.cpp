// The proxy-list service: the query of a page, the parse of its rows and the paging, against a
// real server on the loopback address.

#include "LocalServers.h"
#include "core/TextForms.h"
#include "net/ProxyList.h"
#include "net/Requests.h"

#include <gtest/gtest.h>

namespace {

std::vector<testsupport::ProxyRow> rows(int count, int firstPort)
{
    std::vector<testsupport::ProxyRow> result;
    for (int i = 0; i < count; ++i)
        result.push_back({"10.0." + std::to_string(i / 250) + '.' + std::to_string(i % 250 + 1), firstPort + i});
    return result;
}

// A service whose page n (from the offset parameter) holds the rows given for it.
struct ProxyService
{
    explicit ProxyService(std::vector<std::vector<testsupport::ProxyRow>> pages, int shift = 0)
        : server(testsupport::LocalHttpServer::Tls::None)
    {
        server.http().Get("/", [pages, shift](const httplib::Request& req, httplib::Response& res) {
            const int offset = req.has_param("offset") ? std::stoi(req.get_param_value("offset")) : 0;
            const std::size_t page = static_cast<std::size_t>(offset / net::kProxyListPageRows);
            const auto& shown = page < pages.size() ? pages[page] : pages.back();
            res.set_content(testsupport::ProxyListPage(shown, shift), "text/html");
        });
        server.start();
    }

    testsupport::LocalHttpServer server;
};

net::PageGetter directGetter()
{
    return [](const QString& url) { return net::HttpGetText(url, true); };
}

} // namespace

TEST(ProxyListQuery, TheAutomaticSearchAsksForHttpsOnlyWithAZeroResponseTime)
{
    net::ProxyQuery q;
    q.protocols = net::ProtocolHttps;
    q.maxResponseMs = 10;
    q.minUptime = 75;
    EXPECT_EQ(net::ProxyListQueryText(q, 1), QStringLiteral("protocol=https&min_uptime=75&max_response_time=0"));
    EXPECT_EQ(net::ProxyListQueryText(q, 2),
              QStringLiteral("protocol=https&min_uptime=75&max_response_time=0&offset=15"));
    q.protocols = net::ProtocolHttp | net::ProtocolHttps;
    EXPECT_EQ(net::ProxyListPageUrl(QStringLiteral("http://list.test:8080/"), q, 1),
              QStringLiteral("http://list.test:8080/?protocol=http&protocol=https&min_uptime=75&max_response_time=0"));
}

TEST(ProxyListQuery, EveryConditionInItsPlace)
{
    net::ProxyQuery q;
    q.protocols = net::ProtocolHttp | net::ProtocolHttps | net::ProtocolSocks4 | net::ProtocolSocks5;
    q.anonymity = 0b0101; // levels 1 and 3
    q.countries = QStringLiteral(" RU; ua ,,");
    q.minUptime = 80;
    q.maxResponseMs = 2500;
    EXPECT_EQ(net::ProxyListQueryText(q, 3),
              QStringLiteral("protocol=http&protocol=https&protocol=socks4&protocol=socks5&anonlvl=1&anonlvl=3&"
                             "country=RU&country=ua&min_uptime=80&max_response_time=2&offset=30"));
    EXPECT_EQ(net::ProxyListPageUrl(QStringLiteral("http://list.test"), net::ProxyQuery{}, 1),
              QStringLiteral("http://list.test/"));
    EXPECT_EQ(net::ProxyListPageUrl(QStringLiteral("http://list.test"), net::ProxyQuery{}, 2),
              QStringLiteral("http://list.test/?offset=15"));
}

TEST(ProxyListPage, RowsGiveHostAndShiftedPort)
{
    const std::string html = testsupport::ProxyListPage({{"127.0.0.1", 3128}, {"proxy.example.org", 8080}}, 1000);
    QStringList list{QStringLiteral("kept?")};
    net::ProxyQuery any;
    EXPECT_EQ(net::ProxyListParsePage(QString::fromStdString(html), any, list), 2);
    EXPECT_EQ(list, (QStringList{QStringLiteral("kept?"), QStringLiteral("127.0.0.1:3128"),
                                 QStringLiteral("proxy.example.org:8080")}));

    // Only rows on the port asked for are added, but every row is counted.
    QStringList only;
    net::ProxyQuery port8080;
    port8080.port = 8080;
    EXPECT_EQ(net::ProxyListParsePage(QString::fromStdString(html), port8080, only), 2);
    EXPECT_EQ(only, QStringList{QStringLiteral("proxy.example.org:8080")});
}

TEST(ProxyListPage, AHandWrittenRow)
{
    const QString html = QStringLiteral(
        "<div style=\"display:none\" data-x=\"5\"></div><tbody><tr><td><script>var a = '1.0.'.split('');"
        " var b = atob('\\x4d\\x43\\x34\\x77\\x4c\\x6a\\x63\\x3d'); var pp = (3123 - a);</script></td></tr></tbody>");
    QStringList list;
    EXPECT_EQ(net::ProxyListParsePage(html, net::ProxyQuery{}, list), 1);
    // "1.0." backwards is ".0.1", the escapes spell "MC4wLjc=", Base64 of "0.0.7", and the port is 3123 + 5.
    EXPECT_EQ(list, QStringList{QStringLiteral(".0.10.0.7:3128")});
}

TEST(ProxyListPage, BrokenPagesAreConversionErrors)
{
    QStringList list;
    // A row whose script has no "pp =" part.
    const QString noPort = QStringLiteral("<tbody><tr><td><script>var a = 'x'.split(''); atob('');</script></tr></tbody>");
    EXPECT_THROW(net::ProxyListParsePage(noPort, net::ProxyQuery{}, list), core::EConvertError);
    // A row without a script at all.
    EXPECT_THROW(net::ProxyListParsePage(QStringLiteral("<tbody><tr><td>1.2.3.4</td></tr></tbody>"),
                                         net::ProxyQuery{}, list),
                 core::EConvertError);
    // The table without its end.
    EXPECT_THROW(net::ProxyListParsePage(QStringLiteral("<tbody><tr>"), net::ProxyQuery{}, list), core::EConvertError);
    // No table is no error: nothing is counted.
    EXPECT_EQ(net::ProxyListParsePage(QStringLiteral("<html>down for maintenance</html>"), net::ProxyQuery{}, list), 0);
    // Without the hidden shift the ports are read as they stand.
    QStringList plain;
    const std::string unshifted = testsupport::ProxyListPage({{"127.0.0.1", 81}}, 0);
    QString withoutDiv = QString::fromStdString(unshifted);
    withoutDiv.replace(QStringLiteral("display:none"), QStringLiteral("display:block"));
    EXPECT_EQ(net::ProxyListParsePage(withoutDiv, net::ProxyQuery{}, plain), 1);
    EXPECT_EQ(plain, QStringList{QStringLiteral("127.0.0.1:81")});
}

TEST(ProxyListFetch, PagesUntilEnoughEntries)
{
    ProxyService service({rows(15, 1000), rows(15, 2000), rows(15, 3000)}, 7);
    net::ProxyQuery q;
    q.wanted = 30;
    QStringList list{QStringLiteral("stale:1")};
    QString error;
    ASSERT_TRUE(net::ProxyListFetch(list, q, service.server.url(), directGetter(), &error)) << error.toStdString();
    ASSERT_EQ(list.size(), 30);
    EXPECT_EQ(list.first(), QStringLiteral("10.0.0.1:1000"));
    EXPECT_EQ(list.last(), QStringLiteral("10.0.0.15:2014"));
    const auto seen = service.server.requests();
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].params.count("offset"), 0u);
    EXPECT_EQ(seen[1].params.at("offset"), "15");
}

TEST(ProxyListFetch, AShortPageEndsThePagingEvenWithFewerEntries)
{
    ProxyService service({rows(15, 1000), rows(4, 2000), rows(15, 3000)});
    QStringList list;
    QString error;
    ASSERT_TRUE(net::ProxyListFetch(list, net::ProxyQuery{}, service.server.url(), directGetter(), &error));
    EXPECT_EQ(list.size(), 19);
    EXPECT_EQ(service.server.requests().size(), 2u);
}

TEST(ProxyListFetch, AServiceThatNeverMatchesCannotHoldTheSearchForEver)
{
    ProxyService service({rows(15, 1000)});
    net::ProxyQuery q;
    q.port = 9;
    QStringList list;
    QString error;
    ASSERT_TRUE(net::ProxyListFetch(list, q, service.server.url(), directGetter(), &error));
    EXPECT_TRUE(list.isEmpty());
    EXPECT_EQ(service.server.requests().size(), static_cast<std::size_t>(net::kProxyListMaxPages));
}

TEST(ProxyListFetch, RequestAndPageErrorsAreReported)
{
    testsupport::LocalHttpServer server(testsupport::LocalHttpServer::Tls::None);
    server.http().Get("/", [](const httplib::Request&, httplib::Response& res) {
        res.status = 503;
        res.set_content("busy", "text/plain");
    });
    server.http().Get("/broken/", [](const httplib::Request&, httplib::Response& res) {
        res.set_content("<tbody><tr><script>var x</script>", "text/html");
    });
    server.start();
    QStringList list;
    QString error;
    EXPECT_FALSE(net::ProxyListFetch(list, net::ProxyQuery{}, server.url(), directGetter(), &error));
    EXPECT_TRUE(error.contains(QStringLiteral("503"))) << error.toStdString();
    EXPECT_FALSE(
        net::ProxyListFetch(list, net::ProxyQuery{}, server.url() + QStringLiteral("/broken"), directGetter(), &error));
    EXPECT_TRUE(error.contains(QStringLiteral("</tbody>"))) << error.toStdString();
}
