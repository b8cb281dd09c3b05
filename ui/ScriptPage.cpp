#include "ui/ScriptPage.h"

#include "app/ScriptController.h"
#include "app/StakesController.h"
#include "scripts/ScriptLine.h"
#include "ui/CommandBar.h"
#include "ui/ScriptModel.h"
#include "ui/WindowLayout.h"

#include <QAction>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QSplitter>
#include <QStatusBar>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace ui {

namespace {

int initialWidth(int column)
{
    if (column == 0)
        return 150;
    if (column == 1)
        return 260;
    return 170;
}

} // namespace

ScriptPage::ScriptPage(app::ScriptController& script, app::StakesController& stakes, QWidget* parent)
    : QWidget(parent), m_script(script), m_model(new ScriptModel(script, this)), m_panel(new CommandBar(this)),
      m_list(new QTableView(this)), m_popup(new QMenu(this)), m_statusBar(new QStatusBar(this))
{
    m_panel->setObjectName(QStringLiteral("pnlScript"));

    m_list->setObjectName(QStringLiteral("lvScript"));
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
    for (int column = 0; column < scripts::kLineFields; ++column)
        m_list->setColumnWidth(column, initialWidth(column));
    FitSectionsToCaptions(*header);

    m_popup->setObjectName(QStringLiteral("pmScript"));
    m_list->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_list, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { m_popup->popup(m_list->viewport()->mapToGlobal(at)); });

    m_statusBar->setObjectName(QStringLiteral("sbScript"));
    m_statusBar->setSizeGripEnabled(false);
    for (int i = 0; i < kPanelCount; ++i) {
        m_panels[i] = new QLabel(m_statusBar);
        m_panels[i]->setObjectName(QStringLiteral("sbScriptPanel%1").arg(i));
        if (i + 1 < kPanelCount) {
            m_panels[i]->setMinimumWidth(100);
            m_statusBar->addWidget(m_panels[i]);
        } else {
            m_statusBar->addWidget(m_panels[i], 1);
        }
    }

    createOnlinePanel();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(2);
    layout->addWidget(m_panel);
    layout->addWidget(m_splitter, 1);
    layout->addWidget(m_statusBar);

    connect(&script, &app::ScriptController::linesChanged, this, &ScriptPage::reload);
    connect(&script, &app::ScriptController::lineFocused, this, &ScriptPage::focusLine);
    connect(&script, &app::ScriptController::lineRunning, this, &ScriptPage::showRunningLine);
    connect(&script, &app::ScriptController::panelsChanged, this, &ScriptPage::refreshPanels);
    connect(&stakes, &app::StakesController::runStakesCounted, this,
            [this] { m_panels[3]->setText(m_script.panelText(3)); });
    connect(m_list, &QTableView::doubleClicked, this, &ScriptPage::rowActivated);
    connect(m_list->selectionModel(), &QItemSelectionModel::selectionChanged, this, &ScriptPage::selectionChanged);
    connect(m_list->selectionModel(), &QItemSelectionModel::currentChanged, this, &ScriptPage::selectionChanged);
    refreshPanels();
}

void ScriptPage::setCommands(const QList<QAction*>& buttons, const QList<QAction*>& popup)
{
    for (QAction* command : buttons) {
        if (command)
            m_panel->addAction(command);
        else
            m_panel->addSeparator();
    }
    for (QAction* command : popup) {
        if (command)
            m_popup->addAction(command);
        else
            m_popup->addSeparator();
    }
}

void ScriptPage::reload()
{
    m_model->reload();
    refreshPanels();
    // The reset took the selection with it.
    emit selectionChanged();
}

void ScriptPage::focusLine(int row)
{
    if (row < 0 || row >= m_model->rowCount())
        return;
    const QModelIndex index = m_model->index(row, 0);
    m_list->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    m_list->scrollTo(index);
}

void ScriptPage::showRunningLine(int row)
{
    if (row < 0 || row >= m_model->rowCount()) {
        m_list->clearSelection();
        return;
    }
    const QModelIndex index = m_model->index(row, 0);
    m_list->selectionModel()->select(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    m_list->scrollTo(index);
}

void ScriptPage::refreshPanels()
{
    const app::ScriptController& script = m_script;
    for (int i = 0; i < kPanelCount; ++i)
        m_panels[i]->setText(script.panelText(i));
}

int ScriptPage::focusedRow() const
{
    const QModelIndex current = m_list->selectionModel()->currentIndex();
    return current.isValid() ? current.row() : -1;
}

QList<int> ScriptPage::selectedRows() const
{
    QList<int> rows;
    for (const QModelIndex& index : m_list->selectionModel()->selectedRows())
        rows << index.row();
    std::sort(rows.begin(), rows.end());
    return rows;
}

bool ScriptPage::hasSelection() const
{
    return m_list->selectionModel()->hasSelection();
}

void ScriptPage::loadLayout(const core::IniFile& ini, const QString& section)
{
    ListLayoutLoad(ini, section, QStringLiteral("lvScript"), *m_list->horizontalHeader(), false);
    loadOnlineLayout(ini, section);
}

void ScriptPage::saveLayout(core::IniFile& ini, const QString& section) const
{
    ListLayoutSave(ini, section, QStringLiteral("lvScript"), *m_list->horizontalHeader(), false);
    saveOnlineLayout(ini, section);
}

} // namespace ui
