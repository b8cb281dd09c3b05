#pragma once

// The controller of draw acquisition: the main window's web client with its proxy
// settings and the automatic proxy search, the week-by-week draw download with its wait window,
// the start-up offer to download, and the exchange of draws as CSV files. The requests, the
// page parsers and the CSV form live in net/; this adds busy state, status texts, messages and
// the person's answers, and hands new draws to the archive.

#include "core/GameTypes.h"
#include "net/HttpClient.h"
#include "net/NetSettings.h"

#include <QObject>

#include <functional>
#include <memory>

namespace core {
class IniFile;
}

namespace app {

class ArchiveController;
class Services;
class StakesController;

class WebController : public QObject
{
    Q_OBJECT

public:
    WebController(Services& services, ArchiveController& archive, StakesController& stakes);
    ~WebController() override;

    // ---- settings
    // "DownloadDrawsOnStart" of the window-state file: 0 ask at start-up, 1 download, 2 never.
    void readState(const core::IniFile& ini);
    int downloadOnStart() const { return m_downloadOnStart; }
    // The actions AutoDownload0..2: the value is stored at once.
    void setDownloadOnStart(int mode);
    // Sections "PROXY" and "NETWORK" of the configuration file; errors are shown.
    void loadSettings();
    const net::NetworkSettings& network() const { return m_network; }
    // Stores the addresses after the configuration dialog; false (error shown) when that failed.
    bool setNetwork(const net::NetworkSettings& network);
    core::TProxy& proxy() { return m_proxy; }
    const core::TProxy& proxy() const { return m_proxy; }
    bool proxySave(bool withStatus);
    // The proxy dialog; false when cancelled.
    bool editProxy();

    // ---- the main window's client
    // Applies the proxy settings, then GETs the page; with utf8 the body is read as UTF-8.
    // When the proxy cannot be applied, proxyFailed is set and nothing is requested.
    struct Page
    {
        net::HttpResponse response;
        QString text;
        bool proxyFailed = false;
    };
    Page httpGetPage(const QString& url, bool utf8);
    bool proxyApply(const QString& url);
    bool proxyAutoSelect(const QString& url);
    bool proxySearch(const QString& url);
    bool proxyNext();
    void proxySaveIfChanged();
    void proxyListFree() { m_proxy.List.clear(); }
    // The attempt counter of the current download.
    int attempt() const { return m_attempt; }

    // ---- the draw download
    // The action DrawsDownload: wait window, the loop, then the stakes check in every case.
    // False when the download stopped at an error.
    bool drawsDownload();
    // The loop week by week up to today: the number of draws added. completed is false when
    // the loop stopped at an error it could not get past (the draws added before it stay).
    int drawsDownloadRun(bool* completed = nullptr);
    // One query of the operator's page for the dates; the draws are appended to the archive.
    // -1 with the response or error set when the page could not be had or read.
    struct FetchFailure
    {
        bool notFound = false;
        bool proxyFailed = false;
        bool notStored = false; // the archive could not be saved (shown)
        QString message;
    };
    int fetchDraws(std::int32_t fromYmd, std::int32_t toYmd, FetchFailure& failure);
    // The start-up step: asks, downloads or does nothing as "DownloadDrawsOnStart" says. With no
    // operator address set there is nothing to offer and nothing is asked. An empty archive gets
    // offerFirstDraws() instead.
    void offerDownloadOnStart();
    // The archive is empty: offers the draw history shipped with the program, to import a CSV
    // file or to download the draws (when the results site has an address), through the same
    // operations as their commands.
    void offerFirstDraws();
    // The draw history shipped inside the program: how many draws it holds and the date of the
    // last, read from the history itself; count 0 when it cannot be read.
    struct ShippedDraws
    {
        int count = 0;
        QString lastDate; // dd.mm.yyyy
    };
    static ShippedDraws shippedDraws();
    static QString shippedDrawsPath();
    // Appends the shipped history's draws the archive lacks, as an import of a file does.
    bool importShipped();

    // Today as yyyymmdd; the tests fix it.
    void setToday(std::function<std::int32_t()> today) { m_today = std::move(today); }
    // The client's limits; the tests shorten them.
    void setLimits(const net::HttpLimits& limits);
    const net::HttpLimits& limits() const { return m_limits; }

    // ---- CSV exchange
    // The actions DrawsExport and DrawsImport with their file pickers.
    bool drawsExport();
    bool drawsImport();
    bool exportFile(const QString& path);
    // Appends the new draws of the file, saves, recalculates and says how many lines were taken
    // and skipped. False when the file could not be read or the archive not saved.
    struct ImportCount
    {
        int taken = 0;
        int skipped = 0;
    };
    bool importFile(const QString& path, ImportCount* count = nullptr);

    // The extra certificate bundle of the settings as an absolute path; empty for none.
    QString caFilePath() const;

signals:
    // The proxy settings or "DownloadDrawsOnStart" changed.
    void settingsChanged();

private:
    void showWait(const QString& detail);
    void checkStakes();

    Services& m_services;
    ArchiveController& m_archive;
    StakesController& m_stakes;
    net::HttpClient m_client;
    net::HttpLimits m_limits;
    net::NetworkSettings m_network;
    core::TProxy m_proxy;
    int m_downloadOnStart = 0;
    int m_attempt = 1;
    std::function<std::int32_t()> m_today;
};

} // namespace app
