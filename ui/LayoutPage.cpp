#include "ui/LayoutPage.h"

#include "app/CandidatesController.h"
#include "app/Session.h"
#include "app/ViewsController.h"
#include "core/IniFile.h"
#include "ui/GraphsPage.h"
#include "ui/LayoutModels.h"

#include <QAction>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QShowEvent>
#include <QSpinBox>
#include <QSplitter>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <limits>

namespace ui {

namespace {

constexpr int kDefaultLength = 100;
constexpr int kDefaultCompareHeight = 257;
constexpr int kCountColumnWidth = 50;
constexpr int kDrawColumnWidth = 40;

void setHint(QWidget* widget, const QString& hint)
{
    widget->setToolTip(hint);
    widget->setStatusTip(hint);
}

QSpinBox* makeLengthBox(QWidget* parent, const QString& name, int value, const QString& hint)
{
    auto* box = new QSpinBox(parent);
    box->setObjectName(name);
    box->setRange(1, std::numeric_limits<int>::max());
    box->setValue(value);
    box->setKeyboardTracking(false);
    setHint(box, hint);
    return box;
}

void addButtons(QWidget* row, const QList<QAction*>& commands)
{
    auto* layout = static_cast<QHBoxLayout*>(row->layout());
    for (QAction* command : commands) {
        auto* button = new QToolButton(row);
        button->setObjectName(QStringLiteral("btn") + command->objectName());
        button->setDefaultAction(command);
        layout->insertWidget(layout->count() - 1, button);
    }
}

} // namespace

LayoutPage::LayoutPage(app::Session& session, QWidget* parent)
    : QWidget(parent), m_session(session),
      m_length(makeLengthBox(this, QStringLiteral("edLayoutLen"), kDefaultLength,
                             tr("Количество тиражей, использующихся для расчета статистики"))),
      m_gridButtons(new QWidget(this)), m_compareButtons(new QWidget(this)),
      m_splitter(new QSplitter(Qt::Vertical, this)), m_model(new LayoutModel(session, this)),
      m_grid(new QTableView(m_splitter)), m_comparePanel(new QWidget(m_splitter)),
      m_compareSplitter(new QSplitter(Qt::Horizontal, m_comparePanel)), m_compareHeight(kDefaultCompareHeight)
{
    m_length->installEventFilter(this);
    auto* lengthLabel = new QLabel(tr("Тиражей:"), this);
    lengthLabel->setBuddy(m_length);
    auto* gridButtons = new QHBoxLayout(m_gridButtons);
    gridButtons->setContentsMargins(0, 0, 0, 0);
    gridButtons->addStretch(1);
    auto* top = new QHBoxLayout;
    top->addWidget(lengthLabel);
    top->addWidget(m_length);
    top->addWidget(m_gridButtons, 1);

    m_grid->setObjectName(QStringLiteral("sgLayout"));
    m_grid->setModel(m_model);
    m_grid->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setWordWrap(false);
    m_grid->setContextMenuPolicy(Qt::ActionsContextMenu);
    m_grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_grid->verticalHeader()->setDefaultSectionSize(m_grid->fontMetrics().height() + 4);
    m_grid->verticalHeader()->setMinimumWidth(kCountColumnWidth);
    m_grid->verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
    m_grid->horizontalHeader()->setDefaultSectionSize(kDrawColumnWidth);
    m_grid->horizontalHeader()->setHighlightSections(false);

    m_comparePanel->setObjectName(QStringLiteral("pnlLayoutCompare"));
    auto* compareButtons = new QHBoxLayout(m_compareButtons);
    compareButtons->setContentsMargins(0, 0, 0, 0);
    compareButtons->addStretch(1);
    m_compareSplitter->setChildrenCollapsible(false);
    for (int k = 0; k < views::kLayoutCompareLists; ++k) {
        auto* column = new QWidget(m_compareSplitter);
        auto* box =
            makeLengthBox(column, QStringLiteral("edLayoutCmp%1").arg(k + 1), views::kLayoutCompareDefaults[k],
                          tr("Количество тиражей, использующихся для расчета статистики в списке %1").arg(k + 1));
        box->installEventFilter(this);
        auto* list = new QTableView(column);
        list->setObjectName(QStringLiteral("lvLayoutCmp%1").arg(k + 1));
        auto* model = new LayoutCompareModel(this);
        list->setModel(model);
        list->setSelectionBehavior(QAbstractItemView::SelectRows);
        list->setEditTriggers(QAbstractItemView::NoEditTriggers);
        list->setWordWrap(false);
        list->setSortingEnabled(true);
        list->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
        list->horizontalHeader()->setStretchLastSection(true);
        list->horizontalHeader()->setHighlightSections(false);
        list->verticalHeader()->hide();
        list->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
        list->verticalHeader()->setDefaultSectionSize(list->fontMetrics().height() + 4);
        list->setColumnWidth(0, 50);
        auto* layout = new QVBoxLayout(column);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(2);
        layout->addWidget(box);
        layout->addWidget(list, 1);
        m_compareLengths[std::size_t(k)] = box;
        m_compareLists[std::size_t(k)] = list;
        m_compareModels[std::size_t(k)] = model;
        m_compareSplitter->addWidget(column);
    }
    auto* panel = new QVBoxLayout(m_comparePanel);
    panel->setContentsMargins(0, 0, 0, 0);
    panel->setSpacing(2);
    panel->addWidget(m_compareButtons);
    panel->addWidget(m_compareSplitter, 1);

    m_splitter->setObjectName(QStringLiteral("splLayout"));
    m_splitter->addWidget(m_grid);
    m_splitter->addWidget(m_comparePanel);
    m_splitter->setChildrenCollapsible(false);
    m_splitter->setStretchFactor(0, 1);
    m_splitter->setStretchFactor(1, 0);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addLayout(top);
    layout->addWidget(m_splitter, 1);

    pushLengths();
    // The views recalculate with the lengths the boxes show, typed in or not yet confirmed.
    connect(m_length, &QSpinBox::valueChanged, this, &LayoutPage::pushLengths);
    for (QSpinBox* box : m_compareLengths)
        connect(box, &QSpinBox::valueChanged, this, &LayoutPage::pushLengths);
    app::ViewsController& views = m_session.views();
    connect(&views, &app::ViewsController::layoutChanged, this, &LayoutPage::onLayoutChanged);
    connect(&views, &app::ViewsController::layoutCompareChanged, this, &LayoutPage::onCompareChanged);
    connect(&views, &app::ViewsController::layoutLookChanged, m_model, &LayoutModel::repaint);
    connect(&m_session.candidates(), &app::CandidatesController::combsChanged, this, &LayoutPage::actionStatesChanged);
    connect(m_grid->selectionModel(), &QItemSelectionModel::selectionChanged, this, &LayoutPage::actionStatesChanged);
    connect(m_model, &QAbstractItemModel::modelReset, this, &LayoutPage::actionStatesChanged);
}

void LayoutPage::setCommands(const QList<QAction*>& gridCommands, const QList<QAction*>& compareCommands)
{
    addButtons(m_gridButtons, gridCommands);
    addButtons(m_compareButtons, compareCommands);
    m_grid->addActions(gridCommands);
}

void LayoutPage::pushLengths()
{
    app::ViewsController& views = m_session.views();
    views.setLayoutLength(m_length->value());
    for (int k = 0; k < views::kLayoutCompareLists; ++k)
        views.setLayoutCompareLength(k, m_compareLengths[std::size_t(k)]->value());
}

void LayoutPage::calculate(bool force)
{
    pushLengths();
    m_session.views().layoutBuild(force);
}

void LayoutPage::calculateCompare(bool force)
{
    pushLengths();
    m_session.views().layoutCompareBuild(force);
}

void LayoutPage::onLayoutChanged()
{
    m_model->reload();
    // Each column as wide as its widest cell, never narrower than the default.
    const QFontMetrics metrics = m_grid->fontMetrics();
    for (int column = 0; column < m_model->columnCount(); ++column) {
        int width = kDrawColumnWidth;
        for (int row = 0; row < m_model->rowCount(); ++row)
            width = std::max(width, metrics.horizontalAdvance(m_model->index(row, column).data().toString()) + 10);
        m_grid->setColumnWidth(column, width);
    }
}

void LayoutPage::onCompareChanged()
{
    const auto& lists = m_session.views().layoutCompare();
    for (int k = 0; k < views::kLayoutCompareLists; ++k)
        m_compareModels[std::size_t(k)]->setList(lists[std::size_t(k)]);
}

bool LayoutPage::canFilter() const
{
    return m_grid->selectionModel()->hasSelection();
}

std::vector<int> LayoutPage::selectedNumbers() const
{
    QModelIndexList cells = m_grid->selectionModel()->selectedIndexes();
    std::sort(cells.begin(), cells.end(), [](const QModelIndex& a, const QModelIndex& b) {
        return a.column() != b.column() ? a.column() < b.column() : a.row() < b.row();
    });
    std::vector<int> numbers;
    for (const QModelIndex& cell : cells)
        for (int n : views::LayoutCellNumbers(cell.data().toString()))
            if (std::find(numbers.begin(), numbers.end(), n) == numbers.end())
                numbers.push_back(n);
    return numbers;
}

void LayoutPage::filterSelected(bool exclude)
{
    if (!canFilter())
        return;
    const std::vector<int> numbers = selectedNumbers();
    QStringList texts;
    for (int n : numbers)
        texts << QString::number(n);
    m_session.views().filterByNumbers(numbers, texts, tr("Схема"), exclude);
}

void LayoutPage::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous()) {
        pushLengths();
        m_session.views().setShown(app::ViewsController::Page::Layout, true);
        emit actionStatesChanged();
    }
}

