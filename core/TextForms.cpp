#include "core/TextForms.h"

#include "core/Cp1251.h"
#include "core/GameMath.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>
#include <charconv>
#include <cstdlib>

namespace core {

namespace {

// A range list longer than this is a typing error, not a request for that many values.
constexpr std::int64_t MaxRangeValues = 1000000;

bool isCombSeparator(QChar c)
{
    switch (c.unicode()) {
    case u'\t':
    case u' ':
    case u',':
    case u'-':
    case u'.':
    case u':':
    case u';':
    case u'|':
        return true;
    default:
        return false;
    }
}

// Strict conversion of one trimmed word; false for anything that is not a whole integer.
bool toInt(const QString& word, std::int32_t& value)
{
    bool ok = false;
    value = word.trimmed().toInt(&ok);
    return ok;
}

struct IntRange
{
    std::int32_t From = 0;
    std::int32_t Step = 1;
    std::int64_t Count = 0;
};

// "from-to;step" (or "from-to,step"); false when the text is no such range.
bool readRange(const QString& text, IntRange& range)
{
    // A leading "-" is the sign of the first number, not the range dash.
    const qsizetype dash = text.indexOf(u'-', 1);
    if (dash < 0)
        return false;
    const QString rest = text.mid(dash + 1);
    const auto sepIt = std::find_if(rest.begin(), rest.end(), [](QChar c) { return c == u';' || c == u','; });
    if (sepIt == rest.end())
        return false;
    const qsizetype sep = sepIt - rest.begin();
    std::int32_t from = 0;
    std::int32_t to = 0;
    std::int32_t step = 0;
    if (!toInt(text.left(dash), from) || !toInt(rest.left(sep), to) || !toInt(rest.mid(sep + 1), step))
        return false;
    if (step <= 0 || to < from)
        return false;
    range.From = from;
    range.Step = step;
    range.Count = (std::int64_t{to} - from) / step + 1;
    return true;
}

TIntArray parseRange(const QString& text, std::int64_t maxValues)
{
    IntRange range;
    if (!readRange(text, range) || range.Count > maxValues)
        return {};
    TIntArray r;
    r.reserve(static_cast<std::size_t>(range.Count));
    for (std::int64_t i = 0; i < range.Count; ++i)
        r.push_back(static_cast<std::int32_t>(range.From + i * range.Step));
    return r;
}

// Calls value for every word of a list separated by "," and ";"; false as soon as a word is not
// a whole number (the text may then still be a range).
template <typename F> bool forEachListWord(const QString& text, F value)
{
    qsizetype start = 0;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        if (i < text.size() && text.at(i) != u',' && text.at(i) != u';')
            continue;
        std::int32_t v = 0;
        if (!toInt(text.mid(start, i - start), v))
            return false;
        value(v);
        start = i + 1;
    }
    return true;
}

} // namespace

EConvertError::EConvertError(const QString& message) : std::runtime_error(message.toStdString()) {}

QString EConvertError::message() const
{
    return QString::fromStdString(what());
}

QString SystemDecimalPoint()
{
    return QLocale::system().decimalPoint();
}

QString FixedText(long double value, int decimals, const QString& decimalPoint)
{
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, decimals);
    if (r.ec != std::errc())
        return QStringLiteral("-");
    QString text = QString::fromLatin1(buf, r.ptr - buf);
    if (decimalPoint != QLatin1String("."))
        text.replace(u'.', decimalPoint);
    return text;
}

namespace {
// Wide enough for any ten-thousandths value times a power of ten; pedantic mode needs the marker.
__extension__ typedef unsigned __int128 Wide;
} // namespace

QString RatioText(std::int64_t num, std::int64_t den, int decimals, const QString& decimalPoint)
{
    // Works on magnitudes in unsigned 128-bit arithmetic, so no value overflows.
    const bool negative = (num < 0) != (den < 0) && num != 0;
    Wide n = num < 0 ? static_cast<Wide>(-(num + 1)) + 1 : static_cast<Wide>(num);
    const Wide d = den < 0 ? static_cast<Wide>(-(den + 1)) + 1 : static_cast<Wide>(den);
    Wide scale = 1;
    for (int i = 0; i < decimals; ++i)
        scale *= 10;
    n = (n * scale * 2 + d) / (d * 2); // halves away from zero
    const Wide whole = n / scale;
    Wide fraction = n % scale;
    QString text = QString::number(static_cast<unsigned long long>(whole));
    if (negative && n != 0)
        text.prepend(u'-');
    if (decimals > 0) {
        QString digits(decimals, u'0');
        for (int i = decimals - 1; i >= 0; --i) {
            digits[i] = QChar(u'0' + int(fraction % 10));
            fraction /= 10;
        }
        text += decimalPoint + digits;
    }
    return text;
}

QString MoneyText(std::int64_t value, const QString& decimalPoint)
{
    return RatioText(value, 10000, 2, decimalPoint);
}

QString NumText(int n)
{
    return QString::number(n);
}

