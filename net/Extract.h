#pragma once

// Text extraction by start and end markers, the tool both page parsers are built from. Every
// search ignores letter case. Values are trimmed (every character up to the blank counts as
// blank) and unquoted: a value of two characters or more that begins and ends with a double
// quote loses both, every doubled double quote inside becomes one and every single one goes.

#include <QString>

namespace net {

enum class ExtractMode {
    Strict = 0,  // a missing end marker throws core::EConvertError
    Empty = 1,   // a missing end marker gives an empty value
    ToEnd = 2,   // a missing end marker takes the rest of the text
};

// The text after the first start marker up to the first end marker that follows it; empty
// when the start marker is absent. An empty end marker means: to the end of the text.
QString ExtractBetween(const QString& text, const QString& startMarker, const QString& endMarker,
                       ExtractMode mode);
// The same, then the text loses everything from its beginning through the end marker (all of
// it when there is none or the start marker is absent), so repeated calls walk through a list.
QString ExtractBetweenAndCut(QString& text, const QString& startMarker, const QString& endMarker,
                             ExtractMode mode);
// The text after the marker up to its next occurrence (or the end); the text then begins at
// that next occurrence (or is empty).
QString ExtractSegment(QString& text, const QString& marker);
// ExtractBetween with the second pair applied to what the first pair gives.
QString ExtractNested(const QString& text, const QString& start1, const QString& end1, const QString& start2,
                      const QString& end2, ExtractMode mode);

QString TrimBlanks(const QString& text);
QString Unquote(const QString& value);
// A decimal integer after trimming, or 0 for anything else (a value that is not a number).
int IntOrZero(const QString& text);
// A decimal integer after trimming; throws core::EConvertError for anything else.
int StrictInt(const QString& text);

} // namespace net
