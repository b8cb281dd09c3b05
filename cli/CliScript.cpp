// The script words of the command-line tool: its lines, the run and the back-test, and lines
// from rating rows.

#include "app/ArchiveController.h"
#include "app/CandidatesController.h"
#include "app/RatingsController.h"
#include "app/ScriptController.h"
#include "app/Services.h"
#include "app/Session.h"
#include "app/StakesController.h"
#include "cli/CliCommands.h"
#include "cli/CliSupport.h"
#include "cli/CliUserIo.h"
#include "scripts/ScriptFile.h"

#include <algorithm>

namespace cli {

namespace {

// The lines of a file for this run, or the working copy; nullopt after a failure was printed.
std::optional<QStringList> scriptLines(app::Session& session, const QCommandLineParser& parser,
                                       const QCommandLineOption& fileOption)
{
    if (!parser.isSet(fileOption)) {
        session.script().loadWorkingCopy();
        return session.script().lines();
    }
    QStringList lines;
    QString error;
    if (!scripts::ScriptReadFile(parser.value(fileOption), lines, nullptr, &error)) {
        printError(tr("Ошибка чтения файла \"%1\"!").arg(parser.value(fileOption)) + QStringLiteral("\n\n") + error);
        return std::nullopt;
    }
    return lines;
}

// What the window has once it has started: the hold, the settings, the archive, the stakes,
// the rating and the candidate list.
bool startSession(app::Session& session)
{
    if (!session.takeExclusiveHold())
        return false;
    session.create();
    if (!session.archive().load() || !session.stakes().load())
        return false;
    session.ratings().load();
    return session.candidates().generate(session.candidates().genSettings(), false);
}

int showScript(app::Session& session, const QStringList& args)
{
    QCommandLineParser parser;
    const QCommandLineOption fileOption =
        valueOption(QStringLiteral("file"), tr("Файл сценария вместо текущего сценария."), QStringLiteral("FILE"));
    parser.addOption(fileOption);
    if (const auto end = parseWord(parser, QStringLiteral("script show"),
                                   tr("Строки сценария: комментарий, опции и семь фильтров."), args, 0))
        return *end;
    session.prepareStatistics();
    const auto lines = scriptLines(session, parser, fileOption);
    if (!lines)
        return kFailed;
    session.script().useLines(*lines);
    printLine(app::ScriptController::columnCaptions().join(u'\t'));
    for (int row = 0; row < lines->size(); ++row)
        printLine(session.script().rowCells(row).join(u'\t'));
    return 0;
}

int addLine(app::Session& session, const QStringList& args)
{
    QCommandLineParser parser;
    parser.addPositionalArgument(QStringLiteral("LINE"), tr("Строка сценария."));
    if (const auto end = parseWord(parser, QStringLiteral("script add"), tr("Добавить строку в конец сценария."), args, 1))
        return *end;
    if (parser.positionalArguments().size() != 1)
        return refuse(tr("Укажите строку сценария одним параметром."));
    if (!session.takeExclusiveHold())
        return kFailed;
    session.script().loadWorkingCopy();
    session.script().addLine(parser.positionalArguments().first());
    return 0;
}

int loadScript(app::Session& session, const QStringList& args)
{
    QCommandLineParser parser;
    const QCommandLineOption appendOption(QStringLiteral("append"), tr("Добавить к текущему сценарию."));
    parser.addOption(appendOption);
    parser.addPositionalArgument(QStringLiteral("FILE"), tr("Файл сценария (*.lsc)."));
    if (const auto end =
            parseWord(parser, QStringLiteral("script load"), tr("Загрузить сценарий из файла."), args, 1))
        return *end;
    if (parser.positionalArguments().size() != 1)
        return refuse(tr("Укажите файл сценария."));
    if (!session.takeExclusiveHold())
        return kFailed;
    session.script().loadWorkingCopy();
    return session.script().loadFile(parser.positionalArguments().first(), parser.isSet(appendOption)) ? 0 : kFailed;
}

int saveScript(app::Session& session, const QStringList& args)
{
    QCommandLineParser parser;
    parser.addPositionalArgument(QStringLiteral("FILE"), tr("Файл сценария (*.lsc)."));
    if (const auto end = parseWord(parser, QStringLiteral("script save"), tr("Сохранить сценарий в файле."), args, 1))
        return *end;
    if (parser.positionalArguments().size() != 1)
        return refuse(tr("Укажите файл сценария."));
    session.script().loadWorkingCopy();
    return session.script().saveFile(parser.positionalArguments().first()) ? 0 : kFailed;
}

// Runs the script once (count 0) or as a test over the last count draws, printing a line per
// line-variant and the number of stakes made.
int runScript(app::Session& session, const QStringList& args, bool test)
{
    QCommandLineParser parser;
    const QCommandLineOption fileOption =
        valueOption(QStringLiteral("file"), tr("Файл сценария вместо текущего сценария."), QStringLiteral("FILE"));
    const QCommandLineOption offsetOption =
        valueOption(QStringLiteral("offset"), tr("Смещение точки анализа от последнего тиража."), QStringLiteral("K"));
    const QCommandLineOption countOption =
        valueOption(QStringLiteral("count"), tr("Количество тестов (последних тиражей)."), QStringLiteral("N"));
    const QCommandLineOption logOption(QStringLiteral("log"), tr("Вести журнал выполнения сценария."));
    parser.addOptions({fileOption, logOption});
    parser.addOption(test ? countOption : offsetOption);
    if (const auto end = parseWord(parser, test ? QStringLiteral("script test") : QStringLiteral("script run"),
                                   test ? tr("Тестирование сценария на последних тиражах.")
                                        : tr("Выполнить сценарий для текущего тиража и смещения."),
                                   args, 0))
        return *end;
    if (test && !parser.isSet(countOption))
        return refuse(tr("Укажите количество тестов: --count N"));
    if (!startSession(session))
        return kFailed;
    const auto lines = scriptLines(session, parser, fileOption);
    if (!lines)
        return kFailed;
    if (lines->isEmpty())
        return refuse(tr("Сценарий пуст."));
    const int maxOffset = std::max(0, int(session.archive().draws().size()) - 1);
    std::optional<int> number;
    if (test) {
        number = parseInt(parser.value(countOption), 1, maxOffset);
        if (!number)
            return refuse(tr("Количество тестов должно быть от 1 до %1: %2").arg(maxOffset).arg(parser.value(countOption)));
    } else if (parser.isSet(offsetOption)) {
        const auto k = parseInt(parser.value(offsetOption), 0, maxOffset);
        if (!k)
            return refuse(tr("Смещение должно быть от 0 до %1: %2").arg(maxOffset).arg(parser.value(offsetOption)));
        session.archive().setOffset(*k);
    }
    app::ScriptController& script = session.script();
    script.useLines(*lines);
    script.setLogEnabledForRun(parser.isSet(logOption));
    script.setVariantReporter([](const app::ScriptController::VariantReport& r) {
        printLine(QStringLiteral("%1\t%2\t%3\t%4").arg(r.Line).arg(r.Variant).arg(r.ListSize).arg(r.Stakes));
    });
    // On a terminal a test shows how far it got: the draw of the count and the filter step.
    QMetaObject::Connection shown;
    auto* io = dynamic_cast<CliUserIo*>(&session.services().io());
    if (test && io && io->progress().shown()) {
        const int count = *number;
        shown = QObject::connect(&script, &app::ScriptController::panelsChanged, &script, [io, &script, count] {
            const int cycle = std::clamp(script.cycle(), 1, count);
            io->progress().setPercent((cycle - 1) * 100 / count);
            io->progress().setStep(tr("Тест %1 из %2: %3").arg(cycle).arg(count).arg(script.panelText(4)));
        });
    }
    const bool ran = test ? script.testWith(*number) : script.run();
    QObject::disconnect(shown);
    if (!ran)
        return kFailed;
    printLine(QString::number(session.stakes().runStakes()));
    return script.lastRunEnd() == app::ScriptController::RunEnd::Completed ? 0 : kFailed;
}

int ratingsToScript(app::Session& session, const QStringList& args)
{
    QCommandLineParser parser;
    parser.addPositionalArgument(QStringLiteral("ROW"), tr("Строки рейтинга, с 1."), QStringLiteral("ROW..."));
    if (const auto end = parseWord(parser, QStringLiteral("ratings to-script"),
                                   tr("Добавить в сценарий строки, построенные по строкам рейтинга."), args))
        return *end;
    const QStringList words = parser.positionalArguments();
    if (words.isEmpty())
        return refuse(tr("Укажите номера строк рейтинга."));
    if (!session.takeExclusiveHold())
        return kFailed;
    session.prepareStatistics();
    session.ratings().load();
    session.script().loadWorkingCopy();
    std::vector<int> rows;
    for (const QString& word : words) {
        const auto row = parseInt(word, 1, int(session.ratings().rows().size()));
        if (!row)
            return refuse(tr("Нет строки рейтинга с номером %1.").arg(word));
        rows.push_back(*row - 1);
    }
    return session.script().ratingsToScript(rows) ? 0 : kRefused;
}

} // namespace

int RunScript(app::Session& session, const QStringList& args)
{
    const QString sub = args.value(0);
    if (sub == QLatin1String("add"))
        return addLine(session, args.mid(1));
    if (sub == QLatin1String("load"))
        return loadScript(session, args.mid(1));
    if (sub == QLatin1String("save"))
        return saveScript(session, args.mid(1));
    if (sub == QLatin1String("run"))
        return runScript(session, args.mid(1), false);
    if (sub == QLatin1String("test"))
        return runScript(session, args.mid(1), true);
    if (sub == QLatin1String("show"))
        return showScript(session, args.mid(1));
    return refuse(UsageText());
}

int RunRatingsToScript(app::Session& session, const QStringList& args)
{
    return ratingsToScript(session, args);
}

} // namespace cli
