// The session's side of the wheeling systems: the list with and without the library, the one
// system per count of numbers, the dialog's rules for whose system it is, and the two games.

#include "FakeUserIo.h"
#include "StakesOnDisk.h"
#include "TestHelpers.h"
#include "app/CandidatesController.h"
#include "app/Session.h"
#include "app/StakesController.h"
#include "app/SystemsController.h"
#include "core/DrawArchive.h"
#include "core/GameMath.h"
#include "core/IniFile.h"
#include "core/Settings.h"
#include "core/TextForms.h"
#include "stakes/StakeRecord.h"
#include "stakes/Systems.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>

using testsupport::FakeUserIo;
using testsupport::MakeDraw;
using testsupport::ReadFile;
using namespace Qt::StringLiterals;

namespace {

// A library held in memory: what it lists, the lines of each system, and what was sent to it.
class MemoryLibrary : public app::SystemsLibrary
{
public:
    std::optional<std::vector<stakes::tSystemData>> list(QString& error) override
    {
        if (!reachable) {
            error = u"нет связи"_s;
            return std::nullopt;
        }
        return systems;
    }
    std::optional<QString> fetchLines(const stakes::tSystemData& system, QString& error) override
    {
        ++fetches;
        const auto it = lines.find(system.id);
        if (!reachable || it == lines.end()) {
            error = u"нет такой системы"_s;
            return std::nullopt;
        }
        return it->second;
    }
    int upload(const stakes::tSystemData& system, bool remove, QString&) override
    {
        uploads.push_back({system, remove});
        return nextId;
    }

    bool reachable = true;
    std::vector<stakes::tSystemData> systems;
    std::map<int, QString> lines;
    std::vector<std::pair<stakes::tSystemData, bool>> uploads;
    int fetches = 0;
    int nextId = 0;
};

stakes::tSystemData librarySystem(int id, int nums, int olap, int csize, const QString& mail)
{
    stakes::tSystemData s;
    s.id = id;
    s.nums = nums;
    s.olap = olap;
    s.csize = csize;
    s.title = u"Система %1"_s.arg(id);
    s.author = u"Автор"_s;
    s.cl_mail = mail;
    s.created = QDateTime(QDate(2024, 1, 2), QTime(3, 4, 5)).addDays(id);
    return s;
}

// The twelve numbers of the example in order of first appearance, over three combinations.
const core::TCombsArray kTwelve{core::TComb{{3, 7, 9, 15, 20}}, core::TComb{{22, 31, 33, 40, 41}},
                                core::TComb{{50, 54, 3, 7, 9}}};

class SystemsControllerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        core::TDrawsArray draws;
        for (int d = 1; d <= 10; ++d)
            draws.push_back(MakeDraw(d, {d, d + 10, d + 20, d + 30, d + 40}));
        ASSERT_TRUE(core::SaveDrawsFile(folder().drawsFile(), draws));
    }

    core::DataFolder folder() const { return {m_dir.path(), QStringLiteral("Vertoma_5x54"), m_dir.path()}; }
    QString systemsDir() const { return m_dir.filePath(u"Systems"_s); }

    std::unique_ptr<app::Session> start()
    {
        auto session = std::make_unique<app::Session>(m_io, folder());
        session->create();
        EXPECT_EQ(session->initialise(), app::Session::InitResult::Running);
        session->systems().setLibrary(&m_library);
        session->systems().setUser(u"Я"_s, u"Me@Example.org"_s);
        return session;
    }

    std::vector<stakes::TStakeRec> stakesOnDisk() const { return testsupport::ReadStakes(folder().stakesFile()); }

    void writeSystem(const QString& name, const QByteArray& text)
    {
        QDir().mkpath(systemsDir());
        QFile f(QDir(systemsDir()).filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
    }

    QTemporaryDir m_dir;
    FakeUserIo m_io;
    MemoryLibrary m_library;
};

} // namespace

