#pragma once

// The window of draws an analysis looks at: the newest draws up to the analysis point. The
// offset hides that many of the newest draws; the window then reaches back its length from
// the analysis point, never before the oldest draw.

#include "core/GameTypes.h"

#include <algorithm>
#include <cstdint>

namespace views {

struct DrawWindow
{
    int First = 0;
    int Last = -1; // array index of the analysis point; Last < First: no draws
    bool IsEmpty() const { return Last < First; }
    int Size() const { return IsEmpty() ? 0 : Last - First + 1; }
};

inline DrawWindow AnalysisWindow(int drawCount, int drawsOffset, int length)
{
    DrawWindow w;
    w.Last = drawCount - 1 - std::max(0, drawsOffset);
    if (w.Last < 0 || length < 1) {
        w.Last = -1;
        return w;
    }
    w.First = int(std::max<std::int64_t>(0, std::int64_t(w.Last) - length + 1));
    return w;
}

} // namespace views
