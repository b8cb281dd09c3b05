#include "ui/TablesPage.h"

#include "app/TablesController.h"
#include "ui/CommandBar.h"
#include "ui/TablesModel.h"
#include "ui/WindowLayout.h"

#include <QAction>
#include <QHeaderView>
#include <QMenu>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace ui {

namespace {

constexpr int kColumnWidths[stakes::TableColumnCount] = {200, 150, 60, 150, 60};

} // namespace

TablesPage::TablesPage(app::TablesController& tables, QWidget* parent)
    : QWidget(parent), m_model(new TablesModel(tables, this)), m_panel(new CommandBar(this)),
      m_list(new QTableView(this)), m_popup(new QMenu(this))
{
    m_panel->setObjectName(QStringLiteral("pnlTables"));

    m_list->setObjectName(QStringLiteral("lvTables"));
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
    header->setSectionsClickable(false);
    header->setStretchLastSection(false);
    for (int column = 0; column < stakes::TableColumnCount; ++column)
        m_list->setColumnWidth(column, kColumnWidths[column]);
    FitSectionsToCaptions(*header);

    m_popup->setObjectName(QStringLiteral("pmTables"));
    m_list->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_list, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { m_popup->popup(m_list->viewport()->mapToGlobal(at)); });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(2);
    layout->addWidget(m_panel);
    layout->addWidget(m_list, 1);

    connect(&tables, &app::TablesController::changed, this, [this] {
        m_model->reload();
        emit selectionChanged();
    });
    connect(m_list->selectionModel(), &QItemSelectionModel::selectionChanged, this, &TablesPage::selectionChanged);
}

void TablesPage::setCommands(const QList<QAction*>& buttons, const QList<QAction*>& popup)
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

bool TablesPage::hasSelection() const
{
    return m_list->selectionModel()->hasSelection();
}

std::vector<int> TablesPage::selectedRows() const
{
    std::vector<int> rows;
    for (const QModelIndex& index : m_list->selectionModel()->selectedRows())
        rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

void TablesPage::loadLayout(const core::IniFile& ini, const QString& section)
{
    ListLayoutLoad(ini, section, QStringLiteral("lvTables"), *m_list->horizontalHeader(), false);
}

void TablesPage::saveLayout(core::IniFile& ini, const QString& section) const
{
    ListLayoutSave(ini, section, QStringLiteral("lvTables"), *m_list->horizontalHeader(), false);
}

} // namespace ui
