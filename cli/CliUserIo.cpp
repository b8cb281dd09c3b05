#include "cli/CliUserIo.h"

#include <QCoreApplication>

#include <cstdio>

namespace cli {

void printError(const QString& text)
{
    CliProgressLine::interrupt();
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stderr);
    std::fputc('\n', stderr);
}

void CliUserIo::showMessage(app::MessageKind kind, const QString& text)
{
    if (kind == app::MessageKind::Error)
        ++m_errors;
    printError(text);
}

bool CliUserIo::askYesNo(const QString&, const QString& text, bool, bool)
{
    const bool yes = !m_answers.isEmpty() && m_answers.takeFirst();
    printError(text + QStringLiteral(" -> ") +
               (yes ? QCoreApplication::translate("cli", "Да") : QCoreApplication::translate("cli", "Нет")));
    return yes;
}

bool CliUserIo::confirmUpdate(const QString& current, const QString& next, const QStringList& notes)
{
    const bool yes = !m_answers.isEmpty() && m_answers.takeFirst();
    printError(QCoreApplication::translate("cli", "Найдена новая версия программы: %1 (текущая %2)").arg(next, current));
    for (const QString& line : notes)
        printError(line);
    printError(QCoreApplication::translate("cli", "Установить") + QStringLiteral(" -> ") +
               (yes ? QCoreApplication::translate("cli", "Да") : QCoreApplication::translate("cli", "Нет")));
    return yes;
}

bool CliUserIo::openUrl(const QString& url)
{
    // Named on the terminal, the address is shown as far as a tool can show it.
    printError(url);
    return true;
}

} // namespace cli
