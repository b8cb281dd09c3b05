#pragma once

// Which rows of a source an export takes: every row, or the selected ones as the kind of
// source allows, with the counts the dialog shows.

#include "export/ExportParams.h"
#include "export/ExportSource.h"

namespace xls {

struct RowCounts
{
    int All = 0;
    // The rows the selected mode exports.
    int Selected = 0;
    // The mode the dialog starts with: the selection when it holds more than one row.
    RowMode Mode = RowMode::All;
};

RowCounts CountRows(const ExportSource& source);

// The data rows an export writes, in source order; "every row" is kept as a count so a list
// of millions is never copied.
class RowPlan
{
public:
    RowPlan(const ExportSource& source, RowMode mode);

    int count() const { return m_all ? m_count : int(m_rows.size()); }
    int at(int i) const { return m_all ? i : m_rows[i]; }

private:
    bool m_all = true;
    int m_count = 0;
    QList<int> m_rows;
};

} // namespace xls
