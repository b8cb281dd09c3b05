// The self-update without a session: the description, the build numbers, the checksums, the
// release notes and the installation steps over a temporary installation folder.

#include "LocalServers.h"
#include "UpdatePackage.h"
#include "core/Cp1251.h"
#include "core/TextForms.h"
#include "online/SelfUpdate.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using testsupport::MakeUpdatePackage;
using testsupport::PackageFile;
using testsupport::ReadFile;
using testsupport::WriteFile;

struct CountingProgress : core::Progress
{
    int steps = 0;
    void setText(const QString&) override {}
    void step(int count) override { steps += count; }
};

TEST(BuildNumber, TakesTheFourthNumberOfAnySeparator)
{
    EXPECT_EQ(online::BuildNumber(QStringLiteral("1.0.0.120")), 120);
    EXPECT_EQ(online::BuildNumber(QStringLiteral("1,0,0,121")), 121);
    EXPECT_EQ(online::BuildNumber(QStringLiteral("2-1_0.7")), 7);
    EXPECT_EQ(online::BuildNumber(QStringLiteral("1.0.0. 12 ")), 12);
    EXPECT_EQ(online::BuildNumber(QStringLiteral("1.0.0")), 0);
    EXPECT_EQ(online::BuildNumber(QStringLiteral("1.0.0.x")), 0);
    EXPECT_EQ(online::BuildNumber(QString()), 0);
}

TEST(UpdateInfo, OnlyAHigherBuildWithAPackageIsAnUpdate)
{
    core::IniFile ini;
    ini.parse("[Vertoma_5x54]\nVerId=1.0.0.121\nDownloadUrl=https://host/p.upd\nDescription=Вертома 1.0 (121)\n"
              "[Other]\nVerId=2.0.0.5\nDownloadUrl=https://host/q.upd\n"
              "[Empty]\nVerId=1.0.0.200\nDownloadUrl=\n"
              "[NoVer]\nDownloadUrl=https://host/r.upd\n");
    const QString current = QStringLiteral("1.0.0.120");
    const online::UpdateInfo newer = online::ReadUpdateInfo(ini, QStringLiteral("Vertoma_5x54"), current);
    EXPECT_TRUE(online::UpdateExists(current, newer));
    EXPECT_FALSE(online::UpdateExists(QStringLiteral("1.0.0.121"), newer));
    // Only the build counts: 2.0.0.5 is older than 1.9.9.120.
    EXPECT_FALSE(online::UpdateExists(QStringLiteral("1.9.9.120"),
                                      online::ReadUpdateInfo(ini, QStringLiteral("Other"), current)));
    EXPECT_FALSE(online::UpdateExists(current, online::ReadUpdateInfo(ini, QStringLiteral("Empty"), current)));
    const online::UpdateInfo noVer = online::ReadUpdateInfo(ini, QStringLiteral("NoVer"), current);
    EXPECT_EQ(noVer.VerId, current);
    EXPECT_FALSE(online::UpdateExists(current, noVer));
    EXPECT_FALSE(online::UpdateExists(current, online::ReadUpdateInfo(ini, QStringLiteral("Missing"), current)));
}

TEST(UpdateInfo, ListsComeGlobalAndOwnSeparately)
{
    core::IniFile ini;
    ini.parse("[GlobalOptions]\nExecBefore=a.sh; ;x.sh\nDeleteAfter=old.txt\n"
              "[Vertoma_5x54]\nExecBefore=b.sh\nDeleteBefore= c.txt ; d.txt\n");
    const online::UpdateInfo info = online::ReadUpdateInfo(ini, QStringLiteral("Vertoma_5x54"), QStringLiteral("1"));
    EXPECT_EQ(info.GlobalExecBefore, (QStringList{QStringLiteral("a.sh"), QStringLiteral("x.sh")}));
    EXPECT_EQ(info.ExecBefore, QStringList{QStringLiteral("b.sh")});
    EXPECT_EQ(info.DeleteBefore, (QStringList{QStringLiteral("c.txt"), QStringLiteral("d.txt")}));
    EXPECT_EQ(info.GlobalDeleteAfter, QStringList{QStringLiteral("old.txt")});
    EXPECT_TRUE(info.DeleteAfter.isEmpty());
    EXPECT_TRUE(info.GlobalDeleteBefore.isEmpty());
}

