#include "ui/GaugeWindow.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace ui {

GaugeWindow::GaugeWindow(QWidget* owner)
    : QFrame(owner, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), m_owner(owner),
      m_label(new QLabel(this)), m_gauge(new QProgressBar(this)), m_stop(new QPushButton(tr("Стоп"), this))
{
    setObjectName(QStringLiteral("GaugeWindow"));
    setFrameShape(QFrame::Box);
    setLineWidth(1);
    setAutoFillBackground(true);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    m_label->setObjectName(QStringLiteral("lblProgress"));
    m_label->setWordWrap(true);
    m_gauge->setObjectName(QStringLiteral("pbProgress"));
    m_gauge->setTextVisible(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 14, 18, 14);
    layout->addWidget(m_label);
    layout->addWidget(m_gauge);
    m_stop->setObjectName(QStringLiteral("btnStop"));
    m_stop->hide();
    layout->addWidget(m_stop, 0, Qt::AlignRight);
    connect(m_stop, &QPushButton::clicked, this, [this] { m_stopRequested = true; });
    setFixedWidth(420);
}

void GaugeWindow::start(const QString& text, int maximum, bool stoppable)
{
    m_stoppable = stoppable;
    m_stopRequested = false;
    m_stop->setVisible(stoppable);
    if (!isVisible())
        setWindowModality(stoppable ? Qt::ApplicationModal : Qt::NonModal);
    m_gauge->setRange(0, std::max(maximum, 1));
    m_gauge->setValue(0);
    m_label->setText(text);
    adjustSize();
    const QRect area = m_owner && m_owner->isVisible()
                           ? m_owner->frameGeometry()
                           : (screen() ? screen()->availableGeometry() : QRect(0, 0, 800, 600));
    move(area.center() - rect().center());
    show();
    raise();
    paintNow();
}

void GaugeWindow::update(const QString& text, int position)
{
    m_label->setText(text);
    m_gauge->setValue(std::clamp(position, 0, m_gauge->maximum()));
    paintNow();
}

void GaugeWindow::paintNow()
{
    repaint();
    // The operation runs on this thread; repaints and timers go on, clicks and keys wait, but
    // for the "Стоп" of a stoppable window, which is modal so that nothing else takes them.
    QCoreApplication::processEvents(m_stoppable ? QEventLoop::AllEvents : QEventLoop::ExcludeUserInputEvents);
}

QString GaugeWindow::text() const
{
    return m_label->text();
}

int GaugeWindow::position() const
{
    return m_gauge->value();
}

int GaugeWindow::maximum() const
{
    return m_gauge->maximum();
}

} // namespace ui
