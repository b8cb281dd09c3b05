// The script's lines, their working copy and the page's editing commands.

#include "app/ScriptController.h"

#include "app/ArchiveController.h"
#include "app/CandidatesController.h"
#include "app/OnlineScripts.h"
#include "app/RatingsController.h"
#include "app/ScriptRunCache.h"
#include "app/Services.h"
#include "app/StakesController.h"
#include "app/StatisticsController.h"
#include "combos/Filters.h"
#include "core/FileOps.h"
#include "core/SafeWrite.h"
#include "core/TextForms.h"
#include "scripts/ScriptFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace app {

namespace {

QString filesFilter()
{
    return QCoreApplication::translate("app::ScriptController", "Файлы сценариев (*.lsc)");
}

} // namespace

ScriptController::ScriptController(Services& services, ArchiveController& archive, CandidatesController& candidates,
                                   const StatisticsController& statistics, StakesController& stakes,
                                   const RatingsController& ratings, const WebController& web)
    : m_services(services), m_archive(archive), m_candidates(candidates), m_statistics(statistics), m_stakes(stakes),
      m_ratings(ratings), m_library(std::make_unique<OnlineScripts>(services, web, *this))
{
}

ScriptController::~ScriptController() = default;

// ---- the lines

QString ScriptController::workingCopyPath() const
{
    return m_services.folder().file(QStringLiteral("Vertoma_5x54.lss"));
}

QString ScriptController::backupPath() const
{
    return workingCopyPath() + QStringLiteral(".bak");
}

bool ScriptController::replaceLines(const QStringList& lines)
{
    // The working copy's own bytes when it is there, else the lines in memory: whatever the
    // person had is what comes back from the backup.
    const QString path = workingCopyPath();
    QString error;
    bool kept = true;
    if (QFileInfo::exists(path)) {
        QFile current(path);
        if (!current.open(QIODevice::ReadOnly)) {
            error = current.errorString();
            kept = false;
        } else {
            const QByteArray bytes = current.readAll();
            if (current.error() != QFileDevice::NoError) {
                error = current.errorString();
                kept = false;
            } else {
                kept = core::WriteBytesSafely(backupPath(), bytes, &error);
            }
        }
    } else if (!m_lines.isEmpty()) {
        kept = scripts::ScriptWriteFile(backupPath(), m_lines, &error);
    }
    if (!kept) {
        m_services.showError(tr("Ошибка записи в файл \"%1\"!").arg(backupPath()) + QStringLiteral("\n\n") + error);
        return false;
    }
    m_lines = lines;
    saveWorkingCopy();
    emit linesChanged();
    return true;
}

int ScriptController::addLine(const QString& line)
{
    m_lines << line;
    saveWorkingCopy();
    emit linesChanged();
    return int(m_lines.size()) - 1;
}

void ScriptController::putLine(int index, const QString& line)
{
    if (index < 0 || index >= m_lines.size())
        throw core::EConvertError(tr("Запись со индексом %1 в файле данных не найдена!").arg(index));
    m_lines[index] = line;
    saveWorkingCopy();
    emit linesChanged();
}

QString ScriptController::getLine(int index) const
{
    if (index < 0 || index >= m_lines.size())
        throw core::EConvertError(tr("Запись со индексом %1 в файле данных не найдена!").arg(index));
    return m_lines[index];
}

bool ScriptController::loadFile(const QString& path, bool append)
{
    QStringList read;
    scripts::ScriptReadReport report;
    QString error;
    bool ok = false;
    {
        BusyScope busy(m_services, tr("Загрузка файла \"%1\"...").arg(path));
        ok = scripts::ScriptReadFile(path, read, &report, &error);
    }
    if (!ok) {
        m_services.showError(tr("Ошибка чтения файла \"%1\"!").arg(path) + QStringLiteral("\n\n") + error);
        return false;
    }
    if (!append || m_lines.isEmpty()) {
        m_lines = read;
    } else if (!read.isEmpty()) {
        if (!m_lines.last().isEmpty())
            m_lines << QString();
        m_lines << read;
    }
    if (report.CutLines > 0 || report.Truncated)
        m_services.showWarning(tr("Файл \"%1\" прочитан не полностью: слишком длинных строк - %2%3.")
                                   .arg(path)
                                   .arg(report.CutLines)
                                   .arg(report.Truncated ? tr(", файл больше 64 МБ") : QString()));
    saveWorkingCopy();
    emit linesChanged();
    return true;
}

