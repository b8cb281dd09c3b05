#include "FakeUserIo.h"
#include "TestPaths.h"
#include "app/CommandLine.h"
#include "app/Languages.h"
#include "app/ProcessList.h"
#include "app/Services.h"
#include "core/DataFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(CommandLine, WordsInEveryFormIgnoringCase)
{
    const QStringList args{QStringLiteral("/usr/bin/Vertoma_5x54"), QStringLiteral("--FullRefresh"),
                           QStringLiteral("/loadonly"), QStringLiteral("\\No-Language"), QStringLiteral("-x")};
    EXPECT_TRUE(app::HasCommandWord(args, QStringLiteral("fullrefresh")));
    EXPECT_TRUE(app::HasCommandWord(args, QStringLiteral("loadonly")));
    EXPECT_TRUE(app::HasCommandWord(args, QStringLiteral("no-language")));
    EXPECT_TRUE(app::HasCommandWord(args, QStringLiteral("x")));
    EXPECT_FALSE(app::HasCommandWord(args, QStringLiteral("restart")));
    EXPECT_FALSE(app::HasCommandWord({QStringLiteral("restarting")}, QStringLiteral("restart")));
    EXPECT_FALSE(app::HasCommandWord({QStringLiteral("---restart")}, QStringLiteral("restart")));

    EXPECT_EQ(app::DataDirArgument({QStringLiteral("--data-dir"), QStringLiteral("/tmp/a")}), QStringLiteral("/tmp/a"));
    EXPECT_EQ(app::DataDirArgument({QStringLiteral("--data-dir=/tmp/b")}), QStringLiteral("/tmp/b"));
    EXPECT_EQ(app::DataDirArgument({QStringLiteral("--data-dir")}), QString());
}

TEST(Restart, ProceedsAtOnceWithoutAnOldInstanceAndGivesUpAfterTheLastCheck)
{
    int checks = 0;
    EXPECT_TRUE(app::WaitForProcessesToEnd(QStringLiteral("x"), 601, [&](const QString&) {
        ++checks;
        return 0;
    }));
    EXPECT_EQ(checks, 1);

    checks = 0;
    EXPECT_TRUE(app::WaitForProcessesToEnd(QStringLiteral("x"), 601, [&](const QString&) { return ++checks < 3; }));
    EXPECT_EQ(checks, 3);

    checks = 0;
    EXPECT_FALSE(app::WaitForProcessesToEnd(QStringLiteral("x"), 4, [&](const QString&) {
        ++checks;
        return 1;
    }));
    EXPECT_EQ(checks, 4);
}

