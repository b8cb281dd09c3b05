#include "ui/MainWindow.h"

#include "app/ArchiveController.h"
#include "app/Languages.h"
#include "app/OnlineScripts.h"
#include "app/ScriptController.h"
#include "app/Session.h"
#include "app/SystemsController.h"
#include "app/TablesController.h"
#include "app/UpdateController.h"
#include "core/DrawArchive.h"
#include "core/IniFile.h"
#include "core/Placement.h"
#include "core/Settings.h"
#include "core/TextForms.h"
#include "core/Version.h"
#include "ui/CombsPage.h"
#include "ui/DrawListModel.h"
#include "ui/DrawsPage.h"
#include "ui/FirstRunDialog.h"
#include "ui/GraphsPage.h"
#include "ui/LayoutPage.h"
#include "ui/RatingsPage.h"
#include "ui/ScriptPage.h"
#include "ui/StakesPage.h"
#include "ui/StatPage.h"
#include "ui/SystemsPage.h"
#include "ui/TablesPage.h"
#include "ui/WeekPage.h"
#include "ui/WindowLayout.h"

#include <QAction>
#include <QCloseEvent>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QScreen>
#include <QScrollBar>
#include <QSpinBox>
#include <QSplitter>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>

namespace ui {

namespace {

// Pages whose visibility the person switches, with their window-state keys. The page of regular
// stakes has a switch of its own, which also loads or drops its rules.
struct SwitchablePage
{
    const char* key;
    const char* objectName;
};
constexpr SwitchablePage kSwitchablePages[] = {
    {"TabGraphs", "tsGraphs"}, {"TabCard", "tsCard"}, {"TabLayout", "tsLayout"}, {"TabWeek", "tsWeek"},
};

} // namespace

MainWindow::MainWindow(app::Session& session, app::LanguageSwitcher& languages, QWidget* parent)
    : QMainWindow(parent), m_session(session), m_languages(languages)
{
    setObjectName(QStringLiteral("TFormMain"));
    // Library requests name the interface language; changing it restarts the window.
    m_session.systems().setLanguage(languages.current());
    m_session.script().library().setLanguage(languages.current());
    m_session.update().setLanguage(languages.current());
    // Dialogs opened from the window show dates in the interface language.
    setLocale(languages.locale());
    m_helpPath = app::HelpFilePath(session.folder().exeDir(), languages.current());
    // A first start takes a size that suits the screen; a stored placement replaces it.
    if (const QScreen* screen = this->screen())
        resize(core::DefaultWindowSize(screen->availableGeometry().size()));
    else
        resize(1100, 720);

    createActions();
    createCombsActions();
    createViewsActions();
    createPages();
    createMenus();
    createStatusBar();
    readLayout();
    updateCaption();

    connect(&m_session.services(), &app::Services::statusPanelsChanged, this, &MainWindow::refreshStatusPanels);
    connect(&m_session.services(), &app::Services::statusTextChanged, m_panels[6], &QLabel::setText);
    connect(&m_session.services(), &app::Services::busyChanged, this, &MainWindow::updateActionStates);
    connect(m_drawsPage, &DrawsPage::selectionChanged, this, &MainWindow::updateActionStates);
    connect(m_drawsPage, &DrawsPage::rowActivated, this, &MainWindow::onDrawsInfo);
    connect(m_statPage, &StatPage::actionStatesChanged, this, &MainWindow::updateActionStates);
    refreshStatusPanels();
    updateActionStates();
}

MainWindow::~MainWindow()
{
    detachViewsPages();
    // An instance that never got the data files must not overwrite the layout of the one
    // that has them.
    if (m_session.holdsExclusive())
        storeLayout();
    m_session.shutdown();
}

void MainWindow::createPages()
{
    m_splitter = new QSplitter(Qt::Horizontal, this);
    m_splitter->setObjectName(QStringLiteral("splMain"));
    m_splitter->setChildrenCollapsible(false);

    m_pcLists = new QTabWidget(m_splitter);
    m_pcLists->setObjectName(QStringLiteral("pcLists"));
    m_drawsPage = new DrawsPage(m_session, m_pcLists);
    m_drawsPage->setObjectName(QStringLiteral("tsDraws"));
    m_pcLists->addTab(m_drawsPage, tr("Архив тиражей"));
    createCombsPage();
    m_drawsPage->list()->addActions(
        {action(QStringLiteral("DrawsAdd")), action(QStringLiteral("DrawsEdit")), action(QStringLiteral("DrawsDel"))});
    auto* separator = new QAction(m_drawsPage->list());
    separator->setSeparator(true);
    m_drawsPage->list()->addActions(
        {separator, action(QStringLiteral("DrawsInfo")), action(QStringLiteral("DrawsSorted"))});

    m_pcMain = new QTabWidget(m_splitter);
    m_pcMain->setObjectName(QStringLiteral("pcMain"));
    const std::pair<const char*, QString> pages[] = {
        {"tsStat", tr("Статистика")}, {"tsGraphs", tr("Графики")},  {"tsCard", tr("Карта")},
        {"tsLayout", tr("Схема")},    {"tsWeek", tr("Неделя")},     {"tsStakes", tr("Ставки")},
        {"tsRatings", tr("Рейтинг")}, {"tsTables", tr("Регуляры")}, {"tsSystems", tr("Системы")},
        {"tsScript", tr("Сценарий")},
    };
    for (const auto& [name, caption] : pages) {
        QWidget* page = qstrcmp(name, "tsStat") == 0 ? (m_statPage = new StatPage(m_session, m_pcMain))
                                                     : createViewsPage(QString::fromLatin1(name));
        if (!page)
            page = new QWidget(m_pcMain);
        page->setObjectName(QString::fromLatin1(name));
        m_pcMain->addTab(page, caption);
        m_pages.insert(page->objectName(), page);
    }
    createStakesPages();
    createTablesPage();
    createSystemsPage();
    createScriptPage();

    installViewsCommands();

    m_splitter->addWidget(m_pcLists);
    m_splitter->addWidget(m_pcMain);
    m_splitter->setStretchFactor(0, 0);
    m_splitter->setStretchFactor(1, 1);
    setCentralWidget(m_splitter);
}

void MainWindow::createStatusBar()
{
    const int widths[] = {130, 130, 130, 130, 100, 100};
    for (int i = 0; i < 7; ++i) {
        m_panels[i] = new QLabel(this);
        m_panels[i]->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        if (i < 6) {
            m_panels[i]->setMinimumWidth(widths[i]);
            statusBar()->addWidget(m_panels[i]);
        } else {
            // The status text takes the room that is left and is cut when longer: a long text
            // must never squeeze the counters beside it.
            m_panels[i]->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
            statusBar()->addWidget(m_panels[i], 1);
        }
    }
}

void MainWindow::readLayout()
{
    const QString path = m_session.folder().stateFile();
    core::IniFile ini(path);
    ini.load();
    const QString& section = core::kMainWindowSection;
    PlacementLoad(*this, ini, section, true, true);
    if (const QScreen* screen = this->screen())
        setGeometry(core::FitIntoScreen(geometry(), screen->availableGeometry()));
    // The splitter is sized once the window has its real size (showEvent); until the person
    // moves it, the left pages are as wide as the draw list with every column.
    m_leftPanelWidth = ini.readInt(section, QStringLiteral("LeftPanelWidth"), -1);
    ListLayoutLoad(ini, section, QStringLiteral("lvDraws"), *m_drawsPage->list()->horizontalHeader(), false);
    m_combsPage->loadLayout(ini, section);
    m_statPage->loadLayout(ini, section);
    m_graphsPage->loadLayout(ini, section);
    m_layoutPage->loadLayout(ini, section);
    m_weekPage->loadLayout(ini, section);
    m_stakesPage->loadLayout(ini, section);
    m_ratingsPage->loadLayout(ini, section);
    m_scriptPage->loadLayout(ini, section);
    m_tablesPage->loadLayout(ini, section);
    m_systemsPage->loadLayout(ini, section);
    for (const SwitchablePage& page : kSwitchablePages) {
        const QString key = QString::fromLatin1(page.key);
        const bool visible = ini.readBool(section, key, true);
        m_pcMain->setTabVisible(m_pcMain->indexOf(m_pages.value(QString::fromLatin1(page.objectName))), visible);
        if (QAction* toggle = action(key == QStringLiteral("TabGraphs") ? QStringLiteral("TabGraps") : key))
            toggle->setChecked(visible);
    }
    // The session read the switch of the regular stakes with the window state.
    m_pcMain->setTabVisible(m_pcMain->indexOf(m_tablesPage), m_session.tables().pageShown());
    action(QStringLiteral("TabTables"))->setChecked(m_session.tables().pageShown());
}

int MainWindow::drawListFullWidth() const
{
    QTableView* list = m_drawsPage->list();
    const QHeaderView* header = list->horizontalHeader();
    const int last = header->count() - 1;
    int columns = 0;
    for (int i = 0; i < last; ++i)
        columns += header->isSectionHidden(i) ? 0 : header->sectionSize(i);
    // The last column stretches, so its own size says nothing; the dates need their room.
    const QAbstractItemView* view = list;
    columns += std::max({view->sizeHintForColumn(last), header->sectionSizeHint(last),
                         list->fontMetrics().horizontalAdvance(QStringLiteral("00.00.0000")) + 12});
    // Whatever the pages put around the list's visible rows, with room for the scroll bar that a
    // longer archive brings.
    int frame = m_pcLists->width() - list->viewport()->width();
    if (!list->verticalScrollBar()->isVisible())
        frame += list->verticalScrollBar()->sizeHint().width();
    // A few pixels to spare, so that rounding never brings up a horizontal scroll bar.
    return frame + columns + 8;
}

void MainWindow::applyPanelSizes()
{
    // Only a shown window knows its frame; the frame too must fit the screen.
    if (const QScreen* screen = this->screen(); screen && windowState() == Qt::WindowNoState) {
        const QRect frame = frameGeometry();
        const QRect fitted = core::FitIntoScreen(frame, screen->availableGeometry());
        if (fitted != frame) {
            const QRect inner = geometry();
            setGeometry(fitted.adjusted(inner.left() - frame.left(), inner.top() - frame.top(),
                                        inner.right() - frame.right(), inner.bottom() - frame.bottom()));
        }
    }
    const int total = m_splitter->width() - m_splitter->handleWidth();
    int left = m_leftPanelWidth > 0 ? m_leftPanelWidth : drawListFullWidth();
    // The right pages keep some room, whatever was stored.
    left = std::clamp(left, 100, std::max(100, total - 300));
    m_splitter->setSizes({left, std::max(1, total - left)});
}

void MainWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!m_panelsSized) {
        m_panelsSized = true;
        // The pages inside get their geometry from layout requests still queued at this point.
        QTimer::singleShot(0, this, &MainWindow::applyPanelSizes);
    }
}

