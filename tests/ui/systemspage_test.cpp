// The page "Системы" in the real main window, and the system dialog on its own.

#include "StakesFixture.h"
#include "app/SystemsController.h"
#include "ui/GaugeWindow.h"
#include "ui/CommandBar.h"
#include "ui/SystemDialog.h"
#include "ui/SystemsModel.h"
#include "ui/SystemsPage.h"
#include "ui/WheelDialog.h"

#include <QAbstractItemModelTester>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QToolButton>

#include <map>

using stakestest::Program;

namespace {

class MemoryLibrary : public app::SystemsLibrary
{
public:
    std::optional<std::vector<stakes::tSystemData>> list(QString&) override { return systems; }
    std::optional<QString> fetchLines(const stakes::tSystemData& system, QString& error) override
    {
        const auto it = lines.find(system.id);
        if (it == lines.end()) {
            error = QStringLiteral("нет");
            return std::nullopt;
        }
        return it->second;
    }
    int upload(const stakes::tSystemData&, bool, QString&) override { return 0; }

    std::vector<stakes::tSystemData> systems;
    std::map<int, QString> lines;
};

stakes::tSystemData system(int id, int nums, const QString& mail)
{
    stakes::tSystemData s;
    s.id = id;
    s.nums = nums;
    s.olap = 3;
    s.csize = 1;
    s.title = QStringLiteral("Система %1").arg(id);
    s.author = QStringLiteral("Автор");
    s.cl_mail = mail;
    s.created = QDateTime(QDate(2024, 5, 6), QTime(7, 8, 9));
    return s;
}

QStringList names(std::initializer_list<const char*> list)
{
    QStringList result;
    for (const char* name : list)
        result << QString::fromUtf8(name);
    return result;
}

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

QImage iconImage(const QIcon& icon)
{
    return icon.pixmap(16, 16).toImage();
}

} // namespace

class SystemsPageTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void outlineMenusAndActions();
    void rowsIconsAndEnablingRules();
    void theSwitchHidesThePageAndTheGames();
    void dialogCleansLinesAndCountsNumbers();
    void dialogRefusesBadFields_data();
    void dialogRefusesBadFields();
    void dialogShowsTheGuarantee();
    void aStrangersSystemIsReadOnly();
    void numberFieldsTakeDigitsOnly();
    void makingDialogFollowsTheGuaranteeAndShowsTheKnownSizes();
    void theGaugesStopIsHeardWhileTheWindowIsShown();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

void SystemsPageTest::init()
{
    m_dir = stakestest::MakeDataFolder();
    QVERIFY(m_dir);
}

