// Regular table stakes: the 276-byte record, the file, advancing a rule and the rules an add makes.

#include "FailDevice.h"
#include "TestHelpers.h"
#include "core/Cp1251.h"
#include "core/TextForms.h"
#include "stakes/StakeTables.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using stakes::TTableRec;

namespace {

core::TComb Comb(int a, int b, int c, int d, int e)
{
    return core::TComb{{std::uint8_t(a), std::uint8_t(b), std::uint8_t(c), std::uint8_t(d), std::uint8_t(e)}};
}

TTableRec Rule(const QString& comment, core::TComb start, int step, bool lastDraw = false)
{
    TTableRec rec = stakes::NewTableRec();
    stakes::SetTableComment(rec, comment);
    rec.StartComb = rec.CurrentComb = start;
    rec.Step = step;
    rec.UseLastDraw = lastDraw ? 1 : 0;
    return rec;
}

QByteArray Bytes(const stakes::TTablesArray& rules)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(stakes::TablesWrite(buffer, rules, nullptr));
    return buffer.data();
}

} // namespace

TEST(StakeTablesRecord, BytesLieWhereTheFileExpectsThem)
{
    TTableRec rec = Rule(u"Ряд"_s, Comb(1, 2, 3, 4, 5), -7, true);
    rec.CurrentComb = Comb(10, 20, 30, 40, 50);
    rec.StakeCount = 0x01020304;
    const QByteArray bytes = Bytes({rec});
    ASSERT_EQ(bytes.size(), 276);
    EXPECT_EQ(std::uint8_t(bytes[0]), 3);
    EXPECT_EQ(bytes.mid(1, 3), cp1251::encode(u"Ряд"_s));
    EXPECT_EQ(bytes[4], 0) << "the unused comment bytes are zero";
    EXPECT_EQ(bytes[256], 1);
    EXPECT_EQ(bytes.mid(257, 5), QByteArray("\x01\x02\x03\x04\x05"));
    EXPECT_EQ(bytes.mid(262, 5), QByteArray("\x0a\x14\x1e\x28\x32"));
    EXPECT_EQ(bytes[267], 0);
    EXPECT_EQ(bytes.mid(268, 4), QByteArray("\xf9\xff\xff\xff", 4)) << "-7, little-endian";
    EXPECT_EQ(bytes.mid(272, 4), QByteArray("\x04\x03\x02\x01", 4));

    // The reserved byte and every comment byte come back as they were.
    rec.Reserved = 0xAB;
    rec.Comment[200] = 0x7F;
    QByteArray again = Bytes({rec});
    QBuffer in(&again);
    in.open(QIODevice::ReadOnly);
    stakes::TTablesArray read;
    qint64 tail = -1;
    ASSERT_TRUE(stakes::TablesRead(in, read, &tail, nullptr));
    ASSERT_EQ(read.size(), 1u);
    EXPECT_EQ(tail, 0);
    EXPECT_EQ(std::memcmp(&read[0], &rec, sizeof rec), 0);
    EXPECT_EQ(Bytes(read), again);
}

TEST(StakeTablesRecord, CommentsAreCutTo255BytesOfCodePage1251)
{
    TTableRec rec;
    stakes::SetTableComment(rec, QString(300, u'ж'));
    EXPECT_EQ(rec.Comment[0], 255);
    EXPECT_EQ(stakes::TableComment(rec), QString(255, u'ж'));
    stakes::SetTableComment(rec, u"к"_s);
    EXPECT_EQ(stakes::TableComment(rec), u"к"_s);
    EXPECT_EQ(rec.Comment[2], 0) << "a shorter comment clears what the longer left";

    const TTableRec fresh = stakes::NewTableRec();
    EXPECT_EQ(stakes::TableComment(fresh), u"Регулярная ставка"_s);
    EXPECT_EQ(fresh.Step, 1);
    EXPECT_EQ(fresh.UseLastDraw, 0);
    EXPECT_EQ(fresh.StakeCount, 0);
}

