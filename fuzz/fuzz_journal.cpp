// The journal of an interrupted stake check: any bytes are refused or carried out without a crash,
// and a journal that is accepted is written back byte for byte.
#include "stakes/CheckJournal.h"
#include "stakes/StakesFile.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    stakes::CheckJournal journal;
    QString error;
    if (stakes::CheckJournalParse(bytes, journal, &error) && stakes::CheckJournalBytes(journal) != bytes)
        std::abort();

    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Vertoma_5x54.lsk"));
    {
        QFile stakes(path);
        if (!stakes.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        stakes::TStakeRec blank;
        blank.Version = stakes::StakeVersion;
        char record[stakes::StakeRecSize];
        stakes::StakeToBytes(blank, record);
        for (int i = 0; i < 3; ++i)
            stakes.write(record, stakes::StakeRecSize);
        QFile journalFile(stakes::CheckJournalPath(path));
        if (!journalFile.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        journalFile.write(bytes);
    }
    stakes::StakesFile file(path);
    if (!file.open(&error))
        return 0;
    stakes::CheckJournalReplay(file, dir.filePath(QStringLiteral("Vertoma_5x54.lrt")), &error);
    if (file.count() != 3)
        std::abort();
    return 0;
}
