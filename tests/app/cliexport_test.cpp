// The tool's word export, run as a separate process on a copy of the real archive; the
// workbooks it writes are read back and compared with the archive read here.

#include "CliRunner.h"
#include "TestPaths.h"
#include "XlsxReader.h"
#include "core/DrawArchive.h"
#include "core/IniFile.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using testsupport::CliResult;

class CliExportTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const QString archive = m_dir.filePath(QStringLiteral("Vertoma_5x54.ldr"));
        ASSERT_TRUE(QFile::copy(QStringLiteral(VERTOMA_SHARED_DATA_DIR "/Vertoma_5x54.ldr"), archive));
        QFile::setPermissions(archive, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        ASSERT_TRUE(core::LoadDrawsFile(archive, m_draws));
    }

    CliResult run(const QStringList& args) { return testsupport::RunCli(m_dir.path(), args); }
    testsupport::XlsxBook read(const QString& file)
    {
        testsupport::XlsxBook book;
        QString error;
        EXPECT_TRUE(testsupport::ReadXlsx(file, book, &error)) << error.toStdString();
        return book;
    }
    QString path(const QString& name) const { return m_dir.filePath(name); }

    QTemporaryDir m_dir;
    core::TDrawsArray m_draws;
};

} // namespace

TEST_F(CliExportTest, DrawsExportEveryCellOfTheArchive)
{
    const QString file = path(QStringLiteral("draws.xlsx"));
    const CliResult r = run({QStringLiteral("export"), QStringLiteral("draws"), file});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains(QStringLiteral("Экспортировано строк: %1").arg(m_draws.size())));
    const auto book = read(file);
    ASSERT_EQ(book.Sheets.size(), 1);
    const auto& sheet = book.Sheets.first();
    EXPECT_EQ(sheet.Name, QStringLiteral("Архив тиражей"));
    EXPECT_EQ(sheet.cell(1, 1), QStringLiteral("Архив тиражей"));
    EXPECT_TRUE(sheet.cell(2, 1).startsWith(QStringLiteral("Отчет построен: ")));
    const QStringList captions = core::DrawColumnCaptions();
    for (int c = 0; c < captions.size(); ++c)
        EXPECT_EQ(sheet.cell(4, c + 1), captions[c]);
    ASSERT_EQ(sheet.MaxRow, 4 + int(m_draws.size()));
    // Newest first, as the list shows them.
    for (std::size_t i = 0; i < m_draws.size(); ++i) {
        const core::TDrawRec& d = m_draws[m_draws.size() - 1 - i];
        for (int c = 0; c < captions.size(); ++c)
            ASSERT_EQ(sheet.cell(5 + int(i), c + 1), core::DrawCellText(d, c, false)) << i << ":" << c;
    }
}

TEST_F(CliExportTest, ParameterFilesAndSelectedRowsShapeTheSheet)
{
    const QString exp = path(QStringLiteral("draws.exp"));
    {
        core::IniFile ini(exp);
        const QString section = QStringLiteral("EXPORT_EXCEL_FORMMAIN.LVDRAWS");
        ini.writeString(section, QStringLiteral("Title"), QStringLiteral("Последние тиражи"));
        ini.writeString(section, QStringLiteral("Notes"), QStringLiteral("Для проверки"));
        ini.writeBool(section, QStringLiteral("ShowCreateTime"), false);
        ini.writeString(section, QStringLiteral("SheetName"), QStringLiteral("Выборка: 2/3"));
        ini.writeInt(section, QStringLiteral("PageOrientation"), 1);
        ini.writeString(section, QStringLiteral("Item_0"), QStringLiteral("1;%1;Дата тиража;-1;2;300")
                                                               .arg(core::DrawColumnCaptions()[1]));
        ASSERT_TRUE(ini.save());
    }
    const QString file = path(QStringLiteral("sel.xlsx"));
    const CliResult r = run({QStringLiteral("export"), QStringLiteral("draws"), file, QStringLiteral("--params"), exp,
                             QStringLiteral("--selected"), QStringLiteral("3,1-2,5")});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const auto book = read(file);
    const auto& sheet = book.Sheets.first();
    EXPECT_EQ(sheet.Name, QStringLiteral("Выборка 2-3"));
    EXPECT_EQ(sheet.Orientation, QStringLiteral("portrait"));
    EXPECT_EQ(sheet.cell(1, 1), QStringLiteral("Последние тиражи"));
    EXPECT_EQ(sheet.cell(2, 1), QStringLiteral("Для проверки"));
    EXPECT_EQ(sheet.cell(4, 1), QStringLiteral("Дата тиража"));
    EXPECT_GE(sheet.Widths.at(1), 255);
    EXPECT_LT(sheet.Widths.at(1), 256);
    EXPECT_EQ(sheet.cell(4, 2), core::DrawColumnCaptions()[0]);
    const int rows[] = {0, 1, 2, 4};
    ASSERT_EQ(sheet.MaxRow, 8);
    for (int i = 0; i < 4; ++i) {
        const core::TDrawRec& d = m_draws[m_draws.size() - 1 - std::size_t(rows[i])];
        EXPECT_EQ(sheet.cell(5 + i, 1), core::DrawCellText(d, 1, false));
        EXPECT_EQ(sheet.cell(5 + i, 2), QString::number(d.Num));
    }
    // What was exported is stored for the list, as the dialog stores it: the title, sheet name
    // and fields of the parameter file, with the restore switch of the configuration.
    core::IniFile config(path(QStringLiteral("Vertoma_5x54.ini")));
    ASSERT_TRUE(config.load());
    const QString section = QStringLiteral("EXPORT_EXCEL_FORMMAIN.LVDRAWS");
    EXPECT_TRUE(config.readBool(section, QStringLiteral("RestoreParameters"), false));
    EXPECT_EQ(config.readString(section, QStringLiteral("Title")), QStringLiteral("Последние тиражи"));
    EXPECT_EQ(config.readString(section, QStringLiteral("SheetName")), QStringLiteral("Выборка: 2/3"));
    EXPECT_EQ(config.readInt(section, QStringLiteral("PageOrientation"), 0), 1);
    EXPECT_EQ(config.readString(section, QStringLiteral("Item_0")),
              QStringLiteral("1;%1;Дата тиража;-1;2;300").arg(core::DrawColumnCaptions()[1]));
}

