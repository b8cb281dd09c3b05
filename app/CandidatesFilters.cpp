// The filter conditions of script lines as the candidate list applies them: the table of the filter's
// method, the walk over its ordered rows, and the narrowing steps with their rollback.

#include "app/CandidatesController.h"

#include "combos/CombList.h"
#include "core/TextForms.h"

#include <algorithm>
#include <limits>
#include <new>

namespace app {

namespace {

// A table's rows as the row tests read them.
std::vector<views::TStatValues> rowValues(const std::vector<views::StatTableRow>& rows, const stats::TCustomStat& stat)
{
    std::vector<views::TStatValues> values;
    values.reserve(rows.size());
    for (const views::StatTableRow& row : rows) {
        views::TStatValues v = views::StatRowText(row);
        v.Value = stat.ListValue(v.ValueText);
        values.push_back(std::move(v));
    }
    return values;
}

// A filter that selected nothing leaves the list as it was without a word otherwise; the
// values it asked for that its table does not hold are the usual reason.
void warnNoRows(const combos::TFilterPart& p, const std::vector<views::StatTableRow>& rows,
                const stats::TCustomStat& stat, combos::FilterRunHooks& hooks)
{
    QStringList unknown;
    if (p.Condition == combos::CondValueList)
        unknown = combos::FilterUnknownValues(p.Value, rowValues(rows, stat));
    hooks.warn(combos::FilterNoRowsWarningText(combos::FilterPartText(p), unknown));
}

} // namespace

void CandidatesController::filterApply(const combos::TFilterPart& part)
{
    combos::FilterRunHooks hooks;
    filterApply(part, hooks);
}

// The table of a filter's method, ordered by its column, with the statistic that tests it.
struct CandidatesController::FilterTable
{
    int Method = -1;
    std::shared_ptr<const std::vector<views::StatTableRow>> Rows;
    std::unique_ptr<stats::TCustomStat> Stat;
    QString Name;

