// The session as a whole: the status panels it composes, the exclusive hold, the start-up words,
// damaged settings at start-up, the configuration dialog and the method list it rebuilds.

#include "FakeUserIo.h"
#include "StakesOnDisk.h"
#include "TestHelpers.h"
#include "app/ArchiveController.h"
#include "app/CandidatesController.h"
#include "app/Session.h"
#include "app/StakesController.h"
#include "app/StatisticsController.h"
#include "core/DrawArchive.h"
#include "core/Settings.h"
#include "core/TextForms.h"
#include "stakes/StakeRecord.h"

#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using testsupport::FakeUserIo;
using testsupport::MakeDraw;
using namespace Qt::StringLiterals;

namespace {

class SessionTest : public ::testing::Test
{
protected:
    core::DataFolder folder() const { return {m_dir.path(), QStringLiteral("Vertoma_5x54"), m_dir.path()}; }

    void writeArchive(const core::TDrawsArray& draws) { ASSERT_TRUE(core::SaveDrawsFile(folder().drawsFile(), draws)); }

    QTemporaryDir m_dir;
    FakeUserIo m_io;
};

} // namespace

TEST_F(SessionTest, StatusPanelsFollowTheOffset)
{
    writeArchive({MakeDraw(10, {1, 2, 3, 4, 5}), MakeDraw(11, {6, 7, 8, 9, 10}), MakeDraw(12, {11, 22, 33, 44, 54})});
    app::Session session(m_io, folder());
    QSignalSpy recalcs(&session.archive(), &app::ArchiveController::viewsRecalculated);
    session.archive().load();
    EXPECT_EQ(session.statusPanel(0), QStringLiteral("Архив тиражей: 3"));
    EXPECT_EQ(session.statusPanel(1), QStringLiteral("Следующий тираж: 13"));
    EXPECT_EQ(session.statusPanel(2), QString());

    session.archive().setOffset(1);
    EXPECT_EQ(session.statusPanel(1), QStringLiteral("Следующий тираж: 12"));
    EXPECT_EQ(session.statusPanel(2), QStringLiteral("11;22;33;44;54"));
    EXPECT_TRUE(session.archive().nextDrawSet().test(54));
    EXPECT_EQ(recalcs.count(), 1);
    EXPECT_EQ(session.statusPanel(3), QStringLiteral("Комбинаций: 0"));
    core::TGenSettings full;
    ASSERT_TRUE(session.candidates().generate(full, true));
    EXPECT_EQ(session.statusPanel(3), QStringLiteral("Комбинаций: 3162510"));
    session.archive().setOffset(1);
    EXPECT_EQ(recalcs.count(), 1) << "an unchanged offset recalculates nothing";

    // The load showed its status text and cleared it again, inside one busy period.
    EXPECT_TRUE(m_io.statusTexts.contains(QStringLiteral("Загрузка файла тиражей...")));
    EXPECT_EQ(m_io.statusTexts.value(m_io.statusTexts.indexOf(QStringLiteral("Загрузка файла тиражей...")) + 1),
              QString());
    EXPECT_EQ(m_io.busyTransitions, (QList<bool>{true, false}));
    EXPECT_TRUE(session.services().isIdle());
}

TEST_F(SessionTest, SecondInstanceIsRefusedTheStakesFile)
{
    app::Session first(m_io, folder());
    ASSERT_EQ(first.initialise(), app::Session::InitResult::Running);
    EXPECT_TRUE(first.holdsExclusive());
    EXPECT_TRUE(QFileInfo::exists(folder().lockFile()));
    EXPECT_TRUE(QFile::exists(folder().stakesFile()));

    FakeUserIo secondIo;
    app::Session second(secondIo, folder());
    EXPECT_EQ(second.initialise(), app::Session::InitResult::Terminate);
    const QStringList errors = secondIo.messageTexts(app::MessageKind::Error);
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].startsWith(QStringLiteral("Невозможно получить монопольный доступ к файлам данных!")));
    EXPECT_TRUE(errors[0].endsWith(QStringLiteral("Программа будет закрыта!")));
    EXPECT_TRUE(second.archive().draws().empty()) << "nothing is loaded after the refusal";
    second.shutdown();
    EXPECT_FALSE(QFile::exists(folder().stateFile())) << "the refused instance leaves the window state alone";

    first.shutdown();
    FakeUserIo thirdIo;
    app::Session third(thirdIo, folder());
    EXPECT_EQ(third.initialise(), app::Session::InitResult::Running);
    EXPECT_TRUE(thirdIo.messages.isEmpty());
}

