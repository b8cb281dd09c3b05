#pragma once

// The parameters of a spreadsheet export: the sheet's title block and page, the row mode and
// the fields in export order, with their storage as one ini section per source, in the
// configuration file and in parameter files (".exp").

#include "export/ExportSource.h"

#include <QList>
#include <QString>

namespace core {
class IniFile;
}

namespace xls {

// One column of the sheet, one row of the dialog's field list.
struct TExportField
{
    QString Caption;       // the column header in the sheet
    bool Checked = true;   // exported or not
    int Align = AlignLeft; // 0 left, 1 right, 2 centre
    QString WidthText;     // sheet column width with two decimals
    QString PhysicalName;  // the source column's caption
    int PhysicalIndex = 0; // the source column
};

enum class RowMode { All = 0, Selected = 1 };

struct TExportParams
{
    QString Title;
    QString Notes;
    bool ShowCreateTime = true;
    QString SheetName;        // at most kSheetNameMax characters
    int PageOrientation = 0;  // 0 not set, 1 portrait, 2 landscape
    int BaseFontSize = 8;     // 1..100
    RowMode Mode = RowMode::All;
    bool RestoreParameters = true;
    QList<TExportField> Fields;
};

inline constexpr int kSheetNameMax = 128;
inline constexpr int kFontSizeMin = 1;
inline constexpr int kFontSizeMax = 100;
inline constexpr double kColumnWidthMax = 255;

// What the export dialog works on: the parameters, the row counts its mode display shows and
// where its "Параметры" menu reads and writes parameter files.
struct ExportDialogState
{
    TExportParams Params;
    int AllRows = 0;
    int SelectedRows = 0;
    QString Section;     // the section of this source
    QString ParamsDir;   // the folder the parameter file pickers start in
    bool SaveOptions = true; // the restore check box and the "Параметры" button are shown
};

// "EXPORT_EXCEL_FORMMAIN.SGSTAKES".
QString SectionName(const QString& owner, const QString& control);
// One field per source column, checked, with the column's alignment (grids: left) and the
// pixel width ÷ 8 as width.
QList<TExportField> FieldsFromSource(const ExportSource& source);
// The starting parameters of an export: title and sheet name as given, the source's fields.
TExportParams DefaultParams(const ExportSource& source, const QString& title, const QString& sheetName);

// The characters a sheet name may not hold are removed or replaced, then the name is cut to 31
// characters and trimmed.
QString CleanSheetName(const QString& name);
// The width text as a column width: digits and minus signs kept, "." or "," as the decimal
// separator, anything else dropped; 10 when no number is left, at most 255.
double ReadColumnWidth(const QString& text);
// "%.2f" with a point, as the field dialog writes widths.
QString WidthText(double width);
// Moves the checked fields to the top, keeping their order and that of the others.
void GatherChecked(QList<TExportField>& fields);
QString AlignmentText(int align);

// "%d;%s;%s;%s;%d;%s": physical index, physical name, caption, checked ("-1"/"0"),
// alignment, width text.
QString FieldEntry(const TExportField& field);

enum class LoadMode {
    Restore, // the configuration file at the start of an export
    File,    // a parameter file chosen by the person
};

struct LoadResult
{
    bool Found = false;       // the section exists
    bool Applied = false;     // the values were taken over
    QList<int> RemovedItems;  // Item_%d entries deleted as stale or malformed
};

// Applies the stored section to the parameters. In restore mode RestoreParameters decides
// whether anything is applied; the title is taken only when the parameters have none, the
// notes in both modes only when they are empty. Field entries that no longer match a column
// of the source, or are not six words, are deleted from the section in ini.
LoadResult LoadParams(core::IniFile& ini, const QString& section, LoadMode mode, TExportParams& params);
// Erases the section and writes the parameters; RestoreParameters only with withRestore (the
// configuration file).
void SaveParams(core::IniFile& ini, const QString& section, const TExportParams& params, bool withRestore);

// The file forms: read / rewrite through a temporary file, keeping the file's other sections.
// Errors carry the texts shown to the person.
bool LoadParamsFile(const QString& path, const QString& section, LoadMode mode, TExportParams& params,
                    QString* error, LoadResult* result = nullptr);
bool SaveParamsFile(const QString& path, const QString& section, const TExportParams& params, bool withRestore,
                    QString* error);

} // namespace xls
