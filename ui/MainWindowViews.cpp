// The commands of the analysis pages: the draw graph, the number card, the layout and the week
// statistics, the colour switches of the card and the layout, the sum distribution, the
// repeats analysis and the detail window of a draw or a combination.

#include "ui/MainWindow.h"

#include "app/ArchiveController.h"
#include "app/CandidatesController.h"
#include "app/Session.h"
#include "app/ViewsController.h"
#include "core/DrawArchive.h"
#include "ui/CardPage.h"
#include "ui/CombsPage.h"
#include "ui/DetailWindow.h"
#include "ui/DrawsPage.h"
#include "ui/GraphsPage.h"
#include "ui/LayoutPage.h"
#include "ui/RepeatsWindow.h"
#include "ui/WeekPage.h"

#include <QAction>
#include <QMenu>
#include <QTabWidget>
#include <QTableView>

namespace ui {

void MainWindow::createViewsActions()
{
    app::ViewsController& views = m_session.views();
    connect(addAction(QStringLiteral("DrawsGraphDraw"), tr("Обновить")), &QAction::triggered, this,
            [this] { m_graphsPage->calculate(true); });

    connect(addAction(QStringLiteral("CardFilter_Include"), tr("Оставить выделенные")), &QAction::triggered, this,
            [this] { m_cardPage->filterSelected(false); });
    connect(addAction(QStringLiteral("CardFilter_Exclude"), tr("Удалить выделенные")), &QAction::triggered, this,
            [this] { m_cardPage->filterSelected(true); });
    connect(addToggle(QStringLiteral("ColorCard"), tr("Выделять каналы в карте тиражей")), &QAction::triggered, &views,
            &app::ViewsController::setColorCard);
    connect(addToggle(QStringLiteral("ColorCardSequences"), tr("Выделять последовательности в карте тиражей")),
            &QAction::triggered, &views, &app::ViewsController::setColorCardSequences);

    connect(addAction(QStringLiteral("LayoutCalc"), tr("Обновить")), &QAction::triggered, this,
            [this] { m_layoutPage->calculate(true); });
    connect(addAction(QStringLiteral("LayoutCmpCalc"), tr("Обновить")), &QAction::triggered, this,
            [this] { m_layoutPage->calculateCompare(true); });
    connect(addAction(QStringLiteral("LayoutFilter_Include"), tr("Оставить выделенные")), &QAction::triggered, this,
            [this] { m_layoutPage->filterSelected(false); });
    connect(addAction(QStringLiteral("LayoutFilter_Exclude"), tr("Удалить выделенные")), &QAction::triggered, this,
            [this] { m_layoutPage->filterSelected(true); });
    connect(addToggle(QStringLiteral("ViewShemaGradient"), tr("Градиентная раскраска схемы")), &QAction::triggered,
            &views, &app::ViewsController::setLayoutGradient);

    connect(addAction(QStringLiteral("WeekStatCalc"), tr("Обновить")), &QAction::triggered, this,
            [this] { m_weekPage->calculate(true); });
    connect(addAction(QStringLiteral("WeekFilter_Include"), tr("Оставить выделенные")), &QAction::triggered, this,
            [this] { m_weekPage->filterSelected(false); });
    connect(addAction(QStringLiteral("WeekFilter_Exclude"), tr("Удалить выделенные")), &QAction::triggered, this,
            [this] { m_weekPage->filterSelected(true); });
    connect(addToggle(QStringLiteral("ViewWeekChartMode"), tr("График по дням недели")), &QAction::triggered, this,
            [this](bool on) {
                m_weekPage->setChartMode(on ? views::WeekChartMode::Weekdays : views::WeekChartMode::Numbers);
            });
    connect(addToggle(QStringLiteral("ViewWeekChartType"), tr("График / диаграмма")), &QAction::triggered, this,
            [this](bool on) { m_weekPage->setLineChart(on); });

    connect(addAction(QStringLiteral("TotalSumCombs"), tr("Распределение сумм тиражей и всех возможных комбинаций")),
            &QAction::triggered, &views, &app::ViewsController::sumDistribution);
    connect(addAction(QStringLiteral("AnalyzeRepeats"), tr("Количество повторов в зависимости от тиража")),
            &QAction::triggered, this, &MainWindow::onAnalyzeRepeats);
    connect(addAction(QStringLiteral("CombsInfo"), tr("Сведения о комбинации")), &QAction::triggered, this,
            &MainWindow::onCombsInfo);
}

QWidget* MainWindow::createViewsPage(const QString& name)
{
    if (name == QStringLiteral("tsGraphs"))
        return m_graphsPage = new GraphsPage(m_session, m_pcMain);
    if (name == QStringLiteral("tsCard"))
        return m_cardPage = new CardPage(m_session, m_pcMain);
    if (name == QStringLiteral("tsLayout"))
        return m_layoutPage = new LayoutPage(m_session, m_pcMain);
    if (name == QStringLiteral("tsWeek"))
        return m_weekPage = new WeekPage(m_session, m_pcMain);
    return nullptr;
}

void MainWindow::installViewsCommands()
{
    const auto named = [this](std::initializer_list<const char*> names) {
        QList<QAction*> list;
        for (const char* name : names)
            list << action(QString::fromLatin1(name));
        return list;
    };
    m_graphsPage->setCommands(named({"DrawsGraphDraw"}));
    m_cardPage->setCommands(named({"CardFilter_Include", "CardFilter_Exclude"}));
    m_layoutPage->setCommands(named({"LayoutCalc", "LayoutFilter_Include", "LayoutFilter_Exclude"}),
                              named({"LayoutCmpCalc"}));
    m_weekPage->setCommands(named({"WeekStatCalc", "WeekFilter_Include", "WeekFilter_Exclude"}));
    m_weekPage->chartMenu()->addActions(named({"ViewWeekChartMode", "ViewWeekChartType"}));
    m_combsPage->list()->addAction(action(QStringLiteral("CombsInfo")));

    connect(m_cardPage, &CardPage::actionStatesChanged, this, &MainWindow::updateActionStates);
    connect(m_layoutPage, &LayoutPage::actionStatesChanged, this, &MainWindow::updateActionStates);
    connect(m_weekPage, &WeekPage::actionStatesChanged, this, &MainWindow::updateActionStates);
    connect(m_combsPage, &CombsPage::selectionChanged, this, &MainWindow::updateActionStates);
    connect(m_pcMain, &QTabWidget::currentChanged, this, &MainWindow::updateActionStates);
}

void MainWindow::detachViewsPages()
{
    for (QObject* sender : std::initializer_list<QObject*>{m_cardPage, m_layoutPage, m_weekPage, m_pcMain})
        if (sender)
            disconnect(sender, nullptr, this, nullptr);
}

void MainWindow::updateViewsActionStates(bool idle)
{
    if (!m_cardPage)
        return;
    const bool listed = !m_session.candidates().combs().empty();
    const auto enable = [this](const char* name, bool on) { action(QString::fromLatin1(name))->setEnabled(on); };
    enable("DrawsGraphDraw", idle && !m_session.archive().draws().empty() && m_graphsPage->selectedMethod() >= 0);
    const bool card = m_cardPage->isVisible();
    enable("CardFilter_Include", idle && listed && card && m_cardPage->canFilter());
    enable("CardFilter_Exclude", idle && listed && card && m_cardPage->canFilter());
    enable("ColorCard", idle && card);
    enable("ColorCardSequences", idle && card);
    const bool layout = m_layoutPage->isVisible();
    enable("LayoutFilter_Include", idle && listed && layout && m_layoutPage->canFilter());
    enable("LayoutFilter_Exclude", idle && listed && layout && m_layoutPage->canFilter());
    const bool week = m_weekPage->isVisible();
    enable("WeekFilter_Include", idle && listed && week && m_weekPage->canFilter());
    enable("WeekFilter_Exclude", idle && listed && week && m_weekPage->canFilter());
    enable("AnalyzeRepeats", idle && !m_session.archive().draws().empty());
    enable("TotalSumCombs", idle && !m_session.archive().draws().empty());
    const int focused = m_combsPage->focusedRow();
    enable("CombsInfo", idle && focused >= 0 && std::size_t(focused) < m_session.candidates().combs().size());

    const app::ViewsController& views = m_session.views();
    action(QStringLiteral("ColorCard"))->setChecked(views.colorCard());
    action(QStringLiteral("ColorCardSequences"))->setChecked(views.colorCardSequences());
    action(QStringLiteral("ViewShemaGradient"))->setChecked(views.layoutGradient());
    action(QStringLiteral("ViewWeekChartMode"))->setChecked(m_weekPage->chartMode() == views::WeekChartMode::Weekdays);
    action(QStringLiteral("ViewWeekChartType"))->setChecked(m_weekPage->lineChart());
}

void MainWindow::onDrawsInfo()
{
    if (!m_session.services().isIdle())
        return;
    const core::TDrawsArray& draws = m_session.archive().draws();
    const int index = core::DrawIndexOfRow(draws, m_drawsPage->focusedRow());
    if (index < 0)
        return;
    const core::TComb numbers =
        core::ShownNumbers(draws[std::size_t(index)], m_session.services().windowState().SortedDraws);
    showDetail(m_session.views().drawDetail(index), numbers);
}

void MainWindow::onCombsInfo()
{
    const int row = m_combsPage->focusedRow();
    if (!m_session.services().isIdle() || row < 0 || std::size_t(row) >= m_session.candidates().combs().size())
        return;
    const core::TComb comb = m_session.candidates().combs()[std::size_t(row)];
    showDetail(m_session.views().combDetail(comb), comb);
}

void MainWindow::showDetail(std::vector<views::DetailRow> rows, const core::TComb& numbers)
{
    // Modal to the window, without blocking the caller.
    auto* window = new DetailWindow(m_session, std::move(rows), numbers, this);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->open();
}

void MainWindow::onAnalyzeRepeats()
{
    if (!m_session.services().isIdle() || m_session.archive().draws().empty())
        return;
    auto* window = new RepeatsWindow(m_session, this);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->open();
    window->calculate();
}

} // namespace ui
