// Typed texts: draw input, combinations, number lists, dates and segment digits.
#include "core/Dates.h"
#include "core/DrawInput.h"
#include "core/TextForms.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    core::TDrawRec rec;
    core::ParseDrawText(text, rec);
    try {
        core::TextToComb(text);
    } catch (const core::EConvertError&) {
    }
    core::ParseIntList(text);
    try {
        core::TextToDate(text);
    } catch (const core::EConvertError&) {
    }
    core::TextToDigits(text);
    core::DiffText(text, 5);
    return 0;
}
