#include "core/DrawArchive.h"

#include "core/Dates.h"
#include "core/GameMath.h"
#include "core/SafeWrite.h"
#include "core/TextForms.h"

#include <QCoreApplication>
#include <QFile>

#include <algorithm>
#include <cstring>

namespace core {

namespace {

// Far beyond any real archive (a weekly lottery adds 52 draws a year); a larger file is
// refused instead of being allocated.
constexpr qint64 kMaxDraws = 1'000'000;

QString tr(const char* text)
{
    return QCoreApplication::translate("core", text);
}

} // namespace

void PackDraw(const TDrawRec& rec, char* out)
{
    const auto n = static_cast<std::uint32_t>(rec.Num);
    out[0] = static_cast<char>(n & 0xFF);
    out[1] = static_cast<char>((n >> 8) & 0xFF);
    out[2] = static_cast<char>((n >> 16) & 0xFF);
    out[3] = static_cast<char>((n >> 24) & 0xFF);
    std::memcpy(out + 4, rec.Values, CombSize);
    out[9] = static_cast<char>(rec.Extra);
    std::memcpy(out + 10, rec.Date, sizeof rec.Date);
    std::memcpy(out + 21, rec.Pad, sizeof rec.Pad);
}

TDrawRec UnpackDraw(const char* in)
{
    TDrawRec rec;
    const auto b = [in](int i) { return static_cast<std::uint32_t>(static_cast<unsigned char>(in[i])); };
    rec.Num = static_cast<std::int32_t>(b(0) | (b(1) << 8) | (b(2) << 16) | (b(3) << 24));
    std::memcpy(rec.Values, in + 4, CombSize);
    rec.Extra = static_cast<std::uint8_t>(in[9]);
    std::memcpy(rec.Date, in + 10, sizeof rec.Date);
    std::memcpy(rec.Pad, in + 21, sizeof rec.Pad);
    return rec;
}

bool ReadDraws(QIODevice& device, TDrawsArray& draws, QString* error)
{
    const qint64 count = device.size() / DrawRecSize;
    if (count > kMaxDraws) {
        draws.clear();
        if (error)
            *error = tr("Файл слишком велик для архива тиражей (%1 байт).").arg(device.size());
        return false;
    }
    draws.assign(static_cast<std::size_t>(count), TDrawRec{});
    char buf[DrawRecSize];
    for (qint64 i = 0; i < count; ++i) {
        const qint64 got = device.read(buf, DrawRecSize);
        if (got != DrawRecSize) {
            if (error) {
                *error = got < 0 ? device.errorString()
                                 : tr("Неожиданный конец файла: прочитано записей %1 из %2.").arg(i).arg(count);
            }
            return false;
        }
        draws[static_cast<std::size_t>(i)] = UnpackDraw(buf);
    }
    return true;
}

bool WriteDraws(QIODevice& device, const TDrawsArray& draws, QString* error)
{
    char buf[DrawRecSize];
    for (const TDrawRec& rec : draws) {
        PackDraw(rec, buf);
        if (device.write(buf, DrawRecSize) != DrawRecSize) {
            if (error)
                *error = device.errorString();
            return false;
        }
    }
    return true;
}

bool LoadDrawsFile(const QString& path, TDrawsArray& draws, QString* error)
{
    QFile file(path);
    if (!file.exists()) {
        draws.clear();
        return true;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        draws.clear();
        if (error)
            *error = file.errorString();
        return false;
    }
    return ReadDraws(file, draws, error);
}

bool SaveDrawsFile(const QString& path, const TDrawsArray& draws, QString* error)
{
    return WriteFileSafely(
        path, [&draws](QIODevice& device, QString* e) { return WriteDraws(device, draws, e); }, error, true);
}

int DrawIndexOfRow(const TDrawsArray& draws, int row)
{
    const int count = static_cast<int>(draws.size());
    return row >= 0 && row < count ? count - 1 - row : -1;
}

int NextDrawNum(const TDrawsArray& draws, int k)
{
    if (draws.empty())
        return 1;
    const int index = DrawIndexOfRow(draws, k);
    return index < 0 ? -1 : draws[static_cast<std::size_t>(index)].Num + 1;
}

QString NextDrawText(const TDrawsArray& draws, int k)
{
    const int count = static_cast<int>(draws.size());
    if (k <= 0 || k >= count)
        return {};
    const TDrawRec& next = draws[static_cast<std::size_t>(count - k)];
    return CombText(CombFromDraw(next));
}

std::bitset<256> NextDrawSet(const TDrawsArray& draws, int k)
{
    std::bitset<256> set;
    const int count = static_cast<int>(draws.size());
    if (k <= 0 || k >= count)
        return set;
    for (std::uint8_t n : draws[static_cast<std::size_t>(count - k)].Values)
        set.set(n);
    return set;
}

std::int32_t DrawDateYmd(const TDrawsArray& draws, int k, int days)
{
    const int index = DrawIndexOfRow(draws, k);
    if (index < 0)
        return 20050109;
    return DateToYmd(TextToDate(DrawDateText(draws[static_cast<std::size_t>(index)])) + days);
}

TComb DrawCombAt(const TDrawsArray& draws, int k)
{
    const int index = DrawIndexOfRow(draws, k);
    return index < 0 ? TComb{} : CombFromDraw(draws[static_cast<std::size_t>(index)]);
}

int FindDrawIndex(const TDrawsArray& draws, int num)
{
    if (draws.empty())
        return -1;
    const int high = static_cast<int>(draws.size()) - 1;
    const auto numAt = [&draws](int i) { return draws[static_cast<std::size_t>(i)].Num; };
    if (numAt(0) == num)
        return 0;
    if (numAt(high) == num)
        return high;

    // Draw numbers normally rise by one, so the position is a good first guess; the walk from
    // there and the final scan cover gaps and disorder.
    const qint64 span = qint64(numAt(high)) - numAt(0) + 1;
    if (span > 0) {
        qint64 guess = qint64(draws.size()) * (qint64(num) - numAt(0)) / span;
        if (guess > high)
            guess = high;
        if (guess >= 0) {
            int i = static_cast<int>(guess);
            if (numAt(i) == num)
                return i;
            const int step = numAt(i) < num ? 1 : -1;
            for (i += step; i >= 0 && i <= high; i += step) {
                if (numAt(i) == num)
                    return i;
            }
        }
    }
    for (int i = high; i >= 0; --i) {
        if (numAt(i) == num)
            return i;
    }
    return -1;
}

void DrawsDelete(TDrawsArray& draws, int index)
{
    if (index < 0 || index >= static_cast<int>(draws.size()))
        throw EConvertError(tr("Запись со индексом %1 в файле данных не найдена!").arg(index));
    draws.erase(draws.begin() + index);
}

QStringList DrawColumnCaptions()
{
    return {tr("Тираж"),         QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4"),
            QStringLiteral("5"), QStringLiteral("E"), QStringLiteral("S"), tr("Дата тиража")};
}

TComb ShownNumbers(const TDrawRec& draw, bool sorted)
{
    TComb comb = CombFromDraw(draw);
    if (sorted)
        SortComb(comb);
    return comb;
}

QString DrawCellText(const TDrawRec& draw, int column, bool sorted)
{
    if (column == DrawColNum)
        return NumText(draw.Num);
    if (column >= DrawColN1 && column <= DrawColN5)
        return NumText(ShownNumbers(draw, sorted).v[column - DrawColN1]);
    if (column == DrawColExtra)
        return NumText(draw.Extra);
    if (column == DrawColSum) {
        int sum = 0;
        for (std::uint8_t n : draw.Values)
            sum += n;
        return NumText(sum);
    }
    if (column == DrawColDate)
        return DrawDateText(draw);
    return {};
}

std::uint32_t DrawCellColor(const TDrawRec& draw, int row, int column, int drawsOffset, bool sorted, bool colorDraws,
                            int channelSize)
{
    const bool numberCell = column >= DrawColN1 && column <= DrawColN5;
    if (colorDraws && numberCell)
        return NumberColor(ShownNumbers(draw, sorted).v[column - DrawColN1], channelSize);
    if (row == drawsOffset)
        return kOffsetRowColor;
    return colorDraws ? kPlainCellColor : 0;
}

} // namespace core
