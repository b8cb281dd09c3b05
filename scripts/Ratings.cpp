#include "scripts/Ratings.h"

#include "core/Cp1251.h"
#include "core/GameMath.h"
#include "core/SafeWrite.h"
#include "core/TextForms.h"

#include <QCoreApplication>
#include <QFile>
#include <QtEndian>

#include <algorithm>
#include <cstring>

namespace scripts {

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("scripts", text);
}

template <typename T>
int sign(T value)
{
    return value < 0 ? -1 : (value > 0 ? 1 : 0);
}

// Byte offsets of the fields of a stored row.
constexpr int OffCount = 256;
constexpr int OffSum = 260;
constexpr int OffHits = 264;
constexpr int OffTotal = 288;

// The count of a row whose sums could not be added up: shown as damaged, as a damaged row of
// the file is.
constexpr std::int32_t DamagedCount = -1;

// Adds one checked stake to a row with checked sums.
bool addStake(core::TRatingRec& row, int matches, std::int64_t profit)
{
    if (matches < 0)
        return true;
    // A row that is damaged stays so; it takes nothing more.
    if (row.Count < 0)
        return false;
    std::int32_t count = 0, sum = 0, hits = 0;
    std::int64_t total = 0;
    const bool overflow = __builtin_add_overflow(row.Count, 1, &count) ||
                          __builtin_add_overflow(row.Sum, matches, &sum) ||
                          __builtin_add_overflow(row.Total, profit, &total) ||
                          (matches <= 5 && __builtin_add_overflow(row.Hits[matches], 1, &hits));
    if (overflow) {
        // Sums past what the record holds are never wrapped: the row is shown as damaged.
        row.Count = DamagedCount;
        return false;
    }
    row.Count = count;
    row.Sum = sum;
    row.Total = total;
    if (matches <= 5)
        row.Hits[matches] = hits;
    return true;
}

} // namespace

QStringList RatingColumnCaptions()
{
    QStringList list{tr("Комментарий"), tr("Ставок"), tr("Угадано"), tr("Среднее"), tr("Профит"), tr("Ср. профит")};
    for (int i = 0; i <= 5; ++i)
        list << QString::number(i);
    for (int i = 0; i <= 5; ++i)
        list << QStringLiteral("E%1").arg(i);
    return list;
}

HitShares TheoreticalHitShares()
{
    HitShares shares{};
    const double total = double(core::TotalCombs());
    for (int i = 0; i <= core::CombSize; ++i)
        shares[std::size_t(i)] = double(core::HitCombinations(core::NumberCount, core::CombSize, i)) / total;
    return shares;
}

// ---- the table

void RatingsTable::setRows(core::TRatingsArray rows)
{
    m_rows = std::move(rows);
    reindex();
}

void RatingsTable::clear()
{
    m_rows.clear();
    reindex();
}

void RatingsTable::reindex()
{
    m_index.clear();
    m_index.reserve(qsizetype(m_rows.size()));
    // Should two stored rows share a name, the first one takes the stakes, as a search from the
    // top would find it.
    for (int i = int(m_rows.size()) - 1; i >= 0; --i)
        m_index.insert(m_rows[std::size_t(i)].Name.toCaseFolded(), i);
    m_lastStored.clear();
    m_lastRow = -1;
}

int RatingsTable::rowOf(const QString& comment)
{
    const QString key = comment.toCaseFolded();
    const auto found = m_index.constFind(key);
    if (found != m_index.cend())
        return found.value();
    core::TRatingRec row;
    row.Name = comment;
    m_rows.push_back(row);
    const int index = int(m_rows.size()) - 1;
    m_index.insert(key, index);
    return index;
}

bool RatingsTable::add(const QString& comment, int matches, std::int64_t profit)
{
    if (matches < 0)
        return true;
    return addStake(m_rows[std::size_t(rowOf(comment))], matches, profit);
}

