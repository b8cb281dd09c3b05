#include "ui/CombsPage.h"

#include "app/CandidatesController.h"
#include "app/Session.h"
#include "app/StatisticsController.h"
#include "core/IniFile.h"
#include "ui/CombListModel.h"
#include "ui/CommandBar.h"
#include "ui/FilterHistoryModel.h"
#include "ui/WindowLayout.h"

#include <QAction>
#include <QHeaderView>
#include <QKeyEvent>
#include <QSpinBox>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

#include <limits>

namespace ui {

namespace {

constexpr int kDefaultFiltersHeight = 127;

void setUpList(QTableView* view)
{
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setSortingEnabled(false);
    view->setWordWrap(false);
    view->verticalHeader()->hide();
    // Fixed row heights keep scrolling through millions of rows from measuring any of them.
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 6);
    view->horizontalHeader()->setHighlightSections(false);
    view->horizontalHeader()->setStretchLastSection(true);
    view->horizontalHeader()->setMinimumSectionSize(18);
}

CommandBar* makeBar(QWidget* parent, const char* name)
{
    auto* bar = new CommandBar(parent);
    bar->setObjectName(QString::fromLatin1(name));
    return bar;
}

} // namespace

CombsPage::CombsPage(app::Session& session, QWidget* parent)
    : QWidget(parent), m_session(session), m_model(new CombListModel(session, this)),
      m_historyModel(new FilterHistoryModel(session, this)), m_fileBar(makeBar(this, "tbCombsFile")),
      m_stepBar(makeBar(this, "tbCombsSteps")), m_exclude(new QSpinBox(this)),
      m_splitter(new QSplitter(Qt::Vertical, this)), m_filtersHeight(kDefaultFiltersHeight),
      m_list(new QTableView(m_splitter)), m_filters(new QTableView(m_splitter))
{
    m_exclude->setObjectName(QStringLiteral("edCombsExclude"));
    m_exclude->setRange(0, std::numeric_limits<int>::max());
    m_exclude->setValue(session.services().windowState().DrawsExclude);
    const QString excludeHint = tr("Исключить указанное количество последних тиражей из списка комбинаций");
    m_exclude->setToolTip(excludeHint);
    m_exclude->setStatusTip(excludeHint);
    // Room for a few digits: the button row must fit the narrow default width of the left pages.
    m_exclude->setFixedWidth(m_exclude->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 34);
    m_exclude->installEventFilter(this);

    m_list->setObjectName(QStringLiteral("lvCombs"));
    m_list->setModel(m_model);
    setUpList(m_list);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setShowGrid(true);
    m_list->setContextMenuPolicy(Qt::ActionsContextMenu);
    m_list->setColumnWidth(CombListModel::ColRow, 64);
    for (int column = CombListModel::ColNum1; column <= CombListModel::ColNum5; ++column)
        m_list->setColumnWidth(column, 26);
    m_list->setColumnWidth(CombListModel::ColSum, 36);

    m_filters->setObjectName(QStringLiteral("lvFilters"));
    m_filters->setModel(m_historyModel);
    setUpList(m_filters);
    m_filters->setSelectionMode(QAbstractItemView::SingleSelection);
    m_filters->setShowGrid(false);
    // Long captions are cut on the right, as the rows below them are.
    m_filters->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_filters->setColumnWidth(FilterHistoryModel::ColName, 150);
    m_filters->setColumnWidth(FilterHistoryModel::ColValues, 70);
    FitSectionsToCaptions(*m_filters->horizontalHeader());

    m_splitter->setObjectName(QStringLiteral("splCombs"));
    m_splitter->setChildrenCollapsible(false);
    m_splitter->addWidget(m_list);
    m_splitter->addWidget(m_filters);
    m_splitter->setStretchFactor(0, 1);
    m_splitter->setStretchFactor(1, 0);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(0);
    layout->addWidget(m_fileBar);
    layout->addWidget(m_stepBar);
    layout->addWidget(m_splitter, 1);

    connect(&m_session.candidates(), &app::CandidatesController::combsChanged, this, [this] {
        m_model->reload();
        emit selectionChanged();
    });
    connect(&m_session.candidates(), &app::CandidatesController::combsLookChanged, m_model, &CombListModel::repaint);
    connect(&m_session.statistics(), &app::StatisticsController::configChanged, m_model, &CombListModel::repaint);
    connect(&m_session.candidates(), &app::CandidatesController::filterHistoryChanged, this, [this] {
        m_historyModel->reload();
        if (const int rows = m_historyModel->rowCount(); rows > 0)
            m_filters->scrollTo(m_historyModel->index(rows - 1, 0));
    });
    connect(m_splitter, &QSplitter::splitterMoved, this,
            [this] { m_filtersHeight = m_splitter->sizes().value(1, m_filtersHeight); });
    connect(m_exclude, &QSpinBox::valueChanged, &m_session.candidates(), &app::CandidatesController::setDrawsExclude);
    connect(m_exclude, &QSpinBox::valueChanged, this, &CombsPage::selectionChanged);
    connect(m_list->selectionModel(), &QItemSelectionModel::selectionChanged, this, &CombsPage::selectionChanged);
    connect(m_list->selectionModel(), &QItemSelectionModel::currentChanged, this, &CombsPage::selectionChanged);
}

