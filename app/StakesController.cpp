// The stakes file and the person's stake commands.

#include "app/StakesController.h"

#include "app/ArchiveController.h"
#include "app/CandidatesController.h"
#include "app/RatingsController.h"
#include "app/Services.h"
#include "app/StatisticsController.h"
#include "core/GameMath.h"
#include "core/IniFile.h"
#include "core/Settings.h"
#include "core/TextForms.h"

#include <QRandomGenerator>

namespace app {

StakesController::StakesController(Services& services, RatingsController& ratings, const ArchiveController& archive,
                                   const CandidatesController& candidates, const StatisticsController& statistics)
    : m_services(services), m_archive(archive), m_candidates(candidates), m_statistics(statistics), m_ratings(ratings),
      m_file(services.folder().stakesFile()), m_creatingText(tr("Создание ставок..."))
{
}

StakesController::~StakesController() = default;

// ---- switches

void StakesController::readState(const core::IniFile& ini)
{
    const QString& section = core::kMainWindowSection;
    m_logEnabled = ini.readBool(section, QStringLiteral("StakesLogEnabled"), false);
    m_scrollEnabled = ini.readBool(section, QStringLiteral("StakesScrollEnabled"), true);
    m_checkOnLine = ini.readBool(section, QStringLiteral("StakesCheckOnLine"), true);
}

void StakesController::setLogEnabled(bool on)
{
    m_logEnabled = on;
    m_services.storeStateBool(QStringLiteral("StakesLogEnabled"), on);
    emit switchesChanged();
}

void StakesController::setScrollEnabled(bool on)
{
    m_scrollEnabled = on;
    m_services.storeStateBool(QStringLiteral("StakesScrollEnabled"), on);
    emit switchesChanged();
}

void StakesController::setCheckOnLine(bool on)
{
    m_checkOnLine = on;
    m_services.storeStateBool(QStringLiteral("StakesCheckOnLine"), on);
    emit switchesChanged();
}

// ---- the file

void StakesController::showFileError(const QString& operation, const QString& error)
{
    m_failed = true;
    m_services.showError(operation + QStringLiteral("\n\n") + error);
}

bool StakesController::flush()
{
    QString error;
    if (m_file.flush(&error))
        return true;
    showFileError(tr("Ошибка добавления записи в файл ставок!"), error);
    return false;
}

void StakesController::resetRunCounter()
{
    m_runStakes = 0;
    m_runDroppedBase = m_file.droppedStakes();
    m_failed = false;
}

QString StakesController::outdatedWarning(const QString& copyText)
{
    return tr("Обнаружен файл ставок устаревшей версии - имеющиеся в файле ставки будут удалены!") +
           QStringLiteral("\n\n") + copyText;
}

QString StakesController::outdatedListingWarning(const stakes::StakesFile& file)
{
    return outdatedWarning(
        tr("Копия прежнего файла будет сохранена: %1").arg(file.asidePath(QStringLiteral(".lsk.bak"))));
}

bool StakesController::load()
{
    bool result = true;
    {
        BusyScope busy(m_services, tr("Загрузка файла ставок..."));
        QString error;
        if (!m_file.open(&error)) {
            showFileError(tr("Ошибка чтения файла ставок!"), error);
            result = false;
        } else if (!finishInterruptedCheck()) {
            m_file.close(nullptr);
            result = false;
        } else {
            const stakes::FileState state = m_file.inspect(&error);
            if (!error.isEmpty()) {
                showFileError(tr("Ошибка чтения файла ставок!"), error);
                result = false;
            } else if (state == stakes::FileState::Outdated) {
                // Nothing of the old file is dropped before a copy of it is safe.
                QString copy;
                if (!m_file.copyAside(&copy, &error)) {
                    showFileError(tr("Ошибка чтения файла ставок!"),
                                  tr("Не удалось сохранить копию файла ставок перед его исправлением: %1").arg(error));
                    m_file.close(nullptr);
                    result = false;
                } else {
                    m_services.showWarning(outdatedWarning(tr("Копия прежнего файла сохранена: %1").arg(copy)));
                    if (!m_file.truncate(&error)) {
                        showFileError(tr("Ошибка чтения файла ставок!"), error);
                        result = false;
                    }
                }
            } else if (state == stakes::FileState::TornTail) {
                // Only the torn tail is dropped, so only its bytes are kept: a copy of the whole
                // file would double a file of millions of stakes on disk.
                const qint64 tail = m_file.tailBytes();
                QString kept;
                if (!m_file.copyTailAside(&kept, &error)) {
                    showFileError(tr("Ошибка чтения файла ставок!"),
                                  tr("Не удалось сохранить копию файла ставок перед его исправлением: %1").arg(error));
                    m_file.close(nullptr);
                    result = false;
                } else {
                    m_services.showWarning(tr("Файл ставок оканчивается неполной записью (%1 байт): она будет удалена, "
                                              "все целые записи сохранены.")
                                               .arg(tail) +
                                           QStringLiteral("\n\n") +
                                           tr("Байты неполной записи сохранены в файле: %1").arg(kept));
                    if (!m_file.cutTail(&error)) {
                        showFileError(tr("Ошибка чтения файла ставок!"), error);
                        result = false;
                    }
                }
            }
        }
        refresh(true, false);
    }
    return result;
}

void StakesController::save()
{
    if (!m_file.isOpen())
        return;
    BusyScope busy(m_services, tr("Сохранение файла ставок..."));
    QString error;
    if (!m_file.close(&error))
        showFileError(tr("Ошибка записи в файл ставок!"), error);
}

bool StakesController::open()
{
    QString error;
    if (m_file.open(&error))
        return true;
    showFileError(tr("Ошибка чтения файла ставок!"), error);
    return false;
}

void StakesController::close()
{
    QString error;
    if (!m_file.close(&error))
        showFileError(tr("Ошибка записи в файл ставок!"), error);
}

bool StakesController::reopen()
{
    QString error;
    if (!m_file.close(&error))
        showFileError(tr("Ошибка записи в файл ставок!"), error);
    return open();
}

stakes::TStakeRec StakesController::read(qint64 index, bool fromEnd)
{
    stakes::TStakeRec rec;
    QString error;
    if (!m_file.read(index, fromEnd, rec, &error))
        showFileError(tr("Ошибка чтения записи из файла ставок!"), error);
    return rec;
}

stakes::TStakeRec StakesController::peek(qint64 index)
{
    stakes::TStakeRec rec;
    m_file.peek(index, rec, nullptr);
    return rec;
}

bool StakesController::write(const stakes::TStakeRec& rec, qint64 index, bool fromEnd)
{
    QString error;
    if (m_file.write(rec, index, fromEnd, &error))
        return true;
    showFileError(tr("Ошибка добавления записи в файл ставок!"), error);
    return false;
}

bool StakesController::find(std::int32_t drawNum, const core::TValueSet& numbers)
{
    QString error;
    const bool found = m_file.contains(drawNum, numbers, &error);
    if (!error.isEmpty())
        showFileError(tr("Ошибка поиска записи в файле ставок!"), error);
    return found;
}

bool StakesController::append(const stakes::TStakeRec& rec, int copies)
{
    QString error;
    const auto fail = [&](const QString& why) {
        showFileError(tr("Ошибка добавления записи в файл ставок!"), why);
        return false;
    };
    if (!m_file.isOpen())
        return fail(tr("Файл ставок не открыт!"));
    if (rec.Checked != 0)
        return fail(tr("Добавление в конец файла уже проверенной ставки!"));
    if (copies < 2)
        return m_file.append(rec, &error) || fail(error);
    // A stake for several draws is one record per draw, each after a separator.
    for (int i = 1; i <= copies; ++i) {
        stakes::TStakeRec last;
        if (m_file.count() > 0 && !m_file.read(-1, true, last, &error))
            return fail(error);
        if (m_file.count() > 0 && last.DrawNum > 0 && !m_file.append(stakes::StakeSeparator(), &error))
            return fail(error);
        stakes::TStakeRec copy = rec;
        copy.DrawNum = rec.DrawNum + i - 1;
        if (!m_file.append(copy, &error))
            return fail(error);
    }
    return true;
}

bool StakesController::create(const stakes::TStakeRec& rec, int copies)
{
    bool added = false;
    {
        BusyScope busy(m_services, tr("Создание ставки..."));
        added = append(rec, copies) && flush();
        if (added)
            checkAndSave();
    }
    refresh(true, true);
    return added;
}

bool StakesController::createInBatch(const stakes::TStakeRec& rec, int copies, bool bulk)
{
    const bool breathed = keepAlive(m_creatingText);
    if (!append(rec, copies))
        return false;
    // In bulk the grid follows about ten times a second at most; the end of the batch shows all.
    if (!bulk || (m_scrollEnabled && breathed))
        refresh(false, !bulk || m_scrollEnabled);
    return true;
}

bool StakesController::deleteWith(const std::function<bool(qint64, const stakes::TStakeRec&)>& keep)
{
    QString error;
    if (!m_file.hasData()) {
        error = tr("Файл ставок не открыт!");
    } else {
        // The rewrite walks every stake; the share done shows every 64K of them, so the window
        // keeps painting through a file of millions.
        const qint64 total = std::max<qint64>(m_file.count(), 1);
        const QString status = m_services.statusText();
        bool rewritten = false;
        try {
            rewritten = m_file.rewrite(
                [&](qint64 i, const stakes::TStakeRec& rec) {
                    if (i > 0 && (i & 0xFFFF) == 0)
                        m_services.showStatus(tr("Удаление ставок ( завершено %1 % )...")
                                                  .arg(QString::number(100.0 * double(i) / double(total), 'f', 0)));
                    return keep(i, rec);
                },
                &error);
        } catch (...) {
            m_services.showStatus(status);
            throw;
        }
        m_services.showStatus(status);
        if (rewritten)
            return true;
    }
    showFileError(tr("Ошибка удаления записи из файла ставок!"), error);
    if (!m_file.isOpen())
        open();
    return false;
}

bool StakesController::deleteRows(qint64 top, qint64 bottom)
{
    return deleteWith([top, bottom](qint64 i, const stakes::TStakeRec&) { return i + 1 < top || i + 1 > bottom; });
}

bool StakesController::deleteWhere(int op, int value)
{
    return deleteWith([op, value](qint64, const stakes::TStakeRec& rec) {
        if (rec.Kind == stakes::KindSeparator)
            return true;
        const int m = rec.Checked ? rec.Matches.Count : -1;
        bool hit = false;
        switch (op) {
        case 0:
            hit = m == value;
            break;
        case 1:
            hit = m > value;
            break;
        case 2:
            hit = m >= value;
            break;
        case 3:
            hit = m < value;
            break;
        case 4:
            hit = m <= value;
            break;
        default:
            break;
        }
        return !hit;
    });
}

void StakesController::refresh(bool repaint, bool scrollToEnd)
{
    const qint64 n = m_file.isOpen() ? m_file.count() : 0;
    if (n == 0) {
        // An empty file shows one blank row.
        m_gridRecords = 0;
        emit refreshed(1, true, false);
    } else if (repaint || scrollToEnd) {
        m_gridRecords = n;
        emit refreshed(n, repaint, scrollToEnd);
    }
    // The count follows whenever the grid does, also when one record replaced the blank row.
    if ((n == 0 || repaint || scrollToEnd) && m_panelCount != n) {
        m_panelCount = n;
        m_services.panelsChanged();
    }
}

QString StakesController::panelText() const
{
    return tr("Ставок: %1").arg(m_panelCount);
}

// ---- for the script engine

void StakesController::scriptStakesBegin()
{
    if (m_file.count() == 0)
        return;
    if (read(-1, true).DrawNum > 0)
        append(stakes::StakeSeparator(), 1);
}

void StakesController::clearForRun()
{
    QString error;
    if (!m_file.truncate(&error))
        showFileError(tr("Ошибка удаления записи из файла ставок!"), error);
    reopen();
    refresh(true, false);
}

bool StakesController::scriptStakeAdd(const core::TValueSet& numbers, const QString& comment, bool newOnly, bool bulk,
                                      std::size_t listSize)
{
    // A run makes its stakes by the hundred thousand with few comments: the record of the last
    // comment is kept and only its numbers change.
    const std::int32_t drawNum = m_archive.nextDrawNum(m_archive.offset());
    const auto sampleSize = std::int32_t(listSize);
    if (m_scriptTemplate.DrawNum != drawNum || m_scriptTemplate.SampleSize != sampleSize ||
        m_scriptComment != comment) {
        m_scriptTemplate =
            stakes::NewStake(stakes::KindScript, drawNum, numbers, sampleSize, comment, m_statistics.config());
        m_scriptComment = comment;
    }
    // The record is filled in place: copying 312 bytes per stake is a noticeable part of a run.
    stakes::TStakeRec& rec = m_scriptTemplate;
    rec.Numbers = numbers;
    rec.Profit = stakes::StakeProfit(m_statistics.config(), numbers.Count, -1);
    bool added = false;
    if (newOnly && find(rec.DrawNum, numbers)) {
        if (m_scriptLog)
            m_scriptLog(tr("{-} Ставка на тираж %1 не добавлена, так как уже имеется в списке ставок: [%2]")
                            .arg(rec.DrawNum)
                            .arg(core::ValueSetText(numbers, QStringLiteral(";"))));
    } else {
        added = createInBatch(rec, 1, bulk);
        if (added && m_scriptLog)
            m_scriptLog(tr("{+} Ставка на тираж %1 добавлена в список ставок: [%2]")
                            .arg(rec.DrawNum)
                            .arg(core::ValueSetText(numbers, QStringLiteral(";"))));
    }
    if (added)
        ++m_runStakes;
    if (!bulk || !m_counterShown.isValid() || ((++m_counterTicks & 63) == 0 && m_counterShown.elapsed() >= 101)) {
        m_counterShown.start();
        emit runStakesCounted(m_runStakes);
        m_services.io().showStatus(m_services.statusText());
    }
    return added;
}

// ---- the person's commands

QString StakesController::manualComment()
{
    return tr("Ставка \"вручную\"");
}

stakes::TStakeRec StakesController::newStake(std::uint8_t kind, std::int32_t drawNum, const core::TValueSet& numbers,
                                             const QString& comment) const
{
    return stakes::NewStake(kind, drawNum, numbers, std::int32_t(m_candidates.combs().size()), comment,
                            m_statistics.config());
}

bool StakesController::stakeAdd(int combRow)
{
    core::TValueSet numbers;
    const core::TCombsArray& combs = m_candidates.combs();
    if (combRow >= 0 && std::size_t(combRow) < combs.size())
        numbers = core::ValueSetFromComb(combs[std::size_t(combRow)]);
    stakes::TStakeRec rec =
        newStake(stakes::KindManual, m_archive.nextDrawNum(m_archive.offset()), numbers, manualComment());
    int copies = 1;
    if (!m_services.io().editStake(rec, copies))
        return false;
    return create(rec, copies);
}

bool StakesController::stakeAddRandom()
{
    const core::TCombsArray& combs = m_candidates.combs();
    if (combs.empty())
        return false;
    return stakeAdd(int(QRandomGenerator::global()->bounded(quint32(combs.size()))));
}

bool StakesController::stakeAddSelected(const std::vector<std::size_t>& rows)
{
    std::int32_t drawNum = m_archive.nextDrawNum(m_archive.offset());
    int copies = 1;
    QString comment = manualComment();
    if (!m_services.io().editMultiStake(drawNum, copies, comment))
        return false;
    const core::TCombsArray& combs = m_candidates.combs();
    core::TCombsArray chosen;
    chosen.reserve(rows.size());
    for (std::size_t row : rows)
        if (row < combs.size())
            chosen.push_back(combs[row]);
    addAll(chosen, drawNum, copies, comment);
    return true;
}

bool StakesController::stakeAddAll()
{
    std::int32_t drawNum = m_archive.nextDrawNum(m_archive.offset());
    int copies = 1;
    QString comment = manualComment();
    if (!m_services.io().editMultiStake(drawNum, copies, comment))
        return false;
    return addAll(m_candidates.combs(), drawNum, copies, comment);
}

bool StakesController::addAll(const core::TCombsArray& combs, std::int32_t drawNum, int copies, const QString& comment)
{
    bool ok = true;
    {
        BusyScope busy(m_services, tr("Создание ставок..."));
        m_aliveShown.invalidate();
        // Every stake of the list differs from this one in its numbers only.
        const stakes::TStakeRec blank =
            newStake(stakes::KindManual, drawNum, core::ValueSetFromComb(core::TComb{}), comment);
        for (const core::TComb& comb : combs) {
            stakes::TStakeRec rec = blank;
            rec.Numbers = core::ValueSetFromComb(comb);
            if (!createInBatch(rec, copies, true)) {
                ok = false;
                break;
            }
        }
        if (ok && !flush())
            ok = false;
        if (ok) {
            checkAndSave();
            refresh(true, true);
        }
    }
    if (!ok)
        refresh(true, true);
    return ok;
}

bool StakesController::stakeDel(qint64 top, qint64 bottom)
{
    if (top < 1 || bottom < top)
        return false;
    const qint64 n = bottom - top + 1;
    const QString question = n == 1 ? tr("Удалить выделенную запись?")
                                    : tr("Удалить все выделенные записи (всего будет удалено %1 записи(ей))?").arg(n);
    if (!m_services.io().askYesNo(tr("Предупреждение"), question, false, true))
        return false;
    bool deleted = false;
    {
        BusyScope busy(m_services, tr("Удаление ставок..."));
        deleted = deleteRows(top, bottom);
        if (deleted) {
            checkAndSave();
            refresh(true, false);
        }
    }
    refresh(true, false);
    return deleted;
}

bool StakesController::stakeFilter()
{
    int op = 0;
    int value = 0;
    if (!m_services.io().editStakeFilter(op, value))
        return false;
    return stakeFilterWith(op, value);
}

bool StakesController::stakeFilterWith(int op, int value)
{
    bool deleted = false;
    {
        BusyScope busy(m_services, tr("Удаление ставок..."));
        deleted = deleteWhere(op, value);
        if (deleted) {
            checkAndSave();
            refresh(true, false);
        }
    }
    refresh(true, false);
    return deleted;
}

bool StakesController::stakeClear()
{
    const qint64 n = m_file.count();
    const QString question = n == 1 ? tr("Удалить выделенную запись?")
                                    : tr("Удалить все выделенные записи (всего будет удалено %1 записи(ей))?").arg(n);
    if (!m_services.io().askYesNo(tr("Предупреждение"), question, false, true))
        return false;
    {
        BusyScope busy(m_services, tr("Удаление ставок..."));
        QString error;
        if (!m_file.truncate(&error))
            showFileError(tr("Ошибка удаления записи из файла ставок!"), error);
        reopen();
        refresh(false, false);
        m_ratings.refresh(m_file);
    }
    refresh(true, false);
    return true;
}

bool StakesController::keepAlive(const QString& status)
{
    // The clock is read once per 64 stakes only: reading it costs as much as storing a stake.
    if (m_aliveShown.isValid() && (++m_aliveTicks & 63) != 0)
        return false;
    if (m_aliveShown.isValid() && m_aliveShown.elapsed() < 100 && m_services.statusText() == status)
        return false;
    m_aliveShown.start();
    m_services.showStatus(status);
    return true;
}

} // namespace app