void LayoutPage::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    if (!event->spontaneous()) {
        m_session.views().setShown(app::ViewsController::Page::Layout, false);
        emit actionStatesChanged();
    }
}

bool LayoutPage::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_length && TakeTypedLength(*m_length, event))
        calculate(false);
    for (QSpinBox* box : m_compareLengths)
        if (watched == box && TakeTypedLength(*box, event))
            calculateCompare(true);
    return QWidget::eventFilter(watched, event);
}

void LayoutPage::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    applyCompareHeight();
    // Lists 1-4 take a fifth of the panel each, list 5 the rest.
    const int width = m_compareSplitter->width();
    if (width > 0) {
        const int share = width / views::kLayoutCompareLists - m_compareSplitter->handleWidth();
        QList<int> sizes(views::kLayoutCompareLists, share);
        sizes.back() = width - (views::kLayoutCompareLists - 1) * (share + m_compareSplitter->handleWidth());
        m_compareSplitter->setSizes(sizes);
    }
}

void LayoutPage::applyCompareHeight()
{
    const int total = m_splitter->height() - m_splitter->handleWidth();
    if (!m_compareHeightPending || total < m_compareHeight + 60)
        return;
    m_splitter->setSizes({total - m_compareHeight, m_compareHeight});
    m_compareHeightPending = false;
}

