// The escape of text fields: every byte string comes back through the inverse, and the inverse
// takes any bytes without harm.
#include "online/Conventions.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QByteArray escaped = online::CEscape(bytes);
    const auto back = online::CUnescape(escaped);
    if (!back || *back != bytes)
        __builtin_trap();
    // Escaped text holds no control byte below 14 except the ones the escape leaves alone.
    for (const char c : escaped) {
        const auto b = static_cast<unsigned char>(c);
        if (b <= 13 || b == 27)
            __builtin_trap();
    }
    if (const auto raw = online::CUnescape(bytes)) {
        if (raw->size() > bytes.size())
            __builtin_trap(); // unescaping never grows
        if (online::CUnescape(online::CEscape(*raw)) != raw)
            __builtin_trap();
    }
    return 0;
}
