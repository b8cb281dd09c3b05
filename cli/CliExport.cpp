// The word "export": any list of the program as an .xlsx workbook, with the parameters stored
// for the list in the configuration file or given in a parameter file; the parameters of a
// written workbook are stored for the list as the window's export dialog stores them.

#include "app/ArchiveController.h"
#include "app/CandidatesController.h"
#include "app/ExportController.h"
#include "app/RatingsController.h"
#include "app/Session.h"
#include "app/StakesController.h"
#include "app/StatisticsController.h"
#include "app/ViewsController.h"
#include "cli/CliCommands.h"
#include "cli/CliSupport.h"
#include "cli/CliUserIo.h"
#include "stakes/StakesFile.h"

#include <QFileInfo>

namespace cli {

namespace {

// "1,3,5-7": data rows counted from 1; nullopt when the text is no such list.
std::optional<QList<int>> parseRows(const QString& text)
{
    QList<int> rows;
    for (const QString& part : text.split(u',')) {
        const QStringList ends = part.trimmed().split(u'-');
        if (ends.size() > 2)
            return std::nullopt;
        const auto first = parseInt(ends.first(), 1, INT_MAX);
        const auto last = ends.size() == 2 ? parseInt(ends.last(), 1, INT_MAX) : first;
        if (!first || !last || *last < *first || *last - *first > 10'000'000)
            return std::nullopt;
        for (int row = *first; row <= *last; ++row)
            rows << row - 1;
    }
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

} // namespace

int RunExport(app::Session& session, const QStringList& args)
{
    QCommandLineParser parser;
    const QCommandLineOption paramsOption =
        valueOption(QStringLiteral("params"), tr("Файл параметров экспорта (.exp)."), QStringLiteral("FILE.exp"));
    const QCommandLineOption selectedOption = valueOption(
        QStringLiteral("selected"), tr("Только выделенные строки, считая с 1: например 1,3,5-7."), QStringLiteral("ROWS"));
    const QCommandLineOption lenOption =
        valueOption(QStringLiteral("len"), tr("Количество тиражей для таблицы статистики и схемы."), QStringLiteral("N"));
    const QCommandLineOption inOption =
        valueOption(QStringLiteral("in"), tr("Файл комбинаций вместо сгенерированного списка."), QStringLiteral("FILE"));
    parser.addOptions({paramsOption, selectedOption, lenOption, inOption});
    parser.addPositionalArgument(QStringLiteral("SOURCE"),
                                 tr("Список: draws, combs, stat CODE, ratings, card, layout или stakes."));
    parser.addPositionalArgument(QStringLiteral("FILE.xlsx"), tr("Файл рабочей книги."));
    if (const auto end = parseWord(parser, QStringLiteral("export"),
                                   tr("Экспорт списка в рабочую книгу Microsoft Excel (.xlsx)."), args, 3))
        return *end;
    QStringList words = parser.positionalArguments();
    const QString source = words.value(0);
    QString code;
    if (source == QLatin1String("stat")) {
        if (words.size() != 3)
            return refuse(tr("Укажите код метода и файл: export stat CODE FILE.xlsx"));
        code = words.takeAt(1);
    }
    if (words.size() != 2)
        return refuse(tr("Укажите список и файл: export SOURCE FILE.xlsx"));
    const QString file = words[1];
    if (!file.endsWith(QLatin1String(".xlsx"), Qt::CaseInsensitive))
        return refuse(tr("Имя файла рабочей книги должно оканчиваться на .xlsx: %1").arg(file));

    xls::RowMode mode = xls::RowMode::All;
    QList<int> selected;
    if (const auto rows = optionValue(parser, selectedOption)) {
        const auto parsed = parseRows(*rows);
        if (!parsed)
            return refuse(tr("Некорректный список строк: %1").arg(*rows));
        selected = *parsed;
        mode = xls::RowMode::Selected;
    }
    int length = 0;
    if (const auto len = optionValue(parser, lenOption)) {
        const auto n = parseInt(*len, 1, INT_MAX);
        if (!n)
            return refuse(tr("Количество тиражей должно быть от 1 до 2147483647: %1").arg(*len));
        length = *n;
    }
    const auto paramsFile = optionValue(parser, paramsOption);
    const auto combsFile = optionValue(parser, inOption);
    if (combsFile && source != QLatin1String("combs"))
        return refuse(tr("--in относится только к списку combs."));

    app::ExportController& exporter = session.exportCtl();
    std::unique_ptr<xls::TableSource> table;
    QString title;
    if (source == QLatin1String("draws")) {
        if (!session.archive().load())
            return kFailed;
        table = exporter.drawsSource();
        title = app::ExportController::listCaption(app::ExportList::Draws);
    } else if (source == QLatin1String("combs")) {
        session.prepareStatistics();
        if (combsFile ? !session.candidates().loadFile(*combsFile)
                      : !(session.archive().load() &&
                          session.candidates().generate(session.candidates().genSettings(), false)))
            return kFailed;
        table = exporter.combsSource();
        title = app::ExportController::listCaption(app::ExportList::Combs);
    } else if (source == QLatin1String("stat")) {
        session.prepareStatistics();
        const int method = session.statistics().list().IndexOfCode(code);
        if (method < 0)
            return refuse(tr("Неизвестный метод расчета статистики: %1").arg(code));
        if (!session.archive().load())
            return kFailed;
        session.statistics().calc(method, length > 0 ? length : 1000, true);
        table = exporter.statSource();
        title = app::ExportController::listCaption(app::ExportList::Stat);
    } else if (source == QLatin1String("ratings")) {
        session.ratings().load();
        table = exporter.ratingsSource();
        title = app::ExportController::listCaption(app::ExportList::Ratings);
    } else if (source == QLatin1String("card")) {
        if (!session.archive().load())
            return kFailed;
        table = exporter.cardSource();
        title = app::ExportController::listCaption(app::ExportList::Card);
    } else if (source == QLatin1String("layout")) {
        if (!session.archive().load())
            return kFailed;
        session.views().setLayoutLength(length > 0 ? length : 100);
        // Showing the page builds the scheme, as it does on screen.
        session.views().setShown(app::ViewsController::Page::Layout, true);
        table = exporter.layoutSource();
        title = app::ExportController::listCaption(app::ExportList::Layout);
    } else if (source == QLatin1String("stakes")) {
        stakes::StakesFile& stakesFile = session.stakes().file();
        // Reading writes nothing: a missing file exports no stakes and is not created.
        if (QFileInfo::exists(stakesFile.path())) {
            QString error;
            if (!stakesFile.open(&error)) {
                printError(tr("Ошибка чтения файла ставок!") + QStringLiteral("\n\n") + error);
                return kFailed;
            }
            // An outdated file exports no stakes, and says so as its listing does.
            if (stakesFile.isOutdated())
                printError(app::StakesController::outdatedListingWarning(stakesFile));
        }
        table = exporter.stakesSource();
        title = app::ExportController::listCaption(app::ExportList::Stakes);
    } else {
        return refuse(tr("Неизвестный список: %1 (draws, combs, stat CODE, ratings, card, layout, stakes)").arg(source));
    }

    if (mode == xls::RowMode::Selected) {
        for (const int row : selected)
            if (row >= table->rowCount())
                return refuse(tr("Строки %1 нет в списке (строк: %2).").arg(row + 1).arg(table->rowCount()));
        table->setSelection({true, selected});
    }
    int written = 0;
    if (!exporter.exportToFile(*table, title, file, paramsFile.value_or(QString()), mode, &written))
        return kFailed;
    printLine(tr("Экспортировано строк: %1").arg(written));
    printLine(QFileInfo(file).absoluteFilePath());
    return 0;
}

} // namespace cli
