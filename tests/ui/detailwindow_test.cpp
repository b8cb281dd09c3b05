// The detail window of a combination from the combination list: every chartable statistic and
// the numbers on a matrix whose columns the person chooses.

#include "ViewsProgram.h"

#include "app/StatisticsController.h"
#include "core/GameMath.h"
#include "stats/StatList.h"
#include "ui/CombsPage.h"
#include "ui/DetailWindow.h"
#include "ui/DrawListModel.h"

#include <QAbstractItemModelTester>
#include <QSpinBox>
#include <QTableWidget>

using namespace viewstest;

class DetailWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_dir = DataFolderWithArchive(); }
    void combinationFromTheList();
    void matrixFollowsTheColumns();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

namespace {

// Opens the window on the combination at a list row.
ui::DetailWindow* openOnRow(Program& p, int row)
{
    QTableView* list = p.window->combsPage()->list();
    list->setCurrentIndex(list->model()->index(row, 0));
    QAction* info = p.action("CombsInfo");
    if (!info->isEnabled())
        return nullptr;
    info->trigger();
    return p.window->findChild<ui::DetailWindow*>();
}

QStringList matrixTexts(const QTableWidget* m)
{
    QStringList texts;
    for (int r = 0; r < m->rowCount(); ++r)
        for (int c = 0; c < m->columnCount(); ++c)
            texts << m->item(r, c)->text();
    return texts;
}

} // namespace

void DetailWindowTest::combinationFromTheList()
{
    Program p(m_dir->path());
    p.window->show();
    p.window->initialise();
    QVERIFY(!p.action("CombsInfo")->isEnabled());
    QCOMPARE(p.action("CombsInfo")->text(), QStringLiteral("Сведения о комбинации"));
    // The full set in lexicographic order: row 0 is 1 2 3 4 5, row 1 is 1 2 3 4 6.
    ui::DetailWindow* window = openOnRow(p, 1);
    QVERIFY(window);
    QCOMPARE(window->windowTitle(), QStringLiteral("Подробная информация"));
    QAbstractItemModelTester tester(window->model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    QAbstractItemModel* rows = window->properties()->model();
    QCOMPARE(rows->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Свойство"));
    QCOMPARE(rows->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Значение"));
    // No number and no date for a combination: the statistics only, one per chartable method.
    const stats::TStatList& list = p.session.statistics().list();
    int chartable = 0;
    for (int i = 0; i < list.Count(); ++i)
        chartable += list.Items(i).Class->IsGraph() && list.Items(i).Class->IsAvailable();
    QCOMPARE(rows->rowCount(), chartable);
    for (int r = 0; r < rows->rowCount(); ++r) {
        QVERIFY(rows->index(r, 0).data().toString() != QStringLiteral("Номер тиража:"));
        QVERIFY(rows->index(r, 0).data().toString() != QStringLiteral("Дата тиража:"));
        if (rows->index(r, 0).data().toString() == QStringLiteral("Сумма тиража: все значения"))
            QCOMPARE(rows->index(r, 1).data().toString(), QStringLiteral("16"));
        if (rows->index(r, 0).data().toString() == QStringLiteral("Количество четных чисел в тираже (Ч:Н)"))
            QCOMPARE(rows->index(r, 1).data().toString(), QStringLiteral("3"));
    }
    const QString dir = qEnvironmentVariable("VERTOMA_SCREENSHOT_DIR");
    if (!dir.isEmpty()) {
        QTest::qWait(50);
        window->grab().save(QDir(dir).filePath(QStringLiteral("detail.png")));
    }
    window->close();
}

void DetailWindowTest::matrixFollowsTheColumns()
{
    Program p(m_dir->path());
    p.window->show();
    p.window->initialise();
    ui::DetailWindow* window = openOnRow(p, 0);
    QVERIFY(window);
    QTableWidget* m = window->matrix();
    QCOMPARE(m->objectName(), QStringLiteral("sgCard"));
    QSpinBox* columns = window->columnsBox();
    QCOMPARE(columns->objectName(), QStringLiteral("seCols"));
    QCOMPARE(columns->value(), 6); // the matrix columns of the configuration
    QCOMPARE(m->columnCount(), 6);
    QCOMPARE(m->rowCount(), 9);
    QStringList expected(54);
    for (int n = 1; n <= 5; ++n)
        expected[n - 1] = QString::number(n);
    QCOMPARE(matrixTexts(m), expected);
    QCOMPARE(m->item(8, 5)->background().color(), ui::ColorFromBgr(core::NumberColor(54, 6)));

    // One row: the five numbers in their own columns.
    columns->setValue(54);
    QCOMPARE(m->rowCount(), 1);
    QCOMPARE(m->columnCount(), 54);
    QCOMPARE(matrixTexts(m), expected);
    // Eight columns: seven rows, the last two cells past 54 left plain.
    columns->setValue(8);
    QCOMPARE(m->rowCount(), 7);
    QVERIFY(m->item(6, 7)->background().style() == Qt::NoBrush);
    QCOMPARE(m->item(6, 5)->background().color(), ui::ColorFromBgr(core::NumberColor(54, 6)));
    window->close();
}

QTEST_MAIN(DetailWindowTest)
#include "detailwindow_test.moc"
