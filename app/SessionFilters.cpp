// The filter conditions of script lines as the session applies them: the table of the filter's
// method, the walk over its ordered rows, and the narrowing steps with their rollback.

#include "app/Session.h"

#include "core/TextForms.h"

#include <algorithm>

namespace app {

void Session::filterApply(const combos::TFilterPart& part)
{
    combos::FilterRunHooks hooks;
    filterApply(part, hooks);
}

void Session::filterApply(const combos::TFilterPart& p, combos::FilterRunHooks& hooks)
{
    const auto log = [&](const QString& line) {
        if (hooks.logging())
            hooks.log(line);
    };

    // The method must be one the statistics selector offers.
    const int method = combos::FilterMethodIndex(m_statList, p.Method, p.MethodCode);
    const std::vector<int> offered = m_statList.SelectorMethods(false);
    if (method < 0 || std::find(offered.begin(), offered.end(), method) == offered.end()) {
        const QString code = method >= 0 ? m_statList.Items(method).GetCodeText() : p.MethodCode;
        const QString caption = method >= 0 ? m_statList.Items(method).GetCaptionText() : QString();
        throw core::EConvertError(tr("Метод расчета статистики \"%1\" не найден!\n%2\n\nВозможно, Вы отключили данный "
                                     "метод расчета либо использовали сценарий от другой модификации программы.")
                                      .arg(code, caption));
    }
    const QString selectorText = m_statList.GetDisplayName(method, true);
    log(tr("Анализ тиражей и расчет статистики \"%1\" для выборки в %2 тиражей...")
            .arg(selectorText)
            .arg(p.DrawsCount));

    // The table over the filter's draws, with its own weight coefficients or those of the run.
    views::StatTableParams params = statParams(p.DrawsCount);
    const core::TCdlData* saved = hooks.savedCdl();
    params.Cdl = p.CdlOverride ? p.Cdl : (saved ? *saved : config().CDL);
    std::vector<views::StatTableRow> rows = hooks.tableRows(method, params, [&] {
        showStatus(tr("Анализ тиражей и расчет статистики..."));
        const auto tableStat = m_statList.CreateStat(method);
        views::FullSetCounts counts;
        views::StatTableParams full = params;
        if (prefetchOpen(method, counts))
            full.FullSet = &counts;
        std::vector<views::StatTableRow> computed = std::move(views::ComputeStatTable(*tableStat, m_draws, full).Rows);
        showStatus(QString());
        return computed;
    });
    views::SortStatRows(rows, p.SortColumn, true);

    if (hooks.stopRequested())
        return;
    if (hooks.logging())
        for (const views::StatTableRow& row : rows)
            hooks.log(combos::FilterRowLogText(views::StatRowText(row)));

    const auto stat = m_statList.CreateStat(method);
    const int count = int(rows.size());
    const auto rowValues = [&](int index) {
        views::TStatValues v = views::StatRowText(rows[std::size_t(index)]);
        v.Value = stat->ListValue(v.ValueText);
        return v;
    };
    const auto stepLine = [&](int step, const views::TStatValues& v) {
        log(tr("Шаг %1. Выделение строки: %2").arg(step, 3, 10, QLatin1Char('0')).arg(combos::FilterRowLogText(v)));
    };
    // One narrowing step over the given rows; true when it emptied the list and was undone.
    const auto narrow = [&](const core::TStatDrawArray& values, const QStringList& texts) {
        log(p.Keep ? tr("Оставляем выделенные значения...") : tr("Удаляем выделенные значения..."));
        combsNarrowByValues(*stat, values, texts.join(QStringLiteral("; ")), selectorText, !p.Keep);
        log(tr("Количество комбинаций в списке: %1").arg(m_combs.size()));
        if (!m_combs.empty())
            return false;
        log(tr("{UNDO} Откат изменений..."));
        combsRestoreUndo(false);
        filterHistoryAddUndo();
        return true;
    };

    int steps = 0;
    if (p.MultiSelect) {
        // Every visited row counts as a step; the list is narrowed once by all selected rows.
        std::vector<bool> selected(std::size_t(count), false);
        for (int k = 0; k < count; ++k) {
            if (hooks.stopRequested())
                return;
            const int index = p.BottomUp ? count - 1 - k : k;
            const views::TStatValues v = rowValues(index);
            if (combos::StopRuleReached(p, v, steps))
                break;
            if (combos::RowConditionTest(p, v)) {
                selected[std::size_t(index)] = true;
                stepLine(steps + 1, v);
            }
            ++steps;
        }
        // The selection is handed over in table order, whichever way it was walked.
        core::TStatDrawArray values;
        QStringList texts;
        for (int i = 0; i < count; ++i) {
            if (selected[std::size_t(i)]) {
                values.push_back(rows[std::size_t(i)].Rec);
                texts << rows[std::size_t(i)].Cells[views::ColValue];
            }
        }
        narrow(values, texts);
        return;
    }

    // Row by row: one step per matching row; only the steps that leave combinations count.
    for (int k = 0; k < count; ++k) {
        if (hooks.stopRequested())
            break;
        const int index = p.BottomUp ? count - 1 - k : k;
        const views::TStatValues v = rowValues(index);
        if (p.StopMode == combos::StopListCount && std::int64_t(p.StopValue) >= std::int64_t(m_combs.size()))
            break;
        if (combos::StopRuleReached(p, v, steps))
            break;
        if (!combos::RowConditionTest(p, v))
            continue;
        stepLine(steps + 1, v);
        const views::StatTableRow& row = rows[std::size_t(index)];
        if (narrow(core::TStatDrawArray{row.Rec}, QStringList{row.Cells[views::ColValue]})) {
            if (p.StopMode == combos::StopUntilEmpty)
                break;
        } else {
            ++steps;
        }
    }
}

void Session::filterRecApply(const combos::TFilterRec& rec)
{
    combos::FilterRunHooks hooks;
    filterRecApply(rec, hooks);
}

void Session::filterRecApply(const combos::TFilterRec& rec, combos::FilterRunHooks& hooks)
{
    for (const combos::TFilterPart& part : rec) {
        if (hooks.stopRequested())
            return;
        if (m_combs.size() > 1 && part.Enabled)
            filterApply(part, hooks);
    }
}

void Session::combsRestoreState(const core::TCombsArray& combs, const std::vector<combos::FilterHistoryRow>& history)
{
    m_combs = combs;
    m_undo.clear();
    m_history = history;
    emit filterHistoryChanged();
    combsRefresh();
}

void Session::combsReplace(const core::TCombsArray& combs)
{
    m_combs = combs;
    m_undo.clear();
    filterHistoryClear();
    combsRefresh();
}

bool Session::filterDialog(combos::TFilterItem& item)
{
    // The dialog works on a copy, so a cancelled one leaves the item as it was whatever the
    // door did with it.
    combos::TFilterItem edited = item;
    if (!m_io.editFilter(edited))
        return false;
    item = edited;
    return true;
}

} // namespace app
