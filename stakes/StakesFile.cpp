#include "stakes/StakesFile.h"
#include "stakes/StakesFileInternal.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <unistd.h>

namespace stakes {

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("stakes", text);
}

} // namespace

// Shared with StakesFileUpdate.cpp through StakesFileInternal.h.
namespace detail {

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

} // namespace detail

using namespace detail;

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

} // namespace stakes
