// The export's parameters, their stored sections, the row choice and the written workbook,
// read back from the file cell by cell.

#include "XlsxReader.h"
#include "core/IniFile.h"
#include "core/Progress.h"
#include "export/ExportParams.h"
#include "export/ExportRows.h"
#include "export/XlsxWriter.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace xls;
using testsupport::ReadXlsx;
using testsupport::XlsxBook;

namespace {

// A small list: Cyrillic captions and texts, numbers, an empty cell, a leading zero.
TableSource makeSource(SourceKind kind = SourceKind::ListView, int rows = 6)
{
    QList<SourceColumn> columns{{QStringLiteral("№ п.п."), AlignRight, 48},
                                {QStringLiteral("Комментарий"), AlignLeft, 160},
                                {QStringLiteral("Сумма"), AlignCenter, 64}};
    return TableSource(kind, QStringLiteral("FormMain"), QStringLiteral("lvTest"), columns, rows, [](int row, int col) {
        switch (col) {
        case 0:
            return QString::number(row + 1);
        case 1:
            return row == 3 ? QString() : QStringLiteral("Ставка №%1 «ёлка»").arg(row + 1);
        default:
            return row % 2 ? QStringLiteral("0%1").arg(row) : QStringLiteral("%1,50").arg(row * 10);
        }
    });
}

class Counter : public core::Progress
{
public:
    void setText(const QString& text) override
    {
        texts << text;
        events << text;
    }
    void step(int count) override
    {
        steps += count;
        events << QStringLiteral("step");
    }
    void keepAlive() override { events << QStringLiteral("alive"); }
    QStringList texts;
    int steps = 0;
    // Texts, steps and keep-alive calls in the order they came.
    QStringList events;
};

class ExportTest : public ::testing::Test
{
protected:
    QString path(const QString& name) const { return m_dir.filePath(name); }

    XlsxBook write(const ExportSource& source, const TExportParams& params, RowMode mode, WriteOptions options = {})
    {
        const QString file = path(QStringLiteral("book.xlsx"));
        QString error;
        const RowPlan rows(source, mode);
        EXPECT_TRUE(WriteWorkbook(file, source, params, rows, &m_progress, options, &error)) << error.toStdString();
        XlsxBook book;
        EXPECT_TRUE(ReadXlsx(file, book, &error)) << error.toStdString();
        return book;
    }

    QTemporaryDir m_dir;
    Counter m_progress;
};

} // namespace

TEST(ExportNames, SheetNamesLoseForbiddenCharactersAndKeep31)
{
    EXPECT_EQ(CleanSheetName(QStringLiteral("Ставки: [1/2]?")), QStringLiteral("Ставки (1-2)"));
    EXPECT_EQ(CleanSheetName(QStringLiteral("\"a'b*c\\d\"")), QStringLiteral("abc-d"));
    EXPECT_EQ(CleanSheetName(QStringLiteral("Архив тиражей лотереи 5 из 54 с ключом")),
              QStringLiteral("Архив тиражей лотереи 5 из 54 с"));
    // The cut comes before the trim, so no blank is left at the end.
    EXPECT_EQ(CleanSheetName(QStringLiteral("123456789012345678901234567890 x")),
              QStringLiteral("123456789012345678901234567890"));
    EXPECT_EQ(SectionName(QStringLiteral("FormMain"), QStringLiteral("sgStakes")),
              QStringLiteral("EXPORT_EXCEL_FORMMAIN.SGSTAKES"));
}

TEST(ExportNames, WidthTextsReadAsTheSheetReadsThem)
{
    EXPECT_DOUBLE_EQ(ReadColumnWidth(QStringLiteral("300")), 255);
    EXPECT_DOUBLE_EQ(ReadColumnWidth(QStringLiteral("255.00")), 255);
    EXPECT_DOUBLE_EQ(ReadColumnWidth(QStringLiteral("12,5")), 12.5);
    EXPECT_DOUBLE_EQ(ReadColumnWidth(QStringLiteral(" 8.00 pt")), 8);
    EXPECT_DOUBLE_EQ(ReadColumnWidth(QStringLiteral("abc")), 10);
    EXPECT_DOUBLE_EQ(ReadColumnWidth(QStringLiteral("1.2.3")), 10);
    EXPECT_DOUBLE_EQ(ReadColumnWidth(QString()), 10);
    EXPECT_DOUBLE_EQ(ReadColumnWidth(QStringLiteral("-5")), 10);
    EXPECT_EQ(WidthText(160 / 8.0), QStringLiteral("20.00"));
}

