#pragma once

// The page "Сценарий": the panel of script commands above the list lvScript, one row per script
// line, and the script's own status bar sbScript (lines, cycle, line, stakes and the current
// step of a run). The commands are the main window's actions; the page shows them, follows the
// rows the script asks to show and tells which rows the person picked.

#include <QList>
#include <QWidget>

class QAction;
class QLabel;
class QMenu;
class QStatusBar;
class QTableView;
class QToolBar;

namespace app {
class Session;
}

namespace core {
class IniFile;
}

namespace ui {

class ScriptModel;

class ScriptPage : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kPanelCount = 5;

    explicit ScriptPage(app::Session& session, QWidget* parent = nullptr);

    QTableView* list() const { return m_list; }
    ScriptModel* model() const { return m_model; }
    QToolBar* panel() const { return m_panel; }
    QMenu* popup() const { return m_popup; }
    QStatusBar* statusBar() const { return m_statusBar; }
    QLabel* statusPanel(int index) const { return m_panels[index]; }

    // The buttons of the panel and the items of the list's popup menu (nullptr: a separator).
    void setCommands(const QList<QAction*>& buttons, const QList<QAction*>& popup);

    // The focused row, or -1; the selected rows in ascending order.
    int focusedRow() const;
    QList<int> selectedRows() const;
    bool hasSelection() const;

    void loadLayout(const core::IniFile& ini, const QString& section);
    void saveLayout(core::IniFile& ini, const QString& section) const;

signals:
    // The selection or the focused row changed.
    void selectionChanged();
    // A row was double-clicked.
    void rowActivated();

private:
    void reload();
    void focusLine(int row);
    void showRunningLine(int row);
    void refreshPanels();

    app::Session& m_session;
    ScriptModel* m_model;
    QToolBar* m_panel;
    QTableView* m_list;
    QMenu* m_popup;
    QStatusBar* m_statusBar;
    QLabel* m_panels[kPanelCount] = {};
};

} // namespace ui
