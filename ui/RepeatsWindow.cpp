#include "ui/RepeatsWindow.h"

#include "app/Session.h"
#include "app/ViewsController.h"
#include "core/IniFile.h"
#include "ui/SeriesChartView.h"
#include "ui/WindowLayout.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSpinBox>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

#include <limits>

namespace ui {

namespace {

const QString kSection = QStringLiteral("TFormRepeats");
constexpr int kDefaultLength = 100;
constexpr int kDefaultGraphHeight = 200;

QColor randomColor()
{
    QRandomGenerator* random = QRandomGenerator::global();
    return QColor(int(random->bounded(256)), int(random->bounded(256)), int(random->bounded(256)));
}

} // namespace

RepeatsModel::RepeatsModel(QObject* parent) : QAbstractTableModel(parent) {}

int RepeatsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int RepeatsModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 4;
}

QVariant RepeatsModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || role != Qt::DisplayRole)
        return {};
    const views::RepeatsRow& row = m_rows[std::size_t(index.row())];
    switch (index.column()) {
    case 0:
        return QString::number(row.DrawNum);
    case 1:
        return QString::number(row.Matches);
    case 2:
        return QString::number(row.Count);
    default:
        return row.drawsText();
    }
}

QVariant RepeatsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    const QString captions[] = {tr("Тираж"), tr("Совпадений"), tr("Кол-во повторов"), tr("Список тиражей")};
    return section >= 0 && section < 4 ? QVariant(captions[section]) : QVariant();
}

void RepeatsModel::setRows(std::vector<views::RepeatsRow> rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

RepeatsWindow::RepeatsWindow(app::Session& session, QWidget* parent)
    : QDialog(parent), m_session(session), m_length(new QSpinBox(this)), m_deep(new QSpinBox(this)),
      m_splitter(new QSplitter(Qt::Vertical, this)), m_model(new RepeatsModel(this)),
      m_list(new QTableView(m_splitter)), m_chart(new SeriesChartView(m_splitter))
{
    setObjectName(kSection);
    setWindowTitle(tr("Количество повторов в зависимости от тиража"));
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);
    resize(760, 560);

    const auto setUp = [](QSpinBox* box, const char* name, const QString& hint) {
        box->setObjectName(QString::fromLatin1(name));
        box->setRange(1, std::numeric_limits<int>::max());
        box->setValue(kDefaultLength);
        box->setToolTip(hint);
        box->setStatusTip(hint);
    };
    setUp(m_length, "edDrawsLen", tr("Количество тиражей, использующихся для расчета статистики"));
    setUp(m_deep, "edDeep", tr("Количество тиражей, просматриваемых \"в глубину\" для поиска совпадений"));
    auto* calc = new QPushButton(tr("Рассчитать"), this);
    calc->setObjectName(QStringLiteral("btnCalc"));
    // Enter in either box presses it.
    calc->setDefault(true);
    connect(calc, &QPushButton::clicked, this, &RepeatsWindow::calculate);

    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(tr("Тиражей:"), this));
    top->addWidget(m_length);
    top->addWidget(new QLabel(tr("Глубина:"), this));
    top->addWidget(m_deep);
    top->addWidget(calc);
    top->addStretch(1);

    m_list->setObjectName(QStringLiteral("lvList"));
    m_list->setModel(m_model);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setWordWrap(false);
    m_list->verticalHeader()->hide();
    m_list->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_list->verticalHeader()->setDefaultSectionSize(m_list->fontMetrics().height() + 6);
    m_list->horizontalHeader()->setStretchLastSection(true);
    m_list->setColumnWidth(0, 70);
    m_list->setColumnWidth(1, 90);
    m_list->setColumnWidth(2, 110);
    m_chart->setObjectName(QStringLiteral("crtGraph"));
    m_chart->setMinimumHeight(80);
    m_splitter->addWidget(m_list);
    m_splitter->addWidget(m_chart);
    m_splitter->setChildrenCollapsible(false);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_splitter, 1);
    layout->addWidget(buttons);

    core::IniFile ini(m_session.folder().stateFile());
    ini.load();
    PlacementLoad(*this, ini, kSection, true, true);
    ListLayoutLoad(ini, kSection, QStringLiteral("lvList"), *m_list->horizontalHeader(), false);
    const int length = ini.readInt(kSection, QStringLiteral("DrawsLength"), kDefaultLength);
    const int deep = ini.readInt(kSection, QStringLiteral("DrawsDeep"), kDefaultLength);
    m_length->setValue(length >= 1 ? length : kDefaultLength);
    m_deep->setValue(deep >= 1 ? deep : kDefaultLength);
    const int graphHeight = ini.readInt(kSection, QStringLiteral("GraphHeight"), kDefaultGraphHeight);
    const int listHeight = std::max(100, height() - 120 - graphHeight);
    m_splitter->setSizes({listHeight, graphHeight > 0 && graphHeight < 5000 ? graphHeight : kDefaultGraphHeight});
}

RepeatsWindow::~RepeatsWindow()
{
    core::IniFile ini(m_session.folder().stateFile());
    ini.load();
    PlacementSave(*this, ini, kSection);
    ListLayoutSave(ini, kSection, QStringLiteral("lvList"), *m_list->horizontalHeader(), false);
    ini.writeInt(kSection, QStringLiteral("GraphHeight"), m_splitter->sizes().value(1, kDefaultGraphHeight));
    ini.writeInt(kSection, QStringLiteral("DrawsLength"), m_length->value());
    ini.writeInt(kSection, QStringLiteral("DrawsDeep"), m_deep->value());
    ini.save(nullptr);
}

void RepeatsWindow::calculate()
{
    views::RepeatsResult result = m_session.views().repeats(m_length->value(), m_deep->value());
    core::GraphData series = views::RepeatsSeries(result);
    m_model->setRows(std::move(result.Rows));
    m_chart->showSeries(series);
    // Each count gets colours of its own, its line and its points apart.
    for (QLineSeries* line : m_chart->lineSeries()) {
        QPen pen = line->pen();
        pen.setColor(randomColor());
        line->setPen(pen);
        m_chart->setSquarePoints(line, randomColor(), randomColor(), 3);
    }
}

} // namespace ui
