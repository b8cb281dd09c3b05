#include "FakeUserIo.h"
#include "TestPaths.h"
#include "app/ArchiveController.h"
#include "app/CandidatesController.h"
#include "app/Languages.h"
#include "app/Session.h"
#include "app/StatisticsController.h"
#include "core/IniFile.h"
#include "core/Settings.h"
#include "ui/MainWindow.h"
#include "ui/StatChartView.h"
#include "ui/StatPage.h"
#include "ui/StatSelector.h"
#include "ui/StatTableModel.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QComboBox>
#include <QHeaderView>
#include <QLineSeries>
#include <QMenu>
#include <QMenuBar>
#include <QSpinBox>
#include <QSplitter>
#include <QTableView>
#include <QToolButton>
#include <QtTest>

#include <cmath>
#include <memory>
#include <set>

namespace {

struct Program
{
    explicit Program(const QString& dir) : session(io, core::DataFolder(dir, QStringLiteral("Vertoma_5x54"), dir))
    {
        session.create();
        window = std::make_unique<ui::MainWindow>(session, languages);
        window->resize(1200, 800);
    }

    ui::StatPage* page() const { return window->statPage(); }
    QComboBox* methods() const { return window->findChild<QComboBox*>(QStringLiteral("cbDrawsStatType")); }
    QSpinBox* length() const { return window->findChild<QSpinBox*>(QStringLiteral("edDrawsStatLen")); }
    QTableView* table() const { return window->findChild<QTableView*>(QStringLiteral("lvDrawsStat")); }
    ui::StatChartView* chart() const { return window->findChild<ui::StatChartView*>(QStringLiteral("crtDrawsStat")); }
    QAbstractItemModel* model() const { return table()->model(); }
    QAction* action(const char* name) const { return window->action(QString::fromLatin1(name)); }
    QString cell(int row, int column) const { return model()->index(row, column).data().toString(); }