TEST(ExportRows, LayoutOfTitleNotesDateAndHeader)
{
    TExportParams p;
    p.Notes = QStringLiteral("н");
    p.ShowCreateTime = true;
    SheetLayout l = LayoutOf(p, false);
    EXPECT_EQ(l.TitleRow, 1);
    EXPECT_EQ(l.NotesRow, 2);
    EXPECT_EQ(l.DateRow, 3);
    EXPECT_EQ(l.HeaderRow, 5);
    p.Notes.clear();
    p.ShowCreateTime = false;
    l = LayoutOf(p, false);
    EXPECT_EQ(l.TitleRow, 1);
    EXPECT_EQ(l.NotesRow, 0);
    EXPECT_EQ(l.DateRow, 0);
    EXPECT_EQ(l.HeaderRow, 3);
    p.ShowCreateTime = true;
    l = LayoutOf(p, false);
    EXPECT_EQ(l.DateRow, 2);
    EXPECT_EQ(l.HeaderRow, 4);
    p.ShowCreateTime = false;
    p.Notes = QStringLiteral("н");
    l = LayoutOf(p, true);
    EXPECT_EQ(l.TitleRow, 3);
    EXPECT_EQ(l.NotesRow, 4);
    EXPECT_EQ(l.HeaderRow, 6);
}

TEST(ExportRows, SelectedRowsFollowTheKindOfSource)
{
    TableSource list = makeSource(SourceKind::ListView, 10);
    list.setSelection({false, {2, 4, 7}});
    // A list view that selects one row at a time exports only that row.
    EXPECT_EQ(CountRows(list).Selected, 1);
    EXPECT_EQ(CountRows(list).Mode, RowMode::All);
    RowPlan single(list, RowMode::Selected);
    ASSERT_EQ(single.count(), 1);
    EXPECT_EQ(single.at(0), 2);

    list.setSelection({true, {7, 2, 4, 42}});
    const RowCounts multi = CountRows(list);
    EXPECT_EQ(multi.All, 10);
    EXPECT_EQ(multi.Selected, 3);
    EXPECT_EQ(multi.Mode, RowMode::Selected);
    RowPlan several(list, RowMode::Selected);
    ASSERT_EQ(several.count(), 3);
    EXPECT_EQ(several.at(0), 2);
    EXPECT_EQ(several.at(2), 7);

    TableSource grid = makeSource(SourceKind::Grid, 10);
    grid.setSelection({false, {3, 6}});
    EXPECT_EQ(CountRows(grid).Selected, 4);
    EXPECT_EQ(CountRows(grid).Mode, RowMode::Selected);
    RowPlan block(grid, RowMode::Selected);
    ASSERT_EQ(block.count(), 4);
    EXPECT_EQ(block.at(3), 6);

    grid.setSelection({false, {}});
    EXPECT_EQ(CountRows(grid).Selected, 0);
    EXPECT_EQ(RowPlan(grid, RowMode::All).count(), 10);
    EXPECT_EQ(RowPlan(grid, RowMode::All).at(9), 9);
}

