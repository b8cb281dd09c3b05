// The session's draw download, proxies, start-up offer and CSV exchange, against a real HTTPS
// results site, a real proxy-list service and real proxies on 127.0.0.1.

#include "FakeUserIo.h"
#include "LocalServers.h"
#include "TestHelpers.h"
#include "TestPaths.h"
#include "app/ArchiveController.h"
#include "app/Session.h"
#include "app/StakesController.h"
#include "app/StatisticsController.h"
#include "app/WebController.h"
#include "core/Dates.h"
#include "core/DrawArchive.h"
#include "core/IniFile.h"
#include "core/Settings.h"
#include "core/TextForms.h"
#include "stakes/StakeRecord.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using testsupport::FakeUserIo;
using testsupport::MakeDraw;
using testsupport::OperatorSite;

namespace {

const QString kWaitText = QStringLiteral("Загрузка архива тиражей...");

std::int32_t ymd(int y, int m, int d)
{
    return y * 10000 + m * 100 + d;
}

core::TDrawsArray realArchive()
{
    core::TDrawsArray draws;
    EXPECT_TRUE(core::LoadDrawsFile(QStringLiteral(VERTOMA_SHARED_DATA_DIR "/Vertoma_5x54.ldr"), draws));
    return draws;
}

std::vector<std::string> datesFrom(int y, int m, int d, int weeks)
{
    std::vector<std::string> dates;
    std::int32_t v = ymd(y, m, d);
    for (int i = 0; i < weeks; ++i, v = core::YmdIncDays(v, 7))
        dates.push_back(core::YmdText(v).toStdString());
    return dates;
}

class WebControllerTest : public ::testing::Test
{
protected:
    // The download at start-up stays off unless a test asks for it.
    void SetUp() override { writeState(2); }

    core::DataFolder folder() const { return {m_dir.path(), QStringLiteral("Vertoma_5x54"), m_dir.path()}; }

    void writeArchive(const core::TDrawsArray& draws) { ASSERT_TRUE(core::SaveDrawsFile(folder().drawsFile(), draws)); }

