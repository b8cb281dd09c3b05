#pragma once

#include <QString>
#include <QStringList>

namespace app {

// True when an argument equals word, "-word", "--word", "/word" or "\word", ignoring case.
bool HasCommandWord(const QStringList& arguments, const QString& word);

// The value after "--data-dir" (or "--data-dir=DIR"); empty when not given.
QString DataDirArgument(const QStringList& arguments);

} // namespace app
