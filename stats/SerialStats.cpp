#include "stats/Families.h"

namespace stats {

const std::vector<FactoryEntry>& SerialStatFactories()
{
    static const std::vector<FactoryEntry> list;
    return list;
}

} // namespace stats