void MainWindow::storeLayout()
{
    const QString path = m_session.folder().stateFile();
    core::IniFile ini(path);
    ini.load();
    const QString& section = core::kMainWindowSection;
    PlacementSave(*this, ini, section);
    // A window that never showed has no splitter of its own to store.
    if (m_panelsSized)
        ini.writeInt(section, QStringLiteral("LeftPanelWidth"), m_splitter->sizes().value(0, 335));
    ListLayoutSave(ini, section, QStringLiteral("lvDraws"), *m_drawsPage->list()->horizontalHeader(), false);
    m_combsPage->saveLayout(ini, section);
    m_statPage->storeLayout(ini, section);
    m_graphsPage->storeLayout(ini, section);
    m_layoutPage->storeLayout(ini, section);
    m_weekPage->storeLayout(ini, section);
    m_stakesPage->saveLayout(ini, section);
    m_ratingsPage->saveLayout(ini, section);
    m_scriptPage->saveLayout(ini, section);
    m_tablesPage->saveLayout(ini, section);
    m_systemsPage->saveLayout(ini, section);
    QString error;
    if (!ini.save(&error))
        m_session.services().showError(tr("Ошибка записи параметров программы!\n\n%1").arg(error));
}

void MainWindow::setPageVisible(const QString& key, QWidget* page, bool visible)
{
    m_pcMain->setTabVisible(m_pcMain->indexOf(page), visible);
    m_session.services().storeStateBool(key, visible);
    // A page switched on comes to the front, where it is computed anew.
    if (visible)
        m_pcMain->setCurrentWidget(page);
}

