// The page "Неделя": the heat grid against the calendar, its chart in both modes and both
// types, the stored switches and the hand-over of picked columns.

#include "ViewsProgram.h"

#include "app/ArchiveController.h"
#include "app/CandidatesController.h"
#include "core/IniFile.h"
#include "core/Settings.h"
#include "core/TextForms.h"
#include "ui/SeriesChartView.h"
#include "ui/WeekModel.h"
#include "ui/WeekPage.h"

#include <QAbstractItemModelTester>
#include <QBarSeries>
#include <QBarSet>
#include <QDate>
#include <QLineSeries>
#include <QSpinBox>

#include <map>

using namespace viewstest;

class WeekPageTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_dir = DataFolderWithArchive(); }
    void gridCountsTheWeekdaysOfTheDates();
    void chartFollowsTheCurrentCellModeAndType();
    void filterTakesTheSelectedColumns();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

void WeekPageTest::gridCountsTheWeekdaysOfTheDates()
{
    Program p(m_dir->path());
    ui::WeekPage* page = p.window->weekPage();
    QAbstractItemModelTester tester(page->model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(page->grid()->objectName(), QStringLiteral("sgWeek"));
    QCOMPARE(page->lengthBox()->objectName(), QStringLiteral("edWeekLen"));
    QCOMPARE(page->lengthBox()->value(), 1000);
    p.start(page);
    p.session.archive().setOffset(2);

    std::map<std::pair<int, int>, int> expected;
    for (int k = 2; k < 1002; ++k) {
        const QDate date = QDate::fromString(core::DrawDateText(p.draw(k)), u"dd/MM/yyyy"_qs);
        for (std::uint8_t n : p.draw(k).Values)
            ++expected[{n, date.dayOfWeek()}];
    }
    QAbstractItemModel* m = page->model();
    QCOMPARE(m->rowCount(), 7);
    QCOMPARE(m->columnCount(), 54);
    QCOMPARE(m->headerData(0, Qt::Vertical).toString(), QLocale().dayName(1, QLocale::ShortFormat));
    QCOMPARE(m->headerData(53, Qt::Horizontal).toString(), QStringLiteral("54"));
    int max = 0;
    for (int d = 1; d <= 7; ++d)
        for (int n = 1; n <= 54; ++n) {
            const int v = expected[{n, d}];
            max = std::max(max, v);
            QCOMPARE(m->index(d - 1, n - 1).data().toString(), v ? QString::number(v) : QString());
        }
    // The largest count pure red, half of it 255,128,128 where such a cell exists.
    for (int d = 1; d <= 7; ++d)
        for (int n = 1; n <= 54; ++n) {
            const int v = expected[{n, d}];
            const QVariant bg = m->index(d - 1, n - 1).data(Qt::BackgroundRole);
            if (v == 0)
                QVERIFY(!bg.isValid());
            else if (v == max)
                QCOMPARE(bg.value<QColor>(), QColor(255, 0, 0));
            else if (2 * v == max)
                QCOMPARE(bg.value<QColor>(), QColor(255, 128, 128));
            else
                QCOMPARE(bg.value<QColor>().green(), int(std::lround(255 - 255.0 * v / max)));
        }
    p.shot(QStringLiteral("week"));
}

void WeekPageTest::chartFollowsTheCurrentCellModeAndType()
{
    Program p(m_dir->path());
    ui::WeekPage* page = p.window->weekPage();
    p.start(page);
    QAbstractItemModel* m = page->model();
    // The cell of number 17 on Sunday.
    page->grid()->setCurrentIndex(m->index(6, 16));

    // Mode 0 (default), bars: Sunday over the 54 numbers.
    QVERIFY(!p.action("ViewWeekChartMode")->isChecked());
    QVERIFY(!p.action("ViewWeekChartType")->isChecked());
    QCOMPARE(page->chart()->kind(), ui::SeriesChartView::Kind::Bars);
    auto* bars = qobject_cast<QBarSeries*>(page->chart()->allSeries().value(0));
    QVERIFY(bars);
    QBarSet* set = bars->barSets().value(0);
    QCOMPARE(set->count(), 54);
    for (int n = 1; n <= 54; ++n)
        QCOMPARE(set->at(n - 1), m->index(6, n - 1).data().toDouble());
    QCOMPARE(set->color(), QColor(0, 128, 0));

    // Mode 1: number 17 over the seven weekdays, named by the rows.
    p.action("ViewWeekChartMode")->trigger();
    set = qobject_cast<QBarSeries*>(page->chart()->allSeries().value(0))->barSets().value(0);
    QCOMPARE(set->count(), 7);
    for (int d = 0; d < 7; ++d)
        QCOMPARE(set->at(d), m->index(d, 16).data().toDouble());
    QCOMPARE(page->chart()->xLabels().value(6), m->headerData(6, Qt::Vertical).toString());

    // Lines: the same points.
    p.action("ViewWeekChartType")->trigger();
    QCOMPARE(page->chart()->kind(), ui::SeriesChartView::Kind::Lines);
    QLineSeries* line = page->chart()->lineSeries().value(0);
    QVERIFY(line);
    QCOMPARE(line->count(), 7);
    QCOMPARE(line->at(6), QPointF(7, m->index(6, 16).data().toDouble()));
    QCOMPARE(line->pen().color(), QColor(0, 128, 0));
    p.shot(QStringLiteral("week-lines"));

    const QString state = m_dir->filePath(QStringLiteral("Vertoma_5x54.frm"));
    QCOMPARE(core::StateReadInt(state, core::kMainWindowSection, QStringLiteral("WeekChartMode"), 0), 1);
    QVERIFY(core::StateReadBool(state, core::kMainWindowSection, QStringLiteral("WeekChartType"), false));
    page->lengthBox()->setValue(300);
    p.window.reset();
    QCOMPARE(core::StateReadInt(state, core::kMainWindowSection, QStringLiteral("WeekLen"), 0), 300);
    Program again(m_dir->path());
    QVERIFY(again.action("ViewWeekChartMode")->isChecked());
    QVERIFY(again.action("ViewWeekChartType")->isChecked());
    QCOMPARE(again.window->weekPage()->lengthBox()->value(), 300);
}

void WeekPageTest::filterTakesTheSelectedColumns()
{
    Program p(m_dir->path());
    ui::WeekPage* page = p.window->weekPage();
    p.start(page);
    QAction* include = p.action("WeekFilter_Include");
    p.select(page->grid(), {{6, 2}, {0, 4}, {3, 4}});
    QVERIFY(include->isEnabled());
    QCOMPARE(page->selectedNumbers(), (std::vector<int>{3, 5}));
    include->trigger();
    QCOMPARE(p.session.candidates().combs().size(), std::size_t(3162510 - 2598960)); // less C(52,5) holding neither
    QVERIFY(AllHoldOneOf(p.session.candidates().combs(), {3, 5}));
    QCOMPARE(p.session.candidates().history().back().Name, QStringLiteral("Неделя"));
    p.window->mainPages()->setCurrentIndex(0);
    QVERIFY(!include->isEnabled());
}

QTEST_MAIN(WeekPageTest)
#include "weekpage_test.moc"
