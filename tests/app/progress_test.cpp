// Long operations on the session's side tell how far they are and keep the window alive: the
// passes over big combination lists show their share in the status text (which lets pending
// window events run), the export keeps its progress window alive while the workbook is packed,
// and a counted progress ends however its operation ends.

#include "FakeUserIo.h"
#include "TestHelpers.h"
#include "TestPaths.h"
#include "app/ArchiveController.h"
#include "app/CandidatesController.h"
#include "app/ExportController.h"
#include "app/Session.h"
#include "app/StakesController.h"
#include "app/StatisticsController.h"
#include "app/ViewsController.h"
#include "combos/CombFiles.h"
#include "core/Settings.h"
#include "stakes/StakesFile.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <stdexcept>

using testsupport::FakeUserIo;
using testsupport::ReadFile;

namespace {

// A person's side that fails at the given step of a counted progress, as anything inside a long
// pass may fail.
class FailingStepIo : public FakeUserIo
{
public:
    void progressStep(int done) override
    {
        FakeUserIo::progressStep(done);
        if (progressSteps.size() == failAt)
            throw std::runtime_error("step failed");
    }
    qsizetype failAt = 3;
};

class LongOperations : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QFile::copy(QStringLiteral(VERTOMA_SHARED_DATA_DIR "/Vertoma_5x54.ldr"), folder().drawsFile()));
        QFile::setPermissions(folder().drawsFile(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        m_session = std::make_unique<app::Session>(m_io, folder());
        m_session->prepareStatistics();
        ASSERT_TRUE(m_session->archive().load());
    }

    core::DataFolder folder() const { return {m_dir.path(), QStringLiteral("Vertoma_5x54"), m_dir.path()}; }
    app::Session& session() { return *m_session; }

    // Every combination of the numbers 1..30: 142,506 of them, more than two slices of a pass.
    void generateThirty()
    {
        core::TGenSettings s;
        s.Mode = 2;
        QStringList numbers;
        for (int n = 1; n <= 30; ++n)
            numbers << QString::number(n);
        s.Param = numbers.join(u';');
        ASSERT_TRUE(session().candidates().generate(s, true));
        ASSERT_EQ(session().candidates().combs().size(), 142506u);
    }

    // The completed shares the status texts named since the given one, in order.
    QList<int> shares(qsizetype from = 0) const
    {
        static const QRegularExpression done(QStringLiteral("\\( завершено (\\d+) % \\)\\.\\.\\.$"));
        QList<int> result;
        for (qsizetype i = from; i < m_io.statusTexts.size(); ++i) {
            const QRegularExpressionMatch m = done.match(m_io.statusTexts[i]);
            if (m.hasMatch())
                result << m.captured(1).toInt();
        }
        return result;
    }

    static void expectRising(const QList<int>& shares, int atLeast)
    {
        EXPECT_GE(shares.size(), atLeast);
        for (qsizetype i = 0; i < shares.size(); ++i) {
            EXPECT_GT(shares[i], 0);
            EXPECT_LT(shares[i], 100);
            if (i > 0) {
                EXPECT_GT(shares[i], shares[i - 1]);
            }
        }
    }

    QTemporaryDir m_dir;
    FakeUserIo m_io;
    std::unique_ptr<app::Session> m_session;
};

} // namespace

TEST_F(LongOperations, CopyingAndPastingABigListTellTheirShareAndKeepEveryLine)
{
    generateThirty();
    const core::TCombsArray list = session().candidates().combs();
    std::vector<std::size_t> rows(list.size());
    for (std::size_t i = 0; i < rows.size(); ++i)
        rows[i] = rows.size() - 1 - i; // the selection's order is the text's order

    qsizetype mark = m_io.statusTexts.size();
    session().candidates().copy(rows);
    expectRising(shares(mark), 2);
    EXPECT_EQ(m_io.statusTexts.last(), QString());
    EXPECT_TRUE(session().services().isIdle());
    EXPECT_EQ(m_io.clipboard, combos::CombsClipboardText(list, rows)) << "the slices make the text of the whole";
    EXPECT_EQ(m_io.clipboard.count(QStringLiteral("\r\n")), qsizetype(list.size()));
    EXPECT_TRUE(m_io.clipboard.startsWith(QStringLiteral("26 27 28 29 30\r\n")));

    // The text read back in pieces is the list in the selection's order.
    mark = m_io.statusTexts.size();
    ASSERT_TRUE(session().candidates().paste());
    expectRising(shares(mark), 2);
    EXPECT_EQ(m_io.statusTexts.last(), QString());
    ASSERT_EQ(session().candidates().combs().size(), list.size());
    EXPECT_TRUE(
        std::equal(session().candidates().combs().begin(), session().candidates().combs().end(), list.rbegin()));

    // A faulty line deep in the text is named as from the whole text, whichever piece holds it,
    // and the list stays as it was.
    QString text = m_io.clipboard;
    const qsizetype lineStart = text.indexOf(QStringLiteral("\r\n"), 1800000) + 2;
    text.insert(lineStart, QStringLiteral("1 2 3\r\n"));
    m_io.clipboard = text;
    EXPECT_FALSE(session().candidates().paste());
    EXPECT_EQ(m_io.messageTexts(app::MessageKind::Error), QStringList{QStringLiteral("Некорректная комбинация: \"1 2 3\"!")});
    EXPECT_EQ(session().candidates().combs().size(), list.size());
    EXPECT_EQ(m_io.statusTexts.last(), QString());
    EXPECT_TRUE(session().services().isIdle());
}

