#include "views/DrawDetail.h"

#include "core/DrawArchive.h"
#include "core/TextForms.h"
#include "stats/StatList.h"

#include <QCoreApplication>

namespace views {

std::vector<DetailRow> DetailRows(const stats::TStatList& list, const DetailSubject& subject)
{
    std::vector<DetailRow> rows;
    if (subject.DrawNum >= 0)
        rows.push_back({QCoreApplication::translate("views", "Номер тиража:"), QString::number(subject.DrawNum)});
    if (subject.Date)
        rows.push_back({QCoreApplication::translate("views", "Дата тиража:"), *subject.Date});
    for (int i = 0; i < list.Count(); ++i) {
        const stats::StatClass& cls = *list.Items(i).Class;
        if (!cls.IsGraph() || !cls.IsListed() || !cls.IsAvailable())
            continue;
        const auto stat = list.CreateStat(i);
        auto* graph = dynamic_cast<stats::TCustomGraphStat*>(stat.get());
        if (!graph)
            continue;
        QString value;
        try {
            value =
                QString::number(graph->CombValue(subject.Numbers.v, subject.Index, subject.Sorted, subject.LastIndex));
        } catch (const core::EConvertError& e) {
            // One statistic that cannot be computed (a broken user formula) leaves the others.
            value = e.message();
        }
        rows.push_back({graph->GetName(), value});
    }
    return rows;
}

DetailSubject DrawDetailSubject(const core::TDrawsArray& draws, int index, bool sorted)
{
    DetailSubject s;
    if (index < 0 || std::size_t(index) >= draws.size())
        return s;
    const core::TDrawRec& draw = draws[std::size_t(index)];
    s.Numbers = core::ShownNumbers(draw, sorted);
    s.DrawNum = draw.Num;
    s.Date = core::DrawDateText(draw);
    s.Sorted = sorted;
    s.Index = index;
    s.LastIndex = index;
    return s;
}

DetailSubject CombDetailSubject(const core::TComb& comb, int lastIndex, bool sorted)
{
    DetailSubject s;
    s.Numbers = comb;
    s.Sorted = sorted;
    // A combination comes from no draw of the archive; the statistics that need earlier
    // draws treat it as such, and none reads a key number it does not have.
    s.Index = -1;
    s.LastIndex = lastIndex;
    return s;
}

} // namespace views
