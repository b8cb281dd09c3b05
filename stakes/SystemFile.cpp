#include "stakes/SystemFile.h"

#include "core/Cp1251.h"
#include "core/SafeWrite.h"
#include "stakes/Systems.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

namespace stakes {

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("stakes", text);
}

// Every separator a system line may use between its positions.
const QRegularExpression& separators()
{
    static const QRegularExpression re(QStringLiteral("[ \\t*+,\\-./:;=\\\\_|~]+"));
    return re;
}

const QRegularExpression& lineBreaks()
{
    static const QRegularExpression re(QStringLiteral("\r\n|\r|\n"));
    return re;
}

constexpr qint64 SystemFileMax = qint64(16) << 20;

// Five positions of one line, or the reason they are not.
std::optional<SystemLine> parseLine(const QStringList& words, int nums, QString* error)
{
    SystemLine line{};
    std::uint64_t seen = 0;
    for (int i = 0; i < 5; ++i) {
        bool ok = false;
        const int p = words[i].toInt(&ok);
        if (!ok || p < 1 || p > nums) {
            if (error)
                *error = tr("\"%1\" - не номер позиции от 1 до %2").arg(words[i]).arg(nums);
            return std::nullopt;
        }
        if (seen & (std::uint64_t(1) << p)) {
            if (error)
                *error = tr("позиция %1 повторяется").arg(p);
            return std::nullopt;
        }
        seen |= std::uint64_t(1) << p;
        line[std::size_t(i)] = std::uint8_t(p);
    }
    return line;
}

} // namespace

std::optional<SystemFileKey> ParseSystemFileName(const QString& fileName)
{
    // Anchored as a whole: "$" alone would also take a name that ends with a line break.
    static const QRegularExpression re(
        QRegularExpression::anchoredPattern(QStringLiteral("5-([0-9]{2})-([0-9])_([0-9]{4,9})\\.dat")),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = re.match(fileName);
    if (!m.hasMatch())
        return std::nullopt;
    SystemFileKey key;
    key.nums = m.captured(1).toInt();
    key.olap = m.captured(2).toInt();
    key.id = m.captured(3).toInt();
    if (key.nums < SystemNumsMin || key.nums > SystemNumsMax || key.olap > SystemOlapMax)
        return std::nullopt;
    return key;
}

bool ParseSystemLines(const QString& text, int nums, std::vector<SystemLine>& lines, QString* error)
{
    lines.clear();
    if (nums <= 0)
        nums = SystemNumsMax;
    const QStringList rows = text.split(lineBreaks());
    int lineNo = 0;
    for (const QString& row : rows) {
        ++lineNo;
        const QString trimmed = row.trimmed();
        if (trimmed.isEmpty())
            continue;
        const QStringList words = trimmed.split(separators(), Qt::SkipEmptyParts);
        QString why;
        std::optional<SystemLine> line;
        if (words.size() < 5)
            why = tr("меньше пяти чисел");
        else
            line = parseLine(words, nums, &why);
        if (!line) {
            lines.clear();
            if (error)
                *error = tr("Строка %1 системы (\"%2\"): %3").arg(lineNo).arg(trimmed.left(80), why);
            return false;
        }
        lines.push_back(*line);
    }
    return true;
}

bool ReadSystemFile(QIODevice& device, int nums, std::vector<SystemLine>& lines, QString* error)
{
    lines.clear();
    const QByteArray bytes = device.read(SystemFileMax + 1);
    if (bytes.size() > SystemFileMax) {
        if (error)
            *error = tr("Файл системы больше %1 МБ").arg(SystemFileMax >> 20);
        return false;
    }
    return ParseSystemLines(cp1251::decode(bytes), nums, lines, error);
}

bool ReadSystemFile(const QString& path, int nums, std::vector<SystemLine>& lines, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = tr("Не удается открыть файл \"%1\": %2").arg(path, file.errorString());
        return false;
    }
    return ReadSystemFile(file, nums, lines, error);
}

std::optional<CleanedSystemText> CleanSystemText(const QString& text, QString* error)
{
    QStringList rows = text.split(lineBreaks());
    int largest = 0;
    // From the last line to the first, as the lines are deleted in place.
    for (qsizetype i = rows.size() - 1; i >= 0; --i) {
        const QStringList words = rows[i].trimmed().split(separators(), Qt::SkipEmptyParts);
        if (words.size() != 5) {
            rows.removeAt(i);
            continue;
        }
        for (const QString& word : words) {
            bool ok = false;
            word.toInt(&ok);
            if (!ok) {
                if (error)
                    *error = tr("\"%1\" не является целым числом").arg(word);
                return std::nullopt;
            }
        }
        QString why;
        const std::optional<SystemLine> line = parseLine(words, SystemNumsMax, &why);
        if (!line) {
            if (error)
                *error = tr("Строка %1 (\"%2\"): %3").arg(i + 1).arg(rows[i].trimmed(), why);
            return std::nullopt;
        }
        QStringList numbers;
        for (std::uint8_t p : *line) {
            numbers << QStringLiteral("%1").arg(int(p), 2, 10, QLatin1Char('0'));
            largest = std::max(largest, int(p));
        }
        rows[i] = numbers.join(u' ');
    }
    CleanedSystemText result;
    result.Count = int(rows.size());
    result.Nums = largest;
    for (const QString& row : std::as_const(rows))
        result.Text += row + u'\n';
    return result;
}

