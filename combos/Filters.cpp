#include "combos/Filters.h"

#include "core/TextForms.h"
#include "stats/StatList.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <new>

namespace combos {

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("combos", text);
}

struct CodeCaption
{
    const char* Code;
    const char* Caption;
};

const CodeCaption kConditions[kConditionCount] = {
    {"LNO", QT_TRANSLATE_NOOP("combos", "Весь список (без условий)")},
    {"LMV", QT_TRANSLATE_NOOP("combos", "\"Глубина\": не менее заданного значения")},
    {"LMP", QT_TRANSLATE_NOOP("combos", "\"Глубина\": не менее заданного процента")},
    {"LLV", QT_TRANSLATE_NOOP("combos", "\"Глубина\": не более заданного значения")},
    {"LLP", QT_TRANSLATE_NOOP("combos", "\"Глубина\": не более заданного процента")},
    {"LDV", QT_TRANSLATE_NOOP("combos", "\"Глубина\": из заданного списка значений")},
    {"LDP", QT_TRANSLATE_NOOP("combos", "\"Глубина\": из заданного списка процентов")},
    {"DMV", QT_TRANSLATE_NOOP("combos", "\"Отклонение\": не менее заданного значения")},
    {"DMP", QT_TRANSLATE_NOOP("combos", "\"Отклонение\": не менее заданного процента")},
    {"DLV", QT_TRANSLATE_NOOP("combos", "\"Отклонение\": не более заданного значения")},
    {"DLP", QT_TRANSLATE_NOOP("combos", "\"Отклонение\": не более заданного процента")},
    {"DDV", QT_TRANSLATE_NOOP("combos", "\"Отклонение\": из заданного списка значений")},
    {"DDP", QT_TRANSLATE_NOOP("combos", "\"Отклонение\": из заданного списка процентов")},
    {"CMV", QT_TRANSLATE_NOOP("combos", "\"Количество\": не менее заданного значения")},
    {"CMP", QT_TRANSLATE_NOOP("combos", "\"Количество\": не менее заданного процента")},
    {"CLV", QT_TRANSLATE_NOOP("combos", "\"Количество\": не более заданного значения")},
    {"CLP", QT_TRANSLATE_NOOP("combos", "\"Количество\": не более заданного процента")},
    {"CDV", QT_TRANSLATE_NOOP("combos", "\"Количество\": из заданного списка значений")},
    {"CDP", QT_TRANSLATE_NOOP("combos", "\"Количество\": из заданного списка процентов")},
    {"WMV", QT_TRANSLATE_NOOP("combos", "\"Вес\": не менее заданного значения")},
    {"WLV", QT_TRANSLATE_NOOP("combos", "\"Вес\": не более заданного значения")},
    {"WDV", QT_TRANSLATE_NOOP("combos", "\"Вес\": из заданного списка значений")},
    {"PIM", QT_TRANSLATE_NOOP("combos", "\"Период min\": не менее заданного значения")},
    {"PIL", QT_TRANSLATE_NOOP("combos", "\"Период min\": не более заданного значения")},
    {"PIR", QT_TRANSLATE_NOOP("combos", "\"Период min\": из заданного списка значений")},
    {"PAM", QT_TRANSLATE_NOOP("combos", "\"Период\": не менее заданного значения")},
    {"PAL", QT_TRANSLATE_NOOP("combos", "\"Период\": не более заданного значения")},
    {"PAR", QT_TRANSLATE_NOOP("combos", "\"Период\": из заданного списка значений")},
    {"PXM", QT_TRANSLATE_NOOP("combos", "\"Период max\": не менее заданного значения")},
    {"PXL", QT_TRANSLATE_NOOP("combos", "\"Период max\": не более заданного значения")},
    {"PXR", QT_TRANSLATE_NOOP("combos", "\"Период max\": из заданного списка значений")},
    {"LVA", QT_TRANSLATE_NOOP("combos", "\"Значения\": из заданного списка значений")},
};

