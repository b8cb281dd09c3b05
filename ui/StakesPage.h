#pragma once

// The page "Ставки": the panel of stake commands above the grid sgStakes, which shows the stakes
// file row by row. The commands are the main window's actions; the page shows them and tells
// which rows the person picked.

#include <QWidget>

class QAction;
class QMenu;
class QTableView;

namespace app {
class StakesController;
}

namespace core {
class IniFile;
}

namespace ui {

class CommandBar;
class StakesModel;

class StakesPage : public QWidget
{
    Q_OBJECT

public:
    explicit StakesPage(app::StakesController& stakes, QWidget* parent = nullptr);

    QTableView* grid() const { return m_grid; }
    StakesModel* model() const { return m_model; }
    CommandBar* panel() const { return m_panel; }
    QMenu* popup() const { return m_popup; }

    // The buttons of the panel and the items of the grid's popup menu (nullptr: a separator).
    void setCommands(const QList<QAction*>& buttons, const QList<QAction*>& popup);

    bool hasSelection() const;
    // The first and last selected grid rows (row i shows record i); false when none is.
    bool selectedRange(int& top, int& bottom) const;

    void loadLayout(const core::IniFile& ini, const QString& section);
    void saveLayout(core::IniFile& ini, const QString& section) const;

signals:
    void selectionChanged();

private:
    void onRefreshed(qint64 rows, bool repaint, bool scrollToEnd);

    app::StakesController& m_stakes;
    StakesModel* m_model;
    CommandBar* m_panel;
    QTableView* m_grid;
    QMenu* m_popup;
};

} // namespace ui
