// The statistics table of the session: its recalculation cache and the full-set comparison
// with its files.

#include "FakeUserIo.h"
#include "TestHelpers.h"
#include "TestPaths.h"
#include "app/Session.h"
#include "core/DrawArchive.h"
#include "core/Settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using testsupport::FakeUserIo;

namespace {

class SessionStats : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QFile::copy(QStringLiteral(VERTOMA_SHARED_DATA_DIR "/Vertoma_5x54.ldr"), folder().drawsFile()));
        QFile::setPermissions(folder().drawsFile(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        m_session = std::make_unique<app::Session>(m_io, folder());
        m_session->prepareStatistics();
        ASSERT_TRUE(m_session->drawsLoad());
    }

    core::DataFolder folder() const { return {m_dir.path(), QStringLiteral("Vertoma_5x54"), m_dir.path()}; }
    app::Session& session() { return *m_session; }
    int method(const char* code) const { return m_session->statList().IndexOfCode(QString::fromLatin1(code)); }

    QTemporaryDir m_dir;
    FakeUserIo m_io;
    std::unique_ptr<app::Session> m_session;
};

} // namespace

TEST_F(SessionStats, SecondCalculationWithTheSameInputsDoesNothing)
{
    QSignalSpy changed(&session(), &app::Session::statTableChanged);
    EXPECT_TRUE(session().statCalc(method("NUMS"), 100, false));
    ASSERT_EQ(session().statTable().Rows.size(), 54u);
    EXPECT_EQ(session().statTable().DrawCount, 100);
    EXPECT_FALSE(session().statCalc(method("NUMS"), 100, false));
    EXPECT_EQ(changed.count(), 1);
    EXPECT_TRUE(session().statCalc(method("NUMS"), 100, true)) << "forced";
    session().setDrawsOffset(2);
    EXPECT_TRUE(session().statCalc(method("NUMS"), 100, false)) << "another offset";
    EXPECT_TRUE(session().statCalc(method("EVEN"), 100, false)) << "another method";
    EXPECT_TRUE(session().statCalc(method("EVEN"), 50, false)) << "another window";
    EXPECT_TRUE(m_io.statusTexts.contains(QStringLiteral("Анализ тиражей и расчет статистики...")));
    // Without the comparison the norm cells read "-".
    EXPECT_EQ(session().statTable().Rows[0].Cells[views::ColNorm], QStringLiteral("-"));
    EXPECT_FALSE(session().statChart().Actual.empty());
    EXPECT_TRUE(session().statChart().Total.empty());
    EXPECT_TRUE(session().statCalc(-1, 50, false));
    EXPECT_TRUE(session().statTable().Rows.empty()) << "no method selected: an empty table";
}

TEST_F(SessionStats, ComparisonBuildsMissingAndEmptyFiles)
{
    session().setPrefetchsEnabledForRun(true);
    const int even = method("EVEN");
    const QString path = session().fullSetPath(even);
    ASSERT_TRUE(session().statCalc(even, 1000, true));
    ASSERT_TRUE(QFileInfo::exists(path));
    EXPECT_EQ(QFileInfo(path).size(), 7 * 12);
    const views::StatTable& t = session().statTable();
    EXPECT_TRUE(t.Compared);
    for (const views::StatTableRow& r : t.Rows)
        EXPECT_NE(r.Cells[views::ColNorm], QStringLiteral("-"));
    EXPECT_FALSE(session().statChart().Total.empty()) << "the total line is on by default";

    // Deleted, or emptied by hand: the next calculation builds it again.
    QFile::remove(path);
    ASSERT_TRUE(session().statCalc(even, 1000, true));
    EXPECT_EQ(QFileInfo(path).size(), 7 * 12);
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    ASSERT_TRUE(session().statCalc(even, 1000, true));
    EXPECT_EQ(QFileInfo(path).size(), 7 * 12);
    EXPECT_TRUE(
        m_io.statusTexts.contains(QStringLiteral("Создание файла предварительной выборки Vertoma_5x54_EVEN.dfc...")));

    // A damaged file is reported and the table is computed without the comparison.
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("garbage");
    f.close();
    ASSERT_TRUE(session().statCalc(even, 1000, true));
    EXPECT_FALSE(session().statTable().Compared);
    ASSERT_FALSE(m_io.messageTexts(app::MessageKind::Error).isEmpty());
    EXPECT_TRUE(m_io.messageTexts(app::MessageKind::Error)
                    .last()
                    .startsWith(QStringLiteral("Ошибка открытия файла данных для полного набора вариантов!")));
    EXPECT_EQ(session().statTable().Rows[0].Cells[views::ColNorm], QStringLiteral("-"));

    // A method without a full-set distribution never compares.
    ASSERT_TRUE(session().statCalc(method("SUMC"), 1000, true));
    EXPECT_FALSE(session().statTable().Compared);
}