TEST_F(LongOperations, SavingABigListTellsItsShareAndPutsTheStatusBack)
{
    generateThirty();
    const QString path = m_dir.filePath(QStringLiteral("thirty.lcv"));
    session().services().showStatus(QStringLiteral("Работа"));
    const qsizetype mark = m_io.statusTexts.size();
    ASSERT_TRUE(session().candidates().saveFile(path));
    expectRising(shares(mark), 2);
    EXPECT_TRUE(m_io.statusTexts[mark].startsWith(QStringLiteral("Сохранение файла \"thirty.lcv\" ( завершено ")));
    EXPECT_EQ(session().services().statusText(), QStringLiteral("Работа")) << "the caller's status comes back";
    EXPECT_EQ(ReadFile(path), combos::CombsFileText(session().candidates().combs()))
        << "the slices make the file of the whole";

    // A failed write says so and leaves the old file and the caller's status.
    session().services().showStatus(QString());
    {
        testsupport::FileSizeLimit limit(1 << 20);
        EXPECT_FALSE(session().candidates().saveFile(m_dir.filePath(QStringLiteral("cut.lcv"))));
    }
    EXPECT_EQ(m_io.messageTexts(app::MessageKind::Error).size(), 1);
    EXPECT_FALSE(QFile::exists(m_dir.filePath(QStringLiteral("cut.lcv"))));
    EXPECT_EQ(session().services().statusText(), QString());
}

TEST_F(LongOperations, ACountedProgressEndsWhenItsOperationFails)
{
    FailingStepIo io;
    app::Session failing(io, folder());
    failing.prepareStatistics();
    ASSERT_TRUE(failing.archive().load());

    EXPECT_THROW(failing.statistics().prefetchRebuildAll(true, 0xffff), std::runtime_error);
    EXPECT_EQ(io.progressTexts, QStringList{QStringLiteral("Создание файлов для полного набора комбинаций...")});
    EXPECT_EQ(io.progressSteps.size(), 3);
    EXPECT_EQ(io.progressEnds, 1) << "no progress stays on the screen";
    EXPECT_TRUE(failing.services().isIdle());
    EXPECT_EQ(failing.services().statusText(), QString());

    io.progressSteps.clear();
    EXPECT_THROW(failing.views().repeats(200, 5), std::runtime_error);
    EXPECT_EQ(io.progressTexts.last(), QStringLiteral("Идет сбор статистики...."));
    EXPECT_EQ(io.progressEnds, 2);
    EXPECT_TRUE(failing.services().isIdle());

    // Without a failure the same passes count up to their end and close once.
    io.failAt = -1;
    io.progressSteps.clear();
    failing.views().repeats(200, 5);
    EXPECT_EQ(io.progressEnds, 3);
    ASSERT_FALSE(io.progressSteps.isEmpty());
    EXPECT_TRUE(std::is_sorted(io.progressSteps.begin(), io.progressSteps.end()));
}

TEST_F(LongOperations, TheExportKeepsItsWindowAliveWhileTheWorkbookIsPacked)
{
    const int keptBefore = m_io.keepAlives;
    int rows = 0;
    const auto source = session().exportCtl().drawsSource();
    ASSERT_TRUE(session().exportCtl().exportToFile(*source, QStringLiteral("Архив тиражей"),
                                                   m_dir.filePath(QStringLiteral("d.xlsx")), QString(),
                                                   xls::RowMode::All, &rows));
    EXPECT_EQ(rows, int(session().archive().draws().size()));
    EXPECT_GT(m_io.keepAlives, keptBefore);
    ASSERT_FALSE(m_io.progressWindowUpdates.isEmpty());
    EXPECT_EQ(m_io.progressWindowUpdates.last().first, QStringLiteral("Передача данных в Microsoft Excel..."));
    EXPECT_EQ(m_io.progressWindowUpdates.last().second, m_io.progressWindowMaxima.last());
    EXPECT_EQ(m_io.progressWindowCloses, 1);
}

TEST_F(LongOperations, DeletingFromAFileOfManyStakesTellsItsShare)
{
    FakeUserIo io;
    app::Session running(io, folder());
    running.create();
    ASSERT_EQ(running.initialise(), app::Session::InitResult::Running);
    // 150,000 stakes for draw 1000, of which the check finds the matches.
    const core::TCombsArray some(running.candidates().combs().begin(), running.candidates().combs().begin() + 150000);
    ASSERT_TRUE(running.stakes().addAll(some, 1000, 1, QStringLiteral("Много")));
    ASSERT_EQ(running.stakes().file().count(), 150000);

    const qsizetype mark = io.statusTexts.size();
    ASSERT_TRUE(running.stakes().stakeFilterWith(0, 0)); // every stake without a match goes
    QList<int> seen;
    for (qsizetype i = mark; i < io.statusTexts.size(); ++i)
        if (io.statusTexts[i].startsWith(QStringLiteral("Удаление ставок ( завершено ")))
            seen << io.statusTexts[i].section(u' ', 4, 4).toInt();
    EXPECT_EQ(seen, (QList<int>{44, 87})) << "at the 65,536th and the 131,072nd of 150,000 stakes";
    EXPECT_EQ(io.statusTexts.last(), QString());
    EXPECT_TRUE(running.services().isIdle());
    EXPECT_GT(running.stakes().file().count(), 0);
    EXPECT_LT(running.stakes().file().count(), 150000);
}
