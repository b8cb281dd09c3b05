#include "scripts/ScriptLine.h"

#include <QCoreApplication>

namespace scripts {

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("scripts", text);
}

struct Named
{
    const char* code;
    const char* caption;
    const char* shortCaption;
};

constexpr Named kStartLists[] = {
    {"FULL", QT_TRANSLATE_NOOP("scripts", "Исходный список (рекомендуется для тестов)"),
     QT_TRANSLATE_NOOP("scripts", "Исходный список")},
    {"EXCL", QT_TRANSLATE_NOOP("scripts", "Удалить N последних тиражей (для прогнозов)"),
     QT_TRANSLATE_NOOP("scripts", "Исключить %d тиражей")},
    {"CURR", QT_TRANSLATE_NOOP("scripts", "Текущий список (для последовательного выполнения)"),
     QT_TRANSLATE_NOOP("scripts", "Текущий список")},
};

constexpr Named kResultModes[] = {
    {"RAND", QT_TRANSLATE_NOOP("scripts", "Выбрать одну случайную комбинацию"), QT_TRANSLATE_NOOP("scripts", "Случайно")},
    {"FIRST", QT_TRANSLATE_NOOP("scripts", "Выбрать первую комбинацию в списке"), QT_TRANSLATE_NOOP("scripts", "Первая")},
    {"LAST", QT_TRANSLATE_NOOP("scripts", "Выбрать последнюю комбинацию в списке"),
     QT_TRANSLATE_NOOP("scripts", "Последняя")},
    {"ALL", QT_TRANSLATE_NOOP("scripts", "Выбрать все комбинации (не рекомендуется)"), QT_TRANSLATE_NOOP("scripts", "Все")},
    {"SYSA", QT_TRANSLATE_NOOP("scripts", "Системная игра [вся система]"), QT_TRANSLATE_NOOP("scripts", "Система [все]")},
    {"SYSC", QT_TRANSLATE_NOOP("scripts", "Системная игра [система * комбинации]"),
     QT_TRANSLATE_NOOP("scripts", "Система [комб]")},
    {"STOP", QT_TRANSLATE_NOOP("scripts", "Остановить выполнение сценария"), QT_TRANSLATE_NOOP("scripts", "Остановить")},
    {"SKIP", QT_TRANSLATE_NOOP("scripts", "Пропустить (игнорировать) эту ставку"),
     QT_TRANSLATE_NOOP("scripts", "Пропустить")},
    {"NONE", QT_TRANSLATE_NOOP("scripts", "Не делать ставок (для последовательного выполнения)"),
     QT_TRANSLATE_NOOP("scripts", "Не делать ставок")},
};

QString errorText()
{
    return QStringLiteral("# ERROR #");
}

template <std::size_t N>
const Named* entry(const Named (&table)[N], int n)
{
    return n >= 0 && n < int(N) ? &table[n] : nullptr;
}

QStringList fieldsOf(const QString& line)
{
    return line.split(u'|', Qt::SkipEmptyParts);
}

} // namespace

QString StartListCode(int n)
{
    const Named* e = entry(kStartLists, n);
    return e ? QString::fromLatin1(e->code) : errorText();
}

QString StartListCaption(int n)
{
    const Named* e = entry(kStartLists, n);
    return e ? tr(e->caption) : errorText();
}

QString StartListShortCaption(int n)
{
    const Named* e = entry(kStartLists, n);
    return e ? tr(e->shortCaption) : errorText();
}

QString ResultModeCode(int n)
{
    const Named* e = entry(kResultModes, n);
    return e ? QString::fromLatin1(e->code) : errorText();
}

QString ResultModeCaption(int n)
{
    const Named* e = entry(kResultModes, n);
    return e ? tr(e->caption) : errorText();
}

QString ResultModeShortCaption(int n)
{
    const Named* e = entry(kResultModes, n);
    return e ? tr(e->shortCaption) : errorText();
}

QString ScriptLineField(const QString& line, int n)
{
    const QStringList fields = fieldsOf(line);
    return n >= 1 && n <= fields.size() ? fields[n - 1].trimmed() : QString();
}

int ScriptLineFieldCount(const QString& line)
{
    return int(fieldsOf(line).size());
}