TEST(Restart, ProcessListSeesOtherProcessesByExecutableName)
{
    // A copy of "sleep" under a name of its own, so parallel test runs cannot disturb the count.
    QTemporaryDir dir;
    const QString name = QStringLiteral("vertoma-probe-%1").arg(QCoreApplication::applicationPid());
    const QString probe = dir.filePath(name);
    ASSERT_TRUE(QFile::copy(QStringLiteral("/bin/sleep"), probe));
    QFile::setPermissions(probe, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    EXPECT_EQ(app::CountOtherProcesses(name), 0);

    QProcess first, second;
    first.start(probe, {QStringLiteral("30")});
    second.start(probe, {QStringLiteral("30")});
    ASSERT_TRUE(first.waitForStarted() && second.waitForStarted());
    EXPECT_EQ(app::CountOtherProcesses(name), 2);
    first.kill();
    first.waitForFinished();
    EXPECT_EQ(app::CountOtherProcesses(name), 1);
    second.kill();
    second.waitForFinished();
    EXPECT_EQ(app::CountOtherProcesses(name), 0);
}

TEST(Languages, ModulesAreFoundByAbbreviationAndSwitchTheTexts)
{
    QTemporaryDir dir;
    const core::DataFolder folder(dir.path(), QStringLiteral("Vertoma_5x54"), dir.path());
    EXPECT_EQ(app::LanguageAbbreviation(1049), QStringLiteral("RUS"));
    EXPECT_EQ(app::LanguageAbbreviation(1033), QStringLiteral("ENU"));
    EXPECT_EQ(app::LanguageModulePath(folder, 1033), dir.filePath(QStringLiteral("Vertoma_5x54_ENU.lng")));

    // Without a module only Russian is offered, and the stored default 1033 keeps Russian.
    ASSERT_EQ(app::AvailableLanguages(folder).size(), 1);
    app::LanguageSwitcher switcher;
    QString error;
    EXPECT_FALSE(switcher.select(folder, 1033, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("не найден")));
    EXPECT_EQ(switcher.current(), 1049);
    EXPECT_EQ(QCoreApplication::translate("app::Session", "Архив тиражей: %1"), QStringLiteral("Архив тиражей: %1"));

    ASSERT_TRUE(QFile::copy(QStringLiteral(VERTOMA_TRANSLATIONS_DIR "/Vertoma_5x54_ENU.lng"),
                            app::LanguageModulePath(folder, 1033)));
    const auto languages = app::AvailableLanguages(folder);
    ASSERT_EQ(languages.size(), 2);
    EXPECT_EQ(languages[1].Lcid, 1033);
    EXPECT_TRUE(switcher.select(folder, 1033, &error));
    EXPECT_EQ(switcher.current(), 1033);
    EXPECT_EQ(QCoreApplication::translate("app::Session", "Архив тиражей: %1"), QStringLiteral("Draw archive: %1"));
    EXPECT_TRUE(switcher.select(folder, 1049));
    EXPECT_EQ(QCoreApplication::translate("app::Session", "Архив тиражей: %1"), QStringLiteral("Архив тиражей: %1"));

    // A file that is not a translation is refused and Russian stays.
    QFile broken(app::LanguageModulePath(folder, 1058));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("not a translation");
    broken.close();
    EXPECT_FALSE(switcher.select(folder, 1058, &error));
    EXPECT_TRUE(error.startsWith(QStringLiteral("Не удалось загрузить языковый модуль")));
    EXPECT_EQ(switcher.current(), 1049);
}

TEST(Languages, QtsOwnTextsFollowTheInterfaceLanguage)
{
    const QString qtTexts = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!QFileInfo::exists(qtTexts + QStringLiteral("/qtbase_ru.qm")))
        GTEST_SKIP() << "Qt's own translations (qt6-translations-l10n) are not installed in " << qtTexts.toStdString();
    QTemporaryDir dir;
    const core::DataFolder folder(dir.path(), QStringLiteral("Vertoma_5x54"), dir.path());
    const auto cancel = [] { return QCoreApplication::translate("QPlatformTheme", "Cancel"); };
    {
        app::LanguageSwitcher switcher;
        ASSERT_TRUE(switcher.select(folder, 1049));
        EXPECT_EQ(cancel(), QStringLiteral("Отмена"));
        EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Look in:"), QStringLiteral("Перейти к:"));
        // The type of a folder in a file dialog's list, which the Russian of Qt 6.4 lacks.
        EXPECT_EQ(QCoreApplication::translate("QAbstractFileIconProvider", "Folder", "All other platforms"),
                  QStringLiteral("Папка"));

        // The English module brings Qt's English texts instead of the Russian ones, and back.
        ASSERT_TRUE(QFile::copy(QStringLiteral(VERTOMA_TRANSLATIONS_DIR "/Vertoma_5x54_ENU.lng"),
                                app::LanguageModulePath(folder, 1033)));
        ASSERT_TRUE(switcher.select(folder, 1033));
        EXPECT_EQ(cancel(), QStringLiteral("Cancel"));
        EXPECT_EQ(QCoreApplication::translate("QAbstractFileIconProvider", "Folder", "All other platforms"),
                  QStringLiteral("Folder"));
        ASSERT_TRUE(switcher.select(folder, 1049));
        EXPECT_EQ(cancel(), QStringLiteral("Отмена"));
    }
    EXPECT_EQ(cancel(), QStringLiteral("Cancel")) << "the switcher takes its translations with it";
}

