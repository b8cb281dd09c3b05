#include "ui/StatPage.h"

#include "app/ArchiveController.h"
#include "app/CandidatesController.h"
#include "app/Session.h"
#include "app/StatisticsController.h"
#include "core/IniFile.h"
#include "core/TextForms.h"
#include "ui/StatChartView.h"
#include "ui/StatSelector.h"
#include "ui/StatTableModel.h"
#include "ui/WindowLayout.h"

#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QSpinBox>
#include <QSplitter>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <limits>

namespace ui {

namespace {

constexpr int kDefaultLength = 1000;
constexpr int kDefaultChartHeight = 131;
constexpr int kNormColumnWidth = 80;
constexpr int kNormColumns[] = {3, 4, 5};

void setHint(QWidget* widget, const QString& hint)
{
    widget->setToolTip(hint);
    widget->setStatusTip(hint);
}

} // namespace

StatPage::StatPage(app::Session& session, QWidget* parent)
    : QWidget(parent), m_session(session), m_method(new QComboBox(this)), m_length(new QSpinBox(this)),
      m_buttons(new QWidget(this)), m_splitter(new QSplitter(Qt::Vertical, this)), m_model(new StatTableModel(this)),
      m_table(new QTableView(m_splitter)), m_chart(new StatChartView(m_splitter)), m_chartMenu(new QMenu(this)),
      m_chartHeight(kDefaultChartHeight)
{
    m_method->setObjectName(QStringLiteral("cbDrawsStatType"));
    setHint(m_method, tr("Вид расчета статистики"));
    m_method->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    // The box may narrow with the window (it takes the spare room when there is some); its list
    // stays wide enough to read the methods' names.
    m_method->setMinimumContentsLength(16);
    m_method->view()->setMinimumWidth(m_method->fontMetrics().averageCharWidth() * 40);
    m_method->setMaxVisibleItems(30);

    m_length->setObjectName(QStringLiteral("edDrawsStatLen"));
    m_length->setRange(1, std::numeric_limits<int>::max());
    m_length->setValue(kDefaultLength);
    m_length->setKeyboardTracking(false);
    setHint(m_length, tr("Количество тиражей, использующихся для расчета статистики"));
    m_length->installEventFilter(this);
    auto* lengthLabel = new QLabel(tr("Тиражей:"), this);
    lengthLabel->setBuddy(m_length);

    auto* buttons = new QHBoxLayout(m_buttons);
    buttons->setContentsMargins(0, 0, 0, 0);

    auto* top = new QHBoxLayout;
    top->addWidget(m_method, 1);
    top->addWidget(lengthLabel);
    top->addWidget(m_length);
    top->addWidget(m_buttons);

    m_table->setObjectName(QStringLiteral("lvDrawsStat"));
    m_table->setModel(m_model);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setShowGrid(true);
    m_table->setWordWrap(false);
    m_table->setContextMenuPolicy(Qt::ActionsContextMenu);
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 6);
    QHeaderView* header = m_table->horizontalHeader();
    header->setHighlightSections(false);
    header->setSortIndicatorShown(true);
    header->setSortIndicator(m_model->sortColumn(), m_model->sortOrder());
    // Wide enough for the captions and the sort mark until the person sizes them.
    for (int column = 0; column < m_model->columnCount(); ++column) {
        const QString caption = m_model->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
        m_table->setColumnWidth(column, std::max(60, header->fontMetrics().horizontalAdvance(caption) + 28));
    }
    // The view asks the model to sort on every header click.
    m_table->setSortingEnabled(true);

    m_chart->setObjectName(QStringLiteral("crtDrawsStat"));
    m_chart->setContextMenuPolicy(Qt::CustomContextMenu);
    m_chartMenu->setObjectName(QStringLiteral("pmDrawsStatChart"));
    connect(m_chart, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { m_chartMenu->popup(m_chart->mapToGlobal(at)); });

    m_splitter->setObjectName(QStringLiteral("splDrawsStat"));
    m_splitter->setChildrenCollapsible(false);
    m_splitter->addWidget(m_table);
    m_splitter->addWidget(m_chart);
    m_splitter->setStretchFactor(0, 1);
    m_splitter->setStretchFactor(1, 0);
    m_chart->setMinimumHeight(60);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addLayout(top);
    layout->addWidget(m_splitter, 1);

    refillMethods(true);
    updateNormColumns();

    connect(m_method, &QComboBox::currentIndexChanged, this, [this] {
        calculate(false);
        emit actionStatesChanged();
    });
    connect(&m_session.statistics(), &app::StatisticsController::methodsChanged, this, [this](bool keep) {
        refillMethods(keep);
        // The kept position may now name another method, and a fresh start names the first.
        if (selectedMethod() != m_session.statistics().method())
            calculate(false);
        emit actionStatesChanged();
    });
    connect(&m_session.archive(), &app::ArchiveController::viewsRecalculated, this, &StatPage::calculate);
    connect(&m_session.statistics(), &app::StatisticsController::optionsChanged, this, [this] {
        updateNormColumns();
        calculate(true);
        emit actionStatesChanged();
    });
    connect(&m_session.statistics(), &app::StatisticsController::tableChanged, this, &StatPage::onTableChanged);
    connect(&m_session.candidates(), &app::CandidatesController::combsChanged, this, &StatPage::actionStatesChanged);
    connect(m_table->selectionModel(), &QItemSelectionModel::selectionChanged, this, &StatPage::actionStatesChanged);
}

