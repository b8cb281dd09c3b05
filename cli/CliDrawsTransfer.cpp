// The words that bring draws in and out: the download from the operator's site and the CSV
// exchange.

#include "app/ArchiveController.h"
#include "app/RatingsController.h"
#include "app/Session.h"
#include "app/StakesController.h"
#include "app/WebController.h"
#include "cli/CliCommands.h"
#include "cli/CliSupport.h"
#include "cli/CliUserIo.h"
#include "core/DrawArchive.h"
#include "core/GameMath.h"
#include "core/TextForms.h"

namespace cli {

int RunDrawsDownload(app::Session& session, const QStringList& args)
{
    QCommandLineParser parser;
    const QCommandLineOption retriesOption = valueOption(
        QStringLiteral("retries"), tr("Сколько раз повторить загрузку после ошибки (по умолчанию 0)."), QStringLiteral("N"));
    parser.addOption(retriesOption);
    if (const auto end = parseWord(parser, QStringLiteral("draws download"),
                                   tr("Загрузить новые тиражи с сайта лотереи (адрес: OperatorUrl в разделе [NETWORK] "
                                      "файла Vertoma_5x54.ini)."),
                                   args, 0))
        return *end;
    int retries = 0;
    if (parser.isSet(retriesOption)) {
        const auto n = parseInt(parser.value(retriesOption), 0, 1000);
        if (!n)
            return refuse(tr("Количество повторов должно быть от 0 до 1000: %1").arg(parser.value(retriesOption)));
        retries = *n;
    }
    // The download ends by checking the stakes, so the book is opened as at start-up.
    if (!session.takeExclusiveHold())
        return kFailed;
    session.create();
    if (!session.archive().load() || !session.stakes().load())
        return kFailed;
    session.ratings().load();

    static_cast<CliUserIo&>(session.io()).setAnswers(QList<bool>(retries, true));
    const std::size_t before = session.archive().draws().size();
    const bool completed = session.web().drawsDownload();
    const core::TDrawsArray& draws = session.archive().draws();
    for (std::size_t i = before; i < draws.size(); ++i) {
        const core::TDrawRec& d = draws[i];
        printLine(QStringLiteral("%1\t%2\t%3\t%4")
                      .arg(d.Num)
                      .arg(core::DrawDateText(d), core::CombText(core::CombFromDraw(d)))
                      .arg(d.Extra));
    }
    printLine(tr("Загружено тиражей: %1").arg(draws.size() - before));
    return completed ? 0 : kFailed;
}

int RunDrawsExport(app::Session& session, const QStringList& args)
{
    QCommandLineParser parser;
    parser.addPositionalArgument(QStringLiteral("FILE"), tr("CSV-файл."));
    if (const auto end =
            parseWord(parser, QStringLiteral("draws export"), tr("Экспорт архива тиражей в CSV-файл."), args, 1))
        return *end;
    if (parser.positionalArguments().size() != 1)
        return refuse(tr("Укажите CSV-файл."));
    if (!session.archive().load())
        return kFailed;
    if (session.archive().draws().empty())
        return refuse(tr("Архив тиражей пуст."));
    return session.web().exportFile(parser.positionalArguments().first()) ? 0 : kFailed;
}

int RunDrawsImport(app::Session& session, const QStringList& args)
{
    QCommandLineParser parser;
    parser.addPositionalArgument(QStringLiteral("FILE"), tr("CSV-файл."));
    if (const auto end = parseWord(parser, QStringLiteral("draws import"),
                                   tr("Импорт тиражей из CSV-файла: строки \"номер;\"дата\";5 чисел;ключ\" или "
                                      "\"\"дата\";5 чисел;ключ\"."),
                                   args, 1))
        return *end;
    if (parser.positionalArguments().size() != 1)
        return refuse(tr("Укажите CSV-файл."));
    if (!session.takeExclusiveHold())
        return kFailed;
    if (!session.archive().load())
        return kFailed; // never rewrite an archive that could not be read whole
    app::WebController::ImportCount count;
    if (!session.web().importFile(parser.positionalArguments().first(), &count))
        return kFailed;
    printLine(tr("Добавлено тиражей: %1, пропущено строк: %2").arg(count.taken).arg(count.skipped));
    return 0;
}

} // namespace cli
