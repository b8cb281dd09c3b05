// The run and the back-test of the script: the order of steps of a pass over the lines, the
// start list of a line and the variants of its filters.

#include "app/ScriptController.h"

#include "app/ArchiveController.h"
#include "app/CandidatesController.h"
#include "app/ScriptRunCache.h"
#include "app/Services.h"
#include "app/StakesController.h"
#include "app/StatisticsController.h"
#include "combos/Filters.h"
#include "core/Cp1251.h"
#include "core/GameMath.h"
#include "core/TextForms.h"
#include "stakes/StakeIndex.h"
#include "stakes/Systems.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

#include <map>
#include <tuple>

namespace app {

namespace {

constexpr int kRuleWidth = 94;

QString rule(char c)
{
    return QString(kRuleWidth, QLatin1Char(c));
}

QString banner(const QString& text, char fill)
{
    return text.leftJustified(kRuleWidth, QLatin1Char(fill));
}

} // namespace

// The run as the filters see it: the log, the stop flag, the status, the saved coefficients and
// the tables the run computed before.
class ScriptRunHooks : public combos::FilterRunHooks
{
public:
    explicit ScriptRunHooks(ScriptController& c) : m_c(c) {}

    bool logging() override { return m_c.m_logEnabled; }
    void log(const QString& text) override
    {
        if (m_capture)
            *m_capture << text;
        m_c.log(text);
    }
    bool stopRequested() override { return m_c.pollStop(); }
    void requestStop() override { m_c.m_stop = true; }
    void progress(const QString& text) override { m_c.m_services.showStatus(text); }
    const core::TCdlData* savedCdl() override { return &m_c.m_savedCdl; }
    std::shared_ptr<const std::vector<views::StatTableRow>>
    tableRows(int method, const views::StatTableParams& params, int sortColumn,
              const std::function<std::vector<views::StatTableRow>()>& compute) override
    {
        if (!m_c.m_caching || !m_c.m_cache)
            return FilterRunHooks::tableRows(method, params, sortColumn, compute);
        return m_c.m_cache->sortedTable(method, params, sortColumn, compute);
    }

