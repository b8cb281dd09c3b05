#pragma once

// The row of command buttons at the top of a page. Unlike a tool bar it never hides a command
// behind an overflow arrow: when the page is too narrow for one row, the buttons wrap to the next.
// A button shows its action's icon text (a shorter caption where the menus need the long one),
// and follows the action's visibility, state and hint.

#include <QHash>
#include <QWidget>

class QAction;
class QActionEvent;

namespace ui {

class FlowLayout;

class CommandBar : public QWidget
{
    Q_OBJECT

public:
    explicit CommandBar(QWidget* parent = nullptr);

    using QWidget::addAction;
    void addSeparator();
    // A widget of its own (a number field) in the row, after the buttons added so far.
    void addWidget(QWidget* widget);
    // The button (or separator line) that stands for the action; null for one never added.
    QWidget* widgetForAction(QAction* action) const;

protected:
    void actionEvent(QActionEvent* event) override;

private:
    QWidget* makeWidget(QAction* action);

    FlowLayout* m_layout;
    QHash<QAction*, QWidget*> m_widgets;
};

} // namespace ui