    // The configuration file; the results site is ours and its certificate authority trusted.
    void writeConfig(const QString& extra = {})
    {
        QFile ini(folder().configFile());
        ASSERT_TRUE(ini.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ini.write(QStringLiteral("[NETWORK]\r\nOperatorUrl=%1\r\nCaFile=%2\r\n%3")
                      .arg(m_site.url(), testsupport::TestCaFile(), extra)
                      .toUtf8());
    }

    void writeState(int downloadOnStart)
    {
        ASSERT_TRUE(core::StateWriteInt(folder().stateFile(), core::kMainWindowSection,
                                        QStringLiteral("DownloadDrawsOnStart"), downloadOnStart));
    }

    // The session after start-up; the start-up offer is declined unless answers say otherwise.
    std::unique_ptr<app::Session> start(QStringList arguments = {})
    {
        auto session = std::make_unique<app::Session>(m_io, folder(), arguments);
        session->web().setToday(m_today);
        net::HttpLimits limits;
        limits.readTimeoutMs = 3000;
        limits.totalTimeoutMs = 20000;
        session->web().setLimits(limits);
        session->create();
        m_result = session->initialise();
        return session;
    }

    core::TDrawsArray onDisk() const
    {
        core::TDrawsArray draws;
        EXPECT_TRUE(core::LoadDrawsFile(folder().drawsFile(), draws));
        return draws;
    }

    core::TProxy storedProxy() const
    {
        core::TProxy p;
        EXPECT_TRUE(net::ProxyLoad(folder().configFile(), p));
        return p;
    }

    QTemporaryDir m_dir;
    OperatorSite m_site;
    FakeUserIo m_io;
    app::Session::InitResult m_result = app::Session::InitResult::Running;
    // Today for every session the fixture starts.
    std::function<std::int32_t()> m_today = [] { return ymd(2024, 1, 21); };
};

} // namespace

TEST_F(WebControllerTest, AnEmptyArchiveStartsInJanuary2005AndWalksWeekByWeek)
{
    writeConfig();
    m_site.serveDraws({MakeDraw(0, {1, 2, 3, 4, 5}, 0, "09/01/2005"), MakeDraw(0, {6, 7, 8, 9, 10}, 9, "23/01/2005")});
    auto session = start();
    session->web().setToday([] { return ymd(2005, 1, 30); });
    ASSERT_TRUE(session->web().drawsDownload());

    EXPECT_EQ(m_site.askedDates(), datesFrom(2005, 1, 9, 4)) << "16/01 is not found and skipped; 30/01 is today";
    const core::TDrawsArray draws = onDisk();
    ASSERT_EQ(draws.size(), 2u);
    EXPECT_EQ(draws[0].Num, 1);
    EXPECT_EQ(core::DrawDateText(draws[0]), QStringLiteral("09/01/2005"));
    EXPECT_EQ(draws[1].Num, 2);
    EXPECT_EQ(core::DrawDateText(draws[1]), QStringLiteral("23/01/2005"));
    EXPECT_EQ(draws[1].Values[4], 10);
    EXPECT_EQ(draws[1].Extra, 9);
    EXPECT_TRUE(m_io.questions.isEmpty()) << "a page that is not found is skipped silently";
    EXPECT_EQ(m_io.waitTexts.value(0), kWaitText);
    EXPECT_FALSE(m_io.waitOpen);
    EXPECT_TRUE(session->services().isIdle());
}

TEST_F(WebControllerTest, TheLastQueryDateRule)
{
    writeArchive({MakeDraw(500, {1, 2, 3, 4, 5}, 1, "07/01/2024")});
    writeConfig();
    {
        auto session = start();
        session->web().setToday([] { return ymd(2024, 1, 20); });
        session->web().drawsDownload();
        EXPECT_EQ(m_site.askedDates(), std::vector<std::string>{"14/01/2024"});
    }
    m_site.server().clearRequests();
    {
        // A query for a date after today is still made once.
        auto session = start();
        session->web().setToday([] { return ymd(2024, 1, 10); });
        session->web().drawsDownload();
        EXPECT_EQ(m_site.askedDates(), std::vector<std::string>{"14/01/2024"});
    }
}

TEST_F(WebControllerTest, TwoDrawsOnOnePageGoInFromTheLast)
{
    writeArchive({MakeDraw(7, {1, 2, 3, 4, 5}, 1, "07/01/2024")});
    writeConfig();
    m_site.setPage("14/01/2024", OperatorSite::ResultsPage({MakeDraw(0, {11, 12, 13, 14, 15}, 2),
                                                             MakeDraw(0, {21, 22, 23, 24, 25}, 3)}));
    auto session = start();
    session->web().setToday([] { return ymd(2024, 1, 14); });
    QSignalSpy recalculated(&session->archive(), &app::ArchiveController::viewsRecalculated);
    ASSERT_TRUE(session->web().drawsDownload());
    const core::TDrawsArray draws = onDisk();
    ASSERT_EQ(draws.size(), 3u);
    // Numbered in page order (archive size + 1, + 2), appended from the last parsed.
    EXPECT_EQ(draws[1].Num, 3);
    EXPECT_EQ(draws[1].Values[0], 21);
    EXPECT_EQ(draws[2].Num, 2);
    EXPECT_EQ(draws[2].Values[0], 11);
    EXPECT_EQ(core::DrawDateText(draws[2]), QStringLiteral("14/01/2024"));
    EXPECT_GE(recalculated.count(), 1);
}

TEST_F(WebControllerTest, AFailedQueryIsRetriedWhenThePersonSaysSo)
{
    writeArchive({MakeDraw(1, {1, 2, 3, 4, 5}, 1, "07/01/2024")});
    writeConfig();
    m_site.serveDraws({MakeDraw(0, {31, 32, 33, 34, 35}, 4, "14/01/2024")});
    m_site.failNext("14/01/2024", 2);
    auto session = start();
    session->web().setToday([] { return ymd(2024, 1, 14); });
    m_io.answers << true << true;
    ASSERT_TRUE(session->web().drawsDownload());
    ASSERT_EQ(m_io.questions.size(), 2);
    EXPECT_EQ(m_io.questions[0].caption, QStringLiteral("Ошибка"));
    EXPECT_EQ(m_io.questions[0].text, QStringLiteral("Ошибка загрузки архива тиражей с сайта: \"HTTP/1.1 500 "
                                                     "Internal Server Error\"\n\nПовторить попытку?"));
    EXPECT_TRUE(m_io.questions[0].yesDefault);
    EXPECT_EQ(m_site.askedDates(), (std::vector<std::string>{"14/01/2024", "14/01/2024", "14/01/2024"}));
    EXPECT_EQ(onDisk().size(), 2u);
    EXPECT_EQ(session->web().attempt(), 3);
}

TEST_F(WebControllerTest, NoStopsTheDownloadAndKeepsWhatCameBefore)
{
    writeArchive({MakeDraw(1, {1, 2, 3, 4, 5}, 1, "07/01/2024")});
    writeConfig();
    m_site.serveDraws({MakeDraw(0, {31, 32, 33, 34, 35}, 4, "14/01/2024")});
    // The next week's page is broken: a block with four numbers.
    m_site.setPage("21/01/2024", "<div id=\"drawsList\"><div class=\"cuerpoRegionIzq\"><p>Lucky combination</p>"
                                 "<ul><li>1</li><li>2</li><li>3</li><li>4</li></ul></div>"
                                 "<div class=\"cuerpoRegionDerecha\"><!-- while JQuery is not added to the grid... -->");
    auto session = start();
    session->web().setToday([] { return ymd(2024, 2, 18); });
    EXPECT_FALSE(session->web().drawsDownload());
    ASSERT_EQ(m_io.questions.size(), 1);
    EXPECT_TRUE(m_io.questions[0].text.contains(QStringLiteral("\"<li>\" - \"</li>\""))) << m_io.questions[0].text.toStdString();
    EXPECT_EQ(m_site.askedDates(), (std::vector<std::string>{"14/01/2024", "21/01/2024"}));
    EXPECT_EQ(onDisk().size(), 2u) << "the week before the error was saved at once";
}

TEST_F(WebControllerTest, StakesAreCheckedAfterEveryDownloadEvenAFailedOne)
{
    writeArchive({MakeDraw(1, {1, 2, 3, 4, 5}, 1, "07/01/2024")});
    writeConfig();
    m_site.serveDraws({MakeDraw(0, {31, 32, 33, 34, 35}, 4, "14/01/2024")});
    m_site.failNext("21/01/2024", 1);
    auto session = start();
    core::TValueSet numbers;
    numbers.Count = 5;
    const int picked[] = {31, 32, 33, 40, 41};
    for (int i = 0; i < 5; ++i)
        numbers.Values[i] = static_cast<std::uint8_t>(picked[i]);
    ASSERT_TRUE(session->stakes().append(session->stakes().newStake(1, 2, numbers, QStringLiteral("test")), 1));
    session->web().setToday([] { return ymd(2024, 1, 21); });
    EXPECT_FALSE(session->web().drawsDownload()) << "the person declined the retry";
    const stakes::TStakeRec rec = session->stakes().read(0, false);
    EXPECT_EQ(rec.Checked, 1);
    EXPECT_EQ(rec.Matches.Count, 3);
    EXPECT_TRUE(m_io.statusTexts.contains(QStringLiteral("Проверка результатов ставок...")));
}

TEST_F(WebControllerTest, WithoutAnOperatorAddressTheDownloadSaysWhichKeyToSet)
{
    writeArchive({MakeDraw(1, {1, 2, 3, 4, 5}, 1, "07/01/2024")});
    writeState(0);
    auto session = start();
    EXPECT_TRUE(m_io.questions.isEmpty()) << "nothing to offer at start-up without an address";
    EXPECT_FALSE(session->web().drawsDownload());
    const QStringList errors = m_io.messageTexts(app::MessageKind::Error);
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].contains(QStringLiteral("OperatorUrl")));
    EXPECT_TRUE(errors[0].contains(QStringLiteral("[NETWORK]")));
    EXPECT_TRUE(m_io.statusTexts.contains(QStringLiteral("Проверка результатов ставок...")));
    EXPECT_TRUE(session->services().isIdle());
}