TEST_F(CliExportTest, EveryListTakesItsPageCaptionAndStoresItsParameters)
{
    // A short combination list instead of all combinations.
    const QString combs = path(QStringLiteral("few.lcv"));
    {
        QFile f(combs);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("1;2;3;4;5\r\n6;7;8;9;10\r\n");
    }
    // The configuration holds, for the draws, entries the list cannot take: a column it does not
    // have, a malformed entry and one past its last column; and the section of another list.
    const QString configPath = path(QStringLiteral("Vertoma_5x54.ini"));
    const QString drawsSection = QStringLiteral("EXPORT_EXCEL_FORMMAIN.LVDRAWS");
    {
        core::IniFile ini(configPath);
        ini.writeBool(drawsSection, QStringLiteral("RestoreParameters"), true);
        ini.writeString(drawsSection, QStringLiteral("Title"), QStringLiteral("Тиражи"));
        ini.writeString(drawsSection, QStringLiteral("Item_0"), QStringLiteral("0;Нет такого столбца;X;-1;0;10.00"));
        ini.writeString(drawsSection, QStringLiteral("Item_1"), QStringLiteral("не поле"));
        ini.writeString(drawsSection, QStringLiteral("Item_99"), QStringLiteral("0;Дата;X;-1;0;10.00"));
        ini.writeString(QStringLiteral("OTHER"), QStringLiteral("Key"), QStringLiteral("kept"));
        ASSERT_TRUE(ini.save());
    }
    struct Source
    {
        QStringList args;
        QString caption;
        QString control;
    };
    const Source sources[] = {
        {{QStringLiteral("draws")}, QStringLiteral("Архив тиражей"), QStringLiteral("LVDRAWS")},
        {{QStringLiteral("combs"), QStringLiteral("--in"), combs},
         QStringLiteral("Комбинации"),
         QStringLiteral("LVCOMBS")},
        {{QStringLiteral("stat"), QStringLiteral("NUMS"), QStringLiteral("--len"), QStringLiteral("20")},
         QStringLiteral("Статистика"),
         QStringLiteral("LVDRAWSSTAT")},
        {{QStringLiteral("ratings")}, QStringLiteral("Рейтинг"), QStringLiteral("LVRATINGS")},
        {{QStringLiteral("card")}, QStringLiteral("Карта"), QStringLiteral("SGCARD")},
        {{QStringLiteral("layout"), QStringLiteral("--len"), QStringLiteral("10")},
         QStringLiteral("Схема"),
         QStringLiteral("SGLAYOUT")},
        {{QStringLiteral("stakes")}, QStringLiteral("Ставки"), QStringLiteral("SGSTAKES")},
    };
    for (const Source& source : sources) {
        const QString file = path(source.control + QStringLiteral(".xlsx"));
        QStringList args{QStringLiteral("export"), source.args.first()};
        if (source.args.first() == QLatin1String("stat"))
            args << source.args.at(1);
        args << file;
        args << source.args.mid(source.args.first() == QLatin1String("stat") ? 2 : 1);
        const CliResult r = run(args);
        ASSERT_EQ(r.exitCode, 0) << args.join(u' ').toStdString() << r.err.toStdString();
        const auto book = read(file);
        ASSERT_EQ(book.Sheets.size(), 1);
        EXPECT_EQ(book.Sheets.first().Name, source.caption);
        EXPECT_EQ(book.Sheets.first().cell(1, 1), source.caption);

        core::IniFile config(configPath);
        ASSERT_TRUE(config.load());
        const QString section = QStringLiteral("EXPORT_EXCEL_FORMMAIN.") + source.control;
        ASSERT_TRUE(config.sections().contains(section)) << section.toStdString();
        EXPECT_TRUE(config.readBool(section, QStringLiteral("RestoreParameters"), false));
        EXPECT_EQ(config.readString(section, QStringLiteral("Title")), source.caption);
        EXPECT_EQ(config.readString(section, QStringLiteral("SheetName")), source.caption);
        EXPECT_TRUE(config.readBool(section, QStringLiteral("ShowCreateTime"), false));
        EXPECT_EQ(config.readInt(section, QStringLiteral("BaseFontSize"), 0), 8);
        // One entry per column of the sheet, in the sheet's order.
        const int columns = int(config.keys(section).filter(QRegularExpression(QStringLiteral("^Item_\\d+$"))).size());
        ASSERT_GT(columns, 0) << section.toStdString();
        EXPECT_TRUE(book.Sheets.first().cell(4, columns + 1).isEmpty()) << section.toStdString();
        for (int i = 0; i < columns; ++i) {
            const QStringList words =
                config.readString(section, QStringLiteral("Item_%1").arg(i)).split(QLatin1Char(';'));
            ASSERT_EQ(words.size(), 6) << section.toStdString() << " " << i;
            EXPECT_EQ(words[0], QString::number(i));
            EXPECT_EQ(words[1], book.Sheets.first().cell(4, i + 1));
            EXPECT_EQ(words[3], QStringLiteral("-1"));
        }
    }
    // The entries the draws could not take are gone, the other section stays.
    core::IniFile config(configPath);
    ASSERT_TRUE(config.load());
    const QStringList drawsKeys = config.keys(drawsSection);
    EXPECT_FALSE(drawsKeys.contains(QStringLiteral("Item_99"), Qt::CaseInsensitive));
    EXPECT_FALSE(config.readString(drawsSection, QStringLiteral("Item_0")).contains(QStringLiteral("Нет такого")));
    EXPECT_EQ(config.readString(QStringLiteral("OTHER"), QStringLiteral("Key")), QStringLiteral("kept"));
}

