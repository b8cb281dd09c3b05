#include "ui/CardPage.h"

#include "app/CandidatesController.h"
#include "app/Session.h"
#include "app/StatisticsController.h"
#include "app/ViewsController.h"
#include "ui/CardModel.h"
#include "views/NumberCard.h"

#include <QAction>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QShowEvent>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace ui {

CardPage::CardPage(app::Session& session, QWidget* parent)
    : QWidget(parent), m_session(session), m_model(new CardModel(session, this)), m_buttons(new QWidget(this)),
      m_grid(new QTableView(this))
{
    m_grid->setObjectName(QStringLiteral("sgCard"));
    m_grid->setModel(m_model);
    m_grid->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectItems);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setWordWrap(false);
    m_grid->setContextMenuPolicy(Qt::ActionsContextMenu);
    QHeaderView* rows = m_grid->verticalHeader();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(m_grid->fontMetrics().height() + 4);
    rows->setDefaultAlignment(Qt::AlignCenter);
    QHeaderView* columns = m_grid->horizontalHeader();
    columns->setSectionResizeMode(QHeaderView::Fixed);
    columns->setMinimumSectionSize(10);
    columns->setDefaultSectionSize(m_grid->fontMetrics().horizontalAdvance(QStringLiteral("54")) + 10);
    columns->setHighlightSections(false);

    auto* buttons = new QHBoxLayout(m_buttons);
    buttons->setContentsMargins(0, 0, 0, 0);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(m_buttons);
    layout->addWidget(m_grid, 1);

    app::ViewsController& views = m_session.views();
    connect(&views, &app::ViewsController::cardChanged, m_model, &CardModel::reload);
    connect(&views, &app::ViewsController::cardLookChanged, m_model, &CardModel::repaint);
    connect(&m_session.statistics(), &app::StatisticsController::configChanged, m_model, &CardModel::repaint);
    connect(&m_session.candidates(), &app::CandidatesController::combsChanged, this, &CardPage::actionStatesChanged);
    connect(m_model, &QAbstractItemModel::modelReset, this, &CardPage::actionStatesChanged);
    connect(m_grid->selectionModel(), &QItemSelectionModel::selectionChanged, this, &CardPage::actionStatesChanged);
}

void CardPage::setCommands(const QList<QAction*>& commands)
{
    auto* layout = static_cast<QHBoxLayout*>(m_buttons->layout());
    for (QAction* command : commands) {
        auto* button = new QToolButton(m_buttons);
        button->setObjectName(QStringLiteral("btn") + command->objectName());
        button->setDefaultAction(command);
        layout->insertWidget(layout->count() - 1, button);
    }
    m_grid->addActions(commands);
}

bool CardPage::canFilter() const
{
    const QModelIndexList cells = m_grid->selectionModel()->selectedIndexes();
    return !cells.isEmpty() && std::all_of(cells.begin(), cells.end(),
                                           [](const QModelIndex& i) { return i.column() < views::kCardNumberColumns; });
}

std::vector<int> CardPage::selectedNumbers() const
{
    std::vector<std::pair<int, int>> cells;
    for (const QModelIndex& i : m_grid->selectionModel()->selectedIndexes())
        cells.emplace_back(i.row(), i.column() + 1);
    std::sort(cells.begin(), cells.end(), [](const auto& a, const auto& b) {
        return a.second != b.second ? a.second < b.second : a.first < b.first;
    });
    return views::CardSelectedNumbers(m_model->masks(), cells);
}

void CardPage::filterSelected(bool exclude)
{
    if (!canFilter())
        return;
    const std::vector<int> numbers = selectedNumbers();
    QStringList texts;
    for (int n : numbers)
        texts << QString::number(n);
    m_session.views().filterByNumbers(numbers, texts, tr("Карта"), exclude);
}

void CardPage::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous()) {
        m_session.views().setShown(app::ViewsController::Page::Card, true);
        emit actionStatesChanged();
    }
}

void CardPage::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    if (!event->spontaneous()) {
        m_session.views().setShown(app::ViewsController::Page::Card, false);
        emit actionStatesChanged();
    }
}

} // namespace ui
