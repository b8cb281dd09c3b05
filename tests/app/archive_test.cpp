// The draw archive built from its parts, without a session: loading, the commands of the draw
// list, the sorted switch and what a failed read or write leaves behind.

#include "FakeUserIo.h"
#include "TestHelpers.h"
#include "TestPaths.h"
#include "app/ArchiveController.h"
#include "app/Services.h"
#include "core/DrawArchive.h"
#include "core/Settings.h"
#include "core/TextForms.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using testsupport::FakeUserIo;
using testsupport::MakeDraw;
using testsupport::ReadFile;

namespace {

class ArchiveTest : public ::testing::Test
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

TEST_F(ArchiveTest, EmptyFileAndMissingFile)
{
    QFile(folder().drawsFile()).open(QIODevice::WriteOnly);
    app::Services services(m_io, folder());
    app::ArchiveController archive(services);
    archive.load();
    EXPECT_TRUE(archive.draws().empty());
    EXPECT_EQ(archive.nextDrawNum(archive.offset()), 1);
    EXPECT_TRUE(m_io.messages.isEmpty());

    QFile::remove(folder().drawsFile());
    app::ArchiveController fresh(services);
    fresh.load();
    EXPECT_TRUE(fresh.draws().empty());
    EXPECT_TRUE(m_io.messages.isEmpty());
    EXPECT_FALSE(QFile::exists(folder().drawsFile())) << "loading never creates the archive";
}

TEST_F(ArchiveTest, AddAppendsAtTheEndAndSavesAtOnce)
{
    writeArchive({MakeDraw(10, {1, 2, 3, 4, 5})});
    app::Services services(m_io, folder());
    app::ArchiveController archive(services);
    archive.load();

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
    EXPECT_TRUE(archive.add());
    EXPECT_EQ(offeredNumber, 11);
    EXPECT_EQ(m_io.drawDialogTitles, QStringList{QStringLiteral("Введите данные следующего тиража")});
    EXPECT_EQ(numbersOnFile(), (std::vector<int>{10, 5}));
    EXPECT_EQ(archive.draws().size(), 2u);

    m_io.drawEdits.enqueue(std::nullopt);
    EXPECT_FALSE(archive.add());
    EXPECT_EQ(numbersOnFile(), (std::vector<int>{10, 5}));
}

TEST_F(ArchiveTest, EditReplacesTheRowsRecordInPlace)
{
    writeArchive({MakeDraw(1, {1, 2, 3, 4, 5}), MakeDraw(2, {6, 7, 8, 9, 10}), MakeDraw(3, {11, 12, 13, 14, 15})});
    app::Services services(m_io, folder());
    app::ArchiveController archive(services);
    archive.load();
    m_io.drawEdits.enqueue([](core::TDrawRec& rec) { rec.Extra = 9; });
    ASSERT_TRUE(archive.edit(1)); // row 1 = draw 2
    core::TDrawsArray onFile;
    core::LoadDrawsFile(folder().drawsFile(), onFile);
    ASSERT_EQ(onFile.size(), 3u);
    EXPECT_EQ(onFile[1].Num, 2);
    EXPECT_EQ(onFile[1].Extra, 9);
    EXPECT_EQ(onFile[0].Extra, 0);
    EXPECT_FALSE(archive.edit(7));
}

TEST_F(ArchiveTest, DeleteAsksWithTheRightTextAndDefault)
{
    writeArchive({MakeDraw(1, {1, 2, 3, 4, 5}), MakeDraw(2, {6, 7, 8, 9, 10}), MakeDraw(3, {11, 12, 13, 14, 15}),
                  MakeDraw(4, {16, 17, 18, 19, 20})});
    app::Services services(m_io, folder());
    app::ArchiveController archive(services);
    archive.load();

    m_io.answers.enqueue(false);
    EXPECT_FALSE(archive.deleteRows({0}));
    ASSERT_EQ(m_io.questions.size(), 1);
    EXPECT_EQ(m_io.questions[0].caption, QStringLiteral("Предупреждение"));
    EXPECT_EQ(m_io.questions[0].text, QStringLiteral("Удалить выделенную запись?"));
    EXPECT_FALSE(m_io.questions[0].yesDefault);
    EXPECT_EQ(numbersOnFile(), (std::vector<int>{1, 2, 3, 4}));

    m_io.answers.enqueue(true);
    EXPECT_TRUE(archive.deleteRows({0, 2}));
    EXPECT_EQ(m_io.questions[1].text,
              QStringLiteral("Удалить все выделенные записи (всего будет удалено 2 записи(ей))?"));
    EXPECT_EQ(numbersOnFile(), (std::vector<int>{1, 3}));
    EXPECT_TRUE(m_io.statusTexts.contains(QStringLiteral("Удаление выделенных тиражей....")));
}

TEST_F(ArchiveTest, DeletingRowsThatShowTheSameNumberDeletesWhatTheLookupFinds)
{
    // Rows 0 and 2 both show draw 7; each deletion takes the element the lookup finds first.
    writeArchive({MakeDraw(5, {1, 2, 3, 4, 5}), MakeDraw(7, {1, 2, 3, 4, 6}, 1), MakeDraw(6, {1, 2, 3, 4, 7}),
                  MakeDraw(7, {1, 2, 3, 4, 8}, 2)});
    app::Services services(m_io, folder());
    app::ArchiveController archive(services);
    archive.load();
    m_io.answers.enqueue(true);
    ASSERT_TRUE(archive.deleteRows({0, 2}));
    core::TDrawsArray onFile;
    core::LoadDrawsFile(folder().drawsFile(), onFile);
    ASSERT_EQ(onFile.size(), 2u);
    EXPECT_EQ(onFile[0].Num, 5);
    EXPECT_EQ(onFile[1].Num, 6);
    EXPECT_TRUE(m_io.messages.isEmpty());
}

TEST_F(ArchiveTest, SortedSwitchIsStoredAtOnce)
{
    app::Services services(m_io, folder());
    app::ArchiveController archive(services);
    archive.toggleSorted();
    EXPECT_TRUE(services.windowState().SortedDraws);
    EXPECT_TRUE(
        core::StateReadBool(folder().stateFile(), core::kMainWindowSection, QStringLiteral("SortedDraws"), false));
    archive.toggleSorted();
    EXPECT_FALSE(
        core::StateReadBool(folder().stateFile(), core::kMainWindowSection, QStringLiteral("SortedDraws"), true));
}

TEST_F(ArchiveTest, FailedSaveShowsTheMessageAndKeepsTheOldFile)
{
    core::TDrawsArray draws;
    core::LoadDrawsFile(QStringLiteral(VERTOMA_SHARED_DATA_DIR "/Vertoma_5x54.ldr"), draws);
    ASSERT_EQ(draws.size(), 1114u);
    writeArchive(draws);
    const QByteArray before = ReadFile(folder().drawsFile());

    app::Services services(m_io, folder());
    app::ArchiveController archive(services);
    archive.load();
    bool saved = true;
    {
        testsupport::FileSizeLimit readOnlyFolder(1000);
        saved = archive.append(MakeDraw(1115, {1, 2, 3, 4, 5}));
    }

    EXPECT_FALSE(saved);
    EXPECT_EQ(ReadFile(folder().drawsFile()), before);
    const QStringList errors = m_io.messageTexts(app::MessageKind::Error);
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].startsWith(QStringLiteral("Ошибка записи в файл тиражей!\n\n"))) << errors[0].toStdString();
    EXPECT_EQ(archive.draws().size(), 1115u) << "the change stays in memory";
}

