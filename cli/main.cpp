// vertoma-cli: the analyzer's session without a window, for batch work and automation.

#include "app/CommandLine.h"
#include "app/Session.h"
#include "cli/CliCommands.h"
#include "cli/CliSupport.h"
#include "cli/CliUserIo.h"
#include "core/Version.h"

#include <QCoreApplication>
#include <QDir>

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    QStringList args = application.arguments().mid(1);

    QString dataDir = QCoreApplication::applicationDirPath();
    const qsizetype dirAt = args.indexOf(QStringLiteral("--data-dir"));
    if (dirAt >= 0) {
        if (dirAt + 1 >= args.size()) {
            cli::printError(cli::UsageText());
            return 2;
        }
        dataDir = args[dirAt + 1];
        args.remove(dirAt, 2);
    }
    if (!QDir(dataDir).exists()) {
        cli::printError(QCoreApplication::translate("cli", "Каталог данных не найден: %1").arg(dataDir));
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

    cli::CliUserIo io;
    app::Session session(
        io, core::DataFolder(dataDir, QStringLiteral("Vertoma_5x54"), QCoreApplication::applicationDirPath()));
    return word->run(session, args.mid(1));
}
