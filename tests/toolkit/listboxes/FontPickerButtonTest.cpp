// The font picker button: the size its buddy shows, buddies that are and
// are not there, the click that opens the dialog and still reaches the
// parent, and the data exchange of font and colour.
#include "toolkit/lists/listboxes/OXFontPickerButton.h"

#include "afx/WinApp.h"
#include "tests/toolkit/support/ToolkitTestSupport.h"

#include <gtest/gtest.h>

namespace {
const UINT ButtonId = 1801;
const UINT BuddyId = 1802;

class CClickFrame : public CTestFrame
{
public:
    int clicks = 0;

protected:
    afx_msg void OnButtonClicked() { ++clicks; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CClickFrame, CTestFrame)
    ON_BN_CLICKED(ButtonId, &CClickFrame::OnButtonClicked)
END_MESSAGE_MAP()

// Closes this thread's dialog windows once the modal loop runs.
BOOL CALLBACK CancelDialog(HWND hWnd, LPARAM lParam)
{
    char cls[16] = "";
    ::GetClassNameA(hWnd, cls, sizeof cls);
    if (strcmp(cls, "#32770") == 0 && ::IsWindowVisible(hWnd)) {
        ::PostMessageA(hWnd, WM_COMMAND, IDCANCEL, 0);
        *reinterpret_cast<bool*>(lParam) = true;
    }
    return TRUE;
}
bool g_dialogSeen = false;
void CALLBACK CancelTimer(HWND, UINT, UINT_PTR, DWORD)
{
    ::EnumThreadWindows(::GetCurrentThreadId(), CancelDialog, reinterpret_cast<LPARAM>(&g_dialogSeen));
}

class FontPickerButtonTest : public testing::Test
{
protected:
    void SetUp() override
    {
        AfxWinInit(GetModuleHandleA(nullptr), nullptr, const_cast<LPSTR>(""), SW_SHOWNORMAL);
        ASSERT_TRUE(parent.CreateFrame(CRect(50, 50, 450, 250)));
        ASSERT_TRUE(button.Create("Font...", WS_CHILD | WS_VISIBLE, CRect(10, 10, 90, 40), &parent, ButtonId));
        buddy = ::CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 100, 10, 200, 30, parent.GetSafeHwnd(),
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(BuddyId)), nullptr, nullptr);
        ASSERT_TRUE(buddy);
    }
    void TearDown() override
    {
        button.DestroyWindow();
        parent.DestroyWindow();
    }
    static LOGFONT Tahoma(int height)
    {
        LOGFONT lf = {};
        lf.lfHeight = height;
        strcpy(lf.lfFaceName, "Tahoma");
        return lf;
    }
    CString BuddyText()
    {
        char text[64] = "";
        ::GetWindowTextA(buddy, text, sizeof text);
        return text;
    }

    CClickFrame parent;
    COXFontPickerButton button;
    HWND buddy = nullptr;
};
} // namespace

TEST(FontPickerSizeTest, HeightEitherWayShowsWholePoints)
{
    EXPECT_EQ(12, COXFontPickerButton::PointSizeFromHeight(-16));
    EXPECT_EQ(12, COXFontPickerButton::PointSizeFromHeight(16));
    EXPECT_EQ(8, COXFontPickerButton::PointSizeFromHeight(-11));
    LOGFONT lf = {};
    lf.lfHeight = -16;
    strcpy(lf.lfFaceName, "Tahoma");
    EXPECT_STREQ("12 pt, Tahoma", COXFontPickerButton::BuddyText(lf));
}

TEST_F(FontPickerButtonTest, WithoutABuddyNothingIsShownAndTheColourIsUnset)
{
    LOGFONT lf = Tahoma(-16);
    COLORREF colour = 0;
    EXPECT_FALSE(button.GetDialogStart(&lf, &colour));
    EXPECT_EQ(COLORREF(-1), colour);
    EXPECT_FALSE(button.SetBuddyLogFont(&lf));
    EXPECT_FALSE(button.SetBuddyTextColor(RGB(1, 2, 3)));
    EXPECT_EQ(nullptr, button.GetBuddyFont());

    CDataExchange save(&parent, TRUE);
    COLORREF saved = 0;
    DDX_FontPickerColor(&save, ButtonId, saved);
    EXPECT_EQ(COLORREF(-1), saved);
    CFont font;
    font.CreatePointFont(100, "Tahoma");
    DDX_FontPickerFont(&save, ButtonId, font);
    EXPECT_EQ(nullptr, font.GetSafeHandle());
}

TEST_F(FontPickerButtonTest, BuddyShowsTheFontAndAnUnknownIdKeepsIt)
{
    ASSERT_TRUE(button.SetBuddy(BuddyId));
    LOGFONT lf = Tahoma(16);
    EXPECT_TRUE(button.SetBuddyLogFont(&lf));
    EXPECT_EQ("12 pt, Tahoma", BuddyText());
    EXPECT_TRUE(button.SetBuddyTextColor(RGB(0, 0, 200)));
    EXPECT_EQ(RGB(0, 0, 200), button.GetBuddyTextColor());

    EXPECT_FALSE(button.SetBuddy(4321u));
    EXPECT_EQ(buddy, button.GetBuddy()->GetSafeHwnd());

    CDataExchange save(&parent, TRUE);
    CFont font;
    DDX_FontPickerFont(&save, ButtonId, font);
    LOGFONT back = {};
    ASSERT_TRUE(font.GetLogFont(&back));
    EXPECT_STREQ("Tahoma", back.lfFaceName);
    COLORREF colour = 0;
    DDX_FontPickerColor(&save, ButtonId, colour);
    EXPECT_EQ(RGB(0, 0, 200), colour);

    CDataExchange load(&parent, FALSE);
    CFont bigger;
    LOGFONT big = Tahoma(-24);
    bigger.CreateFontIndirect(&big);
    DDX_FontPickerFont(&load, ButtonId, bigger);
    EXPECT_EQ("18 pt, Tahoma", BuddyText());
    COLORREF red = RGB(200, 0, 0);
    DDX_FontPickerColor(&load, ButtonId, red);
    EXPECT_EQ(red, button.GetBuddyTextColor());

    // A window of another parent is refused.
    EXPECT_FALSE(button.SetBuddy(&parent));
}

TEST_F(FontPickerButtonTest, ClickOpensTheDialogAndStillReachesTheParent)
{
    g_dialogSeen = false;
    const UINT_PTR timer = ::SetTimer(nullptr, 0, 300, CancelTimer);
    button.SendMessage(BM_CLICK);
    ::KillTimer(nullptr, timer);
    EXPECT_TRUE(g_dialogSeen);
    EXPECT_EQ(1, parent.clicks);
}
