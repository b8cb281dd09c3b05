#include "scripts/ScriptFile.h"

#include "core/Cp1251.h"
#include "core/SafeWrite.h"

#include <QFile>

#include <algorithm>

namespace scripts {

bool ScriptRead(QIODevice& device, QStringList& lines, ScriptReadReport* report, QString* error)
{
    lines.clear();
    ScriptReadReport r;
    if (!device.isReadable()) {
        if (error)
            *error = device.errorString();
        return false;
    }
    // Read in pieces: asking for the whole limit at once would reserve it for a file of a line.
    QByteArray bytes;
    while (bytes.size() <= kScriptFileMax) {
        const QByteArray piece = device.read(std::min<qint64>(qint64(1) << 20, kScriptFileMax + 1 - bytes.size()));
        if (piece.isEmpty())
            break;
        bytes += piece;
    }
    qsizetype size = bytes.size();
    if (size > kScriptFileMax) {
        r.Truncated = true;
        size = kScriptFileMax;
    }
    qsizetype start = 0;
    const auto take = [&](qsizetype end) {
        QByteArray raw = bytes.mid(start, end - start);
        // A NUL cannot be part of a script text; it reads as a blank.
        raw.replace('\0', ' ');
        if (raw.size() > kScriptLineMax) {
            raw.truncate(kScriptLineMax);
            ++r.CutLines;
        }
        lines << cp1251::decode(raw);
    };
    for (qsizetype i = 0; i < size; ++i) {
        const char c = bytes[i];
        if (c != '\r' && c != '\n')
            continue;
        take(i);
        if (c == '\r' && i + 1 < size && bytes[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < size)
        take(size);
    if (report)
        *report = r;
    return true;
}

bool ScriptReadFile(const QString& path, QStringList& lines, ScriptReadReport* report, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        lines.clear();
        if (error)
            *error = file.errorString();
        return false;
    }
    return ScriptRead(file, lines, report, error);
}

bool ScriptWrite(QIODevice& device, const QStringList& lines, QString* error)
{
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += cp1251::encode(line) + "\r\n";
    if (device.write(bytes) != bytes.size()) {
        if (error)
            *error = device.errorString();
        return false;
    }
    return true;
}

bool ScriptWriteFile(const QString& path, const QStringList& lines, QString* error)
{
    return core::WriteFileSafely(
        path, [&lines](QIODevice& device, QString* e) { return ScriptWrite(device, lines, e); }, error);
}

} // namespace scripts