    // Log lines written meanwhile are also kept in the list given.
    void capture(QStringList* lines) { m_capture = lines; }

private:
    ScriptController& m_c;
    QStringList* m_capture = nullptr;
};

// ---- status and stop

void ScriptController::progress(int line, int variant, const QString& text, int total)
{
    m_line = line;
    m_step = total != 0 ? tr("Фильтр %1 из %2: %3").arg(variant).arg(total).arg(text) : text;
    emit panelsChanged();
    m_services.io().processEvents();
}

bool ScriptController::pollStop()
{
    // Events run about twenty times a second: often enough for "Стоп", seldom enough to cost
    // nothing next to the filter passes.
    if ((++m_pollTicks & 15) == 0 || !m_polled.isValid() || m_polled.elapsed() >= 50) {
        if (!m_polled.isValid() || m_polled.elapsed() >= 50) {
            m_polled.start();
            m_services.io().processEvents();
        }
    }
    return m_stop;
}

bool ScriptController::requestStop()
{
    if (!m_running || m_stop)
        return m_stop;
    if (!m_services.askQuestion(tr("Подтверждение"), tr("Остановить выполнение сценария?")))
        return false;
    log(banner(tr("### ВЫПОЛНЕНИЕ СЦЕНАРИЯ ПРЕРВАНО "), '#'));
    m_stop = true;
    m_lastEnd = RunEnd::Stopped;
    emit runningChanged(true);
    return true;
}

bool ScriptController::canClose()
{
    return !m_running || m_stop || requestStop();
}

// ---- the run log

void ScriptController::logStart()
{
    m_logFailed = false;
    m_logPath.clear();
    if (m_logEnabled)
        m_logPath = m_services.folder().file(
            QStringLiteral("ScriptLog_%1.txt")
                .arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd-hh-mm-ss"))));
}

void ScriptController::log(const QString& text)
{
    if (!m_logEnabled)
        return;
    if (m_logPath.isEmpty())
        logStart();
    if (!m_logFile.isOpen() || m_logFile.fileName() != m_logPath) {
        m_logFile.close();
        m_logFile.setFileName(m_logPath);
        if (!m_logFile.open(QIODevice::WriteOnly | QIODevice::Append)) {
            if (!m_logFailed)
                m_services.showError(tr("Ошибка записи журнала: %1!").arg(m_logFile.errorString()));
            m_logFailed = true;
            return;
        }
    }
    const QByteArray bytes =
        cp1251::encode(QDateTime::currentDateTime().toString(QStringLiteral("[yyyy-MM-dd hh:mm:ss]: ")) + text) +
        "\r\n";
    // The line reaches the file at once, so a log survives whatever ends the program.
    if (m_logFile.write(bytes) != bytes.size() || !m_logFile.flush()) {
        // Reported once per run: a full disk would otherwise ask for a click per line.
        if (!m_logFailed)
            m_services.showError(tr("Ошибка записи журнала: %1!").arg(m_logFile.errorString()));
        m_logFailed = true;
    }
}

void ScriptController::logFinish()
{
    m_logFile.close();
    if (m_logEnabled && !m_logPath.isEmpty() && QFileInfo::exists(m_logPath)) {
        m_lastLog = m_logPath;
        m_services.openLink(m_logPath);
    }
    m_logPath.clear();
}

// ---- run and test

void ScriptController::begin(int cycle)
{
    m_services.showStatus(tr("Выполнение сценария..."));
    m_lastLog.clear();
    logStart();
    log(banner(tr("### ЗАПУСК СЦЕНАРИЯ "), '#'));
    m_running = true;
    m_stop = false;
    m_lastEnd = RunEnd::Completed;
    m_cycle = cycle;
    m_stakes.resetRunCounter();
    // The stakes of the run write their own lines into its log.
    if (m_logEnabled)
        m_stakes.setScriptLog([this](const QString& text) { log(text); });
    m_systemsReported.clear();
    m_cache = std::make_unique<ScriptRunCache>();
    progress(0, 0, tr("Выполнение сценария..."), 0);
    emit runningChanged(true);
}

void ScriptController::finish(bool stopped)
{
    listMake();
    if (!stopped)
        progress(0, 0, tr("Сценарий завершен!"), 0);
    m_cycle = 0;
    m_running = false;
    m_stop = false;
    m_cache.reset();
    m_stakes.setScriptLog({});
    emit runningChanged(false);
    emit panelsChanged();
    log(banner(tr("### ЗАВЕРШЕНИЕ СЦЕНАРИЯ "), '#'));
    logFinish();
    m_services.showStatus(QString());
}

bool ScriptController::run()
{
    if (m_running || !m_services.isIdle() || m_lines.isEmpty() || m_archive.draws().empty())
        return false;
    begin(1);
    const auto offsetLines = [this] {
        log(rule('='));
        log(banner(tr("=== Выполнение сценария для смещения %1 ").arg(m_archive.offset(), 6, 10, QLatin1Char('0')),
                   '='));
        log(rule('='));
    };
    offsetLines();
    runAll();
    finish(m_stop);
    return true;
}

bool ScriptController::test()
{
    if (m_running || !m_services.isIdle() || m_lines.isEmpty() || m_archive.draws().empty())
        return false;
    const int count = m_services.io().askTestCount(int(m_archive.draws().size()) - 1);
    return count > 0 && testWith(count);
}

bool ScriptController::testWith(int count)
{
    const int max = int(m_archive.draws().size()) - 1;
    if (m_running || !m_services.isIdle() || m_lines.isEmpty() || count < 1 || count > max)
        return false;
    begin(0);
    m_cache->longRun = count > 1;
    const int remembered = m_archive.offset();
    // The views are not recalculated for every cycle; they follow once the test is over.
    const bool batch = m_archive.batchMode();
    m_archive.setBatchMode(true);
    for (int k = count; k >= 1; --k) {
        ++m_cycle;
        progress(0, 0, tr("Выполнение сценария..."), 0);
        if (m_stop)
            break;
        m_archive.setOffset(k);
        if (m_stop)
            break;
        log(rule('='));
        log(banner(tr("=== Выполнение сценария для смещения %1 ").arg(k, 6, 10, QLatin1Char('0')), '='));
        log(rule('='));
        if (m_stop)
            break;
        runAll();
        if (m_stop)
            break;
    }
    const bool stopped = m_stop;
    listMake();
    m_archive.setBatchMode(batch);
    if (!stopped)
        m_archive.setOffset(remembered);
    else
        m_archive.recalcViews(true);
    m_stop = false;
    progress(0, 0, tr("Сценарий завершен!"), 0);
    finish(false);
    return true;
}

void ScriptController::checkStakes()
{
    m_stakes.checkAndSave();
    m_stakes.refresh(true, false);
    stopIfNotStored();
}

void ScriptController::stopIfNotStored()
{
    // What the run makes must be stored: a run that goes on past a failed write (a full disk)
    // would only pile up messages and stakes that never reach the file.
    if (m_stakes.failed()) {
        m_stop = true;
        m_lastEnd = RunEnd::Failed;
    }
}

void ScriptController::runAll()
{
    m_stakes.scriptStakesBegin();
    m_candidates.bufferReset();
    if (m_cache)
        m_cache->beginAnalysisPoint();
    m_savedCdl = m_statistics.config().CDL;
    for (int i = 0; i < m_lines.size(); ++i) {
        if (m_stop)
            break;
        const QString line = m_lines[i];
        if (scripts::ScriptLineIsSeparator(line.trimmed()))
            continue;
        emit lineRunning(i);
        log(rule('-'));
        log(tr("Выполнение строки %1: \"%2\"").arg(i + 1, 3, 10, QLatin1Char('0')).arg(line));
        log(rule('-'));
        runLine(i, line);
        emit lineRunning(-1);
        if (m_stop)
            break;
    }
    if (!m_stakes.checkOnLine())
        checkStakes();
    m_candidates.bufferReset();
    if (m_cache)
        m_cache->chain.clear();
}

void ScriptController::runLine(int index, const QString& line)
{
    ScriptRunHooks hooks(*this);
    const int lineNo = index + 1;
    const scripts::TScriptHeader header = scripts::ScriptHeaderParse(scripts::ScriptLineField(line, 1));
    const QString comment = scripts::ScriptLineField(line, 9);
    const QString headerShort = scripts::ScriptHeaderShort(header);
    m_candidates.dropUndo();
    const int stakesBefore = m_stakes.runStakes();
    const auto report = [&](int variant, int before) {
        if (m_reporter)
            m_reporter({lineNo, variant, qint64(listCount()), m_stakes.runStakes() - before});
    };
    // The steps of the line; a stop ends them at the next step.
    const auto steps = [&] {
        std::vector<combos::TFilterItem> items;
        for (int k = 1; k <= scripts::kLineFilters; ++k) {
            const QString field = scripts::ScriptLineField(line, k + 1);
            if (!field.isEmpty())
                items.push_back(combos::FilterItemParse(field, m_statistics.list()));
        }
        if (m_stop)
            return;
        log(tr("Создание всех вариантов фильтров..."));
        progress(lineNo, 0, tr("Создание всех вариантов фильтров..."), 0);
        combos::TFilterVarList variants;
        if (!items.empty()) {
            variants = combos::FilterVariantsBuild(items, int(items.size()), hooks);
            log(tr("Создано %1 вариантов фильтров.").arg(variants.size()));
        }
        if (m_stop)
            return;
        if (variants.empty()) {
            log(tr("{ERROR} Фильтры не применялись!"));
            log(QString());
            progress(lineNo, 0, headerShort, 0);
            log(tr("Создание начального списка комбинаций..."));
            if (!startList(header))
                return;
            log(tr("Количество комбинаций в списке: %1").arg(listCount()));
            listMake();
            const int before = m_stakes.runStakes();
            makeStakes(header, lineNo, headerShort, comment, 0);
            report(0, before);
            if (m_stakes.checkOnLine())
                checkStakes();
            return;
        }
        const int total = int(variants.size());
        for (int number = 1; !variants.empty() && !m_stop; ++number) {
            const combos::TFilterRec rec = std::move(variants.front());
            variants.pop_front();
            const QString recText = combos::FilterRecText(rec);
            log(QString());
            log(rule('-'));
            log(tr("Применение набора фильтров %1: \"%2\"").arg(number, 3, 10, QLatin1Char('0')).arg(recText));
            log(rule('-'));
            progress(lineNo, number, recText, total);
            log(tr("Создание начального списка комбинаций..."));
            if (!startList(header))
                return;
            log(tr("Количество комбинаций в списке: %1").arg(listCount()));
            // The variant that comes next decides which of this one's steps are worth keeping.
            m_nextVariant = variants.empty() ? nullptr : &variants.front();
            applyVariant(rec, header);
            m_nextVariant = nullptr;
            if (m_stop)
                return;
            const int before = m_stakes.runStakes();
            makeStakes(header, lineNo, headerShort + QStringLiteral(" + ") + recText, comment, number);
            report(number, before);
            log(rule('-'));
            if (m_stakes.checkOnLine())
                checkStakes();
        }
    };
    try {
        steps();
    } catch (const core::EConvertError& e) {
        m_stop = true;
        m_lastEnd = RunEnd::Failed;
        m_services.showError(e.message());
    } catch (const std::bad_alloc&) {
        m_stop = true;
        m_lastEnd = RunEnd::Failed;
        m_services.showError(tr("Недостаточно памяти для выполнения строки сценария %1.").arg(lineNo));
    }
    m_nextVariant = nullptr;
    // Stakes made before a stop are still checked when checking goes line by line.
    if (m_stop && m_stakes.checkOnLine() && m_stakes.runStakes() != stakesBefore)
        checkStakes();
    m_candidates.dropUndo();
}

bool ScriptController::startList(const scripts::TScriptHeader& header)
{
    // While the full list is generated in ascending order, the start list of a variant is kept as
    // positions of it and the list itself is made only when the filters are through.
    const bool positions = m_caching && m_cache && m_cache->hasFull && m_cache->fullAscending;
    const bool fresh = header.StartList == scripts::StartFull || header.StartList == scripts::StartExcl;
    if (!fresh) {
        // The line goes on with the list the previous one left.
        listMake();
    } else if (m_cache) {
        m_cache->positions.reset();
        m_cache->pending = false;
    }
    if (fresh) {
        if (positions) {
            m_candidates.replace(core::TCombsArray());
            m_cache->positions.setAll(m_cache->full.size());
            m_cache->pending = true;
        } else if (m_caching && m_cache && m_cache->hasFull) {
            m_candidates.replace(m_cache->full);
        } else {
            if (!m_candidates.generate(m_candidates.genSettings(), true)) {
                m_stop = true;
                m_lastEnd = RunEnd::Failed;
                return false;
            }
            if (m_caching && m_cache) {
                m_cache->full = m_candidates.combs();
                m_cache->fullAscending = combos::IsStrictlyAscending(m_cache->full);
                // Strictly ascending and as many as there are: every combination, in order.
                m_cache->fullWhole =
                    m_cache->fullAscending &&
                    std::int64_t(m_cache->full.size()) == core::Binomial(core::NumberCount, core::CombSize);
                m_cache->hasFull = true;
                if (m_cache->fullAscending)
                    m_cache->positions.setAll(m_cache->full.size());
            }
        }
        if (pollStop()) {
            listMake();
            return false;
        }
    }
    if (header.StartList == scripts::StartExcl && header.ExcludeCount > 0) {
        const int offset = m_archive.offset();
        const std::pair<int, int> key{offset, header.ExcludeCount};
        if (m_caching && m_cache && m_cache->fullAscending) {
            const auto found = m_cache->excludedPositions.find(key);
            const int last = int(m_archive.draws().size()) - 1 - offset;
            const int first = std::max(0, last - header.ExcludeCount + 1);
            std::optional<std::vector<std::size_t>> drawn;
            if (found != m_cache->excludedPositions.end()) {
                m_cache->positions = found->second;
            } else if (positions && (drawn = combos::DrawnPositions(m_cache->full, m_archive.draws(), first, last))) {
                // The drawn combinations are looked up and the list stays positions.
                m_cache->positions = combos::CombSubset::AllBut(m_cache->full.size(), *drawn);
                m_cache->excludedPositions.emplace(key, m_cache->positions);
                std::vector<combos::FilterHistoryRow> history = m_candidates.history();
                history.push_back(combos::ExcludedDrawsHistoryRow(header.ExcludeCount, m_cache->positions.count()));
                m_candidates.restoreState(core::TCombsArray(), std::move(history));
            } else {
                listMake();
                m_candidates.saveUndo(true);
                m_candidates.excludeDraws(header.ExcludeCount, true);
                m_cache->positions = combos::CombSubset::OfSorted(m_cache->full, m_candidates.combs());
                if (m_cache->positions.valid())
                    m_cache->excludedPositions.emplace(key, m_cache->positions);
            }
        } else if (m_caching && m_cache) {
            const auto found = m_cache->excluded.find(key);
            if (found != m_cache->excluded.end()) {
                m_candidates.replace(found->second);
            } else {
                m_candidates.saveUndo(true);
                m_candidates.excludeDraws(header.ExcludeCount, m_cache->fullAscending);
                m_cache->excluded.emplace(key, m_candidates.combs());
            }
        } else if (!m_candidates.bufferLoad(offset, header.ExcludeCount)) {
            m_candidates.saveUndo(true);
            m_candidates.excludeDraws(header.ExcludeCount);
            m_candidates.bufferSave(offset, header.ExcludeCount);
        }
        if (pollStop()) {
            listMake();
            return false;
        }
    }
    if (header.ClearStakes)
        m_stakes.clearForRun();
    return true;
}

void ScriptController::applyVariant(const combos::TFilterRec& rec, const scripts::TScriptHeader& header)
{
    ScriptRunHooks hooks(*this);
    // The current list is the previous variant's end: nothing is shared.
    if (!m_caching || !m_cache || header.StartList == scripts::StartCurrent) {
        listMake();
        m_candidates.filterRecApply(rec, hooks);
        return;
    }
    if (m_cache->positions.valid()) {
        applyOnPositions(rec, hooks);
        return;
    }
    listMake();
    // The places this variant shares with the next one, from the first place on.
    int shared = 0;
    if (m_nextVariant)
        while (shared < combos::kFilterPlaces && (*m_nextVariant)[std::size_t(shared)] == rec[std::size_t(shared)])
            ++shared;

    auto& chain = m_cache->chain;
    std::size_t depth = 0;
    for (int place = 0; place < combos::kFilterPlaces; ++place) {
        if (hooks.stopRequested())
            return;
        const combos::TFilterPart& part = rec[std::size_t(place)];
        if (m_candidates.combs().size() <= 1 || !part.Enabled)
            continue;
        if (depth < chain.size() && chain[depth].Place == place && chain[depth].Part == part) {
            // The previous variant left exactly this list, history and log after this filter.
            const ScriptRunCache::Step& step = chain[depth++];
            m_candidates.restoreState(step.List, step.History);
            for (const QString& text : step.Log)
                log(text);
            continue;
        }
        chain.resize(depth);
        QStringList captured;
        hooks.capture(&captured);
        m_candidates.filterApply(part, hooks);
        hooks.capture(nullptr);
        if (place < shared && !m_stop) {
            chain.push_back({place, part, m_candidates.combs(), m_candidates.history(), captured});
            ++depth;
        }
    }
    chain.resize(std::min(chain.size(), depth));
}

} // namespace app
