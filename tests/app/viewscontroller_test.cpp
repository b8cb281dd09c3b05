// The analysis pages built from their parts, without a session: pages off screen cost nothing,
// the recalculation order and its cache, the look switches, and the hand-over of grid numbers to
// the list.

#include "AnalysisParts.h"
#include "FakeUserIo.h"
#include "TestHelpers.h"
#include "TestPaths.h"
#include "app/ArchiveController.h"
#include "app/CandidatesController.h"
#include "app/StatisticsController.h"
#include "app/ViewsController.h"
#include "core/DrawArchive.h"
#include "core/GameMath.h"
#include "core/Settings.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using testsupport::FakeUserIo;
using Page = app::ViewsController::Page;

namespace {

class ViewsControllerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QFile::copy(QStringLiteral(VERTOMA_SHARED_DATA_DIR "/Vertoma_5x54.ldr"), folder().drawsFile()));
        QFile::setPermissions(folder().drawsFile(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        m_parts = std::make_unique<testsupport::AnalysisParts>(m_io, folder());
        m_parts->prepare();
        m_views = std::make_unique<app::ViewsController>(m_parts->services, m_parts->archive, m_parts->statistics,
                                                         m_parts->candidates);
        // The pages follow the archive as the session wires them.
        QObject::connect(&m_parts->archive, &app::ArchiveController::pagesRecalculated, m_views.get(),
                         &app::ViewsController::recalc);
        m_views->readState();
        ASSERT_TRUE(archive().load());
        views().setGraphMethod(m_parts->statistics.list().IndexOfCode(QStringLiteral("SUMS")));
    }

    core::DataFolder folder() const { return {m_dir.path(), QStringLiteral("Vertoma_5x54"), m_dir.path()}; }
    app::Services& services() { return m_parts->services; }
    app::ArchiveController& archive() { return m_parts->archive; }
    app::CandidatesController& candidates() { return m_parts->candidates; }
    app::ViewsController& views() { return *m_views; }
    const core::TDrawRec& draw(int fromNewest) const
    {
        return m_parts->archive.draws()[m_parts->archive.draws().size() - 1 - std::size_t(fromNewest)];
    }

    QTemporaryDir m_dir;
    FakeUserIo m_io;
    std::unique_ptr<testsupport::AnalysisParts> m_parts;
    std::unique_ptr<app::ViewsController> m_views;
};

const QString kGraphStatus = QStringLiteral("Анализ тиражей и построение графиков...");
const QString kCardStatus = QStringLiteral("Обновление карты тиражей...");
const QString kLayoutStatus = QStringLiteral("Построение схемы выпадения номеров...");
const QString kWeekStatus = QStringLiteral("Построение статистики по дням недели...");

} // namespace

TEST_F(ViewsControllerTest, PagesOffScreenCostNothing)
{
    QSignalSpy graph(&views(), &app::ViewsController::graphChanged);
    QSignalSpy card(&views(), &app::ViewsController::cardChanged);
    QSignalSpy layout(&views(), &app::ViewsController::layoutChanged);
    QSignalSpy week(&views(), &app::ViewsController::weekChanged);
    archive().recalcViews(true);
    archive().setOffset(3);
    EXPECT_EQ(graph.count() + card.count() + layout.count() + week.count(), 0);
    EXPECT_TRUE(views().graph().IsEmpty());
    EXPECT_EQ(views().layout().rowCount(), 0);
    EXPECT_EQ(views().week().Max, 0);
    for (const QString& status : {kGraphStatus, kCardStatus, kLayoutStatus, kWeekStatus})
        EXPECT_FALSE(m_io.statusTexts.contains(status)) << status.toStdString();
}

TEST_F(ViewsControllerTest, ShownPagesRecalculateInOrderAndOnlyWhenTheirInputsChange)
{
    for (Page page : {Page::Graphs, Page::Card, Page::Layout, Page::Week})
        views().setShown(page, true);
    // Coming on screen computes each page at once.
    EXPECT_EQ(views().graph().Points.size(), 100u);
    EXPECT_EQ(views().week().LastIndex, int(archive().draws().size()) - 1);

    m_io.statusTexts.clear();
    archive().setOffset(5);
    const QStringList shown = m_io.statusTexts.filter(QStringLiteral("..."));
    const QStringList expected{kGraphStatus, kCardStatus, kLayoutStatus, kLayoutStatus, kWeekStatus};
    QStringList order;
    for (const QString& s : shown)
        if (expected.contains(s))
            order << s;
    // The card shows the whole archive: a new offset does not refill it.
    EXPECT_EQ(order, (QStringList{kGraphStatus, kLayoutStatus, kLayoutStatus, kWeekStatus}));
    EXPECT_EQ(views().graph().Points.back().DrawNum, draw(5).Num);
    EXPECT_EQ(views().layout().LastIndex, int(archive().draws().size()) - 6);
    EXPECT_EQ(views().layoutCompare()[0].Caption, QStringLiteral("%1 - %2").arg(draw(5 + 49).Num).arg(draw(5).Num));

    // Same inputs: nothing; forced: everything; a new length: that page.
    EXPECT_FALSE(views().graphCalc(false));
    EXPECT_FALSE(views().layoutBuild(false));
    EXPECT_FALSE(views().weekBuild(false));
    EXPECT_FALSE(views().cardFill(false));
    EXPECT_TRUE(views().cardFill(true));
    views().setWeekLength(10);
    EXPECT_TRUE(views().weekBuild(false));
    EXPECT_EQ(views().week().FirstIndex, views().week().LastIndex - 9);
    EXPECT_TRUE(services().isIdle());
    EXPECT_TRUE(services().statusText().isEmpty());

    // Batch mode (a script run) holds every view back.
    archive().setBatchMode(true);
    m_io.statusTexts.clear();
    archive().setOffset(0);
    EXPECT_TRUE(m_io.statusTexts.filter(kGraphStatus).isEmpty());
    archive().setBatchMode(false);
}

