#include "core/RunProcess.h"
#include "core/TextForms.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(RunProcess, RunsInItsFolderAndGivesTheExitCode)
{
    QTemporaryDir dir;
    core::RunOptions options;
    int ticks = 0;
    options.keepAlive = [&ticks] { ++ticks; };
    EXPECT_EQ(core::RunProcess(dir.path(), QStringLiteral("/bin/sh"),
                               {QStringLiteral("-c"), QStringLiteral("sleep 0.3; pwd > where.txt; exit 7")}, options),
              7);
    QFile where(QDir(dir.path()).filePath(QStringLiteral("where.txt")));
    ASSERT_TRUE(where.open(QIODevice::ReadOnly));
    EXPECT_EQ(QDir(QString::fromLocal8Bit(where.readAll().trimmed())).canonicalPath(), QDir(dir.path()).canonicalPath());
    // The window was kept alive while it waited.
    EXPECT_GE(ticks, 1);
    EXPECT_EQ(core::RunProcess(dir.path(), QStringLiteral("/bin/true"), {}, {}), 0);
    // Killed by a signal.
    EXPECT_EQ(core::RunProcess(dir.path(), QStringLiteral("/bin/sh"), {QStringLiteral("-c"), QStringLiteral("kill -9 $$")},
                               {}),
              -1);
}

TEST(RunProcess, TimeOutAndStartFailure)
{
    QTemporaryDir dir;
    core::RunOptions options;
    options.timeoutSeconds = 1;
    QElapsedTimer timer;
    timer.start();
    try {
        core::RunProcess(dir.path(), QStringLiteral("/bin/sleep"), {QStringLiteral("30")}, options);
        ADD_FAILURE() << "the time-out did not end the wait";
    } catch (const core::EConvertError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("Ожидание завершения процесса (файла) \"sleep\" прервано в связи с "
                                              "превышением времени ожидания!"));
    }
    EXPECT_LT(timer.elapsed(), 20000);
    EXPECT_THROW(core::RunProcess(dir.path(), QDir(dir.path()).filePath(QStringLiteral("no-such-program")), {}, {}),
                 core::EConvertError);
    // Without waiting it only starts it.
    options.wait = false;
    EXPECT_EQ(core::RunProcess(dir.path(), QStringLiteral("/bin/sh"),
                               {QStringLiteral("-c"), QStringLiteral("touch started")}, options),
              0);
}

} // namespace
