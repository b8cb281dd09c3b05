// The commands of the online catalogue of scripts: the switch of the panel under the script
// list, the buttons of pnlOnlineScriptsCmd, the popup menu of lvOnlineScripts with the rating
// commands grouped under "Оценить", and their enabling rules.

#include "ui/MainWindow.h"

#include "app/OnlineScripts.h"
#include "app/ScriptController.h"
#include "app/Session.h"
#include "ui/ScriptPage.h"

#include <QAction>
#include <QMenu>

namespace ui {

namespace {

const char* const kRateActions[] = {"ScriptLibraryRate1", "ScriptLibraryRate2", "ScriptLibraryRate3",
                                    "ScriptLibraryRate4", "ScriptLibraryRate5"};

} // namespace

void MainWindow::createScriptLibraryActions()
{
    app::OnlineScripts& library = m_session.script().library();
    const auto add = [this](const char* name, const QString& caption, const QString& hint) {
        QAction* a = addAction(QString::fromLatin1(name), caption, hint);
        a->setToolTip(hint);
        return a;
    };
    // The row the commands act on is the one selected in the catalogue's list.
    const auto onRow = [this](const char* name, const QString& caption, const QString& hint, auto command) {
        QAction* a = addAction(QString::fromLatin1(name), caption, hint);
        a->setToolTip(hint);
        connect(a, &QAction::triggered, this, [this, command] {
            command(m_session.script().library(), m_scriptPage->onlineRow());
            updateActionStates();
        });
        return a;
    };

    QAction* on = addToggle(QStringLiteral("ScriptLibrary"), tr("Online каталог сценариев"),
                            tr("Online каталог сценариев"));
    on->setToolTip(tr("Online каталог сценариев"));
    on->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    connect(on, &QAction::triggered, &library, &app::OnlineScripts::setShown);
    connect(add("ScriptLibraryRefresh", tr("Обновить"), tr("Перезагрузить каталог с сервера")), &QAction::triggered,
            &library, &app::OnlineScripts::refresh);
    connect(add("ScriptLibraryUpload", tr("Опубликовать"), tr("Опубликовать текущий сценарий в online-каталоге")),
            &QAction::triggered, &library, &app::OnlineScripts::upload);
    onRow("ScriptLibraryDownload", tr("Скачать из каталога"), tr("Скачать выбранный сценарий из online-каталога"),
          [](app::OnlineScripts& l, int row) { l.download(row); });
    onRow("ScriptLibraryReplace", tr("Изменить"), tr("Заменить выделенный сценарий в online-каталоге текущим"),
          [](app::OnlineScripts& l, int row) { l.replace(row); });
    onRow("ScriptLibraryDelete", tr("Удалить"), tr("Удалить выделенный сценарий из online-каталога"),
          [](app::OnlineScripts& l, int row) { l.remove(row); });
    onRow("ScriptLibraryView", tr("Свойства сценария"), tr("Просмотр сведений о выделенном сценарии"),
          [](app::OnlineScripts& l, int row) { l.view(row); });
    onRow("ScriptLibraryRates", tr("Просмотр оценок"), tr("Просмотр оценок сценария пользователями"),
          [](app::OnlineScripts& l, int row) { l.showRates(row); });
    const QString captions[] = {tr("[ 1 ] - Бесполезно"), tr("[ 2 ] - Плохо"), tr("[ 3 ] - Удовлетворительно"),
                                tr("[ 4 ] - Хорошо"), tr("[ 5 ] - Отлично")};
    for (int value = 1; value <= 5; ++value) {
        onRow(kRateActions[value - 1], captions[value - 1], tr("Установить оценку \"%1\"").arg(value),
              [value](app::OnlineScripts& l, int row) { l.rate(row, value); })
            ->setCheckable(true);
    }
    onRow("ScriptLibraryHide", tr("Скрыть сценарий"), tr("Исключить сценарий из Вашего списка"),
          [](app::OnlineScripts& l, int row) { l.rate(row, -1); })
        ->setCheckable(true);
    onRow("ScriptLibraryRate0", tr("Удалить оценку"), tr("Удалить Вашу оценку"),
          [](app::OnlineScripts& l, int row) { l.rate(row, 0); });
}

void MainWindow::installScriptLibraryCommands()
{
    const auto named = [this](std::initializer_list<const char*> names) {
        QList<QAction*> actions;
        for (const char* name : names)
            actions << (name ? action(QString::fromLatin1(name)) : nullptr);
        return actions;
    };
    auto* rate = new QMenu(tr("Оценить"), m_scriptPage);
    rate->setObjectName(QStringLiteral("pmOnlineScriptsRate"));
    rate->addActions(named({"ScriptLibraryRate1", "ScriptLibraryRate2", "ScriptLibraryRate3", "ScriptLibraryRate4",
                            "ScriptLibraryRate5"}));
    rate->addSeparator();
    rate->addActions(named({"ScriptLibraryHide", "ScriptLibraryRate0"}));

    QList<QAction*> popup = named({"ScriptLibraryDownload", "ScriptLibraryUpload", "ScriptLibraryReplace",
                                   "ScriptLibraryDelete", nullptr, "ScriptLibraryView", "ScriptLibraryRates", nullptr});
    popup << rate->menuAction() << nullptr << action(QStringLiteral("ScriptLibraryRefresh"));
    m_scriptPage->setOnlineCommands(named({"ScriptLibraryRefresh", nullptr, "ScriptLibraryDownload",
                                           "ScriptLibraryUpload", "ScriptLibraryReplace", "ScriptLibraryDelete",
                                           nullptr, "ScriptLibraryView", "ScriptLibraryRates"}),
                                    popup);

    const app::OnlineScripts& library = m_session.script().library();
    connect(m_scriptPage, &ScriptPage::onlineSelectionChanged, this, &MainWindow::updateActionStates);
    connect(m_scriptPage, &ScriptPage::onlineRowActivated, action(QStringLiteral("ScriptLibraryView")),
            &QAction::trigger);
    connect(&library, &app::OnlineScripts::shownChanged, this, &MainWindow::updateActionStates);
    connect(&library, &app::OnlineScripts::listReset, this, &MainWindow::updateActionStates);
}

void MainWindow::updateScriptLibraryActionStates(bool idle)
{
    if (!m_scriptPage)
        return;
    const app::OnlineScripts& library = m_session.script().library();
    const bool shown = library.shown();
    const int row = m_scriptPage->onlineRow();
    const online::tScriptInfo* selected = library.row(row);
    const bool ready = idle && shown;
    const auto enable = [this](const char* name, bool on) { action(QString::fromLatin1(name))->setEnabled(on); };
    enable("ScriptLibrary", idle);
    action(QStringLiteral("ScriptLibrary"))->setChecked(shown);
    enable("ScriptLibraryRefresh", ready);
    enable("ScriptLibraryDownload", ready && library.canDownload(row));
    enable("ScriptLibraryUpload", ready && library.canUpload());
    enable("ScriptLibraryReplace", ready && library.canReplace(row));
    enable("ScriptLibraryDelete", ready && library.canDelete(row));
    for (const char* name : {"ScriptLibraryView", "ScriptLibraryRates", "ScriptLibraryHide"})
        enable(name, ready && selected);
    const int mine = selected ? selected->rating_you : 0;
    for (int value = 1; value <= 5; ++value) {
        enable(kRateActions[value - 1], ready && selected);
        action(QString::fromLatin1(kRateActions[value - 1]))->setChecked(mine == value);
    }
    action(QStringLiteral("ScriptLibraryHide"))->setChecked(mine == -1);
    enable("ScriptLibraryRate0", ready && selected && mine != 0);
}

} // namespace ui
