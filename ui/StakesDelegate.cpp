#include "ui/StakesDelegate.h"

#include "ui/StakesModel.h"

#include <QPainter>

namespace ui {

void StakesDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QStyleOptionViewItem opt(option);
    initStyleOption(&opt, index);
    const bool selected = opt.state.testFlag(QStyle::State_Selected);
    const QPalette::ColorGroup group = !opt.state.testFlag(QStyle::State_Enabled) ? QPalette::Disabled
                                       : opt.state.testFlag(QStyle::State_Active) ? QPalette::Active
                                                                                  : QPalette::Inactive;
    const QVariant background = index.data(Qt::BackgroundRole);
    QColor fill = opt.palette.color(group, QPalette::Base);
    if (selected)
        fill = opt.palette.color(group, QPalette::Highlight);
    else if (background.canConvert<QColor>())
        fill = background.value<QColor>();
    const QVariant foreground = index.data(Qt::ForegroundRole);
    const QColor text = foreground.canConvert<QColor>()
                            ? foreground.value<QColor>()
                            : opt.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text);

    painter->save();
    painter->fillRect(opt.rect, fill);
    painter->setClipRect(opt.rect);
    painter->setFont(opt.font);
    painter->setPen(text);

    const auto* model = qobject_cast<const StakesModel*>(index.model());
    const std::vector<StakeNumberRun> runs =
        model ? StakeNumberRuns(model->record(index.row()), index.column()) : std::vector<StakeNumberRun>();
    if (!runs.empty()) {
        QFont bold = opt.font;
        bold.setBold(true);
        const QFontMetrics normalMetrics(opt.font);
        const QFontMetrics boldMetrics(bold);
        std::vector<int> widths;
        int total = 0;
        for (const StakeNumberRun& run : runs) {
            widths.push_back((run.matched ? boldMetrics : normalMetrics).horizontalAdvance(run.text));
            total += widths.back();
        }
        total += kNumberGap * int(runs.size() - 1);
        // Centred like the other number columns; a cell too narrow shows the first numbers.
        int x = std::max(opt.rect.left() + kTextMargin, opt.rect.left() + (opt.rect.width() - total) / 2);
        for (std::size_t i = 0; i < runs.size(); ++i) {
            const QRect place(x, opt.rect.top(), widths[i], opt.rect.height());
            painter->setFont(runs[i].matched ? bold : opt.font);
            painter->setPen(runs[i].matched ? QColor::fromRgb(kStakeMatchedColor) : text);
            painter->drawText(place, int(Qt::AlignLeft | Qt::AlignVCenter), runs[i].text);
            x += widths[i] + kNumberGap;
        }
    } else if (!opt.text.isEmpty()) {
        const int alignment = int(opt.displayAlignment);
        QRect place = opt.rect;
        if (alignment & Qt::AlignRight)
            place.adjust(0, 0, -kTextMargin, 0);
        else if (alignment & Qt::AlignLeft)
            place.adjust(kTextMargin, 0, 0, 0);
        painter->drawText(place, alignment | Qt::TextSingleLine, opt.text);
    }
    painter->restore();
}

} // namespace ui
