#include "core/Cp1251.h"
#include "core/IniFile.h"

#include <QFile>
#include <QLocale>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using core::IniFile;
using namespace Qt::StringLiterals;

namespace {

class IniFileTest : public ::testing::Test
{
protected:
    void SetUp() override { QLocale::setDefault(QLocale::c()); }
    void TearDown() override { QLocale::setDefault(m_savedLocale); }

    QString path() const { return m_dir.filePath(u"test.ini"_s); }
    QByteArray fileBytes() const
    {
        QFile f(path());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    static IniFile parsed(const QByteArray& bytes)
    {
        IniFile ini;
        ini.parse(bytes);
        return ini;
    }

    QTemporaryDir m_dir;
    QLocale m_savedLocale;
};

} // namespace

TEST_F(IniFileTest, RoundTripThroughFileWithCrLf)
{
    IniFile ini(path());
    ini.writeString(u"Main"_s, u"Name"_s, u"a = b"_s);
    ini.writeInt(u"Main"_s, u"Count"_s, -17);
    ini.writeBool(u"Other"_s, u"On"_s, true);
    ini.writeBool(u"Other"_s, u"Off"_s, false);
    ini.writeFloat(u"Other"_s, u"F"_s, 1.23456789012345L);
    ASSERT_TRUE(ini.save());
    EXPECT_EQ(fileBytes(), QByteArray("[Main]\r\nName=a = b\r\nCount=-17\r\n\r\n"
                                      "[Other]\r\nOn=1\r\nOff=0\r\nF=1.23456789012345\r\n\r\n"));

    IniFile back(path());
    ASSERT_TRUE(back.load());
    EXPECT_EQ(back.readString(u"Main"_s, u"Name"_s), u"a = b"_s);
    EXPECT_EQ(back.readInt(u"Main"_s, u"Count"_s, 0), -17);
    EXPECT_TRUE(back.readBool(u"Other"_s, u"On"_s, false));
    EXPECT_FALSE(back.readBool(u"Other"_s, u"Off"_s, true));
    EXPECT_EQ(back.readFloat(u"Other"_s, u"F"_s, 0), 1.23456789012345L);
}

TEST_F(IniFileTest, NamesAreCaseInsensitive)
{
    // "[Окно]" / "Ключ=1" in 1251.
    IniFile ini = parsed("[TFormMain]\nLeftPanelWidth=300\n[\xCE\xEA\xED\xEE]\n\xCA\xEB\xFE\xF7=1\n");
    EXPECT_EQ(ini.readInt(u"tformmain"_s, u"LEFTPANELWIDTH"_s, 0), 300);
    EXPECT_EQ(ini.readInt(u"ОКНО"_s, u"ключ"_s, 0), 1);

    ini.writeInt(u"TFORMMAIN"_s, u"leftpanelwidth"_s, 400);
    EXPECT_EQ(ini.keys(u"TFormMain"_s), QStringList{u"LeftPanelWidth"_s});
    EXPECT_EQ(ini.readInt(u"TFormMain"_s, u"LeftPanelWidth"_s, 0), 400);
    ini.eraseKey(u"tFormMain"_s, u"LEFTpanelWIDTH"_s);
    EXPECT_FALSE(ini.hasKey(u"TFormMain"_s, u"LeftPanelWidth"_s));
}

TEST_F(IniFileTest, LineRules)
{
    const IniFile ini = parsed("Outside=1\r\n"
                               "; [S] comment\r\n"
                               "[S]\n"
                               "  A  =  spaced value  \r\n"
                               "B=x=y\n"
                               "no equals sign\n"
                               "   ;C=3\n"
                               "a=second\n"
                               "[Broken\n"
                               "D=4\n"
                               "[s]\n"
                               "E=5\0hidden\n"
                               "Long="_ba +
                               QByteArray(100 * 1024, 'x') +
                               "\n"
                               "F=6");
    EXPECT_EQ(ini.sections(), QStringList{u"S"_s});
    EXPECT_EQ(ini.keys(u"S"_s), QStringList({u"A"_s, u"B"_s, u"E"_s, u"F"_s}));
    EXPECT_EQ(ini.readString(u"S"_s, u"A"_s), u"spaced value"_s);
    EXPECT_EQ(ini.readString(u"S"_s, u"B"_s), u"x=y"_s);
    EXPECT_EQ(ini.readString(u"S"_s, u"E"_s), u"5"_s);
}

TEST_F(IniFileTest, Cp1251CyrillicThroughFileBytes)
{
    const QString text = u"Формула ёЁ №"_s;
    IniFile ini(path());
    ini.writeString(u"Раздел"_s, u"Key"_s, text);
    ASSERT_TRUE(ini.save());
    EXPECT_EQ(fileBytes(),
              QByteArray("[\xD0\xE0\xE7\xE4\xE5\xEB]\r\nKey=\xD4\xEE\xF0\xEC\xF3\xEB\xE0 \xB8\xA8 \xB9\r\n\r\n"));

    IniFile back(path());
    ASSERT_TRUE(back.load());
    EXPECT_EQ(back.readString(u"РАЗДЕЛ"_s, u"key"_s), text);
}

TEST_F(IniFileTest, NumbersAndTheirDefaults)
{
    const IniFile ini = parsed("[N]\na= 42 \nb=42abc\nc=\nd=99999999999\nt2=2\ntm=-1\nty=yes\n"
                               "comma=1,5\ndot=-2.25\nbad=1.2.3\ninf=inf\n");
    EXPECT_EQ(ini.readInt(u"N"_s, u"a"_s, 7), 42);
    for (const QString& key : {u"b"_s, u"c"_s, u"d"_s, u"missing"_s})
        EXPECT_EQ(ini.readInt(u"N"_s, key, 7), 7) << key.toStdString();
    EXPECT_TRUE(ini.readBool(u"N"_s, u"t2"_s, false));
    EXPECT_TRUE(ini.readBool(u"N"_s, u"tm"_s, false));
    EXPECT_FALSE(ini.readBool(u"N"_s, u"ty"_s, false));
    EXPECT_EQ(ini.readFloat(u"N"_s, u"comma"_s, 0), 1.5L);
    EXPECT_EQ(ini.readFloat(u"N"_s, u"dot"_s, 0), -2.25L);
    EXPECT_EQ(ini.readFloat(u"N"_s, u"bad"_s, 9), 9.0L);
    EXPECT_EQ(ini.readFloat(u"N"_s, u"inf"_s, 9), 9.0L);
}

TEST_F(IniFileTest, FloatsWrittenWithTheLocaleSeparator)
{
    IniFile ini;
    ini.writeFloat(u"F"_s, u"c"_s, 1234.5L);
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    ini.writeFloat(u"F"_s, u"ru"_s, 1234.5L);
    EXPECT_EQ(ini.readString(u"F"_s, u"c"_s), u"1234.5"_s);
    EXPECT_EQ(ini.readString(u"F"_s, u"ru"_s), u"1234,5"_s);
}

TEST_F(IniFileTest, LineBreaksInValuesDoNotSplitEntries)
{
    IniFile ini;
    ini.writeString(u"S"_s, u"A"_s, u"one\r\n[X]\nB=2"_s);
    const IniFile back = parsed(ini.serialize());
    EXPECT_EQ(back.sections(), QStringList{u"S"_s});
    EXPECT_EQ(back.keys(u"S"_s), QStringList{u"A"_s});
}

TEST_F(IniFileTest, RandomBytesNeverCrash)
{
    QRandomGenerator rng(20240601);
    for (int round = 0; round < 200; ++round) {
        QByteArray junk(static_cast<qsizetype>(rng.bounded(4096)), Qt::Uninitialized);
        for (char& ch : junk)
            ch = static_cast<char>(rng.bounded(256));
        IniFile ini = parsed(junk);
        for (const QString& s : ini.sections())
            for (const QString& k : ini.keys(s))
                ini.readFloat(s, k, 0);
        // Whatever was kept survives a rewrite.
        EXPECT_EQ(parsed(ini.serialize()).serialize(), ini.serialize());
    }
}
