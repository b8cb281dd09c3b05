// The commands of the page "Ставки" driven through the real main window on a temporary data
// folder: when they are enabled, the stored switches, making stakes, deleting them, the check's
// chart and the logs.

#include "StakesPageFixture.h"
#include "app/CandidatesController.h"
#include "core/TextForms.h"
#include "ui/CombsPage.h"
#include "ui/DrawsPage.h"
#include "ui/StakesModel.h"
#include "ui/StakesPage.h"

#include <QTableView>

using stakestest::kLastDraw;
using stakestest::kStakeMenu;
using stakestest::MixedStakes;
using stakestest::Program;
using stakestest::WriteStakes;

namespace {

void selectOnly(ui::StakesPage* page, int row)
{
    page->grid()->selectionModel()->setCurrentIndex(page->model()->index(row, 0),
                                                    QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

} // namespace

class StakesPageCommandsTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void actionsFollowTheFileTheSelectionsAndTheBusyState();
    void actionsWithStakesInTheFile();
    void switchesAreStoredAtOnce();
    void stakesFromTheDialogAndTheCombinationList();
    void deletingRowsByConditionAndAll();
    void profitGraphAndLogs();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

void StakesPageCommandsTest::init()
{
    m_dir = stakestest::MakeDataFolder();
    QVERIFY(m_dir);
}

void StakesPageCommandsTest::actionsFollowTheFileTheSelectionsAndTheBusyState()
{
    Program p(m_dir->path());
    // Before the stakes file is opened nothing can be staked.
    for (const char* name : {"StakeAdd", "StakeAddRandom", "StakeAddAll", "RatingsRefresh"})
        QVERIFY2(!p.enabled(name), name);
    p.window->initialise();
    QCOMPARE(p.panel(4), QStringLiteral("Ставок: 0"));
    // An empty file: stakes can be made, nothing can be deleted, checked or drawn.
    for (const char* name : {"StakeAdd", "StakeAddRandom", "StakeAddAll", "StakesScroll", "StakesCheckLine",
                             "LogStakes", "LogStakesDelete", "RatingsRefresh"})
        QVERIFY2(p.enabled(name), name);
    for (const char* name : {"StakeAddSelected", "StakeDel", "StakeFilter", "StakeClear", "StakesCheckManual",
                             "StakesGraphDraws", "StakesGraphOverlap", "StakesGraphProfits"})
        QVERIFY2(!p.enabled(name), name);
    // The empty file shows its one blank row, selected.
    QCOMPARE(p.window->stakesPage()->model()->rowCount(), 1);
    QVERIFY(p.window->stakesPage()->hasSelection());

    QTableView* combs = p.window->combsPage()->list();
    combs->selectionModel()->select(combs->model()->index(2, 0),
                                    QItemSelectionModel::Select | QItemSelectionModel::Rows);
    QVERIFY(p.enabled("StakeAddSelected"));
}

void StakesPageCommandsTest::actionsWithStakesInTheFile()
{
    QVERIFY(WriteStakes(m_dir->path(), MixedStakes()));
    Program p(m_dir->path());
    p.window->initialise();
    QCOMPARE(p.window->stakesPage()->model()->rowCount(), 5);
    for (const char* name : {"StakeFilter", "StakeClear", "StakesCheckManual", "StakesGraphDraws"})
        QVERIFY2(p.enabled(name), name);
    // Deleting needs selected grid rows; the stake charts need selected rating rows.
    ui::StakesPage* page = p.window->stakesPage();
    page->grid()->clearSelection();
    QVERIFY(!p.enabled("StakeDel"));
    selectOnly(page, 3);
    QVERIFY(p.enabled("StakeDel"));
    QVERIFY(!p.enabled("StakesGraphOverlap"));
    QVERIFY(!p.enabled("StakesGraphProfits"));

    // Busy: every command waits.
    p.session.services().enterBusy();
    for (const QString& name : kStakeMenu)
        QVERIFY2(!p.window->action(name)->isEnabled(), qPrintable(name));
    p.session.services().leaveBusy();
    QVERIFY(p.enabled("StakeDel"));

    // An empty combination list leaves nothing to stake at random or in full.
    core::TGenSettings few;
    few.Mode = 2;
    few.Param = QStringLiteral("1;2;3");
    p.io.genEdits.enqueue(std::make_pair(few, false));
    p.action("CombsGen")->trigger();
    QVERIFY(p.session.candidates().combs().empty());
    QVERIFY(!p.enabled("StakeAddRandom"));
    QVERIFY(!p.enabled("StakeAddAll"));
    QVERIFY(!p.enabled("SystemStakeAll"));
    QVERIFY(!p.enabled("SystemStakeFilter"));
    QVERIFY(!p.enabled("StakeAddSelected"));
    QVERIFY(p.enabled("StakeAdd"));

    // A closed file: no stake, no refresh of the rating.
    p.session.stakes().close();
    p.window->updateActionStates();
    for (const char* name : {"StakeAdd", "StakeFilter", "StakeClear", "StakeDel", "RatingsRefresh"})
        QVERIFY2(!p.enabled(name), name);
}

void StakesPageCommandsTest::switchesAreStoredAtOnce()
{
    const QString state = m_dir->filePath(QStringLiteral("Vertoma_5x54.frm"));
    const QString& section = core::kMainWindowSection;
    {
        Program p(m_dir->path());
        p.window->initialise();
        QVERIFY(p.action("StakesScroll")->isChecked());
        QVERIFY(p.action("StakesCheckLine")->isChecked());
        QVERIFY(!p.action("LogStakes")->isChecked());

        p.action("StakesScroll")->trigger();
        QVERIFY(!p.action("StakesScroll")->isChecked());
        QVERIFY(!p.session.stakes().scrollEnabled());
        QVERIFY(!core::StateReadBool(state, section, QStringLiteral("StakesScrollEnabled"), true));
        p.action("StakesCheckLine")->trigger();
        QVERIFY(!core::StateReadBool(state, section, QStringLiteral("StakesCheckOnLine"), true));
        p.action("LogStakes")->trigger();
        QVERIFY(p.session.stakes().logEnabled());
        QVERIFY(core::StateReadBool(state, section, QStringLiteral("StakesLogEnabled"), false));
    }
    Program again(m_dir->path());
    QVERIFY(!again.action("StakesScroll")->isChecked());
    QVERIFY(!again.action("StakesCheckLine")->isChecked());
    QVERIFY(again.action("LogStakes")->isChecked());
    again.action("LogStakes")->trigger();
    QVERIFY(!core::StateReadBool(state, section, QStringLiteral("StakesLogEnabled"), true));
}

void StakesPageCommandsTest::stakesFromTheDialogAndTheCombinationList()
{
    Program p(m_dir->path());
    p.window->initialise();
    ui::StakesPage* page = p.window->stakesPage();
    QAbstractItemModel* model = page->model();
    QTableView* combs = p.window->combsPage()->list();
    const QString manual = QStringLiteral("Ставка \"вручную\"");

    // F4 offers the selected combination for the next draw; the person changes the comment.
    combs->selectionModel()->select(combs->model()->index(20, 0),
                                    QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    stakes::TStakeRec offered;
    p.io.stakeEdits.enqueue([&offered](stakes::TStakeRec& rec, int&) {
        offered = rec;
        stakes::SetStakeComment(rec, QStringLiteral("Первая"));
    });
    p.action("StakeAdd")->trigger();
    QCOMPARE(core::ValueSetText(offered.Numbers, QStringLiteral(";")), QStringLiteral("3;4;5;6;7"));
    QCOMPARE(offered.DrawNum, kLastDraw + 1);
    QCOMPARE(stakes::StakeComment(offered), manual);
    QCOMPARE(model->rowCount(), 1);
    QCOMPARE(model->index(0, 0).data().toString(), QStringLiteral("1115"));
    QCOMPARE(model->index(0, 2).data().toString(), QStringLiteral("3;4;5;6;7"));
    QCOMPARE(model->index(0, 8).data().toString(), QStringLiteral("Первая"));
    QCOMPARE(p.panel(4), QStringLiteral("Ставок: 1"));
    // A cancelled dialog adds nothing.
    p.io.stakeEdits.enqueue(std::nullopt);
    p.action("StakeAdd")->trigger();
    QCOMPARE(model->rowCount(), 1);

    // A double click on a combination makes a stake of it too.
    p.window->show();
    p.window->listPages()->setCurrentWidget(p.window->combsPage());
    QVERIFY(QTest::qWaitForWindowExposed(p.window.get()));
    p.io.stakeEdits.enqueue([&offered](stakes::TStakeRec& rec, int&) { offered = rec; });
    const QRect cell = combs->visualRect(combs->model()->index(1, 2));
    QTest::mouseClick(combs->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(combs->viewport(), Qt::LeftButton, {}, cell.center());
    QCOMPARE(core::ValueSetText(offered.Numbers, QStringLiteral(";")), QStringLiteral("1;2;3;4;6"));
    QCOMPARE(model->rowCount(), 2);
    // The grid went to the newest stake.
    QCOMPARE(page->grid()->selectionModel()->selectedRows().value(0).row(), 1);

    // Selected combinations for two draws each: every stake after a separator, since the last
    // record holds a stake.
    combs->clearSelection();
    for (int row : {0, 2})
        combs->selectionModel()->select(combs->model()->index(row, 0),
                                        QItemSelectionModel::Select | QItemSelectionModel::Rows);
    p.io.multiStakeEdits.enqueue(testsupport::FakeUserIo::MultiStake{1200, 2, QStringLiteral("Пакет")});
    p.action("StakeAddSelected")->trigger();
    QCOMPARE(p.io.multiStakeStarts.value(0).drawNum, kLastDraw + 1);
    QCOMPARE(p.io.multiStakeStarts.value(0).copies, 1);
    QCOMPARE(p.io.multiStakeStarts.value(0).comment, manual);
    QCOMPARE(model->rowCount(), 10);
    const QStringList drawColumn = [&] {
        QStringList cells;
        for (int r = 2; r < model->rowCount(); ++r)
            cells << model->index(r, 0).data().toString() + QLatin1Char(' ') + model->index(r, 2).data().toString();
        return cells;
    }();
    QCOMPARE(drawColumn,
             (QStringList{QStringLiteral(" "), QStringLiteral("1200 1;2;3;4;5"), QStringLiteral(" "),
                          QStringLiteral("1201 1;2;3;4;5"), QStringLiteral(" "), QStringLiteral("1200 1;2;3;4;7"),
                          QStringLiteral(" "), QStringLiteral("1201 1;2;3;4;7")}));
    QCOMPARE(model->index(9, 8).data().toString(), QStringLiteral("Пакет"));
    QCOMPARE(model->index(9, 3).data().toString(), QStringLiteral("21"));
    // The list's selection went once the stakes were made.
    QVERIFY(!combs->selectionModel()->hasSelection());
    QVERIFY(!p.enabled("StakeAddSelected"));
    QCOMPARE(p.panel(4), QStringLiteral("Ставок: 10"));

    // Cancelled: the selection stays.
    combs->selectRow(4);
    p.io.multiStakeEdits.enqueue(std::nullopt);
    p.action("StakeAddSelected")->trigger();
    QVERIFY(combs->selectionModel()->hasSelection());
    QCOMPARE(model->rowCount(), 10);

    // All 21 combinations for one draw: no separators between them.
    p.io.multiStakeEdits.enqueue(testsupport::FakeUserIo::MultiStake{1300, 1, QStringLiteral("Все")});
    p.action("StakeAddAll")->trigger();
    QCOMPARE(model->rowCount(), 31);
    QCOMPARE(model->index(10, 2).data().toString(), QStringLiteral("1;2;3;4;5"));
    QCOMPARE(model->index(30, 2).data().toString(), QStringLiteral("3;4;5;6;7"));
    QCOMPARE(model->index(30, 0).data().toString(), QStringLiteral("1300"));

    // A random stake offers one of the list's combinations.
    p.io.stakeEdits.enqueue([&offered](stakes::TStakeRec& rec, int&) { offered = rec; });
    p.action("StakeAddRandom")->trigger();
    const QString offeredText = core::ValueSetText(offered.Numbers, QStringLiteral(" "));
    bool inList = false;
    for (const core::TComb& comb : p.session.candidates().combs())
        inList = inList || core::ValueSetText(core::ValueSetFromComb(comb), QStringLiteral(" ")) == offeredText;
    QVERIFY2(inList, qPrintable(offeredText));
    QCOMPARE(model->rowCount(), 32);
}

void StakesPageCommandsTest::deletingRowsByConditionAndAll()
{
    QVERIFY(WriteStakes(m_dir->path(), MixedStakes()));
    Program p(m_dir->path());
    p.window->initialise();
    ui::StakesPage* page = p.window->stakesPage();
    QAbstractItemModel* model = page->model();
    p.showOn(page);
    QVERIFY(p.io.questions.isEmpty());

    // Ctrl+Del from the draw list is not meant for the stakes.
    selectOnly(page, 0);
    p.window->drawsPage()->list()->setFocus();
    QTest::keyClick(p.window->drawsPage()->list(), Qt::Key_Delete, Qt::ControlModifier);
    QVERIFY(p.io.questions.isEmpty());
    QCOMPARE(model->rowCount(), 5);

    // Rows 2..3 (the script and the table stake); No keeps them.
    page->grid()->setFocus();
    page->grid()->selectionModel()->select(QItemSelection(model->index(2, 0), model->index(3, 8)),
                                           QItemSelectionModel::ClearAndSelect);
    QTest::keyClick(page->grid(), Qt::Key_Delete, Qt::ControlModifier);
    QCOMPARE(p.io.questions.size(), 1);
    QCOMPARE(p.io.questions[0].caption, QStringLiteral("Предупреждение"));
    QCOMPARE(p.io.questions[0].text,
             QStringLiteral("Удалить все выделенные записи (всего будет удалено 2 записи(ей))?"));
    QVERIFY(!p.io.questions[0].yesDefault);
    QCOMPARE(model->rowCount(), 5);
    p.io.answers.enqueue(true);
    QTest::keyClick(page->grid(), Qt::Key_Delete, Qt::ControlModifier);
    QCOMPARE(model->rowCount(), 3);
    QCOMPARE(model->index(0, 0).data().toString(), QStringLiteral("1113"));
    QCOMPARE(model->index(1, 0).data().toString(), QString());
    QCOMPARE(model->index(2, 1).data().toString(), QStringLiteral("Система"));
    QCOMPARE(p.panel(4), QStringLiteral("Ставок: 3"));

    // One row asks the one-row question.
    selectOnly(page, 2);
    p.io.answers.enqueue(true);
    p.action("StakeDel")->trigger();
    QCOMPARE(p.io.questions.last().text, QStringLiteral("Удалить выделенную запись?"));
    QCOMPARE(model->rowCount(), 2);

    // By condition: fewer than 3 matches takes the won stake with its 2 matches; the separator
    // stays.
    p.io.stakeFilterEdits.enqueue(std::make_pair(3, 3));
    QTest::keyClick(page->grid(), Qt::Key_D, Qt::AltModifier);
    QCOMPARE(model->rowCount(), 1);
    QCOMPARE(model->index(0, 0).data().toString(), QString());
    QVERIFY(p.session.stakes().hasData());
    QCOMPARE(p.panel(4), QStringLiteral("Ставок: 1"));

    // All of them, from anywhere in the window.
    p.window->drawsPage()->list()->setFocus();
    p.io.answers.enqueue(true);
    QTest::keyClick(p.window->drawsPage()->list(), Qt::Key_Delete, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(p.io.questions.last().text, QStringLiteral("Удалить выделенную запись?"));
    QVERIFY(!p.session.stakes().hasData());
    QCOMPARE(model->rowCount(), 1);
    QCOMPARE(QFileInfo(m_dir->filePath(QStringLiteral("Vertoma_5x54.lsk"))).size(), 0);
    QCOMPARE(p.panel(4), QStringLiteral("Ставок: 0"));
    QVERIFY(!p.enabled("StakeClear"));
}

void StakesPageCommandsTest::profitGraphAndLogs()
{
    QVERIFY(WriteStakes(m_dir->path(), MixedStakes()));
    Program p(m_dir->path());
    p.window->initialise();
    p.showOn(p.window->stakesPage());
    QTest::keyClick(p.window->stakesPage()->grid(), Qt::Key_F6);
    QCOMPARE(int(p.io.graphs.size()), 1);
    const core::GraphData& graph = p.io.graphs.front();
    QCOMPARE(graph.Title, QStringLiteral("График суммарного профита ставок по тиражам"));
    // Draws 1113, 1115 and 1114 in order of first appearance; 1115 holds two stakes of -2.00.
    const core::GraphSeries* sums = graph.Find(QStringLiteral("Суммарный профит ставок по тиражу"));
    QVERIFY(sums);
    QCOMPARE(int(sums->Points.size()), 3);
    QCOMPARE(sums->Points[0].X, 1113.0);
    QCOMPARE(sums->Points[0].Y, 8.0);
    QCOMPARE(sums->Points[1].X, 1115.0);
    QCOMPARE(sums->Points[1].Y, -4.0);

    // No logs yet.
    p.action("LogStakesDelete")->trigger();
    QCOMPARE(p.io.messageTexts(app::MessageKind::Information).value(0), QStringLiteral("Файлы журналов не найдены!"));
}

QTEST_MAIN(StakesPageCommandsTest)
#include "stakespagecommands_test.moc"
