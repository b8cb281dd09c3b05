// The session's regular table stakes: the file and the page switch, adding and deleting rules,
// a stake from a rule through the stake dialog, and the back-test of rules.

#include "FakeUserIo.h"
#include "StakesOnDisk.h"
#include "TestHelpers.h"
#include "app/ArchiveController.h"
#include "app/CandidatesController.h"
#include "app/RatingsController.h"
#include "app/Session.h"
#include "app/StakesController.h"
#include "app/TablesController.h"
#include "core/DrawArchive.h"
#include "core/GameMath.h"
#include "core/IniFile.h"
#include "core/Settings.h"
#include "core/TextForms.h"
#include "stakes/StakeRecord.h"
#include "stakes/StakeTables.h"

#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using testsupport::FakeUserIo;
using testsupport::MakeDraw;
using testsupport::ReadFile;
using namespace Qt::StringLiterals;

namespace {

core::TComb Comb(int a, int b, int c, int d, int e)
{
    return core::TComb{{std::uint8_t(a), std::uint8_t(b), std::uint8_t(c), std::uint8_t(d), std::uint8_t(e)}};
}

stakes::TTableRec Rule(const QString& comment, core::TComb start, int step, bool lastDraw = false)
{
    stakes::TTableRec rec = stakes::NewTableRec();
    stakes::SetTableComment(rec, comment);
    rec.StartComb = rec.CurrentComb = start;
    rec.Step = step;
    rec.UseLastDraw = lastDraw ? 1 : 0;
    return rec;
}

QByteArray Bytes(const stakes::TTablesArray& rules)
{
    QByteArray bytes;
    for (const stakes::TTableRec& rule : rules)
        bytes += QByteArray(reinterpret_cast<const char*>(&rule), stakes::TableRecSize);
    return bytes;
}

class TablesControllerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // Ten draws; draw d holds d+40, d, d+20, d+10, d+30 in drawn order.
        core::TDrawsArray draws;
        for (int d = 1; d <= 10; ++d)
            draws.push_back(MakeDraw(d, {d + 40, d, d + 20, d + 10, d + 30}));
        ASSERT_TRUE(core::SaveDrawsFile(folder().drawsFile(), draws));
        QFile ini(folder().configFile());
        ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
        ini.write("[STAKES]\r\nCost=2\r\nProfits=1\r\nProfit_0_Overlap=5\r\nProfit_0_Profit=1000\r\n");
    }

    core::DataFolder folder() const { return {m_dir.path(), QStringLiteral("Vertoma_5x54"), m_dir.path()}; }
    QString tablesFile() const { return m_dir.filePath(u"Vertoma_5x54.ltb"_s); }

    std::unique_ptr<app::Session> start()
    {
        auto session = std::make_unique<app::Session>(m_io, folder());
        session->create();
        EXPECT_EQ(session->initialise(), app::Session::InitResult::Running);
        return session;
    }

    void writeRules(const stakes::TTablesArray& rules, const QByteArray& tail = {})
    {
        QFile file(tablesFile());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(Bytes(rules) + tail);
    }

    stakes::TTablesArray onDisk() const
    {
        stakes::TTablesArray rules;
        stakes::TablesReadFile(tablesFile(), rules, nullptr, nullptr);
        return rules;
    }

    std::vector<stakes::TStakeRec> stakesOnDisk() const { return testsupport::ReadStakes(folder().stakesFile()); }

    QTemporaryDir m_dir;
    FakeUserIo m_io;
};

} // namespace

