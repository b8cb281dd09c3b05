#include "ui/SystemsPage.h"

#include "app/SystemsController.h"
#include "ui/CommandBar.h"
#include "ui/SystemsModel.h"
#include "ui/WindowLayout.h"

#include <QAction>
#include <QHeaderView>
#include <QMenu>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace ui {

SystemsPage::SystemsPage(app::SystemsController& systems, QWidget* parent)
    : QWidget(parent), m_systems(systems), m_model(new SystemsModel(systems, this)),
      m_sorted(new QSortFilterProxyModel(this)), m_panel(new CommandBar(this)), m_list(new QTableView(this)),
      m_popup(new QMenu(this))
{
    m_panel->setObjectName(QStringLiteral("pnlSystems"));

    m_sorted->setSourceModel(m_model);
    m_sorted->setSortRole(SystemsModel::SortRole);
    m_list->setObjectName(QStringLiteral("lvSystems"));
    m_list->setModel(m_sorted);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setWordWrap(false);
    m_list->setShowGrid(true);
    m_list->verticalHeader()->hide();
    m_list->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_list->verticalHeader()->setDefaultSectionSize(m_list->fontMetrics().height() + 6);
    m_list->horizontalHeader()->setHighlightSections(false);
    m_list->setSortingEnabled(true);
    m_list->sortByColumn(SystemsModel::ColNums, Qt::AscendingOrder);
    const int widths[SystemsModel::ColumnCount] = {220, 120, 50, 45, 85, 130, 80, 70, 130, 250, 200, 90, 110, 110};
    for (int column = 0; column < SystemsModel::ColumnCount; ++column)
        m_list->setColumnWidth(column, widths[column]);
    FitSectionsToCaptions(*m_list->horizontalHeader());
    // The guarantee held and the sizes to compare with stand beside the count of combinations;
    // they come last among the columns, so that stored widths keep their places.
    QHeaderView* header = m_list->horizontalHeader();
    int after = header->visualIndex(SystemsModel::ColCSize);
    for (int column : {SystemsModel::ColGuarantee, SystemsModel::ColBestKnown, SystemsModel::ColLowerBound})
        header->moveSection(header->visualIndex(column), ++after);

    m_popup->setObjectName(QStringLiteral("pmSystems"));
    m_list->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_list, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { m_popup->popup(m_list->viewport()->mapToGlobal(at)); });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(2);
    layout->addWidget(m_panel);
    layout->addWidget(m_list, 1);

    connect(m_list, &QTableView::doubleClicked, this, &SystemsPage::rowActivated);
    connect(m_list->selectionModel(), &QItemSelectionModel::selectionChanged, this, &SystemsPage::selectionChanged);
    connect(m_sorted, &QAbstractItemModel::modelReset, this, &SystemsPage::selectionChanged);
}

void SystemsPage::setCommands(const QList<QAction*>& buttons, const QList<QAction*>& popup)
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

int SystemsPage::sourceRow(int viewRow) const
{
    return m_sorted->mapToSource(m_sorted->index(viewRow, 0)).row();
}

bool SystemsPage::hasSelection() const
{
    return m_list->selectionModel()->hasSelection();
}

std::vector<int> SystemsPage::selectedRows() const
{
    std::vector<int> viewRows;
    for (const QModelIndex& index : m_list->selectionModel()->selectedRows())
        viewRows.push_back(index.row());
    std::sort(viewRows.begin(), viewRows.end());
    std::vector<int> rows;
    for (int v : viewRows)
        rows.push_back(sourceRow(v));
    return rows;
}

int SystemsPage::currentRow() const
{
    const QModelIndex current = m_list->currentIndex();
    if (current.isValid() && m_list->selectionModel()->isRowSelected(current.row(), {}))
        return sourceRow(current.row());
    const std::vector<int> rows = selectedRows();
    return rows.empty() ? -1 : rows.front();
}

void SystemsPage::selectRow(int row)
{
    const QModelIndex index = m_sorted->mapFromSource(m_model->index(row, 0));
    if (!index.isValid())
        return;
    m_list->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    m_list->scrollTo(index);
}

void SystemsPage::refresh()
{
    app::SystemsController& systems = m_systems;
    const int row = currentRow();
    const int id = row >= 0 ? systems.rows()[std::size_t(row)].Data.id : -1;
    systems.refreshList();
    if (id >= 0) {
        const int again = systems.rowOfId(id);
        if (again >= 0)
            selectRow(again);
    }
}

void SystemsPage::download()
{
    app::SystemsController& systems = m_systems;
    const QModelIndex focused = m_list->currentIndex();
    const int focusedRow = focused.isValid() ? sourceRow(focused.row()) : -1;
    for (int row : systems.downloadRows(selectedRows())) {
        if (row == focusedRow)
            continue;
        const QModelIndex index = m_sorted->mapFromSource(m_model->index(row, 0));
        m_list->selectionModel()->select(index, QItemSelectionModel::Deselect | QItemSelectionModel::Rows);
    }
    emit selectionChanged();
}

void SystemsPage::loadLayout(const core::IniFile& ini, const QString& section)
{
    ListLayoutLoad(ini, section, QStringLiteral("lvSystems"), *m_list->horizontalHeader(), true);
}

void SystemsPage::saveLayout(core::IniFile& ini, const QString& section) const
{
    ListLayoutSave(ini, section, QStringLiteral("lvSystems"), *m_list->horizontalHeader(), true);
}

} // namespace ui
