// Scrolling, resizing, mouse and keyboard input of a grid window, with the
// notifications its host receives recorded in order.
#include "GridHost.h"

#include "afx/DC.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{
struct Notice
{
    int code;
    int row, col;
    bool operator==(const Notice& other) const { return code == other.code && row == other.row && col == other.col; }
};
std::vector<Notice> g_notices;

LRESULT CALLBACK RecordingHostProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NOTIFY) {
        const NM_GRIDVIEW* pNM = reinterpret_cast<const NM_GRIDVIEW*>(lParam);
        int code = (int)pNM->hdr.code;
        if (code != GVN_ODCACHEHINT && code != GVN_GETDISPINFO)
            g_notices.push_back({code, pNM->iRow, pNM->iColumn});
        return 0;
    }
    return ::DefWindowProcA(hWnd, message, wParam, lParam);
}

void PumpMessages()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

void SetKey(int vk, bool bDown)
{
    BYTE keys[256];
    ::GetKeyboardState(keys);
    keys[vk] = bDown ? 0x80 : 0;
    ::SetKeyboardState(keys);
}

LPARAM At(int x, int y) { return MAKELPARAM(x, y); }
}  // namespace

// A 20 x 6 grid (50 x 20 pixel cells, one fixed row and column) filling a
// 300 x 200 client area.
class GridInput : public ::testing::Test
{
protected:
    GridInput() : grid(20, 6, 1, 1)
    {
        host = CreateGridHost("GridInputHost", RecordingHostProc, WS_POPUP);
        CreateTestGrid(grid, host);
        grid.m_MouseMode = MOUSE_NOTHING;
        ::SetForegroundWindow(host);
        grid.SetFocus();
        PumpMessages();
        g_notices.clear();
    }
    ~GridInput() override
    {
        SetKey(VK_SHIFT, false);
        grid.DestroyWindow();
        ::DestroyWindow(host);
    }
    void Key(UINT vk) { grid.SendMessage(WM_KEYDOWN, vk, 0); }
    HWND Editor() const { return ::GetDlgItem(grid.m_hWnd, IDC_INPLACE_CONTROL); }
    void Click(int x, int y, UINT flags = 0)
    {
        grid.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON | flags, At(x, y));
        grid.SendMessage(WM_LBUTTONUP, flags, At(x, y));
    }

    HWND host;
    CGridCtrl grid;
};

TEST_F(GridInput, ScrollingOrResizingEndsTheEditAndHidesTheTitleTip)
{
    grid.SetEditable(TRUE);
    grid.SetItemText(2, 2, "old");
    grid.SetFocusCell(2, 2);
    Key(VK_F2);
    ASSERT_TRUE(::IsWindow(Editor()));
    ::SendMessageA(Editor(), WM_CHAR, 'n', 0);
    char typed[64] = "";
    ::GetWindowTextA(Editor(), typed, sizeof(typed));
    grid.SendMessage(WM_VSCROLL, SB_LINEDOWN, 0);
    PumpMessages();
    EXPECT_FALSE(::IsWindow(Editor()));  // no editor left over the cell scrolled in
    EXPECT_FALSE(grid.IsItemEditing(2, 2));
    EXPECT_EQ(std::string(typed), std::string((LPCTSTR)grid.GetItemText(2, 2)));  // what was typed is kept

    grid.SendMessage(WM_VSCROLL, SB_TOP, 0);
    Key(VK_F2);
    ASSERT_TRUE(::IsWindow(Editor()));
    grid.SetWindowPos(nullptr, 0, 0, 280, 180, SWP_NOMOVE | SWP_NOZORDER);
    PumpMessages();
    EXPECT_FALSE(::IsWindow(Editor()));

    grid.SetItemText(3, 2, "a text far too long for fifty pixels");
    CRect cell;
    ASSERT_TRUE(grid.GetCellRect(3, 2, cell));
    grid.SetFocus();
    grid.SendMessage(WM_MOUSEMOVE, 0, At(cell.left + 10, cell.top + 5));
    ASSERT_TRUE(::IsWindowVisible(grid.GetTitleTip().GetSafeHwnd()));
    grid.SendMessage(WM_HSCROLL, SB_LINERIGHT, 0);
    EXPECT_FALSE(::IsWindowVisible(grid.GetTitleTip().GetSafeHwnd()));
}

