#pragma once

// Text forms of numbers, combinations and draws.

#include "core/GameTypes.h"

#include <stdexcept>

namespace core {

// An error whose message is ready to be shown to the person.
class EConvertError : public std::runtime_error
{
public:
    explicit EConvertError(const QString& message);
    QString message() const;
};

// The decimal separator of the user's numeric locale.
QString SystemDecimalPoint();
// "%.Nf" with rounding of exact ties to even and the given separator; "-" when it cannot be written.
QString FixedText(long double value, int decimals, const QString& decimalPoint);
// Money in ten-thousandths as "%.2f" of the currency unit, rounded exactly, halves away from zero.
QString MoneyText(std::int64_t value, const QString& decimalPoint);
// num / den as "%.Nf", rounded exactly, halves away from zero; den > 0.
QString RatioText(std::int64_t num, std::int64_t den, int decimals, const QString& decimalPoint);

QString NumText(int n);
QString CombText(const TComb& comb);
QString CombTextPadded(const TComb& comb);
QString ValueSetText(const TValueSet& set, const QString& sep);
QString IntListText(const TIntArray& arr, const QString& sep);
QString DrawInfoText(const TDrawRec& draw);
// Throws EConvertError("Некорректная комбинация: \"%s\"!") unless the text holds exactly five words.
TComb TextToComb(const QString& text);
// Empty result: the text is not a valid list, or a range of more than a million values (taken
// for a typing error).
TIntArray ParseIntList(const QString& text);
// The same with another bound on the length of a range.
TIntArray ParseIntList(const QString& text, std::int64_t maxRangeValues);
// How many values the text stands for, worked out without building them (a range may stand for
// billions); 0 when it is not a valid list.
std::int64_t IntListCount(const QString& text);
QString StakeKindText(int kind);
QString DiffText(const QString& expected, std::int64_t actual);
QString DigitsText(const TSegmentMap& table);
TSegmentMap TextToDigits(const QString& text);

// The date text stored in a draw record (code page 1251, at most 10 characters).
QString DrawDateText(const TDrawRec& draw);
void SetDrawDateText(TDrawRec& draw, const QString& text);

} // namespace core
