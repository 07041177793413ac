// The font list box over a replaced font enumeration: merged names, symbol
// fonts in brackets, the six-font section that survives a refill, and the
// exact selection by name.
#include "toolkit/lists/listboxes/OXFontListBox.h"

#include "afx/DC.h"
#include "afx/WinApp.h"
#include "tests/toolkit/support/ToolkitTestSupport.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {
const UINT ListId = 1501;

struct FakeFont {
    const char* name;
    BYTE charset;
    DWORD type;
};
const FakeFont kFonts[] = {
    {"Tahoma", ANSI_CHARSET, TRUETYPE_FONTTYPE},
    {"tahoma", ANSI_CHARSET, RASTER_FONTTYPE},
    {"MS SANS SERIF", ANSI_CHARSET, RASTER_FONTTYPE},
    {"MS Sans Serif", ANSI_CHARSET, TRUETYPE_FONTTYPE},
    {"Tahoma Bold", ANSI_CHARSET, TRUETYPE_FONTTYPE},
    {"Symbol", SYMBOL_CHARSET, TRUETYPE_FONTTYPE},
    {"Marlett", ANSI_CHARSET, TRUETYPE_FONTTYPE},
    {"Wingdings", ANSI_CHARSET, TRUETYPE_FONTTYPE},
    {"Box LineDraw", ANSI_CHARSET, TRUETYPE_FONTTYPE},
    {"Courier", ANSI_CHARSET, RASTER_FONTTYPE},
};

int WINAPI FakeEnumFonts(HDC, LPCSTR, FONTENUMPROCA proc, LPARAM lParam)
{
    for (const FakeFont& font : kFonts) {
        LOGFONTA lf = {};
        lf.lfHeight = 12;
        lf.lfCharSet = font.charset;
        strcpy(lf.lfFaceName, font.name);
        TEXTMETRICA tm = {};
        proc(&lf, &tm, font.type, lParam);
    }
    return 1;
}

class FontListBoxTest : public testing::Test
{
protected:
    void SetUp() override
    {
        AfxWinInit(GetModuleHandleA(nullptr), nullptr, const_cast<LPSTR>(""), SW_SHOWNORMAL);
        AfxGetApp()->SetRegistryKey("LexifernTests");
        ASSERT_TRUE(parent.CreateFrame(CRect(50, 50, 450, 450)));
        list.SetFontEnumerator(&FakeEnumFonts);
        ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_SORT | LBS_NOTIFY, CRect(10, 10, 250, 380),
                                &parent, ListId));
    }
    void TearDown() override
    {
        list.DestroyWindow();
        parent.DestroyWindow();
    }
    CString Text(int i)
    {
        CString text;
        list.GetText(i, text);
        return text;
    }

    CTestFrame parent;
    COXFontListBox list;
};
} // namespace

TEST(FontListBoxNamesTest, SymbolFontsByCharsetOrName)
{
    LOGFONT lf = {};
    strcpy(lf.lfFaceName, "Plain");
    EXPECT_FALSE(COXFontListBox::IsSymbolFont(lf));
    lf.lfCharSet = SYMBOL_CHARSET;
    EXPECT_TRUE(COXFontListBox::IsSymbolFont(lf));
    lf.lfCharSet = ANSI_CHARSET;
    for (const char* name : {"drawline", "Some Extras", "Webbats", "braille six", "my symbols"}) {
        strcpy(lf.lfFaceName, name);
        EXPECT_TRUE(COXFontListBox::IsSymbolFont(lf)) << name;
    }
    for (const char* name : {"Extras", "Draw", "Line"}) {
        strcpy(lf.lfFaceName, name);
        EXPECT_FALSE(COXFontListBox::IsSymbolFont(lf)) << name;
    }
}

