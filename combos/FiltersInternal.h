#pragma once

// What the filter texts (Filters.cpp) and the row tests (FilterRows.cpp) share: both read the
// integers of a filter and of a table row the same way. Private to the filters.

#include <QString>

#include <cstdint>

namespace combos::detail {

// An integer with blanks around it allowed; false when the text is no integer.
bool readInt(const QString& text, std::int32_t& value);

} // namespace combos::detail
