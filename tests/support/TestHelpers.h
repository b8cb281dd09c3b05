#pragma once

// Small helpers the tests of every layer share.

#include "QtPrinters.h"
#include "core/GameTypes.h"

#include <QByteArray>
#include <QString>

#include <initializer_list>

#include <sys/resource.h>

namespace testsupport {

// A draw record with the given number, numbers in drawn order, key number and date text.
core::TDrawRec MakeDraw(int num, std::initializer_list<int> values, int extra = 0, const char* date = "");

// The whole file, or an empty array when it cannot be read.
QByteArray ReadFile(const QString& path);
// Replaces the file's content, making its folder first; false when it could not be written whole.
bool WriteFile(const QString& path, const QByteArray& bytes);

// Limits the size of files this process writes for one scope. Writes past the limit fail as on
// a full disk, and the limit binds root too, so it stands in for a folder we may not write to.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_old{};
    void (*m_oldHandler)(int) = nullptr;
};

} // namespace testsupport
