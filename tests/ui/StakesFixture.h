#pragma once

// What the tests of the pages "Ставки" and "Рейтинг" share: the program on a temporary data
// folder with the real archive, and stakes written straight into its stakes file.

#include "FakeUserIo.h"
#include "TestPaths.h"
#include "app/Languages.h"
#include "app/RatingsController.h"
#include "app/Session.h"
#include "app/StakesController.h"
#include "core/GameMath.h"
#include "core/Settings.h"
#include "stakes/StakeRecord.h"
#include "ui/MainWindow.h"

#include <QAction>
#include <QActionGroup>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <memory>
#include <vector>

namespace stakestest {

struct Program
{
    explicit Program(const QString& dir) : session(io, core::DataFolder(dir, QStringLiteral("Vertoma_5x54"), dir))
    {
        session.create();
        window = std::make_unique<ui::MainWindow>(session, languages);
    }

    QAction* action(const char* name) const { return window->action(QString::fromLatin1(name)); }
    bool enabled(const char* name) const { return action(name)->isEnabled(); }
    QString panel(int i) const { return window->statusPanel(i)->text(); }
    void showOn(QWidget* page)
    {
        window->show();
        window->mainPages()->setCurrentWidget(page);
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }

    testsupport::FakeUserIo io;
    app::LanguageSwitcher languages;
    app::Session session;
    std::unique_ptr<ui::MainWindow> window;
};

// A data folder with a copy of the real archive; the combination list starts as every
// combination of 1..7 (21 rows).
inline std::unique_ptr<QTemporaryDir> MakeDataFolder()
{
    auto dir = std::make_unique<QTemporaryDir>();
    const QString archive = dir->filePath(QStringLiteral("Vertoma_5x54.ldr"));
    if (!QFile::copy(QStringLiteral(VERTOMA_SHARED_DATA_DIR "/Vertoma_5x54.ldr"), archive))
        return nullptr;
    QFile::setPermissions(archive, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    core::TGenSettings settings;
    settings.Mode = 2;
    settings.Param = QStringLiteral("1;2;3;4;5;6;7");
    if (!core::GenSettingsSave(dir->filePath(QStringLiteral("Vertoma_5x54.ini")), settings))
        return nullptr;
    return dir;
}

// An unchecked stake; money in ten-thousandths.
inline stakes::TStakeRec Stake(std::uint8_t kind, int draw, std::initializer_list<int> numbers, const QString& comment,
                               std::int64_t profit = -20000, int sample = 21)
{
    stakes::TStakeRec rec;
    rec.Version = 2;
    rec.Kind = kind;
    rec.DrawNum = draw;
    rec.SampleSize = sample;
    rec.Numbers.Count = int(numbers.size());
    std::copy(numbers.begin(), numbers.end(), rec.Numbers.Values);
    rec.Matches.Count = -1;
    rec.Profit = profit;
    stakes::SetStakeComment(rec, comment);
    return rec;
}

// The stake as the check leaves it: the draw's numbers in drawn order, the played numbers that
// were drawn in ascending order, and the profit.
inline stakes::TStakeRec Checked(stakes::TStakeRec rec, std::initializer_list<int> drawn, std::int64_t profit)
{
    rec.Checked = 1;
    std::copy(drawn.begin(), drawn.end(), rec.DrawValues);
    std::vector<int> matched;
    for (int i = 0; i < rec.Numbers.Count; ++i) {
        if (std::find(drawn.begin(), drawn.end(), rec.Numbers.Values[i]) != drawn.end())
            matched.push_back(rec.Numbers.Values[i]);
    }
    std::sort(matched.begin(), matched.end());
    rec.Matches.Count = int(matched.size());
    std::copy(matched.begin(), matched.end(), rec.Matches.Values);
    rec.Profit = profit;
    return rec;
}

inline bool WriteStakes(const QString& dir, const std::vector<stakes::TStakeRec>& records)
{
    QFile file(dir + QStringLiteral("/Vertoma_5x54.lsk"));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    for (const stakes::TStakeRec& rec : records) {
        char bytes[stakes::StakeRecSize];
        stakes::StakeToBytes(rec, bytes);
        if (file.write(bytes, stakes::StakeRecSize) != stakes::StakeRecSize)
            return false;
    }
    return true;
}

} // namespace stakestest