TEST_F(GridInput, LineDownMovesThePixelsAlreadyDrawnUpByOneRow)
{
    grid.SetItemBkColour(5, 2, RGB(255, 0, 0));
    grid.Invalidate();
    grid.UpdateWindow();
    CRect cell;
    ASSERT_TRUE(grid.GetCellRect(5, 2, cell));
    CClientDC dc(&grid);
    ASSERT_EQ(RGB(255, 0, 0), dc.GetPixel(cell.left + 10, cell.top + 5));
    ASSERT_NE(RGB(255, 0, 0), dc.GetPixel(cell.left + 10, cell.top - 15));

    grid.SendMessage(WM_VSCROLL, SB_LINEDOWN, 0);
    // Before any repaint the red cell already stands one row higher.
    EXPECT_EQ(RGB(255, 0, 0), dc.GetPixel(cell.left + 10, cell.top - 15));
    EXPECT_EQ(20, grid.GetScrollPos32(SB_VERT));
    EXPECT_EQ(CCellID(2, 1), grid.GetTopleftNonFixedCell());
    grid.UpdateWindow();
    EXPECT_EQ(RGB(255, 0, 0), dc.GetPixel(cell.left + 10, cell.top - 15));
    EXPECT_NE(RGB(255, 0, 0), dc.GetPixel(cell.left + 10, cell.top + 5));
}

TEST_F(GridInput, InvalidateCellRectMarksOnlyAVisibleCellWithItsLines)
{
    grid.UpdateWindow();
    CRect update;
    grid.InvalidateCellRect(CCellID(2, 2));
    ASSERT_TRUE(::GetUpdateRect(grid.m_hWnd, &update, FALSE));
    EXPECT_EQ(CRect(100, 40, 150, 60), update);  // cell (100, 40)-(149, 59) plus one pixel
    grid.UpdateWindow();

    grid.InvalidateCellRect(CCellID(19, 2));  // below the view
    grid.InvalidateCellRect(CCellID(25, 2));  // outside the table
    EXPECT_FALSE(::GetUpdateRect(grid.m_hWnd, &update, FALSE));

    grid.InvalidateCellRect(CCellRange(8, 4, 30, 9));  // reaches past the view
    ASSERT_TRUE(::GetUpdateRect(grid.m_hWnd, &update, FALSE));
    EXPECT_EQ(200, update.left);
    EXPECT_EQ(160, update.top);
    CRect client;
    grid.GetClientRect(client);
    EXPECT_EQ(client.bottom, update.bottom);
    grid.UpdateWindow();

    grid.SetRedraw(FALSE);
    grid.InvalidateCellRect(CCellID(2, 2));
    EXPECT_FALSE(::GetUpdateRect(grid.m_hWnd, &update, FALSE));
    grid.SetRedraw(TRUE);
}

TEST_F(GridInput, AutoFillCoversTheClientAreaWithOneFixedRowAndColumn)
{
    grid.SetColumnCount(0);
    grid.SetRowCount(0);
    grid.AutoFill();
    CRect client;
    grid.GetClientRect(client);
    int width = grid.GetDefaultCell(FALSE, FALSE)->GetWidth();
    int height = grid.GetDefaultCell(FALSE, FALSE)->GetHeight();
    EXPECT_EQ(client.Width() / width + 1, grid.GetColumnCount());
    EXPECT_EQ(client.Height() / height + 1, grid.GetRowCount());
    EXPECT_EQ(1, grid.GetFixedRowCount());
    EXPECT_EQ(1, grid.GetFixedColumnCount());
    EXPECT_EQ(client.Width(), grid.GetVirtualWidth());  // stretched to fit exactly
    EXPECT_EQ(0, grid.GetScrollMax(SB_HORZ));
}

TEST_F(GridInput, TextExtentOfACellAndOfNone)
{
    CSize shortText = grid.GetTextExtent(2, 2, "ab");
    CSize longText = grid.GetTextExtent(2, 2, "a much longer text");
    EXPECT_GT(shortText.cx, 0);
    EXPECT_GT(longText.cx, shortText.cx);
    EXPECT_EQ(shortText.cy, longText.cy);
    EXPECT_EQ(CSize(0, 0), grid.GetTextExtent(20, 2, "ab"));
    EXPECT_EQ(CSize(0, 0), grid.GetTextExtent(-1, 0, "ab"));
}

