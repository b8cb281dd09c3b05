// The tool's words for the online catalogue of scripts on the service host: "library" lists it,
// "library get" downloads a script into the current script, "library publish", "library
// replace" and "library delete" work on the user's own scripts, "library rate" and "library
// rates" on the users' ratings.

#include "app/Languages.h"
#include "app/OnlineScripts.h"
#include "app/ScriptController.h"
#include "app/Session.h"
#include "app/WebController.h"
#include "cli/CliCommands.h"
#include "cli/CliSupport.h"
#include "cli/CliUserIo.h"
#include "core/IniFile.h"
#include "online/Conventions.h"

#include <QDir>

namespace cli {

namespace {

// One line per value: line breaks and tabs become blanks.
QString oneLine(QString text)
{
    text.replace(u'\t', u' ').replace(u'\r', u' ').replace(u'\n', u' ');
    return text;
}

// The catalogue as the configuration and the window state name it; the panel's reloads after
// an operation are left out, the words print what they did.
app::OnlineScripts& prepare(app::Session& session)
{
    session.web().loadSettings();
    app::OnlineScripts& library = session.script().library();
    core::IniFile state(session.folder().stateFile());
    state.load();
    library.readState(state);
    library.setShownForRun(false);
    return library;
}

std::optional<int> scriptId(const QString& text)
{
    return parseInt(text, 1, std::numeric_limits<int>::max());
}

// Loads every script the user may see and finds one; the exit code when it is not there.
std::optional<int> findRow(app::OnlineScripts& library, int id, int& row)
{
    if (!library.load(online::kScriptFilterAll))
        return kFailed;
    row = library.rowOfId(id);
    if (row < 0)
        return refuse(tr("Сценарий #%1 не найден в каталоге.").arg(id));
    return std::nullopt;
}

// The start of the words on one script: the word's arguments with the script's id first, then
// its row among every script the user may see. The exit code when the word ends here.
std::optional<int> wordOnScript(app::Session& session, QCommandLineParser& parser, const QString& word,
                                const QString& synopsis, const QStringList& args, int& id, int& row)
{
    parser.addPositionalArgument(QStringLiteral("ID"), tr("Код сценария в каталоге."));
    if (const auto end = parseWord(parser, word, synopsis, args, 1))
        return *end;
    const auto given = scriptId(parser.positionalArguments().value(0));
    if (!given)
        return refuse(tr("Укажите код сценария в каталоге."));
    id = *given;
    return findRow(prepare(session), id, row);
}

// The options the words publish and replace share.
struct PropertyOptions
{
    QCommandLineOption title = valueOption(QStringLiteral("title"), tr("Название сценария."), QStringLiteral("T"));
    QCommandLineOption descr = valueOption(QStringLiteral("descr"), tr("Описание сценария."), QStringLiteral("D"));
    QCommandLineOption author =
        valueOption(QStringLiteral("author"), tr("Автор (по умолчанию имя пользователя)."), QStringLiteral("NAME"));
    QCommandLineOption publics{QStringLiteral("public"), tr("Сценарий виден всем пользователям.")};
    QCommandLineOption privates{QStringLiteral("private"), tr("Сценарий виден только мне.")};
    QCommandLineOption universal{QStringLiteral("universal"), tr("В любом приложении Numeko.")};
    QCommandLineOption single{QStringLiteral("single"), tr("Только в этой программе.")};