bool ScriptController::saveFile(const QString& path)
{
    QString error;
    bool ok = false;
    {
        BusyScope busy(m_services, tr("Сохранение файла \"%1\"...").arg(path));
        ok = scripts::ScriptWriteFile(path, m_lines, &error);
    }
    if (!ok)
        m_services.showError(tr("Ошибка записи в файл \"%1\"!").arg(path) + QStringLiteral("\n\n") + error);
    return ok;
}

void ScriptController::loadWorkingCopy()
{
    const QString path = workingCopyPath();
    if (!QFileInfo::exists(path))
        return;
    QStringList read;
    scripts::ScriptReadReport report;
    QString error;
    if (!scripts::ScriptReadFile(path, read, &report, &error))
        m_services.showError(tr("Ошибка чтения файла \"%1\"!").arg(path) + QStringLiteral("\n\n") + error);
    m_lines = read;
    emit linesChanged();
}

bool ScriptController::saveWorkingCopy()
{
    QString error;
    if (scripts::ScriptWriteFile(workingCopyPath(), m_lines, &error))
        return true;
    m_services.showError(tr("Ошибка записи в файл \"%1\"!").arg(workingCopyPath()) + QStringLiteral("\n\n") + error);
    return false;
}

QStringList ScriptController::columnCaptions()
{
    QStringList list{tr("Комментарии"), tr("Опции")};
    for (int k = 1; k <= scripts::kLineFilters; ++k)
        list << tr("Фильтр %1").arg(k);
    return list;
}

QStringList ScriptController::rowCells(int row) const
{
    QStringList cells;
    if (row < 0 || row >= m_lines.size())
        return cells;
    const QString& line = m_lines[row];
    if (scripts::ScriptLineIsSeparator(line)) {
        for (int i = 0; i < scripts::kLineFields; ++i)
            cells << QString();
        return cells;
    }
    cells << scripts::ScriptLineField(line, 9)
          << scripts::ScriptHeaderCaption(scripts::ScriptHeaderParse(scripts::ScriptLineField(line, 1)));
    for (int k = 1; k <= scripts::kLineFilters; ++k)
        cells << combos::FilterItemText(
            combos::FilterItemParse(scripts::ScriptLineField(line, k + 1), m_statistics.list()));
    return cells;
}

QString ScriptController::panelText(int panel) const
{
    switch (panel) {
    case 0:
        return tr("Строк: %1").arg(m_lines.size());
    case 1:
        return tr("Цикл: %1").arg(m_cycle);
    case 2:
        return tr("Строка: %1").arg(m_line);
    case 3:
        return tr("Ставок: %1").arg(m_stakes.runStakes());
    case 4:
        return m_step;
    default:
        return {};
    }
}

// ---- the page's commands

bool ScriptController::scriptOpen()
{
    if (m_running)
        return false;
    const QString path = m_services.io().pickOpenFile(filesFilter());
    return !path.isEmpty() && loadFile(path, false);
}

bool ScriptController::scriptSave()
{
    if (m_running || m_lines.isEmpty())
        return false;
    const QString path = m_services.io().pickSaveFile(filesFilter(), QStringLiteral("lsc"));
    return !path.isEmpty() && saveFile(path);
}

bool ScriptController::scriptLoad()
{
    if (m_running)
        return false;
    const QString path = m_services.io().pickOpenFile(filesFilter());
    return !path.isEmpty() && loadFile(path, true);
}

bool ScriptController::scriptAdd()
{
    if (m_running)
        return false;
    QString line;
    if (!m_services.io().editScriptLine(line, tr("Создание новой строки"), m_services.windowState().DrawsExclude))
        return false;
    emit lineFocused(addLine(line));
    return true;
}

bool ScriptController::scriptEmpty()
{
    if (m_running || m_lines.isEmpty())
        return false;
    emit lineFocused(addLine(QString()));
    return true;
}

bool ScriptController::scriptClone(int focused)
{
    if (m_running || focused < 0 || focused >= m_lines.size() || scripts::ScriptLineIsSeparator(m_lines[focused]))
        return false;
    QString line = m_lines[focused];
    if (!m_services.io().editScriptLine(line, tr("Создание новой строки"), m_services.windowState().DrawsExclude))
        return false;
    emit lineFocused(addLine(line));
    return true;
}