TEST_F(FontListBoxTest, CaseDuplicatesCollapseAndTrueTypeWins)
{
    const std::vector<OXLBFONTINFO>& infos = list.GetFontInfos();
    ASSERT_EQ(8u, infos.size());
    ASSERT_EQ(8, list.GetCount());
    EXPECT_EQ("Box LineDraw", Text(0));
    EXPECT_EQ("Courier", Text(1));
    EXPECT_EQ("MS Sans Serif", Text(3));
    EXPECT_EQ("Tahoma", Text(5));
    EXPECT_EQ("Tahoma Bold", Text(6));
    EXPECT_EQ(TRUETYPE_FONTTYPE, infos[5].dwFontType);
    EXPECT_EQ(20, infos[5].lf.lfHeight);
    // TrueType fonts get picture 1, the others 0; each name is its tip.
    EXPECT_EQ(1, list.GetItemImageIndex(5));
    EXPECT_EQ(0, list.GetItemImageIndex(1));
    EXPECT_EQ("Courier", list.GetItemToolTipText(1));
    // Re-initializing is a refill, not a second copy.
    list.FillFontList();
    EXPECT_EQ(8, list.GetCount());
}

TEST_F(FontListBoxTest, SymbolFontsShowTheirNameInBracketsInTheListFont)
{
    const int symbol = list.FindStringExact(-1, "Symbol");
    ASSERT_GE(symbol, 0);
    CClientDC dc(&list);
    HGDIOBJ old = dc.SelectObject(reinterpret_cast<HFONT>(list.SendMessage(WM_GETFONT)));
    CRect measure(0, 0, 0, 0);
    dc.DrawText("[Symbol]", -1, &measure, DT_CALCRECT | DT_SINGLELINE);
    dc.SelectObject(old);
    EXPECT_EQ(measure.Width(), list.GetItemRecord(symbol)->rectText.Width());
    EXPECT_EQ("Symbol", Text(symbol));
    EXPECT_TRUE(list.GetFontInfos()[0].bSymbol);   // Box LineDraw
}

TEST_F(FontListBoxTest, SeventhRecentFontNeedsForce)
{
    for (int i = 0; i < 6; ++i)
        ASSERT_EQ(i, list.MoveToMRU(7, i));
    EXPECT_EQ(-1, list.MoveToMRU(7, 0, FALSE));
    EXPECT_EQ(0, list.MoveToMRU(7, 0, TRUE));
    EXPECT_EQ(5, list.GetLastMRUIndex());
    // The font that left went back to its sorted place.
    for (int i = 7; i < list.GetCount() - 1; ++i)
        EXPECT_LE(Text(i).CompareNoCase(Text(i + 1)), 0);
}

TEST_F(FontListBoxTest, RecentSectionSurvivesADeviceContextChange)
{
    list.MoveToMRU(list.FindStringExact(-1, "Marlett"), 0);
    list.MoveToMRU(list.FindStringExact(-1, "Courier"), 1);
    HDC hdc = ::GetDC(nullptr);
    list.SetDeviceContext(hdc);
    ::ReleaseDC(nullptr, hdc);
    EXPECT_EQ(1, list.GetLastMRUIndex());
    EXPECT_EQ("Marlett", Text(0));
    EXPECT_EQ("Courier", Text(1));
    EXPECT_EQ(8, list.GetCount());
    EXPECT_EQ(2u, AfxGetApp()->GetProfileInt("FontListBox_MRU_ABCDEFG_0123456_Copy", "MRU_Count", 0));
}

TEST_F(FontListBoxTest, SelectFontTakesTheExactName)
{
    list.MoveToMRU(list.FindStringExact(-1, "Tahoma Bold"), 0);
    const int tahoma = list.SelectFont("Tahoma");
    EXPECT_EQ("Tahoma", Text(tahoma));
    EXPECT_EQ(tahoma, list.GetCurSel());
    LOGFONT lf = {};
    list.GetSelectedFont()->GetLogFont(&lf);
    EXPECT_STREQ("Tahoma", lf.lfFaceName);
    EXPECT_EQ(LB_ERR, list.SelectFont("Taho"));
    EXPECT_EQ(LB_ERR, list.SelectFont(""));
    EXPECT_EQ(-1, list.GetCurSel());
    EXPECT_EQ(nullptr, list.GetSelectedFont());
}

TEST_F(FontListBoxTest, FontHeightRebuildsEveryFont)
{
    CFont* before = list.GetItemFont(0);
    list.SetFontHeight(30);
    EXPECT_NE(before, list.GetItemFont(0));
    LOGFONT lf = {};
    list.GetItemFont(0)->GetLogFont(&lf);
    EXPECT_EQ(30, lf.lfHeight);
    EXPECT_EQ(30, list.GetFontInfos()[0].lf.lfHeight);
}
