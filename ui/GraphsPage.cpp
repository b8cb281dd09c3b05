#include "ui/GraphsPage.h"

#include "app/Session.h"
#include "app/StatisticsController.h"
#include "app/ViewsController.h"
#include "core/IniFile.h"
#include "ui/DrawListModel.h"
#include "ui/SeriesChartView.h"
#include "ui/StatSelector.h"
#include "views/DrawGraph.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineSeries>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

#include <limits>

namespace ui {

namespace {

constexpr int kDefaultLength = 100;

void setHint(QWidget* widget, const QString& hint)
{
    widget->setToolTip(hint);
    widget->setStatusTip(hint);
}

} // namespace

bool TakeTypedLength(QSpinBox& box, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return false;
    bool ok = false;
    const qlonglong typed = box.cleanText().toLongLong(&ok);
    if (!ok || typed < box.minimum() || typed > box.maximum())
        return false;
    box.setValue(int(typed));
    return true;
}

GraphsPage::GraphsPage(app::Session& session, QWidget* parent)
    : QWidget(parent), m_session(session), m_method(new QComboBox(this)), m_length(new QSpinBox(this)),
      m_marks(new QCheckBox(tr("Отображать метки на графике"), this)), m_buttons(new QWidget(this)),
      m_chart(new SeriesChartView(this))
{
    m_method->setObjectName(QStringLiteral("cbDrawsGraphType"));
    setHint(m_method, tr("Тип графика"));
    m_method->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_method->setMinimumContentsLength(30);
    m_method->setMaxVisibleItems(30);

    m_length->setObjectName(QStringLiteral("edDrawsGraphLen"));
    m_length->setRange(1, std::numeric_limits<int>::max());
    m_length->setValue(kDefaultLength);
    m_length->setKeyboardTracking(false);
    setHint(m_length, tr("Количество тиражей, использующихся для построения графиков"));
    m_length->installEventFilter(this);
    auto* lengthLabel = new QLabel(tr("Тиражей:"), this);
    lengthLabel->setBuddy(m_length);

    m_marks->setObjectName(QStringLiteral("cbDrawsGraphShowMarks"));
    m_chart->setObjectName(QStringLiteral("crtDrawsGraph"));
    new QHBoxLayout(m_buttons);
    m_buttons->layout()->setContentsMargins(0, 0, 0, 0);

    auto* top = new QHBoxLayout;
    top->addWidget(m_method, 1);
    top->addWidget(lengthLabel);
    top->addWidget(m_length);
    top->addWidget(m_buttons);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addLayout(top);
    layout->addWidget(m_marks);
    layout->addWidget(m_chart, 1);

    app::ViewsController& views = m_session.views();
    views.setGraphLength(m_length->value());
    refillMethods(true);

    connect(m_method, &QComboBox::currentIndexChanged, this, [this] { calculate(false); });
    connect(m_length, &QSpinBox::valueChanged, &views, &app::ViewsController::setGraphLength);
    connect(m_marks, &QCheckBox::toggled, m_chart, &SeriesChartView::setMarksVisible);
    connect(&m_session.statistics(), &app::StatisticsController::methodsChanged, this, [this](bool keep) {
        refillMethods(keep);
        calculate(false);
    });
    connect(&views, &app::ViewsController::graphChanged, this, &GraphsPage::onGraphChanged);
}

void GraphsPage::setCommands(const QList<QAction*>& commands)
{
    for (QAction* command : commands) {
        auto* button = new QToolButton(m_buttons);
        button->setObjectName(QStringLiteral("btn") + command->objectName());
        button->setDefaultAction(command);
        m_buttons->layout()->addWidget(button);
    }
}

void GraphsPage::refillMethods(bool keep)
{
    FillStatSelector(*m_method, m_session.statistics().list(), true, keep);
    m_session.views().setGraphMethod(selectedMethod());
}

int GraphsPage::selectedMethod() const
{
    return SelectedStatMethod(*m_method);
}

void GraphsPage::calculate(bool force)
{
    // A length typed but not yet confirmed with Enter is the one the person means.
    m_length->interpretText();
    app::ViewsController& views = m_session.views();
    views.setGraphMethod(selectedMethod());
    views.setGraphLength(m_length->value());
    views.graphCalc(force);
}

void GraphsPage::onGraphChanged()
{
    const views::DrawGraph& graph = m_session.views().graph();
    if (graph.IsEmpty()) {
        m_chart->clear();
        return;
    }
    m_chart->showSeries(views::DrawGraphSeries(graph, m_marks->isChecked()));
    const QList<QLineSeries*> lines = m_chart->lineSeries();
    if (!lines.isEmpty()) {
        // The values' points outlined apart from their line; the flat lines have none.
        m_chart->setSquarePoints(lines.first(), ColorFromBgr(views::kGraphValueColor),
                                 ColorFromBgr(views::kGraphValuePointPen));
        if (graph.Points.size() > 400)
            lines.first()->setPointsVisible(false);
    }
}

void GraphsPage::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous()) {
        calculate(false);
        m_session.views().setShown(app::ViewsController::Page::Graphs, true);
    }
}

void GraphsPage::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    if (!event->spontaneous())
        m_session.views().setShown(app::ViewsController::Page::Graphs, false);
}

bool GraphsPage::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_length && TakeTypedLength(*m_length, event))
        calculate(false);
    return QWidget::eventFilter(watched, event);
}

void GraphsPage::loadLayout(const core::IniFile& ini, const QString& section)
{
    const int length = ini.readInt(section, QStringLiteral("DrawsGraphLen"), kDefaultLength);
    m_length->setValue(length >= 1 ? length : kDefaultLength);
    m_session.views().setGraphLength(m_length->value());
}

void GraphsPage::storeLayout(core::IniFile& ini, const QString& section) const
{
    ini.writeInt(section, QStringLiteral("DrawsGraphLen"), m_length->value());
}

} // namespace ui
