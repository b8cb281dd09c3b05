#pragma once

// The stakes grid: a virtual model over the stakes file. A row reads its record only when the
// view asks for it, and the few records on screen are kept until the file changes, so a grid
// over millions of stakes costs no more than the rows it shows.

#include "stakes/StakeRecord.h"

#include <QAbstractTableModel>
#include <QColor>

#include <array>
#include <vector>

namespace app {
class StakesController;
}

namespace ui {

// Colours of the grid, as RGB.
inline constexpr QRgb kStakeMatchedColor = 0x0000FF;
inline constexpr QRgb kStakeWonColor = 0x008000;
inline constexpr QRgb kStakeLostColor = 0xFF0000;

// The background of a row of this kind; invalid for separators (the list's own background).
QColor StakeKindColor(int kind);

// One number of a cell that is painted number by number, marked when it was drawn and played.
struct StakeNumberRun
{
    QString text;
    bool matched = false;
    friend bool operator==(const StakeNumberRun&, const StakeNumberRun&) = default;
};
// The numbers of the played combination (column 2) or of the draw (column 4) as the grid paints
// them; empty for the other columns, for rows without a stake and for the draw of an unchecked
// stake.
std::vector<StakeNumberRun> StakeNumberRuns(const stakes::TStakeRec& rec, int column);

class StakesModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit StakesModel(app::StakesController& stakes, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The record a row shows; a row past the end of the file is blank.
    stakes::TStakeRec record(int row) const;

    // The file changed: the grid gets rows rows (at least one), forgets what it read and, when
    // repaint is set, paints every row anew.
    void setRows(qint64 rows, bool repaint);

private:
    struct CachedRow
    {
        int row = -1;
        stakes::TStakeRec rec;
    };
    void forget() const;

    app::StakesController& m_stakes;
    int m_rows = 1;
    QString m_decimalPoint;
    // Rows on screen are consecutive, so slots by row number never push each other out.
    mutable std::array<CachedRow, 256> m_cache;
};

} // namespace ui
