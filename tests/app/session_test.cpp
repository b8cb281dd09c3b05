#include "FakeUserIo.h"
#include "TestHelpers.h"
#include "TestPaths.h"
#include "app/Session.h"
#include "core/DrawArchive.h"
#include "core/Settings.h"
#include "core/TextForms.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using testsupport::FakeUserIo;
using testsupport::MakeDraw;
using testsupport::ReadFile;

namespace {

class SessionTest : public ::testing::Test
{
protected:
    core::DataFolder folder() const { return {m_dir.path(), QStringLiteral("Vertoma_5x54"), m_dir.path()}; }

    void writeArchive(const core::TDrawsArray& draws) { ASSERT_TRUE(core::SaveDrawsFile(folder().drawsFile(), draws)); }

    std::vector<int> numbersOnFile() const
    {
        core::TDrawsArray draws;
        core::LoadDrawsFile(folder().drawsFile(), draws);
        std::vector<int> nums;
        for (const auto& d : draws)
            nums.push_back(d.Num);
        return nums;
    }

    QTemporaryDir m_dir;
    FakeUserIo m_io;
};

} // namespace

TEST_F(SessionTest, StatusPanelsFollowTheOffset)
{
    writeArchive({MakeDraw(10, {1, 2, 3, 4, 5}), MakeDraw(11, {6, 7, 8, 9, 10}), MakeDraw(12, {11, 22, 33, 44, 54})});
    app::Session session(m_io, folder());
    QSignalSpy recalcs(&session, &app::Session::viewsRecalculated);
    session.drawsLoad();
    EXPECT_EQ(session.statusPanel(0), QStringLiteral("Архив тиражей: 3"));
    EXPECT_EQ(session.statusPanel(1), QStringLiteral("Следующий тираж: 13"));
    EXPECT_EQ(session.statusPanel(2), QString());

    session.setDrawsOffset(1);
    EXPECT_EQ(session.statusPanel(1), QStringLiteral("Следующий тираж: 12"));
    EXPECT_EQ(session.statusPanel(2), QStringLiteral("11;22;33;44;54"));
    EXPECT_TRUE(session.nextDrawSet().test(54));
    EXPECT_EQ(recalcs.count(), 1);
    session.setDrawsOffset(1);
    EXPECT_EQ(recalcs.count(), 1) << "an unchanged offset recalculates nothing";

    // The load showed its status text and cleared it again, inside one busy period.
    EXPECT_TRUE(m_io.statusTexts.contains(QStringLiteral("Загрузка файла тиражей...")));
    EXPECT_EQ(m_io.statusTexts.value(m_io.statusTexts.indexOf(QStringLiteral("Загрузка файла тиражей...")) + 1),
              QString());
    EXPECT_EQ(m_io.busyTransitions, (QList<bool>{true, false}));
    EXPECT_TRUE(session.isIdle());
}

TEST_F(SessionTest, EmptyFileAndMissingFile)
{
    QFile(folder().drawsFile()).open(QIODevice::WriteOnly);
    app::Session session(m_io, folder());
    session.drawsLoad();
    EXPECT_EQ(session.statusPanel(0), QStringLiteral("Архив тиражей: 0"));
    EXPECT_EQ(session.statusPanel(1), QStringLiteral("Следующий тираж: 1"));
    EXPECT_TRUE(m_io.messages.isEmpty());

    QFile::remove(folder().drawsFile());
    app::Session fresh(m_io, folder());
    fresh.drawsLoad();
    EXPECT_TRUE(fresh.draws().empty());
    EXPECT_TRUE(m_io.messages.isEmpty());
    EXPECT_FALSE(QFile::exists(folder().drawsFile())) << "loading never creates the archive";
}

