// The statistics commands of the main window: the page "Статистика", its chart switches, the
// favourite methods and their descriptions, and the hand-over of table rows to the combination
// filter.

#include "ui/MainWindow.h"

#include "app/CandidatesController.h"
#include "app/Session.h"
#include "app/StatisticsController.h"
#include "ui/FilterInfoWindow.h"
#include "ui/StatPage.h"

#include <QAction>
#include <QMenu>
#include <QTableView>

namespace ui {

void MainWindow::createStatActions()
{
    connect(addAction(QStringLiteral("FiltersManager"), tr("Избранные статистики"),
                      tr("Настройка списка избранных видов статистики (фильтров)")),
            &QAction::triggered, &m_session.statistics(), &app::StatisticsController::filtersManager);
    connect(addAction(QStringLiteral("FiltersReset"), tr("Все доступные статистики"),
                      tr("Отображать все доступные виды статистики (фильтры)")),
            &QAction::triggered, &m_session.statistics(), &app::StatisticsController::filtersReset);
    QAction* info = addAction(QStringLiteral("FiltersInfo"), tr("Описание статистики"),
                              tr("Сведения о выбранном методе расчета статистики"));
    info->setShortcut(QKeySequence(Qt::Key_F8));
    connect(info, &QAction::triggered, this, [this] {
        const int method = m_statPage->selectedMethod();
        if (m_session.services().isIdle() && method >= 0)
            ShowFilterInfo(this, m_session.statistics().list(), method, m_session.statistics().helpFile(),
                           m_session.folder().stateFile());
    });

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
            &QAction::triggered, this, [this] {
                m_session.statistics().setPrefetchsEnabled(!m_session.services().windowState().PrefetchsEnabled);
            });
    connect(addToggle(QStringLiteral("DrawsStatShowTotalLine"), tr("График идеального распределения")),
            &QAction::triggered, this, [this] {
                app::BusyScope busy(m_session.services(), tr("Создание графиков..."));
                m_session.statistics().setShowTotalLine(!m_session.services().windowState().ShowTotalLine);
            });
}

void MainWindow::createStatMenu(QMenu* menu)
{
    const QList<QAction*> commands{action(QStringLiteral("DrawsStatCalc")),
                                   action(QStringLiteral("StatFilter_Include")),
                                   action(QStringLiteral("StatFilter_Exclude"))};
    const QList<QAction*> switches{action(QStringLiteral("DrawsStatePrefetchsEnabled")),
                                   action(QStringLiteral("DrawsStatShowTotalLine"))};
    const QList<QAction*> favorites{action(QStringLiteral("FiltersManager")), action(QStringLiteral("FiltersReset")),
                                    action(QStringLiteral("FiltersInfo"))};
    m_statPage->setCommands(commands);
    // The button row is full; the favourites and the description join the table's popup menu.
    auto* separator = new QAction(m_statPage->table());
    separator->setSeparator(true);
    m_statPage->table()->addAction(separator);
    m_statPage->table()->addActions(favorites);
    m_statPage->chartMenu()->addActions(switches);
    menu->addActions(favorites);
    menu->addSeparator();
    menu->addActions(commands);
    menu->addSeparator();
    menu->addActions(switches);
}

void MainWindow::updateStatActionStates(bool idle)
{
    const app::WindowStateData& state = m_session.services().windowState();
    const bool canFilter =
        idle && !m_session.candidates().combs().empty() && m_statPage && m_statPage->hasSelectedRows();
    action(QStringLiteral("StatFilter_Include"))->setEnabled(canFilter);
    action(QStringLiteral("StatFilter_Exclude"))->setEnabled(canFilter);
    action(QStringLiteral("FiltersInfo"))->setEnabled(idle && m_statPage && m_statPage->selectedMethod() >= 0);
    action(QStringLiteral("DrawsStatePrefetchsEnabled"))->setChecked(state.PrefetchsEnabled);
    action(QStringLiteral("DrawsStatShowTotalLine"))->setEnabled(idle && state.PrefetchsEnabled);
    action(QStringLiteral("DrawsStatShowTotalLine"))->setChecked(state.ShowTotalLine);
}

} // namespace ui
