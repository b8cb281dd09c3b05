#pragma once

// The whole records of a stakes file, read straight from the disk: what a word or a controller
// really stored.

#include "TestHelpers.h"
#include "stakes/StakeRecord.h"

#include <QString>

#include <vector>

namespace testsupport {

inline std::vector<stakes::TStakeRec> ReadStakes(const QString& path)
{
    const QByteArray bytes = ReadFile(path);
    std::vector<stakes::TStakeRec> records;
    for (qsizetype at = 0; at + stakes::StakeRecSize <= bytes.size(); at += stakes::StakeRecSize)
        records.push_back(stakes::StakeFromBytes(bytes.constData() + at));
    return records;
}

} // namespace testsupport
