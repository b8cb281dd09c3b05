// The commands of the page "Регуляры": its actions, the menu "Регуляры", the popup menu of the
// list, the page switch TabTables and their enabling rules.

#include "ui/MainWindow.h"

#include "app/Session.h"
#include "app/TablesController.h"
#include "ui/CombsPage.h"
#include "ui/StakesPage.h"
#include "ui/TablesPage.h"

#include <QAction>
#include <QMenu>
#include <QTabWidget>
#include <QTableView>

namespace ui {

void MainWindow::createTablesActions()
{
    connect(addAction(QStringLiteral("TablesAdd"), tr("Добавить регулярную ставку"),
                      tr("Добавить регулярную табличную ставку")),
            &QAction::triggered, this, [this] { m_session.tables().add(m_combsPage->selectedRows()); });
    connect(addAction(QStringLiteral("TablesDel"), tr("Удалить регулярную ставку"),
                      tr("Удалить выделенные регулярные табличные ставки")),
            &QAction::triggered, this, [this] { m_session.tables().remove(m_tablesPage->selectedRows()); });
    connect(addAction(QStringLiteral("TablesStakeAdd"), tr("Сделать ставку по регуляру"),
                      tr("Создать ставку по выделенному регуляру")),
            &QAction::triggered, this, [this] {
                const std::vector<int> rows = m_tablesPage->selectedRows();
                if (!rows.empty())
                    m_session.tables().stakeAdd(rows.front());
            });
    connect(addAction(QStringLiteral("TablesStakeTest"), tr("Тест регуляров"), tr("Тестирование регулярных ставок")),
            &QAction::triggered, this, [this] { m_session.tables().stakeTest(m_tablesPage->selectedRows()); });
    connect(addToggle(QStringLiteral("TabTables"), tr("Вкладка \"Регуляры\""),
                      tr("Скрыть / показать вкладку \"Регулярные ставки\"")),
            &QAction::triggered, &m_session.tables(), &app::TablesController::setPageShown);
}

void MainWindow::createTablesPage()
{
    m_tablesPage = new TablesPage(m_session.tables(), m_pcMain);
    replacePage(QStringLiteral("tsTables"), m_tablesPage);
    app::TablesController& tables = m_session.tables();
    connect(m_tablesPage, &TablesPage::selectionChanged, this, &MainWindow::updateActionStates);
    connect(&tables, &app::TablesController::pageShownChanged, this, &MainWindow::showTablesPage);
}

void MainWindow::showTablesPage(bool shown)
{
    m_pcMain->setTabVisible(m_pcMain->indexOf(m_tablesPage), shown);
    // A page switched on comes to the front.
    if (shown)
        m_pcMain->setCurrentWidget(m_tablesPage);
    updateActionStates();
}

void MainWindow::createTablesMenu(QMenu* menu)
{
    menu->setObjectName(QStringLiteral("mnTables"));
    QList<QAction*> commands;
    for (const char* name : {"TablesAdd", "TablesDel", "TablesStakeAdd", "TablesStakeTest"})
        commands << action(QString::fromLatin1(name));
    menu->addActions(commands);
    m_tablesPage->setCommands(commands, {commands[0], commands[1], nullptr, commands[2], commands[3]});
    // A stake from a rule is also at hand where the stakes are.
    m_stakesPage->popup()->addSeparator();
    m_stakesPage->popup()->addAction(commands[2]);
}

void MainWindow::updateTablesActionStates(bool idle)
{
    if (!m_tablesPage)
        return;
    const bool shown = m_session.tables().pageShown();
    const bool selected = shown && m_tablesPage->hasSelection();
    action(QStringLiteral("TablesAdd"))->setEnabled(idle && shown);
    action(QStringLiteral("TablesDel"))->setEnabled(idle && selected);
    action(QStringLiteral("TablesStakeAdd"))->setEnabled(idle && selected);
    action(QStringLiteral("TablesStakeTest"))->setEnabled(idle && selected);
    action(QStringLiteral("TabTables"))->setChecked(shown);
}

} // namespace ui