TEST_F(WebControllerTest, ANewestDrawWithoutADateIsAConversionErrorBeforeAnyRequest)
{
    writeArchive({MakeDraw(1, {1, 2, 3, 4, 5}, 1, "32/13/2024")});
    writeConfig();
    auto session = start();
    EXPECT_FALSE(session->web().drawsDownload());
    EXPECT_EQ(m_io.messageTexts(app::MessageKind::Error).size(), 1);
    EXPECT_TRUE(m_site.askedDates().empty());
}

TEST_F(WebControllerTest, TheLastWeeksOfTheRealArchiveComeBackRecordForRecord)
{
    const core::TDrawsArray real = realArchive();
    ASSERT_EQ(real.size(), 1114u);
    writeArchive(core::TDrawsArray(real.begin(), real.begin() + 1060));
    writeConfig();
    m_site.serveDraws(real);
    auto session = start();
    session->web().setToday([] { return ymd(2026, 8, 20); });
    ASSERT_TRUE(session->web().drawsDownload());
    const core::TDrawsArray draws = onDisk();
    ASSERT_EQ(draws.size(), real.size());
    for (std::size_t i = 0; i < real.size(); ++i) {
        ASSERT_EQ(draws[i].Num, real[i].Num);
        ASSERT_EQ(QByteArray(reinterpret_cast<const char*>(draws[i].Values), 5),
                  QByteArray(reinterpret_cast<const char*>(real[i].Values), 5))
            << "draw " << real[i].Num;
        ASSERT_EQ(draws[i].Extra, real[i].Extra);
        ASSERT_EQ(core::DrawDateText(draws[i]), core::DrawDateText(real[i]));
    }
    EXPECT_EQ(m_site.askedDates().size(), 54u);
    EXPECT_GT(m_io.keepAlives, 0) << "the window was kept alive while the requests waited";
}

