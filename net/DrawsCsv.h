#pragma once

// Draws as semicolon-separated text, code page 1251, lines ended by CR LF. Export writes eight
// fields per draw: number; "date"; five numbers; key. Import takes those lines and seven-field
// lines without the number, which get the archive size + 1 at the time they are taken.

#include "core/GameTypes.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

class QIODevice;

namespace net {

// A file past this size is not a list of draws of one lottery.
inline constexpr qint64 kMaxCsvBytes = 64LL * 1024 * 1024;

QByteArray DrawsCsvText(const core::TDrawsArray& draws);
bool WriteDrawsCsv(QIODevice& device, const core::TDrawsArray& draws, QString* error = nullptr);
// Replaces the file whole; the old file stays on failure.
bool SaveDrawsCsv(const QString& path, const core::TDrawsArray& draws, QString* error = nullptr);

// The fields of one line: ";" separates them, a field may be enclosed in double quotes (a
// doubled quote inside stands for one), and outside quotes blanks and control characters
// separate fields too.
QStringList SplitCsvFields(const QString& line);

struct CsvImport
{
    std::vector<core::TDrawRec> added; // in file order, to be appended to the archive
    int taken = 0;
    int skipped = 0; // lines that are not blank and were not taken
};

// Lines are taken when they have 7 or 8 fields, a positive number no draw of the archive (or
// of a line taken before) has, five different numbers 1..54 and a key 0..9. Non-numbers read
// as 0; the date text is cut to 10 characters. The archive never grows past what its file
// reader accepts.
CsvImport ParseDrawsCsv(const QByteArray& bytes, const core::TDrawsArray& archive);
// Reads the whole file; false with the error when it cannot be read or is too large.
bool ReadDrawsCsv(const QString& path, QByteArray& bytes, QString* error = nullptr);

} // namespace net
