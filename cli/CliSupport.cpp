#include "cli/CliSupport.h"

#include "cli/CliUserIo.h"

#include <QCoreApplication>

#include <cstdio>

namespace cli {

QString tr(const char* text)
{
    return QCoreApplication::translate("cli", text);
}

void printLine(const QString& line)
{
    const QByteArray bytes = line.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stdout);
    std::fputc('\n', stdout);
}

std::optional<QString> takeOption(QStringList& args, const QString& name, bool& missing)
{
    const qsizetype i = args.indexOf(name);
    if (i < 0)
        return std::nullopt;
    if (i + 1 >= args.size()) {
        missing = true;
        args.removeAt(i);
        return std::nullopt;
    }
    QString value = args[i + 1];
    args.remove(i, 2);
    return value;
}

bool takeFlag(QStringList& args, const QString& name)
{
    return args.removeAll(name) > 0;
}

int refuse(const QString& message)
{
    printError(message);
    return kRefused;
}

std::optional<int> parseInt(const QString& text, int min, int max)
{
    bool ok = false;
    const qlonglong value = text.trimmed().toLongLong(&ok);
    if (!ok || value < min || value > max)
        return std::nullopt;
    return static_cast<int>(value);
}

} // namespace cli
