#pragma once

// The rating as the program works on it: the rows in memory and their file, the list's sort and
// efficiency mode, refreshing from the stakes file, the CSV export and the match chart.

#include "scripts/Ratings.h"

#include <QObject>

namespace core {
class IniFile;
}
namespace stakes {
class StakesFile;
struct TStakeRec;
}

namespace app {

class Services;

class RatingsController : public QObject
{
    Q_OBJECT

public:
    explicit RatingsController(Services& services);

    const scripts::RatingsTable& table() const { return m_table; }
    const core::TRatingsArray& rows() const { return m_table.rows(); }
    QString path() const;
    const scripts::HitShares& shares() const { return m_shares; }

    // The efficiency mode and the list's sort, read with the window state.
    void readState(const core::IniFile& ini);
    scripts::EfficiencyMode effMode() const { return m_effMode; }
    // Stores the mode at once.
    void setEffMode(scripts::EfficiencyMode mode);
    int sortColumn() const { return m_sortColumn; }
    bool sortDescending() const { return m_sortDescending; }

    // Start-up: reads the file when it exists, then sorts as the list is sorted.
    void load();
    // Rewrites the file with every row; false (shown) when that failed.
    bool save();
    // Sorts by the column (when not negative) and saves: the list's header click, and the end
    // of every check that marked stakes. False (shown) when saving failed.
    bool sort(int column, bool descending);
    // Counts one checked stake under its comment.
    void addStake(const stakes::TStakeRec& rec);
    // What the file holds once the rows in memory are saved.
    QByteArray fileBytes() const;
    // Reads the file again, an empty rating when there is none.
    void reload();
    // Recomputes the rating from the stakes file after asking when it is not empty. False when
    // the person said No or the rating could not be read or stored (shown).
    bool refresh(stakes::StakesFile& stakes);
    // Picks a file and writes the CSV text.
    bool exportCsv();
    bool exportCsvTo(const QString& path);
    // The chart of hits per number of matches for the rows (list order), against the theory.
    void graphOverlap(const std::vector<int>& rows);
    // Shutdown.
    void clear();
    QString panelText() const;
    QString cellText(int row, int column) const;

signals:
    // The rows changed: the list reloads and panel 5 follows.
    void changed();
    void effModeChanged();

private:
    Services& m_services;
    scripts::RatingsTable m_table;
    scripts::HitShares m_shares;
    scripts::EfficiencyMode m_effMode = scripts::EfficiencyMode::Absolute;
    int m_sortColumn = -1;
    bool m_sortDescending = false;
    QString m_decimalPoint;
};

} // namespace app
