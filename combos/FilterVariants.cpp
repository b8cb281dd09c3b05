#include "combos/Filters.h"

#include "core/TextForms.h"

#include <QCoreApplication>

#include <algorithm>
#include <limits>
#include <new>

namespace combos {

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("combos", text);
}

QString invalidFilterMessage(const TFilterItem& item)
{
    return tr("Некорректное описание фильтра: %1!").arg(FilterItemText(item));
}

[[noreturn]] void throwTooManyVariants(FilterRunHooks& hooks, const QString& systemMessage)
{
    hooks.requestStop();
    throw core::EConvertError(
        tr("Вы задали слишком много вариантов фильтров - программа не сможет обработать их все!\n"
           "Пожалуйста, уменьшите в каждом из фильтров количество вариантов длины выборки и глубины, а затем "
           "повторите попытку.") +
        QStringLiteral("\n\n") + systemMessage);
}

// The recursive expansion over the places of one line.
class Expander
{
public:
    Expander(const std::vector<TFilterItem>& items, int n, FilterRunHooks& hooks)
        : m_items(items), m_n(n), m_hooks(hooks), m_draws(std::size_t(n)), m_lists(std::size_t(n)),
          m_values(std::size_t(n))
    {
    }

    // Reads every item's lists. Their lengths come first, from the texts alone, so that a line
    // whose variants (or a range alone) would not fit into memoryLimit bytes is refused before
    // anything of that size is built; only then are the lists read.
    void prepare(std::size_t memoryLimit)
    {
        std::vector<std::int64_t> drawCounts(std::size_t(m_n), 0);
        std::vector<std::int64_t> valueCounts(std::size_t(m_n), 0);
        std::size_t variants = 1;
        std::size_t values = 0;
        for (int k = 0; k < m_n; ++k) {
            const TFilterItem& item = m_items[std::size_t(k)];
            const std::int64_t draws = core::IntListCount(item.DrawsText);
            if (draws <= 0)
                throw core::EConvertError(invalidFilterMessage(item));
            std::size_t choices = std::size_t(draws);
            values = addSaturated(values, std::size_t(draws));
            if (item.Condition != CondNone) {
                const std::int64_t count = core::IntListCount(item.ConditionText);
                if (count <= 0)
                    throw core::EConvertError(invalidFilterMessage(item));
                valueCounts[std::size_t(k)] = count;
                values = addSaturated(values, std::size_t(count));
                if (ConditionPerValue(item.Condition))
                    choices = mulSaturated(choices, std::size_t(count));
            }
            drawCounts[std::size_t(k)] = draws;
            variants = mulSaturated(variants, choices);
        }
        const std::size_t needed =
            addSaturated(mulSaturated(variants, FilterVariantBytes()), mulSaturated(values, FilterListValueBytes()));
        if (needed > memoryLimit)
            throwTooManyVariants(
                m_hooks,
                tr("Недостаточно памяти: варианты фильтров строки не поместятся в %1 МБ.").arg(memoryLimit >> 20));
        for (int k = 0; k < m_n; ++k) {
            const TFilterItem& item = m_items[std::size_t(k)];
            m_draws[std::size_t(k)] = core::ParseIntList(item.DrawsText, drawCounts[std::size_t(k)]);
            if (item.Condition != CondNone)
                m_lists[std::size_t(k)] = core::ParseIntList(item.ConditionText, valueCounts[std::size_t(k)]);
        }
    }

    void run()
    {
        // The value texts once per item; the variants share them.
        for (int k = 0; k < m_n; ++k) {
            const TFilterItem& item = m_items[std::size_t(k)];
            const core::TIntArray& list = m_lists[std::size_t(k)];
            std::vector<QString>& values = m_values[std::size_t(k)];
            if (item.Condition == CondNone)
                values.push_back(item.ConditionText);
            else if (ConditionPerValue(item.Condition))
                for (std::int32_t v : list)
                    values.push_back(QString::number(v));
            else
                values.push_back(core::IntListText(list, QStringLiteral(",")));
        }
        if (m_n > 0)
            place(0);
    }
    TFilterVarList& result() { return m_out; }

private:
    static std::size_t mulSaturated(std::size_t a, std::size_t b)
    {
        if (a != 0 && b > std::numeric_limits<std::size_t>::max() / a)
            return std::numeric_limits<std::size_t>::max();
        return a * b;
    }
    static std::size_t addSaturated(std::size_t a, std::size_t b)
    {
        return b > std::numeric_limits<std::size_t>::max() - a ? std::numeric_limits<std::size_t>::max() : a + b;
    }