TEST_F(GridInput, SettingChangeMakesTheDefaultCellsFollowTheSystemColours)
{
    // As if the system colours had been different when the grid cached them.
    grid.m_crWindowText = RGB(1, 2, 3);
    grid.m_crShadow = RGB(4, 5, 6);
    grid.GetDefaultCell(FALSE, FALSE)->SetTextClr(RGB(1, 2, 3));
    grid.GetDefaultCell(TRUE, FALSE)->SetTextClr(RGB(7, 7, 7));  // the caller's own colour
    grid.m_crGridBkColour = RGB(4, 5, 6);
    grid.SendMessage(WM_SETTINGCHANGE, 0, 0);
    EXPECT_EQ(::GetSysColor(COLOR_WINDOWTEXT), grid.GetDefaultCell(FALSE, FALSE)->GetTextClr());
    EXPECT_EQ(RGB(7, 7, 7), grid.GetDefaultCell(TRUE, FALSE)->GetTextClr());
    EXPECT_EQ(::GetSysColor(COLOR_BTNSHADOW), grid.m_crGridBkColour);
    EXPECT_EQ(::GetSysColor(COLOR_WINDOWTEXT), grid.m_crWindowText);
}

TEST(GridWheel, LinesPerNotchComeFromTheSystemOrTheDesktopKey)
{
    OSVERSIONINFOA nt = {};
    nt.dwOSVersionInfoSize = sizeof(nt);
    nt.dwPlatformId = VER_PLATFORM_WIN32_NT;
    nt.dwMajorVersion = 5;
    UINT lines = 0;
    ASSERT_TRUE(::SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &lines, 0));
    EXPECT_EQ((int)lines, CGridCtrl::GetMouseScrollLines(&nt));

    // The desktop key's value is read where the system cannot be asked; the
    // user's own value is put back afterwards.
    OSVERSIONINFOA old = nt;
    old.dwPlatformId = VER_PLATFORM_WIN32_WINDOWS;
    old.dwMajorVersion = 4;
    old.dwMinorVersion = 0;
    HKEY hKey;
    ASSERT_EQ(ERROR_SUCCESS, ::RegCreateKeyExA(HKEY_CURRENT_USER, "Control Panel\\Desktop", 0, nullptr, 0,
                                               KEY_ALL_ACCESS, nullptr, &hKey, nullptr));
    char saved[128] = "";
    DWORD savedSize = sizeof(saved);
    bool bHadValue = ::RegQueryValueExA(hKey, "WheelScrollLines", nullptr, nullptr, (LPBYTE)saved, &savedSize) ==
                     ERROR_SUCCESS;
    ::RegSetValueExA(hKey, "WheelScrollLines", 0, REG_SZ, (const BYTE*)"7", 2);
    EXPECT_EQ(7, CGridCtrl::GetMouseScrollLines(&old));
    EXPECT_EQ(7, CGridCtrl::GetMouseScrollLines(nullptr));
    ::RegDeleteValueA(hKey, "WheelScrollLines");
    EXPECT_EQ(3, CGridCtrl::GetMouseScrollLines(&old));
    if (bHadValue)
        ::RegSetValueExA(hKey, "WheelScrollLines", 0, REG_SZ, (const BYTE*)saved, savedSize);
    ::RegCloseKey(hKey);
}

TEST_F(GridInput, OneWheelNotchScrollsByTheLinesPerNotch)
{
    grid.m_nRowsPerWheelNotch = 3;
    grid.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), At(100, 100));
    EXPECT_EQ(60, grid.GetScrollPos32(SB_VERT));
    grid.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA / 2), At(100, 100));  // 1.5 lines: one
    EXPECT_EQ(40, grid.GetScrollPos32(SB_VERT));
    grid.m_nRowsPerWheelNotch = -1;  // a page per notch: the client height below the fixed row
    grid.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), At(100, 100));
    CRect client;
    grid.GetClientRect(client);
    EXPECT_EQ(40 + client.bottom - 20, grid.GetScrollPos32(SB_VERT));
}

