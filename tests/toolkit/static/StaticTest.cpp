// The toolkit static in a window: its background fills read back from a
// memory DC, the tooltip text, the automatic size and the colour reflection.
#include "toolkit/foundation/OXStatic.h"

#include "afx/DC.h"
#include "afx/WinApp.h"
#include "tests/toolkit/support/ToolkitTestSupport.h"

#include <gtest/gtest.h>

namespace {
const UINT StaticId = 1101;

class StaticTest : public testing::Test
{
protected:
    void SetUp() override
    {
        AfxWinInit(GetModuleHandleA(nullptr), nullptr, const_cast<LPSTR>(""), SW_SHOWNORMAL);
        ASSERT_TRUE(parent.CreateFrame(CRect(50, 50, 450, 250)));
    }
    void TearDown() override { parent.DestroyWindow(); }

    // The static's background erased into a white 32-bit memory DC of its
    // client size; the pixels, left to right, of the middle row.
    std::vector<COLORREF> ErasedRow(COXStatic& control)
    {
        CRect client;
        control.GetClientRect(&client);
        CDC dc;
        EXPECT_TRUE(dc.CreateCompatibleDC(nullptr));
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = client.Width();
        info.bmiHeader.biHeight = client.Height();
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        void* bits = nullptr;
        HBITMAP target = ::CreateDIBSection(dc.GetSafeHdc(), &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        HGDIOBJ old = ::SelectObject(dc.GetSafeHdc(), target);
        dc.FillSolidRect(&client, RGB(255, 255, 255));
        control.SendMessage(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()));
        std::vector<COLORREF> row;
        for (int x = 0; x < client.Width(); ++x)
            row.push_back(::GetPixel(dc.GetSafeHdc(), x, client.Height() / 2));
        ::SelectObject(dc.GetSafeHdc(), old);
        ::DeleteObject(target);
        return row;
    }

    CTestFrame parent;
};
} // namespace

TEST_F(StaticTest, NoBackgroundAndUnknownFillTypesPaintNothing)
{
    COXStatic control;
    ASSERT_TRUE(control.Create("Caption", WS_CHILD | WS_VISIBLE, CRect(10, 10, 110, 40), &parent, StaticId));
    control.SetBkColor(RGB(0, 0, 200));
    std::vector<COLORREF> row = ErasedRow(control);
    EXPECT_EQ(RGB(0, 0, 200), row.front());
    EXPECT_EQ(RGB(0, 0, 200), row.back());

    control.SetBkColor(OXSTATIC_NO_BACKGROUND);
    row = ErasedRow(control);
    EXPECT_EQ(RGB(255, 255, 255), row.front());
    EXPECT_EQ(RGB(255, 255, 255), row[50]);

    control.SetBkColor(RGB(0, 0, 200));
    control.SetBkFillType(4);
    row = ErasedRow(control);
    EXPECT_EQ(RGB(255, 255, 255), row[50]);
    control.SetBkFillType(-1);
    EXPECT_EQ(RGB(255, 255, 255), ErasedRow(control)[50]);
}

TEST_F(StaticTest, ShadesRunFromTheBrightSideToBlack)
{
    COXStatic control;
    ASSERT_TRUE(control.Create("", WS_CHILD, CRect(0, 0, 256, 10), &parent, StaticId));
    control.SetBkColor(RGB(200, 100, 250));
    control.SetBkFillType(OXSTATIC_FILL_SHADE_LEFT);
    std::vector<COLORREF> row = ErasedRow(control);
    EXPECT_EQ(RGB(200, 100, 250), row.front());
    EXPECT_LT(GetBValue(row.back()), 10);

    control.SetBkFillType(OXSTATIC_FILL_SHADE_RIGHT);
    row = ErasedRow(control);
    EXPECT_EQ(RGB(200, 100, 250), row.back());
    EXPECT_LT(GetBValue(row.front()), 10);

    control.SetBkFillType(OXSTATIC_FILL_SHADE_EDGES);
    row = ErasedRow(control);
    EXPECT_EQ(RGB(200, 100, 250), row.front());
    EXPECT_EQ(RGB(200, 100, 250), row.back());
    EXPECT_LT(GetBValue(row[128]), 10);
    EXPECT_LT(GetBValue(row[127]), 10);
}

