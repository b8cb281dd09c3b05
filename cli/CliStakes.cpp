// The stakes and ratings words of the command-line tool.

#include "app/ArchiveController.h"
#include "app/CandidatesController.h"
#include "app/RatingsController.h"
#include "app/Session.h"
#include "app/StakesController.h"
#include "cli/CliCommands.h"
#include "cli/CliSupport.h"
#include "cli/CliUserIo.h"
#include "core/TextForms.h"
#include "scripts/Ratings.h"

#include <QFileInfo>

namespace cli {

namespace {

// The start of every word that changes stakes or ratings: the hold on the data folder, the
// settings, the archive, and the stakes and ratings as the program has them at start-up.
bool openBook(app::Session& session)
{
    if (!session.takeExclusiveHold())
        return false;
    session.create();
    if (!session.archive().load())
        return false;
    if (!session.stakes().load())
        return false;
    session.ratings().load();
    return true;
}

struct StakeOptions
{
    QCommandLineOption draw = valueOption(QStringLiteral("draw"), tr("Номер тиража (по умолчанию следующий)."),
                                          QStringLiteral("N"));
    QCommandLineOption copies =
        valueOption(QStringLiteral("copies"), tr("Количество тиражей, начиная с указанного."), QStringLiteral("K"));
    QCommandLineOption comment = valueOption(QStringLiteral("comment"), tr("Комментарий к ставке."), QStringLiteral("TEXT"));

    void addTo(QCommandLineParser& parser) const { parser.addOptions({draw, copies, comment}); }

