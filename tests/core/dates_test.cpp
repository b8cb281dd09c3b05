#include "core/Dates.h"
#include "core/TextForms.h"

#include <gtest/gtest.h>

using namespace core;
using namespace Qt::StringLiterals;

namespace {

QString dateError(const QString& text)
{
    try {
        TextToDate(text);
    } catch (const EConvertError& e) {
        return e.message();
    }
    return {};
}

} // namespace

TEST(Dates, DayCountFrom1899)
{
    EXPECT_EQ(EncodeDate(1899, 12, 30), 0.0);
    EXPECT_EQ(EncodeDate(1900, 1, 1), 2.0);
    EXPECT_EQ(EncodeDate(2000, 1, 1), 36526.0);
    EXPECT_EQ(EncodeDate(2024, 1, 7), 45298.0);
    EXPECT_EQ(EncodeDate(2024, 2, 29), 45351.0);
    EXPECT_EQ(EncodeDate(1, 1, 1), -693593.0);
    EXPECT_EQ(EncodeDate(9999, 12, 31), 2958465.0);
    EXPECT_THROW(EncodeDate(2023, 2, 29), EConvertError);
    EXPECT_THROW(EncodeDate(0, 1, 1), EConvertError);

    int y = 0, m = 0, d = 0;
    DecodeDate(45351.99, y, m, d); // the time of day does not move the date
    EXPECT_EQ(y * 10000 + m * 100 + d, 20240229);
    DecodeDate(-1.5, y, m, d); // before day 0 the whole part still names the day
    EXPECT_EQ(y * 10000 + m * 100 + d, 18991229);
    DecodeDate(1e300, y, m, d);
    EXPECT_EQ(y, 0);
}

TEST(Dates, TextForm)
{
    EXPECT_TRUE(DateToText(0).isEmpty());
    EXPECT_TRUE(DateToText(-10).isEmpty());
    EXPECT_EQ(DateToText(45298.75), u"07/01/2024"_s);
    EXPECT_EQ(DateToText(2), u"01/01/1900"_s);

    EXPECT_EQ(TextToDate(QString()), 0.0);
    EXPECT_EQ(TextToDate(u"   "_s), 0.0);
    EXPECT_EQ(TextToDate(u"07/01/2024"_s), 45298.0);
    EXPECT_EQ(TextToDate(u" 29/02/2024 "_s), 45351.0);
    // Only the template positions count; the separators are not checked.
    EXPECT_EQ(TextToDate(u"07.01.2024 18:30"_s), 45298.0);
    for (const QString& s : {u"01/01/1900"_s, u"31/12/1999"_s, u"15/06/2031"_s})
        EXPECT_EQ(DateToText(TextToDate(s)), s);
}

TEST(Dates, ImpossibleTextRaises)
{
    EXPECT_EQ(dateError(u"31/02/2024"_s), u"\"31/02/2024\" - некорректная дата"_s);
    for (const QString& s :
         {u"29/02/2023"_s, u"7/1/2024"_s, u"00/01/2024"_s, u"01/13/2024"_s, u"ab/cd/efgh"_s, u"07/01"_s})
        EXPECT_FALSE(dateError(s).isEmpty()) << s.toStdString();
}

TEST(Dates, YearMonthDayNumbers)
{
    EXPECT_EQ(DateToYmd(45298.4), 20240107);
    EXPECT_EQ(YmdToDate(20240107), 45298.0);
    EXPECT_EQ(YmdToDate(0), 0.0);
    EXPECT_EQ(YmdToDate(20230229), 0.0);

    EXPECT_EQ(YmdIncDays(20240225, 7), 20240303);
    EXPECT_EQ(YmdIncDays(20231231, 1), 20240101);
    EXPECT_EQ(YmdIncDays(20240301, -1), 20240229);
    EXPECT_EQ(YmdIncDays(20230301, -1), 20230228);
    EXPECT_EQ(YmdIncDays(12345, 0), 12345);

    EXPECT_EQ(YmdText(20240107), u"07/01/2024"_s);
    EXPECT_EQ(YmdText(9991205), u"05/12/0999"_s);
}
