#include "combos/Filters.h"
#include "combos/FiltersInternal.h"

#include "core/TextForms.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <algorithm>
#include <charconv>
#include <optional>

namespace combos {

using detail::readInt;

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("combos", text);
}

// ---- the row tests

enum class Field { None, Depth, DepthPct, Dev, DevPct, Count, CountPct, Weight, PeriodMin, Period, PeriodMax, Value };
enum class Test { All, AtLeast, AtMost, InList };

struct RowTest
{
    Field field;
    Test test;
    bool decimal;      // the row text is a decimal, else an integer
    double notANumber; // what a row text that is not a number counts as
};

// The condition table; depth, deviation and count share one pattern of six conditions, the
// weight and the mean period read a missing number as 0 in both directions.
const RowTest kRowTests[kConditionCount] = {
    {Field::None, Test::All, false, 0},             // LNO
    {Field::Depth, Test::AtLeast, false, 0},        // LMV
    {Field::DepthPct, Test::AtLeast, true, 0},      // LMP
    {Field::Depth, Test::AtMost, false, 65535},     // LLV
    {Field::DepthPct, Test::AtMost, true, 65535},   // LLP
    {Field::Depth, Test::InList, false, 0},         // LDV
    {Field::DepthPct, Test::InList, true, 0},       // LDP
    {Field::Dev, Test::AtLeast, false, 0},          // DMV
    {Field::DevPct, Test::AtLeast, true, 0},        // DMP
    {Field::Dev, Test::AtMost, false, 65535},       // DLV
    {Field::DevPct, Test::AtMost, true, 65535},     // DLP
    {Field::Dev, Test::InList, false, 0},           // DDV
    {Field::DevPct, Test::InList, true, 0},         // DDP
    {Field::Count, Test::AtLeast, false, 0},        // CMV
    {Field::CountPct, Test::AtLeast, true, 0},      // CMP
    {Field::Count, Test::AtMost, false, 65535},     // CLV
    {Field::CountPct, Test::AtMost, true, 65535},   // CLP
    {Field::Count, Test::InList, false, 0},         // CDV
    {Field::CountPct, Test::InList, true, 0},       // CDP
    {Field::Weight, Test::AtLeast, true, 0},        // WMV
    {Field::Weight, Test::AtMost, true, 0},         // WLV
    {Field::Weight, Test::InList, true, 0},         // WDV
    {Field::PeriodMin, Test::AtLeast, false, 0},    // PIM
    {Field::PeriodMin, Test::AtMost, false, 65535}, // PIL
    {Field::PeriodMin, Test::InList, false, 0},     // PIR
    {Field::Period, Test::AtLeast, true, 0},        // PAM
    {Field::Period, Test::AtMost, true, 0},         // PAL
    {Field::Period, Test::InList, true, 0},         // PAR
    {Field::PeriodMax, Test::AtLeast, false, 0},    // PXM
    {Field::PeriodMax, Test::AtMost, false, 65535}, // PXL
    {Field::PeriodMax, Test::InList, false, 0},     // PXR
    {Field::Value, Test::InList, false, 0},         // LVA
};

const QString& rowText(const views::TStatValues& row, Field field)
{
    static const QString none;
    switch (field) {
    case Field::Depth:
        return row.DepthText;
    case Field::DepthPct:
        return row.DepthPct;
    case Field::Dev:
        return row.DeviationText;
    case Field::DevPct:
        return row.DeviationPct;
    case Field::Count:
        return row.CountText;
    case Field::CountPct:
        return row.CountPct;
    case Field::Weight:
        return row.WeightText;
    case Field::PeriodMin:
        return row.PeriodMinText;
    case Field::Period:
        return row.PeriodText;
    case Field::PeriodMax:
        return row.PeriodMaxText;
    default:
        return none;
    }
}

// A decimal written with the user's decimal separator: [+-]digits[sep digits][e[+-]digits].
bool readDecimal(const QString& text, double& value)
{
    QString t = text.trimmed();
    const QString dp = core::SystemDecimalPoint();
    if (dp != QLatin1String(".")) {
        if (t.contains(u'.'))
            return false;
        t.replace(dp, QStringLiteral("."));
    }
    if (t.isEmpty())
        return false;
    const QByteArray bytes = t.toLatin1();
    const char* p = bytes.constData();
    const char* end = p + bytes.size();
    if (*p == '+' || *p == '-')
        ++p;
    // from_chars would take "inf", "nan" and a second sign; a number starts with a digit or the point.
    if (p == end || !((*p >= '0' && *p <= '9') || *p == '.'))
        return false;
    for (const char* q = p; q < end; ++q)
        if (!((*q >= '0' && *q <= '9') || *q == '.' || *q == 'e' || *q == 'E' || *q == '+' || *q == '-'))
            return false;
    double v = 0;
    const auto r = std::from_chars(p, end, v);
    if (r.ec != std::errc() || r.ptr != end)
        return false;
    value = bytes.front() == '-' ? -v : v;
    return true;
}

std::int32_t strictInt(const QString& text)
{
    std::int32_t v = 0;
    if (!readInt(text, v))
        throw core::EConvertError(tr("'%1' не является допустимым целым числом").arg(text));
    return v;
}

double strictDecimal(const QString& text)
{
    double v = 0;
    if (!readDecimal(text, v))
        throw core::EConvertError(tr("'%1' не является допустимым числом").arg(text));
    return v;
}

} // namespace