TEST_F(TablesControllerTest, RulesAreReadAtStartUpAndATornFileKeepsItsWholeRecords)
{
    {
        auto session = start();
        EXPECT_TRUE(session->tables().rules().empty());
        EXPECT_TRUE(session->tables().pageShown()) << "the page is shown unless the window state says otherwise";
        EXPECT_FALSE(QFileInfo::exists(tablesFile())) << "nothing is written without a change";
    }
    const QByteArray tail(100, '\x11');
    writeRules({Rule(u"a"_s, Comb(1, 2, 3, 4, 5), 1), Rule(u"b"_s, Comb(6, 7, 8, 9, 10), -2)}, tail);
    const QByteArray original = ReadFile(tablesFile());
    m_io.messages.clear();
    auto session = start();
    ASSERT_EQ(session->tables().rules().size(), 2u);
    EXPECT_EQ(session->tables().rowCount(), 2);
    EXPECT_TRUE(m_io.statusTexts.contains(u"Загрузка файла регулярных ставок..."_s));
    const QStringList warnings = m_io.messageTexts(app::MessageKind::Warning);
    ASSERT_EQ(warnings.size(), 1);
    EXPECT_TRUE(warnings[0].contains(u"(100 байт)"_s)) << warnings[0].toStdString();

    // The first rewrite keeps the old bytes aside and writes whole records only.
    m_io.tableEdits.enqueue([](stakes::TTableRec& rec) {
        rec.UseLastDraw = 1;
        stakes::SetTableComment(rec, u"c"_s);
    });
    ASSERT_TRUE(session->tables().add({}));
    EXPECT_EQ(ReadFile(tablesFile() + u".bad"_s), original);
    EXPECT_EQ(QFileInfo(tablesFile()).size(), 3 * stakes::TableRecSize);
    EXPECT_TRUE(m_io.statusTexts.contains(u"Сохранение файла регулярных ставок..."_s));
}

TEST_F(TablesControllerTest, AFileThatCannotBeReadIsNeverOverwritten)
{
    // A folder where the file should be cannot be read as rules, nor copied aside.
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(u"Vertoma_5x54.ltb"_s));
    auto session = start();
    const QStringList errors = m_io.messageTexts(app::MessageKind::Error);
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].startsWith(u"Ошибка чтения файла регулярных ставок!\n\n"_s));
    m_io.tableEdits.enqueue([](stakes::TTableRec& rec) { rec.UseLastDraw = 1; });
    EXPECT_FALSE(session->tables().add({}));
    const QStringList after = m_io.messageTexts(app::MessageKind::Error);
    ASSERT_EQ(after.size(), 2);
    EXPECT_TRUE(after[1].startsWith(u"Ошибка записи в файл регулярных ставок!\n\n"_s)) << after[1].toStdString();
    EXPECT_TRUE(QFileInfo(tablesFile()).isDir());
}

TEST_F(TablesControllerTest, HidingThePageDropsTheRulesAndShowingReadsThemAgain)
{
    writeRules({Rule(u"a"_s, Comb(1, 2, 3, 4, 5), 1)});
    auto session = start();
    app::TablesController& tables = session->tables();
    QSignalSpy shown(&tables, &app::TablesController::pageShownChanged);
    tables.setPageShown(false);
    EXPECT_TRUE(tables.rules().empty());
    EXPECT_EQ(tables.rowCount(), 0);
    ASSERT_EQ(shown.size(), 1);
    EXPECT_FALSE(shown[0][0].toBool());
    core::IniFile ini(folder().stateFile());
    ini.load();
    EXPECT_FALSE(ini.readBool(core::kMainWindowSection, u"TabTables"_s, true));
    EXPECT_EQ(onDisk().size(), 1u) << "hiding writes nothing";
    // While hidden, nothing is added or saved.
    m_io.tableEdits.enqueue([](stakes::TTableRec&) {});
    EXPECT_FALSE(tables.add({}));
    EXPECT_TRUE(m_io.tableStarts.isEmpty());

    // A session that starts with the page hidden has no rules either.
    session.reset();
    session = start();
    EXPECT_FALSE(session->tables().pageShown());
    EXPECT_TRUE(session->tables().rules().empty());
    session->tables().setPageShown(true);
    EXPECT_EQ(session->tables().rules().size(), 1u);
    ini.load();
    EXPECT_TRUE(ini.readBool(core::kMainWindowSection, u"TabTables"_s, false));
}

