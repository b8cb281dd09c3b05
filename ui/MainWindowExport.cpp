// The spreadsheet export of every list and grid: the seven actions, their places in the menus
// and popup menus, and their enabling rules.

#include "ui/MainWindow.h"

#include "app/ExportController.h"
#include "app/Session.h"
#include "ui/CardPage.h"
#include "ui/CombsPage.h"
#include "ui/DrawsPage.h"
#include "ui/LayoutPage.h"
#include "ui/RatingsPage.h"
#include "ui/StakesPage.h"
#include "ui/StatPage.h"
#include "ui/ViewExportSource.h"

#include <QAction>
#include <QMenu>
#include <QTableView>

namespace ui {

namespace {

struct ExportAction
{
    const char* name;
    const char* caption;
};

constexpr ExportAction kExportActions[] = {
    {"DrawsXlsExport", QT_TRANSLATE_NOOP("ui::MainWindow", "Экспорт в Microsoft Excel")},
    {"CombsXlsExport", QT_TRANSLATE_NOOP("ui::MainWindow", "Экспорт в Microsoft Excel")},
    {"DrawsStatExportToExcel", QT_TRANSLATE_NOOP("ui::MainWindow", "Экспорт статистики в Microsoft Excel")},
    {"RatingsXlsExport", QT_TRANSLATE_NOOP("ui::MainWindow", "Экспорт рейтинга в Microsoft Excel")},
    {"CardXlsExport", QT_TRANSLATE_NOOP("ui::MainWindow", "Экспорт карты тиражей в Microsoft Excel")},
    {"LayoutXlsExport", QT_TRANSLATE_NOOP("ui::MainWindow", "Экспорт схемы в Microsoft Excel")},
    {"StakesXlsExport", QT_TRANSLATE_NOOP("ui::MainWindow", "Экспорт ставок в Microsoft Excel")},
};

bool hasRows(const QTableView* view)
{
    return view && view->model() && view->model()->rowCount() > 0;
}

} // namespace

void MainWindow::createExportActions()
{
    for (const ExportAction& entry : kExportActions) {
        const QString name = QString::fromLatin1(entry.name);
        connect(addAction(name, tr(entry.caption)), &QAction::triggered, this, [this, name] { exportList(name); });
    }
}

void MainWindow::exportList(const QString& name)
{
    QTableView* view = nullptr;
    app::ExportList list = app::ExportList::Draws;
    xls::SourceKind kind = xls::SourceKind::ListView;
    QString control;
    QString rowHeader;
    if (name == QLatin1String("DrawsXlsExport")) {
        view = m_drawsPage->list(), list = app::ExportList::Draws, control = QStringLiteral("lvDraws");
    } else if (name == QLatin1String("CombsXlsExport")) {
        view = m_combsPage->list(), list = app::ExportList::Combs, control = QStringLiteral("lvCombs");
    } else if (name == QLatin1String("DrawsStatExportToExcel")) {
        view = m_statPage->table(), list = app::ExportList::Stat, control = QStringLiteral("lvDrawsStat");
    } else if (name == QLatin1String("RatingsXlsExport")) {
        view = m_ratingsPage->list(), list = app::ExportList::Ratings, control = QStringLiteral("lvRatings");
    } else if (name == QLatin1String("CardXlsExport")) {
        view = m_cardPage->grid(), list = app::ExportList::Card, control = QStringLiteral("sgCard");
        kind = xls::SourceKind::Grid;
        rowHeader = tr("Тираж");
    } else if (name == QLatin1String("LayoutXlsExport")) {
        view = m_layoutPage->grid(), list = app::ExportList::Layout, control = QStringLiteral("sgLayout");
        kind = xls::SourceKind::Grid;
        rowHeader = tr("Кол-во");
    } else if (name == QLatin1String("StakesXlsExport")) {
        view = m_stakesPage->grid(), list = app::ExportList::Stakes, control = QStringLiteral("sgStakes");
        kind = xls::SourceKind::OwnerGrid;
    }
    if (!view)
        return;
    const ViewExportSource source(kind, control, *view, rowHeader);
    // The caption the tool's export uses too; it is the page's, also while a page is detached.
    const QString caption = app::ExportController::listCaption(list);
    m_session.exportCtl().exportToSpreadsheet(source, caption, caption);
}

void MainWindow::addExportMenuItems(QMenu* draws, QMenu* stat)
{
    draws->addSeparator();
    draws->addAction(action(QStringLiteral("DrawsXlsExport")));
    stat->addSeparator();
    for (const char* name : {"DrawsStatExportToExcel", "CardXlsExport", "LayoutXlsExport"})
        stat->addAction(action(QString::fromLatin1(name)));
    // The popup menus of the lists that show their actions.
    const std::pair<QTableView*, const char*> popups[] = {
        {m_drawsPage->list(), "DrawsXlsExport"},        {m_combsPage->list(), "CombsXlsExport"},
        {m_statPage->table(), "DrawsStatExportToExcel"}, {m_cardPage->grid(), "CardXlsExport"},
        {m_layoutPage->grid(), "LayoutXlsExport"},
    };
    for (const auto& [view, name] : popups) {
        auto* separator = new QAction(view);
        separator->setSeparator(true);
        view->addActions({separator, action(QString::fromLatin1(name))});
    }
}

void MainWindow::updateExportActionStates(bool idle)
{
    const std::pair<const char*, QTableView*> lists[] = {
        {"DrawsXlsExport", m_drawsPage ? m_drawsPage->list() : nullptr},
        {"CombsXlsExport", m_combsPage ? m_combsPage->list() : nullptr},
        {"DrawsStatExportToExcel", m_statPage ? m_statPage->table() : nullptr},
        {"RatingsXlsExport", m_ratingsPage ? m_ratingsPage->list() : nullptr},
        {"CardXlsExport", m_cardPage ? m_cardPage->grid() : nullptr},
        {"LayoutXlsExport", m_layoutPage ? m_layoutPage->grid() : nullptr},
        {"StakesXlsExport", m_stakesPage ? m_stakesPage->grid() : nullptr},
    };
    for (const auto& [name, view] : lists)
        if (QAction* a = action(QString::fromLatin1(name)))
            a->setEnabled(idle && hasRows(view));
}

} // namespace ui