TEST_F(SessionTest, AddAppendsAtTheEndAndSavesAtOnce)
{
    writeArchive({MakeDraw(10, {1, 2, 3, 4, 5})});
    app::Session session(m_io, folder());
    session.drawsLoad();

    int offeredNumber = 0;
    m_io.drawEdits.enqueue([&](core::TDrawRec& rec) {
        offeredNumber = rec.Num;
        rec.Num = 5; // lower than the newest: still appended at the end
        rec.Values[0] = 9;
        rec.Values[1] = 8;
        rec.Values[2] = 7;
        rec.Values[3] = 6;
        rec.Values[4] = 54;
    });
    EXPECT_TRUE(session.drawsAdd());
    EXPECT_EQ(offeredNumber, 11);
    EXPECT_EQ(m_io.drawDialogTitles, QStringList{QStringLiteral("Введите данные следующего тиража")});
    EXPECT_EQ(numbersOnFile(), (std::vector<int>{10, 5}));
    EXPECT_EQ(session.statusPanel(0), QStringLiteral("Архив тиражей: 2"));

    m_io.drawEdits.enqueue(std::nullopt);
    EXPECT_FALSE(session.drawsAdd());
    EXPECT_EQ(numbersOnFile(), (std::vector<int>{10, 5}));
}

TEST_F(SessionTest, EditReplacesTheRowsRecordInPlace)
{
    writeArchive({MakeDraw(1, {1, 2, 3, 4, 5}), MakeDraw(2, {6, 7, 8, 9, 10}), MakeDraw(3, {11, 12, 13, 14, 15})});
    app::Session session(m_io, folder());
    session.drawsLoad();
    m_io.drawEdits.enqueue([](core::TDrawRec& rec) { rec.Extra = 9; });
    ASSERT_TRUE(session.drawsEdit(1)); // row 1 = draw 2
    core::TDrawsArray onFile;
    core::LoadDrawsFile(folder().drawsFile(), onFile);
    ASSERT_EQ(onFile.size(), 3u);
    EXPECT_EQ(onFile[1].Num, 2);
    EXPECT_EQ(onFile[1].Extra, 9);
    EXPECT_EQ(onFile[0].Extra, 0);
    EXPECT_FALSE(session.drawsEdit(7));
}

TEST_F(SessionTest, DeleteAsksWithTheRightTextAndDefault)
{
    writeArchive({MakeDraw(1, {1, 2, 3, 4, 5}), MakeDraw(2, {6, 7, 8, 9, 10}), MakeDraw(3, {11, 12, 13, 14, 15}),
                  MakeDraw(4, {16, 17, 18, 19, 20})});
    app::Session session(m_io, folder());
    session.drawsLoad();

    m_io.answers.enqueue(false);
    EXPECT_FALSE(session.drawsDeleteRows({0}));
    ASSERT_EQ(m_io.questions.size(), 1);
    EXPECT_EQ(m_io.questions[0].caption, QStringLiteral("Предупреждение"));
    EXPECT_EQ(m_io.questions[0].text, QStringLiteral("Удалить выделенную запись?"));
    EXPECT_FALSE(m_io.questions[0].yesDefault);
    EXPECT_EQ(numbersOnFile(), (std::vector<int>{1, 2, 3, 4}));

    m_io.answers.enqueue(true);
    EXPECT_TRUE(session.drawsDeleteRows({0, 2}));
    EXPECT_EQ(m_io.questions[1].text,
              QStringLiteral("Удалить все выделенные записи (всего будет удалено 2 записи(ей))?"));
    EXPECT_EQ(numbersOnFile(), (std::vector<int>{1, 3}));
    EXPECT_TRUE(m_io.statusTexts.contains(QStringLiteral("Удаление выделенных тиражей....")));
}

TEST_F(SessionTest, DeletingRowsThatShowTheSameNumberDeletesWhatTheLookupFinds)
{
    // Rows 0 and 2 both show draw 7; each deletion takes the element the lookup finds first.
    writeArchive({MakeDraw(5, {1, 2, 3, 4, 5}), MakeDraw(7, {1, 2, 3, 4, 6}, 1), MakeDraw(6, {1, 2, 3, 4, 7}),
                  MakeDraw(7, {1, 2, 3, 4, 8}, 2)});
    app::Session session(m_io, folder());
    session.drawsLoad();
    m_io.answers.enqueue(true);
    ASSERT_TRUE(session.drawsDeleteRows({0, 2}));
    core::TDrawsArray onFile;
    core::LoadDrawsFile(folder().drawsFile(), onFile);
    ASSERT_EQ(onFile.size(), 2u);
    EXPECT_EQ(onFile[0].Num, 5);
    EXPECT_EQ(onFile[1].Num, 6);
    EXPECT_TRUE(m_io.messages.isEmpty());
}