void StatPage::setCommands(const QList<QAction*>& commands)
{
    for (QAction* command : commands) {
        auto* button = new QToolButton(m_buttons);
        button->setObjectName(QStringLiteral("btn") + command->objectName());
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
        button->setDefaultAction(command);
        m_buttons->layout()->addWidget(button);
    }
    m_table->addActions(commands);
}

void StatPage::refillMethods(bool keep)
{
    FillStatSelector(*m_method, m_session.statistics().list(), false, keep);
}

int StatPage::selectedMethod() const
{
    return SelectedStatMethod(*m_method);
}

std::vector<int> StatPage::selectedRows() const
{
    std::vector<int> rows;
    for (const QModelIndex& index : m_table->selectionModel()->selectedRows())
        rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

bool StatPage::hasSelectedRows() const
{
    return m_table->selectionModel()->hasSelection();
}

void StatPage::calculate(bool force)
{
    // A length typed but not yet confirmed with Enter is the one the person means.
    m_length->interpretText();
    m_session.statistics().calc(selectedMethod(), m_length->value(), force);
}

void StatPage::onTableChanged()
{
    m_model->setRows(m_session.statistics().table().Rows);
    m_chart->showChart(m_session.statistics().chart());
    emit actionStatesChanged();
}

void StatPage::filterSelected(bool exclude)
{
    core::TStatDrawArray values;
    QStringList texts;
    for (int row : selectedRows()) {
        values.push_back(m_model->row(row).Rec);
        texts << m_model->row(row).Cells[0];
    }
    if (values.empty())
        return;
    try {
        m_session.candidates().statFilter(selectedMethod(), values, texts, m_method->currentText(), exclude);
    } catch (const core::EConvertError& e) {
        m_session.services().showError(e.message());
    }
}

void StatPage::updateNormColumns()
{
    const bool on = m_session.services().windowState().PrefetchsEnabled;
    for (int column : kNormColumns) {
        m_table->setColumnHidden(column, !on);
        if (on)
            m_table->setColumnWidth(column, kNormColumnWidth);
    }
}

bool StatPage::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_length && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            // Only a typed length within the box's range starts the calculation.
            bool ok = false;
            const qlonglong typed = m_length->cleanText().toLongLong(&ok);
            if (ok && typed >= m_length->minimum() && typed <= m_length->maximum()) {
                m_length->setValue(int(typed));
                calculate(false);
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void StatPage::loadLayout(const core::IniFile& ini, const QString& section)
{
    const int length = ini.readInt(section, QStringLiteral("DrawsStatLen"), kDefaultLength);
    m_length->setValue(length >= m_length->minimum() ? length : kDefaultLength);
    const int height = ini.readInt(section, QStringLiteral("DrawsStatHeight"), kDefaultChartHeight);
    m_chartHeight = height > 0 && height < 10000 ? height : kDefaultChartHeight;
    m_chartHeightPending = true;
    applyChartHeight();
    ListLayoutLoad(ini, section, QStringLiteral("lvDrawsStat"), *m_table->horizontalHeader(), true);
    const bool on = m_session.services().windowState().PrefetchsEnabled;
    for (int column : kNormColumns) {
        // A stored width of a shown norm column is the person's; a hidden one gets the default.
        m_table->setColumnHidden(column, !on);
        if (on && ini.readInt(section, QStringLiteral("lvDrawsStat.Column%1").arg(column), 0) <= 0)
            m_table->setColumnWidth(column, kNormColumnWidth);
    }
}

void StatPage::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    applyChartHeight();
}

void StatPage::applyChartHeight()
{
    // The splitter shares out a size it does not have yet in proportion, so the stored height
    // is set once the splitter is tall enough to give it to the chart whole.
    const int total = m_splitter->height() - m_splitter->handleWidth();
    if (!m_chartHeightPending || total < m_chartHeight + 60)
        return;
    m_splitter->setSizes({total - m_chartHeight, m_chartHeight});
    m_chartHeightPending = false;
}

void StatPage::storeLayout(core::IniFile& ini, const QString& section) const
{
    ini.writeInt(section, QStringLiteral("DrawsStatLen"), m_length->value());
    ini.writeInt(section, QStringLiteral("DrawsStatHeight"),
                 m_chartHeightPending ? m_chartHeight : m_splitter->sizes().value(1, kDefaultChartHeight));
    ListLayoutSave(ini, section, QStringLiteral("lvDrawsStat"), *m_table->horizontalHeader(), true);
}

} // namespace ui
