#include "AnalysisParts.h"
#include "FakeUserIo.h"
#include "app/ArchiveController.h"
#include "app/StatisticsController.h"
#include "core/IniFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using testsupport::FakeUserIo;

namespace {

const QString kFilters = QStringLiteral("FILTERS");
const QString kNames = QStringLiteral("STRINGS_RUS");

class FavoritesTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_parts = std::make_unique<testsupport::AnalysisParts>(
            m_io, core::DataFolder(m_dir.path(), QStringLiteral("Vertoma_5x54"), m_dir.path()));
        m_parts->prepare();
        m_io.statusTexts.clear();
        m_io.busyTransitions.clear();
    }

    const stats::TStatList& list() const { return m_parts->statistics.list(); }
    int indexOf(const char* code) const { return list().IndexOfCode(QString::fromLatin1(code)); }
    core::IniFile namesFile() const
    {
        core::IniFile ini(m_parts->services.folder().namesFile());
        EXPECT_TRUE(ini.load());
        return ini;
    }
    // Leaves only the given methods ticked in an edited copy.
    static void tickOnly(stats::TStatList& edited, const QStringList& codes)
    {
        for (int i = 0; i < edited.Count(); ++i)
            edited.Items(i).Favorite = codes.contains(edited.Items(i).GetCodeText());
    }

    QTemporaryDir m_dir;
    FakeUserIo m_io;
    std::unique_ptr<testsupport::AnalysisParts> m_parts;
};

} // namespace

TEST_F(FavoritesTest, ManagerOkStoresTheChoiceAndStartsTheSelectorsAgain)
{
    ASSERT_GE(indexOf("POS2"), 0);
    QSignalSpy refill(&m_parts->statistics, &app::StatisticsController::methodsChanged);
    QSignalSpy recalcs(&m_parts->archive, &app::ArchiveController::viewsRecalculated);
    m_io.favoritesEdits.enqueue([](stats::TStatList& edited) {
        tickOnly(edited, {QStringLiteral("NUMS"), QStringLiteral("POS2"), QStringLiteral("POS3")});
        edited.Items(edited.IndexOfCode(QStringLiteral("POS2"))).UserName = QStringLiteral("Вторая позиция");
        edited.Ordered = true;
        edited.ShowGroupName = false;
        edited.ShowMethodFlags = false;
    });
    ASSERT_TRUE(m_parts->statistics.filtersManager());

    EXPECT_FALSE(list().AllFavorites);
    EXPECT_EQ(list().GetFavoritesText(), QStringLiteral("NUMS,POS2,POS3"));
    EXPECT_EQ(list().Items(indexOf("POS2")).UserName, QStringLiteral("Вторая позиция"));
    EXPECT_TRUE(list().Ordered);
    EXPECT_FALSE(list().ShowGroupName);
    EXPECT_FALSE(list().ShowMethodFlags);
    EXPECT_EQ(list().SelectorMethods(false).size(), 3u);
    // Ordered by name: "Вторая позиция" comes before the default captions.
    EXPECT_EQ(list().SelectorMethods(false).front(), indexOf("POS2"));

    // The names file holds the options and only the names of its own.
    const core::IniFile ini = namesFile();
    EXPECT_EQ(ini.readString(kFilters, QStringLiteral("Favorites")), QStringLiteral("NUMS,POS2,POS3"));
    EXPECT_TRUE(ini.readBool(kFilters, QStringLiteral("Ordered"), false));
    EXPECT_FALSE(ini.readBool(kFilters, QStringLiteral("ShowGroupName"), true));
    EXPECT_EQ(ini.readString(kNames, QStringLiteral("POS2")), QStringLiteral("Вторая позиция"));
    EXPECT_FALSE(ini.hasKey(kNames, QStringLiteral("POS3")));

    // The selectors start again at their first entry and every view is recalculated, forced.
    ASSERT_EQ(refill.count(), 1);
    EXPECT_FALSE(refill.at(0).at(0).toBool());
    ASSERT_EQ(recalcs.count(), 1);
    EXPECT_TRUE(recalcs.at(0).at(0).toBool());
    EXPECT_TRUE(m_io.statusTexts.contains(QStringLiteral("Подождите пожалуйста...")));
    EXPECT_EQ(m_io.statusTexts.last(), QString());
    EXPECT_TRUE(m_parts->services.isIdle());
    EXPECT_EQ(m_io.favoritesHelpFiles, QStringList{m_parts->statistics.helpFile()});
    EXPECT_TRUE(m_io.messages.isEmpty());
}

TEST_F(FavoritesTest, NothingTickedMeansEveryMethod)
{
    m_io.favoritesEdits.enqueue([](stats::TStatList& edited) { tickOnly(edited, {QStringLiteral("NUMS")}); });
    ASSERT_TRUE(m_parts->statistics.filtersManager());
    ASSERT_EQ(list().SelectorMethods(false).size(), 1u);

    m_io.favoritesEdits.enqueue([](stats::TStatList& edited) { tickOnly(edited, {}); });
    ASSERT_TRUE(m_parts->statistics.filtersManager());
    EXPECT_TRUE(list().AllFavorites);
    for (int i = 0; i < list().Count(); ++i)
        EXPECT_TRUE(list().Items(i).Favorite) << i;
    EXPECT_GT(list().SelectorMethods(false).size(), 100u);
    EXPECT_EQ(namesFile().readString(kFilters, QStringLiteral("Favorites"), QStringLiteral("?")), QString());
}