TEST(ExportParamsStore, SaveAndLoadKeepOrderCaptionsChecksAndWidths)
{
    const TableSource source = makeSource();
    TExportParams saved = DefaultParams(source, QStringLiteral("Отчет"), QStringLiteral("Лист: 1"));
    saved.Notes = QStringLiteral("Примечание");
    saved.ShowCreateTime = false;
    saved.PageOrientation = 2;
    saved.BaseFontSize = 11;
    saved.Fields.move(2, 0);
    saved.Fields[0].Caption = QStringLiteral("Итого; сумма");
    saved.Fields[1].Checked = false;
    saved.Fields[2].Align = AlignCenter;
    saved.Fields[2].WidthText = QStringLiteral("300.00");
    core::IniFile ini;
    const QString section = SectionName(source.ownerName(), source.controlName());
    SaveParams(ini, section, saved, true);
    EXPECT_EQ(ini.readString(section, QStringLiteral("Item_0")), QStringLiteral("2;Сумма;Итого, сумма;-1;2;8.00"));
    EXPECT_EQ(ini.readString(section, QStringLiteral("Item_1")), QStringLiteral("0;№ п.п.;№ п.п.;0;1;6.00"));

    TExportParams loaded = DefaultParams(source, QString(), QStringLiteral("Лист"));
    const LoadResult r = LoadParams(ini, section, LoadMode::Restore, loaded);
    EXPECT_TRUE(r.Applied);
    EXPECT_TRUE(r.RemovedItems.isEmpty());
    EXPECT_EQ(loaded.Title, QStringLiteral("Отчет"));
    EXPECT_EQ(loaded.Notes, QStringLiteral("Примечание"));
    EXPECT_FALSE(loaded.ShowCreateTime);
    EXPECT_EQ(loaded.SheetName, QStringLiteral("Лист: 1"));
    EXPECT_EQ(loaded.PageOrientation, 2);
    EXPECT_EQ(loaded.BaseFontSize, 11);
    ASSERT_EQ(loaded.Fields.size(), 3);
    EXPECT_EQ(loaded.Fields[0].PhysicalIndex, 2);
    EXPECT_EQ(loaded.Fields[0].Caption, QStringLiteral("Итого, сумма"));
    EXPECT_FALSE(loaded.Fields[1].Checked);
    EXPECT_EQ(loaded.Fields[2].PhysicalIndex, 1);
    EXPECT_EQ(loaded.Fields[2].Align, AlignCenter);
    EXPECT_EQ(loaded.Fields[2].WidthText, QStringLiteral("300.00"));
}

TEST(ExportParamsStore, PlaceholdersInCaptionsAndWidthsAreStoredAsTyped)
{
    const TableSource source = makeSource();
    TExportParams saved = DefaultParams(source, QStringLiteral("Отчет"), QStringLiteral("Лист"));
    saved.Fields[0].Caption = QStringLiteral("%1 из %2");
    saved.Fields[1].WidthText = QStringLiteral("%1");
    core::IniFile ini;
    const QString section = SectionName(source.ownerName(), source.controlName());
    SaveParams(ini, section, saved, false);
    EXPECT_EQ(ini.readString(section, QStringLiteral("Item_0")), QStringLiteral("0;№ п.п.;%1 из %2;-1;1;6.00"));

    TExportParams loaded = DefaultParams(source, QString(), QString());
    EXPECT_TRUE(LoadParams(ini, section, LoadMode::File, loaded).RemovedItems.isEmpty());
    ASSERT_EQ(loaded.Fields.size(), 3);
    EXPECT_EQ(loaded.Fields[0].Caption, QStringLiteral("%1 из %2"));
    EXPECT_EQ(loaded.Fields[0].Align, AlignRight);
    EXPECT_EQ(loaded.Fields[0].WidthText, QStringLiteral("6.00"));
    EXPECT_EQ(loaded.Fields[1].WidthText, QStringLiteral("%1"));
}

TEST(ExportParamsStore, RestoreModeHonoursTheSwitchAndKeepsAGivenTitle)
{
    const TableSource source = makeSource();
    core::IniFile ini;
    const QString section = SectionName(source.ownerName(), source.controlName());
    ini.writeBool(section, QStringLiteral("RestoreParameters"), false);
    ini.writeString(section, QStringLiteral("Title"), QStringLiteral("Старое"));
    ini.writeInt(section, QStringLiteral("BaseFontSize"), 14);

    TExportParams off = DefaultParams(source, QStringLiteral("Ставки"), QStringLiteral("Ставки"));
    EXPECT_FALSE(LoadParams(ini, section, LoadMode::Restore, off).Applied);
    EXPECT_FALSE(off.RestoreParameters);
    EXPECT_EQ(off.BaseFontSize, 8);

    ini.writeBool(section, QStringLiteral("RestoreParameters"), true);
    TExportParams on = DefaultParams(source, QStringLiteral("Ставки"), QStringLiteral("Ставки"));
    EXPECT_TRUE(LoadParams(ini, section, LoadMode::Restore, on).Applied);
    EXPECT_EQ(on.Title, QStringLiteral("Ставки"));
    EXPECT_EQ(on.BaseFontSize, 14);

    // A parameter file always applies, the title included; absurd sizes are ignored.
    ini.writeInt(section, QStringLiteral("BaseFontSize"), 1000);
    ini.writeInt(section, QStringLiteral("PageOrientation"), 7);
    TExportParams file = DefaultParams(source, QStringLiteral("Ставки"), QStringLiteral("Ставки"));
    EXPECT_TRUE(LoadParams(ini, section, LoadMode::File, file).Applied);
    EXPECT_EQ(file.Title, QStringLiteral("Старое"));
    EXPECT_EQ(file.BaseFontSize, 8);
    EXPECT_EQ(file.PageOrientation, 0);
    EXPECT_FALSE(LoadParams(ini, QStringLiteral("EXPORT_EXCEL_FORMMAIN.NONE"), LoadMode::File, file).Found);
}

