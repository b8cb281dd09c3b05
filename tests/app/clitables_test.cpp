// The regular table stakes words of the command-line tool, run as a separate process on a copy
// of the real archive.

#include "CliRunner.h"
#include "TestHelpers.h"
#include "StakesOnDisk.h"
#include "TestPaths.h"
#include "core/DrawArchive.h"
#include "core/GameMath.h"
#include "core/TextForms.h"
#include "stakes/StakeRecord.h"
#include "stakes/StakeTables.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using testsupport::ReadFile;
using namespace Qt::StringLiterals;

namespace {

using testsupport::CliResult;

class CliTablesTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QFile::copy(QStringLiteral(VERTOMA_SHARED_DATA_DIR "/Vertoma_5x54.ldr"), path(u"Vertoma_5x54.ldr"_s)));
        QFile::setPermissions(path(u"Vertoma_5x54.ldr"_s), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        ASSERT_TRUE(core::LoadDrawsFile(path(u"Vertoma_5x54.ldr"_s), m_draws));
        ASSERT_GT(m_draws.size(), 10u);
    }

    QString path(const QString& name) const { return m_dir.filePath(name); }
    QString tablesFile() const { return path(u"Vertoma_5x54.ltb"_s); }

    CliResult run(const QStringList& args) { return testsupport::RunCli(m_dir.path(), args); }

    std::vector<stakes::TStakeRec> stakesOnDisk() const { return testsupport::ReadStakes(path(u"Vertoma_5x54.lsk"_s)); }

    // The numbers of the newest draw minus offset, sorted, as a rule's text shows them.
    QString drawText(int offset) const
    {
        core::TComb comb = core::DrawCombAt(m_draws, offset);
        core::SortComb(comb);
        QStringList parts;
        for (std::uint8_t n : comb.v)
            parts << QString::number(n);
        return parts.join(u';');
    }

    QTemporaryDir m_dir;
    core::TDrawsArray m_draws;
};

const QString kHeader = u"Комментарий\tСтартовая комбинация\tШаг\tТекущая комбинация\tСтавок"_s;

} // namespace

