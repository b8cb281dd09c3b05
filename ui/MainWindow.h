#pragma once

// The main window: a frame of two page controls, the menus, the status bar and the actions.
// Every command is an action; updateActionStates() decides what is enabled and checked.

#include "core/GameTypes.h"
#include "views/DrawDetail.h"

#include <QHash>
#include <QMainWindow>

class QAction;
class QActionGroup;
class QLabel;
class QMenu;
class QSplitter;
class QTabWidget;

namespace app {
class LanguageSwitcher;
class Session;
} // namespace app

namespace ui {

class CardPage;
class CombsPage;
class DrawsPage;
class GraphsPage;
class LayoutPage;
class RatingsPage;
class ScriptPage;
class StakesPage;
class StatPage;
class TablesPage;
class SystemsPage;
class WeekPage;

class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    // Window creation: builds the frame and restores the stored layout. The session has
    // already read its settings.
    MainWindow(app::Session& session, app::LanguageSwitcher& languages, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Arms the one-shot timer that runs the initialisation once the window has appeared.
    void startInitialisation(int delayMs = 100);
    // The initialisation steps; the program ends when they say so.
    void initialise();

    QAction* action(const QString& name) const { return m_actions.value(name); }
    DrawsPage* drawsPage() const { return m_drawsPage; }
    CombsPage* combsPage() const { return m_combsPage; }
    StatPage* statPage() const { return m_statPage; }
    GraphsPage* graphsPage() const { return m_graphsPage; }
    CardPage* cardPage() const { return m_cardPage; }
    LayoutPage* layoutPage() const { return m_layoutPage; }
    WeekPage* weekPage() const { return m_weekPage; }
    StakesPage* stakesPage() const { return m_stakesPage; }
    RatingsPage* ratingsPage() const { return m_ratingsPage; }
    ScriptPage* scriptPage() const { return m_scriptPage; }
    TablesPage* tablesPage() const { return m_tablesPage; }
    SystemsPage* systemsPage() const { return m_systemsPage; }
    QTabWidget* mainPages() const { return m_pcMain; }
    QTabWidget* listPages() const { return m_pcLists; }
    QLabel* statusPanel(int index) const { return m_panels[index]; }
    QString helpPath() const { return m_helpPath; }

    void updateActionStates();
    // The width of the left pages at which the draw list shows every column whole.
    int drawListFullWidth() const;
    // The text of "О программе", which names the data folder.
    QString aboutText() const;

signals:
    // The program must end (second instance, batch words) or restart itself.
    void terminateRequested();
    void restartRequested();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void createActions();
    void createMenus();
    void createPages();
    void createStatusBar();
    void readLayout();
    // The stored width of the left pages, or the draw list's full width when none is stored.
    void applyPanelSizes();
    void storeLayout();
    void refreshStatusPanels();
    void updateCaption();
    // The combination page and its commands (MainWindowCombs.cpp).
    void createCombsActions();
    void createCombsPage();
    void createCombsMenu();
    void updateCombsActionStates(bool idle);
    // The statistics page's commands (MainWindowStat.cpp).
    void createStatActions();
    void createStatMenu(QMenu* menu);
    void updateStatActionStates(bool idle);
    // The analysis pages, the card and layout colours, repeats and details (MainWindowViews.cpp).
    void createViewsActions();
    QWidget* createViewsPage(const QString& name);
    void installViewsCommands();
    // The pages hide as the window goes; their news must no longer reach it.
    void detachViewsPages();
    void updateViewsActionStates(bool idle);
    void showDetail(std::vector<views::DetailRow> rows, const core::TComb& numbers);
    void onCombsInfo();
    void onAnalyzeRepeats();
    // The pages "Ставки" and "Рейтинг" and their commands (MainWindowStakes.cpp).
    void createStakesActions();
    void createStakesPages();
    void createStakesMenus();
    void updateStakesActionStates(bool idle);
    // The page "Регуляры", its commands and its switch (MainWindowTables.cpp).
    void createTablesActions();
    void createTablesPage();
    void createTablesMenu(QMenu* menu);
    void updateTablesActionStates(bool idle);
    void showTablesPage(bool shown);
    // The download, the proxy and the CSV exchange of draws (MainWindowWeb.cpp).
    void createWebActions();
    void addWebMenuItems(QMenu* draws);
    void updateWebActionStates(bool idle);
    // The spreadsheet export of the seven lists and grids (MainWindowExport.cpp).
    void createExportActions();
    void addExportMenuItems(QMenu* draws, QMenu* stat);
    void updateExportActionStates(bool idle);
    void exportList(const QString& name);
    // The first selected row of the combination list, or -1.
    int firstSelectedComb() const;
    // The page "Сценарий", its commands and the lock of a running script (MainWindowScript.cpp).
    void createScriptActions();
    void createScriptPage();
    void createScriptMenu();
    void updateScriptActionStates(bool idle);
    void onScriptRunningChanged(bool running);
    // The online catalogue of scripts under the script list (MainWindowScriptLibrary.cpp).
    void createScriptLibraryActions();
    void installScriptLibraryCommands();
    void updateScriptLibraryActionStates(bool idle);
    // The page "Системы" and its commands (MainWindowSystems.cpp).
    void createUpdateActions();
    void addUpdateMenuItems(QMenu* help);
    void updateUpdateActionStates(bool idle);
    void createSystemsActions();
    void createSystemsPage();
    void createSystemsMenu();
    void showSystemsPage(bool on);
    void updateSystemsActionStates(bool idle);
    // A page takes the place its placeholder holds among the main pages.
    void replacePage(const QString& name, QWidget* page);

    QAction* addAction(const QString& name, const QString& caption, const QString& hint = {});
    QAction* addToggle(const QString& name, const QString& caption, const QString& hint = {});
    void setPageVisible(const QString& key, QWidget* page, bool visible);

    void onDrawsAdd();
    void onDrawsEdit();
    void onDrawsDel();
    void onDrawsInfo();
    void onLanguageChosen(int lcid);
    void onAbout();

    app::Session& m_session;
    app::LanguageSwitcher& m_languages;
    QHash<QString, QAction*> m_actions;
    QActionGroup* m_languageGroup = nullptr;
    QMenu* m_systemsMenu = nullptr;

    QSplitter* m_splitter = nullptr;
    QTabWidget* m_pcLists = nullptr;
    QTabWidget* m_pcMain = nullptr;
    DrawsPage* m_drawsPage = nullptr;
    CombsPage* m_combsPage = nullptr;
    StatPage* m_statPage = nullptr;
    GraphsPage* m_graphsPage = nullptr;
    CardPage* m_cardPage = nullptr;
    LayoutPage* m_layoutPage = nullptr;
    WeekPage* m_weekPage = nullptr;
    StakesPage* m_stakesPage = nullptr;
    RatingsPage* m_ratingsPage = nullptr;
    ScriptPage* m_scriptPage = nullptr;
    TablesPage* m_tablesPage = nullptr;
    SystemsPage* m_systemsPage = nullptr;
    QActionGroup* m_effModeGroup = nullptr;
    QHash<QString, QWidget*> m_pages;
    QLabel* m_panels[7] = {};
    QString m_helpPath;
    bool m_initialised = false;
    int m_leftPanelWidth = -1; // stored "LeftPanelWidth"; -1 when there is none
    bool m_panelsSized = false;
};

} // namespace ui
