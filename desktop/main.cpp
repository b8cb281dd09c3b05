// Vertoma_5x54: the desktop analyzer.

#include "app/CommandLine.h"
#include "app/Languages.h"
#include "app/ProcessList.h"
#include "app/Session.h"
#include "core/DataLocation.h"
#include "core/Settings.h"
#include "ui/MainWindow.h"
#include "ui/QtUserIo.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QMessageBox>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    // The window caption names the program; the application itself has no title of its own.
    QApplication::setApplicationDisplayName(QString());
    // The installed menu entry and icon carry this name; the window takes the icon from the theme.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.vertoma.Vertoma_5x54"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("org.vertoma.Vertoma_5x54")));
    const QStringList arguments = application.arguments();

    const QString dataDirArg = app::DataDirArgument(arguments);
    const QString exeDir = QCoreApplication::applicationDirPath();
    const QString baseName = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    const core::DataLocation::Choice place = core::DataLocation::choose(dataDirArg, core::DataLocation::probe(exeDir));
    QString placeError;
    if (!core::DataLocation::ensure(place, &placeError)) {
        QMessageBox::critical(nullptr, QCoreApplication::translate("main", "Ошибка"), placeError);
        return 2;
    }
    const core::DataFolder folder(place.Dir, baseName, exeDir);

    ui::QtUserIo io;
    app::Session session(io, folder, arguments);
    io.setSession(&session);
    if (!session.waitForOldInstance())
        return 0;

    app::LanguageSwitcher languages;
    const int language = app::HasCommandWord(arguments, QStringLiteral("no-language"))
                             ? app::kNativeLanguage
                             : core::StateReadInt(folder.stateFile(), core::kMainWindowSection,
                                                  QStringLiteral("Language"), app::DefaultLanguage(QLocale::system()));
    // A missing or broken module leaves the built-in Russian texts, without a word.
    if (!languages.select(folder, language))
        languages.select(folder, app::kNativeLanguage);

    session.create();

    ui::MainWindow window(session, languages);
    io.setOwner(&window);
    QObject::connect(&window, &ui::MainWindow::terminateRequested, &application, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    QObject::connect(&window, &ui::MainWindow::restartRequested, &application, [&] {
        QStringList extra;
        if (!dataDirArg.isEmpty())
            extra << QStringLiteral("--data-dir") << folder.dir();
        QString error;
        if (app::RestartProgram(extra, &error))
            QCoreApplication::quit();
        else
            session.services().showError(error);
    });
    window.show();
    window.startInitialisation();
    return application.exec();
}
