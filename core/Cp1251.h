#pragma once

// Code page 1251 at every file boundary. Characters without a 1251 form are written as "?".

#include <QByteArray>
#include <QString>

namespace cp1251 {

QString decode(const QByteArray& bytes);
QString decode(const char* data, qsizetype size);
QByteArray encode(const QString& text);

} // namespace cp1251