bool ScriptController::scriptEdit(int focused)
{
    if (m_running || focused < 0 || focused >= m_lines.size() || scripts::ScriptLineIsSeparator(m_lines[focused]))
        return false;
    QString line = m_lines[focused];
    if (!m_services.io().editScriptLine(line, tr("Редактирование строки"), m_services.windowState().DrawsExclude))
        return false;
    putLine(focused, line);
    emit lineFocused(focused);
    return true;
}

bool ScriptController::scriptDel(QList<int> rows)
{
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    rows.removeIf([this](int r) { return r < 0 || r >= m_lines.size(); });
    if (m_running || rows.isEmpty())
        return false;
    const QString question =
        rows.size() == 1 ? tr("Удалить выделенную запись?")
                         : tr("Удалить все выделенные записи (всего будет удалено %1 записи(ей))?").arg(rows.size());
    if (!m_services.io().askYesNo(tr("Предупреждение"), question, false, true))
        return false;
    {
        BusyScope busy(m_services, tr("Удаление строк..."));
        for (auto it = rows.crbegin(); it != rows.crend(); ++it)
            m_lines.removeAt(*it);
        saveWorkingCopy();
    }
    emit linesChanged();
    return true;
}

bool ScriptController::scriptUp(int focused)
{
    if (m_running || focused <= 0 || focused >= m_lines.size())
        return false;
    m_lines.swapItemsAt(focused, focused - 1);
    saveWorkingCopy();
    emit linesChanged();
    emit lineFocused(focused - 1);
    return true;
}

bool ScriptController::scriptDown(int focused)
{
    if (m_running || focused < 0 || focused + 1 >= m_lines.size())
        return false;
    m_lines.swapItemsAt(focused, focused + 1);
    saveWorkingCopy();
    emit linesChanged();
    emit lineFocused(focused + 1);
    return true;
}

bool ScriptController::scriptClr()
{
    if (m_running || m_lines.isEmpty())
        return false;
    const QString question = m_lines.size() == 1
                                 ? tr("Удалить выделенную запись?")
                                 : tr("Удалить все выделенные записи (всего будет удалено %1 записи(ей))?")
                                       .arg(m_lines.size());
    if (!m_services.io().askYesNo(tr("Предупреждение"), question, false, true))
        return false;
    {
        BusyScope busy(m_services, tr("Удаление строк..."));
        m_lines.clear();
        saveWorkingCopy();
    }
    emit linesChanged();
    return true;
}

bool ScriptController::ratingsToScript(const std::vector<int>& rows)
{
    if (m_running)
        return false;
    const core::TRatingsArray& rating = m_ratings.rows();
    QStringList added;
    QStringList refused;
    {
        BusyScope busy(m_services, tr("Генерация новых строк в сценарии..."));
        for (int row : rows) {
            if (row < 0 || row >= int(rating.size()))
                continue;
            const QString& name = rating[std::size_t(row)].Name;
            const QString line = scripts::RatingNameToScriptLine(name);
            bool anyFilter = false;
            for (int k = 1; k <= scripts::kLineFilters && !anyFilter; ++k)
                anyFilter = combos::FilterItemParse(scripts::ScriptLineField(line, k + 1), m_statistics.list()).Enabled;
            if (anyFilter)
                added << line;
            else
                refused << name;
        }
        if (!added.isEmpty()) {
            m_lines << added;
            saveWorkingCopy();
        }
    }
    if (!added.isEmpty()) {
        emit linesChanged();
        emit lineFocused(int(m_lines.size()) - 1);
        emit scriptPageWanted();
    }
    for (const QString& name : refused)
        m_services.showError(tr("Строку\n\n%1\n\nневозможно добавить в сценарий!").arg(name));
    return !added.isEmpty();
}

void ScriptController::setLogEnabled(bool on)
{
    m_logEnabled = on;
    m_services.storeStateBool(QStringLiteral("ScriptLogEnabled"), on);
    emit panelsChanged();
}

void ScriptController::logsDelete()
{
    if (m_running)
        return;
    const QDir dir(m_services.folder().dir());
    const QStringList names = dir.entryList({QStringLiteral("ScriptLog_*.txt")}, QDir::Files, QDir::Name);
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

} // namespace app