TEST_F(TablesControllerTest, AddMakesOneRulePerSelectedCombinationOrOneOfItsOwn)
{
    writeRules({Rule(u"Старый"_s, Comb(1, 2, 3, 4, 5), 1)});
    auto session = start();
    app::TablesController& tables = session->tables();
    core::TCombsArray combs;
    for (int i = 0; i < 15; ++i)
        combs.push_back(Comb(1 + i, 20 + i, 30, 40, 50));
    session->candidates().replace(combs);

    // Three selected at positions 4, 9 and 12 of the list.
    m_io.tableEdits.enqueue([](stakes::TTableRec& rec) {
        stakes::SetTableComment(rec, u"Ряд"_s);
        rec.Step = -2;
    });
    ASSERT_TRUE(tables.add({3, 8, 11}));
    ASSERT_EQ(m_io.tableStarts.size(), 1);
    EXPECT_EQ(m_io.tableStarts[0].StakeCount, 3) << "the dialog learns how many are selected";
    EXPECT_EQ(stakes::TableComment(m_io.tableStarts[0]), u"Регулярная ставка"_s);
    EXPECT_EQ(m_io.tableStarts[0].Step, 1);
    EXPECT_EQ(m_io.tableComments[0], QStringList{u"Старый"_s});
    stakes::TTablesArray rules = onDisk();
    ASSERT_EQ(rules.size(), 4u);
    EXPECT_EQ(stakes::TableComment(rules[1]), u"Ряд (4)"_s);
    EXPECT_EQ(stakes::TableComment(rules[2]), u"Ряд (9)"_s);
    EXPECT_EQ(stakes::TableComment(rules[3]), u"Ряд (12)"_s);
    EXPECT_EQ(rules[2].StartComb, combs[8]);
    EXPECT_EQ(rules[2].CurrentComb, combs[8]);
    EXPECT_EQ(rules[3].Step, -2);
    EXPECT_TRUE(m_io.statusTexts.contains(u"Создание регулярных ставок..."_s));

    // None selected in constant mode: none added, and the person is told.
    m_io.tableEdits.enqueue([](stakes::TTableRec& rec) { stakes::SetTableComment(rec, u"Пусто"_s); });
    EXPECT_FALSE(tables.add({}));
    EXPECT_EQ(onDisk().size(), 4u);
    EXPECT_EQ(m_io.tableStarts[1].StakeCount, 0);
    EXPECT_EQ(m_io.messageTexts(app::MessageKind::Information).size(), 1);

    // One selected: its combination is offered and what the dialog returns is kept.
    m_io.tableEdits.enqueue([](stakes::TTableRec& rec) {
        stakes::SetTableComment(rec, u"Один"_s);
        rec.StartComb = Comb(7, 8, 9, 10, 11);
    });
    ASSERT_TRUE(tables.add({5}));
    EXPECT_EQ(m_io.tableStarts[2].StartComb, combs[5]);
    EXPECT_EQ(m_io.tableStarts[2].StakeCount, 1);
    rules = onDisk();
    ASSERT_EQ(rules.size(), 5u);
    EXPECT_EQ(stakes::TableComment(rules[4]), u"Один"_s);
    EXPECT_EQ(rules[4].CurrentComb, Comb(7, 8, 9, 10, 11));
    EXPECT_EQ(rules[4].StakeCount, 0);

    // Last-draw mode: one rule whatever is selected; a cancelled dialog adds nothing.
    m_io.tableEdits.enqueue([](stakes::TTableRec& rec) {
        stakes::SetTableComment(rec, u"Тираж"_s);
        rec.UseLastDraw = 1;
    });
    ASSERT_TRUE(tables.add({0, 1}));
    m_io.tableEdits.enqueue(std::nullopt);
    EXPECT_FALSE(tables.add({0}));
    rules = onDisk();
    ASSERT_EQ(rules.size(), 6u);
    EXPECT_EQ(stakes::TableComment(rules[5]), u"Тираж"_s);
    EXPECT_EQ(rules[5].UseLastDraw, 1);
}

TEST_F(TablesControllerTest, DeletingAsksAndRemovesTheSelectedRules)
{
    writeRules({Rule(u"a"_s, Comb(1, 2, 3, 4, 5), 1), Rule(u"b"_s, Comb(1, 2, 3, 4, 5), 1),
                Rule(u"c"_s, Comb(1, 2, 3, 4, 5), 1), Rule(u"d"_s, Comb(1, 2, 3, 4, 5), 1)});
    auto session = start();
    app::TablesController& tables = session->tables();
    m_io.answers.enqueue(false);
    EXPECT_FALSE(tables.remove({1}));
    ASSERT_EQ(m_io.questions.size(), 1);
    EXPECT_EQ(m_io.questions[0].caption, u"Предупреждение"_s);
    EXPECT_EQ(m_io.questions[0].text, u"Удалить выделенную запись?"_s);
    EXPECT_FALSE(m_io.questions[0].yesDefault);
    EXPECT_EQ(tables.rules().size(), 4u);

    m_io.answers.enqueue(true);
    ASSERT_TRUE(tables.remove({3, 0, 2}));
    EXPECT_EQ(m_io.questions[1].text, u"Удалить все выделенные записи (всего будет удалено 3 записи(ей))?"_s);
    ASSERT_EQ(onDisk().size(), 1u);
    EXPECT_EQ(stakes::TableComment(onDisk()[0]), u"b"_s);
    EXPECT_TRUE(m_io.statusTexts.contains(u"Удаление регулярных ставок..."_s));
}