TEST(Languages, HelpFileIsLookedUpInThreePlaces)
{
    QTemporaryDir dir;
    const QString exeDir = dir.filePath(QStringLiteral("bin"));
    QDir().mkpath(exeDir + QStringLiteral("/help"));
    QDir().mkpath(dir.filePath(QStringLiteral("help")));
    const QString last = QDir::cleanPath(dir.filePath(QStringLiteral("help/Numeko_RUS.html")));
    EXPECT_EQ(app::HelpFilePath(exeDir, 1049), last) << "the last candidate even when missing";

    QFile(last).open(QIODevice::WriteOnly);
    EXPECT_EQ(app::HelpFilePath(exeDir, 1049), last);
    const QString inHelp = exeDir + QStringLiteral("/help/Numeko_RUS.html");
    QFile(inHelp).open(QIODevice::WriteOnly);
    EXPECT_EQ(app::HelpFilePath(exeDir, 1049), inHelp);
    const QString beside = exeDir + QStringLiteral("/Numeko_RUS.html");
    QFile(beside).open(QIODevice::WriteOnly);
    EXPECT_EQ(app::HelpFilePath(exeDir, 1049), beside);
    EXPECT_TRUE(app::HelpFilePath(exeDir, 1033).endsWith(QStringLiteral("help/Numeko_ENU.html")));
}

TEST(Help, WhenNothingOpensTheHelpOrALinkThePersonHearsWhyAndWhereTheFilesAre)
{
    QTemporaryDir dir;
    testsupport::FakeUserIo io;
    app::Services services(io, core::DataFolder(dir.path(), QStringLiteral("Vertoma_5x54"), dir.path()));
    ASSERT_TRUE(QDir().mkpath(dir.filePath(QStringLiteral("help"))));
    const QString help = dir.filePath(QStringLiteral("help/Numeko_RUS.html"));
    const QString helpDir = QDir::toNativeSeparators(dir.filePath(QStringLiteral("help")));

    // A missing help file is named, and nothing is handed to a browser.
    services.openHelp(help);
    ASSERT_EQ(io.messageTexts(app::MessageKind::Error).size(), 1);
    EXPECT_TRUE(io.messageTexts(app::MessageKind::Error)[0].startsWith(
        QStringLiteral("Файл справки \"%1\" не найден.").arg(QDir::toNativeSeparators(help))));
    EXPECT_TRUE(io.openedUrls.isEmpty());

    // A browser that opens it says nothing.
    QFile(help).open(QIODevice::WriteOnly);
    services.openHelp(help);
    EXPECT_EQ(io.openedUrls, QStringList{help});
    EXPECT_EQ(io.messages.size(), 1);

    // Without one, the reason and the folder with the file to open by hand.
    io.urlsOpen = false;
    services.openHelp(help);
    EXPECT_EQ(io.messageTexts(app::MessageKind::Error).value(1),
              QStringLiteral("Не удалось открыть справку: в системе не найдена программа для просмотра веб-страниц "
                             "(браузер).\n\nФайлы справки находятся в папке \"%1\". Откройте в браузере файл "
                             "\"Numeko_RUS.html\".")
                  .arg(helpDir));

    // Links to the web and files (the run's log) say which of them did not open.
    services.openLink(QStringLiteral("https://example.org/news"));
    EXPECT_TRUE(io.messageTexts(app::MessageKind::Error)
                    .value(2)
                    .startsWith(QStringLiteral(
                        "Не удалось открыть адрес \"https://example.org/news\": в системе не найдена программа")));
    services.openLink(help);
    EXPECT_TRUE(io.messageTexts(app::MessageKind::Error)
                    .value(3)
                    .startsWith(QStringLiteral("Не удалось открыть файл \"%1\"").arg(QDir::toNativeSeparators(help))));
    io.urlsOpen = true;
    services.openLink(help);
    EXPECT_EQ(io.messages.size(), 4);
}

