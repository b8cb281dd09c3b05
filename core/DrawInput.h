#pragma once

// The text of the draw dialog: five numbers and the key number separated by ";" or ",".

#include "core/GameTypes.h"

#include <QString>

namespace core {

// Fills Values and Extra from the text; false unless there are exactly six words, the first
// five are different integers 1..54 and the sixth is 0..9. Non-numbers count as 0.
bool ParseDrawText(const QString& text, TDrawRec& rec);
// The five numbers and the key number joined by ";", as the dialog shows a record.
QString DrawTextOf(const TDrawRec& rec);

} // namespace core