bool RowConditionTest(const TFilterPart& part, const views::TStatValues& row)
{
    if (part.Condition >= kConditionCount)
        return true;
    const RowTest& t = kRowTests[part.Condition];
    switch (t.test) {
    case Test::All:
        return true;
    case Test::AtLeast:
    case Test::AtMost: {
        const std::int32_t v = strictInt(part.Value);
        const QString& text = rowText(row, t.field);
        double x = t.notANumber;
        if (t.decimal) {
            double d = 0;
            if (readDecimal(text, d))
                x = d;
        } else {
            std::int32_t i = 0;
            if (readInt(text, i))
                x = i;
        }
        return t.test == Test::AtLeast ? x >= v : x <= v;
    }
    case Test::InList:
        break;
    }
    static const QRegularExpression separators(QStringLiteral("[,;]"));
    const QStringList words = part.Value.split(separators);
    if (t.decimal) {
        const double x = strictDecimal(rowText(row, t.field));
        for (const QString& w : words)
            if (strictDecimal(w) == x)
                return true;
        return false;
    }
    const std::int32_t x = t.field == Field::Value ? row.Value : strictInt(rowText(row, t.field));
    for (const QString& w : words)
        if (strictInt(w) == x)
            return true;
    return false;
}

bool StopRuleReached(const TFilterPart& part, const views::TStatValues& row, int steps)
{
    double x = 0;
    switch (part.StopMode) {
    case StopSteps:
        return steps >= part.StopValue;
    case StopCountValue: {
        std::int32_t i = 0;
        x = readInt(row.CountText, i) ? i : 0;
        break;
    }
    case StopCountPercent:
        if (!readDecimal(row.CountPct, x))
            x = 0;
        break;
    default:
        return false;
    }
    return part.BottomUp ? x >= part.StopValue : x <= part.StopValue;
}

QString FilterRowLogText(const views::TStatValues& row)
{
    return tr("< [%1] кол-во: %2 (%3 %), отклонение: %4 (%5 %), глубина: %6 (%7 %), вес: %8 >")
        .arg(row.ValueText, row.CountText, row.CountPct, row.DeviationText, row.DeviationPct, row.DepthText,
             row.DepthPct, row.WeightText);
}

QString FilterStepLogText(int step, const views::TStatValues& row)
{
    return tr("Шаг %1. Выделение строки: %2").arg(step, 3, 10, QLatin1Char('0')).arg(FilterRowLogText(row));
}

QString FilterNarrowLogText(bool keep)
{
    return keep ? tr("Оставляем выделенные значения...") : tr("Удаляем выделенные значения...");
}

QString FilterCountLogText(std::size_t count)
{
    return tr("Количество комбинаций в списке: %1").arg(count);
}

QString FilterUndoLogText()
{
    return tr("{UNDO} Откат изменений...");
}

// ---- checking the values of a filter against its table

namespace {

// A value text compared as the person may type it: without blanks.
QString bare(const QString& text)
{
    QString t = text;
    t.remove(QRegularExpression(QStringLiteral("\\s")));
    return t;
}

QStringList valueWords(const QString& text)
{
    static const QRegularExpression separators(QStringLiteral("[,;]"));
    QStringList words;
    for (const QString& w : text.split(separators)) {
        const QString t = w.trimmed();
        if (!t.isEmpty())
            words << t;
    }
    return words;
}

bool rowHolds(const std::vector<views::TStatValues>& rows, std::int32_t value)
{
    return std::any_of(rows.begin(), rows.end(), [value](const views::TStatValues& r) { return r.Value == value; });
}

} // namespace

QString FilterValuesResolve(const QString& text, const std::vector<views::TStatValues>& rows, QStringList* unknown)
{
    const auto note = [unknown](const QString& word) {
        if (unknown && !unknown->contains(word))
            *unknown << word;
    };
    const core::TIntArray numbers = core::ParseIntList(text);
    if (!numbers.empty()) {
        for (std::int32_t v : numbers)
            if (!rowHolds(rows, v))
                note(QString::number(v));
        return text;
    }
    QStringList out;
    for (const QString& word : valueWords(text)) {
        std::int32_t v = 0;
        if (readInt(word, v)) {
            if (!rowHolds(rows, v))
                note(word);
            out << QString::number(v);
            continue;
        }
        const QString wanted = bare(word);
        std::optional<std::int32_t> found;
        bool ambiguous = false;
        for (const views::TStatValues& r : rows) {
            if (bare(r.ValueText) != wanted)
                continue;
            if (found && *found != r.Value)
                ambiguous = true;
            found = r.Value;
        }
        if (found && !ambiguous) {
            out << QString::number(*found);
        } else {
            note(word);
            out << word;
        }
    }
    return out.join(u',');
}

QStringList FilterUnknownValues(const QString& text, const std::vector<views::TStatValues>& rows)
{
    QStringList unknown;
    for (const QString& word : valueWords(text)) {
        std::int32_t v = 0;
        if ((!readInt(word, v) || !rowHolds(rows, v)) && !unknown.contains(word))
            unknown << word;
    }
    return unknown;
}

QString FilterNoRowsWarningText(const QString& filterText, const QStringList& unknown)
{
    QString text = tr("Внимание! Фильтр %1 не выделил ни одной строки таблицы статистики, список комбинаций не "
                      "изменился.")
                       .arg(filterText);
    if (!unknown.isEmpty())
        text += u' ' + tr("Таких значений у статистики нет: %1.").arg(unknown.join(QStringLiteral("; ")));
    return text;
}

} // namespace combos
