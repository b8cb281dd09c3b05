#pragma once

// The factories of the statistic families, by class name. Each family source lists its
// classes; the registry attaches the factories to its descriptors.

#include "stats/StatClass.h"

#include <vector>

namespace stats {

struct FactoryEntry
{
    const char* ClassName;
    StatFactory Create;
};

const std::vector<FactoryEntry>& NumberStatFactories();
const std::vector<FactoryEntry>& SumStatFactories();
const std::vector<FactoryEntry>& DiffStatFactories();
const std::vector<FactoryEntry>& ChannelStatFactories();
const std::vector<FactoryEntry>& MatrixStatFactories();
const std::vector<FactoryEntry>& SegmentStatFactories();
const std::vector<FactoryEntry>& SequenceStatFactories();  // sequences and repeats
const std::vector<FactoryEntry>& CombValueStatFactories(); // combined values
const std::vector<FactoryEntry>& SerialStatFactories();    // characteristic numbers, series, periods
const std::vector<FactoryEntry>& ChainStatFactories();     // transitions
const std::vector<FactoryEntry>& ShreddingStatFactories();

} // namespace stats