TEST(Checksums, CrcAndShaOfAFile)
{
    EXPECT_EQ(online::Crc32("123456789"), 0xCBF43926u);
    EXPECT_EQ(online::Crc32(""), 0u);
    // Chunks chain to the same value as the whole.
    EXPECT_EQ(online::Crc32("6789", online::Crc32("12345")), 0xCBF43926u);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("f.bin"));
    WriteFile(file, "123456789");
    EXPECT_EQ(online::Crc32Text(file), QStringLiteral("CBF43926"));
    EXPECT_EQ(online::Sha256Text(file),
              QString::fromLatin1(QCryptographicHash::hash("123456789", QCryptographicHash::Sha256).toHex()).toUpper());
    EXPECT_THROW(online::Crc32Text(dir.filePath(QStringLiteral("none"))), core::EConvertError);
}

TEST(Names, AsideNamesAndNotes)
{
    QTemporaryDir dir;
    const QString exe = dir.filePath(QStringLiteral("Vertoma_5x54.exe"));
    EXPECT_EQ(QFileInfo(online::AsideName(exe)).fileName(), QStringLiteral("Vertoma_5x54.~exe"));
    WriteFile(dir.filePath(QStringLiteral("Vertoma_5x54.~exe")), "old");
    EXPECT_EQ(QFileInfo(online::AsideName(exe)).fileName(), QStringLiteral("Vertoma_5x54.~~exe"));
    EXPECT_EQ(QFileInfo(online::AsideName(dir.filePath(QStringLiteral("Vertoma_5x54")))).fileName(),
              QStringLiteral("Vertoma_5x54.~"));
    EXPECT_EQ(QFileInfo(online::AsideName(dir.filePath(QStringLiteral(".hidden")))).fileName(),
              QStringLiteral(".hidden.~"));

    EXPECT_EQ(online::NotesFolder(QStringLiteral("https://h:1/files/autoupdates/Numeko_AU.cfg")),
              QStringLiteral("https://h:1/files/autoupdates/UpdDescr/"));
    EXPECT_EQ(online::NotesFolder(dir.filePath(QStringLiteral("Numeko_AU.cfg"))), dir.path() + QStringLiteral("/UpdDescr/"));
    EXPECT_EQ(online::NotesNames(QStringLiteral("1.0.0.2"), 1049, QStringLiteral("RUS")),
              (QStringList{QStringLiteral("UpdDescr_RUS_1.0.0.2.txt"), QStringLiteral("UpdDescr_1049_1.0.0.2.txt"),
                           QStringLiteral("UpdDescr_1.0.0.2.txt")}));
    EXPECT_EQ(online::NotesNames(QStringLiteral("1.0.0.2"), 0, QStringLiteral("RUS")),
              QStringList{QStringLiteral("UpdDescr_1.0.0.2.txt")});
}

// A temporary installation with a source folder for the description, the notes and packages.
class SelfUpdateTest : public ::testing::Test
{
protected:
    QString install(const QString& name) const { return QDir(m_install.path()).filePath(name); }
    QString source(const QString& name) const { return QDir(m_source.path()).filePath(name); }
    online::UpdateSite site() const
    {
        online::UpdateSite s;
        s.installDir = m_install.path();
        s.product = QStringLiteral("Vertoma_5x54");
        s.currentVersion = QStringLiteral("1.0.0.120");
        s.runningExe = install(QStringLiteral("Vertoma_5x54"));
        s.processTimeoutSeconds = 20;
        return s;
    }
    void describe(const QByteArray& section)
    {
        WriteFile(source(QStringLiteral("Numeko_AU.cfg")), "[GlobalOptions]\n[Vertoma_5x54]\n" + section);
    }
    // The package offered as build 121, with its CRC.
    online::UpdateInfo offer(const QByteArray& package)
    {
        WriteFile(source(QStringLiteral("pkg.upd")), package);
        online::UpdateInfo info;
        info.VerId = QStringLiteral("1.0.0.121");
        info.Description = QStringLiteral("Версия 121");
        info.DownloadUrl = source(QStringLiteral("pkg.upd"));
        info.OriginalFileName = QStringLiteral("setup.sh");
        info.ChecksumCRC32 = online::Crc32Text(info.DownloadUrl).toLower();
        return info;
    }
    QString installError(const online::UpdateInfo& info)
    {
        CountingProgress progress;
        try {
            online::SelfUpdater(site()).install(info, progress);
        } catch (const core::EConvertError& e) {
            return e.message();
        }
        return {};
    }

