#pragma once

// What the two test executables of the page "Ставки" share: its menu, the newest draw of the real
// archive and a file of mixed stakes.

#include "StakesFixture.h"

#include <QStringList>

#include <vector>

namespace stakestest {

inline const QStringList kStakeMenu = {
    QStringLiteral("StakeAdd"),          QStringLiteral("StakeAddRandom"),    QStringLiteral("StakeAddSelected"),
    QStringLiteral("StakeAddAll"),       QStringLiteral("SystemStakeFilter"), QStringLiteral("SystemStakeAll"),
    QStringLiteral("StakeDel"),          QStringLiteral("StakeFilter"),       QStringLiteral("StakeClear"),
    QStringLiteral("StakesCheckManual"), QStringLiteral("StakesGraphDraws"),  QStringLiteral("StakesScroll"),
    QStringLiteral("StakesCheckLine"),   QStringLiteral("LogStakes"),         QStringLiteral("LogStakesDelete"),
    QStringLiteral("StakesXlsExport"),
};

// The newest draws of the real archive, in drawn order.
inline constexpr int kLastDraw = 1114;

// A won manual stake, a separator, an unchecked script stake, a lost table stake and an
// unchecked system stake.
inline std::vector<stakes::TStakeRec> MixedStakes()
{
    return {
        Checked(Stake(stakes::KindManual, 1113, {5, 22, 25, 40, 54}, QStringLiteral("Мои числа")), {22, 25, 28, 31, 32},
                80000),
        stakes::StakeSeparator(),
        Stake(stakes::KindScript, 1115, {1, 2, 3, 4, 5}, QStringLiteral("01.001: сценарий"), -20000, 3162510),
        Checked(Stake(stakes::KindTable, 1114, {1, 7, 9, 10, 44}, QStringLiteral("Регуляр")), {7, 8, 11, 31, 35},
                -20000),
        Stake(stakes::KindSystem, 1115, {6, 16, 26, 36, 46}, QStringLiteral("Система"), -20000, 7),
    };
}

} // namespace stakestest
