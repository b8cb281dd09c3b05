// The word "systems": the wheeling systems on this computer ("local"), the two system games
// ("play"), the check of what a system really guarantees ("verify"), and the making of one
// ("make", "reference": CliSystemsMake.cpp). The library's own sub-words live with the library
// client (RunSystemsLibrary).

#include "app/ArchiveController.h"
#include "app/CandidatesController.h"
#include "app/RatingsController.h"
#include "app/Session.h"
#include "app/StakesController.h"
#include "app/SystemsController.h"
#include "cli/CliCommands.h"
#include "cli/CliSupport.h"
#include "cli/CliUserIo.h"
#include "core/GameMath.h"
#include "stakes/SystemFile.h"
#include "stakes/SystemGuarantee.h"

#include <QFileInfo>

#include <algorithm>

namespace cli {

namespace {

int listLocal(app::Session& session, const QStringList& args)
{
    QCommandLineParser parser;
    if (const auto end =
            parseWord(parser, QStringLiteral("systems local"),
                      tr("Системы на этом компьютере: файл, числа, блок и количество комбинаций."), args, 0))
        return *end;
    printLine(tr("Файл\tЧисла\tБлок\tКомбинаций"));
    for (const stakes::LocalSystem& file : stakes::LocalSystems(session.systems().folder())) {
        std::vector<stakes::SystemLine> lines;
        QString error;
        const bool read = stakes::ReadSystemFile(file.Path, file.Key.nums, lines, &error);
        printLine(QStringLiteral("%1\t%2\t%3\t%4")
                      .arg(QFileInfo(file.Path).fileName())
                      .arg(file.Key.nums)
                      .arg(file.Key.olap)
                      .arg(read ? QString::number(lines.size()) : QStringLiteral("-")));
        if (!read)
            printError(QFileInfo(file.Path).fileName() + QStringLiteral(": ") + error);
    }
    return 0;
}

int play(app::Session& session, const QStringList& args)
{
    QCommandLineParser parser;
    const QCommandLineOption allOption(QStringLiteral("all"), tr("Все комбинации системы."));
    const QCommandLineOption filterOption(QStringLiteral("filter"),
                                          tr("Только комбинации системы, которые есть в списке комбинаций."));
    const QCommandLineOption drawOption =
        valueOption(QStringLiteral("draw"), tr("Номер тиража (по умолчанию следующий)."), QStringLiteral("N"));
    const QCommandLineOption commentOption =
        valueOption(QStringLiteral("comment"), tr("Комментарий к ставкам."), QStringLiteral("TEXT"));
    const QCommandLineOption inOption = valueOption(
        QStringLiteral("in"), tr("Комбинации из файла вместо сгенерированного списка."), QStringLiteral("FILE"));
    parser.addOptions({allOption, filterOption, drawOption, commentOption, inOption});
    if (const auto end = parseWord(parser, QStringLiteral("systems play"),
                                   tr("Системная игра с числами списка комбинаций."), args, 0))
        return *end;
    if (parser.isSet(allOption) == parser.isSet(filterOption))
        return refuse(tr("Укажите один из ключей: --all или --filter."));
    const bool filtered = parser.isSet(filterOption);
    std::optional<int> drawNum;
    if (parser.isSet(drawOption)) {
        drawNum = parseInt(parser.value(drawOption), 1, 2147483647);
        if (!drawNum)
            return refuse(tr("Некорректный номер тиража: %1").arg(parser.value(drawOption)));
    }
    if (parser.isSet(commentOption)) {
        const QString text = parser.value(commentOption);
        if (text.isEmpty())
            return refuse(tr("Необходимо ввести комментарий!"));
        if (text.size() > 64)
            return refuse(tr("Комментарий к ставке длиннее 64 символов."));
    }

    if (!session.takeExclusiveHold())
        return kFailed;
    session.create();
    if (!session.archive().load() || !session.stakes().load())
        return kFailed;
    session.ratings().load();
    const bool listed = parser.isSet(inOption)
                            ? session.candidates().loadFile(parser.value(inOption))
                            : session.candidates().generate(session.candidates().genSettings(), false);
    if (!listed)
        return kFailed;
    if (session.candidates().combs().empty())
        return refuse(tr("Список комбинаций пуст."));

    app::SystemsController& systems = session.systems();
    const core::TByteArray numbers =
        core::CollectNumbers(session.candidates().combs().data(), session.candidates().combs().size());
    const std::optional<stakes::LocalSystem> file = stakes::FindLocalSystem(systems.folder(), int(numbers.size()));
    const QString comment =
        parser.isSet(commentOption)
            ? parser.value(commentOption)
            : app::SystemsController::gameComment(filtered, int(numbers.size()),
                                                  file ? QFileInfo(file->Path).completeBaseName() : QString());
    const qint64 before = session.stakes().count();
    if (!systems.play(filtered, drawNum.value_or(session.archive().nextDrawNum(session.archive().offset())), 1,
                      comment))
        return kFailed;
    printLine(tr("Записей добавлено: %1").arg(session.stakes().count() - before));
    return 0;
}

int verify(app::Session&, const QStringList& args)
{
    QCommandLineParser parser;
    const QCommandLineOption blockOption = valueOption(
        QStringLiteral("block"), tr("Заявленный блок 0..5 (по умолчанию из имени файла)."), QStringLiteral("T"));
    parser.addOption(blockOption);
    parser.addPositionalArgument(QStringLiteral("FILE"), tr("Файл системы."));
    if (const auto end = parseWord(parser, QStringLiteral("systems verify"),
                                   tr("Гарантия системы по всем тиражам из пяти ее чисел."), args))
        return *end;
    if (parser.positionalArguments().size() != 1)
        return refuse(tr("Укажите файл системы."));
    const QString path = parser.positionalArguments().first();
    const std::optional<stakes::SystemFileKey> key = stakes::ParseSystemFileName(QFileInfo(path).fileName());
    int block = key ? key->olap : 0;
    if (parser.isSet(blockOption)) {
        const auto t = parseInt(parser.value(blockOption), 0, 5);
        if (!t)
            return refuse(tr("Блок должен быть от 0 до 5: %1").arg(parser.value(blockOption)));
        block = *t;
    }
    std::vector<stakes::SystemLine> lines;
    QString error;
    if (!stakes::ReadSystemFile(path, key ? key->nums : 0, lines, &error)) {
        printError(tr("Ошибка загрузки комбинаций системы!") + QStringLiteral("\n\n") + error);
        return kFailed;
    }
    if (lines.empty())
        return refuse(tr("Файл системы не содержит ни одной комбинации"));
    // Without a system file's name the numbers are the positions the lines use.
    int nums = key ? key->nums : 0;
    for (const stakes::SystemLine& line : lines)
        nums = std::max(nums, int(*std::max_element(line.begin(), line.end())));
    nums = std::max(nums, 5);
    const stakes::SystemGuaranteeResult g = stakes::SystemGuarantee(lines, nums, block);
    printLine(tr("Числа: %1").arg(nums));
    printLine(tr("Комбинаций: %1").arg(lines.size()));
    printLine(tr("гарантия: %1 из 5").arg(g.Guarantee));
    printLine(tr("Тиражей: %1").arg(g.Draws));
    for (int k = 0; k <= 5; ++k)
        printLine(tr("Лучшее совпадение %1: %2").arg(k).arg(g.Best[k]));
    printLine(tr("Блок %1: не выполняется для %2 из %3 тиражей").arg(block).arg(g.Misses).arg(g.Draws));
    return 0;
}

} // namespace

int RunSystems(app::Session& session, const QStringList& args)
{
    const QString sub = args.value(0);
    if (sub == QLatin1String("local"))
        return listLocal(session, args.mid(1));
    if (sub == QLatin1String("play"))
        return play(session, args.mid(1));
    if (sub == QLatin1String("verify"))
        return verify(session, args.mid(1));
    if (sub == QLatin1String("make"))
        return MakeSystem(session, args.mid(1));
    if (sub == QLatin1String("reference"))
        return ListReference(args.mid(1));
    return RunSystemsLibrary(session, args);
}

} // namespace cli
