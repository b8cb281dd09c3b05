// The progress line of the command-line tool's long words: drawn on a terminal only, never in the
// stderr a script or a test reads.

#include "CliRunner.h"
#include "TestPaths.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <pty.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

namespace {

class CliProgressTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const QString archive = m_dir.filePath(QStringLiteral("Vertoma_5x54.ldr"));
        ASSERT_TRUE(QFile::copy(QStringLiteral(VERTOMA_SHARED_DATA_DIR "/Vertoma_5x54.ldr"), archive));
        QFile::setPermissions(archive, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }

    // Runs the tool with stderr on a pseudo-terminal and stdout thrown away; what the terminal
    // received, and the exit code.
    std::pair<QByteArray, int> runOnTerminal(const QStringList& args)
    {
        std::vector<std::string> words{VERTOMA_CLI_PATH, "--data-dir", m_dir.path().toStdString()};
        for (const QString& a : args)
            words.push_back(a.toStdString());
        std::vector<char*> argv;
        for (std::string& w : words)
            argv.push_back(w.data());
        argv.push_back(nullptr);

        int master = -1;
        int slave = -1;
        if (::openpty(&master, &slave, nullptr, nullptr, nullptr) != 0)
            return {{}, -1};
        const pid_t pid = ::fork();
        if (pid == 0) {
            ::setsid();
            const int null = ::open("/dev/null", O_RDWR);
            ::dup2(null, STDIN_FILENO);
            ::dup2(null, STDOUT_FILENO);
            ::dup2(slave, STDERR_FILENO);
            ::close(master);
            ::execv(argv[0], argv.data());
            ::_exit(127);
        }
        ::close(slave);
        QByteArray seen;
        char buffer[4096];
        for (;;) {
            const ssize_t n = ::read(master, buffer, sizeof buffer);
            if (n <= 0)
                break; // EIO once the tool has gone and the terminal is closed
            seen.append(buffer, n);
        }
        ::close(master);
        int status = 0;
        ::waitpid(pid, &status, 0);
        return {seen, WIFEXITED(status) ? WEXITSTATUS(status) : -1};
    }

    QTemporaryDir m_dir;
};

} // namespace

TEST_F(CliProgressTest, ALongWordShowsItsProgressOnATerminalOnly)
{
    const QStringList prefetch{QStringLiteral("prefetch"), QStringLiteral("EVEN"), QStringLiteral("SUMS")};
    const auto [terminal, code] = runOnTerminal(prefetch);
    ASSERT_EQ(code, 0) << terminal.toStdString();
    const QString text = QString::fromUtf8(terminal);
    // One line rewritten in place: a return, the per cent and the step, the rest of the line
    // wiped; and wiped whole at the end.
    EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("\\r\\[ *\\d+%\\] Построение файл"))))
        << terminal.toStdString();
    EXPECT_TRUE(text.endsWith(QStringLiteral("\r\x1b[K"))) << terminal.toStdString();
    EXPECT_FALSE(text.contains(u'\n')) << "never a second line";

    // Not a terminal: stderr stays as it was, empty, and the output is the same.
    QDir(m_dir.filePath(QStringLiteral("Prefetchs"))).removeRecursively();
    const testsupport::CliResult piped = testsupport::RunCli(m_dir.path(), prefetch);
    ASSERT_EQ(piped.exitCode, 0);
    EXPECT_EQ(piped.err, QString());
    EXPECT_EQ(piped.lines().size(), 2);

    // A short word draws nothing even on a terminal.
    const auto [quiet, quietCode] = runOnTerminal({QStringLiteral("status")});
    EXPECT_EQ(quietCode, 0);
    EXPECT_EQ(quiet, QByteArray());
}
