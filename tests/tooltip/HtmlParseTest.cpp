// The markup reader, value parsers, colours, the style sheet and the tag
// attribute readers of the HTML drawer.
#include <gtest/gtest.h>

#include "tests/tooltip/FakeMeasurer.h"
#include "tooltip/PPHtmlDrawer.h"

namespace {

struct Token
{
    CString run;
    CString tag;
};

std::vector<Token> Tokens(CPPHtmlDrawer& d, const CString& text)
{
    std::vector<Token> out;
    int i = 0;
    while (i < text.GetLength())
    {
        Token t;
        t.run = d.GetNextToken(text, i, t.tag);
        out.push_back(t);
    }
    return out;
}

}  // namespace

TEST(HtmlTokenizer, RunsTagsAndControlCharacters)
{
    CPPHtmlDrawer d;
    auto t = Tokens(d, "a<<b<b>bold</b>");
    ASSERT_EQ(2u, t.size());
    EXPECT_STREQ("a<b", t[0].run);
    EXPECT_STREQ("b", t[0].tag);
    EXPECT_STREQ("bold", t[1].run);
    EXPECT_STREQ("/b", t[1].tag);

    t = Tokens(d, "a\r\nb");
    ASSERT_EQ(3u, t.size());
    EXPECT_STREQ("a", t[0].run);
    EXPECT_STREQ("\r", t[0].tag);
    EXPECT_STREQ("", t[1].run);
    EXPECT_STREQ("\n", t[1].tag);
    EXPECT_STREQ("b", t[2].run);
    EXPECT_STREQ("", t[2].tag);

    d.SetKeepControlChars(FALSE);
    t = Tokens(d, "a\r\nb\tc");
    ASSERT_EQ(1u, t.size());
    EXPECT_STREQ("abc", t[0].run);
}

TEST(HtmlTokenizer, MalformedMarkupEndsCleanly)
{
    CPPHtmlDrawer d;
    auto t = Tokens(d, "text<font color=red");   // unclosed tag runs to the end
    ASSERT_EQ(1u, t.size());
    EXPECT_STREQ("text", t[0].run);
    EXPECT_STREQ("font color=red", t[0].tag);

    EXPECT_TRUE(Tokens(d, "").empty());
    t = Tokens(d, "<");
    ASSERT_EQ(1u, t.size());
    EXPECT_STREQ("", t[0].tag);
    t = Tokens(d, "<<");
    ASSERT_EQ(1u, t.size());
    EXPECT_STREQ("<", t[0].run);
}

TEST(HtmlScanners, ParameterStrings)
{
    int i = 0;
    CString p = " size = \"12 px\" color=red";
    EXPECT_STREQ("size", CPPHtmlDrawer::GetNextWord(p, i));
    EXPECT_STREQ("12 px", CPPHtmlDrawer::GetParameterString(p, i));
    EXPECT_STREQ("color", CPPHtmlDrawer::GetNextWord(p, i));
    EXPECT_STREQ("red", CPPHtmlDrawer::GetParameterString(p, i));
    EXPECT_STREQ("", CPPHtmlDrawer::GetNextWord(p, i));

    i = 0;
    p = " 3";   // no separator: no value
    EXPECT_STREQ("", CPPHtmlDrawer::GetParameterString(p, i));
    i = 0;
    p = "=\"open";   // no closing quote
    EXPECT_STREQ("", CPPHtmlDrawer::GetParameterString(p, i));
    EXPECT_EQ(p.GetLength(), i);

    i = 0;
    p = "font-family:\"a;b\"; color:red";
    EXPECT_STREQ("font-family", CPPHtmlDrawer::GetTagName(p, i).SpanExcluding(":"));
}

TEST(HtmlValueParsers, LengthsAndUnits)
{
    CPPHtmlDrawer d;
    EXPECT_EQ(16, d.GetLengthUnit("12pt", 0));
    EXPECT_EQ(96, d.GetLengthUnit("1in", 0));
    EXPECT_EQ(75, d.GetLengthUnit("2.54cm", 0));
    EXPECT_EQ(24, d.GetLengthUnit("150%", 16));
    EXPECT_EQ(3, d.GetLengthUnit("-3px", 0));
    EXPECT_EQ(12, d.GetLengthUnit("3", 0, TRUE));
    EXPECT_EQ(3, d.GetLengthUnit("3", 0));
    EXPECT_EQ(8, d.GetLengthUnit("010", 0));
    EXPECT_EQ(16, d.GetLengthUnit("0x10", 0));
    EXPECT_EQ(7, d.GetLengthUnit("", 7));
    // Numbers far past any screen are held to the 16-bit plane, not wrapped.
    EXPECT_EQ(32767, d.GetLengthUnit("99999999999999999999999px", 0));
    EXPECT_EQ(32767, d.GetLengthUnit("99999999999in", 0));
    EXPECT_EQ(32767, d.GetLengthUnit("123456789012345678901234567890", 0));
}