TEST_F(SessionTest, SortedSwitchIsStoredAtOnce)
{
    app::Session session(m_io, folder());
    session.drawsToggleSorted();
    EXPECT_TRUE(session.windowState().SortedDraws);
    EXPECT_TRUE(
        core::StateReadBool(folder().stateFile(), core::kMainWindowSection, QStringLiteral("SortedDraws"), false));
    session.drawsToggleSorted();
    EXPECT_FALSE(
        core::StateReadBool(folder().stateFile(), core::kMainWindowSection, QStringLiteral("SortedDraws"), true));
}

TEST_F(SessionTest, FailedSaveShowsTheMessageAndKeepsTheOldFile)
{
    core::TDrawsArray draws;
    core::LoadDrawsFile(QStringLiteral(VERTOMA_SHARED_DATA_DIR "/Vertoma_5x54.ldr"), draws);
    ASSERT_EQ(draws.size(), 1114u);
    writeArchive(draws);
    const QByteArray before = ReadFile(folder().drawsFile());

    app::Session session(m_io, folder());
    session.drawsLoad();
    bool saved = true;
    {
        testsupport::FileSizeLimit readOnlyFolder(1000);
        saved = session.drawsAppend(MakeDraw(1115, {1, 2, 3, 4, 5}));
    }

    EXPECT_FALSE(saved);
    EXPECT_EQ(ReadFile(folder().drawsFile()), before);
    const QStringList errors = m_io.messageTexts(app::MessageKind::Error);
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].startsWith(QStringLiteral("Ошибка записи в файл тиражей!\n\n"))) << errors[0].toStdString();
    EXPECT_EQ(session.draws().size(), 1115u) << "the change stays in memory";
}

TEST_F(SessionTest, UnreadableArchiveShowsTheReadError)
{
    // A folder where the archive should be cannot be read as a file.
    QDir(m_dir.path()).mkdir(QStringLiteral("Vertoma_5x54.ldr"));
    app::Session session(m_io, folder());
    session.drawsLoad();
    const QStringList errors = m_io.messageTexts(app::MessageKind::Error);
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].startsWith(QStringLiteral("Ошибка чтения файла тиражей!\n\n")));
    EXPECT_TRUE(session.isIdle());
}

TEST_F(SessionTest, AnArchiveThatCouldNotBeReadIsKeptAsideBeforeItIsOverwritten)
{
    // Far too large to be an archive of ours: refused whole.
    const qint64 size = 24 * 1'000'001LL;
    {
        QFile big(folder().drawsFile());
        ASSERT_TRUE(big.open(QIODevice::WriteOnly));
        ASSERT_TRUE(big.resize(size));
    }
    app::Session session(m_io, folder());
    EXPECT_FALSE(session.drawsLoad());
    EXPECT_EQ(m_io.messageTexts(app::MessageKind::Error).size(), 1);
    EXPECT_TRUE(session.drawsAppend(MakeDraw(1, {1, 2, 3, 4, 5})));
    EXPECT_EQ(QFileInfo(folder().drawsFile() + QStringLiteral(".bad")).size(), size);
    EXPECT_EQ(QFileInfo(folder().drawsFile()).size(), 24);

    // Only the damaged original is kept: later saves leave the copy alone.
    EXPECT_TRUE(session.drawsAppend(MakeDraw(2, {1, 2, 3, 4, 5})));
    EXPECT_EQ(QFileInfo(folder().drawsFile() + QStringLiteral(".bad")).size(), size);
}

TEST_F(SessionTest, SecondInstanceIsRefusedTheStakesFile)
{
    app::Session first(m_io, folder());
    ASSERT_EQ(first.initialise(), app::Session::InitResult::Running);
    EXPECT_TRUE(first.holdsExclusive());
    EXPECT_TRUE(QFile::exists(folder().stakesFile()));

    FakeUserIo secondIo;
    app::Session second(secondIo, folder());
    EXPECT_EQ(second.initialise(), app::Session::InitResult::Terminate);
    const QStringList errors = secondIo.messageTexts(app::MessageKind::Error);
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].startsWith(QStringLiteral("Невозможно получить монопольный доступ к файлам данных!")));
    EXPECT_TRUE(errors[0].endsWith(QStringLiteral("Программа будет закрыта!")));
    EXPECT_TRUE(second.draws().empty()) << "nothing is loaded after the refusal";
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
        EXPECT_EQ(session.draws().size(), 1u) << word;
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
    EXPECT_EQ(session.config().MatrixCols, 6);
    EXPECT_EQ(session.config().ChannelSize, 6);
    EXPECT_TRUE(session.windowState().ColorDraws);
    EXPECT_EQ(session.initialise(), app::Session::InitResult::Running);
}

