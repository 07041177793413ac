// Layout of markup and tables by the HTML drawer, measured with the round
// numbers of FakeMeasurer: body text is 10pt = 13 px high, 6 px per
// character (7 bold), ascent 9, descent 4.
#include <gtest/gtest.h>

#include "tests/tooltip/FakeMeasurer.h"
#include "tooltip/PPHtmlDrawer.h"

#include <algorithm>
#include <random>
#include <string>

namespace {

SIZE Prepare(CPPHtmlDrawer& d, LPCTSTR text)
{
    FakeMeasurer m;
    return d.PrepareOutput(m, text);
}

// Prepares and "draws" without a DC, which records the hot areas.
SIZE Layout(CPPHtmlDrawer& d, LPCTSTR text, int extraWidth = 0)
{
    FakeMeasurer m;
    const SIZE size = d.PrepareOutput(m, text);
    const RECT rect = {0, 0, size.cx + extraWidth, size.cy};
    d.DrawPreparedOutput(m, nullptr, text, &rect);
    return size;
}

void ExpectSize(int cx, int cy, SIZE size)
{
    EXPECT_EQ(cx, size.cx);
    EXPECT_EQ(cy, size.cy);
}

}  // namespace

TEST(HtmlLayout, TextLinesAndEntryPointMargins)
{
    CPPHtmlDrawer d;
    ExpectSize(2, 2, Prepare(d, ""));
    ExpectSize(32, 15, Prepare(d, "Hello"));
    ExpectSize(8, 54, Prepare(d, "a<br=3>b"));
    ExpectSize(8, 54, Prepare(d, "a<br = \"3\">b"));
    ExpectSize(8, 28, Prepare(d, "a<br 3>b"));
    ExpectSize(8, 28, Prepare(d, "a</br>b"));
    ExpectSize(8, 28, Prepare(d, "a\nb"));
    d.SetKeepControlChars(FALSE);
    ExpectSize(14, 15, Prepare(d, "a\nb"));
}

TEST(HtmlLayout, TabsStyleStackAndUnknownTags)
{
    CPPHtmlDrawer d;
    ExpectSize(72, 15, Prepare(d, "<t=2>x"));
    ExpectSize(40, 15, Prepare(d, "ab\tx"));
    // Weight doubles per "b" up to 900; both close back to normal.
    ExpectSize(15, 15, Prepare(d, "<b><b>x</b></b>y"));
    ExpectSize(16, 15, Prepare(d, "<b>x</i>y"));   // a stray closer changes nothing
    ExpectSize(15, 15, Prepare(d, "</b>x<b>y"));
    ExpectSize(14, 15, Prepare(d, "x<blink foo=bar>y<p>"));
    // Text transform comes from the style sheet's declarations.
    d.SetCssStyles("body {font-size: 10pt; text-transform: uppercase}");
    ExpectSize(14, 15, Prepare(d, "ab"));
}

TEST(HtmlLayout, PercentRuleTakesShareOfWidestLine)
{
    CPPHtmlDrawer d;
    ExpectSize(62, 23, Prepare(d, "abcdefghij<br><hr width=50%>"));
    ASSERT_GE(d.GetLines().size(), 2u);
    EXPECT_EQ(60, d.GetLines()[0].width);
    EXPECT_EQ(30, d.GetLines()[1].width);
    EXPECT_EQ(8, d.GetLines()[1].ascent);   // thickness 0 + 8
    ExpectSize(44, 15, Prepare(d, "ab<hr width=30>"));
}

TEST(HtmlLayout, HyperlinksRecordHotAreas)
{
    CPPHtmlDrawer d;
    Layout(d, "ab<a href=\"x y\">link</a>");
    ASSERT_EQ(1u, d.GetHotAreas().size());
    const HOTAREA& a = d.GetHotAreas()[0];
    EXPECT_EQ(12, a.rect.left);
    EXPECT_EQ(0, a.rect.top);
    EXPECT_EQ(36, a.rect.right);
    EXPECT_EQ(13, a.rect.bottom);
    EXPECT_EQ(LINK_HREF, a.nLinkType);
    EXPECT_STREQ("x y", a.sHyperlink);
    EXPECT_EQ(0, d.FindHotArea(20, 5));
    EXPECT_EQ(-1, d.FindHotArea(5, 5));

    EXPECT_FALSE(d.OnSetCursor(POINT{5, 5}));
    EXPECT_EQ(-2, d.GetHotLink());
    d.OnSetCursor(POINT{20, 5});
    EXPECT_EQ(0, d.GetHotLink());
    d.OnSetCursor(POINT{50, 5});
    EXPECT_EQ(-2, d.GetHotLink());

    // Repainting does not pile up areas.
    Layout(d, "<a msg=m1>one</a> <a>two</a>");
    Layout(d, "<a msg=m1>one</a> <a>two</a>");
    ASSERT_EQ(2u, d.GetHotAreas().size());
    EXPECT_EQ(0, d.GetHotAreas()[0].nID);
    EXPECT_EQ(1, d.GetHotAreas()[1].nID);
    EXPECT_EQ(LINK_MESSAGE, d.GetHotAreas()[1].nLinkType);
}