TEST_F(SystemsControllerTest, TheListShowsTheLibraryAndTheFilesOnThisComputer)
{
    writeSystem(u"5-09-2_0077.dat"_s, "1 2 3 4 5\r\n5 6 7 8 9\r\n");
    m_library.systems = {librarySystem(1, 12, 3, 2, u"me@example.org"_s), librarySystem(2, 12, 2, 1, u"other@x"_s),
                         librarySystem(3, 10, 2, 1, QString())};
    auto session = start();
    app::SystemsController& systems = session->systems();
    systems.refreshList();
    ASSERT_EQ(systems.rows().size(), 4u);
    EXPECT_EQ(systems.rowState(0), app::SystemRowState::RemoteOwn) << "the address matches whatever its case";
    EXPECT_EQ(systems.rowState(1), app::SystemRowState::RemoteForeign);
    EXPECT_EQ(systems.rowState(2), app::SystemRowState::RemoteUnknown);
    const app::SystemRow& file = systems.rows()[3];
    EXPECT_TRUE(file.FileOnly);
    EXPECT_TRUE(file.Local);
    EXPECT_EQ(file.Data.nums, 9);
    EXPECT_EQ(file.Data.olap, 2);
    EXPECT_EQ(file.Data.csize, 2);
    EXPECT_EQ(systems.rowState(3), app::SystemRowState::LocalUnknown);
    EXPECT_TRUE(m_io.messages.isEmpty());

    // The library out of reach: its failure is told, the computer's systems stay playable.
    m_library.reachable = false;
    systems.refreshList();
    EXPECT_EQ(m_io.messageTexts(app::MessageKind::Error),
              QStringList{u"Ошибка загрузки списка систем!\n\nнет связи"_s});
    ASSERT_EQ(systems.rows().size(), 1u);
    EXPECT_TRUE(systems.rows()[0].FileOnly);

    // Nothing anywhere: one placeholder row without an icon.
    QDir(systemsDir()).removeRecursively();
    systems.refreshList();
    ASSERT_EQ(systems.rows().size(), 1u);
    EXPECT_EQ(systems.rows()[0].Data.id, -1);
    EXPECT_EQ(systems.rows()[0].Data.title, u"Список систем не доступен!"_s);
    EXPECT_EQ(systems.rowState(0), app::SystemRowState::None);
}

TEST_F(SystemsControllerTest, DownloadingKeepsOneSystemPerCountAndChecksTheLineCount)
{
    m_library.systems = {librarySystem(1, 12, 3, 2, u"a@x"_s), librarySystem(2, 12, 2, 1, u"b@x"_s),
                         librarySystem(3, 12, 1, 10, u"c@x"_s)};
    m_library.lines = {{1, u"1 2 3 4 12\r\n5 6 7 8 9\r\n"_s}, {2, u"12 11 10 9 8"_s}};
    QString nine;
    for (int i = 0; i < 9; ++i)
        nine += u"1 2 3 4 5\n"_s;
    m_library.lines[3] = nine;
    auto session = start();
    app::SystemsController& systems = session->systems();
    systems.refreshList();
    ASSERT_EQ(systems.rows().size(), 3u);

    EXPECT_EQ(systems.downloadRows({0}), std::vector<int>{0});
    EXPECT_TRUE(systems.rows()[0].Local);
    EXPECT_EQ(systems.rowState(0), app::SystemRowState::LocalForeign);
    const QString first = QDir(systemsDir()).filePath(u"5-12-3_0001.dat"_s);
    ASSERT_TRUE(QFileInfo::exists(first));
    EXPECT_EQ(QFileInfo(first).lastModified().toSecsSinceEpoch(), systems.rows()[0].Data.created.toSecsSinceEpoch());

    // The second system for 12 numbers takes the place of the first.
    EXPECT_EQ(systems.downloadRows({1}), std::vector<int>{1});
    EXPECT_FALSE(QFileInfo::exists(first));
    EXPECT_FALSE(systems.rows()[0].Local);
    EXPECT_TRUE(systems.rows()[1].Local);

    // Ten lines announced, nine sent: no file, and the one on disk stays.
    EXPECT_TRUE(systems.downloadRows({2}).empty());
    EXPECT_EQ(m_io.messageTexts(app::MessageKind::Error).value(0),
              u"Ошибка загрузки системы #3!\n\nКоличество скачанных комбинаций ( 9 ) отличается от ожидаемого значения "
              "( 10 )"_s);
    EXPECT_FALSE(QFileInfo::exists(QDir(systemsDir()).filePath(u"5-12-1_0003.dat"_s)));
    EXPECT_TRUE(QFileInfo::exists(QDir(systemsDir()).filePath(u"5-12-2_0002.dat"_s)));

    // A library system newer than its file is fetched again when the list is loaded.
    m_library.systems[1].created = m_library.systems[1].created.addSecs(3600);
    const int before = m_library.fetches;
    systems.refreshList();
    EXPECT_EQ(m_library.fetches, before + 1);
    EXPECT_EQ(QFileInfo(QDir(systemsDir()).filePath(u"5-12-2_0002.dat"_s)).lastModified().toSecsSinceEpoch(),
              m_library.systems[1].created.toSecsSinceEpoch());
    systems.refreshList();
    EXPECT_EQ(m_library.fetches, before + 1) << "an up-to-date file is left alone";
}

