#pragma once

// Runs the real vertoma-cli binary on a data folder, the way a script or a person would.

#include "TestPaths.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

namespace testsupport {

struct CliResult
{
    int exitCode = -1;
    QString out;
    QString err;
    QStringList lines() const { return out.split(u'\n', Qt::SkipEmptyParts); }
};

inline CliResult RunCli(const QString& program, const QString& dataDir, const QStringList& args, int timeoutMs = 120000,
                        const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(program, QStringList{QStringLiteral("--data-dir"), dataDir} + args);
    EXPECT_TRUE(process.waitForFinished(timeoutMs)) << args.join(u' ').toStdString();
    CliResult result;
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    result.err = QString::fromUtf8(process.readAllStandardError());
    return result;
}

inline CliResult RunCli(const QString& dataDir, const QStringList& args, int timeoutMs = 120000)
{
    return RunCli(QStringLiteral(VERTOMA_CLI_PATH), dataDir, args, timeoutMs);
}

// The environment with the locale of messages set to this one alone.
inline QProcessEnvironment MessagesLocale(const QString& lang)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("LC_ALL"));
    env.remove(QStringLiteral("LC_MESSAGES"));
    env.insert(QStringLiteral("LANG"), lang);
    return env;
}
} // namespace testsupport