TEST_F(GridInput, AClickSendsSelChangingSelChangedAndClickInThatOrder)
{
    Click(125, 65);  // cell (3, 2)
    std::vector<Notice> expected = {{GVN_SELCHANGING, 3, 2}, {GVN_SELCHANGED, 3, 2}, {(int)NM_CLICK, 3, 2}};
    EXPECT_EQ(expected, g_notices);
    EXPECT_EQ(CCellID(3, 2), grid.GetFocusCell());
    EXPECT_TRUE(grid.IsCellSelected(3, 2));

    g_notices.clear();
    grid.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(125, 65));
    grid.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, At(225, 105));  // drag to (5, 4)
    grid.SendMessage(WM_LBUTTONUP, 0, At(225, 105));
    EXPECT_EQ(CCellRange(3, 2, 5, 4), grid.GetSelectedCellRange());
    ASSERT_FALSE(g_notices.empty());
    EXPECT_EQ(GVN_SELCHANGING, g_notices.front().code);
    EXPECT_EQ(NM_CLICK, g_notices.back().code);

    g_notices.clear();
    grid.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, At(125, 65));
    ASSERT_FALSE(g_notices.empty());
    EXPECT_EQ((Notice{(int)NM_DBLCLK, 3, 2}), g_notices.back());
}

TEST_F(GridInput, KeyboardMovesNotifyAndStopAtTheEdgesWithoutANotice)
{
    grid.SetFocusCell(1, 1);
    Key(VK_DOWN);
    std::vector<Notice> expected = {{GVN_SELCHANGING, 2, 1}, {GVN_SELCHANGED, 2, 1}};
    EXPECT_EQ(expected, g_notices);

    grid.SetFocusCell(1, 1);
    g_notices.clear();
    Key(VK_UP);  // onto the fixed row: refused
    Key(VK_LEFT);  // onto the fixed column: refused
    EXPECT_EQ(CCellID(1, 1), grid.GetFocusCell());
    EXPECT_TRUE(g_notices.empty());

    grid.SetFocusCell(19, 5);
    Key(VK_DOWN);
    Key(VK_RIGHT);
    Key(VK_TAB);  // the last cell of the last row
    EXPECT_EQ(CCellID(19, 5), grid.GetFocusCell());
    EXPECT_TRUE(g_notices.empty());

    grid.SetFocusCell(3, 5);
    Key(VK_TAB);  // last column: first data column of the next row
    EXPECT_EQ(CCellID(4, 1), grid.GetFocusCell());
}

TEST_F(GridInput, PageDownAtTheBottomGoesToTheLastRowAndShiftDownSelectsWholeRows)
{
    grid.SetFocusCell(2, 2);
    grid.SendMessage(WM_VSCROLL, SB_BOTTOM, 0);
    Key(VK_NEXT);
    EXPECT_EQ(CCellID(19, 2), grid.GetFocusCell());

    grid.SendMessage(WM_VSCROLL, SB_TOP, 0);
    grid.SetFocusCell(2, 2);
    Key(VK_DOWN);  // anchors the selection at (3, 2)
    SetKey(VK_SHIFT, true);
    Key(VK_DOWN);
    Key(VK_DOWN);
    SetKey(VK_SHIFT, false);
    EXPECT_EQ(CCellID(5, 2), grid.GetFocusCell());
    for (int row = 3; row <= 5; row++)
        for (int col = 1; col < 6; col++)
            EXPECT_TRUE(grid.IsCellSelected(row, col)) << row << "," << col;
    EXPECT_FALSE(grid.IsCellSelected(2, 2));
    EXPECT_FALSE(grid.IsCellSelected(6, 2));
}