TEST_F(SystemsControllerTest, AnotherUsersSystemIsReadOnlyAndCannotBeDeleted)
{
    m_library.systems = {librarySystem(1, 12, 3, 1, u"me@example.org"_s), librarySystem(2, 12, 2, 1, u"other@x"_s)};
    m_library.lines = {{1, u"1 2 3 4 5"_s}, {2, u"1 2 3 4 6"_s}};
    auto session = start();
    app::SystemsController& systems = session->systems();
    systems.refreshList();

    m_io.systemEdits.enqueue([](stakes::tSystemData& s) { s.title = u"Чужая правка"_s; });
    EXPECT_FALSE(systems.properties(1));
    ASSERT_EQ(m_io.systemStarts.size(), 1);
    EXPECT_FALSE(m_io.systemStarts[0].second) << "opened read-only";
    EXPECT_TRUE(m_library.uploads.empty());
    EXPECT_FALSE(systems.canDelete(1));
    EXPECT_FALSE(systems.remove(1));
    EXPECT_EQ(m_io.messageTexts(app::MessageKind::Error).value(0), u"Вы можете удалять только свои системы!"_s);

    // The user's own: edited and sent back; deleted once the library answers id 0.
    m_io.systemEdits.enqueue([](stakes::tSystemData& s) { s.title = u"Моя правка"_s; });
    EXPECT_TRUE(systems.properties(0));
    EXPECT_TRUE(m_io.systemStarts[1].second);
    ASSERT_EQ(m_library.uploads.size(), 1u);
    EXPECT_FALSE(m_library.uploads[0].second);
    EXPECT_EQ(m_library.uploads[0].first.clist, u"1 2 3 4 5"_s) << "the dialog was given the library's lines";
    EXPECT_EQ(systems.rows()[0].Data.title, u"Моя правка"_s);

    ASSERT_TRUE(systems.downloadRow(0));
    EXPECT_TRUE(systems.canDelete(0));
    m_io.answers.enqueue(false);
    EXPECT_FALSE(systems.remove(0));
    EXPECT_EQ(m_io.questions.last().text, u"Вы действительно хотите удалить систему \"Моя правка\"?"_s);
    m_io.answers.enqueue(true);
    m_library.nextId = 5; // not a confirmation
    EXPECT_FALSE(systems.remove(0));
    EXPECT_EQ(systems.rows().size(), 2u);
    m_io.answers.enqueue(true);
    m_library.nextId = 0;
    EXPECT_TRUE(systems.remove(0));
    EXPECT_TRUE(m_library.uploads.back().second);
    EXPECT_EQ(systems.rows().size(), 1u);
    EXPECT_FALSE(QFileInfo::exists(QDir(systemsDir()).filePath(u"5-12-3_0001.dat"_s)));
}

