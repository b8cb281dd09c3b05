#pragma once

// The script list: a virtual model over the script's lines. A row shows the comment, the
// options caption and the seven filters in their normal form; a separator shows empty cells.

#include <QAbstractTableModel>
#include <QStringList>

namespace app {
class ScriptController;
}

namespace ui {

class ScriptModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit ScriptModel(const app::ScriptController& script, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The lines changed: produced anew, the selection goes.
    void reload();

private:
    const QStringList& cells(int row) const;

    const app::ScriptController& m_script;
    int m_rows = 0;
    // A view asks for a row cell by cell, and each cell parses all seven filters of the line:
    // the last row formatted is kept.
    mutable int m_cachedRow = -1;
    mutable QStringList m_cachedCells;
};

} // namespace ui
