#pragma once

// The text of a wheeling system and the folder "Systems" that keeps one system per count of
// numbers. A system is a list of lines of five positions 1..N; its file is named after the count,
// the block and the library id ("5-12-3_0042.dat"), holds one line per text line ended by CR LF,
// and carries the system's creation time as its last-write time.

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

class QIODevice;

namespace stakes {

// A system as the list and the library know it. The list's rows own records of this layout.
struct tSystemData
{
    int id = 0;    // library id; 0 for one not yet published; <= 0 marks a placeholder row
    int nums = 0;  // N, the count of numbers the system is played with
    int olap = 0;  // the block 0..4 the author claims
    int csize = 0; // number of lines
    QString title;
    QString author;
    QString cl_mail; // the author's e-mail: decides whose system it is
    QString descr;
    QDateTime created; // local time; invalid = none
    int downloads = 0;
    QDateTime last_download; // local time; invalid = never
    QString url;
    QString clist; // the lines, fetched only when needed
};

constexpr int SystemNumsMin = 6;
constexpr int SystemNumsMax = 54;
constexpr int SystemOlapMax = 4;

// One line: five positions 1..N, all different.
using SystemLine = std::array<std::uint8_t, 5>;

// The count, block and id a system file's name carries.
struct SystemFileKey
{
    int nums = 0;
    int olap = 0;
    int id = 0;
};
std::optional<SystemFileKey> ParseSystemFileName(const QString& fileName);

// The lines of a system's text. Blank lines are skipped; every other line holds at least five
// words separated as the file format allows, of which the first five are positions 1..nums,
// all different (nums <= 0: 1..54). False with the line and the reason otherwise.
bool ParseSystemLines(const QString& text, int nums, std::vector<SystemLine>& lines, QString* error);
// The same from a file or a device (code page 1251); files over 16 MiB are refused.
bool ReadSystemFile(QIODevice& device, int nums, std::vector<SystemLine>& lines, QString* error);
bool ReadSystemFile(const QString& path, int nums, std::vector<SystemLine>& lines, QString* error);

// What the system dialog makes of the typed lines: every line of exactly five integer words
// becomes its numbers as "%.2d" joined by blanks, every other line (blank ones too) goes.
struct CleanedSystemText
{
    QString Text;  // the kept lines, each ended by a line break
    int Nums = 0;  // the largest position (0 without lines)
    int Count = 0; // the kept lines
};
// Nullopt with the reason when a word of a five-word line is not a number, a position lies
// outside 1..54 or a line repeats a position.
std::optional<CleanedSystemText> CleanSystemText(const QString& text, QString* error);

// A system file found in the folder.
struct LocalSystem
{
    QString Path;
    SystemFileKey Key;
    QDateTime Modified; // last-write time, local
};
// Every file of the folder whose name is a system file's, by count of numbers, then by name.
std::vector<LocalSystem> LocalSystems(const QString& folder);
// The file the system game uses for nums numbers: the first by name of those matching the mask.
std::optional<LocalSystem> FindLocalSystem(const QString& folder, int nums);
// The file a system would have in the folder, and whether it is there.
QString SystemFilePath(const QString& folder, const tSystemData& system);
bool SystemFileExists(const QString& folder, const tSystemData& system);

// Stores a system's lines as its file: the lines (blank ones skipped) must be exactly csize and
// be positions 1..nums; the folder is made when missing, the file is written whole through a
// temporary file and its last-write time becomes `created`. Every other file for the same count
// of numbers is deleted then (one system per count); their paths go to removed.
bool SystemStore(const QString& folder, const tSystemData& system, const QString& lines, QString* error,
                 QStringList* removed = nullptr);
// The lines as the system's file holds them: "%.2d" joined by blanks, CR LF after each.
QByteArray SystemFileText(const std::vector<SystemLine>& lines);

} // namespace stakes