    QTemporaryDir m_install;
    QTemporaryDir m_source;
};

TEST_F(SelfUpdateTest, SearchReadsTheSectionAndTheNotesInTheirOrder)
{
    describe("VerId=1.0.0.121\nDescription=Vertoma (121)\nDownloadUrl=pkg.upd\n");
    WriteFile(source(QStringLiteral("UpdDescr/UpdDescr_1.0.0.121.txt")), cp1251::encode(QStringLiteral("Общие\r\nзаметки\r\n")));
    const online::SelfUpdater updater(site());
    CountingProgress progress;
    // Leftovers of an earlier update go first.
    WriteFile(install(QStringLiteral("Vertoma_5x54.~")), "old");
    WriteFile(install(QStringLiteral("lib.~~so")), "old");
    WriteFile(install(QStringLiteral("keep.txt")), "data");
    online::UpdateSearch found = updater.search(source(QStringLiteral("Numeko_AU.cfg")), 1049, QStringLiteral("RUS"), progress);
    EXPECT_TRUE(found.exists);
    EXPECT_EQ(found.info.Description, QStringLiteral("Vertoma (121)"));
    EXPECT_EQ(found.notes, (QStringList{QStringLiteral("Общие"), QStringLiteral("заметки")}));
    EXPECT_EQ(progress.steps, 5);
    EXPECT_FALSE(QFileInfo::exists(install(QStringLiteral("Vertoma_5x54.~"))));
    EXPECT_FALSE(QFileInfo::exists(install(QStringLiteral("lib.~~so"))));
    EXPECT_TRUE(QFileInfo::exists(install(QStringLiteral("keep.txt"))));
    EXPECT_FALSE(QFileInfo::exists(install(QStringLiteral("SelfUpdates.inf"))));
    EXPECT_FALSE(QFileInfo::exists(install(QStringLiteral("UpdDescr_1.0.0.121.txt"))));

    // The locale's notes before the language-neutral ones, the abbreviation's before both.
    WriteFile(source(QStringLiteral("UpdDescr/UpdDescr_1049_1.0.0.121.txt")), cp1251::encode(QStringLiteral("по номеру")));
    found = updater.search(source(QStringLiteral("Numeko_AU.cfg")), 1049, QStringLiteral("RUS"), progress);
    EXPECT_EQ(found.notes, QStringList{QStringLiteral("по номеру")});
    WriteFile(source(QStringLiteral("UpdDescr/UpdDescr_RUS_1.0.0.121.txt")), "\xcf\xee-\xf0\xf3\xf1\xf1\xea\xe8");
    found = updater.search(source(QStringLiteral("Numeko_AU.cfg")), 1049, QStringLiteral("RUS"), progress);
    EXPECT_EQ(found.notes, QStringList{QStringLiteral("По-русски")});
    // Without a language only the plain name is tried.
    found = updater.search(source(QStringLiteral("Numeko_AU.cfg")), 0, {}, progress);
    EXPECT_EQ(found.notes, (QStringList{QStringLiteral("Общие"), QStringLiteral("заметки")}));
}

