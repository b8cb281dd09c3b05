#include "views/FullSet.h"

#include "core/GameMath.h"
#include "core/SafeWrite.h"
#include "core/TextForms.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <thread>

namespace views {

namespace {

void putU16(QByteArray& out, std::uint16_t v)
{
    out.append(char(v & 0xFF));
    out.append(char(v >> 8));
}

void putI32(QByteArray& out, std::int32_t v)
{
    const auto u = std::uint32_t(v);
    for (int i = 0; i < 4; ++i)
        out.append(char((u >> (8 * i)) & 0xFF));
}

std::uint16_t getU16(const char* p)
{
    return std::uint16_t(std::uint8_t(p[0]) | (std::uint16_t(std::uint8_t(p[1])) << 8));
}

std::int32_t getI32(const char* p)
{
    std::uint32_t u = 0;
    for (int i = 0; i < 4; ++i)
        u |= std::uint32_t(std::uint8_t(p[i])) << (8 * i);
    return std::int32_t(u);
}

} // namespace

QString FullSetPath(const core::DataFolder& folder, const QString& code)
{
    return QDir(folder.dir()).filePath(QStringLiteral("Prefetchs/%1_%2.dfc").arg(folder.baseName(), code));
}

const core::TCombsArray& FullCombinationSet()
{
    static const core::TCombsArray all = [] {
        core::TCombsArray combs;
        combs.reserve(std::size_t(core::TotalCombs()));
        const int n = core::NumberCount;
        for (int a = 1; a <= n - 4; ++a)
            for (int b = a + 1; b <= n - 3; ++b)
                for (int c = b + 1; c <= n - 2; ++c)
                    for (int d = c + 1; d <= n - 1; ++d)
                        for (int e = d + 1; e <= n; ++e)
                            combs.push_back(core::TComb{
                                {std::uint8_t(a), std::uint8_t(b), std::uint8_t(c), std::uint8_t(d), std::uint8_t(e)}});
        return combs;
    }();
    return all;
}

FullSetCounts ComputeFullSet(const stats::TStatList& list, int method)
{
    const core::TCombsArray& all = FullCombinationSet();
    const std::span<const core::TComb> whole(all);
    const std::size_t half = all.size() / 2;
    core::TStatDrawArray first;
    core::TStatDrawArray second;
    // Two instances, one per half; the instances share nothing but the read-only settings.
    auto statA = list.CreateStat(method);
    auto statB = list.CreateStat(method);
    std::thread worker([&] { statB->CalcCombs(whole.subspan(half), second); });
    statA->CalcCombs(whole.first(half), first);
    worker.join();

    for (const core::TStatDrawRec& r : second) {
        const auto it =
            std::find_if(first.begin(), first.end(), [&](const core::TStatDrawRec& e) { return e.Key == r.Key; });
        if (it != first.end())
            it->Count += r.Count;
        else
            first.push_back(r);
    }
    core::StatDrawSort(first);
    FullSetCounts counts;
    counts.Records.reserve(first.size());
    for (const core::TStatDrawRec& r : first)
        counts.Records.push_back({r.Key, r.Count});
    if (!first.empty()) {
        const auto [lo, hi] = std::minmax_element(first.begin(), first.end(),
                                                  [](const auto& a, const auto& b) { return a.Count < b.Count; });
        counts.MinCount = lo->Count;
        counts.MaxCount = hi->Count;
    }
    return counts;
}

QByteArray FullSetFileBytes(const FullSetCounts& counts)
{
    QByteArray bytes;
    bytes.reserve(qsizetype(counts.Records.size() + 1) * kFullSetRecordSize);
    for (const FullSetCounts::Record& r : counts.Records) {
        for (std::uint16_t c : r.Key.c)
            putU16(bytes, c);
        putI32(bytes, r.Count);
    }
    putI32(bytes, counts.MinCount);
    putI32(bytes, counts.MaxCount);
    putI32(bytes, 0);
    return bytes;
}

bool ParseFullSetBytes(const QByteArray& bytes, FullSetCounts& counts, QString* error)
{
    counts = FullSetCounts{};
    if (bytes.isEmpty())
        return true;
    if (bytes.size() % kFullSetRecordSize != 0 || bytes.size() < kFullSetRecordSize) {
        if (error)
            *error = QCoreApplication::translate("views", "Длина файла не кратна 12 байтам: %1").arg(bytes.size());
        return false;
    }
    const qsizetype records = bytes.size() / kFullSetRecordSize - 1;
    counts.Records.reserve(std::size_t(records));
    const char* p = bytes.constData();
    for (qsizetype i = 0; i < records; ++i, p += kFullSetRecordSize) {
        FullSetCounts::Record r;
        for (int c = 0; c < 4; ++c)
            r.Key.c[c] = getU16(p + 2 * c);
        r.Count = getI32(p + 8);
        counts.Records.push_back(r);
    }
    counts.MinCount = getI32(p);
    counts.MaxCount = getI32(p + 4);
    return true;
}

bool WriteFullSetFile(const QString& path, const FullSetCounts& counts, QString* error)
{
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        if (error)
            *error = QCoreApplication::translate("views", "Не удалось создать каталог %1")
                         .arg(QFileInfo(path).absolutePath());
        return false;
    }
    const QByteArray bytes = FullSetFileBytes(counts);
    return core::WriteFileSafely(
        path,
        [&](QIODevice& device, QString* err) {
            if (device.write(bytes) != bytes.size()) {
                if (err)
                    *err = device.errorString();
                return false;
            }
            return true;
        },
        error);
}

bool ReadFullSetFile(const QString& path, FullSetCounts& counts, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    // A distribution never has more values than combinations.
    if (file.size() > (core::TotalCombs() + 1) * kFullSetRecordSize) {
        if (error)
            *error = QCoreApplication::translate("views", "Слишком большой файл: %1 байт").arg(file.size());
        return false;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return ParseFullSetBytes(bytes, counts, error);
}

} // namespace views
