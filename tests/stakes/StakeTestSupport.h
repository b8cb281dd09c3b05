#pragma once

// Stakes, configurations and files the stakes tests share.

#include "core/GameTypes.h"
#include "stakes/StakeRecord.h"

#include <initializer_list>

namespace stakestest {

inline core::TValueSet Numbers(std::initializer_list<int> values)
{
    core::TValueSet set;
    for (int v : values)
        set.Values[set.Count++] = std::uint8_t(v);
    return set;
}

// Cost 2 with prizes 10 for three matches and 1000 for five.
inline core::TConfigData PrizeConfig()
{
    core::TConfigData config;
    config.Cost = 20000;
    config.Profits = {{3, 100000}, {5, 10000000}};
    return config;
}

inline stakes::TStakeRec Stake(int drawNum, std::initializer_list<int> values, const char* comment = "c",
                               const core::TConfigData& config = PrizeConfig())
{
    return stakes::NewStake(stakes::KindManual, drawNum, Numbers(values), 100, QString::fromUtf8(comment), config);
}

} // namespace stakestest