TEST_F(SelfUpdateTest, SearchWithoutNotesOrUpdate)
{
    describe("VerId=1.0.0.121\nDownloadUrl=pkg.upd\n");
    CountingProgress progress;
    const online::SelfUpdater updater(site());
    online::UpdateSearch found = updater.search(source(QStringLiteral("Numeko_AU.cfg")), 1049, QStringLiteral("RUS"), progress);
    EXPECT_TRUE(found.exists);
    EXPECT_EQ(found.notes, QStringList{QStringLiteral("< Описание обновления не доступно >")});

    describe("Description=без версии\nDownloadUrl=pkg.upd\n");
    found = updater.search(source(QStringLiteral("Numeko_AU.cfg")), 1049, QStringLiteral("RUS"), progress);
    EXPECT_FALSE(found.exists);
    EXPECT_TRUE(found.notes.isEmpty());

    // A missing description is an error, and leaves no working file behind.
    EXPECT_THROW(updater.search(source(QStringLiteral("none.cfg")), 0, {}, progress), core::EConvertError);
    EXPECT_FALSE(QFileInfo::exists(install(QStringLiteral("SelfUpdates.inf"))));
}

TEST_F(SelfUpdateTest, PlainHttpAndForeignSchemesAreRefused)
{
    const online::SelfUpdater updater(site());
    for (const char* address : {"http://127.0.0.1:1/Numeko_AU.cfg", "HTTP://example/x", "ftp://example/x"}) {
        try {
            updater.downloadTo(QString::fromLatin1(address), install(QStringLiteral("x")));
            ADD_FAILURE() << address;
        } catch (const core::EConvertError& e) {
            EXPECT_TRUE(e.message().contains(QStringLiteral("https"))) << e.message().toStdString();
        }
    }
    EXPECT_FALSE(QFileInfo::exists(install(QStringLiteral("x"))));
}

TEST_F(SelfUpdateTest, InstallsThePackageWithItsStepsInOrder)
{
    WriteFile(install(QStringLiteral("Vertoma_5x54")), "old program");
    WriteFile(install(QStringLiteral("stale.txt")), "to delete before");
    WriteFile(install(QStringLiteral("gone.txt")), "to delete after");
    // The helpers note in the installation folder that they ran, and what they saw.
    const QByteArray note = "#!/bin/sh\necho \"$(basename \"$0\") $(cat ../Vertoma_5x54)\" >> ../order.log\n";
    online::UpdateInfo info = offer(MakeUpdatePackage({{QStringLiteral("Vertoma_5x54"), "new program", true},
                                                       {QStringLiteral("readme.txt"), "new file"},
                                                       {QStringLiteral("a.sh"), note, true},
                                                       {QStringLiteral("b.sh"), note, true},
                                                       {QStringLiteral("after.sh"), note, true}}));
    info.GlobalExecBefore = {QStringLiteral("a.sh"), QStringLiteral("missing.sh")};
    info.ExecBefore = {QStringLiteral("b.sh")};
    info.ExecAfter = {QStringLiteral("after.sh")};
    info.DeleteBefore = {QStringLiteral("stale.txt"), QStringLiteral("nothing.txt")};
    info.GlobalDeleteAfter = {QStringLiteral("gone.txt")};

    CountingProgress progress;
    online::SelfUpdater updater(site());
    updater.install(info, progress);
    EXPECT_EQ(progress.steps, 13);
    EXPECT_EQ(ReadFile(install(QStringLiteral("Vertoma_5x54"))), "new program");
    EXPECT_TRUE(QFileInfo(install(QStringLiteral("Vertoma_5x54"))).isExecutable());
    EXPECT_EQ(ReadFile(install(QStringLiteral("readme.txt"))), "new file");
    // a before b, each once, both before the copy; the after-helper sees the new program.
    EXPECT_EQ(ReadFile(install(QStringLiteral("order.log"))),
              "a.sh old program\nb.sh old program\nafter.sh new program\n");
    EXPECT_FALSE(QFileInfo::exists(install(QStringLiteral("stale.txt"))));
    EXPECT_FALSE(QFileInfo::exists(install(QStringLiteral("gone.txt"))));
    // The running program's old file stays aside for the next run; the update folder is gone.
    EXPECT_EQ(ReadFile(install(QStringLiteral("Vertoma_5x54.~"))), "old program");
    EXPECT_FALSE(QFileInfo::exists(install(QStringLiteral("SelfUpdate"))));
    EXPECT_EQ(updater.downloadAttempts(), 1);
    const QStringList left = QDir(m_install.path()).entryList({QStringLiteral("*.tmp")}, QDir::Files);
    EXPECT_TRUE(left.isEmpty()) << left.join(u' ').toStdString();

    // A second update sets the old file aside under the next free name.
    info = offer(MakeUpdatePackage({{QStringLiteral("Vertoma_5x54"), "newer program", true}}));
    updater.install(info, progress);
    EXPECT_EQ(ReadFile(install(QStringLiteral("Vertoma_5x54"))), "newer program");
    EXPECT_EQ(ReadFile(install(QStringLiteral("Vertoma_5x54.~~"))), "new program");
    updater.removeLeftovers();
    EXPECT_FALSE(QFileInfo::exists(install(QStringLiteral("Vertoma_5x54.~"))));
    EXPECT_FALSE(QFileInfo::exists(install(QStringLiteral("Vertoma_5x54.~~"))));
    EXPECT_EQ(ReadFile(install(QStringLiteral("Vertoma_5x54"))), "newer program");
}

