#include "net/Extract.h"

#include "core/TextForms.h"

#include <QCoreApplication>

namespace net {

namespace {

// A page can be megabytes long; the error shows only its beginning.
constexpr qsizetype kShownTextLength = 300;

QString shownText(const QString& text)
{
    if (text.size() <= kShownTextLength)
        return text;
    return text.left(kShownTextLength) + QStringLiteral("...");
}

struct Found
{
    QString value;
    qsizetype cutAt = -1; // where the text goes on after the end marker; -1: nothing is left
};

Found between(const QString& text, const QString& startMarker, const QString& endMarker, ExtractMode mode)
{
    const qsizetype start = text.indexOf(startMarker, 0, Qt::CaseInsensitive);
    if (start < 0)
        return {};
    const qsizetype from = start + startMarker.size();
    if (endMarker.isEmpty())
        return {Unquote(TrimBlanks(text.mid(from))), -1};
    const qsizetype end = text.indexOf(endMarker, from, Qt::CaseInsensitive);
    if (end >= 0)
        return {Unquote(TrimBlanks(text.mid(from, end - from))), end + endMarker.size()};
    switch (mode) {
    case ExtractMode::Strict:
        throw core::EConvertError(
            QCoreApplication::translate("net", "Не удалось найти пару идентификаторов \"%1\" - \"%2\" в тексте\n\n[%3]!")
                .arg(startMarker, endMarker, shownText(text)));
    case ExtractMode::Empty:
        return {};
    case ExtractMode::ToEnd:
        break;
    }
    return {Unquote(TrimBlanks(text.mid(from))), -1};
}

} // namespace

QString TrimBlanks(const QString& text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin).unicode() <= u' ')
        ++begin;
    while (end > begin && text.at(end - 1).unicode() <= u' ')
        --end;
    return text.mid(begin, end - begin);
}

QString Unquote(const QString& value)
{
    if (value.size() < 2 || !value.startsWith(u'"') || !value.endsWith(u'"'))
        return value;
    const QStringView inner = QStringView(value).mid(1, value.size() - 2);
    QString result;
    result.reserve(inner.size());
    for (qsizetype i = 0; i < inner.size(); ++i) {
        if (inner.at(i) != u'"') {
            result += inner.at(i);
        } else if (i + 1 < inner.size() && inner.at(i + 1) == u'"') {
            result += u'"';
            ++i;
        }
    }
    return result;
}

int IntOrZero(const QString& text)
{
    bool ok = false;
    const int value = TrimBlanks(text).toInt(&ok);
    return ok ? value : 0;
}

int StrictInt(const QString& text)
{
    bool ok = false;
    const int value = TrimBlanks(text).toInt(&ok);
    if (!ok)
        throw core::EConvertError(QCoreApplication::translate("net", "\"%1\" - некорректное целое число").arg(text));
    return value;
}

QString ExtractBetween(const QString& text, const QString& startMarker, const QString& endMarker, ExtractMode mode)
{
    return between(text, startMarker, endMarker, mode).value;
}

QString ExtractBetweenAndCut(QString& text, const QString& startMarker, const QString& endMarker, ExtractMode mode)
{
    Found found = between(text, startMarker, endMarker, mode);
    if (found.cutAt < 0)
        text.clear();
    else
        text.remove(0, found.cutAt);
    return found.value;
}

QString ExtractSegment(QString& text, const QString& marker)
{
    const qsizetype start = marker.isEmpty() ? -1 : text.indexOf(marker, 0, Qt::CaseInsensitive);
    if (start < 0) {
        text.clear();
        return {};
    }
    const qsizetype from = start + marker.size();
    const qsizetype next = text.indexOf(marker, from, Qt::CaseInsensitive);
    const QString value = Unquote(TrimBlanks(next < 0 ? text.mid(from) : text.mid(from, next - from)));
    if (next < 0)
        text.clear();
    else
        text.remove(0, next);
    return value;
}

QString ExtractNested(const QString& text, const QString& start1, const QString& end1, const QString& start2,
                      const QString& end2, ExtractMode mode)
{
    return ExtractBetween(ExtractBetween(text, start1, end1, mode), start2, end2, mode);
}

} // namespace net
