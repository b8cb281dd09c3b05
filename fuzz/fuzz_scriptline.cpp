// Script text: any bytes must read as a script file, and every line must split into fields,
// parse its header, print it back and turn into a line from a rating name without a crash.
#include "scripts/ScriptFile.h"
#include "scripts/ScriptLine.h"

#include <QBuffer>

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QStringList lines;
    scripts::ScriptReadReport report;
    if (!scripts::ScriptRead(buffer, lines, &report, nullptr))
        std::abort();
    for (const QString& line : lines) {
        if (line.size() > scripts::kScriptLineMax)
            std::abort();
        const scripts::TScriptHeader header = scripts::ScriptHeaderParse(scripts::ScriptLineField(line, 1));
        // The stored form of a header reads back as the same header.
        if (scripts::ScriptHeaderParse(scripts::ScriptHeaderText(header)) != header)
            std::abort();
        scripts::ScriptHeaderShort(header);
        scripts::ScriptHeaderCaption(header);
        std::array<QString, scripts::kLineFilters> filters;
        for (int k = 0; k < scripts::kLineFilters; ++k)
            filters[std::size_t(k)] = scripts::ScriptLineField(line, k + 2);
        const QString rebuilt = scripts::ScriptLineBuild(scripts::ScriptLineField(line, 1), filters,
                                                         scripts::ScriptLineField(line, 9));
        for (int k = 2; k <= 8; ++k)
            if (scripts::ScriptLineField(rebuilt, k) != filters[std::size_t(k - 2)].trimmed() &&
                !scripts::ScriptLineField(line, 1).isEmpty())
                std::abort();
        scripts::RatingNameToScriptLine(line);
    }
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    scripts::ScriptWrite(out, lines, nullptr);
    return 0;
}
