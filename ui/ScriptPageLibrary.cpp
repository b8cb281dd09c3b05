// The page "Сценарий": the panel of the online catalogue under the script list.

#include "ui/ScriptPage.h"

#include "app/OnlineScripts.h"
#include "app/ScriptController.h"
#include "core/IniFile.h"
#include "ui/CommandBar.h"
#include "ui/OnlineScriptsModel.h"
#include "ui/WindowLayout.h"

#include <QAction>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QSortFilterProxyModel>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

namespace ui {

namespace {

const QString kHeightKey = QStringLiteral("ScriptLibraryHeight");

} // namespace

void ScriptPage::createOnlinePanel()
{
    app::OnlineScripts& library = m_script.library();
    m_splitter = new QSplitter(Qt::Vertical, this);
    m_splitter->setObjectName(QStringLiteral("splOnlineScripts"));
    m_splitter->setChildrenCollapsible(false);

    m_onlinePanel = new QWidget(m_splitter);
    m_onlinePanel->setObjectName(QStringLiteral("pnlOnlineScripts"));
    m_onlineCommands = new CommandBar(m_onlinePanel);
    m_onlineCommands->setObjectName(QStringLiteral("pnlOnlineScriptsCmd"));

    m_onlineFilter = new QComboBox(m_onlinePanel);
    m_onlineFilter->setObjectName(QStringLiteral("cbOnlineScriptsFilter"));
    m_onlineFilter->setToolTip(tr("Фильтр сценариев"));
    m_onlineFilter->setStatusTip(tr("Фильтр сценариев"));
    m_onlineFilter->addItems(app::OnlineScripts::filterCaptions());
    m_onlineFilter->setCurrentIndex(library.filter());
    m_onlineFilter->setSizeAdjustPolicy(QComboBox::AdjustToContents);

    m_onlineModel = new OnlineScriptsModel(library, this);
    m_onlineSorted = new QSortFilterProxyModel(this);
    m_onlineSorted->setSourceModel(m_onlineModel);
    m_onlineSorted->setSortRole(OnlineScriptsModel::SortRole);
    m_onlineList = new QTableView(m_onlinePanel);
    m_onlineList->setObjectName(QStringLiteral("lvOnlineScripts"));
    m_onlineList->setModel(m_onlineSorted);
    m_onlineList->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_onlineList->setSelectionMode(QAbstractItemView::SingleSelection);
    m_onlineList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_onlineList->setWordWrap(false);
    m_onlineList->setShowGrid(true);
    m_onlineList->verticalHeader()->hide();
    m_onlineList->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_onlineList->verticalHeader()->setDefaultSectionSize(m_onlineList->fontMetrics().height() + 6);
    m_onlineList->horizontalHeader()->setHighlightSections(false);
    m_onlineList->setSortingEnabled(true);
    m_onlineList->sortByColumn(OnlineScriptsModel::ColRating, Qt::DescendingOrder);
    const int widths[OnlineScriptsModel::ColumnCount] = {90, 200, 120, 110, 60, 50, 130, 70, 60, 90, 70, 130, 260};
    for (int column = 0; column < OnlineScriptsModel::ColumnCount; ++column)
        m_onlineList->setColumnWidth(column, widths[column]);
    FitSectionsToCaptions(*m_onlineList->horizontalHeader());

    m_onlinePopup = new QMenu(this);
    m_onlinePopup->setObjectName(QStringLiteral("pmOnlineScripts"));
    m_onlineList->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_onlineList, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { m_onlinePopup->popup(m_onlineList->viewport()->mapToGlobal(at)); });

