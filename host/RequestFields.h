#pragma once

// The fields of one form post as the host reads them: raw bytes as the form carried them,
// checked and decoded on request. Every check failure throws HostError with the field's name.

#include "host/Database.h"

#include <QString>

#include <map>
#include <string>

namespace host {

using FormFields = std::multimap<std::string, std::string>;

// The fields of an "application/x-www-form-urlencoded" body: "&"-separated "name=value" pairs,
// "+" for a blank and "%XX" for any byte; a "%" without two hexadecimal digits stays as it is.
FormFields ParseForm(const std::string& body);

class RequestFields
{
public:
    explicit RequestFields(const FormFields& fields) : m_fields(fields) {}

    bool has(const char* name) const { return m_fields.find(name) != m_fields.end(); }
    // The first value of the field; a missing field is an error.
    QByteArray raw(const char* name) const;
    // A decimal integer within min..max.
    int number(const char* name, int min, int max) const;
    // A text value sent escaped in code page 1251.
    QString escaped(const char* name) const;
    // A text value sent unescaped in code page 1251.
    QString plain(const char* name) const;
    // Base64 of an escaped text in code page 1251.
    QString base64Escaped(const char* name) const;
    // A text that goes back into replies as it is: it must not hold the envelope's markup.
    static void checkPlain(const char* name, const QString& value);

private:
    const FormFields& m_fields;
};

} // namespace host