TEST(Languages, AnInstallationShipsItsModulesAndHelpInItsSharedFolder)
{
    QTemporaryDir root;
    const QString bin = root.filePath(QStringLiteral("usr/bin"));
    const QString share = root.filePath(QStringLiteral("usr/share/Vertoma_5x54"));
    const QString data = root.filePath(QStringLiteral("home/.local/share/Vertoma_5x54"));
    for (const QString& dir : {bin, share + QStringLiteral("/translations"), share + QStringLiteral("/help"), data})
        ASSERT_TRUE(QDir().mkpath(dir));
    const core::DataFolder folder(data, QStringLiteral("Vertoma_5x54"), bin);

    // Nothing installed yet: the data folder's name is the one a message would show.
    EXPECT_EQ(app::LanguageModulePath(folder, 1033), QDir(data).filePath(QStringLiteral("Vertoma_5x54_ENU.lng")));
    EXPECT_EQ(app::AvailableLanguages(folder).size(), 1);

    const QString installed = share + QStringLiteral("/translations/Vertoma_5x54_ENU.lng");
    ASSERT_TRUE(QFile::copy(QStringLiteral(VERTOMA_TRANSLATIONS_DIR "/Vertoma_5x54_ENU.lng"), installed));
    EXPECT_EQ(app::LanguageModulePath(folder, 1033), installed);
    ASSERT_EQ(app::AvailableLanguages(folder).size(), 2);
    app::LanguageSwitcher switcher;
    EXPECT_TRUE(switcher.select(folder, 1033));
    EXPECT_EQ(QCoreApplication::translate("app::Session", "Архив тиражей: %1"), QStringLiteral("Draw archive: %1"));
    EXPECT_TRUE(switcher.select(folder, 1049));

    // A module the person put beside the executable or in the data folder comes first.
    const QString beside = QDir(bin).filePath(QStringLiteral("Vertoma_5x54_ENU.lng"));
    ASSERT_TRUE(QFile::copy(installed, beside));
    EXPECT_EQ(app::LanguageModulePath(folder, 1033), beside);
    const QString own = QDir(data).filePath(QStringLiteral("Vertoma_5x54_ENU.lng"));
    ASSERT_TRUE(QFile::copy(installed, own));
    EXPECT_EQ(app::LanguageModulePath(folder, 1033), own);
    EXPECT_EQ(app::AvailableLanguages(folder).size(), 2);

    // The help pages: the shared folder's, unless the executable's folder has its own.
    const QString help = share + QStringLiteral("/help/Numeko_RUS.html");
    EXPECT_NE(app::HelpFilePath(bin, 1049), help);
    QFile(help).open(QIODevice::WriteOnly);
    EXPECT_EQ(app::HelpFilePath(bin, 1049), help);
    const QString local = bin + QStringLiteral("/help/Numeko_RUS.html");
    QDir().mkpath(bin + QStringLiteral("/help"));
    QFile(local).open(QIODevice::WriteOnly);
    EXPECT_EQ(app::HelpFilePath(bin, 1049), local);
}

TEST(Languages, AFirstStartSpeaksRussianOnARussianSystem)
{
    EXPECT_EQ(app::DefaultLanguage(QLocale(QLocale::Russian, QLocale::Russia)), 1049);
    EXPECT_EQ(app::DefaultLanguage(QLocale(QLocale::English, QLocale::UnitedStates)), 1033);
    EXPECT_EQ(app::DefaultLanguage(QLocale(QLocale::German, QLocale::Germany)), 1033);
    EXPECT_EQ(app::DefaultLanguage(QLocale::c()), 1033);
}