const CodeCaption kStopModes[kStopModeCount] = {
    {"SF", QT_TRANSLATE_NOOP("combos", "Обработать все записи")},
    {"SC", QT_TRANSLATE_NOOP("combos", "Количеству оставшихся комбинаций")},
    {"SZ", QT_TRANSLATE_NOOP("combos", "Пока список не будет пуст и откатить на шаг")},
    {"ST", QT_TRANSLATE_NOOP("combos", "Количеству шагов")},
    {"SV", QT_TRANSLATE_NOOP("combos", "Значению в списке статистики")},
    {"SP", QT_TRANSLATE_NOOP("combos", "Процентному соотношению в списке статистики")},
};

const char* const kErrorCaption = "# ERROR #";

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

// ---- number conversions

bool readInt(const QString& text, std::int32_t& value)
{
    bool ok = false;
    value = text.trimmed().toInt(&ok, 10);
    return ok;
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

// A coefficient of the filter text: only "-", digits, "." and "," count, both marks separate
// the decimals; 0 when no number remains.
long double readCoefficient(const QString& word)
{
    QByteArray kept;
    for (QChar c : word) {
        const char16_t u = c.unicode();
        if (u == u'-' || (u >= u'0' && u <= u'9'))
            kept.append(char(u));
        else if (u == u'.' || u == u',')
            kept.append('.');
    }
    const char* p = kept.constData();
    const char* end = p + kept.size();
    const bool negative = p < end && *p == '-';
    if (negative)
        ++p;
    if (p == end || *p == '-')
        return 0;
    long double v = 0;
    const auto r = std::from_chars(p, end, v, std::chars_format::fixed);
    if (r.ec != std::errc() || r.ptr != end || !std::isfinite(v))
        return 0;
    return negative ? -v : v;
}

QString flagsWord(bool bottomUp, bool multiSelect, bool keep, std::int32_t sortColumn)
{
    QString w;
    w += bottomUp ? u'B' : u'T';
    w += multiSelect ? u'M' : u'S';
    w += keep ? u'F' : u'D';
    return w + QString::number(sortColumn);
}

QString conditionWord(int condition, const QString& text)
{
    return ConditionCode(condition) + u':' + text;
}

QString stopWord(int mode, std::int32_t value)
{
    return StopModeCode(mode) + u':' + QString::number(value);
}

QString cdlWord(const core::TCdlData& cdl)
{
    return QStringList{FilterDecimalText(cdl.Count), FilterDecimalText(cdl.Deviation), FilterDecimalText(cdl.Level),
                       cdl.UsePercents ? QStringLiteral("1") : QStringLiteral("0"),
                       cdl.UseAbsValues ? QStringLiteral("1") : QStringLiteral("0")}
        .join(u':');
}

// Parts of a word: a run of ":" counts as one, so no part is empty.
QStringList wordParts(const QString& word)
{
    return word.split(u':', Qt::SkipEmptyParts);
}

QString invalidFilterMessage(const TFilterItem& item)
{
    return tr("Некорректное описание фильтра: %1!").arg(FilterItemText(item));
}

[[noreturn]] void throwTooManyVariants(FilterRunHooks& hooks, const QString& systemMessage)
{
    hooks.requestStop();
    throw core::EConvertError(
        tr("Вы задали слишком много вариантов фильтров - программа не сможет обработать их все!\n"
           "Пожалуйста, уменьшите в каждом из фильтров количество вариантов длины выборки и глубины, а затем "
           "повторите попытку.") +
        QStringLiteral("\n\n") + systemMessage);
}

// The recursive expansion over the places of one line.
class Expander
{
public:
    Expander(const std::vector<TFilterItem>& items, int n, FilterRunHooks& hooks)
        : m_items(items), m_n(n), m_hooks(hooks), m_draws(std::size_t(n)), m_lists(std::size_t(n)),
          m_values(std::size_t(n))
    {
    }

    // Reads every item's lists. Their lengths come first, from the texts alone, so that a line
    // whose variants (or a range alone) would not fit into memoryLimit bytes is refused before
    // anything of that size is built; only then are the lists read.
    void prepare(std::size_t memoryLimit)
    {
        std::vector<std::int64_t> drawCounts(std::size_t(m_n), 0);
        std::vector<std::int64_t> valueCounts(std::size_t(m_n), 0);
        std::size_t variants = 1;
        std::size_t values = 0;
        for (int k = 0; k < m_n; ++k) {
            const TFilterItem& item = m_items[std::size_t(k)];
            const std::int64_t draws = core::IntListCount(item.DrawsText);
            if (draws <= 0)
                throw core::EConvertError(invalidFilterMessage(item));
            std::size_t choices = std::size_t(draws);
            values = addSaturated(values, std::size_t(draws));
            if (item.Condition != CondNone) {
                const std::int64_t count = core::IntListCount(item.ConditionText);
                if (count <= 0)
                    throw core::EConvertError(invalidFilterMessage(item));
                valueCounts[std::size_t(k)] = count;
                values = addSaturated(values, std::size_t(count));
                if (ConditionPerValue(item.Condition))
                    choices = mulSaturated(choices, std::size_t(count));
            }
            drawCounts[std::size_t(k)] = draws;
            variants = mulSaturated(variants, choices);
        }
        const std::size_t needed =
            addSaturated(mulSaturated(variants, FilterVariantBytes()), mulSaturated(values, FilterListValueBytes()));
        if (needed > memoryLimit)
            throwTooManyVariants(
                m_hooks,
                tr("Недостаточно памяти: варианты фильтров строки не поместятся в %1 МБ.").arg(memoryLimit >> 20));
        for (int k = 0; k < m_n; ++k) {
            const TFilterItem& item = m_items[std::size_t(k)];
            m_draws[std::size_t(k)] = core::ParseIntList(item.DrawsText, drawCounts[std::size_t(k)]);
            if (item.Condition != CondNone)
                m_lists[std::size_t(k)] = core::ParseIntList(item.ConditionText, valueCounts[std::size_t(k)]);
        }
    }

    void run()
    {
        // The value texts once per item; the variants share them.
        for (int k = 0; k < m_n; ++k) {
            const TFilterItem& item = m_items[std::size_t(k)];
            const core::TIntArray& list = m_lists[std::size_t(k)];
            std::vector<QString>& values = m_values[std::size_t(k)];
            if (item.Condition == CondNone)
                values.push_back(item.ConditionText);
            else if (ConditionPerValue(item.Condition))
                for (std::int32_t v : list)
                    values.push_back(QString::number(v));
            else
                values.push_back(core::IntListText(list, QStringLiteral(",")));
        }
        if (m_n > 0)
            place(0);
    }
    TFilterVarList& result() { return m_out; }

private:
    static std::size_t mulSaturated(std::size_t a, std::size_t b)
    {
        if (a != 0 && b > std::numeric_limits<std::size_t>::max() / a)
            return std::numeric_limits<std::size_t>::max();
        return a * b;
    }
    static std::size_t addSaturated(std::size_t a, std::size_t b)
    {
        return b > std::numeric_limits<std::size_t>::max() - a ? std::numeric_limits<std::size_t>::max() : a + b;
    }

    // Returns false once a stop was requested.
    bool place(int k)
    {
        const TFilterItem& item = m_items[std::size_t(k)];
        const std::vector<QString>& values = m_values[std::size_t(k)];
        const bool perValue = item.Condition != CondNone && ConditionPerValue(item.Condition);
        TFilterPart& part = m_rec[std::size_t(k)];
        part.Enabled = true;
        part.Method = item.Method;
        part.MethodCode = item.MethodCode;
        part.SortColumn = item.SortColumn;
        part.BottomUp = item.BottomUp;
        part.MultiSelect = item.MultiSelect;
        part.Keep = item.Keep;
        part.Condition = item.Condition;
        part.CdlOverride = item.CdlOverride;
        part.Cdl = item.Cdl;
        part.StopMode = item.StopMode;
        part.StopValue = item.StopValue;
        for (std::int32_t d : m_draws[std::size_t(k)]) {
            if (m_hooks.stopRequested())
                return false;
            part.DrawsCount = d;
            for (const QString& v : values) {
                part.Value = v;
                part.ValueText = perValue ? v : item.ConditionText;
                if (k + 1 < m_n) {
                    if (!place(k + 1))
                        return false;
                } else {
                    append();
                }
            }
        }
        return true;
    }

    void append()
    {
        try {
            m_out.push_back(m_rec);
        } catch (const std::bad_alloc&) {
            throwTooManyVariants(m_hooks, tr("Недостаточно памяти"));
        }
        if (++m_appended % 1000 == 0)
            m_hooks.progress(tr("Создание всех вариантов фильтров ( %1 )...").arg(m_appended));
    }

    const std::vector<TFilterItem>& m_items;
    const int m_n;
    FilterRunHooks& m_hooks;
    std::vector<core::TIntArray> m_draws;
    std::vector<core::TIntArray> m_lists; // the condition values
    // Per item the values its variants take: the decimal values one by one, or one entry for
    // the whole list.
    std::vector<std::vector<QString>> m_values;
    TFilterRec m_rec{};
    TFilterVarList m_out;
    std::size_t m_appended = 0;
};

} // namespace