    void addTo(QCommandLineParser& parser) const
    {
        parser.addOptions({title, descr, author, publics, privates, universal, single});
    }
    // The given options over the properties; the refusal's exit code for contradicting ones.
    std::optional<int> apply(const QCommandLineParser& parser, online::tScriptData& data) const
    {
        if (parser.isSet(publics) && parser.isSet(privates))
            return refuse(tr("Укажите только один из ключей --public и --private."));
        if (parser.isSet(universal) && parser.isSet(single))
            return refuse(tr("Укажите только один из ключей --universal и --single."));
        if (const auto v = optionValue(parser, title))
            data.title = *v;
        if (const auto v = optionValue(parser, descr))
            data.descr = *v;
        if (const auto v = optionValue(parser, author))
            data.author = *v;
        if (parser.isSet(publics) || parser.isSet(privates))
            data.publics = parser.isSet(publics);
        if (parser.isSet(universal) || parser.isSet(single))
            data.universal = parser.isSet(universal);
        return std::nullopt;
    }
};

// The dialog's checks, title on the host included; the exit code when they refuse.
std::optional<int> check(app::OnlineScripts& library, const online::tScriptData& data)
{
    switch (library.checkProperties(data)) {
    case app::ScriptPropertiesVerdict::Accepted:
        return std::nullopt;
    case app::ScriptPropertiesVerdict::CheckFailed:
        return kFailed;
    case app::ScriptPropertiesVerdict::BadTitle:
    case app::ScriptPropertiesVerdict::BadAuthor:
        break;
    }
    return kRefused;
}

// The working copy is read and written under the exclusive hold.
bool holdScript(app::Session& session)
{
    if (!session.takeExclusiveHold())
        return false;
    session.script().loadWorkingCopy();
    return true;
}

// What publishing and replacing need before the upload: the hold on the working copy, a script
// with lines and properties the checks accept; the exit code when something is missing.
std::optional<int> readyToUpload(app::Session& session, app::OnlineScripts& library, const online::tScriptData& data)
{
    if (!holdScript(session))
        return kFailed;
    if (!library.canUpload())
        return refuse(tr("Текущий сценарий не содержит ни одной строки."));
    return check(library, data);
}

int listScripts(app::Session& session, const QStringList& args)
{
    QCommandLineParser parser;
    const QCommandLineOption filterOption = valueOption(
        QStringLiteral("filter"), tr("Фильтр каталога 0..7 (по умолчанию как в окне программы)."), QStringLiteral("N"));
    parser.addOption(filterOption);
    if (const auto end = parseWord(parser, QStringLiteral("library"), tr("Online каталог сценариев."), args, 0))
        return *end;
    app::OnlineScripts& library = prepare(session);
    int filter = library.filter();
    if (const auto text = optionValue(parser, filterOption)) {
        const auto value = parseInt(*text, 0, online::kScriptFilterCount - 1);
        if (!value)
            return refuse(tr("Фильтр каталога - число от 0 до %1: %2").arg(online::kScriptFilterCount - 1).arg(*text));
        filter = *value;
    }
    if (!library.load(filter))
        return kFailed;
    printLine(QStringList{tr("Код"), tr("Тип"), tr("Название"), tr("Автор"), tr("Программа"), tr("Версия"), tr("Язык"),
                          tr("Создан"), tr("Рейтинг"), tr("Оценок"), tr("Ваша оценка"), tr("Загрузок"), tr("Последняя"),
                          tr("Доступ"), tr("Комментарии")}
                  .join(u'\t'));
    for (const online::tScriptInfo& s : library.rows()) {
        QString access = s.publics ? tr("публичный") : tr("личный");
        if (!s.usable)
            access += tr(", для другой программы");
        printLine(QStringList{QString::number(s.id), app::OnlineScripts::kindText(s), oneLine(s.title),
                              oneLine(s.author), app::OnlineScripts::programText(s), s.app_ver,
                              app::LanguageAbbreviation(s.lcid), online::TimeText(s.created),
                              QString::number(s.rating, 'f', 3), QString::number(s.rating_cnt),
                              app::OnlineScripts::myRatingText(s), QString::number(s.downloads),
                              online::TimeText(s.last_download), access, oneLine(s.descr)}
                      .join(u'\t'));
    }
    return 0;
}

int getScript(app::Session& session, const QStringList& args)
{
    QCommandLineParser parser;
    int id = 0, row = -1;
    if (const auto end = wordOnScript(session, parser, QStringLiteral("library get"),
                                      tr("Скачать сценарий из каталога в текущий сценарий."), args, id, row))
        return *end;
    app::OnlineScripts& library = session.script().library();
    if (!library.canDownload(row))
        return refuse(tr("Сценарий #%1 предназначен для другой программы.").arg(id));
    if (!holdScript(session))
        return kFailed;
    const bool hadLines = session.script().lineCount() > 0;
    if (!library.download(row))
        return kFailed;
    printLine(tr("Загружен сценарий #%1, строк: %2").arg(id).arg(session.script().lineCount()));
    if (hadLines)
        printLine(tr("Прежний сценарий: %1").arg(QDir::toNativeSeparators(session.script().backupPath())));
    return 0;
}

int publishScript(app::Session& session, const QStringList& args)
{
    QCommandLineParser parser;
    const PropertyOptions options;
    options.addTo(parser);
    if (const auto end = parseWord(parser, QStringLiteral("library publish"),
                                   tr("Опубликовать текущий сценарий в каталоге."), args, 0))
        return *end;
    app::OnlineScripts& library = prepare(session);
    online::tScriptData data = library.newProperties();
    if (const auto end = options.apply(parser, data))
        return *end;
    if (const auto end = readyToUpload(session, library, data))
        return *end;
    const int id = library.publish(data);
    if (id <= 0)
        return kFailed;
    printLine(tr("Опубликован сценарий #%1").arg(id));
    return 0;
}

int replaceScript(app::Session& session, const QStringList& args)
{
    QCommandLineParser parser;
    const PropertyOptions options;
    options.addTo(parser);
    int id = 0, row = -1;
    if (const auto end = wordOnScript(session, parser, QStringLiteral("library replace"),
                                      tr("Заменить свой сценарий в каталоге текущим."), args, id, row))
        return *end;
    app::OnlineScripts& library = session.script().library();
    if (!library.canDelete(row))
        return refuse(tr("Сценарий #%1 не Ваш или предназначен для другой программы.").arg(id));
    online::tScriptData data = library.propertiesOf(row);
    if (const auto end = options.apply(parser, data))
        return *end;
    if (const auto end = readyToUpload(session, library, data))
        return *end;
    if (!library.replaceWith(row, data))
        return kFailed;
    printLine(tr("Заменён сценарий #%1").arg(library.currentId()));
    return 0;
}

int deleteScript(app::Session& session, const QStringList& args)
{
    QCommandLineParser parser;
    int id = 0, row = -1;
    if (const auto end = wordOnScript(session, parser, QStringLiteral("library delete"),
                                      tr("Удалить свой сценарий из каталога."), args, id, row))
        return *end;
    app::OnlineScripts& library = session.script().library();
    if (!library.canDelete(row))
        return refuse(tr("Сценарий #%1 не Ваш или предназначен для другой программы.").arg(id));
    // The word itself is the answer to the question.
    static_cast<CliUserIo&>(session.io()).setAnswers({true});
    if (!library.remove(row))
        return kFailed;
    printLine(tr("Удалён сценарий #%1").arg(id));
    return 0;
}

int rateScript(app::Session& session, const QStringList& args)
{
    QCommandLineParser parser;
    parser.addPositionalArgument(QStringLiteral("ID"), tr("Код сценария в каталоге."));
    parser.addPositionalArgument(QStringLiteral("VALUE"),
                                 tr("Оценка 1..5; 0 удаляет Вашу оценку, hide скрывает сценарий из Вашего списка."));
    const QCommandLineOption notesOption =
        valueOption(QStringLiteral("notes"), tr("Комментарий к оценке 1..5."), QStringLiteral("TEXT"));
    parser.addOption(notesOption);
    if (const auto end = parseWord(parser, QStringLiteral("library rate"), tr("Оценить сценарий каталога."), args, 2))
        return *end;
    const QStringList words = parser.positionalArguments();
    const auto id = scriptId(words.value(0));
    if (!id || words.size() != 2)
        return refuse(tr("Укажите код сценария и оценку."));
    const QString valueText = words[1].trimmed();
    const auto value = valueText.compare(QStringLiteral("hide"), Qt::CaseInsensitive) == 0 ? std::optional<int>(-1)
                                                                                           : parseInt(valueText, 0, 5);
    if (!value)
        return refuse(tr("Оценка - число от 0 до 5 или hide: %1").arg(words[1]));
    const QString notes = parser.value(notesOption);
    if (*value <= 0 && !notes.isEmpty())
        return refuse(tr("Комментарий оставляют только к оценке 1..5."));
    app::OnlineScripts& library = prepare(session);
    int row = -1;
    if (const auto end = findRow(library, *id, row))
        return *end;
    if (!library.rateWith(row, *value, notes))
        return kFailed;
    return 0;
}

int showRates(app::Session& session, const QStringList& args)
{
    QCommandLineParser parser;
    int id = 0, row = -1;
    if (const auto end = wordOnScript(session, parser, QStringLiteral("library rates"),
                                      tr("Оценки сценария пользователями."), args, id, row))
        return *end;
    app::OnlineScripts& library = session.script().library();
    const auto rates = library.fetchRates(row);
    if (!rates)
        return kFailed;
    printLine(
        QStringList{tr("Имя"), tr("Оценка"), tr("Дата"), tr("Программа"), tr("Версия"), tr("Комментарии")}.join(u'\t'));
    for (const online::tScriptRate& r : *rates)
        printLine(QStringList{oneLine(r.cl_name), r.rate, online::TimeText(r.created), r.app_name, r.app_ver,
                              oneLine(r.notes)}
                      .join(u'\t'));
    return 0;
}

} // namespace

int RunScriptsLibrary(app::Session& session, const QStringList& args)
{
    const QString sub = args.value(0);
    const std::pair<const char*, int (*)(app::Session&, const QStringList&)> words[] = {
        {"get", getScript},       {"publish", publishScript}, {"replace", replaceScript},
        {"delete", deleteScript}, {"rate", rateScript},       {"rates", showRates},
    };
    for (const auto& [name, run] : words) {
        if (sub == QLatin1String(name))
            return run(session, args.mid(1));
    }
    return listScripts(session, args);
}

} // namespace cli