TEST_F(GridInput, DraggingADividerResizesTheColumnAndMayHideIt)
{
    // Column 2 spans x 100..149; its right divider is at 149.
    grid.SendMessage(WM_MOUSEMOVE, 0, At(148, 10));
    EXPECT_EQ(MOUSE_OVER_COL_DIVIDE, grid.m_MouseMode);
    grid.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(148, 10));
    EXPECT_EQ(MOUSE_SIZING_COL, grid.m_MouseMode);
    grid.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, At(180, 10));
    grid.SendMessage(WM_LBUTTONUP, 0, At(180, 10));
    EXPECT_EQ(80, grid.GetColumnWidth(2));
    EXPECT_EQ(50, grid.GetColumnWidth(3));

    // A press just right of column 3's left edge (x 180) sizes column 2 again,
    // and dragging past its origin hides it.
    grid.SendMessage(WM_MOUSEMOVE, 0, At(181, 10));
    grid.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(181, 10));
    grid.SendMessage(WM_LBUTTONUP, 0, At(60, 10));
    EXPECT_EQ(0, grid.GetColumnWidth(2));
    EXPECT_EQ(50, grid.GetColumnWidth(3));

    // Without hiding the narrowest is one pixel.
    grid.m_bAllowColHide = FALSE;
    grid.SendMessage(WM_MOUSEMOVE, 0, At(148, 10));  // right edge of column 3, now at 100..149
    grid.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(148, 10));
    grid.SendMessage(WM_LBUTTONUP, 0, At(20, 10));
    EXPECT_EQ(1, grid.GetColumnWidth(3));

    // Below the fixed rows there is no column divider.
    grid.SendMessage(WM_MOUSEMOVE, 0, At(199, 70));
    EXPECT_NE(MOUSE_OVER_COL_DIVIDE, grid.m_MouseMode);
}

TEST_F(GridInput, TheTitleTipPassesClicksAndKeysToTheGridBeneath)
{
    grid.SetItemText(3, 2, "a text far too long for fifty pixels");
    grid.SetItemText(4, 2, "fits");
    CRect cell;
    ASSERT_TRUE(grid.GetCellRect(4, 2, cell));
    grid.SetFocus();
    grid.SendMessage(WM_MOUSEMOVE, 0, At(cell.left + 10, cell.top + 5));
    EXPECT_FALSE(::IsWindowVisible(grid.GetTitleTip().GetSafeHwnd()));   // a fitting text has no tip

    ASSERT_TRUE(grid.GetCellRect(3, 2, cell));
    auto showTip = [&] {
        grid.GetTitleTip().Hide();
        grid.SetFocus();
        grid.SendMessage(WM_MOUSEMOVE, 0, At(cell.left + 10, cell.top + 5));
        return ::IsWindowVisible(grid.GetTitleTip().GetSafeHwnd()) != FALSE;
    };
    ASSERT_TRUE(showTip());
    HWND tip = grid.GetTitleTip().GetSafeHwnd();

    // A press on the tip is a press on the cell under it.
    g_notices.clear();
    MSG press = {tip, WM_LBUTTONDOWN, MK_LBUTTON, At(10, 5), 0, {0, 0}};
    EXPECT_TRUE(grid.GetTitleTip().PreTranslateMessage(&press));
    EXPECT_FALSE(::IsWindowVisible(tip));
    PumpMessages();
    grid.SendMessage(WM_LBUTTONUP, 0, At(cell.left + 10, cell.top + 5));
    EXPECT_EQ(CCellID(3, 2), grid.GetFocusCell());
    ASSERT_FALSE(g_notices.empty());
    EXPECT_EQ((Notice{GVN_SELCHANGING, 3, 2}), g_notices.front());

    // A second press within the double-click time arrives as a double click.
    g_notices.clear();
    EXPECT_TRUE(grid.GetTitleTip().PreTranslateMessage(&press));
    PumpMessages();
    ASSERT_FALSE(g_notices.empty());
    EXPECT_EQ((Notice{(int)NM_DBLCLK, 3, 2}), g_notices.back());

    // A key hides the tip and reaches the grid.
    grid.m_MouseMode = MOUSE_NOTHING;
    ASSERT_TRUE(showTip());
    grid.SetFocusCell(3, 2);
    MSG key = {tip, WM_KEYDOWN, VK_DOWN, 0, 0, {0, 0}};
    EXPECT_TRUE(grid.GetTitleTip().PreTranslateMessage(&key));
    EXPECT_FALSE(::IsWindowVisible(tip));
    PumpMessages();
    EXPECT_EQ(CCellID(4, 2), grid.GetFocusCell());
}
