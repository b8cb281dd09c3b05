#include "online/Conventions.h"

#include "core/Cp1251.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QTimeZone>

namespace online {

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("online", text);
}

// The letter escapes of the bytes 7..13, in order.
constexpr char kLetters[] = {'a', 'b', 't', 'n', 'v', 'f', 'r'};

QByteArray tag(const char* name, bool closing)
{
    QByteArray t(closing ? "</" : "<");
    t += name;
    t += '>';
    return t;
}

} // namespace

QByteArray CEscape(const QByteArray& bytes)
{
    QByteArray out;
    out.reserve(bytes.size() + bytes.size() / 8 + 4);
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b <= 6) {
            out += '\\';
            out += static_cast<char>('0' + b);
        } else if (b <= 13) {
            out += '\\';
            out += kLetters[b - 7];
        } else if (b == 27) {
            out += "\\e";
        } else if (c == '"' || c == '\'' || c == '?' || c == '\\') {
            out += '\\';
            out += c;
        } else {
            out += c;
        }
    }
    return out;
}

std::optional<QByteArray> CUnescape(const QByteArray& bytes)
{
    QByteArray out;
    out.reserve(bytes.size());
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c != '\\') {
            out += c;
            continue;
        }
        if (++i >= bytes.size())
            return std::nullopt;
        const char e = bytes[i];
        if (e >= '0' && e <= '6') {
            out += static_cast<char>(e - '0');
            continue;
        }
        if (e == 'e') {
            out += '\x1b';
            continue;
        }
        if (e == '"' || e == '\'' || e == '?' || e == '\\') {
            out += e;
            continue;
        }
        bool known = false;
        for (std::size_t k = 0; k < sizeof kLetters; ++k) {
            if (kLetters[k] == e) {
                out += static_cast<char>(7 + k);
                known = true;
                break;
            }
        }
        if (!known)
            return std::nullopt;
    }
    return out;
}

QByteArray EscapedText(const QString& text)
{
    return CEscape(cp1251::encode(text));
}

QByteArray Base64Utf8(const QString& text)
{
    return text.toUtf8().toBase64();
}

std::optional<QString> FromBase64Utf8(const QByteArray& base64)
{
    QByteArray compact;
    compact.reserve(base64.size());
    for (const char c : base64)
        if (c != ' ' && c != '\r' && c != '\n' && c != '\t')
            compact += c;
    const auto decoded = QByteArray::fromBase64Encoding(compact, QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded)
        return std::nullopt;
    return QString::fromUtf8(*decoded);
}

QString UtcText(const QDateTime& time)
{
    if (!time.isValid())
        return {};
    return time.toUTC().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

QString TimeText(const QDateTime& time)
{
    return time.isValid() ? time.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) : QString();
}

std::optional<QDateTime> UtcTextToLocal(const QByteArray& raw)
{
    const QByteArray text = raw.trimmed();
    if (text.isEmpty())
        return QDateTime();
    // Characters 1-4 year, 6-7 month, 9-10 day, 12-13 hour, 15-16 minute, 18-19 second.
    if (text.size() != 19)
        return std::nullopt;
    const auto number = [&text](int from, int count) -> int {
        int v = 0;
        for (int i = from; i < from + count; ++i) {
            const char c = text[i];
            if (c < '0' || c > '9')
                return -1;
            v = v * 10 + (c - '0');
        }
        return v;
    };
    const QDate date(number(0, 4), number(5, 2), number(8, 2));
    const int h = number(11, 2), n = number(14, 2), s = number(17, 2);
    if (!date.isValid() || h < 0 || h > 23 || n < 0 || n > 59 || s < 0 || s > 59)
        return std::nullopt;
    return QDateTime(date, QTime(h, n, s), QTimeZone::utc()).toLocalTime();
}

