#pragma once

// A check changes two files that must agree: the stakes it marks and the file that counts them
// (the rating). Before a batch of marked stakes is written, the journal stores what both files
// will hold once the batch is done; when both do, the journal is removed. A journal found later
// is carried out again, which is harmless when it had been carried out already, so a kill at
// any moment leaves the two files in step.

#include "stakes/StakesFile.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <cstddef>
#include <span>
#include <vector>

namespace stakes {

// What a check writes into a stake: the bytes from Checked up to the comment.
inline constexpr int CheckedPartAt = int(offsetof(TStakeRec, Checked));
inline constexpr int CheckedPartSize = int(offsetof(TStakeRec, Comment)) - CheckedPartAt;

struct JournalEntry
{
    qint64 Index = 0; // the record's place in the stakes file
    std::array<char, CheckedPartSize> Part{};
};

struct CheckJournal
{
    QByteArray Companion; // the whole content of the companion file
    std::vector<JournalEntry> Entries;
};

// The journal of checked records and the companion's content.
CheckJournal CheckJournalOf(std::span<const PlacedRecord> records, QByteArray companion);

// "<stakes file's base name>.~jnl" beside the stakes file.
QString CheckJournalPath(const QString& stakesPath);

QByteArray CheckJournalBytes(const CheckJournal& journal);
// Refuses anything that is not a whole journal exactly as written.
bool CheckJournalParse(const QByteArray& bytes, CheckJournal& journal, QString* error);
// Stores the journal safely (through a temporary file, the folder synced).
bool CheckJournalWrite(const QString& path, const CheckJournal& journal, QString* error);

// Once the journal's records are written: syncs the stakes file, rewrites the companion file
// and removes the journal.
bool CheckJournalFinish(StakesFile& file, const QByteArray& companion, const QString& journalPath,
                        const QString& companionPath, QString* error);
// Carries out a journal left behind by an interrupted check, if there is one. A journal that
// cannot be read is left where it is and reported as damaged.
enum class JournalReplay { None, Done, Damaged, Failed };
JournalReplay CheckJournalReplay(StakesFile& file, const QString& companionPath, QString* error);

} // namespace stakes
