#pragma once

// The statistics: the method list with its favourites and user names, the configuration and
// the shredding formulas the methods read, the statistics table with its chart, and the
// full-set files behind the table's comparison.

#include "app/ArchiveController.h"
#include "app/Services.h"
#include "net/NetSettings.h"
#include "stats/StatList.h"
#include "views/FullSet.h"
#include "views/StatTable.h"

#include <QObject>

#include <array>
#include <functional>

namespace app {

class StatisticsController : public QObject
{
    Q_OBJECT

public:
    // The configuration dialog also shows the network settings, which belong to the web client:
    // network gives the current ones; an accepted dialog hands them on through networkEdited.
    using NetworkSource = std::function<const net::NetworkSettings&()>;
    StatisticsController(Services& services, ArchiveController& archive, NetworkSource network);

    // ---- the method list: methods, favourites, user names
    const stats::TStatList& list() const { return m_list; }
    stats::TStatList& list() { return m_list; }
    const core::TConfigData& config() const { return m_list.config(); }
    const core::TShreddingData& shredding() const { return m_list.shredding(); }
    bool editConfig();
    bool editShredding();
    // Builds the method list from the settings read and reads the names file.
    void fill();
    // Stores the names file, rebuilds the method list from the current settings and reads the
    // names back: after a change of settings, favourites or names. Selectors refill on
    // methodsChanged, keeping their positions when keep is set and starting again at their
    // first entry otherwise. When the names file cannot be written, the favourites, names and
    // options in memory survive the rebuild.
    void reload(bool keep = true);
    // The filters manager: the person edits a copy of the list; on OK the copy's favourites,
    // names and options are taken over. False when cancelled.
    bool filtersManager();
    // Takes over the favourites, user names and display options of an edited copy of the list
    // (entries matched by code), stores them, rebuilds the list and recalculates every view.
    void applyFavorites(const stats::TStatList& edited);
    // Makes every method a favourite again after asking. False when the person said No.
    bool filtersReset();
    // The help file beside the program whose folder holds the methods' description pages.
    QString helpFile() const;

    // ---- the statistics table and the full-set files
    const views::StatTable& table() const { return m_table; }
    const views::StatChart& chart() const { return m_chart; }
    // The method the table was computed for (-1: none).
    int method() const { return m_method; }
    // The number of draws the table was last asked for (-1: never).
    int window() const { return int(m_cache[2]); }
    // Computes the table of a method (an index of the method list; -1 clears the table) over
    // the window of the newest draws before the analysis point. Without force nothing happens
    // when the archive length, the offset, the window and the method are those of the last
    // calculation. True when the table was computed anew.
    bool calc(int method, int window, bool force);
    views::StatTableParams params(int window) const;
    QString fullSetPath(int method) const;
    // The full-set counts of a method when the comparison is on and the method has them: read
    // from its file, which is built first when it is missing or empty. False when there is no
    // comparison (the reason was shown when it is an error).
    bool prefetchOpen(int method, views::FullSetCounts& counts);
    bool prefetchBuild(int method, views::FullSetCounts* counts = nullptr);
    // Builds the files of every method that has one and whose file is missing or whose category
    // is in the set (bit c = category c); only when forced or when the comparison is on.
    void prefetchRebuildAll(bool force, std::uint16_t categories);
    void setPrefetchsEnabled(bool on);
    // Turns the comparison on or off for this run without storing it (the tool's --compare).
    void setPrefetchsEnabledForRun(bool on) { m_services.windowState().PrefetchsEnabled = on; }
    void setShowTotalLine(bool on);

signals:
    void configChanged();
    // Accepted network settings of the configuration dialog, while it stores the configuration.
    void networkEdited(const net::NetworkSettings& network);
    // The method list was rebuilt; every statistics selector refills, keeping its position when
    // keep is set, else starting again at its first entry.
    void methodsChanged(bool keep);
    // The statistics table or its chart changed.
    void tableChanged();
    // The comparison or the total line was switched; the table is computed anew.
    void optionsChanged();

private:
    void loadNames();

    Services& m_services;
    ArchiveController& m_archive;
    NetworkSource m_network;
    // Holds the configuration and the shredding formulas that the statistics read.
    stats::TStatList m_list;
    views::StatTable m_table;
    views::StatChart m_chart;
    int m_method = -1;
    std::array<std::int64_t, 4> m_cache{-1, -1, -1, -1};
};

} // namespace app
