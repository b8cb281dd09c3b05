#include "stats/Families.h"

namespace stats {

const std::vector<FactoryEntry>& CombValueStatFactories()
{
    static const std::vector<FactoryEntry> list;
    return list;
}

} // namespace stats
