#pragma once

// The hold on the data folder for the whole run: a lock file of its own, held open with an
// advisory lock that another instance of the program asks for too. Files that are replaced by a
// rename (the stakes file after deletions, the archive) never carry the lock themselves.

#include <QFile>
#include <QString>

namespace app {

class ExclusiveFile
{
public:
    ExclusiveFile() = default;
    ~ExclusiveFile();
    ExclusiveFile(const ExclusiveFile&) = delete;
    ExclusiveFile& operator=(const ExclusiveFile&) = delete;

    // Opens the file for reading and writing, creating it empty when missing, and takes the
    // lock. False (with the reason) when the file cannot be opened or another process holds it.
    bool open(const QString& path, QString* error = nullptr);
    void close();
    bool isHeld() const { return m_file.isOpen(); }
    QFile& file() { return m_file; }

private:
    QFile m_file;
};

} // namespace app
