// Checking the stakes against the archive, the stakes logs and the stake graphs.

#include "app/ArchiveController.h"
#include "app/RatingsController.h"
#include "app/Services.h"
#include "app/StakesController.h"
#include "app/StatisticsController.h"
#include "core/FileOps.h"
#include "core/TextForms.h"
#include "stakes/CheckJournal.h"

#include <QDir>
#include <QFile>

namespace app {

bool StakesController::check()
{
    int checked = 0;
    QString error;
    bool ok = true;
    {
        BusyScope busy(m_services, tr("Проверка результатов ставок..."));
        stakes::CheckHooks hooks;
        hooks.checked = [this](const stakes::TStakeRec& rec) { writeLog(rec); };
        hooks.progress = [this](double percent) {
            m_services.showStatus(
                tr("Проверка результатов ставок ( завершено %1 % )...").arg(QString::number(percent, 'f', 0)));
        };
        hooks.counter.path = m_ratings.path();
        hooks.counter.count = [this](const stakes::TStakeRec& rec) { m_ratings.addStake(rec); };
        hooks.counter.content = [this] { return m_ratings.fileBytes(); };
        ok = stakes::StakesCheck(m_file, m_archive.draws(), m_statistics.config(), hooks, checked, &error);
    }
    m_lastChecked = checked;
    if (!ok) {
        showFileError(tr("Ошибка проверки ставок!"), error);
        // The rating in memory may hold a block that did not reach the disk: the files decide.
        // When the journal of that block cannot be finished now, the next start finishes it.
        if (finishInterruptedCheck())
            m_ratings.reload();
    }
    if (checked > 0)
        emit m_ratings.changed();
    return checked > 0;
}

bool StakesController::finishInterruptedCheck()
{
    const QString journal = stakes::CheckJournalPath(m_file.path());
    QString error;
    switch (stakes::CheckJournalReplay(m_file, m_ratings.path(), &error)) {
    case stakes::JournalReplay::None:
    case stakes::JournalReplay::Done:
        return true;
    case stakes::JournalReplay::Failed:
        // A sound journal that could not be carried out (a full disk) stays for the next try.
        showFileError(tr("Не удалось завершить прерванную проверку ставок (журнал \"%1\")!").arg(journal), error);
        return false;
    case stakes::JournalReplay::Damaged:
        break;
    }
    // The check that left a damaged journal marked stakes that its rating may lack.
    const QString aside = journal + QStringLiteral(".bad");
    QFile::remove(aside);
    if (!QFile::rename(journal, aside)) {
        showFileError(tr("Не удалось завершить прерванную проверку ставок (журнал \"%1\")!").arg(journal), error);
        return false;
    }
    m_services.showWarning(tr("Журнал прерванной проверки ставок поврежден и перенесен в файл \"%1\": рейтинг может не "
                              "учитывать часть проверенных тогда ставок (\"Обновить рейтинг\" пересчитает его).")
                               .arg(aside) +
                           QStringLiteral("\n\n") + error);
    return true;
}

bool StakesController::checkAndSave()
{
    if (!check())
        return false;
    reopen();
    if (!m_ratings.sort(m_ratings.sortColumn(), m_ratings.sortDescending()))
        m_failed = true;
    return true;
}

bool StakesController::checkManual()
{
    checkAndSave();
    refresh(true, false);
    return true;
}

bool StakesController::seekRecentDraws(int limit, stakes::RecentDraws& result)
{
    QString error;
    if (stakes::StakesSeekRecentDraws(m_file, limit, result, &error))
        return true;
    showFileError(tr("Ошибка поиска записи по номеру тиража в файле ставок!"), error);
    return false;
}

void StakesController::writeLog(const stakes::TStakeRec& rec)
{
    if (!m_logEnabled || rec.Checked != 1)
        return;
    const QString path = m_services.folder().file(QStringLiteral("Vertoma_5x54-%1.log").arg(rec.Matches.Count));
    QString deleteError;
    QString error;
    const bool written = stakes::StakeLogAppend(
        path, stakes::StakeLogLine(rec, QDateTime::currentDateTime(), core::SystemDecimalPoint()), &deleteError,
        &error);
    if (!deleteError.isEmpty())
        m_services.showError(tr("Ошибка удаления файла \"%1\"!").arg(path) + QStringLiteral("\n\n") + deleteError);
    if (!written)
        m_services.showError(tr("Ошибка записи в файл \"%1\"!").arg(path) + QStringLiteral("\n\n") + error);
}

void StakesController::logsDelete()
{
    const QDir dir(m_services.folder().dir());
    const QStringList names = dir.entryList({QStringLiteral("Vertoma_5x54-*.log")}, QDir::Files, QDir::Name);
    if (names.isEmpty()) {
        m_services.showInformation(tr("Файлы журналов не найдены!"));
        return;
    }
    core::FileOpReport report;
    {
        BusyScope busy(m_services, tr("Поиск файлов журналов..."));
        QStringList paths;
        for (const QString& name : names)
            paths << dir.filePath(name);
        report = core::DeleteFiles(paths);
    }
    const QString text = report.Title + QStringLiteral("\n\n") + report.Details;
    if (report.Success)
        m_services.showInformation(text);
    else
        m_services.showWarning(text);
}

void StakesController::showGraph(const std::function<std::optional<core::GraphData>(QString*)>& build)
{
    std::optional<core::GraphData> graph;
    QString error;
    {
        BusyScope busy(m_services, tr("Создание графиков..."));
        graph = build(&error);
    }
    if (graph)
        m_services.io().showGraph(*graph);
    else
        m_services.showError(error);
}

void StakesController::graphDraws()
{
    showGraph([this](QString* error) {
        return stakes::ProfitByDrawGraph(m_file, tr("График суммарного профита ставок по тиражам"), error);
    });
}

void StakesController::graphByComment(const QStringList& captions, stakes::StakeGraphValue value, const QString& title)
{
    showGraph([&](QString* error) { return stakes::CommentStakesGraph(m_file, captions, value, title, error); });
}

void StakesController::graphOverlap(const QStringList& captions)
{
    graphByComment(captions, stakes::StakeGraphValue::Matches,
                   tr("График количества совпадений для всех ставок по тиражам"));
}

void StakesController::graphProfits(const QStringList& captions)
{
    graphByComment(captions, stakes::StakeGraphValue::Profit, tr("График профита для всех ставок по тиражам"));
}

} // namespace app
