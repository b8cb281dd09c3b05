// The page "Рейтинг" driven through the real main window on a temporary data folder.

#include "StakesFixture.h"
#include "core/Cp1251.h"
#include "core/IniFile.h"
#include "core/TextForms.h"
#include "scripts/Ratings.h"
#include "ui/CommandBar.h"
#include "ui/RatingsPage.h"
#include "ui/StakesPage.h"

#include <QAbstractItemModelTester>
#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>
#include <QTableView>
#include <QToolButton>

using stakestest::Checked;
using stakestest::Program;
using stakestest::Stake;
using stakestest::WriteStakes;

namespace {

core::TRatingRec rating(const QString& name, int count, int sum, std::array<int, 6> hits, std::int64_t total)
{
    core::TRatingRec r;
    r.Name = name;
    r.Count = count;
    r.Sum = sum;
    std::copy(hits.begin(), hits.end(), r.Hits);
    r.Total = total;
    return r;
}

QStringList actionNames(const QList<QAction*>& actions)
{
    QStringList names;
    for (const QAction* a : actions) {
        if (a->isSeparator())
            continue;
        names << (a->menu() ? QStringLiteral("[") + a->text() + QStringLiteral("]") : a->objectName());
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

QStringList namesInFile(const QString& path)
{
    core::TRatingsArray rows;
    QString error;
    if (!scripts::RatingsReadFile(path, rows, nullptr, &error))
        return {error};
    QStringList names;
    for (const core::TRatingRec& r : rows)
        names << r.Name;
    return names;
}

const QStringList kRatingMenu = {
    QStringLiteral("RatingsRefresh"),      QStringLiteral("RatingsExport"),
    QStringLiteral("RatingsToScript"),     QStringLiteral("RatingsGraphOverlap"),
    QStringLiteral("StakesGraphOverlap"),  QStringLiteral("StakesGraphProfits"),
    QStringLiteral("RatingsXlsExport"),    QStringLiteral("[Эффективность (столбцы E0..n)]"),
};

} // namespace

class RatingsPageTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void outlineMenusAndActions();
    void listTextsAndEfficiencyModes();
    void headerClickSortsAndRewritesTheFile();
    void doubleClickDrawsTheMatchChart();
    void stakeChartsOfTheSelectedComments();
    void actionsFollowTheRowsTheSelectionAndTheBusyState();
    void refreshAndExport();

private:
    QString ratingsFile() const { return m_dir->filePath(QStringLiteral("Vertoma_5x54.lrt")); }
    void writeRatings(const core::TRatingsArray& rows) const
    {
        QString error;
        QVERIFY2(scripts::RatingsWriteFile(ratingsFile(), rows, &error), qPrintable(error));
    }
    std::unique_ptr<QTemporaryDir> m_dir;
};

void RatingsPageTest::init()
{
    m_dir = stakestest::MakeDataFolder();
    QVERIFY(m_dir);
}

void RatingsPageTest::outlineMenusAndActions()
{
    Program p(m_dir->path());
    ui::RatingsPage* page = p.window->ratingsPage();
    QVERIFY(page);
    QTabWidget* pages = p.window->mainPages();
    QCOMPARE(pages->indexOf(page), 6);
    QCOMPARE(pages->tabText(6), QStringLiteral("Рейтинг"));
    QCOMPARE(page->objectName(), QStringLiteral("tsRatings"));
    QTableView* list = page->list();
    QCOMPARE(list->objectName(), QStringLiteral("lvRatings"));
    QCOMPARE(list->selectionMode(), QAbstractItemView::ExtendedSelection);
    QCOMPARE(list->selectionBehavior(), QAbstractItemView::SelectRows);
    QVERIFY(list->horizontalHeader()->sectionsClickable());
    QVERIFY(list->horizontalHeader()->isSortIndicatorShown());

    QStringList headers;
    for (int column = 0; column < list->model()->columnCount(); ++column)
        headers << list->model()->headerData(column, Qt::Horizontal).toString();
    QStringList expectedHeaders{QStringLiteral("Комментарий"), QStringLiteral("Ставок"), QStringLiteral("Угадано"),
                                QStringLiteral("Среднее"),     QStringLiteral("Профит"), QStringLiteral("Ср. профит")};
    for (int i = 0; i <= 5; ++i)
        expectedHeaders << QString::number(i);
    for (int i = 0; i <= 5; ++i)
        expectedHeaders << QStringLiteral("E%1").arg(i);
    QCOMPARE(headers, expectedHeaders);

    QStringList buttons;
    for (QAction* a : page->panel()->actions()) {
        if (auto* button = qobject_cast<QToolButton*>(page->panel()->widgetForAction(a)))
            buttons << button->text();
    }
    QCOMPARE(buttons,
             (QStringList{QStringLiteral("Пересчитать рейтинг по текущим данным"),
                          QStringLiteral("Экспорт рейтинга в CSV-файл"), QStringLiteral("Добавить в сценарий"),
                          QStringLiteral("Количество совпадений"),
                          QStringLiteral("График совпадений ставок"), QStringLiteral("График профита ставок")}));

    QMenu* menu = menuNamed(*p.window, QStringLiteral("Рейтинг"));
    QVERIFY(menu);
    QCOMPARE(actionNames(menu->actions()), kRatingMenu);
    QCOMPARE(actionNames(page->popup()->actions()), kRatingMenu);
    QMenu* modes = menu->actions().last()->menu();
    QVERIFY(modes);
    QCOMPARE(actionNames(modes->actions()),
             (QStringList{QStringLiteral("RatingsEffMode0"), QStringLiteral("RatingsEffMode1"),
                          QStringLiteral("RatingsEffMode2")}));
    QCOMPARE(p.action("RatingsEffMode0")->text(), QStringLiteral("Ожидаемые значения совпадений"));
    QCOMPARE(p.action("RatingsEffMode1")->text(), QStringLiteral("Абсолютные значения эффективности"));
    QCOMPARE(p.action("RatingsEffMode2")->text(), QStringLiteral("Относительные значения эффективности"));
    QVERIFY(p.action("RatingsEffMode0")->actionGroup() && p.action("RatingsEffMode0")->actionGroup()->isExclusive());
    // The default mode is the absolute one.
    QVERIFY(p.action("RatingsEffMode1")->isChecked());

    const struct
    {
        const char* name;
        const char* caption;
        const char* hint;
        const char* shortcut;
    } expected[] = {
        {"RatingsRefresh", "Обновить рейтинг", "", "F5"},
        {"RatingsExport", "Экспорт рейтинга в CSV-файл", "", ""},
        {"RatingsGraphOverlap", "Количество совпадений", "График количества совпадений для выделенных строк рейтинга",
         ""},
        {"StakesGraphOverlap", "График совпадений ставок", "График количества совпадений для всех ставок по тиражам",
         "Ctrl+F6"},
        {"StakesGraphProfits", "График профита ставок", "График профита для всех ставок по тиражам", "Alt+F6"},
    };
    for (const auto& e : expected) {
        QAction* a = p.action(e.name);
        QVERIFY2(a, e.name);
        QCOMPARE(a->text(), QString::fromUtf8(e.caption));
        QCOMPARE(a->statusTip(), QString::fromUtf8(e.hint));
        QCOMPARE(a->shortcut(), QKeySequence(QString::fromLatin1(e.shortcut)));
    }
    // The page's button for the refresh says what it does.
    QCOMPARE(p.action("RatingsRefresh")->iconText(), QStringLiteral("Пересчитать рейтинг по текущим данным"));
}

void RatingsPageTest::listTextsAndEfficiencyModes()
{
    writeRatings({rating(QStringLiteral("Альфа"), 2, 3, {1, 0, 0, 1, 0, 0}, -40000),
                  rating(QStringLiteral("Бета"), 100, 50, {60, 30, 8, 2, 0, 0}, -1000000),
                  rating(QStringLiteral("Гамма"), 0, 0, {0, 0, 0, 0, 0, 0}, 0)});
    Program p(m_dir->path());
    QAbstractItemModel* model = p.window->ratingsPage()->list()->model();
    QAbstractItemModelTester tester(model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(model->rowCount(), 0);
    QCOMPARE(p.panel(5), QStringLiteral("Рейтинг: 0"));
    p.window->initialise();
    QCOMPARE(model->rowCount(), 3);
    QCOMPARE(model->columnCount(), 18);
    QCOMPARE(p.panel(5), QStringLiteral("Рейтинг: 3"));

    const QString point = core::SystemDecimalPoint();
    const auto decimal = [&point](const char* text) { return QString::fromLatin1(text).replace(u'.', point); };
    const auto row = [&](int r, int from, int count) {
        QStringList cells;
        for (int column = from; column < from + count; ++column)
            cells << model->index(r, column).data().toString();
        return cells;
    };
    QCOMPARE(row(0, 0, 12),
             (QStringList{QStringLiteral("Альфа"), QStringLiteral("2"), QStringLiteral("3"), decimal("1.500"),
                          decimal("-4.00"), decimal("-2.00"), QStringLiteral("1"), QStringLiteral("0"),
                          QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("0"), QStringLiteral("0")}));
    QCOMPARE(row(1, 3, 3), (QStringList{decimal("0.500"), decimal("-100.00"), decimal("-1.00")}));
    // A comment without stakes has no averages and no efficiency.
    QCOMPARE(row(2, 3, 1), QStringList{QString()});
    QCOMPARE(row(2, 5, 1), QStringList{QString()});
    QCOMPARE(row(2, 12, 6), QStringList(6, QString()));
    QCOMPARE(model->index(0, 0).data(Qt::TextAlignmentRole).toInt(), int(Qt::AlignLeft | Qt::AlignVCenter));
    QCOMPARE(model->index(0, 4).data(Qt::TextAlignmentRole).toInt(), int(Qt::AlignRight | Qt::AlignVCenter));

    // Mode 1: observed share minus expected share, in percentage points. 60 of 100 stakes
    // without a match against 1906884 of 3162510 combinations.
    QCOMPARE(row(1, 12, 4),
             (QStringList{decimal("-0.297%"), decimal("-3.498%"), decimal("2.174%"), decimal("1.628%")}));

    const QString state = m_dir->filePath(QStringLiteral("Vertoma_5x54.frm"));
    QSignalSpy repainted(model, &QAbstractItemModel::dataChanged);
    p.action("RatingsEffMode0")->trigger();
    QCOMPARE(core::StateReadInt(state, core::kMainWindowSection, QStringLiteral("RatingsEffMode"), -1), 0);
    QVERIFY(p.action("RatingsEffMode0")->isChecked());
    QVERIFY(!p.action("RatingsEffMode1")->isChecked());
    QCOMPARE(repainted.count(), 1);
    // Expected stakes: 100 x 1906884 / 3162510 = 60.3, and so on.
    QCOMPARE(row(1, 12, 6), (QStringList{QStringLiteral("60"), QStringLiteral("33"), QStringLiteral("6"),
                                         QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0")}));

    p.action("RatingsEffMode2")->trigger();
    QCOMPARE(row(1, 12, 4),
             (QStringList{decimal("99.508%"), decimal("89.557%"), decimal("137.321%"), decimal("537.842%")}));
    QCOMPARE(core::StateReadInt(state, core::kMainWindowSection, QStringLiteral("RatingsEffMode"), -1), 2);
    p.window.reset();

    Program again(m_dir->path());
    QVERIFY(again.action("RatingsEffMode2")->isChecked());
}

void RatingsPageTest::headerClickSortsAndRewritesTheFile()
{
    writeRatings({rating(QStringLiteral("Бета"), 100, 50, {60, 30, 8, 2, 0, 0}, -1000000),
                  rating(QStringLiteral("Альфа"), 2, 3, {1, 0, 0, 1, 0, 0}, -40000),
                  rating(QStringLiteral("Дельта"), 5, 9, {1, 1, 1, 1, 1, 0}, 100000)});
    {
        Program p(m_dir->path());
        p.window->initialise();
        ui::RatingsPage* page = p.window->ratingsPage();
        QHeaderView* header = page->list()->horizontalHeader();
        QAbstractItemModel* model = page->list()->model();
        p.showOn(page);
        const auto click = [&](int column) {
            QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                              QPoint(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                                     header->height() / 2));
        };
        const auto names = [&] {
            QStringList shown;
            for (int r = 0; r < model->rowCount(); ++r)
                shown << model->index(r, 0).data().toString();
            return shown;
        };
        QCOMPARE(names(), (QStringList{QStringLiteral("Бета"), QStringLiteral("Альфа"), QStringLiteral("Дельта")}));

        // "Ставок" ascending: 2, 5, 100; the file follows at once.
        click(1);
        const QStringList ascending{QStringLiteral("Альфа"), QStringLiteral("Дельта"), QStringLiteral("Бета")};
        QCOMPARE(names(), ascending);
        QCOMPARE(namesInFile(ratingsFile()), ascending);
        QCOMPARE(header->sortIndicatorSection(), 1);
        QCOMPARE(header->sortIndicatorOrder(), Qt::AscendingOrder);
        QCOMPARE(p.session.ratings().sortColumn(), 1);

        // The same header again turns the order round.
        click(1);
        const QStringList descending{QStringLiteral("Бета"), QStringLiteral("Дельта"), QStringLiteral("Альфа")};
        QCOMPARE(names(), descending);
        QCOMPARE(namesInFile(ratingsFile()), descending);
        QCOMPARE(header->sortIndicatorOrder(), Qt::DescendingOrder);

        // "Профит" starts ascending: -100.00, -4.00, 10.00.
        click(4);
        QCOMPARE(names(), (QStringList{QStringLiteral("Бета"), QStringLiteral("Альфа"), QStringLiteral("Дельта")}));
        QCOMPARE(header->sortIndicatorSection(), 4);
        QCOMPARE(header->sortIndicatorOrder(), Qt::AscendingOrder);

        // Nothing sorts while another operation runs.
        p.session.services().enterBusy();
        click(1);
        p.session.services().leaveBusy();
        QCOMPARE(names(), (QStringList{QStringLiteral("Бета"), QStringLiteral("Альфа"), QStringLiteral("Дельта")}));
        QCOMPARE(header->sortIndicatorSection(), 4);

        click(2);
        click(2);
        QCOMPARE(names(), (QStringList{QStringLiteral("Бета"), QStringLiteral("Дельта"), QStringLiteral("Альфа")}));
        page->list()->setColumnWidth(0, 222);
    }
    // The order and the widths are kept for the next start.
    const QString state = m_dir->filePath(QStringLiteral("Vertoma_5x54.frm"));
    QCOMPARE(core::StateReadString(state, core::kMainWindowSection, QStringLiteral("lvRatings.SortType")),
             QStringLiteral("2,1"));
    QCOMPARE(core::StateReadInt(state, core::kMainWindowSection, QStringLiteral("lvRatings.Column0"), 0), 222);
    Program again(m_dir->path());
    QHeaderView* header = again.window->ratingsPage()->list()->horizontalHeader();
    QCOMPARE(header->sortIndicatorSection(), 2);
    QCOMPARE(header->sortIndicatorOrder(), Qt::DescendingOrder);
    QCOMPARE(header->sectionSize(0), 222);
}

void RatingsPageTest::doubleClickDrawsTheMatchChart()
{
    writeRatings({rating(QStringLiteral("Альфа"), 2, 3, {1, 0, 0, 1, 0, 0}, -40000),
                  rating(QStringLiteral("Бета"), 100, 50, {60, 30, 8, 2, 0, 0}, -1000000)});
    Program p(m_dir->path());
    p.window->initialise();
    ui::RatingsPage* page = p.window->ratingsPage();
    p.showOn(page);
    QTableView* list = page->list();
    const QPoint cell = list->visualRect(list->model()->index(1, 2)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, cell);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, cell);
    QCOMPARE(int(p.io.graphs.size()), 1);
    const core::GraphData& graph = p.io.graphs.front();
    QCOMPARE(graph.Title, QStringLiteral("График количества совпадений для выделенных строк рейтинга"));
    const core::GraphSeries* normal = graph.Find(QStringLiteral("Нормальные значения"));
    const core::GraphSeries* beta = graph.Find(QStringLiteral("Бета"));
    QVERIFY(normal && beta);
    QVERIFY(!graph.Find(QStringLiteral("Альфа")));
    QCOMPARE(int(beta->Points.size()), 6);
    QCOMPARE(beta->Points[0].Y, 60.0);
    QCOMPARE(beta->Points[3].Y, 2.0);
    // The theory for the largest "Ставок" of the selection, 100 stakes.
    QVERIFY(std::abs(normal->Points[0].Y - 100.0 * 1906884 / 3162510) < 1e-9);

    // With the menu, for both rows.
    list->selectAll();
    p.action("RatingsGraphOverlap")->trigger();
    QCOMPARE(int(p.io.graphs.size()), 2);
    QVERIFY(p.io.graphs.back().Find(QStringLiteral("Альфа")));
    QVERIFY(p.io.graphs.back().Find(QStringLiteral("Бета")));
}

void RatingsPageTest::stakeChartsOfTheSelectedComments()
{
    // Checked stakes of two comments over the last two draws (1113: 22 25 28 31 32; 1114:
    // 7 8 11 31 35).
    QVERIFY(
        WriteStakes(m_dir->path(), {Checked(Stake(stakes::KindManual, 1113, {22, 25, 1, 2, 3}, QStringLiteral("Альфа")),
                                            {22, 25, 28, 31, 32}, -20000),
                                    Checked(Stake(stakes::KindManual, 1113, {22, 25, 28, 2, 3}, QStringLiteral("Бета")),
                                            {22, 25, 28, 31, 32}, 80000),
                                    Checked(Stake(stakes::KindManual, 1114, {7, 8, 11, 31, 3}, QStringLiteral("альфа")),
                                            {7, 8, 11, 31, 35}, 980000)}));
    Program p(m_dir->path());
    p.window->initialise();
    // Refresh the rating from the stakes: nothing to lose, so no question.
    p.action("RatingsRefresh")->trigger();
    QVERIFY(p.io.questions.isEmpty());
    ui::RatingsPage* page = p.window->ratingsPage();
    QAbstractItemModel* model = page->list()->model();
    QCOMPARE(model->rowCount(), 2);
    QCOMPARE(p.panel(5), QStringLiteral("Рейтинг: 2"));
    QCOMPARE(model->index(0, 0).data().toString(), QStringLiteral("Альфа"));
    QCOMPARE(model->index(0, 1).data().toString(), QStringLiteral("2"));

    QVERIFY(!p.enabled("StakesGraphOverlap"));
    page->list()->selectRow(0);
    QVERIFY(p.enabled("StakesGraphOverlap"));
    QVERIFY(p.enabled("StakesGraphProfits"));
    p.showOn(page);
    QTest::keyClick(page->list(), Qt::Key_F6, Qt::ControlModifier);
    QCOMPARE(int(p.io.graphs.size()), 1);
    QCOMPARE(p.io.graphs[0].Title, QStringLiteral("График количества совпадений для всех ставок по тиражам"));
    QCOMPARE(int(p.io.graphs[0].Series.size()), 1);
    const core::GraphSeries& matches = p.io.graphs[0].Series[0];
    QCOMPARE(int(matches.Points.size()), 2);
    QCOMPARE(matches.Points[0].X, 1113.0);
    QCOMPARE(matches.Points[0].Y, 2.0);
    QCOMPARE(matches.Points[1].X, 1114.0);
    QCOMPARE(matches.Points[1].Y, 4.0);

    QTest::keyClick(page->list(), Qt::Key_F6, Qt::AltModifier);
    QCOMPARE(int(p.io.graphs.size()), 2);
    QCOMPARE(p.io.graphs[1].Title, QStringLiteral("График профита для всех ставок по тиражам"));
    QCOMPARE(p.io.graphs[1].Series[0].Points[0].Y, -2.0);
    QCOMPARE(p.io.graphs[1].Series[0].Points[1].Y, 98.0);
}

void RatingsPageTest::actionsFollowTheRowsTheSelectionAndTheBusyState()
{
    {
        Program p(m_dir->path());
        p.window->initialise();
        // No rows: nothing to export or chart; the refresh reads the open stakes file.
        QVERIFY(p.enabled("RatingsRefresh"));
        for (const char* name :
             {"RatingsExport", "RatingsToScript", "RatingsGraphOverlap", "StakesGraphOverlap", "StakesGraphProfits"})
            QVERIFY2(!p.enabled(name), name);
        for (const char* name : {"RatingsEffMode0", "RatingsEffMode1", "RatingsEffMode2"})
            QVERIFY2(p.enabled(name), name);
    }
    writeRatings({rating(QStringLiteral("Альфа"), 2, 3, {1, 0, 0, 1, 0, 0}, -40000)});
    Program p(m_dir->path());
    p.window->initialise();
    QVERIFY(p.enabled("RatingsExport"));
    QVERIFY(!p.enabled("RatingsGraphOverlap"));
    p.window->ratingsPage()->list()->selectRow(0);
    QVERIFY(p.enabled("RatingsGraphOverlap"));
    // The stake charts also need stakes in the file.
    QVERIFY(!p.session.stakes().hasData());
    QVERIFY(!p.enabled("StakesGraphOverlap"));
    QVERIFY(!p.enabled("StakesGraphProfits"));

    p.session.services().enterBusy();
    for (const QString& name : kRatingMenu.mid(0, 6))
        QVERIFY2(!p.window->action(name)->isEnabled(), qPrintable(name));
    QVERIFY(!p.enabled("RatingsEffMode0"));
    p.session.services().leaveBusy();
    QVERIFY(p.enabled("RatingsGraphOverlap"));
    QVERIFY(p.enabled("RatingsEffMode0"));
}

void RatingsPageTest::refreshAndExport()
{
    writeRatings({rating(QStringLiteral("Старое"), 2, 3, {1, 0, 0, 1, 0, 0}, -40000)});
    QVERIFY(WriteStakes(m_dir->path(), {Checked(Stake(stakes::KindManual, 1114, {7, 8, 1, 2, 3},
                                                      QStringLiteral("Новое \"в кавычках\"")),
                                                {7, 8, 11, 31, 35}, -20000)}));
    Program p(m_dir->path());
    p.window->initialise();
    QAbstractItemModel* model = p.window->ratingsPage()->list()->model();
    QCOMPARE(model->rowCount(), 1);

    // The rating holds rows: the refresh asks first, and No keeps them.
    p.io.answers.enqueue(false);
    p.action("RatingsRefresh")->trigger();
    QCOMPARE(p.io.questions.size(), 1);
    QCOMPARE(p.io.questions[0].text, QStringLiteral("Пересчитать рейтинг только по текущим ставкам?\n\n"
                                                    "Накопленные ранее данные по удаленным ставкам будут потеряны."));
    QCOMPARE(model->index(0, 0).data().toString(), QStringLiteral("Старое"));

    // F5 from the stakes page, Yes: only the stakes in the file count.
    p.showOn(p.window->stakesPage());
    p.io.answers.enqueue(true);
    QTest::keyClick(p.window->stakesPage()->grid(), Qt::Key_F5);
    QCOMPARE(p.io.questions.size(), 2);
    QCOMPARE(model->rowCount(), 1);
    QCOMPARE(model->index(0, 0).data().toString(), QStringLiteral("Новое \"в кавычках\""));
    QCOMPARE(model->index(0, 2).data().toString(), QStringLiteral("2"));
    QCOMPARE(namesInFile(ratingsFile()), QStringList{QStringLiteral("Новое \"в кавычках\"")});

    const QString csv = m_dir->filePath(QStringLiteral("rating.csv"));
    p.io.pickedFiles.enqueue(csv);
    p.action("RatingsExport")->trigger();
    QFile file(csv);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QStringList lines = cp1251::decode(file.readAll()).split(QStringLiteral("\r\n"));
    QVERIFY(lines.value(0).startsWith(QStringLiteral("\"Комментарий\";\"Ставок\";\"Угадано\"")));
    QVERIFY(lines.value(1).startsWith(QStringLiteral("\"Новое \"\"в кавычках\"\"\";1;2;")));
}

QTEST_MAIN(RatingsPageTest)
#include "ratingspage_test.moc"
