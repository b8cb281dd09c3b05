#include "ui/ViewExportSource.h"

#include "app/ExportController.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QTableView>

namespace ui {

ViewExportSource::ViewExportSource(xls::SourceKind kind, QString control, QTableView& view, QString rowHeaderCaption)
    : m_kind(kind), m_control(std::move(control)), m_view(&view), m_rowHeader(std::move(rowHeaderCaption))
{
}

QString ViewExportSource::ownerName() const
{
    return QLatin1String(app::kMainFormName);
}

QList<xls::SourceColumn> ViewExportSource::columns() const
{
    QList<xls::SourceColumn> columns;
    if (!m_view || !m_view->model())
        return columns;
    const QAbstractItemModel& model = *m_view->model();
    if (!m_rowHeader.isEmpty())
        columns << xls::SourceColumn{m_rowHeader, xls::AlignLeft, m_view->verticalHeader()->width()};
    for (int c = 0; c < model.columnCount(); ++c) {
        xls::SourceColumn column;
        column.Caption = model.headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
        column.PixelWidth = m_view->horizontalHeader()->sectionSize(c);
        const QVariant align = model.rowCount() > 0 ? model.index(0, c).data(Qt::TextAlignmentRole) : QVariant();
        const int flags = align.toInt();
        column.Align = (flags & Qt::AlignRight)     ? xls::AlignRight
                       : (flags & Qt::AlignHCenter) ? xls::AlignCenter
                                                    : xls::AlignLeft;
        columns << column;
    }
    return columns;
}

int ViewExportSource::rowCount() const
{
    return m_view && m_view->model() ? m_view->model()->rowCount() : 0;
}

QString ViewExportSource::cellText(int row, int column) const
{
    if (!m_view || !m_view->model())
        return {};
    const QAbstractItemModel& model = *m_view->model();
    if (!m_rowHeader.isEmpty()) {
        if (column == 0)
            return model.headerData(row, Qt::Vertical, Qt::DisplayRole).toString();
        --column;
    }
    return model.index(row, column).data(Qt::DisplayRole).toString();
}

xls::SourceSelection ViewExportSource::selection() const
{
    xls::SourceSelection selection;
    if (!m_view || !m_view->selectionModel())
        return selection;
    const auto mode = m_view->selectionMode();
    selection.MultiSelect = mode == QAbstractItemView::ExtendedSelection ||
                            mode == QAbstractItemView::MultiSelection ||
                            mode == QAbstractItemView::ContiguousSelection;
    // The rows of the selection's ranges: a whole list of millions selected is one range, where
    // the selected indexes would be a cell object each, seconds and gigabytes for nothing.
    QList<int> rows;
    for (const QItemSelectionRange& range : m_view->selectionModel()->selection())
        for (int row = range.top(); row <= range.bottom(); ++row)
            rows << row;
    if (rows.isEmpty() && m_view->currentIndex().isValid())
        rows << m_view->currentIndex().row();
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    selection.Rows = rows;
    return selection;
}

} // namespace ui
