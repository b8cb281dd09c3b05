// The rating file: any bytes must read, format in every mode, sort by every column, take new
// stakes and write back without a crash; whole records only are ever read.
#include "scripts/Ratings.h"

#include <QBuffer>

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    core::TRatingsArray rows;
    qint64 tail = 0;
    QString error;
    if (!scripts::RatingsRead(buffer, rows, &tail, &error))
        return 0;
    if (qint64(rows.size()) * scripts::RatingRecSize + tail != qint64(size))
        std::abort();
    const scripts::HitShares shares = scripts::TheoreticalHitShares();
    for (const core::TRatingRec& row : rows)
        for (int c = 0; c < scripts::RatingColumnCount; ++c)
            for (int mode = 0; mode < 3; ++mode)
                scripts::RatingCellText(row, c, scripts::EfficiencyMode(mode), shares, QStringLiteral("."));
    scripts::RatingsCsv(rows, QStringLiteral(","));
    scripts::RatingsTable table;
    table.setRows(rows);
    for (int c = -1; c <= scripts::RatingColumnCount; ++c)
        table.sort(c, c % 2 == 0);
    if (!rows.empty())
        table.add(rows.front().Name, 3, -20000);
    table.add(QStringLiteral("new"), 0, 0);

    QBuffer out;
    out.open(QIODevice::WriteOnly);
    if (!scripts::RatingsWrite(out, table.rows(), &error) ||
        out.data().size() != qsizetype(table.rows().size()) * scripts::RatingRecSize)
        std::abort();
    return 0;
}