TEST(StakeTablesFile, WholeRecordsAreKeptAndTheRestReported)
{
    const stakes::TTablesArray rules{Rule(u"a"_s, Comb(1, 2, 3, 4, 5), 1), Rule(u"b"_s, Comb(6, 7, 8, 9, 10), -2)};
    for (int extra : {0, 1, 100, 275}) {
        QByteArray bytes = Bytes(rules) + QByteArray(extra, '\x55');
        QBuffer in(&bytes);
        in.open(QIODevice::ReadOnly);
        stakes::TTablesArray read;
        qint64 tail = -1;
        ASSERT_TRUE(stakes::TablesRead(in, read, &tail, nullptr)) << extra;
        ASSERT_EQ(read.size(), 2u);
        EXPECT_EQ(tail, extra);
        EXPECT_EQ(stakes::TableComment(read[1]), u"b"_s);
        EXPECT_EQ(read[1].Step, -2);
    }
    // An empty file holds no rules.
    QByteArray none;
    QBuffer empty(&none);
    empty.open(QIODevice::ReadOnly);
    stakes::TTablesArray read{rules[0]};
    ASSERT_TRUE(stakes::TablesRead(empty, read, nullptr, nullptr));
    EXPECT_TRUE(read.empty());
}

TEST(StakeTablesFile, RewritesGoThroughATemporaryFileAndFailuresAreReported)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"Vertoma_5x54.ltb"_s);
    const stakes::TTablesArray rules{Rule(u"a"_s, Comb(1, 2, 3, 4, 5), 1), Rule(u"b"_s, Comb(6, 7, 8, 9, 10), 3)};
    QString error;
    ASSERT_TRUE(stakes::TablesWriteFile(path, rules, &error)) << error.toStdString();
    EXPECT_EQ(testsupport::ReadFile(path), Bytes(rules));
    stakes::TTablesArray read;
    qint64 tail = -1;
    ASSERT_TRUE(stakes::TablesReadFile(path, read, &tail, &error));
    EXPECT_EQ(read.size(), 2u);

    // A full disk leaves the old file whole.
    {
        testsupport::FileSizeLimit limit(300);
        EXPECT_FALSE(stakes::TablesWriteFile(path, stakes::TTablesArray(5, rules[0]), &error));
        EXPECT_FALSE(error.isEmpty());
    }
    EXPECT_EQ(testsupport::ReadFile(path), Bytes(rules));
    testsupport::FailDevice device(300);
    device.open(QIODevice::WriteOnly);
    error.clear();
    EXPECT_FALSE(stakes::TablesWrite(device, rules, &error));
    EXPECT_FALSE(error.isEmpty());

    // A missing file and an absurdly large one are errors, not lists.
    EXPECT_FALSE(stakes::TablesReadFile(dir.filePath(u"none.ltb"_s), read, &tail, &error));
    QFile huge(dir.filePath(u"huge.ltb"_s));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
    ASSERT_TRUE(huge.resize(stakes::TableFileMaxRecords * stakes::TableRecSize + 1));
    huge.close();
    error.clear();
    EXPECT_FALSE(stakes::TablesReadFile(huge.fileName(), read, &tail, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_TRUE(read.empty());
}

TEST(StakeTablesFile, DeletingClosesTheGapAndRefusesAMissingIndex)
{
    stakes::TTablesArray rules{Rule(u"a"_s, Comb(1, 2, 3, 4, 5), 1), Rule(u"b"_s, Comb(1, 2, 3, 4, 5), 1),
                               Rule(u"c"_s, Comb(1, 2, 3, 4, 5), 1)};
    stakes::TableDelete(rules, 1);
    ASSERT_EQ(rules.size(), 2u);
    EXPECT_EQ(stakes::TableComment(rules[1]), u"c"_s);
    for (int index : {-1, 2}) {
        try {
            stakes::TableDelete(rules, index);
            ADD_FAILURE() << index;
        } catch (const core::EConvertError& e) {
            EXPECT_EQ(e.message(), u"Запись со индексом %1 в файле данных не найдена!"_s.arg(index));
        }
    }
    EXPECT_EQ(rules.size(), 2u);
}

TEST(StakeTablesAdvance, ConstantStartShiftsByTheStepAndWraps)
{
    TTableRec up = Rule(u"up"_s, Comb(1, 2, 3, 4, 5), 1);
    ASSERT_TRUE(stakes::TableNextComb(up, {}));
    EXPECT_EQ(up.CurrentComb, Comb(2, 3, 4, 5, 6));
    ASSERT_TRUE(stakes::TableNextComb(up, {}));
    EXPECT_EQ(up.CurrentComb, Comb(3, 4, 5, 6, 7));
    EXPECT_EQ(up.StakeCount, 2);
    EXPECT_EQ(up.StartComb, Comb(1, 2, 3, 4, 5)) << "the start stays";

    TTableRec down = Rule(u"down"_s, Comb(1, 2, 3, 4, 5), -1);
    ASSERT_TRUE(stakes::TableNextComb(down, {}));
    EXPECT_EQ(down.CurrentComb, Comb(1, 2, 3, 4, 54)) << "54;1;2;3;4 sorted";

    TTableRec three = Rule(u"three"_s, Comb(50, 51, 52, 53, 54), 3);
    ASSERT_TRUE(stakes::TableNextComb(three, {}));
    EXPECT_EQ(three.CurrentComb, Comb(1, 2, 3, 53, 54));

    // The extreme steps bring every number back to itself.
    for (int step : {54, -54, 0}) {
        TTableRec same = Rule(u"same"_s, Comb(7, 14, 21, 28, 54), step);
        ASSERT_TRUE(stakes::TableNextComb(same, {}));
        EXPECT_EQ(same.CurrentComb, Comb(7, 14, 21, 28, 54)) << step;
    }
    // In constant mode the draw is not looked at.
    TTableRec ignoring = Rule(u"i"_s, Comb(10, 11, 12, 13, 14), 2);
    ASSERT_TRUE(stakes::TableNextComb(ignoring, Comb(40, 41, 42, 43, 44)));
    EXPECT_EQ(ignoring.CurrentComb, Comb(12, 13, 14, 15, 16));
}

TEST(StakeTablesAdvance, LastDrawModeShiftsTheDrawAndSortsIt)
{
    TTableRec zero = Rule(u"z"_s, Comb(1, 2, 3, 4, 5), 0, true);
    ASSERT_TRUE(stakes::TableNextComb(zero, Comb(33, 5, 48, 12, 20)));
    EXPECT_EQ(zero.CurrentComb, Comb(5, 12, 20, 33, 48));
    EXPECT_EQ(zero.StakeCount, 1);

    TTableRec shifted = Rule(u"s"_s, Comb(1, 2, 3, 4, 5), 10, true);
    ASSERT_TRUE(stakes::TableNextComb(shifted, Comb(33, 5, 48, 12, 20)));
    EXPECT_EQ(shifted.CurrentComb, Comb(4, 15, 22, 30, 43));
    // Each step starts from the draw again, not from the last combination.
    ASSERT_TRUE(stakes::TableNextComb(shifted, Comb(33, 5, 48, 12, 20)));
    EXPECT_EQ(shifted.CurrentComb, Comb(4, 15, 22, 30, 43));
}

TEST(StakeTablesAdvance, NonsenseIsRefusedAndLeavesTheRuleAsItWas)
{
    struct Case
    {
        const char* what;
        TTableRec rule;
        core::TComb draw;
        const char* says;
    };
    TTableRec outside = Rule(u"вне"_s, Comb(0, 2, 3, 4, 5), 1);
    TTableRec repeated = Rule(u"повтор"_s, Comb(2, 2, 3, 4, 5), 1);
    TTableRec tooBig = Rule(u"big"_s, Comb(1, 2, 3, 4, 55), 1);
    TTableRec farStep = Rule(u"far"_s, Comb(1, 2, 3, 4, 5), 55);
    TTableRec farBack = Rule(u"back"_s, Comb(1, 2, 3, 4, 5), -1000);
    TTableRec mode = Rule(u"mode"_s, Comb(1, 2, 3, 4, 5), 1);
    mode.UseLastDraw = 7;
    TTableRec noDraw = Rule(u"nodraw"_s, Comb(1, 2, 3, 4, 5), 1, true);
    const Case cases[] = {
        {"number 0", outside, {}, "некорректна (0;2;3;4;5)"},
        {"a repeat", repeated, {}, "некорректна (2;2;3;4;5)"},
        {"number 55", tooBig, {}, "некорректна (1;2;3;4;55)"},
        {"step 55", farStep, {}, "(55) вне пределов"},
        {"step -1000", farBack, {}, "(-1000) вне пределов"},
        {"mode 7", mode, {}, "неизвестный режим 7"},
        {"no draw", noDraw, core::TComb{}, "нет корректного тиража"},
        {"a damaged draw", noDraw, Comb(1, 1, 2, 3, 4), "нет корректного тиража"},
    };
    for (const Case& c : cases) {
        TTableRec rule = c.rule;
        QString error;
        EXPECT_FALSE(stakes::TableNextComb(rule, c.draw, &error)) << c.what;
        EXPECT_TRUE(error.contains(QString::fromUtf8(c.says))) << c.what << ": " << error.toStdString();
        EXPECT_TRUE(error.contains(stakes::TableComment(c.rule))) << c.what;
        EXPECT_EQ(std::memcmp(&rule, &c.rule, sizeof rule), 0) << c.what;
        EXPECT_EQ(stakes::TableCheck(c.rule, c.draw), error) << c.what;
    }
    // A damaged count does not overflow.
    TTableRec full = Rule(u"full"_s, Comb(1, 2, 3, 4, 5), 1);
    full.StakeCount = std::numeric_limits<std::int32_t>::max();
    ASSERT_TRUE(stakes::TableNextComb(full, {}));
    EXPECT_EQ(full.StakeCount, std::numeric_limits<std::int32_t>::max());
}

TEST(StakeTablesInput, TheDialogChecksInItsOrder)
{
    const QStringList existing{u"Первая"_s, u"Second"_s};
    core::TComb comb;
    using E = stakes::TableInputError;
    EXPECT_EQ(stakes::TableInputCheck(u"Новая"_s, existing, true, u" 5, 1 ;54;3;20 "_s, comb), E::None);
    EXPECT_EQ(comb, Comb(1, 3, 5, 20, 54));
    for (const QString& bad : {u"1;2;3;4"_s, u"1;2;3;4;5;6"_s, u"1;2;3;4;55"_s, u"0;1;2;3;4"_s, u"1;2;3;4;4"_s,
                               u"a;2;3;4;5"_s, QString()}) {
        core::TComb untouched = Comb(9, 9, 9, 9, 9);
        EXPECT_EQ(stakes::TableInputCheck(u""_s, existing, true, bad, untouched), E::Comb) << bad.toStdString();
        EXPECT_EQ(untouched, Comb(9, 9, 9, 9, 9));
    }
    // Without a start of its own the text is not looked at.
    EXPECT_EQ(stakes::TableInputCheck(u"x"_s, existing, false, u"{...Выделенные комбинации...}"_s, comb), E::None);
    EXPECT_EQ(stakes::TableInputCheck(QString(), existing, false, QString(), comb), E::CommentEmpty);
    EXPECT_EQ(stakes::TableInputCheck(u"   "_s, existing, false, QString(), comb), E::CommentEmpty);
    EXPECT_EQ(stakes::TableInputCheck(u"первая"_s, existing, false, QString(), comb), E::CommentTaken);
    EXPECT_EQ(stakes::TableInputCheck(u"SECOND"_s, existing, true, u"1;2;3;4;5"_s, comb), E::CommentTaken);
    EXPECT_EQ(stakes::TableInputCheck(u"Первая 2"_s, existing, false, QString(), comb), E::None);

    EXPECT_EQ(stakes::TableInputErrorText(E::Comb), u"Введена некорректная комбинация!"_s);
    EXPECT_EQ(stakes::TableInputErrorText(E::CommentEmpty), u"Необходимо ввести комментарий!"_s);
    EXPECT_EQ(stakes::TableInputErrorText(E::CommentTaken),
              u"Запись с таким комментарией уже присутствует в списке!\nВыберите другой комментарий."_s);
    EXPECT_TRUE(stakes::TableInputErrorText(E::None).isEmpty());
}

TEST(StakeTablesInput, AnAddMakesOneRulePerSelectedCombinationOrOneOfItsOwn)
{
    TTableRec entered = stakes::NewTableRec();
    stakes::SetTableComment(entered, u"Мой"_s);
    entered.Step = 2;
    entered.StakeCount = 3; // the dialog's count of selected combinations must not survive

    // Three selected combinations at positions 4, 9 and 12.
    const std::vector<stakes::TableSelection> three{
        {4, Comb(1, 2, 3, 4, 6)}, {9, Comb(1, 2, 3, 5, 7)}, {12, Comb(2, 3, 4, 5, 6)}};
    stakes::TTablesArray made = stakes::TablesFromInput(entered, three);
    ASSERT_EQ(made.size(), 3u);
    const char* comments[] = {"Мой (4)", "Мой (9)", "Мой (12)"};
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(stakes::TableComment(made[i]), QString::fromUtf8(comments[i]));
        EXPECT_EQ(made[i].StartComb, three[i].Comb);
        EXPECT_EQ(made[i].CurrentComb, three[i].Comb);
        EXPECT_EQ(made[i].Step, 2);
        EXPECT_EQ(made[i].StakeCount, 0);
        EXPECT_EQ(made[i].UseLastDraw, 0);
    }

    // None selected: none made.
    EXPECT_TRUE(stakes::TablesFromInput(entered, {}).empty());

    // One selected: the dialog's start, sorted, under the comment as entered.
    entered.StartComb = Comb(30, 10, 20, 50, 40);
    made = stakes::TablesFromInput(entered, {{7, Comb(1, 2, 3, 4, 5)}});
    ASSERT_EQ(made.size(), 1u);
    EXPECT_EQ(stakes::TableComment(made[0]), u"Мой"_s);
    EXPECT_EQ(made[0].StartComb, Comb(10, 20, 30, 40, 50));
    EXPECT_EQ(made[0].CurrentComb, Comb(10, 20, 30, 40, 50));
    EXPECT_EQ(made[0].StakeCount, 0);

    // Last-draw mode: one rule whatever is selected.
    entered.UseLastDraw = 1;
    EXPECT_EQ(stakes::TablesFromInput(entered, three).size(), 1u);
    EXPECT_EQ(stakes::TablesFromInput(entered, {}).size(), 1u);
}

