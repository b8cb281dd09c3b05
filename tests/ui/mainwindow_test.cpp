#include "FakeUserIo.h"
#include "TestPaths.h"
#include "app/ArchiveController.h"
#include "app/Languages.h"
#include "app/Session.h"
#include "app/StatisticsController.h"
#include "core/DrawArchive.h"
#include "core/IniFile.h"
#include "core/Settings.h"
#include "core/Version.h"
#include "ui/DetailWindow.h"
#include "ui/DrawListModel.h"
#include "ui/DrawsPage.h"
#include "ui/MainWindow.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QCheckBox>
#include <QPushButton>
#include <QLabel>
#include <QMenuBar>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QtTest>

#include <memory>

using namespace Qt::Literals::StringLiterals;

namespace {

struct Program
{
    explicit Program(const QString& dir, QStringList args = {})
        : session(io, core::DataFolder(dir, QStringLiteral("Vertoma_5x54"), dir), std::move(args))
    {
        session.create();
        window = std::make_unique<ui::MainWindow>(session, languages);
    }

    QTableView* list() const { return window->drawsPage()->list(); }
    QString panel(int i) const { return window->statusPanel(i)->text(); }
    void selectRows(std::initializer_list<int> rows) const
    {
        list()->clearSelection();
        for (int row : rows)
            list()->selectionModel()->select(list()->model()->index(row, 0),
                                             QItemSelectionModel::Select | QItemSelectionModel::Rows);
        list()->selectionModel()->setCurrentIndex(list()->model()->index(*rows.begin(), 0),
                                                  QItemSelectionModel::NoUpdate);
    }

    testsupport::FakeUserIo io;
    app::LanguageSwitcher languages;
    app::Session session;
    std::unique_ptr<ui::MainWindow> window;
};

} // namespace

class MainWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void outline();
    void realArchiveListsNewestFirst();
    void offsetMovesTheMarkAndTheStatusBar();
    void addEditDeleteThroughTheActions();
    void actionsFollowTheSelectionAndTheBusyState();
    void switchesAreStoredAtOnce();
    void secondInstanceIsRefused();
    void layoutIsStoredAndRestored();
    void languageMenuOffersInstalledModules();
    void damagedFilesNeverStopTheWindow();
    void firstRunDialogCanBeSwitchedOff();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

void MainWindowTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(QFile::copy(QStringLiteral(VERTOMA_SHARED_DATA_DIR "/Vertoma_5x54.ldr"),
                        m_dir->filePath(QStringLiteral("Vertoma_5x54.ldr"))));
    QFile::setPermissions(m_dir->filePath(QStringLiteral("Vertoma_5x54.ldr")),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

void MainWindowTest::outline()
{
    Program p(m_dir->path());
    QTabWidget* lists = p.window->listPages();
    QCOMPARE(lists->objectName(), QStringLiteral("pcLists"));
    QCOMPARE(lists->count(), 2);
    QCOMPARE(lists->tabText(0), QStringLiteral("Архив тиражей"));
    QCOMPARE(lists->tabText(1), QStringLiteral("Комбинации"));

    QTabWidget* pages = p.window->mainPages();
    QCOMPARE(pages->objectName(), QStringLiteral("pcMain"));
    QStringList captions;
    for (int i = 0; i < pages->count(); ++i)
        captions << pages->tabText(i);
    QCOMPARE(captions, (QStringList{QStringLiteral("Статистика"), QStringLiteral("Графики"), QStringLiteral("Карта"),
                                    QStringLiteral("Схема"), QStringLiteral("Неделя"), QStringLiteral("Ставки"),
                                    QStringLiteral("Рейтинг"), QStringLiteral("Регуляры"), QStringLiteral("Системы"),
                                    QStringLiteral("Сценарий")}));
    QVERIFY2(pages->isTabVisible(8), "the systems page is shown until switched off");
    QVERIFY(pages->isTabVisible(1));

    QStringList menus;
    for (QAction* a : p.window->menuBar()->actions()) {
        if (a->isVisible())
            menus << a->text();
    }
    QCOMPARE(menus.mid(0, 2), (QStringList{QStringLiteral("Файл"), QStringLiteral("Архив тиражей")}));
    QVERIFY(menus.contains(QStringLiteral("Сценарий")));
    QVERIFY(menus.contains(QStringLiteral("Системы")));

    for (const char* name : {"DrawsAdd", "DrawsEdit", "DrawsDel", "DrawsInfo", "DrawsSorted", "EditConfig",
                             "EditShredding", "ExitProgram", "GetHelp", "WebTickets"})
        QVERIFY2(p.window->action(QString::fromLatin1(name)), name);
    QCOMPARE(p.window->action(QStringLiteral("DrawsSorted"))->text(), QStringLiteral("Упорядочить MIN->MAX"));
    QVERIFY(!p.window->action(QStringLiteral("WebTickets"))->isEnabled());
    QVERIFY(p.window->windowTitle().endsWith(QStringLiteral(" версия ") + core::ProgramVersion()));
    QVERIFY(!p.window->windowTitle().contains(QStringLiteral("демо")));

    QFile(m_dir->filePath(QStringLiteral(".vertoma-demo"))).open(QIODevice::WriteOnly);
    Program demo(m_dir->path());
    QVERIFY(demo.window->windowTitle().contains(QStringLiteral("демо")));
}

void MainWindowTest::realArchiveListsNewestFirst()
{
    Program p(m_dir->path());
    QAbstractItemModelTester tester(p.list()->model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    p.window->initialise();
    QAbstractItemModel* model = p.list()->model();
    QCOMPARE(model->rowCount(), 1114);
    QCOMPARE(model->columnCount(), 9);
    QCOMPARE(model->headerData(8, Qt::Horizontal).toString(), QStringLiteral("Дата тиража"));
    QCOMPARE(model->index(0, 0).data().toString(), QStringLiteral("1114"));
    QCOMPARE(model->index(0, 8).data().toString(), QStringLiteral("16/08/2026"));
    QCOMPARE(model->index(1113, 0).data().toString(), QStringLiteral("1"));
    QCOMPARE(p.panel(0), QStringLiteral("Архив тиражей: 1114"));
    QCOMPARE(p.panel(1), QStringLiteral("Следующий тираж: 1115"));
    QCOMPARE(p.panel(2), QString());
    QCOMPARE(p.window->drawsPage()->offsetBox()->maximum(), 1113);
    QVERIFY(p.io.messages.isEmpty());
}

void MainWindowTest::offsetMovesTheMarkAndTheStatusBar()
{
    Program p(m_dir->path());
    p.window->initialise();
    QAbstractItemModel* model = p.list()->model();
    QCOMPARE(model->index(0, 0).data(Qt::BackgroundRole).value<QColor>(), ui::ColorFromBgr(core::kOffsetRowColor));

    p.window->drawsPage()->offsetBox()->setValue(1);
    QCOMPARE(p.session.archive().offset(), 1);
    QCOMPARE(p.panel(1), QStringLiteral("Следующий тираж: 1114"));
    QCOMPARE(p.panel(2), QStringLiteral("7;8;11;31;35"));
    QCOMPARE(model->index(1, 0).data(Qt::BackgroundRole).value<QColor>(), ui::ColorFromBgr(core::kOffsetRowColor));
    QCOMPARE(model->index(0, 0).data(Qt::BackgroundRole).value<QColor>(), QColor(Qt::white));
    // Number cells carry their channel colour: 7 with channels of 6 is in channel 2.
    QCOMPARE(model->index(0, 1).data(Qt::BackgroundRole).value<QColor>(), QColor(0xFF, 0xFF, 0xAA));

    // The offset can go no further back than the oldest draw.
    p.window->drawsPage()->offsetBox()->setValue(5000);
    QCOMPARE(p.session.archive().offset(), 1113);
}

void MainWindowTest::addEditDeleteThroughTheActions()
{
    Program p(m_dir->path());
    p.window->initialise();

    p.io.drawEdits.enqueue([](core::TDrawRec& rec) {
        const std::uint8_t values[] = {1, 2, 3, 4, 54};
        std::copy(std::begin(values), std::end(values), rec.Values);
    });
    p.window->action(QStringLiteral("DrawsAdd"))->trigger();
    QCOMPARE(p.list()->model()->rowCount(), 1115);
    QCOMPARE(p.list()->model()->index(0, 0).data().toString(), QStringLiteral("1115"));
    QCOMPARE(p.panel(0), QStringLiteral("Архив тиражей: 1115"));
    QCOMPARE(p.window->drawsPage()->offsetBox()->maximum(), 1114);

    p.selectRows({1});
    p.io.drawEdits.enqueue([](core::TDrawRec& rec) { rec.Extra = 9; });
    p.window->action(QStringLiteral("DrawsEdit"))->trigger();
    QCOMPARE(p.list()->model()->index(1, 6).data().toString(), QStringLiteral("9"));

    p.selectRows({0, 1});
    p.io.answers.enqueue(false);
    p.window->action(QStringLiteral("DrawsDel"))->trigger();
    QCOMPARE(p.list()->model()->rowCount(), 1115);
    QCOMPARE(p.io.questions.last().text,
             QStringLiteral("Удалить все выделенные записи (всего будет удалено 2 записи(ей))?"));

    p.io.answers.enqueue(true);
    p.window->action(QStringLiteral("DrawsDel"))->trigger();
    QCOMPARE(p.list()->model()->rowCount(), 1113);
    QCOMPARE(p.list()->model()->index(0, 0).data().toString(), QStringLiteral("1113"));
    QVERIFY(p.list()->selectionModel()->selectedRows().isEmpty());

    core::TDrawsArray onFile;
    QVERIFY(core::LoadDrawsFile(m_dir->filePath(QStringLiteral("Vertoma_5x54.ldr")), onFile));
    QCOMPARE(onFile.size(), std::size_t(1113));
    QCOMPARE(onFile.back().Num, 1113);
}

void MainWindowTest::actionsFollowTheSelectionAndTheBusyState()
{
    Program p(m_dir->path());
    p.window->initialise();
    p.list()->selectionModel()->clearCurrentIndex();
    p.list()->clearSelection();
    QVERIFY(p.window->action(QStringLiteral("DrawsAdd"))->isEnabled());
    QVERIFY(!p.window->action(QStringLiteral("DrawsEdit"))->isEnabled());
    QVERIFY(!p.window->action(QStringLiteral("DrawsDel"))->isEnabled());
    p.selectRows({3});
    QVERIFY(p.window->action(QStringLiteral("DrawsEdit"))->isEnabled());
    QVERIFY(p.window->action(QStringLiteral("DrawsDel"))->isEnabled());

    p.session.services().enterBusy();
    QVERIFY(!p.window->action(QStringLiteral("DrawsAdd"))->isEnabled());
    QVERIFY(!p.window->action(QStringLiteral("DrawsDel"))->isEnabled());
    QVERIFY(!p.window->action(QStringLiteral("EditConfig"))->isEnabled());
    p.session.services().leaveBusy();
    QVERIFY(p.window->action(QStringLiteral("DrawsAdd"))->isEnabled());

    // The focused row 3 is draw 1111: the detail window opens on it.
    p.window->action(QStringLiteral("DrawsInfo"))->trigger();
    auto* detail = p.window->findChild<ui::DetailWindow*>();
    QVERIFY(detail);
    QVERIFY(detail->isModal());
    QAbstractItemModel* rows = detail->properties()->model();
    QCOMPARE(rows->index(0, 0).data().toString(), QStringLiteral("Номер тиража:"));
    QCOMPARE(rows->index(0, 1).data().toString(), QStringLiteral("1111"));
    QCOMPARE(rows->index(1, 0).data().toString(), QStringLiteral("Дата тиража:"));
    QCOMPARE(rows->index(1, 1).data().toString(), QStringLiteral("26/07/2026"));
    // Its matrix holds the draw's numbers 8, 22, 38, 39, 46 and nothing else.
    QStringList shown;
    for (int r = 0; r < detail->matrix()->rowCount(); ++r)
        for (int c = 0; c < detail->matrix()->columnCount(); ++c)
            if (!detail->matrix()->item(r, c)->text().isEmpty())
                shown << detail->matrix()->item(r, c)->text();
    QCOMPARE(shown, (QStringList{u"8"_s, u"22"_s, u"38"_s, u"39"_s, u"46"_s}));
    detail->close();
}

void MainWindowTest::switchesAreStoredAtOnce()
{
    Program p(m_dir->path());
    p.window->initialise();
    const QString state = m_dir->filePath(QStringLiteral("Vertoma_5x54.frm"));
    QAbstractItemModel* model = p.list()->model();

    p.window->action(QStringLiteral("ColorDraws"))->trigger();
    QVERIFY(!p.session.services().windowState().ColorDraws);
    QVERIFY(!core::StateReadBool(state, core::kMainWindowSection, QStringLiteral("ColorDraws"), true));
    QVERIFY(!model->index(0, 1).data(Qt::BackgroundRole).isValid() ||
            model->index(0, 1).data(Qt::BackgroundRole).value<QColor>() == ui::ColorFromBgr(core::kOffsetRowColor));
    QVERIFY(!model->index(3, 1).data(Qt::BackgroundRole).isValid());

    // Row 0 is draw 1114: 7 8 11 31 35 drawn; sorted shows the same ascending.
    const QString firstShown = model->index(1, 1).data().toString();
    p.window->action(QStringLiteral("DrawsSorted"))->trigger();
    QVERIFY(p.window->action(QStringLiteral("DrawsSorted"))->isChecked());
    QVERIFY(core::StateReadBool(state, core::kMainWindowSection, QStringLiteral("SortedDraws"), false));
    QCOMPARE(model->index(1, 1).data().toString(), firstShown); // the real history is already ascending

    p.window->action(QStringLiteral("TabWeek"))->trigger();
    QVERIFY(!p.window->mainPages()->isTabVisible(4));
    QVERIFY(!core::StateReadBool(state, core::kMainWindowSection, QStringLiteral("TabWeek"), true));
    Program again(m_dir->path());
    QVERIFY(!again.window->mainPages()->isTabVisible(4));
    QVERIFY(!again.window->action(QStringLiteral("TabWeek"))->isChecked());
}

void MainWindowTest::secondInstanceIsRefused()
{
    Program first(m_dir->path());
    first.window->initialise();
    QVERIFY(first.session.holdsExclusive());

    Program second(m_dir->path());
    QSignalSpy terminated(second.window.get(), &ui::MainWindow::terminateRequested);
    second.window->initialise();
    QCOMPARE(terminated.count(), 1);
    const QStringList errors = second.io.messageTexts(app::MessageKind::Error);
    QCOMPARE(errors.size(), 1);
    QVERIFY(errors[0].startsWith(QStringLiteral("Невозможно получить монопольный доступ к файлам данных!")));
}

void MainWindowTest::layoutIsStoredAndRestored()
{
    const QString state = m_dir->filePath(QStringLiteral("Vertoma_5x54.frm"));
    {
        Program p(m_dir->path());
        p.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(p.window.get()));
        p.window->initialise();
        p.list()->setColumnWidth(8, 123);
    }
    core::IniFile ini(state);
    QVERIFY(ini.load());
    QCOMPARE(ini.readInt(core::kMainWindowSection, QStringLiteral("lvDraws.Column8"), 0), 123);
    QVERIFY(ini.hasKey(core::kMainWindowSection, QStringLiteral("NormPos")));
    QVERIFY(ini.hasKey(core::kMainWindowSection, QStringLiteral("LeftPanelWidth")));
    QVERIFY(ini.hasKey(core::kMainWindowSection, QStringLiteral("DrawsExclude")));

    Program again(m_dir->path());
    QCOMPARE(again.list()->columnWidth(8), 123);
}

void MainWindowTest::languageMenuOffersInstalledModules()
{
    {
        Program p(m_dir->path());
        QVERIFY(!p.window->findChild<QAction*>(QStringLiteral("Language1033")));
        QVERIFY(p.window->findChild<QAction*>(QStringLiteral("Language1049"))->isChecked());
    }
    QVERIFY(QFile::copy(QStringLiteral(VERTOMA_TRANSLATIONS_DIR "/Vertoma_5x54_ENU.lng"),
                        m_dir->filePath(QStringLiteral("Vertoma_5x54_ENU.lng"))));
    Program p(m_dir->path());
    QAction* english = p.window->findChild<QAction*>(QStringLiteral("Language1033"));
    QVERIFY(english);
    QSignalSpy restart(p.window.get(), &ui::MainWindow::restartRequested);
    english->trigger();
    QCOMPARE(restart.count(), 1);
    QCOMPARE(core::StateReadInt(m_dir->filePath(QStringLiteral("Vertoma_5x54.frm")), core::kMainWindowSection,
                                QStringLiteral("Language"), 0),
             1033);

    // Started in English, the window shows the module's texts.
    app::LanguageSwitcher englishTexts;
    QVERIFY(englishTexts.select(core::DataFolder(m_dir->path(), QStringLiteral("Vertoma_5x54"), m_dir->path()), 1033));
    Program translated(m_dir->path());
    QCOMPARE(translated.window->listPages()->tabText(0), QStringLiteral("Draw archive"));
    QCOMPARE(translated.window->action(QStringLiteral("DrawsAdd"))->text(), QStringLiteral("Add"));
    translated.window->initialise();
    QCOMPARE(translated.panel(0), QStringLiteral("Draw archive: 1114"));
}

void MainWindowTest::damagedFilesNeverStopTheWindow()
{
    // A cut archive keeps its whole records; nonsense settings give the defaults.
    QFile archive(m_dir->filePath(QStringLiteral("Vertoma_5x54.ldr")));
    QVERIFY(archive.resize(2 * 24 + 7));
    const QByteArray garbage =
        QByteArray("[TFormMain]\nNormPos=9,x,-99999999999\nShowCmd=3\nPixelsPerInch=\xff\n"
                   "lvDraws.Column0=-5\nlvDraws.Column1=99999999\nLeftPanelWidth=abc\n\0\0\x01[");
    for (const char* name : {"Vertoma_5x54.frm", "Vertoma_5x54.ini"}) {
        QFile f(m_dir->filePath(QString::fromLatin1(name)));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(garbage);
    }
    Program p(m_dir->path());
    p.window->initialise();
    QCOMPARE(p.list()->model()->rowCount(), 2);
    QCOMPARE(p.panel(1), QStringLiteral("Следующий тираж: 3"));
    QVERIFY(p.list()->columnWidth(0) > 0);
    QVERIFY(p.list()->columnWidth(1) < 10000);
    QCOMPARE(p.session.statistics().config().MatrixCols, 6);
    QVERIFY(p.io.messageTexts(app::MessageKind::Error).isEmpty());
}

void MainWindowTest::firstRunDialogCanBeSwitchedOff()
{
    const QString state = m_dir->filePath(QStringLiteral("Vertoma_5x54.frm"));
    QVERIFY(core::StateWriteBool(state, core::kMainWindowSection, QStringLiteral("FirstRun"), true));
    Program p(m_dir->path());
    QString title;
    bool helpEnabled = true;
    QTimer::singleShot(0, [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        QVERIFY(dialog);
        title = dialog->windowTitle();
        helpEnabled = dialog->findChild<QPushButton*>(QStringLiteral("btnHelp"))->isEnabled();
        dialog->findChild<QCheckBox*>(QStringLiteral("cbDontShow"))->setChecked(true);
        dialog->close();
    });
    p.window->initialise();
    QCOMPARE(title, QStringLiteral("Справочная информация"));
    QCOMPARE(helpEnabled, QFileInfo::exists(p.window->helpPath()));
    QVERIFY(!core::StateReadBool(state, core::kMainWindowSection, QStringLiteral("FirstRun"), true));
}

QTEST_MAIN(MainWindowTest)
#include "mainwindow_test.moc"
