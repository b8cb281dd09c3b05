// The conventions of the service host: the escape and its inverse, text fields in code page
// 1251, Base64 of UTF-8, the UTC times and the reply envelope.

#include "core/Cp1251.h"
#include "online/Conventions.h"

#include <QTimeZone>

#include <gtest/gtest.h>

using namespace online;

namespace {

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray b;
    for (int v : values)
        b += static_cast<char>(v);
    return b;
}

} // namespace

TEST(CEscapeTest, ControlBytesAndTheFourMarksGetTheirEscapes)
{
    EXPECT_EQ(CEscape(bytes({0, 1, 2, 3, 4, 5, 6})), QByteArray("\\0\\1\\2\\3\\4\\5\\6"));
    EXPECT_EQ(CEscape(bytes({7, 8, 9, 10, 11, 12, 13, 27})), QByteArray("\\a\\b\\t\\n\\v\\f\\r\\e"));
    EXPECT_EQ(CEscape("say \"yes\" isn't it? a\\b"), QByteArray("say \\\"yes\\\" isn\\'t it\\? a\\\\b"));
    // Every other byte passes unchanged: 14..26, 28..31, the rest of ASCII and the 1251 letters.
    const QByteArray others = bytes({14, 20, 26, 28, 31, 'A', '%', 0x7f, 0x80, 0xC0, 0xFF});
    EXPECT_EQ(CEscape(others), others);
}

TEST(CEscapeTest, EveryByteComesBackThroughTheInverse)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    const QByteArray escaped = CEscape(all);
    EXPECT_GT(escaped.size(), all.size());
    const auto back = CUnescape(escaped);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(*back, all);
}

TEST(CEscapeTest, TheInverseRefusesBrokenEscapes)
{
    EXPECT_FALSE(CUnescape("ends with \\").has_value());
    EXPECT_FALSE(CUnescape("\\q").has_value());
    EXPECT_FALSE(CUnescape("\\7").has_value());
    EXPECT_FALSE(CUnescape("\\x41").has_value());
    EXPECT_EQ(CUnescape("plain").value(), QByteArray("plain"));
    EXPECT_EQ(CUnescape("").value(), QByteArray());
}

TEST(CEscapeTest, TextFieldsAreCodePage1251BeforeTheEscape)
{
    const QByteArray field = EscapedText(QStringLiteral("Мир \"5\"?\r\n"));
    EXPECT_EQ(field, cp1251::encode(QStringLiteral("Мир ")) + "\\\"5\\\"\\?\\r\\n");
    EXPECT_EQ(static_cast<unsigned char>(field[0]), 0xCC); // М in 1251
}

TEST(Base64Test, Utf8TextRoundTripsAndBadInputIsRefused)
{
    const QString text = QStringLiteral("Система «Тест» № 1\nвторая строка");
    const QByteArray b64 = Base64Utf8(text);
    EXPECT_EQ(QByteArray::fromBase64(b64), text.toUtf8());
    EXPECT_EQ(FromBase64Utf8(b64).value(), text);
    // Line breaks inside the Base64 text are allowed.
    QByteArray wrapped = b64;
    wrapped.insert(8, "\r\n");
    EXPECT_EQ(FromBase64Utf8(wrapped).value(), text);
    EXPECT_FALSE(FromBase64Utf8("not*base64!").has_value());
    EXPECT_EQ(FromBase64Utf8("").value(), QString());
}

TEST(UtcTimeTest, ReplyTimesBecomeLocalTimeAndEmptyIsZero)
{
    const auto t = UtcTextToLocal("2026-08-16 21:05:09");
    ASSERT_TRUE(t.has_value());
    const QDateTime utc(QDate(2026, 8, 16), QTime(21, 5, 9), QTimeZone::utc());
    EXPECT_EQ(*t, utc);
    EXPECT_EQ(t->timeSpec(), Qt::LocalTime);
    EXPECT_EQ(UtcText(*t), QStringLiteral("2026-08-16 21:05:09"));

    const auto empty = UtcTextToLocal("");
    ASSERT_TRUE(empty.has_value());
    EXPECT_FALSE(empty->isValid());
    EXPECT_EQ(UtcText(QDateTime()), QString());

    for (const char* bad : {"2026-13-01 00:00:00", "2026-02-30 10:00:00", "2026-01-01 24:00:00", "2026-01-01",
                            "yyyy-mm-dd hh:nn:ss", "2026-01-01 10:00:0x"})
        EXPECT_FALSE(UtcTextToLocal(bad).has_value()) << bad;
}

TEST(ReplyTest, RowsAndTheirElements)
{
    Reply reply;
    QString error;
    ASSERT_TRUE(ParseReply("junk <row><id>9</id></row> <result><row><id> 7 </id><title>Ab</title></row>"
                           "<row><id>x</id><error></error></row></result><row><id>8</id></row>",
                           reply, &error))
        << error.toStdString();
    EXPECT_TRUE(reply.hasResult);
    ASSERT_EQ(reply.rows.size(), 2u);
    EXPECT_EQ(reply.rows[0].integer("id"), 7);
    EXPECT_EQ(reply.rows[0].text("title"), QStringLiteral("Ab"));
    EXPECT_EQ(reply.rows[0].value("missing"), QByteArray());
    EXPECT_FALSE(reply.rows[0].has("missing"));
    EXPECT_FALSE(reply.rows[1].integer("id").has_value());
    EXPECT_FALSE(reply.rows[1].integer("missing").has_value());
}

TEST(ReplyTest, AnErrorRowFailsTheWholeReply)
{
    Reply reply;
    QString error;
    EXPECT_FALSE(ParseReply(QStringLiteral("<result><row><id>1</id></row><row><error>Нет доступа</error></row>"
                                           "</result>")
                                .toUtf8(),
                            reply, &error));
    EXPECT_EQ(error, QStringLiteral("Нет доступа"));
    // Blanks alone are no error.
    EXPECT_TRUE(ParseReply("<result><row><error> </error></row></result>", reply, &error));
}

TEST(ReplyTest, NoResultIsNoErrorButATornReplyIs)
{
    Reply reply;
    QString error;
    EXPECT_TRUE(ParseReply("<html>maintenance</html>", reply, &error));
    EXPECT_FALSE(reply.hasResult);
    EXPECT_TRUE(reply.rows.empty());
    EXPECT_TRUE(ParseReply("<result></result>", reply, &error));
    EXPECT_TRUE(reply.hasResult);
    EXPECT_TRUE(reply.rows.empty());

    EXPECT_FALSE(ParseReply("<result><row><id>1</id></row>", reply, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("</result>")));
    EXPECT_FALSE(ParseReply("<result><row><id>1</id></result>", reply, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("</row>")));
}

TEST(ReplyTest, TheHostsErrorReplyReadsBack)
{
    Reply reply;
    QString error;
    EXPECT_FALSE(ParseReply(ErrorReply(QStringLiteral("Поле <id> не указано")), reply, &error));
    EXPECT_EQ(error, QStringLiteral("Поле (id) не указано"));
}