QString CombText(const TComb& comb)
{
    QString s;
    for (int i = 0; i < CombSize; ++i) {
        if (i > 0)
            s += u';';
        s += QString::number(comb.v[i]);
    }
    return s;
}

QString CombTextPadded(const TComb& comb)
{
    QString s;
    for (int i = 0; i < CombSize; ++i) {
        if (i > 0)
            s += u' ';
        if (NumbersNumeric)
            s += QStringLiteral("%1").arg(comb.v[i], 2, 10, QLatin1Char('0'));
        else
            s += NumText(comb.v[i]);
    }
    return s;
}

QString ValueSetText(const TValueSet& set, const QString& sep)
{
    QString s;
    const int count = std::clamp(set.Count, 0, 8);
    for (int i = 0; i < count; ++i) {
        if (i > 0)
            s += sep;
        s += QString::number(set.Values[i]);
    }
    return s;
}

QString IntListText(const TIntArray& arr, const QString& sep)
{
    QString s;
    for (std::size_t i = 0; i < arr.size(); ++i) {
        if (i > 0)
            s += sep;
        s += QString::number(arr[i]);
    }
    return s;
}

QString DrawInfoText(const TDrawRec& draw)
{
    const QString values = CombText(CombFromDraw(draw)) + QStringLiteral(" e:") + NumText(draw.Extra);
    return QCoreApplication::translate("core", "Тираж № %1 от %2, значения: %3")
        .arg(draw.Num)
        .arg(DrawDateText(draw), values);
}

TComb TextToComb(const QString& text)
{
    QStringList words;
    qsizetype start = -1;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        const bool sep = i == text.size() || isCombSeparator(text.at(i));
        if (!sep && start < 0)
            start = i;
        else if (sep && start >= 0) {
            words.append(text.mid(start, i - start));
            start = -1;
        }
    }
    if (words.size() != CombSize)
        throw EConvertError(QCoreApplication::translate("core", "Некорректная комбинация: \"%1\"!").arg(text));
    TComb c;
    for (int i = 0; i < CombSize; ++i) {
        std::int32_t v = 0;
        // Words that are not numbers, or too big for a number, read as 0; the caller rejects them.
        if (!toInt(words.at(i), v) || v < 0 || v > 255)
            v = 0;
        c.v[i] = static_cast<std::uint8_t>(v);
    }
    return c;
}

TIntArray ParseIntList(const QString& text)
{
    return ParseIntList(text, MaxRangeValues);
}

TIntArray ParseIntList(const QString& text, std::int64_t maxRangeValues)
{
    TIntArray r;
    if (!forEachListWord(text, [&r](std::int32_t v) { r.push_back(v); }))
        return parseRange(text.trimmed(), maxRangeValues);
    return r;
}

std::int64_t IntListCount(const QString& text)
{
    std::int64_t words = 0;
    if (forEachListWord(text, [&words](std::int32_t) { ++words; }))
        return words;
    IntRange range;
    return readRange(text.trimmed(), range) ? range.Count : 0;
}

QString StakeKindText(int kind)
{
    switch (kind) {
    case 1:
        return QCoreApplication::translate("core", "Вручную");
    case 2:
        return QCoreApplication::translate("core", "Регуляр");
    case 3:
        return QCoreApplication::translate("core", "Сценарий");
    case 4:
        return QCoreApplication::translate("core", "Система");
    default:
        return {};
    }
}

QString DiffText(const QString& expected, std::int64_t actual)
{
    bool ok = false;
    const qint64 e = expected.trimmed().toLongLong(&ok);
    if (!ok || e < 0)
        return QStringLiteral("-");
    const std::int64_t d = e - actual;
    return d > 0 ? QStringLiteral("+%1").arg(d) : QString::number(d);
}

QString DigitsText(const TSegmentMap& table)
{
    QString s;
    s.reserve(NumberCount);
    for (std::uint8_t v : table)
        s += QChar(u'0' + (v <= 9 ? v : 1)); // one digit per number; anything wider is the default
    return s;
}

TSegmentMap TextToDigits(const QString& text)
{
    TSegmentMap m = defaultSegments();
    const qsizetype n = std::min<qsizetype>(text.size(), NumberCount);
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = text.at(i).unicode();
        // 0 is kept: the dialog offers 1..9, but the statistics read whatever digit is stored.
        if (c >= u'0' && c <= u'9')
            m[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(c - u'0');
    }
    return m;
}

QString DrawDateText(const TDrawRec& draw)
{
    const int len = std::min<int>(draw.Date[0], DrawDateMaxLen);
    return cp1251::decode(reinterpret_cast<const char*>(draw.Date + 1), len);
}

void SetDrawDateText(TDrawRec& draw, const QString& text)
{
    const QByteArray bytes = cp1251::encode(text).left(DrawDateMaxLen);
    std::fill(std::begin(draw.Date), std::end(draw.Date), std::uint8_t{0});
    draw.Date[0] = static_cast<std::uint8_t>(bytes.size());
    std::copy(bytes.begin(), bytes.end(), draw.Date + 1);
}

} // namespace core