// ---- texts

QString ConditionCode(int n)
{
    return n >= 0 && n < kConditionCount ? QString::fromLatin1(kConditions[n].Code) : QString();
}

QString StopModeCode(int n)
{
    return n >= 0 && n < kStopModeCount ? QString::fromLatin1(kStopModes[n].Code) : QString();
}

QString ConditionCaption(int n)
{
    if (n < 0 || n >= kConditionCount)
        return QString::fromLatin1(kErrorCaption);
    return tr(kConditions[n].Caption);
}

QString StopModeCaption(int n)
{
    if (n < 0 || n >= kStopModeCount)
        return QString::fromLatin1(kErrorCaption);
    return tr(kStopModes[n].Caption);
}

QString FilterDecimalText(long double value)
{
    if (!std::isfinite(value) || value == 0)
        return QStringLiteral("0");
    // The 15 significant digits and the exponent, then written out without the exponent so
    // that the coefficients word reads back (it keeps only signs, digits and points).
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, 14);
    const std::string_view s(buf, std::size_t(r.ptr - buf));
    const std::size_t e = s.find('e');
    std::string_view mantissa = s.substr(0, e);
    const bool negative = mantissa.front() == '-';
    if (negative)
        mantissa.remove_prefix(1);
    std::string digits;
    for (char c : mantissa)
        if (c != '.')
            digits += c;
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    int exponent = 0;
    std::from_chars(s.data() + e + 1 + (s[e + 1] == '+' ? 1 : 0), s.data() + s.size(), exponent);
    std::string out;
    if (exponent >= 0) {
        const std::size_t intLen = std::size_t(exponent) + 1;
        if (digits.size() <= intLen) {
            out = digits + std::string(intLen - digits.size(), '0');
        } else {
            out = digits.substr(0, intLen) + '.' + digits.substr(intLen);
        }
    } else {
        out = "0." + std::string(std::size_t(-exponent - 1), '0') + digits;
    }
    if (negative)
        out.insert(out.begin(), '-');
    return QString::fromLatin1(out.data(), qsizetype(out.size()));
}

