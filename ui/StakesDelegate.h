#pragma once

// Paints the cells of the stakes grid: the row's colour by the kind of stake, the played and
// drawn numbers one by one with the matched ones in bold blue, and the margins of the profit and
// comment columns.

#include <QStyledItemDelegate>

namespace ui {

class StakesDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    // Space between two numbers painted one by one, and between a text and the cell's edge.
    static constexpr int kNumberGap = 3;
    static constexpr int kTextMargin = 2;

    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

} // namespace ui
