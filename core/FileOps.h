#pragma once

// File operations on groups of files that report to the person: what was done, in a title and
// a detail text, and whether all of it succeeded.

#include <QStringList>

namespace core {

struct FileOpReport
{
    QString Title;
    QString Details;
    bool Success = true;
};

// Deletes every file; the report names the ones that could not be deleted and why.
FileOpReport DeleteFiles(const QStringList& paths);

} // namespace core
