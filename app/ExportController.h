#pragma once

// The controller of the spreadsheet export: the dialog on the parameters stored for the
// source, the progress window, the workbook written into the temporary folder and opened with
// the default handler; and the same export without the dialog for the command-line tool. The
// parameters, the row choice and the workbook itself live in export/.

#include "export/ExportParams.h"
#include "export/ExportSource.h"

#include <QObject>

#include <memory>
#include <optional>

namespace app {

class ArchiveController;
class CandidatesController;
class RatingsController;
class Services;
class StakesController;
class StatisticsController;
class ViewsController;

// The lists of the main window that export.
enum class ExportList { Draws, Combs, Stat, Ratings, Card, Layout, Stakes };

class ExportController : public QObject
{
    Q_OBJECT

public:
    ExportController(Services& services, const ArchiveController& archive, const CandidatesController& candidates,
                     const StatisticsController& statistics, StakesController& stakes, const RatingsController& ratings,
                     const ViewsController& views);

    // The caption of the list's page: the title and sheet name every export of the list starts
    // with, in the window and in the tool alike.
    static QString listCaption(ExportList list);

    // ExportToSpreadsheet: the seven export actions pass their list's caption as title and
    // sheet name. False when cancelled or failed (the failure was shown).
    bool exportToSpreadsheet(const xls::ExportSource& source, const QString& title, const QString& sheetName);

    // The export without a dialog into path: the parameters stored for the source (as the
    // dialog would start with them), then those of paramsFile when given; mode selects the
    // rows. After the workbook is written the parameters are stored for the source as the
    // dialog's OK stores them. Errors are shown; false when the workbook or the parameters could
    // not be written.
    bool exportToFile(const xls::ExportSource& source, const QString& title, const QString& path,
                      const QString& paramsFile, xls::RowMode mode, int* rowsWritten = nullptr);

    // Where the desktop's workbooks are written before they are opened.
    QString workbookFolder() const;
    // The workbook last written by exportToSpreadsheet.
    const QString& lastWorkbook() const { return m_lastWorkbook; }

    // ---- sources over the program's lists, for the tool and the tests
    std::unique_ptr<xls::TableSource> drawsSource() const;
    std::unique_ptr<xls::TableSource> combsSource() const;
    // The statistics table as last computed (StatisticsController::calc).
    std::unique_ptr<xls::TableSource> statSource() const;
    std::unique_ptr<xls::TableSource> ratingsSource() const;
    std::unique_ptr<xls::TableSource> cardSource() const;
    // The layout scheme as last built (ViewsController::layoutBuild).
    std::unique_ptr<xls::TableSource> layoutSource() const;
    std::unique_ptr<xls::TableSource> stakesSource() const;

private:
    // Rewrites the source's section of the configuration file whole, so entries of columns the
    // list no longer has go; the failure is shown.
    bool saveParams(const QString& section, const xls::TExportParams& params);
    bool write(const xls::ExportSource& source, const xls::TExportParams& params, const QString& path,
               int* rowsWritten);

    Services& m_services;
    const ArchiveController& m_archive;
    const CandidatesController& m_candidates;
    const StatisticsController& m_statistics;
    StakesController& m_stakes;
    const RatingsController& m_ratings;
    const ViewsController& m_views;
    QString m_lastWorkbook;
};

// The owner window's name under which every list of the main window files its parameters.
inline constexpr char kMainFormName[] = "FormMain";

} // namespace app
