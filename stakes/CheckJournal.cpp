#include "stakes/CheckJournal.h"

#include "core/SafeWrite.h"
#include "stakes/StakesFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIODevice>
#include <QtEndian>

#include <algorithm>
#include <cstring>

#include <zlib.h>

namespace stakes {

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("stakes", text);
}

// "VJNL", a version, the companion's size and bytes, the count of records, each record as its
// index and the part a check writes, and the CRC-32 of everything before it.
constexpr char Magic[4] = {'V', 'J', 'N', 'L'};
constexpr quint32 Version = 1;
constexpr int HashSize = 4;
constexpr qint64 EntrySize = 8 + CheckedPartSize;

void putU32(QByteArray& out, quint32 v)
{
    for (int i = 0; i < 4; ++i)
        out.append(char((v >> (8 * i)) & 0xFF));
}

quint64 getU(const char* p, int bytes)
{
    quint64 v = 0;
    for (int i = 0; i < bytes; ++i)
        v |= quint64(quint8(p[i])) << (8 * i);
    return v;
}

quint32 crcOf(const char* data, qint64 size)
{
    uLong crc = crc32(0L, Z_NULL, 0);
    // zlib takes at most 4 GiB a call.
    for (qint64 done = 0; done < size;) {
        const auto n = uInt(std::min<qint64>(size - done, qint64(1) << 30));
        crc = crc32(crc, reinterpret_cast<const Bytef*>(data + done), n);
        done += n;
    }
    return quint32(crc);
}

} // namespace

QString CheckJournalPath(const QString& stakesPath)
{
    const QFileInfo info(stakesPath);
    return info.absoluteDir().filePath(info.completeBaseName() + QStringLiteral(".~jnl"));
}

CheckJournal CheckJournalOf(std::span<const PlacedRecord> records, QByteArray companion)
{
    CheckJournal journal;
    journal.Companion = std::move(companion);
    journal.Entries.resize(records.size());
    // The record lies in memory as in the file (StakeRecord.h asserts it).
    for (std::size_t i = 0; i < records.size(); ++i) {
        journal.Entries[i].Index = records[i].Index;
        std::memcpy(journal.Entries[i].Part.data(), reinterpret_cast<const char*>(&records[i].Rec) + CheckedPartAt,
                    CheckedPartSize);
    }
    return journal;
}

QByteArray CheckJournalBytes(const CheckJournal& journal)
{
    QByteArray out;
    out.reserve(
        qsizetype(4 + 4 + 4 + journal.Companion.size() + 4 + qint64(journal.Entries.size()) * EntrySize + HashSize));
    out.append(Magic, 4);
    putU32(out, Version);
    putU32(out, quint32(journal.Companion.size()));
    out.append(journal.Companion);
    putU32(out, quint32(journal.Entries.size()));
    qsizetype at = out.size();
    out.resize(at + qsizetype(journal.Entries.size()) * EntrySize);
    for (const JournalEntry& e : journal.Entries) {
        qToLittleEndian<qint64>(e.Index, out.data() + at);
        std::memcpy(out.data() + at + 8, e.Part.data(), CheckedPartSize);
        at += EntrySize;
    }
    putU32(out, crcOf(out.constData(), out.size()));
    return out;
}

bool CheckJournalParse(const QByteArray& bytes, CheckJournal& journal, QString* error)
{
    const auto fail = [error](const QString& why) {
        if (error)
            *error = tr("Журнал проверки ставок поврежден: %1").arg(why);
        return false;
    };
    journal = CheckJournal();
    const qint64 size = bytes.size();
    const char* p = bytes.constData();
    if (size < 16 + HashSize || std::memcmp(p, Magic, 4) != 0)
        return fail(tr("неизвестный формат"));
    if (getU(p + 4, 4) != Version)
        return fail(tr("неизвестная версия %1").arg(getU(p + 4, 4)));
    if (crcOf(p, size - HashSize) != getU(p + size - HashSize, HashSize))
        return fail(tr("контрольная сумма не совпадает"));
    const qint64 body = size - HashSize;
    const auto companionSize = qint64(getU(p + 8, 4));
    if (12 + companionSize + 4 > body)
        return fail(tr("неверная длина"));
    const auto count = qint64(getU(p + 12 + companionSize, 4));
    const qint64 recordsAt = 12 + companionSize + 4;
    if (count > (body - recordsAt) / EntrySize || recordsAt + count * EntrySize != body)
        return fail(tr("неверная длина"));
    journal.Companion = bytes.mid(12, companionSize);
    journal.Entries.resize(std::size_t(count));
    for (qint64 i = 0; i < count; ++i) {
        const char* entry = p + recordsAt + i * EntrySize;
        JournalEntry& e = journal.Entries[std::size_t(i)];
        e.Index = qint64(getU(entry, 8));
        std::memcpy(e.Part.data(), entry + 8, CheckedPartSize);
    }
    return true;
}

bool CheckJournalWrite(const QString& path, const CheckJournal& journal, QString* error)
{
    return core::WriteBytesSafely(path, CheckJournalBytes(journal), error, true);
}

bool CheckJournalFinish(StakesFile& file, const QByteArray& companion, const QString& journalPath,
                        const QString& companionPath, QString* error)
{
    if (!file.sync(error) || !core::WriteBytesSafely(companionPath, companion, error, true))
        return false;
    QFile done(journalPath);
    if (!done.remove()) {
        if (error)
            *error = done.errorString();
        return false;
    }
    return true;
}

JournalReplay CheckJournalReplay(StakesFile& file, const QString& companionPath, QString* error)
{
    const QString path = CheckJournalPath(file.path());
    QFile in(path);
    if (!in.exists())
        return JournalReplay::None;
    if (!in.open(QIODevice::ReadOnly)) {
        if (error)
            *error = in.errorString();
        return JournalReplay::Failed;
    }
    // A journal holds what a check wrote into some 64K stakes and the rating: a few megabytes.
    constexpr qint64 Largest = qint64(1) << 30;
    CheckJournal journal;
    if (in.size() > Largest) {
        if (error)
            *error = tr("Журнал проверки ставок поврежден: %1").arg(tr("неверная длина"));
        return JournalReplay::Damaged;
    }
    if (!CheckJournalParse(in.readAll(), journal, error))
        return JournalReplay::Damaged;
    in.close();
    for (const JournalEntry& e : journal.Entries) {
        if (e.Index < 0 || e.Index >= file.count()) {
            if (error)
                *error =
                    tr("Журнал проверки ставок поврежден: %1").arg(tr("записи %1 нет в файле ставок").arg(e.Index + 1));
            return JournalReplay::Damaged;
        }
    }
    // Each record takes what the check wrote; the rest of it was never changed.
    std::vector<PlacedRecord> records(journal.Entries.size());
    char bytes[StakeRecSize];
    for (std::size_t i = 0; i < records.size(); ++i) {
        const JournalEntry& e = journal.Entries[i];
        if (!file.read(e.Index, false, records[i].Rec, error))
            return JournalReplay::Failed;
        StakeToBytes(records[i].Rec, bytes);
        std::memcpy(bytes + CheckedPartAt, e.Part.data(), CheckedPartSize);
        records[i] = {e.Index, StakeFromBytes(bytes)};
    }
    if (!file.overwrite(records, error))
        return JournalReplay::Failed;
    return CheckJournalFinish(file, journal.Companion, path, companionPath, error) ? JournalReplay::Done
                                                                                   : JournalReplay::Failed;
}

} // namespace stakes
