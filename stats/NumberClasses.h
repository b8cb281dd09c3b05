#pragma once

// Classes of numbers that several statistic families share.

#include "core/GameTypes.h"

namespace stats {

inline constexpr bool IsEven(int n)
{
    return n % 2 == 0;
}

// The first half of 1..54.
inline constexpr bool IsSmall(int n)
{
    return n <= core::NumberCount / 2;
}

// 1 counts as prime here, as everywhere in the program: 17 of the numbers 1..54.
inline constexpr bool IsPrime(int n)
{
    switch (n) {
    case 1:
    case 2:
    case 3:
    case 5:
    case 7:
    case 11:
    case 13:
    case 17:
    case 19:
    case 23:
    case 29:
    case 31:
    case 37:
    case 41:
    case 43:
    case 47:
    case 53:
        return true;
    default:
        return false;
    }
}

} // namespace stats