TEST_F(CliTablesTest, RulesAreAddedListedStakedTestedAndDeleted)
{
    CliResult r = run({u"tables"_s});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.lines(), QStringList{kHeader});
    EXPECT_FALSE(QFileInfo::exists(tablesFile())) << "listing writes nothing";

    r = run({u"tables"_s, u"add"_s, u"--comment"_s, u"Вверх"_s, u"--start"_s, u"5;1;3;2;4"_s});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    r = run({u"tables"_s, u"add"_s, u"--comment"_s, u"Тираж"_s, u"--last-draw"_s, u"--step"_s, u"0"_s});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    r = run({u"tables"_s, u"add"_s, u"--comment"_s, u"Вниз"_s, u"--start"_s, u"1,2,3,4,5"_s, u"--step=-1"_s});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(QFileInfo(tablesFile()).size(), 3 * stakes::TableRecSize);
    r = run({u"tables"_s});
    EXPECT_EQ(r.lines(), (QStringList{kHeader, u"Вверх\t1;2;3;4;5\t1\t1;2;3;4;5\t0"_s, u"Тираж\t0;0;0;0;0\t0\t0;0;0;0;0\t0"_s,
                                      u"Вниз\t1;2;3;4;5\t-1\t1;2;3;4;5\t0"_s}));

    // A stake for the next draw, and one for the newest draw, which is checked at once.
    const int next = m_draws.back().Num + 1;
    r = run({u"tables"_s, u"stake"_s, u"1"_s});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.lines(), QStringList{u"%1\t2;3;4;5;6"_s.arg(next)});
    r = run({u"tables"_s, u"stake"_s, u"3"_s});
    EXPECT_EQ(r.lines(), QStringList{u"%1\t1;2;3;4;54"_s.arg(next)});
    r = run({u"tables"_s, u"stake"_s, u"2"_s, u"--draw"_s, QString::number(next - 1)});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.lines(), QStringList{u"%1\t%2"_s.arg(next - 1).arg(drawText(0))});
    std::vector<stakes::TStakeRec> made = stakesOnDisk();
    ASSERT_EQ(made.size(), 3u);
    EXPECT_EQ(made[0].Kind, stakes::KindTable);
    EXPECT_EQ(stakes::StakeComment(made[0]), u"Вверх"_s);
    EXPECT_EQ(made[0].Checked, 0);
    EXPECT_EQ(made[2].Checked, 1);
    EXPECT_EQ(made[2].Matches.Count, 5);
    r = run({u"tables"_s});
    EXPECT_EQ(r.lines()[1], u"Вверх\t1;2;3;4;5\t1\t2;3;4;5;6\t1"_s);
    EXPECT_EQ(r.lines()[2], u"Тираж\t0;0;0;0;0\t0\t%1\t1"_s.arg(drawText(0)));

    // Two rules over the last three draws: six stakes, all checked, and three steps each.
    r = run({u"tables"_s, u"test"_s, u"--count"_s, u"3"_s, u"2"_s, u"1"_s});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.lines(), QStringList{u"6"_s});
    made = stakesOnDisk();
    ASSERT_EQ(made.size(), 9u);
    for (std::size_t i = 3; i < 9; ++i) {
        EXPECT_EQ(made[i].Checked, 1) << i;
        EXPECT_EQ(made[i].DrawNum, next - 3 + int(i - 3) / 2) << i;
        EXPECT_EQ(stakes::StakeComment(made[i]), i % 2 == 1 ? u"Вверх"_s : u"Тираж"_s) << i;
    }
    EXPECT_EQ(core::ValueSetText(made[8].Numbers, u";"_s), drawText(1)) << "the draw before the one staked on";
    r = run({u"tables"_s});
    EXPECT_EQ(r.lines()[1], u"Вверх\t1;2;3;4;5\t1\t5;6;7;8;9\t4"_s);
    EXPECT_EQ(r.lines()[2], u"Тираж\t0;0;0;0;0\t0\t%1\t4"_s.arg(drawText(1)));
    r = run({u"ratings"_s});
    ASSERT_EQ(r.exitCode, 0);
    bool rated = false;
    for (const QString& line : r.lines())
        rated = rated || line.startsWith(u"Тираж\t4\t"_s);
    EXPECT_TRUE(rated) << r.out.toStdString();

    r = run({u"tables"_s, u"delete"_s, u"3"_s, u"1"_s});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    r = run({u"tables"_s});
    ASSERT_EQ(r.lines().size(), 2);
    EXPECT_TRUE(r.lines()[1].startsWith(u"Тираж\t"_s));
}