TEST_F(SelfUpdateTest, AFailedCopyPutsTheOldFilesBack)
{
    WriteFile(install(QStringLiteral("a.txt")), "old a");
    WriteFile(install(QStringLiteral("b.txt")), "old b");
    WriteFile(install(QStringLiteral("zz")), "old zz");
    // A folder where the last file's temporary copy must go stops the copy half-way.
    WriteFile(install(QStringLiteral("zz.tmp/blocker")), "x");
    const online::UpdateInfo info = offer(MakeUpdatePackage({{QStringLiteral("a.txt"), "new a"},
                                                             {QStringLiteral("b.txt"), "new b"},
                                                             {QStringLiteral("c.txt"), "new c"},
                                                             {QStringLiteral("zz"), "new zz"}}));
    const QString error = installError(info);
    EXPECT_TRUE(error.contains(QStringLiteral("zz"))) << error.toStdString();
    EXPECT_EQ(ReadFile(install(QStringLiteral("a.txt"))), "old a");
    EXPECT_EQ(ReadFile(install(QStringLiteral("b.txt"))), "old b");
    EXPECT_EQ(ReadFile(install(QStringLiteral("zz"))), "old zz");
    EXPECT_FALSE(QFileInfo::exists(install(QStringLiteral("c.txt"))));
    const QStringList aside = QDir(m_install.path()).entryList({QStringLiteral("*.~*")}, QDir::Files);
    EXPECT_TRUE(aside.isEmpty()) << aside.join(u' ').toStdString();
    EXPECT_FALSE(QFileInfo::exists(install(QStringLiteral("SelfUpdate"))));
}

TEST_F(SelfUpdateTest, PackageFailuresAreReported)
{
    WriteFile(install(QStringLiteral("a.txt")), "old a");
    // The unpacker fails.
    online::UpdateInfo info = offer(MakeUpdatePackage({{QStringLiteral("a.txt"), "new a"}}, 3));
    EXPECT_TRUE(installError(info).contains(QStringLiteral("3"))) << installError(info).toStdString();
    EXPECT_EQ(ReadFile(install(QStringLiteral("a.txt"))), "old a");
    // It unpacks nothing.
    info = offer("#!/bin/sh\nexit 0\n");
    EXPECT_EQ(installError(info), QStringLiteral("Файл \"%1\" не найден!").arg(install(QStringLiteral("SelfUpdate/*.*"))));
    // The package is missing.
    info.DownloadUrl = source(QStringLiteral("absent.upd"));
    EXPECT_EQ(installError(info), QStringLiteral("Файл \"%1\" не найден!").arg(source(QStringLiteral("absent.upd"))));
    // A name of the description that leads out of its folder.
    info = offer(MakeUpdatePackage({{QStringLiteral("a.txt"), "new a"}}));
    info.DeleteBefore = {QStringLiteral("../a.txt")};
    EXPECT_TRUE(installError(info).contains(QStringLiteral("../a.txt")));
    info.DeleteBefore.clear();
    info.OriginalFileName = QStringLiteral("/tmp/evil.sh");
    EXPECT_TRUE(installError(info).contains(QStringLiteral("/tmp/evil.sh")));
    EXPECT_EQ(ReadFile(install(QStringLiteral("a.txt"))), "old a");
    EXPECT_FALSE(QFileInfo::exists(install(QStringLiteral("SelfUpdate"))));
}

