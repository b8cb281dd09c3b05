// The main window's download, start-up choices, proxy and CSV commands: where they sit, when
// they are enabled, and a download through the button above the draw list.

#include "FakeUserIo.h"
#include "LocalServers.h"
#include "TestPaths.h"
#include "app/Languages.h"
#include "app/Session.h"
#include "app/WebController.h"
#include "core/DrawArchive.h"
#include "core/Settings.h"
#include "ui/DrawsPage.h"
#include "ui/MainWindow.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTableView>
#include <QToolButton>
#include <QtTest>

#include <memory>

namespace {

struct Program
{
    explicit Program(const QString& dir)
        : session(io, core::DataFolder(dir, QStringLiteral("Vertoma_5x54"), dir))
    {
        session.create();
        window = std::make_unique<ui::MainWindow>(session, languages);
        window->initialise();
    }

    QMenu* menu(const QString& title) const
    {
        for (QAction* a : window->menuBar()->actions())
            if (a->text() == title)
                return a->menu();
        return nullptr;
    }

    testsupport::FakeUserIo io;
    app::LanguageSwitcher languages;
    app::Session session;
    std::unique_ptr<ui::MainWindow> window;
};

QStringList names(const QList<QAction*>& actions)
{
    QStringList result;
    for (QAction* a : actions)
        result << (a->isSeparator() ? QStringLiteral("-") : a->menu() ? a->text() : a->objectName());
    return result;
}

} // namespace

class WebActionsTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_dir = std::make_unique<QTemporaryDir>(); }

    void commandsSitInTheirMenus()
    {
        Program p(m_dir->path());
        QCOMPARE(p.window->action(QStringLiteral("DrawsDownload"))->text(), QStringLiteral("Загрузка"));
        QCOMPARE(p.window->action(QStringLiteral("DrawsImport"))->text(), QStringLiteral("Импорт из CSV-файла"));
        QCOMPARE(p.window->action(QStringLiteral("DrawsExport"))->statusTip(),
                 QStringLiteral("Экспорт списка тиражей в CSV-файл"));
        const QStringList file = names(p.menu(QStringLiteral("Файл"))->actions());
        QVERIFY(file.indexOf(QStringLiteral("EditProxy")) > file.indexOf(QStringLiteral("EditShredding")));
        QVERIFY(file.indexOf(QStringLiteral("EditProxy")) < file.indexOf(QStringLiteral("ExitProgram")));
        const QStringList draws = names(p.menu(QStringLiteral("Архив тиражей"))->actions());
        QVERIFY(draws.contains(QStringLiteral("DrawsDownload")));
        QVERIFY(draws.contains(QStringLiteral("Автозагрузка при запуске программы")));
        QVERIFY(draws.indexOf(QStringLiteral("DrawsImport")) < draws.indexOf(QStringLiteral("DrawsExport")));
        auto* onStart = p.window->findChild<QMenu*>(QStringLiteral("miAutoDownload"));
        QVERIFY(onStart);
        QCOMPARE(names(onStart->actions()),
                 (QStringList{QStringLiteral("AutoDownload0"), QStringLiteral("AutoDownload1"),
                              QStringLiteral("AutoDownload2")}));
        QCOMPARE(onStart->actions()[0]->text(), QStringLiteral("По запросу (по умолчанию)"));
        QCOMPARE(onStart->actions()[1]->text(), QStringLiteral("Автоматически"));
        QCOMPARE(onStart->actions()[2]->text(), QStringLiteral("Отключено"));
        QVERIFY(names(p.window->drawsPage()->list()->actions()).contains(QStringLiteral("DrawsDownload")));
        auto* button = p.window->drawsPage()->findChild<QToolButton*>(QStringLiteral("btDrawsDownload"));
        QVERIFY(button);
        QCOMPARE(button->defaultAction(), p.window->action(QStringLiteral("DrawsDownload")));
    }

    void theStartUpChoiceIsARadioGroupStoredAtOnce()
    {
        {
            Program p(m_dir->path());
            QVERIFY(p.window->action(QStringLiteral("AutoDownload0"))->isChecked());
            p.window->action(QStringLiteral("AutoDownload2"))->trigger();
            QVERIFY(p.window->action(QStringLiteral("AutoDownload2"))->isChecked());
            QVERIFY(!p.window->action(QStringLiteral("AutoDownload0"))->isChecked());
            QCOMPARE(core::StateReadInt(p.session.folder().stateFile(), core::kMainWindowSection,
                                        QStringLiteral("DownloadDrawsOnStart"), -1),
                     2);
        }
        Program again(m_dir->path());
        QVERIFY(again.window->action(QStringLiteral("AutoDownload2"))->isChecked());
    }

    void exportNeedsDrawsAndEveryCommandWaitsWhileBusy()
    {
        Program empty(m_dir->path());
        QVERIFY(!empty.window->action(QStringLiteral("DrawsExport"))->isEnabled());
        QVERIFY(empty.window->action(QStringLiteral("DrawsImport"))->isEnabled());
        QVERIFY(empty.window->action(QStringLiteral("DrawsDownload"))->isEnabled());
        QVERIFY(empty.window->action(QStringLiteral("EditProxy"))->isEnabled());
        empty.session.services().enterBusy();
        for (const char* name : {"DrawsDownload", "DrawsImport", "EditProxy", "AutoDownload1"})
            QVERIFY2(!empty.window->action(QString::fromLatin1(name))->isEnabled(), name);
        empty.session.services().leaveBusy();

        // An import fills the list and opens the export.
        empty.io.pickedFiles.enqueue(QStringLiteral(VERTOMA_SHARED_DATA_DIR "/draws_history_import.csv"));
        empty.window->action(QStringLiteral("DrawsImport"))->trigger();
        QCOMPARE(empty.window->drawsPage()->list()->model()->rowCount(), 1114);
        QVERIFY(empty.window->action(QStringLiteral("DrawsExport"))->isEnabled());
    }

    void theButtonDownloadsIntoTheList()
    {
        core::TDrawsArray real;
        QVERIFY(core::LoadDrawsFile(QStringLiteral(VERTOMA_SHARED_DATA_DIR "/Vertoma_5x54.ldr"), real));
        QVERIFY(core::SaveDrawsFile(m_dir->filePath(QStringLiteral("Vertoma_5x54.ldr")),
                                    core::TDrawsArray(real.begin(), real.end() - 2)));
        testsupport::OperatorSite site;
        site.serveDraws(real);
        QFile ini(m_dir->filePath(QStringLiteral("Vertoma_5x54.ini")));
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write(QStringLiteral("[NETWORK]\r\nOperatorUrl=%1\r\nCaFile=%2\r\n")
                      .arg(site.url(), testsupport::TestCaFile())
                      .toUtf8());
        ini.close();
        QVERIFY(core::StateWriteInt(m_dir->filePath(QStringLiteral("Vertoma_5x54.frm")), core::kMainWindowSection,
                                    QStringLiteral("DownloadDrawsOnStart"), 2));

        Program p(m_dir->path());
        p.session.web().setToday([] { return 20260816; });
        QCOMPARE(p.window->drawsPage()->list()->model()->rowCount(), 1112);
        p.window->drawsPage()->findChild<QToolButton*>(QStringLiteral("btDrawsDownload"))->click();
        QCOMPARE(p.window->drawsPage()->list()->model()->rowCount(), 1114);
        QCOMPARE(p.window->statusPanel(0)->text(), QStringLiteral("Архив тиражей: 1114"));
        QCOMPARE(p.window->drawsPage()->list()->model()->index(0, 0).data().toString(), QStringLiteral("1114"));
        QVERIFY(p.session.services().isIdle());
        QVERIFY(p.window->action(QStringLiteral("DrawsDownload"))->isEnabled());
        QVERIFY(!p.io.waitOpen);
        QCOMPARE(p.io.waitTexts.value(0), QStringLiteral("Загрузка архива тиражей..."));
    }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

QTEST_MAIN(WebActionsTest)
#include "webactions_test.moc"