TEST_F(SystemsControllerTest, WithoutALibraryASystemIsKeptOnThisComputer)
{
    auto session = start();
    app::SystemsController& systems = session->systems();
    systems.setLibrary(nullptr);
    m_io.systemEdits.enqueue([](stakes::tSystemData& s) {
        s.title = u"Своя"_s;
        s.nums = 9;
        s.olap = 3;
        s.csize = 2;
        s.clist = u"01 02 03 04 05\n05 06 07 08 09\n"_s;
    });
    const int row = systems.add();
    ASSERT_GE(row, 0) << m_io.messageTexts(app::MessageKind::Error).join(u"|"_s).toStdString();
    EXPECT_TRUE(QFileInfo::exists(QDir(systemsDir()).filePath(u"5-09-3_0000.dat"_s)));
    EXPECT_TRUE(systems.rows()[std::size_t(row)].FileOnly);
    EXPECT_TRUE(systems.canDelete(row));
    m_io.answers.enqueue(true);
    EXPECT_TRUE(systems.remove(row));
    EXPECT_FALSE(QFileInfo::exists(QDir(systemsDir()).filePath(u"5-09-3_0000.dat"_s)));
}

TEST_F(SystemsControllerTest, TheGamesMakeSystemStakesFromTheListsNumbers)
{
    writeSystem(u"5-12-3_0042.dat"_s, "1 2 3 4 12\r\n5 6 7 8 9\r\n10 11 12 1 2\r\n");
    auto session = start();
    session->candidates().replace(kTwelve);
    app::SystemsController& systems = session->systems();

    // Three lines cannot hold block 3 for every draw of five of twelve numbers: the row is marked
    // and the game asks first; No plays nothing.
    systems.refreshList();
    const int row = systems.rowOfId(42);
    ASSERT_GE(row, 0);
    EXPECT_TRUE(systems.rows()[std::size_t(row)].Check.Hole);
    EXPECT_EQ(systems.rows()[std::size_t(row)].Check.Guarantee, 2);
    m_io.answers.enqueue(false);
    EXPECT_FALSE(systems.stake(false));
    ASSERT_EQ(m_io.questions.size(), 1);
    EXPECT_TRUE(m_io.questions[0].text.contains(u"2 из 5 вместо 3 из 5"_s)) << m_io.questions[0].text.toStdString();
    EXPECT_TRUE(m_io.multiStakeStarts.isEmpty());

    m_io.answers.enqueue(true);
    m_io.multiStakeEdits.enqueue(FakeUserIo::MultiStake{11, 1, u"по системе"_s});
    ASSERT_TRUE(systems.stake(false));
    ASSERT_EQ(m_io.multiStakeStarts.size(), 1);
    EXPECT_EQ(m_io.multiStakeStarts[0].comment, u"Системная игра для 12 чисел [вся система]: 5-12-3_0042"_s);
    std::vector<stakes::TStakeRec> book = stakesOnDisk();
    ASSERT_EQ(book.size(), 3u);
    EXPECT_EQ(core::ValueSetText(book[0].Numbers, u";"_s), u"3;7;9;15;54"_s);
    EXPECT_EQ(book[0].Kind, stakes::KindSystem);
    EXPECT_EQ(book[0].DrawNum, 11);
    EXPECT_EQ(book[0].SampleSize, 3) << "the system's combinations";
    EXPECT_EQ(core::ValueSetText(book[2].Numbers, u";"_s), u"3;7;41;50;54"_s) << "sorted";

    // Only the system's combinations that the list holds: here the list's third, sorted.
    session->candidates().replace({core::TComb{{3, 7, 9, 15, 20}}, core::TComb{{22, 31, 33, 40, 41}},
                                   core::TComb{{3, 7, 41, 50, 54}}, core::TComb{{54, 50, 9, 15, 7}}});
    m_io.answers.enqueue(true);
    m_io.multiStakeEdits.enqueue(FakeUserIo::MultiStake{11, 1, u"фильтр"_s});
    ASSERT_TRUE(systems.stake(true));
    EXPECT_EQ(m_io.multiStakeStarts[1].comment, u"Системная игра для 12 чисел [комбинации]: 5-12-3_0042"_s);
    book = stakesOnDisk();
    ASSERT_EQ(book.size(), 5u);
    EXPECT_EQ(book[3].Kind, stakes::KindSeparator) << "the batch starts after a separator";
    EXPECT_EQ(core::ValueSetText(book[4].Numbers, u";"_s), u"3;7;41;50;54"_s);
    EXPECT_EQ(book[4].SampleSize, 4) << "the list's length";
}