TEST_F(StaticTest, ShadingStaysMonotoneOnAVeryWideStatic)
{
    // Past some 2,900 pixels d x d x c no longer fits 32 bits.
    for (LONGLONG d = 0; d + 31 < 4000; d += 31)
        EXPECT_GE(GetRValue(COXStatic::ShadeColor(RGB(255, 255, 255), d, 4000LL * 4000)),
                  GetRValue(COXStatic::ShadeColor(RGB(255, 255, 255), d + 31, 4000LL * 4000))) << d;

    COXStatic control;
    ASSERT_TRUE(control.Create("", WS_CHILD, CRect(0, 0, 4000, 4), &parent, StaticId));
    control.SetBkColor(RGB(255, 255, 255));
    control.SetBkFillType(OXSTATIC_FILL_SHADE_LEFT);
    const std::vector<COLORREF> row = ErasedRow(control);
    ASSERT_EQ(4000u, row.size());
    for (size_t x = 1; x < row.size(); ++x)
        ASSERT_LE(GetRValue(row[x]), GetRValue(row[x - 1])) << x;
    EXPECT_EQ(255, GetRValue(row.front()));
    EXPECT_LT(GetRValue(row[3990]), 8);
}

TEST_F(StaticTest, TipFollowsTheWindowTextUnlessSet)
{
    COXStatic control;
    ASSERT_TRUE(control.Create("Shaded caption", WS_CHILD | WS_VISIBLE, CRect(10, 10, 200, 40), &parent, StaticId));
    ASSERT_NE(nullptr, control.GetToolTip());
    EXPECT_EQ(1, control.GetToolTip()->GetToolCount());
    EXPECT_EQ("", control.GetToolTipText());   // not active, not set: no tip
    control.ActivateToolTip(TRUE);
    EXPECT_EQ("Shaded caption", control.GetToolTipText(TRUE));
    CString tool;
    control.GetToolTip()->GetText(tool, &control, 1);
    EXPECT_EQ("Shaded caption", tool);

    control.SetToolTipText("Explicit");
    EXPECT_EQ("Explicit", control.GetToolTipText());
    control.SetWindowText("New caption");
    EXPECT_EQ("Explicit", control.GetToolTipText());
    // An explicit empty tip hands the tip back to the window text.
    control.SetToolTipText("");
    EXPECT_EQ("New caption", control.GetToolTipText(TRUE));
    EXPECT_EQ("", control.GetToolTipText());
    control.SetWindowText("Third");
    EXPECT_EQ("Third", control.GetToolTipText(TRUE));
    control.GetToolTip()->GetText(tool, &control, 1);
    EXPECT_EQ("Third", tool);

    control.DestroyWindow();
    EXPECT_EQ(nullptr, control.GetToolTip());
}

TEST_F(StaticTest, AutoSizeFitsTheTextWithinTheParent)
{
    COXStatic control;
    ASSERT_TRUE(control.Create("Hi", WS_CHILD | WS_VISIBLE, CRect(10, 10, 300, 90), &parent, StaticId));
    control.SetAutoSize(TRUE);
    CRect rect;
    control.GetWindowRect(&rect);
    parent.ScreenToClient(&rect);
    EXPECT_EQ(10, rect.left);
    EXPECT_EQ(10, rect.top);
    EXPECT_LT(rect.Width(), 60);
    EXPECT_LT(rect.Height(), 40);

    // A text wider than the parent is cut to the parent's client width.
    control.SetWindowText(CString('W', 300));
    CRect parentClient;
    parent.GetClientRect(&parentClient);
    control.GetWindowRect(&rect);
    EXPECT_EQ(parentClient.Width(), rect.Width());

    // Off again: back to the rectangle it was given.
    control.SetAutoSize(FALSE);
    control.GetWindowRect(&rect);
    parent.ScreenToClient(&rect);
    EXPECT_EQ(CRect(10, 10, 300, 90), rect);

    // Centred text stays centred on the given rectangle.
    COXStatic centred;
    ASSERT_TRUE(centred.Create("Hi", WS_CHILD | SS_CENTER | SS_CENTERIMAGE, CRect(100, 100, 300, 180), &parent,
                               StaticId + 1));
    centred.SetAutoSize(TRUE);
    centred.GetWindowRect(&rect);
    parent.ScreenToClient(&rect);
    EXPECT_NEAR(200, rect.CenterPoint().x, 1);
    EXPECT_NEAR(140, rect.CenterPoint().y, 1);
}

