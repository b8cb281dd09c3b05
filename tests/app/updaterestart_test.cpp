// The whole update of a running program against the stand-in service host: the program
// replaces its own executable, starts the new version, which waits for the old one to end and
// removes the old file on its first check.

#include "LiveHost.h"
#include "UpdatePackage.h"
#include "online/SelfUpdate.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using testsupport::ReadFile;
using testsupport::WriteFile;

namespace {

TEST(UpdateRestart, ARunningProgramReplacesItselfAndRestarts)
{
    testsupport::LiveHost host;
    QTemporaryDir install;
    QTemporaryDir work;
    const QString probe = QDir(install.path()).filePath(u"update-probe"_s);
    const QByteArray oldProgram = ReadFile(QStringLiteral(VERTOMA_UPDATE_PROBE));
    ASSERT_FALSE(oldProgram.isEmpty());
    WriteFile(probe, oldProgram);
    QFile::setPermissions(probe, QFile::permissions(probe) | QFileDevice::ExeOwner);

    // The new release: the same program with a mark of its own, and its version.
    const QByteArray newProgram = oldProgram + "\nrelease 0.1.0.2\n";
    const QString files = host.dataDir() + u"/files/autoupdates/"_s;
    WriteFile(files + u"probe-2.upd"_s,
              testsupport::MakeUpdatePackage({{u"update-probe"_s, newProgram, true}, {u"probe.version"_s, "0.1.0.2"}}));
    WriteFile(files + u"Numeko_AU.cfg"_s,
              u"[update-probe]\nVerId=0.1.0.2\nDescription=probe 2\nDownloadUrl=%1\nOriginalFileName=setup.sh\n"
              u"ChecksumCRC32=%2\n"_s.arg(host.url() + u"/files/autoupdates/probe-2.upd"_s,
                                          online::Crc32Text(files + u"probe-2.upd"_s))
                  .toUtf8());

    const QString log = QDir(work.path()).filePath(u"probe.log"_s);
    QProcess first;
    first.setWorkingDirectory(install.path());
    first.start(probe, {host.url() + u"/files/autoupdates/Numeko_AU.cfg"_s, testsupport::TestCaFile(), log});
    ASSERT_TRUE(first.waitForFinished(60000));
    EXPECT_EQ(first.exitCode(), 0);

    // The restarted instance writes its last line once it has checked again.
    const QStringList expected{
        u"version 0.1.0.1: 0.1.0.2"_s,
        u"installed, aside: update-probe.~"_s,
        u"old one ends"_s,
        u"restarted after the old one ended"_s,
        u"version 0.1.0.2: current"_s,
    };
    QDeadlineTimer deadline(60000);
    QStringList lines;
    while (!deadline.hasExpired()) {
        lines = QString::fromUtf8(ReadFile(log)).split(u'\n', Qt::SkipEmptyParts);
        if (lines.size() >= expected.size())
            break;
        QThread::msleep(100);
    }
    EXPECT_EQ(lines, expected);
    EXPECT_EQ(ReadFile(probe), newProgram);
    EXPECT_TRUE(QFileInfo(probe).isExecutable());
    // The old program set aside at the update is gone after the next check.
    const QStringList left = QDir(install.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
    EXPECT_EQ(left, (QStringList{u"probe.version"_s, u"update-probe"_s}));
}

} // namespace