TEST_F(ExportTest, StaleFieldEntriesAreRemovedAtTheNextExport)
{
    const TableSource source = makeSource();
    const QString section = SectionName(source.ownerName(), source.controlName());
    const QString config = path(QStringLiteral("Vertoma_5x54.ini"));
    {
        core::IniFile ini(config);
        ini.writeString(QStringLiteral("GLOBAL"), QStringLiteral("Keep"), QStringLiteral("1"));
        ini.writeBool(section, QStringLiteral("RestoreParameters"), true);
        ini.writeString(section, QStringLiteral("Item_0"), QStringLiteral("1;Старое поле;Старое;-1;0;9.00"));
        ini.writeString(section, QStringLiteral("Item_1"), QStringLiteral("0;№ п.п.;Номер;0;2;5.00"));
        ini.writeString(section, QStringLiteral("Item_2"), QStringLiteral("garbage"));
        ASSERT_TRUE(ini.save());
    }
    TExportParams params = DefaultParams(source, QStringLiteral("Т"), QStringLiteral("Т"));
    LoadResult result;
    QString error;
    ASSERT_TRUE(LoadParamsFile(config, section, LoadMode::Restore, params, &error, &result));
    EXPECT_EQ(result.RemovedItems, (QList<int>{0, 2}));
    EXPECT_EQ(params.Fields[1].Caption, QStringLiteral("Номер"));
    EXPECT_FALSE(params.Fields[1].Checked);
    ASSERT_TRUE(SaveParamsFile(config, section, params, true, &error)) << error.toStdString();

    core::IniFile back(config);
    ASSERT_TRUE(back.load());
    EXPECT_EQ(back.readString(QStringLiteral("GLOBAL"), QStringLiteral("Keep")), QStringLiteral("1"));
    for (const QString& key : back.keys(section))
        EXPECT_FALSE(back.readString(section, key).contains(QStringLiteral("Старое поле"))) << key.toStdString();
    EXPECT_EQ(back.readString(section, QStringLiteral("Item_1")), QStringLiteral("0;№ п.п.;Номер;0;2;5.00"));
    // A parameter file carries no restore switch.
    const QString exp = path(QStringLiteral("p.exp"));
    ASSERT_TRUE(SaveParamsFile(exp, section, params, false, &error));
    core::IniFile file(exp);
    ASSERT_TRUE(file.load());
    EXPECT_FALSE(file.hasKey(section, QStringLiteral("RestoreParameters")));
    EXPECT_TRUE(file.hasKey(section, QStringLiteral("Item_2")));
}