TEST_F(SystemsControllerTest, AFilterGameWithNothingInCommonMakesOnlyTheSeparator)
{
    writeSystem(u"5-12-3_0042.dat"_s, "1 2 3 4 12\r\n");
    auto session = start();
    app::SystemsController& systems = session->systems();
    session->candidates().replace(kTwelve);
    ASSERT_TRUE(systems.play(false, 11, 1, u"вся"_s));
    const auto checkedBefore = stakesOnDisk().size();
    ASSERT_EQ(checkedBefore, 1u);
    ASSERT_TRUE(systems.play(true, 11, 1, u"ничего"_s));
    const std::vector<stakes::TStakeRec> book = stakesOnDisk();
    ASSERT_EQ(book.size(), 2u);
    EXPECT_EQ(book[1].Kind, stakes::KindSeparator);

    // A missing system stops the game before anything is made, and says how to get one.
    session->candidates().replace({core::TComb{{1, 2, 3, 4, 5}}, core::TComb{{1, 2, 3, 4, 6}}});
    EXPECT_FALSE(systems.stake(false));
    EXPECT_TRUE(m_io.multiStakeStarts.isEmpty());
    EXPECT_EQ(m_io.messageTexts(app::MessageKind::Error).last(),
              u"Система для 6 чисел не найдена или не загружена на компьютер!\n\nСписок комбинаций содержит 6 "
              "различных чисел, а системная игра берет систему ровно для стольких чисел. На компьютере есть системы "
              "для такого количества чисел: 12.\n\nСузьте список комбинаций до чисел одной из систем, создайте "
              "систему для этих чисел командой \"Создать систему...\" на странице \"Системы\" или загрузите готовые "
              "системы через меню \"Системы\" - \"Загрузить\"."_s);
    EXPECT_EQ(stakesOnDisk().size(), 2u);

    // The count of numbers takes the form Russian gives it; every size there is gets named once.
    writeSystem(u"5-09-2_0077.dat"_s, "1 2 3 4 5\r\n");
    writeSystem(u"5-09-2_0078.dat"_s, "1 2 3 4 6\r\n");
    const QString folder = systemsDir();
    const QString several = app::SystemsController::missingSystemText(folder, u"-"_s, 22);
    EXPECT_TRUE(several.contains(u"содержит 22 различных числа,"_s)) << several.toStdString();
    EXPECT_TRUE(several.contains(u"для такого количества чисел: 9, 12."_s)) << several.toStdString();
    EXPECT_TRUE(
        app::SystemsController::missingSystemText(folder, u"-"_s, 21).contains(u"содержит 21 различное число,"_s));
    EXPECT_TRUE(
        app::SystemsController::missingSystemText(folder, u"-"_s, 54).contains(u"содержит 54 различных числа,"_s));
    EXPECT_TRUE(
        app::SystemsController::missingSystemText(folder, u"-"_s, 11).contains(u"содержит 11 различных чисел,"_s));
    const QString none = app::SystemsController::missingSystemText(m_dir.filePath(u"nowhere"_s), u"-"_s, 53);
    EXPECT_TRUE(none.contains(u"На компьютере нет ни одной системы."_s)) << none.toStdString();
}

TEST_F(SystemsControllerTest, TheSwitchIsStoredAndClearsTheList)
{
    writeSystem(u"5-09-2_0077.dat"_s, "1 2 3 4 5\r\n");
    auto session = start();
    app::SystemsController& systems = session->systems();
    EXPECT_TRUE(systems.enabled());
    EXPECT_FALSE(systems.rows().empty()) << "start-up loads the list of a shown page";
    systems.setEnabled(false);
    EXPECT_TRUE(systems.rows().empty());
    core::IniFile ini(folder().stateFile());
    ASSERT_TRUE(ini.load());
    EXPECT_FALSE(ini.readBool(core::kMainWindowSection, u"SystemsEnabled"_s, true));
    systems.setEnabled(true);
    EXPECT_EQ(systems.rows().size(), 1u);
}

