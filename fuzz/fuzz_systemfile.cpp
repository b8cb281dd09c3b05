// The system file reader and the dialog's line cleaning: any bytes must read or be refused with
// a reason, every line read must hold five different positions within the count, and what the
// cleaning keeps must read back as the same number of lines.
#include "core/Cp1251.h"
#include "stakes/SystemFile.h"
#include "stakes/SystemGuarantee.h"

#include <QBuffer>

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    // The first byte picks the count of numbers, as a file name would.
    const int nums = 6 + data[0] % 49;
    QByteArray bytes(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    std::vector<stakes::SystemLine> lines;
    QString error;
    if (stakes::ReadSystemFile(buffer, nums, lines, &error)) {
        for (const stakes::SystemLine& line : lines) {
            std::uint64_t seen = 0;
            for (std::uint8_t p : line) {
                if (p < 1 || p > nums || (seen & (std::uint64_t(1) << p)))
                    std::abort();
                seen |= std::uint64_t(1) << p;
            }
        }
        // Small systems only: the walk over every draw is the benchmark's business.
        if (nums <= 12 && lines.size() <= 64) {
            const stakes::SystemGuaranteeResult g = stakes::SystemGuarantee(lines, nums, 5);
            std::int64_t total = 0;
            for (std::int64_t count : g.Best)
                total += count;
            if (total != g.Draws || (!lines.empty() && g.Best[5] == 0 && g.Guarantee == 5))
                std::abort();
        }
    } else if (error.isEmpty()) {
        std::abort();
    }

    error.clear();
    const std::optional<stakes::CleanedSystemText> cleaned = stakes::CleanSystemText(cp1251::decode(bytes), &error);
    if (!cleaned) {
        if (error.isEmpty())
            std::abort();
        return 0;
    }
    std::vector<stakes::SystemLine> again;
    if (!stakes::ParseSystemLines(cleaned->Text, 0, again, &error) || int(again.size()) != cleaned->Count)
        std::abort();
    return 0;
}