TEST_F(ExportTest, WorkbookHoldsTitleNotesDateHeaderAndEveryCell)
{
    const TableSource source = makeSource();
    TExportParams params = DefaultParams(source, QStringLiteral("Отчет по ставкам"), QStringLiteral("Ставки: [1/2]?"));
    params.Notes = QStringLiteral("Дополнительно");
    params.BaseFontSize = 10;
    params.PageOrientation = 2;
    params.Fields[2].WidthText = QStringLiteral("300");
    WriteOptions options;
    options.Now = QDateTime(QDate(2026, 3, 7), QTime(21, 5));
    const XlsxBook book = write(source, params, RowMode::All, options);
    ASSERT_EQ(book.Sheets.size(), 1);
    const auto& sheet = book.Sheets[0];
    EXPECT_EQ(sheet.Name, QStringLiteral("Ставки (1-2)"));
    EXPECT_EQ(sheet.Orientation, QStringLiteral("landscape"));
    EXPECT_EQ(sheet.cell(1, 1), QStringLiteral("Отчет по ставкам"));
    EXPECT_EQ(sheet.cell(2, 1), QStringLiteral("Дополнительно"));
    EXPECT_EQ(sheet.cell(3, 1), DateLineText(options.Now));
    EXPECT_TRUE(sheet.cell(3, 1).startsWith(QStringLiteral("Отчет построен: ")));
    EXPECT_EQ(sheet.cell(4, 1), QString());
    for (int c = 0; c < 3; ++c)
        EXPECT_EQ(sheet.cell(5, c + 1), source.columns()[c].Caption);
    for (int r = 0; r < source.rowCount(); ++r)
        for (int c = 0; c < 3; ++c)
            EXPECT_EQ(sheet.cell(6 + r, c + 1), source.cellText(r, c)) << r << ":" << c;
    EXPECT_EQ(sheet.MaxRow, 5 + source.rowCount());
    // Widths: pixels ÷ 8, and 300 held at 255 (the file adds the cell padding).
    EXPECT_NEAR(sheet.Widths.at(1), 6, 1);
    EXPECT_NEAR(sheet.Widths.at(2), 20, 1);
    EXPECT_GE(sheet.Widths.at(3), 255);
    EXPECT_LT(sheet.Widths.at(3), 256);

    const auto& title = book.style(sheet, 1, 1);
    EXPECT_EQ(title.FontSize, 14);
    EXPECT_TRUE(title.Bold);
    EXPECT_EQ(title.Horizontal, QStringLiteral("left"));
    EXPECT_TRUE(book.style(sheet, 2, 1).Bold);
    EXPECT_TRUE(book.style(sheet, 3, 1).Italic);
    const auto& header = book.style(sheet, 5, 2);
    EXPECT_EQ(header.FontSize, 10);
    EXPECT_FALSE(header.Bold);
    EXPECT_TRUE(header.Wrap);
    EXPECT_EQ(header.Horizontal, QStringLiteral("center"));
    EXPECT_EQ(header.Vertical, QStringLiteral("center"));
    EXPECT_EQ(header.Border, QStringLiteral("medium"));
    EXPECT_EQ(book.style(sheet, 6, 1).Border, QStringLiteral("thin"));
    EXPECT_EQ(book.style(sheet, 6, 1).Horizontal, QStringLiteral("right"));
    EXPECT_EQ(book.style(sheet, 6, 2).Horizontal, QStringLiteral("left"));
    EXPECT_EQ(book.style(sheet, 6, 3).Horizontal, QStringLiteral("center"));

    // Every step the window was given; the texts in their order.
    EXPECT_EQ(m_progress.steps, ProgressSteps(params, source.rowCount()));
    EXPECT_EQ(m_progress.texts, (QStringList{QStringLiteral("Создание рабочей книги..."),
                                             QStringLiteral("Создание листа..."),
                                             QStringLiteral("Форматирование листа..."),
                                             QStringLiteral("Подготовка данных для экспорта..."),
                                             QStringLiteral("Передача данных в Microsoft Excel...")}));
}

TEST_F(ExportTest, WithoutNotesAndDateTheHeaderIsInRowThreeAndUncheckedFieldsStayOut)
{
    TableSource source = makeSource(SourceKind::ListView, 8);
    TExportParams params = DefaultParams(source, QStringLiteral("Т"), QString());
    params.ShowCreateTime = false;
    params.Fields.move(2, 0);
    params.Fields[1].Checked = false; // "№ п.п."
    GatherChecked(params.Fields);
    source.setSelection({false, {5, 6}});
    const XlsxBook book = write(source, params, RowMode::Selected);
    const auto& sheet = book.Sheets[0];
    EXPECT_EQ(sheet.Name, QStringLiteral("Sheet1"));
    EXPECT_EQ(sheet.cell(1, 1), QStringLiteral("Т"));
    EXPECT_EQ(sheet.cell(2, 1), QString());
    EXPECT_EQ(sheet.cell(3, 1), QStringLiteral("Сумма"));
    EXPECT_EQ(sheet.cell(3, 2), QStringLiteral("Комментарий"));
    EXPECT_EQ(sheet.cell(3, 3), QString());
    // One row only: the list selects one row at a time.
    EXPECT_EQ(sheet.MaxRow, 4);
    EXPECT_EQ(sheet.cell(4, 1), QStringLiteral("05"));
    EXPECT_EQ(sheet.cell(4, 2), QStringLiteral("Ставка №6 «ёлка»"));
}

