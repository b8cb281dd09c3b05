#include "cli/CliSupport.h"

#include "cli/CliProgressLine.h"

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
    CliProgressLine::interrupt();
    const QByteArray bytes = line.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stdout);
    std::fputc('\n', stdout);
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

std::optional<QString> optionValue(const QCommandLineParser& parser, const QCommandLineOption& option)
{
    return parser.isSet(option) ? std::optional<QString>(parser.value(option)) : std::nullopt;
}

QCommandLineOption valueOption(const QString& name, const QString& help, const QString& valueName)
{
    return QCommandLineOption(name, help, valueName);
}

std::optional<int> parseWord(QCommandLineParser& parser, const QString& word, const QString& synopsis,
                             const QStringList& args, int maxPositionals)
{
    parser.setApplicationDescription(synopsis);
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, tr("Показать эту справку."));
    parser.addOption(help);
    // "-len" reads as "--len", never as "-l -e -n"; options may follow the positional words.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsOptions);
    if (!parser.parse(QStringList{QStringLiteral("vertoma-cli ") + word} + args)) {
        if (!parser.unknownOptionNames().isEmpty())
            return refuse(tr("Неизвестный параметр: %1").arg(QStringLiteral("--") + parser.unknownOptionNames().first()));
        const QString error = parser.errorText();
        const qsizetype quote = error.indexOf(u'\'');
        if (error.startsWith(QLatin1String("Missing value after")) && quote >= 0)
            return refuse(tr("Не указано значение параметра: %1").arg(error.mid(quote + 1).chopped(2)));
        return refuse(error);
    }
    if (parser.isSet(help)) {
        // The parser names the program by the path it was started with; the usage names the word.
        QString text = parser.helpText().trimmed();
        const QString program = QCoreApplication::arguments().value(0);
        const qsizetype at = program.isEmpty() ? -1 : text.indexOf(program);
        if (at >= 0)
            text.replace(at, program.size(), QStringLiteral("vertoma-cli [--data-dir DIR] ") + word);
        printLine(text);
        return 0;
    }
    if (maxPositionals >= 0 && parser.positionalArguments().size() > maxPositionals)
        return refuse(tr("Неизвестный параметр: %1").arg(parser.positionalArguments().at(maxPositionals)));
    return std::nullopt;
}

} // namespace cli
