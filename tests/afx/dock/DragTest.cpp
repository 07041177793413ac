// Dragging bars for real: a press made with SendInput reaches the bar, and a
// second thread moves the mouse and lets go while the drag's own loop runs.
#include "tests/afx/dock/DockFrame.h"

#include <vector>

namespace {

// What the second thread does once the drag holds the mouse.
struct DragScript
{
    DWORD uiThread = 0;
    std::vector<CPoint> path;   // screen points
    bool holdCtrl = false;
    bool pressEscape = false;
    bool postQuit = false;
};

void SendMouse(DWORD flags, CPoint pt = CPoint(0, 0))
{
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    if (flags & MOUSEEVENTF_ABSOLUTE) {
        const int cx = ::GetSystemMetrics(SM_CXSCREEN);
        const int cy = ::GetSystemMetrics(SM_CYSCREEN);
        input.mi.dx = static_cast<LONG>((pt.x * 65536 + cx - 1) / cx);
        input.mi.dy = static_cast<LONG>((pt.y * 65536 + cy - 1) / cy);
    }
    ::SendInput(1, &input, sizeof input);
}

void SendKey(WORD key, bool up)
{
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    ::SendInput(1, &input, sizeof input);
}

void MoveTo(CPoint pt)
{
    SendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, pt);
    // The cursor follows the display server a moment later; the next
    // event must see it there.
    for (int i = 0; i < 50; ++i) {
        POINT now = {};
        ::GetCursorPos(&now);
        if (now.x == pt.x && now.y == pt.y)
            break;
        ::Sleep(10);
    }
    ::Sleep(20);
}

DWORD WINAPI RunScript(void* param)
{
    const DragScript& script = *static_cast<DragScript*>(param);
    // The drag has begun when the UI thread holds the capture.
    for (int i = 0; i < 50; ++i) {
        GUITHREADINFO info = {};
        info.cbSize = sizeof info;
        if (::GetGUIThreadInfo(script.uiThread, &info) && info.hwndCapture)
            break;
        ::Sleep(10);
    }
    if (script.holdCtrl)
        SendKey(VK_CONTROL, false);
    for (const CPoint& pt : script.path)
        MoveTo(pt);
    // Late motion events of the display server may still report an earlier
    // point: the last one is sent again once they have passed.
    if (!script.path.empty()) {
        ::Sleep(100);
        MoveTo(script.path.back());
    }
    if (script.postQuit) {
        ::PostThreadMessageA(script.uiThread, WM_QUIT, 7, 0);
        ::Sleep(100);
    }
    if (script.pressEscape) {
        SendKey(VK_ESCAPE, false);
        SendKey(VK_ESCAPE, true);
        ::Sleep(100);
    }
    SendMouse(MOUSEEVENTF_LEFTUP);
    ::Sleep(30);
    if (script.holdCtrl)
        SendKey(VK_CONTROL, true);
    return 0;
}

// The test's message loop, standing in for the program's: the WM_QUIT it
// meets is kept (with its exit code) instead of ending anything.
int g_quitCode = -1;

void PumpButQuit()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            g_quitCode = static_cast<int>(msg.wParam);
            continue;
        }
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

} // namespace

class DragTest : public DockTest
{
protected:
    void SetUp() override
    {
        DockTest::SetUp();
        m_frame->DockControlBar(&m_one, AFX_IDW_DOCKBAR_TOP);
        m_frame->RecalcLayout();
        m_frame->UpdateWindow();
        // Keys go to the focus: the frame must have it.
        ::SetForegroundWindow(m_frame->m_hWnd);
        ::SetFocus(m_frame->m_hWnd);
        PumpButQuit();
    }

    // The middle of the bar's gripper, on screen.
    CPoint Gripper()
    {
        CRect rect;
        m_one.GetWindowRect(&rect);
        return CPoint(rect.left + 3, rect.top + rect.Height() / 2);
    }

    CPoint ClientPoint(int x, int y)
    {
        CPoint pt(x, y);
        m_frame->ClientToScreen(&pt);
        return pt;
    }

    // Presses at 'from', lets the script run and pumps until it is done.
    void Drag(CPoint from, DragScript script)
    {
        g_quitCode = -1;
        // The move goes in the same input stream as the press, so the press lands there.
        SendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, from);
        ::Sleep(30);
        PumpButQuit();
        script.uiThread = ::GetCurrentThreadId();
        SendMouse(MOUSEEVENTF_LEFTDOWN);
        HANDLE thread = ::CreateThread(nullptr, 0, RunScript, &script, 0, nullptr);
        ASSERT_NE(nullptr, thread);
        while (::MsgWaitForMultipleObjects(1, &thread, FALSE, 5000, QS_ALLINPUT) != WAIT_OBJECT_0)
            PumpButQuit();
        ::CloseHandle(thread);
        ::Sleep(50);
        PumpButQuit();
    }

    // A few steps from a to b.
    static std::vector<CPoint> Path(CPoint a, CPoint b)
    {
        std::vector<CPoint> path;
        for (int i = 1; i <= 4; ++i)
            path.push_back(CPoint(a.x + (b.x - a.x) * i / 4, a.y + (b.y - a.y) * i / 4));
        return path;
    }
};

