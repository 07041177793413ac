// The list edit's popup: its size, the keys and clicks its own loop reads,
// where it opens, and the ways its loop is cancelled.
#include "toolkit/foundation/OXListEdit.h"

#include "afx/WinApp.h"
#include "tests/toolkit/support/ToolkitTestSupport.h"

#include <gtest/gtest.h>

namespace {
void CALLBACK TakeCapture(HWND, UINT, UINT_PTR id, DWORD)
{
    ::KillTimer(nullptr, id);
    ::ReleaseCapture();
}

class ListEditTest : public testing::Test
{
protected:
    void SetUp() override
    {
        AfxWinInit(GetModuleHandleA(nullptr), nullptr, const_cast<LPSTR>(""), SW_SHOWNORMAL);
        ASSERT_TRUE(frame.CreateFrame(CRect(100, 100, 500, 300)));
        // The pointer over the list would choose its line itself.
        SetCursorAt(CPoint(1000, 10));
    }
    void TearDown() override
    {
        if (frame.GetSafeHwnd())
            frame.DestroyWindow();
    }
    void Fill(int count)
    {
        CStringArray items;
        for (int i = 1; i <= count; ++i) {
            CString item;
            item.Format("Item %d", i);
            items.Add(item);
        }
        edit.SetListItems(items, &frame);
        edit.SetWindowPos(nullptr, 20, 20, 200, 24, SWP_NOZORDER | SWP_SHOWWINDOW);
    }
    void Post(UINT message, WPARAM wParam, LPARAM lParam = 0)
    {
        ::PostMessageA(edit.GetListPopup().GetSafeHwnd(), message, wParam, lParam);
    }
    CString Text()
    {
        CString text;
        edit.GetWindowText(text);
        return text;
    }
    CRect PopupRect()
    {
        CRect rect;
        edit.GetListPopup().GetWindowRect(&rect);
        return rect;
    }
    int RowHeight() { return static_cast<int>(edit.GetListPopup().SendMessage(LB_GETITEMHEIGHT)) + 1; }
    CTestFrame frame;
    COXListEdit edit;
};
} // namespace

TEST_F(ListEditTest, ItemsFillAnEditCreatedForThem)
{
    Fill(3);
    EXPECT_EQ(COXListEdit::CreatedId, edit.GetDlgCtrlID());
    EXPECT_EQ(&frame, edit.GetParent());
    EXPECT_EQ(3, edit.GetListPopup().GetCount());
    Fill(2);  // refilled, not appended
    EXPECT_EQ(2, edit.GetListPopup().GetCount());
}

TEST_F(ListEditTest, AtMostTwentyRowsAndOneRowGetsAnExtraPixel)
{
    Fill(25);
    Post(WM_KEYDOWN, VK_ESCAPE);
    edit.OnDropButton();
    CRect window;
    edit.GetWindowRect(&window);
    CRect popup = PopupRect();
    EXPECT_EQ(20 * RowHeight(), popup.Height());
    EXPECT_EQ(window.bottom, popup.top);
    CRect client;
    edit.GetClientRect(&client);
    edit.ClientToScreen(&client);
    EXPECT_EQ(client.left, popup.left);
    EXPECT_EQ(client.right + edit.GetButtonWidth(), popup.right);
    EXPECT_FALSE(edit.GetListPopup().IsWindowVisible());

    Fill(1);
    Post(WM_KEYDOWN, VK_ESCAPE);
    edit.OnDropButton();
    EXPECT_EQ(RowHeight() + 1, PopupRect().Height());
}

TEST_F(ListEditTest, KeysReachTheListWithoutFocus)
{
    edit.SetMask("[#]");
    Fill(25);
    // Without a focus window keys come as system keys.
    for (UINT key : { VK_DOWN, VK_DOWN, VK_DOWN, VK_UP, VK_RETURN })
        Post(WM_SYSKEYDOWN, key);
    edit.OnDropButton();
    EXPECT_STREQ("[Item 2]", Text());
    EXPECT_STREQ("Item 2", edit.GetInputData());

    // Up with nothing selected takes the first; Down stays on the last.
    edit.GetListPopup().SetCurSel(-1);
    Post(WM_KEYDOWN, VK_UP);
    Post(WM_KEYDOWN, VK_RETURN);
    edit.OnDropButton();
    EXPECT_STREQ("[Item 1]", Text());
    edit.GetListPopup().SetCurSel(24);
    Post(WM_KEYDOWN, VK_DOWN);
    Post(WM_KEYDOWN, VK_RETURN);
    edit.OnDropButton();
    EXPECT_STREQ("[Item 25]", Text());

    Post(WM_KEYDOWN, VK_UP);
    Post(WM_KEYDOWN, VK_ESCAPE);
    edit.OnDropButton();
    EXPECT_STREQ("[Item 25]", Text());
}

TEST_F(ListEditTest, ReleaseOnALinePicksItAndOutsideKeepsTheText)
{
    Fill(5);
    edit.SetWindowText("kept");
    const int row = RowHeight();
    Post(WM_LBUTTONUP, 0, MAKELPARAM(5, -10));
    edit.OnDropButton();
    EXPECT_STREQ("kept", Text());
    Post(WM_MOUSEMOVE, 0, MAKELPARAM(5, row * 2 + 2));
    Post(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, row * 2 + 2));
    Post(WM_LBUTTONUP, 0, MAKELPARAM(5, row * 2 + 2));
    edit.OnDropButton();
    EXPECT_STREQ("Item 3", Text());
}

TEST_F(ListEditTest, OpensAboveTheEditNearTheBottom)
{
    MONITORINFO info = {};
    info.cbSize = sizeof(info);
    ::GetMonitorInfoA(::MonitorFromWindow(frame.GetSafeHwnd(), MONITOR_DEFAULTTONEAREST), &info);
    frame.SetWindowPos(nullptr, 100, info.rcWork.bottom - 80, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    Fill(10);
    Post(WM_KEYDOWN, VK_ESCAPE);
    edit.OnDropButton();
    CRect window;
    edit.GetWindowRect(&window);
    EXPECT_EQ(window.top, PopupRect().bottom);
}

TEST_F(ListEditTest, QuitAndLostCaptureCancel)
{
    Fill(5);
    edit.SetWindowText("kept");
    Post(WM_KEYDOWN, VK_DOWN);
    ::PostQuitMessage(7);
    edit.OnDropButton();
    EXPECT_STREQ("kept", Text());
    MSG msg;
    ASSERT_TRUE(::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(7u, msg.wParam);

    Post(WM_KEYDOWN, VK_DOWN);
    ::SetTimer(nullptr, 0, 30, TakeCapture);
    edit.OnDropButton();
    EXPECT_STREQ("kept", Text());
    EXPECT_EQ(nullptr, ::GetCapture());
}
