#include "core/Version.h"

namespace core {

QString ProgramVersion()
{
    return QStringLiteral(VERTOMA_FULL_VERSION);
}

} // namespace core