    // Returns false once a stop was requested.
    bool place(int k)
    {
        const TFilterItem& item = m_items[std::size_t(k)];
        const std::vector<QString>& values = m_values[std::size_t(k)];
        const bool perValue = item.Condition != CondNone && ConditionPerValue(item.Condition);
        TFilterPart& part = m_rec[std::size_t(k)];
        part.Enabled = true;
        part.Method = item.Method;
        part.MethodCode = item.MethodCode;
        part.SortColumn = item.SortColumn;
        part.BottomUp = item.BottomUp;
        part.MultiSelect = item.MultiSelect;
        part.Keep = item.Keep;
        part.Condition = item.Condition;
        part.CdlOverride = item.CdlOverride;
        part.Cdl = item.Cdl;
        part.StopMode = item.StopMode;
        part.StopValue = item.StopValue;
        for (std::int32_t d : m_draws[std::size_t(k)]) {
            if (m_hooks.stopRequested())
                return false;
            part.DrawsCount = d;
            for (const QString& v : values) {
                part.Value = v;
                part.ValueText = perValue ? v : item.ConditionText;
                if (k + 1 < m_n) {
                    if (!place(k + 1))
                        return false;
                } else {
                    append();
                }
            }
        }
        return true;
    }

    void append()
    {
        try {
            m_out.push_back(m_rec);
        } catch (const std::bad_alloc&) {
            throwTooManyVariants(m_hooks, tr("Недостаточно памяти"));
        }
        if (++m_appended % 1000 == 0)
            m_hooks.progress(tr("Создание всех вариантов фильтров ( %1 )...").arg(m_appended));
    }

    const std::vector<TFilterItem>& m_items;
    const int m_n;
    FilterRunHooks& m_hooks;
    std::vector<core::TIntArray> m_draws;
    std::vector<core::TIntArray> m_lists; // the condition values
    // Per item the values its variants take: the decimal values one by one, or one entry for
    // the whole list.
    std::vector<std::vector<QString>> m_values;
    TFilterRec m_rec{};
    TFilterVarList m_out;
    std::size_t m_appended = 0;
};

} // namespace

// ---- running

bool ConditionPerValue(int condition)
{
    switch (condition) {
    case CondNone:
    case CondDepthList:
    case CondDepthListPct:
    case CondDevList:
    case CondDevListPct:
    case CondCountList:
    case CondCountListPct:
    case CondValueList:
        return false;
    default:
        return condition > 0 && condition < kConditionCount;
    }
}

std::size_t FilterVariantBytes()
{
    // The record and the two links of its list node; the texts are shared with the items.
    return sizeof(TFilterRec) + 2 * sizeof(void*);
}

std::size_t FilterListValueBytes()
{
    // The number, and its text with the string that holds it (per value, or its share of the
    // joined list).
    return sizeof(std::int32_t) + sizeof(QString) + 32;
}

TFilterVarList FilterVariantsBuild(const std::vector<TFilterItem>& items, int n, FilterRunHooks& hooks,
                                   std::size_t memoryLimit)
{
    n = std::clamp(n, 0, std::min(kFilterPlaces, int(items.size())));
    Expander expander(items, n, hooks);
    try {
        expander.prepare(memoryLimit);
        expander.run();
    } catch (const std::bad_alloc&) {
        // Less memory is free than the guard allows for.
        throwTooManyVariants(hooks, tr("Недостаточно памяти"));
    }
    return std::move(expander.result());
}

TFilterVarList FilterVariantsBuild(const std::vector<TFilterItem>& items, int n)
{
    FilterRunHooks hooks;
    return FilterVariantsBuild(items, n, hooks);
}

} // namespace combos
