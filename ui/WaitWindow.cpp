#include "ui/WaitWindow.h"

#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

namespace ui {

WaitWindow::WaitWindow(QWidget* owner)
    : QFrame(owner, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), m_owner(owner),
      m_label(new QLabel(this))
{
    setObjectName(QStringLiteral("WaitWindow"));
    setFrameShape(QFrame::Box);
    setLineWidth(1);
    setAutoFillBackground(true);
    // It only tells; clicks go past it to nothing, and it never takes the focus.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    m_label->setObjectName(QStringLiteral("lblWait"));
    m_label->setAlignment(Qt::AlignCenter);
    m_label->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 18, 24, 18);
    layout->addWidget(m_label);
    setMinimumSize(320, 90);
}

void WaitWindow::showText(const QString& text)
{
    m_label->setText(text);
    adjustSize();
    placeOverOwner();
    if (!isVisible())
        show();
    raise();
    repaint();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

QString WaitWindow::text() const
{
    return m_label->text();
}

void WaitWindow::placeOverOwner()
{
    const QRect area = m_owner && m_owner->isVisible()
                           ? m_owner->frameGeometry()
                           : (screen() ? screen()->availableGeometry() : QRect(0, 0, 800, 600));
    move(area.center() - rect().center());
}

} // namespace ui
