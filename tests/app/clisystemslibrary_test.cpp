// The tool's words "systems" and "systems download", run as a separate process against the
// stand-in service host on 127.0.0.1.

#include "CliRunner.h"
#include "LiveHost.h"
#include "TestPaths.h"
#include "core/Cp1251.h"
#include "online/SystemsLibrary.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using testsupport::CliResult;

class CliSystemsLibraryTest : public ::testing::Test
{
protected:
    void writeConfig(bool withAddress = true)
    {
        QFile ini(m_dir.filePath(QStringLiteral("Vertoma_5x54.ini")));
        ASSERT_TRUE(ini.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QString text = QStringLiteral("[CLIENT]\r\nUserName=Иван\r\nUserMail=Ivan@Example.test\r\n");
        if (withAddress)
            text += QStringLiteral("[NETWORK]\r\nServiceUrl=%1\r\nCaFile=%2\r\n").arg(m_host.url(), testsupport::TestCaFile());
        ini.write(cp1251::encode(text));
    }

    CliResult run(const QStringList& args) { return testsupport::RunCli(m_dir.path(), args); }

    int publish(const QString& mail, int nums, const QString& title, const QString& lines, int csize)
    {
        online::ClientIdentity who;
        who.cl_mail = mail;
        online::tSystemData s;
        s.nums = static_cast<std::uint8_t>(nums);
        s.olap = 3;
        s.csize = csize;
        s.title = title;
        s.descr = QStringLiteral("строка 1\nстрока 2");
        s.author = QStringLiteral("Автор");
        s.cl_mail = mail;
        s.clist = lines;
        QString error;
        const int id = online::SystemsLibrary(online::ServiceClient(m_host.address()), who).upload(s, false, &error);
        EXPECT_GT(id, 0) << error.toStdString();
        return id;
    }

    QStringList systemFiles() const
    {
        return QDir(m_dir.filePath(QStringLiteral("Systems"))).entryList(QDir::Files, QDir::Name);
    }

    testsupport::LiveHost m_host;
    QTemporaryDir m_dir;
};

} // namespace

TEST_F(CliSystemsLibraryTest, ListsTheLibraryAndDownloadsOneSystemPerCount)
{
    writeConfig();
    CliResult r = run({QStringLiteral("systems")});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out.split(u'\n', Qt::SkipEmptyParts).size(), 1) << "the header alone";

    const int first = publish(QStringLiteral("ivan@example.test"), 12, QStringLiteral("Первая"),
                              QStringLiteral("1 2 3 4 12\r\n5 6 7 8 9"), 2);
    const int second = publish(QStringLiteral("petr@example.test"), 12, QStringLiteral("Вторая"),
                               QStringLiteral("1 2 3 4 5"), 1);
    r = run({QStringLiteral("systems")});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    QStringList lines = r.out.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 3) << r.out.toStdString();
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("Код\tНазвание\tАвтор\tЧисла\tБлок\tКомбинаций")));
    QStringList cells = lines[1].split(u'\t');
    ASSERT_EQ(cells.size(), 13);
    EXPECT_EQ(cells[0], QString::number(first));
    EXPECT_EQ(cells[1], QStringLiteral("Первая"));
    EXPECT_EQ(cells[3], QStringLiteral("12"));
    EXPECT_EQ(cells[5], QStringLiteral("2"));
    EXPECT_EQ(cells[7], QString()) << "not on this computer yet";
    EXPECT_EQ(cells[10], QStringLiteral("да")) << "the e-mail matches ignoring case";
    EXPECT_EQ(cells[11], QStringLiteral("строка 1 строка 2"));
    EXPECT_EQ(lines[2].split(u'\t')[10], QString());

    r = run({QStringLiteral("systems"), QStringLiteral("download"), QString::number(first)});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.startsWith(QStringLiteral("Загружена: "))) << r.out.toStdString();
    const QString firstName = QStringLiteral("5-12-3_%1.dat").arg(first, 4, 10, QLatin1Char('0'));
    EXPECT_EQ(systemFiles(), QStringList{firstName});
    QFile f(QDir(m_dir.filePath(QStringLiteral("Systems"))).filePath(firstName));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("01 02 03 04 12\r\n05 06 07 08 09\r\n"));
    f.close();
    r = run({QStringLiteral("systems")});
    EXPECT_EQ(r.out.split(u'\n', Qt::SkipEmptyParts)[1].split(u'\t')[7], QStringLiteral("Загружена"));
    EXPECT_EQ(r.out.split(u'\n', Qt::SkipEmptyParts)[1].split(u'\t')[8], QStringLiteral("1"));

    // The second system for twelve numbers takes the place of the first.
    r = run({QStringLiteral("systems"), QStringLiteral("download"), QString::number(second)});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains(QStringLiteral("Удалена: ") + firstName)) << r.out.toStdString();
    EXPECT_EQ(systemFiles(), QStringList{QStringLiteral("5-12-3_%1.dat").arg(second, 4, 10, QLatin1Char('0'))});
}

TEST_F(CliSystemsLibraryTest, RefusalsAndFailures)
{
    writeConfig();
    EXPECT_EQ(run({QStringLiteral("systems"), QStringLiteral("download")}).exitCode, 2);
    CliResult r = run({QStringLiteral("systems"), QStringLiteral("download"), QStringLiteral("x1")});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_TRUE(r.err.contains(QStringLiteral("x1")));
    r = run({QStringLiteral("systems"), QStringLiteral("download"), QStringLiteral("77")});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_TRUE(r.err.contains(QStringLiteral("#77"))) << r.err.toStdString();
    EXPECT_EQ(run({QStringLiteral("systems"), QStringLiteral("extra")}).exitCode, 2);
    EXPECT_TRUE(systemFiles().isEmpty());

    writeConfig(false);
    r = run({QStringLiteral("systems")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("Ошибка загрузки списка систем!")));
    EXPECT_TRUE(r.err.contains(QStringLiteral("ServiceUrl")));
}
