// vertoma-cli: the analyzer's session without a window, for batch work and automation.

#include "app/CommandLine.h"
#include "app/Session.h"
#include "cli/CliCommands.h"
#include "cli/CliUserIo.h"

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

    cli::CliUserIo io;
    app::Session session(
        io, core::DataFolder(dataDir, QStringLiteral("Vertoma_5x54"), QCoreApplication::applicationDirPath()));
    const QString command = args.takeFirst();
    if (command == QStringLiteral("draws"))
        return cli::RunDraws(session, args);
    if (command == QStringLiteral("status"))
        return cli::RunStatus(session, args);
    if (command == QStringLiteral("methods"))
        return cli::RunMethods(session, args);
    if (command == QStringLiteral("stat"))
        return cli::RunStat(session, args);
    if (command == QStringLiteral("prefetch"))
        return cli::RunPrefetch(session, args);
    if (command == QStringLiteral("generate"))
        return cli::RunGenerate(session, args);
    if (command == QStringLiteral("filter"))
        return cli::RunFilter(session, args);
    cli::printError(cli::UsageText());
    return 2;
}
