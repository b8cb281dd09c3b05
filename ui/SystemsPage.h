#pragma once

// The page "Системы": the buttons of pnlSystems above the list lvSystems, which shows the
// library's systems and those on this computer with their state icons, sorted by a click on a
// column (at first by "Числа").

#include <QWidget>

#include <vector>

class QAction;
class QMenu;
class QSortFilterProxyModel;
class QTableView;

namespace app {
class SystemsController;
}

namespace core {
class IniFile;
}

namespace ui {

class CommandBar;
class SystemsModel;

class SystemsPage : public QWidget
{
    Q_OBJECT

public:
    explicit SystemsPage(app::SystemsController& systems, QWidget* parent = nullptr);

    QTableView* list() const { return m_list; }
    SystemsModel* model() const { return m_model; }
    CommandBar* panel() const { return m_panel; }
    QMenu* popup() const { return m_popup; }

    // The buttons above the list and the items of its popup menu (nullptr: a separator).
    void setCommands(const QList<QAction*>& buttons, const QList<QAction*>& popup);

    bool hasSelection() const;
    // Selected rows of the controller's list, in the order the list shows them.
    std::vector<int> selectedRows() const;
    // The focused row if selected, else the first selected one; -1 without a selection.
    int currentRow() const;
    // Selects the row of the controller's list and brings it into view.
    void selectRow(int row);

    // The page's commands that need the selection: the list is loaded again keeping the selected
    // system; downloaded rows are deselected unless focused.
    void refresh();
    void download();

    void loadLayout(const core::IniFile& ini, const QString& section);
    void saveLayout(core::IniFile& ini, const QString& section) const;

signals:
    void selectionChanged();
    // A row was double-clicked.
    void rowActivated();

private:
    int sourceRow(int viewRow) const;

    app::SystemsController& m_systems;
    SystemsModel* m_model;
    QSortFilterProxyModel* m_sorted;
    CommandBar* m_panel;
    QTableView* m_list;
    QMenu* m_popup;
};

} // namespace ui
