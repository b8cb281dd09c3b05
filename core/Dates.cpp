#include "core/Dates.h"

#include "core/TextForms.h"

#include <QCoreApplication>
#include <QDate>

#include <cmath>

namespace core {

namespace {

// Draw dates are always read and written in this form, whatever the locale says.
constexpr char16_t DateTemplate[] = u"dd/mm/yyyy";

const QDate& epoch()
{
    static const QDate day0(1899, 12, 30);
    return day0;
}

bool validYmd(int year, int month, int day)
{
    return year >= 1 && year <= 9999 && QDate::isValid(year, month, day);
}

// The slice of text under the run of letter in the template, as a number; 0 when the letter is
// absent or the slice is not a number.
int templateField(const QString& text, char16_t letter)
{
    const QStringView tmpl(DateTemplate);
    const qsizetype first = tmpl.indexOf(QChar(letter), 0, Qt::CaseInsensitive);
    if (first < 0)
        return 0;
    qsizetype len = 1;
    while (first + len < tmpl.size() && tmpl.at(first + len).toLower() == QChar(letter).toLower())
        ++len;
    bool ok = false;
    const int v = text.mid(first, len).toInt(&ok);
    return ok ? v : 0;
}

} // namespace

double EncodeDate(int year, int month, int day)
{
    if (!validYmd(year, month, day))
        throw EConvertError(QCoreApplication::translate("core", "Некорректная дата: %1.%2.%3")
                                .arg(day, 2, 10, QLatin1Char('0'))
                                .arg(month, 2, 10, QLatin1Char('0'))
                                .arg(year, 4, 10, QLatin1Char('0')));
    return static_cast<double>(epoch().daysTo(QDate(year, month, day)));
}

void DecodeDate(double d, int& year, int& month, int& day)
{
    year = month = day = 0;
    // Like the classic day count, the whole part is the day even before day 0.
    const double whole = std::trunc(d);
    if (!std::isfinite(whole) || std::fabs(whole) > 4e6)
        return;
    const QDate date = epoch().addDays(static_cast<qint64>(whole));
    if (!date.isValid() || date.year() < 1 || date.year() > 9999)
        return;
    year = date.year();
    month = date.month();
    day = date.day();
}

QString DateToText(double d)
{
    if (d <= 0)
        return {};
    int y = 0, m = 0, day = 0;
    DecodeDate(d, y, m, day);
    if (y == 0)
        return {};
    return QStringLiteral("%1/%2/%3")
        .arg(day, 2, 10, QLatin1Char('0'))
        .arg(m, 2, 10, QLatin1Char('0'))
        .arg(y, 4, 10, QLatin1Char('0'));
}

double TextToDate(const QString& text)
{
    const QString s = text.trimmed();
    if (s.isEmpty())
        return 0;
    const int day = templateField(s, u'd');
    const int month = templateField(s, u'm');
    const int year = templateField(s, u'y');
    if (!validYmd(year, month, day))
        throw EConvertError(QCoreApplication::translate("core", "\"%1\" - некорректная дата").arg(s));
    return EncodeDate(year, month, day);
}

std::int32_t DateToYmd(double d)
{
    int y = 0, m = 0, day = 0;
    DecodeDate(d, y, m, day);
    return y * 10000 + m * 100 + day;
}

double YmdToDate(std::int32_t v)
{
    const int y = v / 10000;
    const int m = v / 100 % 100;
    const int day = v % 100;
    // Stored yyyymmdd values may be 0 or damaged; they mean "no date".
    return validYmd(y, m, day) ? EncodeDate(y, m, day) : 0;
}

std::int32_t YmdIncDays(std::int32_t v, int n)
{
    if (n == 0)
        return v;
    const int y = v / 10000;
    if (!validYmd(y, v / 100 % 100, v % 100))
        return v;
    return DateToYmd(YmdToDate(v) + n);
}

QString YmdText(std::int32_t v)
{
    return QString::asprintf("%.2d/%.2d/%.4d", v % 100, v / 100 % 100, v / 10000);
}

} // namespace core
