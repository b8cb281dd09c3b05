// The regular table stakes words of the command-line tool: the list of rules, adding and
// deleting rules, a stake from a rule and the back-test of rules.

#include "app/ArchiveController.h"
#include "app/CandidatesController.h"
#include "app/RatingsController.h"
#include "app/Session.h"
#include "app/StakesController.h"
#include "app/TablesController.h"
#include "cli/CliCommands.h"
#include "cli/CliSupport.h"
#include "cli/CliUserIo.h"
#include "core/TextForms.h"
#include "stakes/StakeRecord.h"

#include <QFileInfo>

namespace cli {

namespace {

// The start of every word that changes rules: the hold on the data folder, the settings and
// the rules, which the tool reads whether or not the window shows their page. False when the
// rules' file could not be read: it is never rewritten then.
bool openRules(app::Session& session)
{
    if (!session.takeExclusiveHold())
        return false;
    session.create();
    session.tables().setShownForRun(true);
    return session.tables().load();
}

// What a stake from a rule needs besides the rules: the archive, the stakes and the rating as
// the program has them at start-up, and the candidate list whose size each stake records.
bool openBook(app::Session& session)
{
    if (!openRules(session) || !session.archive().load() || !session.stakes().load())
        return false;
    session.ratings().load();
    return session.candidates().generate(session.candidates().genSettings(), false);
}

// The rows named by the words (from 1), as indexes; nullopt after a refusal was printed.
std::optional<std::vector<int>> ruleRows(app::Session& session, const QStringList& words)
{
    if (words.isEmpty()) {
        refuse(tr("Укажите номера регулярных ставок (с 1)."));
        return std::nullopt;
    }
    const int count = int(session.tables().rules().size());
    std::vector<int> rows;
    for (const QString& word : words) {
        const auto row = parseInt(word, 1, std::max(1, count));
        if (!row || *row > count) {
            refuse(tr("Нет регулярной ставки с номером %1.").arg(word));
            return std::nullopt;
        }
        rows.push_back(*row - 1);
    }
    return rows;
}

int listTables(app::Session& session, const QStringList& args)
{
    QCommandLineParser parser;
    if (const auto end =
            parseWord(parser, QStringLiteral("tables"), tr("Регулярные ставки: пять столбцов списка."), args, 0))
        return *end;
    printLine(stakes::TableColumnCaptions().join(u'\t'));
    const QString path = session.tables().path();
    // Listing writes nothing: a missing file lists no rules.
    if (!QFileInfo::exists(path))
        return 0;
    stakes::TTablesArray rules;
    qint64 tail = 0;
    QString error;
    const bool read = stakes::TablesReadFile(path, rules, &tail, &error);
    for (const stakes::TTableRec& rule : rules) {
        QStringList cells;
        for (int column = 0; column < stakes::TableColumnCount; ++column)
            cells << stakes::TableCellText(rule, column);
        printLine(cells.join(u'\t'));
    }
    if (!read) {
        printError(tr("Ошибка чтения файла регулярных ставок!") + QStringLiteral("\n\n") + error);
        return kFailed;
    }
    if (tail > 0)
        printError(tr("Файл регулярных ставок оканчивается неполной записью (%1 байт): выведены все целые записи.")
                       .arg(tail));
    return 0;
}

int addTable(app::Session& session, const QStringList& args)
{
    QCommandLineParser parser;
    const QCommandLineOption commentOption =
        valueOption(QStringLiteral("comment"), tr("Комментарий к ставке."), QStringLiteral("TEXT"));
    const QCommandLineOption startOption = valueOption(
        QStringLiteral("start"), tr("Постоянная стартовая комбинация, например: 1;2;3;4;5"), QStringLiteral("NUMBERS"));
    const QCommandLineOption lastDrawOption(QStringLiteral("last-draw"),
                                            tr("Использовать данные предыдущего тиража."));
    const QCommandLineOption stepOption =
        valueOption(QStringLiteral("step"), tr("Шаг изменения элементов комбинации (-54..54, по умолчанию 1)."),
                    QStringLiteral("S"));
    parser.addOptions({commentOption, startOption, lastDrawOption, stepOption});
    if (const auto end =
            parseWord(parser, QStringLiteral("tables add"), tr("Добавить регулярную ставку."), args, 0))
        return *end;
    if (parser.isSet(startOption) == parser.isSet(lastDrawOption))
        return refuse(tr("Укажите либо стартовую комбинацию (--start), либо --last-draw."));
    int step = 1;
    if (parser.isSet(stepOption)) {
        const auto s = parseInt(parser.value(stepOption), -stakes::TableStepMax, stakes::TableStepMax);
        if (!s)
            return refuse(tr("Шаг должен быть от -54 до 54: %1").arg(parser.value(stepOption)));
        step = *s;
    }
    const QString comment = parser.value(commentOption);
    if (comment.size() > stakes::TableCommentInputMax)
        return refuse(tr("Комментарий к ставке длиннее 64 символов."));
    if (!openRules(session))
        return kFailed;

    core::TComb start;
    const stakes::TableInputError error = stakes::TableInputCheck(
        comment, session.tables().comments(), parser.isSet(startOption), parser.value(startOption), start);
    if (error != stakes::TableInputError::None)
        return refuse(stakes::TableInputErrorText(error));
    stakes::TTableRec entered = stakes::NewTableRec();
    stakes::SetTableComment(entered, comment);
    entered.Step = step;
    entered.UseLastDraw = parser.isSet(lastDrawOption) ? 1 : 0;
    std::vector<stakes::TableSelection> selected;
    if (parser.isSet(startOption)) {
        // A typed start stands for the one selected combination of the window.
        entered.StartComb = start;
        selected.push_back({1, start});
    }
    return session.tables().addRules(entered, selected) ? 0 : kFailed;
}

int deleteTables(app::Session& session, const QStringList& args)
{
    QCommandLineParser parser;
    parser.addPositionalArgument(QStringLiteral("ROW"), tr("Номера регулярных ставок, с 1."), QStringLiteral("ROW..."));
    if (const auto end =
            parseWord(parser, QStringLiteral("tables delete"), tr("Удалить регулярные ставки."), args))
        return *end;
    if (parser.positionalArguments().isEmpty())
        return refuse(tr("Укажите номера регулярных ставок (с 1)."));
    if (!openRules(session))
        return kFailed;
    const auto rows = ruleRows(session, parser.positionalArguments());
    if (!rows)
        return kRefused;
    static_cast<CliUserIo&>(session.io()).setAnswers({true});
    return session.tables().remove(*rows) ? 0 : kFailed;
}

int stakeFromTable(app::Session& session, const QStringList& args)
{
    QCommandLineParser parser;
    const QCommandLineOption drawOption =
        valueOption(QStringLiteral("draw"), tr("Номер тиража (по умолчанию следующий)."), QStringLiteral("N"));
    parser.addOption(drawOption);
    parser.addPositionalArgument(QStringLiteral("ROW"), tr("Номер регулярной ставки, с 1."));
    if (const auto end = parseWord(parser, QStringLiteral("tables stake"),
                                   tr("Сделать ставку по регуляру и сразу проверить ее по архиву тиражей."), args, 1))
        return *end;
    if (parser.positionalArguments().size() != 1)
        return refuse(tr("Укажите номер регулярной ставки (с 1)."));
    std::optional<int> drawNum;
    if (parser.isSet(drawOption)) {
        drawNum = parseInt(parser.value(drawOption), 1, 2147483647);
        if (!drawNum)
            return refuse(tr("Некорректный номер тиража: %1").arg(parser.value(drawOption)));
    }
    if (!openBook(session))
        return kFailed;
    const auto rows = ruleRows(session, parser.positionalArguments());
    if (!rows)
        return kRefused;
    app::TablesController& tables = session.tables();
    const QString refusal = tables.stakeRefusal(rows->front());
    if (!refusal.isEmpty())
        return refuse(refusal);
    stakes::TStakeRec made;
    const bool ok = tables.stakeAdd(rows->front(), [&](stakes::TStakeRec& rec, int&) {
        if (drawNum)
            rec.DrawNum = *drawNum;
        made = rec;
        return true;
    });
    if (!ok)
        return kFailed;
    printLine(QStringLiteral("%1\t%2").arg(made.DrawNum).arg(core::ValueSetText(made.Numbers, QStringLiteral(";"))));
    return 0;
}

int testTables(app::Session& session, const QStringList& args)
{
    QCommandLineParser parser;
    const QCommandLineOption countOption =
        valueOption(QStringLiteral("count"), tr("Количество тестов (последних тиражей)."), QStringLiteral("N"));
    parser.addOption(countOption);
    parser.addPositionalArgument(QStringLiteral("ROW"), tr("Номера регулярных ставок, с 1."), QStringLiteral("ROW..."));
    if (const auto end = parseWord(parser, QStringLiteral("tables test"),
                                   tr("Тестирование регулярных ставок на последних тиражах."), args))
        return *end;
    if (!parser.isSet(countOption))
        return refuse(tr("Укажите количество тестов: --count N"));
    if (parser.positionalArguments().isEmpty())
        return refuse(tr("Укажите номера регулярных ставок (с 1)."));
    if (!openBook(session))
        return kFailed;
    const int maxCount = int(session.archive().draws().size()) - 1;
    const auto count = parseInt(parser.value(countOption), 1, std::max(1, maxCount));
    if (!count || *count > maxCount)
        return refuse(tr("Количество тестов должно быть от 1 до %1: %2").arg(maxCount).arg(parser.value(countOption)));
    const auto rows = ruleRows(session, parser.positionalArguments());
    if (!rows)
        return kRefused;
    // A rule that can make no stake is refused as the window refuses it, before anything changes.
    for (int row : *rows) {
        const QString why =
            stakes::TableCheck(session.tables().rules()[std::size_t(row)], session.archive().drawCombAt(*count));
        if (!why.isEmpty())
            return refuse(why);
    }
    const bool ok = session.tables().stakeTestWith(*rows, *count);
    printLine(QString::number(session.tables().lastTestStakes()));
    return ok ? 0 : kFailed;
}

} // namespace

int RunTables(app::Session& session, const QStringList& args)
{
    const QString sub = args.value(0);
    if (sub == QLatin1String("add"))
        return addTable(session, args.mid(1));
    if (sub == QLatin1String("delete"))
        return deleteTables(session, args.mid(1));
    if (sub == QLatin1String("stake"))
        return stakeFromTable(session, args.mid(1));
    if (sub == QLatin1String("test"))
        return testTables(session, args.mid(1));
    return listTables(session, args);
}

} // namespace cli
