#include "ui/WeekPage.h"

#include "app/CandidatesController.h"
#include "app/Session.h"
#include "app/ViewsController.h"
#include "core/IniFile.h"
#include "ui/DrawListModel.h"
#include "ui/GraphsPage.h"
#include "ui/SeriesChartView.h"
#include "ui/WeekModel.h"

#include <QAction>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QMenu>
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

constexpr int kDefaultLength = 1000;
constexpr int kDefaultChartHeight = 131;
constexpr std::uint32_t kChartColor = 0x008000;
constexpr std::uint32_t kChartPointPen = 0xFF00FF;

} // namespace

WeekPage::WeekPage(app::Session& session, QWidget* parent)
    : QWidget(parent), m_session(session), m_length(new QSpinBox(this)), m_buttons(new QWidget(this)),
      m_splitter(new QSplitter(Qt::Vertical, this)), m_model(new WeekModel(this)), m_grid(new QTableView(m_splitter)),
      m_chart(new SeriesChartView(m_splitter)), m_chartMenu(new QMenu(this)), m_chartHeight(kDefaultChartHeight)
{
    m_length->setObjectName(QStringLiteral("edWeekLen"));
    m_length->setRange(1, std::numeric_limits<int>::max());
    m_length->setValue(kDefaultLength);
    m_length->setKeyboardTracking(false);
    const QString hint = tr("Количество тиражей, использующихся для расчета статистики");
    m_length->setToolTip(hint);
    m_length->setStatusTip(hint);
    m_length->installEventFilter(this);
    auto* lengthLabel = new QLabel(tr("Тиражей:"), this);
    lengthLabel->setBuddy(m_length);
    auto* buttons = new QHBoxLayout(m_buttons);
    buttons->setContentsMargins(0, 0, 0, 0);
    buttons->addStretch(1);
    auto* top = new QHBoxLayout;
    top->addWidget(lengthLabel);
    top->addWidget(m_length);
    top->addWidget(m_buttons, 1);

    m_grid->setObjectName(QStringLiteral("sgWeek"));
    m_grid->setModel(m_model);
    m_grid->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setWordWrap(false);
    m_grid->setContextMenuPolicy(Qt::ActionsContextMenu);
    m_grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_grid->verticalHeader()->setDefaultSectionSize(m_grid->fontMetrics().height() + 4);
    m_grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_grid->horizontalHeader()->setMinimumSectionSize(10);
    m_grid->horizontalHeader()->setDefaultSectionSize(m_grid->fontMetrics().horizontalAdvance(QStringLiteral("888")) +
                                                      8);
    m_grid->horizontalHeader()->setHighlightSections(false);

    m_chart->setObjectName(QStringLiteral("crtWeek"));
    m_chart->setMinimumHeight(60);
    m_chart->chart()->legend()->hide();
    m_chart->setContextMenuPolicy(Qt::CustomContextMenu);
    m_chartMenu->setObjectName(QStringLiteral("pmWeekChart"));
    connect(m_chart, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { m_chartMenu->popup(m_chart->mapToGlobal(at)); });

    m_splitter->setObjectName(QStringLiteral("splWeek"));
    m_splitter->setChildrenCollapsible(false);
    m_splitter->addWidget(m_grid);
    m_splitter->addWidget(m_chart);
    m_splitter->setStretchFactor(0, 1);
    m_splitter->setStretchFactor(1, 0);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addLayout(top);
    layout->addWidget(m_splitter, 1);

    m_session.views().setWeekLength(m_length->value());
    connect(m_length, &QSpinBox::valueChanged, &m_session.views(), &app::ViewsController::setWeekLength);
    connect(&m_session.views(), &app::ViewsController::weekChanged, this, &WeekPage::onWeekChanged);
    connect(&m_session.candidates(), &app::CandidatesController::combsChanged, this, &WeekPage::actionStatesChanged);
    connect(m_grid->selectionModel(), &QItemSelectionModel::currentChanged, this, &WeekPage::redrawChart);
    connect(m_grid->selectionModel(), &QItemSelectionModel::selectionChanged, this, &WeekPage::actionStatesChanged);
}

void WeekPage::setCommands(const QList<QAction*>& commands)
{
    auto* layout = static_cast<QHBoxLayout*>(m_buttons->layout());
    for (QAction* command : commands) {
        auto* button = new QToolButton(m_buttons);
        button->setObjectName(QStringLiteral("btn") + command->objectName());
        button->setDefaultAction(command);
        layout->insertWidget(layout->count() - 1, button);
    }
    m_grid->addActions(commands);
}

void WeekPage::calculate(bool force)
{
    // A length typed but not yet confirmed with Enter is the one the person means.
    m_length->interpretText();
    m_session.views().setWeekLength(m_length->value());
    m_session.views().weekBuild(force);
}

