#include "core/Cp1251.h"

#include <cstdint>

namespace cp1251 {

namespace {

// Characters of bytes 0x80..0xBF; below is ASCII, above is the Cyrillic alphabet in order. 0x98 has no character in the
// code page: it decodes to the C1 control U+0098, as Windows itself does, so any byte string survives a decode and
// encode unchanged.
constexpr char16_t Symbols[64] = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, // 0x80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F, // 0x88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 0x90
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, // 0x98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7, // 0xA0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407, // 0xA8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7, // 0xB0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457, // 0xB8
};

constexpr char16_t CyrillicFirst = 0x0410; // А, at byte 0xC0
constexpr char16_t CyrillicLast = 0x044F;  // я, at byte 0xFF
constexpr unsigned char CyrillicByte = 0xC0;
constexpr char Unmappable = '?';

char16_t charOf(unsigned char b)
{
    if (b < 0x80)
        return b;
    if (b >= CyrillicByte)
        return static_cast<char16_t>(CyrillicFirst + (b - CyrillicByte));
    return Symbols[b - 0x80];
}

char byteOf(char16_t c)
{
    if (c < 0x80)
        return static_cast<char>(c);
    if (c >= CyrillicFirst && c <= CyrillicLast)
        return static_cast<char>(CyrillicByte + (c - CyrillicFirst));
    for (int i = 0; i < 64; ++i)
        if (Symbols[i] == c)
            return static_cast<char>(0x80 + i);
    return Unmappable;
}

} // namespace

QString decode(const char* data, qsizetype size)
{
    QString text(size, Qt::Uninitialized);
    QChar* out = text.data();
    for (qsizetype i = 0; i < size; ++i)
        out[i] = QChar(charOf(static_cast<unsigned char>(data[i])));
    return text;
}

QString decode(const QByteArray& bytes)
{
    return decode(bytes.constData(), bytes.size());
}

QByteArray encode(const QString& text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        // A character outside the BMP is one character, so it becomes a single "?".
        if (c.isHighSurrogate() && i + 1 < n && text.at(i + 1).isLowSurrogate()) {
            bytes.append(Unmappable);
            ++i;
            continue;
        }
        bytes.append(byteOf(c.unicode()));
    }
    return bytes;
}

} // namespace cp1251