TEST_F(WebControllerTest, AManualProxyWithAPassword)
{
    testsupport::LocalProxy proxy("user", "secret");
    writeArchive({MakeDraw(1, {1, 2, 3, 4, 5}, 1, "07/01/2024")});
    writeConfig(QStringLiteral("[PROXY]\r\nProxyServer=127.0.0.1\r\nProxyPort=%1\r\nProxyUsername=user\r\n"
                               "ProxyPassword=secret\r\n")
                    .arg(proxy.port()));
    m_site.serveDraws({MakeDraw(0, {31, 32, 33, 34, 35}, 4, "14/01/2024")});
    auto session = start();
    EXPECT_EQ(session->web().proxy().Mode, 2) << "no ProxyMode and a server: manual";
    session->web().setToday([] { return ymd(2024, 1, 14); });
    ASSERT_TRUE(session->web().drawsDownload());
    EXPECT_EQ(proxy.forwarded(), 1);
    EXPECT_EQ(onDisk().size(), 2u);
    EXPECT_TRUE(m_io.waitTexts.contains(kWaitText + QStringLiteral("\n\nПопытка 1, proxy 127.0.0.1 : %1").arg(proxy.port())));
}

namespace {

// The proxy-list service: every page lists the candidates given.
struct ProxyListService
{
    explicit ProxyListService(std::vector<testsupport::ProxyRow> rows, int status = 200)
        : server(testsupport::LocalHttpServer::Tls::None)
    {
        server.http().Get("/", [rows, status](const httplib::Request&, httplib::Response& res) {
            res.status = status;
            res.set_content(testsupport::ProxyListPage(rows, 100), "text/html");
        });
        server.start();
    }
    testsupport::LocalHttpServer server;
};

int closedPort()
{
    testsupport::RawTcpServer gone([](int, const testsupport::RawTcpServer&) {});
    return gone.port();
}

} // namespace

TEST_F(WebControllerTest, TheAutomaticSearchTriesTheCandidatesAndRemembersTheOneThatWorked)
{
    testsupport::LocalProxy good;
    const int dead = closedPort();
    ProxyListService service({{"127.0.0.1", dead}, {"127.0.0.1", good.port()}});
    writeArchive({MakeDraw(1, {1, 2, 3, 4, 5}, 1, "07/01/2024")});
    writeConfig(QStringLiteral("ProxyListUrl=%1\r\n[PROXY]\r\nProxyMode=1\r\n").arg(service.server.url()));
    m_site.serveDraws({MakeDraw(0, {31, 32, 33, 34, 35}, 4, "14/01/2024")});
    auto session = start();
    session->web().setToday([] { return ymd(2024, 1, 14); });
    ASSERT_TRUE(session->web().drawsDownload());

    const auto asked = service.server.requests();
    ASSERT_EQ(asked.size(), 1u) << "two rows: a short page ends the search";
    EXPECT_EQ(asked[0].target, "/?protocol=https&min_uptime=75&max_response_time=0");
    EXPECT_TRUE(m_io.questions.isEmpty()) << "the dead candidate gave way to the next without asking";
    EXPECT_TRUE(m_io.waitTexts.contains(kWaitText + QStringLiteral("\n\nПоиск proxy-серверов")));
    EXPECT_TRUE(m_io.waitTexts.contains(kWaitText + QStringLiteral("\n\nПопытка 2, proxy 127.0.0.1 : %1").arg(good.port())));
    EXPECT_EQ(good.forwarded(), 1);
    EXPECT_EQ(onDisk().size(), 2u);
    const core::TProxy stored = storedProxy();
    EXPECT_EQ(stored.Mode, 1);
    EXPECT_EQ(stored.Server, QStringLiteral("127.0.0.1"));
    EXPECT_EQ(stored.Port, good.port());
    EXPECT_TRUE(session->web().proxy().List.isEmpty()) << "the candidates live for one download";
}

