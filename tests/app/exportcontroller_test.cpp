// The export on the session's side: the dialog on the stored parameters, their storage, the
// progress window, the workbook in the temporary folder and its opening; the progress window's
// own rules. Workbooks are read back and compared with the session's lists.

#include "FakeUserIo.h"
#include "TestPaths.h"
#include "XlsxReader.h"
#include "app/ArchiveController.h"
#include "app/ExportController.h"
#include "app/ProgressWindow.h"
#include "app/Session.h"
#include "core/DrawArchive.h"
#include "core/IniFile.h"
#include "core/TextForms.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using testsupport::FakeUserIo;

namespace {

class ExportControllerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QFile::copy(QStringLiteral(VERTOMA_SHARED_DATA_DIR "/Vertoma_5x54.ldr"), folder().drawsFile()));
        QFile::setPermissions(folder().drawsFile(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        m_session = std::make_unique<app::Session>(m_io, folder());
        m_session->create();
        ASSERT_TRUE(m_session->archive().load());
    }
    void TearDown() override
    {
        if (!exporter().lastWorkbook().isEmpty())
            QFile::remove(exporter().lastWorkbook());
    }

    core::DataFolder folder() const { return {m_dir.path(), QStringLiteral("Vertoma_5x54"), m_dir.path()}; }
    app::ExportController& exporter() { return m_session->exportCtl(); }

    QTemporaryDir m_dir;
    FakeUserIo m_io;
    std::unique_ptr<app::Session> m_session;
};

} // namespace

TEST(ProgressWindowTest, OneAtATimeStepsNeverPastTheMaximum)
{
    FakeUserIo io;
    {
        app::ProgressWindow window(io, QString(), 4);
        EXPECT_EQ(window.text(), QStringLiteral("Подождите пожалуйста..."));
        EXPECT_TRUE(app::ProgressWindow::isShown());
        try {
            app::ProgressWindow second(io, QStringLiteral("x"), 1);
            ADD_FAILURE() << "a second window opened";
        } catch (const core::EConvertError& e) {
            EXPECT_EQ(e.message(), QStringLiteral("Окно индикатора уже создано!"));
        }
        window.step(3);
        window.setText(QStringLiteral("Дальше"));
        window.step(5);
        EXPECT_EQ(window.position(), 4);
    }
    EXPECT_FALSE(app::ProgressWindow::isShown());
    EXPECT_EQ(io.progressWindowMaxima, QList<int>{4});
    ASSERT_FALSE(io.progressWindowUpdates.isEmpty());
    EXPECT_EQ(io.progressWindowUpdates.last(), (std::pair<QString, int>{QStringLiteral("Дальше"), 4}));
    EXPECT_EQ(io.progressWindowCloses, 1);
    // Closed, a new one may open.
    app::ProgressWindow again(io, QStringLiteral("Снова"), 1);
    EXPECT_EQ(again.maximum(), 1);
}

