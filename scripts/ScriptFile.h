#pragma once

// Script files: one script line per text line, code page 1251, lines ended by CR LF. A file is
// read whatever it holds: a last line without its end, lone CR or LF ends, NUL bytes and
// overlong lines are taken as far as they make sense, never trusted.

#include <QIODevice>
#include <QStringList>

namespace scripts {

// The longest line kept, in characters; longer lines are cut there.
inline constexpr int kScriptLineMax = 65536;
// The largest file read.
inline constexpr qint64 kScriptFileMax = qint64(64) << 20;

struct ScriptReadReport
{
    int CutLines = 0;     // lines longer than kScriptLineMax
    bool Truncated = false; // the file was larger than kScriptFileMax
};

bool ScriptRead(QIODevice& device, QStringList& lines, ScriptReadReport* report, QString* error);
bool ScriptReadFile(const QString& path, QStringList& lines, ScriptReadReport* report, QString* error);
bool ScriptWrite(QIODevice& device, const QStringList& lines, QString* error);
// Rewrites the file whole through a temporary file.
bool ScriptWriteFile(const QString& path, const QStringList& lines, QString* error);

} // namespace scripts
