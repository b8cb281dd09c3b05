#pragma once

// What a spreadsheet export reads: the columns of a list or grid and the texts of its rows.
// The export never sees a widget; the window hands it an adapter over what is shown, the tool
// one over the session's lists.

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

namespace xls {

// The three kinds of list the export serves.
enum class SourceKind {
    ListView,  // rows with a caption and sub-items; the count of rows excludes nothing
    Grid,      // a string grid whose first row holds the column captions
    OwnerGrid, // the same, its cell texts given by a callback
};

// Alignment of a column, as stored in the parameters.
enum Alignment { AlignLeft = 0, AlignRight = 1, AlignCenter = 2 };

struct SourceColumn
{
    QString Caption;
    int Align = AlignLeft;
    int PixelWidth = 64;
};

// The rows the person has selected. A list view may allow one selected row or several; a
// grid selects a block of rows top..bottom (data rows, counted from 0).
struct SourceSelection
{
    bool MultiSelect = false;
    QList<int> Rows; // in any order
};

class ExportSource
{
public:
    virtual ~ExportSource() = default;

    virtual SourceKind kind() const = 0;
    // The names the stored parameters are filed under: the owner window and the control
    // ("FormMain", "sgStakes").
    virtual QString ownerName() const = 0;
    virtual QString controlName() const = 0;

    virtual QList<SourceColumn> columns() const = 0;
    // Data rows, without the caption row of a grid.
    virtual int rowCount() const = 0;
    // The text of a data row's cell; column is the physical index. Empty for a column the row
    // does not have.
    virtual QString cellText(int row, int column) const = 0;
    virtual SourceSelection selection() const = 0;
};

// A source over plain columns and a text callback, for lists too large to copy.
class TableSource : public ExportSource
{
public:
    using CellText = std::function<QString(int row, int column)>;

    TableSource(SourceKind kind, QString owner, QString control, QList<SourceColumn> columns, int rows, CellText text);

    void setSelection(SourceSelection selection) { m_selection = std::move(selection); }

    SourceKind kind() const override { return m_kind; }
    QString ownerName() const override { return m_owner; }
    QString controlName() const override { return m_control; }
    QList<SourceColumn> columns() const override { return m_columns; }
    int rowCount() const override { return m_rows; }
    QString cellText(int row, int column) const override;
    SourceSelection selection() const override { return m_selection; }

private:
    SourceKind m_kind;
    QString m_owner;
    QString m_control;
    QList<SourceColumn> m_columns;
    int m_rows;
    CellText m_text;
    SourceSelection m_selection;
};

} // namespace xls
