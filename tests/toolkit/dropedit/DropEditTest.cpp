// The drop button in the edit's frame: its place, the press tracked by the
// 200 ms timer, the shortcut, the default menu and the one-time set-up.
#include "toolkit/foundation/OXDropEdit.h"

#include "afx/DC.h"
#include "afx/Menu.h"
#include "afx/WinApp.h"
#include "tests/toolkit/support/ToolkitTestSupport.h"

#include <gtest/gtest.h>

namespace {
class CountingDropEdit : public COXDropEdit<COXEdit>
{
public:
    void OnDropButton() override
    {
        ++drops;
        COXDropEdit<COXEdit>::OnDropButton();
    }
    BOOL InitializeDropEdit() override
    {
        ++inits;
        return TRUE;
    }
    LRESULT Send(UINT message, WPARAM wParam, LPARAM lParam) { return SendMessage(message, wParam, lParam); }
    int drops = 0;
    int inits = 0;
};

CRect g_menuRect;
void CALLBACK CloseMenu(HWND, UINT, UINT_PTR id, DWORD)
{
    const HWND menu = ::FindWindowA("#32768", nullptr);
    if (menu && ::IsWindowVisible(menu)) {
        ::GetWindowRect(menu, &g_menuRect);
        ::KillTimer(nullptr, id);
        ::EndMenu();
    }
}

void SetLeftButton(bool down)
{
    BYTE keys[256];
    ::GetKeyboardState(keys);
    keys[VK_LBUTTON] = down ? 0x80 : 0;
    ::SetKeyboardState(keys);
}

void SendAlt(bool down)
{
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = VK_MENU;
    input.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
    ::SendInput(1, &input, sizeof(input));
}

class DropEditTest : public testing::Test
{
protected:
    void SetUp() override
    {
        AfxWinInit(GetModuleHandleA(nullptr), nullptr, const_cast<LPSTR>(""), SW_SHOWNORMAL);
        ReleaseModifierKeys();
        ASSERT_TRUE(frame.CreateFrame(CRect(200, 200, 600, 400)));
    }
    void TearDown() override
    {
        SetLeftButton(false);
        if (frame.GetSafeHwnd())
            frame.DestroyWindow();
    }
    bool Create(CountingDropEdit& edit, int width, DWORD style = 0)
    {
        return edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | style, CRect(20, 20, 20 + width, 44), &frame, 100) &&
               (edit.Send(WM_NULL, 0, 0), true);
    }
    static CPoint ButtonCenter(const CountingDropEdit& edit)
    {
        CRect button;
        edit.GetButtonRect(button);
        edit.ClientToScreen(&button);
        return button.CenterPoint();
    }
    static LPARAM Screen(CPoint pt) { return MAKELPARAM(pt.x, pt.y); }
    CTestFrame frame;
};
} // namespace

TEST_F(DropEditTest, ButtonTakesItsWidthFromTheFrame)
{
    const int width = ::GetSystemMetrics(SM_CXHTHUMB);
    CountingDropEdit edit;
    ASSERT_TRUE(Create(edit, 150));
    EXPECT_EQ(width, edit.GetButtonWidth());
    EXPECT_EQ(1, edit.inits);  // once, at the first message after WM_CREATE
    CRect client;
    edit.GetClientRect(&client);
    const int withButton = client.Width();
    CRect button;
    edit.GetButtonRect(button);
    EXPECT_EQ(client.right, button.left);
    EXPECT_EQ(width, button.Width());
    CRect window;
    edit.GetWindowRect(&window);
    EXPECT_EQ(HTBORDER, edit.Send(WM_NCHITTEST, 0, Screen(ButtonCenter(edit))));

    edit.SetButtonAlignment(COXDropEdit<COXEdit>::ButtonLeft);
    edit.GetButtonRect(button);
    edit.GetClientRect(&client);
    EXPECT_EQ(0, button.right);
    EXPECT_EQ(-width, button.left);
    edit.ShowButton(FALSE);
    edit.GetClientRect(&client);
    EXPECT_EQ(withButton + width, client.Width());
    EXPECT_FALSE(edit.IsInButton(window.TopLeft() + CPoint(2, 2)));
    EXPECT_EQ(1, edit.inits);
}

TEST_F(DropEditTest, NarrowEditKeepsAnEmptyClientAreaAndStillDrawsTheButton)
{
    CountingDropEdit edit;
    ASSERT_TRUE(Create(edit, 12));
    CRect client;
    edit.GetClientRect(&client);
    EXPECT_EQ(0, client.Width());
    edit.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
    PumpFor(50);
    // The raised frame's light top-left edge, seen on the screen.
    CRect button;
    edit.GetButtonRect(button);
    edit.ClientToScreen(&button);
    CClientDC screen(nullptr);
    EXPECT_EQ(::GetSysColor(COLOR_BTNHIGHLIGHT), screen.GetPixel(button.left, button.top + 3) & 0xFFFFFF);
}

