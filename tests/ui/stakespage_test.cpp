// The page "Ставки" driven through the real main window on a temporary data folder: its outline,
// how the grid shows and paints the stakes, and what it keeps of its columns.

#include "StakesPageFixture.h"
#include "core/IniFile.h"
#include "core/TextForms.h"
#include "ui/CommandBar.h"
#include "ui/RatingsPage.h"
#include "ui/StakesDelegate.h"
#include "ui/StakesModel.h"
#include "ui/StakesPage.h"

#include <QAbstractItemModelTester>
#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QTabWidget>
#include <QTableView>
#include <QToolButton>

#include <algorithm>

using stakestest::Checked;
using stakestest::kLastDraw;
using stakestest::kStakeMenu;
using stakestest::MixedStakes;
using stakestest::Program;
using stakestest::Stake;
using stakestest::WriteStakes;

namespace {

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

// How a column of painted pixels reads: nothing, the normal text colour, or one of the marks.
enum class Ink { None, Normal, Blue, Green, Red };

Ink classify(const QColor& c)
{
    const int r = c.red(), g = c.green(), b = c.blue();
    if (b > r + 60 && b > g + 60)
        return Ink::Blue;
    if (g > r + 40 && g > b + 40 && g < 200)
        return Ink::Green;
    if (r > g + 60 && r > b + 60)
        return Ink::Red;
    if (std::max({r, g, b}) < 120)
        return Ink::Normal;
    return Ink::None;
}

struct PaintedCell
{
    QImage image;
    // The strongest ink of every pixel column.
    std::vector<Ink> columns;
    // The ink runs from left to right, equal neighbours merged.
    std::vector<Ink> sequence() const
    {
        std::vector<Ink> out;
        for (Ink ink : columns) {
            if (ink != Ink::None && (out.empty() || out.back() != ink))
                out.push_back(ink);
        }
        return out;
    }
    int firstInk() const
    {
        for (int x = 0; x < int(columns.size()); ++x)
            if (columns[std::size_t(x)] != Ink::None)
                return x;
        return -1;
    }
    int lastInk() const
    {
        for (int x = int(columns.size()) - 1; x >= 0; --x)
            if (columns[std::size_t(x)] != Ink::None)
                return x;
        return -1;
    }
    bool has(Ink wanted) const { return std::find(columns.begin(), columns.end(), wanted) != columns.end(); }
};

PaintedCell paintCell(ui::StakesPage* page, int row, int column, bool selected = false)
{
    QTableView* grid = page->grid();
    QStyleOptionViewItem option;
    option.rect = QRect(0, 0, grid->columnWidth(column), 18);
    option.state = QStyle::State_Enabled | QStyle::State_Active;
    if (selected)
        option.state |= QStyle::State_Selected;
    option.font = grid->font();
    option.palette = grid->palette();
    PaintedCell cell;
    cell.image = QImage(option.rect.size(), QImage::Format_RGB32);
    cell.image.fill(Qt::magenta);
    {
        QPainter painter(&cell.image);
        grid->itemDelegate()->paint(&painter, option, page->model()->index(row, column));
    }
    for (int x = 0; x < cell.image.width(); ++x) {
        Ink strongest = Ink::None;
        for (int y = 0; y < cell.image.height(); ++y) {
            const Ink ink = classify(cell.image.pixelColor(x, y));
            if (ink != Ink::None && (strongest == Ink::None || strongest == Ink::Normal))
                strongest = ink;
        }
        cell.columns.push_back(strongest);
    }
    return cell;
}

} // namespace

class StakesPageTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void outlineMenusAndActions();
    void gridRowsTextsAndColours();
    void paintingMarksKindsMatchesAndMargins();
    void checkingColoursTheRowsAndFillsTheRating();
    void columnWidthsAreStored();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

void StakesPageTest::init()
{
    m_dir = stakestest::MakeDataFolder();
    QVERIFY(m_dir);
}

