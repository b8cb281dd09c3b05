#pragma once

// The controller of the regular table stakes: the rules in memory and their file, the
// visibility of their page (the rules live only while it is shown), and the person's commands:
// add, delete, a stake from a rule through the stake dialog, and the back-test of rules over
// past draws. The rules' logic lives in stakes/StakeTables.

#include "stakes/StakeTables.h"

#include <QObject>

#include <functional>

namespace core {
class IniFile;
}
namespace stakes {
struct TStakeRec;
}

namespace app {

class ArchiveController;
class CandidatesController;
class Services;
class StakesController;

class TablesController : public QObject
{
    Q_OBJECT

public:
    TablesController(Services& services, ArchiveController& archive, const CandidatesController& candidates,
                     StakesController& stakes);
    ~TablesController() override;

    QString path() const;
    const stakes::TTablesArray& rules() const { return m_rules; }
    QStringList comments() const;

    // ---- the page switch TabTables of the window-state file
    void readState(const core::IniFile& ini);
    bool pageShown() const { return m_shown; }
    // The switch: stores the state at once; shown, the rules are read from their file, hidden,
    // they are dropped (everything was saved when it changed).
    void setPageShown(bool on);
    // Shows the page for this run without storing it: the tool's words work on the rules
    // whatever the window keeps.
    void setShownForRun(bool on) { m_shown = on; }

    // ---- the file
    // Reads every rule while the page is shown and the file exists. A file that ends in a partial
    // record keeps its whole records and says how much is left over. False when the file could
    // not be read (the error was shown).
    bool load();
    // Rewrites the file from the rules while the page is shown; false (shown) when that failed.
    bool save();
    // The list shows the rules again.
    void refresh();
    // Shutdown: nothing is written, the rules were saved when they changed.
    void clear();
    // The list's rows: the rules while the page is shown, else none.
    int rowCount() const { return m_shown ? int(m_rules.size()) : 0; }

    // ---- the person's commands; rows are rows of the list, combination rows those of the
    // combination list in list order
    // "Добавить регулярную ставку": the rule dialog, then one rule or one per selected
    // combination. False when cancelled, when nothing was added or when the file was not written.
    bool add(const std::vector<std::size_t>& combRows);
    // The end of an add, with the dialog's record given: adds the rules and saves them. False
    // when nothing was added or the file was not written.
    bool addRules(const stakes::TTableRec& entered, const std::vector<stakes::TableSelection>& selected);
    // "Удалить регулярную ставку": asks, then deletes the rows. False when the person said No or
    // the file was not written.
    bool remove(std::vector<int> rows);
    // Why the rule of the row cannot make a stake at the analysis point, or empty when it can.
    QString stakeRefusal(int row) const;
    // "Сделать ставку по регуляру": a stake from the rule's next combination through the stake
    // dialog (or confirm, when given, in its place); the rule advances only when the stake is
    // confirmed. False when refused, cancelled, or when the stake or the rules were not stored.
    using StakeConfirm = std::function<bool(stakes::TStakeRec&, int&)>;
    bool stakeAdd(int row, const StakeConfirm& confirm = {});
    // "Тест регуляров": asks how many of the last draws to test at.
    bool stakeTest(const std::vector<int>& rows);
    // Makes a stake per rule and draw at the offsets count..1, advancing the stored rules, then
    // checks them all at once. The analysis point comes back and the rules are saved also when
    // a step fails. False when refused, when a step failed or when the rules were not written.
    bool stakeTestWith(const std::vector<int>& rows, int count);
    // How many stakes the last test made.
    int lastTestStakes() const { return m_testStakes; }

signals:
    // The rules changed (their number, order or values) or the page came or went.
    void changed();
    void pageShownChanged(bool shown);

private:
    stakes::TStakeRec stakeFor(const stakes::TTableRec& rule, int offset) const;
    bool validRows(const std::vector<int>& rows) const;

    Services& m_services;
    ArchiveController& m_archive;
    const CandidatesController& m_candidates;
    StakesController& m_stakes;
    stakes::TTablesArray m_rules;
    bool m_shown = true;
    // The file on disk could not be read whole; it is kept aside before it is rewritten.
    bool m_fileDamaged = false;
    int m_testStakes = 0;
};

} // namespace app