    views::TStatValues values(int index) const
    {
        views::TStatValues v = views::StatRowText((*Rows)[std::size_t(index)]);
        v.Value = Stat->ListValue(v.ValueText);
        return v;
    }
};

std::optional<CandidatesController::FilterTable> CandidatesController::filterTable(const combos::TFilterPart& p,
                                                                                   combos::FilterRunHooks& hooks)
{
    // The method must be one the statistics selector offers.
    const int method = combos::FilterMethodIndex(m_statistics.list(), p.Method, p.MethodCode);
    const std::vector<int> offered = m_statistics.list().SelectorMethods(false);
    if (method < 0 || std::find(offered.begin(), offered.end(), method) == offered.end()) {
        const QString code = method >= 0 ? m_statistics.list().Items(method).GetCodeText() : p.MethodCode;
        const QString caption = method >= 0 ? m_statistics.list().Items(method).GetCaptionText() : QString();
        throw core::EConvertError(tr("Метод расчета статистики \"%1\" не найден!\n%2\n\nВозможно, Вы отключили данный "
                                     "метод расчета либо использовали сценарий от другой модификации программы.")
                                      .arg(code, caption));
    }
    FilterTable t;
    t.Method = method;
    t.Name = m_statistics.list().GetDisplayName(method, true);
    if (hooks.logging())
        hooks.log(
            tr("Анализ тиражей и расчет статистики \"%1\" для выборки в %2 тиражей...").arg(t.Name).arg(p.DrawsCount));

    // The table over the filter's draws, with its own weight coefficients or those of the run.
    views::StatTableParams params = m_statistics.params(p.DrawsCount);
    const core::TCdlData* saved = hooks.savedCdl();
    params.Cdl = p.CdlOverride ? p.Cdl : (saved ? *saved : m_statistics.config().CDL);
    t.Rows = hooks.tableRows(method, params, p.SortColumn, [&] {
        m_services.showStatus(tr("Анализ тиражей и расчет статистики..."));
        const auto tableStat = m_statistics.list().CreateStat(method);
        views::FullSetCounts counts;
        views::StatTableParams full = params;
        if (m_statistics.prefetchOpen(method, counts))
            full.FullSet = &counts;
        std::vector<views::StatTableRow> computed =
            std::move(views::ComputeStatTable(*tableStat, m_archive.draws(), full).Rows);
        m_services.showStatus(QString());
        return computed;
    });

    if (hooks.stopRequested())
        return std::nullopt;
    if (hooks.logging())
        for (const views::StatTableRow& row : *t.Rows)
            hooks.log(combos::FilterRowLogText(views::StatRowText(row)));
    t.Stat = m_statistics.list().CreateStat(method);
    return t;
}

std::optional<CandidatesController::FilterChoice> CandidatesController::filterChoose(const combos::TFilterPart& p,
                                                                                     combos::FilterRunHooks& hooks)
{
    std::optional<FilterTable> t = filterTable(p, hooks);
    if (!t)
        return std::nullopt;
    // Every visited row counts as a step; the list is narrowed once by all selected rows.
    const int count = int(t->Rows->size());
    std::vector<bool> selected(std::size_t(count), false);
    int steps = 0;
    for (int k = 0; k < count; ++k) {
        if (hooks.stopRequested())
            return std::nullopt;
        const int index = p.BottomUp ? count - 1 - k : k;
        const views::TStatValues v = t->values(index);
        if (combos::StopRuleReached(p, v, steps))
            break;
        if (combos::RowConditionTest(p, v)) {
            selected[std::size_t(index)] = true;
            if (hooks.logging())
                hooks.log(combos::FilterStepLogText(steps + 1, v));
        }
        ++steps;
    }
    if (std::none_of(selected.begin(), selected.end(), [](bool s) { return s; }))
        warnNoRows(p, *t->Rows, *t->Stat, hooks);
    // The selection is handed over in table order, whichever way it was walked.
    FilterChoice choice;
    for (int i = 0; i < count; ++i) {
        if (selected[std::size_t(i)]) {
            choice.Values.push_back((*t->Rows)[std::size_t(i)].Rec);
            choice.Texts << (*t->Rows)[std::size_t(i)].Cells[views::ColValue];
        }
    }
    choice.Method = t->Method;
    choice.Stat = std::move(t->Stat);
    choice.Name = t->Name;
    choice.Exclude = !p.Keep;
    choice.Sorted = m_services.windowState().SortedDraws;
    choice.Last = std::max(0, int(m_archive.draws().size()) - 1 - m_archive.offset());
    return choice;
}

void CandidatesController::filterApply(const combos::TFilterPart& p, combos::FilterRunHooks& hooks)
{
    const auto log = [&](const QString& line) {
        if (hooks.logging())
            hooks.log(line);
    };
    // One narrowing step over the given rows; true when it emptied the list and was undone.
    const auto narrow = [&](stats::TCustomStat& stat, const QString& name, const core::TStatDrawArray& values,
                            const QStringList& texts) {
        log(combos::FilterNarrowLogText(p.Keep));
        narrowByValues(stat, values, texts.join(QStringLiteral("; ")), name, !p.Keep);
        log(combos::FilterCountLogText(m_combs.size()));
        if (!m_combs.empty())
            return false;
        log(combos::FilterUndoLogText());
        restoreUndo(false);
        historyAddUndo();
        return true;
    };

    if (p.MultiSelect) {
        std::optional<FilterChoice> choice = filterChoose(p, hooks);
        if (choice)
            narrow(*choice->Stat, choice->Name, choice->Values, choice->Texts);
        return;
    }

    std::optional<FilterTable> t = filterTable(p, hooks);
    if (!t)
        return;
    // Row by row: one step per matching row; only the steps that leave combinations count.
    const int count = int(t->Rows->size());
    int steps = 0;
    bool matched = false;
    for (int k = 0; k < count; ++k) {
        if (hooks.stopRequested())
            return;
        const int index = p.BottomUp ? count - 1 - k : k;
        const views::TStatValues v = t->values(index);
        if (p.StopMode == combos::StopListCount && std::int64_t(p.StopValue) >= std::int64_t(m_combs.size()))
            break;
        if (combos::StopRuleReached(p, v, steps))
            break;
        if (!combos::RowConditionTest(p, v))
            continue;
        matched = true;
        log(combos::FilterStepLogText(steps + 1, v));
        const views::StatTableRow& row = (*t->Rows)[std::size_t(index)];
        if (narrow(*t->Stat, t->Name, core::TStatDrawArray{row.Rec}, QStringList{row.Cells[views::ColValue]})) {
            if (p.StopMode == combos::StopUntilEmpty)
                break;
        } else {
            ++steps;
        }
    }
    if (!matched)
        warnNoRows(p, *t->Rows, *t->Stat, hooks);
}

void CandidatesController::filterRecApply(const combos::TFilterRec& rec)
{
    combos::FilterRunHooks hooks;
    filterRecApply(rec, hooks);
}

void CandidatesController::filterRecApply(const combos::TFilterRec& rec, combos::FilterRunHooks& hooks)
{
    for (const combos::TFilterPart& part : rec) {
        if (hooks.stopRequested())
            return;
        if (m_combs.size() > 1 && part.Enabled)
            filterApply(part, hooks);
    }
}

void CandidatesController::restoreState(const core::TCombsArray& combs,
                                        const std::vector<combos::FilterHistoryRow>& history)
{
    m_combs = combs;
    m_undo.clear();
    m_history = history;
    emit filterHistoryChanged();
    refresh();
}

void CandidatesController::restoreState(core::TCombsArray&& combs, std::vector<combos::FilterHistoryRow>&& history)
{
    m_combs = std::move(combs);
    m_undo.clear();
    m_history = std::move(history);
    emit filterHistoryChanged();
    refresh();
}

void CandidatesController::replace(const core::TCombsArray& combs)
{
    m_combs = combs;
    m_undo.clear();
    historyClear();
    refresh();
}

bool CandidatesController::filterDialog(combos::TFilterItem& item)
{
    // The dialog works on a copy, so a cancelled one leaves the item as it was whatever the
    // door did with it.
    combos::TFilterItem edited = item;
    if (!m_services.io().editFilter(edited))
        return false;
    item = edited;
    return true;
}

combos::TFilterCheck CandidatesController::filterCheck(const combos::TFilterItem& item)
{
    combos::TFilterCheck c;
    c.ListSize = std::int64_t(m_combs.size());
    c.ValuesText = item.ConditionText;
    try {
        const core::TIntArray draws = core::ParseIntList(item.DrawsText);
        if (draws.empty() || draws.front() <= 0)
            throw core::EConvertError(tr("Некорректное количество тиражей: \"%1\"").arg(item.DrawsText));
        combos::TFilterPart tablePart;
        tablePart.Method = item.Method;
        tablePart.MethodCode = item.MethodCode;
        tablePart.DrawsCount = draws.front();
        tablePart.SortColumn = item.SortColumn;
        tablePart.CdlOverride = item.CdlOverride;
        tablePart.Cdl = item.Cdl;
        combos::FilterRunHooks quiet;
        std::optional<FilterTable> t = filterTable(tablePart, quiet);
        if (!t)
            return c;
        const std::vector<views::TStatValues> rows = rowValues(*t->Rows, *t->Stat);
        combos::TFilterItem first = item;
        first.ConditionText = c.ValuesText;
        if (item.Condition == combos::CondValueList) {
            c.ValuesText = combos::FilterValuesResolve(item.ConditionText, rows, &c.Unknown);
            // The words that name no value are left out of what is worked out; they are shown.
            QStringList numbers;
            for (const QString& word : c.ValuesText.split(u','))
                if (!core::ParseIntList(word).empty())
                    numbers << word;
            first.ConditionText = core::ParseIntList(c.ValuesText).empty() ? numbers.join(u',') : c.ValuesText;
            if (first.ConditionText.isEmpty()) {
                c.Variants =
                    int(std::min<std::int64_t>(core::IntListCount(item.DrawsText), std::numeric_limits<int>::max()));
                c.TableRows = int(rows.size());
                c.Remaining = c.ListSize;
                m_services.showStatus(QString());
                return c;
            }
        }

        // Only the first variant is worked out: the others differ in their number of draws or
        // in the one value of a per-value condition.
        first.DrawsText = QString::number(draws.front());
        std::int64_t variants = core::IntListCount(item.DrawsText);
        if (combos::ConditionPerValue(item.Condition)) {
            const core::TIntArray values = core::ParseIntList(first.ConditionText);
            if (!values.empty())
                first.ConditionText = QString::number(values.front());
            variants *= core::IntListCount(item.ConditionText);
        }
        c.Variants = int(std::min<std::int64_t>(variants, std::numeric_limits<int>::max()));
        const combos::TFilterPart p = combos::FilterVariantsBuild({first}, 1).front()[0];

        const int count = int(rows.size());
        c.TableRows = count;
        const bool sorted = m_services.windowState().SortedDraws;
        const int last = std::max(0, int(m_archive.draws().size()) - 1 - m_archive.offset());
        t->Stat->LoadDraws(-1, last, sorted);
        // A list of one combination is not filtered at all.
        const bool narrows = m_combs.size() > 1;
        core::TCombsArray current;
        if (narrows)
            current = m_combs;
        core::TCombsArray next;
        core::TCombsArray scratch;
        // Narrows the list as a step does; a step that would empty it is undone.
        const auto narrow = [&](const core::TStatDrawArray& values) {
            if (!narrows || values.empty())
                return false;
            combos::FilterByValues(*t->Stat, values, !p.Keep, sorted, last, current, next, &scratch);
            if (next.empty())
                return false;
            current.swap(next);
            return true;
        };
        core::TStatDrawArray chosen;
        int steps = 0;
        for (int k = 0; k < count; ++k) {
            const int index = p.BottomUp ? count - 1 - k : k;
            const views::TStatValues& v = rows[std::size_t(index)];
            if (!p.MultiSelect && narrows && p.StopMode == combos::StopListCount &&
                std::int64_t(p.StopValue) >= std::int64_t(current.size()))
                break;
            if (combos::StopRuleReached(p, v, steps))
                break;
            const bool selected = combos::RowConditionTest(p, v);
            if (selected)
                ++c.SelectedRows;
            if (p.MultiSelect) {
                if (selected)
                    chosen.push_back((*t->Rows)[std::size_t(index)].Rec);
                ++steps;
            } else if (selected) {
                if (narrow(core::TStatDrawArray{(*t->Rows)[std::size_t(index)].Rec}))
                    ++steps;
                else if (narrows && p.StopMode == combos::StopUntilEmpty)
                    break;
            }
        }
        if (p.MultiSelect)
            narrow(chosen);
        c.Remaining = narrows ? std::int64_t(current.size()) : c.ListSize;
    } catch (const core::EConvertError& e) {
        c.Error = e.message();
    } catch (const std::bad_alloc&) {
        c.Error = tr("Недостаточно памяти");
    }
    m_services.showStatus(QString());
    return c;
}

} // namespace app
