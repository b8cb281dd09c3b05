#include "ui/CommandBar.h"

#include "ui/FlowLayout.h"

#include <QAction>
#include <QActionEvent>
#include <QFrame>
#include <QToolButton>
#include <QWidgetAction>

namespace ui {

CommandBar::CommandBar(QWidget* parent) : QWidget(parent), m_layout(new FlowLayout(this))
{
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

void CommandBar::addSeparator()
{
    auto* separator = new QAction(this);
    separator->setSeparator(true);
    addAction(separator);
}

void CommandBar::addWidget(QWidget* widget)
{
    m_layout->insertWidget(m_layout->count(), widget);
}

QWidget* CommandBar::widgetForAction(QAction* action) const
{
    return m_widgets.value(action);
}

QWidget* CommandBar::makeWidget(QAction* action)
{
    if (auto* custom = qobject_cast<QWidgetAction*>(action)) {
        if (QWidget* widget = custom->requestWidget(this))
            return widget;
    }
    if (action->isSeparator()) {
        auto* line = new QFrame(this);
        line->setFrameShape(QFrame::VLine);
        line->setFrameShadow(QFrame::Sunken);
        line->setFixedSize(6, fontMetrics().height() + 6);
        return line;
    }
    auto* button = new QToolButton(this);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setDefaultAction(action);
    return button;
}

void CommandBar::actionEvent(QActionEvent* event)
{
    QAction* action = event->action();
    switch (event->type()) {
    case QEvent::ActionAdded: {
        QWidget* widget = makeWidget(action);
        int index = m_layout->count();
        if (QWidget* next = m_widgets.value(event->before()))
            index = m_layout->indexOf(next);
        m_layout->insertWidget(index, widget);
        m_widgets.insert(action, widget);
        widget->setVisible(action->isVisible());
        break;
    }
    case QEvent::ActionChanged:
        if (QWidget* widget = m_widgets.value(action))
            widget->setVisible(action->isVisible());
        m_layout->invalidate();
        break;
    case QEvent::ActionRemoved:
        if (QWidget* widget = m_widgets.take(action)) {
            if (auto* custom = qobject_cast<QWidgetAction*>(action); custom && !action->isSeparator())
                custom->releaseWidget(widget);
            else
                delete widget;
        }
        break;
    default:
        break;
    }
    QWidget::actionEvent(event);
}

} // namespace ui
