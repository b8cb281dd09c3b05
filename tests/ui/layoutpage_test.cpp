// The page "Схема": the grid with its marks and colours, the five comparison lists, the filter
// hand-over and the stored lengths.

#include "ViewsProgram.h"

#include "app/ArchiveController.h"
#include "app/CandidatesController.h"
#include "core/IniFile.h"
#include "core/Settings.h"
#include "ui/DrawListModel.h"
#include "ui/LayoutModels.h"
#include "ui/LayoutPage.h"

#include <QAbstractItemModelTester>
#include <QHeaderView>
#include <QSpinBox>
#include <QSplitter>

#include <map>

using namespace viewstest;

class LayoutPageTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_dir = DataFolderWithArchive(); }
    void oneDrawAndTheNextDrawMarks();
    void gridMatchesAPlainCount();
    void comparisonListsAndTheirSort();
    void filterTakesTheNumbersOfTheSelectedCells();
    void lengthsAndSwitchesAreStored();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

void LayoutPageTest::oneDrawAndTheNextDrawMarks()
{
    Program p(m_dir->path());
    ui::LayoutPage* page = p.window->layoutPage();
    QAbstractItemModelTester tester(page->model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(page->grid()->objectName(), QStringLiteral("sgLayout"));
    p.start(page);
    page->lengthBox()->setValue(1);
    p.action("LayoutCalc")->trigger();
    QAbstractItemModel* m = page->model();
    QCOMPARE(m->rowCount(), 1);
    QCOMPARE(m->columnCount(), 1);
    QCOMPARE(m->headerData(0, Qt::Vertical).toString(), QStringLiteral("1"));
    QCOMPARE(m->headerData(0, Qt::Horizontal).toString(), QString::number(p.draw(0).Num));
    QCOMPARE(m->index(0, 0).data().toString(), QStringLiteral("7, 8, 11, 31, 35"));

    // Offset 3: the draw just after the analysis point is the third newest but one.
    page->lengthBox()->setValue(100);
    p.session.archive().setOffset(3);
    const core::TDrawRec& after = p.draw(2);
    int marked = 0;
    for (int r = 0; r < m->rowCount(); ++r)
        for (int c = 0; c < m->columnCount(); ++c) {
            const QString text = m->index(r, c).data().toString();
            const bool bracket = text.contains(u'[');
            QCOMPARE(m->index(r, c).data(Qt::BackgroundRole).value<QColor>() == QColor(0, 255, 0), bracket);
            for (std::uint8_t n : after.Values)
                marked += text.contains(QStringLiteral("[%1]").arg(n));
        }
    QVERIFY(marked >= 1);
    QCOMPARE(m->headerData(0, Qt::Horizontal).toString(), QString::number(p.draw(3).Num));
    p.shot(QStringLiteral("layout"));
}

void LayoutPageTest::gridMatchesAPlainCount()
{
    Program p(m_dir->path());
    ui::LayoutPage* page = p.window->layoutPage();
    p.start(page);
    std::map<int, int> count, last;
    for (int k = 0; k < 100; ++k)
        for (std::uint8_t n : p.draw(k).Values) {
            ++count[n];
            if (!last.count(n))
                last[n] = p.draw(k).Num;
        }
    QAbstractItemModel* m = page->model();
    int placed = 0;
    for (int r = 0; r < m->rowCount(); ++r)
        for (int c = 0; c < m->columnCount(); ++c)
            for (const QString& part : m->index(r, c).data().toString().split(u", "_qs, Qt::SkipEmptyParts)) {
                const int n = part.toInt();
                QCOMPARE(m->headerData(r, Qt::Vertical).toInt(), count[n]);
                QCOMPARE(m->headerData(c, Qt::Horizontal).toInt(), last[n]);
                ++placed;
            }
    QCOMPARE(placed, int(count.size()));
    // Gradient: lighter at the top left than at the bottom right.
    const QColor topLeft = m->index(0, 0).data(Qt::BackgroundRole).value<QColor>();
    const QColor bottomRight =
        m->index(m->rowCount() - 1, m->columnCount() - 1).data(Qt::BackgroundRole).value<QColor>();
    QVERIFY(topLeft.red() > bottomRight.red());
    QVERIFY(topLeft.green() > bottomRight.green());
    QVERIFY(topLeft.blue() < bottomRight.blue());
    // Bands instead: the first cell lies in the first band of both.
    p.action("ViewShemaGradient")->trigger();
    QCOMPARE(m->index(0, 0).data(Qt::BackgroundRole).value<QColor>(), QColor(234, 255, 234));
    QCOMPARE(m->index(5, 0).data(Qt::BackgroundRole).value<QColor>(), QColor(255, 234, 234));
}

void LayoutPageTest::comparisonListsAndTheirSort()
{
    Program p(m_dir->path());
    ui::LayoutPage* page = p.window->layoutPage();
    QAbstractItemModelTester tester(page->compareModel(0), QAbstractItemModelTester::FailureReportingMode::QtTest);
    p.start(page);
    const int windows[] = {50, 100, 200, 300, 400};
    for (int k = 0; k < 5; ++k) {
        QCOMPARE(page->compareBox(k)->objectName(), QStringLiteral("edLayoutCmp%1").arg(k + 1));
        QCOMPARE(page->compareList(k)->objectName(), QStringLiteral("lvLayoutCmp%1").arg(k + 1));
        QCOMPARE(page->compareBox(k)->value(), windows[k]);
        QAbstractItemModel* m = page->compareModel(k);
        QCOMPARE(m->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Кол-во"));
        QCOMPARE(m->headerData(1, Qt::Horizontal).toString(),
                 QStringLiteral("%1 - %2").arg(p.draw(windows[k] - 1).Num).arg(p.draw(0).Num));
        // Every number of the window once.
        int numbers = 0, occurrences = 0;
        for (int r = 0; r < m->rowCount(); ++r) {
            const int n = int(m->index(r, 1).data().toString().split(u", "_qs).size());
            numbers += n;
            occurrences += n * m->index(r, 0).data().toInt();
        }
        QCOMPARE(occurrences, 5 * windows[k]);
        QVERIFY(numbers <= 54);
    }
    // A click on the header sorts by counts, as numbers.
    QTableView* list = page->compareList(2);
    list->sortByColumn(0, Qt::DescendingOrder);
    QAbstractItemModel* m = page->compareModel(2);
    for (int r = 1; r < m->rowCount(); ++r)
        QVERIFY(m->index(r - 1, 0).data().toInt() > m->index(r, 0).data().toInt());
    // A new window for list 1 with Enter.
    QSpinBox* box = page->compareBox(0);
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, QStringLiteral("3"));
    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(page->compareModel(0)->headerData(1, Qt::Horizontal).toString(),
             QStringLiteral("%1 - %2").arg(p.draw(2).Num).arg(p.draw(0).Num));
}

void LayoutPageTest::filterTakesTheNumbersOfTheSelectedCells()
{
    Program p(m_dir->path());
    ui::LayoutPage* page = p.window->layoutPage();
    p.start(page);
    page->lengthBox()->setValue(1);
    p.action("LayoutCalc")->trigger();
    QAction* exclude = p.action("LayoutFilter_Exclude");
    page->grid()->clearSelection();
    QVERIFY(!exclude->isEnabled());
    p.select(page->grid(), {{0, 0}});
    QVERIFY(exclude->isEnabled());
    exclude->trigger();
    // None of 7, 8, 11, 31, 35 is left: C(49, 5) combinations.
    QCOMPARE(p.session.candidates().combs().size(), std::size_t(1906884));
    for (const core::TComb& c : p.session.candidates().combs())
        for (std::uint8_t n : c.v)
            QVERIFY(n != 7 && n != 8 && n != 11 && n != 31 && n != 35);
    QCOMPARE(p.session.candidates().history().back().Name, QStringLiteral("Схема"));
}

void LayoutPageTest::lengthsAndSwitchesAreStored()
{
    Program p(m_dir->path());
    ui::LayoutPage* page = p.window->layoutPage();
    p.start(page);
    page->lengthBox()->setValue(77);
    page->compareBox(4)->setValue(555);
    p.action("ViewShemaGradient")->trigger();
    const QString state = m_dir->filePath(QStringLiteral("Vertoma_5x54.frm"));
    QVERIFY(!core::StateReadBool(state, core::kMainWindowSection, QStringLiteral("LayoutGradient"), true));
    p.window.reset();
    QCOMPARE(core::StateReadInt(state, core::kMainWindowSection, QStringLiteral("LayoutLen"), 0), 77);
    QCOMPARE(core::StateReadInt(state, core::kMainWindowSection, QStringLiteral("LayoutCompareLen5"), 0), 555);
    QCOMPARE(core::StateReadInt(state, core::kMainWindowSection, QStringLiteral("LayoutCompareLen1"), 0), 50);
    QVERIFY(core::StateReadInt(state, core::kMainWindowSection, QStringLiteral("LayoutCompareHeight"), 0) > 0);
    Program again(m_dir->path());
    QCOMPARE(again.window->layoutPage()->lengthBox()->value(), 77);
    QCOMPARE(again.window->layoutPage()->compareBox(4)->value(), 555);
    QVERIFY(!again.session.views().layoutGradient());
    QVERIFY(!again.action("ViewShemaGradient")->isChecked());
}

QTEST_MAIN(LayoutPageTest)
#include "layoutpage_test.moc"
