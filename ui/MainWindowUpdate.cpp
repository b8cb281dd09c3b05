// The self-update: the check on request and the switch of the check at start-up.

#include "ui/MainWindow.h"

#include "app/Session.h"
#include "app/UpdateController.h"

#include <QAction>
#include <QMenu>

namespace ui {

void MainWindow::createUpdateActions()
{
    app::UpdateController& update = m_session.update();
    connect(addAction(QStringLiteral("CheckUpdate"), tr("Поиск обновлений"),
                      tr("Искать обновления программы через интернет")),
            &QAction::triggered, this, [this] {
                // The new files take effect only in a new instance.
                if (m_session.update().checkUpdate() == app::UpdateController::Installed)
                    emit restartRequested();
            });
    connect(addToggle(QStringLiteral("AutoSelfUpdate"), tr("Автоматическое обновление"),
                      tr("Автоматическое обновление программы при запуске")),
            &QAction::triggered, &update, &app::UpdateController::setAutoUpdates);
    connect(&update, &app::UpdateController::autoUpdatesChanged, this, &MainWindow::updateActionStates);
}

void MainWindow::addUpdateMenuItems(QMenu* help)
{
    help->addSeparator();
    help->addAction(action(QStringLiteral("CheckUpdate")));
    help->addAction(action(QStringLiteral("AutoSelfUpdate")));
}

void MainWindow::updateUpdateActionStates(bool)
{
    action(QStringLiteral("AutoSelfUpdate"))->setChecked(m_session.update().autoUpdates());
}

} // namespace ui
