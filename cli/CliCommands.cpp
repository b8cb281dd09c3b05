#include "cli/CliCommands.h"

#include "app/ArchiveController.h"
#include "app/Session.h"
#include "cli/CliSupport.h"
#include "cli/CliUserIo.h"
#include "core/Dates.h"
#include "core/DrawArchive.h"
#include "core/DrawInput.h"
#include "core/TextForms.h"

#include <QCoreApplication>
#include <QDate>

#include <cstdio>
#include <optional>

namespace cli {

namespace {

int listDraws(app::Session& session, const QStringList& args)
{
    QCommandLineParser parser;
    const QCommandLineOption sortedOption(QStringLiteral("sorted"), tr("Числа каждого тиража по возрастанию."));
    parser.addOption(sortedOption);
    if (const auto end = parseWord(parser, QStringLiteral("draws"), tr("Список тиражей, новые первыми."), args, 0))
        return *end;
    const bool sorted = parser.isSet(sortedOption);
    if (!session.archive().load())
        return kFailed;
    printLine(core::DrawColumnCaptions().join(QLatin1Char('\t')));
    const core::TDrawsArray& draws = session.archive().draws();
    for (int row = 0; row < static_cast<int>(draws.size()); ++row) {
        const core::TDrawRec& draw = draws[static_cast<std::size_t>(core::DrawIndexOfRow(draws, row))];
        QStringList cells;
        for (int column = 0; column < core::DrawColumnCount; ++column)
            cells << core::DrawCellText(draw, column, sorted);
        printLine(cells.join(QLatin1Char('\t')));
    }
    return 0;
}

int addDraw(app::Session& session, const QStringList& args)
{
    QCommandLineParser parser;
    const QCommandLineOption numOption = valueOption(QStringLiteral("num"), tr("Номер тиража."), QStringLiteral("N"));
    const QCommandLineOption dateOption =
        valueOption(QStringLiteral("date"), tr("Дата тиража."), QStringLiteral("dd/mm/yyyy"));
    parser.addOptions({numOption, dateOption});
    parser.addPositionalArgument(QStringLiteral("TEXT"), tr("Пять чисел и ключевое число, например: 5;12;33;40;54;7"));
    if (const auto end = parseWord(parser, QStringLiteral("draws add"), tr("Добавить тираж в архив."), args))
        return *end;
    const QStringList words = parser.positionalArguments();
    if (words.size() != 1)
        return refuse(tr("Укажите числа тиража одним параметром, например: 5;12;33;40;54;7"));

    core::TDrawRec rec;
    if (!core::ParseDrawText(words.first(), rec))
        return refuse(tr("Введена некорректная комбинация!"));
    std::optional<int> number;
    if (parser.isSet(numOption)) {
        number = parseInt(parser.value(numOption), 1, 2147483647);
        if (!number)
            return refuse(tr("Некорректный номер тиража: %1").arg(parser.value(numOption)));
    }
    QString dateText = core::DateToText(
        core::EncodeDate(QDate::currentDate().year(), QDate::currentDate().month(), QDate::currentDate().day()));
    if (parser.isSet(dateOption)) {
        const QString date = parser.value(dateOption);
        try {
            const double d = core::TextToDate(date);
            if (d <= 0)
                return refuse(tr("Некорректная дата тиража: %1").arg(date));
            dateText = core::DateToText(d);
        } catch (const core::EConvertError& e) {
            return refuse(e.message());
        }
    }

    if (!session.takeExclusiveHold())
        return kFailed;
    if (!session.archive().load())
        return kFailed; // never rewrite an archive that could not be read whole
    rec.Num = number ? *number : session.archive().nextDrawNum(0);
    core::SetDrawDateText(rec, dateText);
    return session.archive().append(rec) ? 0 : kFailed;
}

int deleteDraw(app::Session& session, const QStringList& args)
{
    QCommandLineParser parser;
    parser.addPositionalArgument(QStringLiteral("NUM"), tr("Номер тиража."));
    if (const auto end = parseWord(parser, QStringLiteral("draws delete"), tr("Удалить тираж из архива."), args))
        return *end;
    const QStringList words = parser.positionalArguments();
    if (words.size() != 1)
        return refuse(tr("Укажите номер удаляемого тиража."));
    const auto num = parseInt(words.first(), -2147483647, 2147483647);
    if (!num)
        return refuse(tr("Некорректный номер тиража: %1").arg(words.first()));
    if (!session.takeExclusiveHold())
        return kFailed;
    if (!session.archive().load())
        return kFailed;
    const int index = session.archive().findDrawIndex(*num);
    if (index < 0)
        return refuse(tr("Тираж № %1 не найден в архиве.").arg(*num));
    session.archive().deleteAt(index);
    const bool saved = session.archive().save();
    session.archive().recalcViews(false);
    return saved ? 0 : kFailed;
}

} // namespace

int RunDraws(app::Session& session, const QStringList& args)
{
    if (!args.isEmpty() && args.first() == QStringLiteral("add"))
        return addDraw(session, args.mid(1));
    if (!args.isEmpty() && args.first() == QStringLiteral("delete"))
        return deleteDraw(session, args.mid(1));
    if (!args.isEmpty() && args.first() == QStringLiteral("download"))
        return RunDrawsDownload(session, args.mid(1));
    if (!args.isEmpty() && args.first() == QStringLiteral("export"))
        return RunDrawsExport(session, args.mid(1));
    if (!args.isEmpty() && args.first() == QStringLiteral("import"))
        return RunDrawsImport(session, args.mid(1));
    return listDraws(session, args);
}

int RunStatus(app::Session& session, const QStringList& args)
{
    QCommandLineParser parser;
    const QCommandLineOption offsetOption =
        valueOption(QStringLiteral("offset"), tr("Смещение точки анализа от последнего тиража."), QStringLiteral("K"));
    parser.addOption(offsetOption);
    if (const auto end = parseWord(parser, QStringLiteral("status"), tr("Три панели архива в строке состояния."), args, 0))
        return *end;
    if (!session.archive().load())
        return kFailed;
    if (parser.isSet(offsetOption)) {
        const int maxOffset = std::max(0, static_cast<int>(session.archive().draws().size()) - 1);
        const auto k = parseInt(parser.value(offsetOption), 0, maxOffset);
        if (!k)
            return refuse(tr("Смещение должно быть от 0 до %1: %2").arg(maxOffset).arg(parser.value(offsetOption)));
        session.archive().setOffset(*k);
    }
    for (int panel = 0; panel < 3; ++panel)
        printLine(session.statusPanel(panel));
    return 0;
}

namespace {

constexpr Word kWords[] = {
    {"draws", "draws [--sorted]\n"
              "draws add TEXT [--num N] [--date dd/mm/yyyy]\n"
              "draws delete NUM\n"
              "draws download [--retries N]\n"
              "draws export FILE\n"
              "draws import FILE",
     RunDraws},
    {"status", "status [--offset K]", RunStatus},
    {"methods", "methods", RunMethods},
    {"stat", "stat CODE [--len N] [--offset K] [--sorted] [--sort COL[:desc]] [--compare]", RunStat},
    {"prefetch", "prefetch [--all | CODE...]", RunPrefetch},
    {"generate", "generate [--mode M] [--param TEXT] [--out FILE]", RunGenerate},
    {"filter", "filter TEXT... [--in FILE] [--out FILE] [--offset K] [--compare]", RunFilter},
    {"stakes", "stakes [--from N]\n"
               "stakes add NUMBERS [--draw N] [--copies K] [--comment TEXT]\n"
               "stakes add-all [--draw N] [--copies K] [--comment TEXT] [--in FILE]\n"
               "stakes check\n"
               "stakes delete-where OP VALUE\n"
               "stakes clear",
     RunStakes},
    {"ratings", "ratings [--sort COL[:desc]] [--mode 0|1|2]\n"
                "ratings refresh\n"
                "ratings export FILE\n"
                "ratings to-script ROW...",
     RunRatings},
    {"tables", "tables\n"
               "tables add --comment TEXT (--start NUMBERS | --last-draw) [--step S]\n"
               "tables delete ROW...\n"
               "tables stake ROW [--draw N]\n"
               "tables test --count N ROW...",
     RunTables},
    {"script", "script show [--file FILE]\n"
               "script add LINE\n"
               "script load FILE [--append]\n"
               "script save FILE\n"
               "script run [--file FILE] [--offset K] [--log]\n"
               "script test --count N [--file FILE] [--log]",
     RunScript},
    {"graph", "graph CODE [--len N] [--offset K] [--sorted]", RunGraph},
    {"layout", "layout [--len L] [--offset K]\n"
               "layout --compare [--lens L1,L2,L3,L4,L5] [--offset K]",
     RunLayout},
    {"week", "week [--len L] [--offset K]", RunWeek},
    {"repeats", "repeats [--len L] [--deep D]", RunRepeats},
    {"info", "info COMB [--offset K]\n"
             "info --draw NUM [--sorted]",
     RunInfo},
    {"sums", "sums", RunSums},
    {"export", "export SOURCE FILE.xlsx [--params FILE.exp] [--selected ROWS] [--len N] [--in FILE]", RunExport},
    {"systems", "systems\n"
                "systems download ID...\n"
                "systems local\n"
                "systems play (--all | --filter) [--draw N] [--comment TEXT] [--in FILE]\n"
                "systems verify FILE [--block T]\n"
                "systems make --numbers N --guarantee T [--if M] [--bankers B] [--seconds S] [--seed X] [--out FILE]\n"
                "systems reference [--numbers N] [--guarantee T] [--if M]",
     RunSystems},
    {"folders", "folders", RunFolders},
    {"library", "library [--filter N]\n"
                "library get ID\n"
                "library publish --title T --descr D [--public|--private] [--universal] [--author NAME]\n"
                "library replace ID [--title T] [--descr D] [--public|--private] [--universal|--single]\n"
                "library delete ID\n"
                "library rate ID VALUE [--notes TEXT]\n"
                "library rates ID",
     RunScriptsLibrary},
    {"update", "update check\n"
               "update install",
     RunUpdate},
};

} // namespace

std::span<const Word> Words()
{
    return kWords;
}

const Word* FindWord(const QString& name)
{
    for (const Word& word : kWords)
        if (name == QLatin1String(word.name))
            return &word;
    return nullptr;
}

bool ShowsProgress(const QStringList& args)
{
    const QString word = args.value(0);
    const QString sub = args.value(1);
    return word == u"prefetch" || word == u"export" || (word == u"script" && sub == u"test") ||
           (word == u"stakes" && (sub == u"add-all" || sub == u"check")) || (word == u"draws" && sub == u"download") ||
           (word == u"systems" && sub == u"make");
}

QString UsageText()
{
    QString text = tr("Использование:");
    for (const Word& word : kWords)
        for (const QString& line : QString::fromUtf8(word.synopsis).split(u'\n'))
            text += QStringLiteral("\n  vertoma-cli [--data-dir DIR] ") + line;
    text += QStringLiteral("\n  vertoma-cli --version\n  vertoma-cli ") + tr("СЛОВО") + QStringLiteral(" --help");
    return text;
}

} // namespace cli
