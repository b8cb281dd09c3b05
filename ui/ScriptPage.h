#pragma once

// The page "Сценарий": the panel of script commands above the list lvScript, one row per script
// line, and the script's own status bar sbScript (lines, cycle, line, stakes and the current
// step of a run). The commands are the main window's actions; the page shows them, follows the
// rows the script asks to show and tells which rows the person picked.
//
// Under the list, behind a splitter, the panel pnlOnlineScripts shows the online catalogue of
// scripts: its buttons and filter in pnlOnlineScriptsCmd above the list lvOnlineScripts, sorted
// by a click on a column (at first by "Рейтинг", best first). The panel's part lives in
// ScriptPageLibrary.cpp.

#include <QList>
#include <QWidget>

class QAction;
class QComboBox;
class QLabel;
class QMenu;
class QSortFilterProxyModel;
class QSplitter;
class QStatusBar;
class QTableView;

namespace app {
class ScriptController;
class StakesController;
}

namespace core {
class IniFile;
}

namespace ui {

class CommandBar;
class OnlineScriptsModel;
class ScriptModel;

class ScriptPage : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kPanelCount = 5;

    // stakes: the count of a run's stakes in the page's panel follows it.
    ScriptPage(app::ScriptController& script, app::StakesController& stakes, QWidget* parent = nullptr);

    QTableView* list() const { return m_list; }
    ScriptModel* model() const { return m_model; }
    CommandBar* panel() const { return m_panel; }
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

    // ---- the online catalogue
    QWidget* onlinePanel() const { return m_onlinePanel; }
    QSplitter* splitter() const { return m_splitter; }
    CommandBar* onlineCommands() const { return m_onlineCommands; }
    QComboBox* onlineFilter() const { return m_onlineFilter; }
    QTableView* onlineList() const { return m_onlineList; }
    OnlineScriptsModel* onlineModel() const { return m_onlineModel; }
    QMenu* onlinePopup() const { return m_onlinePopup; }
    // The buttons beside the filter and the items of the list's popup menu (nullptr: a separator).
    void setOnlineCommands(const QList<QAction*>& buttons, const QList<QAction*>& popup);
    // The catalogue's row (the controller's index) that is selected, or -1.
    int onlineRow() const;
    // Selects the catalogue's row and brings it into view.
    void selectOnlineRow(int row);

signals:
    // The selection or the focused row changed.
    void selectionChanged();
    // A row was double-clicked.
    void rowActivated();
    // The same for the catalogue's list.
    void onlineSelectionChanged();
    void onlineRowActivated();

private:
    void createOnlinePanel();
    void onOnlineSelectionChanged();
    void loadOnlineLayout(const core::IniFile& ini, const QString& section);
    void saveOnlineLayout(core::IniFile& ini, const QString& section) const;
    void reload();
    void focusLine(int row);
    void showRunningLine(int row);
    void refreshPanels();

    app::ScriptController& m_script;
    ScriptModel* m_model;
    CommandBar* m_panel;
    QTableView* m_list;
    QMenu* m_popup;
    QStatusBar* m_statusBar;
    QLabel* m_panels[kPanelCount] = {};

    QSplitter* m_splitter = nullptr;
    QWidget* m_onlinePanel = nullptr;
    CommandBar* m_onlineCommands = nullptr;
    QComboBox* m_onlineFilter = nullptr;
    QTableView* m_onlineList = nullptr;
    OnlineScriptsModel* m_onlineModel = nullptr;
    QSortFilterProxyModel* m_onlineSorted = nullptr;
    QMenu* m_onlinePopup = nullptr;
    // The panel's height while it is hidden, for the window state.
    int m_onlineHeight = 160;
};

} // namespace ui
