// Combination files (".lcv"), the combination buffer kept before draws are excluded, and pasted
// clipboard text: any bytes must read as combinations or be refused with the faulty line, and
// what is written or copied must read back as the same combinations.
#include "combos/CombFiles.h"
#include "core/GameMath.h"
#include "core/TextForms.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdlib>
#include <cstring>

namespace {

void check(bool ok)
{
    if (!ok)
        std::abort();
}

bool write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static QTemporaryDir dir;
    static const QString path = dir.filePath(QStringLiteral("list.lcv"));
    static const QString saved = dir.filePath(QStringLiteral("saved.lcv"));
    static const QString buffer = dir.filePath(QStringLiteral("combs.buf"));
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QString error;

    // The file reader and the text parser agree, and a saved list reads back whole.
    core::TCombsArray parsed;
    combos::ParseCombsText(bytes, parsed, std::size_t(core::TotalCombs()));
    if (write(path, bytes)) {
        core::TCombsArray loaded;
        check(combos::LoadCombsFile(path, loaded, &error));
        check(loaded == parsed);
    }
    check(combos::SaveCombsFile(saved, parsed, &error));
    core::TCombsArray back;
    check(combos::LoadCombsFile(saved, back, &error) && back == parsed);

    // The buffer: whole records only, exactly as stored.
    if (write(buffer, bytes)) {
        core::TCombsArray records;
        check(combos::LoadCombsBuffer(buffer, records, &error));
        check(records.size() == size / sizeof(core::TComb));
        check(records.empty() || std::memcmp(records.data(), data, records.size() * sizeof(core::TComb)) == 0);
    }

    // Pasted text: combinations, or the faulty line named; what is copied pastes back.
    const QString text = QString::fromUtf8(bytes);
    try {
        const core::TCombsArray pasted = combos::ParseClipboardText(text);
        std::vector<std::size_t> rows(pasted.size());
        for (std::size_t i = 0; i < rows.size(); ++i)
            rows[i] = i;
        check(combos::ParseClipboardText(combos::CombsClipboardText(pasted, rows)) == pasted);
    } catch (const core::EConvertError& e) {
        check(!e.message().isEmpty());
    }
    return 0;
}
