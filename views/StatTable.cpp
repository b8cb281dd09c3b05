#include "views/StatTable.h"

#include "core/DrawArchive.h"
#include "core/GameMath.h"
#include "core/StatAccum.h"
#include "core/TextForms.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>
#include <charconv>
#include <cmath>

namespace views {

namespace {

const char* const kCaptions[StatColumnCount] = {
    QT_TRANSLATE_NOOP("views", "Значение"),   QT_TRANSLATE_NOOP("views", "Количество"),
    QT_TRANSLATE_NOOP("views", "Кол-во в %"), QT_TRANSLATE_NOOP("views", "Норма"),
    QT_TRANSLATE_NOOP("views", "Отклонение"), QT_TRANSLATE_NOOP("views", "Откл-ие в %"),
    QT_TRANSLATE_NOOP("views", "Глубина"),    QT_TRANSLATE_NOOP("views", "Глубина в %"),
    QT_TRANSLATE_NOOP("views", "Вес"),        QT_TRANSLATE_NOOP("views", "Посл. тираж"),
    QT_TRANSLATE_NOOP("views", "Период min"), QT_TRANSLATE_NOOP("views", "Период"),
    QT_TRANSLATE_NOOP("views", "Период max"), QT_TRANSLATE_NOOP("views", "Ожд. ПРД"),
    QT_TRANSLATE_NOOP("views", "Ожд. СТФ"),   QT_TRANSLATE_NOOP("views", "Ожд. КРН"),
    QT_TRANSLATE_NOOP("views", "Факт"),       QT_TRANSLATE_NOOP("views", "+/- ПРД"),
    QT_TRANSLATE_NOOP("views", "+/- СТФ"),    QT_TRANSLATE_NOOP("views", "+/- КРН"),
};

const QString kNone = QStringLiteral("-");

// Reads "[+-]digits[.digits][e[+-]digits]" whole, the way a classic float conversion does.
bool readNumber(const QString& text, double& value)
{
    QByteArray bytes = text.toLatin1();
    bytes.replace(',', '.');
    const char* p = bytes.constData();
    const char* end = p + bytes.size();
    if (p == end)
        return false;
    const char* start = p;
    if (*p == '+' || *p == '-')
        ++p;
    const char* digits = p;
    while (p < end && *p >= '0' && *p <= '9')
        ++p;
    bool any = p > digits;
    if (p < end && *p == '.') {
        ++p;
        const char* frac = p;
        while (p < end && *p >= '0' && *p <= '9')
            ++p;
        any = any || p > frac;
    }
    if (!any)
        return false;
    if (p < end && (*p == 'e' || *p == 'E')) {
        const char* e = p + 1;
        if (e < end && (*e == '+' || *e == '-'))
            ++e;
        const char* expDigits = e;
        while (e < end && *e >= '0' && *e <= '9')
            ++e;
        if (e == expDigits)
            return false;
        p = e;
    }
    if (p != end || text.size() != bytes.size())
        return false;
    // from_chars does not take a leading "+".
    const char* parseFrom = *start == '+' ? start + 1 : start;
    return std::from_chars(parseFrom, end, value).ec == std::errc();
}

} // namespace

QStringList StatColumnCaptions()
{
    QStringList list;
    for (const char* c : kCaptions)
        list << QCoreApplication::translate("views", c);
    return list;
}

int CompareStatCells(const QString& a, const QString& b)
{
    double x = 0;
    double y = 0;
    if (readNumber(a, x) && readNumber(b, y))
        return x < y ? -1 : (x > y ? 1 : 0);
    return a.compare(b, Qt::CaseInsensitive);
}

void SortStatRows(std::vector<StatTableRow>& rows, int column, bool descending)
{
    if (column < 0 || column >= StatColumnCount)
        return;
    std::stable_sort(rows.begin(), rows.end(), [&](const StatTableRow& l, const StatTableRow& r) {
        int c = CompareStatCells(l.Cells[std::size_t(column)], r.Cells[std::size_t(column)]);
        if (c == 0)
            c = CompareStatCells(l.Cells[ColValue], r.Cells[ColValue]);
        return descending ? c > 0 : c < 0;
    });
}

StatTable ComputeStatTable(stats::TCustomStat& stat, const core::TDrawsArray& draws, const StatTableParams& params)
{
    StatTable table;
    if (draws.empty())
        return table;
    const int high = int(draws.size()) - 1;
    const int last = high - params.DrawsOffset;
    const int first = std::max(0, last - std::max(params.Window, 1) + 1);
    table.LastIndex = last;
    table.FirstIndex = first;
    table.DrawCount = std::max(0, last - first + 1);
    core::TStatDrawArray& values = table.Values;
    if (last >= first) {
        stat.InitValues(last, values);
        stats::TWorkArea work{};
        core::TLastValueArray lastValues;
        for (int i = first; i <= last; ++i)
            stat.CalcDraw(i, last, params.Sorted, values, work, lastValues);
    }
    const core::TStatDrawSummary sum = core::StatDrawSummary(values);

    // Norms: the full-set counts scaled to the counts of the window.
    if (params.FullSet && !params.FullSet->Records.empty() && params.FullSet->MaxCount > 0) {
        const long double t = params.FullSet->MaxCount;
        const long double h = params.FullSet->MinCount == params.FullSet->MaxCount
                                  ? (static_cast<long double>(sum.MaxCount) + sum.MinCount) / 2 / t
                                  : sum.MaxCount / t;
        table.Compared = true;
        table.NormScale = double(h);
        for (const FullSetCounts::Record& r : params.FullSet->Records)
            for (core::TStatDrawRec& e : values)
                if (e.Key == r.Key) {
                    e.Norm = std::int32_t(core::RoundHalfEven(r.Count * h));
                    break;
                }
    }

    const QString& dp = params.DecimalPoint;
    const long double n = table.DrawCount;
    const core::TCdlData& cdl = params.Cdl;
    table.Rows.reserve(values.size());
    // The draw that came next with each value seen in the window, looked up for all at once.
    std::vector<core::TStatKey> nextKeys;
    std::vector<int> nextFrom;
    for (const core::TStatDrawRec& e : values)
        if (e.Depth != 0 && e.Count >= 1) {
            nextKeys.push_back(e.Key);
            nextFrom.push_back(core::FindDrawIndex(draws, e.LastDraw) + 1);
        }
    const std::vector<std::int32_t> nextFound = stat.FindNextMany(nextKeys, nextFrom, last, params.Sorted);
    std::size_t nextAt = 0;
    for (const core::TStatDrawRec& e : values) {
        StatTableRow row;
        row.Rec = e;
        auto& c = row.Cells;
        c.fill(kNone);
        c[ColValue] = stat.ValueToText(e);
        c[ColCount] = QString::number(e.Count);
        if (sum.Total != 0)
            c[ColCountPct] = core::FixedText(static_cast<long double>(e.Count) * 100 / sum.Total, 5, dp);
        const long double deviation = static_cast<long double>(e.Count) - e.Norm;
        if (table.Compared) {
            c[ColNorm] = QString::number(e.Norm);
            c[ColDeviation] = QString::number(std::int64_t(e.Count) - e.Norm);
            c[ColDeviationPct] = e.Norm == 0 ? core::FixedText(e.Count == 0 ? 0 : 100, 5, dp)
                                             : core::FixedText(deviation * 100 / e.Norm, 5, dp);
        }
        if (e.Depth != 0) {
            c[ColDepth] = QString::number(e.Depth);
            c[ColDepthPct] = core::FixedText(static_cast<long double>(e.Depth) * 100 / sum.MaxDepth, 2, dp);
            long double countTerm = e.Count;
            long double devTerm = table.Compared ? deviation : 0;
            long double depthTerm = e.Depth;
            if (cdl.UsePercents) {
                countTerm = sum.Total != 0 ? static_cast<long double>(e.Count) * 100 / sum.Total : 0;
                devTerm = table.Compared && e.Norm != 0 ? deviation * 100 / e.Norm : 0;
                depthTerm = sum.MaxDepth != 0 ? static_cast<long double>(e.Depth) * 100 / sum.MaxDepth : 0;
            }
            if (cdl.UseAbsValues) {
                countTerm = std::fabs(countTerm);
                devTerm = std::fabs(devTerm);
                depthTerm = std::fabs(depthTerm);
            }
            c[ColWeight] =
                core::FixedText(cdl.Count * countTerm + cdl.Deviation * devTerm + cdl.Level * depthTerm, 2, dp);
            c[ColLastDraw] = QString::number(e.LastDraw);
            if (e.Count >= 2) {
                c[ColPeriodMin] = QString::number(e.MinPeriod);
                c[ColPeriod] = core::FixedText(n / e.Count, 4, dp);
                c[ColPeriodMax] = QString::number(e.MaxPeriod);
                c[ColExpectPrd] = QString::number(core::RoundHalfEven(n / e.Count + e.LastDraw));
            }
            if (e.Count >= 1) {
                c[ColExpectStf] = QString::number(
                    core::RoundHalfEven((static_cast<long double>(e.Count) + 1) * e.LastDraw / e.Count));
                c[ColExpectKrn] = QString::number(core::RoundHalfEven((static_cast<long double>(e.Count) + 2) *
                                                                      (static_cast<long double>(e.LastDraw) + 1) /
                                                                      (static_cast<long double>(e.Count) + 1)));
                const std::int32_t fact = nextFound[nextAt++];
                if (fact >= 0) {
                    c[ColFact] = QString::number(fact);
                    c[ColDiffPrd] = core::DiffText(c[ColExpectPrd], fact);
                    c[ColDiffStf] = core::DiffText(c[ColExpectStf], fact);
                    c[ColDiffKrn] = core::DiffText(c[ColExpectKrn], fact);
                }
            }
        }
        table.Rows.push_back(std::move(row));
    }
    return table;
}

StatChart ComputeStatChart(const stats::TCustomStat& stat, const StatTable& table, const StatTableParams& params,
                           bool showTotalLine)
{
    StatChart chart;
    const core::TStatDrawArray& values = table.Values;
    if (values.size() <= 1)
        return chart;
    if (table.Compared && params.FullSet) {
        // One x position per full-set value in file order; the observed count where the window
        // has the value.
        double x = 0;
        for (const FullSetCounts::Record& r : params.FullSet->Records) {
            x += 1;
            core::TStatDrawRec rec;
            rec.Key = r.Key;
            const QString label = stat.ValueToText(rec);
            if (showTotalLine)
                chart.Total.push_back({x, r.Count * table.NormScale, label});
            const auto it =
                std::find_if(values.begin(), values.end(), [&](const core::TStatDrawRec& e) { return e.Key == r.Key; });
            if (it != values.end())
                chart.Actual.push_back({x, double(it->Count), stat.ValueToText(*it)});
        }
        return chart;
    }
    core::TStatDrawArray sorted = values;
    core::StatDrawSort(sorted);
    double x = 0;
    for (const core::TStatDrawRec& e : sorted) {
        x += 1;
        chart.Actual.push_back({x, double(e.Count), stat.ValueToText(e)});
    }
    return chart;
}

TStatValues StatRowText(const StatTableRow& row)
{
    const auto& c = row.Cells;
    TStatValues v;
    v.ValueText = c[ColValue];
    v.CountText = c[ColCount];
    v.CountPct = c[ColCountPct];
    v.DeviationText = c[ColDeviation];
    v.DeviationPct = c[ColDeviationPct];
    v.DepthText = c[ColDepth];
    v.DepthPct = c[ColDepthPct];
    v.WeightText = c[ColWeight];
    v.PeriodMinText = c[ColPeriodMin];
    v.PeriodText = c[ColPeriod];
    v.PeriodMaxText = c[ColPeriodMax];
    return v;
}

} // namespace views
