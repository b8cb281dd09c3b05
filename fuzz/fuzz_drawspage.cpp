// The operator's results page and the marker routines it is built from: any text must parse to
// draws or a conversion error, never a crash or a loop without end. The input is the page; when
// it holds NUL bytes, the parts after the first two are taken as a start and an end marker.
#include "core/TextForms.h"
#include "net/DrawsPage.h"
#include "net/Extract.h"

#include <QByteArrayList>

namespace {

void walk(const QString& text, const QString& start, const QString& end)
{
    for (const net::ExtractMode mode : {net::ExtractMode::Strict, net::ExtractMode::Empty, net::ExtractMode::ToEnd}) {
        try {
            net::ExtractBetween(text, start, end, mode);
            net::ExtractNested(text, start, end, start, end, mode);
            QString list = text;
            for (int i = 0; i < 10000 && !list.isEmpty(); ++i)
                net::ExtractBetweenAndCut(list, start, end, mode);
        } catch (const core::EConvertError&) {
        }
    }
    QString rows = text;
    for (int i = 0; i < 10000 && !rows.isEmpty(); ++i)
        net::ExtractSegment(rows, start);
    net::Unquote(text);
    net::IntOrZero(text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QByteArrayList parts = bytes.split('\0');
    const QString page = QString::fromUtf8(parts.value(0));
    try {
        for (const core::TDrawRec& d : net::ParseDrawsPage(page, 20240114, 1000)) {
            // Whatever a page gives must be a draw the archive can hold.
            for (int i = 0; i < core::CombSize; ++i)
                if (d.Values[i] < 1 || d.Values[i] > core::NumberCount)
                    __builtin_trap();
            if (d.Extra > core::ExtraMax)
                __builtin_trap();
        }
    } catch (const core::EConvertError&) {
    }
    walk(page, QString::fromUtf8(parts.value(1, "<li>")), QString::fromUtf8(parts.value(2, "</li>")));
    return 0;
}