TEST_F(WebControllerTest, AStoredAutomaticProxyIsTriedFirstWithoutASearch)
{
    testsupport::LocalProxy good;
    ProxyListService service({{"127.0.0.1", good.port()}});
    writeArchive({MakeDraw(1, {1, 2, 3, 4, 5}, 1, "07/01/2024")});
    writeConfig(QStringLiteral("ProxyListUrl=%1\r\n[PROXY]\r\nProxyMode=1\r\nProxyServer=127.0.0.1\r\nProxyPort=%2\r\n")
                    .arg(service.server.url())
                    .arg(closedPort()));
    m_site.serveDraws({MakeDraw(0, {31, 32, 33, 34, 35}, 4, "14/01/2024")});
    auto session = start();
    session->web().setToday([] { return ymd(2024, 1, 14); });
    m_io.answers.clear();
    m_io.answers.enqueue(true);
    ASSERT_TRUE(session->web().drawsDownload());
    // The stored server failed; with no other candidate the person was asked, and the next
    // attempt searched.
    ASSERT_EQ(m_io.questions.size(), 1);
    EXPECT_EQ(service.server.requests().size(), 1u);
    EXPECT_EQ(good.forwarded(), 1);
    EXPECT_EQ(storedProxy().Port, good.port());
}

TEST_F(WebControllerTest, AFailedSearchIsShownAndEndsTheDownload)
{
    ProxyListService service({}, 503);
    writeArchive({MakeDraw(1, {1, 2, 3, 4, 5}, 1, "07/01/2024")});
    writeConfig(QStringLiteral("ProxyListUrl=%1\r\n[PROXY]\r\nProxyMode=1\r\n").arg(service.server.url()));
    auto session = start();
    session->web().setToday([] { return ymd(2024, 3, 31); });
    EXPECT_FALSE(session->web().drawsDownload());
    const QStringList errors = m_io.messageTexts(app::MessageKind::Error);
    ASSERT_EQ(errors.size(), 1) << "once, not once per week";
    EXPECT_TRUE(errors[0].startsWith(QStringLiteral("Ошибка получения списка proxy-серверов!\n\n")));
    EXPECT_TRUE(m_site.askedDates().empty());

    // An empty list is an error of its own.
    session.reset();
    m_io.messages.clear();
    ProxyListService empty({});
    writeConfig(QStringLiteral("ProxyListUrl=%1\r\n[PROXY]\r\nProxyMode=1\r\n").arg(empty.server.url()));
    auto again = start();
    EXPECT_FALSE(again->web().drawsDownload());
    EXPECT_EQ(m_io.messageTexts(app::MessageKind::Error),
              QStringList{QStringLiteral("Ошибка получения списка proxy-серверов!\n\nНе найдено ни одного "
                                         "proxy-сервера с заданными параметрами")});
}

