// The first start of the window on a screen of a common laptop size: it fits the screen, shows
// the draw list whole, keeps what the person changes and offers draws to an empty archive.

#include "FakeUserIo.h"
#include "TestPaths.h"
#include "app/ArchiveController.h"
#include "app/Languages.h"
#include "app/Session.h"
#include "core/DrawArchive.h"
#include "core/IniFile.h"
#include "core/Settings.h"
#include "core/TextForms.h"
#include "ui/DrawsPage.h"
#include "ui/MainWindow.h"
#include "ui/QtUserIo.h"

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSplitter>
#include <QTabWidget>
#include <QTableView>
#include <QtTest>

#include <algorithm>
#include <memory>

namespace {

struct Program
{
    explicit Program(const QString& dir) : session(io, core::DataFolder(dir, QStringLiteral("Vertoma_5x54"), dir))
    {
        session.create();
        window = std::make_unique<ui::MainWindow>(session, languages);
    }

    QTableView* list() const { return window->drawsPage()->list(); }
    QSplitter* splitter() const { return window->findChild<QSplitter*>(QStringLiteral("splMain")); }

    testsupport::FakeUserIo io;
    app::LanguageSwitcher languages;
    app::Session session;
    std::unique_ptr<ui::MainWindow> window;
};

QRect available()
{
    return QGuiApplication::primaryScreen()->availableGeometry();
}

} // namespace

class FirstRunTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void firstStartFitsTheScreenWithTheWholeDrawList();
    void whatThePersonChangesIsKept();
    void aPlacementFromALargerScreenIsFitted();
    void anEmptyArchiveIsOfferedItsDraws();
    void theChoiceBoxAnswersWithTheButtonPressed();
    void theAboutBoxNamesTheDataFolder();

private:
    void copyArchive();
    std::unique_ptr<QTemporaryDir> m_dir;
};

void FirstRunTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
}

void FirstRunTest::copyArchive()
{
    const QString archive = m_dir->filePath(QStringLiteral("Vertoma_5x54.ldr"));
    QVERIFY(QFile::copy(QStringLiteral(VERTOMA_SHARED_DATA_DIR "/Vertoma_5x54.ldr"), archive));
    QFile::setPermissions(archive, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

void FirstRunTest::firstStartFitsTheScreenWithTheWholeDrawList()
{
    copyArchive();
    Program p(m_dir->path());
    p.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(p.window.get()));
    p.window->initialise();
    QCOMPARE(p.list()->model()->rowCount(), 1114);

    QVERIFY2(available().contains(p.window->geometry()), "the window lies within the screen");
    QVERIFY(p.window->width() >= available().width() * 8 / 10);

    // Every column of the draw list is whole in its viewport, the date included, with no
    // horizontal scrolling.
    QTRY_VERIFY(p.splitter()->sizes().value(0) >= p.window->drawListFullWidth() - 2);
    QTableView* list = p.list();
    const int columns = list->horizontalHeader()->count();
    QCOMPARE(columns, 9);
    for (int c = 0; c < columns; ++c) {
        QVERIFY2(list->columnViewportPosition(c) + list->columnWidth(c) <= list->viewport()->width(),
                 qPrintable(QStringLiteral("column %1").arg(c)));
    }
    const QString date = list->model()->index(0, columns - 1).data().toString();
    QVERIFY(date.size() == 10);
    QVERIFY(list->columnWidth(columns - 1) >= list->fontMetrics().horizontalAdvance(date));
    QVERIFY(!list->horizontalScrollBar()->isVisible());
    // The right-hand pages keep most of the window.
    QVERIFY(p.splitter()->sizes().value(1) > p.splitter()->sizes().value(0));
}

void FirstRunTest::whatThePersonChangesIsKept()
{
    copyArchive();
    {
        Program p(m_dir->path());
        p.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(p.window.get()));
        p.window->initialise();
        QTRY_VERIFY(p.splitter()->sizes().value(0) > 300);
        p.window->setGeometry(QRect(40, 50, 1260, 640));
        QTRY_VERIFY(p.splitter()->width() > 1200);
        const int total = p.splitter()->sizes().value(0) + p.splitter()->sizes().value(1);
        p.splitter()->setSizes({420, total - 420});
        QTRY_COMPARE(p.splitter()->sizes().value(0), 420);
        p.list()->setColumnWidth(0, 61);
    }
    const QString state = m_dir->filePath(QStringLiteral("Vertoma_5x54.frm"));
    QCOMPARE(core::StateReadInt(state, core::kMainWindowSection, QStringLiteral("LeftPanelWidth"), 0), 420);

    Program again(m_dir->path());
    again.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(again.window.get()));
    QCOMPARE(again.window->geometry(), QRect(40, 50, 1260, 640));
    QTRY_COMPARE(again.splitter()->sizes().value(0), 420);
    QCOMPARE(again.list()->columnWidth(0), 61);
}

