#include "core/Cp1251.h"

#include <QStringDecoder>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(Cp1251, AsciiPassesThrough)
{
    QByteArray bytes;
    for (int b = 0; b < 0x80; ++b)
        bytes.append(static_cast<char>(b));
    const QString text = cp1251::decode(bytes);
    ASSERT_EQ(text.size(), 0x80);
    for (int b = 0; b < 0x80; ++b)
        EXPECT_EQ(text.at(b).unicode(), b);
    EXPECT_EQ(cp1251::encode(text), bytes);
}

TEST(Cp1251, EveryHighByteBothWays)
{
    // ICU's table serves as the reference for the code page.
    QStringDecoder reference("windows-1251");
    ASSERT_TRUE(reference.isValid());
    for (int b = 0x80; b <= 0xFF; ++b) {
        const QByteArray byte(1, static_cast<char>(b));
        const QString text = cp1251::decode(byte);
        ASSERT_EQ(text.size(), 1) << std::hex << b;
        EXPECT_EQ(text, reference.decode(byte)) << std::hex << b;
        EXPECT_NE(text.at(0), QChar::ReplacementCharacter) << std::hex << b;
        EXPECT_EQ(cp1251::encode(text), byte) << std::hex << b;
    }
    // 0x98 has no character in the code page; it keeps its byte as the C1 control U+0098.
    EXPECT_EQ(cp1251::decode(QByteArray("\x98")), QString(QChar(0x0098)));

    EXPECT_EQ(cp1251::decode(QByteArray("\xC0\xFF\xA8\xB8\xB9\x88\xB2\xA5")), u"АяЁё№€ІҐ"_s);
    EXPECT_EQ(cp1251::encode(u"Тираж № 5"_s), QByteArray("\xD2\xE8\xF0\xE0\xE6 \xB9 5"));
}

TEST(Cp1251, UnmappableBecomesQuestionMark)
{
    EXPECT_EQ(cp1251::encode(u"é日本"_s), QByteArray("???"));
    EXPECT_EQ(cp1251::encode(u"a😀b"_s), QByteArray("a?b")); // one character outside the BMP, one "?"
    EXPECT_EQ(cp1251::encode(QString(QChar(0xD800)) + u"x"_s), QByteArray("?x"));
    EXPECT_EQ(cp1251::encode(QString(QChar(0xFFFD))), QByteArray("?"));
    EXPECT_TRUE(cp1251::encode(QString()).isEmpty());
}

TEST(Cp1251, EmbeddedZeroAndRawPointer)
{
    const char raw[] = {'a', '\0', '\xE4'};
    const QString text = cp1251::decode(raw, 3);
    ASSERT_EQ(text.size(), 3);
    EXPECT_EQ(text.at(1).unicode(), 0);
    EXPECT_EQ(text.at(2), QChar(0x0434)); // д
}