TEST_F(SessionTest, BatchWordsEndTheRunAfterLoading)
{
    writeArchive({MakeDraw(1, {1, 2, 3, 4, 5})});
    for (const char* word : {"loadonly", "fullrecreate", "fullrefresh", "--FullRefresh"}) {
        FakeUserIo io;
        app::Session session(io, folder(), {QStringLiteral("prog"), QString::fromLatin1(word)});
        EXPECT_EQ(session.initialise(), app::Session::InitResult::Terminate) << word;
        EXPECT_EQ(session.archive().draws().size(), 1u) << word;
        session.shutdown();
    }
    FakeUserIo io;
    app::Session both(io, folder(), {QStringLiteral("loadonly"), QStringLiteral("fullrefresh")});
    EXPECT_EQ(both.initialise(), app::Session::InitResult::Terminate);
}

TEST_F(SessionTest, GarbageSettingsFilesNeverStopTheStart)
{
    QByteArray garbage;
    for (int i = 0; i < 5000; ++i)
        garbage.append(char((i * 7919) & 0xFF));
    for (const QString& path : {folder().configFile(), folder().stateFile()}) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(garbage);
    }
    app::Session session(m_io, folder());
    session.create();
    EXPECT_EQ(session.statistics().config().MatrixCols, 6);
    EXPECT_EQ(session.statistics().config().ChannelSize, 6);
    EXPECT_TRUE(session.services().windowState().ColorDraws);
    EXPECT_EQ(session.initialise(), app::Session::InitResult::Running);
}

TEST_F(SessionTest, ConfigurationDialogResultIsStored)
{
    app::Session session(m_io, folder());
    core::TConfigData edited = session.statistics().config();
    edited.ChannelSize = 9;
    edited.Cost = 1234500;
    m_io.configEdits.enqueue(edited);
    QSignalSpy changed(&session.statistics(), &app::StatisticsController::configChanged);
    EXPECT_TRUE(session.statistics().editConfig());
    EXPECT_EQ(session.statistics().config().ChannelSize, 9);
    EXPECT_EQ(changed.count(), 1);
    core::TConfigData stored;
    ASSERT_TRUE(core::ConfigLoad(folder().configFile(), stored));
    EXPECT_EQ(stored.ChannelSize, 9);
    EXPECT_EQ(stored.Cost, 1234500);

    m_io.configEdits.enqueue(std::nullopt);
    EXPECT_FALSE(session.statistics().editConfig());

    core::TShreddingData formulas = session.statistics().shredding();
    formulas.Formula[1] = QStringLiteral("n1*n2");
    formulas.Digits[1] = 4;
    m_io.shreddingEdits.enqueue(formulas);
    EXPECT_TRUE(session.statistics().editShredding());
    core::TShreddingData storedFormulas;
    ASSERT_TRUE(core::ShreddingLoad(folder().configFile(), storedFormulas));
    EXPECT_EQ(storedFormulas.Formula[1], QStringLiteral("n1*n2"));
    EXPECT_EQ(storedFormulas.Digits[1], 4);
    EXPECT_EQ(stored.ChannelSize, 9) << "the formulas leave the rest of the file alone";
}

TEST_F(SessionTest, ViewsAreHeldBackInBatchMode)
{
    app::Session session(m_io, folder());
    QSignalSpy recalcs(&session.archive(), &app::ArchiveController::viewsRecalculated);
    session.archive().recalcViews(true);
    session.archive().setBatchMode(true);
    session.archive().recalcViews(true);
    EXPECT_EQ(recalcs.count(), 1);
}

