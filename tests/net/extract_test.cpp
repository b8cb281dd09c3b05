// The marker routines both page parsers are built from.

#include "core/TextForms.h"
#include "net/Extract.h"

#include <gtest/gtest.h>

using net::ExtractMode;

namespace {

QString s(const char* text)
{
    return QString::fromUtf8(text);
}

} // namespace

TEST(Extract, BetweenIgnoresCaseTrimsAndKeepsTheFirstPair)
{
    const QString text = s("<A>  one </a> <a>two</a>");
    EXPECT_EQ(net::ExtractBetween(text, s("<a>"), s("</A>"), ExtractMode::Strict), s("one"));
    // An absent start marker is no error in any mode.
    EXPECT_EQ(net::ExtractBetween(text, s("<b>"), s("</b>"), ExtractMode::Strict), QString());
    // An empty end marker reads to the end of the text.
    EXPECT_EQ(net::ExtractBetween(text, s("</a>"), QString(), ExtractMode::Strict), s("<a>two</a>"));
    // Control characters count as blanks when trimming.
    EXPECT_EQ(net::ExtractBetween(s("[\t\x01 x \r\n]"), s("["), s("]"), ExtractMode::Strict), s("x"));
}

TEST(Extract, MissingEndMarkerByMode)
{
    const QString text = s("head <ul> 1 2 3");
    EXPECT_EQ(net::ExtractBetween(text, s("<ul>"), s("</ul>"), ExtractMode::Empty), QString());
    EXPECT_EQ(net::ExtractBetween(text, s("<ul>"), s("</ul>"), ExtractMode::ToEnd), s("1 2 3"));
    try {
        net::ExtractBetween(text, s("<ul>"), s("</ul>"), ExtractMode::Strict);
        FAIL() << "no error";
    } catch (const core::EConvertError& e) {
        EXPECT_EQ(e.message(), s("Не удалось найти пару идентификаторов \"<ul>\" - \"</ul>\" в тексте\n\n"
                                 "[head <ul> 1 2 3]!"));
    }
}

TEST(Extract, TheErrorShowsOnlyTheBeginningOfALongText)
{
    const QString text = s("<ul>") + QString(5000, u'x');
    try {
        net::ExtractBetween(text, s("<ul>"), s("</ul>"), ExtractMode::Strict);
        FAIL() << "no error";
    } catch (const core::EConvertError& e) {
        EXPECT_LT(e.message().size(), 400);
        EXPECT_TRUE(e.message().endsWith(s("...]!")));
    }
}

TEST(Extract, Unquoting)
{
    EXPECT_EQ(net::Unquote(s("\"06/02 2005\"")), s("06/02 2005"));
    EXPECT_EQ(net::Unquote(s("\"say \"\"hi\"\"\"")), s("say \"hi\""));
    // A single quote inside is dropped, doubled ones become one.
    EXPECT_EQ(net::Unquote(s("\"a\"b\"\"c\"")), s("ab\"c"));
    EXPECT_EQ(net::Unquote(s("\"")), s("\""));
    EXPECT_EQ(net::Unquote(s("\"\"")), QString());
    EXPECT_EQ(net::Unquote(s("\"open")), s("\"open"));
    EXPECT_EQ(net::Unquote(s("plain \"x\"")), s("plain \"x\""));
    EXPECT_EQ(net::ExtractBetween(s("<b> \"quoted value\" </b>"), s("<b>"), s("</b>"), ExtractMode::Strict),
              s("quoted value"));
}

TEST(Extract, BetweenAndCutWalksAList)
{
    QString list = s("<li>5</li><LI> 12 </LI>\n<li>33</li> tail");
    EXPECT_EQ(net::ExtractBetweenAndCut(list, s("<li>"), s("</li>"), ExtractMode::Strict), s("5"));
    EXPECT_EQ(list, s("<LI> 12 </LI>\n<li>33</li> tail"));
    EXPECT_EQ(net::ExtractBetweenAndCut(list, s("<li>"), s("</li>"), ExtractMode::Strict), s("12"));
    EXPECT_EQ(net::ExtractBetweenAndCut(list, s("<li>"), s("</li>"), ExtractMode::Strict), s("33"));
    EXPECT_EQ(list, s(" tail"));
    // Nothing more to find: the value is empty and nothing is left to walk.
    EXPECT_EQ(net::ExtractBetweenAndCut(list, s("<li>"), s("</li>"), ExtractMode::Strict), QString());
    EXPECT_TRUE(list.isEmpty());

    QString open = s("<li>7");
    EXPECT_EQ(net::ExtractBetweenAndCut(open, s("<li>"), s("</li>"), ExtractMode::ToEnd), s("7"));
    EXPECT_TRUE(open.isEmpty());
    QString strict = s("<li>7");
    EXPECT_THROW(net::ExtractBetweenAndCut(strict, s("<li>"), s("</li>"), ExtractMode::Strict), core::EConvertError);
    EXPECT_EQ(strict, s("<li>7")) << "a failed extraction leaves the text alone";
}

TEST(Extract, SegmentsBetweenOccurrencesOfOneMarker)
{
    QString rows = s("x<tr> a <TR>b<tr> c ");
    EXPECT_EQ(net::ExtractSegment(rows, s("<tr>")), s("a"));
    EXPECT_EQ(rows, s("<TR>b<tr> c "));
    EXPECT_EQ(net::ExtractSegment(rows, s("<tr>")), s("b"));
    EXPECT_EQ(net::ExtractSegment(rows, s("<tr>")), s("c"));
    EXPECT_TRUE(rows.isEmpty());
    QString none = s("no rows");
    EXPECT_EQ(net::ExtractSegment(none, s("<tr>")), QString());
    EXPECT_TRUE(none.isEmpty());
}

TEST(Extract, NestedAndNumbers)
{
    const QString page = s("<p>Lucky combination</p><ul><li>1</li></ul></div>");
    EXPECT_EQ(net::ExtractNested(page, s("<p>lucky combination</p>"), s("</div>"), s("<ul>"), s("</ul>"),
                                 ExtractMode::Strict),
              s("<li>1</li>"));
    EXPECT_EQ(net::ExtractNested(page, s("<nope>"), s("</div>"), s("<ul>"), s("</ul>"), ExtractMode::Strict),
              QString());

    EXPECT_EQ(net::IntOrZero(s(" 42 ")), 42);
    EXPECT_EQ(net::IntOrZero(s("4 2")), 0);
    EXPECT_EQ(net::IntOrZero(s("x")), 0);
    EXPECT_EQ(net::StrictInt(s("-7")), -7);
    EXPECT_THROW(net::StrictInt(QString()), core::EConvertError);
    EXPECT_THROW(net::StrictInt(s("12a")), core::EConvertError);
}
