// The tool's words for the self-update: "update check" says what the update source offers,
// "update install" installs it as the dialog's "Установить" would.

#include "app/Session.h"
#include "app/UpdateController.h"
#include "app/WebController.h"
#include "cli/CliCommands.h"
#include "cli/CliSupport.h"
#include "cli/CliUserIo.h"

namespace cli {

namespace {

// The update replaces files of the installation, so it runs only while no other instance
// holds the data folder.
bool prepare(app::Session& session)
{
    if (!session.takeExclusiveHold())
        return false;
    session.web().loadSettings();
    return true;
}

int check(app::Session& session, const QStringList& args)
{
    QCommandLineParser parser;
    if (const auto end = parseWord(parser, QStringLiteral("update check"),
                                   tr("Поиск обновлений программы: что предлагает источник обновлений."), args, 0))
        return *end;
    if (!prepare(session))
        return kFailed;
    app::UpdateController& update = session.update();
    online::UpdateSearch found;
    QString error;
    if (!update.search(update.defaultSource(), found, &error)) {
        printError(tr("Ошибка поиска обновлений!\n\n%1").arg(error));
        return kFailed;
    }
    if (!found.exists) {
        printLine(tr("Обновлений не найдено!"));
        return 0;
    }
    printLine(tr("Текущая версия программы: %1").arg(update.currentVersion()));
    printLine(tr("Новая версия программы: %1").arg(found.info.Description));
    printLine(tr("Номер версии: %1").arg(found.info.VerId));
    printLine(tr("Описание версии:"));
    for (const QString& line : std::as_const(found.notes))
        printLine(line);
    return 0;
}

int install(app::Session& session, const QStringList& args)
{
    QCommandLineParser parser;
    if (const auto end = parseWord(parser, QStringLiteral("update install"),
                                   tr("Установить найденное обновление программы."), args, 0))
        return *end;
    if (!prepare(session))
        return kFailed;
    app::UpdateController& update = session.update();
    if (!update.installWritable()) {
        printError(update.packageManaged());
        return kFailed;
    }
    static_cast<CliUserIo&>(session.io()).setAnswers({true});
    const auto result = update.selfUpdateRun(update.defaultSource(), false, update.language());
    return result == app::UpdateController::Failed ? kFailed : 0;
}

} // namespace

int RunUpdate(app::Session& session, const QStringList& args)
{
    const QString sub = args.value(0);
    if (sub == QLatin1String("check"))
        return check(session, args.mid(1));
    if (sub == QLatin1String("install"))
        return install(session, args.mid(1));
    if (sub == QLatin1String("--help") || sub == QLatin1String("-h")) {
        printLine(tr("Самообновление программы:\n  update check    что предлагает источник обновлений\n"
                     "  update install  установить найденное обновление"));
        return 0;
    }
    return refuse(tr("Укажите действие: update check или update install."));
}

} // namespace cli
