#include "export/ExportSource.h"

namespace xls {

TableSource::TableSource(SourceKind kind, QString owner, QString control, QList<SourceColumn> columns, int rows,
                         CellText text)
    : m_kind(kind), m_owner(std::move(owner)), m_control(std::move(control)), m_columns(std::move(columns)),
      m_rows(std::max(rows, 0)), m_text(std::move(text))
{
}

QString TableSource::cellText(int row, int column) const
{
    if (row < 0 || row >= m_rows || column < 0 || column >= m_columns.size() || !m_text)
        return {};
    return m_text(row, column);
}

} // namespace xls
