#include "tests/toolkit/support/ToolkitTestSupport.h"

#include "afx/WinApp.h"

bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs)
{
    DWORD end = ::GetTickCount() + timeoutMs;
    for (;;) {
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
        if (condition())
            return true;
        if (static_cast<LONG>(end - ::GetTickCount()) <= 0)
            return condition();
        ::Sleep(5);
    }
}

void PumpFor(DWORD ms)
{
    PumpUntil([] { return false; }, ms);
}

void SetCursorAt(CPoint screen)
{
    // The cursor travels through the display server, and the news of an
    // earlier move may still come back and put it where it was: set it until
    // it stays there.
    auto there = [screen] {
        CPoint now;
        ::GetCursorPos(&now);
        return now == screen;
    };
    for (int attempt = 0; attempt < 20; ++attempt) {
        ::SetCursorPos(screen.x, screen.y);
        PumpFor(30);
        if (there()) {
            PumpFor(30);
            if (there())
                return;
        }
    }
}

void MoveCursorTo(const CWnd& wnd, CPoint client)
{
    wnd.ClientToScreen(&client);
    SetCursorAt(client);
}

void ReleaseModifierKeys()
{
    BYTE keys[256];
    ::GetKeyboardState(keys);
    for (int key : { VK_SHIFT, VK_LSHIFT, VK_RSHIFT, VK_CONTROL, VK_LCONTROL, VK_RCONTROL, VK_MENU, VK_LMENU, VK_RMENU })
        keys[key] = 0;
    ::SetKeyboardState(keys);
}

BOOL CTestFrame::CreateFrame(const CRect& screen, LPCTSTR title)
{
    LPCTSTR cls = AfxRegisterWndClass(0, ::LoadCursor(nullptr, IDC_ARROW),
                                      reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1)));
    if (!CreateEx(0, cls, title, WS_POPUP | WS_BORDER | WS_VISIBLE, screen.left, screen.top, screen.Width(),
                  screen.Height(), nullptr, nullptr))
        return FALSE;
    UpdateWindow();
    return TRUE;
}
