#pragma once

// Checking stakes against the draw archive, the stakes logs and the stake graphs. A stake is
// checked once, as soon as the archive holds its draw; the file itself records which are.

#include "core/GameTypes.h"
#include "core/GraphData.h"
#include "stakes/StakesFile.h"

#include <QDateTime>
#include <QStringList>

#include <functional>
#include <optional>

namespace stakes {

struct CheckHooks
{
    // Called for every stake once it is stored as checked, in file order.
    std::function<void(const TStakeRec&)> checked;
    // The completed share in per cent, about a hundred times per check.
    std::function<void(double)> progress;
    // The file that counts the checked stakes (the rating), kept in step with the stakes file.
    // Empty path: none.
    StakesFile::Companion counter;
};

// Checks every unchecked stake of five or more numbers whose draw is in the archive (the whole
// archive, whatever the analysis offset). Gives the number of stakes checked; on an error the
// stakes checked before it stay checked and were reported. A damaged stake (CheckStake) stays
// unchecked, the rest are checked, and the check then fails naming the first damaged record.
// With a counter, a journal is left behind when the check stops half-way through: it is carried
// out by CheckJournalReplay.
bool StakesCheck(StakesFile& file, const core::TDrawsArray& draws, const core::TConfigData& config,
                 const CheckHooks& hooks, int& checked, QString* error);

// Fills a candidate's draw values, matches and profit from its draw. False (nothing changed)
// when the record is no candidate, or is damaged (damaged set): its profit cannot be held.
bool CheckStake(TStakeRec& rec, const core::TDrawRec& draw, const core::TConfigData& config, bool* damaged = nullptr);
// How a record whose values cannot be added up is reported; index counts from 0.
QString DamagedStakeText(qint64 index);

// ---- stakes logs: one per number of matches, "<base>-<matches>.log"
inline constexpr qint64 StakeLogLimit = 268435456; // a log above 256 MiB starts again
QString StakeLogLine(const TStakeRec& rec, const QDateTime& now, const QString& decimalPoint);
// Appends one line, CR LF, in code page 1251. deleteError is set when a log over the limit
// could not be deleted first; writing goes on then.
bool StakeLogAppend(const QString& path, const QString& line, QString* deleteError, QString* error);

// ---- recent draws
struct RecentDraws
{
    int Found = 0;     // distinct checked draws found, at most the limit
    qint64 Start = 0;  // reading on from this record covers them
};
// Walks back from the last record over checked stakes; stops after limit distinct draw numbers
// (a draw number counts again when it returns after another one).
bool StakesSeekRecentDraws(StakesFile& file, int limit, RecentDraws& result, QString* error);

// ---- graphs; an empty optional means there is too little to draw (the message below)
QString GraphTooFewDrawsText();
// Profit per draw, its mean and the running total, for every stake whose draw number >= 0.
std::optional<core::GraphData> ProfitByDrawGraph(StakesFile& file, const QString& title, QString* error);
// Per caption (compared without regard to case) the matches or profits of its checked stakes
// over the last 100 distinct checked draws.
enum class StakeGraphValue { Matches, Profit };
std::optional<core::GraphData> CommentStakesGraph(StakesFile& file, const QStringList& captions,
                                                  StakeGraphValue value, const QString& title, QString* error);

} // namespace stakes