void MainWindow::refreshStatusPanels()
{
    for (int i = 0; i < 6; ++i)
        m_panels[i]->setText(m_session.statusPanel(i));
}

void MainWindow::updateCaption()
{
    QString caption = tr("Вертома 5x54");
    caption += tr(" версия ") + core::ProgramVersion();
    if (m_session.folder().isDemo())
        caption += tr(" [демо]");
    setWindowTitle(caption);
}

void MainWindow::startInitialisation(int delayMs)
{
    QTimer::singleShot(delayMs, this, &MainWindow::initialise);
}

void MainWindow::initialise()
{
    if (m_initialised)
        return;
    m_initialised = true;
    switch (m_session.initialise()) {
    case app::Session::InitResult::Terminate:
        emit terminateRequested();
        return;
    case app::Session::InitResult::Restart:
        emit restartRequested();
        return;
    case app::Session::InitResult::Running:
        break;
    }
    updateActionStates();
    if (m_session.services().windowState().FirstRun) {
        FirstRunDialog dialog(m_session, m_helpPath, this);
        dialog.exec();
    }
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (m_session.canClose())
        event->accept();
    else
        event->ignore();
}

bool MainWindow::event(QEvent* event)
{
    if (event->type() == QEvent::StatusTip) {
        // Hints share the last panel with the status text, and only while nothing runs.
        if (m_session.services().isIdle() && !m_session.script().running())
            m_panels[6]->setText(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QMainWindow::event(event);
}

void MainWindow::onDrawsAdd()
{
    m_session.archive().add();
}

void MainWindow::onDrawsEdit()
{
    m_session.archive().edit(m_drawsPage->focusedRow());
}

void MainWindow::onDrawsDel()
{
    if (m_session.archive().deleteRows(m_drawsPage->selectedRows()))
        m_drawsPage->list()->clearSelection();
}

} // namespace ui
