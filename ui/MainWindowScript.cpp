// The commands of the page "Сценарий": their actions, the menu "Сценарий", the panel and popup
// menu of the script list, their enabling rules, "Добавить в сценарий" of the rating, and the
// lock of the window while a script runs.
//
// Ctrl+Ins, Ctrl+Enter and Ctrl+Up/Down move and edit in every list, so the commands that act
// on the script's rows answer their keys only while the focus is inside the script page. Open,
// save, run, test and stop keep their keys in the whole window: "Стоп" above all must answer
// wherever the focus is while a run goes on.

#include "ui/MainWindow.h"

#include "app/ArchiveController.h"
#include "app/ScriptController.h"
#include "app/Session.h"
#include "scripts/ScriptLine.h"
#include "ui/CombsPage.h"
#include "ui/DrawsPage.h"
#include "ui/RatingsPage.h"
#include "ui/ScriptPage.h"
#include "ui/StatPage.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>
#include <QTableView>

namespace ui {

namespace {

// The commands in the order of the menu, the panel and the popup menu (nullptr: a separator).
const char* const kScriptMenu[] = {
    "ScriptOpen",  "ScriptLoad", "ScriptSave", nullptr,     "ScriptAdd", "ScriptEmpty", "ScriptClone",
    "ScriptEdit",  "ScriptUp",   "ScriptDown", nullptr,     "ScriptDel", "ScriptClr",   nullptr,
    "ScriptRun",   "ScriptTest", "ScriptStop", nullptr,     "LogToggle", "LogsDelete",
};
// The week's commands first: on a narrow screen they stay in the first row.
const char* const kScriptPanel[] = {
    "ScriptRun",   "ScriptTest",  "ScriptStop", nullptr,     "ScriptOpen", "ScriptSave", nullptr,     "ScriptAdd",
    "ScriptEmpty", "ScriptClone", "ScriptEdit", "ScriptDel", "ScriptUp",   "ScriptDown", "ScriptClr",
};
const char* const kScriptPopup[] = {
    "ScriptAdd", "ScriptEmpty", "ScriptClone", "ScriptEdit", nullptr,     "ScriptUp",   "ScriptDown", nullptr,
    "ScriptDel", "ScriptClr",   nullptr,       "ScriptRun",  "ScriptTest", "ScriptStop",
};
// The commands whose keys belong to the script page only.
const char* const kScriptRowCommands[] = {"ScriptAdd", "ScriptEmpty", "ScriptClone",
                                          "ScriptEdit", "ScriptUp",    "ScriptDown"};

} // namespace

void MainWindow::createScriptActions()
{
    app::ScriptController& script = m_session.script();
    const auto add = [this](const char* name, const QString& caption, const QList<QKeySequence>& shortcuts = {},
                            const QString& hint = {}) {
        QAction* a = addAction(QString::fromLatin1(name), caption, hint);
        a->setShortcuts(shortcuts);
        return a;
    };

    connect(add("ScriptOpen", tr("Открыть"), {QKeySequence(Qt::CTRL | Qt::Key_J)}), &QAction::triggered, &script,
            &app::ScriptController::scriptOpen);
    connect(add("ScriptSave", tr("Сохранить"), {QKeySequence(Qt::CTRL | Qt::Key_I)}), &QAction::triggered, &script,
            &app::ScriptController::scriptSave);
    connect(add("ScriptAdd", tr("Добавить фильтры"), {QKeySequence(Qt::CTRL | Qt::Key_Insert)}), &QAction::triggered,
            &script, &app::ScriptController::scriptAdd);
    connect(add("ScriptEmpty", tr("Добавить разделитель"), {QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_Insert)}),
            &QAction::triggered, &script, &app::ScriptController::scriptEmpty);
    connect(add("ScriptClone", tr("Клонировать"), {QKeySequence(Qt::CTRL | Qt::Key_K)}), &QAction::triggered, this,
            [this] { m_session.script().scriptClone(m_scriptPage->focusedRow()); });
    connect(add("ScriptLoad", tr("Добавить сценарий")), &QAction::triggered, &script,
            &app::ScriptController::scriptLoad);
    // Return and the keypad's Enter are different keys; either edits.
    connect(add("ScriptEdit", tr("Изменить"),
                {QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter)}),
            &QAction::triggered, this, [this] { m_session.script().scriptEdit(m_scriptPage->focusedRow()); });
    connect(add("ScriptDel", tr("Удалить")), &QAction::triggered, this,
            [this] { m_session.script().scriptDel(m_scriptPage->selectedRows()); });
    connect(add("ScriptUp", tr("Переместить вверх"), {QKeySequence(Qt::CTRL | Qt::Key_Up)}), &QAction::triggered,
            this, [this] { m_session.script().scriptUp(m_scriptPage->focusedRow()); });
    connect(add("ScriptDown", tr("Переместить вниз"), {QKeySequence(Qt::CTRL | Qt::Key_Down)}), &QAction::triggered,
            this, [this] { m_session.script().scriptDown(m_scriptPage->focusedRow()); });
    connect(add("ScriptClr", tr("Удалить все")), &QAction::triggered, &script, &app::ScriptController::scriptClr);
    for (const char* name : kScriptRowCommands)
        action(QString::fromLatin1(name))->setShortcutContext(Qt::WidgetWithChildrenShortcut);

    connect(add("ScriptRun", tr("Прогноз"), {QKeySequence(Qt::Key_F10)},
                tr("Выполнить сценарий для текущего тиража и смещения")),
            &QAction::triggered, &script, &app::ScriptController::run);
    connect(add("ScriptTest", tr("Тест"), {QKeySequence(Qt::CTRL | Qt::Key_F10)},
                tr("Тестирование сценария на основе результатов предыдуших тиражей")),
            &QAction::triggered, &script, &app::ScriptController::test);
    connect(add("ScriptStop", tr("Стоп"), {QKeySequence(Qt::CTRL | Qt::Key_X)}), &QAction::triggered, &script,
            &app::ScriptController::requestStop);
    connect(addToggle(QStringLiteral("LogToggle"), tr("Журнал выполнения сценария")), &QAction::triggered, this,
            [this](bool on) {
                m_session.script().setLogEnabled(on);
                updateActionStates();
            });
    connect(add("LogsDelete", tr("Удалить журналы выполнения сценариев")), &QAction::triggered, &script,
            &app::ScriptController::logsDelete);

    connect(add("RatingsToScript", tr("Добавить в сценарий")), &QAction::triggered, this,
            [this] { m_session.script().ratingsToScript(m_ratingsPage->selectedRows()); });
    createScriptLibraryActions();
}

