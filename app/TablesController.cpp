// The regular table stakes: their file, their page switch and the person's commands.

#include "app/TablesController.h"

#include "app/ArchiveController.h"
#include "app/CandidatesController.h"
#include "app/Services.h"
#include "app/StakesController.h"
#include "core/GameMath.h"
#include "core/IniFile.h"
#include "core/Settings.h"
#include "core/TextForms.h"
#include "stakes/StakeRecord.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <exception>
#include <limits>

namespace app {

TablesController::TablesController(Services& services, ArchiveController& archive,
                                   const CandidatesController& candidates, StakesController& stakes)
    : m_services(services), m_archive(archive), m_candidates(candidates), m_stakes(stakes)
{
}

TablesController::~TablesController() = default;

QString TablesController::path() const
{
    return m_services.folder().file(QStringLiteral("Vertoma_5x54.ltb"));
}

QStringList TablesController::comments() const
{
    QStringList list;
    for (const stakes::TTableRec& rule : m_rules)
        list << stakes::TableComment(rule);
    return list;
}

// ---- the page switch

void TablesController::readState(const core::IniFile& ini)
{
    m_shown = ini.readBool(core::kMainWindowSection, QStringLiteral("TabTables"), true);
}

void TablesController::setPageShown(bool on)
{
    {
        BusyScope busy(m_services, QString());
        m_shown = on;
        m_services.storeStateBool(QStringLiteral("TabTables"), on);
        if (on) {
            load();
        } else {
            m_rules.clear();
            m_fileDamaged = false;
            refresh();
        }
    }
    emit pageShownChanged(on);
}

// ---- the file

bool TablesController::load()
{
    m_rules.clear();
    m_fileDamaged = false;
    bool ok = true;
    if (m_shown && QFileInfo::exists(path())) {
        BusyScope busy(m_services, tr("Загрузка файла регулярных ставок..."));
        qint64 tail = 0;
        QString error;
        ok = stakes::TablesReadFile(path(), m_rules, &tail, &error);
        if (!ok) {
            m_fileDamaged = true;
            m_services.showError(tr("Ошибка чтения файла регулярных ставок!") + QStringLiteral("\n\n") + error);
        } else if (tail > 0) {
            m_fileDamaged = true;
            m_services.showWarning(tr("Файл регулярных ставок \"%1\" оканчивается неполной записью (%2 байт): "
                                      "прочитаны все целые записи (%3). Перед первой записью файла его прежнее "
                                      "содержимое будет сохранено в копии \"%4\".")
                                       .arg(path())
                                       .arg(tail)
                                       .arg(m_rules.size())
                                       .arg(path() + QStringLiteral(".bad")));
        }
    }
    refresh();
    return ok;
}

bool TablesController::save()
{
    if (!m_shown)
        return true;
    bool ok = true;
    {
        BusyScope busy(m_services, tr("Сохранение файла регулярных ставок..."));
        QString error;
        // What could not be read would be lost with the rewrite, so the old file is kept aside
        // first; without that copy the file is not overwritten.
        if (m_fileDamaged && QFileInfo::exists(path())) {
            const QString aside = path() + QStringLiteral(".bad");
            QFile::remove(aside);
            if (QFile::copy(path(), aside)) {
                m_fileDamaged = false;
            } else {
                ok = false;
                error = tr("Не удалось сохранить копию прежнего файла \"%1\"; файл не перезаписан.").arg(aside);
            }
        }
        if (ok)
            ok = stakes::TablesWriteFile(path(), m_rules, &error);
        if (ok)
            m_fileDamaged = false;
        else
            m_services.showError(tr("Ошибка записи в файл регулярных ставок!") + QStringLiteral("\n\n") + error);
    }
    refresh();
    return ok;
}

void TablesController::refresh()
{
    emit changed();
}

void TablesController::clear()
{
    // The window is going: its list is not told.
    m_rules.clear();
    m_rules.shrink_to_fit();
}

// ---- the person's commands

bool TablesController::add(const std::vector<std::size_t>& combRows)
{
    if (!m_shown)
        return false;
    const core::TCombsArray& combs = m_candidates.combs();
    std::vector<stakes::TableSelection> selected;
    for (std::size_t row : combRows) {
        if (row < combs.size())
            selected.push_back({int(std::min<std::size_t>(row + 1, std::numeric_limits<int>::max())), combs[row]});
    }
    stakes::TTableRec rec = stakes::NewTableRec();
    if (selected.size() == 1) {
        rec.StartComb = selected.front().Comb;
        core::SortComb(rec.StartComb);
    }
    // The dialog learns how many combinations are selected from the count field.
    rec.StakeCount = std::int32_t(std::min<std::size_t>(selected.size(), std::numeric_limits<std::int32_t>::max()));
    if (!m_services.io().editTableRule(rec, comments()))
        return false;
    return addRules(rec, selected);
}

bool TablesController::addRules(const stakes::TTableRec& entered, const std::vector<stakes::TableSelection>& selected)
{
    if (!m_shown)
        return false;
    std::size_t added = 0;
    {
        BusyScope busy(m_services, tr("Создание регулярных ставок..."));
        const stakes::TTablesArray made = stakes::TablesFromInput(entered, selected);
        m_rules.insert(m_rules.end(), made.begin(), made.end());
        added = made.size();
    }
    const bool saved = save();
    // A confirmed dialog that adds nothing says so rather than end in silence.
    if (added == 0)
        m_services.showInformation(tr("В списке комбинаций не выделено ни одной комбинации: "
                                      "регулярные ставки не добавлены."));
    return added > 0 && saved;
}

bool TablesController::remove(std::vector<int> rows)
{
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    if (!m_shown || rows.empty())
        return false;
    const QString question =
        rows.size() == 1 ? tr("Удалить выделенную запись?")
                         : tr("Удалить все выделенные записи (всего будет удалено %1 записи(ей))?").arg(rows.size());
    if (!m_services.io().askYesNo(tr("Предупреждение"), question, false, true))
        return false;
    bool saved = false;
    {
        BusyScope busy(m_services, tr("Удаление регулярных ставок..."));
        try {
            for (auto it = rows.rbegin(); it != rows.rend(); ++it)
                stakes::TableDelete(m_rules, *it);
        } catch (const core::EConvertError& e) {
            m_services.showError(tr("Ошибка удаления регулярной ставки!") + QStringLiteral("\n\n") + e.message());
        }
        saved = save();
    }
    return saved;
}

QString TablesController::stakeRefusal(int row) const
{
    if (row < 0 || std::size_t(row) >= m_rules.size())
        return tr("Запись со индексом %1 в файле данных не найдена!").arg(row);
    return stakes::TableCheck(m_rules[std::size_t(row)], m_archive.drawCombAt(m_archive.offset()));
}

stakes::TStakeRec TablesController::stakeFor(const stakes::TTableRec& rule, int offset) const
{
    return m_stakes.newStake(stakes::KindTable, m_archive.nextDrawNum(offset), core::ValueSetFromComb(rule.CurrentComb),
                             stakes::TableComment(rule));
}

bool TablesController::stakeAdd(int row, const StakeConfirm& confirm)
{
    if (!m_shown || row < 0 || std::size_t(row) >= m_rules.size())
        return false;
    const int offset = m_archive.offset();
    // The rule advances on a copy, which takes its place only once the stake is confirmed.
    stakes::TTableRec copy = m_rules[std::size_t(row)];
    QString why;
    if (!stakes::TableNextComb(copy, m_archive.drawCombAt(offset), &why)) {
        m_services.showError(tr("Невозможно сделать ставку по регуляру!") + QStringLiteral("\n\n") + why);
        return false;
    }
    stakes::TStakeRec rec = stakeFor(copy, offset);
    int copies = 1;
    const bool confirmed = confirm ? confirm(rec, copies) : m_services.io().editStake(rec, copies);
    if (!confirmed || std::size_t(row) >= m_rules.size())
        return false;
    m_rules[std::size_t(row)] = copy;
    const bool saved = save();
    return m_stakes.create(rec, copies) && saved;
}

bool TablesController::validRows(const std::vector<int>& rows) const
{
    return std::all_of(rows.begin(), rows.end(),
                       [this](int row) { return row >= 0 && std::size_t(row) < m_rules.size(); });
}

bool TablesController::stakeTest(const std::vector<int>& rows)
{
    if (!m_shown || rows.empty() || !validRows(rows))
        return false;
    const int max = int(m_archive.draws().size()) - 1;
    // Testing needs a draw to stand at and a later one to check against.
    if (max < 1) {
        m_services.showInformation(tr("В архиве недостаточно тиражей для тестирования регулярных ставок."));
        return false;
    }
    const int count = m_services.io().askTestCount(max);
    if (count <= 0)
        return false;
    return stakeTestWith(rows, count);
}

bool TablesController::stakeTestWith(const std::vector<int>& chosen, int count)
{
    m_testStakes = 0;
    std::vector<int> rows = chosen;
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    if (!m_shown || rows.empty() || !validRows(rows) || count < 1 || count > int(m_archive.draws().size()) - 1)
        return false;
    const QString failure = tr("Ошибка создания ставок по регулярным табличным ставкам!") + QStringLiteral("\n\n");
    // A rule that can make no stake is refused before anything changes.
    for (int row : rows) {
        const QString why = stakes::TableCheck(m_rules[std::size_t(row)], m_archive.drawCombAt(count));
        if (!why.isEmpty()) {
            m_services.showError(failure + why);
            return false;
        }
    }

    StakesController& stakes = m_stakes;
    bool created = true; // the last stake made was stored
    bool ok = true;
    {
        BusyScope busy(m_services, tr("Создание ставок по регулярным табличным ставкам..."));
        const bool batch = m_archive.batchMode();
        m_archive.setBatchMode(true);
        const int remembered = m_archive.offset();
        try {
            for (int offset = count; offset >= 1 && ok; --offset) {
                m_archive.setOffset(offset);
                for (int row : rows) {
                    // A step counts once its stake is stored, so the rule's count never claims
                    // a stake the file does not hold.
                    stakes::TTableRec next = m_rules[std::size_t(row)];
                    QString why;
                    if (!stakes::TableNextComb(next, m_archive.drawCombAt(offset), &why)) {
                        m_services.showError(failure + why);
                        ok = false;
                        break;
                    }
                    // Each stake is written at once: the rules file is saved afterwards, and a
                    // stake lost from the buffer later would leave a rule one step ahead of it.
                    if (!stakes.createInBatch(stakeFor(next, offset), 1, true) || !stakes.flush()) {
                        created = false;
                        ok = false;
                        break;
                    }
                    m_rules[std::size_t(row)] = next;
                    ++m_testStakes;
                }
            }
        } catch (const std::exception& e) {
            m_services.showError(failure + QString::fromLocal8Bit(e.what()));
            created = false;
            ok = false;
        }
        // The analysis point comes back and the steps made are kept, whatever stopped the test.
        m_archive.setOffset(remembered);
        if (!save())
            ok = false;
        if (created)
            stakes.checkAndSave();
        stakes.refresh(true, true);
        m_archive.setBatchMode(batch);
    }
    return ok;
}

} // namespace app
