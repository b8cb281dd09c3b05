// vertoma-cli: the analyzer's session without a window, for batch work and automation.

#include "app/CommandLine.h"
#include "app/Languages.h"
#include "app/Session.h"
#include "cli/CliCommands.h"
#include "cli/CliSupport.h"
#include "cli/CliUserIo.h"
#include "core/DataLocation.h"
#include "core/Version.h"

#include <QCoreApplication>
#include <QDir>

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    QStringList args = application.arguments().mid(1);

    QString dataDirArg;
    bool dataDirMissing = false;
    const qsizetype dirAt = args.indexOf(QStringLiteral("--data-dir"));
    if (dirAt >= 0) {
        if (dirAt + 1 >= args.size() || args[dirAt + 1].isEmpty()) {
            dataDirMissing = true;
        } else {
            dataDirArg = args[dirAt + 1];
            args.remove(dirAt, 2);
        }
    }
    // A folder named on the command line must exist; the default one is made on first use, as the
    // window does.
    const core::DataLocation::Choice place =
        core::DataLocation::choose(dataDirArg, core::DataLocation::probe(QCoreApplication::applicationDirPath()));
    const core::DataFolder folder(place.Dir, QStringLiteral("Vertoma_5x54"), QCoreApplication::applicationDirPath());
    // The messages, captions and help speak the user's language, from the module the window
    // would load; without it, and in the native language, the texts stay as they are built in
    // (Qt's own included: scripts read them as they always were).
    app::LanguageSwitcher languages;
    const int language = app::MessagesLanguage(qgetenv("LC_ALL"), qgetenv("LC_MESSAGES"), qgetenv("LANG"));
    if (language != app::kNativeLanguage)
        languages.select(folder, language);
    if (dataDirMissing) {
        cli::printError(cli::UsageText());
        return 2;
    }
    if (place.FromArgument && !QDir(place.Dir).exists()) {
        cli::printError(QCoreApplication::translate("cli", "Каталог данных не найден: %1").arg(dataDirArg));
        return 2;
    }
    if (args.isEmpty()) {
        cli::printError(cli::UsageText());
        return 2;
    }
    if (args.first() == QStringLiteral("--help") || args.first() == QStringLiteral("-h")) {
        cli::printLine(cli::UsageText());
        return 0;
    }
    if (args.first() == QStringLiteral("--version")) {
        cli::printLine(QStringLiteral("vertoma-cli ") + core::ProgramVersion());
        return 0;
    }
    const cli::Word* word = cli::FindWord(args.first());
    if (!word) {
        cli::printError(cli::UsageText());
        return 2;
    }

    QString placeError;
    if (!core::DataLocation::ensure(place, &placeError)) {
        cli::printError(placeError);
        return 1;
    }
    cli::CliUserIo io;
    io.progress().setShown(cli::ShowsProgress(args));
    app::Session session(io, folder);
    const int result = word->run(session, args.mid(1));
    // An error box means something was not done or not stored, whatever the word printed.
    return result == 0 && io.errorsShown() > 0 ? 1 : result;
}
