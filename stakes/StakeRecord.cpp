#include "stakes/StakeRecord.h"

#include "core/Cp1251.h"
#include "core/GameMath.h"
#include "core/TextForms.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <algorithm>
#include <cstring>
#include <iterator>
#include <limits>

namespace stakes {

void StakeToBytes(const TStakeRec& rec, char* out)
{
    std::memcpy(out, &rec, sizeof rec);
}

TStakeRec StakeFromBytes(const char* bytes)
{
    TStakeRec rec;
    std::memcpy(&rec, bytes, sizeof rec);
    return rec;
}

QString StakeComment(const TStakeRec& rec)
{
    return cp1251::decode(reinterpret_cast<const char*>(rec.Comment + 1), rec.Comment[0]);
}

void SetStakeComment(TStakeRec& rec, const QString& text)
{
    const QByteArray bytes = cp1251::encode(text).left(StakeCommentMax);
    std::fill(std::begin(rec.Comment), std::end(rec.Comment), std::uint8_t(0));
    rec.Comment[0] = std::uint8_t(bytes.size());
    std::memcpy(rec.Comment + 1, bytes.constData(), std::size_t(bytes.size()));
}

TStakeRec StakeSeparator()
{
    TStakeRec rec;
    rec.Version = StakeVersion;
    rec.Kind = KindSeparator;
    rec.DrawNum = -1;
    rec.Matches.Count = -1;
    return rec;
}

TStakeRec NewStake(std::uint8_t kind, std::int32_t drawNum, const core::TValueSet& numbers, std::int32_t sampleSize,
                   const QString& comment, const core::TConfigData& config)
{
    TStakeRec rec;
    rec.Version = StakeVersion;
    rec.Kind = kind;
    rec.DrawNum = drawNum;
    rec.SampleSize = sampleSize;
    rec.Numbers = numbers;
    rec.Matches.Count = -1;
    rec.Profit = StakeProfit(config, numbers.Count, -1);
    SetStakeComment(rec, comment);
    return rec;
}

std::optional<std::int64_t> CheckedStakeProfit(const core::TConfigData& config, int count, int matches)
{
    if (count < 0 || count > int(std::size(core::TValueSet().Values)))
        return std::nullopt;
    std::int64_t cost = 0;
    std::int64_t p = 0;
    if (__builtin_mul_overflow(core::Binomial(count, core::CombSize), config.Cost, &cost) ||
        __builtin_sub_overflow(std::int64_t(0), cost, &p))
        return std::nullopt;
    if (matches >= 0) {
        // The first row for this number of matches pays; later rows for it never do.
        for (const core::TProfitRec& row : config.Profits)
            if (row.Overlap == matches) {
                if (__builtin_add_overflow(p, row.Profit, &p))
                    return std::nullopt;
                break;
            }
    }
    return p;
}

std::int64_t StakeProfit(const core::TConfigData& config, int count, int matches)
{
    if (const auto p = CheckedStakeProfit(config, count, matches))
        return *p;
    return config.Cost >= 0 ? std::numeric_limits<std::int64_t>::min() : std::numeric_limits<std::int64_t>::max();
}

namespace {

QStringList stakeWords(const QString& text)
{
    static const QRegularExpression separators(QStringLiteral("[,;]"));
    return text.split(separators);
}

int wordValue(const QString& word)
{
    bool ok = false;
    const int value = word.trimmed().toInt(&ok, 10);
    return ok ? value : 0;
}

} // namespace

bool ParseStakeNumbers(const QString& text, core::TValueSet& numbers)
{
    const QStringList words = stakeWords(text);
    if (words.size() != core::CombSize)
        return false;
    core::TValueSet result;
    for (const QString& word : words) {
        const int n = wordValue(word);
        if (n < 1 || n > core::NumberCount)
            return false;
        if (std::find(result.Values, result.Values + result.Count, n) != result.Values + result.Count)
            return false;
        result.Values[result.Count++] = std::uint8_t(n);
    }
    core::SortValueSet(result);
    numbers = result;
    return true;
}

std::int64_t StakeTextSum(const QString& text)
{
    std::int64_t sum = 0;
    for (const QString& word : stakeWords(text))
        sum += wordValue(word);
    return sum;
}

QStringList StakeColumnCaptions()
{
    static const char* const kCaptions[] = {
        QT_TRANSLATE_NOOP("stakes", "№ тиража"),          QT_TRANSLATE_NOOP("stakes", "Вид ставки"),
        QT_TRANSLATE_NOOP("stakes", "Моя ставка"),        QT_TRANSLATE_NOOP("stakes", "Выборка"),
        QT_TRANSLATE_NOOP("stakes", "Результаты тиража"), QT_TRANSLATE_NOOP("stakes", "Совпадений"),
        QT_TRANSLATE_NOOP("stakes", "Совпадения"),        QT_TRANSLATE_NOOP("stakes", "Профит"),
        QT_TRANSLATE_NOOP("stakes", "Комментарий"),
    };
    QStringList list;
    for (const char* c : kCaptions)
        list << QCoreApplication::translate("stakes", c);
    return list;
}

QString StakeCellText(const TStakeRec& rec, int column, const QString& decimalPoint)
{
    if (rec.DrawNum <= 0)
        return {};
    const bool checked = rec.Checked != 0;
    switch (column) {
    case ColDrawNum:
        return QString::number(rec.DrawNum);
    case ColKind:
        return core::StakeKindText(rec.Kind);
    case ColNumbers:
        return core::ValueSetText(rec.Numbers, QStringLiteral(";"));
    case ColSample:
        return QString::number(rec.SampleSize);
    case ColDrawValues: {
        if (!checked)
            return {};
        core::TValueSet values;
        values.Count = core::CombSize;
        std::copy(std::begin(rec.DrawValues), std::end(rec.DrawValues), values.Values);
        return core::ValueSetText(values, QStringLiteral(";"));
    }
    case ColMatchCount:
        return checked ? QString::number(rec.Matches.Count) : QString();
    case ColMatches:
        return checked ? core::ValueSetText(rec.Matches, QStringLiteral(" ")) : QString();
    case ColProfit:
        return core::MoneyText(rec.Profit, decimalPoint);
    case ColComment:
        return StakeComment(rec);
    default:
        return {};
    }
}

} // namespace stakes