TEST_F(CliTablesTest, WhatTheDialogRefusesIsRefused)
{
    ASSERT_EQ(run({u"tables"_s, u"add"_s, u"--comment"_s, u"Мой"_s, u"--start"_s, u"1;2;3;4;5"_s}).exitCode, 0);
    const QByteArray before = ReadFile(tablesFile());
    const QStringList add{u"tables"_s, u"add"_s};
    struct Case
    {
        QStringList args;
        QString says;
    };
    const Case cases[] = {
        {add + QStringList{u"--comment"_s, u"x"_s}, u"--last-draw"_s},
        {add + QStringList{u"--comment"_s, u"x"_s, u"--start"_s, u"1;2;3;4;5"_s, u"--last-draw"_s}, u"--last-draw"_s},
        {add + QStringList{u"--comment"_s, u"x"_s, u"--start"_s, u"1;2;3;4;55"_s}, u"Введена некорректная комбинация!"_s},
        {add + QStringList{u"--comment"_s, u"x"_s, u"--start"_s, u"1;2;3;4;4"_s}, u"Введена некорректная комбинация!"_s},
        {add + QStringList{u"--comment"_s, u"мОЙ"_s, u"--last-draw"_s}, u"Запись с таким комментарией уже присутствует"_s},
        {add + QStringList{u"--last-draw"_s}, u"Необходимо ввести комментарий!"_s},
        {add + QStringList{u"--comment"_s, u"x"_s, u"--last-draw"_s, u"--step"_s, u"55"_s}, u"от -54 до 54"_s},
        {add + QStringList{u"--comment"_s, u"x"_s, u"--last-draw"_s, u"--step"_s, u"x"_s}, u"от -54 до 54"_s},
        {add + QStringList{u"--comment"_s, QString(65, u'a'), u"--last-draw"_s}, u"64"_s},
        {{u"tables"_s, u"delete"_s, u"2"_s}, u"Нет регулярной ставки с номером 2"_s},
        {{u"tables"_s, u"delete"_s, u"0"_s}, u"Нет регулярной ставки с номером 0"_s},
        {{u"tables"_s, u"delete"_s}, u"Укажите номера"_s},
        {{u"tables"_s, u"stake"_s, u"5"_s}, u"Нет регулярной ставки с номером 5"_s},
        {{u"tables"_s, u"stake"_s, u"1"_s, u"--draw"_s, u"0"_s}, u"Некорректный номер тиража"_s},
        {{u"tables"_s, u"test"_s, u"1"_s}, u"--count"_s},
        {{u"tables"_s, u"test"_s, u"--count"_s, u"0"_s, u"1"_s}, u"Количество тестов"_s},
        {{u"tables"_s, u"test"_s, u"--count"_s, QString::number(m_draws.size()), u"1"_s}, u"Количество тестов"_s},
        {{u"tables"_s, u"test"_s, u"--count"_s, u"3"_s}, u"Укажите номера"_s},
        {{u"tables"_s, u"frobnicate"_s}, QString()},
    };
    for (const Case& c : cases) {
        const CliResult r = run(c.args);
        EXPECT_EQ(r.exitCode, 2) << c.args.join(u' ').toStdString() << "\n" << r.err.toStdString();
        EXPECT_FALSE(r.err.isEmpty()) << c.args.join(u' ').toStdString();
        EXPECT_TRUE(r.err.contains(c.says)) << c.args.join(u' ').toStdString() << ": " << r.err.toStdString();
    }
    EXPECT_EQ(ReadFile(tablesFile()), before);
    EXPECT_TRUE(stakesOnDisk().empty());
}

TEST_F(CliTablesTest, ADamagedFileIsListedAndItsNonsenseMakesNoStake)
{
    stakes::TTableRec bad = stakes::NewTableRec();
    stakes::SetTableComment(bad, u"Плохой"_s);
    bad.StartComb = bad.CurrentComb = core::TComb{{3, 3, 4, 60, 6}};
    stakes::TTableRec good = stakes::NewTableRec();
    good.StartComb = good.CurrentComb = core::TComb{{1, 2, 3, 4, 5}};
    {
        QFile file(tablesFile());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(reinterpret_cast<const char*>(&bad), stakes::TableRecSize);
        file.write(reinterpret_cast<const char*>(&good), stakes::TableRecSize);
        file.write("torn", 4);
    }
    CliResult r = run({u"tables"_s});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.lines(), (QStringList{kHeader, u"Плохой\t3;3;4;60;6\t1\t3;3;4;60;6\t0"_s,
                                      u"Регулярная ставка\t1;2;3;4;5\t1\t1;2;3;4;5\t0"_s}));
    EXPECT_TRUE(r.err.contains(u"(4 байт)"_s)) << r.err.toStdString();

    r = run({u"tables"_s, u"stake"_s, u"1"_s});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_TRUE(r.err.contains(u"3;3;4;60;6"_s)) << r.err.toStdString();
    r = run({u"tables"_s, u"test"_s, u"--count"_s, u"2"_s, u"2"_s, u"1"_s});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_TRUE(stakesOnDisk().empty());

    // The good rule still works; the torn file is kept aside before its first rewrite.
    const QByteArray original = ReadFile(tablesFile());
    r = run({u"tables"_s, u"stake"_s, u"2"_s});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(u"(4 байт)"_s)) << "the tool says what it found";
    EXPECT_EQ(ReadFile(tablesFile() + u".bad"_s), original);
    EXPECT_EQ(QFileInfo(tablesFile()).size(), 2 * stakes::TableRecSize);
    EXPECT_EQ(stakesOnDisk().size(), 1u);
}