TEST_F(SessionTest, MethodListFollowsTheSettingsAndKeepsTheNamesFile)
{
    {
        QFile names(folder().namesFile());
        ASSERT_TRUE(names.open(QIODevice::WriteOnly));
        names.write("[FILTERS]\r\nFavorites=NUMS,POS2\r\n[STRINGS_RUS]\r\nPOS2=\xD0\xEE\xE2\xED\xEE\r\n");
    }
    app::Session session(m_io, folder());
    session.create();
    const stats::TStatList& list = session.statistics().list();
    ASSERT_GT(list.Count(), 0);
    EXPECT_FALSE(list.AllFavorites);
    const int pos2 = list.IndexOfCode(QStringLiteral("POS2"));
    ASSERT_GE(pos2, 0);
    EXPECT_EQ(list.Items(pos2).UserName, QStringLiteral("Ровно")) << "the names file is code page 1251";
    EXPECT_EQ(list.SelectorMethods(false).size(), 2u);

    // A change of settings stores the names, rebuilds the list and reads the names back.
    QSignalSpy refill(&session.statistics(), &app::StatisticsController::methodsChanged);
    core::TConfigData edited = session.statistics().config();
    edited.MatrixCols = 9;
    m_io.configEdits.enqueue(edited);
    ASSERT_TRUE(session.statistics().editConfig());
    EXPECT_EQ(refill.count(), 1);
    EXPECT_EQ(session.statistics().list().config().MatrixCols, 9);
    EXPECT_EQ(list.Items(list.IndexOfCode(QStringLiteral("POS2"))).UserName, QStringLiteral("Ровно"));
    EXPECT_EQ(list.GetFavoritesText(), QStringLiteral("NUMS,POS2"));
    // The formulas reach the shredding captions after the next rebuild.
    core::TShreddingData formulas = session.statistics().shredding();
    formulas.Formula[0] = QStringLiteral("n1-n5");
    m_io.shreddingEdits.enqueue(formulas);
    ASSERT_TRUE(session.statistics().editShredding());
    EXPECT_EQ(refill.count(), 2);
    EXPECT_EQ(session.statistics().list().shredding().Formula[0], QStringLiteral("n1-n5"));
    const int shr1 = list.IndexOfCode(QStringLiteral("SHR1"));
    if (shr1 >= 0) {
        EXPECT_EQ(list.Items(shr1).FormulaText, QStringLiteral("n1-n5"));
    }
}

TEST_F(SessionTest, ADrawTypedInByHandChecksTheStakesWaitingForIt)
{
    writeArchive({MakeDraw(10, {1, 2, 3, 4, 5})});
    app::Session session(m_io, folder());
    ASSERT_EQ(session.initialise(), app::Session::InitResult::Running);
    core::TValueSet numbers;
    for (int v : {11, 21, 31, 41, 51})
        numbers.Values[numbers.Count++] = std::uint8_t(v);
    core::TConfigData config;
    ASSERT_TRUE(session.stakes().create(stakes::NewStake(stakes::KindManual, 11, numbers, 1, u"a"_s, config), 1));
    ASSERT_TRUE(session.stakes().create(stakes::NewStake(stakes::KindManual, 12, numbers, 1, u"b"_s, config), 1));

    // Added: the stake for draw 11 is checked at once, the one for draw 12 still waits.
    m_io.drawEdits.enqueue([](core::TDrawRec& rec) { rec = MakeDraw(rec.Num, {11, 21, 31, 1, 2}); });
    ASSERT_TRUE(session.archive().add());
    auto records = testsupport::ReadStakes(folder().stakesFile());
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].Checked, 1);
    EXPECT_EQ(records[0].Matches.Count, 3);
    EXPECT_EQ(records[1].Checked, 0);

    // Edited into draw 12: that stake is checked now; the one checked before keeps its matches.
    m_io.drawEdits.enqueue([](core::TDrawRec& rec) { rec = MakeDraw(12, {11, 21, 31, 41, 3}); });
    ASSERT_TRUE(session.archive().edit(0));
    records = testsupport::ReadStakes(folder().stakesFile());
    EXPECT_EQ(records[0].Matches.Count, 3);
    EXPECT_EQ(records[1].Checked, 1);
    EXPECT_EQ(records[1].Matches.Count, 4);
    session.shutdown();
}