TEST_F(SystemsControllerTest, PropertiesFallBackToTheFileWhenTheLibraryFails)
{
    m_library.systems = {librarySystem(4, 9, 1, 1, u"other@x"_s)};
    writeSystem(u"5-09-1_0004.dat"_s, "9 8 7 6 5\r\n");
    auto session = start();
    app::SystemsController& systems = session->systems();
    systems.refreshList();
    ASSERT_EQ(systems.rows().size(), 1u);
    ASSERT_TRUE(systems.rows()[0].Local);
    EXPECT_FALSE(systems.properties(0));
    EXPECT_EQ(m_io.messageTexts(app::MessageKind::Error).value(0), u"Ошибка загрузки системы #4!\n\nнет такой системы"_s);
    ASSERT_EQ(m_io.systemStarts.size(), 1);
    EXPECT_EQ(m_io.systemStarts[0].first.title, u"Система 4"_s);
    EXPECT_EQ(m_io.systemStarts[0].first.clist, u"09 08 07 06 05\n"_s) << "the file's lines";
    EXPECT_FALSE(m_io.systemStarts[0].second);
}

TEST_F(SystemsControllerTest, AMadeSystemIsStoredCheckedListedAndPlayed)
{
    writeSystem(u"5-12-2_0005.dat"_s, "1 2 3 4 5\r\n6 7 8 9 10\r\n"); // replaced: one system per count
    auto session = start();
    app::SystemsController& systems = session->systems();
    m_library.reachable = false;
    m_io.wheelEdits.enqueue(std::pair{stakes::WheelParams{12, 3, 3, 0}, 2});
    const int row = systems.create();
    ASSERT_GE(row, 0);
    EXPECT_EQ(m_io.stoppableWindows, 1);
    EXPECT_FALSE(QFileInfo::exists(QDir(systemsDir()).filePath(u"5-12-2_0005.dat"_s)));
    const QString path = QDir(systemsDir()).filePath(u"5-12-3_0000.dat"_s);
    ASSERT_TRUE(QFileInfo::exists(path));
    const app::SystemRow& made = systems.rows()[std::size_t(row)];
    EXPECT_TRUE(made.FileOnly);
    EXPECT_EQ(made.Data.nums, 12);
    EXPECT_TRUE(made.Check.Checked);
    EXPECT_FALSE(made.Check.Hole);
    EXPECT_EQ(made.Check.Guarantee, 3);
    EXPECT_EQ(made.Check.Drawn, 3) << "the strongest guarantee the file holds";
    EXPECT_EQ(made.Sizes.BestKnown, 29);
    EXPECT_EQ(made.Sizes.LowerBound, 27);
    EXPECT_GE(made.Data.csize, 27);
    EXPECT_LE(made.Data.csize, 31);
    const QStringList info = m_io.messageTexts(app::MessageKind::Information);
    ASSERT_EQ(info.size(), 1);
    EXPECT_TRUE(info[0].contains(u"гарантия 3 из 3"_s)) << info[0].toStdString();

    // The game reads it back like any system on this computer: one stake per line, no question.
    session->candidates().replace(kTwelve);
    const stakes::SystemExpansion expanded =
        stakes::SystemExpand(systemsDir(), core::CollectNumbers(kTwelve.data(), kTwelve.size()));
    ASSERT_EQ(int(expanded.Combs.size()), made.Data.csize);
    m_io.multiStakeEdits.enqueue(FakeUserIo::MultiStake{11, 1, u"своя"_s});
    ASSERT_TRUE(systems.stake(false));
    EXPECT_TRUE(m_io.questions.isEmpty());
    EXPECT_EQ(int(stakesOnDisk().size()), made.Data.csize);

    // "Стоп" at the first look keeps the cover found by then, checked; a cancelled dialog makes nothing.
    m_io.stopAfterUpdates = 1;
    const app::MadeSystem stopped = systems.make({24, 3, 3, 0}, 600, 3);
    EXPECT_TRUE(stopped.Result.Stopped);
    EXPECT_LT(stopped.Result.Seconds, 60);
    EXPECT_GE(stopped.Result.VerifiedGuarantee, 3);
    EXPECT_FALSE(stopped.Result.Lines.empty());
    EXPECT_EQ(systems.create(), -1);
}
