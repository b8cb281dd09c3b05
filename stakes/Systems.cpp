#include "stakes/Systems.h"

#include "stakes/SystemFile.h"

#include <QCoreApplication>
#include <QDir>

namespace stakes {

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("stakes", text);
}

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
    std::vector<SystemLine> lines;
    if (!ReadSystemFile(result.File, n, lines, &result.Message))
        return result;
    result.Combs.reserve(lines.size());
    for (const SystemLine& line : lines) {
        core::TComb comb;
        for (int i = 0; i < core::CombSize; ++i)
            comb.v[i] = numbers[std::size_t(line[std::size_t(i)] - 1)];
        result.Combs.push_back(comb);
    }
    if (result.Combs.empty())
        result.Message = tr("Файл системы не содержит ни одной комбинации");
    return result;
}

} // namespace stakes