int FilterMethodIndex(const stats::TStatList& list, int method, const QString& code)
{
    const bool indexValid = method >= 0 && method < list.Count();
    if (indexValid && (code.isEmpty() || list.Items(method).GetCodeText().compare(code, Qt::CaseInsensitive) == 0))
        return method;
    return code.isEmpty() ? -1 : list.IndexOfCode(code);
}

TFilterItem FilterItemParse(const QString& text, const stats::TStatList& list)
{
    TFilterItem item;
    const QStringList words = text.split(u'#', Qt::SkipEmptyParts);
    const bool blank = std::all_of(text.begin(), text.end(), [](QChar c) { return c == u'#' || c.isSpace(); });
    if (words.isEmpty() || blank)
        return item;
    item.Enabled = true;

    const QString& flags = words[0];
    item.BottomUp = flags.contains(u'B');
    item.MultiSelect = flags.contains(u'M');
    item.Keep = flags.contains(u'F');
    std::int32_t column = 0;
    item.SortColumn = flags.size() >= 4 && readInt(flags.mid(3), column) ? column : 1;

    if (words.size() > 1) {
        item.StatText = words[1];
        const QStringList parts = wordParts(words[1]);
        const int method = parts.isEmpty() ? -1 : list.IndexOfCode(parts[0]);
        if (method >= 0) {
            item.Method = method;
            item.MethodCode = list.Items(method).GetCodeText();
            item.DrawsText = parts.value(1).trimmed();
        }
    }
    if (words.size() > 2) {
        for (int i = 0; i < kConditionCount; ++i) {
            if (words[2].startsWith(QLatin1String(kConditions[i].Code), Qt::CaseInsensitive)) {
                item.Condition = std::uint8_t(i);
                item.ConditionText = wordParts(words[2]).value(1).trimmed();
                break;
            }
        }
    }
    if (words.size() > 3) {
        for (int i = 0; i < kStopModeCount; ++i) {
            if (words[3].startsWith(QLatin1String(kStopModes[i].Code), Qt::CaseInsensitive)) {
                item.StopMode = std::uint8_t(i);
                break;
            }
        }
        std::int32_t value = 0;
        item.StopValue = readInt(wordParts(words[3]).value(1), value) ? value : 1;
    }
    if (words.size() > 4) {
        item.CdlOverride = true;
        const QStringList parts = wordParts(words[4]);
        item.Cdl.Count = readCoefficient(parts.value(0));
        item.Cdl.Deviation = readCoefficient(parts.value(1));
        item.Cdl.Level = readCoefficient(parts.value(2));
        item.Cdl.UsePercents = parts.value(3) == QLatin1String("1");
        item.Cdl.UseAbsValues = parts.value(4) == QLatin1String("1");
    }
    return item;
}

