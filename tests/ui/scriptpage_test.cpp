// The page "Сценарий" driven through the real main window on a temporary data folder: the list,
// the editing commands, the enabling rules, the window while a script runs and the rating rows
// that become script lines.

#include "StakesFixture.h"
#include "app/ArchiveController.h"
#include "app/ScriptController.h"
#include "core/IniFile.h"
#include "scripts/Ratings.h"
#include "scripts/ScriptFile.h"
#include "scripts/ScriptLine.h"
#include "ui/CombsPage.h"
#include "ui/CommandBar.h"
#include "ui/DrawsPage.h"
#include "ui/RatingsPage.h"
#include "ui/ScriptModel.h"
#include "ui/ScriptPage.h"
#include "ui/StatPage.h"

#include <QAbstractItemModelTester>
#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>

using stakestest::Program;

namespace {

const QString kFirst = QStringLiteral("EXCL:3#FIRST#CLR#NEX|TSD1#nums:10| | | |BMF2#sums:20#lmv:5| | |первая");
const QString kThird = QStringLiteral("FULL:0#RAND|TSD1#NUMS:10#LMV:5#SF:1| | | | | | |");

QMenu* menuNamed(ui::MainWindow& window, const QString& caption)
{
    for (QAction* a : window.menuBar()->actions()) {
        if (a->text() == caption)
            return a->menu();
    }
    return nullptr;
}

QStringList actionNames(const QList<QAction*>& actions)
{
    QStringList names;
    for (const QAction* a : actions)
        names << (a->isSeparator() ? QStringLiteral("-") : a->objectName());
    return names;
}

QStringList rowTexts(const QAbstractItemModel* model, int row)
{
    QStringList cells;
    for (int column = 0; column < model->columnCount(); ++column)
        cells << model->index(row, column).data().toString();
    return cells;
}

// The commands of the page with their enabled states, as "name" or "!name".
QStringList states(const Program& p, std::initializer_list<const char*> names)
{
    QStringList shown;
    for (const char* name : names)
        shown << (p.enabled(name) ? QString() : QStringLiteral("!")) + QString::fromLatin1(name);
    return shown;
}

} // namespace

class ScriptPageTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void outlineMenusAndActions();
    void listShowsEveryLineInNormalForm();
    void editingCommandsThroughTheWindow();
    void filesThroughTheWindow();
    void enablingRules();
    void runLocksTheWindowAndStopAnswers();
    void backTestCountsItsCycles();
    void ratingRowsBecomeScriptLines();

private:
    QString workingCopy() const { return m_dir->filePath(QStringLiteral("Vertoma_5x54.lss")); }
    void writeScript(const QStringList& lines) const
    {
        QString error;
        QVERIFY2(scripts::ScriptWriteFile(workingCopy(), lines, &error), qPrintable(error));
    }
    QStringList storedScript() const
    {
        QStringList lines;
        QString error;
        if (!scripts::ScriptReadFile(workingCopy(), lines, nullptr, &error))
            return {error};
        return lines;
    }
    std::unique_ptr<QTemporaryDir> m_dir;
};

void ScriptPageTest::init()
{
    m_dir = stakestest::MakeDataFolder();
    QVERIFY(m_dir);
}

