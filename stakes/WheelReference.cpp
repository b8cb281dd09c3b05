#include "stakes/WheelReference.h"

#include <QCoreApplication>
#include <QList>

#include <algorithm>

namespace stakes {

extern const char* const kWheelReferenceCsv;

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("stakes::WheelReference", text);
}

const char kHeader[] = "numbers,guarantee,if,size,lower_bound,status";

std::optional<int> number(const QByteArray& field, int low, int high)
{
    bool ok = false;
    const int value = field.trimmed().toInt(&ok);
    if (!ok || value < low || value > high)
        return std::nullopt;
    return value;
}

} // namespace

std::optional<std::vector<WheelReferenceRow>> ParseWheelReference(const QByteArray& text, QString* error)
{
    const auto fail = [&](int line, const QString& why) -> std::optional<std::vector<WheelReferenceRow>> {
        if (error)
            *error = tr("Строка %1: %2").arg(line).arg(why);
        return std::nullopt;
    };
    std::vector<WheelReferenceRow> rows;
    const QList<QByteArray> lines = text.split('\n');
    bool header = false;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const int lineNo = int(i + 1);
        const QByteArray line = lines[i].trimmed();
        if (line.isEmpty())
            continue;
        if (!header) {
            if (line != kHeader)
                return fail(lineNo, tr("ожидался заголовок \"%1\"").arg(QLatin1String(kHeader)));
            header = true;
            continue;
        }
        const QList<QByteArray> f = line.split(',');
        if (f.size() != 6)
            return fail(lineNo, tr("ожидалось 6 полей, а не %1").arg(f.size()));
        WheelReferenceRow row;
        const auto nums = number(f[0], SystemNumsMin, SystemNumsMax);
        const auto t = number(f[1], 1, 5);
        const auto m = number(f[2], 1, 5);
        const auto size = number(f[3], 1, 1 << 30);
        const auto bound = f[4].trimmed().isEmpty() ? std::optional<int>(0) : number(f[4], 1, 1 << 30);
        if (!nums || !t || !m || *m < *t || !size || !bound || (*bound > 0 && *bound > *size))
            return fail(lineNo, tr("неверное число"));
        row.Nums = *nums;
        row.Guarantee = *t;
        row.Drawn = *m;
        row.Size = *size;
        row.LowerBound = *bound;
        row.Status = QString::fromLatin1(f[5].trimmed());
        static const QStringList statuses{QStringLiteral("optimal"), QStringLiteral("best_known"),
                                          QStringLiteral("known"), QStringLiteral("greedy")};
        if (!statuses.contains(row.Status))
            return fail(lineNo, tr("неизвестное состояние \"%1\"").arg(row.Status));
        rows.push_back(row);
    }
    if (!header)
        return fail(1, tr("ожидался заголовок \"%1\"").arg(QLatin1String(kHeader)));
    return rows;
}

const std::vector<WheelReferenceRow>& WheelReferenceTable()
{
    static const std::vector<WheelReferenceRow> table =
        ParseWheelReference(QByteArray(kWheelReferenceCsv), nullptr).value_or(std::vector<WheelReferenceRow>{});
    return table;
}

WheelSizes KnownWheelSizes(const WheelParams& p)
{
    WheelSizes sizes;
    if (p.Bankers == 0) {
        for (const WheelReferenceRow& row : WheelReferenceTable()) {
            if (row.Nums == p.Nums && row.Guarantee == p.Guarantee && row.Drawn == p.Drawn) {
                sizes.BestKnown = row.Size;
                sizes.Status = row.Status;
                sizes.LowerBound = row.LowerBound;
                break;
            }
        }
    }
    // With b bankers in every line, the other places of the lines must cover every t-set of the
    // other numbers: a covering of N - b points by blocks of 5 - b.
    if (p.Guarantee == p.Drawn)
        sizes.LowerBound = std::max(sizes.LowerBound, SchoenheimBound(p.Nums - p.Bankers, 5 - p.Bankers, p.Guarantee));
    return sizes;
}

} // namespace stakes