void SystemsPageTest::outlineMenusAndActions()
{
    Program p(m_dir->path());
    ui::SystemsPage* page = p.window->systemsPage();
    QVERIFY(page);
    QTabWidget* pages = p.window->mainPages();
    QCOMPARE(pages->tabText(pages->indexOf(page)), QStringLiteral("Системы"));
    QCOMPARE(page->objectName(), QStringLiteral("tsSystems"));
    QVERIFY(pages->isTabVisible(pages->indexOf(page)));
    QTableView* list = page->list();
    QCOMPARE(list->objectName(), QStringLiteral("lvSystems"));
    QCOMPARE(list->selectionMode(), QAbstractItemView::ExtendedSelection);
    QCOMPARE(list->selectionBehavior(), QAbstractItemView::SelectRows);
    QVERIFY(list->isSortingEnabled());
    QCOMPARE(list->horizontalHeader()->sortIndicatorSection(), int(ui::SystemsModel::ColNums));
    QStringList headers;
    for (int column = 0; column < list->model()->columnCount(); ++column)
        headers << list->model()->headerData(column, Qt::Horizontal).toString();
    QCOMPARE(headers, names({"Название", "Автор", "Числа", "Блок", "Комбинаций", "Дата создания", "Статус", "Загрузок",
                             "Последняя", "Комментарии", "Ссылка", "Гарантия", "Лучшая известная", "Нижняя граница"}));

    QMenu* menu = menuNamed(*p.window, QStringLiteral("Системы"));
    QVERIFY(menu);
    QVERIFY(menu->menuAction()->isVisible());
    QCOMPARE(actionNames(menu->actions()),
             names({"SystemsOn", "SystemsRefresh", "SystemsDownload", "SystemsMake", "SystemsAdd", "SystemsProp",
                    "SystemsDel", "SystemStakeAll", "SystemStakeFilter"}));
    QCOMPARE(p.action("SystemsMake")->text(), QStringLiteral("Создать систему..."));
    QCOMPARE(p.action("SystemsOn")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_J));
    QCOMPARE(p.action("SystemStakeAll")->shortcut(), QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_J));
    QCOMPARE(p.action("SystemStakeFilter")->shortcut(), QKeySequence(Qt::ALT | Qt::Key_J));
    QVERIFY2(p.action("SystemStakeAll")->text().startsWith(QLatin1Char('C')), "a Latin C");
    QCOMPARE(actionNames(page->panel()->actions()),
             names({"SystemsRefresh", "SystemsDownload", "SystemsMake", "SystemsAdd", "SystemsProp", "SystemsDel",
                    "SystemStakeAll", "SystemStakeFilter"}));
    // The games are in the stakes menu too.
    const QStringList stakes = actionNames(menuNamed(*p.window, QStringLiteral("Ставки"))->actions());
    QVERIFY(stakes.contains(QStringLiteral("SystemStakeAll")) && stakes.contains(QStringLiteral("SystemStakeFilter")));
}

