// The library's sub-words of "systems" (the list and "download"). This build has no client of
// the maker's library: they refuse and say so.

#include "cli/CliCommands.h"
#include "cli/CliSupport.h"

namespace cli {

int RunSystemsLibrary(app::Session&, const QStringList& args)
{
    QCommandLineParser parser;
    if (const auto end = parseWord(parser, QStringLiteral("systems"), tr("Библиотека систем."), args))
        return *end;
    return refuse(tr("Библиотека систем недоступна в этой сборке."));
}

} // namespace cli