void WeekPage::onWeekChanged()
{
    m_model->setTable(m_session.views().week());
    redrawChart();
}

void WeekPage::setChartMode(views::WeekChartMode mode)
{
    if (m_mode == mode)
        return;
    m_mode = mode;
    m_session.services().storeStateInt(QStringLiteral("WeekChartMode"), int(mode));
    redrawChart();
}

void WeekPage::setLineChart(bool lines)
{
    if (m_lines == lines)
        return;
    m_lines = lines;
    m_session.services().storeStateBool(QStringLiteral("WeekChartType"), lines);
    redrawChart();
}

void WeekPage::redrawChart()
{
    // Without a current cell the chart shows number 1 and Monday, the grid's first cell.
    const QModelIndex current = m_grid->selectionModel()->currentIndex();
    const int number = current.isValid() ? current.column() + 1 : 1;
    const int weekday = current.isValid() ? current.row() + 1 : 1;
    core::GraphData data;
    core::GraphSeries series;
    series.Color = kChartColor;
    series.ShowPoints = m_lines;
    for (const views::ChartPoint& p :
         views::WeekChartPoints(m_model->table(), m_mode, number, weekday, m_model->dayNames()))
        series.Points.push_back({p.X, p.Y, p.Label});
    series.Title =
        m_mode == views::WeekChartMode::Weekdays ? QString::number(number) : m_model->dayNames().value(weekday - 1);
    data.Series.push_back(std::move(series));
    m_chart->showSeries(data, m_lines ? SeriesChartView::Kind::Lines : SeriesChartView::Kind::Bars, true);
    const QList<QLineSeries*> lines = m_chart->lineSeries();
    if (!lines.isEmpty())
        m_chart->setSquarePoints(lines.first(), ColorFromBgr(kChartColor), ColorFromBgr(kChartPointPen));
}

bool WeekPage::canFilter() const
{
    return m_grid->selectionModel()->hasSelection();
}

std::vector<int> WeekPage::selectedNumbers() const
{
    std::vector<int> numbers;
    for (const QModelIndex& cell : m_grid->selectionModel()->selectedIndexes())
        numbers.push_back(cell.column() + 1);
    std::sort(numbers.begin(), numbers.end());
    numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
    return numbers;
}

void WeekPage::filterSelected(bool exclude)
{
    if (!canFilter())
        return;
    const std::vector<int> numbers = selectedNumbers();
    QStringList texts;
    for (int n : numbers)
        texts << QString::number(n);
    m_session.views().filterByNumbers(numbers, texts, tr("Неделя"), exclude);
}

void WeekPage::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous()) {
        m_session.views().setWeekLength(m_length->value());
        m_session.views().setShown(app::ViewsController::Page::Week, true);
        emit actionStatesChanged();
    }
}

void WeekPage::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    if (!event->spontaneous()) {
        m_session.views().setShown(app::ViewsController::Page::Week, false);
        emit actionStatesChanged();
    }
}

bool WeekPage::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_length && TakeTypedLength(*m_length, event))
        calculate(false);
    return QWidget::eventFilter(watched, event);
}

void WeekPage::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    applyChartHeight();
}

void WeekPage::applyChartHeight()
{
    const int total = m_splitter->height() - m_splitter->handleWidth();
    if (!m_chartHeightPending || total < m_chartHeight + 60)
        return;
    m_splitter->setSizes({total - m_chartHeight, m_chartHeight});
    m_chartHeightPending = false;
}

void WeekPage::loadLayout(const core::IniFile& ini, const QString& section)
{
    const int length = ini.readInt(section, QStringLiteral("WeekLen"), kDefaultLength);
    m_length->setValue(length >= 1 ? length : kDefaultLength);
    m_session.views().setWeekLength(m_length->value());
    const int height = ini.readInt(section, QStringLiteral("WeekHeight"), kDefaultChartHeight);
    m_chartHeight = height > 0 && height < 10000 ? height : kDefaultChartHeight;
    m_chartHeightPending = true;
    applyChartHeight();
    m_mode = ini.readInt(section, QStringLiteral("WeekChartMode"), 0) == 1 ? views::WeekChartMode::Weekdays
                                                                           : views::WeekChartMode::Numbers;
    m_lines = ini.readBool(section, QStringLiteral("WeekChartType"), false);
}

void WeekPage::storeLayout(core::IniFile& ini, const QString& section) const
{
    ini.writeInt(section, QStringLiteral("WeekLen"), m_length->value());
    ini.writeInt(section, QStringLiteral("WeekHeight"),
                 m_chartHeightPending ? m_chartHeight : m_splitter->sizes().value(1, kDefaultChartHeight));
}

} // namespace ui
