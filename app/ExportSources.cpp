// The program's lists as export sources: the same columns and texts as the pages show, read on
// demand so the full candidate list is never copied.

#include "app/ArchiveController.h"
#include "app/CandidatesController.h"
#include "app/ExportController.h"
#include "app/RatingsController.h"
#include "app/StakesController.h"
#include "app/StatisticsController.h"
#include "app/ViewsController.h"
#include "core/DrawArchive.h"
#include "core/TextForms.h"
#include "scripts/Ratings.h"
#include "stakes/StakeRecord.h"
#include "views/LayoutScheme.h"
#include "views/NumberCard.h"
#include "views/StatTable.h"

namespace app {

namespace {

// A column a page shows about 64 pixels wide: a sheet width of 8.
constexpr int kDefaultPixels = 64;

QList<xls::SourceColumn> columnsOf(const QStringList& captions, const std::function<int(int)>& align)
{
    QList<xls::SourceColumn> columns;
    for (int i = 0; i < captions.size(); ++i)
        columns << xls::SourceColumn{captions[i], align(i), kDefaultPixels};
    return columns;
}

std::unique_ptr<xls::TableSource> make(xls::SourceKind kind, const char* control, QList<xls::SourceColumn> columns,
                                       qint64 rows, xls::TableSource::CellText text)
{
    return std::make_unique<xls::TableSource>(kind, QLatin1String(kMainFormName), QLatin1String(control),
                                              std::move(columns), int(std::min<qint64>(rows, INT_MAX)),
                                              std::move(text));
}

} // namespace

std::unique_ptr<xls::TableSource> ExportController::drawsSource() const
{
    const ArchiveController& s = m_archive;
    const bool sorted = m_services.windowState().SortedDraws;
    const QStringList captions = core::DrawColumnCaptions();
    return make(
        xls::SourceKind::ListView, "lvDraws",
        columnsOf(captions, [](int c) { return c == core::DrawColDate ? int(xls::AlignLeft) : int(xls::AlignCenter); }),
        qint64(s.draws().size()), [&s, sorted](int row, int column) {
            const int element = core::DrawIndexOfRow(s.draws(), row);
            if (element < 0)
                return QString();
            return core::DrawCellText(s.draws()[std::size_t(element)], column, sorted);
        });
}

std::unique_ptr<xls::TableSource> ExportController::combsSource() const
{
    const CandidatesController& s = m_candidates;
    QStringList captions{tr("№ п.п.")};
    for (int i = 1; i <= core::CombSize; ++i)
        captions << QString::number(i);
    captions << QStringLiteral("S");
    return make(xls::SourceKind::ListView, "lvCombs",
                columnsOf(captions, [](int c) { return c == 0 ? int(xls::AlignRight) : int(xls::AlignCenter); }),
                qint64(s.combs().size()), [&s](int row, int column) {
                    if (std::size_t(row) >= s.combs().size())
                        return QString();
                    const core::TComb& comb = s.combs()[std::size_t(row)];
                    if (column == 0)
                        return QString::number(row + 1);
                    if (column <= core::CombSize)
                        return core::NumText(comb.v[column - 1]);
                    int sum = 0;
                    for (const std::uint8_t n : comb.v)
                        sum += n;
                    return QString::number(sum);
                });
}

std::unique_ptr<xls::TableSource> ExportController::statSource() const
{
    const StatisticsController& s = m_statistics;
    return make(xls::SourceKind::ListView, "lvDrawsStat",
                columnsOf(views::StatColumnCaptions(),
                          [](int c) { return c == views::ColValue ? int(xls::AlignLeft) : int(xls::AlignRight); }),
                qint64(s.table().Rows.size()), [&s](int row, int column) {
                    const auto& rows = s.table().Rows;
                    if (std::size_t(row) >= rows.size() || std::size_t(column) >= rows[std::size_t(row)].Cells.size())
                        return QString();
                    return rows[std::size_t(row)].Cells[std::size_t(column)];
                });
}

std::unique_ptr<xls::TableSource> ExportController::ratingsSource() const
{
    const RatingsController& s = m_ratings;
    return make(xls::SourceKind::ListView, "lvRatings",
                columnsOf(scripts::RatingColumnCaptions(),
                          [](int c) { return c == scripts::RColName ? int(xls::AlignLeft) : int(xls::AlignRight); }),
                qint64(s.table().size()), [&s](int row, int column) { return s.cellText(row, column); });
}

std::unique_ptr<xls::TableSource> ExportController::cardSource() const
{
    const ArchiveController& s = m_archive;
    // The grid's first column names the draw of each row, the last the key number.
    QStringList captions{tr("Тираж")};
    for (int n = 1; n <= core::NumberCount; ++n)
        captions << QString::number(n);
    captions << QStringLiteral("E");
    return make(xls::SourceKind::Grid, "sgCard", columnsOf(captions, [](int) { return int(xls::AlignLeft); }),
                qint64(s.draws().size()), [&s](int row, int column) {
                    if (column == 0) {
                        const core::TDrawRec* draw = views::CardDraw(s.draws(), row);
                        return draw ? QString::number(draw->Num) : QString();
                    }
                    return views::CardCellText(s.draws(), row, column - 1);
                });
}

std::unique_ptr<xls::TableSource> ExportController::layoutSource() const
{
    const ViewsController& s = m_views;
    const views::LayoutGrid& grid = s.layout();
    QStringList captions{tr("Кол-во")};
    for (const std::int32_t num : grid.DrawNums)
        captions << QString::number(num);
    return make(xls::SourceKind::Grid, "sgLayout", columnsOf(captions, [](int) { return int(xls::AlignLeft); }),
                grid.rowCount(), [&s](int row, int column) {
                    const views::LayoutGrid& g = s.layout();
                    if (row < 0 || row >= g.rowCount())
                        return QString();
                    if (column == 0)
                        return QString::number(g.Counts[std::size_t(row)]);
                    return column - 1 < g.columnCount() ? g.cell(row, column - 1) : QString();
                });
}

std::unique_ptr<xls::TableSource> ExportController::stakesSource() const
{
    StakesController& s = m_stakes;
    const QString point = core::SystemDecimalPoint();
    return make(xls::SourceKind::OwnerGrid, "sgStakes",
                columnsOf(stakes::StakeColumnCaptions(), [](int) { return int(xls::AlignLeft); }), s.count(),
                [&s, point](int row, int column) { return stakes::StakeCellText(s.peek(row), column, point); });
}

} // namespace app
