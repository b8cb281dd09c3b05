// The tool's words for the library of wheeling systems on the service host: "systems" lists
// it, "systems download ID..." stores systems in the folder "Systems".

#include "app/Languages.h"
#include "app/OnlineService.h"
#include "app/Session.h"
#include "app/WebController.h"
#include "cli/CliCommands.h"
#include "cli/CliSupport.h"
#include "cli/CliUserIo.h"
#include "online/Conventions.h"
#include "online/SystemsLibrary.h"
#include "stakes/SystemFile.h"

#include <QDir>
#include <QFileInfo>

#include <map>

namespace cli {

namespace {

QString systemsFolder(const app::Session& session)
{
    return session.folder().file(QStringLiteral("Systems"));
}

// The library as the configuration names it; nullopt (the reason printed) when the settings or
// the identity could not be read.
std::optional<online::SystemsLibrary> openLibrary(app::Session& session)
{
    session.web().loadSettings();
    QString error;
    auto service = app::OpenOnlineService(session.services(), session.web(), app::kNativeLanguage, error);
    if (!service) {
        printError(tr("Ошибка чтения файла конфигурации!\n\n%1").arg(error));
        return std::nullopt;
    }
    return online::SystemsLibrary(std::move(service->client), std::move(service->identity));
}

bool fetchList(const online::SystemsLibrary& library, std::vector<online::tSystemData>& systems)
{
    QString error;
    if (library.list(systems, nullptr, &error))
        return true;
    printError(tr("Ошибка загрузки списка систем!\n\n%1").arg(error));
    return false;
}

int listSystems(app::Session& session, const QStringList& args)
{
    QCommandLineParser parser;
    if (const auto end = parseWord(parser, QStringLiteral("systems"), tr("Список систем библиотеки на сервере."), args, 0))
        return *end;
    const auto library = openLibrary(session);
    if (!library)
        return kFailed;
    std::vector<online::tSystemData> systems;
    if (!fetchList(*library, systems))
        return kFailed;
    const QString folder = systemsFolder(session);
    printLine(QStringList{tr("Код"), tr("Название"), tr("Автор"), tr("Числа"), tr("Блок"), tr("Комбинаций"),
                          tr("Дата создания"), tr("Статус"), tr("Загрузок"), tr("Последняя"), tr("Свой"),
                          tr("Комментарии"), tr("Ссылка")}
                  .join(u'\t'));
    const QString mine = library->identity().cl_mail;
    for (const online::tSystemData& s : systems) {
        const bool local = stakes::SystemFileExists(folder, s);
        // One line per system: line breaks and tabs of the description become blanks.
        QString descr = s.descr;
        descr.replace(u'\t', u' ').replace(u'\r', u' ').replace(u'\n', u' ');
        printLine(QStringList{QString::number(s.id), s.title, s.author,
                              QStringLiteral("%1").arg(s.nums, 2, 10, QLatin1Char('0')), QString::number(s.olap),
                              QString::number(s.csize), online::TimeText(s.created), local ? tr("Загружена") : QString(),
                              QString::number(s.downloads), online::TimeText(s.last_download),
                              online::SameMail(s.cl_mail, mine) ? tr("да") : QString(), descr, s.url}
                      .join(u'\t'));
    }
    return 0;
}

int downloadSystems(app::Session& session, const QStringList& args)
{
    QCommandLineParser parser;
    parser.addPositionalArgument(QStringLiteral("ID"), tr("Коды систем в библиотеке."));
    if (const auto end = parseWord(parser, QStringLiteral("systems download"),
                                   tr("Загрузить системы из библиотеки в папку Systems."), args))
        return *end;
    const QStringList words = parser.positionalArguments();
    if (words.isEmpty())
        return refuse(tr("Укажите коды загружаемых систем."));
    std::vector<int> ids;
    for (const QString& w : words) {
        const auto id = parseInt(w, 1, std::numeric_limits<int>::max());
        if (!id)
            return refuse(tr("Некорректный код системы: %1").arg(w));
        ids.push_back(*id);
    }
    const auto library = openLibrary(session);
    if (!library)
        return kFailed;
    std::vector<online::tSystemData> systems;
    if (!fetchList(*library, systems))
        return kFailed;
    std::map<int, const online::tSystemData*> byId;
    for (const online::tSystemData& s : systems)
        byId[s.id] = &s;
    for (const int id : ids)
        if (!byId.count(id))
            return refuse(tr("Система #%1 не найдена в библиотеке.").arg(id));

    int result = 0;
    for (const int id : ids) {
        const online::tSystemData& s = *byId[id];
        QString lines, error;
        QStringList removed;
        if (!library->fetchLines(id, lines, &error) ||
            !stakes::SystemStore(systemsFolder(session), s, lines, &error, &removed)) {
            printError(tr("Ошибка загрузки системы #%1!\n\n%2").arg(id).arg(error));
            result = kFailed;
            continue;
        }
        for (const QString& other : removed)
            printLine(tr("Удалена: %1").arg(QFileInfo(other).fileName()));
        printLine(tr("Загружена: %1").arg(QDir::toNativeSeparators(stakes::SystemFilePath(systemsFolder(session), s))));
    }
    return result;
}

} // namespace

int RunSystemsLibrary(app::Session& session, const QStringList& args)
{
    if (!args.isEmpty() && args.first() == QStringLiteral("download"))
        return downloadSystems(session, args.mid(1));
    return listSystems(session, args);
}

} // namespace cli
