#pragma once

// The session builds everything the program works on for the whole run: one controller per
// subsystem, each handed exactly the parts it uses, with their signals wired to each other. It
// runs the start-up and shutdown sequences and hands the controllers out. The desktop window,
// the command-line tool and the tests all drive the same session; it reaches the person only
// through UserIo.

#include "app/ExclusiveFile.h"
#include "app/Services.h"
#include "app/UserIo.h"
#include "core/DataFolder.h"

#include <QObject>
#include <QStringList>

#include <memory>

namespace app {

class ArchiveController;
class CandidatesController;
class ExportController;
class RatingsController;
class ScriptController;
class StakesController;
class StatisticsController;
class SystemsController;
class TablesController;
class UpdateController;
class ViewsController;
class WebController;

class Session : public QObject
{
    Q_OBJECT

public:
    Session(UserIo& io, core::DataFolder folder, QStringList arguments = {}, QObject* parent = nullptr);
    ~Session() override;

    Services& services() { return m_services; }
    UserIo& io() { return m_services.io(); }
    const core::DataFolder& folder() const { return m_services.folder(); }

    // ---- the subsystems
    // The draw archive, the analysis offset and the commands of the draw list.
    ArchiveController& archive() { return *m_archive; }
    const ArchiveController& archive() const { return *m_archive; }
    // The method list, the configuration, the statistics table and the full-set files.
    StatisticsController& statistics() { return *m_statistics; }
    const StatisticsController& statistics() const { return *m_statistics; }
    // The candidate list, its undo copy, the filter history and the filter conditions.
    CandidatesController& candidates() { return *m_candidates; }
    const CandidatesController& candidates() const { return *m_candidates; }
    StakesController& stakes() { return *m_stakes; }
    RatingsController& ratings() { return *m_ratings; }
    // The regular table stakes and the visibility of their page.
    TablesController& tables() { return *m_tables; }
    ScriptController& script() { return *m_script; }
    // The pages of graphs, card, layout and week, and the windows of repeats and details.
    ViewsController& views() { return *m_views; }
    // The page "Системы": the list of systems, the local folder and the system games.
    SystemsController& systems() { return *m_systems; }
    // The web client, its proxy, the draw download and the CSV exchange of draws.
    WebController& web() { return *m_web; }
    // The spreadsheet export of every list and grid.
    ExportController& exportCtl() { return *m_export; }
    // The self-update: the switch "AutoUpdates", the check and the installation.
    UpdateController& update() { return *m_update; }

    // ---- start-up and shutdown
    // With the word "restart": waits until the instance that started this one has ended.
    // False when it is still running after the last check; the program must end then.
    bool waitForOldInstance();
    // The steps of window creation that belong to the logic; errors are shown, not thrown.
    void create();
    enum class InitResult { Running, Terminate, Restart };
    // The steps that run once the window has appeared.
    InitResult initialise();
    // Stores what the window state keeps and closes the files; nothing of the archive is written.
    void shutdown();
    // Takes the exclusive hold on the data folder (a lock file of its own, so that replacing any
    // data file never drops it); shows why and returns false when another instance holds it or
    // the folder is not writable.
    bool takeExclusiveHold();
    bool holdsExclusive() const { return m_hold.isHeld(); }
    // Reads the configuration and builds the method list with the names file, for tools that
    // work on the statistics without the full start-up.
    void prepareStatistics();
    // Closing is allowed when no script runs or a stop was requested.
    bool canClose();

    // ---- status bar panels 0..6
    QString statusPanel(int panel) const;

private:
    void wire();
    void readWindowState();
    void loadConfiguration();

    Services m_services;
    ExclusiveFile m_hold;
    // In the order of building: each is handed only those built before it.
    std::unique_ptr<ArchiveController> m_archive;
    std::unique_ptr<StatisticsController> m_statistics;
    std::unique_ptr<CandidatesController> m_candidates;
    std::unique_ptr<RatingsController> m_ratings;
    std::unique_ptr<StakesController> m_stakes;
    std::unique_ptr<TablesController> m_tables;
    std::unique_ptr<WebController> m_web;
    std::unique_ptr<ScriptController> m_script;
    std::unique_ptr<ViewsController> m_views;
    std::unique_ptr<ExportController> m_export;
    std::unique_ptr<SystemsController> m_systems;
    std::unique_ptr<UpdateController> m_update;
};

} // namespace app