TEST_F(WebControllerTest, TheStartUpOffer)
{
    writeArchive({MakeDraw(1, {1, 2, 3, 4, 5}, 1, "07/01/2024")});
    writeConfig();
    m_site.serveDraws({MakeDraw(0, {31, 32, 33, 34, 35}, 4, "14/01/2024")});
    // 0: asked, and No downloads nothing.
    writeState(0);
    start();
    ASSERT_EQ(m_io.questions.size(), 1);
    EXPECT_EQ(m_io.questions[0].caption, QStringLiteral("Подтверждение"));
    EXPECT_EQ(m_io.questions[0].text, QStringLiteral("Обновить список тиражей?\n\nДля выполнения обновления "
                                                     "необходимо действующее подключение к сети Интернет."));
    EXPECT_TRUE(m_io.questions[0].yesDefault);
    EXPECT_TRUE(m_site.askedDates().empty());
    // 2: never.
    writeState(2);
    m_io.questions.clear();
    start();
    EXPECT_TRUE(m_io.questions.isEmpty());
    EXPECT_TRUE(m_site.askedDates().empty());
    // 1: at once, without a word.
    writeState(1);
    start();
    EXPECT_TRUE(m_io.questions.isEmpty());
    EXPECT_FALSE(m_site.askedDates().empty());
    EXPECT_EQ(onDisk().size(), 2u);
}

TEST_F(WebControllerTest, YesToTheOfferDownloadsAndLoadOnlyDownloadsAndEnds)
{
    writeArchive({MakeDraw(1, {1, 2, 3, 4, 5}, 1, "07/01/2024")});
    writeConfig();
    m_site.serveDraws(
        {MakeDraw(0, {31, 32, 33, 34, 35}, 4, "14/01/2024"), MakeDraw(0, {41, 42, 43, 44, 45}, 5, "21/01/2024")});
    writeState(0);
    m_io.answers.clear();
    m_io.answers.enqueue(true);
    start();
    EXPECT_EQ(m_io.questions.size(), 1);
    EXPECT_EQ(onDisk().size(), 3u);

    // "loadonly" downloads whatever the setting says, then the program ends.
    writeArchive({MakeDraw(1, {1, 2, 3, 4, 5}, 1, "07/01/2024")});
    writeState(2);
    m_io.questions.clear();
    start({QStringLiteral("Vertoma_5x54"), QStringLiteral("/loadonly")});
    EXPECT_EQ(m_result, app::Session::InitResult::Terminate);
    EXPECT_TRUE(m_io.questions.isEmpty());
    EXPECT_EQ(onDisk().size(), 3u);
}

TEST_F(WebControllerTest, TheStartUpChoiceIsStoredAtOnce)
{
    {
        // Without the key the program asks.
        QFile::remove(folder().stateFile());
        auto session = start();
        EXPECT_EQ(session->web().downloadOnStart(), 0);
    }
    auto session = start();
    session->web().setDownloadOnStart(1);
    EXPECT_EQ(core::StateReadInt(folder().stateFile(), core::kMainWindowSection,
                                 QStringLiteral("DownloadDrawsOnStart"), -1),
              1);
    EXPECT_EQ(session->web().downloadOnStart(), 1);
}

TEST_F(WebControllerTest, TheProxyDialog)
{
    auto session = start();
    core::TProxy manual;
    manual.Mode = 2;
    manual.Server = QStringLiteral("proxy.lan");
    manual.Port = 3128;
    manual.Username = QStringLiteral("u");
    manual.Password = QStringLiteral("p");
    m_io.proxyEdits.enqueue(manual);
    m_io.proxyEdits.enqueue(std::nullopt);
    ASSERT_TRUE(session->web().editProxy());
    core::TProxy stored = storedProxy();
    EXPECT_EQ(stored.Mode, 2);
    EXPECT_EQ(stored.Server, QStringLiteral("proxy.lan"));
    EXPECT_EQ(stored.Password, QStringLiteral("p"));
    EXPECT_TRUE(session->web().proxy().Saved);
    // Cancel changes nothing; the dialog opened with the stored values.
    EXPECT_FALSE(session->web().editProxy());
    EXPECT_EQ(m_io.proxyStarts.last().Server, QStringLiteral("proxy.lan"));

    // Automatic forgets the server so that the next download searches afresh.
    core::TProxy automatic = manual;
    automatic.Mode = 1;
    m_io.proxyEdits.clear();
    m_io.proxyEdits.enqueue(automatic);
    ASSERT_TRUE(session->web().editProxy());
    stored = storedProxy();
    EXPECT_EQ(stored.Mode, 1);
    EXPECT_TRUE(stored.Server.isEmpty());
    EXPECT_EQ(stored.Port, 0);
    EXPECT_TRUE(stored.Username.isEmpty());
    EXPECT_TRUE(stored.Password.isEmpty());
}

