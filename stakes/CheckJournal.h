#pragma once

// A check changes two files that must agree: the stakes it marks and the file that counts them
// (the rating). Before a block of marked stakes is written, the journal stores what both files
// will hold once the block is done; when both do, the journal is removed. A journal found later
// is carried out again, which is harmless when it had been carried out already, so a kill at
// any moment leaves the two files in step.

#include "stakes/StakeRecord.h"

#include <QByteArray>
#include <QString>

#include <vector>

namespace stakes {

class StakesFile;

struct JournalRecord
{
    qint64 Index = 0; // the record's place in the stakes file
    TStakeRec Rec;
};

struct CheckJournal
{
    QByteArray Companion; // the whole content of the companion file
    std::vector<JournalRecord> Records;
};

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