TEST(HtmlLayout, CentredLineStartsInTheMiddle)
{
    CPPHtmlDrawer d;
    const SIZE size = Layout(d, "<center><a>ab</a></center><br>abcd");
    ExpectSize(26, 28, size);
    ASSERT_EQ(1u, d.GetHotAreas().size());
    EXPECT_EQ((25 - 12) / 2, d.GetHotAreas()[0].rect.left);
}

TEST(HtmlTables, ColumnSpanSharesDeficitRemainderToLast)
{
    CPPHtmlDrawer d;
    const SIZE size = Prepare(d, "<table><tr><td colspan=3>XXXXXXXXXXXXXXXX</td></tr>"
                                 "<tr><td></td><td></td><td></td></tr></table>");
    ASSERT_EQ(1u, d.GetTables().size());
    const TableLayout& t = d.GetTables()[0];
    ASSERT_EQ(3, t.columns);
    EXPECT_EQ(33, t.widths[0]);
    EXPECT_EQ(33, t.widths[1]);
    EXPECT_EQ(34, t.widths[2]);
    EXPECT_EQ(17, t.heights[0]);
    EXPECT_EQ(4, t.heights[1]);
    ExpectSize(102, 23, size);
}

TEST(HtmlTables, RowSpanSharesDeficitRemainderToFirst)
{
    CPPHtmlDrawer d;
    Prepare(d, "<table><tr><td rowspan=3>a</td><td></td></tr><tr><td></td></tr><tr><td></td></tr></table>");
    const TableLayout& t = d.GetTables()[0];
    ASSERT_EQ(2, t.columns);
    ASSERT_EQ(3, t.rows);
    EXPECT_EQ(7, t.heights[0]);
    EXPECT_EQ(5, t.heights[1]);
    EXPECT_EQ(5, t.heights[2]);
    EXPECT_EQ(10, t.widths[0]);
    EXPECT_EQ(4, t.widths[1]);
}

TEST(HtmlTables, SpansFromAboveAndBadSpansStayInsideTheGrid)
{
    CPPHtmlDrawer d;
    const LPCTSTR text = "<table><tr><td rowspan=2><a>a</a></td><td><a>b</a></td></tr>"
                         "<tr><td><a>c</a></td><td><a>d</a></td></tr></table>";
    const SIZE size = Layout(d, text);
    const TableLayout& t = d.GetTables()[0];
    ASSERT_EQ(2, t.columns);
    const std::vector<int> slots = {0, 1, 3, -1};   // "d" has no column left
    EXPECT_EQ(slots, t.slots);
    ASSERT_EQ(3u, d.GetHotAreas().size());
    for (const HOTAREA& a : d.GetHotAreas())
    {
        EXPECT_GE(a.rect.left, 0);
        EXPECT_LE(a.rect.right, size.cx);
        EXPECT_LE(a.rect.bottom, size.cy);
    }
    EXPECT_GT(d.GetHotAreas()[2].rect.left, d.GetHotAreas()[0].rect.right);   // "c" sits in column 1

    Layout(d, "<table><tr><td colspan=0>a</td><td colspan=\"0\">b</td></tr></table>");
    EXPECT_EQ(2, d.GetTables()[0].columns);
    EXPECT_EQ((std::vector<int>{0, 1}), d.GetTables()[0].slots);

    // A column span running into a span from above is cut short.
    Layout(d, "<table><tr><td></td><td rowspan=2></td></tr><tr><td colspan=2></td></tr></table>");
    EXPECT_EQ(1, d.GetTables()[0].cells[2].colSpan);

    Layout(d, "<table><tr><td colspan=100000 rowspan=100000>a</td><td>b</td></tr></table>");
    const TableLayout& huge = d.GetTables()[0];
    EXPECT_EQ(1, huge.rows);
    EXPECT_EQ(huge.columns, huge.cells[0].colSpan);
    EXPECT_EQ(1, huge.cells[0].rowSpan);
}