TEST_F(TablesControllerTest, AStakeFromARuleAdvancesItOnlyOnConfirmation)
{
    writeRules({Rule(u"Шаг"_s, Comb(1, 2, 3, 4, 5), 1), Rule(u"Тираж"_s, Comb(1, 2, 3, 4, 5), 0, true)});
    auto session = start();
    session->candidates().replace({Comb(1, 2, 3, 4, 5), Comb(1, 2, 3, 4, 6), Comb(1, 2, 3, 4, 7)});
    app::TablesController& tables = session->tables();
    const QByteArray before = ReadFile(tablesFile());

    // Cancelled: the rule, its file and the stakes stay as they were.
    stakes::TStakeRec offered;
    m_io.stakeEdits.enqueue(std::nullopt);
    EXPECT_FALSE(tables.stakeAdd(0));
    EXPECT_EQ(tables.rules()[0].CurrentComb, Comb(1, 2, 3, 4, 5));
    EXPECT_EQ(tables.rules()[0].StakeCount, 0);
    EXPECT_EQ(ReadFile(tablesFile()), before);
    EXPECT_TRUE(stakesOnDisk().empty());

    // Confirmed with other numbers: the rule advances by its own step all the same.
    m_io.stakeEdits.enqueue([&offered](stakes::TStakeRec& rec, int&) {
        offered = rec;
        rec.Numbers = core::ValueSetFromComb(Comb(10, 20, 30, 40, 50));
    });
    ASSERT_TRUE(tables.stakeAdd(0));
    EXPECT_EQ(offered.Kind, stakes::KindTable);
    EXPECT_EQ(offered.DrawNum, 11);
    EXPECT_EQ(stakes::StakeComment(offered), u"Шаг"_s);
    EXPECT_EQ(offered.SampleSize, 3);
    EXPECT_EQ(core::ValueSetText(offered.Numbers, u";"_s), u"2;3;4;5;6"_s);
    EXPECT_EQ(offered.Matches.Count, -1);
    EXPECT_EQ(offered.Profit, -20000);
    EXPECT_EQ(onDisk()[0].CurrentComb, Comb(2, 3, 4, 5, 6));
    EXPECT_EQ(onDisk()[0].StakeCount, 1);
    std::vector<stakes::TStakeRec> made = stakesOnDisk();
    ASSERT_EQ(made.size(), 1u);
    EXPECT_EQ(made[0].Numbers.Values[0], 10);
    EXPECT_EQ(made[0].Kind, stakes::KindTable);

    // Last-draw mode with step 0 plays, sorted, the draw at the analysis point.
    session->archive().setOffset(2);
    m_io.stakeEdits.enqueue([&offered](stakes::TStakeRec& rec, int&) { offered = rec; });
    ASSERT_TRUE(tables.stakeAdd(1));
    EXPECT_EQ(offered.DrawNum, 9);
    EXPECT_EQ(core::ValueSetText(offered.Numbers, u";"_s), u"8;18;28;38;48"_s);
    EXPECT_EQ(onDisk()[1].CurrentComb, Comb(8, 18, 28, 38, 48));
    // Draw 9 is in the archive: the stake was checked against it at once.
    made = stakesOnDisk();
    ASSERT_EQ(made.size(), 2u);
    EXPECT_EQ(made[1].Checked, 1);
    EXPECT_EQ(made[1].DrawValues[0], 49);
    EXPECT_EQ(made[1].Matches.Count, 0);
}

