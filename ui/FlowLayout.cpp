#include "ui/FlowLayout.h"

#include <QWidget>

#include <algorithm>

namespace ui {

FlowLayout::FlowLayout(QWidget* parent, int spacing) : QLayout(parent)
{
    setSpacing(spacing);
    setContentsMargins(0, 0, 0, 0);
}

FlowLayout::~FlowLayout()
{
    while (QLayoutItem* item = takeAt(0))
        delete item;
}

void FlowLayout::insertWidget(int index, QWidget* widget)
{
    addChildWidget(widget);
    m_items.insert(std::clamp<qsizetype>(index, 0, m_items.size()), new QWidgetItem(widget));
    invalidate();
}

void FlowLayout::addItem(QLayoutItem* item)
{
    m_items.append(item);
}

int FlowLayout::count() const
{
    return static_cast<int>(m_items.size());
}

QLayoutItem* FlowLayout::itemAt(int index) const
{
    return m_items.value(index);
}

QLayoutItem* FlowLayout::takeAt(int index)
{
    if (index < 0 || index >= m_items.size())
        return nullptr;
    return m_items.takeAt(index);
}

Qt::Orientations FlowLayout::expandingDirections() const
{
    return {};
}

bool FlowLayout::hasHeightForWidth() const
{
    return true;
}

int FlowLayout::heightForWidth(int width) const
{
    return arrange(QRect(0, 0, width, 0), false);
}

QSize FlowLayout::minimumSize() const
{
    // As narrow as the widest item: everything else wraps.
    QSize size;
    for (const QLayoutItem* item : m_items) {
        if (!item->isEmpty())
            size = size.expandedTo(item->minimumSize());
    }
    const QMargins m = contentsMargins();
    return size + QSize(m.left() + m.right(), m.top() + m.bottom());
}

QSize FlowLayout::sizeHint() const
{
    // One row when there is room for it.
    int width = 0;
    int height = 0;
    for (const QLayoutItem* item : m_items) {
        if (item->isEmpty())
            continue;
        const QSize hint = item->sizeHint();
        width += (width > 0 ? spacing() : 0) + hint.width();
        height = std::max(height, hint.height());
    }
    const QMargins m = contentsMargins();
    return {width + m.left() + m.right(), height + m.top() + m.bottom()};
}

void FlowLayout::setGeometry(const QRect& rect)
{
    QLayout::setGeometry(rect);
    arrange(rect, true);
}

int FlowLayout::arrange(const QRect& rect, bool apply) const
{
    const QRect area = rect.marginsRemoved(contentsMargins());
    const int gap = spacing();
    int y = area.y();
    QList<QLayoutItem*> row;
    int rowWidth = 0;
    int rowHeight = 0;
    const auto placeRow = [&] {
        int x = area.x();
        for (QLayoutItem* item : row) {
            const QSize hint = item->sizeHint();
            // Items of a row share its middle line, so a number field sits level with the buttons.
            if (apply)
                item->setGeometry(QRect(QPoint(x, y + (rowHeight - hint.height()) / 2), hint));
            x += hint.width() + gap;
        }
        y += rowHeight + gap;
        row.clear();
        rowWidth = 0;
        rowHeight = 0;
    };
    for (QLayoutItem* item : m_items) {
        if (item->isEmpty())
            continue;
        const QSize hint = item->sizeHint();
        if (!row.isEmpty() && rowWidth + gap + hint.width() > area.width())
            placeRow();
        rowWidth += (row.isEmpty() ? 0 : gap) + hint.width();
        rowHeight = std::max(rowHeight, hint.height());
        row.append(item);
    }
    if (!row.isEmpty())
        placeRow();
    const QMargins m = contentsMargins();
    return std::max(0, y - gap - area.y()) + m.top() + m.bottom();
}

} // namespace ui
