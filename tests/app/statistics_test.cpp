// The statistics table built from its parts: its recalculation cache and the full-set comparison
// with its files.

#include "AnalysisParts.h"
#include "FakeUserIo.h"
#include "TestHelpers.h"
#include "TestPaths.h"
#include "app/ArchiveController.h"
#include "app/CandidatesController.h"
#include "app/Session.h"
#include "app/StatisticsController.h"
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

class Statistics : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QFile::copy(QStringLiteral(VERTOMA_SHARED_DATA_DIR "/Vertoma_5x54.ldr"), folder().drawsFile()));
        QFile::setPermissions(folder().drawsFile(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        m_parts = std::make_unique<testsupport::AnalysisParts>(m_io, folder());
        m_parts->prepare();
        ASSERT_TRUE(m_parts->archive.load());
    }

    core::DataFolder folder() const { return {m_dir.path(), QStringLiteral("Vertoma_5x54"), m_dir.path()}; }
    testsupport::AnalysisParts& parts() { return *m_parts; }
    int method(const char* code) const { return m_parts->statistics.list().IndexOfCode(QString::fromLatin1(code)); }

    QTemporaryDir m_dir;
    FakeUserIo m_io;
    std::unique_ptr<testsupport::AnalysisParts> m_parts;
};

} // namespace

TEST_F(Statistics, SecondCalculationWithTheSameInputsDoesNothing)
{
    QSignalSpy changed(&parts().statistics, &app::StatisticsController::tableChanged);
    EXPECT_TRUE(parts().statistics.calc(method("NUMS"), 100, false));
    ASSERT_EQ(parts().statistics.table().Rows.size(), 54u);
    EXPECT_EQ(parts().statistics.table().DrawCount, 100);
    EXPECT_FALSE(parts().statistics.calc(method("NUMS"), 100, false));
    EXPECT_EQ(changed.count(), 1);
    EXPECT_TRUE(parts().statistics.calc(method("NUMS"), 100, true)) << "forced";
    parts().archive.setOffset(2);
    EXPECT_TRUE(parts().statistics.calc(method("NUMS"), 100, false)) << "another offset";
    EXPECT_TRUE(parts().statistics.calc(method("EVEN"), 100, false)) << "another method";
    EXPECT_TRUE(parts().statistics.calc(method("EVEN"), 50, false)) << "another window";
    EXPECT_TRUE(m_io.statusTexts.contains(QStringLiteral("Анализ тиражей и расчет статистики...")));
    // Without the comparison the norm cells read "-".
    EXPECT_EQ(parts().statistics.table().Rows[0].Cells[views::ColNorm], QStringLiteral("-"));
    EXPECT_FALSE(parts().statistics.chart().Actual.empty());
    EXPECT_TRUE(parts().statistics.chart().Total.empty());
    EXPECT_TRUE(parts().statistics.calc(-1, 50, false));
    EXPECT_TRUE(parts().statistics.table().Rows.empty()) << "no method selected: an empty table";
}

