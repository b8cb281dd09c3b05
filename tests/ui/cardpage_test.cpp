// The page "Карта": the virtual grid over the whole archive, its colours and switches, and the
// hand-over of picked numbers to the combination list.

#include "ViewsProgram.h"

#include "app/ArchiveController.h"
#include "app/CandidatesController.h"
#include "core/GameMath.h"
#include "core/IniFile.h"
#include "core/Settings.h"
#include "ui/CardModel.h"
#include "ui/CardPage.h"
#include "ui/DrawListModel.h"

#include <QAbstractItemModelTester>
#include <QSpinBox>

using namespace viewstest;

class CardPageTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_dir = DataFolderWithArchive(); }
    void gridShowsEveryDrawNewestFirst();
    void coloursAndTheirSwitches();
    void filterTakesTheNumbersOfTheSelectedCells();
    void anEditedDrawIsShownAtOnce();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

void CardPageTest::gridShowsEveryDrawNewestFirst()
{
    Program p(m_dir->path());
    ui::CardPage* page = p.window->cardPage();
    QAbstractItemModelTester tester(page->model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(page->grid()->objectName(), QStringLiteral("sgCard"));
    p.start(page);
    // The offset hides nothing from the card.
    p.session.archive().setOffset(5);
    QAbstractItemModel* m = page->model();
    QCOMPARE(m->rowCount(), 1114);
    QCOMPARE(m->columnCount(), 55);
    QCOMPARE(m->headerData(0, Qt::Horizontal).toString(), QStringLiteral("1"));
    QCOMPARE(m->headerData(53, Qt::Horizontal).toString(), QStringLiteral("54"));
    QCOMPARE(m->headerData(54, Qt::Horizontal).toString(), QStringLiteral("E"));
    for (int row : {0, 1, 5, 600, 1113}) {
        const core::TDrawRec& d = p.draw(row);
        QCOMPARE(m->headerData(row, Qt::Vertical).toString(), QString::number(d.Num));
        QStringList shown;
        for (int c = 0; c < 54; ++c)
            if (!m->index(row, c).data().toString().isEmpty())
                shown << m->index(row, c).data().toString();
        QStringList drawn;
        core::TComb sorted = core::CombFromDraw(d);
        core::SortComb(sorted);
        for (std::uint8_t n : sorted.v)
            drawn << QString::number(n);
        QCOMPARE(shown, drawn);
        QCOMPARE(m->index(row, 54).data().toString(), QString::number(d.Extra));
    }
    p.shot(QStringLiteral("card"));
}

void CardPageTest::coloursAndTheirSwitches()
{
    Program p(m_dir->path());
    ui::CardPage* page = p.window->cardPage();
    QAction* colorCard = p.action("ColorCard");
    QAction* sequences = p.action("ColorCardSequences");
    p.window->show();
    p.window->initialise();
    // Only while the card is on screen.
    QVERIFY(!colorCard->isEnabled());
    QVERIFY(!sequences->isEnabled());
    p.window->mainPages()->setCurrentWidget(page);
    QVERIFY(colorCard->isEnabled());
    QVERIFY(sequences->isEnabled());
    QVERIFY(colorCard->isChecked());
    QCOMPARE(colorCard->text(), QStringLiteral("Выделять каналы в карте тиражей"));
    QCOMPARE(sequences->text(), QStringLiteral("Выделять последовательности в карте тиражей"));

    // Draw 1114 (row 0): 7 8 11 31 35; 7 and 8 are neighbours, 31 came in draw 1113 too.
    QAbstractItemModel* m = page->model();
    const auto background = [m](int row, int number) { return m->index(row, number - 1).data(Qt::BackgroundRole); };
    QCOMPARE(background(0, 7).value<QColor>(), QColor(0, 255, 255)); // aqua
    QCOMPARE(background(0, 8).value<QColor>(), QColor(0, 255, 255));
    QCOMPARE(background(1, 31).value<QColor>(), QColor(255, 255, 0)); // yellow: 32 beside it in 1113
    QCOMPARE(background(0, 31).value<QColor>(), QColor(0, 255, 0));   // lime
    QCOMPARE(background(0, 11).value<QColor>(), ui::ColorFromBgr(core::NumberColor(11, 6)));
    QCOMPARE(background(0, 20).value<QColor>(), ui::ColorFromBgr(core::NumberColor(20, 6)));
    QVERIFY(!m->index(0, 54).data(Qt::BackgroundRole).isValid());

    const QString state = m_dir->filePath(QStringLiteral("Vertoma_5x54.frm"));
    sequences->trigger();
    QVERIFY(!core::StateReadBool(state, core::kMainWindowSection, QStringLiteral("ColorCardSequences"), true));
    QCOMPARE(background(0, 7).value<QColor>(), ui::ColorFromBgr(core::NumberColor(7, 6)));
    colorCard->trigger();
    QVERIFY(!core::StateReadBool(state, core::kMainWindowSection, QStringLiteral("ColorCard"), true));
    QVERIFY(!background(0, 7).isValid());
    QVERIFY(!colorCard->isChecked());

    // Read back by the next run.
    p.window.reset();
    Program again(m_dir->path());
    QVERIFY(!again.session.views().colorCard());
    QVERIFY(!again.session.views().colorCardSequences());
}

void CardPageTest::filterTakesTheNumbersOfTheSelectedCells()
{
    Program p(m_dir->path());
    ui::CardPage* page = p.window->cardPage();
    p.start(page);
    QAction* include = p.action("CardFilter_Include");
    QAction* exclude = p.action("CardFilter_Exclude");
    QCOMPARE(p.session.candidates().combs().size(), std::size_t(3162510));

    // The key numbers' column alone, or a selection reaching into it: no filter.
    p.select(page->grid(), {{0, 54}});
    QVERIFY(!include->isEnabled());
    p.select(page->grid(), {{0, 6}, {0, 54}});
    QVERIFY(!include->isEnabled());
    // Only empty cells: refused before the undo copy is touched.
    p.select(page->grid(), {{0, 19}, {1, 19}});
    QVERIFY(include->isEnabled());
    const std::size_t undo = p.session.candidates().undoCount();
    include->trigger();
    QCOMPARE(p.io.messageTexts(app::MessageKind::Error).value(0),
             QStringLiteral("В выделенном диапазоне нет значений для фильтра!"));
    QCOMPARE(p.session.candidates().undoCount(), undo);
    QCOMPARE(p.session.candidates().combs().size(), std::size_t(3162510));

    // 7 of draw 1114 and, in the column of 8, both 8 of draw 1114 and an empty cell.
    p.select(page->grid(), {{0, 6}, {0, 7}, {1, 7}});
    QVERIFY(include->isEnabled() && exclude->isEnabled());
    include->trigger();
    // Combinations holding 7 or 8: all less those holding neither.
    const std::int64_t neither = core::Binomial(52, 5);
    QCOMPARE(std::int64_t(p.session.candidates().combs().size()), 3162510 - neither);
    QVERIFY(AllHoldOneOf(p.session.candidates().combs(), {7, 8}));
    QCOMPARE(p.session.candidates().history().back().Name, QStringLiteral("Карта"));
    QCOMPARE(p.session.candidates().history().back().Values, QStringLiteral("7; 8"));

    p.select(page->grid(), {{0, 7}});
    exclude->trigger();
    QCOMPARE(std::int64_t(p.session.candidates().combs().size()), core::Binomial(53, 4) - core::Binomial(52, 3));
    QVERIFY(AllHoldOneOf(p.session.candidates().combs(), {7}));

    // Off screen, the filter is off.
    p.window->mainPages()->setCurrentIndex(0);
    QVERIFY(!include->isEnabled());
}

void CardPageTest::anEditedDrawIsShownAtOnce()
{
    Program p(m_dir->path());
    ui::CardPage* page = p.window->cardPage();
    p.start(page);
    core::TDrawRec edited = p.draw(0);
    edited.Values[0] = 1; // 7 becomes 1
    QVERIFY(p.session.archive().replace(int(p.draws().size()) - 1, edited));
    QCOMPARE(page->model()->index(0, 0).data().toString(), QStringLiteral("1"));
    QVERIFY(page->model()->index(0, 6).data().toString().isEmpty());
}

QTEST_MAIN(CardPageTest)
#include "cardpage_test.moc"
