#include "core/IniFile.h"
#include "core/Settings.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#endif

using namespace core;
using namespace Qt::StringLiterals;

namespace {

class SettingsTest : public ::testing::Test
{
protected:
    void SetUp() override { QLocale::setDefault(QLocale::c()); }
    void TearDown() override { QLocale::setDefault(m_savedLocale); }

    QString path(const QString& name = u"Vertoma_5x54.ini"_s) const { return m_dir.filePath(name); }

    void writeBytes(const QByteArray& bytes, const QString& name = u"Vertoma_5x54.ini"_s) const
    {
        QFile f(path(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_EQ(f.write(bytes), bytes.size());
    }

    QByteArray readBytes(const QString& name = u"Vertoma_5x54.ini"_s) const
    {
        QFile f(path(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    IniFile reopened() const
    {
        IniFile ini(path());
        EXPECT_TRUE(ini.load());
        return ini;
    }

    static TConfigData sampleConfig()
    {
        TConfigData c;
        c.MatrixCols = 9;
        c.ChannelSize = 4;
        c.Cost = 12345; // 1.2345
        c.MaxStake = 8;
        c.Profits = {{2, 15000}, {5, 1000000000000}};
        c.CDL = {1.23456789012345L, -0.1L, 2.5L, true, true};
        for (int i = 0; i < NumberCount; ++i)
            c.MatrixSegments[i] = static_cast<std::uint8_t>(i % 10);
        return c;
    }

    QTemporaryDir m_dir;
    QLocale m_savedLocale;
};

} // namespace

TEST_F(SettingsTest, ConfigRoundTripAcrossLocales)
{
    const TConfigData config = sampleConfig();
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    QString error;
    ASSERT_TRUE(ConfigSave(path(), config, &error)) << error.toStdString();
    QLocale::setDefault(QLocale::c());
    TConfigData back;
    ASSERT_TRUE(ConfigLoad(path(), back, &error)) << error.toStdString();
    EXPECT_EQ(back, config);
}

TEST_F(SettingsTest, ConfigKeysAndForms)
{
    ASSERT_TRUE(ConfigSave(path(), sampleConfig()));
    const IniFile ini = reopened();
    EXPECT_EQ(ini.readString(u"GLOBAL"_s, u"MatrixSegments"_s),
              u"012345678901234567890123456789012345678901234567890123"_s);
    EXPECT_EQ(ini.readString(u"STAKES"_s, u"Cost"_s), u"1.2345"_s);
    EXPECT_EQ(ini.readString(u"STAKES"_s, u"Profit_1_Profit"_s), u"100000000"_s);
    EXPECT_EQ(ini.readString(u"CDL"_s, u"Deviation"_s), u"-0.1"_s);
    const QStringList keys[] = {{u"MatrixCols"_s, u"MatrixSegments"_s, u"ChannelSize"_s},
                                {u"Cost"_s, u"MaxStake"_s, u"Profits"_s, u"Profit_0_Overlap"_s, u"Profit_0_Profit"_s,
                                 u"Profit_1_Overlap"_s, u"Profit_1_Profit"_s},
                                {u"Count"_s, u"Deviation"_s, u"Level"_s, u"UsePercents"_s, u"UseAbsValues"_s}};
    EXPECT_EQ(ini.keys(u"GLOBAL"_s), keys[0]);
    EXPECT_EQ(ini.keys(u"STAKES"_s), keys[1]);
    EXPECT_EQ(ini.keys(u"CDL"_s), keys[2]);
}

TEST_F(SettingsTest, ProfitsRowWithoutKeysIsZero)
{
    writeBytes("[STAKES]\r\nCost=2,49996\r\nProfits=2\r\nProfit_0_Profit=100.00006\r\n");
    TConfigData config;
    ASSERT_TRUE(ConfigLoad(path(), config));
    EXPECT_EQ(config.Cost, 25000); // rounded, not cut
    const std::vector<TProfitRec> expected{{0, 1000001}, {0, 0}};
    EXPECT_EQ(config.Profits, expected);
}

TEST_F(SettingsTest, ShortOrOddMatrixSegments)
{
    writeBytes("[GLOBAL]\nMatrixSegments=39x0\n");
    TConfigData config;
    ASSERT_TRUE(ConfigLoad(path(), config));
    TSegmentMap expected = defaultSegments();
    expected[0] = 3;
    expected[1] = 9;
    expected[3] = 0;
    EXPECT_EQ(config.MatrixSegments, expected);
}

TEST_F(SettingsTest, CdlFlagsAboveZeroAreOn)
{
    writeBytes("[cdl]\nUsePercents=2\nUseAbsValues=-1\nCount=0,5\n");
    TConfigData config;
    ASSERT_TRUE(ConfigLoad(path(), config));
    EXPECT_TRUE(config.CDL.UsePercents);
    EXPECT_FALSE(config.CDL.UseAbsValues);
    EXPECT_EQ(config.CDL.Count, 0.5L);
    EXPECT_EQ(config.CDL.Deviation, -1.0L);
    EXPECT_EQ(config.CDL.Level, 1.0L);
}

TEST_F(SettingsTest, AbsurdValuesGiveSaneRecord)
{
    writeBytes("[GLOBAL]\nMatrixCols=0\nChannelSize=100000\n"
               "[STAKES]\nProfits=2000000000\nCost=1e30\nProfit_0_Overlap=300\n");
    TConfigData config;
    ASSERT_TRUE(ConfigLoad(path(), config));
    EXPECT_EQ(config.MatrixCols, 6);
    EXPECT_EQ(config.ChannelSize, 6);
    EXPECT_LE(config.Profits.size(), 256u);
    EXPECT_EQ(config.Profits.at(0).Overlap, 255);
    EXPECT_EQ(config.Cost, std::numeric_limits<std::int64_t>::max());
}

TEST_F(SettingsTest, MissingGarbageOrTruncatedFileGivesDefaults)
{
    TConfigData config = sampleConfig();
    TGenSettings gen{3, u"x"_s};
    TShreddingData shred;
    shred.Digits[0] = 5;
    ASSERT_TRUE(ConfigLoad(path(), config));
    ASSERT_TRUE(GenSettingsLoad(path(), gen));
    ASSERT_TRUE(ShreddingLoad(path(), shred));
    EXPECT_EQ(config, TConfigData{});
    EXPECT_EQ(gen.Mode, 0);
    EXPECT_TRUE(gen.Param.isEmpty());
    EXPECT_EQ(shred, TShreddingData{});

    QByteArray junk;
    for (int i = 0; i < 5000; ++i)
        junk += static_cast<char>((i * 7919) % 256);
    writeBytes(junk);
    config = sampleConfig();
    ASSERT_TRUE(ConfigLoad(path(), config));
    EXPECT_EQ(config, TConfigData{});

    writeBytes("[GLOBAL]\r\nMatrixCols=8\r\nChannelSi");
    ASSERT_TRUE(ConfigLoad(path(), config));
    EXPECT_EQ(config.MatrixCols, 8);
    EXPECT_EQ(config.ChannelSize, 6);
}

TEST_F(SettingsTest, SavesKeepOtherKeys)
{
    writeBytes("[PROXY]\r\nProxyServer=proxy.local\r\n"
               "[STAKES]\r\nProfits=4\r\nProfit_3_Profit=7\r\nUnrelated=keep\r\n");
    ASSERT_TRUE(GenSettingsSave(path(), {2, u"params"_s}));
    ASSERT_TRUE(ConfigSave(path(), sampleConfig()));
    ASSERT_TRUE(ShreddingSave(path(), TShreddingData{}));

    const IniFile ini = reopened();
    EXPECT_EQ(ini.readString(u"PROXY"_s, u"ProxyServer"_s), u"proxy.local"_s);
    EXPECT_EQ(ini.readString(u"STAKES"_s, u"Unrelated"_s), u"keep"_s);
    EXPECT_EQ(ini.readInt(u"GLOBAL"_s, u"CombsGenerateMode"_s, -1), 2);
    EXPECT_EQ(ini.readInt(u"GLOBAL"_s, u"MatrixCols"_s, -1), 9);
    // The table shrank to two rows; the old fourth row is gone.
    EXPECT_FALSE(ini.hasKey(u"STAKES"_s, u"Profit_3_Profit"_s));
    EXPECT_EQ(ini.readString(u"SHREDDING"_s, u"Formula2"_s), u"(n4+n5)/(n1+n2+n3)"_s);
    EXPECT_EQ(ini.readInt(u"SHREDDING"_s, u"Formula3Digits"_s, 0), 2);
}

TEST_F(SettingsTest, GenSettingsRoundTripAndLimit)
{
    ASSERT_TRUE(GenSettingsSave(path(), {7, u"Сумма 100..200"_s}));
    TGenSettings gen;
    ASSERT_TRUE(GenSettingsLoad(path(), gen));
    EXPECT_EQ(gen.Mode, 7);
    EXPECT_EQ(gen.Param, u"Сумма 100..200"_s);

    writeBytes("[GLOBAL]\nCombsGenerateParameters=" + QByteArray(400, 'b') + "\n");
    ASSERT_TRUE(GenSettingsLoad(path(), gen));
    EXPECT_EQ(gen.Param, QString(255, u'b'));
    ASSERT_TRUE(GenSettingsSave(path(), {1, QString(300, u'a')}));
    EXPECT_EQ(reopened().readString(u"GLOBAL"_s, u"CombsGenerateParameters"_s), QString(255, u'a'));
}

TEST_F(SettingsTest, ShreddingRoundTripAndDefaults)
{
    TShreddingData data;
    data.Formula[1] = u"(n1*p1)/2"_s;
    data.Digits[2] = 4;
    ASSERT_TRUE(ShreddingSave(path(), data));
    TShreddingData back;
    ASSERT_TRUE(ShreddingLoad(path(), back));
    EXPECT_EQ(back, data);

    writeBytes("[SHREDDING]\nFormula1=n1\n");
    ASSERT_TRUE(ShreddingLoad(path(), back));
    data = TShreddingData{};
    data.Formula[0] = u"n1"_s;
    EXPECT_EQ(back, data);
}

TEST_F(SettingsTest, UnreadableFileReportsAndIsNotOverwritten)
{
    // Over the size cap: the file exists but is refused.
    const QByteArray big = "[GLOBAL]\nMatrixCols=9\n" + QByteArray(3 * 1024 * 1024, ';');
    writeBytes(big);
    TConfigData config = sampleConfig();
    QString error;
    EXPECT_FALSE(ConfigLoad(path(), config, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(config, TConfigData{});

    error.clear();
    EXPECT_FALSE(ConfigSave(path(), sampleConfig(), &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(readBytes(), big);
}

TEST_F(SettingsTest, SaveUnderAFileFails)
{
    writeBytes("plain file", u"notadir"_s);
    QString error;
    EXPECT_FALSE(ConfigSave(path(u"notadir/Vertoma_5x54.ini"_s), sampleConfig(), &error));
    EXPECT_FALSE(error.isEmpty());
    error.clear();
    EXPECT_FALSE(StateWriteInt(path(u"notadir/x.frm"_s), kMainWindowSection, u"Language"_s, 1049, &error));
    EXPECT_FALSE(error.isEmpty());
}

#ifdef Q_OS_UNIX
// Root ignores permissions, but not the file-size limit: the write fails halfway.
TEST_F(SettingsTest, FailedWriteLeavesOldFile)
{
    const QByteArray old = "[GLOBAL]\r\nMatrixCols=7\r\n";
    writeBytes(old);
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 64;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    QString error;
    const bool ok = ConfigSave(path(), sampleConfig(), &error);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(ok);
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(readBytes(), old);
    // No temporary file left beside it either.
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files), QStringList{u"Vertoma_5x54.ini"_s});
}
#endif

TEST_F(SettingsTest, WindowStateKeys)
{
    const QString frm = path(u"Vertoma_5x54.frm"_s);
    EXPECT_EQ(StateReadInt(frm, kMainWindowSection, u"LeftPanelWidth"_s, 335), 335);
    EXPECT_TRUE(StateReadBool(frm, kMainWindowSection, u"AutoUpdates"_s, true));

    ASSERT_TRUE(StateWriteInt(frm, kMainWindowSection, u"LeftPanelWidth"_s, 410));
    ASSERT_TRUE(StateWriteBool(frm, kMainWindowSection, u"ColorDraws"_s, false));
    ASSERT_TRUE(StateWriteString(frm, u"TFormRepeats"_s, u"lvDraws.SortType"_s, u"2,1"_s));
    // Each write reaches the file at once and keeps what was there.
    EXPECT_EQ(readBytes(u"Vertoma_5x54.frm"_s), QByteArray("[TFormMain]\r\nLeftPanelWidth=410\r\nColorDraws=0\r\n\r\n"
                                                           "[TFormRepeats]\r\nlvDraws.SortType=2,1\r\n\r\n"));
    EXPECT_EQ(StateReadInt(frm, u"tformmain"_s, u"leftpanelwidth"_s, 0), 410);
    EXPECT_FALSE(StateReadBool(frm, kMainWindowSection, u"ColorDraws"_s, true));
    EXPECT_EQ(StateReadString(frm, u"TFormRepeats"_s, u"lvDraws.SortType"_s), u"2,1"_s);
}
