// The journal of an interrupted stake check: any bytes are refused or carried out without a crash,
// and a journal that is accepted is written back byte for byte. The input is tried as it is and
// with its checksum made right, so that the fuzzer gets past the checksum into the fields.
#include "stakes/CheckJournal.h"
#include "stakes/StakesFile.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdlib>

#include <zlib.h>

namespace {

void tryJournal(const QByteArray& bytes)
{
    stakes::CheckJournal journal;
    QString error;
    if (stakes::CheckJournalParse(bytes, journal, &error) && stakes::CheckJournalBytes(journal) != bytes)
        std::abort();

    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Vertoma_5x54.lsk"));
    {
        QFile stakes(path);
        if (!stakes.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return;
        stakes::TStakeRec blank;
        blank.Version = stakes::StakeVersion;
        char record[stakes::StakeRecSize];
        stakes::StakeToBytes(blank, record);
        for (int i = 0; i < 3; ++i)
            stakes.write(record, stakes::StakeRecSize);
        QFile journalFile(stakes::CheckJournalPath(path));
        if (!journalFile.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return;
        journalFile.write(bytes);
    }
    stakes::StakesFile file(path);
    if (!file.open(&error))
        return;
    stakes::CheckJournalReplay(file, dir.filePath(QStringLiteral("Vertoma_5x54.lrt")), &error);
    if (file.count() != 3)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    tryJournal(bytes);
    const auto crc = quint32(crc32(crc32(0L, Z_NULL, 0), data, uInt(size)));
    for (int i = 0; i < 4; ++i)
        bytes.append(char((crc >> (8 * i)) & 0xFF));
    tryJournal(bytes);
    return 0;
}