TEST_F(Statistics, ComparisonBuildsMissingAndEmptyFiles)
{
    parts().statistics.setPrefetchsEnabledForRun(true);
    const int even = method("EVEN");
    const QString path = parts().statistics.fullSetPath(even);
    ASSERT_TRUE(parts().statistics.calc(even, 1000, true));
    ASSERT_TRUE(QFileInfo::exists(path));
    EXPECT_EQ(QFileInfo(path).size(), 7 * 12);
    const views::StatTable& t = parts().statistics.table();
    EXPECT_TRUE(t.Compared);
    for (const views::StatTableRow& r : t.Rows)
        EXPECT_NE(r.Cells[views::ColNorm], QStringLiteral("-"));
    EXPECT_FALSE(parts().statistics.chart().Total.empty()) << "the total line is on by default";

    // Deleted, or emptied by hand: the next calculation builds it again.
    QFile::remove(path);
    ASSERT_TRUE(parts().statistics.calc(even, 1000, true));
    EXPECT_EQ(QFileInfo(path).size(), 7 * 12);
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    ASSERT_TRUE(parts().statistics.calc(even, 1000, true));
    EXPECT_EQ(QFileInfo(path).size(), 7 * 12);
    EXPECT_TRUE(
        m_io.statusTexts.contains(QStringLiteral("Создание файла предварительной выборки Vertoma_5x54_EVEN.dfc...")));

    // A damaged file is reported and the table is computed without the comparison.
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("garbage");
    f.close();
    ASSERT_TRUE(parts().statistics.calc(even, 1000, true));
    EXPECT_FALSE(parts().statistics.table().Compared);
    ASSERT_FALSE(m_io.messageTexts(app::MessageKind::Error).isEmpty());
    EXPECT_TRUE(m_io.messageTexts(app::MessageKind::Error)
                    .last()
                    .startsWith(QStringLiteral("Ошибка открытия файла данных для полного набора вариантов!")));
    EXPECT_EQ(parts().statistics.table().Rows[0].Cells[views::ColNorm], QStringLiteral("-"));

    // A method without a full-set distribution never compares.
    ASSERT_TRUE(parts().statistics.calc(method("SUMC"), 1000, true));
    EXPECT_FALSE(parts().statistics.table().Compared);
}

TEST_F(Statistics, SwitchesAreStoredAndTheRebuildFollowsTheSettings)
{
    parts().statistics.setShowTotalLine(false);
    EXPECT_FALSE(
        core::StateReadBool(folder().stateFile(), core::kMainWindowSection, QStringLiteral("ShowTotalLine"), true));
    parts().statistics.setPrefetchsEnabledForRun(true);
    parts().statistics.calc(method("EVEN"), 1000, true);
    EXPECT_TRUE(parts().statistics.chart().Total.empty());

    // A forced rebuild of one category builds only what it must: the missing files and the
    // files of that category.
    parts().statistics.prefetchRebuildAll(true, 0);
    const QDir prefetchs(m_dir.filePath(QStringLiteral("Prefetchs")));
    int expected = 0;
    for (int i = 0; i < parts().statistics.list().Count(); ++i)
        expected += parts().statistics.list().Items(i).Class->CanPrefetch() ? 1 : 0;
    EXPECT_EQ(int(prefetchs.entryList(QDir::Files).size()), expected);
    EXPECT_EQ(m_io.progressTexts.last(), QStringLiteral("Создание файлов для полного набора комбинаций..."));
    EXPECT_GT(m_io.progressEnds, 0);

    // Seven matrix columns: the matrix files are rebuilt, with seven columns now.
    core::TConfigData edited = parts().statistics.config();
    edited.MatrixCols = 7;
    m_io.configEdits.enqueue(edited);
    ASSERT_TRUE(parts().statistics.editConfig());
    views::FullSetCounts cols;
    ASSERT_TRUE(views::ReadFullSetFile(parts().statistics.fullSetPath(method("COLS")), cols, nullptr));
    EXPECT_EQ(cols.Records.size(), 7u);
    EXPECT_GE(method("COL7"), 0);
}

TEST_F(Statistics, StartUpWordsRebuildTheFiles)
{
    app::Session batch(m_io, folder(), {QStringLiteral("fullrefresh")});
    batch.create();
    EXPECT_EQ(batch.initialise(), app::Session::InitResult::Terminate);
    int expected = 0;
    for (int i = 0; i < batch.statistics().list().Count(); ++i)
        expected += batch.statistics().list().Items(i).Class->CanPrefetch() ? 1 : 0;
    const QDir prefetchs(m_dir.filePath(QStringLiteral("Prefetchs")));
    EXPECT_EQ(int(prefetchs.entryList(QDir::Files).size()), expected);
    EXPECT_EQ(batch.candidates().combs().size(), 3162510u) << "the list is generated before";

    // "fullrefresh" builds only what is missing; "fullrecreate" rebuilds everything.
    const QString nums = batch.statistics().fullSetPath(batch.statistics().list().IndexOfCode(QStringLiteral("NUMS")));
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