bool RatingsTable::addStored(const char* comment, int length, int matches, std::int64_t profit)
{
    if (matches < 0)
        return true;
    if (m_lastRow < 0 || m_lastStored.size() != length || std::memcmp(m_lastStored.constData(), comment, std::size_t(length)) != 0) {
        m_lastRow = rowOf(cp1251::decode(comment, length));
        m_lastStored = QByteArray(comment, length);
    }
    return addStake(m_rows[std::size_t(m_lastRow)], matches, profit);
}

void RatingsTable::sort(int column, bool descending)
{
    RatingsSortArray(m_rows, column, descending);
    reindex();
}

// ---- sorting

int RatingsCompare(const core::TRatingRec& a, const core::TRatingRec& b, int column)
{
    if (a.Count == 0 || b.Count == 0)
        return 0;
    switch (column) {
    case RColName:
        return sign(QString::localeAwareCompare(a.Name, b.Name));
    case RColCount:
        return sign(std::int64_t(a.Count) - b.Count);
    case RColSum:
        return sign(std::int64_t(a.Sum) - b.Sum);
    case RColAverage:
        return sign(core::RoundHalfEven((static_cast<long double>(a.Sum) / a.Count -
                                         static_cast<long double>(b.Sum) / b.Count) *
                                        100));
    case RColTotal:
        return sign(core::RoundHalfEven((static_cast<long double>(a.Total) - b.Total) / 100));
    case RColAverageTotal:
        return sign(core::RoundHalfEven(
            (static_cast<long double>(a.Total) / a.Count - static_cast<long double>(b.Total) / b.Count) / 100));
    default:
        if (column >= RColHits0 && column <= RColHits5)
            return sign(std::int64_t(a.Hits[column - RColHits0]) - b.Hits[column - RColHits0]);
        return 0;
    }
}

namespace {

// The classic quicksort of the list: the middle row is the pivot, the pivot index follows its
// row when it is swapped, the left part recurses and the right part loops. Rows that compare
// equal may change places, and do so exactly as in every earlier version of the list.
void quickSort(core::TRatingsArray& rows, int left, int right, int column, int direction)
{
    const auto compare = [&](int i, int j) { return direction * RatingsCompare(rows[std::size_t(i)], rows[std::size_t(j)], column); };
    int i = left;
    do {
        i = left;
        int j = right;
        int pivot = (left + right) >> 1;
        do {
            while (compare(i, pivot) < 0)
                ++i;
            while (compare(j, pivot) > 0)
                --j;
            if (i <= j) {
                if (i != j)
                    std::swap(rows[std::size_t(i)], rows[std::size_t(j)]);
                if (pivot == i)
                    pivot = j;
                else if (pivot == j)
                    pivot = i;
                ++i;
                --j;
            }
        } while (i <= j);
        if (left < j)
            quickSort(rows, left, j, column, direction);
        left = i;
    } while (i < right);
}

} // namespace

void RatingsSortArray(core::TRatingsArray& rows, int column, bool descending)
{
    if (column < 0 || rows.size() < 2)
        return;
    quickSort(rows, 0, int(rows.size()) - 1, column, descending ? -1 : 1);
}

// ---- texts

QString RatingCellText(const core::TRatingRec& row, int column, EfficiencyMode mode, const HitShares& shares,
                       const QString& decimalPoint)
{
    // Rows read from a damaged file may hold counts no stake could give.
    if (row.Count < 0)
        return column == RColName ? tr("# bad data #") : QString();
    const bool any = row.Count > 0;
    switch (column) {
    case RColName:
        return row.Name;
    case RColCount:
        return QString::number(row.Count);
    case RColSum:
        return QString::number(row.Sum);
    case RColAverage:
        return any ? core::RatioText(row.Sum, row.Count, 3, decimalPoint) : QString();
    case RColTotal:
        return core::MoneyText(row.Total, decimalPoint);
    case RColAverageTotal:
        return any ? core::MoneyText(core::DivRoundHalfEven(row.Total, row.Count), decimalPoint) : QString();
    default:
        break;
    }
    if (column >= RColHits0 && column <= RColHits5)
        return QString::number(row.Hits[column - RColHits0]);
    if (column < RColEff0 || column > RColEff5 || !any)
        return {};
    const int i = column - RColEff0;
    const long double p = shares[std::size_t(i)];
    switch (mode) {
    case EfficiencyMode::Expected:
        return QString::number(core::RoundHalfEven(row.Count * p));
    case EfficiencyMode::Absolute:
        return core::FixedText(static_cast<long double>(row.Hits[i]) * 100 / row.Count - p * 100, 3, decimalPoint) +
               u'%';
    case EfficiencyMode::Relative:
        return core::FixedText(static_cast<long double>(row.Hits[i]) * 100 / (row.Count * p), 3, decimalPoint) + u'%';
    }
    return {};
}

