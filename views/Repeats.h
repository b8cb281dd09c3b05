#pragma once

// The repeats analysis: for each of the newest draws of the whole archive, how many of the
// draws before it (up to a depth) shared 1, 2, 3... numbers with it, and which draws they were.

#include "core/GameTypes.h"
#include "core/GraphData.h"

#include <QString>

#include <functional>
#include <vector>

namespace views {

struct RepeatsRow
{
    std::int32_t DrawNum = 0;
    int Matches = 0;                 // numbers shared
    int Count = 0;                   // earlier draws that share that many
    std::vector<std::int32_t> Draws; // their numbers, nearest first

    QString drawsText() const;
};

struct RepeatsResult
{
    // Newest draw first; for one draw, in order of first appearance of each match count.
    std::vector<RepeatsRow> Rows;
    int MaxMatches = 0;
};

// length: how many of the newest draws are analysed; deep: how many draws before each are
// compared with it. step, when given, hears the number of draws analysed so far.
RepeatsResult ComputeRepeats(const core::TDrawsArray& draws, int length, int deep,
                             const std::function<void(int)>& step = {});

QString RepeatsSeriesTitle(int matches);
// One line per match count 1..MaxMatches: (draw number, repeat count) for every row, oldest
// draw first. The colours are left to the window.
core::GraphData RepeatsSeries(const RepeatsResult& result);

} // namespace views