std::vector<LocalSystem> LocalSystems(const QString& folder)
{
    std::vector<LocalSystem> result;
    const QDir dir(folder);
    const QFileInfoList files =
        dir.entryInfoList({QStringLiteral("5-*_*.dat")}, QDir::Files | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo& info : files) {
        const std::optional<SystemFileKey> key = ParseSystemFileName(info.fileName());
        if (!key)
            continue;
        result.push_back({info.filePath(), *key, info.lastModified()});
    }
    std::stable_sort(result.begin(), result.end(),
                     [](const LocalSystem& a, const LocalSystem& b) { return a.Key.nums < b.Key.nums; });
    return result;
}

std::optional<LocalSystem> FindLocalSystem(const QString& folder, int nums)
{
    const QFileInfoList files = QDir(folder).entryInfoList({SystemFileMask(nums)}, QDir::Files, QDir::Name);
    for (const QFileInfo& info : files) {
        LocalSystem found{info.filePath(), {nums, 0, 0}, info.lastModified()};
        if (const std::optional<SystemFileKey> key = ParseSystemFileName(info.fileName()))
            found.Key = *key;
        return found;
    }
    return std::nullopt;
}

QString SystemFilePath(const QString& folder, const tSystemData& system)
{
    return QDir(folder).filePath(SystemFileName(system.nums, system.olap, system.id));
}

bool SystemFileExists(const QString& folder, const tSystemData& system)
{
    return QFileInfo(SystemFilePath(folder, system)).isFile();
}

QByteArray SystemFileText(const std::vector<SystemLine>& lines)
{
    QByteArray text;
    text.reserve(qsizetype(lines.size()) * 16);
    char buffer[24];
    for (const SystemLine& line : lines) {
        const int n = std::snprintf(buffer, sizeof buffer, "%02d %02d %02d %02d %02d\r\n", line[0], line[1], line[2],
                                    line[3], line[4]);
        text.append(buffer, n);
    }
    return text;
}

bool SystemStore(const QString& folder, const tSystemData& system, const QString& lines, QString* error,
                 QStringList* removed)
{
    const auto fail = [error](const QString& text) {
        if (error)
            *error = text;
        return false;
    };
    if (system.nums < SystemNumsMin || system.nums > SystemNumsMax)
        return fail(tr("Недопустимое количество чисел системы: %1").arg(system.nums));
    if (system.olap < 0 || system.olap > SystemOlapMax)
        return fail(tr("Недопустимый размер блока системы: %1").arg(system.olap));
    int count = 0;
    for (const QString& row : lines.split(lineBreaks()))
        count += row.trimmed().isEmpty() ? 0 : 1;
    if (count == 0 || count != system.csize)
        return fail(tr("Количество скачанных комбинаций ( %1 ) отличается от ожидаемого значения ( %2 )")
                        .arg(count)
                        .arg(system.csize));
    // A file the system game would refuse is not stored at all.
    std::vector<SystemLine> parsed;
    QString why;
    if (!ParseSystemLines(lines, system.nums, parsed, &why))
        return fail(why);

    if (!QDir().mkpath(folder))
        return fail(tr("Не удается создать папку \"%1\"").arg(folder));
    const QString path = SystemFilePath(folder, system);
    const QByteArray text = cp1251::encode(
        lines.split(lineBreaks()).filter(QRegularExpression(QStringLiteral("\\S"))).join(QStringLiteral("\r\n")) +
        QStringLiteral("\r\n"));
    const bool written = core::WriteFileSafely(
        path,
        [&text](QIODevice& device, QString* e) {
            if (device.write(text) != text.size()) {
                if (e)
                    *e = device.errorString();
                return false;
            }
            return true;
        },
        error);
    if (!written)
        return false;
    if (system.created.isValid()) {
        QFile file(path);
        if (file.open(QIODevice::ReadWrite)) {
            file.setFileTime(system.created, QFileDevice::FileModificationTime);
            // Linux keeps no settable birth time; the last-write time is what is compared.
            file.setFileTime(system.created, QFileDevice::FileBirthTime);
        }
    }
    for (const LocalSystem& other : LocalSystems(folder)) {
        if (other.Key.nums != system.nums || QFileInfo(other.Path) == QFileInfo(path))
            continue;
        if (QFile::remove(other.Path) && removed)
            removed->append(other.Path);
    }
    return QFileInfo(path).isFile();
}

} // namespace stakes
