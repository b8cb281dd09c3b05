#pragma once

// The controller of the wheeling systems: the list of the page "Системы" (the library's
// systems and the files on this computer), the switch that shows the page, the system dialog,
// the two system games and the local folder "Systems". The file logic lives in stakes/; this
// adds busy state, status texts and the person's door.
//
// The maker's library reaches the list through SystemsLibrary. Without one, or while it cannot
// be reached, the list shows the systems on this computer and the games play them all the same.

#include "stakes/SystemFile.h"
#include "stakes/WheelMaker.h"
#include "stakes/WheelReference.h"

#include <QObject>

#include <map>
#include <memory>
#include <optional>
#include <vector>

namespace core {
class IniFile;
}
namespace net {
struct NetworkSettings;
}

namespace app {

class OnlineSystemsLibrary;
class ArchiveController;
class CandidatesController;
class Services;
class StakesController;
class StatisticsController;
class WebController;

// The online library of systems as the list needs it.
class SystemsLibrary
{
public:
    virtual ~SystemsLibrary() = default;
    // The library's systems; nullopt when it cannot be reached, with the reason in error.
    virtual std::optional<std::vector<stakes::tSystemData>> list(QString& error) = 0;
    // The lines of one system (decoded text); nullopt on failure.
    virtual std::optional<QString> fetchLines(const stakes::tSystemData& system, QString& error) = 0;
    // Publishes or replaces (remove = false) or deletes a system; the id the library answered, or -1.
    virtual int upload(const stakes::tSystemData& system, bool remove, QString& error) = 0;
};

// One row of the list.
// What the verifier found in a system's file: the strongest "t if m" it holds for its block t
// (the smallest m), or, when it fails its block even for draws of five, the block it does hold.
struct SystemCheck
{
    bool Checked = false; // the file was read and checked
    int Guarantee = 0;    // t of the "t if m" held
    int Drawn = 0;        // its m
    bool Hole = false;    // the real block for draws of five is below the claimed one
};

// One row of the list.
struct SystemRow
{
    stakes::tSystemData Data;
    bool Local = false;    // its file is in the folder "Systems"
    bool FileOnly = false; // a file on this computer that the library did not list
    SystemCheck Check;     // of the local file
    stakes::WheelSizes Sizes; // known sizes for the guarantee held (or the block for draws of five)
};

// A system made on this computer.
struct MadeSystem
{
    stakes::WheelParams Params;
    stakes::WheelResult Result; // its lines are empty when nothing verified was found
    stakes::WheelSizes Sizes;
};

// The six row states and the placeholder's none: (file present or not) x (the user's own
// system, another user's, no author's address).
enum class SystemRowState { None, LocalOwn, LocalForeign, LocalUnknown, RemoteOwn, RemoteForeign, RemoteUnknown };

class SystemsController : public QObject
{
    Q_OBJECT

public:
    SystemsController(Services& services, const ArchiveController& archive, const CandidatesController& candidates,
                      const StatisticsController& statistics, StakesController& stakes, const WebController& web);
    ~SystemsController() override;

    // The folder "Systems" in the data folder.
    QString folder() const;

    // ---- the switch of the page (window-state key "SystemsEnabled")
    void readState(const core::IniFile& ini);
    bool enabled() const { return m_enabled; }
    // SystemsOn: stores the switch at once; shown, the list is loaded; hidden, it is cleared.
    void setEnabled(bool on);
    // Start-up: loads the list when the page is shown.
    void startUp();

    // ---- who the user is and where the library is
    void setLibrary(SystemsLibrary* library) { m_library = library; }
    // The user's name and e-mail and the maker's library of the settings: the library takes part
    // only while a service address is set.
    void useSettings(const net::NetworkSettings& network);
    // The interface language the library requests name (a Windows locale identifier).
    void setLanguage(int lcid);
    SystemsLibrary* library() const { return m_library; }
    void setUser(const QString& name, const QString& mail);
    const QString& userName() const { return m_userName; }
    const QString& userMail() const { return m_userMail; }
    // The system is the user's own: its address equals the user's, letter case aside.
    bool isOwn(const stakes::tSystemData& system) const;

