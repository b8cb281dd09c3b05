#pragma once

// What the record access of StakesFile.cpp and the changes of StakesFileUpdate.cpp share.
// Private to the stakes file.

#include "stakes/StakeRecord.h"

#include <QString>

#include <cstddef>

namespace stakes::detail {

// Records moved per block when the file is streamed: about 1.2 MiB.
inline constexpr qint64 BlockRecords = 4096;
inline constexpr std::size_t PendingLimit = std::size_t(BlockRecords) * StakeRecSize;

QString notOpen();
// The text of errno.
QString systemError();
// Makes a rename or a new file in the folder durable.
void syncFolderOf(const QString& filePath);

} // namespace stakes::detail
