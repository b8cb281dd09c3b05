// The statistics words of the command-line tool: the method list and the value table.

#include "app/Session.h"
#include "cli/CliCommands.h"
#include "cli/CliSupport.h"
#include "views/StatTable.h"

namespace cli {

int RunMethods(app::Session& session, QStringList args)
{
    if (!args.isEmpty())
        return refuse(tr("Неизвестный параметр: %1").arg(args.first()));
    session.prepareStatistics();
    const stats::TStatList& list = session.statList();
    for (int i : list.SelectorMethods(false))
        printLine(list.Items(i).GetCodeText() + u'\t' + list.GetDisplayName(i, true));
    return 0;
}

int RunStat(app::Session& session, QStringList args)
{
    bool missing = false;
    const auto len = takeOption(args, QStringLiteral("--len"), missing);
    const auto offset = takeOption(args, QStringLiteral("--offset"), missing);
    const auto sort = takeOption(args, QStringLiteral("--sort"), missing);
    const bool sorted = takeFlag(args, QStringLiteral("--sorted"));
    const bool compare = takeFlag(args, QStringLiteral("--compare"));
    if (missing)
        return refuse(tr("Не указано значение параметра."));
    if (args.size() != 1)
        return refuse(args.isEmpty() ? tr("Укажите код метода расчета статистики, например: NUMS")
                                     : tr("Неизвестный параметр: %1").arg(args[1]));
    const QString code = args.first();

    views::StatTableParams params;
    params.Sorted = sorted;
    params.DecimalPoint = views::SystemDecimalPoint();
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
    const stats::TStatList& list = session.statList();
    const int method = list.IndexOfCode(code);
    if (method < 0)
        return refuse(tr("Неизвестный метод расчета статистики: %1").arg(code));
    if (!session.drawsLoad())
        return kFailed;
    if (offset) {
        const int maxOffset = std::max(0, int(session.draws().size()) - 1);
        const auto k = parseInt(*offset, 0, maxOffset);
        if (!k)
            return refuse(tr("Смещение должно быть от 0 до %1: %2").arg(maxOffset).arg(*offset));
        params.DrawsOffset = *k;
    }
    params.Cdl = session.config().CDL;

    const auto stat = list.CreateStat(method);
    views::FullSetCounts counts;
    if (compare) {
        if (!list.Items(method).Class->CanPrefetch())
            return refuse(tr("Для метода %1 нет распределения по полному набору комбинаций.").arg(code));
        // The comparison is asked for this run only; the stored switch stays as it is.
        session.setPrefetchsEnabledForRun(true);
        if (!session.prefetchOpen(method, counts))
            return kFailed;
        params.FullSet = &counts;
    }
    views::StatTable table = views::ComputeStatTable(*stat, session.draws(), params);
    views::SortStatRows(table.Rows, sortColumn, descending);
    printLine(views::StatColumnCaptions().join(u'\t'));
    for (const views::StatTableRow& row : table.Rows) {
        QStringList cells(row.Cells.begin(), row.Cells.end());
        printLine(cells.join(u'\t'));
    }
    return 0;
}

int RunPrefetch(app::Session& session, QStringList args)
{
    const bool all = takeFlag(args, QStringLiteral("--all"));
    if (all == !args.isEmpty())
        return refuse(tr("Укажите --all или коды методов."));
    session.prepareStatistics();
    const stats::TStatList& list = session.statList();
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
    for (int i : methods) {
        if (!session.prefetchBuild(i))
            return kFailed;
        printLine(session.fullSetPath(i));
    }
    return 0;
}

int RunGenerate(app::Session& session, QStringList args)
{
    bool missing = false;
    const auto mode = takeOption(args, QStringLiteral("--mode"), missing);
    const auto param = takeOption(args, QStringLiteral("--param"), missing);
    const auto out = takeOption(args, QStringLiteral("--out"), missing);
    if (missing)
        return refuse(tr("Не указано значение параметра."));
    if (!args.isEmpty())
        return refuse(tr("Неизвестный параметр: %1").arg(args.first()));
    session.prepareStatistics();
    core::TGenSettings settings = session.genSettings();
    if (mode) {
        const auto m = parseInt(*mode, 0, combos::kGenModeCount - 1);
        if (!m)
            return refuse(tr("Режим генерации должен быть от 0 до %1: %2").arg(combos::kGenModeCount - 1).arg(*mode));
        settings.Mode = std::uint8_t(*m);
        settings.Param.clear();
    }
    if (param)
        settings.Param = param->left(255);
    if (!session.combsGenerate(settings, false))
        return kFailed;
    printLine(QString::number(session.combs().size()));
    if (out && !session.combsSaveFile(*out))
        return kFailed;
    return 0;
}

} // namespace cli
