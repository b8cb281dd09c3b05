#include "ui/RatingsPage.h"

#include "app/RatingsController.h"
#include "app/ScriptController.h"
#include "app/Session.h"
#include "ui/CommandBar.h"
#include "ui/RatingsModel.h"
#include "ui/WindowLayout.h"

#include <QAction>
#include <QHeaderView>
#include <QMenu>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace ui {

namespace {

int initialWidth(int column)
{
    if (column == scripts::RColName)
        return 300;
    if (column >= scripts::RColHits0 && column <= scripts::RColHits5)
        return 50;
    return 75;
}

} // namespace

RatingsPage::RatingsPage(app::Session& session, QWidget* parent)
    : QWidget(parent), m_session(session), m_model(new RatingsModel(session.ratings(), this)),
      m_panel(new CommandBar(this)), m_list(new QTableView(this)), m_popup(new QMenu(this))
{
    m_panel->setObjectName(QStringLiteral("pnlRatings"));

    m_list->setObjectName(QStringLiteral("lvRatings"));
    m_list->setModel(m_model);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setWordWrap(false);
    m_list->setShowGrid(true);
    m_list->verticalHeader()->hide();
    m_list->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_list->verticalHeader()->setDefaultSectionSize(m_list->fontMetrics().height() + 6);
    QHeaderView* header = m_list->horizontalHeader();
    header->setHighlightSections(false);
    header->setStretchLastSection(false);
    // The view does not sort: a click asks the rating to sort itself and store that order.
    header->setSectionsClickable(true);
    header->setSortIndicatorShown(true);
    for (int column = 0; column < scripts::RatingColumnCount; ++column)
        m_list->setColumnWidth(column, initialWidth(column));
    showSortIndicator();
    FitSectionsToCaptions(*header);

    m_popup->setObjectName(QStringLiteral("pmRatings"));
    m_list->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_list, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { m_popup->popup(m_list->viewport()->mapToGlobal(at)); });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(2);
    layout->addWidget(m_panel);
    layout->addWidget(m_list, 1);

    app::RatingsController& ratings = session.ratings();
    connect(&ratings, &app::RatingsController::changed, this, [this] {
        m_model->reload();
        showSortIndicator();
        emit selectionChanged();
    });
    connect(&ratings, &app::RatingsController::effModeChanged, m_model, &RatingsModel::repaintEfficiency);
    connect(header, &QHeaderView::sectionClicked, this, &RatingsPage::onHeaderClicked);
    connect(m_list, &QTableView::doubleClicked, this, &RatingsPage::rowActivated);
    connect(m_list->selectionModel(), &QItemSelectionModel::selectionChanged, this, &RatingsPage::selectionChanged);
}

void RatingsPage::setCommands(const QList<QAction*>& buttons, const QList<QAction*>& popup)
{
    for (QAction* command : buttons)
        m_panel->addAction(command);
    for (QAction* command : popup) {
        if (command)
            m_popup->addAction(command);
        else
            m_popup->addSeparator();
    }
}

void RatingsPage::showSortIndicator()
{
    const app::RatingsController& ratings = m_session.ratings();
    m_list->horizontalHeader()->setSortIndicator(ratings.sortColumn(),
                                                 ratings.sortDescending() ? Qt::DescendingOrder : Qt::AscendingOrder);
}

void RatingsPage::onHeaderClicked(int column)
{
    app::RatingsController& ratings = m_session.ratings();
    // A running script checks stakes and so sorts the rating itself.
    if (!m_session.services().isIdle() || m_session.script().running()) {
        showSortIndicator();
        return;
    }
    // A second click on the sorted column turns the order round; another column starts ascending.
    const bool descending = column == ratings.sortColumn() && !ratings.sortDescending();
    ratings.sort(column, descending);
    showSortIndicator();
}

bool RatingsPage::hasSelection() const
{
    return m_list->selectionModel()->hasSelection();
}

std::vector<int> RatingsPage::selectedRows() const
{
    std::vector<int> rows;
    for (const QModelIndex& index : m_list->selectionModel()->selectedRows())
        rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

QStringList RatingsPage::selectedNames() const
{
    const core::TRatingsArray& rows = m_session.ratings().rows();
    QStringList names;
    for (int row : selectedRows()) {
        if (std::size_t(row) < rows.size())
            names << rows[std::size_t(row)].Name;
    }
    return names;
}

void RatingsPage::loadLayout(const core::IniFile& ini, const QString& section)
{
    // The order itself belongs to the rating, which read it with the window state.
    ListLayoutLoad(ini, section, QStringLiteral("lvRatings"), *m_list->horizontalHeader(), false);
    showSortIndicator();
}

void RatingsPage::saveLayout(core::IniFile& ini, const QString& section) const
{
    ListLayoutSave(ini, section, QStringLiteral("lvRatings"), *m_list->horizontalHeader(), true);
}

} // namespace ui
