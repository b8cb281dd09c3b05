#pragma once

// A small formatter for the message and caption templates of the program. The templates use
// the classic "%[index:][-][width][.precision]type" placeholders with the types "d" (integer,
// precision = least number of digits) and "s" (text), and "%%" for a percent sign. Each
// placeholder without an index takes the argument after the previous one. A placeholder that
// does not parse, or that has no argument of its type, stays in the text as written.

#include <QString>

#include <cstdint>
#include <initializer_list>
#include <variant>

namespace core {

using FormatArg = std::variant<std::int64_t, QString>;

QString FormatText(const QString& pattern, std::initializer_list<FormatArg> args);

// The common case of a caption template that takes one integer parameter.
inline QString FormatInt(const QString& pattern, std::int64_t value)
{
    return FormatText(pattern, {value});
}

} // namespace core
