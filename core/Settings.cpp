#include "core/Settings.h"

#include "core/IniFile.h"
#include "core/TextForms.h"

#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <limits>

namespace core {

namespace {

const QString Global = QStringLiteral("GLOBAL");
const QString Stakes = QStringLiteral("STAKES");
const QString Cdl = QStringLiteral("CDL");
const QString Shredding = QStringLiteral("SHREDDING");

// The prize table has a row per matched count (0..5); a hostile "Profits" must not make us
// allocate for billions of rows.
constexpr int MaxProfitRows = 256;
constexpr int MaxGenParamLength = 255;

std::uint8_t toByte(int v)
{
    return static_cast<std::uint8_t>(std::clamp(v, 0, 255));
}

// Prices sit in the file as currency units and in memory as ten-thousandths.
std::int64_t toMoney(long double units)
{
    const long double scaled = std::round(units * 10000.0L);
    constexpr auto lo = static_cast<long double>(std::numeric_limits<std::int64_t>::min());
    constexpr auto hi = static_cast<long double>(std::numeric_limits<std::int64_t>::max());
    if (!(scaled > lo && scaled < hi))
        return scaled > 0 ? std::numeric_limits<std::int64_t>::max() : std::numeric_limits<std::int64_t>::min();
    return static_cast<std::int64_t>(scaled);
}

long double fromMoney(std::int64_t money)
{
    return static_cast<long double>(money) / 10000.0L;
}

QString profitKey(int row, const char* field)
{
    return QStringLiteral("Profit_%1_%2").arg(row).arg(QLatin1String(field));
}

QString formulaKey(int i, const char* suffix = "")
{
    return QStringLiteral("Formula%1%2").arg(i + 1).arg(QLatin1String(suffix));
}

// A save must not wipe the keys of other groups, so an unreadable file is not overwritten.
bool update(const QString& path, QString* error, const auto& change)
{
    IniFile ini(path);
    if (!ini.load(error))
        return false;
    change(ini);
    return ini.save(error);
}

} // namespace

bool ConfigLoad(const QString& path, TConfigData& config, QString* error)
{
    config = TConfigData{};
    IniFile ini(path);
    if (!ini.load(error))
        return false;

    // Out-of-range matrix and channel sizes would break the statistics that divide by them;
    // the configuration dialog's limits decide what is sane.
    const int cols = ini.readInt(Global, QStringLiteral("MatrixCols"), config.MatrixCols);
    if (cols >= 1 && cols <= NumberCount)
        config.MatrixCols = cols;
    const int channel = ini.readInt(Global, QStringLiteral("ChannelSize"), config.ChannelSize);
    if (channel >= 3 && channel <= NumberCount)
        config.ChannelSize = channel;

    config.MatrixSegments = TextToDigits(ini.readString(Global, QStringLiteral("MatrixSegments")));

    config.Cost = toMoney(ini.readFloat(Stakes, QStringLiteral("Cost"), 0));
    config.MaxStake = ini.readInt(Stakes, QStringLiteral("MaxStake"), config.MaxStake);
    const int rows = std::clamp(ini.readInt(Stakes, QStringLiteral("Profits"), 0), 0, MaxProfitRows);
    config.Profits.resize(rows);
    for (int i = 0; i < rows; ++i) {
        config.Profits[i].Overlap = toByte(ini.readInt(Stakes, profitKey(i, "Overlap"), 0));
        config.Profits[i].Profit = toMoney(ini.readFloat(Stakes, profitKey(i, "Profit"), 0));
    }

    TCdlData& cdl = config.CDL;
    cdl.Count = ini.readFloat(Cdl, QStringLiteral("Count"), cdl.Count);
    cdl.Deviation = ini.readFloat(Cdl, QStringLiteral("Deviation"), cdl.Deviation);
    cdl.Level = ini.readFloat(Cdl, QStringLiteral("Level"), cdl.Level);
    cdl.UsePercents = ini.readInt(Cdl, QStringLiteral("UsePercents"), 0) > 0;
    cdl.UseAbsValues = ini.readInt(Cdl, QStringLiteral("UseAbsValues"), 0) > 0;
    return true;
}

bool ConfigSave(const QString& path, const TConfigData& config, QString* error)
{
    return update(path, error, [&](IniFile& ini) {
        ini.writeInt(Global, QStringLiteral("MatrixCols"), config.MatrixCols);
        ini.writeString(Global, QStringLiteral("MatrixSegments"), DigitsText(config.MatrixSegments));
        ini.writeInt(Global, QStringLiteral("ChannelSize"), config.ChannelSize);

        ini.writeFloat(Stakes, QStringLiteral("Cost"), fromMoney(config.Cost));
        ini.writeInt(Stakes, QStringLiteral("MaxStake"), config.MaxStake);
        const int rows = static_cast<int>(std::min<std::size_t>(config.Profits.size(), MaxProfitRows));
        ini.writeInt(Stakes, QStringLiteral("Profits"), rows);
        for (int i = 0; i < rows; ++i) {
            ini.writeInt(Stakes, profitKey(i, "Overlap"), config.Profits[i].Overlap);
            ini.writeFloat(Stakes, profitKey(i, "Profit"), fromMoney(config.Profits[i].Profit));
        }
        // Rows of a longer earlier table would only confuse a reader of the file.
        static const QRegularExpression rowKey(QStringLiteral("^Profit_(\\d+)_(Overlap|Profit)$"),
                                               QRegularExpression::CaseInsensitiveOption);
        for (const QString& key : ini.keys(Stakes)) {
            const QRegularExpressionMatch m = rowKey.match(key);
            if (m.hasMatch() && m.capturedView(1).toLongLong() >= rows)
                ini.eraseKey(Stakes, key);
        }

        ini.writeFloat(Cdl, QStringLiteral("Count"), config.CDL.Count);
        ini.writeFloat(Cdl, QStringLiteral("Deviation"), config.CDL.Deviation);
        ini.writeFloat(Cdl, QStringLiteral("Level"), config.CDL.Level);
        ini.writeBool(Cdl, QStringLiteral("UsePercents"), config.CDL.UsePercents);
        ini.writeBool(Cdl, QStringLiteral("UseAbsValues"), config.CDL.UseAbsValues);
    });
}

bool GenSettingsLoad(const QString& path, TGenSettings& gen, QString* error)
{
    gen = TGenSettings{};
    IniFile ini(path);
    if (!ini.load(error))
        return false;
    gen.Mode = toByte(ini.readInt(Global, QStringLiteral("CombsGenerateMode"), 0));
    gen.Param = ini.readString(Global, QStringLiteral("CombsGenerateParameters")).left(MaxGenParamLength);
    return true;
}

bool GenSettingsSave(const QString& path, const TGenSettings& gen, QString* error)
{
    return update(path, error, [&](IniFile& ini) {
        ini.writeInt(Global, QStringLiteral("CombsGenerateMode"), gen.Mode);
        ini.writeString(Global, QStringLiteral("CombsGenerateParameters"), gen.Param.left(MaxGenParamLength));
    });
}

bool ShreddingLoad(const QString& path, TShreddingData& data, QString* error)
{
    data = TShreddingData{};
    IniFile ini(path);
    if (!ini.load(error))
        return false;
    for (int i = 0; i < 3; ++i) {
        data.Formula[i] = ini.readString(Shredding, formulaKey(i), data.Formula[i]);
        data.Digits[i] = toByte(ini.readInt(Shredding, formulaKey(i, "Digits"), data.Digits[i]));
    }
    return true;
}

bool ShreddingSave(const QString& path, const TShreddingData& data, QString* error)
{
    return update(path, error, [&](IniFile& ini) {
        for (int i = 0; i < 3; ++i) {
            ini.writeString(Shredding, formulaKey(i), data.Formula[i]);
            ini.writeInt(Shredding, formulaKey(i, "Digits"), data.Digits[i]);
        }
    });
}

// The read routines have no error channel: an unreadable file reads as defaults, and the
// next write reports the trouble.
bool StateReadBool(const QString& path, const QString& window, const QString& key, bool def)
{
    IniFile ini(path);
    return ini.load() ? ini.readBool(window, key, def) : def;
}

int StateReadInt(const QString& path, const QString& window, const QString& key, int def)
{
    IniFile ini(path);
    return ini.load() ? ini.readInt(window, key, def) : def;
}

QString StateReadString(const QString& path, const QString& window, const QString& key, const QString& def)
{
    IniFile ini(path);
    return ini.load() ? ini.readString(window, key, def) : def;
}

bool StateWriteBool(const QString& path, const QString& window, const QString& key, bool value, QString* error)
{
    return update(path, error, [&](IniFile& ini) { ini.writeBool(window, key, value); });
}

bool StateWriteInt(const QString& path, const QString& window, const QString& key, int value, QString* error)
{
    return update(path, error, [&](IniFile& ini) { ini.writeInt(window, key, value); });
}

bool StateWriteString(const QString& path, const QString& window, const QString& key, const QString& value,
                      QString* error)
{
    return update(path, error, [&](IniFile& ini) { ini.writeString(window, key, value); });
}

} // namespace core
