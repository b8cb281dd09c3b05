#pragma once

// The draw archive: its records, the analysis offset, the marks of the next draw, the archive's
// file and the commands of the draw list. A change of the archive or of the offset asks every
// view to recalculate.

#include "app/Services.h"
#include "core/GameTypes.h"

#include <QList>
#include <QObject>

#include <bitset>

namespace app {

class ArchiveController : public QObject
{
    Q_OBJECT

public:
    explicit ArchiveController(Services& services);

    const core::TDrawsArray& draws() const { return m_draws; }
    // The analysis point: how many of the newest draws are left out (0 = none).
    int offset() const { return m_offset; }
    void setOffset(int k);
    const std::bitset<256>& nextDrawSet() const { return m_nextDrawSet; }

    // False when the file exists but could not be read whole (the error was shown).
    bool load();
    bool save();
    void clear();
    // Throws core::EConvertError for an index outside the archive.
    void deleteAt(int index);
    void refresh(bool force);
    int nextDrawNum(int k) const;
    QString nextDrawText(int k) const;
    std::int32_t drawDateYmd(int k, int days) const;
    core::TComb drawCombAt(int k) const;
    int findDrawIndex(int num) const;

    // The user commands of the draw list; rows are list rows (0 = newest).
    bool add();
    bool edit(int row);
    bool deleteRows(QList<int> rows);
    void toggleSorted();
    void setColorDraws(bool on);
    // Appends a confirmed record, saves and recalculates: the end of an add. False when the
    // archive could not be saved (the record stays in memory).
    bool append(const core::TDrawRec& rec);
    // The same for several records at once, in the order given: one save, one recalculation.
    bool append(const core::TDrawsArray& recs);
    bool replace(int index, const core::TDrawRec& rec);

    // Recalculates every view after a change of the archive or the offset, unless a script
    // run holds the views back.
    void recalcViews(bool force);
    bool batchMode() const { return m_batchMode; }
    void setBatchMode(bool on) { m_batchMode = on; }

signals:
    // The list must show the archive again: its size, the offset row, the next-draw marks.
    void drawsChanged(bool force);
    void drawsOffsetChanged(int k);
    // Every view recalculates for the current analysis point: first the statistics table,
    // then (pagesRecalculated) the pages of graphs, card, layout and week.
    void viewsRecalculated(bool force);
    void pagesRecalculated(bool force);
    // A draw the person typed in (added or edited) was saved: stakes waiting for it can be checked.
    void drawEnteredByHand();

private:
    Services& m_services;
    core::TDrawsArray m_draws;
    int m_offset = 0;
    std::bitset<256> m_nextDrawSet;
    int m_sizeShown = -1;
    // The archive on disk could not be read whole; it is kept aside before it is overwritten.
    bool m_fileDamaged = false;
    bool m_batchMode = false;
};

} // namespace app