TEST_F(DragTest, TheGripperDraggedToTheMiddleFloatsTheBar)
{
    CRect client;
    m_frame->GetClientRect(&client);
    const CPoint target = ClientPoint(client.Width() / 2, client.Height() / 2);
    DragScript script;
    script.path = Path(Gripper(), target);
    Drag(Gripper(), script);
    ASSERT_TRUE(m_one.IsFloating());
    EXPECT_EQ("|(1)|", Rows(AFX_IDW_DOCKBAR_TOP));
    // The frame stands where the outline was: the drop point is inside it.
    CRect frame;
    m_one.GetParentFrame()->GetWindowRect(&frame);
    EXPECT_TRUE(frame.PtInRect(target)) << frame.left << "," << frame.top;
    EXPECT_EQ(frame.TopLeft(), m_one.m_pDockContext->m_ptMRUFloatPos);
    m_frame->RecalcLayout();
    EXPECT_EQ(0, InFrame(m_view).top);
}

TEST_F(DragTest, TheGripperDraggedToTheLeftEdgeDocksTheBarThere)
{
    CRect client;
    m_frame->GetClientRect(&client);
    DragScript script;
    script.path = Path(Gripper(), ClientPoint(2, client.Height() / 2));
    Drag(Gripper(), script);
    EXPECT_FALSE(m_one.IsFloating());
    EXPECT_EQ("|1|", Rows(AFX_IDW_DOCKBAR_LEFT));
    EXPECT_EQ("|", Rows(AFX_IDW_DOCKBAR_TOP));
    EXPECT_TRUE(m_one.IsVertDocked());
    m_frame->RecalcLayout();
    EXPECT_EQ(0, InFrame(m_one).left);
    EXPECT_EQ(InFrame(m_one).right, InFrame(m_view).left);
}

TEST_F(DragTest, CtrlForcesFloating)
{
    CRect client;
    m_frame->GetClientRect(&client);
    DragScript script;
    script.holdCtrl = true;
    script.path = Path(Gripper(), ClientPoint(2, client.Height() / 2));
    Drag(Gripper(), script);
    EXPECT_TRUE(m_one.IsFloating());
    EXPECT_EQ("|", Rows(AFX_IDW_DOCKBAR_LEFT));
}

TEST_F(DragTest, EscapeAndAQuitCancelTheDrag)
{
    const CRect before = InFrame(m_one);
    CRect client;
    m_frame->GetClientRect(&client);
    DragScript script;
    script.pressEscape = true;
    script.path = Path(Gripper(), ClientPoint(client.Width() / 2, client.Height() / 2));
    Drag(Gripper(), script);
    EXPECT_FALSE(m_one.IsFloating());
    EXPECT_EQ("|1|", Rows(AFX_IDW_DOCKBAR_TOP));
    EXPECT_EQ(before, InFrame(m_one));
    EXPECT_EQ(nullptr, ::GetCapture());

    // A quit posted while the loop runs ends the drag and stays queued for
    // the program's loop. (Two presses in a row would be a double click.)
    ::Sleep(::GetDoubleClickTime() + 50);
    DragScript quitting;
    quitting.postQuit = true;
    quitting.path = Path(Gripper(), ClientPoint(client.Width() / 2, client.Height() / 2));
    Drag(Gripper(), quitting);
    EXPECT_FALSE(m_one.IsFloating());
    EXPECT_EQ(before, InFrame(m_one));
    EXPECT_EQ(7, g_quitCode);
}


TEST_F(DragTest, TheFloatingFramesBorderResizesTheBar)
{
    m_frame->FloatControlBar(&m_one, CPoint(150, 150));
    PumpButQuit();
    CFrameWnd* floating = m_one.GetParentFrame();
    ASSERT_NE(m_frame, floating);
    CRect button;
    m_one.GetItemRect(0, &button);
    CRect outer;
    floating->GetWindowRect(&outer);
    const CPoint border(outer.right - 2, outer.top + outer.Height() / 2);
    ASSERT_EQ(HTRIGHT, floating->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(border.x, border.y)));

    // Narrowed to three buttons, the bar wraps into two rows and keeps that width.
    DragScript script;
    script.path = Path(border, CPoint(border.x - 3 * button.Width(), border.y));
    Drag(border, script);
    EXPECT_TRUE(m_one.IsFloating());
    EXPECT_TRUE(m_one.GetButtonStyle(2) & TBBS_WRAPPED);
    EXPECT_FALSE(m_one.GetButtonStyle(1) & TBBS_WRAPPED);
    const CSize edges = Edges(m_one, TRUE);
    EXPECT_EQ(3 * button.Width() + edges.cx, m_one.m_nMRUWidth);
    CRect client;
    floating->GetClientRect(&client);
    EXPECT_EQ(CSize(3 * button.Width() + edges.cx, 2 * button.Height() + edges.cy), client.Size());
    // The left edge stayed where it was.
    CRect after;
    floating->GetWindowRect(&after);
    EXPECT_EQ(outer.left, after.left);
}
