#pragma once

// Reads a written workbook back for the tests: the sheets' names and cells as texts, the
// column widths, and the style of a cell (font size, bold, italic, alignment, borders). The
// package is opened with the unzip tool and its XML read with Qt's stream reader.

#include <QHash>
#include <QString>
#include <QStringList>

#include <map>

namespace testsupport {

struct XlsxStyle
{
    double FontSize = 0;
    bool Bold = false;
    bool Italic = false;
    QString Horizontal; // "left", "right", "center" or empty
    QString Vertical;
    bool Wrap = false;
    QString Border; // the left border's style: "thin", "medium" or empty
};

struct XlsxSheet
{
    QString Name;
    // Cells by 1-based row and column, as texts (numbers as written).
    std::map<std::pair<int, int>, QString> Cells;
    std::map<std::pair<int, int>, int> StyleIds;
    std::map<int, double> Widths; // 1-based column
    QString Orientation;         // "portrait", "landscape" or empty
    int MaxRow = 0;
    QString cell(int row, int column) const;
    int rowsWithData() const;
};

struct XlsxBook
{
    QList<XlsxSheet> Sheets;
    QList<XlsxStyle> Styles; // cellXfs in order
    bool InlineStrings = false;
    const XlsxStyle& style(const XlsxSheet& sheet, int row, int column) const;
};

// False with the reason when the file is no workbook this can read.
bool ReadXlsx(const QString& path, XlsxBook& book, QString* error);

} // namespace testsupport
