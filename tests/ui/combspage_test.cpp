// The page "Комбинации" driven through the real main window on a temporary data folder.

#include "FakeUserIo.h"
#include "TestPaths.h"
#include "app/CandidatesController.h"
#include "app/Languages.h"
#include "app/Session.h"
#include "app/StatisticsController.h"
#include "core/GameMath.h"
#include "core/IniFile.h"
#include "core/Settings.h"
#include "ui/CombListModel.h"
#include "ui/CombsPage.h"
#include "ui/CommandBar.h"
#include "ui/DrawListModel.h"
#include "ui/DrawsPage.h"
#include "ui/FilterHistoryModel.h"
#include "ui/MainWindow.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSpinBox>
#include <QSplitter>
#include <QTabWidget>
#include <QTableView>
#include <QToolButton>
#include <QtTest>

#include <memory>

namespace {

const QStringList kCombsActions = {
    QStringLiteral("CombsGen"),       QStringLiteral("CombsOpen"),        QStringLiteral("CombsSave"),
    QStringLiteral("CombsUndo"),      QStringLiteral("CombsDelExists"),   QStringLiteral("CombsDelSelected"),
    QStringLiteral("CombsCopy"),      QStringLiteral("CombsPaste"),       QStringLiteral("CombsSelectAll"),
    QStringLiteral("CombsCheckNums"), QStringLiteral("CombsFindInDraws"), QStringLiteral("CombsInfo"),
    QStringLiteral("CombsXlsExport"),
};

struct Program
{
    explicit Program(const QString& dir) : session(io, core::DataFolder(dir, QStringLiteral("Vertoma_5x54"), dir))
    {
        session.create();
        window = std::make_unique<ui::MainWindow>(session, languages);
    }

    ui::CombsPage* page() const { return window->combsPage(); }
    QTableView* list() const { return page()->list(); }
    QAbstractItemModel* model() const { return list()->model(); }
    QAbstractItemModel* history() const { return page()->filters()->model(); }
    QAction* action(const char* name) const { return window->action(QString::fromLatin1(name)); }
    bool enabled(const char* name) const { return action(name)->isEnabled(); }
    QString cell(int row, int column) const { return model()->index(row, column).data().toString(); }
    QString combAt(int row) const
    {
        QStringList numbers;
        for (int column = ui::CombListModel::ColNum1; column <= ui::CombListModel::ColNum5; ++column)
            numbers << cell(row, column);
        return numbers.join(u' ');
    }
    QString historyCell(int row, int column) const { return history()->index(row, column).data().toString(); }
    void select(std::initializer_list<int> rows) const
    {
        list()->clearSelection();
        for (int row : rows)
            list()->selectionModel()->select(model()->index(row, 0),
                                             QItemSelectionModel::Select | QItemSelectionModel::Rows);
        list()->selectionModel()->setCurrentIndex(model()->index(*rows.begin(), 0), QItemSelectionModel::NoUpdate);
    }
    void generate(int mode, const QString& param)
    {
        core::TGenSettings settings;
        settings.Mode = std::uint8_t(mode);
        settings.Param = param;
        io.genEdits.enqueue(std::make_pair(settings, false));
        action("CombsGen")->trigger();
    }

    testsupport::FakeUserIo io;
    app::LanguageSwitcher languages;
    app::Session session;
    std::unique_ptr<ui::MainWindow> window;
};

QImage iconImage(const QVariant& decoration)
{
    return decoration.value<QIcon>().pixmap(16, 16).toImage();
}

} // namespace

class CombsPageTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void pageMenuAndActions();
    void listRowsCellsAndColours();
    void colouringSwitchIsStoredAndRepaints();
    void historyFollowsDeleteAndUndo();
    void historyIconsTellTheKindsApart();
    void actionsFollowListSelectionAndBusyState();
    void enterInTheExclusionBoxExcludesDraws();
    void copyPutsSelectedRowsInListOrder();
    void shortcutsActOnlyInsideThePage();
    void fullListSelectAllAndDelete();
    void layoutIsStoredAndRestored();

private:
    // The generation that start-up runs: every combination of the given numbers.
    void storeGeneration(const QString& numbers);

    std::unique_ptr<QTemporaryDir> m_dir;
};

void CombsPageTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    const QString archive = m_dir->filePath(QStringLiteral("Vertoma_5x54.ldr"));
    QVERIFY(QFile::copy(QStringLiteral(VERTOMA_SHARED_DATA_DIR "/Vertoma_5x54.ldr"), archive));
    QFile::setPermissions(archive, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    storeGeneration(QStringLiteral("1;2;3;4;5;6;7"));
}

void CombsPageTest::storeGeneration(const QString& numbers)
{
    core::TGenSettings settings;
    settings.Mode = 2;
    settings.Param = numbers;
    QVERIFY(core::GenSettingsSave(m_dir->filePath(QStringLiteral("Vertoma_5x54.ini")), settings));
}

void CombsPageTest::pageMenuAndActions()
{
    Program p(m_dir->path());
    QCOMPARE(p.window->listPages()->widget(1), p.page());
    QCOMPARE(p.page()->objectName(), QStringLiteral("tsCombs"));
    QCOMPARE(p.list()->objectName(), QStringLiteral("lvCombs"));
    QCOMPARE(p.page()->filters()->objectName(), QStringLiteral("lvFilters"));
    QCOMPARE(p.list()->selectionMode(), QAbstractItemView::ExtendedSelection);
    QCOMPARE(p.list()->selectionBehavior(), QAbstractItemView::SelectRows);

    QMenu* menu = nullptr;
    for (QAction* a : p.window->menuBar()->actions()) {
        if (a->text() == QStringLiteral("Комбинации"))
            menu = a->menu();
    }
    QVERIFY(menu);
    QStringList inMenu;
    for (QAction* a : menu->actions()) {
        if (!a->isSeparator())
            inMenu << a->objectName();
    }
    QCOMPARE(inMenu, kCombsActions);
    // The popup menu of the list offers the same commands.
    QStringList inPopup;
    for (QAction* a : p.list()->actions()) {
        if (!a->isSeparator())
            inPopup << a->objectName();
    }
    QCOMPARE(inPopup, kCombsActions);
    QCOMPARE(p.list()->contextMenuPolicy(), Qt::ActionsContextMenu);

    const struct
    {
        const char* name;
        const char* caption;
        QKeySequence shortcut;
    } expected[] = {
        {"CombsGen", "Генерировать", QKeySequence(QStringLiteral("F2"))},
        {"CombsOpen", "Открыть", QKeySequence(QStringLiteral("Ctrl+O"))},
        {"CombsSave", "Сохранить", QKeySequence(QStringLiteral("Ctrl+S"))},
        {"CombsUndo", "Отменить", QKeySequence(QStringLiteral("Ctrl+Z"))},
        {"CombsDelExists", "Исключить тиражи", QKeySequence(QStringLiteral("Ctrl+E"))},
        {"CombsDelSelected", "Удалить выделенные", QKeySequence()},
        {"CombsCopy", "Копировать в буфер", QKeySequence(QStringLiteral("Ctrl+C"))},
        {"CombsPaste", "Вставить из буфера", QKeySequence(QStringLiteral("Ctrl+V"))},
        {"CombsSelectAll", "Выделить все", QKeySequence(QStringLiteral("Ctrl+A"))},
        {"CombsCheckNums", "Количество уникальных номеров", QKeySequence()},
        {"CombsFindInDraws", "Проверить по архиву тиражей", QKeySequence(QStringLiteral("Ctrl+F"))},
    };
    for (const auto& e : expected) {
        QAction* a = p.action(e.name);
        QVERIFY2(a, e.name);
        QCOMPARE(a->text(), QString::fromUtf8(e.caption));
        QCOMPARE(a->shortcut(), e.shortcut);
        if (!e.shortcut.isEmpty())
            QCOMPARE(a->shortcutContext(), Qt::WidgetWithChildrenShortcut);
    }
    QCOMPARE(p.action("CombsOpen")->statusTip(), QStringLiteral("Загрузить список комбинаций из файла"));
    QCOMPARE(p.action("CombsSave")->statusTip(), QStringLiteral("Сохранить список комбинаций в файле"));
    QCOMPARE(p.action("CombsCopy")->statusTip(), QStringLiteral("Копировать выделенные комбинации в буфер обмена"));
    QCOMPARE(p.action("CombsPaste")->statusTip(), QStringLiteral("Вставить комбинации из буфера обмена"));

    // The tool panel names two commands its own way.
    QStringList buttons;
    for (ui::CommandBar* bar : p.page()->findChildren<ui::CommandBar*>()) {
        for (QAction* a : bar->actions()) {
            if (auto* button = qobject_cast<QToolButton*>(bar->widgetForAction(a)))
                buttons << button->text();
        }
    }
    QVERIFY(buttons.contains(QStringLiteral("Новый")));
    QVERIFY(buttons.contains(QStringLiteral("[-] Тиражи")));

    QSpinBox* exclude = p.page()->excludeBox();
    QCOMPARE(exclude->objectName(), QStringLiteral("edCombsExclude"));
    QCOMPARE(exclude->minimum(), 0);
    QCOMPARE(exclude->maximum(), 2147483647);
    QCOMPARE(exclude->value(), 0);
    QCOMPARE(exclude->statusTip(),
             QStringLiteral("Исключить указанное количество последних тиражей из списка комбинаций"));

    QAction* colour = p.action("ColorCombs");
    QVERIFY(colour && colour->isCheckable());
    QCOMPARE(colour->text(), QStringLiteral("Выделять каналы в списке комбинаций"));
}