    // Chooses a method in the selector as the person does.
    void choose(const char* code) const
    {
        const int method = session.statistics().list().IndexOfCode(QString::fromLatin1(code));
        methods()->setCurrentIndex(methods()->findData(method));
    }
    int rowOf(const QString& value) const
    {
        for (int r = 0; r < model()->rowCount(); ++r)
            if (cell(r, 0) == value)
                return r;
        return -1;
    }
    void selectValues(const QStringList& values) const
    {
        table()->clearSelection();
        for (const QString& value : values)
            table()->selectionModel()->select(model()->index(rowOf(value), 0),
                                              QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
    void clickHeader(int column) const
    {
        QHeaderView* header = table()->horizontalHeader();
        const QPoint at(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                        header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
    }
    void typeLength(const QString& text) const
    {
        length()->setFocus();
        length()->selectAll();
        QTest::keyClicks(length(), text);
        QTest::keyClick(length(), Qt::Key_Return);
    }

    testsupport::FakeUserIo io;
    app::LanguageSwitcher languages;
    app::Session session;
    std::unique_ptr<ui::MainWindow> window;
};

double number(const QString& text)
{
    bool ok = false;
    const double v = QString(text).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
    return ok ? v : std::nan("");
}

// Column `column` of the table read top to bottom follows the order, equal cells by their values.
bool orderedBy(const Program& p, int column, bool descending)
{
    for (int r = 1; r < p.model()->rowCount(); ++r) {
        double a = number(p.cell(r - 1, column));
        double b = number(p.cell(r, column));
        if (a == b) {
            a = number(p.cell(r - 1, 0));
            b = number(p.cell(r, 0));
        }
        if (descending ? a < b : a > b)
            return false;
    }
    return true;
}

std::size_t combsWithAny(const core::TCombsArray& combs, const std::set<int>& numbers)
{
    std::size_t n = 0;
    for (const core::TComb& c : combs)
        n += std::any_of(std::begin(c.v), std::end(c.v), [&](std::uint8_t x) { return numbers.count(x) > 0; });
    return n;
}

} // namespace

class StatPageTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void controlsAndSelectors();
    void numbersTableMatchesTheSession();
    void windowLengthTakesEffectOnEnter();
    void headerClicksSortNumbersAsNumbers();
    void selectedRowsNarrowTheCombinations();
    void comparisonShowsAndFillsTheNormColumns();
    void layoutIsStoredAndRestored();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

void StatPageTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(QFile::copy(QStringLiteral(VERTOMA_SHARED_DATA_DIR "/Vertoma_5x54.ldr"),
                        m_dir->filePath(QStringLiteral("Vertoma_5x54.ldr"))));
    QFile::setPermissions(m_dir->filePath(QStringLiteral("Vertoma_5x54.ldr")),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

void StatPageTest::controlsAndSelectors()
{
    Program p(m_dir->path());
    QCOMPARE(p.window->mainPages()->widget(0), p.page());
    QCOMPARE(p.page()->objectName(), QStringLiteral("tsStat"));

    // The selector offers the methods of the list in its order, each with its index.
    const stats::TStatList& list = p.session.statistics().list();
    const std::vector<int> offered = list.SelectorMethods(false);
    QVERIFY(offered.size() > 100);
    QCOMPARE(p.methods()->count(), int(offered.size()));
    for (int i = 0; i < p.methods()->count(); ++i) {
        QCOMPARE(p.methods()->itemData(i).toInt(), offered[std::size_t(i)]);
        QCOMPARE(p.methods()->itemText(i), list.GetDisplayName(offered[std::size_t(i)], true));
    }
    QCOMPARE(p.methods()->currentIndex(), 0);
    QCOMPARE(p.methods()->toolTip(), QStringLiteral("Вид расчета статистики"));

    QCOMPARE(p.length()->minimum(), 1);
    QCOMPARE(p.length()->maximum(), 2147483647);
    QCOMPARE(p.length()->value(), 1000);
    QCOMPARE(p.length()->toolTip(), QStringLiteral("Количество тиражей, использующихся для расчета статистики"));

    // The graph selector offers the chartable methods only.
    QComboBox graphs;
    ui::FillStatSelector(graphs, list, true, false);
    const std::vector<int> chartable = list.SelectorMethods(true);
    QVERIFY(chartable.size() < offered.size());
    QCOMPARE(graphs.count(), int(chartable.size()));
    QCOMPARE(graphs.itemData(graphs.count() - 1).toInt(), chartable.back());
    graphs.setCurrentIndex(3);
    ui::FillStatSelector(graphs, list, true, true);
    QCOMPARE(graphs.currentIndex(), 3);
    ui::FillStatSelector(graphs, list, true, false);
    QCOMPARE(graphs.currentIndex(), 0);

    // A rebuilt method list refills the page's selector at the same position.
    p.methods()->setCurrentIndex(7);
    QSignalSpy changed(p.methods(), &QComboBox::currentIndexChanged);
    p.session.statistics().reload();
    QCOMPARE(p.methods()->count(), int(offered.size()));
    QCOMPARE(p.methods()->currentIndex(), 7);
    QCOMPARE(changed.count(), 0);

    // Commands: buttons, the menu "Статистика" and the chart's popup.
    QCOMPARE(p.action("DrawsStatCalc")->text(), QStringLiteral("Обновить"));
    QCOMPARE(p.action("StatFilter_Include")->text(), QStringLiteral("Оставить выделенные"));
    QCOMPARE(p.action("StatFilter_Include")->shortcut(), QKeySequence(Qt::Key_F7));
    QCOMPARE(p.action("StatFilter_Exclude")->text(), QStringLiteral("Удалить выделенные"));
    QCOMPARE(p.action("StatFilter_Exclude")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F7));
    for (const char* name : {"DrawsStatCalc", "StatFilter_Include", "StatFilter_Exclude"})
        QCOMPARE(p.page()->findChild<QToolButton*>(QStringLiteral("btn") + QString::fromLatin1(name))->defaultAction(),
                 p.action(name));
    QMenu* menu = nullptr;
    for (QAction* a : p.window->menuBar()->actions())
        if (a->text() == QStringLiteral("Статистика"))
            menu = a->menu();
    QVERIFY(menu);
    for (const char* name : {"DrawsStatCalc", "StatFilter_Include", "StatFilter_Exclude"})
        QVERIFY2(menu->actions().contains(p.action(name)), name);
    QMenu* popup = p.window->findChild<QMenu*>(QStringLiteral("pmDrawsStatChart"));
    QVERIFY(popup);
    QCOMPARE(popup->actions(),
             (QList<QAction*>{p.action("DrawsStatePrefetchsEnabled"), p.action("DrawsStatShowTotalLine")}));
    QCOMPARE(p.action("DrawsStatePrefetchsEnabled")->text(),
             QStringLiteral("Использовать сравнение с полным набором комбинаций"));
    QCOMPARE(p.action("DrawsStatShowTotalLine")->text(), QStringLiteral("График идеального распределения"));
}

void StatPageTest::numbersTableMatchesTheSession()
{
    Program p(m_dir->path());
    QAbstractItemModelTester tester(p.model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    p.window->initialise();
    // Start-up computes the first offered method.
    QCOMPARE(p.session.statistics().method(), p.methods()->itemData(0).toInt());

    p.choose("NUMS");
    QCOMPARE(p.session.statistics().method(), p.session.statistics().list().IndexOfCode(QStringLiteral("NUMS")));
    QCOMPARE(p.model()->rowCount(), 54);
    QCOMPARE(p.model()->columnCount(), 20);
    QCOMPARE(p.model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Значение"));
    QCOMPARE(p.model()->headerData(5, Qt::Horizontal).toString(), QStringLiteral("Откл-ие в %"));
    QCOMPARE(p.model()->headerData(19, Qt::Horizontal).toString(), QStringLiteral("+/- КРН"));

    // Every row of the session's table is shown once with its texts.
    const auto& rows = p.session.statistics().table().Rows;
    QCOMPARE(int(rows.size()), 54);
    for (const views::StatTableRow& row : rows) {
        const int shown = p.rowOf(row.Cells[0]);
        QVERIFY2(shown >= 0, qPrintable(row.Cells[0]));
        for (int c = 0; c < 20; ++c)
            QCOMPARE(p.cell(shown, c), row.Cells[std::size_t(c)]);
    }
    // Without the comparison the norm columns say so and are hidden.
    QCOMPARE(p.cell(0, 3), QStringLiteral("-"));
    for (int c : {3, 4, 5})
        QVERIFY(p.table()->isColumnHidden(c));

    // The chart: one series, a point per number with its count.
    const QList<QLineSeries*> series = p.chart()->lineSeries();
    QCOMPARE(series.size(), 1);
    QCOMPARE(series[0]->name(), QStringLiteral("Фактические данные"));
    QCOMPARE(series[0]->count(), 54);
    double total = 0;
    for (const QPointF& point : series[0]->points())
        total += point.y();
    QCOMPARE(total, 5.0 * p.session.statistics().table().DrawCount);
    const QStringList labels = p.chart()->axisLabels();
    QVERIFY(!labels.isEmpty());
    for (const QString& label : labels)
        QVERIFY2(p.rowOf(label) >= 0, qPrintable(label));

    // Another method replaces the table; choosing it again without a change computes nothing.
    p.choose("EVEN");
    QCOMPARE(p.model()->rowCount(), 6);
    QSignalSpy computed(&p.session.statistics(), &app::StatisticsController::tableChanged);
    p.methods()->setCurrentIndex(p.methods()->currentIndex());
    QCOMPARE(computed.count(), 0);
    p.action("DrawsStatCalc")->trigger();
    QCOMPARE(computed.count(), 1);
    QVERIFY(p.io.messages.isEmpty());
}

void StatPageTest::windowLengthTakesEffectOnEnter()
{
    Program p(m_dir->path());
    p.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(p.window.get()));
    p.window->initialise();
    p.choose("NUMS");
    QCOMPARE(p.session.statistics().table().DrawCount, 1000);
    // Observed counts: a green line of width 2 with square points while they have room.
    QLineSeries* actual = p.chart()->lineSeries().value(0);
    QVERIFY(actual);
    QCOMPARE(actual->pen().color(), QColor(0x00, 0x80, 0x00));
    QCOMPARE(actual->pen().width(), 2);
    QVERIFY(actual->pointsVisible());
    QVERIFY(!actual->lightMarker().isNull());

    p.typeLength(QStringLiteral("50"));
    QCOMPARE(p.length()->value(), 50);
    QCOMPARE(p.session.statistics().table().DrawCount, 50);
    double total = 0;
    for (int r = 0; r < p.model()->rowCount(); ++r)
        total += number(p.cell(r, 1));
    QCOMPARE(total, 250.0);

    // Arrows change the box but not the table; a value outside the range does nothing.
    p.length()->stepUp();
    QCOMPARE(p.session.statistics().table().DrawCount, 50);
    p.typeLength(QStringLiteral("0"));
    QCOMPARE(p.session.statistics().table().DrawCount, 50);

    // A longer window than the archive counts every draw up to the analysis point.
    p.session.archive().setOffset(14);
    p.typeLength(QStringLiteral("5000"));
    QCOMPARE(p.session.statistics().table().DrawCount, int(p.session.archive().draws().size()) - 14);

    // A length typed without Enter is the one a click on "Обновить" calculates with, as is the
    // one the menu's command reads.
    p.session.archive().setOffset(0);
    p.length()->setFocus();
    p.length()->selectAll();
    const int before = p.session.statistics().table().DrawCount;
    QTest::keyClicks(p.length(), QStringLiteral("100"));
    QCOMPARE(p.session.statistics().table().DrawCount, before);
    auto* update = p.page()->findChild<QToolButton*>(QStringLiteral("btnDrawsStatCalc"));
    QVERIFY(update);
    QTest::mouseClick(update, Qt::LeftButton);
    QCOMPARE(p.session.statistics().table().DrawCount, 100);
    QCOMPARE(p.length()->value(), 100);
    p.length()->selectAll();
    QTest::keyClicks(p.length(), QStringLiteral("70"));
    p.action("DrawsStatCalc")->trigger();
    QCOMPARE(p.session.statistics().table().DrawCount, 70);
}

void StatPageTest::headerClicksSortNumbersAsNumbers()
{
    Program p(m_dir->path());
    p.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(p.window.get()));
    p.window->initialise();
    p.choose("NUMS");

    // First by count, ascending.
    QCOMPARE(p.table()->horizontalHeader()->sortIndicatorSection(), 1);
    QVERIFY(orderedBy(p, 1, false));
    QVERIFY(number(p.cell(0, 1)) < number(p.cell(53, 1)));

    // The value column: 1, 2, ... 54 as numbers, not as texts; then reversed.
    p.clickHeader(0);
    for (int r = 0; r < 54; ++r)
        QCOMPARE(p.cell(r, 0), QString::number(r + 1));
    p.clickHeader(0);
    for (int r = 0; r < 54; ++r)
        QCOMPARE(p.cell(r, 0), QString::number(54 - r));

    // A new column starts ascending whatever the previous direction; the selection follows.
    p.selectValues({QStringLiteral("7")});
    p.clickHeader(6);
    QCOMPARE(p.table()->horizontalHeader()->sortIndicatorOrder(), Qt::AscendingOrder);
    QVERIFY(orderedBy(p, 6, false));
    p.clickHeader(6);
    QVERIFY(orderedBy(p, 6, true));
    QVERIFY(number(p.cell(0, 6)) > number(p.cell(53, 6)));
    const QModelIndexList selected = p.table()->selectionModel()->selectedRows();
    QCOMPARE(selected.size(), 1);
    QCOMPARE(selected[0].data().toString(), QStringLiteral("7"));

    // A new calculation keeps the chosen order.
    p.choose("SUMS");
    QVERIFY(p.model()->rowCount() > 100);
    QVERIFY(orderedBy(p, 6, true));
}

void StatPageTest::selectedRowsNarrowTheCombinations()
{
    Program p(m_dir->path());
    p.window->initialise();
    p.choose("NUMS");
    const core::TCombsArray start = p.session.candidates().combs();
    QVERIFY(!start.empty());
    QAction* include = p.action("StatFilter_Include");
    QAction* exclude = p.action("StatFilter_Exclude");
    QVERIFY(!include->isEnabled());
    QVERIFY(!exclude->isEnabled());

    p.selectValues({QStringLiteral("13"), QStringLiteral("7")});
    QVERIFY(include->isEnabled());
    QVERIFY(exclude->isEnabled());
    p.session.services().enterBusy();
    QVERIFY(!include->isEnabled());
    p.session.services().leaveBusy();
    QVERIFY(include->isEnabled());

    const std::size_t with = combsWithAny(start, {7, 13});
    QVERIFY(with > 0 && with < start.size());
    include->trigger();
    QCOMPARE(p.session.candidates().combs().size(), with);
    QCOMPARE(combsWithAny(p.session.candidates().combs(), {7, 13}), with);
    const combos::FilterHistoryRow& kept = p.session.candidates().history().back();
    QCOMPARE(kept.Name, p.methods()->currentText());
    // In table order: the table is sorted by count, so 7 and 13 come as their counts say.
    const QString first = p.rowOf(QStringLiteral("7")) < p.rowOf(QStringLiteral("13")) ? QStringLiteral("7; 13")
                                                                                       : QStringLiteral("13; 7");
    QCOMPARE(kept.Values, first);

    QVERIFY(p.session.candidates().undo());
    QCOMPARE(p.session.candidates().combs().size(), start.size());

    // Ctrl+F7 removes them, from anywhere in the window.
    p.window->show();
    p.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(p.window.get()));
    p.selectValues({QStringLiteral("13"), QStringLiteral("7")});
    p.table()->setFocus();
    QTest::keyClick(p.table(), Qt::Key_F7, Qt::ControlModifier);
    QCOMPARE(p.session.candidates().combs().size(), start.size() - with);
    QCOMPARE(combsWithAny(p.session.candidates().combs(), {7, 13}), std::size_t(0));

    // Removing every number leaves nothing, and then there is nothing to filter.
    p.table()->selectAll();
    exclude->trigger();
    QVERIFY(p.session.candidates().combs().empty());
    QVERIFY(!include->isEnabled());
    QVERIFY(p.session.candidates().undo());
    QCOMPARE(p.session.candidates().combs().size(), start.size() - with);
    QVERIFY(p.io.messages.isEmpty());
}

void StatPageTest::comparisonShowsAndFillsTheNormColumns()
{
    Program p(m_dir->path());
    p.window->initialise();
    p.choose("NUMS");
    const QString state = m_dir->filePath(QStringLiteral("Vertoma_5x54.frm"));
    QAction* compare = p.action("DrawsStatePrefetchsEnabled");
    QAction* totalLine = p.action("DrawsStatShowTotalLine");
    QVERIFY(!compare->isChecked());
    QVERIFY(!totalLine->isEnabled());
    QVERIFY(totalLine->isChecked());

    compare->trigger();
    QVERIFY(p.session.services().windowState().PrefetchsEnabled);
    QVERIFY(core::StateReadBool(state, core::kMainWindowSection, QStringLiteral("PrefetchsEnabled"), false));
    QVERIFY(compare->isChecked());
    QVERIFY(totalLine->isEnabled());
    QVERIFY(QFileInfo::exists(p.session.statistics().fullSetPath(p.session.statistics().method())));
    for (int c : {3, 4, 5}) {
        QVERIFY(!p.table()->isColumnHidden(c));
        QCOMPARE(p.table()->columnWidth(c), 80);
    }
    // Every number is in as many combinations as any other, so every norm is the midpoint of
    // the smallest and largest observed count, and the deviation is the difference to it.
    double low = 1e9, high = 0;
    for (int r = 0; r < 54; ++r) {
        low = std::min(low, number(p.cell(r, 1)));
        high = std::max(high, number(p.cell(r, 1)));
    }
    const double norm = std::nearbyint((low + high) / 2);
    for (int r = 0; r < 54; ++r) {
        QCOMPARE(number(p.cell(r, 3)), norm);
        QCOMPARE(number(p.cell(r, 4)), number(p.cell(r, 1)) - norm);
    }

    // The ideal line joins the observed one.
    QList<QLineSeries*> series = p.chart()->lineSeries();
    QCOMPARE(series.size(), 2);
    QStringList names{series[0]->name(), series[1]->name()};
    names.sort();
    QCOMPARE(names, (QStringList{QStringLiteral("Все возможные комбинации"), QStringLiteral("Фактические данные")}));
    for (QLineSeries* s : series) {
        QCOMPARE(s->count(), 54);
        if (s->name() == QStringLiteral("Все возможные комбинации")) {
            QVERIFY(!s->pointsVisible());
            // Colours are given in the stored blue-green-red order: 0x0000FF is red.
            QCOMPARE(s->pen().color(), QColor(0xFF, 0x00, 0x00));
            for (const QPointF& point : s->points())
                QCOMPARE(point.y(), (low + high) / 2);
        }
    }

    totalLine->trigger();
    QVERIFY(!p.session.services().windowState().ShowTotalLine);
    QVERIFY(!core::StateReadBool(state, core::kMainWindowSection, QStringLiteral("ShowTotalLine"), true));
    QVERIFY(!totalLine->isChecked());
    QCOMPARE(p.chart()->lineSeries().size(), 1);
    QCOMPARE(number(p.cell(0, 3)), norm); // the table keeps its comparison
    totalLine->trigger();
    QCOMPARE(p.chart()->lineSeries().size(), 2);

    compare->trigger();
    QVERIFY(!p.session.services().windowState().PrefetchsEnabled);
    QVERIFY(!core::StateReadBool(state, core::kMainWindowSection, QStringLiteral("PrefetchsEnabled"), true));
    QVERIFY(!totalLine->isEnabled());
    for (int c : {3, 4, 5})
        QVERIFY(p.table()->isColumnHidden(c));
    QCOMPARE(p.cell(0, 3), QStringLiteral("-"));
    QCOMPARE(p.chart()->lineSeries().size(), 1);
    QVERIFY(p.io.messages.isEmpty());
}

void StatPageTest::layoutIsStoredAndRestored()
{
    const QString state = m_dir->filePath(QStringLiteral("Vertoma_5x54.frm"));
    {
        Program p(m_dir->path());
        p.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(p.window.get()));
        p.window->initialise();
        // The default chart height is given to the chart once the page has its size.
        QCOMPARE(p.chart()->height(), 131);
        p.typeLength(QStringLiteral("321"));
        p.clickHeader(9);
        p.clickHeader(9);
        p.table()->setColumnWidth(0, 77);
        auto* splitter = p.page()->findChild<QSplitter*>();
        const QList<int> sizes = splitter->sizes();
        splitter->setSizes({sizes[0] + sizes[1] - 200, 200});
    }
    core::IniFile ini(state);
    QVERIFY(ini.load());
    const QString& section = core::kMainWindowSection;
    QCOMPARE(ini.readInt(section, QStringLiteral("DrawsStatLen"), 0), 321);
    QCOMPARE(ini.readInt(section, QStringLiteral("DrawsStatHeight"), 0), 200);
    QCOMPARE(ini.readString(section, QStringLiteral("lvDrawsStat.SortType")), QStringLiteral("9,1"));
    QCOMPARE(ini.readInt(section, QStringLiteral("lvDrawsStat.Column0"), 0), 77);
    QCOMPARE(ini.readInt(section, QStringLiteral("lvDrawsStat.Column3"), -1), 0);

    Program again(m_dir->path());
    again.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(again.window.get()));
    QCOMPARE(again.length()->value(), 321);
    QCOMPARE(again.table()->columnWidth(0), 77);
    QCOMPARE(again.table()->horizontalHeader()->sortIndicatorSection(), 9);
    QCOMPARE(again.table()->horizontalHeader()->sortIndicatorOrder(), Qt::DescendingOrder);
    QCOMPARE(again.chart()->height(), 200);
    again.window->initialise();
    QCOMPARE(again.session.statistics().table().DrawCount, 321);
    QVERIFY(orderedBy(again, 9, true));
}

QTEST_MAIN(StatPageTest)
#include "statpage_test.moc"