QByteArray ReplyRow::value(const char* name) const
{
    const QByteArray open = tag(name, false);
    const qsizetype at = m_text.indexOf(open);
    if (at < 0)
        return {};
    const qsizetype from = at + open.size();
    const qsizetype end = m_text.indexOf(tag(name, true), from);
    if (end < 0)
        return {};
    return m_text.mid(from, end - from);
}

bool ReplyRow::has(const char* name) const
{
    return m_text.contains(tag(name, false));
}

QString ReplyRow::text(const char* name) const
{
    return QString::fromUtf8(value(name));
}

std::optional<int> ReplyRow::integer(const char* name) const
{
    bool ok = false;
    const int v = value(name).trimmed().toInt(&ok);
    if (!ok)
        return std::nullopt;
    return v;
}

bool ParseReply(const QByteArray& body, Reply& reply, QString* error)
{
    reply = Reply{};
    static const QByteArray open("<result>"), close("</result>"), rowOpen("<row>"), rowClose("</row>");
    const qsizetype start = body.indexOf(open);
    if (start < 0)
        return true;
    const qsizetype end = body.indexOf(close, start + open.size());
    if (end < 0) {
        if (error)
            *error = tr("Ответ сервера оборван: нет закрывающего тега </result>.");
        return false;
    }
    reply.hasResult = true;
    const QByteArray inner = body.mid(start + open.size(), end - start - open.size());
    qsizetype pos = 0;
    while (true) {
        const qsizetype rowAt = inner.indexOf(rowOpen, pos);
        if (rowAt < 0)
            break;
        const qsizetype rowEnd = inner.indexOf(rowClose, rowAt + rowOpen.size());
        if (rowEnd < 0) {
            if (error)
                *error = tr("Ответ сервера поврежден: нет закрывающего тега </row>.");
            return false;
        }
        ReplyRow row(inner.mid(rowAt + rowOpen.size(), rowEnd - rowAt - rowOpen.size()));
        const QString message = row.text("error").trimmed();
        if (!message.isEmpty()) {
            if (error)
                *error = message;
            return false;
        }
        reply.rows.push_back(std::move(row));
        pos = rowEnd + rowClose.size();
    }
    return true;
}

QByteArray ErrorReply(const QString& message)
{
    QString clean = message;
    clean.replace(u'<', u'(').replace(u'>', u')');
    return "<result><row><error>" + clean.toUtf8() + "</error></row></result>";
}

QString BadValueText(const char* name, const QByteArray& value)
{
    return tr("Некорректное значение <%1> в ответе сервера: \"%2\"")
        .arg(QString::fromLatin1(name), QString::fromUtf8(value.left(64)));
}

bool ReadInt(const ReplyRow& row, const char* name, std::int32_t& out, QString* error)
{
    const auto v = row.integer(name);
    if (!v) {
        if (error)
            *error = BadValueText(name, row.value(name));
        return false;
    }
    out = *v;
    return true;
}

bool ReadIntOr(const ReplyRow& row, const char* name, std::int32_t fallback, std::int32_t& out, QString* error)
{
    if (row.value(name).trimmed().isEmpty()) {
        out = fallback;
        return true;
    }
    return ReadInt(row, name, out, error);
}

bool ReadTime(const ReplyRow& row, const char* name, QDateTime& out, QString* error)
{
    const auto t = UtcTextToLocal(row.value(name));
    if (!t) {
        if (error)
            *error = BadValueText(name, row.value(name));
        return false;
    }
    out = *t;
    return true;
}

bool ReadBase64(const ReplyRow& row, const char* name, QString& out, QString* error)
{
    const auto t = FromBase64Utf8(row.value(name));
    if (!t) {
        if (error)
            *error = BadValueText(name, row.value(name));
        return false;
    }
    out = *t;
    return true;
}

QStringList TextLines(const QString& text)
{
    static const QRegularExpression ends(QStringLiteral("\r\n|\r|\n"));
    QStringList lines = text.split(ends);
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

} // namespace online
