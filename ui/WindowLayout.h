#pragma once

// Window placement and list layouts stored in the window-state file.

#include <QString>

class QHeaderView;
class QWidget;

namespace core {
class IniFile;
}

namespace ui {

void PlacementLoad(QWidget& window, const core::IniFile& ini, const QString& section, bool restoreState,
                   bool restorePosition);
void PlacementSave(const QWidget& window, core::IniFile& ini, const QString& section);

// "<name>.Column<i>" widths, and "<name>.SortType" for lists the person can sort.
void ListLayoutLoad(const core::IniFile& ini, const QString& section, const QString& name, QHeaderView& header,
                    bool sortable);
void ListLayoutSave(core::IniFile& ini, const QString& section, const QString& name, const QHeaderView& header,
                    bool sortable);
// Widens the sections whose caption (with its margins and sort mark) does not fit: the initial
// widths are counted for a small font, and a cut caption leaves a column nobody can name.
void FitSectionsToCaptions(QHeaderView& header);

} // namespace ui
