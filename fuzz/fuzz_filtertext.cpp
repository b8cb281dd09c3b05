// Filter texts: reading never fails, the printed text reads back to the same filter, the
// variants and row tests of whatever was read stay within their contracts, and typed values
// resolve against a table into a text that resolves to itself.
#include "combos/Filters.h"
#include "core/TextForms.h"
#include "stats/StatList.h"

#include <cstdlib>

namespace {

const stats::TStatList& methods()
{
    static const stats::TStatList list = [] {
        stats::TStatList l;
        l.Fill();
        return l;
    }();
    return list;
}

void check(bool ok)
{
    if (!ok)
        std::abort();
}

views::TStatValues row(const char* text, std::int32_t value)
{
    views::TStatValues r;
    const QString t = QString::fromLatin1(text);
    r.ValueText = r.CountText = r.CountPct = r.DeviationText = r.DeviationPct = r.DepthText = r.DepthPct =
        r.WeightText = r.PeriodMinText = r.PeriodText = r.PeriodMaxText = t;
    r.Value = value;
    return r;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const combos::TFilterItem item = combos::FilterItemParse(text, methods());
    const QString printed = combos::FilterItemText(item);
    check(item.Enabled == !printed.isEmpty());
    check(item.Condition < combos::kConditionCount && item.StopMode < combos::kStopModeCount);

    // The printed text is a fixed point and reads back to the same filter; only the statistic
    // word of a known method and the digits of the coefficients beyond 15 may change.
    const combos::TFilterItem again = combos::FilterItemParse(printed, methods());
    check(combos::FilterItemText(again) == printed);
    combos::TFilterItem normalised = item;
    normalised.StatText = again.StatText;
    normalised.Cdl = again.Cdl;
    check(normalised == again);

    // The same bytes typed as the values of a value list, read against a small table.
    {
        const std::vector<views::TStatValues> table{row("2:3", 2), row("3:2", 3), row("7", 7), row("", 0)};
        QStringList unknown;
        const QString resolved = combos::FilterValuesResolve(text, table, &unknown);
        check(unknown.size() <= text.size() + 1);
        check(combos::FilterValuesResolve(resolved, table, nullptr) == resolved);
        check(combos::FilterUnknownValues(text, table).size() <= text.size() + 1);
    }

    // The variants, with a small memory budget so that wide ranges are refused early.
    combos::FilterRunHooks hooks;
    try {
        const combos::TFilterVarList variants =
            combos::FilterVariantsBuild({item}, 1, hooks, 2000 * combos::FilterVariantBytes());
        check(!variants.empty() && variants.size() <= 2000);
        static const views::TStatValues rows[] = {row("7", 7), row("-", 0), row("", 0), row("3.5", 3), row("1e3", 1)};
        int n = 0;
        for (const combos::TFilterRec& rec : variants) {
            check(!combos::FilterRecText(rec).isEmpty());
            for (const views::TStatValues& r : rows) {
                try {
                    combos::RowConditionTest(rec[0], r);
                } catch (const core::EConvertError&) {
                }
                combos::StopRuleReached(rec[0], r, n);
            }
            if (++n >= 20)
                break;
        }
    } catch (const core::EConvertError& e) {
        check(!e.message().isEmpty());
    }
    return 0;
}