    // The filter stays in view beside the buttons however narrow the page is.
    auto* caption = new QLabel(tr("Фильтр:"), m_onlinePanel);
    caption->setObjectName(QStringLiteral("lbOnlineScriptsFilter"));
    caption->setBuddy(m_onlineFilter);
    auto* commands = new QHBoxLayout;
    commands->setSpacing(4);
    commands->addWidget(m_onlineCommands, 1);
    commands->addWidget(caption);
    commands->addWidget(m_onlineFilter);
    auto* layout = new QVBoxLayout(m_onlinePanel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addLayout(commands);
    layout->addWidget(m_onlineList, 1);

    m_splitter->addWidget(m_list);
    m_splitter->addWidget(m_onlinePanel);
    m_splitter->setStretchFactor(0, 1);
    m_splitter->setStretchFactor(1, 0);
    m_onlinePanel->setVisible(library.shown());

    connect(m_onlineFilter, &QComboBox::activated, &library, &app::OnlineScripts::setFilter);
    connect(&library, &app::OnlineScripts::filterChanged, this, [this](int index) {
        const QSignalBlocker block(m_onlineFilter);
        m_onlineFilter->setCurrentIndex(index);
    });
    connect(&library, &app::OnlineScripts::shownChanged, this, [this](bool on) {
        if (!on && m_onlinePanel->isVisible())
            m_onlineHeight = m_onlinePanel->height();
        m_onlinePanel->setVisible(on);
        if (on) {
            const int total = m_splitter->height();
            m_splitter->setSizes({std::max(60, total - m_onlineHeight), m_onlineHeight});
        }
    });
    connect(&library, &app::OnlineScripts::rowWanted, this, &ScriptPage::selectOnlineRow);
    connect(m_onlineList, &QTableView::doubleClicked, this, &ScriptPage::onlineRowActivated);
    connect(m_onlineList->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &ScriptPage::onOnlineSelectionChanged);
    connect(m_onlineSorted, &QAbstractItemModel::modelReset, this, &ScriptPage::onOnlineSelectionChanged);
}

void ScriptPage::setOnlineCommands(const QList<QAction*>& buttons, const QList<QAction*>& popup)
{
    for (QAction* command : buttons) {
        if (command)
            m_onlineCommands->addAction(command);
        else
            m_onlineCommands->addSeparator();
    }
    for (QAction* command : popup) {
        if (command)
            m_onlinePopup->addAction(command);
        else
            m_onlinePopup->addSeparator();
    }
}

int ScriptPage::onlineRow() const
{
    const QModelIndexList rows = m_onlineList->selectionModel()->selectedRows();
    if (rows.isEmpty())
        return -1;
    return m_onlineSorted->mapToSource(rows.first()).row();
}

void ScriptPage::selectOnlineRow(int row)
{
    const QModelIndex index = m_onlineSorted->mapFromSource(m_onlineModel->index(row, 0));
    if (!index.isValid())
        return;
    m_onlineList->selectionModel()->setCurrentIndex(index,
                                                    QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    m_onlineList->scrollTo(index);
}

void ScriptPage::onOnlineSelectionChanged()
{
    app::OnlineScripts& library = m_script.library();
    const online::tScriptInfo* row = library.row(onlineRow());
    library.setCurrentId(row ? row->id : -1);
    emit onlineSelectionChanged();
}

void ScriptPage::loadOnlineLayout(const core::IniFile& ini, const QString& section)
{
    ListLayoutLoad(ini, section, QStringLiteral("lvOnlineScripts"), *m_onlineList->horizontalHeader(), true);
    m_onlineHeight = std::max(60, ini.readInt(section, kHeightKey, m_onlineHeight));
    const int total = std::max(m_splitter->height(), m_onlineHeight + 120);
    m_splitter->setSizes({total - m_onlineHeight, m_onlineHeight});
}

void ScriptPage::saveOnlineLayout(core::IniFile& ini, const QString& section) const
{
    ListLayoutSave(ini, section, QStringLiteral("lvOnlineScripts"), *m_onlineList->horizontalHeader(), true);
    ini.writeInt(section, kHeightKey, m_onlinePanel->isVisible() ? m_onlinePanel->height() : m_onlineHeight);
}

} // namespace ui
