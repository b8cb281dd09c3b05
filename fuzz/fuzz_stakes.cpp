// The stakes file: any bytes must open, be inspected, listed, searched, checked and drawn
// without a crash or a wrapped sum, and the check must leave whole records behind.
#include "core/GameTypes.h"
#include "stakes/StakesCheck.h"
#include "stakes/StakesFile.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Vertoma_5x54.lsk"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        file.write(reinterpret_cast<const char*>(data), qint64(size));
    }
    stakes::StakesFile file(path);
    QString error;
    if (!file.open(&error))
        return 0;
    const stakes::FileState state = file.inspect(&error);
    if (state == stakes::FileState::TornTail)
        file.cutTail(&error);
    if (state == stakes::FileState::Outdated) {
        // An outdated file shows no stakes and takes none until it is emptied, as the start-up does.
        stakes::TStakeRec rec;
        if (file.count() != 0 || file.peek(0, rec, &error) || file.append(stakes::StakeSeparator(), &error))
            std::abort();
        file.truncate(&error);
    }

    core::TDrawsArray draws(3);
    for (int i = 0; i < 3; ++i) {
        draws[std::size_t(i)].Num = i + 1;
        for (int k = 0; k < 5; ++k)
            draws[std::size_t(i)].Values[k] = std::uint8_t(1 + i + 10 * k);
    }
    core::TConfigData config;
    config.Cost = 20000;
    config.Profits = {{3, 100000}, {5, 10000000}};

    const qint64 count = file.count();
    file.scan(
        0,
        [&](qint64 i, const stakes::TStakeRec& rec) {
            for (int c = 0; c < stakes::StakeColumnCount; ++c)
                stakes::StakeCellText(rec, c, QStringLiteral(","));
            file.contains(rec.DrawNum, rec.Numbers, &error);
            stakes::TStakeRec again;
            if (i % 7 == 0 && file.peek(i, again, &error) && std::memcmp(&again, &rec, sizeof rec) != 0)
                std::abort();
            return true;
        },
        &error);
    int checked = 0;
    stakes::StakesCheck(file, draws, config, {}, checked, &error);
    if (file.count() != count)
        std::abort();
    stakes::RecentDraws recent;
    stakes::StakesSeekRecentDraws(file, 2, recent, &error);
    stakes::ProfitByDrawGraph(file, QString(), &error);
    stakes::CommentStakesGraph(file, {QStringLiteral("c")}, stakes::StakeGraphValue::Profit, QString(), &error);
    file.append(stakes::StakeSeparator(), &error);
    file.rewrite([](qint64 i, const stakes::TStakeRec&) { return i % 2 == 0; }, &error);
    file.close(&error);
    if (QFile(path).size() % stakes::StakeRecSize != 0)
        std::abort();
    return 0;
}
