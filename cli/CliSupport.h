#pragma once

// Argument handling and output shared by the words of the command-line tool. Every word parses
// its own arguments with a QCommandLineParser, so each has --help.

#include <QCommandLineParser>
#include <QStringList>

#include <optional>

namespace cli {

inline constexpr int kRefused = 2;
inline constexpr int kFailed = 1;

QString tr(const char* text);
// One line on standard output, UTF-8.
void printLine(const QString& line);
// Prints the message on standard error and gives the refusal exit code.
int refuse(const QString& message);
std::optional<int> parseInt(const QString& text, int min, int max);

// Parses the arguments of one word ("stakes add") with the options the parser was given, plus
// --help. nullopt: the word goes on. Otherwise the run ends with that code: 0 after the help was
// printed, kRefused after an unknown option, a missing value or more than maxPositionals words
// (-1: any number) was reported.
std::optional<int> parseWord(QCommandLineParser& parser, const QString& word, const QString& synopsis,
                             const QStringList& args, int maxPositionals = -1);
// The value of an option, or nullopt when it was not given.
std::optional<QString> optionValue(const QCommandLineParser& parser, const QCommandLineOption& option);
// An option with a value ("--len N").
QCommandLineOption valueOption(const QString& name, const QString& help, const QString& valueName);

} // namespace cli
