#pragma once

// Update packages as a release makes them: an executable shell script that unpacks the gzip'd
// tar appended to it into the folder it runs in. Header-only.

#include "TestHelpers.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <vector>

namespace testsupport {

struct PackageFile
{
    QString name;
    QByteArray bytes;
    bool executable = false;
};

// script runs after the unpacking and before "exit exitCode".
inline QByteArray MakeUpdatePackage(const std::vector<PackageFile>& files, int exitCode = 0,
                                    const QByteArray& script = {})
{
    QTemporaryDir dir;
    for (const PackageFile& f : files) {
        QFile file(dir.filePath(f.name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(f.bytes);
        file.close();
        if (f.executable)
            file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
    }
    QProcess tar;
    tar.start(QStringLiteral("tar"), {QStringLiteral("czf"), QStringLiteral("-"), QStringLiteral("-C"), dir.path(),
                                      QStringLiteral(".")});
    EXPECT_TRUE(tar.waitForFinished(60000));
    const QByteArray archive = tar.readAllStandardOutput();
    EXPECT_FALSE(archive.isEmpty());
    // The offset has a fixed width, so the head's length does not depend on it.
    const QByteArray body = "tail -c +__________ \"$0\" | tar xzf - || exit 1\n" + script + "exit " +
                            QByteArray::number(exitCode) + "\n";
    QByteArray head = "#!/bin/sh\n" + body;
    head.replace("__________", QByteArray::number(head.size() + 1).rightJustified(10, '0'));
    return head + archive;
}

} // namespace testsupport
