#include "ui/WindowLayout.h"

#include "core/IniFile.h"
#include "core/Placement.h"

#include <QHeaderView>
#include <QScreen>
#include <QWidget>

#include <cmath>

namespace ui {

namespace {

QSize screenSize(const QWidget& window)
{
    const QScreen* screen = window.screen();
    return screen ? screen->geometry().size() : QSize(1024, 768);
}

int pixelsPerInch(const QWidget& window)
{
    const QScreen* screen = window.screen();
    return screen ? int(std::lround(screen->logicalDotsPerInch())) : 96;
}

core::TPlacement currentPlacement(const QWidget& window)
{
    core::TPlacement p;
    // Stored rectangles keep the right and bottom edges exclusive.
    const QRect r = window.isMaximized() || window.isMinimized() ? window.normalGeometry() : window.geometry();
    p.Left = r.left();
    p.Top = r.top();
    p.Right = r.left() + r.width();
    p.Bottom = r.top() + r.height();
    p.PixelsPerInch = pixelsPerInch(window);
    p.ShowCmd = window.isMinimized() ? 2 : window.isMaximized() ? 3 : 1;
    return p;
}

} // namespace

void PlacementLoad(QWidget& window, const core::IniFile& ini, const QString& section, bool restoreState,
                   bool restorePosition)
{
    const QSize screen = screenSize(window);
    const core::TPlacement current = currentPlacement(window);
    core::TPlacement stored;
    if (restorePosition && core::PlacementRead(ini, section, screen.width(), screen.height(), current, stored) &&
        stored.Left < stored.Right && stored.Top < stored.Bottom) {
        window.setGeometry(stored.Left, stored.Top, stored.Right - stored.Left, stored.Bottom - stored.Top);
    }
    if (restoreState) {
        const int showCmd = ini.readInt(section, QStringLiteral("ShowCmd"), 1);
        switch (core::ShowStateFromCmd(showCmd)) {
        case core::WindowShowState::Maximized:
            window.setWindowState(window.windowState() | Qt::WindowMaximized);
            break;
        case core::WindowShowState::Minimized:
            window.setWindowState(window.windowState() | Qt::WindowMinimized);
            break;
        case core::WindowShowState::Normal:
            break;
        }
    }
}

void PlacementSave(const QWidget& window, core::IniFile& ini, const QString& section)
{
    const QSize screen = screenSize(window);
    core::PlacementWrite(ini, section, screen.width(), screen.height(), currentPlacement(window));
}

void ListLayoutLoad(const core::IniFile& ini, const QString& section, const QString& name, QHeaderView& header,
                    bool sortable)
{
    for (int i = 0; i < header.count(); ++i) {
        const int width = ini.readInt(section, QStringLiteral("%1.Column%2").arg(name).arg(i), -1);
        if (width > 0 && width < 10000)
            header.resizeSection(i, width);
    }
    if (sortable) {
        const QStringList sort =
            ini.readString(section, QStringLiteral("%1.SortType").arg(name)).split(QLatin1Char(','));
        bool okColumn = false, okOrder = false;
        const int column = sort.value(0).trimmed().toInt(&okColumn);
        const int order = sort.value(1).trimmed().toInt(&okOrder);
        if (okColumn && okOrder && column >= 0 && column < header.count())
            header.setSortIndicator(column, order == 1 ? Qt::DescendingOrder : Qt::AscendingOrder);
    }
}

void ListLayoutSave(core::IniFile& ini, const QString& section, const QString& name, const QHeaderView& header,
                    bool sortable)
{
    for (int i = 0; i < header.count(); ++i)
        ini.writeInt(section, QStringLiteral("%1.Column%2").arg(name).arg(i), header.sectionSize(i));
    if (sortable) {
        ini.writeString(section, QStringLiteral("%1.SortType").arg(name),
                        QStringLiteral("%1,%2")
                            .arg(header.sortIndicatorSection())
                            .arg(header.sortIndicatorOrder() == Qt::DescendingOrder ? 1 : 0));
    }
}

void FitSectionsToCaptions(QHeaderView& header)
{
    for (int i = 0; i < header.count(); ++i) {
        if (header.isSectionHidden(i))
            continue;
        const int needed = header.sectionSizeHint(i);
        if (needed > header.sectionSize(i))
            header.resizeSection(i, needed);
    }
}

} // namespace ui
