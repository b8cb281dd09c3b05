#include "combos/CombFiles.h"

#include "core/GameMath.h"
#include "core/SafeWrite.h"
#include "core/TextForms.h"

#include <QFile>
#include <QIODevice>
#include <QRegularExpression>

namespace combos {

namespace {

// A file line is split at ";" and ","; runs of separators count as one.
bool parseLine(const char* begin, const char* end, core::TComb& comb)
{
    int words = 0;
    const char* p = begin;
    while (p < end) {
        while (p < end && (*p == ';' || *p == ','))
            ++p;
        if (p >= end)
            break;
        const char* w = p;
        while (p < end && *p != ';' && *p != ',')
            ++p;
        if (words == core::CombSize)
            return false;
        // Trimmed decimal, anything else 0.
        const char* a = w;
        const char* b = p;
        while (a < b && (*a == ' ' || *a == '\t'))
            ++a;
        while (b > a && (b[-1] == ' ' || b[-1] == '\t'))
            --b;
        int value = 0;
        bool ok = a < b;
        const char* q = a;
        if (q < b && (*q == '+' || *q == '-'))
            ++q;
        ok = ok && q < b;
        for (; ok && q < b; ++q) {
            if (*q < '0' || *q > '9' || value > 100000)
                ok = false;
            else
                value = value * 10 + (*q - '0');
        }
        if (!ok || *a == '-' || value > 255)
            value = 0;
        comb.v[words++] = std::uint8_t(value);
    }
    return words == core::CombSize;
}

} // namespace

void ParseCombsText(const QByteArray& text, core::TCombsArray& out, std::size_t maxCount)
{
    const char* p = text.constData();
    const char* end = p + text.size();
    while (p < end && out.size() < maxCount) {
        const char* lineEnd = p;
        while (lineEnd < end && *lineEnd != '\n' && *lineEnd != '\r')
            ++lineEnd;
        core::TComb comb;
        if (parseLine(p, lineEnd, comb))
            out.push_back(comb);
        p = lineEnd;
        if (p < end && *p == '\r')
            ++p;
        if (p < end && *p == '\n')
            ++p;
    }
}

QByteArray CombsFileText(std::span<const core::TComb> combs)
{
    QByteArray text;
    text.reserve(qsizetype(combs.size()) * 17);
    for (const core::TComb& c : combs) {
        for (int i = 0; i < core::CombSize; ++i) {
            if (i > 0)
                text += ';';
            text += QByteArray::number(c.v[i]);
        }
        text += "\r\n";
    }
    return text;
}

bool LoadCombsFile(const QString& path, core::TCombsArray& out, QString* error)
{
    out.clear();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    // Read in pieces so a huge file never needs one huge buffer; a line may span two pieces.
    const std::size_t cap = std::size_t(core::TotalCombs());
    QByteArray carry;
    while (out.size() < cap) {
        QByteArray piece = file.read(1 << 20);
        if (piece.isEmpty()) {
            if (file.error() != QFileDevice::NoError) {
                if (error)
                    *error = file.errorString();
                return false;
            }
            ParseCombsText(carry, out, cap);
            break;
        }
        piece.prepend(carry);
        const qsizetype lastBreak = std::max(piece.lastIndexOf('\n'), piece.lastIndexOf('\r'));
        if (lastBreak < 0) {
            carry = piece;
            if (carry.size() > (1 << 16))
                carry.clear(); // a line this long is no combination
            continue;
        }
        ParseCombsText(piece.left(lastBreak + 1), out, cap);
        carry = piece.mid(lastBreak + 1);
    }
    return true;
}

bool SaveCombsFile(const QString& path, std::span<const core::TComb> combs, QString* error)
{
    return core::WriteFileSafely(
        path,
        [&](QIODevice& device, QString* err) {
            const QByteArray text = CombsFileText(combs);
            if (device.write(text) != text.size()) {
                if (err)
                    *err = device.errorString();
                return false;
            }
            return true;
        },
        error);
}

QString CombsClipboardText(std::span<const core::TComb> combs, const std::vector<std::size_t>& rows)
{
    QString text;
    for (std::size_t row : rows)
        if (row < combs.size())
            text += core::CombTextPadded(combs[row]) + QStringLiteral("\r\n");
    return text;
}

core::TCombsArray ParseClipboardText(const QString& text)
{
    static const QRegularExpression breaks(QStringLiteral("\r\n|\r|\n"));
    QStringList lines = text.split(breaks);
    // The text ends with a line break, which leaves no line of its own.
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    core::TCombsArray combs;
    combs.reserve(std::size_t(lines.size()));
    for (const QString& line : lines)
        combs.push_back(core::TextToComb(line));
    return combs;
}

bool SaveCombsBuffer(const QString& path, std::span<const core::TComb> combs, QString* error)
{
    return core::WriteFileSafely(
        path,
        [&](QIODevice& device, QString* err) {
            const qint64 size = qint64(combs.size()) * qint64(sizeof(core::TComb));
            if (device.write(reinterpret_cast<const char*>(combs.data()), size) != size) {
                if (err)
                    *err = device.errorString();
                return false;
            }
            return true;
        },
        error);
}

bool LoadCombsBuffer(const QString& path, core::TCombsArray& out, QString* error)
{
    out.clear();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    const qint64 records = std::min<qint64>(file.size() / qint64(sizeof(core::TComb)), core::TotalCombs() * 4);
    out.resize(std::size_t(records));
    const qint64 bytes = records * qint64(sizeof(core::TComb));
    if (file.read(reinterpret_cast<char*>(out.data()), bytes) != bytes) {
        if (error)
            *error = file.errorString();
        out.clear();
        return false;
    }
    return true;
}

} // namespace combos
