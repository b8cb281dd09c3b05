#include "ui/StakesPage.h"

#include "app/StakesController.h"
#include "ui/CommandBar.h"
#include "ui/StakesDelegate.h"
#include "ui/StakesModel.h"
#include "ui/WindowLayout.h"

#include <QAction>
#include <QHeaderView>
#include <QMenu>
#include <QTableView>
#include <QVBoxLayout>

namespace ui {

namespace {

constexpr int kRowHeight = 18;
constexpr int kColumnWidths[stakes::StakeColumnCount] = {60, 60, 120, 60, 120, 60, 60, 60, 1000};

} // namespace

StakesPage::StakesPage(app::StakesController& stakes, QWidget* parent)
    : QWidget(parent), m_stakes(stakes), m_model(new StakesModel(stakes, this)), m_panel(new CommandBar(this)),
      m_grid(new QTableView(this)), m_popup(new QMenu(this))
{
    m_panel->setObjectName(QStringLiteral("pnlStakes"));

    m_grid->setObjectName(QStringLiteral("sgStakes"));
    m_grid->setModel(m_model);
    m_grid->setItemDelegate(new StakesDelegate(m_grid));
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    // One range of rows, as the deletion takes the rows from the first selected to the last.
    m_grid->setSelectionMode(QAbstractItemView::ContiguousSelection);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setWordWrap(false);
    m_grid->setShowGrid(true);
    m_grid->verticalHeader()->hide();
    // Fixed row heights keep scrolling through millions of stakes from measuring any row.
    m_grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_grid->verticalHeader()->setMinimumSectionSize(kRowHeight);
    m_grid->verticalHeader()->setDefaultSectionSize(kRowHeight);
    QHeaderView* header = m_grid->horizontalHeader();
    header->setHighlightSections(false);
    header->setSectionResizeMode(QHeaderView::Interactive);
    header->setStretchLastSection(false);
    header->setMinimumSectionSize(8);
    for (int column = 0; column < stakes::StakeColumnCount; ++column)
        m_grid->setColumnWidth(column, kColumnWidths[column]);
    FitSectionsToCaptions(*header);

    m_popup->setObjectName(QStringLiteral("pmStakes"));
    m_grid->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_grid, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { m_popup->popup(m_grid->viewport()->mapToGlobal(at)); });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(2);
    layout->addWidget(m_panel);
    layout->addWidget(m_grid, 1);

    connect(&stakes, &app::StakesController::refreshed, this, &StakesPage::onRefreshed);
    connect(m_grid->selectionModel(), &QItemSelectionModel::selectionChanged, this, &StakesPage::selectionChanged);
    onRefreshed(stakes.gridRows(), true, false);
}

void StakesPage::setCommands(const QList<QAction*>& buttons, const QList<QAction*>& popup)
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

void StakesPage::onRefreshed(qint64 rows, bool repaint, bool scrollToEnd)
{
    m_model->setRows(rows, repaint);
    const int last = m_model->rowCount() - 1;
    if (scrollToEnd || !m_stakes.hasData()) {
        // The newest stake, or the blank row of an empty file, becomes the only selected row.
        const QModelIndex target = m_model->index(last, 0);
        m_grid->selectionModel()->setCurrentIndex(target,
                                                  QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        if (scrollToEnd)
            m_grid->scrollTo(target);
    }
    emit selectionChanged();
}

bool StakesPage::hasSelection() const
{
    return m_grid->selectionModel()->hasSelection();
}

bool StakesPage::selectedRange(int& top, int& bottom) const
{
    const QItemSelection selection = m_grid->selectionModel()->selection();
    if (selection.isEmpty())
        return false;
    top = m_model->rowCount();
    bottom = -1;
    for (const QItemSelectionRange& range : selection) {
        top = std::min(top, range.top());
        bottom = std::max(bottom, range.bottom());
    }
    return bottom >= top;
}

void StakesPage::loadLayout(const core::IniFile& ini, const QString& section)
{
    ListLayoutLoad(ini, section, QStringLiteral("sgStakes"), *m_grid->horizontalHeader(), false);
}

void StakesPage::saveLayout(core::IniFile& ini, const QString& section) const
{
    ListLayoutSave(ini, section, QStringLiteral("sgStakes"), *m_grid->horizontalHeader(), false);
}

} // namespace ui
