#include "core/IniFile.h"
#include "core/Placement.h"

#include <gtest/gtest.h>

using namespace core;
using namespace Qt::StringLiterals;

namespace {

const QString Section = u"TFormMain"_s;
const TPlacement Current{0, 1, 96, -1, -1, -1, -1, 100, 100, 900, 700};
const TPlacement Stored{2, 3, 96, -32000, -32000, -8, -8, 40, 50, 1240, 950};

} // namespace

TEST(PlacementTest, RoundTripThroughText)
{
    IniFile ini;
    PlacementWrite(ini, Section, 1920, 1080, Stored);
    EXPECT_EQ(ini.readString(Section, u"NormPos_1920x1080"_s), u"40,50,1240,950"_s);
    EXPECT_EQ(ini.readString(Section, u"MinMaxPos"_s), u"-32000,-32000,-8,-8"_s);

    IniFile back;
    back.parse(ini.serialize());
    TPlacement out;
    EXPECT_TRUE(PlacementRead(back, u"tformmain"_s, 1920, 1080, Current, out));
    EXPECT_EQ(out, Stored);
}

TEST(PlacementTest, RestoresOnlyAPositionOfTheSameDensity)
{
    IniFile ini;
    TPlacement at120 = Stored;
    at120.PixelsPerInch = 120;
    PlacementWrite(ini, Section, 1920, 1080, at120);
    TPlacement out;
    EXPECT_FALSE(PlacementRead(ini, Section, 1920, 1080, Current, out));

    ini.parse("[TFormMain]\nPixelsPerInch=96\nShowCmd=3\nNormPos=\n");
    EXPECT_FALSE(PlacementRead(ini, Section, 1920, 1080, Current, out));
    // One position is enough; a file without a density counts as taken at the current one.
    ini.parse("[TFormMain]\nNormPos=1,2,3,4\n");
    EXPECT_TRUE(PlacementRead(ini, Section, 1920, 1080, Current, out));
}

TEST(PlacementTest, ScreenSizeKeyPreferred)
{
    IniFile ini;
    TPlacement small = Stored;
    small.Left = 5;
    small.MinX = 7;
    PlacementWrite(ini, Section, 1920, 1080, Stored);
    PlacementWrite(ini, Section, 1280, 1024, small); // also overwrites the plain keys

    TPlacement out;
    ASSERT_TRUE(PlacementRead(ini, Section, 1920, 1080, Current, out));
    EXPECT_EQ(out, Stored);
    // A screen never seen falls back to the plain keys.
    ASSERT_TRUE(PlacementRead(ini, Section, 800, 600, Current, out));
    EXPECT_EQ(out, small);
}

TEST(PlacementTest, MissingNumbersTakeCurrent)
{
    IniFile ini;
    ini.parse("[TFormMain]\nNormPos=10, 20\nMinMaxPos=x,4\nShowCmd=2\n");
    TPlacement out;
    ASSERT_TRUE(PlacementRead(ini, Section, 1920, 1080, Current, out));
    TPlacement expected = Current;
    expected.Left = 10;
    expected.Top = 20;
    expected.MinY = 4;
    expected.ShowCmd = 2;
    EXPECT_EQ(out, expected);
}

TEST(PlacementTest, CoordinatesBeyondAnyScreenAreNoPosition)
{
    // The window's width would be Right - Left, past what an int holds.
    IniFile ini;
    ini.parse("[TFormMain]\nNormPos=-2000000000,0,2000000000,400\n[TFormOptions]\nMinMaxPos=0,0,0,16777216\n"
              "[TFormEdge]\nNormPos=-16777215,-32000,16777215,700\n");
    TPlacement out;
    EXPECT_FALSE(PlacementRead(ini, Section, 1920, 1080, Current, out));
    EXPECT_FALSE(PlacementRead(ini, u"TFormOptions"_s, 1920, 1080, Current, out));
    EXPECT_TRUE(PlacementRead(ini, u"TFormEdge"_s, 1920, 1080, Current, out));
}

TEST(PlacementTest, ShowCmdMapsToState)
{
    using S = WindowShowState;
    const std::pair<int, S> cases[] = {{1, S::Normal},    {5, S::Normal},    {9, S::Normal},    {2, S::Minimized},
                                       {6, S::Minimized}, {7, S::Minimized}, {3, S::Maximized}, {0, S::Normal},
                                       {4, S::Normal},    {8, S::Normal},    {-3, S::Normal}};
    for (const auto& [cmd, state] : cases)
        EXPECT_EQ(ShowStateFromCmd(cmd), state) << "ShowCmd " << cmd;
}

TEST(PlacementTest, WindowsFitTheScreenTheyOpenOn)
{
    // Roomy on a large screen, nine tenths of a small one.
    EXPECT_EQ(core::DefaultWindowSize(QSize(1920, 1040)), QSize(1280, 820));
    EXPECT_EQ(core::DefaultWindowSize(QSize(1366, 728)), QSize(1229, 655));
    EXPECT_EQ(core::DefaultWindowSize(QSize(800, 600)), QSize(720, 540));

    const QRect screen(0, 30, 1366, 738);
    // A placement stored on a larger screen shrinks to the free area and moves into it.
    EXPECT_EQ(core::FitIntoScreen(QRect(200, 100, 1800, 1000), screen), QRect(0, 30, 1366, 738));
    // One that fits but hangs over the right and bottom edges only moves.
    EXPECT_EQ(core::FitIntoScreen(QRect(900, 600, 800, 400), screen), QRect(566, 368, 800, 400));
    // One above the panel moves below it; one inside stays where it is.
    EXPECT_EQ(core::FitIntoScreen(QRect(10, 0, 800, 400), screen), QRect(10, 30, 800, 400));
    EXPECT_EQ(core::FitIntoScreen(QRect(10, 40, 800, 400), screen), QRect(10, 40, 800, 400));
    // A second screen to the left has negative coordinates.
    EXPECT_EQ(core::FitIntoScreen(QRect(-100, 40, 800, 400), QRect(-1280, 0, 1280, 1024)), QRect(-800, 40, 800, 400));
}