void StakesPageTest::outlineMenusAndActions()
{
    Program p(m_dir->path());
    ui::StakesPage* page = p.window->stakesPage();
    QVERIFY(page);
    QTabWidget* pages = p.window->mainPages();
    QCOMPARE(pages->tabText(pages->indexOf(page)), QStringLiteral("Ставки"));
    QCOMPARE(pages->indexOf(page), 5);
    QCOMPARE(page->objectName(), QStringLiteral("tsStakes"));
    QTableView* grid = page->grid();
    QCOMPARE(grid->objectName(), QStringLiteral("sgStakes"));
    QCOMPARE(page->panel()->objectName(), QStringLiteral("pnlStakes"));
    QCOMPARE(page->popup()->objectName(), QStringLiteral("pmStakes"));
    QCOMPARE(grid->selectionBehavior(), QAbstractItemView::SelectRows);
    QCOMPARE(grid->verticalHeader()->defaultSectionSize(), 18);
    QCOMPARE(grid->verticalHeader()->sectionResizeMode(0), QHeaderView::Fixed);
    QCOMPARE(grid->horizontalHeader()->sectionResizeMode(8), QHeaderView::Interactive);
    // The initial widths, widened where the caption would be cut in this font.
    const int widths[] = {60, 60, 120, 60, 120, 60, 60, 60, 1000};
    for (int column = 0; column < 9; ++column) {
        const int fit = std::max(widths[column], grid->horizontalHeader()->sectionSizeHint(column));
        QCOMPARE(grid->columnWidth(column), fit);
        QVERIFY(grid->columnWidth(column) >=
                grid->fontMetrics().horizontalAdvance(grid->model()->headerData(column, Qt::Horizontal).toString()));
    }
    QStringList headers;
    for (int column = 0; column < grid->model()->columnCount(); ++column)
        headers << grid->model()->headerData(column, Qt::Horizontal).toString();
    QCOMPARE(headers,
             (QStringList{QStringLiteral("№ тиража"), QStringLiteral("Вид ставки"), QStringLiteral("Моя ставка"),
                          QStringLiteral("Выборка"), QStringLiteral("Результаты тиража"), QStringLiteral("Совпадений"),
                          QStringLiteral("Совпадения"), QStringLiteral("Профит"), QStringLiteral("Комментарий")}));

    QMenu* menu = menuNamed(*p.window, QStringLiteral("Ставки"));
    QVERIFY(menu);
    QCOMPARE(actionNames(menu->actions()), kStakeMenu);
    // A stake from a regular rule is made from here too.
    const QStringList popup =
        kStakeMenu + QStringList{QStringLiteral("RatingsRefresh"), QStringLiteral("TablesStakeAdd")};
    QCOMPARE(actionNames(page->popup()->actions()), popup);
    QStringList buttons;
    for (QAction* a : page->panel()->actions()) {
        if (auto* button = qobject_cast<QToolButton*>(page->panel()->widgetForAction(a)))
            buttons << button->text();
    }
    QVERIFY(buttons.contains(QStringLiteral("Суммарный профит по тиражам")));
    QVERIFY(buttons.contains(QStringLiteral("Сделать ставку")));
    QVERIFY(buttons.contains(QStringLiteral("Удалить по условию")));

    const struct
    {
        const char* name;
        const char* caption;
        const char* hint;
        const char* shortcut;
    } expected[] = {
        {"StakeAdd", "Сделать ставку", "Добавить текущую комбинацию в список ставок с возможностью ручного ввода",
         "F4"},
        {"StakeAddRandom", "Сделать случайную ставку",
         "Добавить ставку, выбранную случайным образом из списка комбинаций", "Ctrl+F4"},
        {"StakeAddSelected", "Сделать ставки для выделенных комбинаций",
         "Добавить выделенные комбинации в список ввода", "Alt+F4"},
        {"StakeAddAll", "Сделать ставки для всех комбинаций", "Добавить все существующие комбинации в список ввода",
         "Ctrl+Alt+F4"},
        {"StakeDel", "Удалить ставку", "Удалить выделенные ставки из списка ставок", "Ctrl+Del"},
        {"StakeFilter", "Удалить по условию", "Удалить ставки с заданным количеством совпадений из списка ставок",
         "Alt+D"},
        {"StakeClear", "Удалить все ставки", "Очистить список ставок", "Shift+Ctrl+Del"},
        {"StakesScroll", "Прокручивать список при добавлении", "Прокручивать список ставок при добавлении новой ставки",
         ""},
        {"StakesCheckLine", "Проверять ставки после каждой строки сценария",
         "Проверять ставки после каждой строки сценария", ""},
        {"StakesCheckManual", "Проверить ставки", "Выполнить проверку ставок по архиву тиражей", "Ctrl+F5"},
        {"LogStakes", "Журналы ставок", "Создавать текстовые файлы журналов ставок", ""},
        {"LogStakesDelete", "Удалить журналы ставок", "Удалить имеющиеся файлы журналов ставок", ""},
        {"StakesGraphDraws", "Суммарный профит по тиражам", "График суммарного профита ставок по тиражам", "F6"},
    };
    for (const auto& e : expected) {
        QAction* a = p.action(e.name);
        QVERIFY2(a, e.name);
        QCOMPARE(a->text(), QString::fromUtf8(e.caption));
        QCOMPARE(a->statusTip(), QString::fromUtf8(e.hint));
        QCOMPARE(a->shortcut(), QKeySequence(QString::fromLatin1(e.shortcut)));
    }
    for (const char* name : {"StakesScroll", "StakesCheckLine", "LogStakes"})
        QVERIFY2(p.action(name)->isCheckable(), name);
    for (const char* name : {"StakeAdd", "StakeFilter", "StakeClear", "StakesCheckManual", "StakesGraphDraws"})
        QCOMPARE(p.action(name)->shortcutContext(), Qt::WindowShortcut);
    QCOMPARE(p.action("StakeDel")->shortcutContext(), Qt::WidgetWithChildrenShortcut);

    // No other command of the window uses the keys of the stake commands.
    for (QAction* a : p.window->findChildren<QAction*>()) {
        for (const auto& e : expected) {
            if (*e.shortcut && a->objectName() != QString::fromLatin1(e.name))
                QVERIFY2(a->shortcut() != QKeySequence(QString::fromLatin1(e.shortcut)), qPrintable(a->objectName()));
        }
    }
}

