#pragma once

// The page "Регуляры": the panel of rule commands above the list lvTables, one row per regular
// table stake. The commands are the main window's actions; the page shows them and tells which
// rules the person picked.

#include <QWidget>

#include <vector>

class QAction;
class QMenu;
class QTableView;

namespace app {
class TablesController;
}

namespace core {
class IniFile;
}

namespace ui {

class CommandBar;
class TablesModel;

class TablesPage : public QWidget
{
    Q_OBJECT

public:
    explicit TablesPage(app::TablesController& tables, QWidget* parent = nullptr);

    QTableView* list() const { return m_list; }
    TablesModel* model() const { return m_model; }
    CommandBar* panel() const { return m_panel; }
    QMenu* popup() const { return m_popup; }

    // The buttons of the panel and the items of the list's popup menu (nullptr: a separator).
    void setCommands(const QList<QAction*>& buttons, const QList<QAction*>& popup);

    bool hasSelection() const;
    // The selected rows in list order.
    std::vector<int> selectedRows() const;

    void loadLayout(const core::IniFile& ini, const QString& section);
    void saveLayout(core::IniFile& ini, const QString& section) const;

signals:
    void selectionChanged();

private:
    TablesModel* m_model;
    CommandBar* m_panel;
    QTableView* m_list;
    QMenu* m_popup;
};

} // namespace ui