QString ScriptLineBuild(const QString& header, const std::array<QString, kLineFilters>& filters,
                        const QString& comment)
{
    QString line = header + u'|';
    for (const QString& filter : filters) {
        const QString text = filter.trimmed();
        line += (text.isEmpty() ? QStringLiteral(" ") : text) + u'|';
    }
    if (!comment.isEmpty())
        line += comment;
    return line;
}

bool ScriptLineIsSeparator(const QString& line)
{
    return line.isEmpty();
}

TScriptHeader ScriptHeaderParse(const QString& text)
{
    TScriptHeader h;
    const QStringList words = text.split(u'#', Qt::SkipEmptyParts);
    if (words.isEmpty())
        return h;
    for (int i = 0; i < StartListCount; ++i)
        if (words[0].startsWith(QLatin1String(kStartLists[i].code), Qt::CaseInsensitive)) {
            h.StartList = std::uint8_t(i);
            break;
        }
    const qsizetype colon = words[0].indexOf(u':');
    if (colon >= 0) {
        bool ok = false;
        const int count = words[0].mid(colon + 1).trimmed().toInt(&ok);
        h.ExcludeCount = ok ? count : 0;
    }
    if (words.size() > 1)
        for (int i = 0; i < ResultModeCount; ++i)
            if (words[1].trimmed().compare(QLatin1String(kResultModes[i].code), Qt::CaseInsensitive) == 0) {
                h.ResultMode = std::uint8_t(i);
                break;
            }
    for (qsizetype i = 2; i < words.size(); ++i) {
        const QString word = words[i].trimmed();
        if (word.compare(QLatin1String("CLR"), Qt::CaseInsensitive) == 0)
            h.ClearStakes = true;
        else if (word.compare(QLatin1String("NEX"), Qt::CaseInsensitive) == 0)
            h.NewOnly = true;
    }
    return h;
}

QString ScriptHeaderText(const TScriptHeader& h)
{
    QString text = StartListCode(h.StartList) + u':' + QString::number(h.ExcludeCount) + u'#' +
                   ResultModeCode(h.ResultMode);
    if (h.ClearStakes)
        text += QStringLiteral("#CLR");
    if (h.NewOnly)
        text += QStringLiteral("#NEX");
    return text;
}

QString ScriptHeaderShort(const TScriptHeader& h)
{
    QString text = StartListCode(h.StartList);
    if (h.StartList == StartExcl)
        text += u':' + QString::number(h.ExcludeCount);
    text += u'#' + ResultModeCode(h.ResultMode);
    if (h.NewOnly)
        text += QStringLiteral("#NEX");
    return text;
}

QString ScriptHeaderCaption(const TScriptHeader& h)
{
    QString start = StartListShortCaption(h.StartList);
    start.replace(QStringLiteral("%d"), QString::number(h.ExcludeCount));
    QString text = start + QStringLiteral("; ") + ResultModeShortCaption(h.ResultMode);
    if (h.ClearStakes)
        text += QStringLiteral("; ") + tr("Удалить ставки");
    text += QStringLiteral("; ") + (h.NewOnly ? tr("Только новые ставки") : tr("Все создаваемые ставки"));
    return text;
}

QString StakeCommentText(int line, int variant, const QString& comment, const QString& filtersText)
{
    QString text = QStringLiteral("%1.%2:")
                       .arg(line, 2, 10, QLatin1Char('0'))
                       .arg(variant, 3, 10, QLatin1Char('0')) +
                   u' ';
    if (!comment.isEmpty())
        text += comment + u' ';
    return text + QStringLiteral("@ ") + filtersText;
}

QString RatingNameToScriptLine(const QString& name)
{
    QString text = name;
    QString comment;
    const qsizetype at = text.indexOf(u'@');
    if (at >= 0) {
        comment = text.left(at).trimmed();
        text = text.mid(at + 1).trimmed();
    }
    text.replace(QStringLiteral(" + "), QStringLiteral("|"));
    while (ScriptLineFieldCount(text) <= kLineFilters)
        text += QStringLiteral("| ");
    return text + u'|' + comment;
}

} // namespace scripts
