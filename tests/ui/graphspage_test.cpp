// The page "Графики": the selector of chartable methods, the window, the three lines, the marks
// switch and the stored length; nothing is computed while the page is off screen.

#include "ViewsProgram.h"

#include "app/ArchiveController.h"
#include "app/StatisticsController.h"
#include "core/IniFile.h"
#include "core/Settings.h"
#include "stats/StatList.h"
#include "ui/GraphsPage.h"
#include "ui/SeriesChartView.h"

#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineSeries>
#include <QSpinBox>

using namespace viewstest;

class GraphsPageTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_dir = DataFolderWithArchive(); }
    void outline();
    void offScreenPageComputesNothing();
    void offsetFiveEndsAtTheSixthNewestDraw();
    void marksAndLengthFollowThePerson();
    void switchedOnPageComesToTheFront();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

void GraphsPageTest::outline()
{
    Program p(m_dir->path());
    ui::GraphsPage* page = p.window->graphsPage();
    QCOMPARE(page->objectName(), QStringLiteral("tsGraphs"));
    QCOMPARE(page->methodBox()->objectName(), QStringLiteral("cbDrawsGraphType"));
    QCOMPARE(page->lengthBox()->objectName(), QStringLiteral("edDrawsGraphLen"));
    QCOMPARE(page->lengthBox()->value(), 100);
    QCOMPARE(page->lengthBox()->maximum(), 2147483647);
    QCOMPARE(page->lengthBox()->toolTip(),
             QStringLiteral("Количество тиражей, использующихся для построения графиков"));
    QCOMPARE(page->methodBox()->toolTip(), QStringLiteral("Тип графика"));
    QCOMPARE(page->marksBox()->text(), QStringLiteral("Отображать метки на графике"));
    QVERIFY(!page->marksBox()->isChecked());
    QCOMPARE(page->chart()->objectName(), QStringLiteral("crtDrawsGraph"));
    QCOMPARE(p.action("DrawsGraphDraw")->text(), QStringLiteral("Обновить"));
    // Only the chartable methods are offered.
    const stats::TStatList& list = p.session.statistics().list();
    QCOMPARE(page->methodBox()->count(), int(list.SelectorMethods(true).size()));
    for (int i = 0; i < page->methodBox()->count(); ++i)
        QVERIFY(list.Items(page->methodBox()->itemData(i).toInt()).Class->IsGraph());
}

void GraphsPageTest::offScreenPageComputesNothing()
{
    Program p(m_dir->path());
    p.window->show();
    p.window->initialise();
    QVERIFY(p.window->mainPages()->currentWidget() != p.window->graphsPage());
    p.session.archive().setOffset(4);
    QVERIFY(p.session.views().graph().IsEmpty());
    QVERIFY(!p.io.statusTexts.contains(QStringLiteral("Анализ тиражей и построение графиков...")));

    p.window->mainPages()->setCurrentWidget(p.window->graphsPage());
    QVERIFY(!p.session.views().graph().IsEmpty());
    QVERIFY(p.io.statusTexts.contains(QStringLiteral("Анализ тиражей и построение графиков...")));
    QCOMPARE(p.session.views().graph().Points.back().DrawNum, p.draw(4).Num);
    QVERIFY(p.session.services().statusText().isEmpty());
    QVERIFY(p.session.services().isIdle());
}

void GraphsPageTest::offsetFiveEndsAtTheSixthNewestDraw()
{
    Program p(m_dir->path());
    ui::GraphsPage* page = p.window->graphsPage();
    p.start(page);
    const int sums = p.session.statistics().list().IndexOfCode(QStringLiteral("SUMS"));
    page->methodBox()->setCurrentIndex(page->methodBox()->findData(sums));
    p.session.archive().setOffset(5);

    const QList<QLineSeries*> lines = page->chart()->lineSeries();
    QCOMPARE(lines.size(), 3);
    QCOMPARE(lines[0]->name(), QStringLiteral("Сумма тиража: все значения"));
    QCOMPARE(lines[1]->name(), QStringLiteral("Среднее значение"));
    QCOMPARE(lines[2]->name(), QStringLiteral("Наиболее часто встречающееся значение"));
    QCOMPARE(lines[0]->count(), 100);
    QCOMPARE(lines[0]->pen().color(), QColor(0, 128, 0));
    QCOMPARE(lines[1]->pen().color(), QColor(0, 0, 255));
    QCOMPARE(lines[2]->pen().color(), QColor(255, 0, 0));
    double total = 0;
    for (int i = 0; i < 100; ++i) {
        const core::TDrawRec& d = p.draw(5 + 99 - i);
        const int sum = d.Values[0] + d.Values[1] + d.Values[2] + d.Values[3] + d.Values[4];
        QCOMPARE(lines[0]->at(i), QPointF(d.Num, sum));
        total += sum;
    }
    QCOMPARE(lines[0]->at(99).x(), double(p.draw(5).Num));
    QCOMPARE(lines[1]->count(), 100);
    QCOMPARE(lines[1]->at(50).y(), total / 100);
    p.shot(QStringLiteral("graphs"));

    // The archive as a whole is never cut by the offset elsewhere: a forced update gives the same.
    p.action("DrawsGraphDraw")->trigger();
    QCOMPARE(page->chart()->lineSeries().value(0)->count(), 100);
}

void GraphsPageTest::marksAndLengthFollowThePerson()
{
    Program p(m_dir->path());
    ui::GraphsPage* page = p.window->graphsPage();
    p.start(page);
    QVERIFY(!page->chart()->lineSeries().value(0)->pointLabelsVisible());
    page->marksBox()->setChecked(true);
    QVERIFY(page->chart()->lineSeries().value(0)->pointLabelsVisible());
    QVERIFY(!page->chart()->lineSeries().value(1)->pointLabelsVisible());

    // Enter with a typed length within the box's range computes the window anew.
    QSpinBox* length = page->lengthBox();
    length->setFocus();
    length->selectAll();
    QTest::keyClicks(length, QStringLiteral("12"));
    QTest::keyClick(length, Qt::Key_Return);
    QCOMPARE(page->chart()->lineSeries().value(0)->count(), 12);
    QVERIFY(page->chart()->lineSeries().value(0)->pointLabelsVisible());

    p.window.reset();
    const QString state = m_dir->filePath(QStringLiteral("Vertoma_5x54.frm"));
    QCOMPARE(core::StateReadInt(state, core::kMainWindowSection, QStringLiteral("DrawsGraphLen"), 0), 12);
    Program again(m_dir->path());
    QCOMPARE(again.window->graphsPage()->lengthBox()->value(), 12);
}

void GraphsPageTest::switchedOnPageComesToTheFront()
{
    Program p(m_dir->path());
    p.window->show();
    p.window->initialise();
    QAction* tab = p.action("TabGraps");
    QVERIFY(tab->isChecked());
    tab->trigger();
    QVERIFY(!p.window->mainPages()->isTabVisible(1));
    QVERIFY(!p.session.views().isShown(app::ViewsController::Page::Graphs));
    tab->trigger();
    QVERIFY(p.window->mainPages()->isTabVisible(1));
    QCOMPARE(p.window->mainPages()->currentWidget(), p.window->graphsPage());
    QVERIFY(p.session.views().isShown(app::ViewsController::Page::Graphs));
    QCOMPARE(p.session.views().graph().Points.size(), std::size_t(100));
}

QTEST_MAIN(GraphsPageTest)
#include "graphspage_test.moc"
