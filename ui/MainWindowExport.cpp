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
#include <QTabWidget>
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

// The caption of the tab that holds the page: the title and sheet name of its export.
QString pageCaption(const QWidget* page)
{
    for (const QWidget* w = page; w; w = w->parentWidget()) {
        const QWidget* parent = w->parentWidget();
        // A tab's page sits in the tab widget's stack, whose parent is the tab widget.
        const auto* tabs = parent ? qobject_cast<const QTabWidget*>(parent->parentWidget()) : nullptr;
        if (tabs) {
            const int index = tabs->indexOf(const_cast<QWidget*>(w));
            if (index >= 0)
                return tabs->tabText(index).remove(u'&');
        }
    }
    return {};
}

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
    QWidget* page = nullptr;
    xls::SourceKind kind = xls::SourceKind::ListView;
    QString control;
    QString rowHeader;
    if (name == QLatin1String("DrawsXlsExport")) {
        view = m_drawsPage->list(), page = m_drawsPage, control = QStringLiteral("lvDraws");
    } else if (name == QLatin1String("CombsXlsExport")) {
        view = m_combsPage->list(), page = m_combsPage, control = QStringLiteral("lvCombs");
    } else if (name == QLatin1String("DrawsStatExportToExcel")) {
        view = m_statPage->table(), page = m_statPage, control = QStringLiteral("lvDrawsStat");
    } else if (name == QLatin1String("RatingsXlsExport")) {
        view = m_ratingsPage->list(), page = m_ratingsPage, control = QStringLiteral("lvRatings");
    } else if (name == QLatin1String("CardXlsExport")) {
        view = m_cardPage->grid(), page = m_cardPage, control = QStringLiteral("sgCard");
        kind = xls::SourceKind::Grid;
        rowHeader = tr("Тираж");
    } else if (name == QLatin1String("LayoutXlsExport")) {
        view = m_layoutPage->grid(), page = m_layoutPage, control = QStringLiteral("sgLayout");
        kind = xls::SourceKind::Grid;
        rowHeader = tr("Кол-во");
    } else if (name == QLatin1String("StakesXlsExport")) {
        view = m_stakesPage->grid(), page = m_stakesPage, control = QStringLiteral("sgStakes");
        kind = xls::SourceKind::OwnerGrid;
    }
    if (!view)
        return;
    const ViewExportSource source(kind, control, *view, rowHeader);
    const QString caption = pageCaption(page);
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