TEST(StakeTablesList, TheFiveColumns)
{
    EXPECT_EQ(stakes::TableColumnCaptions(),
              (QStringList{u"Комментарий"_s, u"Стартовая комбинация"_s, u"Шаг"_s, u"Текущая комбинация"_s,
                           u"Ставок"_s}));
    TTableRec rec = Rule(u"Ряд"_s, Comb(1, 2, 3, 4, 5), -3);
    rec.CurrentComb = Comb(2, 3, 4, 5, 6);
    rec.StakeCount = 4;
    EXPECT_EQ(stakes::TableCellText(rec, stakes::TColComment), u"Ряд"_s);
    EXPECT_EQ(stakes::TableCellText(rec, stakes::TColStart), u"1;2;3;4;5"_s);
    EXPECT_EQ(stakes::TableCellText(rec, stakes::TColStep), u"-3"_s);
    EXPECT_EQ(stakes::TableCellText(rec, stakes::TColCurrent), u"2;3;4;5;6"_s);
    EXPECT_EQ(stakes::TableCellText(rec, stakes::TColStakes), u"4"_s);
    EXPECT_TRUE(stakes::TableCellText(rec, stakes::TableColumnCount).isEmpty());
    // A damaged record shows what it holds.
    rec.CurrentComb = Comb(0, 200, 3, 3, 5);
    EXPECT_EQ(stakes::TableCellText(rec, stakes::TColCurrent), u"0;200;3;3;5"_s);
}
