// The actions of the main window, its menus and the rule that enables them.

#include "ui/MainWindow.h"

#include "app/ArchiveController.h"
#include "app/Languages.h"
#include "app/ScriptController.h"
#include "app/Session.h"
#include "app/StatisticsController.h"
#include "core/Settings.h"
#include "core/Version.h"
#include "ui/DrawsPage.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMenuBar>
#include <QMessageBox>
#include <QTabWidget>

namespace ui {

namespace {

// Addresses of the web links. The operator's ticket page and the maker's pages are not known
// for this build; a link without an address stays disabled.
struct WebLink
{
    const char* action;
    const char* caption;
    const char* address;
};
constexpr WebLink kWebLinks[] = {
    {"WebSite", QT_TRANSLATE_NOOP("ui::MainWindow", "Сайт программы"), ""},
    {"WebAuthor", QT_TRANSLATE_NOOP("ui::MainWindow", "Страница автора"), ""},
    {"WebArticles", QT_TRANSLATE_NOOP("ui::MainWindow", "Статьи для начинающих"), ""},
    {"WebNews", QT_TRANSLATE_NOOP("ui::MainWindow", "Новости"), ""},
    {"WebBlog", QT_TRANSLATE_NOOP("ui::MainWindow", "Блог"), ""},
    {"WebVideo", QT_TRANSLATE_NOOP("ui::MainWindow", "Видеоканал"), ""},
    {"WebGroup1", QT_TRANSLATE_NOOP("ui::MainWindow", "Группа в социальной сети 1"), ""},
    {"WebGroup2", QT_TRANSLATE_NOOP("ui::MainWindow", "Группа в социальной сети 2"), ""},
    {"WebTickets", QT_TRANSLATE_NOOP("ui::MainWindow", "Сайт лотереи"), ""},
};

} // namespace

QAction* MainWindow::addAction(const QString& name, const QString& caption, const QString& hint)
{
    auto* a = new QAction(caption, this);
    a->setObjectName(name);
    if (!hint.isEmpty())
        a->setStatusTip(hint);
    m_actions.insert(name, a);
    return a;
}

QAction* MainWindow::addToggle(const QString& name, const QString& caption, const QString& hint)
{
    QAction* a = addAction(name, caption, hint);
    a->setCheckable(true);
    return a;
}

void MainWindow::createActions()
{
    // File
    connect(addAction(QStringLiteral("EditConfig"), tr("Параметры")), &QAction::triggered, &m_session.statistics(),
            &app::StatisticsController::editConfig);
    connect(addAction(QStringLiteral("EditShredding"), tr("Формулы шинковки")), &QAction::triggered,
            &m_session.statistics(), &app::StatisticsController::editShredding);
    connect(addAction(QStringLiteral("ExitProgram"), tr("Выход")), &QAction::triggered, this, &QWidget::close);

    // Draws
    QAction* add = addAction(QStringLiteral("DrawsAdd"), tr("Добавить"), tr("Добавить новый тираж"));
    add->setShortcut(QKeySequence(Qt::Key_Insert));
    add->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(add, &QAction::triggered, this, &MainWindow::onDrawsAdd);
    QAction* edit = addAction(QStringLiteral("DrawsEdit"), tr("Изменить"), tr("Изменить выделенный тираж"));
    edit->setShortcut(QKeySequence(Qt::Key_F2));
    edit->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(edit, &QAction::triggered, this, &MainWindow::onDrawsEdit);
    QAction* del = addAction(QStringLiteral("DrawsDel"), tr("Удалить"), tr("Удалить выделенные тиражи"));
    del->setShortcut(QKeySequence(Qt::Key_Delete));
    del->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(del, &QAction::triggered, this, &MainWindow::onDrawsDel);
    connect(addAction(QStringLiteral("DrawsInfo"), tr("Сведения о тираже")), &QAction::triggered, this,
            &MainWindow::onDrawsInfo);
    connect(addToggle(QStringLiteral("DrawsSorted"), tr("Упорядочить MIN->MAX")), &QAction::triggered,
            &m_session.archive(), &app::ArchiveController::toggleSorted);

    // View
    connect(addToggle(QStringLiteral("ColorDraws"), tr("Выделять каналы в архиве тиражей")), &QAction::toggled,
            &m_session.archive(), &app::ArchiveController::setColorDraws);
    const std::pair<const char*, QString> tabs[] = {
        {"TabGraps", tr("Вкладка \"Графики\"")},
        {"TabCard", tr("Вкладка \"Карта\"")},
        {"TabLayout", tr("Вкладка \"Схема\"")},
        {"TabWeek", tr("Вкладка \"Неделя\"")},
    };
    const char* pageNames[] = {"tsGraphs", "tsCard", "tsLayout", "tsWeek"};
    for (std::size_t i = 0; i < std::size(tabs); ++i) {
        const QString name = QString::fromLatin1(tabs[i].first);
        const QString key = name == QStringLiteral("TabGraps") ? QStringLiteral("TabGraphs") : name;
        const QString pageName = QString::fromLatin1(pageNames[i]);
        connect(addToggle(name, tabs[i].second), &QAction::triggered, this,
                [this, key, pageName](bool on) { setPageVisible(key, m_pages.value(pageName), on); });
    }

    createStatActions();
    createStakesActions();
    createTablesActions();
    createSystemsActions();
    createScriptActions();
    createWebActions();
    createExportActions();
    createUpdateActions();

    // Help
    connect(addAction(QStringLiteral("GetHelp"), tr("Справка")), &QAction::triggered, this,
            [this] { m_session.services().openHelp(m_helpPath); });
    for (const WebLink& link : kWebLinks) {
        const QString address = QString::fromLatin1(link.address);
        connect(addAction(QString::fromLatin1(link.action), tr(link.caption)), &QAction::triggered, this,
                [this, address] { m_session.services().openLink(address); });
    }
    connect(addAction(QStringLiteral("AboutProgram"), tr("О программе")), &QAction::triggered, this,
            &MainWindow::onAbout);
}

void MainWindow::createMenus()
{
    QMenu* file = menuBar()->addMenu(tr("Файл"));
    QMenu* languages = file->addMenu(tr("Язык интерфейса"));
    m_languageGroup = new QActionGroup(this);
    for (const app::LanguageInfo& language : app::AvailableLanguages(m_session.folder())) {
        QAction* item = languages->addAction(language.Name);
        item->setObjectName(QStringLiteral("Language%1").arg(language.Lcid));
        item->setCheckable(true);
        item->setChecked(language.Lcid == m_languages.current());
        m_languageGroup->addAction(item);
        connect(item, &QAction::triggered, this, [this, lcid = language.Lcid] { onLanguageChosen(lcid); });
    }
    file->addAction(action(QStringLiteral("EditConfig")));
    file->addAction(action(QStringLiteral("EditShredding")));
    file->addAction(action(QStringLiteral("EditProxy")));
    file->addSeparator();
    file->addAction(action(QStringLiteral("ExitProgram")));

    QMenu* draws = menuBar()->addMenu(tr("Архив тиражей"));
    for (const char* name : {"DrawsAdd", "DrawsEdit", "DrawsDel"})
        draws->addAction(action(QString::fromLatin1(name)));
    draws->addSeparator();
    draws->addAction(action(QStringLiteral("DrawsInfo")));
    draws->addAction(action(QStringLiteral("DrawsSorted")));
    addWebMenuItems(draws);

    createCombsMenu();
    // Menus whose commands arrive with their pages.
    QMenu* stat = menuBar()->addMenu(tr("Статистика"));
    createStatMenu(stat);
    stat->addSeparator();
    stat->addAction(action(QStringLiteral("TotalSumCombs")));
    stat->addAction(action(QStringLiteral("AnalyzeRepeats")));
    addExportMenuItems(draws, stat);
    createStakesMenus();
    createTablesMenu(menuBar()->addMenu(tr("Регуляры")));
    m_systemsMenu = menuBar()->addMenu(tr("Системы"));
    m_systemsMenu->setObjectName(QStringLiteral("mnSystems"));
    createSystemsMenu();
    createScriptMenu();

    QMenu* view = menuBar()->addMenu(tr("Вид"));
    view->addAction(action(QStringLiteral("ColorDraws")));
    view->addAction(action(QStringLiteral("ColorCombs")));
    for (const char* name : {"ColorCard", "ColorCardSequences", "ViewShemaGradient"})
        view->addAction(action(QString::fromLatin1(name)));
    view->addSeparator();
    for (const char* name : {"TabGraps", "TabCard", "TabLayout", "TabWeek", "TabTables"})
        view->addAction(action(QString::fromLatin1(name)));
    view->addSeparator();
    for (const char* name : {"ViewWeekChartMode", "ViewWeekChartType"})
        view->addAction(action(QString::fromLatin1(name)));

    QMenu* help = menuBar()->addMenu(tr("Помощь"));
    help->addAction(action(QStringLiteral("GetHelp")));
    help->addSeparator();
    for (const WebLink& link : kWebLinks)
        help->addAction(action(QString::fromLatin1(link.action)));
    addUpdateMenuItems(help);
    help->addSeparator();
    help->addAction(action(QStringLiteral("AboutProgram")));
}

void MainWindow::updateActionStates()
{
    // A running script leaves the session idle, so its window events (and "Стоп") keep
    // coming; every command but the stop waits for the run as for any other operation.
    const bool idle = m_session.services().isIdle() && !m_session.script().running();
    const bool focused = m_drawsPage && m_drawsPage->focusedRow() >= 0;
    const bool selected = m_drawsPage && !m_drawsPage->selectedRows().isEmpty();
    for (QAction* a : std::as_const(m_actions))
        a->setEnabled(idle);
    action(QStringLiteral("DrawsEdit"))->setEnabled(idle && focused);
    action(QStringLiteral("DrawsDel"))->setEnabled(idle && selected);
    action(QStringLiteral("DrawsInfo"))->setEnabled(idle && focused);
    action(QStringLiteral("DrawsSorted"))->setChecked(m_session.services().windowState().SortedDraws);
    action(QStringLiteral("ColorDraws"))->setChecked(m_session.services().windowState().ColorDraws);
    updateCombsActionStates(idle);
    action(QStringLiteral("GetHelp"))->setEnabled(idle && QFileInfo::exists(m_helpPath));
    for (const WebLink& link : kWebLinks)
        action(QString::fromLatin1(link.action))->setEnabled(idle && link.address[0] != '\0');
    updateStatActionStates(idle);
    updateViewsActionStates(idle);
    updateStakesActionStates(idle);
    updateTablesActionStates(idle);
    updateSystemsActionStates(idle);
    updateScriptActionStates(idle);
    updateWebActionStates(idle);
    updateExportActionStates(idle);
    updateUpdateActionStates(idle);
    if (m_languageGroup)
        m_languageGroup->setEnabled(idle);
}

void MainWindow::onLanguageChosen(int lcid)
{
    if (lcid == m_languages.current())
        return;
    const QString module = app::LanguageModulePath(m_session.folder(), lcid);
    if (lcid != app::kNativeLanguage && !QFileInfo::exists(module)) {
        m_session.services().showError(tr("Языковый модуль \"%1\" не найден!").arg(module));
        if (QAction* current = findChild<QAction*>(QStringLiteral("Language%1").arg(m_languages.current())))
            current->setChecked(true);
        return;
    }
    m_session.services().storeStateInt(QStringLiteral("Language"), lcid);
    emit restartRequested();
}

QString MainWindow::aboutText() const
{
    return tr("Вертома 5x54 версия %1\n\nАнализатор лотереи \"5 из 54\" с ключевым числом.")
               .arg(core::ProgramVersion()) +
           QStringLiteral("\n\n") + tr("Каталог данных: %1").arg(QDir::toNativeSeparators(m_session.folder().dir())) +
           QStringLiteral("\n\n") +
           tr("Лучшие известные размеры систем и нижние границы: La Jolla Covering Repository, версия 1.2 "
              "(данные CC BY 4.0).");
}

void MainWindow::onAbout()
{
    QMessageBox::about(this, tr("О программе"), aboutText());
}

} // namespace ui
