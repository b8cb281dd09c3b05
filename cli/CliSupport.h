#pragma once

// Argument handling and output shared by the words of the command-line tool.

#include <QStringList>

#include <optional>

namespace cli {

inline constexpr int kRefused = 2;
inline constexpr int kFailed = 1;

QString tr(const char* text);
// One line on standard output, UTF-8.
void printLine(const QString& line);
// Removes "--name VALUE" from args; nullopt when absent. A name without a value sets missing.
std::optional<QString> takeOption(QStringList& args, const QString& name, bool& missing);
bool takeFlag(QStringList& args, const QString& name);
// Prints the message on standard error and gives the refusal exit code.
int refuse(const QString& message);
std::optional<int> parseInt(const QString& text, int min, int max);

} // namespace cli