TEST_F(TablesControllerTest, ARuleOfNonsenseIsShownButMakesNoStake)
{
    stakes::TTableRec repeated = Rule(u"Повтор"_s, Comb(3, 3, 4, 5, 6), 1);
    stakes::TTableRec outside = Rule(u"Вне"_s, Comb(1, 2, 3, 4, 90), 1);
    stakes::TTableRec farStep = Rule(u"Далеко"_s, Comb(1, 2, 3, 4, 5), 300);
    writeRules({repeated, outside, farStep});
    auto session = start();
    app::TablesController& tables = session->tables();
    ASSERT_EQ(tables.rowCount(), 3) << "the records are listed as they are";
    for (int i = 0; i < 3; ++i)
        m_io.stakeEdits.enqueue([](stakes::TStakeRec&, int&) { ADD_FAILURE() << "a stake dialog for nonsense"; });
    for (int row = 0; row < 3; ++row) {
        EXPECT_FALSE(tables.stakeRefusal(row).isEmpty());
        EXPECT_FALSE(tables.stakeAdd(row)) << row;
        EXPECT_FALSE(tables.stakeTestWith({row}, 2)) << row;
    }
    EXPECT_EQ(m_io.stakeEdits.size(), 3);
    const QStringList errors = m_io.messageTexts(app::MessageKind::Error);
    ASSERT_EQ(errors.size(), 6);
    EXPECT_TRUE(errors[0].startsWith(u"Невозможно сделать ставку по регуляру!\n\n"_s));
    EXPECT_TRUE(errors[0].contains(u"3;3;4;5;6"_s));
    EXPECT_TRUE(errors[3].contains(u"1;2;3;4;90"_s));
    EXPECT_TRUE(errors[4].contains(u"(300)"_s));
    EXPECT_TRUE(stakesOnDisk().empty());
    EXPECT_EQ(onDisk()[0].StakeCount, 0);
}

TEST_F(TablesControllerTest, TwoRulesOverThreeDrawsMakeSixCheckedStakes)
{
    writeRules({Rule(u"Вверх"_s, Comb(1, 2, 3, 4, 5), 1), Rule(u"Лишний"_s, Comb(1, 2, 3, 4, 5), 1),
                Rule(u"Тираж"_s, Comb(1, 2, 3, 4, 5), 0, true)});
    auto session = start();
    app::TablesController& tables = session->tables();
    session->archive().setOffset(4);
    QSignalSpy recalculated(&session->archive(), &app::ArchiveController::viewsRecalculated);

    // A cancelled count asks nothing more.
    m_io.testCounts.enqueue(0);
    EXPECT_FALSE(tables.stakeTest({2, 0}));
    ASSERT_EQ(m_io.testCountMaxima.size(), 1);
    EXPECT_EQ(m_io.testCountMaxima[0], 9);

    m_io.testCounts.enqueue(3);
    ASSERT_TRUE(tables.stakeTest({2, 0}));
    EXPECT_EQ(tables.lastTestStakes(), 6);
    EXPECT_EQ(session->archive().offset(), 4) << "the analysis point comes back";
    EXPECT_FALSE(session->archive().batchMode());
    EXPECT_EQ(recalculated.size(), 0) << "no view was recalculated for the test's offsets";
    EXPECT_TRUE(m_io.statusTexts.contains(u"Создание ставок по регулярным табличным ставкам..."_s));

    const std::vector<stakes::TStakeRec> made = stakesOnDisk();
    ASSERT_EQ(made.size(), 6u);
    const int draws[] = {8, 8, 9, 9, 10, 10};
    const char* comments[] = {"Вверх", "Тираж", "Вверх", "Тираж", "Вверх", "Тираж"};
    const char* numbers[] = {"2;3;4;5;6", "7;17;27;37;47", "3;4;5;6;7", "8;18;28;38;48", "4;5;6;7;8", "9;19;29;39;49"};
    for (std::size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(made[i].DrawNum, draws[i]) << i;
        EXPECT_EQ(stakes::StakeComment(made[i]), QString::fromUtf8(comments[i])) << i;
        EXPECT_EQ(core::ValueSetText(made[i].Numbers, u";"_s), QString::fromUtf8(numbers[i])) << i;
        EXPECT_EQ(made[i].Kind, stakes::KindTable);
        EXPECT_EQ(made[i].Checked, 1) << "checked at once";
    }
    EXPECT_EQ(made[1].DrawValues[0], 48) << "the stake for draw 8 was checked against draw 8";
    EXPECT_EQ(made[1].Matches.Count, 0);

    const stakes::TTablesArray rules = onDisk();
    EXPECT_EQ(rules[0].CurrentComb, Comb(4, 5, 6, 7, 8));
    EXPECT_EQ(rules[0].StakeCount, 3);
    EXPECT_EQ(rules[1].StakeCount, 0) << "a rule not chosen stays";
    EXPECT_EQ(rules[2].CurrentComb, Comb(9, 19, 29, 39, 49));
    EXPECT_EQ(rules[2].StakeCount, 3);

    // Every stake entered the rating under its rule's comment.
    int rated = 0;
    for (const core::TRatingRec& row : session->ratings().rows()) {
        if (row.Name == u"Вверх"_s || row.Name == u"Тираж"_s) {
            EXPECT_EQ(row.Count, 3);
            ++rated;
        }
    }
    EXPECT_EQ(rated, 2);
}