TEST_F(ExportControllerTest, TheDialogStartsFromTheStoredParametersAndTheWorkbookOpens)
{
    auto source = exporter().drawsSource();
    // The list's columns changed since the entry was stored: it goes at this export.
    {
        core::IniFile ini(folder().configFile());
        const QString section = QStringLiteral("EXPORT_EXCEL_FORMMAIN.LVDRAWS");
        ini.writeBool(section, QStringLiteral("RestoreParameters"), true);
        ini.writeString(section, QStringLiteral("Notes"), QStringLiteral("Сохраненные сведения"));
        ini.writeString(section, QStringLiteral("Item_0"), QStringLiteral("0;Старый столбец;X;-1;0;8.00"));
        ASSERT_TRUE(ini.save());
    }
    source->setSelection({true, {0, 1, 2}});
    m_io.exportEdits.enqueue([](xls::ExportDialogState& state) {
        state.Params.Fields[1].Checked = false;
        xls::GatherChecked(state.Params.Fields);
        state.Params.SheetName = QStringLiteral("Тиражи: [все]");
    });
    ASSERT_TRUE(exporter().exportToSpreadsheet(*source, QStringLiteral("Архив тиражей"), QStringLiteral("Архив")));

    ASSERT_EQ(m_io.exportStarts.size(), 1);
    const xls::ExportDialogState& start = m_io.exportStarts.first();
    EXPECT_EQ(start.Section, QStringLiteral("EXPORT_EXCEL_FORMMAIN.LVDRAWS"));
    EXPECT_EQ(start.Params.Title, QStringLiteral("Архив тиражей"));
    EXPECT_EQ(start.Params.Notes, QStringLiteral("Сохраненные сведения"));
    EXPECT_EQ(start.AllRows, int(m_session->archive().draws().size()));
    EXPECT_EQ(start.SelectedRows, 3);
    EXPECT_EQ(start.Params.Mode, xls::RowMode::Selected);

    core::IniFile ini(folder().configFile());
    ASSERT_TRUE(ini.load());
    const QString section = QStringLiteral("EXPORT_EXCEL_FORMMAIN.LVDRAWS");
    EXPECT_EQ(ini.readString(section, QStringLiteral("SheetName")), QStringLiteral("Тиражи: [все]"));
    EXPECT_FALSE(ini.readString(section, QStringLiteral("Item_0")).contains(QStringLiteral("Старый")));

    ASSERT_EQ(m_io.openedDocuments, QStringList{exporter().lastWorkbook()});
    EXPECT_TRUE(exporter().lastWorkbook().startsWith(exporter().workbookFolder()));
    EXPECT_EQ(m_io.progressWindowMaxima.size(), 1);
    EXPECT_EQ(m_io.progressWindowCloses, 1);
    EXPECT_FALSE(app::ProgressWindow::isShown());
    EXPECT_TRUE(m_session->services().isIdle());

    testsupport::XlsxBook book;
    QString error;
    ASSERT_TRUE(testsupport::ReadXlsx(exporter().lastWorkbook(), book, &error)) << error.toStdString();
    const auto& sheet = book.Sheets.first();
    EXPECT_EQ(sheet.Name, QStringLiteral("Тиражи (все)"));
    // Title, notes, date line, a blank row, then the header in row 5 and the three selected rows.
    EXPECT_EQ(sheet.cell(2, 1), QStringLiteral("Сохраненные сведения"));
    EXPECT_EQ(sheet.MaxRow, 8);
    const QStringList captions = core::DrawColumnCaptions();
    EXPECT_EQ(sheet.cell(5, 1), captions[0]);
    EXPECT_EQ(sheet.cell(5, 2), captions[2]);
    for (int row = 0; row < 3; ++row) {
        const core::TDrawRec& d =
            m_session->archive().draws()[m_session->archive().draws().size() - 1 - std::size_t(row)];
        EXPECT_EQ(sheet.cell(6 + row, 1), QString::number(d.Num));
        EXPECT_EQ(sheet.cell(6 + row, 2), core::DrawCellText(d, 2, false));
    }
}

TEST_F(ExportControllerTest, CancelWritesNothingAndNoHandlerSaysWhereTheFileIs)
{
    auto source = exporter().cardSource();
    m_io.exportEdits.enqueue(std::nullopt);
    EXPECT_FALSE(exporter().exportToSpreadsheet(*source, QStringLiteral("Карта"), QStringLiteral("Карта")));
    EXPECT_TRUE(exporter().lastWorkbook().isEmpty());
    EXPECT_TRUE(m_io.progressWindowMaxima.isEmpty());
    EXPECT_FALSE(QFile::exists(folder().configFile()));

    m_io.documentHandler = false;
    m_io.exportEdits.enqueue([](xls::ExportDialogState&) {});
    ASSERT_TRUE(exporter().exportToSpreadsheet(*source, QStringLiteral("Карта"), QStringLiteral("Карта")));
    ASSERT_FALSE(m_io.messages.isEmpty());
    EXPECT_TRUE(m_io.messages.last().text.contains(exporter().lastWorkbook()));
    testsupport::XlsxBook book;
    QString error;
    ASSERT_TRUE(testsupport::ReadXlsx(exporter().lastWorkbook(), book, &error));
    const auto& sheet = book.Sheets.first();
    // Title, date line, a blank row, the header in row 4.
    EXPECT_EQ(sheet.cell(4, 1), QStringLiteral("Тираж"));
    EXPECT_EQ(sheet.cell(4, 56), QStringLiteral("E"));
    EXPECT_EQ(sheet.MaxRow, 4 + int(m_session->archive().draws().size()));
    int filled = 0;
    for (int row : {0, 1, 500})
        for (int column = 0; column <= 55; ++column) {
            EXPECT_EQ(sheet.cell(5 + row, column + 1), source->cellText(row, column)) << row << ":" << column;
            filled += source->cellText(row, column).isEmpty() ? 0 : 1;
        }
    // Each row names its draw and marks its five numbers.
    EXPECT_EQ(filled, 3 * 6);
}