void CombsPage::installActions(const std::function<QAction*(const QString&)>& action)
{
    const auto named = [&action](const char* name) { return action(QString::fromLatin1(name)); };
    for (const char* name : {"CombsGen", "CombsOpen", "CombsSave", "CombsUndo"})
        m_fileBar->addAction(named(name));
    m_stepBar->addWidget(m_exclude);
    for (const char* name : {"CombsDelExists", "CombsDelSelected"})
        m_stepBar->addAction(named(name));

    const auto separator = [this] {
        auto* s = new QAction(m_list);
        s->setSeparator(true);
        return s;
    };
    const std::initializer_list<const char*> groups[] = {
        {"CombsGen", "CombsOpen", "CombsSave"},
        {"CombsUndo", "CombsDelExists", "CombsDelSelected"},
        {"CombsCopy", "CombsPaste", "CombsSelectAll"},
        {"CombsCheckNums", "CombsFindInDraws"},
    };
    bool first = true;
    for (const auto& group : groups) {
        if (!first)
            m_list->addAction(separator());
        first = false;
        for (const char* name : group) {
            m_list->addAction(named(name));
            // On the page as well, so the shortcut works from the history and the tool panel.
            addAction(named(name));
        }
    }
}

int CombsPage::focusedRow() const
{
    const QModelIndex current = m_list->selectionModel()->currentIndex();
    return current.isValid() ? current.row() : -1;
}

bool CombsPage::hasSelection() const
{
    return m_list->selectionModel()->hasSelection();
}

std::vector<bool> CombsPage::selectedFlags() const
{
    std::vector<bool> flags(std::size_t(m_model->rowCount()), false);
    for (const QItemSelectionRange& range : m_list->selectionModel()->selection()) {
        const int last = std::min(range.bottom(), int(flags.size()) - 1);
        for (int row = std::max(0, range.top()); row <= last; ++row)
            flags[std::size_t(row)] = true;
    }
    return flags;
}

std::vector<std::size_t> CombsPage::selectedRows() const
{
    const std::vector<bool> flags = selectedFlags();
    std::vector<std::size_t> rows;
    for (std::size_t row = 0; row < flags.size(); ++row) {
        if (flags[row])
            rows.push_back(row);
    }
    return rows;
}

void CombsPage::loadLayout(const core::IniFile& ini, const QString& section)
{
    ListLayoutLoad(ini, section, QStringLiteral("lvCombs"), *m_list->horizontalHeader(), false);
    ListLayoutLoad(ini, section, QStringLiteral("lvFilters"), *m_filters->horizontalHeader(), false);
    m_filtersHeight = ini.readInt(section, QStringLiteral("FiltersHeight"), kDefaultFiltersHeight);
    if (m_filtersHeight <= 0 || m_filtersHeight > 10000)
        m_filtersHeight = kDefaultFiltersHeight;
    // The history keeps its height when the window grows (its stretch is 0); the list takes the rest.
    const int total = std::max(m_splitter->height(), m_filtersHeight + 100);
    m_splitter->setSizes({total - m_filtersHeight, m_filtersHeight});
}

void CombsPage::saveLayout(core::IniFile& ini, const QString& section) const
{
    ListLayoutSave(ini, section, QStringLiteral("lvCombs"), *m_list->horizontalHeader(), false);
    ListLayoutSave(ini, section, QStringLiteral("lvFilters"), *m_filters->horizontalHeader(), false);
    const int height = m_splitter->isVisible() ? m_splitter->sizes().value(1, m_filtersHeight) : m_filtersHeight;
    ini.writeInt(section, QStringLiteral("FiltersHeight"), height);
}

bool CombsPage::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_exclude && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            // Take what was typed before deciding; the box keeps its value inside its limits.
            m_exclude->interpretText();
            emit excludeEntered();
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace ui
