#pragma once

// The stakes file: a plain sequence of 312-byte records, never held in memory as a whole. It
// stays open for the run. Appends are gathered in a buffer of whole records and written
// together; a failed or short write is cut back to the last whole record, so a full disk never
// leaves a torn tail. Deletions write the surviving records to a temporary file that is renamed
// over the old one in one step. One record read last is cached, and an in-memory index answers
// whether a combination is already staked for a draw. A file whose first record is of another
// version holds no stakes for any reader, and takes no write, until it is emptied.

#include "stakes/StakeIndex.h"
#include "stakes/StakeRecord.h"

#include <QFile>
#include <QString>

#include <functional>
#include <span>
#include <vector>

namespace stakes {

// What the load found in a file that was not a plain sequence of current records.
enum class FileState {
    Current,   // empty, or whole records of the current version
    TornTail,  // records of the current version followed by a partial record
    Outdated,  // no record of the current version at its start
};

// A record and its place in the file.
struct PlacedRecord
{
    qint64 Index = 0;
    TStakeRec Rec;
};

class StakesFile
{
public:
    explicit StakesFile(QString path);
    ~StakesFile();
    StakesFile(const StakesFile&) = delete;
    StakesFile& operator=(const StakesFile&) = delete;

    const QString& path() const { return m_path; }
    // The temporary file of deletions, beside the stakes file.
    QString tempPath() const;

    // Opens the file for reading and writing, creating it empty when missing.
    bool open(QString* error);
    // Writes what is still gathered and closes.
    bool close(QString* error);
    bool isOpen() const { return m_file.isOpen(); }

    // Records in the file, gathered appends included.
    qint64 count() const { return m_fileRecords + qint64(m_pending.size() / StakeRecSize); }
    bool hasData() const { return isOpen() && count() > 0; }
    // Bytes after the last whole record.
    qint64 tailBytes() const;

    FileState inspect(QString* error);
    // A file that is no sequence of current records: it shows no records and refuses writes
    // until it is emptied.
    bool isOutdated() const { return m_outdated; }
    // Where a copy of the file with this extension is kept: the name carries the time the file
    // was last written, and a number when that name is taken, so it is known before the copy
    // is made and never overwrites an earlier one.
    QString asidePath(const QString& extension) const;
    // Copies the file as it is now to asidePath(".lsk.bak"); gives the copy's path.
    bool copyAside(QString* copyPath, QString* error);
    // Copies only the bytes after the last whole record to asidePath(".lsk.tail").
    bool copyTailAside(QString* tailPath, QString* error);
    // Drops the bytes after the last whole record.
    bool cutTail(QString* error);
    bool truncate(QString* error);

    // Record index counted from the start, or from the end when fromEnd (-1 = the last).
    bool read(qint64 index, bool fromEnd, TStakeRec& rec, QString* error);
    // Reads a record counted from the start without writing anything gathered and without
    // touching the cache: for painting, which must never start a write.
    bool peek(qint64 index, TStakeRec& rec, QString* error);
    // Overwrites the record at that place; the place just past the last record appends.
    bool write(const TStakeRec& rec, qint64 index, bool fromEnd, QString* error);
    // Gathers one record for the end of the file; it is written once enough have gathered, or
    // by flush. False when gathering made a write that failed.
    bool append(const TStakeRec& rec, QString* error);
    bool flush(QString* error);
    // Stakes (not separators) that were gathered but never reached the file, since it was made.
    qint64 droppedStakes() const { return m_droppedStakes; }
    // Writes what is gathered and makes the file's content durable.
    bool sync(QString* error);

    // A record for this draw with these numbers exists.
    bool contains(std::int32_t drawNum, const core::TValueSet& numbers, QString* error);

    // Calls visit for the records from index from on, in blocks; visit returns false to stop.
    bool scan(qint64 from, const std::function<bool(qint64, const TStakeRec&)>& visit, QString* error);
    // Keeps the records for which keep is true: they go to the temporary file, which then
    // replaces the stakes file in one rename. On failure the old file stays as it was.
    bool rewrite(const std::function<bool(qint64, const TStakeRec&)>& keep, QString* error);
    // Overwrites records at their places (ascending), neighbours in one write.
    bool overwrite(std::span<const PlacedRecord> records, QString* error);
    // Walks the records block by block: change gets the index of a block's first record and
    // its records, alters some of them in place and sets their flags. The altered records are
    // written back over themselves, and done is called for each of them in file order once it
    // is on disk.
    using BlockChange = std::function<void(qint64 first, std::span<TStakeRec> records, std::vector<std::uint8_t>& altered)>;
    // A file that changes with the altered records (the rating of a check): count takes each
    // altered record, content gives the file's whole content with all counted so far.
    // Altered records are gathered over several blocks and go to disk together with the
    // companion through a journal (CheckJournal.h), so the two files agree whenever the update
    // stops; done follows once both are stored. With a companion, change may alter only what a
    // check writes (from Checked up to the comment): that is all the journal keeps.
    struct Companion
    {
        QString path;
        std::function<void(const TStakeRec& altered)> count;
        std::function<QByteArray()> content;
    };
    bool update(const BlockChange& change, const std::function<void(const TStakeRec&)>& done, QString* error,
                const Companion* companion = nullptr);

private:
    bool readAt(qint64 pos, char* data, qint64 size, QString* error);
    // Open and of the current version; else error tells why.
    bool writable(QString* error) const;
    bool copyRange(qint64 from, const QString& target, QString* error);
    bool writeAt(qint64 pos, const char* data, qint64 size, QString* error);
    bool buildIndex(QString* error);
    void dropCache() { m_cacheValid = false; }

    QString m_path;
    QFile m_file;
    qint64 m_fileRecords = 0;
    bool m_outdated = false;
    std::vector<char> m_pending; // whole records waiting to be appended
    std::vector<char> m_scratch; // records on their way to the file by overwrite
    qint64 m_droppedStakes = 0;

    bool m_cacheValid = false;
    qint64 m_cacheIndex = 0;
    bool m_cacheFromEnd = false;
    TStakeRec m_cache;

    bool m_indexReady = false;
    StakeIndex m_index;
};

} // namespace stakes
