// The parse of the operator's results page and the address of one query.

#include "LocalServers.h"
#include "TestHelpers.h"
#include "core/TextForms.h"
#include "net/DrawsPage.h"

#include <gtest/gtest.h>

namespace {

QString page(const std::string& html)
{
    return QString::fromStdString(html);
}

std::string block(const std::string& numbers, const std::string& key)
{
    return "<div class=\"cuerpoRegionIzq\"><p>Lucky combination</p><ul>" + numbers +
           "</ul></div><span class=\"bolaPeq\">" + key + "</span><div class=\"cuerpoRegionDerecha\">";
}

std::string list(const std::string& blocks)
{
    return "<html><div id=\"drawsList\">" + blocks + "<!-- while JQuery is not added to the grid... --></html>";
}

} // namespace

TEST(DrawsPage, QueryAddressAppendsThePathToTheSite)
{
    EXPECT_EQ(net::OperatorQueryUrl(QStringLiteral("https://results.test:8443/"), 20240114, 20240114),
              QStringLiteral("https://results.test:8443/en/buscador?startDate=14/01/2024&gameId=05&type=search&"
                             "endDate=14/01/2024"));
    EXPECT_EQ(net::OperatorQueryUrl(QStringLiteral(" https://h "), 20050109, 20050116),
              QStringLiteral("https://h/en/buscador?startDate=09/01/2005&gameId=05&type=search&endDate=16/01/2005"));
}

TEST(DrawsPage, OneDrawTakesTheQueryDateAndTheNextNumber)
{
    const core::TDrawRec draw = testsupport::MakeDraw(0, {7, 8, 11, 31, 35}, 1);
    const auto draws =
        net::ParseDrawsPage(page(testsupport::OperatorSite::ResultsPage({draw})), 20260816, 1113);
    ASSERT_EQ(draws.size(), 1u);
    EXPECT_EQ(draws[0].Num, 1114);
    EXPECT_EQ(core::DrawDateText(draws[0]), QStringLiteral("16/08/2026"));
    const int expected[] = {7, 8, 11, 31, 35};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(draws[0].Values[i], expected[i]);
    EXPECT_EQ(draws[0].Extra, 1);
}

TEST(DrawsPage, TwoBlocksInPageOrderAndMarkersInAnyCase)
{
    const std::string html = "<div ID=\"drawsList\">" + block("<li>1</li><li>2</li><li>3</li><li>4</li><li>5</li>", "0") +
                             block("<LI> 54 </LI><li>53</li><li>52</li><li>51</li><li>50</li>", "9") +
                             "<!-- WHILE JQuery is not added to the grid... -->";
    const auto draws = net::ParseDrawsPage(page(html), 20240107, 10);
    ASSERT_EQ(draws.size(), 2u);
    EXPECT_EQ(draws[0].Num, 11);
    EXPECT_EQ(draws[0].Values[0], 1);
    EXPECT_EQ(draws[0].Extra, 0);
    EXPECT_EQ(draws[1].Num, 12);
    EXPECT_EQ(draws[1].Values[0], 54);
    EXPECT_EQ(draws[1].Values[4], 50);
    EXPECT_EQ(draws[1].Extra, 9);
}

TEST(DrawsPage, PagesWithoutDraws)
{
    EXPECT_TRUE(net::ParseDrawsPage(page("<html>no results today</html>"), 20240107, 0).empty());
    EXPECT_TRUE(net::ParseDrawsPage(page(list("")), 20240107, 0).empty());
    // A block without the numbers area is skipped; the next block still counts from archive + 1.
    const std::string noNumbers =
        "<div class=\"cuerpoRegionIzq\"><p>Draw postponed</p></div><div class=\"cuerpoRegionDerecha\">";
    const auto draws = net::ParseDrawsPage(
        page(list(noNumbers + block("<li>1</li><li>2</li><li>3</li><li>4</li><li>5</li>", "3"))), 20240107, 5);
    ASSERT_EQ(draws.size(), 1u);
    EXPECT_EQ(draws[0].Num, 6);
}

TEST(DrawsPage, BrokenBlocksAreErrors)
{
    // The results list without its end marker.
    EXPECT_THROW(net::ParseDrawsPage(page("<div id=\"drawsList\"><div class=\"cuerpoRegionIzq\">"), 20240107, 0),
                 core::EConvertError);
    const char* broken[] = {
        "<li>1</li><li>2</li><li>3</li><li>4</li>",                 // fewer than five numbers
        "<li>1</li><li>2</li><li>3</li><li>4</li><li>5",            // a number without its end
        "<li>1</li><li>2</li><li>3</li><li>4</li><li>55</li>",      // out of range
        "<li>1</li><li>2</li><li>3</li><li>4</li><li>4</li>",       // repeated
        "<li>1</li><li>2</li><li>x</li><li>4</li><li>5</li>",       // not a number
    };
    for (const char* numbers : broken)
        EXPECT_THROW(net::ParseDrawsPage(page(list(block(numbers, "1"))), 20240107, 0), core::EConvertError)
            << numbers;
    const std::string five = "<li>1</li><li>2</li><li>3</li><li>4</li><li>5</li>";
    EXPECT_THROW(net::ParseDrawsPage(page(list(block(five, "10"))), 20240107, 0), core::EConvertError);
    EXPECT_THROW(net::ParseDrawsPage(page(list(block(five, ""))), 20240107, 0), core::EConvertError);
    const std::string noKey = "<div class=\"cuerpoRegionIzq\"><p>Lucky combination</p><ul>" + five +
                              "</ul></div><div class=\"cuerpoRegionDerecha\">";
    EXPECT_THROW(net::ParseDrawsPage(page(list(noKey)), 20240107, 0), core::EConvertError);
    // The numbers area without its end.
    const std::string openArea = "<div class=\"cuerpoRegionIzq\"><p>Lucky combination</p><ul>" + five +
                                 "</ul><span class=\"bolaPeq\">1</span><div class=\"cuerpoRegionDerecha\">";
    EXPECT_THROW(net::ParseDrawsPage(page(list(openArea)), 20240107, 0), core::EConvertError);
}

TEST(DrawsPage, AHugeNumberOfBlocksIsRefused)
{
    std::string blocks;
    for (int i = 0; i < 150; ++i)
        blocks += "<div class=\"cuerpoRegionIzq\">x</div><div class=\"cuerpoRegionDerecha\">";
    EXPECT_THROW(net::ParseDrawsPage(page(list(blocks)), 20240107, 0), core::EConvertError);
}