TEST_F(StaticTest, ColourReflectionAddsNotifyAndSelectsTheOwnFont)
{
    COXStatic control;
    ASSERT_TRUE(control.Create("Text", WS_CHILD, CRect(10, 10, 200, 40), &parent, StaticId));
    EXPECT_EQ(0u, control.GetStyle() & SS_NOTIFY);
    LOGFONT logFont = {};
    logFont.lfHeight = -20;
    lstrcpyA(logFont.lfFaceName, "Arial");
    CFont font;
    ASSERT_TRUE(font.CreateFontIndirect(&logFont));
    ASSERT_TRUE(control.SetTextFont(&font));
    font.DeleteObject();   // the static keeps a copy
    control.SetTextColor(RGB(10, 20, 30));
    LOGFONT back = {};
    ASSERT_TRUE(control.GetTextLogFont(&back));
    EXPECT_EQ(-20, back.lfHeight);

    CClientDC dc(&control);
    HBRUSH brush = reinterpret_cast<HBRUSH>(
        parent.SendMessage(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc.GetSafeHdc()),
                           reinterpret_cast<LPARAM>(control.GetSafeHwnd())));
    EXPECT_EQ(::GetStockObject(NULL_BRUSH), brush);
    EXPECT_NE(0u, control.GetStyle() & SS_NOTIFY);
    EXPECT_EQ(RGB(10, 20, 30), ::GetTextColor(dc.GetSafeHdc()));
    EXPECT_EQ(TRANSPARENT, ::GetBkMode(dc.GetSafeHdc()));
    EXPECT_EQ(control.GetTextFont()->GetSafeHandle(), ::GetCurrentObject(dc.GetSafeHdc(), OBJ_FONT));

    ASSERT_TRUE(control.SetTextLogFont(nullptr));
    EXPECT_EQ(nullptr, control.GetTextFont());
    EXPECT_FALSE(control.GetTextLogFont(&back));
}

TEST_F(StaticTest, TooltipComesOnceWhateverWayTheWindowArrives)
{
    // An existing static subclassed, as from a dialog template.
    HWND existing = ::CreateWindowExA(0, "STATIC", "Existing", WS_CHILD | WS_VISIBLE, 10, 10, 100, 20,
                                      parent.GetSafeHwnd(), reinterpret_cast<HMENU>(StaticId), nullptr, nullptr);
    COXStatic subclassed;
    ASSERT_TRUE(subclassed.SubclassWindow(existing));
    ASSERT_NE(nullptr, subclassed.GetToolTip());
    EXPECT_EQ(1, subclassed.GetToolTip()->GetToolCount());

    // Made through the class library's creation without Create.
    COXStatic made;
    ASSERT_TRUE(made.CreateEx(0, "STATIC", "Made", WS_CHILD | WS_VISIBLE, 10, 40, 100, 20, parent.GetSafeHwnd(),
                              reinterpret_cast<HMENU>(static_cast<UINT_PTR>(StaticId + 1))));
    ASSERT_NE(nullptr, made.GetToolTip());
    EXPECT_EQ(1, made.GetToolTip()->GetToolCount());
}