TEST_F(DropEditTest, PressIsTrackedUntilTheReleaseOverTheButton)
{
    CountingDropEdit edit;
    ASSERT_TRUE(Create(edit, 150));
    const CPoint on = ButtonCenter(edit);
    const CPoint off = on + CPoint(0, 60);

    // Off and back while held: the pushed look follows the cursor.
    SetCursorAt(on);
    SetLeftButton(true);
    edit.Send(WM_NCLBUTTONDOWN, HTBORDER, Screen(on));
    EXPECT_TRUE(edit.IsButtonPressed());
    SetCursorAt(off);
    SetLeftButton(true);
    EXPECT_TRUE(PumpUntil([&] { return !edit.IsButtonPressed(); }, 1000));
    SetCursorAt(on);
    SetLeftButton(true);
    EXPECT_TRUE(PumpUntil([&] { return edit.IsButtonPressed(); }, 1000));
    edit.Send(WM_NCLBUTTONUP, HTBORDER, Screen(on));
    EXPECT_EQ(1, edit.drops);
    EXPECT_FALSE(edit.IsButtonPressed());

    // A release off the button drops nothing; the next tick ends the press.
    edit.Send(WM_NCLBUTTONDOWN, HTBORDER, Screen(on));
    edit.Send(WM_NCLBUTTONUP, HTBORDER, Screen(off));
    SetLeftButton(false);
    PumpFor(300);
    EXPECT_EQ(1, edit.drops);
    EXPECT_FALSE(edit.IsButtonPressed());
    // A press that did not begin on the button drops nothing either.
    edit.Send(WM_NCLBUTTONUP, HTBORDER, Screen(on));
    EXPECT_EQ(1, edit.drops);
}

TEST_F(DropEditTest, AltEnterDropsAndIsSwallowedEnterAlonePasses)
{
    CountingDropEdit edit;
    ASSERT_TRUE(Create(edit, 150));
    frame.SetForegroundWindow();
    edit.SetFocus();
    edit.Send(WM_KEYDOWN, VK_RETURN, 1);
    EXPECT_EQ(0, edit.drops);

    SendAlt(true);
    ASSERT_TRUE(PumpUntil([] { return ::GetKeyState(VK_MENU) < 0; }, 2000));
    EXPECT_EQ(0, edit.Send(WM_SYSKEYDOWN, VK_RETURN, 0x20000001));
    EXPECT_EQ(1, edit.drops);
    SendAlt(false);
    PumpUntil([] { return ::GetKeyState(VK_MENU) >= 0; }, 2000);
    ReleaseModifierKeys();
}

TEST_F(DropEditTest, ReadOnlyAndDisabledIgnoreButtonAndShortcut)
{
    CountingDropEdit edit;
    ASSERT_TRUE(Create(edit, 150, ES_READONLY));
    BYTE keys[256];
    ::GetKeyboardState(keys);
    keys[VK_MENU] = 0x80;
    ::SetKeyboardState(keys);
    const CPoint on = ButtonCenter(edit);
    for (int pass = 0; pass < 2; ++pass) {
        edit.Send(WM_NCLBUTTONDOWN, HTBORDER, Screen(on));
        EXPECT_FALSE(edit.IsButtonPressed());
        edit.Send(WM_NCLBUTTONUP, HTBORDER, Screen(on));
        edit.Send(WM_SYSKEYDOWN, VK_RETURN, 0x20000001);
        EXPECT_EQ(0, edit.drops);
        edit.SetReadOnly(FALSE);
        edit.EnableWindow(FALSE);
    }
    ReleaseModifierKeys();
}

TEST_F(DropEditTest, MenuOpensBelowTheEditOnTheButtonsSide)
{
    CMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    menu.AppendMenu(MF_STRING, 1, "first");
    menu.AppendMenu(MF_STRING, 2, "second");
    CountingDropEdit edit;
    ASSERT_TRUE(Create(edit, 150));
    edit.SetDropMenu(&menu);
    CRect window;
    edit.GetWindowRect(&window);
    for (int align : { COXDropEdit<COXEdit>::ButtonRight, COXDropEdit<COXEdit>::ButtonLeft }) {
        edit.SetButtonAlignment(align);
        g_menuRect.SetRectEmpty();
        ::SetTimer(nullptr, 0, 50, CloseMenu);
        edit.OnDropButton();
        EXPECT_EQ(window.bottom, g_menuRect.top);
        if (align == COXDropEdit<COXEdit>::ButtonLeft)
            EXPECT_EQ(window.left, g_menuRect.left);
        else
            EXPECT_EQ(window.right, g_menuRect.right);
        EXPECT_EQ(&edit, CWnd::GetFocus());
    }
}

TEST_F(DropEditTest, SubclassedEditIsSetUpOnceAndGetsItsStrip)
{
    HWND plain = ::CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_BORDER, 20, 60, 150, 24,
                                   frame.GetSafeHwnd(), nullptr, nullptr, nullptr);
    ASSERT_TRUE(plain);
    CRect bare;
    ::GetClientRect(plain, &bare);
    CountingDropEdit edit;
    ASSERT_TRUE(edit.SubclassWindow(plain));
    EXPECT_EQ(1, edit.inits);
    edit.Send(WM_NULL, 0, 0);  // the frame is recalculated at the next message
    CRect client;
    edit.GetClientRect(&client);
    EXPECT_EQ(bare.Width() - edit.GetButtonWidth(), client.Width());
    EXPECT_EQ(1, edit.inits);
}

TEST(DropEditInstances, NumericAndMaskedEditsCarryTheButtonToo)
{
    COXDropEdit<COXNumericEdit> numeric;
    COXDropEdit<COXMaskedEdit> masked;
    EXPECT_EQ(VK_RETURN, static_cast<int>(numeric.GetShortcutKey()));
    EXPECT_EQ(4u, masked.GetShortcutFlags());
    EXPECT_TRUE(numeric.IsButtonShown() && masked.IsButtonShown());
}
