#pragma once

// Writes an export as an .xlsx workbook: the title block, the header row and the data rows of
// a source, with the column widths, alignments, fonts, borders and page set-up of the
// parameters. Large exports are written in the library's constant-memory mode, row by row, and
// a list longer than a sheet holds goes on over further sheets, each with its own header.

#include "export/ExportParams.h"
#include "export/ExportRows.h"

#include <QDateTime>

namespace core {
class Progress;
}

namespace xls {

struct WriteOptions
{
    // A line above the title, in the base size − 2, italic; none of the lists gives one.
    QString Heading;
    // The time the date line states.
    QDateTime Now = QDateTime::currentDateTime();
    // Rows a sheet holds; smaller only in tests of the continuation sheets.
    int SheetRows = 1048576;
    // From this many data rows on, the workbook is written in constant memory.
    int ConstantMemoryFrom = 20000;
    // Folder of the library's temporary files; empty: the system's.
    QString TempDir;
};

// The layout of the rows above the data, 1-based as a spreadsheet counts them.
struct SheetLayout
{
    int TitleRow = 1;
    int NotesRow = 0; // 0: no notes line
    int DateRow = 0;  // 0: no date line
    int HeaderRow = 3;
};
SheetLayout LayoutOf(const TExportParams& params, bool heading);

// Steps of the progress window for an export of rows rows: two per exported field, one per row
// and five more.
int ProgressSteps(const TExportParams& params, int rows);

// "Отчет построен: %s." with the platform's default date-and-time text.
QString DateLineText(const QDateTime& now);

struct WriteResult
{
    int Rows = 0;   // data rows written
    int Sheets = 0; // sheets used
};

// Writes the workbook to path through a temporary file in the same folder. False with the
// library's or the file system's reason in error; no file is left behind then.
bool WriteWorkbook(const QString& path, const ExportSource& source, const TExportParams& params, const RowPlan& rows,
                   core::Progress* progress, const WriteOptions& options, QString* error,
                   WriteResult* result = nullptr);

} // namespace xls
