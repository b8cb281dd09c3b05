// The configuration and window-state files above the ini layer: the configuration, the
// generation settings, the shredding formulas and a window's placement. Any file must read into
// values the program can use, and what is saved must read back the same.
#include "core/GameTypes.h"
#include "core/IniFile.h"
#include "core/Placement.h"
#include "core/Settings.h"

#include <QFile>
#include <QTemporaryDir>

#include <cmath>
#include <cstdlib>
#include <limits>

namespace {

void check(bool ok)
{
    if (!ok)
        std::abort();
}

bool fitsInt(std::int64_t v)
{
    return v >= std::numeric_limits<int>::min() && v <= std::numeric_limits<int>::max();
}

bool write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static QTemporaryDir dir;
    static const QString path = dir.filePath(QStringLiteral("Vertoma_5x54.cfg"));
    static const QString copy = dir.filePath(QStringLiteral("copy.cfg"));
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    if (!write(path, bytes))
        return 0;

    core::TConfigData config;
    core::TGenSettings gen;
    core::TShreddingData shredding;
    QString error;
    if (!core::ConfigLoad(path, config, &error)) {
        check(!error.isEmpty()); // the ini layer refused the file and says why
        return 0;
    }
    check(core::GenSettingsLoad(path, gen, &error) && core::ShreddingLoad(path, shredding, &error));
    check(config.MatrixCols >= 1 && config.MatrixCols <= core::NumberCount);
    check(config.ChannelSize >= 3 && config.ChannelSize <= core::NumberCount);
    check(config.Profits.size() <= 256);
    for (std::uint8_t segment : config.MatrixSegments)
        check(segment <= 9);
    check(gen.Param.size() <= 255);

    // Saved into a copy of the same file and read again, nothing changes.
    check(write(copy, bytes));
    check(core::ConfigSave(copy, config, &error) && core::GenSettingsSave(copy, gen, &error) &&
          core::ShreddingSave(copy, shredding, &error));
    core::TConfigData config2;
    core::TGenSettings gen2;
    core::TShreddingData shredding2;
    check(core::ConfigLoad(copy, config2, &error) && core::GenSettingsLoad(copy, gen2, &error) &&
          core::ShreddingLoad(copy, shredding2, &error));
    const bool cdlNumbers =
        std::isfinite(double(config.CDL.Count)) && std::isfinite(double(config.CDL.Deviation)) && std::isfinite(double(config.CDL.Level));
    if (!cdlNumbers)
        config2.CDL = config.CDL;
    check(config2 == config);
    check(gen2.Mode == gen.Mode && gen2.Param == gen.Param);
    check(shredding2 == shredding);

    // A window's placement: what is taken must give a window geometry without overflow.
    core::IniFile ini(path);
    if (!ini.load(&error))
        return 0;
    for (const QString& section : ini.sections()) {
        core::StateReadBool(path, section, QStringLiteral("RestoreState"), true);
        core::StateReadInt(path, section, QStringLiteral("Splitter"), 0);
        core::TPlacement current;
        current.Right = 800;
        current.Bottom = 600;
        core::TPlacement stored;
        if (core::PlacementRead(ini, section, 1920, 1080, current, stored) && stored.Left < stored.Right &&
            stored.Top < stored.Bottom) {
            // The window takes the normal position as left, top, width and height.
            check(fitsInt(std::int64_t(stored.Right) - stored.Left) && fitsInt(std::int64_t(stored.Bottom) - stored.Top));
        }
        core::IniFile out;
        core::PlacementWrite(out, section, 1920, 1080, stored);
        core::TPlacement again;
        core::PlacementRead(out, section, 1920, 1080, current, again);
        check(again == stored);
    }
    return 0;
}
