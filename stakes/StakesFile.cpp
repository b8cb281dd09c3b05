#include "stakes/StakesFile.h"

#include "stakes/CheckJournal.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include <fcntl.h>
#include <unistd.h>

namespace stakes {

namespace {

// Records moved per block when the file is streamed: about 1.2 MiB.
constexpr qint64 BlockRecords = 4096;
constexpr std::size_t PendingLimit = std::size_t(BlockRecords) * StakeRecSize;

QString tr(const char* text)
{
    return QCoreApplication::translate("stakes", text);
}

QString notOpen()
{
    return tr("Файл ставок не открыт!");
}

QString systemError()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

void syncFolderOf(const QString& filePath)
{
    const QByteArray dir = QFile::encodeName(QFileInfo(filePath).absolutePath());
    const int fd = ::open(dir.constData(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

StakesFile::StakesFile(QString path) : m_path(std::move(path)) {}

StakesFile::~StakesFile()
{
    close(nullptr);
}

QString StakesFile::tempPath() const
{
    const QFileInfo info(m_path);
    return info.absoluteDir().filePath(info.completeBaseName() + QStringLiteral(".~tmp"));
}

bool StakesFile::open(QString* error)
{
    close(nullptr);
    dropCache();
    m_indexReady = false;
    m_index.clear();
    m_file.setFileName(m_path);
    if (!m_file.open(QIODevice::ReadWrite | QIODevice::Unbuffered)) {
        if (error)
            *error = m_file.errorString();
        return false;
    }
    // A file that does not start with a current record is not read as stakes: its records
    // mean something else, and showing them would pass them off as stakes.
    const qint64 size = m_file.size();
    m_outdated = false;
    if (size > 0 && size < StakeRecSize) {
        m_outdated = true;
    } else if (size > 0) {
        char first[StakeRecSize];
        if (!readAt(0, first, StakeRecSize, error)) {
            m_file.close();
            return false;
        }
        m_outdated = StakeFromBytes(first).Version != StakeVersion;
    }
    m_fileRecords = m_outdated ? 0 : size / StakeRecSize;
    return true;
}

bool StakesFile::close(QString* error)
{
    if (!m_file.isOpen())
        return true;
    const bool flushed = flush(error);
    m_file.close();
    m_fileRecords = 0;
    m_outdated = false;
    m_pending.clear();
    dropCache();
    m_indexReady = false;
    m_index.clear();
    return flushed;
}

qint64 StakesFile::tailBytes() const
{
    return isOpen() ? m_file.size() % StakeRecSize : 0;
}

FileState StakesFile::inspect(QString* error)
{
    if (!isOpen()) {
        if (error)
            *error = notOpen();
        return FileState::Current;
    }
    if (m_outdated)
        return FileState::Outdated;
    return m_file.size() % StakeRecSize == 0 ? FileState::Current : FileState::TornTail;
}

bool StakesFile::writable(QString* error) const
{
    if (!isOpen()) {
        if (error)
            *error = notOpen();
        return false;
    }
    if (m_outdated) {
        if (error)
            *error = tr("Файл ставок устаревшей версии: запись в него возможна только после его очистки.");
        return false;
    }
    return true;
}

QString StakesFile::asidePath(const QString& extension) const
{
    const QFileInfo info(m_path);
    // The time of the last write names the file's state, so a listing can tell where the copy
    // of that state will be before a write makes it.
    QDateTime written = info.lastModified();
    if (!written.isValid())
        written = QDateTime::currentDateTime();
    const QString base = info.absoluteDir().filePath(info.completeBaseName() + u'-' +
                                                     written.toString(QStringLiteral("yyyyMMdd-hhmmss")));
    QString target = base + extension;
    for (int n = 2; QFileInfo::exists(target); ++n)
        target = base + u'-' + QString::number(n) + extension;
    return target;
}

bool StakesFile::copyRange(qint64 from, const QString& target, QString* error)
{
    QFile out(target);
    if (!out.open(QIODevice::NewOnly)) {
        if (error)
            *error = out.errorString();
        return false;
    }
    std::vector<char> buffer(std::size_t(std::clamp<qint64>(m_file.size() - from, 1, qint64(PendingLimit))));
    const qint64 size = m_file.size();
    for (qint64 pos = from; pos < size;) {
        const qint64 n = std::min<qint64>(qint64(buffer.size()), size - pos);
        if (!readAt(pos, buffer.data(), n, error)) {
            out.remove();
            return false;
        }
        if (out.write(buffer.data(), n) != n) {
            if (error)
                *error = out.errorString();
            out.remove();
            return false;
        }
        pos += n;
    }
    if (!out.flush() || ::fsync(out.handle()) != 0) {
        if (error)
            *error = out.errorString();
        out.remove();
        return false;
    }
    out.close();
    syncFolderOf(target);
    return true;
}

bool StakesFile::copyAside(QString* copyPath, QString* error)
{
    if (!isOpen()) {
        if (error)
            *error = notOpen();
        return false;
    }
    if (!flush(error))
        return false;
    const QString target = asidePath(QStringLiteral(".lsk.bak"));
    if (!copyRange(0, target, error))
        return false;
    if (copyPath)
        *copyPath = target;
    return true;
}

bool StakesFile::copyTailAside(QString* tailPath, QString* error)
{
    if (!writable(error) || !flush(error))
        return false;
    const QString target = asidePath(QStringLiteral(".lsk.tail"));
    if (!copyRange(m_fileRecords * StakeRecSize, target, error))
        return false;
    if (tailPath)
        *tailPath = target;
    return true;
}

bool StakesFile::cutTail(QString* error)
{
    if (!writable(error))
        return false;
    dropCache();
    if (!m_file.resize(m_fileRecords * StakeRecSize)) {
        if (error)
            *error = m_file.errorString();
        return false;
    }
    return true;
}

bool StakesFile::truncate(QString* error)
{
    if (!isOpen()) {
        if (error)
            *error = notOpen();
        return false;
    }
    dropCache();
    m_pending.clear();
    if (!m_file.resize(0)) {
        if (error)
            *error = m_file.errorString();
        m_fileRecords = m_file.size() / StakeRecSize;
        m_indexReady = false;
        return false;
    }
    m_fileRecords = 0;
    m_outdated = false;
    m_index.clear();
    m_indexReady = true;
    return true;
}

bool StakesFile::readAt(qint64 pos, char* data, qint64 size, QString* error)
{
    if (!m_file.seek(pos)) {
        if (error)
            *error = m_file.errorString();
        return false;
    }
    qint64 done = 0;
    while (done < size) {
        const qint64 n = m_file.read(data + done, size - done);
        if (n <= 0) {
            if (error)
                *error = n < 0 ? m_file.errorString() : tr("Неожиданный конец файла ставок.");
            return false;
        }
        done += n;
    }
    return true;
}

bool StakesFile::writeAt(qint64 pos, const char* data, qint64 size, QString* error)
{
    if (!m_file.seek(pos) || m_file.write(data, size) != size) {
        if (error)
            *error = m_file.errorString();
        return false;
    }
    return true;
}

bool StakesFile::read(qint64 index, bool fromEnd, TStakeRec& rec, QString* error)
{
    if (m_cacheValid && m_cacheIndex == index && m_cacheFromEnd == fromEnd) {
        rec = m_cache;
        return true;
    }
    rec = TStakeRec();
    if (!isOpen()) {
        if (error)
            *error = notOpen();
        return false;
    }
    if (!flush(error))
        return false;
    const qint64 position = fromEnd ? m_fileRecords + index : index;
    if (position < 0 || position >= m_fileRecords) {
        if (error)
            *error = tr("Запись со индексом %1 в файле данных не найдена!").arg(index);
        return false;
    }
    char bytes[StakeRecSize];
    if (!readAt(position * StakeRecSize, bytes, StakeRecSize, error))
        return false;
    rec = StakeFromBytes(bytes);
    m_cache = rec;
    m_cacheIndex = index;
    m_cacheFromEnd = fromEnd;
    m_cacheValid = true;
    return true;
}

bool StakesFile::peek(qint64 index, TStakeRec& rec, QString* error)
{
    rec = TStakeRec();
    if (!isOpen()) {
        if (error)
            *error = notOpen();
        return false;
    }
    if (index < 0 || index >= count()) {
        if (error)
            *error = tr("Запись со индексом %1 в файле данных не найдена!").arg(index);
        return false;
    }
    if (index >= m_fileRecords) {
        rec = StakeFromBytes(m_pending.data() + (index - m_fileRecords) * StakeRecSize);
        return true;
    }
    char bytes[StakeRecSize];
    if (!readAt(index * StakeRecSize, bytes, StakeRecSize, error))
        return false;
    rec = StakeFromBytes(bytes);
    return true;
}

bool StakesFile::write(const TStakeRec& rec, qint64 index, bool fromEnd, QString* error)
{
    if (!writable(error))
        return false;
    dropCache();
    if (!flush(error))
        return false;
    const qint64 position = fromEnd ? m_fileRecords + index : index;
    if (position < 0 || position > m_fileRecords) {
        if (error)
            *error = tr("Запись со индексом %1 в файле данных не найдена!").arg(index);
        return false;
    }
    if (position == m_fileRecords)
        return append(rec, error) && flush(error);
    char bytes[StakeRecSize];
    StakeToBytes(rec, bytes);
    // Overwriting may change the key of the record; the index is built again when next asked.
    m_indexReady = false;
    return writeAt(position * StakeRecSize, bytes, StakeRecSize, error);
}

bool StakesFile::append(const TStakeRec& rec, QString* error)
{
    if (!writable(error))
        return false;
    dropCache();
    const char* bytes = reinterpret_cast<const char*>(&rec);
    m_pending.insert(m_pending.end(), bytes, bytes + StakeRecSize);
    if (m_indexReady)
        m_index.insert(rec.DrawNum, rec.Numbers);
    return m_pending.size() < PendingLimit || flush(error);
}

bool StakesFile::sync(QString* error)
{
    if (!isOpen()) {
        if (error)
            *error = notOpen();
        return false;
    }
    if (!flush(error))
        return false;
    if (::fsync(m_file.handle()) != 0) {
        if (error)
            *error = systemError();
        return false;
    }
    return true;
}

bool StakesFile::flush(QString* error)
{
    if (m_pending.empty())
        return true;
    const qint64 start = m_fileRecords * StakeRecSize;
    const qint64 size = qint64(m_pending.size());
    const qint64 records = size / StakeRecSize;
    QString failure;
    if (writeAt(start, m_pending.data(), size, &failure)) {
        m_fileRecords += records;
        m_pending.clear();
        return true;
    }
    // Keep what reached the file as whole records and cut off the rest.
    const qint64 reached = std::clamp<qint64>(m_file.size() - start, 0, size);
    const qint64 whole = reached / StakeRecSize;
    if (!m_file.resize(start + whole * StakeRecSize))
        failure += u' ' + m_file.errorString();
    m_fileRecords += whole;
    for (qint64 i = whole; i < records; ++i) {
        std::int32_t drawNum = 0;
        std::memcpy(&drawNum, m_pending.data() + i * StakeRecSize + offsetof(TStakeRec, DrawNum), sizeof drawNum);
        if (drawNum > 0)
            ++m_droppedStakes;
    }
    m_pending.clear();
    dropCache();
    // The records that never reached the file are still in the index.
    m_indexReady = false;
    m_index.clear();
    if (error)
        *error = failure;
    return false;
}

bool StakesFile::buildIndex(QString* error)
{
    m_index.clear();
    const bool ok = scan(
        0,
        [this](qint64, const TStakeRec& rec) {
            m_index.insert(rec.DrawNum, rec.Numbers);
            return true;
        },
        error);
    m_indexReady = ok;
    return ok;
}

bool StakesFile::contains(std::int32_t drawNum, const core::TValueSet& numbers, QString* error)
{
    if (!isOpen()) {
        if (error)
            *error = notOpen();
        return false;
    }
    if (!m_indexReady && !buildIndex(error))
        return false;
    return m_index.contains(drawNum, numbers);
}

bool StakesFile::scan(qint64 from, const std::function<bool(qint64, const TStakeRec&)>& visit, QString* error)
{
    if (!isOpen()) {
        if (error)
            *error = notOpen();
        return false;
    }
    if (!flush(error))
        return false;
    // The file's bytes are read straight into the records, which are laid out as stored; a small
    // file does not pay for a whole block of them.
    std::vector<TStakeRec> block(
        std::size_t(std::clamp<qint64>(m_fileRecords - std::max<qint64>(0, from), 0, BlockRecords)));
    for (qint64 first = std::max<qint64>(0, from); first < m_fileRecords; first += BlockRecords) {
        const qint64 n = std::min(BlockRecords, m_fileRecords - first);
        if (!readAt(first * StakeRecSize, reinterpret_cast<char*>(block.data()), n * StakeRecSize, error))
            return false;
        for (qint64 i = 0; i < n; ++i)
            if (!visit(first + i, block[std::size_t(i)]))
                return true;
    }
    return true;
}

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