QString FilterItemText(const TFilterItem& item)
{
    if (!item.Enabled)
        return {};
    QStringList words{flagsWord(item.BottomUp, item.MultiSelect, item.Keep, item.SortColumn)};
    if (item.Method >= 0)
        words << item.MethodCode + u':' + item.DrawsText;
    else
        // A filter written without a statistic word keeps a place holder, so the words after it
        // stay in their places when the text is read back.
        words << (item.StatText.isEmpty() ? QStringLiteral(":") : item.StatText);
    words << conditionWord(item.Condition, item.ConditionText) << stopWord(item.StopMode, item.StopValue);
    if (item.CdlOverride)
        words << cdlWord(item.Cdl);
    return words.join(u'#');
}

QString FilterPartText(const TFilterPart& part)
{
    if (!part.Enabled)
        return {};
    QStringList words{flagsWord(part.BottomUp, part.MultiSelect, part.Keep, part.SortColumn),
                      part.MethodCode + u':' + QString::number(part.DrawsCount),
                      conditionWord(part.Condition, part.ValueText), stopWord(part.StopMode, part.StopValue)};
    if (part.CdlOverride)
        words << cdlWord(part.Cdl);
    return words.join(u'#');
}

QString FilterRecText(const TFilterRec& rec)
{
    QStringList texts;
    for (const TFilterPart& part : rec) {
        const QString t = FilterPartText(part);
        if (!t.isEmpty())
            texts << t;
    }
    return texts.join(QStringLiteral(" + "));
}

// ---- running

bool ConditionPerValue(int condition)
{
    switch (condition) {
    case CondNone:
    case CondDepthList:
    case CondDepthListPct:
    case CondDevList:
    case CondDevListPct:
    case CondCountList:
    case CondCountListPct:
    case CondValueList:
        return false;
    default:
        return condition > 0 && condition < kConditionCount;
    }
}

std::size_t FilterVariantBytes()
{
    // The record and the two links of its list node; the texts are shared with the items.
    return sizeof(TFilterRec) + 2 * sizeof(void*);
}

std::size_t FilterListValueBytes()
{
    // The number, and its text with the string that holds it (per value, or its share of the
    // joined list).
    return sizeof(std::int32_t) + sizeof(QString) + 32;
}

TFilterVarList FilterVariantsBuild(const std::vector<TFilterItem>& items, int n, FilterRunHooks& hooks,
                                   std::size_t memoryLimit)
{
    n = std::clamp(n, 0, std::min(kFilterPlaces, int(items.size())));
    Expander expander(items, n, hooks);
    try {
        expander.prepare(memoryLimit);
        expander.run();
    } catch (const std::bad_alloc&) {
        // Less memory is free than the guard allows for.
        throwTooManyVariants(hooks, tr("Недостаточно памяти"));
    }
    return std::move(expander.result());
}

TFilterVarList FilterVariantsBuild(const std::vector<TFilterItem>& items, int n)
{
    FilterRunHooks hooks;
    return FilterVariantsBuild(items, n, hooks);
}

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

} // namespace combos