void SystemsPageTest::rowsIconsAndEnablingRules()
{
    Program p(m_dir->path());
    MemoryLibrary library;
    library.systems = {system(1, 12, QStringLiteral("me@x.org")), system(2, 7, QStringLiteral("other@x.org")),
                       system(3, 9, QString())};
    library.lines = {{1, QStringLiteral("1 2 3 4 12")}, {2, QStringLiteral("1 2 3 4 7")}};
    app::SystemsController& systems = p.session.systems();
    systems.setLibrary(&library);
    systems.setUser(QStringLiteral("Я"), QStringLiteral("ME@x.org"));
    p.window->initialise();
    ui::SystemsPage* page = p.window->systemsPage();
    QAbstractItemModelTester tester(page->model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(page->model()->rowCount(), 3);
    // Sorted by "Числа": 7, 9, 12.
    QTableView* list = page->list();
    QCOMPARE(list->model()->index(0, ui::SystemsModel::ColNums).data().toString(), QStringLiteral("07"));
    QCOMPARE(list->model()->index(2, ui::SystemsModel::ColNums).data().toString(), QStringLiteral("12"));
    QCOMPARE(list->model()->index(0, ui::SystemsModel::ColCreated).data().toString(),
             QStringLiteral("2024-05-06 07:08:09"));

    // Six different icons, none for a placeholder.
    QList<QImage> icons;
    for (auto state :
         {app::SystemRowState::LocalOwn, app::SystemRowState::LocalForeign, app::SystemRowState::LocalUnknown,
          app::SystemRowState::RemoteOwn, app::SystemRowState::RemoteForeign, app::SystemRowState::RemoteUnknown}) {
        const QImage image = iconImage(ui::SystemsModel::stateIcon(state));
        QVERIFY(!image.isNull());
        QVERIFY(!icons.contains(image));
        icons << image;
    }
    QVERIFY(ui::SystemsModel::stateIcon(app::SystemRowState::None).isNull());

    QVERIFY(!p.enabled("SystemsProp"));
    QVERIFY(!p.enabled("SystemsDownload"));
    page->selectRow(systems.rowOfId(2));
    QVERIFY(p.enabled("SystemsProp"));
    QVERIFY(p.enabled("SystemsDownload"));
    QVERIFY2(!p.enabled("SystemsDel"), "another user's system");
    page->selectRow(systems.rowOfId(1));
    QVERIFY(p.enabled("SystemsDel"));

    // Download: the row says "Загружена" and its icon turns to the local one.
    p.action("SystemsDownload")->trigger();
    const int row = list->currentIndex().row();
    QCOMPARE(list->model()->index(row, ui::SystemsModel::ColStatus).data().toString(), QStringLiteral("Загружена"));
    QCOMPARE(iconImage(list->model()->index(row, 0).data(Qt::DecorationRole).value<QIcon>()), icons[0]);
    QVERIFY(QFileInfo::exists(m_dir->filePath(QStringLiteral("Systems/5-12-3_0001.dat"))));
    // Refresh keeps the selected system.
    p.action("SystemsRefresh")->trigger();
    QCOMPARE(page->currentRow(), systems.rowOfId(1));

    // The games need a combination list and the stakes file: both are there after start-up.
    QVERIFY(p.enabled("SystemStakeAll"));
    QVERIFY(p.enabled("SystemStakeFilter"));
    // A double click opens the properties.
    emit list->doubleClicked(list->model()->index(0, 0));
    QCOMPARE(p.io.systemStarts.size(), 1);
}

void SystemsPageTest::theSwitchHidesThePageAndTheGames()
{
    Program p(m_dir->path());
    p.window->initialise();
    QTabWidget* pages = p.window->mainPages();
    ui::SystemsPage* page = p.window->systemsPage();
    QVERIFY(p.action("SystemsOn")->isChecked());
    p.action("SystemsOn")->trigger();
    QVERIFY(!pages->isTabVisible(pages->indexOf(page)));
    QVERIFY(!p.action("SystemStakeAll")->isVisible());
    QVERIFY(!p.action("SystemStakeFilter")->isVisible());
    QVERIFY(!p.enabled("SystemsRefresh"));
    QVERIFY(!p.action("SystemsOn")->isChecked());
    // Stored at once: a new window starts with the page hidden.
    Program again(m_dir->path());
    QVERIFY(!again.window->mainPages()->isTabVisible(again.window->mainPages()->indexOf(again.window->systemsPage())));
    again.action("SystemsOn")->trigger();
    QVERIFY(again.window->mainPages()->isTabVisible(again.window->mainPages()->indexOf(again.window->systemsPage())));
    QCOMPARE(again.window->mainPages()->currentWidget(), again.window->systemsPage());
    QVERIFY(again.action("SystemStakeAll")->isVisible());
}

void SystemsPageTest::dialogCleansLinesAndCountsNumbers()
{
    stakes::tSystemData s;
    ui::SystemDialog dialog(s, true);
    auto* combs = dialog.findChild<QPlainTextEdit*>(QStringLiteral("edCombs"));
    auto* nums = dialog.findChild<QLineEdit*>(QStringLiteral("edNums"));
    auto* csize = dialog.findChild<QLineEdit*>(QStringLiteral("edCSize"));
    QVERIFY(combs && nums && csize);
    QCOMPARE(dialog.findChild<QLineEdit*>(QStringLiteral("edCLen"))->text(), QStringLiteral("5"));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    combs->setFocus();
    combs->setPlainText(QStringLiteral("1,2,3,4,5\n1 2 3\n6 7 8 9 1\n"));
    // Leaving the list cleans it.
    dialog.findChild<QLineEdit*>(QStringLiteral("edTitle"))->setFocus();
    QCOMPARE(combs->toPlainText(), QStringLiteral("01 02 03 04 05\n06 07 08 09 01\n"));
    QCOMPARE(nums->text(), QStringLiteral("9"));
    QCOMPARE(csize->text(), QStringLiteral("2"));

    QStringList errors;
    dialog.showError = [&errors](const QString& text) { errors << text; };
    combs->setPlainText(QStringLiteral("1 2 3 4 q"));
    QVERIFY(!dialog.combsCheck());
    QCOMPARE(errors.size(), 1);

    // The popup menu of the list.
    QMenu* menu = dialog.combsMenu();
    QCOMPARE(actionNames(menu->actions()),
             names({"CombsCopy", "CombsPaste", "CombsSelectAll", "CombsLoad", "CombsSave"}));
    QVERIFY(menu->findChild<QAction*>(QStringLiteral("CombsLoad"))->isEnabled());
}

void SystemsPageTest::dialogRefusesBadFields_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("message");
    QTest::newRow("title") << QStringLiteral("edTitle") << QStringLiteral(" ")
                           << QStringLiteral("Название системы должно быть указано обязательно!");
    QTest::newRow("nums 5") << QStringLiteral("edNums") << QStringLiteral("5")
                            << QStringLiteral("Указано недопустмое количество используемых чисел!");
    QTest::newRow("nums 55") << QStringLiteral("edNums") << QStringLiteral("55")
                             << QStringLiteral("Указано недопустмое количество используемых чисел!");
    QTest::newRow("block 5") << QStringLiteral("edOlap") << QStringLiteral("5")
                             << QStringLiteral("Указан недопустмый размер блока!");
    QTest::newRow("author") << QStringLiteral("edAuthor") << QStringLiteral("")
                            << QStringLiteral("Имя автора должно быть указано обязательно!");
    QTest::newRow("fewer numbers than the lines use")
        << QStringLiteral("edNums") << QStringLiteral("8")
        << QStringLiteral("Комбинации системы не соответствуют количеству используемых чисел!");
}