TEST_F(SessionStats, SwitchesAreStoredAndTheRebuildFollowsTheSettings)
{
    session().setShowTotalLine(false);
    EXPECT_FALSE(
        core::StateReadBool(folder().stateFile(), core::kMainWindowSection, QStringLiteral("ShowTotalLine"), true));
    session().setPrefetchsEnabledForRun(true);
    session().statCalc(method("EVEN"), 1000, true);
    EXPECT_TRUE(session().statChart().Total.empty());

    // A forced rebuild of one category builds only what it must: the missing files and the
    // files of that category.
    session().prefetchRebuildAll(true, 0);
    const QDir prefetchs(m_dir.filePath(QStringLiteral("Prefetchs")));
    int expected = 0;
    for (int i = 0; i < session().statList().Count(); ++i)
        expected += session().statList().Items(i).Class->CanPrefetch() ? 1 : 0;
    EXPECT_EQ(int(prefetchs.entryList(QDir::Files).size()), expected);
    EXPECT_EQ(m_io.progressTexts.last(), QStringLiteral("Создание файлов для полного набора комбинаций..."));
    EXPECT_GT(m_io.progressEnds, 0);

    // Seven matrix columns: the matrix files are rebuilt, with seven columns now.
    core::TConfigData edited = session().config();
    edited.MatrixCols = 7;
    m_io.configEdits.enqueue(edited);
    ASSERT_TRUE(session().editConfig());
    views::FullSetCounts cols;
    ASSERT_TRUE(views::ReadFullSetFile(session().fullSetPath(method("COLS")), cols, nullptr));
    EXPECT_EQ(cols.Records.size(), 7u);
    EXPECT_GE(method("COL7"), 0);
}

TEST_F(SessionStats, StartUpWordsRebuildTheFiles)
{
    app::Session batch(m_io, folder(), {QStringLiteral("fullrefresh")});
    batch.create();
    EXPECT_EQ(batch.initialise(), app::Session::InitResult::Terminate);
    int expected = 0;
    for (int i = 0; i < batch.statList().Count(); ++i)
        expected += batch.statList().Items(i).Class->CanPrefetch() ? 1 : 0;
    const QDir prefetchs(m_dir.filePath(QStringLiteral("Prefetchs")));
    EXPECT_EQ(int(prefetchs.entryList(QDir::Files).size()), expected);
    EXPECT_EQ(batch.combs().size(), 3162510u) << "the list is generated before";

    // "fullrefresh" builds only what is missing; "fullrecreate" rebuilds everything.
    const QString nums = batch.fullSetPath(batch.statList().IndexOfCode(QStringLiteral("NUMS")));
    QFile f(nums);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(24, '\0'));
    f.close();
    batch.shutdown();
    app::Session refresh(m_io, folder(), {QStringLiteral("fullrefresh")});
    refresh.create();
    EXPECT_EQ(refresh.initialise(), app::Session::InitResult::Terminate);
    EXPECT_EQ(QFileInfo(nums).size(), 24) << "an existing file stays";
    refresh.shutdown();
    app::Session recreate(m_io, folder(), {QStringLiteral("fullrecreate")});
    recreate.create();
    EXPECT_EQ(recreate.initialise(), app::Session::InitResult::Terminate);
    EXPECT_EQ(QFileInfo(nums).size(), 55 * 12);
}