TEST(HtmlValueParsers, KeywordsAndLetters)
{
    CPPHtmlDrawer d;
    EXPECT_EQ(700, d.GetStyleFontWeight("bold", 1));
    EXPECT_EQ(900, d.GetStyleFontWeight("bolder", 1));
    EXPECT_EQ(300, d.GetStyleFontWeight("300", 1));
    EXPECT_EQ(1, d.GetStyleFontWeight("heavy", 1));
    EXPECT_EQ(3, d.GetStyleVertAlign("", 0));
    EXPECT_EQ(1, d.GetStyleVertAlign("vcenter", 0));
    EXPECT_EQ(6, d.GetStyleBorderStyle("double", 0));
    EXPECT_EQ(75, d.GetStyleBorderWidth("thin", 100));
    EXPECT_EQ(-1, d.GetStyleBkEffect("transparent", 0));
    EXPECT_EQ(15, d.GetStyleBkEffect("metal", 0));
    EXPECT_EQ(0, d.GetStyleBkEffect("Metal", 2));   // keywords are exact; the rest reads as a length

    EXPECT_EQ(static_cast<DWORD>(IMAGE_EFFECT_GRAY | IMAGE_EFFECT_BLUR_SHADOW), d.GetImageEffectFlags("gs"));
    d.SetImageShadow(0, 0);
    EXPECT_EQ(static_cast<DWORD>(IMAGE_EFFECT_GRAY), d.GetImageEffectFlags("gs"));

    STYLEREC& s = d.GetCurrentStyle();
    s.bItalicFont = TRUE;
    d.SetStyleLetters("b-iu");
    EXPECT_EQ(700, s.nWeightFont);
    EXPECT_FALSE(s.bItalicFont);
    EXPECT_TRUE(s.bUnderlineFont);
    d.SetStyleLetters("-xb");   // x is skipped without resetting the state
    EXPECT_EQ(400, s.nWeightFont);
}

TEST(HtmlColors, HexNumbersAndNames)
{
    CPPHtmlDrawer d;
    const COLORREF def = RGB(1, 2, 3);
    EXPECT_EQ(RGB(255, 0, 0), d.GetColor("#FF0000", def));
    EXPECT_EQ(RGB(0x12, 0x34, 0x56), d.GetColor("#123456", def));
    EXPECT_EQ(def, d.GetColor("#f00", def));
    EXPECT_EQ(def, d.GetColor("#12345g", def));
    EXPECT_EQ(RGB(255, 0, 0), d.GetColor("255", def));
    EXPECT_EQ(RGB(255, 0, 0), d.GetColor("red", def));
    EXPECT_EQ(def, d.GetColor("Red", def));
    EXPECT_EQ(RGB(143, 188, 139), d.GetColor("darkseagreen", def));
    EXPECT_EQ(RGB(211, 211, 211), d.GetColor("lightgrey", def));
    EXPECT_EQ(def, d.GetColor("lightgray", def));
    EXPECT_EQ(def, d.GetColor("grey", def));
    EXPECT_EQ(RGB(154, 205, 50), d.GetColor("yellowgreen", def));
    EXPECT_EQ(GetSysColor(COLOR_INFOBK), d.GetColor("infobackground", def));
    EXPECT_EQ(def, d.GetColor("", def));
}