void SystemsPageTest::dialogRefusesBadFields()
{
    QFETCH(QString, field);
    QFETCH(QString, value);
    QFETCH(QString, message);
    stakes::tSystemData s = system(0, 9, QString());
    s.descr = QStringLiteral("Описание");
    s.clist = QStringLiteral("1 2 3 4 5\n5 6 7 8 9\n");
    ui::SystemDialog dialog(s, true);
    QStringList errors;
    dialog.showError = [&errors](const QString& text) { errors << text; };
    QVERIFY(dialog.combsCheck());
    QCOMPARE(dialog.findChild<QLineEdit*>(QStringLiteral("edNums"))->text(), QStringLiteral("9"));
    dialog.findChild<QLineEdit*>(field)->setText(value);
    dialog.accept();
    QVERIFY(dialog.QDialog::result() != QDialog::Accepted);
    QCOMPARE(errors.size(), 1);
    QVERIFY2(errors[0] == message || errors[0].startsWith(message + QStringLiteral("\n\n")), qPrintable(errors[0]));
    QVERIFY(dialog.findChild<QLineEdit*>(field)->hasFocus() || !dialog.isVisible());
}

void SystemsPageTest::dialogShowsTheGuarantee()
{
    stakes::tSystemData s = system(5, 10, QStringLiteral("me@x"));
    s.olap = 4;
    s.clist = QStringLiteral("01 02 03 04 05\n06 07 08 09 10\n");
    ui::SystemDialog dialog(s, false);
    QVERIFY2(dialog.guaranteeText().startsWith(QStringLiteral("гарантия: 3 из 5")), qPrintable(dialog.guaranteeText()));
    QVERIFY2(dialog.guaranteeText().contains(QStringLiteral("не выполняется для 200 из 252")),
             qPrintable(dialog.guaranteeText()));
    auto* label = dialog.findChild<QLabel*>(QStringLiteral("lblGuarantee"));
    QCOMPARE(label->text(), dialog.guaranteeText());
}

