#pragma once

// A script line and its options. A command line has nine fields separated by "|": the header
// (the line's options), seven filter texts (a single blank for a filter not used) and a
// comment. A run of "|" counts as one separator, so no field is ever empty. An empty line
// separates groups of commands and is never run.

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>

namespace scripts {

inline constexpr int kLineFilters = 7;
inline constexpr int kLineFields = kLineFilters + 2;

enum StartList : std::uint8_t { StartFull = 0, StartExcl = 1, StartCurrent = 2, StartListCount };

enum ResultMode : std::uint8_t {
    ResultRandom = 0,
    ResultFirst,
    ResultLast,
    ResultAll,
    ResultSystemAll,
    ResultSystemCombs,
    ResultStop,
    ResultSkip,
    ResultNone,
    ResultModeCount
};

struct TScriptHeader
{
    std::int32_t ExcludeCount = 0;
    std::uint8_t StartList = StartFull;
    std::uint8_t ResultMode = ResultRandom;
    bool ClearStakes = false;
    bool NewOnly = false;
    friend bool operator==(const TScriptHeader&, const TScriptHeader&) = default;
};

// Codes and captions of the start lists and result modes; "# ERROR #" outside the tables.
QString StartListCode(int n);
QString StartListCaption(int n);
QString StartListShortCaption(int n);
QString ResultModeCode(int n);
QString ResultModeCaption(int n);
QString ResultModeShortCaption(int n);

// Field n (1..9) of a line, trimmed; empty when the line has fewer fields. Filter k is field
// k + 1, the comment field 9.
QString ScriptLineField(const QString& line, int n);
int ScriptLineFieldCount(const QString& line);
// Header, "|", the seven filter fields trimmed (a blank for an empty one) each followed by "|",
// then the comment when there is one.
QString ScriptLineBuild(const QString& header, const std::array<QString, kLineFilters>& filters,
                        const QString& comment);
bool ScriptLineIsSeparator(const QString& line);

TScriptHeader ScriptHeaderParse(const QString& text);
// The stored form: FULL:0#RAND#CLR#NEX.
QString ScriptHeaderText(const TScriptHeader& header);
// The form stake comments and the run log use: the count only for EXCL, never the clear flag.
QString ScriptHeaderShort(const TScriptHeader& header);
// The text of the list's "Опции" column.
QString ScriptHeaderCaption(const TScriptHeader& header);

// The comment of a script stake: "01.002: comment @ filters" (no comment: "01.002: @ filters").
QString StakeCommentText(int line, int variant, const QString& comment, const QString& filtersText);

// The script line a rating row stands for, built from its name (a stake comment): the part
// after the first "@" with " + " turned into field separators, padded with blank filters, and
// the part before it as the comment.
QString RatingNameToScriptLine(const QString& name);

} // namespace scripts