TEST_F(WebControllerTest, TheParametersDialogStoresTheAddresses)
{
    auto session = start();
    net::NetworkSettings edited;
    edited.OperatorUrl = QStringLiteral("https://results.test");
    edited.ProxyListUrl = QStringLiteral("http://list.test");
    edited.ServiceUrl = QStringLiteral("https://service.test");
    edited.CaFile = QStringLiteral("ca.pem");
    m_io.configEdits.clear();
    m_io.configEdits.enqueue(session->statistics().config());
    m_io.networkEdits.clear();
    m_io.networkEdits.enqueue(edited);
    ASSERT_TRUE(session->statistics().editConfig());
    EXPECT_TRUE(m_io.networkStarts.last().OperatorUrl.isEmpty());
    EXPECT_EQ(session->web().network(), edited);
    net::NetworkSettings stored;
    ASSERT_TRUE(net::NetworkLoad(folder().configFile(), stored));
    EXPECT_EQ(stored, edited);
}

TEST_F(WebControllerTest, CsvImportAndExportThroughTheSession)
{
    auto session = start();
    QSignalSpy recalculated(&session->archive(), &app::ArchiveController::viewsRecalculated);
    m_io.pickedFiles.clear();
    m_io.pickedFiles.enqueue(QStringLiteral(VERTOMA_SHARED_DATA_DIR "/draws_history_import.csv"));
    ASSERT_TRUE(session->web().drawsImport());
    EXPECT_EQ(onDisk().size(), 1114u);
    EXPECT_GE(recalculated.count(), 1) << "the views follow an import";
    EXPECT_EQ(m_io.messageTexts(app::MessageKind::Information),
              QStringList{QStringLiteral("Импорт тиражей завершён.\n\nДобавлено тиражей: 1114\nПропущено строк: 0")});
    EXPECT_TRUE(m_io.pickerFilters.contains(QStringLiteral("Файлы тиражей (*.csv)")));

    const QString out = m_dir.filePath(QStringLiteral("out.csv"));
    m_io.pickedFiles.clear();
    m_io.pickedFiles.enqueue(out);
    ASSERT_TRUE(session->web().drawsExport());
    EXPECT_EQ(testsupport::ReadFile(out),
              testsupport::ReadFile(QStringLiteral(VERTOMA_SHARED_DATA_DIR "/draws_history_import.csv")));
    EXPECT_TRUE(m_io.statusTexts.contains(QStringLiteral("Экспорт тиражей в файл \"%1\"...").arg(out)));

    // Cancelled pickers do nothing; a missing file is an error and changes nothing.
    EXPECT_FALSE(session->web().drawsImport());
    EXPECT_FALSE(session->web().importFile(m_dir.filePath(QStringLiteral("none.csv"))));
    EXPECT_EQ(m_io.messageTexts(app::MessageKind::Error).size(), 1);
    EXPECT_EQ(onDisk().size(), 1114u);
}

TEST_F(WebControllerTest, AnEmptyArchiveOffersImportOrDownloadInsteadOfTheUpdateQuestion)
{
    writeConfig();
    writeState(0);
    m_site.serveDraws({MakeDraw(0, {31, 32, 33, 34, 35}, 4, "14/01/2024")});

    // "Позже": nothing is read, nothing fetched, and the update question is not asked on top.
    start();
    ASSERT_EQ(m_io.choiceQuestions.size(), 1);
    EXPECT_EQ(m_io.choiceQuestions[0].caption, QStringLiteral("Архив тиражей"));
    EXPECT_TRUE(m_io.choiceQuestions[0].text.startsWith(QStringLiteral("Архив тиражей пуст.")));
    EXPECT_EQ(m_io.choiceQuestions[0].choices,
              (QStringList{QStringLiteral("Загрузить архив тиражей из поставки (1114 тиражей, до 16.08.2026)"),
                           QStringLiteral("Импорт из CSV-файла..."), QStringLiteral("Загрузить с сайта лотереи"),
                           QStringLiteral("Позже")}));
    EXPECT_EQ(m_io.choiceQuestions[0].defaultChoice, 0);
    EXPECT_TRUE(m_io.questions.isEmpty());
    EXPECT_TRUE(m_site.askedDates().empty());
    EXPECT_FALSE(QFileInfo::exists(folder().drawsFile()) && !onDisk().empty());

    // The import goes through the command's file picker.
    m_io.choiceQuestions.clear();
    m_io.choiceAnswers.enqueue(1);
    m_io.pickedFiles.clear();
    m_io.pickedFiles.enqueue(QStringLiteral(VERTOMA_SHARED_DATA_DIR "/draws_history_import.csv"));
    auto session = start();
    EXPECT_EQ(m_io.choiceQuestions.size(), 1);
    EXPECT_EQ(onDisk().size(), 1114u);
    EXPECT_EQ(session->archive().draws().size(), 1114u);
    session.reset();

    // With draws in the archive the usual question is back and the choice is not offered.
    m_io.choiceQuestions.clear();
    m_io.questions.clear();
    start();
    EXPECT_TRUE(m_io.choiceQuestions.isEmpty());
    EXPECT_EQ(m_io.questions.size(), 1);
}

