#pragma once

// Wheeling systems on this computer: files in the folder "Systems", one per number of numbers,
// each line five positions 1..N. Played with N chosen numbers, a position stands for the number
// at that place of the list.

#include "core/GameTypes.h"

#include <QString>

namespace stakes {

// "5-12-3_0042.dat" for a system of 12 numbers, block 3, library id 42.
QString SystemFileName(int nums, int olap, int id);
// The file names a system for n numbers matches: "5-12-*_*.dat".
QString SystemFileMask(int nums);

struct SystemExpansion
{
    bool Found = false;   // a file for the count of numbers exists
    QString File;         // its path
    QString Message;      // why there is no result: the lookup's message
    core::TCombsArray Combs; // in the file's order, not sorted
};

// Expands the first system file for numbers.size() numbers in the folder. Found is false when
// there is none. With a file, Combs is empty and Message says why when a line does not hold
// five positions 1..N.
SystemExpansion SystemExpand(const QString& folder, const core::TByteArray& numbers);

} // namespace stakes
