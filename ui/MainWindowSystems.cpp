// The commands of the page "Системы": its actions, the menu "Системы", the buttons and popup
// menu of the list, and their enabling rules. The two system games also sit in the menu
// "Ставки" and in the stakes grid's popup menu, and are seen only while the page is shown.

#include "ui/MainWindow.h"

#include "app/CandidatesController.h"
#include "app/Session.h"
#include "app/StakesController.h"
#include "app/SystemsController.h"
#include "ui/SystemsPage.h"

#include <QAction>
#include <QMenu>
#include <QTabWidget>

namespace ui {

void MainWindow::createSystemsActions()
{
    app::SystemsController& systems = m_session.systems();
    const auto add = [this](const char* name, const QString& caption, const QString& hint,
                            const QKeySequence& shortcut = {}) {
        QAction* a = addAction(QString::fromLatin1(name), caption, hint);
        a->setShortcut(shortcut);
        a->setToolTip(hint);
        return a;
    };
    QAction* on =
        addToggle(QStringLiteral("SystemsOn"), tr("Системная игра"), tr("Включить или выключить список систем"));
    on->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_J));
    connect(on, &QAction::triggered, &systems, &app::SystemsController::setEnabled);
    connect(add("SystemsRefresh", tr("Обновить"), tr("Перезагрузить список с сервера")), &QAction::triggered, this,
            [this] { m_systemsPage->refresh(); });
    connect(add("SystemsDownload", tr("Загрузить"), tr("Загрузить выделенные системы")), &QAction::triggered, this,
            [this] { m_systemsPage->download(); });
    connect(add("SystemsAdd", tr("Добавить"), tr("Добавить свою систему в список")), &QAction::triggered, this, [this] {
        const int row = m_session.systems().add(m_systemsPage->currentRow());
        if (row >= 0)
            m_systemsPage->selectRow(row);
    });
    connect(add("SystemsMake", tr("Создать систему..."),
                tr("Создать систему с гарантией для своих чисел: как можно меньше комбинаций")),
            &QAction::triggered, this, [this] {
                const int row = m_session.systems().create();
                if (row >= 0)
                    m_systemsPage->selectRow(row);
            });
    connect(add("SystemsProp", tr("Свойства"), tr("Просмотр / редактирование свойств системы")), &QAction::triggered,
            this, [this] { m_session.systems().properties(m_systemsPage->currentRow()); });
    connect(add("SystemsDel", tr("Удалить"), tr("Удалить свои системы из списка")), &QAction::triggered, this,
            [this] { m_session.systems().remove(m_systemsPage->currentRow()); });
    // The captions begin with the Latin letter C, as the program has always shown them.
    connect(add("SystemStakeAll", tr("Cистемная игра по списку системы"),
                tr("Системная игра по всем комбинациям выбранной системы (даже если их нет в списке комбинаций)"),
                QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_J)),
            &QAction::triggered, this, [this] { m_session.systems().stake(false); });
    connect(add("SystemStakeFilter", tr("Cистемная игра по списку комбинаций"),
                tr("Системная игра только по комбинациям, которые есть и в системе и в списке комбинаций"),
                QKeySequence(Qt::ALT | Qt::Key_J)),
            &QAction::triggered, this, [this] { m_session.systems().stake(true); });

    connect(&systems, &app::SystemsController::enabledChanged, this, &MainWindow::showSystemsPage);
}

void MainWindow::createSystemsPage()
{
    m_systemsPage = new SystemsPage(m_session.systems(), m_pcMain);
    replacePage(QStringLiteral("tsSystems"), m_systemsPage);
    connect(m_systemsPage, &SystemsPage::selectionChanged, this, &MainWindow::updateActionStates);
    connect(m_systemsPage, &SystemsPage::rowActivated, action(QStringLiteral("SystemsProp")), &QAction::trigger);
    m_pcMain->setTabVisible(m_pcMain->indexOf(m_systemsPage), m_session.systems().enabled());
}

void MainWindow::createSystemsMenu()
{
    QList<QAction*> commands;
    for (const char* name : std::initializer_list<const char*>{
             "SystemsOn", nullptr, "SystemsRefresh", "SystemsDownload", nullptr, "SystemsMake", "SystemsAdd",
             "SystemsProp", "SystemsDel", nullptr, "SystemStakeAll", "SystemStakeFilter"})
        commands << (name ? action(QString::fromLatin1(name)) : nullptr);
    for (QAction* a : commands) {
        if (a)
            m_systemsMenu->addAction(a);
        else
            m_systemsMenu->addSeparator();
    }
    m_systemsMenu->menuAction()->setVisible(true);
    QList<QAction*> buttons;
    for (const char* name : {"SystemsRefresh", "SystemsDownload", "SystemsMake", "SystemsAdd", "SystemsProp",
                             "SystemsDel", "SystemStakeAll", "SystemStakeFilter"})
        buttons << action(QString::fromLatin1(name));
    m_systemsPage->setCommands(buttons, commands.mid(2));
}

void MainWindow::showSystemsPage(bool on)
{
    m_pcMain->setTabVisible(m_pcMain->indexOf(m_systemsPage), on);
    if (on)
        m_pcMain->setCurrentWidget(m_systemsPage);
    updateActionStates();
}

void MainWindow::updateSystemsActionStates(bool idle)
{
    if (!m_systemsPage)
        return;
    const app::SystemsController& systems = m_session.systems();
    const bool shown = systems.enabled();
    const bool selected = m_systemsPage->hasSelection();
    const int row = m_systemsPage->currentRow();
    const bool game = idle && shown && !m_session.candidates().combs().empty() && m_session.stakes().isOpen();
    const auto enable = [this](const char* name, bool enabled) {
        action(QString::fromLatin1(name))->setEnabled(enabled);
    };
    enable("SystemsOn", idle);
    action(QStringLiteral("SystemsOn"))->setChecked(shown);
    enable("SystemsRefresh", idle && shown);
    enable("SystemsDownload", idle && shown && selected && systems.library());
    enable("SystemsAdd", idle && shown);
    enable("SystemsMake", idle && shown);
    enable("SystemsProp", idle && shown && row >= 0);
    enable("SystemsDel", idle && shown && row >= 0 && systems.canDelete(row));
    enable("SystemStakeAll", game);
    enable("SystemStakeFilter", game);
    action(QStringLiteral("SystemStakeAll"))->setVisible(shown);
    action(QStringLiteral("SystemStakeFilter"))->setVisible(shown);
}

} // namespace ui
