#pragma once

// Combination files (".lcv"), the clipboard text of a combination list, and the raw cache file
// of a combination list.
//
// A combination file is 1251 text, one combination per line ("3;7;15;22;54", CR LF). Reading
// splits a line at ";" and ","; lines without exactly five words are skipped, a word that is not
// a number reads as 0. The clipboard holds "03 07 15 22 54" lines; pasting requires five words
// per line.

#include "core/GameTypes.h"

#include <QByteArray>
#include <QString>

#include <span>
#include <vector>

namespace combos {

// The combinations of a file's text, appended to out; at most maxCount in all.
void ParseCombsText(const QByteArray& text, core::TCombsArray& out, std::size_t maxCount);
QByteArray CombsFileText(std::span<const core::TComb> combs);

// Reads a whole file into out (emptied first). False with the system's message on an
// input/output error, out keeping what was read.
bool LoadCombsFile(const QString& path, core::TCombsArray& out, QString* error);
// Rewrites the file whole.
bool SaveCombsFile(const QString& path, std::span<const core::TComb> combs, QString* error);

// The clipboard lines of the combinations with the given indexes, each ended by CR LF.
QString CombsClipboardText(std::span<const core::TComb> combs, const std::vector<std::size_t>& rows);
// Every line of the text (CR LF, CR or LF) as one combination; throws core::EConvertError
// naming the first line without five words.
core::TCombsArray ParseClipboardText(const QString& text);

// The cache file: 5-byte records without a header.
bool SaveCombsBuffer(const QString& path, std::span<const core::TComb> combs, QString* error);
bool LoadCombsBuffer(const QString& path, core::TCombsArray& out, QString* error);

} // namespace combos
