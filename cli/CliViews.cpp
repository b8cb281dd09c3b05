// The words of the analysis pages: the draw graph, the layout and its comparison lists, the week
// statistics, the repeats analysis, the detail rows of a draw or a combination and the sum
// distribution. Each prints tab-separated text with a header line.

#include "app/ArchiveController.h"
#include "app/Session.h"
#include "app/StatisticsController.h"
#include "cli/CliCommands.h"
#include "cli/CliSupport.h"
#include "cli/CliUserIo.h"
#include "core/TextForms.h"
#include "stats/StatList.h"
#include "views/DrawDetail.h"
#include "views/DrawGraph.h"
#include "views/DrawWindow.h"
#include "views/LayoutScheme.h"
#include "views/Repeats.h"
#include "views/StatTable.h"
#include "views/SumDistribution.h"
#include "views/WeekStats.h"

#include <algorithm>
#include <climits>

namespace cli {

namespace {

QCommandLineOption lenOption(const QString& valueName = QStringLiteral("N"))
{
    return valueOption(QStringLiteral("len"), tr("Количество тиражей для расчета."), valueName);
}

QCommandLineOption offsetOption()
{
    return valueOption(QStringLiteral("offset"), tr("Смещение точки анализа от последнего тиража."),
                       QStringLiteral("K"));
}

// The length given, or the default; nullopt after the refusal was printed.
std::optional<int> lengthOf(const QCommandLineParser& parser, const QCommandLineOption& option, int def)
{
    const auto text = optionValue(parser, option);
    if (!text)
        return def;
    const auto n = parseInt(*text, 1, INT_MAX);
    if (!n)
        refuse(tr("Количество тиражей должно быть от 1 до 2147483647: %1").arg(*text));
    return n;
}

// The offset given, checked against the loaded archive, or 0; nullopt after the refusal.
std::optional<int> offsetOf(app::Session& session, const QCommandLineParser& parser, const QCommandLineOption& option)
{
    const auto text = optionValue(parser, option);
    if (!text)
        return 0;
    const int maxOffset = std::max(0, int(session.archive().draws().size()) - 1);
    const auto k = parseInt(*text, 0, maxOffset);
    if (!k)
        refuse(tr("Смещение должно быть от 0 до %1: %2").arg(maxOffset).arg(*text));
    return k;
}

bool noExtraWords(const QCommandLineParser& parser, int allowed)
{
    if (parser.positionalArguments().size() <= allowed)
        return true;
    refuse(tr("Неизвестный параметр: %1").arg(parser.positionalArguments().value(allowed)));
    return false;
}

} // namespace

int RunGraph(app::Session& session, const QStringList& args)
{
    QCommandLineParser parser;
    const QCommandLineOption len = lenOption();
    const QCommandLineOption offset = offsetOption();
    const QCommandLineOption sorted(QStringLiteral("sorted"), tr("Числа тиражей по возрастанию."));
    parser.addOptions({len, offset, sorted});
    parser.addPositionalArgument(QStringLiteral("CODE"), tr("Код метода с графиком, например: SUMS"));
    if (const auto end = parseWord(parser, QStringLiteral("graph"),
                                   tr("Значение метода по тиражам окна, среднее и наиболее частое значение."), args))
        return *end;
    if (parser.positionalArguments().isEmpty())
        return refuse(tr("Укажите код метода с графиком, например: SUMS"));
    if (!noExtraWords(parser, 1))
        return kRefused;
    const auto length = lengthOf(parser, len, 100);
    if (!length)
        return kRefused;
    const QString code = parser.positionalArguments().first();
    session.prepareStatistics();
    const stats::TStatList& list = session.statistics().list();
    const int method = list.IndexOfCode(code);
    if (method < 0)
        return refuse(tr("Неизвестный метод расчета статистики: %1").arg(code));
    if (!list.Items(method).Class->IsGraph() || !list.Items(method).Class->IsAvailable())
        return refuse(tr("Метод %1 не строит графиков.").arg(code));
    if (!session.archive().load())
        return kFailed;
    const auto k = offsetOf(session, parser, offset);
    if (!k)
        return kRefused;
    const auto stat = list.CreateStat(method);
    auto* graphStat = dynamic_cast<stats::TCustomGraphStat*>(stat.get());
    if (!graphStat)
        return refuse(tr("Метод %1 не строит графиков.").arg(code));
    views::DrawGraph graph;
    try {
        graph = views::ComputeDrawGraph(*graphStat, session.archive().draws(), *k, *length, parser.isSet(sorted),
                                        list.Items(method).GetCaptionText());
    } catch (const core::EConvertError& e) {
        printError(e.message());
        return kFailed;
    }
    printLine(tr("Тираж") + u'\t' + graph.Title);
    for (const views::DrawGraphPoint& p : graph.Points)
        printLine(QString::number(p.DrawNum) + u'\t' + QString::number(p.Value));
    if (!graph.IsEmpty()) {
        printLine(views::GraphAverageTitle() + u'\t' + core::FixedText(graph.Average, 4, core::SystemDecimalPoint()));
        printLine(views::GraphFrequentTitle() + u'\t' + QString::number(graph.MostFrequent));
    }
    return 0;
}

int RunLayout(app::Session& session, const QStringList& args)
{
    QCommandLineParser parser;
    const QCommandLineOption len = lenOption(QStringLiteral("L"));
    const QCommandLineOption offset = offsetOption();
    const QCommandLineOption compare(QStringLiteral("compare"), tr("Пять списков сравнения вместо схемы."));
    const QCommandLineOption lens =
        valueOption(QStringLiteral("lens"), tr("Окна пяти списков сравнения (по умолчанию 50,100,200,300,400)."),
                    QStringLiteral("L1,L2,L3,L4,L5"));
    parser.addOptions({len, offset, compare, lens});
    if (const auto end =
            parseWord(parser, QStringLiteral("layout"),
                      tr("Схема выпадения номеров: строки по количеству, столбцы по последнему тиражу."), args))
        return *end;
    if (!noExtraWords(parser, 0))
        return kRefused;
    const auto length = lengthOf(parser, len, 100);
    if (!length)
        return kRefused;
    std::vector<int> windows(std::begin(views::kLayoutCompareDefaults), std::end(views::kLayoutCompareDefaults));
    if (const auto text = optionValue(parser, lens)) {
        const QStringList parts = text->split(u',');
        windows.clear();
        for (const QString& part : parts)
            if (const auto n = parseInt(part, 1, INT_MAX))
                windows.push_back(*n);
        if (parts.size() != views::kLayoutCompareLists || int(windows.size()) != views::kLayoutCompareLists)
            return refuse(tr("Укажите пять окон от 1 до 2147483647 через запятую: %1").arg(*text));
    }
    if (!session.archive().load())
        return kFailed;
    const auto k = offsetOf(session, parser, offset);
    if (!k)
        return kRefused;
    session.archive().setOffset(*k);

    if (parser.isSet(compare)) {
        printLine(tr("Список") + u'\t' + tr("Тиражи") + u'\t' + tr("Кол-во") + u'\t' + tr("Номера"));
        for (int i = 0; i < views::kLayoutCompareLists; ++i) {
            const views::LayoutCompareList l =
                views::BuildLayoutCompare(session.archive().draws(), *k, windows[std::size_t(i)]);
            for (const views::LayoutCompareRow& row : l.Rows)
                printLine(QStringLiteral("%1\t%2\t%3\t%4").arg(i + 1).arg(l.Caption).arg(row.Count).arg(row.Numbers));
        }
        return 0;
    }
    const views::LayoutGrid grid =
        views::BuildLayoutGrid(session.archive().draws(), *k, *length, session.archive().nextDrawSet());
    QStringList header{tr("Кол-во")};
    for (std::int32_t num : grid.DrawNums)
        header << QString::number(num);
    printLine(header.join(u'\t'));
    for (int r = 0; r < grid.rowCount(); ++r) {
        QStringList cells{QString::number(grid.Counts[std::size_t(r)])};
        for (int c = 0; c < grid.columnCount(); ++c)
            cells << grid.cell(r, c);
        printLine(cells.join(u'\t'));
    }
    return 0;
}

int RunWeek(app::Session& session, const QStringList& args)
{
    QCommandLineParser parser;
    const QCommandLineOption len = lenOption(QStringLiteral("L"));
    const QCommandLineOption offset = offsetOption();
    parser.addOptions({len, offset});
    if (const auto end = parseWord(parser, QStringLiteral("week"),
                                   tr("Сколько раз каждый номер выпадал в каждый день недели."), args))
        return *end;
    if (!noExtraWords(parser, 0))
        return kRefused;
    const auto length = lengthOf(parser, len, 1000);
    if (!length)
        return kRefused;
    if (!session.archive().load())
        return kFailed;
    const auto k = offsetOf(session, parser, offset);
    if (!k)
        return kRefused;
    const views::WeekTable table = views::BuildWeekTable(session.archive().draws(), *k, *length);
    QStringList header{tr("День")};
    for (int n = 1; n <= core::NumberCount; ++n)
        header << QString::number(n);
    printLine(header.join(u'\t'));
    const QStringList days = views::WeekDayNames();
    for (int d = 1; d <= views::kWeekDays; ++d) {
        QStringList cells{days.value(d - 1)};
        for (int n = 1; n <= core::NumberCount; ++n)
            cells << QString::number(table.count(n, d));
        printLine(cells.join(u'\t'));
    }
    return 0;
}

int RunRepeats(app::Session& session, const QStringList& args)
{
    QCommandLineParser parser;
    const QCommandLineOption len = lenOption(QStringLiteral("L"));
    const QCommandLineOption deep = valueOption(
        QStringLiteral("deep"), tr("Сколько предыдущих тиражей сравнивается с каждым."), QStringLiteral("D"));
    parser.addOptions({len, deep});
    if (const auto end = parseWord(parser, QStringLiteral("repeats"),
                                   tr("Количество повторов в зависимости от тиража (без смещения)."), args))
        return *end;
    if (!noExtraWords(parser, 0))
        return kRefused;
    const auto length = lengthOf(parser, len, 100);
    if (!length)
        return kRefused;
    const auto depth = lengthOf(parser, deep, 100);
    if (!depth)
        return kRefused;
    if (!session.archive().load())
        return kFailed;
    const views::RepeatsResult result = views::ComputeRepeats(session.archive().draws(), *length, *depth);
    printLine(QStringList{tr("Тираж"), tr("Совпадений"), tr("Кол-во повторов"), tr("Список тиражей")}.join(u'\t'));
    for (const views::RepeatsRow& row : result.Rows)
        printLine(
            QStringLiteral("%1\t%2\t%3\t%4").arg(row.DrawNum).arg(row.Matches).arg(row.Count).arg(row.drawsText()));
    return 0;
}

int RunInfo(app::Session& session, const QStringList& args)
{
    QCommandLineParser parser;
    const QCommandLineOption offset = offsetOption();
    const QCommandLineOption draw =
        valueOption(QStringLiteral("draw"), tr("Номер тиража архива."), QStringLiteral("NUM"));
    const QCommandLineOption sorted(QStringLiteral("sorted"), tr("Числа тиража по возрастанию."));
    parser.addOptions({offset, draw, sorted});
    parser.addPositionalArgument(QStringLiteral("COMB"), tr("Пять чисел комбинации, например: 1;2;3;4;5"),
                                 QStringLiteral("[COMB]"));
    if (const auto end =
            parseWord(parser, QStringLiteral("info"),
                      tr("Подробная информация о комбинации или тираже: значения всех методов с графиком."), args))
        return *end;
    const QStringList words = parser.positionalArguments();
    if (parser.isSet(draw) == !words.isEmpty())
        return refuse(tr("Укажите комбинацию или --draw NUM."));
    if (!noExtraWords(parser, 1))
        return kRefused;
    if (parser.isSet(draw) && parser.isSet(offset))
        return refuse(tr("Смещение задается только для комбинации."));

    core::TComb comb;
    if (!words.isEmpty()) {
        bool ok = true;
        try {
            comb = core::TextToComb(words.first());
        } catch (const core::EConvertError&) {
            ok = false;
        }
        for (int i = 0; ok && i < core::CombSize; ++i)
            ok = comb.v[i] >= 1 && comb.v[i] <= core::NumberCount &&
                 std::count(std::begin(comb.v), std::end(comb.v), comb.v[i]) == 1;
        if (!ok)
            return refuse(tr("Введена некорректная комбинация!"));
    }
    session.prepareStatistics();
    if (!session.archive().load())
        return kFailed;
    views::DetailSubject subject;
    if (parser.isSet(draw)) {
        const auto num = parseInt(parser.value(draw), INT_MIN, INT_MAX);
        const int index = num ? session.archive().findDrawIndex(*num) : -1;
        if (index < 0)
            return refuse(tr("Тираж № %1 не найден в архиве.").arg(parser.value(draw)));
        subject = views::DrawDetailSubject(session.archive().draws(), index, parser.isSet(sorted));
    } else {
        const auto k = offsetOf(session, parser, offset);
        if (!k)
            return kRefused;
        const views::DrawWindow w = views::AnalysisWindow(int(session.archive().draws().size()), *k, 1);
        subject = views::CombDetailSubject(comb, w.Last, parser.isSet(sorted));
    }
    printLine(tr("Свойство") + u'\t' + tr("Значение"));
    for (const views::DetailRow& row : views::DetailRows(session.statistics().list(), subject))
        printLine(row.Caption + u'\t' + row.Value);
    return 0;
}

int RunSums(app::Session& session, const QStringList& args)
{
    QCommandLineParser parser;
    if (const auto end = parseWord(parser, QStringLiteral("sums"),
                                   tr("Распределение сумм тиражей и всех возможных комбинаций, три диапазона."), args))
        return *end;
    if (!noExtraWords(parser, 0))
        return kRefused;
    if (!session.archive().load())
        return kFailed;
    const views::SumDistribution d = views::ComputeSumDistribution(session.archive().draws());
    printLine(tr("Сумма") + u'\t' + tr("Теоретически") + u'\t' + tr("Фактически"));
    for (const views::SumCount& t : d.Theoretical)
        printLine(QStringLiteral("%1\t%2\t%3").arg(t.Sum).arg(t.Count).arg(d.actual(t.Sum)));
    printLine(QString());
    printLine(tr("Диапазон") + u'\t' + tr("Уровень") + u'\t' + tr("От") + u'\t' + tr("До"));
    for (int k = 0; k < 3; ++k) {
        const views::SumRange& r = d.Ranges[std::size_t(k)];
        printLine(QStringLiteral("%1\t%2\t%3\t%4")
                      .arg(QString::fromLatin1(views::kSumRangeNames[k]))
                      .arg(r.Level)
                      .arg(r.From)
                      .arg(r.To));
    }
    return 0;
}

} // namespace cli
