#pragma once

// The program as the page tests of the analysis pages drive it: a data folder with a copy of the
// real archive, the session with a scripted person, and the main window, shown offscreen.
// With VERTOMA_SCREENSHOT_DIR set, shot() writes what the window shows there, for a look.

#include "FakeUserIo.h"
#include "TestPaths.h"
#include "app/ArchiveController.h"
#include "app/Languages.h"
#include "app/Session.h"
#include "app/ViewsController.h"
#include "core/DrawArchive.h"
#include "ui/MainWindow.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace viewstest {

// Copies the real archive into a fresh folder.
inline std::unique_ptr<QTemporaryDir> DataFolderWithArchive()
{
    auto dir = std::make_unique<QTemporaryDir>();
    const QString target = dir->filePath(QStringLiteral("Vertoma_5x54.ldr"));
    QFile::copy(QStringLiteral(VERTOMA_SHARED_DATA_DIR "/Vertoma_5x54.ldr"), target);
    QFile::setPermissions(target, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    return dir;
}

struct Program
{
    explicit Program(const QString& dir) : session(io, core::DataFolder(dir, QStringLiteral("Vertoma_5x54"), dir))
    {
        session.create();
        window = std::make_unique<ui::MainWindow>(session, languages);
        window->resize(1280, 820);
    }

    // Shows the window, loads the archive and brings the page to the front.
    void start(QWidget* page)
    {
        window->show();
        window->initialise();
        window->mainPages()->setCurrentWidget(page);
        QCoreApplication::processEvents();
    }
    QAction* action(const char* name) const { return window->action(QString::fromLatin1(name)); }
    const core::TDrawsArray& draws() const { return session.archive().draws(); }
    const core::TDrawRec& draw(int fromNewest) const { return draws()[draws().size() - 1 - std::size_t(fromNewest)]; }
    void select(QTableView* view, std::initializer_list<std::pair<int, int>> cells) const
    {
        view->clearSelection();
        for (const auto& [row, column] : cells)
            view->selectionModel()->select(view->model()->index(row, column), QItemSelectionModel::Select);
    }
    void shot(const QString& name) const
    {
        const QString dir = qEnvironmentVariable("VERTOMA_SCREENSHOT_DIR");
        if (dir.isEmpty())
            return;
        // Charts lay themselves out from posted events.
        QTest::qWait(100);
        window->grab().save(QDir(dir).filePath(name + QStringLiteral(".png")));
    }

    testsupport::FakeUserIo io;
    app::LanguageSwitcher languages;
    app::Session session;
    std::unique_ptr<ui::MainWindow> window;
};

// Whether every combination of the list holds one of the numbers.
inline bool AllHoldOneOf(const core::TCombsArray& combs, std::initializer_list<int> numbers)
{
    for (const core::TComb& c : combs) {
        bool holds = false;
        for (int n : numbers)
            holds = holds || std::count(std::begin(c.v), std::end(c.v), n) > 0;
        if (!holds)
            return false;
    }
    return true;
}

} // namespace viewstest