TEST_F(CliExportTest, GridsAndEmptyListsExport)
{
    const QString layout = path(QStringLiteral("layout.xlsx"));
    CliResult r = run({QStringLiteral("export"), QStringLiteral("layout"), layout, QStringLiteral("--len"),
                       QStringLiteral("10")});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const auto book = read(layout);
    const auto& sheet = book.Sheets.first();
    EXPECT_EQ(sheet.cell(4, 1), QStringLiteral("Кол-во"));
    // Columns name the last ten draws.
    EXPECT_EQ(sheet.cell(4, 2), QString::number(m_draws.back().Num));

    const QString stakes = path(QStringLiteral("stakes.xlsx"));
    r = run({QStringLiteral("export"), QStringLiteral("stakes"), stakes});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains(QStringLiteral("Экспортировано строк: 0")));
    EXPECT_EQ(read(stakes).Sheets.first().MaxRow, 4);
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("Vertoma_5x54.lsk"))));

    const QString stat = path(QStringLiteral("stat.xlsx"));
    r = run({QStringLiteral("export"), QStringLiteral("stat"), QStringLiteral("NUMS"), stat, QStringLiteral("--len"),
             QStringLiteral("50")});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_GT(read(stat).Sheets.first().MaxRow, 4);
}

TEST_F(CliExportTest, RefusalsAndFailures)
{
    const QString file = path(QStringLiteral("x.xlsx"));
    const QList<QStringList> refused = {
        {QStringLiteral("export")},
        {QStringLiteral("export"), QStringLiteral("draws")},
        {QStringLiteral("export"), QStringLiteral("nothing"), file},
        {QStringLiteral("export"), QStringLiteral("draws"), path(QStringLiteral("x.txt"))},
        {QStringLiteral("export"), QStringLiteral("draws"), file, QStringLiteral("--selected"), QStringLiteral("0")},
        {QStringLiteral("export"), QStringLiteral("draws"), file, QStringLiteral("--selected"), QStringLiteral("5-2")},
        {QStringLiteral("export"), QStringLiteral("draws"), file, QStringLiteral("--selected"),
         QStringLiteral("99999")},
        {QStringLiteral("export"), QStringLiteral("stat"), QStringLiteral("NOSUCH"), file},
        {QStringLiteral("export"), QStringLiteral("draws"), file, QStringLiteral("--in"), file},
    };
    for (const QStringList& args : refused) {
        const CliResult r = run(args);
        EXPECT_EQ(r.exitCode, 2) << args.join(u' ').toStdString();
        EXPECT_FALSE(r.err.isEmpty()) << args.join(u' ').toStdString();
    }
    EXPECT_FALSE(QFile::exists(file));

    const CliResult missing = run({QStringLiteral("export"), QStringLiteral("draws"), file, QStringLiteral("--params"),
                                   path(QStringLiteral("none.exp"))});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.err.contains(QStringLiteral("Ошибка загрузки параметров экспорта")));
    const CliResult unwritable =
        run({QStringLiteral("export"), QStringLiteral("draws"), path(QStringLiteral("no/dir/x.xlsx"))});
    EXPECT_EQ(unwritable.exitCode, 1);
    EXPECT_TRUE(unwritable.err.contains(QStringLiteral("Ошибка экспорта данных в Microsoft Excel!")));
}