void SystemsPageTest::aStrangersSystemIsReadOnly()
{
    stakes::tSystemData s = system(2, 7, QStringLiteral("other@x.org"));
    s.url = QStringLiteral("https://example.org/system");
    s.clist = QStringLiteral("1 2 3 4 7");
    ui::SystemDialog dialog(s, false);
    auto* box = dialog.findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QVERIFY(box->button(QDialogButtonBox::Ok)->isHidden());
    QCOMPARE(box->button(QDialogButtonBox::Cancel)->toolTip(), QStringLiteral("Закрыть окно"));
    for (QLineEdit* edit : dialog.findChildren<QLineEdit*>())
        QVERIFY2(edit->isReadOnly(), qPrintable(edit->objectName()));
    QVERIFY(dialog.findChild<QPlainTextEdit*>(QStringLiteral("edCombs"))->isReadOnly());
    // Not cleaned: the text stays as the library sent it.
    QCOMPARE(dialog.findChild<QPlainTextEdit*>(QStringLiteral("edCombs"))->toPlainText(), QStringLiteral("1 2 3 4 7"));
    QVERIFY(!dialog.combsMenu()->findChild<QAction*>(QStringLiteral("CombsLoad"))->isEnabled());
    QStringList opened;
    dialog.openUrl = [&opened](const QString& url) { opened << url; };
    QTest::mouseClick(dialog.findChild<QToolButton*>(QStringLiteral("btnURL")), Qt::LeftButton);
    QCOMPARE(opened, QStringList{s.url});
}

void SystemsPageTest::numberFieldsTakeDigitsOnly()
{
    stakes::tSystemData s;
    ui::SystemDialog dialog(s, true);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto* nums = dialog.findChild<QLineEdit*>(QStringLiteral("edNums"));
    nums->clear();
    nums->setFocus();
    QTest::keyClicks(nums, QStringLiteral("1a2-"));
    QCOMPARE(nums->text(), QStringLiteral("12"));
    auto* title = dialog.findChild<QLineEdit*>(QStringLiteral("edTitle"));
    QTest::keyClicks(title, QStringLiteral("a1"));
    QCOMPARE(title->text(), QStringLiteral("a1"));
}

void SystemsPageTest::makingDialogFollowsTheGuaranteeAndShowsTheKnownSizes()
{
    ui::WheelDialog dialog({16, 3, 3, 0}, 10);
    auto* drawn = dialog.findChild<QSpinBox*>(QStringLiteral("seDrawn"));
    auto* guarantee = dialog.findChild<QSpinBox*>(QStringLiteral("seGuarantee"));
    auto* bankers = dialog.findChild<QSpinBox*>(QStringLiteral("seBankers"));
    QVERIFY(drawn && guarantee && bankers);
    QVERIFY2(dialog.sizesText().contains(QStringLiteral("65")) && dialog.sizesText().contains(QStringLiteral("61")),
             qPrintable(dialog.sizesText()));
    // A guarantee of four: m only 4..5, at most one banker; the sizes follow.
    guarantee->setValue(4);
    QCOMPARE(drawn->minimum(), 4);
    QCOMPARE(drawn->value(), 4);
    QCOMPARE(bankers->maximum(), 1);
    QVERIFY2(dialog.sizesText().contains(QStringLiteral("405")), qPrintable(dialog.sizesText()));
    bankers->setValue(1);
    QCOMPARE(dialog.params().Bankers, 1);
    QVERIFY2(!dialog.sizesText().contains(QStringLiteral("405")), "no table size with bankers");
    QCOMPARE(dialog.seconds(), 10);
}

void SystemsPageTest::theGaugesStopIsHeardWhileTheWindowIsShown()
{
    QWidget owner;
    ui::GaugeWindow gauge(&owner);
    gauge.start(QStringLiteral("поиск"), 10);
    auto* stop = gauge.findChild<QPushButton*>(QStringLiteral("btnStop"));
    QVERIFY(stop);
    QVERIFY(!stop->isVisible());
    gauge.hide();
    gauge.start(QStringLiteral("поиск"), 10, true);
    QVERIFY(stop->isVisible());
    QVERIFY(!gauge.stopRequested());
    QTest::mouseClick(stop, Qt::LeftButton);
    QVERIFY(gauge.stopRequested());
    gauge.hide();
    gauge.start(QStringLiteral("снова"), 10, true);
    QVERIFY2(!gauge.stopRequested(), "a new window starts unstopped");
}

QTEST_MAIN(SystemsPageTest)
#include "systemspage_test.moc"
