#include "cli/CliCommands.h"

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

int listDraws(app::Session& session, QStringList args)
{
    const bool sorted = takeFlag(args, QStringLiteral("--sorted"));
    if (!args.isEmpty())
        return refuse(tr("Неизвестный параметр: %1").arg(args.first()));
    if (!session.drawsLoad())
        return kFailed;
    printLine(core::DrawColumnCaptions().join(QLatin1Char('\t')));
    const core::TDrawsArray& draws = session.draws();
    for (int row = 0; row < static_cast<int>(draws.size()); ++row) {
        const core::TDrawRec& draw = draws[static_cast<std::size_t>(core::DrawIndexOfRow(draws, row))];
        QStringList cells;
        for (int column = 0; column < core::DrawColumnCount; ++column)
            cells << core::DrawCellText(draw, column, sorted);
        printLine(cells.join(QLatin1Char('\t')));
    }
    return 0;
}

int addDraw(app::Session& session, QStringList args)
{
    bool missing = false;
    const auto num = takeOption(args, QStringLiteral("--num"), missing);
    const auto date = takeOption(args, QStringLiteral("--date"), missing);
    if (missing)
        return refuse(tr("Не указано значение параметра."));
    if (args.size() != 1)
        return refuse(tr("Укажите числа тиража одним параметром, например: 5;12;33;40;54;7"));

    core::TDrawRec rec;
    if (!core::ParseDrawText(args.first(), rec))
        return refuse(tr("Введена некорректная комбинация!"));
    std::optional<int> number;
    if (num) {
        number = parseInt(*num, 1, 2147483647);
        if (!number)
            return refuse(tr("Некорректный номер тиража: %1").arg(*num));
    }
    QString dateText = core::DateToText(
        core::EncodeDate(QDate::currentDate().year(), QDate::currentDate().month(), QDate::currentDate().day()));
    if (date) {
        try {
            const double d = core::TextToDate(*date);
            if (d <= 0)
                return refuse(tr("Некорректная дата тиража: %1").arg(*date));
            dateText = core::DateToText(d);
        } catch (const core::EConvertError& e) {
            return refuse(e.message());
        }
    }

    if (!session.openStakesFile())
        return kFailed;
    if (!session.drawsLoad())
        return kFailed; // never rewrite an archive that could not be read whole
    rec.Num = number ? *number : session.nextDrawNum(0);
    core::SetDrawDateText(rec, dateText);
    return session.drawsAppend(rec) ? 0 : kFailed;
}

int deleteDraw(app::Session& session, QStringList args)
{
    if (args.size() != 1)
        return refuse(tr("Укажите номер удаляемого тиража."));
    const auto num = parseInt(args.first(), -2147483647, 2147483647);
    if (!num)
        return refuse(tr("Некорректный номер тиража: %1").arg(args.first()));
    if (!session.openStakesFile())
        return kFailed;
    if (!session.drawsLoad())
        return kFailed;
    const int index = session.findDrawIndex(*num);
    if (index < 0)
        return refuse(tr("Тираж № %1 не найден в архиве.").arg(*num));
    session.drawsDelete(index);
    const bool saved = session.drawsSave();
    session.recalcViews(false);
    return saved ? 0 : kFailed;
}

} // namespace

int RunDraws(app::Session& session, QStringList args)
{
    if (!args.isEmpty() && args.first() == QStringLiteral("add"))
        return addDraw(session, args.mid(1));
    if (!args.isEmpty() && args.first() == QStringLiteral("delete"))
        return deleteDraw(session, args.mid(1));
    return listDraws(session, args);
}

int RunStatus(app::Session& session, QStringList args)
{
    bool missing = false;
    const auto offset = takeOption(args, QStringLiteral("--offset"), missing);
    if (missing)
        return refuse(tr("Не указано значение параметра."));
    if (!args.isEmpty())
        return refuse(tr("Неизвестный параметр: %1").arg(args.first()));
    if (!session.drawsLoad())
        return kFailed;
    if (offset) {
        const int maxOffset = std::max(0, static_cast<int>(session.draws().size()) - 1);
        const auto k = parseInt(*offset, 0, maxOffset);
        if (!k)
            return refuse(tr("Смещение должно быть от 0 до %1: %2").arg(maxOffset).arg(*offset));
        session.setDrawsOffset(*k);
    }
    for (int panel = 0; panel < 3; ++panel)
        printLine(session.statusPanel(panel));
    return 0;
}

QString UsageText()
{
    return tr("Использование:\n"
              "  vertoma-cli [--data-dir DIR] draws [--sorted]\n"
              "  vertoma-cli [--data-dir DIR] draws add TEXT [--num N] [--date dd/mm/yyyy]\n"
              "  vertoma-cli [--data-dir DIR] draws delete NUM\n"
              "  vertoma-cli [--data-dir DIR] status [--offset K]\n"
              "  vertoma-cli [--data-dir DIR] methods\n"
              "  vertoma-cli [--data-dir DIR] stat CODE [--len N] [--offset K] [--sorted] [--sort COL[:desc]] "
              "[--compare]\n"
              "  vertoma-cli [--data-dir DIR] prefetch [--all | CODE...]\n"
              "  vertoma-cli [--data-dir DIR] generate [--mode M] [--param TEXT] [--out FILE]\n"
              "  vertoma-cli [--data-dir DIR] filter TEXT... [--in FILE] [--out FILE] [--offset K] [--compare]");
}

} // namespace cli
