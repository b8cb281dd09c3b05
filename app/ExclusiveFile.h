#pragma once

// A data file held open for the whole run with other writers excluded. On Linux the exclusion
// is an advisory lock on the open file, which another instance of the program asks for too.

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
