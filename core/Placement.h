#pragma once

// The placement keys of a window's section in the window-state file: flags, show command,
// screen density and the minimised/maximised and normal positions, each stored twice, once
// for the screen size it was taken on and once without it. Pure logic over IniFile; the GUI
// turns a TPlacement into a real window geometry.

#include <QRect>
#include <QString>

namespace core {

class IniFile;

struct TPlacement
{
    int Flags = 0;
    int ShowCmd = 1;
    int PixelsPerInch = 96;
    int MinX = 0, MinY = 0, MaxX = 0, MaxY = 0;
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
    friend bool operator==(const TPlacement&, const TPlacement&) = default;
};

// The largest window coordinate taken from a file, the largest size a window can have, so that
// the differences of two coordinates always fit an int.
inline constexpr int kMaxCoordinate = (1 << 24) - 1;

enum class WindowShowState { Normal, Minimized, Maximized };

// Show commands 1, 5, 9 are normal, 2, 6, 7 minimised, 3 maximised; anything else is normal.
WindowShowState ShowStateFromCmd(int showCmd);

// Fills out from the section, starting from current for whatever is missing. Returns true only
// when a stored position was found and it was taken at current.PixelsPerInch (a file without
// "PixelsPerInch" counts as taken at the current density) and every coordinate lies within
// ±kMaxCoordinate; otherwise the caller keeps its own geometry.
bool PlacementRead(const IniFile& ini, const QString& section, int screenW, int screenH, const TPlacement& current,
                   TPlacement& out);
// Writes every placement key, the positions both with and without the screen size.
void PlacementWrite(IniFile& ini, const QString& section, int screenW, int screenH, const TPlacement& placement);

// The size of a main window that has no stored placement: roomy on a large screen, nine tenths of
// a small one, never larger than the screen's free area.
QSize DefaultWindowSize(const QSize& available);
// A window rectangle moved, and shrunk only where it must, so that it lies within the screen's
// free area (a placement stored on a larger screen or with another panel layout).
QRect FitIntoScreen(const QRect& window, const QRect& available);

} // namespace core
