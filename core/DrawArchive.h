#pragma once

// The draw archive: reading and writing the record file, and the queries every view asks of
// the archive. The array is oldest first; lists show it newest first, so list row r is
// element size - 1 - r.

#include "core/GameTypes.h"

#include <QString>
#include <QStringList>

#include <bitset>

class QIODevice;

namespace core {

inline const QString kDrawsFileName = QStringLiteral("Vertoma_5x54.ldr");

// Sizes the array to (device size div 24) and reads records until the end. On a read error
// the records read so far stay and the rest are zero; returns false with the error text.
bool ReadDraws(QIODevice& device, TDrawsArray& draws, QString* error = nullptr);
// Writes every record in array order as 24 bytes.
bool WriteDraws(QIODevice& device, const TDrawsArray& draws, QString* error = nullptr);
// A missing file gives an empty archive and no error.
bool LoadDrawsFile(const QString& path, TDrawsArray& draws, QString* error = nullptr);
// Rewrites the file through a temporary file and a rename; the old file stays on failure.
bool SaveDrawsFile(const QString& path, const TDrawsArray& draws, QString* error = nullptr);

void PackDraw(const TDrawRec& rec, char* out);
TDrawRec UnpackDraw(const char* in);

// Element shown on list row `row`, or -1.
int DrawIndexOfRow(const TDrawsArray& draws, int row);
// 1 for an empty archive; -1 when k is outside the list; else the number of the draw at row k plus 1.
int NextDrawNum(const TDrawsArray& draws, int k);
// Numbers of the draw after the one on row k, joined by ";"; empty for k <= 0 or k out of range.
QString NextDrawText(const TDrawsArray& draws, int k);
// Numbers 1..54 of the draw after the one on row k; empty for k <= 0 or k out of range.
std::bitset<256> NextDrawSet(const TDrawsArray& draws, int k);
// Date of the draw at row k plus days as yyyymmdd; 20050109 when k is out of range. Throws
// EConvertError when the stored date text is not a date.
std::int32_t DrawDateYmd(const TDrawsArray& draws, int k, int days);
TComb DrawCombAt(const TDrawsArray& draws, int k);
int FindDrawIndex(const TDrawsArray& draws, int num);
// Throws EConvertError("Запись со индексом %d в файле данных не найдена!") for a bad index.
void DrawsDelete(TDrawsArray& draws, int index);

// The draw list's columns, shared by the window and the command-line tool.
enum DrawColumn {
    DrawColNum,
    DrawColN1,
    DrawColN5 = DrawColN1 + 4,
    DrawColExtra,
    DrawColSum,
    DrawColDate,
    DrawColumnCount
};
QStringList DrawColumnCaptions();
// The numbers of a draw as shown: ascending when sorted, else in drawn order.
TComb ShownNumbers(const TDrawRec& draw, bool sorted);
QString DrawCellText(const TDrawRec& draw, int column, bool sorted);

inline constexpr std::uint32_t kOffsetRowColor = 0xAAAAFF; // 0x00BBGGRR
inline constexpr std::uint32_t kPlainCellColor = 0xFFFFFF;
// Background of a cell of the draw list (0x00BBGGRR), or 0 for the list's own background.
std::uint32_t DrawCellColor(const TDrawRec& draw, int row, int column, int drawsOffset, bool sorted, bool colorDraws,
                            int channelSize);

} // namespace core