TEST(HtmlTables, BordersMarginsAndPaddings)
{
    CPPHtmlDrawer d;
    // A double border counts three times on each side; the cell inherits it
    // (allowance 6) with margins 2 + 2.
    ExpectSize(24, 24, Prepare(d, "<table border=2 borderstyle=double><tr><td></td></tr></table>"));

    Layout(d, "<table cellpadding=4><tr><td><a>x</a></td></tr></table>");
    ASSERT_EQ(1u, d.GetHotAreas().size());
    EXPECT_EQ(4, d.GetHotAreas()[0].rect.left);
    EXPECT_EQ(4, d.GetHotAreas()[0].rect.top);

    Layout(d, "<table cellspacing=4><tr><td><a>x</a></td></tr></table>");
    ASSERT_EQ(1u, d.GetHotAreas().size());
    EXPECT_EQ(6, d.GetHotAreas()[0].rect.left);

    // Extra width is shared by the columns, the remainder to the first.
    Layout(d, "<table><tr><td></td><td></td><td></td></tr></table>", 8);
    EXPECT_EQ(4, d.GetTables()[0].widths[0]);   // the stored layout stays as measured
}

TEST(HtmlTables, NestedTablesAndDeepNestingAreBounded)
{
    CPPHtmlDrawer d;
    const SIZE size = Layout(d, "x<table><tr><td><table><tr><td>ab</td></tr></table></td></tr></table>y");
    ASSERT_EQ(2u, d.GetTables().size());
    EXPECT_EQ(16, d.GetTables()[1].size.cx);   // 12 + margins
    EXPECT_EQ(20, d.GetTables()[0].size.cx);
    EXPECT_EQ(13 + 21 + 13 + 2, size.cy);

    std::string deep;
    for (int i = 0; i < 5000; ++i)
        deep += "<table><tr><td>";
    deep += "core";
    Layout(d, deep.c_str());
    EXPECT_LE(d.GetTables().size(), static_cast<size_t>(CPPHtmlDrawer::kMaxTableNesting));

    std::string bold;
    for (int i = 0; i < 100000; ++i)
        bold += "<b><i>";
    bold += "z";
    EXPECT_GT(Prepare(d, bold.c_str()).cx, 0);
}

TEST(HtmlLayout, RandomMarkupNeverBreaksTheLayout)
{
    static const char* const kPieces[] = {
        "word", " ", "<b>", "</b>", "<i>", "</i>", "<u>", "<s>", "</font>", "<font size=5 color=#00ff00>",
        "<font face=\"Courier New\" size=99999999>", "<br>", "<br=3>", "</br>", "<t=2>", "\t", "\n", "\r",
        "<hr width=50%>", "<hr width=30 size=2>", "<table border=1 cellpadding=2>", "<table width=50%>",
        "<tr>", "</tr>", "<td>", "<td colspan=2>", "<td rowspan=3>", "<td colspan=0 rowspan=-1>",
        "</td>", "</table>", "<a href=\"http://x\">", "<a msg=m>", "</a>", "<span class=cpp-comment>",
        "</span>", "<h1>", "</h1>", "<sub>", "<center>", "</center>", "<right>", "<bottom>", "<<", "<", ">",
        "<unknown a=b>", "<p>", "<string idres=0>", "<big>", "<font size=1em>", "<br=99999>", "\xC0\xE1\xE2",
        "<table>", "<body>", "</body>", "<font weight=bolder bkgnd=red>", "<span>", "<t=40000>"};
    const int kCount = sizeof kPieces / sizeof kPieces[0];
    std::mt19937 rng(20240611);
    CPPHtmlDrawer d;
    FakeMeasurer m;
    for (int n = 0; n < 100000; ++n)
    {
        std::string text;
        const int pieces = static_cast<int>(rng() % 24);
        for (int i = 0; i < pieces; ++i)
            text += kPieces[rng() % kCount];
        const SIZE size = d.PrepareOutput(m, text.c_str());
        ASSERT_GE(size.cx, 2) << text;
        ASSERT_GE(size.cy, 2) << text;
        const RECT rect = {0, 0, size.cx, size.cy};
        d.DrawPreparedOutput(m, nullptr, text.c_str(), &rect);
        for (const HOTAREA& a : d.GetHotAreas())
            ASSERT_LE(a.rect.left, a.rect.right) << text;
    }
}
