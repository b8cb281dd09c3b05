#pragma once

#include <QString>

namespace core {

// The running program's version: four numbers "major.minor.patch.build", the build last. Only
// the build counts when a release is compared with the running one.
QString ProgramVersion();

} // namespace core