void StakesPageTest::gridRowsTextsAndColours()
{
    QVERIFY(WriteStakes(m_dir->path(), MixedStakes()));
    Program p(m_dir->path());
    QAbstractItemModel* model = p.window->stakesPage()->model();
    QAbstractItemModelTester tester(model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    // Before start-up opens the file the grid holds its one blank row.
    QCOMPARE(model->rowCount(), 1);
    QCOMPARE(model->index(0, 0).data().toString(), QString());
    p.window->initialise();
    QCOMPARE(model->rowCount(), 5);
    QCOMPARE(model->columnCount(), 9);
    QCOMPARE(p.panel(4), QStringLiteral("Ставок: 5"));

    const QString point = core::SystemDecimalPoint();
    const auto row = [&](int r) {
        QStringList cells;
        for (int column = 0; column < 9; ++column)
            cells << model->index(r, column).data().toString();
        return cells;
    };
    QCOMPARE(row(0), (QStringList{QStringLiteral("1113"), QStringLiteral("Вручную"), QStringLiteral("5;22;25;40;54"),
                                  QStringLiteral("21"), QStringLiteral("22;25;28;31;32"), QStringLiteral("2"),
                                  QStringLiteral("22 25"), QStringLiteral("8") + point + QStringLiteral("00"),
                                  QStringLiteral("Мои числа")}));
    QCOMPARE(row(1), QStringList(9, QString()));
    QCOMPARE(row(2),
             (QStringList{QStringLiteral("1115"), QStringLiteral("Сценарий"), QStringLiteral("1;2;3;4;5"),
                          QStringLiteral("3162510"), QString(), QString(), QString(),
                          QStringLiteral("-2") + point + QStringLiteral("00"), QStringLiteral("01.001: сценарий")}));
    QCOMPARE(row(3).mid(0, 8),
             (QStringList{QStringLiteral("1114"), QStringLiteral("Регуляр"), QStringLiteral("1;7;9;10;44"),
                          QStringLiteral("21"), QStringLiteral("7;8;11;31;35"), QStringLiteral("1"),
                          QStringLiteral("7"), QStringLiteral("-2") + point + QStringLiteral("00")}));
    QCOMPARE(row(4).value(1), QStringLiteral("Система"));

    const auto background = [&](int r) { return model->index(r, 4).data(Qt::BackgroundRole).value<QColor>(); };
    QCOMPARE(background(0), QColor(0xEA, 0xFF, 0xEA));
    QVERIFY(!model->index(1, 0).data(Qt::BackgroundRole).isValid());
    QCOMPARE(background(2), QColor(0xEA, 0xFF, 0xFF));
    QCOMPARE(background(3), QColor(0xFF, 0xEA, 0xEA));
    QCOMPARE(background(4), QColor(0xFC, 0xFD, 0xD9));

    // Matches, hits and profit of a checked row: green when it won, red when it lost; the
    // other columns and unchecked rows keep the text colour.
    for (int column = 5; column <= 7; ++column) {
        QCOMPARE(model->index(0, column).data(Qt::ForegroundRole).value<QColor>(), QColor(0, 0x80, 0));
        QCOMPARE(model->index(3, column).data(Qt::ForegroundRole).value<QColor>(), QColor(0xFF, 0, 0));
        QVERIFY(!model->index(2, column).data(Qt::ForegroundRole).isValid());
    }
    for (int column : {0, 4, 8})
        QVERIFY(!model->index(0, column).data(Qt::ForegroundRole).isValid());

    for (int column = 0; column <= 6; ++column)
        QCOMPARE(model->index(0, column).data(Qt::TextAlignmentRole).toInt(), int(Qt::AlignCenter));
    QCOMPARE(model->index(0, 7).data(Qt::TextAlignmentRole).toInt(), int(Qt::AlignRight | Qt::AlignVCenter));
    QCOMPARE(model->index(0, 8).data(Qt::TextAlignmentRole).toInt(), int(Qt::AlignLeft | Qt::AlignVCenter));

    // The runs the delegate paints: played numbers and drawn numbers, matched ones marked.
    auto* stakesModel = p.window->stakesPage()->model();
    using Run = ui::StakeNumberRun;
    QCOMPARE(ui::StakeNumberRuns(stakesModel->record(0), 2), (std::vector<Run>{{QStringLiteral("5"), false},
                                                                               {QStringLiteral("22"), true},
                                                                               {QStringLiteral("25"), true},
                                                                               {QStringLiteral("40"), false},
                                                                               {QStringLiteral("54"), false}}));
    QCOMPARE(ui::StakeNumberRuns(stakesModel->record(3), 4), (std::vector<Run>{{QStringLiteral("7"), true},
                                                                               {QStringLiteral("8"), false},
                                                                               {QStringLiteral("11"), false},
                                                                               {QStringLiteral("31"), false},
                                                                               {QStringLiteral("35"), false}}));
    QVERIFY(ui::StakeNumberRuns(stakesModel->record(2), 4).empty()); // unchecked: no draw yet
    QCOMPARE(ui::StakeNumberRuns(stakesModel->record(2), 2).size(), std::size_t(5));
    const std::vector<Run> unchecked = ui::StakeNumberRuns(stakesModel->record(2), 2);
    QVERIFY(std::none_of(unchecked.begin(), unchecked.end(), [](const Run& r) { return r.matched; }));
    QVERIFY(ui::StakeNumberRuns(stakesModel->record(1), 2).empty()); // separator
    QVERIFY(ui::StakeNumberRuns(stakesModel->record(0), 6).empty());
}

void StakesPageTest::paintingMarksKindsMatchesAndMargins()
{
    std::vector<stakes::TStakeRec> records = MixedStakes();
    // The same numbers, every one of them drawn, and none of them.
    records.push_back(Checked(Stake(stakes::KindManual, 1113, {22, 25, 28, 31, 32}, QStringLiteral("все")),
                              {22, 25, 28, 31, 32}, 9980000));
    records.push_back(Checked(Stake(stakes::KindManual, 1113, {22, 25, 28, 31, 32}, QStringLiteral("ни одного")),
                              {1, 2, 3, 4, 5}, -20000));
    QVERIFY(WriteStakes(m_dir->path(), records));
    Program p(m_dir->path());
    p.window->initialise();
    ui::StakesPage* page = p.window->stakesPage();
    const QPalette palette = page->grid()->palette();

    // Row colours by kind; a selected row takes the selection colour; a separator the list's own.
    QCOMPARE(paintCell(page, 0, 0).image.pixelColor(1, 1), QColor(0xEA, 0xFF, 0xEA));
    QCOMPARE(paintCell(page, 3, 8).image.pixelColor(500, 16), QColor(0xFF, 0xEA, 0xEA));
    QCOMPARE(paintCell(page, 1, 2).image.pixelColor(60, 9), palette.color(QPalette::Active, QPalette::Base));
    QCOMPARE(paintCell(page, 0, 0, true).image.pixelColor(1, 1), palette.color(QPalette::Active, QPalette::Highlight));
    QVERIFY(paintCell(page, 1, 2).sequence().empty());

    // 5 22 25 40 54 against the draw 22 25 28 31 32: plain, two bold blue numbers, plain.
    const PaintedCell played = paintCell(page, 0, 2);
    QCOMPARE(played.sequence(), (std::vector<Ink>{Ink::Normal, Ink::Blue, Ink::Normal}));
    // The draw 7 8 11 31 35 against the stake 1 7 9 10 44: the first drawn number matched.
    QCOMPARE(paintCell(page, 3, 4).sequence(), (std::vector<Ink>{Ink::Blue, Ink::Normal}));
    // The numbers stand three pixels apart: the ink spans their advances and four gaps, less
    // the side bearings of the first and the last digit.
    QFont bold = page->grid()->font();
    bold.setBold(true);
    const QFontMetrics plain(page->grid()->font());
    const QFontMetrics heavy(bold);
    const int advances = plain.horizontalAdvance(QStringLiteral("5")) + heavy.horizontalAdvance(QStringLiteral("22")) +
                         heavy.horizontalAdvance(QStringLiteral("25")) + plain.horizontalAdvance(QStringLiteral("40")) +
                         plain.horizontalAdvance(QStringLiteral("54"));
    const int span = played.lastInk() - played.firstInk() + 1;
    QVERIFY2(span <= advances + 4 * 3 && span >= advances + 4 * 3 - 4,
             qPrintable(QStringLiteral("%1 %2").arg(span).arg(advances)));
    // The numbers are centred in the cell.
    QVERIFY(std::abs((played.firstInk() + played.lastInk()) / 2 - 60) <= 4);
    // Bold numbers take more room than plain ones.
    const PaintedCell all = paintCell(page, 5, 2);
    const PaintedCell none = paintCell(page, 6, 2);
    QCOMPARE(all.sequence(), std::vector<Ink>{Ink::Blue});
    QCOMPARE(none.sequence(), std::vector<Ink>{Ink::Normal});
    QVERIFY(all.lastInk() - all.firstInk() > none.lastInk() - none.firstInk());

    // The profit sits two pixels from the right edge, green for a win and red for a loss.
    const PaintedCell won = paintCell(page, 0, 7);
    QCOMPARE(won.sequence(), std::vector<Ink>{Ink::Green});
    QVERIFY(won.lastInk() < 60 - 2);
    QVERIFY(won.lastInk() >= 60 - 2 - 3);
    QCOMPARE(paintCell(page, 3, 7).sequence(), std::vector<Ink>{Ink::Red});
    QCOMPARE(paintCell(page, 3, 5).sequence(), std::vector<Ink>{Ink::Red});
    QCOMPARE(paintCell(page, 0, 6).sequence(), std::vector<Ink>{Ink::Green});
    // An unchecked stake's profit is in the text colour.
    QCOMPARE(paintCell(page, 2, 7).sequence(), std::vector<Ink>{Ink::Normal});
    // The comment starts two pixels from the left edge.
    const PaintedCell comment = paintCell(page, 0, 8);
    QVERIFY(comment.firstInk() >= 2);
    QVERIFY(comment.firstInk() <= 2 + 2);
}

void StakesPageTest::checkingColoursTheRowsAndFillsTheRating()
{
    // A stake costs 2.00; three matches win 10.00.
    core::TConfigData config;
    config.Cost = 20000;
    config.Profits = {core::TProfitRec{3, 100000}};
    QVERIFY(core::ConfigSave(m_dir->filePath(QStringLiteral("Vertoma_5x54.ini")), config));
    QVERIFY(WriteStakes(m_dir->path(),
                        {Stake(stakes::KindManual, kLastDraw, {7, 8, 11, 1, 2}, QStringLiteral("Тест")),
                         Stake(stakes::KindManual, kLastDraw, {1, 2, 3, 4, 5}, QStringLiteral("тест")),
                         Stake(stakes::KindManual, kLastDraw + 1, {1, 2, 3, 4, 5}, QStringLiteral("Тест"))}));
    Program p(m_dir->path());
    p.window->initialise();
    ui::StakesPage* page = p.window->stakesPage();
    QAbstractItemModel* model = page->model();
    QCOMPARE(model->index(0, 5).data().toString(), QString());
    QCOMPARE(p.panel(5), QStringLiteral("Рейтинг: 0"));

    p.showOn(page);
    QTest::keyClick(page->grid(), Qt::Key_F5, Qt::ControlModifier);
    const QString point = core::SystemDecimalPoint();
    // The newest draw is 7 8 11 31 35.
    QCOMPARE(model->index(0, 4).data().toString(), QStringLiteral("7;8;11;31;35"));
    QCOMPARE(model->index(0, 5).data().toString(), QStringLiteral("3"));
    QCOMPARE(model->index(0, 6).data().toString(), QStringLiteral("7 8 11"));
    QCOMPARE(model->index(0, 7).data().toString(), QStringLiteral("8") + point + QStringLiteral("00"));
    QCOMPARE(model->index(0, 7).data(Qt::ForegroundRole).value<QColor>(), QColor(0, 0x80, 0));
    QCOMPARE(model->index(1, 5).data().toString(), QStringLiteral("0"));
    QCOMPARE(model->index(1, 7).data().toString(), QStringLiteral("-2") + point + QStringLiteral("00"));
    QCOMPARE(model->index(1, 7).data(Qt::ForegroundRole).value<QColor>(), QColor(0xFF, 0, 0));
    // The next draw is not in the archive yet.
    QCOMPARE(model->index(2, 4).data().toString(), QString());
    QVERIFY(!model->index(2, 7).data(Qt::ForegroundRole).isValid());
    QCOMPARE(paintCell(page, 0, 2).sequence(), (std::vector<Ink>{Ink::Blue, Ink::Normal}));

    // Both checked stakes share one rating row whatever the letter case.
    QCOMPARE(p.panel(5), QStringLiteral("Рейтинг: 1"));
    QAbstractItemModel* ratings = p.window->ratingsPage()->list()->model();
    QCOMPARE(ratings->rowCount(), 1);
    QCOMPARE(ratings->index(0, 1).data().toString(), QStringLiteral("2"));
    QCOMPARE(ratings->index(0, 2).data().toString(), QStringLiteral("3"));
    QCOMPARE(ratings->index(0, 4).data().toString(), QStringLiteral("6") + point + QStringLiteral("00"));
    QVERIFY(QFileInfo::exists(m_dir->filePath(QStringLiteral("Vertoma_5x54.lrt"))));
}

void StakesPageTest::columnWidthsAreStored()
{
    const QString state = m_dir->filePath(QStringLiteral("Vertoma_5x54.frm"));
    {
        Program p(m_dir->path());
        p.window->initialise();
        p.window->stakesPage()->grid()->setColumnWidth(2, 150);
        p.window->stakesPage()->grid()->setColumnWidth(8, 400);
    }
    core::IniFile ini(state);
    QVERIFY(ini.load());
    const QString& section = core::kMainWindowSection;
    QCOMPARE(ini.readInt(section, QStringLiteral("sgStakes.Column2"), 0), 150);
    QCOMPARE(ini.readInt(section, QStringLiteral("sgStakes.Column8"), 0), 400);
    QVERIFY(ini.readInt(section, QStringLiteral("sgStakes.Column0"), 0) >= 60);
    // A grid keeps no sort order.
    QVERIFY(ini.readString(section, QStringLiteral("sgStakes.SortType")).isEmpty());

    Program again(m_dir->path());
    QCOMPARE(again.window->stakesPage()->grid()->columnWidth(2), 150);
    QCOMPARE(again.window->stakesPage()->grid()->columnWidth(8), 400);
    QCOMPARE(again.window->stakesPage()->grid()->columnWidth(1),
             ini.readInt(section, QStringLiteral("sgStakes.Column1"), 0));
}

QTEST_MAIN(StakesPageTest)
#include "stakespage_test.moc"