// ---- the file

bool RatingsRead(QIODevice& device, core::TRatingsArray& rows, qint64* tailBytes, QString* error)
{
    rows.clear();
    if (tailBytes)
        *tailBytes = 0;
    char record[RatingRecSize];
    for (;;) {
        const qint64 n = device.read(record, RatingRecSize);
        if (n < 0) {
            if (error)
                *error = device.errorString();
            return false;
        }
        if (n < RatingRecSize) {
            if (tailBytes)
                *tailBytes = n;
            return true;
        }
        core::TRatingRec row;
        const auto length = std::uint8_t(record[0]);
        row.Name = cp1251::decode(record + 1, length);
        row.Count = qFromLittleEndian<std::int32_t>(record + OffCount);
        row.Sum = qFromLittleEndian<std::int32_t>(record + OffSum);
        for (int i = 0; i < 6; ++i)
            row.Hits[i] = qFromLittleEndian<std::int32_t>(record + OffHits + 4 * i);
        row.Total = qFromLittleEndian<std::int64_t>(record + OffTotal);
        rows.push_back(std::move(row));
    }
}

bool RatingsWrite(QIODevice& device, const core::TRatingsArray& rows, QString* error)
{
    char record[RatingRecSize];
    for (const core::TRatingRec& row : rows) {
        std::memset(record, 0, sizeof record);
        const QByteArray name = cp1251::encode(row.Name).left(RatingNameMax);
        record[0] = char(std::uint8_t(name.size()));
        std::memcpy(record + 1, name.constData(), std::size_t(name.size()));
        qToLittleEndian<std::int32_t>(row.Count, record + OffCount);
        qToLittleEndian<std::int32_t>(row.Sum, record + OffSum);
        for (int i = 0; i < 6; ++i)
            qToLittleEndian<std::int32_t>(row.Hits[i], record + OffHits + 4 * i);
        qToLittleEndian<std::int64_t>(row.Total, record + OffTotal);
        if (device.write(record, RatingRecSize) != RatingRecSize) {
            if (error)
                *error = device.errorString();
            return false;
        }
    }
    return true;
}

bool RatingsReadFile(const QString& path, core::TRatingsArray& rows, qint64* tailBytes, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return RatingsRead(file, rows, tailBytes, error);
}

bool RatingsWriteFile(const QString& path, const core::TRatingsArray& rows, QString* error)
{
    return core::WriteFileSafely(
        path, [&rows](QIODevice& device, QString* e) { return RatingsWrite(device, rows, e); }, error);
}

QString RatingsCsv(const core::TRatingsArray& rows, const QString& decimalPoint)
{
    const auto quoted = [](QString text) { return u'"' + text.replace(u'"', QStringLiteral("\"\"")) + u'"'; };
    QStringList header;
    for (const QString& caption : RatingColumnCaptions())
        header << quoted(caption);
    QString text = header.join(u';') + QStringLiteral("\r\n");
    for (const core::TRatingRec& row : rows) {
        const bool any = row.Count > 0;
        QStringList cells{quoted(row.Name), QString::number(row.Count), QString::number(row.Sum),
                          any ? core::RatioText(row.Sum, row.Count, 3, decimalPoint) : QString(),
                          core::MoneyText(row.Total, decimalPoint),
                          any ? core::MoneyText(core::DivRoundHalfEven(row.Total, row.Count), decimalPoint) : QString()};
        for (int h : row.Hits)
            cells << QString::number(h);
        text += cells.join(u';') + QStringLiteral("\r\n");
    }
    return text;
}

} // namespace scripts
