#pragma once

// The words of the command-line tool. Each returns the process exit code: 0 done, 1 the
// operation failed (a file could not be written), 2 the input was refused.

#include <QStringList>

namespace app {
class Session;
}

namespace cli {

int RunDraws(app::Session& session, QStringList args);
int RunStatus(app::Session& session, QStringList args);
int RunMethods(app::Session& session, QStringList args);
int RunStat(app::Session& session, QStringList args);
int RunPrefetch(app::Session& session, QStringList args);
int RunGenerate(app::Session& session, QStringList args);
int RunFilter(app::Session& session, QStringList args);
QString UsageText();

} // namespace cli
