#include "ui/ScriptModel.h"

#include "app/ScriptController.h"
#include "scripts/ScriptLine.h"

namespace ui {

ScriptModel::ScriptModel(const app::ScriptController& script, QObject* parent)
    : QAbstractTableModel(parent), m_script(script), m_rows(script.lineCount())
{
}

int ScriptModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int ScriptModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : scripts::kLineFields;
}

const QStringList& ScriptModel::cells(int row) const
{
    if (row != m_cachedRow) {
        m_cachedCells = m_script.rowCells(row);
        m_cachedRow = row;
    }
    return m_cachedCells;
}

QVariant ScriptModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows || role != Qt::DisplayRole)
        return {};
    return cells(index.row()).value(index.column());
}

QVariant ScriptModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    return app::ScriptController::columnCaptions().value(section);
}

void ScriptModel::reload()
{
    beginResetModel();
    m_rows = m_script.lineCount();
    m_cachedRow = -1;
    m_cachedCells.clear();
    endResetModel();
}

} // namespace ui
