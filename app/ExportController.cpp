#include "app/ExportController.h"

#include "app/ArchiveController.h"
#include "app/CandidatesController.h"
#include "app/ProgressWindow.h"
#include "app/RatingsController.h"
#include "app/Services.h"
#include "app/StakesController.h"
#include "app/StatisticsController.h"
#include "app/ViewsController.h"
#include "core/IniFile.h"
#include "core/TextForms.h"
#include "export/ExportRows.h"
#include "export/XlsxWriter.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

namespace app {

ExportController::ExportController(Services& services, const ArchiveController& archive,
                                   const CandidatesController& candidates, const StatisticsController& statistics,
                                   StakesController& stakes, const RatingsController& ratings,
                                   const ViewsController& views)
    : m_services(services), m_archive(archive), m_candidates(candidates), m_statistics(statistics), m_stakes(stakes),
      m_ratings(ratings), m_views(views)
{
}

QString ExportController::listCaption(ExportList list)
{
    switch (list) {
    case ExportList::Draws:
        return tr("Архив тиражей");
    case ExportList::Combs:
        return tr("Комбинации");
    case ExportList::Stat:
        return tr("Статистика");
    case ExportList::Ratings:
        return tr("Рейтинг");
    case ExportList::Card:
        return tr("Карта");
    case ExportList::Layout:
        return tr("Схема");
    case ExportList::Stakes:
        return tr("Ставки");
    }
    return {};
}

bool ExportController::saveParams(const QString& section, const xls::TExportParams& params)
{
    QString error;
    if (xls::SaveParamsFile(m_services.folder().configFile(), section, params, true, &error))
        return true;
    m_services.showError(error);
    return false;
}

QString ExportController::workbookFolder() const
{
    return QDir::temp().filePath(m_services.folder().baseName() + QStringLiteral("-export"));
}

bool ExportController::write(const xls::ExportSource& source, const xls::TExportParams& params, const QString& path,
                             int* rowsWritten)
{
    const xls::RowPlan rows(source, params.Mode);
    QString error;
    xls::WriteResult result;
    try {
        ProgressWindow progress(m_services.io(), tr("Вызов Microsoft Excel..."),
                                xls::ProgressSteps(params, rows.count()));
        xls::WriteOptions options;
        if (!xls::WriteWorkbook(path, source, params, rows, &progress, options, &error, &result)) {
            progress.close();
            m_services.showError(error);
            return false;
        }
    } catch (const core::EConvertError& e) {
        m_services.showError(tr("Ошибка экспорта данных в Microsoft Excel!\n%1").arg(e.message()));
        return false;
    }
    if (rowsWritten)
        *rowsWritten = result.Rows;
    return true;
}

bool ExportController::exportToSpreadsheet(const xls::ExportSource& source, const QString& title,
                                           const QString& sheetName)
{
    xls::ExportDialogState state;
    core::IniFile ini(m_services.folder().configFile());
    {
        BusyScope busy(m_services, QString());
        state.Params = xls::DefaultParams(source, title, sheetName);
        const xls::RowCounts counts = xls::CountRows(source);
        state.AllRows = counts.All;
        state.SelectedRows = counts.Selected;
        state.Params.Mode = counts.Mode;
        state.Section = xls::SectionName(source.ownerName(), source.controlName());
        state.ParamsDir =
            m_services.folder().exeDir().isEmpty() ? m_services.folder().dir() : m_services.folder().exeDir();
        QString error;
        if (!ini.load(&error))
            m_services.showError(
                tr("Ошибка загрузки параметров экспорта из файла \"%1\"!\n\n%2").arg(ini.path(), error));
        else
            xls::LoadParams(ini, state.Section, xls::LoadMode::Restore, state.Params);
        xls::GatherChecked(state.Params.Fields);
    }
    if (!m_services.io().editExport(state))
        return false;

    BusyScope busy(m_services, QString());
    // A failure to store them does not keep the person from the workbook.
    saveParams(state.Section, state.Params);

    if (!QDir().mkpath(workbookFolder())) {
        m_services.showError(
            tr("Ошибка экспорта данных в Microsoft Excel!\nНе удалось создать папку \"%1\".").arg(workbookFolder()));
        return false;
    }
    QString stem = xls::CleanSheetName(state.Params.SheetName);
    stem.replace(u' ', u'_');
    if (stem.isEmpty())
        stem = m_services.folder().baseName();
    const QString path = QDir(workbookFolder())
                             .filePath(QStringLiteral("%1_%2.xlsx")
                                           .arg(stem, QDateTime::currentDateTime().toString(
                                                          QStringLiteral("yyyyMMdd_hhmmss_zzz"))));
    if (!write(source, state.Params, path, nullptr))
        return false;
    m_lastWorkbook = path;
    if (!m_services.io().openDocument(path))
        m_services.showInformation(
            tr("Рабочая книга сохранена в файле \"%1\".\n\nПрограмма для открытия таких файлов не найдена.").arg(path));
    return true;
}

bool ExportController::exportToFile(const xls::ExportSource& source, const QString& title, const QString& path,
                                    const QString& paramsFile, xls::RowMode mode, int* rowsWritten)
{
    BusyScope busy(m_services, QString());
    xls::TExportParams params = xls::DefaultParams(source, title, title);
    const QString section = xls::SectionName(source.ownerName(), source.controlName());
    core::IniFile ini(m_services.folder().configFile());
    QString error;
    if (!ini.load(&error)) {
        m_services.showError(tr("Ошибка загрузки параметров экспорта из файла \"%1\"!\n\n%2").arg(ini.path(), error));
        return false;
    }
    xls::LoadParams(ini, section, xls::LoadMode::Restore, params);
    if (!paramsFile.isEmpty()) {
        if (!QFileInfo(paramsFile).isFile()) {
            m_services.showError(tr("Ошибка загрузки параметров экспорта из файла \"%1\"!\n\n%2")
                                     .arg(paramsFile, tr("Файл не найден.")));
            return false;
        }
        if (!xls::LoadParamsFile(paramsFile, section, xls::LoadMode::File, params, &error)) {
            m_services.showError(error);
            return false;
        }
    }
    xls::GatherChecked(params.Fields);
    params.Mode = mode;
    // The dialog stores its parameters on OK, before the workbook is made; without a dialog
    // only the parameters of a workbook that was written are stored.
    return write(source, params, path, rowsWritten) && saveParams(section, params);
}

} // namespace app
