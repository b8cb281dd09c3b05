// The draw download with its start-up choices, the proxy dialog and the CSV exchange of draws.

#include "ui/MainWindow.h"

#include "app/ArchiveController.h"
#include "app/Session.h"
#include "app/WebController.h"
#include "ui/DrawsPage.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QTableView>

namespace ui {

void MainWindow::createWebActions()
{
    app::WebController& web = m_session.web();
    connect(addAction(QStringLiteral("EditProxy"), tr("Параметры proxy-сервера")), &QAction::triggered, &web,
            &app::WebController::editProxy);
    connect(addAction(QStringLiteral("DrawsDownload"), tr("Загрузка"), tr("Загрузить новые тиражи с сайта лотереи")),
            &QAction::triggered, &web, &app::WebController::drawsDownload);
    auto* group = new QActionGroup(this);
    const QString captions[] = {tr("По запросу (по умолчанию)"), tr("Автоматически"), tr("Отключено")};
    for (int mode = 0; mode < 3; ++mode) {
        QAction* choice = addToggle(QStringLiteral("AutoDownload%1").arg(mode), captions[mode]);
        group->addAction(choice);
        connect(choice, &QAction::triggered, &web, [&web, mode] { web.setDownloadOnStart(mode); });
    }
    connect(addAction(QStringLiteral("DrawsImport"), tr("Импорт из CSV-файла"), tr("Импорт списка тиражей из CSV-файла")),
            &QAction::triggered, &web, &app::WebController::drawsImport);
    connect(addAction(QStringLiteral("DrawsExport"), tr("Экспорт в CSV-файл"), tr("Экспорт списка тиражей в CSV-файл")),
            &QAction::triggered, &web, &app::WebController::drawsExport);
    connect(&web, &app::WebController::settingsChanged, this, &MainWindow::updateActionStates);
}

void MainWindow::addWebMenuItems(QMenu* draws)
{
    draws->addSeparator();
    draws->addAction(action(QStringLiteral("DrawsDownload")));
    QMenu* onStart = draws->addMenu(tr("Автозагрузка при запуске программы"));
    onStart->setObjectName(QStringLiteral("miAutoDownload"));
    for (int mode = 0; mode < 3; ++mode)
        onStart->addAction(action(QStringLiteral("AutoDownload%1").arg(mode)));
    draws->addSeparator();
    draws->addAction(action(QStringLiteral("DrawsImport")));
    draws->addAction(action(QStringLiteral("DrawsExport")));

    // The list's popup menu and the button above it.
    auto* separator = new QAction(m_drawsPage->list());
    separator->setSeparator(true);
    m_drawsPage->list()->addActions({separator, action(QStringLiteral("DrawsDownload")),
                                     action(QStringLiteral("DrawsImport")), action(QStringLiteral("DrawsExport"))});
    m_drawsPage->addToolAction(action(QStringLiteral("DrawsDownload")));
}

void MainWindow::updateWebActionStates(bool idle)
{
    action(QStringLiteral("DrawsExport"))->setEnabled(idle && !m_session.archive().draws().empty());
    const int onStart = m_session.web().downloadOnStart();
    for (int mode = 0; mode < 3; ++mode)
        action(QStringLiteral("AutoDownload%1").arg(mode))->setChecked(onStart == mode);
}

} // namespace ui
