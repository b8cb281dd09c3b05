#pragma once

// The detail rows of one draw or one combination: its number and date when it is a draw, then
// the value of every chartable statistic for its five numbers, in the order of the method list.

#include "core/GameTypes.h"

#include <QString>

#include <optional>
#include <vector>

namespace stats {
class TStatList;
}

namespace views {

struct DetailRow
{
    QString Caption;
    QString Value;
};

struct DetailSubject
{
    core::TComb Numbers;         // as shown: ascending when the draws are shown sorted
    int DrawNum = -1;            // < 0: no number row
    std::optional<QString> Date; // absent: no date row
    bool Sorted = false;
    // The archive index the numbers came from (-1 for a combination) and the end of the
    // window the statistics look back from.
    int Index = -1;
    int LastIndex = -1;
};

std::vector<DetailRow> DetailRows(const stats::TStatList& list, const DetailSubject& subject);

// The subject for the draw at an archive index, as the draw list shows it.
DetailSubject DrawDetailSubject(const core::TDrawsArray& draws, int index, bool sorted);
// The subject for a candidate combination placed after the analysis point at lastIndex.
DetailSubject CombDetailSubject(const core::TComb& comb, int lastIndex, bool sorted);

} // namespace views
