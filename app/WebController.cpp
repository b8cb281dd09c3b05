// The program's web client, its proxy settings and the automatic proxy search, and the
// exchange of draws as CSV files.

#include "app/WebController.h"

#include "app/ArchiveController.h"
#include "app/Services.h"
#include "app/StakesController.h"
#include "core/Cp1251.h"
#include "core/IniFile.h"
#include "core/Settings.h"
#include "core/TextForms.h"
#include "net/DrawsCsv.h"
#include "net/ProxyList.h"
#include "net/Requests.h"

#include <QDate>
#include <QDir>

#include <optional>

namespace app {

WebController::WebController(Services& services, ArchiveController& archive, StakesController& stakes)
    : m_services(services), m_archive(archive), m_stakes(stakes), m_client(true)
{
    // Each request of the download opens its own connection, as a proxy may change between them.
    m_client.setCloseConnection(true);
    m_client.setFollowRedirects(true);
    m_client.setLimits(m_limits);
    m_client.setKeepAlive([this] { m_services.io().keepAlive(); });
    m_today = [] {
        const QDate today = QDate::currentDate();
        return today.year() * 10000 + today.month() * 100 + today.day();
    };
}

WebController::~WebController() = default;

// ---- settings

void WebController::readState(const core::IniFile& ini)
{
    m_downloadOnStart = ini.readInt(core::kMainWindowSection, QStringLiteral("DownloadDrawsOnStart"), 0);
}

void WebController::setDownloadOnStart(int mode)
{
    m_downloadOnStart = mode;
    m_services.storeStateInt(QStringLiteral("DownloadDrawsOnStart"), mode);
    emit settingsChanged();
}

void WebController::loadSettings()
{
    const QString path = m_services.folder().configFile();
    QString error;
    if (net::ProxyLoad(path, m_proxy, &error) && net::NetworkLoad(path, m_network, &error))
        m_proxy.Saved = true;
    else
        m_services.showError(tr("Ошибка чтения файла конфигурации!\n\n%1").arg(error));
}

bool WebController::setNetwork(const net::NetworkSettings& network)
{
    if (network == m_network)
        return true;
    m_network = network;
    QString error;
    if (!net::NetworkSave(m_services.folder().configFile(), m_network, &error)) {
        m_services.showError(tr("Ошибка записи в файл конфигурации!\n\n%1").arg(error));
        return false;
    }
    return true;
}

bool WebController::proxySave(bool withStatus)
{
    std::optional<BusyScope> busy;
    if (withStatus)
        busy.emplace(m_services, tr("Сохранение файла конфигурации..."));
    QString error;
    if (!net::ProxySave(m_services.folder().configFile(), m_proxy, &error)) {
        m_services.showError(tr("Ошибка записи в файл конфигурации!\n\n%1").arg(error));
        return false;
    }
    m_proxy.Saved = true;
    emit settingsChanged();
    return true;
}

bool WebController::editProxy()
{
    core::TProxy edited = m_proxy;
    if (!m_services.io().editProxy(edited))
        return false;
    m_proxy.Server = edited.Server;
    m_proxy.Port = edited.Port;
    m_proxy.Username = edited.Username;
    m_proxy.Password = edited.Password;
    m_proxy.Saved = false;
    switch (edited.Mode) {
    case 1:
        // The next download searches afresh.
        m_proxy.Mode = 1;
        m_proxy.Server.clear();
        m_proxy.Port = 0;
        m_proxy.Username.clear();
        m_proxy.Password.clear();
        break;
    case 2:
        m_proxy.Mode = 2;
        break;
    default:
        m_proxy.Mode = 0;
        break;
    }
    proxySave(true);
    return true;
}

QString WebController::caFilePath() const
{
    const QString file = m_network.CaFile.trimmed();
    return file.isEmpty() ? QString() : QDir(m_services.folder().dir()).absoluteFilePath(file);
}

void WebController::setLimits(const net::HttpLimits& limits)
{
    m_limits = limits;
    m_client.setLimits(limits);
}

// ---- the main window's client

WebController::Page WebController::httpGetPage(const QString& url, bool utf8)
{
    Page page;
    if (!proxyApply(url)) {
        page.proxyFailed = true;
        return page;
    }
    m_client.setCaFile(caFilePath());
    page.response = m_client.get(url);
    if (page.response.ok())
        page.text = utf8 ? QString::fromUtf8(page.response.body) : cp1251::decode(page.response.body);
    return page;
}

void WebController::showWait(const QString& detail)
{
    QString text = tr("Загрузка архива тиражей...");
    if (!detail.isEmpty())
        text += QStringLiteral("\n\n") + detail;
    m_services.io().showWaitWindow(text);
}

bool WebController::proxyApply(const QString& url)
{
    net::ProxyServer server;
    if (m_proxy.Mode == 1) {
        if (m_proxy.Server.isEmpty() && !proxyAutoSelect(url))
            return false;
        server = {m_proxy.Server, m_proxy.Port, m_proxy.Username, m_proxy.Password};
    } else if (m_proxy.Mode == 2) {
        // A manual mode without a server name connects directly.
        server = {m_proxy.Server.trimmed(), m_proxy.Port, m_proxy.Username, m_proxy.Password};
    }
    m_client.setProxy(server);
    showWait(server.host.isEmpty()
                 ? QString()
                 : tr("Попытка %1, proxy %2 : %3").arg(m_attempt).arg(m_proxy.Server).arg(m_proxy.Port));
    return true;
}

bool WebController::proxyAutoSelect(const QString& url)
{
    if (m_proxy.List.isEmpty() && !proxySearch(url))
        return false;
    try {
        QString host;
        std::int32_t port = 0;
        net::ParseProxyEntry(m_proxy.List.first(), host, port);
        m_proxy.Server = host;
        m_proxy.Port = port;
        m_proxy.Username.clear();
        m_proxy.Password.clear();
        m_proxy.Saved = false;
        return true;
    } catch (const core::EConvertError& e) {
        m_services.showError(tr("Ошибка автоматического выбора proxy сервера!\n\n%1").arg(e.message()));
        return false;
    }
}

bool WebController::proxySearch(const QString& url)
{
    showWait(tr("Поиск proxy-серверов"));
    net::ProxyQuery query;
    query.protocols = url.startsWith(QStringLiteral("https://"), Qt::CaseInsensitive)
                          ? net::ProtocolHttps
                          : net::ProtocolHttp | net::ProtocolHttps;
    query.wanted = 30;
    query.maxResponseMs = 10;
    query.minUptime = 75;
    QString error;
    const QString root = m_network.ProxyListUrl.trimmed();
    if (root.isEmpty()) {
        error = tr("Не задан адрес службы списка proxy-серверов. Укажите его в параметрах программы "
                   "(страница \"Сеть\") или ключом ProxyListUrl в разделе [NETWORK] файла Vertoma_5x54.ini.");
    } else {
        net::RequestOptions options;
        options.caFile = caFilePath();
        options.limits = m_limits;
        options.keepAlive = [this] { m_services.io().keepAlive(); };
        const auto get = [&options](const QString& page) { return net::HttpGetText(page, true, options); };
        if (net::ProxyListFetch(m_proxy.List, query, root, get, &error) && m_proxy.List.isEmpty())
            error = tr("Не найдено ни одного proxy-сервера с заданными параметрами");
    }
    if (error.isEmpty())
        return true;
    m_services.showError(tr("Ошибка получения списка proxy-серверов!\n\n%1").arg(error));
    return false;
}

bool WebController::proxyNext()
{
    if (m_proxy.Mode != 1)
        return false;
    m_proxy.Server.clear();
    m_proxy.Port = 0;
    m_proxy.Username.clear();
    m_proxy.Password.clear();
    m_proxy.Saved = false;
    if (!m_proxy.List.isEmpty())
        m_proxy.List.removeFirst();
    return !m_proxy.List.isEmpty();
}

void WebController::proxySaveIfChanged()
{
    if (!m_proxy.Saved)
        proxySave(false);
}

// ---- CSV exchange

bool WebController::drawsExport()
{
    const QString path = m_services.io().pickSaveFile(tr("Файлы тиражей (*.csv)"), QStringLiteral("csv"));
    return !path.isEmpty() && exportFile(path);
}

bool WebController::drawsImport()
{
    const QString path = m_services.io().pickOpenFile(tr("Файлы тиражей (*.csv)"));
    return !path.isEmpty() && importFile(path);
}

bool WebController::exportFile(const QString& path)
{
    BusyScope busy(m_services, tr("Экспорт тиражей в файл \"%1\"...").arg(path));
    QString error;
    if (net::SaveDrawsCsv(path, m_archive.draws(), &error))
        return true;
    m_services.showError(tr("Ошибка записи в файл \"%1\"!\n\n%2").arg(path, error));
    return false;
}

bool WebController::importFile(const QString& path, ImportCount* count)
{
    net::CsvImport imported;
    bool saved = true;
    {
        BusyScope busy(m_services, tr("Импорт тиражей из файла \"%1\"...").arg(path));
        QByteArray bytes;
        QString error;
        if (!net::ReadDrawsCsv(path, bytes, &error)) {
            m_services.showError(tr("Ошибка импорта тиражей!\n\n%1").arg(error));
            return false;
        }
        imported = net::ParseDrawsCsv(bytes, m_archive.draws());
        if (!imported.added.empty())
            saved = m_archive.append(imported.added);
    }
    // The archive could not be saved (shown): nothing was added.
    if (!saved)
        return false;
    if (count)
        *count = {imported.taken, imported.skipped};
    m_services.showInformation(tr("Импорт тиражей завершён.\n\nДобавлено тиражей: %1\nПропущено строк: %2")
                                   .arg(imported.taken)
                                   .arg(imported.skipped));
    return saved;
}

} // namespace app