TEST_F(FavoritesTest, CancelChangesNothing)
{
    QSignalSpy refill(&m_parts->statistics, &app::StatisticsController::methodsChanged);
    QSignalSpy recalcs(&m_parts->archive, &app::ArchiveController::viewsRecalculated);
    m_io.favoritesEdits.enqueue(std::nullopt);
    EXPECT_FALSE(m_parts->statistics.filtersManager());
    EXPECT_TRUE(list().AllFavorites);
    EXPECT_EQ(refill.count(), 0);
    EXPECT_EQ(recalcs.count(), 0);
    EXPECT_FALSE(QFileInfo::exists(m_parts->services.folder().namesFile()));
}

TEST_F(FavoritesTest, ResetAsksFirstAndNoChangesNothing)
{
    m_io.favoritesEdits.enqueue([](stats::TStatList& edited) {
        tickOnly(edited, {QStringLiteral("NUMS"), QStringLiteral("POS1")});
        edited.Items(edited.IndexOfCode(QStringLiteral("POS1"))).UserName = QStringLiteral("Первая");
    });
    ASSERT_TRUE(m_parts->statistics.filtersManager());
    const QByteArray stored = [&] {
        QFile f(m_parts->services.folder().namesFile());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();
    QSignalSpy refill(&m_parts->statistics, &app::StatisticsController::methodsChanged);
    QSignalSpy recalcs(&m_parts->archive, &app::ArchiveController::viewsRecalculated);

    m_io.answers.enqueue(false);
    EXPECT_FALSE(m_parts->statistics.filtersReset());
    ASSERT_EQ(m_io.questions.size(), 1);
    EXPECT_EQ(m_io.questions[0].text, QStringLiteral("Вы действительно хотите сбросить список избранных фильтров?"));
    EXPECT_EQ(list().GetFavoritesText(), QStringLiteral("NUMS,POS1"));
    EXPECT_EQ(refill.count(), 0);
    QFile file(m_parts->services.folder().namesFile());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), stored);
    file.close();

    m_io.answers.enqueue(true);
    EXPECT_TRUE(m_parts->statistics.filtersReset());
    EXPECT_TRUE(list().AllFavorites);
    EXPECT_GT(list().SelectorMethods(false).size(), 100u);
    EXPECT_EQ(list().Items(indexOf("POS1")).UserName, QStringLiteral("Первая")) << "names are not reset";
    EXPECT_EQ(namesFile().readString(kFilters, QStringLiteral("Favorites"), QStringLiteral("?")), QString());
    ASSERT_EQ(refill.count(), 1);
    EXPECT_FALSE(refill.at(0).at(0).toBool());
    EXPECT_EQ(recalcs.count(), 0) << "a reset recalculates no view";
    EXPECT_TRUE(m_parts->services.isIdle());
}

TEST_F(FavoritesTest, SettingsReloadKeepsTheSelectorPositions)
{
    QSignalSpy refill(&m_parts->statistics, &app::StatisticsController::methodsChanged);
    m_parts->statistics.reload();
    ASSERT_EQ(refill.count(), 1);
    EXPECT_TRUE(refill.at(0).at(0).toBool());
}

TEST_F(FavoritesTest, UnwritableNamesFileKeepsTheChoiceInMemory)
{
    // A folder where the names file belongs: it can be neither read nor written.
    ASSERT_TRUE(QDir().mkpath(m_parts->services.folder().namesFile()));
    m_io.favoritesEdits.enqueue([](stats::TStatList& edited) {
        tickOnly(edited, {QStringLiteral("NUMS"), QStringLiteral("POS4")});
        edited.Items(edited.IndexOfCode(QStringLiteral("POS4"))).UserName = QStringLiteral("Четвертая");
        edited.Ordered = true;
    });
    ASSERT_TRUE(m_parts->statistics.filtersManager());
    const QStringList errors = m_io.messageTexts(app::MessageKind::Error);
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].startsWith(QStringLiteral("Ошибка сохранения списка фильтров!\n\n")))
        << errors[0].toStdString();
    EXPECT_EQ(list().GetFavoritesText(), QStringLiteral("NUMS,POS4"));
    EXPECT_EQ(list().Items(indexOf("POS4")).UserName, QStringLiteral("Четвертая"));
    EXPECT_TRUE(list().Ordered);
}

TEST_F(FavoritesTest, DescriptionPagesLieBesideTheHelpFile)
{
    const stats::TStatMethod& pos2 = list().Items(indexOf("POS2"));
    EXPECT_TRUE(pos2.Class->GetHelpTopic(pos2.Param, m_parts->statistics.helpFile()).isEmpty()) << "no help file yet";
    ASSERT_TRUE(QDir(m_dir.path()).mkpath(QStringLiteral("help")));
    QFile help(m_dir.filePath(QStringLiteral("help/Numeko_RUS.html")));
    ASSERT_TRUE(help.open(QIODevice::WriteOnly));
    help.close();
    EXPECT_EQ(QFileInfo(m_parts->statistics.helpFile()).canonicalFilePath(), QFileInfo(help).canonicalFilePath());
    const QString topic = pos2.Class->GetHelpTopic(pos2.Param, m_parts->statistics.helpFile());
    EXPECT_EQ(QFileInfo(topic).fileName(), QStringLiteral("Filters_1049_POSx.htm"));
    EXPECT_EQ(QFileInfo(topic).absolutePath(), QDir::cleanPath(m_dir.filePath(QStringLiteral("help/filters"))));
}
