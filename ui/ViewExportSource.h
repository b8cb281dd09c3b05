#pragma once

// A page's table as an export source: what the table shows, in its order, with its column
// widths and selection. A grid whose rows are named in the vertical header (card, layout) gets
// that header as its first column.

#include "export/ExportSource.h"

#include <QPointer>

class QTableView;

namespace ui {

class ViewExportSource : public xls::ExportSource
{
public:
    // rowHeaderCaption: when not empty, the vertical header becomes the first column under it.
    ViewExportSource(xls::SourceKind kind, QString control, QTableView& view, QString rowHeaderCaption = {});

    xls::SourceKind kind() const override { return m_kind; }
    QString ownerName() const override;
    QString controlName() const override { return m_control; }
    QList<xls::SourceColumn> columns() const override;
    int rowCount() const override;
    QString cellText(int row, int column) const override;
    xls::SourceSelection selection() const override;

private:
    xls::SourceKind m_kind;
    QString m_control;
    QPointer<QTableView> m_view;
    QString m_rowHeader;
};

} // namespace ui
