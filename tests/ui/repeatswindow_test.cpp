// The windows of the menu "Статистика": the repeats analysis with its list and chart, and the sum
// distribution shown in the general graph window.

#include "ViewsProgram.h"

#include "app/ArchiveController.h"
#include "core/IniFile.h"
#include "ui/GraphWindow.h"
#include "ui/RepeatsWindow.h"
#include "ui/SeriesChartView.h"

#include <QAbstractItemModelTester>
#include <QLineSeries>
#include <QMenuBar>
#include <QPushButton>
#include <QSpinBox>
#include <QSplitter>

#include <map>
#include <set>

using namespace viewstest;

class RepeatsWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_dir = DataFolderWithArchive(); }
    void repeatsOfTheNewestDraws();
    void depthOneAndTheStoredSettings();
    void sumDistributionInTheGraphWindow();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

void RepeatsWindowTest::repeatsOfTheNewestDraws()
{
    Program p(m_dir->path());
    p.window->show();
    p.window->initialise();
    // The offset is not applied: the newest draws of the whole archive.
    p.session.archive().setOffset(20);
    QAction* analyze = p.action("AnalyzeRepeats");
    QCOMPARE(analyze->text(), QStringLiteral("Количество повторов в зависимости от тиража"));
    QVERIFY(analyze->isEnabled());
    analyze->trigger();
    auto* window = p.window->findChild<ui::RepeatsWindow*>();
    QVERIFY(window);
    QVERIFY(window->isModal());
    QCOMPARE(window->windowTitle(), QStringLiteral("Количество повторов в зависимости от тиража"));
    QAbstractItemModelTester tester(window->model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(window->lengthBox()->value(), 100);
    QCOMPARE(window->deepBox()->value(), 100);
    QCOMPARE(window->deepBox()->toolTip(),
             QStringLiteral("Количество тиражей, просматриваемых \"в глубину\" для поиска совпадений"));

    // (draw, matches) -> earlier draws, nearest first, by a plain double loop.
    std::map<std::pair<int, int>, QStringList> expected;
    for (int k = 0; k < 100; ++k) {
        const std::set<int> a(std::begin(p.draw(k).Values), std::end(p.draw(k).Values));
        for (int j = k + 1; j <= k + 100 && j < int(p.draws().size()); ++j) {
            int m = 0;
            for (std::uint8_t n : p.draw(j).Values)
                m += int(a.count(n));
            if (m)
                expected[{p.draw(k).Num, m}] << QString::number(p.draw(j).Num);
        }
    }
    QAbstractItemModel* m = window->model();
    QCOMPARE(m->columnCount(), 4);
    QCOMPARE(m->headerData(3, Qt::Horizontal).toString(), QStringLiteral("Список тиражей"));
    QCOMPARE(m->rowCount(), int(expected.size()));
    QCOMPARE(m->index(0, 0).data().toInt(), p.draw(0).Num);
    int maxMatches = 0;
    for (int r = 0; r < m->rowCount(); ++r) {
        const QStringList& list = expected[{m->index(r, 0).data().toInt(), m->index(r, 1).data().toInt()}];
        QCOMPARE(m->index(r, 2).data().toInt(), int(list.size()));
        QCOMPARE(m->index(r, 3).data().toString(), list.join(u' '));
        maxMatches = std::max(maxMatches, m->index(r, 1).data().toInt());
    }
    const QList<QLineSeries*> lines = window->chart()->lineSeries();
    QCOMPARE(lines.size(), maxMatches);
    QCOMPARE(lines.value(1)->name(), QStringLiteral("Совпадений: 2"));
    QVERIFY(lines.value(0)->pointsVisible());
    QVERIFY(!lines.value(0)->pointLabelsVisible());
    QTest::qWait(100);
    const QString dir = qEnvironmentVariable("VERTOMA_SCREENSHOT_DIR");
    if (!dir.isEmpty())
        window->grab().save(QDir(dir).filePath(QStringLiteral("repeats.png")));
    window->close();
}

void RepeatsWindowTest::depthOneAndTheStoredSettings()
{
    Program p(m_dir->path());
    p.window->show();
    p.window->initialise();
    p.action("AnalyzeRepeats")->trigger();
    auto* window = p.window->findChild<ui::RepeatsWindow*>();
    QVERIFY(window);
    window->lengthBox()->setValue(30);
    window->deepBox()->setValue(1);
    window->findChild<QPushButton*>(QStringLiteral("btnCalc"))->click();
    QAbstractItemModel* m = window->model();
    // Each draw against the one before it: at most one row per draw, none when nothing is shared.
    int rows = 0;
    for (int k = 0; k < 30; ++k) {
        int shared = 0;
        for (std::uint8_t n : p.draw(k).Values)
            shared += int(std::count(std::begin(p.draw(k + 1).Values), std::end(p.draw(k + 1).Values), n));
        if (shared) {
            QCOMPARE(m->index(rows, 0).data().toInt(), p.draw(k).Num);
            QCOMPARE(m->index(rows, 1).data().toInt(), shared);
            QCOMPARE(m->index(rows, 3).data().toString(), QString::number(p.draw(k + 1).Num));
            ++rows;
        }
    }
    QCOMPARE(m->rowCount(), rows);
    QVERIFY(p.io.progressTexts.contains(QStringLiteral("Идет сбор статистики....")));
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    const QString state = m_dir->filePath(QStringLiteral("Vertoma_5x54.frm"));
    core::IniFile ini(state);
    ini.load();
    QCOMPARE(ini.readInt(QStringLiteral("TFormRepeats"), QStringLiteral("DrawsLength"), 0), 30);
    QCOMPARE(ini.readInt(QStringLiteral("TFormRepeats"), QStringLiteral("DrawsDeep"), 0), 1);
    QVERIFY(ini.readInt(QStringLiteral("TFormRepeats"), QStringLiteral("GraphHeight"), 0) > 0);
    p.action("AnalyzeRepeats")->trigger();
    window = p.window->findChild<ui::RepeatsWindow*>();
    QCOMPARE(window->deepBox()->value(), 1);
    QCOMPARE(window->lengthBox()->value(), 30);
    window->close();
}

void RepeatsWindowTest::sumDistributionInTheGraphWindow()
{
    Program p(m_dir->path());
    p.window->show();
    p.window->initialise();
    QAction* sums = p.action("TotalSumCombs");
    QCOMPARE(sums->text(), QStringLiteral("Распределение сумм тиражей и всех возможных комбинаций"));
    // Both in the menu "Статистика".
    QMenu* stat = nullptr;
    for (QAction* a : p.window->menuBar()->actions())
        if (a->text() == QStringLiteral("Статистика"))
            stat = a->menu();
    QVERIFY(stat && stat->actions().contains(sums) && stat->actions().contains(p.action("AnalyzeRepeats")));
    sums->trigger();
    QCOMPARE(p.io.graphs.size(), std::size_t(1));
    const core::GraphData& g = p.io.graphs.front();
    QCOMPARE(g.Title, sums->text());
    QCOMPARE(g.Series.size(), std::size_t(5));
    const core::GraphSeries* actual = g.Find(QStringLiteral("Фактическое распределение сумм (по тиражам)"));
    QVERIFY(actual);
    double draws = 0;
    for (const core::GraphPoint& pt : actual->Points)
        draws += pt.Y;
    QCOMPARE(draws, 1114.0);
    QVERIFY(p.io.statusTexts.contains(QStringLiteral("Идет сбор статистики....")));
    QVERIFY(p.session.services().isIdle());

    const QString dir = qEnvironmentVariable("VERTOMA_SCREENSHOT_DIR");
    if (!dir.isEmpty()) {
        ui::GraphWindow window(g, QString());
        window.resize(1000, 620);
        window.show();
        QTest::qWait(150);
        window.grab().save(QDir(dir).filePath(QStringLiteral("sums.png")));
    }
}

QTEST_MAIN(RepeatsWindowTest)
#include "repeatswindow_test.moc"