    // The dialog's values after its checks; nullopt after a refusal was printed.
    std::optional<int> read(const QCommandLineParser& parser, app::Session& session, int& drawNum, int& count,
                            QString& text) const
    {
        drawNum = session.archive().nextDrawNum(session.archive().offset());
        if (parser.isSet(draw)) {
            const auto n = parseInt(parser.value(draw), 1, 2147483647);
            if (!n)
                return refuse(tr("Некорректный номер тиража: %1").arg(parser.value(draw)));
            drawNum = *n;
        }
        count = 1;
        if (parser.isSet(copies)) {
            const auto k = parseInt(parser.value(copies), 1, 65535);
            if (!k)
                return refuse(tr("Количество тиражей должно быть от 1 до 65535: %1").arg(parser.value(copies)));
            count = *k;
        }
        text = parser.isSet(comment) ? parser.value(comment) : app::StakesController::manualComment();
        if (text.isEmpty())
            return refuse(tr("Необходимо ввести комментарий!"));
        if (text.size() > 64)
            return refuse(tr("Комментарий к ставке длиннее 64 символов."));
        return std::nullopt;
    }
};

int listStakes(app::Session& session, const QStringList& args)
{
    QCommandLineParser parser;
    const QCommandLineOption fromOption =
        valueOption(QStringLiteral("from"), tr("Первая выводимая запись (с 1)."), QStringLiteral("N"));
    parser.addOption(fromOption);
    if (const auto end = parseWord(parser, QStringLiteral("stakes"), tr("Список ставок в порядке файла."), args, 0))
        return *end;
    qint64 from = 0;
    if (parser.isSet(fromOption)) {
        const auto n = parseInt(parser.value(fromOption), 1, 2147483647);
        if (!n)
            return refuse(tr("Некорректный номер записи: %1").arg(parser.value(fromOption)));
        from = *n - 1;
    }
    printLine(stakes::StakeColumnCaptions().join(u'\t'));
    stakes::StakesFile& file = session.stakes().file();
    // Listing writes nothing: a missing file lists no stakes and is not created.
    if (!QFileInfo::exists(file.path()))
        return 0;
    QString error;
    if (!file.open(&error)) {
        printError(tr("Ошибка чтения файла ставок!") + QStringLiteral("\n\n") + error);
        return kFailed;
    }
    // An outdated file holds no stakes: its records are not listed as if they were, and the
    // person learns what the first writing word will do with it.
    if (file.isOutdated()) {
        printError(app::StakesController::outdatedListingWarning(file));
        return 0;
    }
    const QString dp = core::SystemDecimalPoint();
    const bool read = file.scan(
        from,
        [&](qint64, const stakes::TStakeRec& rec) {
            QStringList cells;
            for (int column = 0; column < stakes::StakeColumnCount; ++column)
                cells << stakes::StakeCellText(rec, column, dp);
            printLine(cells.join(u'\t'));
            return true;
        },
        &error);
    if (!read) {
        printError(tr("Ошибка чтения файла ставок!") + QStringLiteral("\n\n") + error);
        return kFailed;
    }
    return 0;
}

int addStake(app::Session& session, const QStringList& args)
{
    QCommandLineParser parser;
    const StakeOptions options;
    options.addTo(parser);
    parser.addPositionalArgument(QStringLiteral("NUMBERS"), tr("Пять чисел ставки, например: 5;12;33;40;54"));
    if (const auto end = parseWord(parser, QStringLiteral("stakes add"),
                                   tr("Сделать ставку и сразу проверить ее по архиву тиражей."), args))
        return *end;
    if (parser.positionalArguments().size() != 1)
        return refuse(tr("Укажите числа ставки одним параметром, например: 5;12;33;40;54"));
    core::TValueSet numbers;
    if (!stakes::ParseStakeNumbers(parser.positionalArguments().first(), numbers))
        return refuse(tr("Введена некорректная комбинация!"));
    if (!openBook(session))
        return kFailed;
    int drawNum = 0, copies = 1;
    QString comment;
    if (const auto end = options.read(parser, session, drawNum, copies, comment))
        return *end;
    // The stake records the size of the candidate list, which the window generates at start-up.
    if (!session.candidates().generate(session.candidates().genSettings(), false))
        return kFailed;
    app::StakesController& stakes = session.stakes();
    stakes::TStakeRec rec = stakes.newStake(stakes::KindManual, drawNum, numbers, comment);
    return stakes.create(rec, copies) ? 0 : kFailed;
}

int addAllStakes(app::Session& session, const QStringList& args)
{
    QCommandLineParser parser;
    const StakeOptions options;
    options.addTo(parser);
    const QCommandLineOption inOption =
        valueOption(QStringLiteral("in"), tr("Комбинации из файла вместо сгенерированного списка."), QStringLiteral("FILE"));
    parser.addOption(inOption);
    if (const auto end = parseWord(parser, QStringLiteral("stakes add-all"),
                                   tr("Сделать ставки для всех комбинаций списка."), args, 0))
        return *end;
    if (!openBook(session))
        return kFailed;
    int drawNum = 0, copies = 1;
    QString comment;
    if (const auto end = options.read(parser, session, drawNum, copies, comment))
        return *end;
    const bool listed = parser.isSet(inOption)
                            ? session.candidates().loadFile(parser.value(inOption))
                            : session.candidates().generate(session.candidates().genSettings(), false);
    if (!listed)
        return kFailed;
    return session.stakes().addAll(session.candidates().combs(), drawNum, copies, comment) ? 0 : kFailed;
}

int checkStakes(app::Session& session, const QStringList& args)
{
    QCommandLineParser parser;
    if (const auto end = parseWord(parser, QStringLiteral("stakes check"),
                                   tr("Проверить ставки по архиву тиражей и вывести, сколько проверено."), args, 0))
        return *end;
    if (!openBook(session))
        return kFailed;
    session.stakes().checkManual();
    printLine(QString::number(session.stakes().lastChecked()));
    return 0;
}

int deleteWhere(app::Session& session, const QStringList& args)
{
    QCommandLineParser parser;
    parser.addPositionalArgument(QStringLiteral("OP"),
                                 tr("0 равно, 1 более, 2 не менее, 3 менее, 4 не более (количество совпадений)."));
    parser.addPositionalArgument(QStringLiteral("VALUE"), tr("Количество совпадений 0..5."));
    if (const auto end = parseWord(parser, QStringLiteral("stakes delete-where"),
                                   tr("Удалить ставки с заданным количеством совпадений."), args))
        return *end;
    const QStringList words = parser.positionalArguments();
    if (words.size() != 2)
        return refuse(tr("Укажите условие (0..4) и количество совпадений (0..5)."));
    const auto op = parseInt(words[0], 0, 4);
    const auto value = parseInt(words[1], 0, 5);
    if (!op || !value)
        return refuse(tr("Укажите условие (0..4) и количество совпадений (0..5)."));
    if (!openBook(session))
        return kFailed;
    if (!session.stakes().hasData())
        return 0;
    return session.stakes().stakeFilterWith(*op, *value) ? 0 : kFailed;
}

int clearStakes(app::Session& session, const QStringList& args)
{
    QCommandLineParser parser;
    if (const auto end = parseWord(parser, QStringLiteral("stakes clear"),
                                   tr("Удалить все ставки; накопленный рейтинг сохраняется."), args, 0))
        return *end;
    if (!openBook(session))
        return kFailed;
    if (!session.stakes().hasData())
        return 0;
    // Yes to deleting the stakes, No to recomputing the rating from none: what was learned stays.
    static_cast<CliUserIo&>(session.io()).setAnswers({true, false});
    session.stakes().stakeClear();
    return session.stakes().count() == 0 ? 0 : kFailed;
}

int listRatings(app::Session& session, const QStringList& args)
{
    QCommandLineParser parser;
    const QCommandLineOption sortOption = valueOption(
        QStringLiteral("sort"), tr("Сортировка по столбцу (0..17), по убыванию с :desc."), QStringLiteral("COL[:desc]"));
    const QCommandLineOption modeOption =
        valueOption(QStringLiteral("mode"), tr("Режим столбцов E0..E5: 0, 1 или 2."), QStringLiteral("M"));
    parser.addOptions({sortOption, modeOption});
    if (const auto end =
            parseWord(parser, QStringLiteral("ratings"), tr("Рейтинг: 18 столбцов списка, по строке на запись."), args, 0))
        return *end;
    int column = -1;
    bool descending = false;
    if (parser.isSet(sortOption)) {
        const QStringList parts = parser.value(sortOption).split(u':');
        const auto c = parseInt(parts.first(), 0, scripts::RatingColumnCount - 1);
        const bool directionOk = parts.size() == 1 || (parts.size() == 2 && (parts[1] == QLatin1String("desc") ||
                                                                             parts[1] == QLatin1String("asc")));
        if (!c || !directionOk)
            return refuse(tr("Некорректная сортировка: %1 (ожидается номер столбца 0..%2 и, по желанию, :desc)")
                              .arg(parser.value(sortOption))
                              .arg(scripts::RatingColumnCount - 1));
        column = *c;
        descending = parts.size() == 2 && parts[1] == QLatin1String("desc");
    }
    scripts::EfficiencyMode mode = scripts::EfficiencyMode::Absolute;
    if (parser.isSet(modeOption)) {
        const auto m = parseInt(parser.value(modeOption), 0, 2);
        if (!m)
            return refuse(tr("Режим должен быть 0, 1 или 2: %1").arg(parser.value(modeOption)));
        mode = scripts::EfficiencyMode(*m);
    }
    core::TRatingsArray rows;
    const QString path = session.ratings().path();
    if (QFileInfo::exists(path)) {
        QString error;
        if (!scripts::RatingsReadFile(path, rows, nullptr, &error)) {
            printError(tr("Ошибка чтения файла рейтинга!") + QStringLiteral("\n\n") + error);
            return kFailed;
        }
    }
    // The order is shown, not stored: the file keeps the list's own sort.
    scripts::RatingsSortArray(rows, column, descending);
    printLine(scripts::RatingColumnCaptions().join(u'\t'));
    const scripts::HitShares shares = scripts::TheoreticalHitShares();
    const QString dp = core::SystemDecimalPoint();
    for (const core::TRatingRec& row : rows) {
        QStringList cells;
        for (int c = 0; c < scripts::RatingColumnCount; ++c)
            cells << scripts::RatingCellText(row, c, mode, shares, dp);
        printLine(cells.join(u'\t'));
    }
    return 0;
}

int refreshRatings(app::Session& session, const QStringList& args)
{
    QCommandLineParser parser;
    if (const auto end = parseWord(parser, QStringLiteral("ratings refresh"),
                                   tr("Пересчитать рейтинг по текущим ставкам."), args, 0))
        return *end;
    if (!openBook(session))
        return kFailed;
    static_cast<CliUserIo&>(session.io()).setAnswers({true});
    if (!session.ratings().refresh(session.stakes().file()))
        return kFailed;
    printLine(QString::number(session.ratings().table().size()));
    return 0;
}

int exportRatings(app::Session& session, const QStringList& args)
{
    QCommandLineParser parser;
    parser.addPositionalArgument(QStringLiteral("FILE"), tr("CSV-файл."));
    if (const auto end =
            parseWord(parser, QStringLiteral("ratings export"), tr("Экспорт рейтинга в CSV-файл."), args))
        return *end;
    if (parser.positionalArguments().size() != 1)
        return refuse(tr("Укажите CSV-файл."));
    session.ratings().load();
    return session.ratings().exportCsvTo(parser.positionalArguments().first()) ? 0 : kFailed;
}

} // namespace

int RunStakes(app::Session& session, const QStringList& args)
{
    const QString sub = args.value(0);
    if (sub == QLatin1String("add"))
        return addStake(session, args.mid(1));
    if (sub == QLatin1String("add-all"))
        return addAllStakes(session, args.mid(1));
    if (sub == QLatin1String("check"))
        return checkStakes(session, args.mid(1));
    if (sub == QLatin1String("delete-where"))
        return deleteWhere(session, args.mid(1));
    if (sub == QLatin1String("clear"))
        return clearStakes(session, args.mid(1));
    return listStakes(session, args);
}

int RunRatings(app::Session& session, const QStringList& args)
{
    const QString sub = args.value(0);
    if (sub == QLatin1String("refresh"))
        return refreshRatings(session, args.mid(1));
    if (sub == QLatin1String("export"))
        return exportRatings(session, args.mid(1));
    if (sub == QLatin1String("to-script"))
        return RunRatingsToScript(session, args.mid(1));
    return listRatings(session, args);
}

} // namespace cli