TEST_F(ExportTest, LongListsGoOnOverFurtherSheetsInConstantMemory)
{
    const TableSource source = makeSource(SourceKind::OwnerGrid, 25);
    TExportParams params = DefaultParams(source, QStringLiteral("Длинный"), QStringLiteral("Ставки"));
    params.ShowCreateTime = false;
    WriteOptions options;
    options.SheetRows = 13; // header in row 3: ten data rows a sheet
    options.ConstantMemoryFrom = 1;
    const XlsxBook book = write(source, params, RowMode::All, options);
    EXPECT_TRUE(book.InlineStrings);
    ASSERT_EQ(book.Sheets.size(), 3);
    EXPECT_EQ(book.Sheets[1].Name, QStringLiteral("Ставки (2)"));
    EXPECT_EQ(book.Sheets[2].Name, QStringLiteral("Ставки (3)"));
    int row = 0;
    for (const auto& sheet : book.Sheets) {
        EXPECT_EQ(sheet.cell(3, 2), QStringLiteral("Комментарий"));
        for (int r = 4; r <= sheet.MaxRow; ++r, ++row)
            for (int c = 0; c < 3; ++c)
                EXPECT_EQ(sheet.cell(r, c + 1), source.cellText(row, c)) << row;
    }
    EXPECT_EQ(row, 25);
    EXPECT_EQ(m_progress.steps, ProgressSteps(params, 25));
}

TEST_F(ExportTest, PackingTheWorkbookKeepsTheProgressAliveUntilItsLastStep)
{
    const TableSource source = makeSource(SourceKind::OwnerGrid, 3000);
    const TExportParams params = DefaultParams(source, QStringLiteral("Длинный"), QStringLiteral("Ставки"));
    WriteOptions options;
    options.ConstantMemoryFrom = 1;
    const XlsxBook book = write(source, params, RowMode::All, options);
    ASSERT_EQ(book.Sheets.size(), 1);
    EXPECT_EQ(book.Sheets[0].cell(book.Sheets[0].MaxRow, 2), source.cellText(2999, 1));
    // The rows go in with steps; then the book is packed, which reports nothing on its way:
    // the progress is kept alive meanwhile, and the last step comes once the book is closed.
    const QStringList& events = m_progress.events;
    const qsizetype packing = events.indexOf(QStringLiteral("Передача данных в Microsoft Excel..."));
    ASSERT_GE(packing, 0);
    EXPECT_EQ(events.count(QStringLiteral("alive")), events.size() - packing - 2);
    ASSERT_GE(events.size(), packing + 3);
    EXPECT_EQ(events[packing + 1], QStringLiteral("alive"));
    EXPECT_EQ(events.last(), QStringLiteral("step"));
    EXPECT_EQ(events.indexOf(QStringLiteral("alive")), packing + 1) << "nothing waits before the packing";
    EXPECT_EQ(m_progress.steps, ProgressSteps(params, 3000));
}

TEST_F(ExportTest, AFailedWriteSaysWhyAndLeavesNothing)
{
    const TableSource source = makeSource();
    const TExportParams params = DefaultParams(source, QStringLiteral("Т"), QStringLiteral("Т"));
    QString error;
    const QString missing = path(QStringLiteral("no/such/folder/book.xlsx"));
    EXPECT_FALSE(WriteWorkbook(missing, source, params, RowPlan(source, RowMode::All), nullptr, {}, &error));
    EXPECT_TRUE(error.startsWith(QStringLiteral("Ошибка экспорта данных в Microsoft Excel!\n")));

    // An existing workbook is replaced only by a whole new one.
    const QString target = path(QStringLiteral("old.xlsx"));
    QFile old(target);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old");
    old.close();
    ASSERT_TRUE(WriteWorkbook(target, source, params, RowPlan(source, RowMode::All), nullptr, {}, &error));
    XlsxBook book;
    ASSERT_TRUE(ReadXlsx(target, book, &error));
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("old.xlsx")});
}
