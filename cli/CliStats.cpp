// The statistics words of the command-line tool: the method list and the value table.

#include "app/ArchiveController.h"
#include "app/CandidatesController.h"
#include "app/Services.h"
#include "app/Session.h"
#include "app/StatisticsController.h"
#include "cli/CliCommands.h"
#include "cli/CliSupport.h"
#include "core/TextForms.h"
#include "views/StatTable.h"

namespace cli {

int RunMethods(app::Session& session, const QStringList& args)
{
    QCommandLineParser parser;
    if (const auto end = parseWord(parser, QStringLiteral("methods"),
                                   tr("Код и название каждого предлагаемого метода расчета статистики."), args, 0))
        return *end;
    session.prepareStatistics();
    const stats::TStatList& list = session.statistics().list();
    for (int i : list.SelectorMethods(false))
        printLine(list.Items(i).GetCodeText() + u'\t' + list.GetDisplayName(i, true));
    return 0;
}

int RunStat(app::Session& session, const QStringList& arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption lenOption =
        valueOption(QStringLiteral("len"), tr("Количество тиражей для расчета."), QStringLiteral("N"));
    const QCommandLineOption offsetOption =
        valueOption(QStringLiteral("offset"), tr("Смещение точки анализа от последнего тиража."), QStringLiteral("K"));
    const QCommandLineOption sortOption = valueOption(
        QStringLiteral("sort"), tr("Сортировка по столбцу (0..19), по убыванию с :desc."), QStringLiteral("COL[:desc]"));
    const QCommandLineOption sortedOption(QStringLiteral("sorted"), tr("Числа тиражей по возрастанию."));
    const QCommandLineOption compareOption(QStringLiteral("compare"), tr("Сравнение с полным набором комбинаций."));
    parser.addOptions({lenOption, offsetOption, sortOption, sortedOption, compareOption});
    parser.addPositionalArgument(QStringLiteral("CODE"), tr("Код метода расчета статистики, например: NUMS"));
    if (const auto end = parseWord(parser, QStringLiteral("stat"),
                                   tr("Таблица значений одного метода расчета статистики (20 столбцов)."), arguments))
        return *end;
    const QStringList args = parser.positionalArguments();
    const auto len = optionValue(parser, lenOption);
    const auto offset = optionValue(parser, offsetOption);
    const auto sort = optionValue(parser, sortOption);
    const bool sorted = parser.isSet(sortedOption);
    const bool compare = parser.isSet(compareOption);
    if (args.size() != 1)
        return refuse(args.isEmpty() ? tr("Укажите код метода расчета статистики, например: NUMS")
                                     : tr("Неизвестный параметр: %1").arg(args[1]));
    const QString code = args.first();

    views::StatTableParams params;
    params.Sorted = sorted;
    params.DecimalPoint = core::SystemDecimalPoint();
    if (len) {
        const auto n = parseInt(*len, 1, 2147483647);
        if (!n)
            return refuse(tr("Количество тиражей должно быть от 1 до 2147483647: %1").arg(*len));
        params.Window = *n;
    }
    int sortColumn = -1;
    bool descending = false;
    if (sort) {
        const QStringList parts = sort->split(u':');
        const auto column = parseInt(parts.first(), 0, views::StatColumnCount - 1);
        const bool directionOk =
            parts.size() == 1 ||
            (parts.size() == 2 && (parts[1] == QLatin1String("desc") || parts[1] == QLatin1String("asc")));
        if (!column || !directionOk)
            return refuse(tr("Некорректная сортировка: %1 (ожидается номер столбца 0..%2 и, по желанию, :desc)")
                              .arg(*sort)
                              .arg(views::StatColumnCount - 1));
        sortColumn = *column;
        descending = parts.size() == 2 && parts[1] == QLatin1String("desc");
    }

    session.prepareStatistics();
    const stats::TStatList& list = session.statistics().list();
    const int method = list.IndexOfCode(code);
    if (method < 0)
        return refuse(tr("Неизвестный метод расчета статистики: %1").arg(code));
    if (!session.archive().load())
        return kFailed;
    if (offset) {
        const int maxOffset = std::max(0, int(session.archive().draws().size()) - 1);
        const auto k = parseInt(*offset, 0, maxOffset);
        if (!k)
            return refuse(tr("Смещение должно быть от 0 до %1: %2").arg(maxOffset).arg(*offset));
        params.DrawsOffset = *k;
    }
    params.Cdl = session.statistics().config().CDL;

    const auto stat = list.CreateStat(method);
    views::FullSetCounts counts;
    if (compare) {
        if (!list.Items(method).Class->CanPrefetch())
            return refuse(tr("Для метода %1 нет распределения по полному набору комбинаций.").arg(code));
        // The comparison is asked for this run only; the stored switch stays as it is.
        session.statistics().setPrefetchsEnabledForRun(true);
        if (!session.statistics().prefetchOpen(method, counts))
            return kFailed;
        params.FullSet = &counts;
    }
    views::StatTable table = views::ComputeStatTable(*stat, session.archive().draws(), params);
    views::SortStatRows(table.Rows, sortColumn, descending);
    printLine(views::StatColumnCaptions().join(u'\t'));
    for (const views::StatTableRow& row : table.Rows) {
        QStringList cells(row.Cells.begin(), row.Cells.end());
        printLine(cells.join(u'\t'));
    }
    return 0;
}

int RunPrefetch(app::Session& session, const QStringList& arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption allOption(QStringLiteral("all"), tr("Все методы с распределением по полному набору."));
    parser.addOption(allOption);
    parser.addPositionalArgument(QStringLiteral("CODE"), tr("Коды методов."), QStringLiteral("[CODE...]"));
    if (const auto end = parseWord(parser, QStringLiteral("prefetch"),
                                   tr("Построить файлы распределений по полному набору комбинаций."), arguments))
        return *end;
    const QStringList args = parser.positionalArguments();
    const bool all = parser.isSet(allOption);
    if (all == !args.isEmpty())
        return refuse(tr("Укажите --all или коды методов."));
    session.prepareStatistics();
    const stats::TStatList& list = session.statistics().list();
    std::vector<int> methods;
    if (all) {
        for (int i = 0; i < list.Count(); ++i)
            if (list.Items(i).Class->CanPrefetch())
                methods.push_back(i);
    } else {
        for (const QString& code : args) {
            const int i = list.IndexOfCode(code);
            if (i < 0)
                return refuse(tr("Неизвестный метод расчета статистики: %1").arg(code));
            if (!list.Items(i).Class->CanPrefetch())
                return refuse(tr("Для метода %1 нет распределения по полному набору комбинаций.").arg(code));
            methods.push_back(i);
        }
    }
    app::ProgressScope progress(session.services().io(), tr("Построение файлов распределений..."), int(methods.size()));
    for (std::size_t k = 0; k < methods.size(); ++k) {
        progress.step(int(k));
        session.services().showStatus(
            tr("Построение файла распределения %1...").arg(list.Items(methods[k]).GetCodeText()));
        if (!session.statistics().prefetchBuild(methods[k]))
            return kFailed;
        printLine(session.statistics().fullSetPath(methods[k]));
    }
    return 0;
}

int RunGenerate(app::Session& session, const QStringList& args)
{
    QCommandLineParser parser;
    const QCommandLineOption modeOption = valueOption(QStringLiteral("mode"), tr("Режим генерации."), QStringLiteral("M"));
    const QCommandLineOption paramOption =
        valueOption(QStringLiteral("param"), tr("Параметры генерации."), QStringLiteral("TEXT"));
    const QCommandLineOption outOption =
        valueOption(QStringLiteral("out"), tr("Сохранить список в файле комбинаций."), QStringLiteral("FILE"));
    parser.addOptions({modeOption, paramOption, outOption});
    if (const auto end = parseWord(parser, QStringLiteral("generate"),
                                   tr("Генерировать список комбинаций и вывести его размер."), args, 0))
        return *end;
    const auto mode = optionValue(parser, modeOption);
    const auto param = optionValue(parser, paramOption);
    const auto out = optionValue(parser, outOption);
    session.prepareStatistics();
    core::TGenSettings settings = session.candidates().genSettings();
    if (mode) {
        const auto m = parseInt(*mode, 0, combos::kGenModeCount - 1);
        if (!m)
            return refuse(tr("Режим генерации должен быть от 0 до %1: %2").arg(combos::kGenModeCount - 1).arg(*mode));
        settings.Mode = std::uint8_t(*m);
        settings.Param.clear();
    }
    if (param)
        settings.Param = param->left(255);
    if (!session.candidates().generate(settings, false))
        return kFailed;
    printLine(QString::number(session.candidates().combs().size()));
    if (out && !session.candidates().saveFile(*out))
        return kFailed;
    return 0;
}

} // namespace cli
