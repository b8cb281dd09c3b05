// Every command of every page stays in view on the screens people use: a panel that does not
// fit wraps instead of hiding commands behind an overflow arrow.

#include "FakeUserIo.h"
#include "TestPaths.h"
#include "app/Languages.h"
#include "app/OnlineScripts.h"
#include "app/ScriptController.h"
#include "app/Session.h"
#include "ui/CommandBar.h"
#include "ui/MainWindow.h"

#include <QAction>
#include <QTabWidget>
#include <QToolBar>
#include <QtTest>

#include <memory>

namespace {

struct Program
{
    explicit Program(const QString& dir)
        : session(io, core::DataFolder(dir, QStringLiteral("Vertoma_5x54"), dir), QStringList{})
    {
        session.create();
        window = std::make_unique<ui::MainWindow>(session, languages);
    }

    testsupport::FakeUserIo io;
    app::LanguageSwitcher languages;
    app::Session session;
    std::unique_ptr<ui::MainWindow> window;
};

// The commands of a panel that cannot be seen and clicked: hidden (a tool bar's overflow) or
// outside the panel or the window.
QStringList hiddenCommands(QWidget* window, QWidget* bar, const QList<QAction*>& actions,
                           const std::function<QWidget*(QAction*)>& widgetFor)
{
    QStringList hidden;
    const QRect windowRect = window->rect();
    const QRect barRect(bar->mapTo(window, QPoint(0, 0)), bar->size());
    for (QAction* action : actions) {
        if (action->isSeparator() || !action->isVisible())
            continue;
        QWidget* widget = widgetFor(action);
        const QRect at = widget ? QRect(widget->mapTo(window, QPoint(0, 0)), widget->size()) : QRect();
        if (!widget || !widget->isVisibleTo(window) || !barRect.contains(at) || !windowRect.contains(at))
            hidden << action->iconText();
    }
    return hidden;
}

} // namespace

class CommandBarsTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void everyCommandIsInView_data();
    void everyCommandIsInView();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

void CommandBarsTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(QFile::copy(QStringLiteral(VERTOMA_SHARED_DATA_DIR "/Vertoma_5x54.ldr"),
                        m_dir->filePath(QStringLiteral("Vertoma_5x54.ldr"))));
    QFile::setPermissions(m_dir->filePath(QStringLiteral("Vertoma_5x54.ldr")),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

void CommandBarsTest::everyCommandIsInView_data()
{
    QTest::addColumn<QSize>("size");
    // A maximised window on a 1366x768 laptop (the desktop's panel takes a few rows), and a full-HD one.
    QTest::newRow("1366x768") << QSize(1366, 738);
    QTest::newRow("1920x1080") << QSize(1920, 1050);
}

void CommandBarsTest::everyCommandIsInView()
{
    QFETCH(QSize, size);
    Program p(m_dir->path());
    p.session.script().library().setShown(true);
    p.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(p.window.get()));
    p.window->initialise();
    p.window->resize(size);
    QTRY_COMPARE(p.window->size(), size);

    int bars = 0;
    int commands = 0;
    for (QTabWidget* tabs : p.window->findChildren<QTabWidget*>()) {
        for (int page = 0; page < tabs->count(); ++page) {
            tabs->setCurrentIndex(page);
            QCoreApplication::processEvents();
            const QString name = tabs->tabText(page);
            for (ui::CommandBar* bar : tabs->widget(page)->findChildren<ui::CommandBar*>()) {
                if (!bar->isVisibleTo(p.window.get()))
                    continue;
                ++bars;
                commands += int(bar->actions().size());
                const QStringList hidden = hiddenCommands(p.window.get(), bar, bar->actions(),
                                                          [bar](QAction* a) { return bar->widgetForAction(a); });
                QVERIFY2(hidden.isEmpty(), qPrintable(name + QStringLiteral(": ") + hidden.join(QStringLiteral(", "))));
            }
            // A tool bar would hide what does not fit behind its arrow.
            for (QToolBar* bar : tabs->widget(page)->findChildren<QToolBar*>()) {
                if (!bar->isVisibleTo(p.window.get()))
                    continue;
                const QStringList hidden = hiddenCommands(p.window.get(), bar, bar->actions(),
                                                          [bar](QAction* a) { return bar->widgetForAction(a); });
                QVERIFY2(hidden.isEmpty(), qPrintable(name + QStringLiteral(": ") + hidden.join(QStringLiteral(", "))));
            }
        }
    }
    // The panels of the combinations, stakes, rules, systems, ratings and script pages and the catalogue's.
    QVERIFY2(bars >= 8, qPrintable(QString::number(bars)));
    QVERIFY(commands >= 40);
}

QTEST_MAIN(CommandBarsTest)
#include "commandbars_test.moc"