void LayoutPage::loadLayout(const core::IniFile& ini, const QString& section)
{
    const int length = ini.readInt(section, QStringLiteral("LayoutLen"), kDefaultLength);
    m_length->setValue(length >= 1 ? length : kDefaultLength);
    for (int k = 0; k < views::kLayoutCompareLists; ++k) {
        const int value =
            ini.readInt(section, QStringLiteral("LayoutCompareLen%1").arg(k + 1), views::kLayoutCompareDefaults[k]);
        m_compareLengths[std::size_t(k)]->setValue(value >= 1 ? value : views::kLayoutCompareDefaults[k]);
    }
    const int height = ini.readInt(section, QStringLiteral("LayoutCompareHeight"), kDefaultCompareHeight);
    m_compareHeight = height > 0 && height < 10000 ? height : kDefaultCompareHeight;
    m_compareHeightPending = true;
    applyCompareHeight();
    pushLengths();
}

void LayoutPage::storeLayout(core::IniFile& ini, const QString& section) const
{
    ini.writeInt(section, QStringLiteral("LayoutLen"), m_length->value());
    for (int k = 0; k < views::kLayoutCompareLists; ++k)
        ini.writeInt(section, QStringLiteral("LayoutCompareLen%1").arg(k + 1),
                     m_compareLengths[std::size_t(k)]->value());
    ini.writeInt(section, QStringLiteral("LayoutCompareHeight"),
                 m_compareHeightPending ? m_compareHeight : m_splitter->sizes().value(1, kDefaultCompareHeight));
}

} // namespace ui
