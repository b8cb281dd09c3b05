// CSV import: any bytes must give draws the archive can hold, each number once, and counts that
// add up; what was taken must export and read back the same.
#include "core/GameTypes.h"
#include "net/DrawsCsv.h"

#include <QSet>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const core::TDrawsArray archive = {core::TDrawRec{}, core::TDrawRec{}};
    const net::CsvImport r = net::ParseDrawsCsv(bytes, archive);
    if (r.taken != static_cast<int>(r.added.size()))
        __builtin_trap();
    QSet<int> nums;
    for (const core::TDrawRec& d : r.added) {
        if (d.Num <= 0 || nums.contains(d.Num) || d.Extra > core::ExtraMax)
            __builtin_trap();
        nums.insert(d.Num);
        for (int i = 0; i < core::CombSize; ++i)
            if (d.Values[i] < 1 || d.Values[i] > core::NumberCount)
                __builtin_trap();
    }
    const net::CsvImport back = net::ParseDrawsCsv(net::DrawsCsvText(r.added), {});
    if (back.taken != r.taken)
        __builtin_trap();
    net::SplitCsvFields(QString::fromUtf8(bytes));
    return 0;
}