TEST_F(ArchiveTest, UnreadableArchiveShowsTheReadError)
{
    // A folder where the archive should be cannot be read as a file.
    QDir(m_dir.path()).mkdir(QStringLiteral("Vertoma_5x54.ldr"));
    app::Services services(m_io, folder());
    app::ArchiveController archive(services);
    archive.load();
    const QStringList errors = m_io.messageTexts(app::MessageKind::Error);
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].startsWith(QStringLiteral("Ошибка чтения файла тиражей!\n\n")));
    EXPECT_TRUE(services.isIdle());
}

TEST_F(ArchiveTest, AnArchiveThatCouldNotBeReadIsKeptAsideBeforeItIsOverwritten)
{
    // Far too large to be an archive of ours: refused whole.
    const qint64 size = 24 * 1'000'001LL;
    {
        QFile big(folder().drawsFile());
        ASSERT_TRUE(big.open(QIODevice::WriteOnly));
        ASSERT_TRUE(big.resize(size));
    }
    app::Services services(m_io, folder());
    app::ArchiveController archive(services);
    EXPECT_FALSE(archive.load());
    EXPECT_EQ(m_io.messageTexts(app::MessageKind::Error).size(), 1);
    EXPECT_TRUE(archive.append(MakeDraw(1, {1, 2, 3, 4, 5})));
    EXPECT_EQ(QFileInfo(folder().drawsFile() + QStringLiteral(".bad")).size(), size);
    EXPECT_EQ(QFileInfo(folder().drawsFile()).size(), 24);

    // Only the damaged original is kept: later saves leave the copy alone.
    EXPECT_TRUE(archive.append(MakeDraw(2, {1, 2, 3, 4, 5})));
    EXPECT_EQ(QFileInfo(folder().drawsFile() + QStringLiteral(".bad")).size(), size);
}