void MainWindow::createScriptPage()
{
    m_scriptPage = new ScriptPage(m_session.script(), m_session.stakes(), m_pcMain);
    replacePage(QStringLiteral("tsScript"), m_scriptPage);
    const auto named = [this](const auto& names) {
        QList<QAction*> actions;
        for (const char* name : names)
            actions << (name ? action(QString::fromLatin1(name)) : nullptr);
        return actions;
    };
    m_scriptPage->setCommands(named(kScriptPanel), named(kScriptPopup));
    m_scriptPage->addActions(named(kScriptRowCommands));

    app::ScriptController& script = m_session.script();
    connect(m_scriptPage, &ScriptPage::selectionChanged, this, &MainWindow::updateActionStates);
    connect(m_scriptPage, &ScriptPage::rowActivated, action(QStringLiteral("ScriptEdit")), &QAction::trigger);
    connect(&script, &app::ScriptController::linesChanged, this, &MainWindow::updateActionStates);
    connect(&script, &app::ScriptController::runningChanged, this, &MainWindow::onScriptRunningChanged);
    connect(&script, &app::ScriptController::scriptPageWanted, this,
            [this] { m_pcMain->setCurrentWidget(m_scriptPage); });
    installScriptLibraryCommands();
}

void MainWindow::createScriptMenu()
{
    QMenu* menu = menuBar()->addMenu(tr("Сценарий"));
    menu->setObjectName(QStringLiteral("mnScript"));
    for (const char* name : kScriptMenu) {
        if (name)
            menu->addAction(action(QString::fromLatin1(name)));
        else
            menu->addSeparator();
    }
    menu->addSeparator();
    menu->addAction(action(QStringLiteral("ScriptLibrary")));
}

void MainWindow::onScriptRunningChanged(bool running)
{
    // The archive, the list and the statistics table are the run's working state: the person
    // watches them change but must not change them meanwhile.
    for (QWidget* page : {static_cast<QWidget*>(m_drawsPage), static_cast<QWidget*>(m_combsPage),
                          static_cast<QWidget*>(m_statPage), static_cast<QWidget*>(m_scriptPage->list())})
        page->setEnabled(!running);
    updateActionStates();
}

void MainWindow::updateScriptActionStates(bool idle)
{
    if (!m_scriptPage || !m_ratingsPage)
        return;
    const app::ScriptController& script = m_session.script();
    const int lines = script.lineCount();
    const int focused = m_scriptPage->focusedRow();
    const bool command = focused >= 0 && focused < lines && !scripts::ScriptLineIsSeparator(script.lines()[focused]);
    const bool runnable = idle && lines > 0 && !m_session.archive().draws().empty();
    const auto enable = [this](const char* name, bool on) { action(QString::fromLatin1(name))->setEnabled(on); };
    enable("ScriptSave", idle && lines > 0);
    enable("ScriptEmpty", idle && lines > 0);
    enable("ScriptClone", idle && command);
    enable("ScriptEdit", idle && command);
    enable("ScriptDel", idle && m_scriptPage->hasSelection());
    enable("ScriptUp", idle && focused > 0 && focused < lines);
    enable("ScriptDown", idle && focused >= 0 && focused + 1 < lines);
    enable("ScriptClr", idle && lines > 0);
    enable("ScriptRun", runnable);
    enable("ScriptTest", runnable);
    // The stop needs no idle session: a run is the one operation that keeps the window going.
    enable("ScriptStop", script.running() && !script.stopRequested());
    enable("RatingsToScript", idle && m_ratingsPage->hasSelection());
    action(QStringLiteral("LogToggle"))->setChecked(script.logEnabled());
    updateScriptLibraryActionStates(idle);
}

} // namespace ui