void CombsPageTest::listRowsCellsAndColours()
{
    Program p(m_dir->path());
    QAbstractItemModelTester tester(p.model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(p.window->statusPanel(3)->text(), QStringLiteral("Комбинаций: 0"));
    p.window->initialise();

    QCOMPARE(p.model()->rowCount(), 21);
    QCOMPARE(p.model()->columnCount(), 7);
    QStringList headers;
    for (int column = 0; column < p.model()->columnCount(); ++column)
        headers << p.model()->headerData(column, Qt::Horizontal).toString();
    QCOMPARE(headers,
             (QStringList{QStringLiteral("№ п.п."), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                          QStringLiteral("4"), QStringLiteral("5"), QStringLiteral("S")}));
    QCOMPARE(p.cell(0, 0), QStringLiteral("1"));
    QCOMPARE(p.combAt(0), QStringLiteral("1 2 3 4 5"));
    QCOMPARE(p.cell(0, 6), QStringLiteral("15"));
    QCOMPARE(p.cell(1, 0), QStringLiteral("2"));
    QCOMPARE(p.combAt(1), QStringLiteral("1 2 3 4 6"));
    QCOMPARE(p.cell(20, 0), QStringLiteral("21"));
    QCOMPARE(p.combAt(20), QStringLiteral("3 4 5 6 7"));
    QCOMPARE(p.cell(20, 6), QStringLiteral("25"));
    QVERIFY(!p.model()->index(21, 0).data().isValid());
    QCOMPARE(p.window->statusPanel(3)->text(), QStringLiteral("Комбинаций: 21"));

    // With channels of 6 the numbers 1..6 share the first channel and 7 opens the second.
    const auto background = [&](int row, int column) {
        return p.model()->index(row, column).data(Qt::BackgroundRole).value<QColor>();
    };
    QCOMPARE(p.session.statistics().config().ChannelSize, 6);
    QCOMPARE(background(0, 1), ui::ColorFromBgr(core::NumberColor(1, 6)));
    QCOMPARE(background(0, 5), background(0, 1));
    QCOMPARE(background(20, 5), ui::ColorFromBgr(core::NumberColor(7, 6)));
    QVERIFY(background(20, 5) != background(20, 4));
    QCOMPARE(background(20, 5), QColor(0xFF, 0xFF, 0xAA));
    QCOMPARE(background(0, 0), QColor(Qt::white));
    QCOMPARE(background(0, 6), QColor(Qt::white));
}

void CombsPageTest::colouringSwitchIsStoredAndRepaints()
{
    const QString state = m_dir->filePath(QStringLiteral("Vertoma_5x54.frm"));
    {
        Program p(m_dir->path());
        p.window->initialise();
        QVERIFY(p.action("ColorCombs")->isChecked());
        QSignalSpy repainted(p.model(), &QAbstractItemModel::dataChanged);
        p.list()->selectionModel()->select(p.model()->index(3, 0),
                                           QItemSelectionModel::Select | QItemSelectionModel::Rows);

        p.action("ColorCombs")->trigger();
        QVERIFY(!p.session.services().windowState().ColorCombs);
        QVERIFY(!core::StateReadBool(state, core::kMainWindowSection, QStringLiteral("ColorCombs"), true));
        QCOMPARE(repainted.count(), 1);
        for (int column = 0; column < p.model()->columnCount(); ++column)
            QVERIFY(!p.model()->index(0, column).data(Qt::BackgroundRole).isValid());
        // A repaint keeps the rows and the selection.
        QCOMPARE(p.model()->rowCount(), 21);
        QVERIFY(p.list()->selectionModel()->isRowSelected(3, {}));
    }
    Program again(m_dir->path());
    again.window->initialise();
    QVERIFY(!again.action("ColorCombs")->isChecked());
    QVERIFY(!again.model()->index(0, 1).data(Qt::BackgroundRole).isValid());
    again.action("ColorCombs")->trigger();
    QVERIFY(again.model()->index(0, 1).data(Qt::BackgroundRole).isValid());
    QVERIFY(core::StateReadBool(state, core::kMainWindowSection, QStringLiteral("ColorCombs"), false));
}

void CombsPageTest::historyFollowsDeleteAndUndo()
{
    Program p(m_dir->path());
    QAbstractItemModelTester tester(p.history(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    p.window->initialise();
    QCOMPARE(p.history()->rowCount(), 0);
    QCOMPARE(p.history()->columnCount(), 3);
    QCOMPARE(p.history()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Примененные фильтры"));
    QCOMPARE(p.history()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Значения"));
    QCOMPARE(p.history()->headerData(2, Qt::Horizontal).toString(), QStringLiteral("Комбинаций"));

    p.select({2, 0, 5});
    p.action("CombsDelSelected")->trigger();
    QCOMPARE(p.model()->rowCount(), 18);
    QCOMPARE(p.combAt(0), QStringLiteral("1 2 3 4 6"));
    QCOMPARE(p.combAt(1), QStringLiteral("1 2 3 5 6"));
    QVERIFY(!p.list()->selectionModel()->hasSelection());
    QCOMPARE(p.history()->rowCount(), 1);
    QCOMPARE(p.historyCell(0, 0), QStringLiteral("Выделенные комбинации"));
    QCOMPARE(p.historyCell(0, 1), QStringLiteral("3"));
    QCOMPARE(p.historyCell(0, 2), QStringLiteral("18"));
    QCOMPARE(iconImage(p.history()->index(0, 0).data(Qt::DecorationRole)),
             iconImage(ui::FilterHistoryIcon(combos::FilterHistoryRow::Kind::Removed)));
    QVERIFY(!p.history()->index(0, 1).data(Qt::DecorationRole).isValid());
    QCOMPARE(p.window->statusPanel(3)->text(), QStringLiteral("Комбинаций: 18"));

    // A second step, then undo brings back the list before it and drops its history row.
    p.select({0});
    p.action("CombsDelSelected")->trigger();
    QCOMPARE(p.history()->rowCount(), 2);
    QCOMPARE(p.historyCell(1, 2), QStringLiteral("17"));
    QVERIFY(p.enabled("CombsUndo"));
    p.action("CombsUndo")->trigger();
    QCOMPARE(p.model()->rowCount(), 18);
    QCOMPARE(p.combAt(0), QStringLiteral("1 2 3 4 6"));
    QCOMPARE(p.history()->rowCount(), 1);
    QCOMPARE(p.historyCell(0, 2), QStringLiteral("18"));
    QVERIFY(!p.enabled("CombsUndo"));
    QCOMPARE(p.window->statusPanel(3)->text(), QStringLiteral("Комбинаций: 18"));

    // A new list starts a new history.
    p.generate(2, QStringLiteral("1;2;3;4;5;6"));
    QCOMPARE(p.model()->rowCount(), 6);
    QCOMPARE(p.history()->rowCount(), 0);
    QCOMPARE(p.window->statusPanel(3)->text(), QStringLiteral("Комбинаций: 6"));
}

void CombsPageTest::historyIconsTellTheKindsApart()
{
    Program p(m_dir->path());
    p.window->initialise();
    p.session.candidates().saveUndo(false);
    p.session.candidates().filterByNumbers({7}, {QStringLiteral("7")}, QStringLiteral("Числа"), false);
    p.session.candidates().historyAddUndo();
    p.session.candidates().saveUndo(false);
    p.session.candidates().deleteSelected({true});
    QCOMPARE(p.history()->rowCount(), 3);
    QCOMPARE(p.historyCell(0, 0), QStringLiteral("Числа"));
    QCOMPARE(p.historyCell(0, 1), QStringLiteral("7"));
    QCOMPARE(p.historyCell(0, 2), QStringLiteral("15"));
    QCOMPARE(p.historyCell(1, 0), QStringLiteral("Отмена последней операции"));
    QCOMPARE(p.historyCell(1, 1), QString());

    const QImage kept = iconImage(p.history()->index(0, 0).data(Qt::DecorationRole));
    const QImage undone = iconImage(p.history()->index(1, 0).data(Qt::DecorationRole));
    const QImage removed = iconImage(p.history()->index(2, 0).data(Qt::DecorationRole));
    QVERIFY(!kept.isNull() && !undone.isNull() && !removed.isNull());
    QVERIFY(kept != removed);
    QVERIFY(kept != undone);
    QVERIFY(removed != undone);
    // Plus, minus and arrow by their colours: green, red and grey at the marks' centres.
    const QColor plus = kept.pixelColor(8, 8);
    QVERIFY(plus.green() > 2 * plus.red() && plus.alpha() == 255);
    QVERIFY(kept.pixelColor(8, 3).alpha() == 255);  // the plus has an upright bar
    QVERIFY(removed.pixelColor(8, 3).alpha() == 0); // the minus has none
    const QColor minus = removed.pixelColor(8, 8);
    QVERIFY(minus.red() > 2 * minus.green() && minus.alpha() == 255);
    const QColor arrow = undone.pixelColor(4, 5);
    QVERIFY(arrow.alpha() > 0 && arrow.red() == arrow.green() && arrow.green() == arrow.blue());
}

void CombsPageTest::actionsFollowListSelectionAndBusyState()
{
    Program p(m_dir->path());
    p.window->initialise();
    // A fresh list leaves nothing to undo and nothing selected.
    QVERIFY(!p.enabled("CombsUndo"));
    QVERIFY(!p.enabled("CombsDelSelected"));
    QVERIFY(!p.enabled("CombsFindInDraws"));
    QVERIFY(!p.enabled("CombsDelExists")); // the exclusion count is 0
    QVERIFY(!p.enabled("CombsPaste"));     // the clipboard is empty
    for (const char* name : {"CombsGen", "CombsOpen", "CombsSave", "CombsCopy", "CombsSelectAll", "CombsCheckNums"})
        QVERIFY2(p.enabled(name), name);

    p.select({4});
    QVERIFY(p.enabled("CombsDelSelected"));
    QVERIFY(p.enabled("CombsFindInDraws"));
    p.page()->excludeBox()->setValue(2);
    QVERIFY(p.enabled("CombsDelExists"));
    p.io.clipboard = QStringLiteral("1 2 3 4 5\r\n");
    p.window->updateActionStates();
    QVERIFY(p.enabled("CombsPaste"));

    p.session.services().enterBusy();
    for (const QString& name : kCombsActions)
        QVERIFY2(!p.window->action(name)->isEnabled(), qPrintable(name));
    QVERIFY(!p.action("ColorCombs")->isEnabled());
    p.session.services().leaveBusy();
    QVERIFY(p.enabled("CombsDelSelected"));
    QVERIFY(p.enabled("CombsGen"));

    // A narrowing step can be undone.
    p.action("CombsDelExists")->trigger();
    QVERIFY(p.enabled("CombsUndo"));
    // The narrowing cleared the list's selection.
    QVERIFY(!p.enabled("CombsDelSelected"));
    QVERIFY(!p.enabled("CombsFindInDraws"));

    // Pasting replaces the list and leaves nothing to undo.
    p.action("CombsPaste")->trigger();
    QCOMPARE(p.model()->rowCount(), 1);
    QVERIFY(!p.enabled("CombsUndo"));

    // An empty list can be neither saved, copied nor narrowed.
    p.generate(2, QStringLiteral("1;2;3"));
    QCOMPARE(p.model()->rowCount(), 0);
    for (const char* name : {"CombsSave", "CombsCopy", "CombsSelectAll", "CombsDelExists", "CombsDelSelected"})
        QVERIFY2(!p.enabled(name), name);
    QVERIFY(p.enabled("CombsGen"));
    QVERIFY(p.enabled("CombsCheckNums"));
    QCOMPARE(p.window->statusPanel(3)->text(), QStringLiteral("Комбинаций: 0"));

    p.action("CombsCheckNums")->trigger();
    QCOMPARE(p.io.messageTexts(app::MessageKind::Information).value(0),
             QStringLiteral("В текущем списке комбинаций содержится 0 уникальных номеров"));
}

void CombsPageTest::enterInTheExclusionBoxExcludesDraws()
{
    // The newest draw of the archive is 7 8 11 31 35; no other draw lies among these numbers.
    storeGeneration(QStringLiteral("7;8;11;31;35;22;25"));
    Program p(m_dir->path());
    p.window->initialise();
    QCOMPARE(p.model()->rowCount(), 21);
    QSpinBox* box = p.page()->excludeBox();

    // Enter with 0 does nothing.
    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(p.model()->rowCount(), 21);
    QCOMPARE(p.history()->rowCount(), 0);

    // A typed count, then Enter.
    box->selectAll();
    QTest::keyClicks(box, QStringLiteral("1"));
    QTest::keyClick(box, Qt::Key_Enter);
    QCOMPARE(box->value(), 1);
    QCOMPARE(p.model()->rowCount(), 20);
    QCOMPARE(p.history()->rowCount(), 1);
    QCOMPARE(p.historyCell(0, 0), QStringLiteral("Последние тиражи"));
    QCOMPARE(p.historyCell(0, 1), QStringLiteral("1"));
    QCOMPARE(p.historyCell(0, 2), QStringLiteral("20"));
    for (int row = 0; row < p.model()->rowCount(); ++row)
        QVERIFY(p.combAt(row) != QStringLiteral("7 8 11 31 35"));

    // While another operation runs, Enter starts nothing.
    p.session.services().enterBusy();
    QTest::keyClick(box, Qt::Key_Return);
    p.session.services().leaveBusy();
    QCOMPARE(p.history()->rowCount(), 1);

    // The box's value is what start-up shows next time.
    p.page()->excludeBox()->setValue(4);
    p.window.reset();
    Program again(m_dir->path());
    QCOMPARE(again.page()->excludeBox()->value(), 4);
}

void CombsPageTest::copyPutsSelectedRowsInListOrder()
{
    Program p(m_dir->path());
    p.window->initialise();
    // Nothing selected: the clipboard keeps what it had.
    p.io.clipboard = QStringLiteral("kept");
    p.list()->clearSelection();
    p.action("CombsCopy")->trigger();
    QCOMPARE(p.io.clipboard, QStringLiteral("kept"));

    p.select({20, 0, 2});
    p.action("CombsCopy")->trigger();
    QCOMPARE(p.io.clipboard, QStringLiteral("01 02 03 04 05\r\n01 02 03 04 07\r\n03 04 05 06 07\r\n"));

    // A range selected by Shift gives every row between.
    p.list()->clearSelection();
    p.list()->selectionModel()->select(QItemSelection(p.model()->index(3, 0), p.model()->index(5, 6)),
                                       QItemSelectionModel::Select);
    p.action("CombsCopy")->trigger();
    QCOMPARE(p.io.clipboard, QStringLiteral("01 02 03 05 06\r\n01 02 03 05 07\r\n01 02 03 06 07\r\n"));

    // The focused row is the one searched in the archive.
    p.select({0});
    p.action("CombsFindInDraws")->trigger();
    QCOMPARE(p.io.messageTexts(app::MessageKind::Information).value(0),
             QStringLiteral("Выделенная комбинация не найдена архиве тиражей!"));
}

void CombsPageTest::shortcutsActOnlyInsideThePage()
{
    Program p(m_dir->path());
    p.window->initialise();
    p.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(p.window.get()));
    p.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(p.window.get()));

    // On the draw list Ctrl+A and Ctrl+C belong to that list.
    QTableView* draws = p.window->drawsPage()->list();
    draws->setFocus();
    QTest::keyClick(draws, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(draws, Qt::Key_C, Qt::ControlModifier);
    QVERIFY(!p.list()->selectionModel()->hasSelection());
    QVERIFY(p.io.clipboard.isEmpty());

    p.window->listPages()->setCurrentWidget(p.page());
    p.list()->setFocus();
    QVERIFY(p.list()->hasFocus());
    QTest::keyClick(p.list(), Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(p.list()->selectionModel()->selectedRows().size(), 21);
    QTest::keyClick(p.list(), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(p.io.clipboard.count(QStringLiteral("\r\n")), 21);

    p.list()->clearSelection();
    p.select({0});
    p.action("CombsDelSelected")->trigger();
    QCOMPARE(p.model()->rowCount(), 20);
    // Ctrl+Z from the history list below undoes the step.
    p.page()->filters()->setFocus();
    QTest::keyClick(p.page()->filters(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(p.model()->rowCount(), 21);
}

void CombsPageTest::fullListSelectAllAndDelete()
{
    core::TGenSettings full;
    QVERIFY(core::GenSettingsSave(m_dir->filePath(QStringLiteral("Vertoma_5x54.ini")), full));
    Program p(m_dir->path());
    p.window->initialise();
    QCOMPARE(p.model()->rowCount(), 3162510);
    QCOMPARE(p.cell(3162509, 0), QStringLiteral("3162510"));
    QCOMPARE(p.combAt(3162509), QStringLiteral("50 51 52 53 54"));
    QCOMPARE(p.cell(3162509, 6), QStringLiteral("260"));
    QCOMPARE(p.window->statusPanel(3)->text(), QStringLiteral("Комбинаций: 3162510"));

    p.action("CombsSelectAll")->trigger();
    p.list()->selectionModel()->select(p.model()->index(1, 0),
                                       QItemSelectionModel::Deselect | QItemSelectionModel::Rows);
    p.action("CombsDelSelected")->trigger();
    QCOMPARE(p.model()->rowCount(), 1);
    QCOMPARE(p.combAt(0), QStringLiteral("1 2 3 4 6"));
    QCOMPARE(p.historyCell(0, 1), QStringLiteral("3162509"));
    p.action("CombsUndo")->trigger();
    QCOMPARE(p.model()->rowCount(), 3162510);
}

void CombsPageTest::layoutIsStoredAndRestored()
{
    const QString state = m_dir->filePath(QStringLiteral("Vertoma_5x54.frm"));
    {
        Program p(m_dir->path());
        p.window->initialise();
        p.list()->setColumnWidth(0, 77);
        p.list()->setColumnWidth(3, 41);
        p.page()->filters()->setColumnWidth(1, 55);
        p.window->show();
        p.window->listPages()->setCurrentWidget(p.page());
        QVERIFY(QTest::qWaitForWindowExposed(p.window.get()));
        auto* splitter = p.page()->findChild<QSplitter*>(QStringLiteral("splCombs"));
        const int total = splitter->sizes().value(0) + splitter->sizes().value(1);
        splitter->setSizes({total - 150, 150});
    }
    core::IniFile ini(state);
    QVERIFY(ini.load());
    QCOMPARE(ini.readInt(core::kMainWindowSection, QStringLiteral("lvCombs.Column0"), 0), 77);
    QCOMPARE(ini.readInt(core::kMainWindowSection, QStringLiteral("lvCombs.Column3"), 0), 41);
    QCOMPARE(ini.readInt(core::kMainWindowSection, QStringLiteral("lvFilters.Column1"), 0), 55);
    QCOMPARE(ini.readInt(core::kMainWindowSection, QStringLiteral("FiltersHeight"), 0), 150);

    Program again(m_dir->path());
    QCOMPARE(again.list()->columnWidth(0), 77);
    QCOMPARE(again.page()->filters()->columnWidth(1), 55);
    again.window->show();
    again.window->listPages()->setCurrentWidget(again.page());
    QVERIFY(QTest::qWaitForWindowExposed(again.window.get()));
    QCOMPARE(again.page()->findChild<QSplitter*>(QStringLiteral("splCombs"))->sizes().value(1), 150);
    // A page never shown keeps the stored height.
    again.window.reset();
    QCOMPARE(core::StateReadInt(state, core::kMainWindowSection, QStringLiteral("FiltersHeight"), 0), 150);
    {
        Program hidden(m_dir->path());
    }
    QCOMPARE(core::StateReadInt(state, core::kMainWindowSection, QStringLiteral("FiltersHeight"), 0), 150);
}

QTEST_MAIN(CombsPageTest)
#include "combspage_test.moc"
