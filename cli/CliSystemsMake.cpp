// The words "systems make" (a system made for N numbers with a guarantee, stored in "Systems" or
// written to a file) and "systems reference" (the sizes systems are measured against).

#include "app/Session.h"
#include "app/SystemsController.h"
#include "cli/CliCommands.h"
#include "cli/CliSupport.h"
#include "cli/CliUserIo.h"
#include "stakes/WheelReference.h"

#include <QSaveFile>

namespace cli {

namespace {

QString known(std::int64_t value)
{
    return value > 0 ? QString::number(value) : QString();
}

} // namespace

int MakeSystem(app::Session& session, const QStringList& args)
{
    QCommandLineParser parser;
    const QCommandLineOption numbersOption =
        valueOption(QStringLiteral("numbers"), tr("Количество чисел системы, 6..54."), QStringLiteral("N"));
    const QCommandLineOption guaranteeOption = valueOption(
        QStringLiteral("guarantee"), tr("Гарантия: угаданных чисел в одной комбинации, 2..4."), QStringLiteral("T"));
    const QCommandLineOption ifOption = valueOption(
        QStringLiteral("if"), tr("Если угадано столько чисел системы, T..5 (по умолчанию 5)."), QStringLiteral("M"));
    const QCommandLineOption bankersOption =
        valueOption(QStringLiteral("bankers"),
                    tr("Опорные числа: первые B чисел в каждой комбинации (по умолчанию 0)."), QStringLiteral("B"));
    const QCommandLineOption secondsOption =
        valueOption(QStringLiteral("seconds"), tr("Время поиска в секундах (по умолчанию 10)."), QStringLiteral("S"));
    const QCommandLineOption seedOption = valueOption(
        QStringLiteral("seed"), tr("Начальное число случайного поиска (по умолчанию 1)."), QStringLiteral("X"));
    const QCommandLineOption outOption = valueOption(
        QStringLiteral("out"), tr("Записать систему только в этот файл, а не в папку систем."), QStringLiteral("FILE"));
    parser.addOptions({numbersOption, guaranteeOption, ifOption, bankersOption, secondsOption, seedOption, outOption});
    if (const auto end =
            parseWord(parser, QStringLiteral("systems make"), tr("Создать систему с гарантией для N чисел."), args, 0))
        return *end;
    if (!parser.isSet(numbersOption) || !parser.isSet(guaranteeOption))
        return refuse(tr("Укажите --numbers и --guarantee."));
    const auto integer = [&](const QCommandLineOption& option, int fallback) -> std::optional<int> {
        if (!parser.isSet(option))
            return fallback;
        return parseInt(parser.value(option), -1000000, 1000000);
    };
    const std::optional<int> n = integer(numbersOption, 0);
    const std::optional<int> t = integer(guaranteeOption, 0);
    const std::optional<int> m = integer(ifOption, 5);
    const std::optional<int> b = integer(bankersOption, 0);
    if (!n || !t || !m || !b)
        return refuse(tr("Параметры системы должны быть целыми числами."));
    const stakes::WheelParams params{*n, *t, *m, *b};
    if (const QString error = stakes::WheelParamsError(params); !error.isEmpty())
        return refuse(error);
    double seconds = 10;
    if (parser.isSet(secondsOption)) {
        bool ok = false;
        seconds = parser.value(secondsOption).toDouble(&ok);
        if (!ok || !(seconds > 0) || seconds > 86400)
            return refuse(
                tr("Время поиска должно быть больше нуля и не больше суток: %1").arg(parser.value(secondsOption)));
    }
    std::uint64_t seed = 1;
    if (parser.isSet(seedOption)) {
        bool ok = false;
        seed = parser.value(seedOption).toULongLong(&ok);
        if (!ok)
            return refuse(tr("Начальное число должно быть целым неотрицательным: %1").arg(parser.value(seedOption)));
    }
    const QString out = parser.value(outOption);
    if (parser.isSet(outOption) && out.isEmpty())
        return refuse(tr("Укажите файл после --out."));

    // Storing in "Systems" changes the data folder, as the page would.
    if (out.isEmpty() && !session.takeExclusiveHold())
        return kFailed;
    const app::MadeSystem made = session.systems().make(params, seconds, seed);
    if (made.Result.Lines.empty()) {
        printError(tr("Система не найдена за отведенное время"));
        return kFailed;
    }
    QString error;
    if (out.isEmpty()) {
        if (!session.systems().storeMade(made, error)) {
            printError(tr("Ошибка создания системы!") + QStringLiteral("\n\n") + error);
            return kFailed;
        }
    } else {
        QSaveFile file(out);
        if (!file.open(QIODevice::WriteOnly) || file.write(stakes::SystemFileText(made.Result.Lines)) < 0 ||
            !file.commit()) {
            printError(tr("Не удается записать файл \"%1\": %2").arg(out, file.errorString()));
            return kFailed;
        }
    }
    printLine(QStringLiteral("%1\t%2\t%3\t%4\t%5\t%6\t%7\t%8\t%9")
                  .arg(params.Nums)
                  .arg(params.Guarantee)
                  .arg(params.Drawn)
                  .arg(params.Bankers)
                  .arg(made.Result.Lines.size())
                  .arg(known(made.Sizes.BestKnown), known(made.Sizes.LowerBound))
                  .arg(tr("%1 из %2").arg(made.Result.VerifiedGuarantee).arg(params.Drawn))
                  .arg(made.Result.Seconds, 0, 'f', 2));
    return 0;
}

int ListReference(const QStringList& args)
{
    QCommandLineParser parser;
    const QCommandLineOption numbersOption =
        valueOption(QStringLiteral("numbers"), tr("Только системы для N чисел."), QStringLiteral("N"));
    const QCommandLineOption guaranteeOption =
        valueOption(QStringLiteral("guarantee"), tr("Только системы с гарантией T."), QStringLiteral("T"));
    const QCommandLineOption ifOption =
        valueOption(QStringLiteral("if"), tr("Только системы для M угаданных."), QStringLiteral("M"));
    parser.addOptions({numbersOption, guaranteeOption, ifOption});
    if (const auto end = parseWord(parser, QStringLiteral("systems reference"),
                                   tr("Лучшие известные размеры систем и нижние границы (La Jolla Covering "
                                      "Repository, CC BY 4.0)."),
                                   args, 0))
        return *end;
    std::optional<int> filters[3];
    const QCommandLineOption* options[3] = {&numbersOption, &guaranteeOption, &ifOption};
    for (int i = 0; i < 3; ++i) {
        if (!parser.isSet(*options[i]))
            continue;
        filters[i] = parseInt(parser.value(*options[i]), 1, 54);
        if (!filters[i])
            return refuse(tr("Некорректное число: %1").arg(parser.value(*options[i])));
    }
    printLine(tr("Числа\tГарантия\tЕсли\tРазмер\tНижняя граница\tСостояние"));
    for (const stakes::WheelReferenceRow& row : stakes::WheelReferenceTable()) {
        if ((filters[0] && row.Nums != *filters[0]) || (filters[1] && row.Guarantee != *filters[1]) ||
            (filters[2] && row.Drawn != *filters[2]))
            continue;
        printLine(QStringLiteral("%1\t%2\t%3\t%4\t%5\t%6")
                      .arg(row.Nums)
                      .arg(row.Guarantee)
                      .arg(row.Drawn)
                      .arg(row.Size)
                      .arg(known(row.LowerBound), row.Status));
    }
    return 0;
}

} // namespace cli
