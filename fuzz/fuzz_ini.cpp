// Settings files: any bytes must parse, read back and serialise without a crash.
#include "core/IniFile.h"

#include <QByteArray>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    core::IniFile ini;
    ini.parse(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    for (const QString& section : ini.sections()) {
        for (const QString& key : ini.keys(section)) {
            ini.readInt(section, key, 0);
            ini.readFloat(section, key, 0);
            ini.readBool(section, key, false);
        }
    }
    core::IniFile again;
    again.parse(ini.serialize());
    return 0;
}
