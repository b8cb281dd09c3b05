#pragma once

// The controller of the script: its lines with the working copy rewritten after every
// change, the page's editing commands, and the run and back-test with their status panels,
// stop flag and run log. A run narrows the candidate list with the filters of each
// line and turns what is left into stakes.
//
// The back-test is the hottest path of the program, so a run keeps what does not change while
// it goes: the generated start list, the list after excluding the last draws per analysis
// point, every statistics table per method and window, and the lists after the leading filters
// the variants of a line share. Switched off, the run repeats every step; the stakes, their
// comments, the ratings and the log lines are the same either way.

#include "core/GameTypes.h"
#include "scripts/ScriptLine.h"

#include <QElapsedTimer>
#include <QFile>
#include <QObject>
#include <QRandomGenerator>
#include <QStringList>

#include <array>
#include <functional>
#include <memory>

namespace combos {
struct TFilterPart;
class FilterRunHooks;
}

namespace app {

class ArchiveController;
class CandidatesController;
class OnlineScripts;
class RatingsController;
class Services;
class StakesController;
class StatisticsController;
class WebController;
class ScriptRunCache;

class ScriptController : public QObject
{
    Q_OBJECT

public:
    ScriptController(Services& services, ArchiveController& archive, CandidatesController& candidates,
                     const StatisticsController& statistics, StakesController& stakes, const RatingsController& ratings,
                     const WebController& web);
    ~ScriptController() override;

    // ---- the lines
    const QStringList& lines() const { return m_lines; }
    int lineCount() const { return int(m_lines.size()); }
    // Appends a line and saves the working copy; gives its index.
    int addLine(const QString& line);
    // Throws core::EConvertError for an index outside the list.
    void putLine(int index, const QString& line);
    QString getLine(int index) const;
    // Replaces or extends the lines by a file; the working copy follows. False when the file
    // could not be read whole (the error was shown; what was read is kept).
    bool loadFile(const QString& path, bool append);
    bool saveFile(const QString& path);
    QString workingCopyPath() const;
    // The previous working copy a replacement of the whole script keeps ("Vertoma_5x54.lss.bak").
    QString backupPath() const;
    // Replaces every line, keeping the previous working copy as the backup first, saves the
    // working copy and shows the new lines. False (the error shown, nothing changed) when the
    // backup could not be written.
    bool replaceLines(const QStringList& lines);
    // Start-up: the working copy, when there is one.
    void loadWorkingCopy();
    bool saveWorkingCopy();

    // The nine cells of a row of the list: comment, options, the seven filters in normal form.
    QStringList rowCells(int row) const;
    static QStringList columnCaptions();
    // Panels 0..4 of the script status bar.
    QString panelText(int panel) const;

    // ---- the page's commands; rows are list rows
    bool scriptOpen();
    bool scriptSave();
    bool scriptAdd();
    bool scriptEmpty();
    bool scriptClone(int focused);
    bool scriptLoad();
    bool scriptEdit(int focused);
    bool scriptDel(QList<int> rows);
    bool scriptUp(int focused);
    bool scriptDown(int focused);
    bool scriptClr();
    // Lines from rating rows (rows of the rating as listed); refused rows are named in an error.
    bool ratingsToScript(const std::vector<int>& rows);

    // The online catalogue of scripts in the panel under the list.
    OnlineScripts& library() { return *m_library; }
    const OnlineScripts& library() const { return *m_library; }