TEST_F(SessionTest, ConfigurationDialogResultIsStored)
{
    app::Session session(m_io, folder());
    core::TConfigData edited = session.config();
    edited.ChannelSize = 9;
    edited.Cost = 1234500;
    m_io.configEdits.enqueue(edited);
    QSignalSpy changed(&session, &app::Session::configChanged);
    EXPECT_TRUE(session.editConfig());
    EXPECT_EQ(session.config().ChannelSize, 9);
    EXPECT_EQ(changed.count(), 1);
    core::TConfigData stored;
    ASSERT_TRUE(core::ConfigLoad(folder().configFile(), stored));
    EXPECT_EQ(stored.ChannelSize, 9);
    EXPECT_EQ(stored.Cost, 1234500);

    m_io.configEdits.enqueue(std::nullopt);
    EXPECT_FALSE(session.editConfig());

    core::TShreddingData formulas = session.shredding();
    formulas.Formula[1] = QStringLiteral("n1*n2");
    formulas.Digits[1] = 4;
    m_io.shreddingEdits.enqueue(formulas);
    EXPECT_TRUE(session.editShredding());
    core::TShreddingData storedFormulas;
    ASSERT_TRUE(core::ShreddingLoad(folder().configFile(), storedFormulas));
    EXPECT_EQ(storedFormulas.Formula[1], QStringLiteral("n1*n2"));
    EXPECT_EQ(storedFormulas.Digits[1], 4);
    EXPECT_EQ(stored.ChannelSize, 9) << "the formulas leave the rest of the file alone";
}

TEST_F(SessionTest, ViewsAreHeldBackInBatchMode)
{
    app::Session session(m_io, folder());
    QSignalSpy recalcs(&session, &app::Session::viewsRecalculated);
    session.recalcViews(true);
    session.setBatchMode(true);
    session.recalcViews(true);
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
    const stats::TStatList& list = session.statList();
    ASSERT_GT(list.Count(), 0);
    EXPECT_FALSE(list.AllFavorites);
    const int pos2 = list.IndexOfCode(QStringLiteral("POS2"));
    ASSERT_GE(pos2, 0);
    EXPECT_EQ(list.Items(pos2).UserName, QStringLiteral("Ровно")) << "the names file is code page 1251";
    EXPECT_EQ(list.SelectorMethods(false).size(), 2u);

    // A change of settings stores the names, rebuilds the list and reads the names back.
    QSignalSpy refill(&session, &app::Session::statMethodsChanged);
    core::TConfigData edited = session.config();
    edited.MatrixCols = 9;
    m_io.configEdits.enqueue(edited);
    ASSERT_TRUE(session.editConfig());
    EXPECT_EQ(refill.count(), 1);
    EXPECT_EQ(session.statList().config().MatrixCols, 9);
    EXPECT_EQ(list.Items(list.IndexOfCode(QStringLiteral("POS2"))).UserName, QStringLiteral("Ровно"));
    EXPECT_EQ(list.GetFavoritesText(), QStringLiteral("NUMS,POS2"));
    // The formulas reach the shredding captions after the next rebuild.
    core::TShreddingData formulas = session.shredding();
    formulas.Formula[0] = QStringLiteral("n1-n5");
    m_io.shreddingEdits.enqueue(formulas);
    ASSERT_TRUE(session.editShredding());
    EXPECT_EQ(refill.count(), 2);
    EXPECT_EQ(session.statList().shredding().Formula[0], QStringLiteral("n1-n5"));
    const int shr1 = list.IndexOfCode(QStringLiteral("SHR1"));
    if (shr1 >= 0) {
        EXPECT_EQ(list.Items(shr1).FormulaText, QStringLiteral("n1-n5"));
    }
}