    // ---- the list
    const std::vector<SystemRow>& rows() const { return m_rows; }
    SystemRowState rowState(int row) const;
    // The row whose system has this id, or -1.
    int rowOfId(int id) const;
    // SystemsRefreshList: the library's systems, then the files no library row names; a
    // placeholder row when the library is unreachable and nothing is on this computer.
    void refreshList();
    void clearList();

    // ---- the commands of the page; rows are list rows
    // SystemsDownload: the rows whose download succeeded, in list order.
    std::vector<int> downloadRows(const std::vector<int>& rows);
    bool downloadRow(int row);
    // SystemsAdd: the dialog on a new system, or on the lines of a file-only row given; the new
    // row's index or -1.
    int add(int fromRow = -1);
    // SystemsProp: the dialog on the row's system, editable only for the user's own.
    bool properties(int row);
    // SystemsDel: only the user's own systems, after a question.
    bool remove(int row);
    bool canDelete(int row) const;

    // ---- systems made on this computer
    // "Создать систему...": the dialog, the search, the result shown and stored in the folder; the
    // new row's index or -1.
    int create();
    // The search with the stoppable progress window; "Стоп" keeps the best cover found so far.
    MadeSystem make(const stakes::WheelParams& params, double seconds, std::uint64_t seed);
    // Stores a made system as "5-NN-t_0000.dat", replacing the other file for its count of
    // numbers as a download does; the list follows. False with the reason.
    bool storeMade(const MadeSystem& made, QString& error);
    // The file's check, run once per file version.
    SystemCheck checkFile(const QString& path, int nums, int block);

    // ---- the system games
    // SystemStakeAll (filtered = false) and SystemStakeFilter (true) with the multi-stake dialog.
    bool stake(bool filtered);
    // The same with the dialog's values given.
    bool play(bool filtered, std::int32_t drawNum, int copies, const QString& comment);
    // The comment a game proposes: "Системная игра для %d чисел [вся система]: %s".
    static QString gameComment(bool filtered, int nums, const QString& fileName);
    // What a game says when the folder holds no system for the n distinct numbers of the list:
    // the lookup's message, how many numbers the list holds, the sizes of the systems there are
    // and the ways out.
    static QString missingSystemText(const QString& folder, const QString& lookupMessage, int n);

signals:
    // The rows were replaced; the page selects again what it had.
    void listReset();
    // Row's texts or icon changed.
    void rowChanged(int row);
    void enabledChanged(bool on);

private:
    bool fetchLines(stakes::tSystemData& system);
    bool storeSystem(const stakes::tSystemData& system, const QString& lines, QString& error);
    // After files came or went: every row's "Загружена", file-only rows without a file dropped.
    void updateLocalFlags();
    void addFileRows();
    // Every local row's check and every row's known sizes.
    void checkRows();
    // Checks the rows, then tells the page the rows were replaced.
    void resetList();
    // Reads a local file's lines into the system's clist.
    bool readLocalLines(const SystemRow& row, QString& lines, QString& error) const;

    Services& m_services;
    const ArchiveController& m_archive;
    const CandidatesController& m_candidates;
    const StatisticsController& m_statistics;
    StakesController& m_stakes;
    SystemsLibrary* m_library = nullptr;
    std::unique_ptr<OnlineSystemsLibrary> m_online; // the service host's library
    QString m_userName;
    QString m_userMail;
    bool m_enabled = true;
    std::vector<SystemRow> m_rows;
    // Checks by file path, kept while the file's size and time stay.
    struct CachedCheck
    {
        qint64 Size = -1;
        QDateTime Modified;
        SystemCheck Check;
    };
    std::map<QString, CachedCheck> m_checks;
};

} // namespace app