    // ---- running
    bool running() const { return m_running; }
    bool stopRequested() const { return m_stop; }
    int cycle() const { return m_cycle; }
    bool logEnabled() const { return m_logEnabled; }
    void setLogEnabled(bool on);
    // Turns the run log on or off for the coming runs without storing it (the tool's --log).
    void setLogEnabledForRun(bool on) { m_logEnabled = on; }
    void readState(bool logEnabled) { m_logEnabled = logEnabled; }
    // "Прогноз": every line once at the current analysis point.
    bool run();
    // "Тест": asks for the number of tests, then runs the script at that many past draws.
    bool test();
    bool testWith(int count);
    // "Стоп": asks first; true when the run is now stopping.
    bool requestStop();
    // Closing the window: allowed when nothing runs or a stop was asked for; otherwise the stop
    // is offered first.
    bool canClose();
    void logsDelete();
    // How the last run ended: all lines ran, a stop (the person's, or a line's result mode), or
    // an error inside a line.
    enum class RunEnd { Completed, Stopped, Failed };
    RunEnd lastRunEnd() const { return m_lastEnd; }
    // Runs these lines instead of the script's own, without touching the working copy (the
    // tool's --file).
    void useLines(const QStringList& lines) { m_lines = lines; }
    // The path of the last run's log, empty when the run was not logged.
    const QString& lastLogPath() const { return m_lastLog; }

    // The caches of the run; on by default.
    void setCaching(bool on) { m_caching = on; }
    bool caching() const { return m_caching; }
    // The random choices of a run (result mode RAND) come from this generator.
    void seedRandom(quint64 seed) { m_random.seed(quint32(seed)); }

    // What a line-variant left and made, for the tool: the line (1-based), the variant, the
    // size of the list after its filters and the stakes it added.
    struct VariantReport
    {
        int Line = 0;
        int Variant = 0;
        qint64 ListSize = 0;
        int Stakes = 0;
    };
    void setVariantReporter(std::function<void(const VariantReport&)> reporter) { m_reporter = std::move(reporter); }

signals:
    void linesChanged();
    // The row to make the only selected and focused one (a line was added or moved).
    void lineFocused(int row);
    // The line the run is on (-1: none): the list selects it.
    void lineRunning(int row);
    void runningChanged(bool running);
    void panelsChanged();
    // Lines came from the rating: the window shows the script page.
    void scriptPageWanted();

private:
    friend class ScriptRunHooks;

    // The run (ScriptRun.cpp).
    void begin(int cycle);
    void finish(bool stopped);
    void runAll();
    void runLine(int index, const QString& line);
    // False when the run must not go on with this line.
    bool startList(const scripts::TScriptHeader& header);
    // Makes the list that is still pending as positions; the number of its combinations and the
    // one at index k, made or not.
    void listMake();
    std::size_t listCount() const;
    core::TComb listAt(std::size_t k) const;
    void applyVariant(const std::array<combos::TFilterPart, 7>& rec, const scripts::TScriptHeader& header);
    void applyOnPositions(const std::array<combos::TFilterPart, 7>& rec, combos::FilterRunHooks& hooks);
    void makeStakes(const scripts::TScriptHeader& header, int line, const QString& filtersText,
                    const QString& comment, int variant);
    void stake(const core::TComb& comb, const QString& comment, bool newOnly, bool bulk);
    void progress(int line, int variant, const QString& text, int total);
    bool pollStop();
    void checkStakes();
    void stopIfNotStored();

    // The run log.
    void logStart();
    void log(const QString& text);
    void logFinish();

    Services& m_services;
    ArchiveController& m_archive;
    CandidatesController& m_candidates;
    const StatisticsController& m_statistics;
    StakesController& m_stakes;
    const RatingsController& m_ratings;
    QStringList m_lines;
    std::unique_ptr<OnlineScripts> m_library;

    bool m_running = false;
    bool m_stop = false;
    RunEnd m_lastEnd = RunEnd::Completed;
    int m_cycle = 0;
    int m_line = 0;
    QString m_step;
    bool m_logEnabled = false;
    QString m_logPath;
    QString m_lastLog;
    QFile m_logFile;
    bool m_logFailed = false;
    QElapsedTimer m_polled;
    unsigned m_pollTicks = 0;
    core::TCdlData m_savedCdl;
    QRandomGenerator m_random{QRandomGenerator::securelySeeded()};
    bool m_caching = true;
    std::unique_ptr<ScriptRunCache> m_cache;
    // System sizes whose missing file was already reported in this run.
    QList<int> m_systemsReported;
    std::function<void(const VariantReport&)> m_reporter;
    // The variant that follows the one being applied, when the line has one.
    const std::array<combos::TFilterPart, 7>* m_nextVariant = nullptr;
};

} // namespace app
