#include "host/RequestFields.h"

#include "core/Cp1251.h"
#include "online/Conventions.h"

#include <QCoreApplication>

#include <string_view>

namespace host {

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("host", text);
}

QString fieldName(const char* name)
{
    return QString::fromLatin1(name);
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

std::string decodeComponent(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '+') {
            out += ' ';
        } else if (c == '%' && i + 2 < text.size() && hexDigit(text[i + 1]) >= 0 && hexDigit(text[i + 2]) >= 0) {
            out += static_cast<char>(hexDigit(text[i + 1]) * 16 + hexDigit(text[i + 2]));
            i += 2;
        } else {
            out += c;
        }
    }
    return out;
}

} // namespace

FormFields ParseForm(const std::string& body)
{
    FormFields fields;
    std::string_view rest(body);
    while (!rest.empty()) {
        const std::size_t amp = rest.find('&');
        const std::string_view pair = rest.substr(0, amp);
        rest = amp == std::string_view::npos ? std::string_view() : rest.substr(amp + 1);
        if (pair.empty())
            continue;
        const std::size_t eq = pair.find('=');
        fields.emplace(decodeComponent(pair.substr(0, eq)),
                       eq == std::string_view::npos ? std::string() : decodeComponent(pair.substr(eq + 1)));
    }
    return fields;
}

QByteArray RequestFields::raw(const char* name) const
{
    const auto it = m_fields.find(name);
    if (it == m_fields.end())
        throw HostError(tr("Не указано поле %1").arg(fieldName(name)));
    return QByteArray::fromStdString(it->second);
}

int RequestFields::number(const char* name, int min, int max) const
{
    const QByteArray text = raw(name);
    bool ok = false;
    const int v = text.trimmed().toInt(&ok);
    if (!ok)
        throw HostError(tr("Поле %1: \"%2\" - некорректное целое число")
                            .arg(fieldName(name), cp1251::decode(text.left(32))));
    if (v < min || v > max)
        throw HostError(tr("Поле %1: значение %2 вне допустимых пределов %3..%4").arg(fieldName(name)).arg(v).arg(min).arg(max));
    return v;
}

QString RequestFields::escaped(const char* name) const
{
    const auto bytes = online::CUnescape(raw(name));
    if (!bytes)
        throw HostError(tr("Поле %1: некорректная escape-последовательность").arg(fieldName(name)));
    return cp1251::decode(*bytes);
}

QString RequestFields::plain(const char* name) const
{
    return cp1251::decode(raw(name));
}

QString RequestFields::base64Escaped(const char* name) const
{
    const QByteArray text = raw(name).trimmed();
    const auto decoded = QByteArray::fromBase64Encoding(text, QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded)
        throw HostError(tr("Поле %1: некорректные данные Base64").arg(fieldName(name)));
    const auto bytes = online::CUnescape(*decoded);
    if (!bytes)
        throw HostError(tr("Поле %1: некорректная escape-последовательность").arg(fieldName(name)));
    return cp1251::decode(*bytes);
}

void RequestFields::checkPlain(const char* name, const QString& value)
{
    if (value.contains(u'<') || value.contains(u'>'))
        throw HostError(tr("Поле %1 не может содержать угловые скобки").arg(fieldName(name)));
}

} // namespace host