TEST_F(TablesControllerTest, AFailedTestKeepsItsStepsRestoresTheOffsetAndSavesTheRules)
{
    // The draw at offset 2 (draw 8) is damaged: a last-draw rule fails there.
    core::TDrawsArray draws;
    core::LoadDrawsFile(folder().drawsFile(), draws);
    draws[7].Values[1] = draws[7].Values[0];
    ASSERT_TRUE(core::SaveDrawsFile(folder().drawsFile(), draws));
    writeRules({Rule(u"Тираж"_s, Comb(1, 2, 3, 4, 5), 1, true), Rule(u"Вверх"_s, Comb(1, 2, 3, 4, 5), 1)});
    auto session = start();
    app::TablesController& tables = session->tables();
    QFile::remove(tablesFile());

    EXPECT_FALSE(tables.stakeTestWith({0, 1}, 3));
    EXPECT_EQ(session->archive().offset(), 0);
    EXPECT_FALSE(session->archive().batchMode());
    const QStringList errors = m_io.messageTexts(app::MessageKind::Error);
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].contains(u"Тираж"_s));
    // The stakes of offset 3 stay and are checked; the steps made are kept and saved.
    const std::vector<stakes::TStakeRec> made = stakesOnDisk();
    ASSERT_EQ(made.size(), 2u);
    EXPECT_EQ(made[0].Checked, 1);
    const stakes::TTablesArray rules = onDisk();
    ASSERT_EQ(rules.size(), 2u) << "the file is written after a failure too";
    EXPECT_EQ(rules[0].StakeCount, 1);
    EXPECT_EQ(rules[1].StakeCount, 1);
    EXPECT_EQ(rules[1].CurrentComb, Comb(2, 3, 4, 5, 6));

    // A stakes file that takes nothing stops at the first stake: no step is counted for it.
    session->stakes().close();
    m_io.messages.clear();
    EXPECT_FALSE(tables.stakeTestWith({1}, 2));
    EXPECT_EQ(session->archive().offset(), 0);
    EXPECT_FALSE(session->archive().batchMode());
    EXPECT_FALSE(m_io.messageTexts(app::MessageKind::Error).isEmpty());
    EXPECT_EQ(onDisk()[1].StakeCount, 1);
    EXPECT_EQ(tables.lastTestStakes(), 0);
}

TEST_F(TablesControllerTest, ATestNeedsAnArchiveOfTwoDrawsAtLeast)
{
    ASSERT_TRUE(core::SaveDrawsFile(folder().drawsFile(), {MakeDraw(1, {1, 2, 3, 4, 5})}));
    writeRules({Rule(u"a"_s, Comb(1, 2, 3, 4, 5), 1)});
    auto session = start();
    m_io.testCounts.enqueue(1);
    EXPECT_FALSE(session->tables().stakeTest({0}));
    EXPECT_TRUE(m_io.testCountMaxima.isEmpty()) << "nothing to choose from";
    EXPECT_EQ(m_io.messageTexts(app::MessageKind::Information).size(), 1);
    EXPECT_FALSE(session->tables().stakeTestWith({0}, 1));
    EXPECT_TRUE(stakesOnDisk().empty());
    EXPECT_EQ(onDisk()[0].StakeCount, 0);
}
