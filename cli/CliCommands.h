#pragma once

// The words of the command-line tool. Each returns the process exit code: 0 done, 1 the
// operation failed (a file could not be written), 2 the input was refused.

#include <QStringList>

#include <span>

namespace app {
class Session;
}

namespace cli {

struct Word
{
    const char* name;
    // The usage line after "vertoma-cli [--data-dir DIR] ".
    const char* synopsis;
    int (*run)(app::Session& session, const QStringList& args);
};

// Every word in the order the usage lists them.
std::span<const Word> Words();
const Word* FindWord(const QString& name);
QString UsageText();
// Whether the word the arguments name runs long enough to show its progress on a terminal.
bool ShowsProgress(const QStringList& args);

int RunDraws(app::Session& session, const QStringList& args);
// The sub-words "draws download", "draws export" and "draws import".
int RunDrawsDownload(app::Session& session, const QStringList& args);
int RunDrawsExport(app::Session& session, const QStringList& args);
int RunDrawsImport(app::Session& session, const QStringList& args);
int RunStatus(app::Session& session, const QStringList& args);
int RunMethods(app::Session& session, const QStringList& args);
int RunStat(app::Session& session, const QStringList& args);
int RunPrefetch(app::Session& session, const QStringList& args);
int RunGenerate(app::Session& session, const QStringList& args);
int RunFilter(app::Session& session, const QStringList& args);
int RunStakes(app::Session& session, const QStringList& args);
int RunRatings(app::Session& session, const QStringList& args);
int RunTables(app::Session& session, const QStringList& args);
int RunScript(app::Session& session, const QStringList& args);
int RunRatingsToScript(app::Session& session, const QStringList& args);
int RunGraph(app::Session& session, const QStringList& args);
int RunLayout(app::Session& session, const QStringList& args);
int RunWeek(app::Session& session, const QStringList& args);
int RunRepeats(app::Session& session, const QStringList& args);
int RunInfo(app::Session& session, const QStringList& args);
int RunSums(app::Session& session, const QStringList& args);
int RunExport(app::Session& session, const QStringList& args);
// "systems local", "systems play", "systems verify"; any other sub-word goes to the library's.
int RunSystems(app::Session& session, const QStringList& args);
// The library's sub-words: the bare "systems" (the list) and "systems download".
int RunSystemsLibrary(app::Session& session, const QStringList& args);
// "systems make" and "systems reference".
int MakeSystem(app::Session& session, const QStringList& args);
int ListReference(const QStringList& args);
// "folders": the data folder, the help file and the language modules found.
int RunFolders(app::Session& session, const QStringList& args);

// The catalogue of scripts: the bare "library" (the list) and "library get", "publish",
// "replace", "delete", "rate", "rates".
int RunScriptsLibrary(app::Session& session, const QStringList& args);

// "update check" and "update install".
int RunUpdate(app::Session& session, const QStringList& args);

} // namespace cli
