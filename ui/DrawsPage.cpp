#include "ui/DrawsPage.h"

#include "app/ArchiveController.h"
#include "app/Session.h"
#include "app/StatisticsController.h"
#include "ui/DrawListModel.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QSpinBox>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace ui {

DrawsPage::DrawsPage(app::Session& session, QWidget* parent)
    : QWidget(parent), m_session(session), m_model(new DrawListModel(session, this)), m_list(new QTableView(this)),
      m_offset(new QSpinBox(this))
{
    auto* offsetLabel = new QLabel(tr("Смещение назад:"), this);
    offsetLabel->setBuddy(m_offset);
    m_offset->setObjectName(QStringLiteral("edDrawsOffset"));
    m_offset->setRange(0, 0);
    const QString offsetHint = tr("Смещение относительно последнего загруженного номера тиража");
    m_offset->setToolTip(offsetHint);
    m_offset->setStatusTip(offsetHint);

    auto* top = new QHBoxLayout;
    top->addWidget(offsetLabel);
    top->addWidget(m_offset);
    top->addStretch();
    m_top = top;

    m_list->setObjectName(QStringLiteral("lvDraws"));
    m_list->setModel(m_model);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setShowGrid(true);
    m_list->setSortingEnabled(false);
    m_list->setWordWrap(false);
    m_list->setContextMenuPolicy(Qt::ActionsContextMenu);
    m_list->verticalHeader()->hide();
    m_list->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_list->verticalHeader()->setDefaultSectionSize(m_list->fontMetrics().height() + 6);
    m_list->horizontalHeader()->setHighlightSections(false);
    m_list->horizontalHeader()->setStretchLastSection(true);
    // Narrow enough that the whole row, date included, fits the default width of the left pages.
    m_list->horizontalHeader()->setMinimumSectionSize(18);
    m_list->setColumnWidth(0, 44);
    for (int column = 1; column <= 6; ++column)
        m_list->setColumnWidth(column, 26);
    m_list->setColumnWidth(7, 32);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addLayout(top);
    layout->addWidget(m_list);

    connect(m_offset, &QSpinBox::valueChanged, &m_session.archive(), &app::ArchiveController::setOffset);
    connect(&m_session.archive(), &app::ArchiveController::drawsOffsetChanged, m_offset, [this](int k) {
        if (m_offset->value() != k)
            m_offset->setValue(k);
    });
    connect(&m_session.archive(), &app::ArchiveController::drawsChanged, this, &DrawsPage::onDrawsChanged);
    connect(&m_session.statistics(), &app::StatisticsController::configChanged, m_model, &DrawListModel::repaint);
    connect(m_list->selectionModel(), &QItemSelectionModel::selectionChanged, this, &DrawsPage::selectionChanged);
    connect(m_list->selectionModel(), &QItemSelectionModel::currentChanged, this, &DrawsPage::selectionChanged);
    connect(m_list, &QTableView::doubleClicked, this, &DrawsPage::rowActivated);
}

void DrawsPage::addToolAction(QAction* action)
{
    auto* button = new QToolButton(this);
    button->setObjectName(QStringLiteral("bt") + action->objectName());
    button->setDefaultAction(action);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    m_top->addWidget(button);
}

void DrawsPage::onDrawsChanged(bool rowsChanged)
{
    if (rowsChanged) {
        m_model->reload();
        m_offset->setMaximum(std::max(0, static_cast<int>(m_session.archive().draws().size()) - 1));
        emit selectionChanged();
    } else {
        m_model->repaint();
    }
}

int DrawsPage::focusedRow() const
{
    const QModelIndex current = m_list->selectionModel()->currentIndex();
    return current.isValid() ? current.row() : -1;
}

QList<int> DrawsPage::selectedRows() const
{
    QList<int> rows;
    for (const QModelIndex& index : m_list->selectionModel()->selectedRows())
        rows << index.row();
    std::sort(rows.begin(), rows.end());
    return rows;
}

} // namespace ui
