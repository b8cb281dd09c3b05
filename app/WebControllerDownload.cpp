// The draw download: week by week from the newest draw up to today, one query of the operator's
// results page per week, each week's draws saved and the views recalculated before the next.

#include "app/WebController.h"

#include "app/ArchiveController.h"
#include "app/Services.h"
#include "app/StakesController.h"
#include "core/Dates.h"
#include "core/TextForms.h"
#include "net/DrawsCsv.h"
#include "net/DrawsPage.h"

#include <QDate>

#include <algorithm>
#include <exception>

namespace app {

namespace {

constexpr int kDaysPerWeek = 7;

} // namespace

void WebController::checkStakes()
{
    m_stakes.checkAndSave();
    m_stakes.refresh(true, false);
}

bool WebController::drawsDownload()
{
    bool completed = false;
    BusyScope busy(m_services, tr("Загрузка архива тиражей..."));
    m_services.io().showWaitWindow(tr("Загрузка архива тиражей..."));
    try {
        drawsDownloadRun(&completed);
    } catch (const std::exception& e) {
        m_services.showError(QString::fromUtf8(e.what()));
    }
    // Stakes of the draws that did come in are checked, whatever stopped the download.
    checkStakes();
    m_services.io().closeWaitWindow();
    return completed;
}

int WebController::drawsDownloadRun(bool* completed)
{
    if (completed)
        *completed = false;
    if (m_network.OperatorUrl.trimmed().isEmpty()) {
        m_services.showError(tr("Не задан адрес сайта лотереи, с которого загружаются тиражи. Укажите его в "
                                "параметрах программы (страница \"Сеть\") или ключом OperatorUrl в разделе "
                                "[NETWORK] файла Vertoma_5x54.ini."));
        return 0;
    }
    std::int32_t date = 0;
    try {
        date = m_archive.drawDateYmd(0, kDaysPerWeek);
    } catch (const core::EConvertError& e) {
        m_services.showError(e.message());
        return 0;
    }
    // A newest draw without a date would send the loop through a century of weeks.
    date = std::max(date, net::kFirstQueryYmd);
    const std::int32_t today = m_today();
    m_attempt = 1;
    int total = 0;
    bool stopped = false;
    for (;;) {
        FetchFailure failure;
        const int n = fetchDraws(date, date, failure);
        if (n >= 0) {
            proxySaveIfChanged();
            total += n;
        } else if (failure.proxyFailed || failure.notStored) {
            // The reason was shown; every further week would fail the same way.
            stopped = true;
            break;
        } else if (!failure.notFound) {
            ++m_attempt;
            if (proxyNext())
                continue;
            const QString question =
                tr("Ошибка загрузки архива тиражей с сайта: \"%1\"\n\nПовторить попытку?").arg(failure.message);
            if (m_services.io().askYesNo(tr("Ошибка"), question, true, true))
                continue;
            stopped = true;
            break;
        }
        date = core::YmdIncDays(date, kDaysPerWeek);
        if (today < date)
            break;
    }
    proxyListFree();
    if (completed)
        *completed = !stopped;
    return total;
}

int WebController::fetchDraws(std::int32_t fromYmd, std::int32_t toYmd, FetchFailure& failure)
{
    m_services.showStatus(tr("Загрузка тиражей %1 - %2...").arg(core::YmdText(fromYmd), core::YmdText(toYmd)));
    const Page page = httpGetPage(net::OperatorQueryUrl(m_network.OperatorUrl, fromYmd, toYmd), true);
    if (page.proxyFailed) {
        failure.proxyFailed = true;
        return -1;
    }
    if (!page.response.ok()) {
        failure.notFound = page.response.notFound();
        failure.message = page.response.message;
        return -1;
    }
    std::vector<core::TDrawRec> draws;
    try {
        draws = net::ParseDrawsPage(page.text, fromYmd, static_cast<int>(m_archive.draws().size()));
    } catch (const core::EConvertError& e) {
        failure.message = e.message();
        return -1;
    }
    if (draws.empty())
        return 0;
    m_services.showStatus(tr("Сохранение файла тиражей..."));
    // The draws go in from the last on the page to the first.
    if (!m_archive.append(core::TDrawsArray(draws.rbegin(), draws.rend()))) {
        failure.notStored = true;
        return -1;
    }
    return static_cast<int>(draws.size());
}

QString WebController::shippedDrawsPath()
{
    return QStringLiteral(":/data/draws_history_import.csv");
}

WebController::ShippedDraws WebController::shippedDraws()
{
    // Counted from the history itself, so the offer stays true when a newer one is shipped.
    ShippedDraws shipped;
    QByteArray bytes;
    if (!net::ReadDrawsCsv(shippedDrawsPath(), bytes))
        return shipped;
    const net::CsvImport draws = net::ParseDrawsCsv(bytes, {});
    if (draws.added.empty())
        return shipped;
    shipped.count = int(draws.added.size());
    const QString last = core::DrawDateText(draws.added.back());
    QDate date = QDate::fromString(last, QStringLiteral("dd/MM/yyyy"));
    if (!date.isValid())
        date = QDate::fromString(last, QStringLiteral("dd.MM.yyyy"));
    shipped.lastDate = date.isValid() ? date.toString(QStringLiteral("dd.MM.yyyy")) : last;
    return shipped;
}

bool WebController::importShipped()
{
    return importFile(shippedDrawsPath());
}

void WebController::offerFirstDraws()
{
    const ShippedDraws shipped = shippedDraws();
    const bool canDownload = !m_network.OperatorUrl.trimmed().isEmpty();
    enum class Choice { Shipped, Import, Download, Later };
    QList<Choice> kinds;
    QStringList choices;
    if (shipped.count > 0) {
        kinds << Choice::Shipped;
        choices
            << tr("Загрузить архив тиражей из поставки (%1 тиражей, до %2)").arg(shipped.count).arg(shipped.lastDate);
    }
    kinds << Choice::Import;
    choices << tr("Импорт из CSV-файла...");
    if (canDownload) {
        kinds << Choice::Download;
        choices << tr("Загрузить с сайта лотереи");
    }
    kinds << Choice::Later;
    choices << tr("Позже");
    QString text = tr("Архив тиражей пуст.\n\nБез тиражей статистика, фильтры и сценарии не работают. ");
    if (shipped.count > 0)
        text += tr("Загрузите архив тиражей, поставляемый с программой, или импортируйте тиражи из CSV-файла");
    else
        text += tr("Импортируйте тиражи из CSV-файла");
    text += canDownload ? tr(" или загрузите их с сайта лотереи.")
                        : tr(".\n\nЧтобы загружать тиражи с сайта лотереи, укажите его адрес на странице "
                             "\"Сеть\" (\"Файл\" - \"Параметры\").");
    const int choice = m_services.io().askChoice(tr("Архив тиражей"), text, choices, 0);
    switch (choice >= 0 && choice < kinds.size() ? kinds[choice] : Choice::Later) {
    case Choice::Shipped:
        importShipped();
        break;
    case Choice::Import:
        drawsImport();
        break;
    case Choice::Download:
        drawsDownload();
        break;
    case Choice::Later:
        break;
    }
}

void WebController::offerDownloadOnStart()
{
    // An empty archive gets the choice of where its draws come from instead of the update question.
    if (m_archive.draws().empty()) {
        offerFirstDraws();
        return;
    }
    if (m_network.OperatorUrl.trimmed().isEmpty())
        return;
    switch (m_downloadOnStart) {
    case 0:
        if (m_services.askQuestion(tr("Подтверждение"),
                                   tr("Обновить список тиражей?\n\nДля выполнения обновления необходимо "
                                      "действующее подключение к сети Интернет.")))
            drawsDownload();
        break;
    case 1:
        drawsDownload();
        break;
    default:
        break;
    }
}

} // namespace app