TEST_F(SelfUpdateTest, ChecksumsDecideAndAWrongOneIsTriedThreeTimes)
{
    testsupport::LocalHttpServer server;
    const std::string package = MakeUpdatePackage({{QStringLiteral("a.txt"), "new a"}}).toStdString();
    server.http().Get("/pkg.upd", [package](const httplib::Request&, httplib::Response& res) {
        res.set_content(package, "application/octet-stream");
    });
    server.start();
    online::UpdateSite s = site();
    s.request.caFile = testsupport::TestCaFile();
    online::SelfUpdater updater(s);
    online::UpdateInfo info;
    info.VerId = QStringLiteral("1.0.0.121");
    info.DownloadUrl = server.url() + QStringLiteral("/pkg.upd");
    info.OriginalFileName = QStringLiteral("setup.sh");
    WriteFile(source(QStringLiteral("probe")), QByteArray::fromStdString(package));
    const QString crc = online::Crc32Text(source(QStringLiteral("probe")));
    const QString sha = online::Sha256Text(source(QStringLiteral("probe")));
    CountingProgress progress;

    info.ChecksumCRC32 = QStringLiteral("0BADC0DE");
    try {
        updater.install(info, progress);
        ADD_FAILURE() << "a wrong checksum was taken";
    } catch (const core::EConvertError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("Неверная контрольная сумма скачанного файла."));
    }
    EXPECT_EQ(updater.downloadAttempts(), 3);
    EXPECT_EQ(server.requests().size(), 3u);
    EXPECT_FALSE(QFileInfo::exists(install(QStringLiteral("a.txt"))));

    // A matching CRC with a wrong SHA-256 fails too.
    info.ChecksumCRC32 = crc.toLower();
    info.ChecksumSHA256 = QString(64, u'0');
    EXPECT_THROW(updater.install(info, progress), core::EConvertError);
    EXPECT_FALSE(QFileInfo::exists(install(QStringLiteral("a.txt"))));

    // Both right, in lower case: installed at the first download.
    server.clearRequests();
    info.ChecksumSHA256 = sha.toLower();
    updater.install(info, progress);
    EXPECT_EQ(server.requests().size(), 1u);
    EXPECT_EQ(ReadFile(install(QStringLiteral("a.txt"))), "new a");
}

TEST_F(SelfUpdateTest, AnUnwritableFolderIsReported)
{
    EXPECT_TRUE(online::SelfUpdater(site()).installWritable());
    online::UpdateSite s = site();
    // Not even the superuser may create files in /proc.
    s.installDir = QStringLiteral("/proc");
    EXPECT_FALSE(online::SelfUpdater(s).installWritable());
}

} // namespace

namespace {

TEST_F(SelfUpdateTest, AVersionThatLeadsOutOfTheFolderIsRefused)
{
    describe("VerId=up/b.0.0.121\nDownloadUrl=pkg.upd\n");
    CountingProgress progress;
    EXPECT_THROW(online::SelfUpdater(site()).search(source(QStringLiteral("Numeko_AU.cfg")), 0, {}, progress),
                 core::EConvertError);
    online::UpdateInfo info = offer(MakeUpdatePackage({{QStringLiteral("a.txt"), "new a"}}));
    info.VerId = QStringLiteral("1.0.0.121/../../x");
    EXPECT_TRUE(installError(info).contains(QStringLiteral("1.0.0.121/../../x")));
    EXPECT_FALSE(QFileInfo::exists(install(QStringLiteral("a.txt"))));
}

} // namespace
