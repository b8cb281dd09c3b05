#include "core/IniFile.h"

#include "core/Cp1251.h"
#include "core/SafeWrite.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QLocale>
#include <QSet>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>

namespace core {

namespace {

// A settings file is a few dozen kilobytes; anything far bigger is not ours, and reading it
// whole would only waste memory. Overlong lines are skipped without being copied.
constexpr qint64 MaxFileSize = 2 * 1024 * 1024;
constexpr qsizetype MaxLineLength = 64 * 1024;

bool fail(QString* error, const QString& path, const QString& why)
{
    if (error)
        *error = QStringLiteral("%1: %2").arg(path, why);
    return false;
}

bool sameName(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// Values are one line each; an embedded line break would split the entry on the next read.
QString oneLine(const QString& text)
{
    QString s = text;
    s.replace(QLatin1Char('\r'), QLatin1Char(' '));
    s.replace(QLatin1Char('\n'), QLatin1Char(' '));
    s.replace(QChar(u'\0'), QLatin1Char(' '));
    return s;
}

bool parseAsciiFloat(const QByteArray& text, long double& value)
{
    const char* first = text.constData();
    const char* last = first + text.size();
    if (first != last && *first == '+')
        ++first;
    long double v = 0;
    const auto [ptr, ec] = std::from_chars(first, last, v);
    if (ec != std::errc() || ptr != last || !std::isfinite(v))
        return false;
    value = v;
    return true;
}

} // namespace

IniFile::IniFile(const QString& path) : m_path(path) {}

bool IniFile::load(QString* error)
{
    m_sections.clear();
    if (m_path.isEmpty() || !QFile::exists(m_path))
        return true;
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(error, m_path, file.errorString());
    return read(file, error);
}

bool IniFile::read(QIODevice& device, QString* error)
{
    m_sections.clear();
    // Read in chunks up to one byte over the cap, which tells a too-big file (or an endless
    // device) from a full one without trusting a reported size.
    constexpr qint64 Chunk = 64 * 1024;
    QByteArray bytes;
    while (bytes.size() <= MaxFileSize) {
        const qsizetype old = bytes.size();
        bytes.resize(old + Chunk);
        const qint64 got = device.read(bytes.data() + old, Chunk);
        if (got < 0)
            return fail(error, m_path, device.errorString());
        bytes.truncate(old + got);
        if (got == 0)
            break;
    }
    if (bytes.size() > MaxFileSize)
        return fail(error, m_path, QCoreApplication::translate("core", "Файл больше %1 байт.").arg(MaxFileSize));
    parse(bytes);
    return true;
}

bool IniFile::save(QString* error) const
{
    if (m_path.isEmpty())
        return fail(error, m_path, QCoreApplication::translate("core", "Не задано имя файла."));
    QString why;
    if (!WriteFileSafely(
            m_path, [this](QIODevice& device, QString* e) { return write(device, e); }, &why))
        return fail(error, m_path, why);
    return true;
}

bool IniFile::write(QIODevice& device, QString* error) const
{
    const QByteArray bytes = serialize();
    if (device.write(bytes) != bytes.size())
        return fail(error, m_path, device.errorString());
    return true;
}

void IniFile::parse(const QByteArray& bytes)
{
    m_sections.clear();
    // Lookups by folded name keep a large hostile file from turning the parse quadratic.
    QHash<QString, std::size_t> sectionIndex;
    std::vector<QSet<QString>> seenKeys;
    std::size_t current = 0;
    bool inSection = false;

    const char* data = bytes.constData();
    const qsizetype size = bytes.size();
    qsizetype pos = 0;
    while (pos < size) {
        const char* nl = static_cast<const char*>(std::memchr(data + pos, '\n', size - pos));
        const qsizetype end = nl ? nl - data : size;
        const qsizetype lineStart = pos;
        pos = end + 1;
        if (end - lineStart > MaxLineLength)
            continue;
        // A NUL ends the line's text, the way a C-string reader would see it.
        qsizetype stop = lineStart;
        while (stop < end && data[stop] != '\0' && data[stop] != '\r')
            ++stop;
        const QByteArrayView line = QByteArrayView(data + lineStart, stop - lineStart).trimmed();
        if (line.isEmpty() || line.front() == ';')
            continue;
        if (line.front() == '[') {
            // A header without its "]" is garbage; the keys under it belong to no section.
            const qsizetype close = line.indexOf(']');
            inSection = close > 0;
            if (!inSection)
                continue;
            const QString name = cp1251::decode(line.data() + 1, close - 1).trimmed();
            const QString folded = name.toCaseFolded();
            const auto it = sectionIndex.constFind(folded);
            if (it != sectionIndex.constEnd()) {
                current = *it;
            } else {
                current = m_sections.size();
                sectionIndex.insert(folded, current);
                m_sections.push_back({name, {}});
                seenKeys.emplace_back();
            }
            continue;
        }
        const qsizetype eq = line.indexOf('=');
        if (!inSection || eq < 0)
            continue;
        const QString key = cp1251::decode(line.data(), eq).trimmed();
        if (key.isEmpty())
            continue;
        // Like the classic profile readers, the first of duplicate keys wins.
        const QString folded = key.toCaseFolded();
        if (seenKeys[current].contains(folded))
            continue;
        seenKeys[current].insert(folded);
        m_sections[current].entries.push_back(
            {key, cp1251::decode(line.data() + eq + 1, line.size() - eq - 1).trimmed()});
    }
}

QByteArray IniFile::serialize() const
{
    QByteArray out;
    for (const Section& s : m_sections) {
        out += '[';
        out += cp1251::encode(s.name);
        out += "]\r\n";
        for (const Entry& e : s.entries) {
            out += cp1251::encode(e.key);
            out += '=';
            out += cp1251::encode(e.value);
            out += "\r\n";
        }
        out += "\r\n";
    }
    return out;
}

const IniFile::Section* IniFile::findSection(const QString& name) const
{
    for (const Section& s : m_sections) {
        if (sameName(s.name, name))
            return &s;
    }
    return nullptr;
}

IniFile::Section& IniFile::section(const QString& name)
{
    for (Section& s : m_sections) {
        if (sameName(s.name, name))
            return s;
    }
    m_sections.push_back({name, {}});
    return m_sections.back();
}

const IniFile::Entry* IniFile::find(const QString& section, const QString& key) const
{
    const Section* s = findSection(section);
    if (!s)
        return nullptr;
    for (const Entry& e : s->entries) {
        if (sameName(e.key, key))
            return &e;
    }
    return nullptr;
}

bool IniFile::hasKey(const QString& section, const QString& key) const
{
    return find(section, key) != nullptr;
}

QString IniFile::readString(const QString& section, const QString& key, const QString& def) const
{
    const Entry* e = find(section, key);
    return e ? e->value : def;
}

int IniFile::readInt(const QString& section, const QString& key, int def) const
{
    const Entry* e = find(section, key);
    if (!e)
        return def;
    bool ok = false;
    const int v = e->value.toInt(&ok, 10);
    return ok ? v : def;
}

bool IniFile::readBool(const QString& section, const QString& key, bool def) const
{
    const Entry* e = find(section, key);
    if (!e)
        return def;
    bool ok = false;
    const qlonglong v = e->value.toLongLong(&ok, 10);
    return ok ? v != 0 : def;
}

long double IniFile::readFloat(const QString& section, const QString& key, long double def) const
{
    const Entry* e = find(section, key);
    if (!e)
        return def;
    // Files travel between machines with different separators, so both are taken.
    QString text = e->value;
    text.replace(QLatin1Char(','), QLatin1Char('.'));
    long double v = 0;
    if (parseAsciiFloat(text.toLatin1(), v))
        return v;
    // Last resort for a locale whose digits or signs are not ASCII.
    QLocale locale;
    locale.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    const double d = locale.toDouble(e->value, &ok);
    return ok && std::isfinite(d) ? d : def;
}

void IniFile::writeString(const QString& sectionName, const QString& key, const QString& value)
{
    Section& s = section(sectionName);
    const QString v = oneLine(value);
    for (Entry& e : s.entries) {
        if (sameName(e.key, key)) {
            e.value = v;
            return;
        }
    }
    s.entries.push_back({key, v});
}

void IniFile::writeInt(const QString& section, const QString& key, int value)
{
    writeString(section, key, QString::number(value));
}

void IniFile::writeBool(const QString& section, const QString& key, bool value)
{
    writeString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void IniFile::writeFloat(const QString& section, const QString& key, long double value)
{
    if (!std::isfinite(value))
        value = 0;
    // Shortest digits that read back to the same value, fixed notation, ASCII digits.
    char buf[128];
    std::to_chars_result r = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed);
    if (r.ec != std::errc())
        r = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific);
    QString text = QString::fromLatin1(buf, r.ptr - buf);
    // The user's decimal separator, as long as the readers of this 1251 file can take it back.
    if (QLocale().decimalPoint() == QLatin1String(","))
        text.replace(QLatin1Char('.'), QLatin1Char(','));
    writeString(section, key, text);
}

void IniFile::eraseKey(const QString& sectionName, const QString& key)
{
    for (Section& s : m_sections) {
        if (!sameName(s.name, sectionName))
            continue;
        std::erase_if(s.entries, [&](const Entry& e) { return sameName(e.key, key); });
        return;
    }
}

void IniFile::eraseSection(const QString& sectionName)
{
    std::erase_if(m_sections, [&](const Section& s) { return sameName(s.name, sectionName); });
}

QStringList IniFile::sections() const
{
    QStringList list;
    for (const Section& s : m_sections)
        list << s.name;
    return list;
}

QStringList IniFile::keys(const QString& section) const
{
    QStringList list;
    if (const Section* s = findSection(section)) {
        for (const Entry& e : s->entries)
            list << e.key;
    }
    return list;
}

} // namespace core