TEST_F(ViewsControllerTest, AnEditedDrawRefreshesThePagesThoughTheSizeStays)
{
    views().setShown(Page::Graphs, true);
    views().setShown(Page::Card, true);
    QSignalSpy card(&views(), &app::ViewsController::cardChanged);
    core::TDrawRec edited = draw(0);
    edited.Values[0] = 1; // 7 8 11 31 35 becomes 1 8 11 31 35
    ASSERT_TRUE(archive().replace(int(archive().draws().size()) - 1, edited));
    EXPECT_EQ(card.count(), 1);
    EXPECT_EQ(views().graph().Points.back().Value, 1 + 8 + 11 + 31 + 35);
}

TEST_F(ViewsControllerTest, GridNumbersNarrowTheListAndAnEmptyPickIsRefused)
{
    ASSERT_TRUE(candidates().generate(candidates().genSettings(), true));
    ASSERT_EQ(candidates().combs().size(), 3162510u);
    const std::size_t undo = candidates().undoCount();
    EXPECT_FALSE(views().filterByNumbers({}, {}, QStringLiteral("Карта"), false));
    EXPECT_EQ(m_io.messageTexts(app::MessageKind::Error).value(0),
              QStringLiteral("В выделенном диапазоне нет значений для фильтра!"));
    EXPECT_EQ(candidates().undoCount(), undo) << "the previous step stays undoable";

    EXPECT_TRUE(views().filterByNumbers({17}, {QStringLiteral("17")}, QStringLiteral("Карта"), false));
    EXPECT_EQ(std::int64_t(candidates().combs().size()), core::Binomial(53, 4));
    for (const core::TComb& c : candidates().combs())
        ASSERT_TRUE(std::count(std::begin(c.v), std::end(c.v), 17) == 1);
    EXPECT_EQ(candidates().history().back().Name, QStringLiteral("Карта"));
    EXPECT_EQ(candidates().history().back().Values, QStringLiteral("17"));
    EXPECT_EQ(candidates().undoCount(), 3162510u);
    EXPECT_TRUE(m_io.statusTexts.contains(QStringLiteral("Создание файла отката...")));

    EXPECT_TRUE(views().filterByNumbers({18, 19}, {QStringLiteral("18"), QStringLiteral("19")},
                                        QStringLiteral("Неделя"), true));
    EXPECT_EQ(std::int64_t(candidates().combs().size()), core::Binomial(51, 4));
    EXPECT_TRUE(candidates().undo());
    EXPECT_EQ(std::int64_t(candidates().combs().size()), core::Binomial(53, 4));
}

TEST_F(ViewsControllerTest, LookSwitchesAreStoredAtOnceAndReadAtStart)
{
    QSignalSpy cardLook(&views(), &app::ViewsController::cardLookChanged);
    QSignalSpy layoutLook(&views(), &app::ViewsController::layoutLookChanged);
    EXPECT_TRUE(views().colorCard());
    EXPECT_TRUE(views().colorCardSequences());
    EXPECT_TRUE(views().layoutGradient());
    views().setColorCardSequences(false);
    views().setLayoutGradient(false);
    EXPECT_EQ(cardLook.count(), 1);
    EXPECT_EQ(layoutLook.count(), 1);
    const QString state = folder().stateFile();
    EXPECT_FALSE(core::StateReadBool(state, core::kMainWindowSection, QStringLiteral("ColorCardSequences"), true));
    EXPECT_FALSE(core::StateReadBool(state, core::kMainWindowSection, QStringLiteral("LayoutGradient"), true));
    EXPECT_TRUE(core::StateReadBool(state, core::kMainWindowSection, QStringLiteral("ColorCard"), true));

    FakeUserIo io;
    testsupport::AnalysisParts parts(io, folder());
    app::ViewsController again(parts.services, parts.archive, parts.statistics, parts.candidates);
    again.readState();
    EXPECT_TRUE(again.colorCard());
    EXPECT_FALSE(again.colorCardSequences());
    EXPECT_FALSE(again.layoutGradient());
    EXPECT_FALSE(again.cardLook().ColorSequences);
}

TEST_F(ViewsControllerTest, RepeatsDetailsAndSums)
{
    const views::RepeatsResult r = views().repeats(10, 1);
    EXPECT_FALSE(r.Rows.empty());
    EXPECT_EQ(r.Rows.front().DrawNum, draw(0).Num);
    EXPECT_EQ(m_io.progressTexts.value(0), QStringLiteral("Идет сбор статистики...."));
    EXPECT_EQ(m_io.progressSteps.value(m_io.progressSteps.size() - 1), 10);
    EXPECT_EQ(m_io.progressEnds, 1);

    const std::vector<views::DetailRow> drawRows = views().drawDetail(int(archive().draws().size()) - 1);
    ASSERT_GE(drawRows.size(), 2u);
    EXPECT_EQ(drawRows[0].Value, QString::number(draw(0).Num));
    EXPECT_EQ(drawRows[1].Value, QStringLiteral("16/08/2026"));
    const std::vector<views::DetailRow> combRows = views().combDetail(core::TComb{{1, 2, 3, 4, 5}});
    EXPECT_EQ(combRows.size() + 2, drawRows.size());

    views().sumDistribution();
    ASSERT_EQ(m_io.graphs.size(), 1u);
    EXPECT_EQ(m_io.graphs[0].Title, QStringLiteral("Распределение сумм тиражей и всех возможных комбинаций"));
    EXPECT_EQ(m_io.graphs[0].Series.size(), 5u);
    EXPECT_TRUE(services().isIdle());
}