TEST(HtmlStyleSheet, ParseAndCascade)
{
    CPPHtmlDrawer d;
    ASSERT_NE(nullptr, d.GetStyleText("H1"));
    EXPECT_STREQ("font-size:125%", d.GetStyleText("big"));

    STYLEREC s;
    CPPHtmlDrawer::SetDefaultStyle(s);
    s.nSizeFont = 20;
    d.ApplyStyleByName(s, "h6");
    EXPECT_EQ(13, s.nSizeFont);   // 65 % of 20
    EXPECT_EQ(RGB(0x62, 0x62, 0x62), s.crText);
    EXPECT_EQ(400, s.nWeightFont);

    CPPHtmlDrawer::SetDefaultStyle(s);
    d.ApplyStyleByName(s, "pre");
    EXPECT_STREQ("courier", s.sFaceFont);   // declarations are lower-cased whole
    EXPECT_EQ(OPAQUE, s.nBkMode);
    EXPECT_EQ(RGB(0xfb, 0xed, 0xbb), s.crBkgnd);

    // Declarations are lower-cased, so names work in any case; the later of
    // two declarations wins; unknown properties change nothing.
    CPPHtmlDrawer::SetDefaultStyle(s);
    d.ApplyCssProperties(s, "COLOR: Red; color:blue; bogus:1; background-color:transparent;"
                            " text-decoration:underline overline");
    EXPECT_EQ(RGB(0, 0, 255), s.crText);
    EXPECT_EQ(TRANSPARENT, s.nBkMode);
    EXPECT_EQ(RGB(255, 255, 255), s.crBkgnd);
    EXPECT_TRUE(s.bUnderlineFont);
    EXPECT_TRUE(s.bOverlineFont);

    d.SetCssStyles("td {color:red}\r\n.Note {font-weight:bold}\r\nbroken {color:blue");
    EXPECT_STREQ("color:red", d.GetStyleText("td"));
    EXPECT_NE(nullptr, d.GetStyleText(".note"));
    EXPECT_EQ(nullptr, d.GetStyleText("broken"));
    EXPECT_EQ(nullptr, d.GetStyleText("body"));
    d.SetCssStyles(nullptr);
    EXPECT_NE(nullptr, d.GetStyleText("body"));
}

TEST(HtmlAttributes, TableAndImageParameters)
{
    CPPHtmlDrawer d;
    STYLEREC s;
    CPPHtmlDrawer::SetDefaultStyle(s);
    SIZE span = d.SetTableParams("colspan=2 rowspan=\"3\" border=2 cellpadding=4 bgcolor=red", s);
    EXPECT_EQ(2, span.cx);
    EXPECT_EQ(3, span.cy);
    EXPECT_EQ(CPPDrawManager::PEN_SOLID, s.nBorderStyle);
    EXPECT_EQ(4, s.nMarginLeft);
    EXPECT_EQ(4, s.nMarginBottom);
    EXPECT_EQ(0, s.nPaddingTop);
    EXPECT_EQ(CPPDrawManager::EFFECT_SOLID, s.nBkEffect);
    d.SetTableParams("border=0 cellspacing=3", s);
    EXPECT_EQ(CPPDrawManager::PEN_NULL, s.nBorderStyle);
    EXPECT_EQ(3, s.nPaddingRight);

    IMAGEPARAMS ip = {};
    d.SetImageParams("idres=70000 mask=#00ff00 width=50% height=20 style=g hotstyle=d", ip);
    EXPECT_EQ(0xFFFF, ip.nIdRes);
    EXPECT_TRUE(ip.bUseMask);
    EXPECT_EQ(RGB(0, 255, 0), ip.crMask);
    EXPECT_TRUE(ip.bPercentWidth);
    EXPECT_EQ(50, ip.nWidth);
    EXPECT_FALSE(ip.bPercentHeight);
    EXPECT_EQ(20, ip.nHeight);
    EXPECT_EQ(static_cast<DWORD>(IMAGE_EFFECT_GRAY), ip.nStyles);
    EXPECT_EQ(static_cast<DWORD>(IMAGE_EFFECT_DARKEN), ip.nHotStyles);

    EXPECT_EQ(400, d.GetTableWidth("WIDTH=50%", 0, 200, TRUE));
    EXPECT_EQ(150, d.GetTableWidth("width=50%", 300, 100, FALSE));
    EXPECT_EQ(200, d.GetTableWidth("width=0%", 0, 200, TRUE));
    EXPECT_EQ(300, d.GetTableWidth("", 300, 100, FALSE));
}

TEST(HtmlTables, DimensionsCountSpansOfAtLeastOne)
{
    CPPHtmlDrawer d;
    int i = 0;
    SIZE dims = d.GetTableDimensions("<table><tr><td></td><td></td></tr><tr><td colspan=2></td><td></td></tr></table>", i);
    EXPECT_EQ(3, dims.cx);
    EXPECT_EQ(2, dims.cy);
    i = 0;
    dims = d.GetTableDimensions("<table><tr><td colspan=0>a<td colspan=\"0\">b</tr></table>", i);
    EXPECT_EQ(2, dims.cx);
    i = 0;
    const CString nested = "<table><tr><td><table><tr><td></td><td></td><td></td></tr></table></td></tr></table>tail";
    dims = d.GetTableDimensions(nested, i);
    EXPECT_EQ(1, dims.cx);
    EXPECT_EQ(1, dims.cy);
    EXPECT_EQ(nested.Find("tail"), i);
}
