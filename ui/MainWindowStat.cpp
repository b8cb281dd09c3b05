// The statistics commands of the main window: the page "Статистика", its chart switches and
// the hand-over of table rows to the combination filter.

#include "ui/MainWindow.h"

#include "app/Session.h"
#include "ui/StatPage.h"

#include <QAction>
#include <QMenu>

namespace ui {

void MainWindow::createStatActions()
{
    connect(addAction(QStringLiteral("DrawsStatCalc"), tr("Обновить")), &QAction::triggered, this,
            [this] { m_statPage->calculate(true); });
    QAction* include = addAction(QStringLiteral("StatFilter_Include"), tr("Оставить выделенные"));
    include->setShortcut(QKeySequence(Qt::Key_F7));
    connect(include, &QAction::triggered, this, [this] { m_statPage->filterSelected(false); });
    QAction* exclude = addAction(QStringLiteral("StatFilter_Exclude"), tr("Удалить выделенные"));
    exclude->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F7));
    connect(exclude, &QAction::triggered, this, [this] { m_statPage->filterSelected(true); });

    connect(addToggle(QStringLiteral("DrawsStatePrefetchsEnabled"),
                      tr("Использовать сравнение с полным набором комбинаций")),
            &QAction::triggered, this,
            [this] { m_session.setPrefetchsEnabled(!m_session.windowState().PrefetchsEnabled); });
    connect(addToggle(QStringLiteral("DrawsStatShowTotalLine"), tr("График идеального распределения")),
            &QAction::triggered, this, [this] {
                app::BusyScope busy(m_session, tr("Создание графиков..."));
                m_session.setShowTotalLine(!m_session.windowState().ShowTotalLine);
            });
}

void MainWindow::createStatMenu(QMenu* menu)
{
    const QList<QAction*> commands{action(QStringLiteral("DrawsStatCalc")),
                                   action(QStringLiteral("StatFilter_Include")),
                                   action(QStringLiteral("StatFilter_Exclude"))};
    const QList<QAction*> switches{action(QStringLiteral("DrawsStatePrefetchsEnabled")),
                                   action(QStringLiteral("DrawsStatShowTotalLine"))};
    m_statPage->setCommands(commands);
    m_statPage->chartMenu()->addActions(switches);
    menu->addActions(commands);
    menu->addSeparator();
    menu->addActions(switches);
}

void MainWindow::updateStatActionStates(bool idle)
{
    const app::WindowStateData& state = m_session.windowState();
    const bool canFilter = idle && !m_session.combs().empty() && m_statPage && m_statPage->hasSelectedRows();
    action(QStringLiteral("StatFilter_Include"))->setEnabled(canFilter);
    action(QStringLiteral("StatFilter_Exclude"))->setEnabled(canFilter);
    action(QStringLiteral("DrawsStatePrefetchsEnabled"))->setChecked(state.PrefetchsEnabled);
    action(QStringLiteral("DrawsStatShowTotalLine"))->setEnabled(idle && state.PrefetchsEnabled);
    action(QStringLiteral("DrawsStatShowTotalLine"))->setChecked(state.ShowTotalLine);
}

} // namespace ui
