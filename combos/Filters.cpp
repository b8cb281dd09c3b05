#include "combos/Filters.h"
#include "combos/FiltersInternal.h"

#include "core/TextForms.h"
#include "stats/StatList.h"

#include <QCoreApplication>

#include <algorithm>
#include <charconv>
#include <cmath>

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

} // namespace

// ---- number conversions

namespace detail {

bool readInt(const QString& text, std::int32_t& value)
{
    bool ok = false;
    value = text.trimmed().toInt(&ok, 10);
    return ok;
}

} // namespace detail

using detail::readInt;

namespace {

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

} // namespace combos
