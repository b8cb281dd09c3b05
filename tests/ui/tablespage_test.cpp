// The page "Регуляры" driven through the real main window on a temporary data folder.

#include "StakesFixture.h"
#include "app/ArchiveController.h"
#include "app/CandidatesController.h"
#include "app/TablesController.h"
#include "core/IniFile.h"
#include "stakes/StakeTables.h"
#include "ui/CombsPage.h"
#include "ui/CommandBar.h"
#include "ui/StakesPage.h"
#include "ui/TablesModel.h"
#include "ui/TablesPage.h"

#include <QAbstractItemModelTester>
#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>
#include <QTableView>

#include <algorithm>

using stakestest::Program;

namespace {

const QStringList kCommands = {QStringLiteral("TablesAdd"), QStringLiteral("TablesDel"),
                               QStringLiteral("TablesStakeAdd"), QStringLiteral("TablesStakeTest")};

QStringList actionNames(const QList<QAction*>& actions)
{
    QStringList names;
    for (const QAction* a : actions) {
        if (!a->isSeparator())
            names << a->objectName();
    }
    return names;
}

QMenu* menuNamed(ui::MainWindow& window, const QString& caption)
{
    for (QAction* a : window.menuBar()->actions()) {
        if (a->text() == caption)
            return a->menu();
    }
    return nullptr;
}

stakes::TTableRec rule(const QString& comment, core::TComb start, int step)
{
    stakes::TTableRec rec = stakes::NewTableRec();
    stakes::SetTableComment(rec, comment);
    rec.StartComb = rec.CurrentComb = start;
    rec.Step = step;
    return rec;
}

QString cell(const QTableView* list, int row, int column)
{
    return list->model()->index(row, column).data().toString();
}

void selectRows(QTableView* list, std::initializer_list<int> rows)
{
    list->clearSelection();
    for (int row : rows)
        list->selectionModel()->select(list->model()->index(row, 0),
                                       QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

} // namespace

class TablesPageTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void outlineMenusAndActions();
    void actionsFollowTheSelectionAndTheBusyState();
    void rulesAreAddedStakedTestedAndDeleted();
    void aRuleOfNonsenseShowsRed();
    void thePageSwitchDropsAndReadsTheRules();

private:
    QString tablesFile() const { return m_dir->filePath(QStringLiteral("Vertoma_5x54.ltb")); }
    bool writeRules(const stakes::TTablesArray& rules) const
    {
        return stakes::TablesWriteFile(tablesFile(), rules, nullptr);
    }
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TablesPageTest::init()
{
    m_dir = stakestest::MakeDataFolder();
    QVERIFY(m_dir);
}

void TablesPageTest::outlineMenusAndActions()
{
    Program p(m_dir->path());
    ui::TablesPage* page = p.window->tablesPage();
    QVERIFY(page);
    QTabWidget* pages = p.window->mainPages();
    QCOMPARE(pages->tabText(pages->indexOf(page)), QStringLiteral("Регуляры"));
    QCOMPARE(page->objectName(), QStringLiteral("tsTables"));
    QVERIFY(pages->isTabVisible(pages->indexOf(page)));
    QTableView* list = page->list();
    QCOMPARE(list->objectName(), QStringLiteral("lvTables"));
    QCOMPARE(list->selectionMode(), QAbstractItemView::ExtendedSelection);
    QCOMPARE(list->selectionBehavior(), QAbstractItemView::SelectRows);
    QVERIFY(list->showGrid());
    QVERIFY(!list->horizontalHeader()->sectionsClickable());
    QAbstractItemModelTester tester(list->model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    QStringList captions;
    for (int c = 0; c < list->model()->columnCount(); ++c)
        captions << list->model()->headerData(c, Qt::Horizontal).toString();
    QCOMPARE(captions, (QStringList{QStringLiteral("Комментарий"), QStringLiteral("Стартовая комбинация"),
                                    QStringLiteral("Шаг"), QStringLiteral("Текущая комбинация"),
                                    QStringLiteral("Ставок")}));
    // The initial widths, widened where the caption would be cut in this font.
    const int widths[] = {200, 150, 60, 150, 60};
    for (int c = 0; c < 5; ++c)
        QCOMPARE(list->columnWidth(c), std::max(widths[c], list->horizontalHeader()->sectionSizeHint(c)));

    QCOMPARE(page->panel()->objectName(), QStringLiteral("pnlTables"));
    QCOMPARE(actionNames(page->panel()->actions()), kCommands);
    QCOMPARE(page->popup()->objectName(), QStringLiteral("pmTables"));
    QCOMPARE(actionNames(page->popup()->actions()), kCommands);
    QMenu* menu = menuNamed(*p.window, QStringLiteral("Регуляры"));
    QVERIFY(menu);
    QCOMPARE(actionNames(menu->actions()), kCommands);
    QVERIFY(actionNames(p.window->stakesPage()->popup()->actions()).contains(QStringLiteral("TablesStakeAdd")));

    const std::pair<const char*, const char*> texts[] = {
        {"TablesAdd", "Добавить регулярную ставку"},  {"TablesDel", "Удалить регулярную ставку"},
        {"TablesStakeAdd", "Сделать ставку по регуляру"}, {"TablesStakeTest", "Тест регуляров"},
        {"TabTables", "Вкладка \"Регуляры\""},
    };
    for (const auto& [name, text] : texts)
        QCOMPARE(p.action(name)->text(), QString::fromUtf8(text));
    QCOMPARE(p.action("TablesAdd")->statusTip(), QStringLiteral("Добавить регулярную табличную ставку"));
    QCOMPARE(p.action("TablesDel")->statusTip(), QStringLiteral("Удалить выделенные регулярные табличные ставки"));
    QCOMPARE(p.action("TablesStakeAdd")->statusTip(), QStringLiteral("Создать ставку по выделенному регуляру"));
    QCOMPARE(p.action("TablesStakeTest")->statusTip(), QStringLiteral("Тестирование регулярных ставок"));
    QCOMPARE(p.action("TabTables")->statusTip(),
             QStringLiteral("Скрыть / показать вкладку \"Регулярные ставки\""));
    QVERIFY(p.action("TabTables")->isCheckable());
    QVERIFY(p.action("TabTables")->isChecked());
    QVERIFY(actionNames(menuNamed(*p.window, QStringLiteral("Вид"))->actions()).contains(QStringLiteral("TabTables")));
}

void TablesPageTest::actionsFollowTheSelectionAndTheBusyState()
{
    QVERIFY(writeRules({rule(QStringLiteral("a"), core::TComb{{1, 2, 3, 4, 5}}, 1)}));
    Program p(m_dir->path());
    p.window->initialise();
    QCOMPARE(p.window->tablesPage()->list()->model()->rowCount(), 1);
    QVERIFY(p.enabled("TablesAdd"));
    QVERIFY(p.enabled("TabTables"));
    for (const char* name : {"TablesDel", "TablesStakeAdd", "TablesStakeTest"})
        QVERIFY2(!p.enabled(name), name);
    selectRows(p.window->tablesPage()->list(), {0});
    for (const char* name : {"TablesAdd", "TablesDel", "TablesStakeAdd", "TablesStakeTest"})
        QVERIFY2(p.enabled(name), name);
    p.session.services().enterBusy();
    for (const char* name : {"TablesAdd", "TablesDel", "TablesStakeAdd", "TablesStakeTest", "TabTables"})
        QVERIFY2(!p.enabled(name), name);
    p.session.services().leaveBusy();
    QVERIFY(p.enabled("TablesStakeTest"));
}

void TablesPageTest::rulesAreAddedStakedTestedAndDeleted()
{
    Program p(m_dir->path());
    p.window->initialise();
    QTableView* combs = p.window->combsPage()->list();
    QTableView* list = p.window->tablesPage()->list();
    QCOMPARE(combs->model()->rowCount(), 21);

    // Three combinations selected at positions 4, 9 and 12 make three rules.
    selectRows(combs, {3, 8, 11});
    p.io.tableEdits.enqueue([](stakes::TTableRec& rec) {
        stakes::SetTableComment(rec, QStringLiteral("Ряд"));
        rec.Step = 2;
    });
    p.action("TablesAdd")->trigger();
    QCOMPARE(p.io.tableStarts.size(), 1);
    QCOMPARE(p.io.tableStarts[0].StakeCount, 3);
    QCOMPARE(list->model()->rowCount(), 3);
    QCOMPARE(cell(list, 0, 0), QStringLiteral("Ряд (4)"));
    QCOMPARE(cell(list, 1, 0), QStringLiteral("Ряд (9)"));
    QCOMPARE(cell(list, 2, 0), QStringLiteral("Ряд (12)"));
    // Each rule starts from its combination of the list.
    for (const auto& [row, position] : {std::pair{0, 3}, std::pair{2, 11}}) {
        QStringList numbers;
        for (std::uint8_t n : p.session.candidates().combs()[std::size_t(position)].v)
            numbers << QString::number(n);
        QCOMPARE(cell(list, row, 1), numbers.join(QLatin1Char(';')));
        QCOMPARE(cell(list, row, 3), numbers.join(QLatin1Char(';')));
    }
    QCOMPARE(cell(list, 0, 2), QStringLiteral("2"));
    QCOMPARE(cell(list, 0, 4), QStringLiteral("0"));
    QCOMPARE(list->model()->index(0, 2).data(Qt::TextAlignmentRole).toInt(), int(Qt::AlignCenter));
    stakes::TTablesArray onDisk;
    QVERIFY(stakes::TablesReadFile(tablesFile(), onDisk, nullptr, nullptr));
    QCOMPARE(onDisk.size(), std::size_t(3));

    // A stake from the second rule through the stake dialog; the rule moves on by its step.
    const QString start = cell(list, 1, 1);
    selectRows(list, {1});
    stakes::TStakeRec offered;
    p.io.stakeEdits.enqueue([&offered](stakes::TStakeRec& rec, int&) { offered = rec; });
    p.action("TablesStakeAdd")->trigger();
    QCOMPARE(offered.Kind, std::uint8_t(stakes::KindTable));
    QCOMPARE(offered.DrawNum, 1115);
    QCOMPARE(stakes::StakeComment(offered), QStringLiteral("Ряд (9)"));
    QCOMPARE(cell(list, 1, 4), QStringLiteral("1"));
    QVERIFY(cell(list, 1, 3) != start);
    QCOMPARE(p.panel(4), QStringLiteral("Ставок: 1"));

    // Two rules tested over three draws: six stakes, checked at once, three steps each.
    selectRows(list, {0, 2});
    p.io.testCounts.enqueue(3);
    p.action("TablesStakeTest")->trigger();
    QCOMPARE(p.io.testCountMaxima.last(), 1113);
    QCOMPARE(p.panel(4), QStringLiteral("Ставок: 7"));
    QCOMPARE(cell(list, 0, 4), QStringLiteral("3"));
    QCOMPARE(cell(list, 2, 4), QStringLiteral("3"));
    QCOMPARE(p.session.archive().offset(), 0);
    QVERIFY(p.io.messages.isEmpty());

    // Deleting asks first; No keeps the rules.
    selectRows(list, {0, 1});
    p.io.answers.enqueue(false);
    p.action("TablesDel")->trigger();
    QCOMPARE(list->model()->rowCount(), 3);
    QCOMPARE(p.io.questions.last().text,
             QStringLiteral("Удалить все выделенные записи (всего будет удалено 2 записи(ей))?"));
    p.io.answers.enqueue(true);
    p.action("TablesDel")->trigger();
    QCOMPARE(list->model()->rowCount(), 1);
    QCOMPARE(cell(list, 0, 0), QStringLiteral("Ряд (12)"));
    QVERIFY(!p.window->tablesPage()->hasSelection());
    QVERIFY(!p.enabled("TablesDel"));
}

void TablesPageTest::aRuleOfNonsenseShowsRed()
{
    QVERIFY(writeRules({rule(QStringLiteral("Хороший"), core::TComb{{1, 2, 3, 4, 5}}, 1),
                        rule(QStringLiteral("Плохой"), core::TComb{{1, 1, 3, 4, 99}}, 1)}));
    Program p(m_dir->path());
    p.window->initialise();
    QTableView* list = p.window->tablesPage()->list();
    QCOMPARE(cell(list, 1, 3), QStringLiteral("1;1;3;4;99"));
    QCOMPARE(list->model()->index(1, 0).data(Qt::ForegroundRole).value<QColor>(), QColor(Qt::red));
    QVERIFY(list->model()->index(1, 3).data(Qt::ToolTipRole).toString().contains(QStringLiteral("1;1;3;4;99")));
    QVERIFY(!list->model()->index(0, 0).data(Qt::ForegroundRole).isValid());

    selectRows(list, {1});
    p.io.stakeEdits.enqueue([](stakes::TStakeRec&, int&) { QFAIL("no stake dialog for nonsense"); });
    p.action("TablesStakeAdd")->trigger();
    QCOMPARE(p.io.stakeEdits.size(), 1);
    QCOMPARE(p.io.messageTexts(app::MessageKind::Error).size(), 1);
    QCOMPARE(p.panel(4), QStringLiteral("Ставок: 0"));
}

void TablesPageTest::thePageSwitchDropsAndReadsTheRules()
{
    QVERIFY(writeRules({rule(QStringLiteral("a"), core::TComb{{1, 2, 3, 4, 5}}, 1)}));
    {
        Program p(m_dir->path());
        p.window->initialise();
        QTabWidget* pages = p.window->mainPages();
        ui::TablesPage* page = p.window->tablesPage();
        QCOMPARE(page->list()->model()->rowCount(), 1);

        p.action("TabTables")->trigger();
        QVERIFY(!p.action("TabTables")->isChecked());
        QVERIFY(!pages->isTabVisible(pages->indexOf(page)));
        QCOMPARE(page->list()->model()->rowCount(), 0);
        QVERIFY(!p.enabled("TablesAdd"));
        core::IniFile ini(m_dir->filePath(QStringLiteral("Vertoma_5x54.frm")));
        ini.load();
        QCOMPARE(ini.readBool(core::kMainWindowSection, QStringLiteral("TabTables"), true), false);
    }
    {
        // The next start keeps the page hidden; switching it on reads the rules and shows it.
        Program p(m_dir->path());
        p.window->initialise();
        QTabWidget* pages = p.window->mainPages();
        ui::TablesPage* page = p.window->tablesPage();
        QVERIFY(!pages->isTabVisible(pages->indexOf(page)));
        QVERIFY(!p.action("TabTables")->isChecked());
        QCOMPARE(page->list()->model()->rowCount(), 0);
        p.action("TabTables")->trigger();
        QVERIFY(p.action("TabTables")->isChecked());
        QVERIFY(pages->isTabVisible(pages->indexOf(page)));
        QCOMPARE(pages->currentWidget(), page);
        QCOMPARE(page->list()->model()->rowCount(), 1);
        QVERIFY(p.enabled("TablesAdd"));
    }
}

QTEST_MAIN(TablesPageTest)
#include "tablespage_test.moc"
