// The draw archive: any bytes must load, list and answer the date query without a crash.
#include "core/DrawArchive.h"
#include "core/TextForms.h"

#include <QBuffer>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    core::TDrawsArray draws;
    core::ReadDraws(buffer, draws);
    for (int row = 0; row < static_cast<int>(draws.size()); ++row) {
        const core::TDrawRec& d = draws[static_cast<std::size_t>(core::DrawIndexOfRow(draws, row))];
        for (int column = 0; column < core::DrawColumnCount; ++column) {
            core::DrawCellText(d, column, true);
            core::DrawCellColor(d, row, column, 0, false, true, 6);
        }
        try {
            core::DrawDateYmd(draws, row, 7);
        } catch (const core::EConvertError&) {
        }
        core::FindDrawIndex(draws, d.Num);
    }
    core::NextDrawText(draws, 1);
    return 0;
}
