// The file of regular stakes: any bytes must read as whole records plus a reported rest, show in
// every column, advance or be refused without a crash, and write back byte for byte. The same
// bytes as text go through the rule dialog's checks.
#include "stakes/StakeTables.h"

#include <QBuffer>

#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    stakes::TTablesArray rules;
    qint64 tail = 0;
    QString error;
    if (!stakes::TablesRead(buffer, rules, &tail, &error))
        return 0;
    if (qint64(rules.size()) * stakes::TableRecSize + tail != qint64(size) || tail >= stakes::TableRecSize)
        std::abort();

    QBuffer out;
    out.open(QIODevice::WriteOnly);
    if (!stakes::TablesWrite(out, rules, &error) || out.data() != bytes.left(bytes.size() - tail))
        std::abort();

    const core::TComb draws[] = {core::TComb{}, core::TComb{{7, 54, 1, 30, 22}}, core::TComb{{5, 5, 6, 7, 8}}};
    QStringList comments;
    for (stakes::TTableRec rule : rules) {
        for (int column = 0; column <= stakes::TableColumnCount; ++column)
            stakes::TableCellText(rule, column);
        comments << stakes::TableComment(rule);
        for (const core::TComb& draw : draws) {
            const bool valid = stakes::TableCheck(rule, draw).isEmpty();
            stakes::TTableRec next = rule;
            if (stakes::TableNextComb(next, draw, &error) != valid)
                std::abort();
            // An advanced rule always holds a valid combination, and a refused one is unchanged.
            if (valid ? !stakes::TableCombValid(next.CurrentComb) : std::memcmp(&next, &rule, sizeof rule) != 0)
                std::abort();
        }
    }
    const QString text = QString::fromUtf8(bytes.left(80));
    core::TComb comb;
    stakes::TableInputCheck(text, comments, true, text, comb);
    if (!rules.empty())
        stakes::TablesFromInput(rules.front(), {{1, rules.front().StartComb}, {2, rules.back().CurrentComb}});
    return 0;
}
