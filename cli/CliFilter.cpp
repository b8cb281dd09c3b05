// The filter word of the command-line tool: a script line's filters expanded into their
// variants, each applied to the same start list.

#include "app/ArchiveController.h"
#include "app/CandidatesController.h"
#include "app/Session.h"
#include "app/StatisticsController.h"
#include "cli/CliCommands.h"
#include "cli/CliSupport.h"
#include "cli/CliUserIo.h"
#include "combos/Filters.h"
#include "core/TextForms.h"

namespace cli {

namespace {

// A filter that selects nothing is told on stderr; the output lines stay as they are.
class WarningHooks : public combos::FilterRunHooks
{
public:
    void warn(const QString& text) override { printError(text); }
};

} // namespace

int RunFilter(app::Session& session, const QStringList& arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption inOption =
        valueOption(QStringLiteral("in"), tr("Начальный список из файла комбинаций."), QStringLiteral("FILE"));
    const QCommandLineOption outOption =
        valueOption(QStringLiteral("out"), tr("Сохранить последний список в файле."), QStringLiteral("FILE"));
    const QCommandLineOption offsetOption =
        valueOption(QStringLiteral("offset"), tr("Смещение точки анализа от последнего тиража."), QStringLiteral("K"));
    const QCommandLineOption compareOption(QStringLiteral("compare"), tr("Сравнение с полным набором комбинаций."));
    parser.addOptions({inOption, outOption, offsetOption, compareOption});
    parser.addPositionalArgument(QStringLiteral("TEXT"), tr("Фильтры строки сценария."), QStringLiteral("TEXT..."));
    if (const auto end = parseWord(parser, QStringLiteral("filter"),
                                   tr("Применить варианты фильтров, по строке на вариант."), arguments))
        return *end;
    const QStringList args = parser.positionalArguments();
    const auto in = optionValue(parser, inOption);
    const auto out = optionValue(parser, outOption);
    const auto offset = optionValue(parser, offsetOption);
    const bool compare = parser.isSet(compareOption);
    if (args.isEmpty())
        return refuse(tr("Укажите текст фильтра, например: TSD1#NUMS:10#LMV:5#SF:1"));
    if (args.size() > combos::kFilterPlaces)
        return refuse(tr("Строка сценария содержит не более %1 фильтров.").arg(combos::kFilterPlaces));
    for (const QString& arg : args)
        if (arg.startsWith(QLatin1String("--")))
            return refuse(tr("Неизвестный параметр: %1").arg(arg));

    session.prepareStatistics();
    std::vector<combos::TFilterItem> items;
    for (const QString& text : args) {
        const combos::TFilterItem item = combos::FilterItemParse(text, session.statistics().list());
        if (!item.Enabled)
            return refuse(tr("Некорректное описание фильтра: %1!").arg(text));
        items.push_back(item);
    }
    combos::TFilterVarList variants;
    try {
        variants = combos::FilterVariantsBuild(items, int(items.size()));
    } catch (const core::EConvertError& e) {
        return refuse(e.message());
    }

    if (!session.archive().load())
        return kFailed;
    if (offset) {
        const int maxOffset = std::max(0, int(session.archive().draws().size()) - 1);
        const auto k = parseInt(*offset, 0, maxOffset);
        if (!k)
            return refuse(tr("Смещение должно быть от 0 до %1: %2").arg(maxOffset).arg(*offset));
        session.archive().setOffset(*k);
    }
    // The comparison is asked for this run only; the stored switch stays as it is.
    if (compare)
        session.statistics().setPrefetchsEnabledForRun(true);
    if (in) {
        if (!session.candidates().loadFile(*in))
            return kFailed;
    } else {
        core::TGenSettings full;
        full.Mode = 0;
        if (!session.candidates().generate(full, false))
            return kFailed;
    }

    const core::TCombsArray start = session.candidates().combs();
    WarningHooks hooks;
    while (!variants.empty()) {
        const combos::TFilterRec rec = std::move(variants.front());
        variants.pop_front();
        session.candidates().replace(start);
        try {
            session.candidates().filterRecApply(rec, hooks);
        } catch (const core::EConvertError& e) {
            printError(e.message());
            return kFailed;
        }
        printLine(combos::FilterRecText(rec) + u'\t' + QString::number(session.candidates().combs().size()));
    }
    if (out && !session.candidates().saveFile(*out))
        return kFailed;
    return 0;
}

} // namespace cli
