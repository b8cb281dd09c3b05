#include "stakes/StakesFile.h"
#include "stakes/StakesFileInternal.h"

#include "stakes/CheckJournal.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstdio>

#include <unistd.h>

// The operations that change records already in the file: the rewrite that drops some, and
// the overwrites in place, record by record or block by block with the check journal.

namespace stakes {

using namespace detail;

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("stakes", text);
}

} // namespace

bool StakesFile::rewrite(const std::function<bool(qint64, const TStakeRec&)>& keep, QString* error)
{
    if (!writable(error))
        return false;
    if (!flush(error))
        return false;
    dropCache();
    const QString temp = tempPath();
    QFile out(temp);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        if (error)
            *error = out.errorString();
        return false;
    }
    StakeIndex index;
    std::vector<char> buffer;
    buffer.reserve(PendingLimit);
    qint64 kept = 0;
    bool written = true;
    const auto drain = [&] {
        if (!buffer.empty() && out.write(buffer.data(), qint64(buffer.size())) != qint64(buffer.size()))
            written = false;
        buffer.clear();
        return written;
    };
    const bool scanned = scan(
        0,
        [&](qint64 i, const TStakeRec& rec) {
            if (!keep(i, rec))
                return true;
            const std::size_t at = buffer.size();
            buffer.resize(at + StakeRecSize);
            StakeToBytes(rec, buffer.data() + at);
            index.insert(rec.DrawNum, rec.Numbers);
            ++kept;
            return buffer.size() < PendingLimit || drain();
        },
        error);
    if (scanned && (!drain() || !out.flush() || ::fsync(out.handle()) != 0) && error)
        *error = out.errorString();
    const bool complete = scanned && written && out.error() == QFileDevice::NoError;
    out.close();
    if (!complete) {
        QFile::remove(temp);
        return false;
    }
    // The flushed copy replaces the stakes file in one step: either the old file or the new one
    // is there at every moment.
    if (::rename(QFile::encodeName(temp).constData(), QFile::encodeName(m_path).constData()) != 0) {
        if (error)
            *error = tr("Ошибка переименования / удаления временного файла ставок %1!\n\n%2").arg(temp, systemError());
        QFile::remove(temp);
        return false;
    }
    syncFolderOf(m_path);
    m_file.close();
    m_pending.clear();
    if (!m_file.open(QIODevice::ReadWrite | QIODevice::Unbuffered)) {
        if (error)
            *error = m_file.errorString();
        m_fileRecords = 0;
        m_indexReady = false;
        return false;
    }
    m_fileRecords = kept;
    m_index = std::move(index);
    m_indexReady = true;
    return true;
}

bool StakesFile::overwrite(std::span<const PlacedRecord> records, QString* error)
{
    if (!writable(error))
        return false;
    if (!flush(error))
        return false;
    dropCache();
    // Overwriting may change the key of a record; the index is built again when next asked.
    m_indexReady = false;
    for (std::size_t i = 0; i < records.size();) {
        std::size_t end = i + 1;
        while (end < records.size() && records[end].Index == records[end - 1].Index + 1)
            ++end;
        if (records[i].Index < 0 || records[end - 1].Index >= m_fileRecords) {
            if (error)
                *error = tr("Запись со индексом %1 в файле данных не найдена!").arg(records[i].Index);
            return false;
        }
        // The buffer stays between calls: a check overwrites tens of megabytes at a time.
        m_scratch.resize((end - i) * StakeRecSize);
        for (std::size_t k = i; k < end; ++k)
            StakeToBytes(records[k].Rec, m_scratch.data() + (k - i) * StakeRecSize);
        if (!writeAt(records[i].Index * StakeRecSize, m_scratch.data(), qint64(m_scratch.size()), error))
            return false;
        i = end;
    }
    return true;
}

bool StakesFile::update(const BlockChange& change, const std::function<void(const TStakeRec&)>& done, QString* error,
                        const Companion* companion)
{
    if (!isOpen()) {
        if (error)
            *error = notOpen();
        return false;
    }
    if (!flush(error))
        return false;
    dropCache();
    // With a companion, the altered records of about 64K stakes go to disk together, so that the
    // syncs of their journal stay few even when millions of stakes change.
    constexpr std::size_t JournalRecords = 65536;
    std::vector<PlacedRecord> gathered;
    if (companion)
        gathered.reserve(JournalRecords + std::size_t(BlockRecords));
    const QString journalPath = CheckJournalPath(m_path);
    const auto commit = [&] {
        if (gathered.empty())
            return true;
        const CheckJournal journal = CheckJournalOf(gathered, companion->content());
        if (!CheckJournalWrite(journalPath, journal, error) || !overwrite(gathered, error) ||
            !CheckJournalFinish(*this, journal.Companion, journalPath, companion->path, error))
            return false;
        for (const PlacedRecord& r : gathered)
            done(r.Rec);
        gathered.clear();
        return true;
    };
    std::vector<TStakeRec> block(std::size_t(std::min(BlockRecords, m_fileRecords)));
    std::vector<std::uint8_t> altered;
    for (qint64 first = 0; first < m_fileRecords; first += BlockRecords) {
        const auto n = std::size_t(std::min(BlockRecords, m_fileRecords - first));
        char* bytes = reinterpret_cast<char*>(block.data());
        if (!readAt(first * StakeRecSize, bytes, qint64(n) * StakeRecSize, error))
            return false;
        altered.assign(n, 0);
        change(first, std::span<TStakeRec>(block.data(), n), altered);
        if (companion) {
            for (std::size_t i = 0; i < n; ++i)
                if (altered[i]) {
                    gathered.push_back({first + qint64(i), block[i]});
                    companion->count(block[i]);
                }
            if (gathered.size() >= JournalRecords && !commit())
                return false;
            continue;
        }
        // Records altered next to each other are written back together, and each run is
        // reported only once it is on disk, so a failed write reports nothing twice.
        for (std::size_t i = 0; i < n;) {
            if (!altered[i]) {
                ++i;
                continue;
            }
            std::size_t end = i;
            while (end < n && altered[end])
                ++end;
            if (!writeAt((first + qint64(i)) * StakeRecSize, bytes + i * StakeRecSize, qint64(end - i) * StakeRecSize,
                         error))
                return false;
            for (; i < end; ++i)
                done(block[i]);
        }
    }
    return !companion || commit();
}

} // namespace stakes
