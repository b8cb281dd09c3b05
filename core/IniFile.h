#pragma once

// Sectioned key=value text files in code page 1251: "[Section]" headers, one "key=value" per
// line. Section and key names compare without regard to letter case; the order of sections and
// keys is kept when the file is rewritten. Lines that are neither are kept out of the model
// (and so dropped on the next save). Saving rewrites the whole file through a temporary file.
//
// Reading is defensive: a file over 2 MiB is refused with an error, a line over 64 KiB is
// skipped, a NUL or CR ends a line's text, lines before the first valid "[...]" header (or
// after a header without "]") belong to no section and are ignored, and of duplicate keys the
// first wins. Values are trimmed, so leading and trailing blanks do not survive a round trip.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

class QIODevice;

namespace core {

class IniFile
{
public:
    IniFile() = default;
    explicit IniFile(const QString& path);

    const QString& path() const { return m_path; }

    // Reads the file; a missing file reads as empty and is no error.
    bool load(QString* error = nullptr);
    // Rewrites the whole file and commits it.
    bool save(QString* error = nullptr) const;

    // The device forms of load() and save(); path() only names the file in error texts.
    bool read(QIODevice& device, QString* error = nullptr);
    bool write(QIODevice& device, QString* error = nullptr) const;

    void parse(const QByteArray& bytes);
    QByteArray serialize() const;

    bool hasKey(const QString& section, const QString& key) const;
    QString readString(const QString& section, const QString& key, const QString& def = {}) const;
    // Trimmed decimal integer; anything else gives def.
    int readInt(const QString& section, const QString& key, int def) const;
    // True for any non-zero integer.
    bool readBool(const QString& section, const QString& key, bool def) const;
    // The platform's number format; a "." or "," separator is accepted either way. Anything
    // that is not a finite number gives def.
    long double readFloat(const QString& section, const QString& key, long double def) const;

    void writeString(const QString& section, const QString& key, const QString& value);
    void writeInt(const QString& section, const QString& key, int value);
    void writeBool(const QString& section, const QString& key, bool value);
    // Shortest fixed-point digits that read back to the same value, with the user's decimal
    // separator when it is "," and "." otherwise (the file is 1251, so exotic ones are out).
    void writeFloat(const QString& section, const QString& key, long double value);
    void eraseKey(const QString& section, const QString& key);
    void eraseSection(const QString& section);

    QStringList sections() const;
    QStringList keys(const QString& section) const;

private:
    struct Entry
    {
        QString key;
        QString value;
    };
    struct Section
    {
        QString name;
        std::vector<Entry> entries;
    };

    const Section* findSection(const QString& name) const;
    Section& section(const QString& name);
    const Entry* find(const QString& section, const QString& key) const;

    QString m_path;
    std::vector<Section> m_sections;
};

} // namespace core
