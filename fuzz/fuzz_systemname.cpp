// System file names: a name is taken only when it carries a count, a block and an id in the
// form the program writes them, and the name the program writes for those reads back to them.
#include "stakes/SystemFile.h"
#include "stakes/Systems.h"

#include <QDir>

#include <cstdlib>

namespace {

void check(bool ok)
{
    if (!ok)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString name = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const std::optional<stakes::SystemFileKey> key = stakes::ParseSystemFileName(name);
    if (!key)
        return 0;
    check(key->nums >= stakes::SystemNumsMin && key->nums <= stakes::SystemNumsMax);
    check(key->olap >= 0 && key->olap <= stakes::SystemOlapMax && key->id >= 0);
    // The digits of the name are the numbers it was read as: "5-12-3_0042.dat", any case.
    const QString digits = name.mid(7, name.size() - 11);
    check(QStringLiteral("5-%1-%2_%3.dat").arg(key->nums, 2, 10, QLatin1Char('0')).arg(key->olap).arg(digits) ==
          name.toLower());
    check(digits.toLongLong() == key->id && digits.size() >= 4);
    // The lookup by mask finds what the listing takes.
    check(QDir::match(stakes::SystemFileMask(key->nums), name));
    const QString written = stakes::SystemFileName(key->nums, key->olap, key->id);
    const std::optional<stakes::SystemFileKey> again = stakes::ParseSystemFileName(written);
    check(again && again->nums == key->nums && again->olap == key->olap && again->id == key->id);
    return 0;
}