void FirstRunTest::aPlacementFromALargerScreenIsFitted()
{
    copyArchive();
    core::IniFile ini(m_dir->filePath(QStringLiteral("Vertoma_5x54.frm")));
    ini.writeString(core::kMainWindowSection, QStringLiteral("NormPos"), QStringLiteral("300,200,2700,1600"));
    ini.writeInt(core::kMainWindowSection, QStringLiteral("PixelsPerInch"),
                 qRound(QGuiApplication::primaryScreen()->logicalDotsPerInch()));
    QVERIFY(ini.save());
    Program p(m_dir->path());
    p.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(p.window.get()));
    QTest::qWait(50);
    const QRect g = p.window->frameGeometry();
    QVERIFY2(available().contains(g),
             qPrintable(QStringLiteral("%1,%2 %3x%4").arg(g.x()).arg(g.y()).arg(g.width()).arg(g.height())));
}

void FirstRunTest::anEmptyArchiveIsOfferedItsDraws()
{
    {
        Program p(m_dir->path());
        p.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(p.window.get()));
        p.io.choiceAnswers.enqueue(1);
        p.io.pickedFiles.enqueue(QStringLiteral(VERTOMA_SHARED_DATA_DIR "/draws_history_import.csv"));
        p.window->initialise();
        QCOMPARE(p.io.choiceQuestions.size(), 1);
        QCOMPARE(p.io.choiceQuestions[0].choices.value(1), QStringLiteral("Импорт из CSV-файла..."));
        QCOMPARE(p.list()->model()->rowCount(), 1114);
        QCOMPARE(p.window->statusPanel(0)->text(), QStringLiteral("Архив тиражей: 1114"));
        p.session.shutdown();
    }

    // On a fresh folder the history shipped with the program comes first and loads whole: the
    // same draws as the published history.
    QTemporaryDir fresh;
    Program p(fresh.path());
    p.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(p.window.get()));
    p.io.choiceAnswers.enqueue(0);
    p.window->initialise();
    QCOMPARE(p.io.choiceQuestions.size(), 1);
    QCOMPARE(p.io.choiceQuestions[0].choices.first(),
             QStringLiteral("Загрузить архив тиражей из поставки (1114 тиражей, до 16.08.2026)"));
    QCOMPARE(p.list()->model()->rowCount(), 1114);
    QCOMPARE(p.window->statusPanel(0)->text(), QStringLiteral("Архив тиражей: 1114"));
    core::TDrawsArray published;
    QVERIFY(core::LoadDrawsFile(QStringLiteral(VERTOMA_SHARED_DATA_DIR "/Vertoma_5x54.ldr"), published));
    const core::TDrawsArray& loaded = p.session.archive().draws();
    QCOMPARE(loaded.size(), published.size());
    for (std::size_t i = 0; i < loaded.size(); ++i) {
        QCOMPARE(loaded[i].Num, published[i].Num);
        QVERIFY(std::equal(std::begin(loaded[i].Values), std::end(loaded[i].Values), std::begin(published[i].Values)));
        QCOMPARE(loaded[i].Extra, published[i].Extra);
    }
    QCOMPARE(core::DrawDateText(loaded.back()), core::DrawDateText(published.back()));
    QCOMPARE(core::DrawDateText(loaded.back()), QStringLiteral("16/08/2026"));
    p.session.shutdown();
}

void FirstRunTest::theChoiceBoxAnswersWithTheButtonPressed()
{
    ui::QtUserIo io;
    const QStringList choices{QStringLiteral("Импорт"), QStringLiteral("Загрузка"), QStringLiteral("Позже")};
    auto pressLater = [](const QString& button) {
        QTimer::singleShot(0, qApp, [button] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            if (button.isEmpty()) {
                QTest::keyClick(box, Qt::Key_Escape);
                return;
            }
            auto* b = box->findChild<QPushButton*>(button);
            QVERIFY(b);
            b->click();
        });
    };
    pressLater(QStringLiteral("btnChoice1"));
    QCOMPARE(io.askChoice(QStringLiteral("Архив тиражей"), QStringLiteral("?"), choices, 0), 1);
    pressLater(QStringLiteral("btnChoice0"));
    QCOMPARE(io.askChoice(QStringLiteral("Архив тиражей"), QStringLiteral("?"), choices, 0), 0);
    // Esc is "later", the last choice.
    pressLater(QString());
    QCOMPARE(io.askChoice(QStringLiteral("Архив тиражей"), QStringLiteral("?"), choices, 0), 2);
}

void FirstRunTest::theAboutBoxNamesTheDataFolder()
{
    Program p(m_dir->path());
    QVERIFY(p.window->aboutText().contains(QStringLiteral("Каталог данных: ") + QDir(m_dir->path()).absolutePath()));
}

// A screen of 1366 x 768, the most common small laptop screen, instead of the offscreen default.
int main(int argc, char* argv[])
{
    QTemporaryDir config;
    const QString path = config.filePath(QStringLiteral("screen.json"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return 1;
    file.write(R"({"screens": [{"name": "laptop", "x": 0, "y": 0, "width": 1366, "height": 768,
                 "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    file.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(path));
    QApplication app(argc, argv);
    FirstRunTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "firstrun_test.moc"
