#include "stakes/Systems.h"

#include "core/Cp1251.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>

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

constexpr qint64 SystemFileMax = qint64(16) << 20;

} // namespace

QString SystemFileName(int nums, int olap, int id)
{
    return QStringLiteral("%1-%2-%3_%4.dat")
        .arg(core::CombSize)
        .arg(nums, 2, 10, QLatin1Char('0'))
        .arg(olap)
        .arg(id, 4, 10, QLatin1Char('0'));
}

QString SystemFileMask(int nums)
{
    return QStringLiteral("%1-%2-*_*.dat").arg(core::CombSize).arg(nums, 2, 10, QLatin1Char('0'));
}

SystemExpansion SystemExpand(const QString& folder, const core::TByteArray& numbers)
{
    SystemExpansion result;
    const int n = int(numbers.size());
    const QStringList files = QDir(folder).entryList({SystemFileMask(n)}, QDir::Files, QDir::Name);
    if (files.isEmpty()) {
        result.Message = tr("Система для %1 чисел не найдена или не загружена на компьютер!").arg(n);
        return result;
    }
    result.Found = true;
    result.File = QDir(folder).filePath(files.first());
    QFile file(result.File);
    if (!file.open(QIODevice::ReadOnly)) {
        result.Message = file.errorString();
        return result;
    }
    const QByteArray bytes = file.read(SystemFileMax);
    const QStringList lines = cp1251::decode(bytes).split(QRegularExpression(QStringLiteral("\r\n|\r|\n")));
    int lineNo = 0;
    for (const QString& line : lines) {
        ++lineNo;
        if (line.trimmed().isEmpty())
            continue;
        const QStringList words = line.trimmed().split(separators(), Qt::SkipEmptyParts);
        if (words.size() < core::CombSize) {
            result.Combs.clear();
            result.Message = tr("Строка %1 системы содержит меньше пяти чисел: \"%2\"").arg(lineNo).arg(line);
            return result;
        }
        core::TComb comb;
        for (int i = 0; i < core::CombSize; ++i) {
            bool ok = false;
            const int p = words[i].toInt(&ok);
            if (!ok || p < 1 || p > n) {
                result.Combs.clear();
                result.Message = tr("Строка %1 системы: \"%2\" - не номер позиции от 1 до %3").arg(lineNo).arg(words[i]).arg(n);
                return result;
            }
            comb.v[i] = numbers[std::size_t(p - 1)];
        }
        result.Combs.push_back(comb);
    }
    return result;
}

} // namespace stakes
