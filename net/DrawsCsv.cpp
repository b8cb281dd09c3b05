#include "net/DrawsCsv.h"

#include "core/Cp1251.h"
#include "core/SafeWrite.h"
#include "core/TextForms.h"

#include <QCoreApplication>
#include <QFile>
#include <QSet>

namespace net {

namespace {

// The draw archive's reader refuses files of more records than this.
constexpr std::size_t kMaxArchiveDraws = 1'000'000;

QString tr(const char* text)
{
    return QCoreApplication::translate("net", text);
}

bool isBlank(QChar c)
{
    return c.unicode() >= 1 && c.unicode() <= u' ';
}

int fieldInt(const QString& text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? value : 0;
}

QString quoted(const QString& text)
{
    QString result = text;
    result.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return u'"' + result + u'"';
}

} // namespace

QByteArray DrawsCsvText(const core::TDrawsArray& draws)
{
    QString text;
    text.reserve(static_cast<qsizetype>(draws.size()) * 40);
    for (const core::TDrawRec& d : draws) {
        text += QString::number(d.Num) + u';' + quoted(core::DrawDateText(d));
        for (int i = 0; i < core::CombSize; ++i)
            text += u';' + QString::number(d.Values[i]);
        text += u';' + QString::number(d.Extra) + QStringLiteral("\r\n");
    }
    return cp1251::encode(text);
}

bool WriteDrawsCsv(QIODevice& device, const core::TDrawsArray& draws, QString* error)
{
    const QByteArray bytes = DrawsCsvText(draws);
    if (device.write(bytes) != bytes.size()) {
        if (error)
            *error = device.errorString();
        return false;
    }
    return true;
}

bool SaveDrawsCsv(const QString& path, const core::TDrawsArray& draws, QString* error)
{
    return core::WriteFileSafely(
        path, [&](QIODevice& device, QString* e) { return WriteDrawsCsv(device, draws, e); }, error);
}

QStringList SplitCsvFields(const QString& line)
{
    QStringList fields;
    const qsizetype nul = line.indexOf(QChar(0));
    const QStringView text = QStringView(line).left(nul < 0 ? line.size() : nul);
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n && isBlank(text[i]))
        ++i;
    while (i < n) {
        QString field;
        if (text[i] == u'"') {
            ++i;
            while (i < n) {
                if (text[i] == u'"') {
                    if (i + 1 < n && text[i + 1] == u'"') {
                        field += u'"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                field += text[i++];
            }
        } else {
            const qsizetype start = i;
            while (i < n && text[i].unicode() > u' ' && text[i] != u';')
                ++i;
            field = text.mid(start, i - start).toString();
        }
        fields << field;
        while (i < n && isBlank(text[i]))
            ++i;
        if (i < n && text[i] == u';') {
            // A separator at the very end still opens an (empty) last field.
            if (i + 1 == n)
                fields << QString();
            do
                ++i;
            while (i < n && isBlank(text[i]));
        }
    }
    return fields;
}

CsvImport ParseDrawsCsv(const QByteArray& bytes, const core::TDrawsArray& archive)
{
    CsvImport result;
    QSet<int> numbers;
    numbers.reserve(static_cast<qsizetype>(archive.size()));
    for (const core::TDrawRec& d : archive)
        numbers.insert(d.Num);
    const QString text = cp1251::decode(bytes);
    qsizetype pos = 0;
    while (pos < text.size()) {
        qsizetype end = pos;
        while (end < text.size() && text[end] != u'\r' && text[end] != u'\n')
            ++end;
        const QString line = text.mid(pos, end - pos);
        // CR LF, a lone LF and a lone CR all end a line.
        pos = end + (end + 1 < text.size() && text[end] == u'\r' && text[end + 1] == u'\n' ? 2 : 1);
        if (line.trimmed().isEmpty())
            continue;

        const QStringList f = SplitCsvFields(line);
        const std::size_t size = archive.size() + result.added.size();
        if ((f.size() != 7 && f.size() != 8) || size >= kMaxArchiveDraws) {
            ++result.skipped;
            continue;
        }
        const int first = f.size() == 8 ? 2 : 1;
        core::TDrawRec rec;
        rec.Num = f.size() == 8 ? fieldInt(f[0]) : static_cast<int>(size) + 1;
        core::SetDrawDateText(rec, f[first - 1].left(core::DrawDateMaxLen));
        bool valid = rec.Num > 0 && !numbers.contains(rec.Num);
        bool seen[core::NumberCount + 1] = {};
        for (int i = 0; i < core::CombSize && valid; ++i) {
            const int v = fieldInt(f[first + i]);
            valid = v >= 1 && v <= core::NumberCount && !seen[v];
            if (valid) {
                seen[v] = true;
                rec.Values[i] = static_cast<std::uint8_t>(v);
            }
        }
        const int key = fieldInt(f[first + core::CombSize]);
        if (!valid || key < 0 || key > core::ExtraMax) {
            ++result.skipped;
            continue;
        }
        rec.Extra = static_cast<std::uint8_t>(key);
        numbers.insert(rec.Num);
        result.added.push_back(rec);
        ++result.taken;
    }
    return result;
}

bool ReadDrawsCsv(const QString& path, QByteArray& bytes, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = tr("Не удалось открыть файл \"%1\": %2").arg(path, file.errorString());
        return false;
    }
    // Read one byte past the bound, so a file that grows (or a device without a size) is caught.
    bytes = file.read(kMaxCsvBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        if (error)
            *error = tr("Ошибка чтения файла \"%1\": %2").arg(path, file.errorString());
        return false;
    }
    if (bytes.size() > kMaxCsvBytes) {
        bytes.clear();
        if (error)
            *error = tr("Файл \"%1\" слишком велик для списка тиражей (больше %2 МиБ).").arg(path).arg(kMaxCsvBytes >> 20);
        return false;
    }
    return true;
}

} // namespace net
