// A page of the proxy-list service: any text must give candidates or a conversion error.
#include "core/TextForms.h"
#include "net/ProxyList.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString page = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QStringList list;
    net::ProxyQuery any;
    try {
        const int rows = net::ProxyListParsePage(page, any, list);
        if (rows < list.size())
            __builtin_trap(); // every candidate comes from a counted row
    } catch (const core::EConvertError&) {
    }
    net::ProxyQuery some;
    some.port = 8080;
    QStringList filtered;
    try {
        net::ProxyListParsePage(page, some, filtered);
    } catch (const core::EConvertError&) {
    }
    return 0;
}
