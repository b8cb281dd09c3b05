#pragma once

// The conventions of the maker's service host shared by every library request: the C-style
// escape of text values, text fields in code page 1251, Base64 of UTF-8 for long texts, the
// reply envelope with its error rule, and the UTC times of the replies.

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

#include <cstdint>

#include <optional>
#include <vector>

namespace online {

// Bytes 0..6 become "\0".."\6", 7..13 and 27 their letter escapes ("\a" "\b" "\t" "\n" "\v" "\f"
// "\r" "\e"), and " ' ? \ get a backslash in front; every other byte passes unchanged.
QByteArray CEscape(const QByteArray& bytes);
// The inverse, for the host. nullopt for a broken escape: a lone backslash at the end or a
// backslash before a character the escape never produces.
std::optional<QByteArray> CUnescape(const QByteArray& bytes);

// A text value as a request sends it: code page 1251, then escaped.
QByteArray EscapedText(const QString& text);
// Base64 (standard alphabet) of the text's UTF-8 form, and back. Decoding is lenient about
// blanks and line breaks; nullopt for anything else that is not Base64.
QByteArray Base64Utf8(const QString& text);
std::optional<QString> FromBase64Utf8(const QByteArray& base64);

// "yyyy-mm-dd hh:nn:ss" in UTC, as the replies carry times.
QString UtcText(const QDateTime& time);
// A time as the lists show it, "yyyy-mm-dd hh:nn:ss"; empty for an invalid time (0).
QString TimeText(const QDateTime& time);
// The reply's UTC time as local time. Empty text is 0 (an invalid QDateTime); nullopt when the
// text is not such a time.
std::optional<QDateTime> UtcTextToLocal(const QByteArray& text);

// One "<row>" of a reply; an element's value is the text between its opening and closing tag.
class ReplyRow
{
public:
    explicit ReplyRow(QByteArray text = {}) : m_text(std::move(text)) {}

    const QByteArray& text() const { return m_text; }
    // The raw bytes of the element; empty when it is missing.
    QByteArray value(const char* name) const;
    bool has(const char* name) const;
    // The element as UTF-8 text.
    QString text(const char* name) const;
    // A decimal integer (blanks around it allowed); nullopt when missing, empty or not a number.
    std::optional<int> integer(const char* name) const;

private:
    QByteArray m_text;
};

struct Reply
{
    bool hasResult = false; // a "<result>" block was there at all
    std::vector<ReplyRow> rows;
};

// The text between the first "<result>" and the next "</result>", cut into its "<row>" blocks.
// False with the row's message when a row holds a non-empty "<error>"; a reply without a result
// is no error (hasResult stays false).
bool ParseReply(const QByteArray& body, Reply& reply, QString* error = nullptr);

// The reply a host gives for a failed request: one row with the message.
QByteArray ErrorReply(const QString& message);

// Readers of one element of a row for the libraries. Each fails with a message that names the
// element and shows the start of its value when the value is not what it must be.
QString BadValueText(const char* name, const QByteArray& value);
// A decimal integer; a missing or empty element is an error too.
bool ReadInt(const ReplyRow& row, const char* name, std::int32_t& out, QString* error);
// The same, but a missing or empty element gives fallback.
bool ReadIntOr(const ReplyRow& row, const char* name, std::int32_t fallback, std::int32_t& out, QString* error);
// A UTC time, as local time; empty gives an invalid time.
bool ReadTime(const ReplyRow& row, const char* name, QDateTime& out, QString* error);
// Base64 of UTF-8 text.
bool ReadBase64(const ReplyRow& row, const char* name, QString& out, QString* error);

// The lines of a text as the libraries exchange them: CR LF, CR or LF end a line, and the empty
// line after a last line end is no line.
QStringList TextLines(const QString& text);

} // namespace online