void ScriptPageTest::outlineMenusAndActions()
{
    Program p(m_dir->path());
    ui::ScriptPage* page = p.window->scriptPage();
    QVERIFY(page);
    QTabWidget* pages = p.window->mainPages();
    QCOMPARE(pages->indexOf(page), 9);
    QCOMPARE(pages->tabText(9), QStringLiteral("Сценарий"));
    QCOMPARE(page->objectName(), QStringLiteral("tsScript"));
    QTableView* list = page->list();
    QCOMPARE(list->objectName(), QStringLiteral("lvScript"));
    QCOMPARE(list->selectionMode(), QAbstractItemView::ExtendedSelection);
    QCOMPARE(list->selectionBehavior(), QAbstractItemView::SelectRows);
    QCOMPARE(page->statusBar()->objectName(), QStringLiteral("sbScript"));
    QStringList headers;
    for (int column = 0; column < list->model()->columnCount(); ++column)
        headers << list->model()->headerData(column, Qt::Horizontal).toString();
    QCOMPARE(headers, (QStringList{QStringLiteral("Комментарии"), QStringLiteral("Опции"),
                                   QStringLiteral("Фильтр 1"), QStringLiteral("Фильтр 2"), QStringLiteral("Фильтр 3"),
                                   QStringLiteral("Фильтр 4"), QStringLiteral("Фильтр 5"), QStringLiteral("Фильтр 6"),
                                   QStringLiteral("Фильтр 7")}));

    const struct
    {
        const char* name;
        const char* caption;
        const char* shortcut;
        const char* hint;
    } expected[] = {
        {"ScriptOpen", "Открыть", "Ctrl+J", ""},
        {"ScriptSave", "Сохранить", "Ctrl+I", ""},
        {"ScriptAdd", "Добавить фильтры", "Ctrl+Ins", ""},
        {"ScriptEmpty", "Добавить разделитель", "Ctrl+Alt+Ins", ""},
        {"ScriptClone", "Клонировать", "Ctrl+K", ""},
        {"ScriptLoad", "Добавить сценарий", "", ""},
        {"ScriptEdit", "Изменить", "Ctrl+Return", ""},
        {"ScriptDel", "Удалить", "", ""},
        {"ScriptUp", "Переместить вверх", "Ctrl+Up", ""},
        {"ScriptDown", "Переместить вниз", "Ctrl+Down", ""},
        {"ScriptClr", "Удалить все", "", ""},
        {"ScriptRun", "Прогноз", "F10", "Выполнить сценарий для текущего тиража и смещения"},
        {"ScriptTest", "Тест", "Ctrl+F10", "Тестирование сценария на основе результатов предыдуших тиражей"},
        {"ScriptStop", "Стоп", "Ctrl+X", ""},
        {"LogToggle", "Журнал выполнения сценария", "", ""},
        {"LogsDelete", "Удалить журналы выполнения сценариев", "", ""},
        {"RatingsToScript", "Добавить в сценарий", "", ""},
    };
    for (const auto& e : expected) {
        QAction* a = p.action(e.name);
        QVERIFY2(a, e.name);
        QCOMPARE(a->text(), QString::fromUtf8(e.caption));
        QCOMPARE(a->shortcut(), QKeySequence(QString::fromLatin1(e.shortcut)));
        QCOMPARE(a->statusTip(), QString::fromUtf8(e.hint));
    }
    QVERIFY(p.action("LogToggle")->isCheckable());
    QVERIFY(p.action("ScriptEdit")->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_Enter)));
    // The row commands keep their keys to the page; open, save, run, test and stop are the window's.
    for (const char* name : {"ScriptAdd", "ScriptEmpty", "ScriptClone", "ScriptEdit", "ScriptUp", "ScriptDown"})
        QVERIFY2(p.action(name)->shortcutContext() == Qt::WidgetWithChildrenShortcut, name);
    for (const char* name : {"ScriptOpen", "ScriptSave", "ScriptRun", "ScriptTest", "ScriptStop"})
        QVERIFY2(p.action(name)->shortcutContext() == Qt::WindowShortcut, name);

    QMenu* menu = menuNamed(*p.window, QStringLiteral("Сценарий"));
    QVERIFY(menu);
    QCOMPARE(actionNames(menu->actions()),
             (QStringList{QStringLiteral("ScriptOpen"), QStringLiteral("ScriptLoad"), QStringLiteral("ScriptSave"),
                          QStringLiteral("-"), QStringLiteral("ScriptAdd"), QStringLiteral("ScriptEmpty"),
                          QStringLiteral("ScriptClone"), QStringLiteral("ScriptEdit"), QStringLiteral("ScriptUp"),
                          QStringLiteral("ScriptDown"), QStringLiteral("-"), QStringLiteral("ScriptDel"),
                          QStringLiteral("ScriptClr"), QStringLiteral("-"), QStringLiteral("ScriptRun"),
                          QStringLiteral("ScriptTest"), QStringLiteral("ScriptStop"), QStringLiteral("-"),
                          QStringLiteral("LogToggle"), QStringLiteral("LogsDelete"), QStringLiteral("-"),
                          QStringLiteral("ScriptLibrary")}));
    // The menu sits between "Системы" and the view menu.
    QStringList menus;
    for (QAction* a : p.window->menuBar()->actions())
        menus << a->text();
    QCOMPARE(menus.indexOf(QStringLiteral("Сценарий")), menus.indexOf(QStringLiteral("Системы")) + 1);
    QVERIFY(page->panel()->actions().contains(p.action("ScriptStop")));
    QVERIFY(page->popup()->actions().contains(p.action("ScriptEdit")));

    // "Добавить в сценарий" belongs to the rating's menu, popup menu and buttons.
    QVERIFY(menuNamed(*p.window, QStringLiteral("Рейтинг"))->actions().contains(p.action("RatingsToScript")));
    QVERIFY(p.window->ratingsPage()->popup()->actions().contains(p.action("RatingsToScript")));
    QVERIFY(p.window->ratingsPage()->panel()->actions().contains(p.action("RatingsToScript")));
}

