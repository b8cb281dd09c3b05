#include "core/Placement.h"

#include "core/IniFile.h"

#include <algorithm>

#include <QStringList>

namespace core {

namespace {

QString sizedKey(const QString& key, int screenW, int screenH)
{
    return QStringLiteral("%1_%2x%3").arg(key).arg(screenW).arg(screenH);
}

// A position recorded for this very screen size beats the generic one.
QString readPos(const IniFile& ini, const QString& section, const QString& key, int screenW, int screenH)
{
    const QString sized = ini.readString(section, sizedKey(key, screenW, screenH));
    return sized.isEmpty() ? ini.readString(section, key) : sized;
}

// "%d,%d,%d,%d"; a missing or malformed number leaves the value given.
void parsePos(const QString& text, int* const (&values)[4])
{
    const QStringList parts = text.split(QLatin1Char(','));
    for (int i = 0; i < 4 && i < parts.size(); ++i) {
        bool ok = false;
        const int v = parts.at(i).trimmed().toInt(&ok);
        if (ok)
            *values[i] = v;
    }
}

QString formatPos(int a, int b, int c, int d)
{
    return QStringLiteral("%1,%2,%3,%4").arg(a).arg(b).arg(c).arg(d);
}

} // namespace

WindowShowState ShowStateFromCmd(int showCmd)
{
    switch (showCmd) {
    case 2:
    case 6:
    case 7:
        return WindowShowState::Minimized;
    case 3:
        return WindowShowState::Maximized;
    default:
        return WindowShowState::Normal;
    }
}

bool PlacementRead(const IniFile& ini, const QString& section, int screenW, int screenH, const TPlacement& current,
                   TPlacement& out)
{
    out = current;
    out.Flags = ini.readInt(section, QStringLiteral("Flags"), current.Flags);
    out.ShowCmd = ini.readInt(section, QStringLiteral("ShowCmd"), current.ShowCmd);
    out.PixelsPerInch = ini.readInt(section, QStringLiteral("PixelsPerInch"), current.PixelsPerInch);

    bool found = false;
    const QString minMax = readPos(ini, section, QStringLiteral("MinMaxPos"), screenW, screenH);
    if (!minMax.isEmpty()) {
        found = true;
        parsePos(minMax, {&out.MinX, &out.MinY, &out.MaxX, &out.MaxY});
    }
    const QString norm = readPos(ini, section, QStringLiteral("NormPos"), screenW, screenH);
    if (!norm.isEmpty()) {
        found = true;
        parsePos(norm, {&out.Left, &out.Top, &out.Right, &out.Bottom});
    }
    // A damaged or crafted file may hold coordinates whose differences, the window's width and
    // height, do not fit an int; no screen has them, so such a position is no position.
    for (const int v : {out.MinX, out.MinY, out.MaxX, out.MaxY, out.Left, out.Top, out.Right, out.Bottom})
        if (v < -kMaxCoordinate || v > kMaxCoordinate)
            return false;
    // Positions taken at another density would put the window at the wrong size and place.
    return found && out.PixelsPerInch == current.PixelsPerInch;
}

void PlacementWrite(IniFile& ini, const QString& section, int screenW, int screenH, const TPlacement& p)
{
    ini.writeInt(section, QStringLiteral("Flags"), p.Flags);
    ini.writeInt(section, QStringLiteral("ShowCmd"), p.ShowCmd);
    ini.writeInt(section, QStringLiteral("PixelsPerInch"), p.PixelsPerInch);
    const QString minMax = formatPos(p.MinX, p.MinY, p.MaxX, p.MaxY);
    const QString norm = formatPos(p.Left, p.Top, p.Right, p.Bottom);
    ini.writeString(section, sizedKey(QStringLiteral("MinMaxPos"), screenW, screenH), minMax);
    ini.writeString(section, QStringLiteral("MinMaxPos"), minMax);
    ini.writeString(section, sizedKey(QStringLiteral("NormPos"), screenW, screenH), norm);
    ini.writeString(section, QStringLiteral("NormPos"), norm);
}

QSize DefaultWindowSize(const QSize& available)
{
    constexpr int kRoomyWidth = 1280;
    constexpr int kRoomyHeight = 820;
    const int width = std::min(kRoomyWidth, available.width() * 9 / 10);
    const int height = std::min(kRoomyHeight, available.height() * 9 / 10);
    return {std::max(1, width), std::max(1, height)};
}

QRect FitIntoScreen(const QRect& window, const QRect& available)
{
    if (available.isEmpty())
        return window;
    QRect r = window;
    r.setWidth(std::clamp(r.width(), 1, available.width()));
    r.setHeight(std::clamp(r.height(), 1, available.height()));
    r.moveLeft(std::clamp(r.left(), available.left(), available.left() + available.width() - r.width()));
    r.moveTop(std::clamp(r.top(), available.top(), available.top() + available.height() - r.height()));
    return r;
}

} // namespace core
