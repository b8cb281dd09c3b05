#include "export/ExportRows.h"

namespace xls {

namespace {

// The selected data rows as the source's kind reads them: a multi-selection list view gives
// all of them, a single-selection one only its selected row, a grid the block top..bottom.
QList<int> selectedRows(const ExportSource& source)
{
    const SourceSelection selection = source.selection();
    const int rows = source.rowCount();
    QList<int> valid;
    for (const int row : selection.Rows)
        if (row >= 0 && row < rows)
            valid << row;
    std::sort(valid.begin(), valid.end());
    valid.erase(std::unique(valid.begin(), valid.end()), valid.end());
    if (valid.isEmpty())
        return valid;
    switch (source.kind()) {
    case SourceKind::ListView:
        if (!selection.MultiSelect)
            return {valid.first()};
        return valid;
    case SourceKind::Grid:
    case SourceKind::OwnerGrid: {
        QList<int> block;
        for (int row = valid.first(); row <= valid.last(); ++row)
            block << row;
        return block;
    }
    }
    return valid;
}

} // namespace

RowCounts CountRows(const ExportSource& source)
{
    RowCounts counts;
    counts.All = source.rowCount();
    counts.Selected = int(selectedRows(source).size());
    const bool several = source.kind() == SourceKind::ListView ? source.selection().MultiSelect && counts.Selected > 1
                                                                 : counts.Selected > 1;
    counts.Mode = several ? RowMode::Selected : RowMode::All;
    return counts;
}

RowPlan::RowPlan(const ExportSource& source, RowMode mode)
{
    if (mode == RowMode::Selected) {
        m_all = false;
        m_rows = selectedRows(source);
    } else {
        m_count = source.rowCount();
    }
}

} // namespace xls
