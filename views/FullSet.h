#pragma once

// Full-set files: the distribution of one statistic method over all 3,162,510 combinations,
// kept on disk so the expected counts of the statistics table need not be recomputed.
//
// "Prefetchs/<base>_<code>.dfc", little-endian, no header: 12 bytes per value (the key as four
// u16, then the count as i32), ascending by key, then a 12-byte trailer (smallest count,
// largest count, 0). The file depends only on the method and the settings, never on the draws.

#include "core/DataFolder.h"
#include "core/GameTypes.h"
#include "stats/StatList.h"
#include "views/StatTable.h"

#include <QByteArray>
#include <QString>

#include <functional>

namespace views {

inline constexpr int kFullSetRecordSize = 12;

QString FullSetPath(const core::DataFolder& folder, const QString& code);

// All combinations in lexicographic order, built once.
const core::TCombsArray& FullCombinationSet();

// The distribution of the method over the full set, ascending by key, with the smallest and
// largest count. Uses both cores: each half of the set is counted by its own instance.
FullSetCounts ComputeFullSet(const stats::TStatList& list, int method);

QByteArray FullSetFileBytes(const FullSetCounts& counts);
// False with an error for a length that is not whole records or lacks the trailer.
bool ParseFullSetBytes(const QByteArray& bytes, FullSetCounts& counts, QString* error);
bool WriteFullSetFile(const QString& path, const FullSetCounts& counts, QString* error);
// An empty file reads as empty counts (true); the caller rebuilds it.
bool ReadFullSetFile(const QString& path, FullSetCounts& counts, QString* error);

} // namespace views
