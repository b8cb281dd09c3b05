#pragma once

// Dates as floating day counts: day 0 is 30 Dec 1899, the fraction is the time of day.

#include <QString>

#include <cstdint>

namespace core {

QString DateToText(double d);
// Empty text gives 0; a slice that does not form a valid date throws EConvertError.
double TextToDate(const QString& text);
double EncodeDate(int year, int month, int day);
void DecodeDate(double d, int& year, int& month, int& day);
std::int32_t DateToYmd(double d);
double YmdToDate(std::int32_t v);
std::int32_t YmdIncDays(std::int32_t v, int n);
QString YmdText(std::int32_t v);

} // namespace core