TEST_F(WebControllerTest, TheFirstDrawsCanComeFromTheResultsSite)
{
    writeConfig();
    writeState(2); // even with the start-up download off, an empty archive is offered its draws
    // An empty archive is fetched from January 2005 on, week by week: today is soon after.
    m_today = [] { return ymd(2005, 1, 20); };
    m_site.serveDraws({MakeDraw(0, {31, 32, 33, 34, 35}, 4, "09/01/2005")});
    m_io.choiceAnswers.enqueue(2);
    start();
    ASSERT_EQ(m_io.choiceQuestions.size(), 1);
    EXPECT_FALSE(m_site.askedDates().empty());
    ASSERT_EQ(onDisk().size(), 1u);
    EXPECT_EQ(onDisk()[0].Values[0], 31);

    // Without a results site the download is not among the choices and the text says where to set it.
    QFile::remove(folder().drawsFile());
    QFile::remove(folder().configFile());
    m_io.choiceQuestions.clear();
    m_io.choiceAnswers.enqueue(2); // "Позже" is the third choice now
    m_io.pickedFiles.clear();
    const std::size_t asked = m_site.askedDates().size();
    start();
    ASSERT_EQ(m_io.choiceQuestions.size(), 1);
    EXPECT_EQ(m_io.choiceQuestions[0].choices,
              (QStringList{QStringLiteral("Загрузить архив тиражей из поставки (1114 тиражей, до 16.08.2026)"),
                           QStringLiteral("Импорт из CSV-файла..."), QStringLiteral("Позже")}));
    EXPECT_TRUE(m_io.choiceQuestions[0].text.contains(QStringLiteral("\"Сеть\"")));
    EXPECT_TRUE(m_io.pickerFilters.isEmpty());
    EXPECT_EQ(m_site.askedDates().size(), asked);
}

TEST_F(WebControllerTest, NeitherTheDrawsNorTheProxyListFollowARedirectToPlainHttp)
{
    writeArchive({MakeDraw(1, {1, 2, 3, 4, 5}, 1, "07/01/2024")});
    const testsupport::DowngradeRedirect trap;
    const QString ca = testsupport::TestCaFile();
    // The results site itself redirects; then the site is sound but the proxy list redirects.
    const QStringList configs = {
        QStringLiteral("[NETWORK]\r\nOperatorUrl=%1\r\nCaFile=%2\r\n").arg(trap.url(), ca),
        QStringLiteral("[NETWORK]\r\nOperatorUrl=%1\r\nCaFile=%2\r\nProxyListUrl=%3\r\n[PROXY]\r\nProxyMode=1\r\n")
            .arg(m_site.url(), ca, trap.url()),
    };
    for (const QString& config : configs) {
        SCOPED_TRACE(config.toStdString());
        QFile ini(folder().configFile());
        ASSERT_TRUE(ini.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ini.write(config.toUtf8());
        ini.close();
        m_io.questions.clear();
        m_io.messages.clear();
        auto session = start();
        session->web().setToday([] { return ymd(2024, 1, 14); });
        EXPECT_FALSE(session->web().drawsDownload());
        EXPECT_EQ(trap.plainRequests(), 0u) << "the request went on in plain text";
        QStringList shown = m_io.messageTexts(app::MessageKind::Error);
        for (const auto& question : m_io.questions)
            shown << question.text;
        EXPECT_EQ(shown.filter(trap.plainUrl()).size(), 1) << shown.join(u'|').toStdString();
        EXPECT_EQ(onDisk().size(), 1u);
    }
    EXPECT_TRUE(m_site.askedDates().empty());
}
