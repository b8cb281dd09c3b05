// The reference table of system sizes: any bytes must parse or be refused with a reason, and
// every row parsed must be a possible system whose bound does not exceed its size.
#include "stakes/WheelReference.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QString error;
    const auto rows = stakes::ParseWheelReference(bytes, &error);
    if (!rows) {
        if (error.isEmpty())
            std::abort();
        return 0;
    }
    for (const stakes::WheelReferenceRow& row : *rows) {
        if (row.Nums < 6 || row.Nums > 54 || row.Drawn < row.Guarantee || row.Size < 1 || row.LowerBound < 0 ||
            row.LowerBound > row.Size)
            std::abort();
    }
    return 0;
}
