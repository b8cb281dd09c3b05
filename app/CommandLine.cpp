#include "app/CommandLine.h"

namespace app {

bool HasCommandWord(const QStringList& arguments, const QString& word)
{
    const QString forms[] = {word, QLatin1Char('-') + word, QStringLiteral("--") + word, QLatin1Char('/') + word,
                             QLatin1Char('\\') + word};
    for (const QString& arg : arguments) {
        for (const QString& form : forms) {
            if (arg.compare(form, Qt::CaseInsensitive) == 0)
                return true;
        }
    }
    return false;
}

QString DataDirArgument(const QStringList& arguments)
{
    static const QString option = QStringLiteral("--data-dir");
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& arg = arguments[i];
        if (arg == option && i + 1 < arguments.size())
            return arguments[i + 1];
        if (arg.startsWith(option + QLatin1Char('=')))
            return arg.mid(option.size() + 1);
    }
    return {};
}

} // namespace app