void ScriptPageTest::listShowsEveryLineInNormalForm()
{
    writeScript({kFirst, QString(), kThird});
    {
        Program p(m_dir->path());
        ui::ScriptPage* page = p.window->scriptPage();
        QAbstractItemModel* model = page->list()->model();
        QAbstractItemModelTester tester(model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(model->rowCount(), 0);
        QCOMPARE(page->statusPanel(0)->text(), QStringLiteral("Строк: 0"));
        p.window->initialise();
        QCOMPARE(model->rowCount(), 3);
        QCOMPARE(model->columnCount(), 9);
        QCOMPARE(page->statusPanel(0)->text(), QStringLiteral("Строк: 3"));
        QCOMPARE(page->statusPanel(1)->text(), QStringLiteral("Цикл: 0"));
        QCOMPARE(page->statusPanel(2)->text(), QStringLiteral("Строка: 0"));
        QCOMPARE(page->statusPanel(3)->text(), QStringLiteral("Ставок: 0"));

        // Codes in upper case, the missing words of a filter filled in.
        QCOMPARE(rowTexts(model, 0),
                 (QStringList{QStringLiteral("первая"),
                              QStringLiteral("Исключить 3 тиражей; Первая; Удалить ставки; Только новые ставки"),
                              QStringLiteral("TSD1#NUMS:10#LNO:#SF:0"), QString(), QString(), QString(),
                              QStringLiteral("BMF2#SUMS:20#LMV:5#SF:0"), QString(), QString()}));
        QCOMPARE(rowTexts(model, 1), QStringList(9, QString()));
        QCOMPARE(rowTexts(model, 2),
                 (QStringList{QString(), QStringLiteral("Исходный список; Случайно; Все создаваемые ставки"),
                              QStringLiteral("TSD1#NUMS:10#LMV:5#SF:1"), QString(), QString(), QString(), QString(),
                              QString(), QString()}));
        // Asked again after another row, the first row is the same.
        QCOMPARE(model->index(0, 0).data().toString(), QStringLiteral("первая"));

        page->list()->setColumnWidth(0, 222);
    }
    // Column widths are kept for the next start.
    const QString state = m_dir->filePath(QStringLiteral("Vertoma_5x54.frm"));
    QCOMPARE(core::StateReadInt(state, core::kMainWindowSection, QStringLiteral("lvScript.Column0"), 0), 222);
    Program again(m_dir->path());
    QCOMPARE(again.window->scriptPage()->list()->horizontalHeader()->sectionSize(0), 222);
}

void ScriptPageTest::editingCommandsThroughTheWindow()
{
    writeScript({kFirst, QString(), kThird});
    Program p(m_dir->path());
    p.window->initialise();
    ui::ScriptPage* page = p.window->scriptPage();
    QTableView* list = page->list();
    p.showOn(page);
    list->setFocus();
    p.window->combsPage()->excludeBox()->setValue(4);
    QList<testsupport::FakeUserIo::ScriptLineStart>& starts = p.io.scriptLineStarts;

    // Ctrl+Ins: a new line with the combination page's excluded draws; it becomes the only
    // selected and focused row and is stored at once.
    const QString added = QStringLiteral("FULL:0#LAST|TSD1#NUMS:5| | | | | | |новая");
    p.io.scriptLineEdits.enqueue(added);
    QTest::keyClick(list, Qt::Key_Insert, Qt::ControlModifier);
    QCOMPARE(starts.size(), 1);
    QCOMPARE(starts[0].line, QString());
    QCOMPARE(starts[0].caption, QStringLiteral("Создание новой строки"));
    QCOMPARE(starts[0].defaultExclude, 4);
    QCOMPARE(storedScript(), (QStringList{kFirst, QString(), kThird, added}));
    QCOMPARE(page->focusedRow(), 3);
    QCOMPARE(page->selectedRows(), QList<int>{3});
    QCOMPARE(page->statusPanel(0)->text(), QStringLiteral("Строк: 4"));
    // A cancelled editor adds nothing.
    p.io.scriptLineEdits.enqueue(std::nullopt);
    QTest::keyClick(list, Qt::Key_Insert, Qt::ControlModifier);
    QCOMPARE(starts.size(), 2);
    QCOMPARE(p.session.script().lineCount(), 4);

    // A double click edits the row in place.
    const QString edited = QStringLiteral("CURR:0#ALL|TSD1#NUMS:7| | | | | | |правка");
    p.io.scriptLineEdits.enqueue(edited);
    const QPoint first = list->visualRect(list->model()->index(0, 1)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, first);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, first);
    QCOMPARE(starts.size(), 3);
    QCOMPARE(starts[2].line, kFirst);
    QCOMPARE(starts[2].caption, QStringLiteral("Редактирование строки"));
    QCOMPARE(storedScript().value(0), edited);
    QCOMPARE(list->model()->index(0, 0).data().toString(), QStringLiteral("правка"));
    QCOMPARE(page->focusedRow(), 0);
    // A separator has nothing to edit or clone.
    const QPoint separator = list->visualRect(list->model()->index(1, 1)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, separator);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, separator);
    QTest::keyClick(list, Qt::Key_K, Qt::ControlModifier);
    QCOMPARE(starts.size(), 3);

    // Ctrl+K clones the focused row to the end.
    list->setCurrentIndex(list->model()->index(2, 0));
    p.io.scriptLineEdits.enqueue(kThird);
    QTest::keyClick(list, Qt::Key_K, Qt::ControlModifier);
    QCOMPARE(starts.size(), 4);
    QCOMPARE(starts[3].line, kThird);
    QCOMPARE(starts[3].caption, QStringLiteral("Создание новой строки"));
    QCOMPARE(storedScript(), (QStringList{edited, QString(), kThird, added, kThird}));
    QCOMPARE(page->selectedRows(), QList<int>{4});

    // Ctrl+Alt+Ins: a separator at the end.
    QTest::keyClick(list, Qt::Key_Insert, Qt::ControlModifier | Qt::AltModifier);
    QCOMPARE(storedScript(), (QStringList{edited, QString(), kThird, added, kThird, QString()}));
    QCOMPARE(page->focusedRow(), 5);

    // Ctrl+Up and Ctrl+Down move the focused line, which stays focused.
    list->setCurrentIndex(list->model()->index(3, 0));
    QTest::keyClick(list, Qt::Key_Up, Qt::ControlModifier);
    QCOMPARE(storedScript(), (QStringList{edited, QString(), added, kThird, kThird, QString()}));
    QCOMPARE(page->focusedRow(), 2);
    QCOMPARE(page->selectedRows(), QList<int>{2});
    QTest::keyClick(list, Qt::Key_Up, Qt::ControlModifier);
    QTest::keyClick(list, Qt::Key_Up, Qt::ControlModifier);
    QCOMPARE(storedScript(), (QStringList{added, edited, QString(), kThird, kThird, QString()}));
    QCOMPARE(page->focusedRow(), 0);
    // The first row goes no higher.
    QVERIFY(!p.enabled("ScriptUp"));
    QTest::keyClick(list, Qt::Key_Up, Qt::ControlModifier);
    QCOMPARE(storedScript().value(0), added);
    QTest::keyClick(list, Qt::Key_Down, Qt::ControlModifier);
    QCOMPARE(storedScript(), (QStringList{edited, added, QString(), kThird, kThird, QString()}));
    QCOMPARE(page->focusedRow(), 1);

    // Deleting asks first; No keeps the rows.
    list->clearSelection();
    list->selectionModel()->select(list->model()->index(1, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    list->selectionModel()->select(list->model()->index(4, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    p.io.answers.enqueue(false);
    p.action("ScriptDel")->trigger();
    QCOMPARE(p.io.questions.size(), 1);
    QCOMPARE(p.io.questions[0].caption, QStringLiteral("Предупреждение"));
    QCOMPARE(p.io.questions[0].text,
             QStringLiteral("Удалить все выделенные записи (всего будет удалено 2 записи(ей))?"));
    QCOMPARE(p.session.script().lineCount(), 6);
    p.io.answers.enqueue(true);
    p.action("ScriptDel")->trigger();
    QCOMPARE(storedScript(), (QStringList{edited, QString(), kThird, QString()}));
    QVERIFY(!page->hasSelection());
    QVERIFY(!p.enabled("ScriptDel"));
    list->selectRow(3);
    p.io.answers.enqueue(true);
    p.action("ScriptDel")->trigger();
    QCOMPARE(p.io.questions.last().text, QStringLiteral("Удалить выделенную запись?"));
    QCOMPARE(storedScript(), (QStringList{edited, QString(), kThird}));

    // "Удалить все" counts every row.
    p.io.answers.enqueue(true);
    p.action("ScriptClr")->trigger();
    QCOMPARE(p.io.questions.last().text,
             QStringLiteral("Удалить все выделенные записи (всего будет удалено 3 записи(ей))?"));
    QCOMPARE(storedScript(), QStringList());
    QCOMPARE(list->model()->rowCount(), 0);
    QCOMPARE(page->statusPanel(0)->text(), QStringLiteral("Строк: 0"));
}

void ScriptPageTest::filesThroughTheWindow()
{
    writeScript({kFirst, QString(), kThird});
    Program p(m_dir->path());
    p.window->initialise();
    ui::ScriptPage* page = p.window->scriptPage();
    const QString saved = m_dir->filePath(QStringLiteral("копия.lsc"));

    p.io.pickedFiles.enqueue(saved);
    p.action("ScriptSave")->trigger();
    QCOMPARE(p.io.pickerFilters.last(), QStringLiteral("Файлы сценариев (*.lsc)"));
    QStringList read;
    QVERIFY(scripts::ScriptReadFile(saved, read, nullptr, nullptr));
    QCOMPARE(read, (QStringList{kFirst, QString(), kThird}));

    // A file of one line: open replaces, the append after a command line puts a separator first.
    const QString single = m_dir->filePath(QStringLiteral("одна.lsc"));
    QVERIFY(scripts::ScriptWriteFile(single, {kThird}, nullptr));
    p.io.pickedFiles.enqueue(single);
    p.action("ScriptOpen")->trigger();
    QCOMPARE(storedScript(), QStringList{kThird});
    QCOMPARE(page->list()->model()->rowCount(), 1);
    p.io.pickedFiles.enqueue(saved);
    p.action("ScriptLoad")->trigger();
    QCOMPARE(storedScript(), (QStringList{kThird, QString(), kFirst, QString(), kThird}));
    QCOMPARE(page->statusPanel(0)->text(), QStringLiteral("Строк: 5"));
    // A cancelled picker changes nothing.
    p.io.pickedFiles.enqueue(QString());
    p.action("ScriptOpen")->trigger();
    QCOMPARE(p.session.script().lineCount(), 5);
}

void ScriptPageTest::enablingRules()
{
    {
        Program p(m_dir->path());
        p.window->initialise();
        QCOMPARE(states(p, {"ScriptOpen", "ScriptAdd", "ScriptLoad", "LogToggle", "LogsDelete", "ScriptSave",
                            "ScriptEmpty", "ScriptClone", "ScriptEdit", "ScriptDel", "ScriptUp", "ScriptDown",
                            "ScriptClr", "ScriptRun", "ScriptTest", "ScriptStop"}),
                 (QStringList{QStringLiteral("ScriptOpen"), QStringLiteral("ScriptAdd"), QStringLiteral("ScriptLoad"),
                              QStringLiteral("LogToggle"), QStringLiteral("LogsDelete"), QStringLiteral("!ScriptSave"),
                              QStringLiteral("!ScriptEmpty"), QStringLiteral("!ScriptClone"),
                              QStringLiteral("!ScriptEdit"), QStringLiteral("!ScriptDel"), QStringLiteral("!ScriptUp"),
                              QStringLiteral("!ScriptDown"), QStringLiteral("!ScriptClr"), QStringLiteral("!ScriptRun"),
                              QStringLiteral("!ScriptTest"), QStringLiteral("!ScriptStop")}));
        // The log switch is stored at once and read at the next start.
        QVERIFY(!p.action("LogToggle")->isChecked());
        p.action("LogToggle")->trigger();
        QVERIFY(p.action("LogToggle")->isChecked());
        QVERIFY(p.session.script().logEnabled());
        QVERIFY(core::StateReadBool(p.session.folder().stateFile(), core::kMainWindowSection,
                                    QStringLiteral("ScriptLogEnabled"), false));
        // No logs yet: the deletion says so.
        p.action("LogsDelete")->trigger();
        QCOMPARE(p.io.messageTexts(app::MessageKind::Information), QStringList{QStringLiteral("Файлы журналов не найдены!")});
    }

    writeScript({kFirst, QString(), kThird});
    Program p(m_dir->path());
    p.window->initialise();
    QVERIFY(p.action("LogToggle")->isChecked());
    QTableView* list = p.window->scriptPage()->list();
    QCOMPARE(states(p, {"ScriptSave", "ScriptEmpty", "ScriptClr", "ScriptRun", "ScriptTest", "ScriptClone",
                        "ScriptEdit", "ScriptDel", "ScriptUp", "ScriptDown"}),
             (QStringList{QStringLiteral("ScriptSave"), QStringLiteral("ScriptEmpty"), QStringLiteral("ScriptClr"),
                          QStringLiteral("ScriptRun"), QStringLiteral("ScriptTest"), QStringLiteral("!ScriptClone"),
                          QStringLiteral("!ScriptEdit"), QStringLiteral("!ScriptDel"), QStringLiteral("!ScriptUp"),
                          QStringLiteral("!ScriptDown")}));
    list->selectRow(0);
    QCOMPARE(states(p, {"ScriptClone", "ScriptEdit", "ScriptDel", "ScriptUp", "ScriptDown"}),
             (QStringList{QStringLiteral("ScriptClone"), QStringLiteral("ScriptEdit"), QStringLiteral("ScriptDel"),
                          QStringLiteral("!ScriptUp"), QStringLiteral("ScriptDown")}));
    // The separator moves but is no command.
    list->selectRow(1);
    QCOMPARE(states(p, {"ScriptClone", "ScriptEdit", "ScriptUp", "ScriptDown"}),
             (QStringList{QStringLiteral("!ScriptClone"), QStringLiteral("!ScriptEdit"), QStringLiteral("ScriptUp"),
                          QStringLiteral("ScriptDown")}));
    list->selectRow(2);
    QCOMPARE(states(p, {"ScriptClone", "ScriptUp", "ScriptDown"}),
             (QStringList{QStringLiteral("ScriptClone"), QStringLiteral("ScriptUp"), QStringLiteral("!ScriptDown")}));
    // The focus alone, without a selection, is enough to move and edit but not to delete.
    list->selectionModel()->setCurrentIndex(list->model()->index(0, 0), QItemSelectionModel::Clear);
    QCOMPARE(states(p, {"ScriptEdit", "ScriptDown", "ScriptDel"}),
             (QStringList{QStringLiteral("ScriptEdit"), QStringLiteral("ScriptDown"), QStringLiteral("!ScriptDel")}));

    // Another operation in progress disables every command of the page, the stop too.
    p.session.services().enterBusy();
    for (const char* name : {"ScriptOpen", "ScriptAdd", "ScriptLoad", "ScriptSave", "ScriptEdit", "ScriptDown",
                             "ScriptClr", "ScriptRun", "ScriptTest", "ScriptStop", "LogToggle", "LogsDelete"})
        QVERIFY2(!p.enabled(name), name);
    p.session.services().leaveBusy();
    QVERIFY(p.enabled("ScriptRun"));

    // Without draws there is nothing to run at.
    QTemporaryDir empty;
    QVERIFY(scripts::ScriptWriteFile(empty.filePath(QStringLiteral("Vertoma_5x54.lss")), {kThird}, nullptr));
    Program bare(empty.path());
    bare.window->initialise();
    QVERIFY(bare.session.archive().draws().empty());
    QVERIFY(bare.enabled("ScriptSave"));
    QVERIFY(!bare.enabled("ScriptRun"));
    QVERIFY(!bare.enabled("ScriptTest"));
}

void ScriptPageTest::runLocksTheWindowAndStopAnswers()
{
    // The start list is every combination of 1..7 (21 rows): FIRST stakes 1 2 3 4 5, LAST
    // 3 4 5 6 7.
    writeScript({QStringLiteral("FULL:0#FIRST| | | | | | | |один"), QString(),
                 QStringLiteral("FULL:0#LAST| | | | | | | |два")});
    Program p(m_dir->path());
    p.window->initialise();
    ui::ScriptPage* page = p.window->scriptPage();
    p.showOn(page);
    app::ScriptController& script = p.session.script();

    struct Seen
    {
        int row;
        QList<int> selected;
        QStringList panels;
        bool pagesEnabled;
        QStringList enabled;
    };
    QList<Seen> seen;
    const char* const commands[] = {"ScriptRun",  "ScriptTest", "ScriptOpen", "ScriptAdd",  "ScriptClr",
                                    "ScriptStop", "LogToggle",  "StakeAdd",   "CombsGen",   "DrawsAdd",
                                    "RatingsRefresh", "EditConfig"};
    std::function<void(int)> during;
    connect(&script, &app::ScriptController::lineRunning, this, [&](int row) {
        if (row < 0)
            return;
        Seen s{row, page->selectedRows(), {}, false, {}};
        for (int i = 0; i < ui::ScriptPage::kPanelCount; ++i)
            s.panels << page->statusPanel(i)->text();
        s.pagesEnabled = p.window->drawsPage()->isEnabled() || p.window->combsPage()->isEnabled() ||
                         p.window->statPage()->isEnabled() || page->list()->isEnabled();
        for (const char* name : commands) {
            if (p.enabled(name))
                s.enabled << QString::fromLatin1(name);
        }
        seen << s;
        if (during)
            during(row);
    });

    // F10: both command lines run, each selected while it runs; the separator is skipped.
    QTest::keyClick(page->list(), Qt::Key_F10);
    QCOMPARE(seen.size(), 2);
    QCOMPARE(seen[0].row, 0);
    QCOMPARE(seen[1].row, 2);
    QCOMPARE(seen[0].selected, QList<int>{0});
    QCOMPARE(seen[1].selected, QList<int>{2});
    QVERIFY(!seen[0].pagesEnabled);
    // While a run goes on only the stop is within reach.
    QCOMPARE(seen[0].enabled, QStringList{QStringLiteral("ScriptStop")});
    QCOMPARE(seen[1].panels.mid(1, 3),
             (QStringList{QStringLiteral("Цикл: 1"), QStringLiteral("Строка: 1"), QStringLiteral("Ставок: 1")}));
    // Over: everything comes back.
    QVERIFY(p.window->drawsPage()->isEnabled() && p.window->combsPage()->isEnabled() &&
            p.window->statPage()->isEnabled() && page->list()->isEnabled());
    for (const char* name : {"ScriptRun", "ScriptTest", "ScriptOpen", "StakeAdd", "CombsGen", "DrawsAdd"})
        QVERIFY2(p.enabled(name), name);
    QVERIFY(!p.enabled("ScriptStop"));
    QVERIFY(!page->hasSelection());
    QCOMPARE(page->statusPanel(1)->text(), QStringLiteral("Цикл: 0"));
    QCOMPARE(page->statusPanel(3)->text(), QStringLiteral("Ставок: 2"));
    QCOMPARE(page->statusPanel(4)->text(), QStringLiteral("Сценарий завершен!"));

    // Again, now closing the window during the first line (answered No, the run goes on), then
    // "Стоп" (answered Yes): the line ends before it stakes and the next one never starts.
    seen.clear();
    bool closed = true;
    bool stopEnabledAfter = true;
    during = [&](int row) {
        if (row != 0)
            return;
        p.io.answers.enqueue(false);
        closed = p.window->close();
        p.io.answers.enqueue(true);
        QTest::keyClick(p.window.get(), Qt::Key_X, Qt::ControlModifier);
        stopEnabledAfter = p.enabled("ScriptStop");
    };
    const int questions = int(p.io.questions.size());
    p.action("ScriptRun")->trigger();
    QVERIFY(!closed);
    QVERIFY(p.window->isVisible());
    QCOMPARE(int(p.io.questions.size()), questions + 2);
    for (int i = questions; i < questions + 2; ++i) {
        QCOMPARE(p.io.questions[i].caption, QStringLiteral("Подтверждение"));
        QCOMPARE(p.io.questions[i].text, QStringLiteral("Остановить выполнение сценария?"));
    }
    // Stopping: the stop is not offered twice.
    QVERIFY(!stopEnabledAfter);
    QCOMPARE(seen.size(), 1);
    QCOMPARE(script.lastRunEnd(), app::ScriptController::RunEnd::Stopped);
    QCOMPARE(page->statusPanel(3)->text(), QStringLiteral("Ставок: 0"));
    QVERIFY(p.window->drawsPage()->isEnabled());
    QVERIFY(p.enabled("ScriptRun"));
    QVERIFY(!p.enabled("ScriptStop"));
}

void ScriptPageTest::backTestCountsItsCycles()
{
    writeScript({QStringLiteral("FULL:0#FIRST| | | | | | | |один")});
    Program p(m_dir->path());
    p.window->initialise();
    ui::ScriptPage* page = p.window->scriptPage();
    p.showOn(page);
    QStringList cycles;
    QList<int> offsets;
    connect(&p.session.script(), &app::ScriptController::lineRunning, this, [&](int row) {
        if (row < 0)
            return;
        cycles << page->statusPanel(1)->text();
        offsets << p.session.archive().offset();
    });

    // Cancelled: nothing runs.
    p.io.testCounts.enqueue(0);
    QTest::keyClick(page->list(), Qt::Key_F10, Qt::ControlModifier);
    QCOMPARE(p.io.testCountMaxima, QList<int>{int(p.session.archive().draws().size()) - 1});
    QVERIFY(cycles.isEmpty());

    // Three tests: the offsets 3, 2, 1, one stake each, and back at offset 0.
    p.io.testCounts.enqueue(3);
    QTest::keyClick(page->list(), Qt::Key_F10, Qt::ControlModifier);
    QCOMPARE(cycles, (QStringList{QStringLiteral("Цикл: 1"), QStringLiteral("Цикл: 2"), QStringLiteral("Цикл: 3")}));
    QCOMPARE(offsets, (QList<int>{3, 2, 1}));
    QCOMPARE(p.session.archive().offset(), 0);
    QCOMPARE(page->statusPanel(3)->text(), QStringLiteral("Ставок: 3"));
    QCOMPARE(page->statusPanel(4)->text(), QStringLiteral("Сценарий завершен!"));
    QVERIFY(p.enabled("ScriptTest"));
    QVERIFY(p.window->statPage()->isEnabled());
}

void ScriptPageTest::ratingRowsBecomeScriptLines()
{
    core::TRatingsArray rows(2);
    rows[0].Name = QStringLiteral("01.002: мои числа @ EXCL:3#RAND#NEX + TSD1#NUMS:10#LMV:5#SF:1");
    rows[0].Count = 1;
    rows[1].Name = QStringLiteral("Вручную");
    rows[1].Count = 1;
    QString error;
    QVERIFY2(scripts::RatingsWriteFile(m_dir->filePath(QStringLiteral("Vertoma_5x54.lrt")), rows, &error),
             qPrintable(error));
    Program p(m_dir->path());
    p.window->initialise();
    ui::RatingsPage* ratings = p.window->ratingsPage();
    QAbstractItemModel* model = ratings->list()->model();
    QCOMPARE(model->rowCount(), 2);
    int scriptRow = -1;
    for (int r = 0; r < model->rowCount(); ++r) {
        if (model->index(r, 0).data().toString().startsWith(QStringLiteral("01.002")))
            scriptRow = r;
    }
    QVERIFY(scriptRow >= 0);
    p.showOn(ratings);

    QVERIFY(!p.enabled("RatingsToScript"));
    ratings->list()->selectRow(scriptRow);
    QVERIFY(p.enabled("RatingsToScript"));
    p.action("RatingsToScript")->trigger();
    // The header and filter come back as fields; the prefix of the stake comment stays.
    const QStringList lines = storedScript();
    QCOMPARE(lines.size(), 1);
    QCOMPARE(scripts::ScriptLineField(lines[0], 1), QStringLiteral("EXCL:3#RAND#NEX"));
    QCOMPARE(scripts::ScriptLineField(lines[0], 2), QStringLiteral("TSD1#NUMS:10#LMV:5#SF:1"));
    for (int field = 3; field <= 8; ++field)
        QVERIFY(scripts::ScriptLineField(lines[0], field).isEmpty());
    QCOMPARE(scripts::ScriptLineField(lines[0], 9), QStringLiteral("01.002: мои числа"));
    // The window shows the script with the new line picked.
    ui::ScriptPage* page = p.window->scriptPage();
    QCOMPARE(p.window->mainPages()->currentWidget(), static_cast<QWidget*>(page));
    QCOMPARE(page->focusedRow(), 0);
    QCOMPARE(page->statusPanel(0)->text(), QStringLiteral("Строк: 1"));
    QVERIFY(p.io.messageTexts(app::MessageKind::Error).isEmpty());

    // Both rows: the manual one gives no filter and is refused by name, the other is added again.
    ratings->list()->selectAll();
    p.action("RatingsToScript")->trigger();
    QCOMPARE(p.io.messageTexts(app::MessageKind::Error),
             QStringList{QStringLiteral("Строку\n\nВручную\n\nневозможно добавить в сценарий!")});
    QCOMPARE(storedScript(), (QStringList{lines[0], lines[0]}));
    QCOMPARE(page->focusedRow(), 1);
}

QTEST_MAIN(ScriptPageTest)
#include "scriptpage_test.moc"
